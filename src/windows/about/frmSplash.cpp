#include "windows/about/frmSplash.h"

#include "ui/widgets.h"

#include <QFrame>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

namespace about {

frmSplash::frmSplash() {
    setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint);
    setAccessibleName(QStringLiteral("Vorante Lumivexa - Analyse Morphologique"));
    setFocusPolicy(Qt::StrongFocus);

    frame_ = ui::named(new QFrame(this), QStringLiteral("Frame1"), QStringLiteral("Présentation"));
    frame_->setFrameShape(QFrame::Box);
    frame_->setLineWidth(2);
    frame_->setStyleSheet(QStringLiteral("QFrame#Frame1 { background: #fbf8f1; }"));
    buildLabels();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(frame_);

    handOverTimer_ = new QTimer(this);
    handOverTimer_->setObjectName(QStringLiteral("Timer1"));
    handOverTimer_->setInterval(kInterval);
    // A coarse timer may fire up to 5 % early; the splash must stay its full time.
    handOverTimer_->setTimerType(Qt::PreciseTimer);
    handOverTimer_->setSingleShot(true);
    connect(handOverTimer_, &QTimer::timeout, this, &frmSplash::handOverWhenDue);

    frame_->installEventFilter(this);
    for (QLabel* control : frame_->findChildren<QLabel*>()) {
        control->installEventFilter(this);
    }
}

QLabel* frmSplash::label(const QString& name, const QString& text) {
    return ui::named(new QLabel(text, frame_), name, text);
}

void frmSplash::buildLabels() {
    QLabel* column = label(QStringLiteral("Image1"), QString());
    column->setAccessibleName(QStringLiteral("Colonne ionique"));
    column->setPixmap(ui::columnPixmap(QSize(100, 220)));
    QLabel* logo = label(QStringLiteral("imgLogo"), QString());
    logo->setAccessibleName(QStringLiteral("Logo Vorante Lumivexa"));
    logo->setPixmap(ui::logoPixmap(84));

    const ui::ShadowTitle product =
        ui::shadowTitle(QStringLiteral("VORANTE LUMIVEXA"), QStringLiteral("Label1"),
                        QStringLiteral("Label5"), 24, frame_);
    const ui::ShadowTitle subtitle =
        ui::shadowTitle(QStringLiteral("Analyse Morphologique"), QStringLiteral("Label6"),
                        QStringLiteral("Label8"), 18, frame_);
    QLabel* version = label(QStringLiteral("Label2"), QStringLiteral("Version 3.5"));
    QLabel* systems = label(QStringLiteral("Label3"), QStringLiteral("Windows 95, 98, NT et 2000"));
    QLabel* date = label(QStringLiteral("Label9"), QStringLiteral("Octobre 2001"));
    QLabel* address =
        label(QStringLiteral("Label4"),
              QStringLiteral("Atelier Vorante Lumivexa — 12, rue des Écoles — 75005 Paris"));
    QLabel* blank = label(QStringLiteral("Label7"), QString());
    for (QLabel* l : {version, systems, date}) {
        l->setAlignment(Qt::AlignRight);
    }
    version->setStyleSheet(QStringLiteral("font-weight: bold;"));
    address->setStyleSheet(QStringLiteral("color: #4a4a4a;"));
    clickable_ = {frame_, column, logo, version, systems, address, product.face, subtitle.face};

    auto* grid = new QGridLayout(frame_);
    grid->setContentsMargins(18, 18, 18, 14);
    grid->setHorizontalSpacing(18);
    grid->addWidget(column, 0, 0, 6, 1);
    grid->addWidget(logo, 0, 1, Qt::AlignLeft | Qt::AlignTop);
    grid->addWidget(product.container, 1, 1, 1, 2);
    grid->addWidget(subtitle.container, 2, 1, 1, 2);
    grid->addWidget(version, 3, 2);
    grid->addWidget(systems, 4, 2);
    grid->addWidget(date, 5, 2);
    grid->addWidget(blank, 6, 1, 1, 2);
    grid->addWidget(address, 7, 0, 1, 3, Qt::AlignCenter);
    grid->setRowStretch(6, 1);
}

void frmSplash::Form_Load() {
    adjustSize();
    if (const QScreen* screen = this->screen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
}

// The three seconds count from the moment the window is shown.
void frmSplash::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!shown_.isValid() && !handedOver_) {
        shown_.start();
        handOverTimer_->start(kInterval);
    }
}

// Closed from outside before its time (by the window manager), the splash still hands over:
// otherwise the program would run on with no window.
void frmSplash::Form_Unload() {
    handOverTimer_->stop();
    if (!handedOver_ && !ui::Forms::instance().closingAll()) {
        handedOver_ = true;
        emit handedOver();
    }
}

void frmSplash::handOver() {
    if (handedOver_) {
        return;
    }
    handedOver_ = true;
    unload();
    emit handedOver();
}

// Should the timer fire before its time all the same, it is re-armed for the time left.
void frmSplash::handOverWhenDue() {
    if (handedOver_) {
        return;
    }
    const qint64 left = shown_.isValid() ? kInterval - shown_.elapsed() : 0;
    if (left > 0) {
        handOverTimer_->start(static_cast<int>(left));
        return;
    }
    handOver();
}

void frmSplash::keyPressEvent(QKeyEvent*) {
    handOver();
}

bool frmSplash::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease) {
        if (clickable_.contains(watched)) {
            handOver();
        }
        // A click belongs to the control it lands on: labels without a click of their own
        // must not pass it on to the frame around them.
        return true;
    }
    if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick) {
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace about
