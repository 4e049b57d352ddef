#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

class QAction;
class QLabel;
class QMainWindow;
class QMenu;
class QWidget;

namespace ui {

// Gives a control its design name and the French name screen readers announce.
template <class W>
W* named(W* widget, const QString& objectName, const QString& accessibleName) {
    widget->setObjectName(objectName);
    widget->setAccessibleName(accessibleName);
    return widget;
}

// Changes a label's text and the name screen readers announce for it together, so that they
// hear what the user sees.
void setLabelText(QLabel* label, const QString& text);

// A menu entry with its design name; the caption's '&' marks the access key.
QAction* menuAction(QWidget* owner, const QString& objectName, const QString& caption);

// The two menus of the smaller windows: "&Fichier" holding "&Quitter", and "&Aide" holding
// "&A propos de", with their design names.
struct QuitAboutMenus {
    QMenu* fichier;
    QAction* quitter;
    QMenu* aide;
    QAction* about;
};
QuitAboutMenus quitAboutMenus(QMainWindow* window);

// A title drawn twice at the same place in two colours: a shadow label under a face label.
struct ShadowTitle {
    QWidget* container;
    QLabel* shadow;
    QLabel* face;
};
ShadowTitle shadowTitle(const QString& text, const QString& shadowName, const QString& faceName,
                        int pointSize, QWidget* parent);
// The title band "Analyse morphologique" of the program's windows: Label2 under Label1.
ShadowTitle programTitle(QWidget* parent);

// The product logo, drawn rather than shipped as a picture file.
QPixmap logoPixmap(int size);
// The tall picture of the splash window.
QPixmap columnPixmap(const QSize& size);

// The picture of the buttons that open a keypad.
QIcon keypadIcon();

// Says that a command's window is not part of this version yet.
void notYetAvailable(QWidget* parent);

}  // namespace ui
