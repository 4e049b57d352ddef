#include "ui/forms.h"

#include <QApplication>
#include <QEventLoop>
#include <QScopedValueRollback>
#include <QScreen>

#include <algorithm>

namespace ui {

Forms& Forms::instance() {
    static Forms forms;
    return forms;
}

QWidget* Forms::find(const QString& name) const {
    for (const QPointer<QWidget>& w : windows_) {
        if (w && w->objectName() == name) {
            return w;
        }
    }
    return nullptr;
}

void Forms::add(QWidget* window) {
    windows_.append(window);
}

void Forms::forget(QWidget* window) {
    windows_.removeIf([window](const QPointer<QWidget>& w) { return !w || w == window; });
    emit unloaded(window);
}

QStringList Forms::loadedNames() const {
    QStringList names;
    for (const QPointer<QWidget>& w : windows_) {
        if (w) {
            names << w->objectName();
        }
    }
    return names;
}

// A window shown for the first time opens centred over the window the user works in.
void Forms::placeOverWorkingWindow(QWidget* window) const {
    if (window->isVisible() || window->property("placed").toBool()) {
        return;
    }
    const QWidget* over = QApplication::activeWindow();
    for (auto it = windows_.crbegin(); !over && it != windows_.crend(); ++it) {
        if (*it && *it != window && (*it)->isVisible()) {
            over = *it;
        }
    }
    if (!over || over == window) {
        return;
    }
    window->setProperty("placed", true);
    const QSize size = window->testAttribute(Qt::WA_Resized) ? window->size() : window->sizeHint();
    QRect place(QPoint(), size);
    place.moveCenter(over->frameGeometry().center());
    if (const QScreen* screen = over->screen()) {
        const QRect available = screen->availableGeometry();
        place.moveLeft(std::clamp(place.left(), available.left(),
                                  std::max(available.left(), available.right() - size.width())));
        place.moveTop(std::clamp(place.top(), available.top(),
                                 std::max(available.top(), available.bottom() - size.height())));
    }
    window->move(place.topLeft());
}

void Forms::showModeless(QWidget* window) {
    instance().placeOverWorkingWindow(window);
    window->show();
    window->raise();
    window->activateWindow();
}

void Forms::showModal(QWidget* window) {
    QPointer<QWidget> guard(window);
    window->setWindowModality(Qt::ApplicationModal);
    showModeless(window);
    // A window hidden without being unloaded also ends its modal showing.
    while (guard && guard->isVisible() && Forms::instance().windows_.contains(guard)) {
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    if (guard) {
        guard->setWindowModality(Qt::NonModal);
    }
}

void Forms::unload(const QString& name) {
    if (QWidget* w = find(name)) {
        w->close();
    }
}

void Forms::unloadAll() {
    const QScopedValueRollback<bool> closing(closingAll_, true);
    const QList<QPointer<QWidget>> windows = windows_;
    for (auto it = windows.crbegin(); it != windows.crend(); ++it) {
        if (*it) {
            (*it)->close();
        }
    }
}

}  // namespace ui
