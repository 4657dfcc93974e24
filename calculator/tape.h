// The tape: one line of text per step the calculator carries out, as it happens, so that a
// chain without precedence shows why "2 + 3 * 4 =" gives 20 ("2 + 3 = 5", then "5 * 4 = 20").
// It watches the commands from outside: it notes what a command will read, lets the model carry
// it out and writes what came of it, a result, the notice of a refused division or the error
// that ended the key. It lives only as long as the window; nothing of it is saved.
#pragma once

#include <cstddef>
#include <deque>
#include <functional>
#include <string>

#include "calculator/calculator_model.h"

namespace vaneko::calculator {

struct TapeLine {
  std::string text;    // "2 + 3 = 5", "Sin(30°) = 0,5", "8 / 0: Division par 0"
  std::string result;  // the number the step gave, as Calc would show it; empty when none
};

class Tape {
 public:
  // The oldest lines go once there are more than this.
  static constexpr std::size_t kCapacity = 1000;

  // Carries out `command` on `model` and writes the line of the step it made, if any: the
  // operators and "=" when they apply a pending operation, the functions, the formulas and
  // the memory and register keys. Digits, constants and a mere loading of the entry make no
  // line. An error is written as its message and thrown on, as the model threw it.
  void Run(CalculatorModel& model, const Command& command);

  const std::deque<TapeLine>& Lines() const { return lines_; }
  void Clear();
  // Every line, each ended by a newline: what "Copy" puts on the clipboard.
  std::string Text() const;

  // Puts the result of line `index` into Calc as a constant key would: the next digit starts a
  // new number. False, and nothing changes, for a line without a result or out of range.
  bool PutResult(std::size_t index, CalculatorModel& model) const;

  // Called after every change of the lines (a new line, a clearing).
  std::function<void()> Changed;

 private:
  void Append(TapeLine line);

  std::deque<TapeLine> lines_;
};

}  // namespace vaneko::calculator
