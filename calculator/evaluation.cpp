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

Extended CalculatorModel::ReadEntry() const {
  if (const std::optional<Extended> held = entryValue_.For(Calc)) return *held;
  return ReadNumber(Calc);
}

void CalculatorModel::WriteEntry(Extended value) {
  Calc = FormatNumber(value);
  entryValue_.Hold(Calc, value);
}

// The entry's digits are stored as a double, as every value the accumulator takes; a full value
// behind the entry is kept whole beside that double (which still decides the range).
void CalculatorModel::LoadEntry() {
  if (const std::optional<Extended> held = entryValue_.For(Calc)) {
    Accumulator = NarrowToDouble(*held);
    accumulatorFull_ = held;
  } else {
    Accumulator = NarrowToDouble(ReadNumber(Calc));
    accumulatorFull_.reset();
  }
}

void CalculatorModel::StoreResult(Extended result) {
  Accumulator = NarrowToDouble(result);
  accumulatorFull_.reset();
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
      accumulatorFull_.reset();  // a formula stores its result as a double only
    }
  }
  ShowAccumulator();
}

void CalculatorModel::ApplyTwoOperand(Op op) {
  const Extended operand = ReadEntry();
  if ((op == Op::kDivide || op == Op::kRoot) && operand == 0) {
    RefuseDivisionByZero();
    return;
  }
  const Extended left = AccumulatorValue();
  const Extended result = Guarded([&]() -> Extended {
    switch (op) {
      case Op::kMultiply:
        return left * operand;
      case Op::kDivide:
        return left / operand;
      case Op::kSubtract:
        return left - operand;
      case Op::kAdd:
        return left + operand;
      case Op::kPercentOf:
        return operand * left / 100;
      case Op::kPower:
        return Power(PowerBase, LibraryArgument(operand));
      case Op::kRoot:
        return Power(PowerBase, LibraryArgument(1 / operand));
      default:  // not a two-operand operation
        return left;
    }
  });
  StoreResult(result);
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
    if (IsPower(op)) PowerBase = NarrowToDouble(ReadEntry());
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
