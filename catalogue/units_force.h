// Tab 9, force.
// Names are shown exactly as written here, misspellings and trailing blanks included; the
// position of a row is the unit's position in both lists of the tab.
#pragma once

#include "catalogue/bilingual_name.h"

namespace vaneko::catalogue {

// French name, English name; one row per unit, in list order.
inline constexpr BilingualName kForceUnits[] = {
    {"Dyne", "Dyne"},                         // 0
    {"Giganewton", "Giganewton"},             // 1
    {"Gramme Force", "Gram Force"},           // 2
    {"Joule par Mètre", "Joule per Mètre"},   // 3
    {"Kilogramme Force", "Kilogram Force"},   // 4
    {"Kilonewton", "Kilonewton"},             // 5
    {"Meganewton", "Meganewton"},             // 6
    {"Milinewton", "Milinewton"},             // 7
    {"Newton", "Newton"},                     // 8
    {"Once Force", "Ounce Force"},            // 9
    {"Poundals", "Poundals"},                 // 10
    {"Livre Force", "Pound Force"},           // 11
    {"Tonne Métrique force", "Tonne Force"},  // 12
    {"Tonne UK Force", "Ton UK Force"},       // 13
    {"Tonne US Force", "Ton US Force"},       // 14
};

}  // namespace vaneko::catalogue
