// The calculator half of the main window as plain data, driven by commands.
//
// An immediate-execution calculator without operator precedence: each operator applies the
// operation already pending (Calcul) and then becomes the pending operation itself. The entry
// field Calc is its only display. Functions and formulas evaluate at once through the same
// routine with their own operation.
#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "calculator/command.h"
#include "calculator/held_value.h"
#include "calculator/number.h"
#include "calculator/step_report.h"
#include "core/field.h"
#include "core/fp_faults.h"

namespace vaneko::calculator {

enum class AngleMode { Degrees, Radians, Grads };

// What the accumulator holds.
enum class AccumulatorState {
  kEmpty,            // the next evaluation only loads the entry
  kHolding,          // the next evaluation applies the pending operation
  kRefusedDivision,  // a division by zero has just been refused
};

class CalculatorModel {
 public:
  // Field texts.
  std::string Calc;
  std::string mem = "0";
  std::string X1 = "0";
  std::string Y1 = "0";
  std::string Z1 = "0";

  // The left operand and running result, and the base of a pending power: held exactly while
  // they are exact (see Number).
  Number Accumulator;
  calculator::AccumulatorState AccumulatorState = calculator::AccumulatorState::kEmpty;
  Op PendingOperation = Op::kNone;
  Number PowerBase;
  bool CalcFreshEntry = true;
  AngleMode Angle = AngleMode::Degrees;

  // Shows the calculator's own notice ("Division par 0") in a modal box; the key goes on.
  // Without a window attached the notice goes nowhere and the key goes on.
  std::function<void(const std::string&)> ShowNotice = [](const std::string&) {};

  // Told of every step the calculator carries out, as it ends: an operator or "=" that applies
  // a pending operation, a function, a formula, a memory or register key. Digits, constants
  // and a mere loading of the entry are no steps. Without a listener nothing is described.
  std::function<void(const StepReport&)> ReportStep;

  // Carries out a key's command. An exchange with the converter is not the calculator's to
  // carry out and does nothing here.
  void Execute(const Command& command);

  // The evaluation routine: applies the pending operation to the accumulator and the entry
  // and shows the accumulator in Calc.
  void Calcul();

  // The angle-mode radio buttons "Deg", "Rad" and "Grad".
  void SelectAngleMode(AngleMode mode) { Angle = mode; }

  // Entry: a digit or the comma, "C", "<<" and "+/-".
  void Digit(char digitOrComma);
  void ClearEntry();
  void Backspace();
  void ChangeSign();

  // An operator evaluates and becomes pending (a power operator also takes the shown value as
  // its base); a function or formula evaluates at once and leaves nothing pending.
  void Press(Op op);
  // "=": evaluates and ends the chain.
  void Equals();

  // The memory and the registers: store, recall, clear, add, subtract.
  void StoreIn(Register target);
  void RecallFrom(Register target);
  void Clear(Register target);
  void AddTo(Register target);
  void SubtractFrom(Register target);
  // The text field of a register.
  std::string& Text(Register target);
  const std::string& Text(Register target) const;

  // A constant key: the constant replaces the entry.
  void Enter(const Constant& constant);
  // A text put into Calc from outside the keys (a result taken from the tape), as a constant key
  // puts its value: the next digit starts a new number.
  void PutEntry(const std::string& text) {
    Calc = text;
    CalcFreshEntry = true;
  }

  // The text of the entry or of a register was changed from outside the keys (typed into,
  // pasted, deleted). It reads as its digits from now on, even when it happens to show the very
  // text a value was written with.
  void EntryEdited() { entryValue_.Forget(); }
  void Edited(Register target) { HeldIn(target).Forget(); }

 private:
  // A function or formula: load the entry, evaluate `op` at once, leave nothing pending.
  void EvaluateAtOnce(Op op);
  // Steps 1 to 5 of Calcul.
  void Evaluate();

  // What a step is, for its report; described only when someone listens, before it acts.
  struct StepText {
    std::string expression;  // "2 + 3", "Sin(30°)", "M+ 5"
    std::string suffix;      // after the result: the unit of an angle
    // A memory or register key's field, as the line names it ("mem", "X", "Calc"), and the
    // text it shows afterwards; empty and null for an evaluation, whose result is Calc.
    std::string field;
    const std::string* fieldText = nullptr;
  };
  // Carries out `act` as one step and tells the listener how it ended: the result, the notice
  // of a refused division, or the error, which is then thrown on.
  void TellStep(const std::function<StepText()>& describe, const std::function<void()>& act);
  // The steps' texts, each beside the rows of what it describes.
  StepText DescribeTwoOperand() const;
  StepText DescribeFunction(Op op) const;
  StepText DescribeFormula(Op op) const;
  StepText DescribeFieldKey(Command::Kind kind, Register target) const;
  // A memory or register key's action.
  void ActOnField(Command::Kind kind, Register target);

  // Step 4 of Calcul, one routine per kind of operation. Each stores its result in
  // Accumulator or refuses a division by zero.
  void ApplyTwoOperand(Op op);
  void ApplyFunction(Op op);
  void ApplyFormula(Op op);
  // A division by zero that is refused rather than faulted: the notice, the accumulator shown
  // again and the state that lets the user key another divisor.
  void RefuseDivisionByZero();
  // PowerBase to `exponent`, for "x^Y" and "x^1/y".
  Number RaisePowerBase(const Number& exponent) const;

  // Add to or subtract from a memory or register field.
  enum class FieldArithmetic { Add, Subtract };
  void UpdateField(Register target, FieldArithmetic arithmetic);

  // The value of the entry or of a register: the full value written there while the field
  // still shows the text it was written with (a value constant, a result), else the exact
  // decimal of its digits.
  Number ReadEntry() const;
  Number ReadRegister(Register target) const;
  // Calc := `value` in the number notation, its full value held beside the text.
  void WriteEntry(const Number& value);
  HeldValue& HeldIn(Register target) { return registerValues_[static_cast<std::size_t>(target)]; }
  const HeldValue& HeldIn(Register target) const {
    return registerValues_[static_cast<std::size_t>(target)];
  }

  // The accumulator. A stored result must lie within the range of a 64-bit double, else it is
  // the overflow fault and the accumulator keeps its value; within it, the result is held whole.
  void LoadEntry();
  void StoreResult(Number result);
  void ShowAccumulator() { WriteEntry(Accumulator); }

  std::string noticeOfStep_;  // the notice the current step gave, if any
  HeldValue entryValue_;
  std::array<HeldValue, 4> registerValues_;  // M, X, Y, Z in the order of Register
};

// Each register beside the field that shows it: the model's text of it, the window's field and
// the name a step's line gives the field. Which field holds which register is stated here only.
struct RegisterField {
  Register target;
  Field field;
  std::string CalculatorModel::*text;
  std::string_view name;
};

inline constexpr RegisterField kRegisterFields[] = {
    {Register::kM, Field::mem, &CalculatorModel::mem, "mem"},
    {Register::kX, Field::X1, &CalculatorModel::X1, "X"},
    {Register::kY, Field::Y1, &CalculatorModel::Y1, "Y"},
    {Register::kZ, Field::Z1, &CalculatorModel::Z1, "Z"},
};

// The row of a register: the rows stand in the order of Register.
constexpr const RegisterField& RowOf(Register target) {
  return kRegisterFields[static_cast<std::size_t>(target)];
}
static_assert(RowOf(Register::kM).target == Register::kM &&
                  RowOf(Register::kX).target == Register::kX &&
                  RowOf(Register::kY).target == Register::kY &&
                  RowOf(Register::kZ).target == Register::kZ,
              "the register rows stand in the order of Register");

// The register a field shows: mem, X1, Y1, Z1; none for the other fields of the window.
constexpr std::optional<Register> RegisterShownIn(Field field) {
  for (const RegisterField& row : kRegisterFields)
    if (row.field == field) return row.target;
  return std::nullopt;
}

}  // namespace vaneko::calculator
