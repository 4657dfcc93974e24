// A number as a user would type it: the shortest decimal that reads back as `value`, with the
// decimal comma, read by the number reader into its exact decimal; and the conversions of one
// tab as the dispatch runs them.
#pragma once

#include <charconv>
#include <string>

#include "convert/dispatch.h"
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

// The conversions of category `tab`: list position i to list position j of the typed value.
inline auto TabConversions(int tab) {
  return [tab](int i, int j, const DecimalNumber& value) {
    return convert::ConvertPair(tab, i, j, value);
  };
}

}  // namespace vaneko::testing
