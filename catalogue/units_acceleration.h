// Tab 8, acceleration.
// Names are shown exactly as written here, misspellings and trailing blanks included; the
// position of a row is the unit's position in both lists of the tab.
#pragma once

#include "catalogue/bilingual_name.h"

namespace vaneko::catalogue {

// French name, English name; one row per unit, in list order.
inline constexpr BilingualName kAccelerationUnits[] = {
    {"Centimetre par Seconde Carré", "Centimetre per Second Squared"},  // 0
    {"Pied par Seconde Carré", "Feet per Second Squared"},              // 1
    {"Gravité", "Gravity"},                                             // 2
    {"Pouce par Seconde Carré", "Inche per Second Squared"},            // 3
    {"Mètre par Seconde Carré", "Metre per Second Squared"},            // 4
};

}  // namespace vaneko::catalogue
