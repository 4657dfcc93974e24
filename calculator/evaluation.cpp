// The evaluation routine, the two-operand operator keys, the power keys and "=".
#include "calculator/calculator_model.h"
#include "calculator/guarded_steps.h"
#include "calculator/operation_codes.h"
#include "core/number_text.h"
#include "vmath/vmath.h"

namespace vaneko::calculator {

namespace {
constexpr const char* kDivisionByZeroNotice = "Division par 0";
}  // namespace

void CalculatorModel::Calcul() {
  CalcFreshEntry = true;
  if (Calc.empty()) Calc = "0";
  if (AccumulatorState == 0) {
    // An empty accumulator only loads the entry; the pending operation waits.
    Accumulator = NarrowToDouble(ReadEntry());
    AccumulatorState = 1;
  } else {
    const int code = PendingOperation;
    if (op::IsTwoOperand(code)) {
      ApplyTwoOperand(code);
    } else if (op::IsFunction(code)) {
      ApplyFunction(code);
    } else if (op::IsFormula(code)) {
      ApplyFormula(code);
    }
  }
  Calc = FormatNumber(Accumulator);
}

void CalculatorModel::ApplyTwoOperand(int code) {
  const Extended operand = ReadEntry();
  if ((code == op::kDivide || code == op::kRoot) && operand == 0) {
    RefuseDivisionByZero();
    return;
  }
  const Extended left = Accumulator;
  const Extended result = Guarded([&]() -> Extended {
    switch (code) {
      case op::kMultiply:
        return left * operand;
      case op::kDivide:
        return left / operand;
      case op::kSubtract:
        return left - operand;
      case op::kAdd:
        return left + operand;
      case op::kPercentOf:
        return operand * left / 100;
      case op::kPower:
        return Power(PowerBase, LibraryArgument(operand));
      case op::kRoot:
        return Power(PowerBase, LibraryArgument(1 / operand));
      default:
        return left;
    }
  });
  Accumulator = NarrowToDouble(result);
}

void CalculatorModel::RefuseDivisionByZero() {
  if (ShowNotice) ShowNotice(kDivisionByZeroNotice);
  Calc = FormatNumber(Accumulator);
  AccumulatorState = 2;
}

void CalculatorModel::OperatorKey(int code) {
  Calcul();
  PendingOperation = code;
}

void CalculatorModel::PowerKey(int code) {
  Calcul();
  PowerBase = NarrowToDouble(ReadEntry());
  PendingOperation = code;
}

void CalculatorModel::EvaluateAtOnce(int code) {
  Accumulator = NarrowToDouble(ReadEntry());
  AccumulatorState = 1;
  PendingOperation = code;
  try {
    Calcul();
  } catch (...) {
    // A failed function or formula leaves nothing pending, like a successful one.
    PendingOperation = op::kNone;
    throw;
  }
  PendingOperation = op::kNone;
}

void CalculatorModel::Button6Click() {
  Calcul();
  // After a refused division the dividend and the operation stay for another divisor.
  AccumulatorState = AccumulatorState == 2 ? 1 : 0;
}

void CalculatorModel::Button15Click() {
  OperatorKey(op::kMultiply);
}
void CalculatorModel::Button16Click() {
  OperatorKey(op::kDivide);
}
void CalculatorModel::Button17Click() {
  OperatorKey(op::kSubtract);
}
void CalculatorModel::Button18Click() {
  OperatorKey(op::kAdd);
}
void CalculatorModel::Button43Click() {
  OperatorKey(op::kPercentOf);
}
void CalculatorModel::Button26Click() {
  PowerKey(op::kPower);
}
void CalculatorModel::Button29Click() {
  PowerKey(op::kRoot);
}

}  // namespace vaneko::calculator
