#pragma once

#include "windows/keypads/keypadwindow.h"

namespace keypads {

// The mood-tense-voice keypad: mood, tense and voice, each its own exclusive group.
class pave03_b : public KeypadWindow {
    Q_OBJECT
  public:
    explicit pave03_b(Target target);
};

}  // namespace keypads
