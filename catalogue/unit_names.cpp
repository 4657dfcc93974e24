#include "catalogue/unit_names.h"

#include <algorithm>
#include <array>
#include <deque>
#include <numeric>
#include <optional>
#include <unordered_map>
#include <utility>

#include "catalogue/unit_aliases.h"
#include "core/utf8_text.h"

namespace vaneko::catalogue {

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

bool IsAscii(std::string_view text) {
  return std::all_of(text.begin(), text.end(),
                     [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// The ASCII forms of a symbol people type for it: superscripts as digits or after "^", the
// middle dot dropped or as "*", "-" or a blank, the degree sign dropped or as "deg", subscripts
// as digits, the micro sign as "u". One form per way of writing, applied to the whole symbol.
struct AsciiStyle {
  std::string_view squared, cubed, dot, degree;
};
constexpr std::array kAsciiStyles{AsciiStyle{"2", "3", "", ""}, AsciiStyle{"^2", "^3", "*", "deg"},
                                  AsciiStyle{"2", "3", "-", "deg "},
                                  AsciiStyle{"2", "3", " ", "deg"}};

std::string AsciiForm(std::string_view symbol, const AsciiStyle& style) {
  std::string text;
  for (const char32_t c : DecodeUtf8(symbol)) {
    switch (c) {
      case U'\u00B2':
        text += style.squared;
        break;
      case U'\u00B3':
        text += style.cubed;
        break;
      case U'\u00B7':
        text += style.dot;
        break;
      case U'\u00B0':
        text += style.degree;
        break;
      case U'\u00B5':
        text += 'u';
        break;
      case U'\u2082':
        text += '2';
        break;
      case U'\u2080':
        text += '0';
        break;
      case U'\u2081':
        text += '1';
        break;
      case U'\u2085':
        text += '5';
        break;
      default:
        if (c >= 0x80) return {};  // a character with no ASCII form: no such symbol form
        text += static_cast<char>(c);
    }
  }
  return text;
}

std::vector<std::string_view> Split(std::string_view aliases) {
  std::vector<std::string_view> parts;
  while (!aliases.empty()) {
    const std::size_t bar = aliases.find('|');
    parts.push_back(aliases.substr(0, bar));
    if (bar == std::string_view::npos) break;
    aliases.remove_prefix(bar + 1);
  }
  return parts;
}

// Every list's aliases, position by position, built once: the listed aliases, then the ASCII
// forms of the symbol that differ from it.
struct AliasIndex {
  std::deque<std::string> made;  // the generated ASCII forms (stable addresses)
  std::array<std::array<std::vector<std::vector<std::string_view>>, 2>, kCategoryCount> units;
  std::array<std::vector<std::string_view>, kCategoryCount> categories;

  static std::span<const std::string_view> Names(int tab, UnitList list) {
    return list == UnitList::From ? FromList(tab, Language::English)
                                  : ToList(tab, Language::English);
  }
  std::vector<std::vector<std::string_view>>& Lines(int tab, UnitList list) {
    return units[static_cast<std::size_t>(tab)][static_cast<std::size_t>(list)];
  }

  AliasIndex() {
    for (int tab = 0; tab < kCategoryCount; ++tab)
      for (const UnitList list : {UnitList::From, UnitList::To})
        Lines(tab, list).resize(Names(tab, list).size());
    // Each list's positions by name (the first, where a name stands twice), for the rows.
    std::array<std::array<std::unordered_map<std::string_view, std::size_t>, 2>, kCategoryCount>
        positions;
    for (int tab = 0; tab < kCategoryCount; ++tab)
      for (const UnitList list : {UnitList::From, UnitList::To}) {
        const auto names = Names(tab, list);
        auto& byName = positions[static_cast<std::size_t>(tab)][static_cast<std::size_t>(list)];
        for (std::size_t position = 0; position < names.size(); ++position)
          byName.emplace(names[position], position);
      }
    // Each row once: outside the kitchen tab both lists are the same list of units.
    for (const UnitAliasRow& row : kUnitAliases) {
      const auto& byName =
          positions[static_cast<std::size_t>(row.tab)][static_cast<std::size_t>(row.list)];
      const auto at = byName.find(row.unit);
      if (at == byName.end()) continue;
      const std::size_t position = at->second;
      Lines(row.tab, row.list)[position] = Split(row.aliases);
      if (row.tab != kKitchenTab) Lines(row.tab, UnitList::To)[position] = Split(row.aliases);
    }
    for (int tab = 0; tab < kCategoryCount; ++tab) {
      for (const UnitList list : {UnitList::From, UnitList::To}) {
        auto& lines = Lines(tab, list);
        for (std::size_t position = 0; position < lines.size(); ++position) {
          const int p = static_cast<int>(position);
          const std::string_view symbol =
              list == UnitList::From ? UnitSymbol(tab, p) : ToListSymbol(tab, p);
          // A symbol in plain ASCII is its own only ASCII form.
          if (IsAscii(symbol)) continue;
          for (const AsciiStyle& style : kAsciiStyles) {
            std::string form = AsciiForm(symbol, style);
            if (form.empty() || form == symbol) continue;
            auto& known = lines[position];
            if (std::find(known.begin(), known.end(), form) != known.end()) continue;
            known.push_back(made.emplace_back(std::move(form)));
          }
        }
      }
    }
    for (const CategoryAliasRow& row : kCategoryAliases)
      categories[static_cast<std::size_t>(row.tab)] = Split(row.aliases);
  }
};

const AliasIndex& Aliases() {
  static const AliasIndex index;
  return index;
}

bool IsLetter(char32_t c) {
  return c >= U'a' && c <= U'z';
}

}  // namespace

char32_t FirstFolded(std::string_view text) {
  for (std::size_t k = 0; k < text.size(); ++k) {
    const auto c = static_cast<unsigned char>(text[k]);
    if (c >= 0x80) {
      const std::u32string rest = FoldName(text.substr(k));
      return rest.empty() ? 0 : rest.front();
    }
    if (IsBlank(c)) continue;
    return c >= 'A' && c <= 'Z' ? static_cast<char32_t>(c - 'A' + 'a') : c;
  }
  return 0;
}

bool FoldsToNothing(std::string_view text) {
  const std::u32string decoded = DecodeUtf8(text);
  return std::all_of(decoded.begin(), decoded.end(), IsBlank);
}

std::u32string FoldName(std::string_view text) {
  std::u32string folded;
  folded.reserve(text.size());
  bool pendingBlank = false;
  // Most names are plain ASCII: read them without decoding.
  const bool ascii = IsAscii(text);
  const std::u32string decoded = ascii ? std::u32string() : DecodeUtf8(text);
  const std::size_t count = ascii ? text.size() : decoded.size();
  for (std::size_t k = 0; k < count; ++k) {
    const char32_t c = ascii ? static_cast<char32_t>(text[k]) : decoded[k];
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
    if (c < 0x80) {
      folded += c;
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

std::u32string SingularName(std::u32string_view folded) {
  std::u32string singular;
  std::size_t start = 0;
  while (start <= folded.size()) {
    std::size_t end = folded.find(U' ', start);
    if (end == std::u32string_view::npos) end = folded.size();
    std::u32string word(folded.substr(start, end - start));
    const bool lettersOnly = std::all_of(word.begin(), word.end(), IsLetter);
    const auto endsWith = [&word](std::u32string_view tail) {
      return word.size() >= tail.size() &&
             word.compare(word.size() - tail.size(), tail.size(), tail) == 0;
    };
    if (word == U"feet") {
      word = U"foot";
    } else if (lettersOnly && word.size() >= 4 && !endsWith(U"ss")) {
      if (endsWith(U"ches") || endsWith(U"shes") || endsWith(U"xes")) {
        word.resize(word.size() - 2);
      } else if (endsWith(U"s")) {
        word.pop_back();
      }
    }
    if (!singular.empty()) singular += U' ';
    singular += word;
    start = end + 1;
  }
  return singular;
}

std::span<const std::string_view> UnitAliases(int tab, UnitList list, int position) {
  if (tab < 0 || tab >= kCategoryCount || position < 0) return {};
  const auto& lines =
      Aliases().units[static_cast<std::size_t>(tab)][static_cast<std::size_t>(list)];
  if (static_cast<std::size_t>(position) >= lines.size()) return {};
  return lines[static_cast<std::size_t>(position)];
}

std::span<const std::string_view> CategoryAliases(int tab) {
  if (tab < 0 || tab >= kCategoryCount) return {};
  return Aliases().categories[static_cast<std::size_t>(tab)];
}

std::vector<UnitHit> SearchUnits(std::string_view query) {
  const std::u32string folded = FoldName(query);
  std::vector<UnitHit> prefixes;
  std::vector<UnitHit> within;
  if (folded.empty()) return prefixes;
  for (int tab = 0; tab < kCategoryCount; ++tab) {
    for (const UnitList list : {UnitList::From, UnitList::To}) {
      // Only the kitchen tab has a to-list of its own.
      if (list == UnitList::To && tab != kKitchenTab) continue;
      const bool from = list == UnitList::From;
      const auto french = from ? FromList(tab, Language::French) : ToList(tab, Language::French);
      const auto english = from ? FromList(tab, Language::English) : ToList(tab, Language::English);
      for (std::size_t position = 0; position < french.size(); ++position) {
        const int p = static_cast<int>(position);
        if (tab == kKitchenTab && from && (position == 0 || FoldsToNothing(french[position])))
          continue;  // the food list's heading and separators
        std::vector<std::string_view> texts{french[position], english[position],
                                            from ? UnitSymbol(tab, p) : ToListSymbol(tab, p)};
        for (const std::string_view alias : UnitAliases(tab, list, p)) texts.push_back(alias);
        std::optional<UnitHit> contains;
        bool found = false;
        for (const std::string_view text : texts) {
          if (text.empty()) continue;
          const std::u32string candidate = FoldName(text);
          const std::size_t at = candidate.find(folded);
          if (at == 0) {
            prefixes.push_back({tab, list, p, text, true});
            found = true;
            break;
          }
          if (at != std::u32string::npos && !contains)
            contains = UnitHit{tab, list, p, text, false};
        }
        if (!found && contains) within.push_back(*contains);
      }
    }
  }
  prefixes.insert(prefixes.end(), within.begin(), within.end());
  return prefixes;
}

}  // namespace vaneko::catalogue
