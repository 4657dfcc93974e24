// The converter's catalogue: the 18 category captions and, for every category, one table with a
// row per unit (names in French and English, exact size, registry type, symbol). The lists, the
// symbols and the sizes the converter uses all come from those rows. Constant data; nothing
// changes it at run time.
#pragma once

#include <span>
#include <string_view>

#include "catalogue/unit_rows.h"

namespace vaneko::catalogue {

inline constexpr int kCategoryCount = 18;
inline constexpr int kTemperatureTab = 0;
inline constexpr int kKitchenTab = 5;  // "Gramme-Volume": foods in grams to kitchen measures

enum class Language : int { French = 0, English = 1 };

// The caption of tab `tab` (0 to 17) in `language`.
std::string_view TabCaption(int tab, Language language);

// The from-list (Index1) of `tab` in `language`. For every tab but 5 the to-list is the same.
std::span<const std::string_view> FromList(int tab, Language language);
// The to-list (Index2) of `tab` in `language`.
std::span<const std::string_view> ToList(int tab, Language language);

// The usual symbol of the unit at `position` of the from-list of `tab` ("km", "°F", "gal (US)"),
// or empty when the unit has none or there is no such position. The foods of tab 5 have none.
std::string_view UnitSymbol(int tab, int position);
// The same for the to-list: the same symbols as UnitSymbol on every tab but 5, whose to-list
// holds the kitchen measures ("mL", "tsp (US)", ...).
std::string_view ToListSymbol(int tab, int position);

// How the pairs of `tab` convert; Sized for a tab outside 0 to 17 (which has no rows).
CategoryKind KindOf(int tab);
// The rows of a sized category, in list order; empty for tabs 0 and 5 and outside 0 to 17.
std::span<const UnitRow> UnitRows(int tab);
// The rows of tab 0, in list order.
std::span<const TemperatureRow> TemperatureRows();
// The from-list rows of tab 5 (foods, heading and separators) and its to-list rows (measures).
std::span<const FoodRow> FoodRows();
std::span<const MeasureRow> MeasureRows();

}  // namespace vaneko::catalogue
