// The constant keys: a mathematical or physical constant replaces the entry, evaluating
// nothing, so it becomes the operand of the pending operation or the next function's argument.
#include "calculator/calculator_model.h"
#include "core/number_text.h"

namespace vaneko::calculator {

// A value constant shows its 15 digits and keeps its full extended value while Calc shows
// them; a text constant is its text, read as the exact decimal of its digits like anything
// typed.
void CalculatorModel::Enter(const Constant& constant) {
  if (constant.kind == Constant::Kind::kValue) {
    WriteEntry(Number::Computed(constant.value));
  } else {
    Calc = std::string(constant.text);
    entryValue_.Forget();
  }
  CalcFreshEntry = true;
}

}  // namespace vaneko::calculator
