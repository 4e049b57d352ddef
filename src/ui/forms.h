#pragma once

#include <QCloseEvent>
#include <QHash>
#include <QObject>
#include <QPointer>
#include <QWidget>

#include <functional>

namespace ui {

// A window that may hold work the user has not saved: asked before it closes, and before the
// program ends.
class ClosingGuard {
  public:
    virtual ~ClosingGuard() = default;
    // False when the user chose to keep the window open.
    virtual bool mayClose() = 0;
};

// The home of the single-instance windows: a window is created and loaded on first use, kept
// (shown or hidden) until it is closed, and found by name by the windows that read its controls.
class Forms : public QObject {
    Q_OBJECT
  public:
    static Forms& instance();

    QWidget* find(const QString& name) const;
    template <class W>
    W* find(const QString& name) const {
        return qobject_cast<W*>(find(name));
    }
    // A window class's design name: its class name without namespace.
    template <class W>
    static QString nameOf() {
        const QString full = QString::fromLatin1(W::staticMetaObject.className());
        return full.mid(full.lastIndexOf(QLatin1Char(':')) + 1);
    }
    template <class W>
    W* find() const {
        return find<W>(nameOf<W>());
    }
    bool isLoaded(const QString& name) const { return find(name) != nullptr; }

    // Returns the loaded window of that name, or creates it with make() and runs its load work.
    template <class W>
    W* load(const QString& name, const std::function<W*()>& make) {
        if (W* existing = find<W>(name)) {
            return existing;
        }
        W* window = make();
        window->setObjectName(name);
        add(window);
        window->Form_Load();
        return window;
    }
    template <class W>
    W* load() {
        return load<W>(nameOf<W>(), [] { return new W; });
    }

    // Shows a window and brings it to the front; the caller goes on at once.
    static void showModeless(QWidget* window);
    // Shows a window modal: returns once it is unloaded or hidden.
    static void showModal(QWidget* window);

    // Closes a window, which runs its unload work and forgets it.
    void unload(const QString& name);
    // Closes every window, the most recently loaded first.
    void unloadAll();
    // Asks every window that may hold unsaved work but `asking` whether it may close; false as
    // soon as one is to stay open.
    bool mayCloseAll(const QWidget* asking) const;
    // True while unloadAll() runs: the program is ending.
    bool closingAll() const { return closingAll_; }

    // Called by a window as it closes.
    void forget(QWidget* window);
    QStringList loadedNames() const;

  signals:
    void unloaded(QWidget* window);

  private:
    void add(QWidget* window);
    void placeOverWorkingWindow(QWidget* window) const;

    QList<QPointer<QWidget>> windows_;
    bool closingAll_ = false;
};

// Base of every window: its load work runs once per loading (Form_Load), its unload work
// (Form_Unload) when it closes, after which it is destroyed and forgotten.
template <class Base>
class Form : public Base {
  public:
    explicit Form(QWidget* parent = nullptr) : Base(parent) {}

    virtual void Form_Load() {}
    // Unloads the window, as its close box does.
    void unload() { this->close(); }

  protected:
    virtual void Form_Unload() {}

    void closeEvent(QCloseEvent* event) override {
        // Ending the program asks once, before any window closes.
        if (!unloading_ && !Forms::instance().closingAll()) {
            if (auto* guard = dynamic_cast<ClosingGuard*>(this); guard && !guard->mayClose()) {
                event->ignore();
                return;
            }
        }
        Base::closeEvent(event);
        if (!event->isAccepted() || unloading_) {
            return;
        }
        unloading_ = true;
        Form_Unload();
        Forms::instance().forget(this);
        this->deleteLater();
    }

  private:
    bool unloading_ = false;
};

}  // namespace ui
