// The engine's texts (UTF-8 string views into its tables) as the window's strings.
#pragma once

#include <QString>
#include <string_view>

namespace vaneko::app {

inline QString FromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace vaneko::app
