// Tab 13, volume flow.
// Names are shown exactly as written here, misspellings and trailing blanks included; the
// position of a row is the unit's position in both lists of the tab.
#pragma once

#include "catalogue/bilingual_name.h"

namespace vaneko::catalogue {

// French name, English name; one row per unit, in list order.
inline constexpr BilingualName kVolumeFlowUnits[] = {
    {"Centimetre Cube par Heure", "Cubic Centimeter per Hour"},         // 0
    {"Centimetre Cube par Minute", "Cubic Centimeter per Minute"},      // 1
    {"Centimetre Cube par Seconde", "Cubic Centimeter per Second"},     // 2
    {"Peid Cube par Hour", "Cubic Feet per Hour"},                      // 3
    {"Peid Cube par Minute", "Cubic Feet per Minute"},                  // 4
    {"Peid Cube par Seconde", "Cubic Feet per Second"},                 // 5
    {"Pouce Cube par Hour", "Cubic Inches per Hour"},                   // 6
    {"Pouce Cube par Minute", "Cubic Inches per Minute"},               // 7
    {"Pouce Cube par Seconde", "Cubic Inches per Second"},              // 8
    {"Metre Cube par Hour", "Cubic Metres per Hour"},                   // 9
    {"Metre Cube par Minute", "Cubic Metres per Minute"},               // 10
    {"Metre Cube par Seconde", "Cubic Metres per Second"},              // 11
    {"Verge Cube par Hour", "Cubic Yards per Hour"},                    // 12
    {"Verge Cube par Minute", "Cubic Yards per Minute"},                // 13
    {"Verge Cube par Seconde", "Cubic Yards per Second"},               // 14
    {"Once liquide (UK) par Hour", "Fluid Ounces (UK) per Hour"},       // 15
    {"Once liquide (UK) par Minute", "Fluid Ounces (UK) per Minute"},   // 16
    {"Once liquide (UK) par Seconde", "Fluid Ounces (UK) per Second"},  // 17
    {"Once liquide (US) par Hour", "Fluid Ounces (US) per Hour"},       // 18
    {"Once liquide (US) par Minute", "Fluid Ounces (US) per Minute"},   // 19
    {"Once liquide (US) par Seconde", "Fluid Ounces (US) per Second"},  // 20
    {"Gallons (UK) par Hour", "Gallons (UK) per Hour"},                 // 21
    {"Gallons (UK) par Minute", "Gallons (UK) per Minute"},             // 22
    {"Gallons (UK) par Seconde", "Gallons (UK) per Second"},            // 23
    {"Gallons (US) par Hour", "Gallons (US) per Hour"},                 // 24
    {"Gallons (US) par Minute", "Gallons (US) per Minute"},             // 25
    {"Gallons (US) par Seconde", "Gallons (US) per Second"},            // 26
    {"Kilolitres par Hour", "Kilolitres per Hour"},                     // 27
    {"Kilolitres par Minute", "Kilolitres per Minute"},                 // 28
    {"Kilolitres par Seconde", "Kilolitres per Second"},                // 29
    {"Litres par Hour", "Litres per Hour"},                             // 30
    {"Litres par Minute", "Litres per Minute"},                         // 31
    {"Litres par Seconde", "Litres per Second"},                        // 32
    {"Mililitres par Hour", "Mililitres per Hour"},                     // 33
    {"Mililitres par Minute", "Mililitres per Minute"},                 // 34
    {"Mililitres par Seconde", "Mililitres per Second"},                // 35
};

}  // namespace vaneko::catalogue
