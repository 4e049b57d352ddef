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

namespace {

// Ends a modal showing when its window is hidden (a window hidden without being unloaded
// ends it too), unloaded or destroyed.
class ModalEnd : public QObject {
  public:
    ModalEnd(QWidget* window, QEventLoop* loop) : window_(window), loop_(loop) {
        window->installEventFilter(this);
        connect(&Forms::instance(), &Forms::unloaded, this, [this](QWidget* w) {
            if (w == window_) {
                loop_->quit();
            }
        });
        connect(window, &QObject::destroyed, loop, &QEventLoop::quit);
    }
    ~ModalEnd() override {
        if (window_) {
            window_->removeEventFilter(this);
        }
    }
    ModalEnd(const ModalEnd&) = delete;
    ModalEnd& operator=(const ModalEnd&) = delete;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == window_ && event->type() == QEvent::Hide) {
            loop_->quit();
        }
        return false;
    }

  private:
    QPointer<QWidget> window_;
    QEventLoop* loop_;
};

}  // namespace

void Forms::showModal(QWidget* window) {
    QPointer<QWidget> guard(window);
    window->setWindowModality(Qt::ApplicationModal);
    showModeless(window);
    if (guard && guard->isVisible() && instance().windows_.contains(guard)) {
        QEventLoop loop;
        const ModalEnd end(window, &loop);
        loop.exec(QEventLoop::DialogExec);
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

bool Forms::mayCloseAll(const QWidget* asking) const {
    const QList<QPointer<QWidget>> windows = windows_;
    for (auto it = windows.crbegin(); it != windows.crend(); ++it) {
        auto* guard = dynamic_cast<ClosingGuard*>(it->data());
        if (guard && *it != asking && !guard->mayClose()) {
            return false;
        }
    }
    return true;
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
