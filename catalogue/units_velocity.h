// Tab 7, velocity.
// Names are shown exactly as written here, misspellings and trailing blanks included; the
// position of a row is the unit's position in both lists of the tab.
#pragma once

#include "catalogue/bilingual_name.h"

namespace vaneko::catalogue {

// French name, English name; one row per unit, in list order.
inline constexpr BilingualName kVelocityUnits[] = {
    {"Centimetre par Heure", "Centimeter per Hour"},      // 0
    {"Centimetre par Minute", "Centimeter per Minute"},   // 1
    {"Centimetre par Seconde", "Centimeter per Second"},  // 2
    {"Pied par Heure", "Feet per Hour"},                  // 3
    {"Pied par Minute", "Feet per Minute"},               // 4
    {"Pied par Seconde", "Feet per Second"},              // 5
    {"Pouce par Heure", "Inche per Hour"},                // 6
    {"Pouce par Minute", "Inche per Minute"},             // 7
    {"Pouce par Seconde", "Inche per Second"},            // 8
    {"Kilomètre par Heure", "Kilometre per Hour"},        // 9
    {"Kilomètre par Minute", "Kilometre per Minute"},     // 10
    {"Kilomètre par Seconde", "Kilometre per Second"},    // 11
    {"Neaud(UK)", "Knot(UK)"},                            // 12
    {"Neaud(US)", "Knot(US)"},                            // 13
    {"Mach", "Mach"},                                     // 14
    {"Mètre par Heure", "Metre per Hour"},                // 15
    {"Mètre par Minute", "Metre per Minute"},             // 16
    {"Mètre par Seconde", "Metre per Second"},            // 17
    {"Mile par Heure", "Mile per Hour"},                  // 18
    {"Mile par Minute", "Mile per Minute"},               // 19
    {"Mile par Seconde", "Mile per Second"},              // 20
    {"Vitesse de la Lumière", "Speed of Light"},          // 21
    {"Vitesse du Son", "Speed of Sound"},                 // 22
};

}  // namespace vaneko::catalogue
