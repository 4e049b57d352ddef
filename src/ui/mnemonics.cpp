#include "ui/mnemonics.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>

namespace ui {
namespace {

// The menu bar a key press is meant for: the bar of the menu that receives it (the menu may
// already have closed on the Alt key), or the bar of the receiver's window.
QMenuBar* menuBarFor(QObject* receiver) {
    if (auto* menu = qobject_cast<QMenu*>(receiver)) {
        return qobject_cast<QMenuBar*>(menu->parentWidget());
    }
    auto* widget = qobject_cast<QWidget*>(receiver);
    return widget ? widget->window()->findChild<QMenuBar*>(QString(), Qt::FindDirectChildrenOnly)
                  : nullptr;
}

// The bar's menu that is open, or that was open when the key arrived.
QAction* openMenu(QObject* receiver, const QMenuBar* bar) {
    if (auto* menu = qobject_cast<QMenu*>(receiver)) {
        return menu->menuAction();
    }
    QAction* active = bar->activeAction();
    return active && active->menu() && active->menu()->isVisible() ? active : nullptr;
}

QChar altLetter(const QKeyEvent* key) {
    if (key->modifiers() != Qt::AltModifier || key->key() < Qt::Key_A || key->key() > Qt::Key_Z) {
        return {};
    }
    return QChar(u'a' + (key->key() - Qt::Key_A));
}

// As with any access key, the opened menu's first usable item is ready for Enter: the menu
// moves to it as it would on the Down key.
void highlightFirstItem(QMenu* menu) {
    if (menu && menu->isVisible() && !menu->activeAction()) {
        QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
        QApplication::sendEvent(menu, &down);
    }
}

}  // namespace

void MnemonicCycler::install() {
    static MnemonicCycler* cycler = nullptr;
    if (!cycler) {
        cycler = new MnemonicCycler(qApp);
        qApp->installEventFilter(cycler);
    }
}

QChar accessKey(const QString& caption) {
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] == QLatin1Char('&')) {
            if (caption[i + 1] != QLatin1Char('&')) {
                return caption[i + 1].toLower();
            }
            ++i;
        }
    }
    return {};
}

QList<QAction*> menusWithAccessKey(const QMenuBar* bar, QChar key) {
    QList<QAction*> menus;
    for (QAction* action : bar->actions()) {
        if (action->isVisible() && action->isEnabled() && accessKey(action->text()) == key) {
            menus << action;
        }
    }
    return menus;
}

bool MnemonicCycler::eventFilter(QObject* watched, QEvent* event) {
    const bool override = event->type() == QEvent::ShortcutOverride;
    if (!override && event->type() != QEvent::KeyPress) {
        return QObject::eventFilter(watched, event);
    }
    auto* key = static_cast<QKeyEvent*>(event);
    // An open menu closes on the Alt key alone; kept open, the letter that follows reaches it
    // and moves on to the next menu with that access key.
    if (!override && key->key() == Qt::Key_Alt && qobject_cast<QMenu*>(watched) &&
        menuBarFor(watched)) {
        return true;
    }
    const QChar letter = altLetter(key);
    QMenuBar* bar = letter.isNull() ? nullptr : menuBarFor(watched);
    const QList<QAction*> menus = bar ? menusWithAccessKey(bar, letter) : QList<QAction*>();
    if (menus.size() < 2) {
        return QObject::eventFilter(watched, event);
    }
    if (override) {
        event->accept();  // keeps the ambiguous shortcut from swallowing the key
        return true;
    }
    const qsizetype current = menus.indexOf(openMenu(watched, bar));
    QAction* next = menus[(current + 1) % menus.size()];
    bar->setActiveAction(next);
    highlightFirstItem(next->menu());
    return true;
}

}  // namespace ui
