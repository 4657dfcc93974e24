// Tab 1, distance: imperial, metric and astronomical lengths.
// Names are shown exactly as written here, misspellings and trailing blanks included; the
// position of a row is the unit's position in both lists of the tab.
#pragma once

#include "catalogue/bilingual_name.h"

namespace vaneko::catalogue {

// French name, English name; one row per unit, in list order.
inline constexpr BilingualName kDistanceUnits[] = {
    {"Pouce", "Inche"},                         // 0
    {"Main", "Hands"},                          // 1
    {"Pied", "Feet"},                           // 2
    {"Coudée", "Cubit"},                        // 3
    {"Paces", "Paces"},                         // 4
    {"Verge", "Yard"},                          // 5
    {"Brasse", "Fathom"},                       // 6
    {"Chaîne", "Chain"},                        // 7
    {"Furlong", "Furlong"},                     // 8
    {"Mile", "Mile"},                           // 9
    {"Mile Nautique", "Admiralty Mile"},        // 10
    {"Kilomètre", "Kilometre"},                 // 11
    {"Mètre", "Metre"},                         // 12
    {"Centimètre", "Centimetre"},               // 13
    {"Unité Astronomique", "Astromical Unit"},  // 14
    {"Année Lumière", "Light Year"},            // 15
    {"Parsec", "Parsec"},                       // 16
};

}  // namespace vaneko::catalogue
