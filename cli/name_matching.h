// Matching the names people type against the names of the lists: whatever the case, the accents
// and the blanks, in either language, or by symbol; and, when nothing matches, the names that
// come closest.
#pragma once

#include <cstddef>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/catalogue.h"
#include "catalogue/unit_names.h"

namespace vaneko::cli {

// Folding and distances are the catalogue's, shared with the window's unit finder.
using catalogue::EditDistance;
using catalogue::FoldName;

// One line of a list as the matcher sees it: its name in both languages and its symbol
// (empty when it has none). Lines that are not matchable (headings, blank separators) keep
// their position but are never found by name.
struct NamedLine {
  std::string_view french;
  std::string_view english;
  std::string_view symbol;
  bool matchable = true;
  std::span<const std::string_view> aliases = {};  // the other names people type for it

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
  // Further suggestions from elsewhere (the units of other categories), already described.
  std::function<std::vector<std::string>()> elsewhere = {};
};

// How a name fits a line: not at all, several lines alike, through an alias, or by one of the
// line's own names or its symbol.
enum class Fit { kNone, kAmbiguous, kAlias, kDirect };

struct LineMatch {
  Fit fit = Fit::kNone;
  int position = -1;            // the line, for kAlias and kDirect
  std::vector<int> candidates;  // the lines alike, for kAmbiguous
};

// The line that `text` names, by the levels of MatchName, then by a name or alias in the
// singular or plural, then by an alias (exact, then folded, then singular); never throws.
LineMatch FindLine(std::string_view text, std::span<const NamedLine> lines,
                   catalogue::Language preferred);

// The lines worth suggesting for an unknown `text`: those with a name, alias or symbol that
// starts with it, then those that contain it, then (with `nearSpellings`) the nearest
// spellings; at most `most`.
std::vector<int> Suggestions(std::string_view text, std::span<const NamedLine> lines,
                             std::size_t most, bool nearSpellings);

// "'Name' (symbol)", as the messages show a line.
std::string Describe(const NamedLine& line, catalogue::Language language);
std::string JoinNames(const std::vector<std::string>& parts, std::string_view last);

// The position of the line that `text` names. An exact name wins over a folded one, a name in
// `preferred` over one in the other language, and a name over a symbol:
//   exact name (preferred, then other language), exact symbol,
//   folded name (preferred, then other language), folded symbol.
// The first of these levels that names any line decides; two lines there make the name
// ambiguous. Then plurals and aliases (FindLine). Throws UsageError for an ambiguous or unknown
// name, listing the candidates or the closest names.
int MatchName(std::string_view text, std::span<const NamedLine> lines,
              catalogue::Language preferred, const LookupContext& context);

// The lines of `list` of `tab`, with their aliases.
std::vector<NamedLine> ListLines(int tab, catalogue::UnitList list);

// The units of categories other than `tab` that `text` is the start or a part of, described
// with their category, for a message's suggestions.
std::vector<std::string> UnitsElsewhere(std::string_view text, int tab,
                                        catalogue::Language preferred);

}  // namespace vaneko::cli
