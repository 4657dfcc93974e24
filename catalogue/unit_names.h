// The names people type for units and categories: folding (case, accents, blanks), the other
// names of every unit and category beside the shown ones (catalogue/unit_aliases.h), singular
// and plural taken alike, and a search of every category's units by what was typed.
#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/catalogue.h"

namespace vaneko::catalogue {

// `text` in lower case, without accents (é -> e, ç -> c, œ -> oe, ß -> ss...), typographic
// apostrophes as "'", runs of blanks as one blank and no blank at either end. Works on UTF-8
// without a locale; characters it does not know (°, ^, Greek letters) stay as they are.
std::u32string FoldName(std::string_view text);
// The first character of FoldName(text), 0 when it folds to nothing; found without folding the
// whole text where it starts in ASCII.
char32_t FirstFolded(std::string_view text);

// Whether `text` folds to nothing: it holds only blanks (a blank line of a list).
bool FoldsToNothing(std::string_view text);

// A folded name with each word of four letters or more in the singular ("inches" -> "inch",
// "metres" -> "metre", "feet" -> "foot"), so that a name and its plural compare equal. Applied
// to names and aliases, never to symbols ("ms" is not "m").
std::u32string SingularName(std::u32string_view folded);

// The Levenshtein distance between two texts, counted in code points.
std::size_t EditDistance(std::u32string_view a, std::u32string_view b);

// Which list of a tab a unit is in: they differ on the kitchen tab only (foods, measures).
enum class UnitList : int { From = 0, To = 1 };

// The other names of the unit at `position` of `list` of `tab`, in both languages: correct
// spellings, abbreviations, symbols in ASCII. Empty when it has none.
std::span<const std::string_view> UnitAliases(int tab, UnitList list, int position);
// The other names of category `tab` ("Speed", "Weight", "Temp").
std::span<const std::string_view> CategoryAliases(int tab);

// One unit found by SearchUnits: where it is, and the text of it that matched.
struct UnitHit {
  int tab;
  UnitList list;
  int position;
  std::string_view matched;  // the name, alias or symbol that starts with or holds the query
  bool prefix;               // the matched text starts with the query
};

// The units of every category that `query` names the start of, or a part of, by name in
// either language, alias or symbol, each unit once: those that start with it first, then those
// that contain it, each group in tab and list order. An empty query finds nothing.
std::vector<UnitHit> SearchUnits(std::string_view query);

}  // namespace vaneko::catalogue
