// The evaluation routine, the operators, functions and formulas pressed, "=", and the
// dispatch of a key's command.
#include "calculator/calculator_model.h"
#include "calculator/guarded_steps.h"
#include "calculator/operation_codes.h"
#include "core/number_text.h"
#include "vmath/vmath.h"

namespace vaneko::calculator {

namespace {
constexpr const char* kDivisionByZeroNotice = "Division par 0";
}  // namespace

Number CalculatorModel::ReadEntry() const {
  if (std::optional<Number> held = entryValue_.For(Calc)) return std::move(*held);
  return Number::OfDecimal(ReadDecimal(Calc));
}

void CalculatorModel::WriteEntry(const Number& value) {
  Calc = value.Text();
  entryValue_.Hold(Calc, value);
}

void CalculatorModel::LoadEntry() {
  StoreResult(ReadEntry());
}

void CalculatorModel::StoreResult(const Number& result) {
  NarrowToDouble(result.Nearest());  // beyond the double range: the overflow fault
  Accumulator = result;
}

void CalculatorModel::Calcul() {
  CalcFreshEntry = true;
  if (Calc.empty()) Calc = "0";
  if (AccumulatorState == AccumulatorState::kEmpty) {
    // An empty accumulator only loads the entry; the pending operation waits.
    LoadEntry();
    AccumulatorState = AccumulatorState::kHolding;
  } else {
    const Op op = PendingOperation;
    if (IsTwoOperand(op)) {
      ApplyTwoOperand(op);
    } else if (IsFunction(op)) {
      ApplyFunction(op);
    } else if (IsFormula(op)) {
      ApplyFormula(op);
    }
  }
  ShowAccumulator();
}

void CalculatorModel::ApplyTwoOperand(Op op) {
  const Number operand = ReadEntry();
  if ((op == Op::kDivide || op == Op::kRoot) && operand.IsZero()) {
    RefuseDivisionByZero();
    return;
  }
  switch (op) {
    case Op::kMultiply:
      return StoreResult(Accumulator * operand);
    case Op::kDivide:
      return StoreResult(Accumulator / operand);
    case Op::kSubtract:
      return StoreResult(Accumulator - operand);
    case Op::kAdd:
      return StoreResult(Accumulator + operand);
    case Op::kPercentOf:
      return StoreResult(operand * Accumulator / Number::Whole(100));
    case Op::kPower:
      return StoreResult(RaisePowerBase(operand));
    case Op::kRoot:
      return StoreResult(RaisePowerBase(Number::Whole(1) / operand));
    default:  // not a two-operand operation
      return;
  }
}

// A whole exponent raises the base exactly; any other goes to the maths library's Power.
Number CalculatorModel::RaisePowerBase(const Number& exponent) const {
  if (const std::optional<std::int64_t> whole = exponent.AsWhole()) return Power(PowerBase, *whole);
  return Number::Computed(Guarded([&]() -> Extended {
    return ::Power(LibraryArgument(PowerBase.Nearest()), LibraryArgument(exponent.Nearest()));
  }));
}

void CalculatorModel::RefuseDivisionByZero() {
  if (ShowNotice) ShowNotice(kDivisionByZeroNotice);
  ShowAccumulator();
  AccumulatorState = AccumulatorState::kRefusedDivision;
}

void CalculatorModel::Press(Op op) {
  if (IsTwoOperand(op)) {
    Calcul();
    // A power operator's base is the value just shown; the next operand is its exponent.
    if (IsPower(op)) PowerBase = ReadEntry();
    PendingOperation = op;
  } else if (IsFunction(op) || IsFormula(op)) {
    EvaluateAtOnce(op);
  }
}

void CalculatorModel::EvaluateAtOnce(Op op) {
  LoadEntry();
  AccumulatorState = AccumulatorState::kHolding;
  PendingOperation = op;
  try {
    Calcul();
  } catch (...) {
    // A failed function or formula leaves nothing pending, like a successful one.
    PendingOperation = Op::kNone;
    throw;
  }
  PendingOperation = Op::kNone;
}

void CalculatorModel::Equals() {
  Calcul();
  // After a refused division the dividend and the operation stay for another divisor.
  AccumulatorState = AccumulatorState == AccumulatorState::kRefusedDivision
                         ? AccumulatorState::kHolding
                         : AccumulatorState::kEmpty;
}

void CalculatorModel::Execute(const Command& command) {
  using Kind = Command::Kind;
  switch (command.kind) {
    case Kind::kNone:
    case Kind::kExchange:
      return;
    case Kind::kDigit:
      return Digit(command.digit);
    case Kind::kClearEntry:
      return ClearEntry();
    case Kind::kBackspace:
      return Backspace();
    case Kind::kChangeSign:
      return ChangeSign();
    case Kind::kPress:
      return Press(command.op);
    case Kind::kEquals:
      return Equals();
    case Kind::kStoreIn:
      return StoreIn(command.target);
    case Kind::kRecallFrom:
      return RecallFrom(command.target);
    case Kind::kClear:
      return Clear(command.target);
    case Kind::kAddTo:
      return AddTo(command.target);
    case Kind::kSubtractFrom:
      return SubtractFrom(command.target);
    case Kind::kEnter:
      if (command.constant != nullptr) Enter(*command.constant);
      return;
  }
}

}  // namespace vaneko::calculator
