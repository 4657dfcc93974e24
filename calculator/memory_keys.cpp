// The memory M, the registers X, Y and Z, and the two keys that exchange values with the
// converter. None of them evaluates: they copy text, or add and subtract in extended precision.
#include "calculator/calculator_model.h"
#include "core/number_text.h"

namespace vaneko::calculator {

namespace {
constexpr const char* kClearedField = "0";
}  // namespace

// Target +/- entry, written in the number notation without narrowing to a double. A field
// that is not a number stops the key before the target changes.
void CalculatorModel::UpdateField(std::string& target, FieldArithmetic arithmetic) {
  const Extended stored = ReadNumber(target);
  const Extended entry = ReadEntry();
  const Extended result =
      Guarded([&] { return arithmetic == FieldArithmetic::Add ? stored + entry : stored - entry; });
  target = FormatNumber(result);
}

// Memory M. "M+" and "M-" mark the entry for fresh entry before they act, so the mark is set
// even when they fail; both treat an empty entry as 0.
void CalculatorModel::Button37Click() {
  mem = Calc;
  CalcFreshEntry = true;
}
void CalculatorModel::Button21Click() {
  Calc = mem;
  CalcFreshEntry = true;
}
void CalculatorModel::Button10Click() {
  mem = kClearedField;
  CalcFreshEntry = true;
}
void CalculatorModel::Button38Click() {
  CalcFreshEntry = true;
  if (Calc.empty()) Calc = "0";
  UpdateField(mem, FieldArithmetic::Add);
}
void CalculatorModel::Button39Click() {
  CalcFreshEntry = true;
  if (Calc.empty()) Calc = "0";
  UpdateField(mem, FieldArithmetic::Subtract);
}

// Register X: its add and subtract keys treat an empty entry as 0, like the memory's.
void CalculatorModel::Button28Click() {
  X1 = Calc;
  CalcFreshEntry = true;
}
void CalculatorModel::Button105Click() {
  Calc = X1;
  CalcFreshEntry = true;
}
void CalculatorModel::Button108Click() {
  X1 = kClearedField;
  CalcFreshEntry = true;
}
void CalculatorModel::Button106Click() {
  if (Calc.empty()) Calc = "0";
  UpdateField(X1, FieldArithmetic::Add);
  CalcFreshEntry = true;
}
void CalculatorModel::Button107Click() {
  if (Calc.empty()) Calc = "0";
  UpdateField(X1, FieldArithmetic::Subtract);
  CalcFreshEntry = true;
}

// Registers Y and Z: an empty entry is refused by the add and subtract keys.
void CalculatorModel::Button103Click() {
  Y1 = Calc;
  CalcFreshEntry = true;
}
void CalculatorModel::Button111Click() {
  Calc = Y1;
  CalcFreshEntry = true;
}
void CalculatorModel::Button114Click() {
  Y1 = kClearedField;
  CalcFreshEntry = true;
}
void CalculatorModel::Button112Click() {
  UpdateField(Y1, FieldArithmetic::Add);
  CalcFreshEntry = true;
}
void CalculatorModel::Button113Click() {
  UpdateField(Y1, FieldArithmetic::Subtract);
  CalcFreshEntry = true;
}
void CalculatorModel::Button104Click() {
  Z1 = Calc;
  CalcFreshEntry = true;
}
void CalculatorModel::Button115Click() {
  Calc = Z1;
  CalcFreshEntry = true;
}
void CalculatorModel::Button118Click() {
  Z1 = kClearedField;
  CalcFreshEntry = true;
}
void CalculatorModel::Button116Click() {
  UpdateField(Z1, FieldArithmetic::Add);
  CalcFreshEntry = true;
}
void CalculatorModel::Button117Click() {
  UpdateField(Z1, FieldArithmetic::Subtract);
  CalcFreshEntry = true;
}

// Exchange with the converter: plain text copies that leave the fresh-entry mark alone.
void CalculatorModel::Button22Click() {
  Calc = converter_.Result;
}
void CalculatorModel::Button23Click() {
  converter_.Nombre1 = Calc;
}

}  // namespace vaneko::calculator
