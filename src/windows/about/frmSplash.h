#pragma once

#include "ui/forms.h"

#include <QElapsedTimer>
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

    QFrame* Frame1;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label4;
    QLabel* Label5;
    QLabel* Label6;
    QLabel* Label7;
    QLabel* Label8;
    QLabel* Label9;
    QLabel* Image1;
    QList<QLabel*> imgLogo;
    QTimer* Timer1;

    void Timer1_Timer();
    void Form_KeyPress();
    void Frame1_Click();
    void Image1_Click();
    void imgLogo_Click(int Index);
    void Label2_Click();
    void Label3_Click();
    void Label4_Click();
    void Label5_Click();
    void Label8_Click();

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
    void buildLabels();
    QLabel* label(const QString& name, const QString& text);
    bool clicked(QObject* watched);

    bool handedOver_ = false;
    // Runs from the first showing: the timer's hand-over waits for it to reach kInterval.
    QElapsedTimer shown_;
};

}  // namespace about
