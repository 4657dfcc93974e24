// The converter's keypad and sign key, and the key filters of the entry fields.
#include "core/errors.h"
#include "core/number_text.h"
#include "core/utf8_text.h"
#include "session/session.h"

namespace vaneko {

void Session::KeypadKey(char key) {
  std::string& number = converter.Nombre1;
  if (converter.NumberFreshEntry) {
    number.clear();
    converter.NumberFreshEntry = false;
  }
  if (key == ',') {
    if (number.find(',') == std::string::npos) number += ',';
  } else if (key >= '0' && key <= '9') {
    number += key;
  }
}

void Session::KeypadBackspace() {
  std::string& number = converter.Nombre1;
  if (CharacterCount(number) >= 2) RemoveLastCharacter(number);
}

void Session::KeypadClear() {
  converter.Nombre1.clear();
  converter.NumberFreshEntry = true;
}

void Session::NegateNumber() {
  std::string& number = converter.Nombre1;
  if (number.empty()) number = "0";
  const Extended value = ReadNumber(number);
  number = FormatNumber(Guarded([&] { return value * -1.0L; }));
}

namespace {

// The calculator key that a typed operator character or Enter runs, if any.
std::optional<calculator::Command> OperatorKey(char32_t key) {
  using calculator::Op;
  namespace command = calculator::command;
  switch (key) {
    case U'\r':
      return command::Equals();
    case U'*':
      return command::Press(Op::kMultiply);
    case U'+':
      return command::Press(Op::kAdd);
    case U'-':
      return command::Press(Op::kSubtract);
    case U'/':
      return command::Press(Op::kDivide);
    default:
      return std::nullopt;
  }
}

}  // namespace

std::optional<char> Session::CalcKeyPress(Field sender, char32_t key) {
  // An operator or Enter typed in either field acts exactly as a click on the calculator's key.
  // It does not empty a field marked for fresh entry first: emptying Calc there would throw the
  // shown result away, so that "2+3=" then "*4=" typed would give 0 instead of 20.
  if (const auto operatorKey = OperatorKey(key)) {
    Execute(*operatorKey);
    return std::nullopt;
  }

  if (calculator.CalcFreshEntry) calculator.Calc.clear();
  if (converter.NumberFreshEntry) converter.Nombre1.clear();
  calculator.CalcFreshEntry = false;
  converter.NumberFreshEntry = false;

  const std::optional<char> admitted = [&]() -> std::optional<char> {
    switch (key) {
      case U',':
      case U'.':
        // Only a comma needs to know whether the field holds one already. The field is looked
        // at in place, not copied, so that typing a long text stays linear in its length.
        if (Text(sender).find(',') != std::string::npos) return std::nullopt;
        return ',';
      case U'\b':
        return kBackspaceKey;
      default:
        if (key >= U'0' && key <= U'9') return static_cast<char>(key);
        return std::nullopt;
    }
  }();
  // Whatever reaches Calc edits it: from then on it reads as its digits, even if typing
  // happens to restore the text of a value shown there.
  if (admitted && sender == Field::Calc) calculator.EntryEdited();
  return admitted;
}

std::optional<char> Session::ResultKeyPress(Field, char32_t) {
  return std::nullopt;
}

void Session::TypeChar(Field field, char32_t key) {
  const bool filteredAsEntry = field == Field::Nombre1 || field == Field::Calc;
  const std::optional<char> admitted =
      filteredAsEntry ? CalcKeyPress(field, key) : ResultKeyPress(field, key);
  if (!admitted) return;
  std::string& text = Text(field);
  if (*admitted == kBackspaceKey) {
    RemoveLastCharacter(text);
  } else {
    text += *admitted;
  }
}

}  // namespace vaneko
