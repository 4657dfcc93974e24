// The memory M and the registers X, Y and Z. None of their keys evaluates: they copy text, or
// add and subtract in extended precision.
#include "calculator/calculator_model.h"
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

}  // namespace

std::string& CalculatorModel::Text(Register target) {
  switch (target) {
    case Register::kM:
      return mem;
    case Register::kX:
      return X1;
    case Register::kY:
      return Y1;
    case Register::kZ:
      break;
  }
  return Z1;
}

void CalculatorModel::StoreIn(Register target) {
  Text(target) = Calc;
  CalcFreshEntry = true;
}

void CalculatorModel::RecallFrom(Register target) {
  Calc = Text(target);
  CalcFreshEntry = true;
}

void CalculatorModel::Clear(Register target) {
  Text(target) = kClearedField;
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
  const Extended stored = ReadNumber(field);
  const Extended entry = ReadEntry();
  const Extended result =
      Guarded([&] { return arithmetic == FieldArithmetic::Add ? stored + entry : stored - entry; });
  field = FormatNumber(result);
  CalcFreshEntry = true;
}

}  // namespace vaneko::calculator
