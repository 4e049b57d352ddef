#pragma once

#include "windows/keypads/codingwindow.h"

#include <QPointer>
#include <QRadioButton>

class QButtonGroup;
class QPushButton;

namespace keypads {

// Where a keypad writes on "OK": a field of the window that opened it, given by that window;
// null once the window has closed.
using Target = QPointer<QWidget>;

// An option button that also becomes selected when it receives the keyboard focus other than
// through a mouse click, so that tabbing onto a row selects it. Every row is a tab stop.
class OptionButton : public QRadioButton {
    Q_OBJECT
  public:
    using QRadioButton::QRadioButton;

  protected:
    void focusInEvent(QFocusEvent* event) override;
};

// A keypad: exclusive groups of rows, one part per group. Every selection, whatever caused it,
// sets its group's part; "OK" writes the composition into the target field and closes.
class KeypadWindow : public CodingWindow {
    Q_OBJECT
  public:
    // The opening steps: nothing selected, every part empty, then the focus on the first
    // control of the tab order.
    void Form_Load() override;

    QRadioButton* option(const QString& name) const;
    // What "OK" would write now.
    QString composition() const;
    QWidget* target() const { return target_; }

  protected:
    KeypadWindow(Keypad keypad, const QString& title, Target target);

    // Fills a frame's grid with the rows of the keypad's group number `group`.
    void addGroupRows(QGridLayout* grid, int group);
    // A frame captioned and filled with the rows of group number `group`.
    QGroupBox* groupFrame(const QString& name, int group);
    // Puts the frames left of "OK" and "Annuler" and sets the tab order, given by names.
    void setFrames(QLayout* frames, const QStringList& tabOrder);
    // "Option<first>" to "Option<last>".
    static QStringList optionNames(int first, int last);

  private:
    // "OK": writes the composition into the target field and closes.
    void writeAndClose();
    QPushButton* okButton_;
    QPushButton* cancelButton_;

    void select(int group, const QString& code);
    void deselectAll();

    Keypad keypad_;
    Target target_;
    QStringList parts_;
    QList<QButtonGroup*> groups_;
    QWidget* openingFocus_ = nullptr;
};

}  // namespace keypads
