// Tab 4, liquid volume: cubic measures and the US, UK and metric kitchen measures.
// Names are shown exactly as written here, misspellings and trailing blanks included; the
// position of a row is the unit's position in both lists of the tab.
#pragma once

#include "catalogue/bilingual_name.h"

namespace vaneko::catalogue {

// French name, English name; one row per unit, in list order.
inline constexpr BilingualName kLiquidVolumeUnits[] = {
    {"Centimètre Cube", "Cubic Centimetre"},             // 0
    {"Mètre Cube", "Cubic Metre"},                       // 1
    {"Kilomètre Cube", "Cubic Kilometre"},               // 2
    {"Litre", "Liter"},                                  // 3
    {"Mililitre", "Mililiter"},                          // 4
    {"Pouce Cube", "Cubic Inche"},                       // 5
    {"Pied Cube", "Cubic Foot"},                         // 6
    {"Verge Cube", "Cubic Yard"},                        // 7
    {"Mile Cube", "Cubic Mile"},                         // 8
    {"Acre-Feet", "Acre-Foot"},                          // 9
    {"Corde", "Cord"},                                   // 10
    {"Gallon Us", "Gallon Us"},                          // 11
    {"Gallon UK", "Gallon UK"},                          // 12
    {"Pinte Us", "Quart Us"},                            // 13
    {"Pinte UK", "Quart UK"},                            // 14
    {"Chopine Us", "Pint Us"},                           // 15
    {"Chopine UK", "Pint UK"},                           // 16
    {"Tasse US 8 oz", "Cup US 8 oz"},                    // 17
    {"Tasse UK 10 oz", "Cup UK 10 oz"},                  // 18
    {"Tasse Metrique", "Cup Metric"},                    // 19
    {"Once US", "Ounce Us"},                             // 20
    {"Once UK", "Ounce UK"},                             // 21
    {"Cuillère à table Us", "Tablespoon Us"},            // 22
    {"Cuillère à thé Us", "Teaspoon Us"},                // 23
    {"Cuillère à table UK", "Tablespoon UK"},            // 24
    {"Cuillère à thé UK", "Teaspoon UK"},                // 25
    {"Cuillère à Dessert Uk", "Dessertspoon UK"},        // 26
    {"Cuillère à Dessert Us", "Dessertspoon Us"},        // 27
    {"Cuillère à table Metrique", "Tablespoon Metric"},  // 28
    {"Cuillère à thé Metrique", "Teaspoon Metric"},      // 29
};

}  // namespace vaneko::catalogue
