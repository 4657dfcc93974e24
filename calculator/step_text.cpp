#include "calculator/step_text.h"

#include "core/number_text.h"

namespace vaneko::calculator {

std::string Shown(const std::string& text) {
  Extended value = 0;
  if (TryReadNumber(text, value)) return FormatNumber(value);
  return text.empty() ? std::string("''") : text;
}

std::string ResultOf(const std::string& text) {
  Extended value = 0;
  return TryReadNumber(text, value) ? FormatNumber(value) : std::string();
}

std::string_view AngleUnit(AngleMode mode) {
  switch (mode) {
    case AngleMode::Degrees:
      return "°";
    case AngleMode::Radians:
      return " rad";
    case AngleMode::Grads:
      break;
  }
  return " grad";
}

std::string Substituted(std::string_view form, const std::string& argument) {
  std::string text;
  for (char c : form) {
    if (c == '#') {
      text += argument;
    } else {
      text += c;
    }
  }
  return text;
}

}  // namespace vaneko::calculator
