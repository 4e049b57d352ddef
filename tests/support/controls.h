#pragma once

#include "ui/grid.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

// Reaches the controls of a window by their object names, as screen readers and users know
// them, and drives the result browsers as a user would.
namespace drive {

// The window's control of that name; a test fails at once on a control that is not there.
template <class T>
T* child(const QObject* window, const char* name) {
    T* found = window->findChild<T*>(QLatin1String(name));
    if (!found) {
        qFatal("no control %s in %s", name, qPrintable(window->objectName()));
    }
    return found;
}

inline QPushButton* button(const QObject* window, const char* name) {
    return child<QPushButton>(window, name);
}
inline QLineEdit* lineField(const QObject* window, const char* name) {
    return child<QLineEdit>(window, name);
}
inline QPlainTextEdit* textField(const QObject* window, const char* name) {
    return child<QPlainTextEdit>(window, name);
}
inline QAction* action(const QObject* window, const char* name) {
    return child<QAction>(window, name);
}
inline QMenu* menu(const QObject* window, const char* name) {
    return child<QMenu>(window, name);
}

inline ui::Grid* resultGrid(const QObject* browser) {
    return child<ui::Grid>(browser, "grille02");
}
inline QLabel* resultMessage(const QObject* browser) {
    return child<QLabel>(browser, "Labelgrille");
}
// The item of "&Recherche" > "&Alphabétique" of the letter at that index, "a" being 0.
inline QAction* letterItem(const QObject* browser, int index) {
    return child<QAction>(browser, qPrintable(QStringLiteral("l") + QChar(u'a' + index)));
}
// Types the text into the search field and clicks the search button.
inline void search(const QObject* browser, const QString& text) {
    lineField(browser, "Text1")->setText(text);
    button(browser, "Command1")->click();
}

}  // namespace drive
