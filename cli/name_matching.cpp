#include "cli/name_matching.h"

#include <algorithm>
#include <array>
#include <numeric>

#include "cli/cli.h"
#include "core/utf8_text.h"

namespace vaneko::cli {

namespace {

// Latin letters with diacritics folded to their base letters. Each row covers a range of code
// points that all fold to the same text.
struct FoldRange {
  char32_t first;
  char32_t last;
  std::u32string_view folded;
};

constexpr std::array kFoldRanges{
    // Latin-1 Supplement
    FoldRange{0xC0, 0xC5, U"a"}, FoldRange{0xC6, 0xC6, U"ae"}, FoldRange{0xC7, 0xC7, U"c"},
    FoldRange{0xC8, 0xCB, U"e"}, FoldRange{0xCC, 0xCF, U"i"}, FoldRange{0xD0, 0xD0, U"d"},
    FoldRange{0xD1, 0xD1, U"n"}, FoldRange{0xD2, 0xD6, U"o"}, FoldRange{0xD8, 0xD8, U"o"},
    FoldRange{0xD9, 0xDC, U"u"}, FoldRange{0xDD, 0xDD, U"y"}, FoldRange{0xDE, 0xDE, U"th"},
    FoldRange{0xDF, 0xDF, U"ss"}, FoldRange{0xE0, 0xE5, U"a"}, FoldRange{0xE6, 0xE6, U"ae"},
    FoldRange{0xE7, 0xE7, U"c"}, FoldRange{0xE8, 0xEB, U"e"}, FoldRange{0xEC, 0xEF, U"i"},
    FoldRange{0xF0, 0xF0, U"d"}, FoldRange{0xF1, 0xF1, U"n"}, FoldRange{0xF2, 0xF6, U"o"},
    FoldRange{0xF8, 0xF8, U"o"}, FoldRange{0xF9, 0xFC, U"u"}, FoldRange{0xFD, 0xFD, U"y"},
    FoldRange{0xFE, 0xFE, U"th"}, FoldRange{0xFF, 0xFF, U"y"},
    // Latin Extended-A: capital and small letters alternate within each range
    FoldRange{0x100, 0x105, U"a"}, FoldRange{0x106, 0x10D, U"c"}, FoldRange{0x10E, 0x111, U"d"},
    FoldRange{0x112, 0x11B, U"e"}, FoldRange{0x11C, 0x123, U"g"}, FoldRange{0x124, 0x127, U"h"},
    FoldRange{0x128, 0x131, U"i"}, FoldRange{0x132, 0x133, U"ij"}, FoldRange{0x134, 0x135, U"j"},
    FoldRange{0x136, 0x138, U"k"}, FoldRange{0x139, 0x142, U"l"}, FoldRange{0x143, 0x14B, U"n"},
    FoldRange{0x14C, 0x151, U"o"}, FoldRange{0x152, 0x153, U"oe"}, FoldRange{0x154, 0x159, U"r"},
    FoldRange{0x15A, 0x161, U"s"}, FoldRange{0x162, 0x167, U"t"}, FoldRange{0x168, 0x173, U"u"},
    FoldRange{0x174, 0x175, U"w"}, FoldRange{0x176, 0x178, U"y"}, FoldRange{0x179, 0x17E, U"z"},
    FoldRange{0x17F, 0x17F, U"s"},
    // Typographic apostrophes, and the Greek mu for the micro sign
    FoldRange{0x2018, 0x2019, U"'"}, FoldRange{0x3BC, 0x3BC, U"\u00B5"}};

bool IsBlank(char32_t c) {
  return c == U' ' || c == U'\t' || c == 0xA0 || c == 0x202F;
}

// Unknown names longer than this get no suggestion: the distance costs length times length.
constexpr std::size_t kLongestSuggested = 64;
constexpr std::size_t kMostSuggestions = 3;

std::string Describe(const NamedLine& line, catalogue::Language language) {
  std::string text = "'" + std::string(line.Name(language)) + "'";
  if (!line.symbol.empty()) text += " (" + std::string(line.symbol) + ")";
  return text;
}

std::string Join(const std::vector<std::string>& parts, std::string_view last) {
  std::string text;
  for (std::size_t k = 0; k < parts.size(); ++k) {
    if (k > 0) text += k + 1 == parts.size() ? last : std::string_view(", ");
    text += parts[k];
  }
  return text;
}

// The texts of one line compared at one level of the match.
enum class Text { kPreferredName, kOtherName, kSymbol };

std::string_view TextOf(const NamedLine& line, Text which, catalogue::Language preferred) {
  const auto other = preferred == catalogue::Language::French ? catalogue::Language::English
                                                              : catalogue::Language::French;
  switch (which) {
    case Text::kPreferredName:
      return line.Name(preferred);
    case Text::kOtherName:
      return line.Name(other);
    case Text::kSymbol:
      break;
  }
  return line.symbol;
}

// The closest lines by edit distance over their folded names and symbol, if any is close
// enough to be worth suggesting: at most a third of the name wrong, and at least two edits.
std::vector<int> Closest(const std::u32string& query, std::span<const NamedLine> lines,
                         catalogue::Language preferred) {
  if (query.empty() || query.size() > kLongestSuggested) return {};
  const std::size_t allowed = std::max<std::size_t>(2, query.size() / 3);
  std::size_t best = allowed + 1;
  std::vector<int> closest;
  for (std::size_t position = 0; position < lines.size(); ++position) {
    const NamedLine& line = lines[position];
    if (!line.matchable) continue;
    std::size_t distance = best + 1;
    for (Text which : {Text::kPreferredName, Text::kOtherName, Text::kSymbol}) {
      const std::string_view text = TextOf(line, which, preferred);
      if (!text.empty()) distance = std::min(distance, EditDistance(query, FoldName(text)));
    }
    if (distance < best) {
      best = distance;
      closest.clear();
    }
    if (distance == best) closest.push_back(static_cast<int>(position));
  }
  if (closest.size() > kMostSuggestions) closest.resize(kMostSuggestions);
  return closest;
}

}  // namespace

std::u32string FoldName(std::string_view text) {
  std::u32string folded;
  folded.reserve(text.size());
  bool pendingBlank = false;
  for (char32_t c : DecodeUtf8(text)) {
    if (IsBlank(c)) {
      pendingBlank = !folded.empty();
      continue;
    }
    if (pendingBlank) folded += U' ';
    pendingBlank = false;
    if (c >= U'A' && c <= U'Z') {
      folded += static_cast<char32_t>(c - U'A' + U'a');
      continue;
    }
    const auto range = std::find_if(kFoldRanges.begin(), kFoldRanges.end(),
                                    [c](const auto& r) { return c >= r.first && c <= r.last; });
    if (range != kFoldRanges.end()) {
      folded += range->folded;
    } else {
      folded += c;
    }
  }
  return folded;
}

std::size_t EditDistance(std::u32string_view a, std::u32string_view b) {
  // One row of the classic table, kept for the shorter text.
  if (a.size() < b.size()) std::swap(a, b);
  std::vector<std::size_t> row(b.size() + 1);
  std::iota(row.begin(), row.end(), std::size_t{0});
  for (std::size_t i = 1; i <= a.size(); ++i) {
    std::size_t diagonal = row[0];
    row[0] = i;
    for (std::size_t j = 1; j <= b.size(); ++j) {
      const std::size_t above = row[j];
      row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] == b[j - 1] ? 0 : 1)});
      diagonal = above;
    }
  }
  return row[b.size()];
}

int MatchName(std::string_view text, std::span<const NamedLine> lines,
              catalogue::Language preferred, const LookupContext& context) {
  const std::u32string query = FoldName(text);
  if (query.empty())
    throw UsageError{"an empty " + std::string(context.kind) + " name" + context.where};

  struct Level {
    Text which;
    bool folded;
  };
  constexpr std::array kLevels{
      Level{Text::kPreferredName, false}, Level{Text::kOtherName, false},
      Level{Text::kSymbol, false},        Level{Text::kPreferredName, true},
      Level{Text::kOtherName, true},      Level{Text::kSymbol, true}};
  for (const Level& level : kLevels) {
    std::vector<int> found;
    for (std::size_t position = 0; position < lines.size(); ++position) {
      const NamedLine& line = lines[position];
      const std::string_view candidate = TextOf(line, level.which, preferred);
      if (!line.matchable || candidate.empty()) continue;
      if (level.folded ? FoldName(candidate) == query : candidate == text)
        found.push_back(static_cast<int>(position));
    }
    if (found.size() == 1) return found.front();
    if (found.size() > 1) {
      std::vector<std::string> names;
      for (int position : found)
        names.push_back(Describe(lines[static_cast<std::size_t>(position)], preferred));
      throw UsageError{"ambiguous " + std::string(context.kind) + " '" + std::string(text) + "'" +
                       context.where + ": " + Join(names, " or ")};
    }
  }

  std::string message =
      "no " + std::string(context.kind) + " '" + std::string(text) + "'" + context.where;
  std::vector<std::string> names;
  for (int position : Closest(query, lines, preferred))
    names.push_back(Describe(lines[static_cast<std::size_t>(position)], preferred));
  if (!names.empty()) {
    message += "; did you mean " + Join(names, " or ") + "?";
  } else if (!context.listCommand.empty()) {
    message += "; '" + context.listCommand + "' lists them";
  }
  throw UsageError{message};
}

}  // namespace vaneko::cli
