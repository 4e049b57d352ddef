#include "ui/widgets.h"

#include "ui/platform.h"

#include <QAction>
#include <QFont>
#include <QGridLayout>
#include <QLabel>
#include <QLinearGradient>
#include <QMainWindow>
#include <QMenuBar>
#include <QPainter>
#include <QPainterPath>

namespace ui {

void setLabelText(QLabel* label, const QString& text) {
    label->setText(text);
    label->setAccessibleName(text);
}

QAction* menuAction(QWidget* owner, const QString& objectName, const QString& caption) {
    auto* action = new QAction(caption, owner);
    action->setObjectName(objectName);
    return action;
}

QuitAboutMenus quitAboutMenus(QMainWindow* window) {
    QuitAboutMenus menus{};
    menus.fichier = window->menuBar()->addMenu(QStringLiteral("&Fichier"));
    menus.fichier->setObjectName(QStringLiteral("fichier"));
    menus.quitter = menuAction(window, QStringLiteral("quitter"), QStringLiteral("&Quitter"));
    menus.fichier->addAction(menus.quitter);
    menus.aide = window->menuBar()->addMenu(QStringLiteral("&Aide"));
    menus.aide->setObjectName(QStringLiteral("aide"));
    menus.about = menuAction(window, QStringLiteral("about"), QStringLiteral("&A propos de"));
    menus.aide->addAction(menus.about);
    return menus;
}

ShadowTitle shadowTitle(const QString& text, const QString& shadowName, const QString& faceName,
                        int pointSize, QWidget* parent) {
    auto* container = new QWidget(parent);
    auto* layout = new QGridLayout(container);
    layout->setContentsMargins(0, 0, 2, 2);
    QFont font(QStringLiteral("DejaVu Serif"), pointSize, QFont::Bold);
    auto* shadow = named(new QLabel(text, container), shadowName, text);
    auto* face = named(new QLabel(text, container), faceName, text);
    for (QLabel* label : {shadow, face}) {
        label->setFont(font);
        label->setAlignment(Qt::AlignCenter);
        layout->addWidget(label, 0, 0);
    }
    shadow->setStyleSheet(QStringLiteral("color: #8a8f99;"));
    face->setStyleSheet(QStringLiteral("color: #1c2f6b;"));
    // Both at the same place; the shadow is pushed a little down and right to show.
    shadow->setContentsMargins(2, 2, 0, 0);
    face->setContentsMargins(0, 0, 2, 2);
    face->raise();
    return {container, shadow, face};
}

ShadowTitle programTitle(QWidget* parent) {
    return shadowTitle(QStringLiteral("Analyse morphologique"), QStringLiteral("Label2"),
                       QStringLiteral("Label1"), 18, parent);
}

QPixmap logoPixmap(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF disc(1, 1, size - 2, size - 2);
    QLinearGradient fill(disc.topLeft(), disc.bottomRight());
    fill.setColorAt(0, QColor(0x2b, 0x4c, 0xa8));
    fill.setColorAt(1, QColor(0x12, 0x22, 0x5a));
    p.setBrush(fill);
    p.setPen(QPen(QColor(0xd9, 0xb3, 0x4a), size / 24.0));
    p.drawEllipse(disc);
    QFont font(QStringLiteral("DejaVu Serif"));
    font.setPixelSize(size * 9 / 20);
    font.setBold(true);
    p.setFont(font);
    p.setPen(QColor(0xf4, 0xe4, 0xb0));
    p.drawText(disc, Qt::AlignCenter, QStringLiteral("VL"));
    return pixmap;
}

QPixmap columnPixmap(const QSize& size) {
    QPixmap pixmap(size);
    pixmap.fill(QColor(0xf3, 0xee, 0xe2));
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal w = size.width();
    const qreal h = size.height();
    p.setPen(QPen(QColor(0x5b, 0x55, 0x48), 1.5));
    p.setBrush(QColor(0xe6, 0xdc, 0xc4));
    // An Ionic column: capital, fluted shaft and base.
    p.drawRect(QRectF(w * 0.12, h * 0.06, w * 0.76, h * 0.05));
    p.drawEllipse(QPointF(w * 0.2, h * 0.13), w * 0.1, w * 0.1);
    p.drawEllipse(QPointF(w * 0.8, h * 0.13), w * 0.1, w * 0.1);
    p.drawRect(QRectF(w * 0.25, h * 0.13, w * 0.5, h * 0.73));
    for (int i = 1; i < 5; ++i) {
        const qreal x = w * 0.25 + i * w * 0.1;
        p.drawLine(QPointF(x, h * 0.15), QPointF(x, h * 0.84));
    }
    p.drawRect(QRectF(w * 0.18, h * 0.86, w * 0.64, h * 0.04));
    p.drawRect(QRectF(w * 0.1, h * 0.9, w * 0.8, h * 0.05));
    return pixmap;
}

QIcon keypadIcon() {
    QPixmap pixmap(24, 24);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0x1c, 0x2f, 0x6b), 1));
    p.setBrush(QColor(0xe8, 0xee, 0xfa));
    p.drawRoundedRect(QRectF(1.5, 1.5, 21, 21), 3, 3);
    p.setBrush(QColor(0x2b, 0x4c, 0xa8));
    p.setPen(Qt::NoPen);
    for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < 3; ++col) {
            p.drawRect(QRectF(5 + col * 5.5, 5 + row * 5.5, 3.5, 3.5));
        }
    }
    return QIcon(pixmap);
}

void notYetAvailable(QWidget* parent) {
    msgBox(parent,
           QStringLiteral("Cette fonction n'est pas encore disponible dans cette version."));
}

}  // namespace ui
