// A text shown in the interface, in its French and its English wording.
#pragma once

#include <string_view>

namespace vaneko::catalogue {

struct BilingualName {
  std::string_view french;
  std::string_view english;
};

}  // namespace vaneko::catalogue
