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

    Frame1 = ui::named(new QFrame(this), QStringLiteral("Frame1"), QStringLiteral("Présentation"));
    Frame1->setFrameShape(QFrame::Box);
    Frame1->setLineWidth(2);
    Frame1->setStyleSheet(QStringLiteral("QFrame#Frame1 { background: #fbf8f1; }"));
    buildLabels();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Frame1);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(kInterval);
    // A coarse timer may fire up to 5 % early; the splash must stay its full time.
    Timer1->setTimerType(Qt::PreciseTimer);
    Timer1->setSingleShot(true);
    connect(Timer1, &QTimer::timeout, this, &frmSplash::Timer1_Timer);

    for (QObject* control :
         std::initializer_list<QObject*>{Frame1, Image1, imgLogo[0], Label1, Label2, Label3, Label4,
                                         Label5, Label6, Label7, Label8, Label9}) {
        control->installEventFilter(this);
    }
}

QLabel* frmSplash::label(const QString& name, const QString& text) {
    return ui::named(new QLabel(text, Frame1), name, text);
}

void frmSplash::buildLabels() {
    Image1 = label(QStringLiteral("Image1"), QString());
    Image1->setAccessibleName(QStringLiteral("Colonne ionique"));
    Image1->setPixmap(ui::columnPixmap(QSize(100, 220)));
    imgLogo << label(QStringLiteral("imgLogo"), QString());
    imgLogo[0]->setAccessibleName(QStringLiteral("Logo Vorante Lumivexa"));
    imgLogo[0]->setPixmap(ui::logoPixmap(84));

    const ui::ShadowTitle product =
        ui::shadowTitle(QStringLiteral("VORANTE LUMIVEXA"), QStringLiteral("Label1"),
                        QStringLiteral("Label5"), 24, Frame1);
    Label1 = product.shadow;
    Label5 = product.face;
    const ui::ShadowTitle subtitle =
        ui::shadowTitle(QStringLiteral("Analyse Morphologique"), QStringLiteral("Label6"),
                        QStringLiteral("Label8"), 18, Frame1);
    Label6 = subtitle.shadow;
    Label8 = subtitle.face;
    Label2 = label(QStringLiteral("Label2"), QStringLiteral("Version 3.5"));
    Label3 = label(QStringLiteral("Label3"), QStringLiteral("Windows 95, 98, NT et 2000"));
    Label9 = label(QStringLiteral("Label9"), QStringLiteral("Octobre 2001"));
    Label4 = label(QStringLiteral("Label4"),
                   QStringLiteral("Atelier Vorante Lumivexa — 12, rue des Écoles — 75005 Paris"));
    Label7 = label(QStringLiteral("Label7"), QString());
    for (QLabel* l : {Label2, Label3, Label9}) {
        l->setAlignment(Qt::AlignRight);
    }
    Label2->setStyleSheet(QStringLiteral("font-weight: bold;"));
    Label4->setStyleSheet(QStringLiteral("color: #4a4a4a;"));

    auto* grid = new QGridLayout(Frame1);
    grid->setContentsMargins(18, 18, 18, 14);
    grid->setHorizontalSpacing(18);
    grid->addWidget(Image1, 0, 0, 6, 1);
    grid->addWidget(imgLogo[0], 0, 1, Qt::AlignLeft | Qt::AlignTop);
    grid->addWidget(product.container, 1, 1, 1, 2);
    grid->addWidget(subtitle.container, 2, 1, 1, 2);
    grid->addWidget(Label2, 3, 2);
    grid->addWidget(Label3, 4, 2);
    grid->addWidget(Label9, 5, 2);
    grid->addWidget(Label7, 6, 1, 1, 2);
    grid->addWidget(Label4, 7, 0, 1, 3, Qt::AlignCenter);
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
        Timer1->start(kInterval);
    }
}

// Closed from outside before its time (by the window manager), the splash still hands over:
// otherwise the program would run on with no window.
void frmSplash::Form_Unload() {
    Timer1->stop();
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
void frmSplash::Timer1_Timer() {
    if (handedOver_) {
        return;
    }
    const qint64 left = shown_.isValid() ? kInterval - shown_.elapsed() : 0;
    if (left > 0) {
        Timer1->start(static_cast<int>(left));
        return;
    }
    handOver();
}
void frmSplash::Form_KeyPress() {
    handOver();
}
void frmSplash::Frame1_Click() {
    handOver();
}
void frmSplash::Image1_Click() {
    handOver();
}
void frmSplash::imgLogo_Click(int) {
    handOver();
}
void frmSplash::Label2_Click() {
    handOver();
}
void frmSplash::Label3_Click() {
    handOver();
}
void frmSplash::Label4_Click() {
    handOver();
}
void frmSplash::Label5_Click() {
    handOver();
}
void frmSplash::Label8_Click() {
    handOver();
}

void frmSplash::keyPressEvent(QKeyEvent*) {
    Form_KeyPress();
}

bool frmSplash::clicked(QObject* watched) {
    const std::pair<QObject*, void (frmSplash::*)()> handlers[] = {
        {Frame1, &frmSplash::Frame1_Click}, {Image1, &frmSplash::Image1_Click},
        {Label2, &frmSplash::Label2_Click}, {Label3, &frmSplash::Label3_Click},
        {Label4, &frmSplash::Label4_Click}, {Label5, &frmSplash::Label5_Click},
        {Label8, &frmSplash::Label8_Click}};
    for (const auto& [control, handler] : handlers) {
        if (watched == control) {
            (this->*handler)();
            return true;
        }
    }
    const qsizetype logo = imgLogo.indexOf(static_cast<QLabel*>(watched));
    if (logo >= 0) {
        imgLogo_Click(static_cast<int>(logo));
        return true;
    }
    return false;
}

bool frmSplash::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease) {
        clicked(watched);
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
