// Tab 11, power.
// Names are shown exactly as written here, misspellings and trailing blanks included; the
// position of a row is the unit's position in both lists of the tab.
#pragma once

#include "catalogue/bilingual_name.h"

namespace vaneko::catalogue {

// French name, English name; one row per unit, in list order.
inline constexpr BilingualName kPowerUnits[] = {
    {"Calories (IT) par Heure", "Calories (IT) per Hour"},               // 0
    {"Calories (IT) par Minute", "Calories (IT) per Minute"},            // 1
    {"Calories (IT) par Seconde", "Calories (IT) per Second"},           // 2
    {"Calories (Th) par Heure", "Calories (Th) per Heure"},              // 3
    {"Calories (Th) par Minute", "Calories (Th) per Minute"},            // 4
    {"Calories (Th) par Seconde", "Calories (Th) per Second"},           // 5
    {"Cheval Vapeur", "HorsePower"},                                     // 6
    {"Cheval Vapeur Métrique", "HorsePower Métric"},                     // 7
    {"Joules par Heure", "Joules per Hour"},                             // 8
    {"Joules par Minute", "Joules per Minute"},                          // 9
    {"Joules par Seconde", "Joules per Second"},                         // 10
    {"KiloCalories (IT) par Heure", "KiloCalories (IT) per Hour"},       // 11
    {"KiloCalories (IT) par Minute", "KiloCalories (IT) per Minute"},    // 12
    {"KiloCalories (IT) par Seconde", "KiloCalories (IT) per Second"},   // 13
    {"KiloCalories (Th) par Heure", "KiloCalories (Th) per Hour"},       // 14
    {"KiloCalories (Th) par Minute", "KiloCalories (Th) per Minute"},    // 15
    {"KiloCalories (Th) par Seconde", "KiloCalories (Th) per Seconde"},  // 16
    {"Watt", "Watt"},                                                    // 17
    {"Kilwatt", "Kilwatt"},                                              // 18
    {"Megawatt", "Megawatt"},                                            // 19
    {"Gigawatt", "Gigawatt"},                                            // 20
};

}  // namespace vaneko::catalogue
