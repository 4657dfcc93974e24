// A number as a user would type it: the shortest decimal that reads back as `value`, with the
// decimal comma, read by the number reader into its exact decimal.
#pragma once

#include <charconv>
#include <string>

#include "core/number_text.h"

namespace vaneko::testing {

inline DecimalNumber Typed(double value) {
  char buffer[64];
  const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
  std::string text(buffer, end);
  for (char& c : text)
    if (c == '.') c = ',';
  return ReadDecimal(text);
}

}  // namespace vaneko::testing
