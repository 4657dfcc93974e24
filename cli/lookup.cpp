// Finding categories, units and languages named on the command line.
#include <charconv>

#include "cli/cli.h"

namespace vaneko::cli {

namespace {

std::optional<int> ParseIndex(std::string_view text) {
  int value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

}  // namespace

int FindCategory(std::string_view text) {
  if (const auto index = ParseIndex(text)) {
    if (*index >= 0 && *index < catalogue::kCategoryCount) return *index;
    throw UsageError{"no category " + std::string(text) + " (0 to 17)"};
  }
  for (int tab = 0; tab < catalogue::kCategoryCount; ++tab)
    for (auto language : {catalogue::Language::French, catalogue::Language::English})
      if (catalogue::TabCaption(tab, language) == text) return tab;
  throw UsageError{"no category named '" + std::string(text) + "'"};
}

int FindPosition(std::string_view text, std::span<const std::string_view> list, const char* which) {
  if (const auto index = ParseIndex(text)) {
    if (*index >= 0 && *index < static_cast<int>(list.size())) return *index;
    throw UsageError{std::string("no ") + which + " unit at position " + std::string(text)};
  }
  for (std::size_t position = 0; position < list.size(); ++position)
    if (list[position] == text) return static_cast<int>(position);
  throw UsageError{std::string("no ") + which + " unit named '" + std::string(text) + "'"};
}

catalogue::Language ParseLanguage(std::string_view text) {
  if (text == "fr") return catalogue::Language::French;
  if (text == "en") return catalogue::Language::English;
  throw UsageError{"--lang takes fr or en, not '" + std::string(text) + "'"};
}

}  // namespace vaneko::cli
