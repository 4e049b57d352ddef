#pragma once

#include "windows/keypads/keypadwindow.h"

class QFrame;

namespace keypads {

// The case-gender-number keypad: case, gender, person and number, each its own exclusive
// group; person and number share the frame "Personne & Nombre", the person rows in an inner
// frame of their own.
class pave03_a : public KeypadWindow {
    Q_OBJECT
  public:
    explicit pave03_a(Target target);

    QGroupBox* Frame1;
    QGroupBox* Frame3;
    QGroupBox* Frame4;
    QGroupBox* Frame2;
    QFrame* Line1;

  private:
    void buildPersonAndNumber();
};

}  // namespace keypads
