// A step the calculator carried out, as it tells it to whoever listens (the tape): one line of
// text saying what it computed, with its operands as shown, and how it ended.
#pragma once

#include <string>

namespace vaneko::calculator {

struct StepReport {
  std::string text;    // "2 + 3 = 5", "Sin(30°) = 0,5", "8 / 0: Division par 0"
  std::string result;  // the number the step gave, as Calc would show it; empty when none
};

}  // namespace vaneko::calculator
