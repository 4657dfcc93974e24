// The memory M and the registers X, Y and Z. None of their keys evaluates: they copy text, or
// add and subtract exactly (see Number); a sum must stay within the extended range.
#include <cmath>
#include <string_view>
#include <utility>

#include "calculator/calculator_model.h"
#include "calculator/step_text.h"
#include "core/errors.h"
#include "core/number_text.h"

namespace vaneko::calculator {

namespace {

constexpr const char* kClearedField = "0";

// Where the add and subtract keys of the memory and the registers differ.
struct RegisterRules {
  // The entry is marked for fresh entry before the key acts, so the mark is set even when the
  // key fails (the memory's keys); otherwise after it.
  bool freshEntryFirst;
  // An empty entry counts as 0 and "0" is written into it (M and X); Y and Z refuse it.
  bool emptyEntryIsZero;
};

constexpr RegisterRules RulesOf(Register target) {
  switch (target) {
    case Register::kM:
      return {true, true};
    case Register::kX:
      return {false, true};
    case Register::kY:
    case Register::kZ:
      break;
  }
  return {false, false};
}

// How a line names a field: "mem", "X", "Y", "Z".
std::string_view FieldName(Register target) {
  return RowOf(target).name;
}

// The key's caption: "M", "MR", "MC", "M+", "M-" and the same for X, Y and Z.
std::string KeyCaption(Register target, std::string_view suffix) {
  std::string caption(target == Register::kM ? "M" : FieldName(target));
  caption += suffix;
  return caption;
}

}  // namespace

// "M 7 → mem 7", "XR → Calc 3", "MC → mem 0", "M+ 5 → mem 12".
CalculatorModel::StepText CalculatorModel::DescribeFieldKey(Command::Kind kind,
                                                            Register target) const {
  using Kind = Command::Kind;
  StepText step;
  step.field = FieldName(target);
  step.fieldText = &Text(target);
  switch (kind) {
    case Kind::kStoreIn:
      step.expression = KeyCaption(target, "") + " " + Shown(Calc);
      break;
    case Kind::kRecallFrom:
      step.expression = KeyCaption(target, "R");
      step.field = "Calc";
      step.fieldText = &Calc;
      break;
    case Kind::kClear:
      step.expression = KeyCaption(target, "C");
      break;
    default: {
      const bool add = kind == Kind::kAddTo;
      const std::string entry =
          Calc.empty() && RulesOf(target).emptyEntryIsZero ? std::string("0") : Shown(Calc);
      step.expression = KeyCaption(target, add ? "+" : "-") + " " + entry;
      break;
    }
  }
  return step;
}

std::string& CalculatorModel::Text(Register target) {
  return this->*RowOf(target).text;
}

const std::string& CalculatorModel::Text(Register target) const {
  return this->*RowOf(target).text;
}

Number CalculatorModel::ReadRegister(Register target) const {
  const std::string& field = Text(target);
  if (const Number* held = HeldIn(target).For(field)) return *held;
  return Number::OfDecimal(ReadDecimal(field));
}

// Store and recall copy the text, and with it the full value it stands for, if any.
void CalculatorModel::StoreIn(Register target) {
  Text(target) = Calc;
  if (const Number* held = entryValue_.For(Calc))
    HeldIn(target).Hold(Calc, *held);
  else
    HeldIn(target).Forget();
  CalcFreshEntry = true;
}

void CalculatorModel::RecallFrom(Register target) {
  Calc = Text(target);
  if (const Number* held = HeldIn(target).For(Calc))
    entryValue_.Hold(Calc, *held);
  else
    entryValue_.Forget();
  CalcFreshEntry = true;
}

void CalculatorModel::Clear(Register target) {
  Text(target) = kClearedField;
  HeldIn(target).Forget();
  CalcFreshEntry = true;
}

void CalculatorModel::AddTo(Register target) {
  UpdateField(target, FieldArithmetic::Add);
}

void CalculatorModel::SubtractFrom(Register target) {
  UpdateField(target, FieldArithmetic::Subtract);
}

// Target +/- entry, written in the number notation without narrowing to a double. A field
// that is not a number stops the key before the target changes.
void CalculatorModel::UpdateField(Register target, FieldArithmetic arithmetic) {
  const RegisterRules rules = RulesOf(target);
  if (rules.freshEntryFirst) CalcFreshEntry = true;
  if (rules.emptyEntryIsZero && Calc.empty()) Calc = "0";
  std::string& field = Text(target);
  const Number stored = ReadRegister(target);
  const Number entry = ReadEntry();
  const Number result = arithmetic == FieldArithmetic::Add ? stored + entry : stored - entry;
  if (std::isinf(result.Nearest())) throw EOverflow();  // beyond the extended range
  field = result.Text();
  HeldIn(target).Hold(field, result);
  CalcFreshEntry = true;
}

}  // namespace vaneko::calculator
