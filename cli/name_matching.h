// Matching the names people type against the names of the lists: whatever the case, the accents
// and the blanks, in either language, or by symbol; and, when nothing matches, the names that
// come closest.
#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/catalogue.h"

namespace vaneko::cli {

// `text` in lower case, without accents (é -> e, ç -> c, œ -> oe, ß -> ss...), typographic
// apostrophes as "'", runs of blanks as one blank and no blank at either end. Works on UTF-8
// without a locale; characters it does not know (°, ^, Greek letters) stay as they are.
std::u32string FoldName(std::string_view text);

// The Levenshtein distance between two texts, counted in code points.
std::size_t EditDistance(std::u32string_view a, std::u32string_view b);

// One line of a list as the matcher sees it: its name in both languages and its symbol
// (empty when it has none). Lines that are not matchable (headings, blank separators) keep
// their position but are never found by name.
struct NamedLine {
  std::string_view french;
  std::string_view english;
  std::string_view symbol;
  bool matchable = true;

  std::string_view Name(catalogue::Language language) const {
    return language == catalogue::Language::French ? french : english;
  }
};

// What the messages call the lines looked up ("unit", "food", "category") and where
// (" in Distance", or nothing).
struct LookupContext {
  std::string_view kind;
  std::string where;
  std::string listCommand;  // the call that lists every line, suggested when nothing is close
};

// The position of the line that `text` names. An exact name wins over a folded one, a name in
// `preferred` over one in the other language, and a name over a symbol:
//   exact name (preferred, then other language), exact symbol,
//   folded name (preferred, then other language), folded symbol.
// The first of these levels that names any line decides; two lines there make the name
// ambiguous. Throws UsageError for an ambiguous or unknown name, listing the candidates or the
// closest names.
int MatchName(std::string_view text, std::span<const NamedLine> lines,
              catalogue::Language preferred, const LookupContext& context);

}  // namespace vaneko::cli
