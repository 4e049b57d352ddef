#pragma once

#include "ui/grid.h"
#include "windows/workspaces/proposalspanel.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>

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
inline QCheckBox* checkBox(const QObject* window, const char* name) {
    return child<QCheckBox>(window, name);
}

// The analysis workspaces: the grid, and the controls whose names differ between the one that
// analyses a text and the one that reopens an analysis file.
inline ui::Grid* analysisGrid(const QObject* workspace) {
    return child<ui::Grid>(workspace, "grille01");
}
inline QPushButton* moodKeypadButton(const QObject* workspace) {
    auto* button = workspace->findChild<QPushButton*>(QStringLiteral("Command6"));
    return button ? button : child<QPushButton>(workspace, "Command1_c");
}
inline QAction* saveAction(const QObject* workspace) {
    auto* item = workspace->findChild<QAction*>(QStringLiteral("Enregistrer"));
    return item ? item : child<QAction>(workspace, "enregistrer");
}
inline analysis::ProposalsPanel* proposalsPanel(const QObject* workspace) {
    return child<analysis::ProposalsPanel>(workspace, "framePropositions");
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
