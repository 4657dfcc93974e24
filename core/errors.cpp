#include "core/errors.h"

namespace vaneko {

EConvertError InvalidFloat(std::string_view text) {
  return EConvertError("'" + std::string(text) + "' is not a valid floating point value");
}

EConvertError InvalidInteger(std::string_view text) {
  return EConvertError("'" + std::string(text) + "' is not a valid integer value");
}

std::string ErrorBoxText(std::string_view message) {
  std::string text(message);
  if (text.empty() || static_cast<unsigned char>(text.back()) > '.') text += '.';
  return text;
}

}  // namespace vaneko
