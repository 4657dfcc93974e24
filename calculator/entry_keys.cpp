// The keys that edit the entry field: digits and comma, "C", "<<" and "+/-".
#include "calculator/calculator_model.h"
#include "calculator/operation_codes.h"
#include "core/number_text.h"
#include "core/utf8_text.h"

namespace vaneko::calculator {

void CalculatorModel::Digit(char digitOrComma) {
  entryValue_.Forget();  // keyed digits read as digits, even those of a value just shown
  if (CalcFreshEntry) {
    Calc.clear();
    CalcFreshEntry = false;
  }
  if (digitOrComma == ',') {
    if (Calc.find(',') == std::string::npos) Calc += ',';
  } else if (digitOrComma >= '0' && digitOrComma <= '9') {
    Calc += digitOrComma;  // leading zeros stay as keyed
  }
}

void CalculatorModel::ClearEntry() {
  Calc.clear();
  AccumulatorState = AccumulatorState::kEmpty;
  PendingOperation = Op::kNone;
  CalcFreshEntry = true;
}

void CalculatorModel::Backspace() {
  if (CharacterCount(Calc) <= 1) return;
  RemoveLastCharacter(Calc);
  entryValue_.Forget();
}

void CalculatorModel::ChangeSign() {
  if (Calc.empty()) Calc = "0";
  WriteEntry(-ReadEntry());
}

}  // namespace vaneko::calculator
