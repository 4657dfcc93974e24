// Tab 3, area: metric and imperial surfaces.
// Names are shown exactly as written here, misspellings and trailing blanks included; the
// position of a row is the unit's position in both lists of the tab.
#pragma once

#include "catalogue/bilingual_name.h"

namespace vaneko::catalogue {

// French name, English name; one row per unit, in list order.
inline constexpr BilingualName kAreaUnits[] = {
    {"Centimètre Carré", "Square Centimetre"},  // 0
    {"Mètre Carré", "Square Metre"},            // 1
    {"Kilomètre Carré", "Square Kilometre"},    // 2
    {"Pouce Carré", "Square Inch"},             // 3
    {"Pied Carré", "Square Foot"},              // 4
    {"Verge Carré", "Square Yard"},             // 5
    {"Mile Carré", "Square Mile"},              // 6
    {"Acre", "Acre"},                           // 7
    {"Hectare", "Hectare"},                     // 8
    {"Arès", "Ares"},                           // 9
    {"Scare Rods", "Scare Rods"},               // 10
};

}  // namespace vaneko::catalogue
