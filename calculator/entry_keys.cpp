// The keys that edit the entry field: digits and comma, "C", "<<" and "+/-".
#include "calculator/calculator_model.h"
#include "calculator/operation_codes.h"
#include "core/number_text.h"

namespace vaneko::calculator {

namespace {

// The byte length of the last character of a UTF-8 text (the field may hold any pasted text).
std::size_t LastCharacterLength(const std::string& text) {
  std::size_t length = 1;
  while (length < text.size() &&
         (static_cast<unsigned char>(text[text.size() - length]) & 0xC0) == 0x80)
    ++length;
  return length;
}

bool HoldsMoreThanOneCharacter(const std::string& text) {
  return !text.empty() && LastCharacterLength(text) < text.size();
}

}  // namespace

void CalculatorModel::Button40Click(char digitOrComma) {
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

void CalculatorModel::Button41Click() {
  Calc.clear();
  AccumulatorState = 0;
  PendingOperation = op::kNone;
  CalcFreshEntry = true;
}

void CalculatorModel::Button46Click() {
  if (HoldsMoreThanOneCharacter(Calc)) Calc.erase(Calc.size() - LastCharacterLength(Calc));
}

void CalculatorModel::Button42Click() {
  if (Calc.empty()) Calc = "0";
  const Extended value = ReadEntry();
  Calc = FormatNumber(Guarded([&] { return value * -1; }));
}

}  // namespace vaneko::calculator
