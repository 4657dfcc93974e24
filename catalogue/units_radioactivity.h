// Tab 16, radioactivity.
// Names are shown exactly as written here, misspellings and trailing blanks included; the
// position of a row is the unit's position in both lists of the tab.
#pragma once

#include "catalogue/bilingual_name.h"

namespace vaneko::catalogue {

// French name, English name; one row per unit, in list order.
inline constexpr BilingualName kRadioactivityUnits[] = {
    {"Becquerel", "Becquerel"},          // 0
    {"Curie", "Curie"},                  // 1
    {"Gigabecquerel", "Gigabecquerel"},  // 2
    {"Kilobecquerel", "Kilobecquerel"},  // 3
    {"Megabecquerel", "Megabecquerel"},  // 4
    {"Milicurie", "Milicurie"},          // 5
};

}  // namespace vaneko::catalogue
