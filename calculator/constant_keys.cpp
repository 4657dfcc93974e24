// The constant keys: a mathematical or physical constant replaces the entry, evaluating
// nothing, so it becomes the operand of the pending operation or the next function's argument.
#include "calculator/calculator_model.h"
#include "core/number_text.h"

namespace vaneko::calculator {

void CalculatorModel::Enter(const Constant& constant) {
  if (constant.kind == Constant::Kind::kValue) {
    Calc = FormatNumber(constant.value);
    constantText_ = Calc;
    constantValue_ = constant.value;
  } else {
    Calc = std::string(constant.text);
    constantText_.clear();
  }
  CalcFreshEntry = true;
}

Extended CalculatorModel::ReadEntry() const {
  if (!constantText_.empty() && Calc == constantText_) return constantValue_;
  return ReadNumber(Calc);
}

}  // namespace vaneko::calculator
