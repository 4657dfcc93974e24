// The evaluation routine, the operators, functions and formulas pressed, "=", and the
// dispatch of a key's command.
#include <exception>
#include <string_view>
#include <utility>

#include "calculator/calculator_model.h"
#include "calculator/guarded_steps.h"
#include "calculator/operation_codes.h"
#include "calculator/step_text.h"
#include "core/number_text.h"
#include "vmath/vmath.h"

namespace vaneko::calculator {

namespace {

constexpr const char* kDivisionByZeroNotice = "Division par 0";

// How the tape writes each two-operand operation between its operands.
std::string_view OperatorSymbol(Op op) {
  switch (op) {
    case Op::kMultiply:
      return "*";
    case Op::kDivide:
      return "/";
    case Op::kSubtract:
      return "-";
    case Op::kAdd:
      return "+";
    case Op::kPercentOf:
      return "% de";  // the key reads "x % de y" in both languages
    case Op::kPower:
      return "^";
    default:  // the root
      return "^ 1/";
  }
}

}  // namespace

// "2 + 3", "2 ^ 10", "27 ^ 1/3": the left operand (the power's base) and the entry as read.
CalculatorModel::StepText CalculatorModel::DescribeTwoOperand() const {
  const Op op = PendingOperation;
  StepText step;
  step.expression = (IsPower(op) ? PowerBase : Accumulator).Text() + " ";
  step.expression += OperatorSymbol(op);
  if (op != Op::kRoot) step.expression += ' ';
  step.expression += Shown(Calc.empty() ? std::string("0") : Calc);  // read as "0" when empty
  return step;
}

void CalculatorModel::TellStep(const std::function<StepText()>& describe,
                               const std::function<void()>& act) {
  if (!ReportStep) return act();
  const StepText step = describe();
  noticeOfStep_.clear();
  try {
    act();
  } catch (const std::exception& error) {
    ReportStep({step.expression + ": " + error.what(), {}});
    throw;
  }
  if (!noticeOfStep_.empty()) {
    ReportStep({step.expression + ": " + noticeOfStep_, {}});
  } else if (step.fieldText == nullptr) {
    ReportStep({step.expression + " = " + Calc + step.suffix, Calc});
  } else {
    const std::string& after = *step.fieldText;
    ReportStep({step.expression + " → " + step.field + " " + Shown(after), ResultOf(after)});
  }
}

Number CalculatorModel::ReadEntry() const {
  if (const Number* held = entryValue_.For(Calc)) return *held;
  return Number::OfDecimal(ReadDecimal(Calc));
}

void CalculatorModel::WriteEntry(const Number& value) {
  Calc = value.Text();
  entryValue_.Hold(Calc, value);
}

void CalculatorModel::LoadEntry() {
  StoreResult(ReadEntry());
}

void CalculatorModel::StoreResult(Number result) {
  NarrowToDouble(result.Nearest());  // beyond the double range: the overflow fault
  Accumulator = std::move(result);
}

void CalculatorModel::Calcul() {
  // Applying a pending two-operand operation is a step; loading the entry is not.
  if (AccumulatorState != AccumulatorState::kEmpty && IsTwoOperand(PendingOperation))
    return TellStep([this] { return DescribeTwoOperand(); }, [this] { Evaluate(); });
  Evaluate();
}

void CalculatorModel::Evaluate() {
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
  noticeOfStep_ = kDivisionByZeroNotice;
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
  } else if (IsFunction(op)) {
    TellStep([this, op] { return DescribeFunction(op); }, [this, op] { EvaluateAtOnce(op); });
  } else if (IsFormula(op)) {
    TellStep([this, op] { return DescribeFormula(op); }, [this, op] { EvaluateAtOnce(op); });
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

void CalculatorModel::ActOnField(Command::Kind kind, Register target) {
  using Kind = Command::Kind;
  switch (kind) {
    case Kind::kStoreIn:
      return StoreIn(target);
    case Kind::kRecallFrom:
      return RecallFrom(target);
    case Kind::kClear:
      return Clear(target);
    case Kind::kAddTo:
      return AddTo(target);
    case Kind::kSubtractFrom:
      return SubtractFrom(target);
    default:  // not a memory or register key
      return;
  }
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
    case Kind::kRecallFrom:
    case Kind::kClear:
    case Kind::kAddTo:
    case Kind::kSubtractFrom:
      return TellStep([this, &command] { return DescribeFieldKey(command.kind, command.target); },
                      [this, &command] { ActOnField(command.kind, command.target); });
    case Kind::kEnter:
      if (command.constant != nullptr) Enter(*command.constant);
      return;
  }
}

}  // namespace vaneko::calculator
