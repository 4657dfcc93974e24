// Tab 15, torque.
// Names are shown exactly as written here, misspellings and trailing blanks included; the
// position of a row is the unit's position in both lists of the tab.
#pragma once

#include "catalogue/bilingual_name.h"

namespace vaneko::catalogue {

// French name, English name; one row per unit, in list order.
inline constexpr BilingualName kTorqueUnits[] = {
    {"Dyne Centimètre", "Dyne Centimetre"},     // 0
    {"Gramme Centimètre", "Grams Centimetre"},  // 1
    {"Kilogramme Mètre", "Kilograms Metre"},    // 2
    {"Newton Mètre", "Newton Metre"},           // 3
    {"Once Pouce", "Ounce Inche"},              // 4
    {"Livre Pied", "Pound Feet"},               // 5
    {"Livre Pouce", "Pound Inche"},             // 6
    {"Poundal Pied", "Poundal Feet"},           // 7
    {"Ton (short) Pied", "Ton (short) Feet"},   // 8
    {"Ton Pied", "Ton Feet"},                   // 9
    {"Tonne Mètre", "Tonne Metre"},             // 10
};

}  // namespace vaneko::catalogue
