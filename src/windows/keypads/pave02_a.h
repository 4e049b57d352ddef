#pragma once

#include "windows/keypads/keypadwindow.h"

namespace keypads {

// The category keypad: one exclusive group of 22 category codes and its clearing row.
class pave02_a : public KeypadWindow {
    Q_OBJECT
  public:
    explicit pave02_a(Target target);
};

}  // namespace keypads
