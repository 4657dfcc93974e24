// The tape: one line of text per step the calculator carries out, as it happens, so that a
// chain without precedence shows why "2 + 3 * 4 =" gives 20 ("2 + 3 = 5", then "5 * 4 = 20").
// The calculator tells each step itself (StepReport); the tape only keeps the lines. It lives
// only as long as the window; nothing of it is saved.
#pragma once

#include <cstddef>
#include <deque>
#include <functional>
#include <string>

#include "calculator/calculator_model.h"
#include "calculator/step_report.h"

namespace vaneko::calculator {

using TapeLine = StepReport;

class Tape {
 public:
  // The oldest lines go once there are more than this.
  static constexpr std::size_t kCapacity = 1000;

  // From now on, every step `model` tells is written as a line. The tape must outlive the
  // model's use of it.
  void Listen(CalculatorModel& model);

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
