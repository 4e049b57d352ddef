#pragma once

#include "windows/keypads/keypadwindow.h"

class QGroupBox;

namespace keypads {

// The case-gender-number keypad: case, gender, person and number, each its own exclusive
// group; person and number share the frame "Personne & Nombre", the person rows in an inner
// frame of their own.
class pave03_a : public KeypadWindow {
    Q_OBJECT
  public:
    explicit pave03_a(Target target);

  private:
    // "Personne & Nombre": the person rows in an inner frame, a line, the number rows.
    QGroupBox* personAndNumberFrame();
};

}  // namespace keypads
