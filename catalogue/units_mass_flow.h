// Tab 14, mass flow.
// Names are shown exactly as written here, misspellings and trailing blanks included; the
// position of a row is the unit's position in both lists of the tab.
#pragma once

#include "catalogue/bilingual_name.h"

namespace vaneko::catalogue {

// French name, English name; one row per unit, in list order.
inline constexpr BilingualName kMassFlowUnits[] = {
    {"Grammes per Hour", "Grams per Hour"},              // 0
    {"Grammes per Minute", "Grams per Minute"},          // 1
    {"Grammes per Second", "Grams per Second"},          // 2
    {"Kilogrammes per Hour", "Kilograms per Hour"},      // 3
    {"Kilogrammes per Minute", "Kilograms per Minute"},  // 4
    {"Kilogrammes per Second", "Kilograms per Second"},  // 5
    {"Onces per Hour", "Ounces per Hour"},               // 6
    {"Onces per Minute", "Ounces per Minute"},           // 7
    {"Onces per Second", "Ounces per Second"},           // 8
    {"Livres per Hour", "Pounds per Hour"},              // 9
    {"Livres per Minute", "Pounds per Minute"},          // 10
    {"Livres per Second", "Pounds per Second"},          // 11
    {"Slugs per Hour", "Slugs per Hour"},                // 12
    {"Slugs per Minute", "Slugs per Minute"},            // 13
    {"Slugs per Second", "Slugs per Second"},            // 14
};

}  // namespace vaneko::catalogue
