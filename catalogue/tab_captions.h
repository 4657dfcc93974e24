// The captions of the 18 category tabs, in tab order. The tab index is the category's identity
// for the unit lists and the conversion dispatch.
#pragma once

#include "catalogue/bilingual_name.h"

namespace vaneko::catalogue {

// French caption, English caption; one row per tab.
inline constexpr BilingualName kTabCaptions[] = {
    {"Température", "Temperature"},      // 0
    {"Distance", "Distance"},            // 1
    {"Masse", "Mass"},                   // 2
    {"Surface", "Area"},                 // 3
    {"Volume Liquide", "Fluid Volume"},  // 4
    {"Gramme-Volume", "Gramme-Volume"},  // 5
    {"Pression", "Pressure"},            // 6
    {"Vitesse", "Velocyty"},             // 7
    {"Accélération", "Acceleration"},    // 8
    {"Force", "Force"},                  // 9
    {"Énergie", "Energy"},               // 10
    {"Pouvoir", "Power"},                // 11
    {"Essence", "Fuel"},                 // 12
    {"Débit", "Flow"},                   // 13
    {"Débit (Masse)", "Flow (Mass)"},    // 14
    {"Torque", "Torque"},                // 15
    {"Radioactivité", "Radioactivity"},  // 16
    {"Angles", "Angles"},                // 17
};

}  // namespace vaneko::catalogue
