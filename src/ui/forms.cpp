#include "ui/forms.h"

#include <QCoreApplication>
#include <QEventLoop>

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

void Forms::showModeless(QWidget* window) {
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
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
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
    const QList<QPointer<QWidget>> windows = windows_;
    for (auto it = windows.crbegin(); it != windows.crend(); ++it) {
        if (*it) {
            (*it)->close();
        }
    }
}

}  // namespace ui
