#pragma once

#include "ui/forms.h"

#include <QElapsedTimer>
#include <QList>
#include <QWidget>

class QFrame;
class QLabel;
class QTimer;

namespace about {

// The start-up window: hands over to the main window three seconds after it is shown, or at the
// first key press or click on one of its clickable controls. It knows nothing of the main
// window: whoever starts the program connects handedOver() to showing it.
class frmSplash : public ui::Form<QWidget> {
    Q_OBJECT
  public:
    static constexpr int kInterval = 3000;

    frmSplash();
    void Form_Load() override;

  signals:
    // Emitted once, as the splash goes away for good (unless the program is ending).
    void handedOver();

  protected:
    void Form_Unload() override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    void handOver();
    // The timer's tick: hands over once the three seconds are over, else waits the time left.
    void handOverWhenDue();
    void buildLabels();
    QLabel* label(const QString& name, const QString& text);

    QFrame* frame_;
    QTimer* handOverTimer_;
    // What a click on hands over: the frame, the pictures, the version, the systems, the
    // address and the faces of the two titles (not their shadows, nor the date).
    QList<QObject*> clickable_;
    bool handedOver_ = false;
    // Runs from the first showing: the timer's hand-over waits for it to reach kInterval.
    QElapsedTimer shown_;
};

}  // namespace about
