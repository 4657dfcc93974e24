// Tab 6, pressure.
// Names are shown exactly as written here, misspellings and trailing blanks included; the
// position of a row is the unit's position in both lists of the tab.
#pragma once

#include "catalogue/bilingual_name.h"

namespace vaneko::catalogue {

// French name, English name; one row per unit, in list order.
inline constexpr BilingualName kPressureUnits[] = {
    {"Atmosphère", "Atmosphere"},                                    // 0
    {"Bar", "Bar"},                                                  // 1
    {"Milibar", "Milibar"},                                          // 2
    {"Centimètre de Mercure à 0°C", "Centimetre of Mercury à 0°C"},  // 3
    {"Centimètre d'eau à 4°C", "Centimetre of Wayer à 4°C"},         // 4
    {"Pouce de Mercure à 0°C", "Inche of Mercury à 0°C"},            // 5
    {"Pouce d'eau à 4°C", "Inche of Wayer à 4°C"},                   // 6
    {"Dyne par Centimètre^2", "Dyne per Centimètre^2"},              // 7
    {"Dyne par Mètre^2", "Dyne per Metre^2"},                        // 8
    {"Gramme par Centimètre^2", "Gram per Centimetre^2"},            // 9
    {"Gramme par Mètre^2", "Gram per Metre^2"},                      // 10
    {"Kilogramme par Centimètre^2", "Kilogram per Centimetre^2"},    // 11
    {"Kilogramme par Mètre^2", "Kilogram per Metre^2"},              // 12
    {"Kilopascal", "Kilopascal"},                                    // 13
    {"Pascal", "Pascal"},                                            // 14
    {"Newton par Mètre^2", "Newton per Metre^2"},                    // 15
    {"Livre par Pied^2", "Pound per Pied^2"},                        // 16
    {"Livre par Pouce^2", "Pound per Inche^2"},                      // 17
    {"PSI", "PSI"},                                                  // 18
    {"Tonne par Centimètre^2", "Tonne per Centimetre^2"},            // 19
    {"Tonne par Mètre^2", "Tonne per Metre^2"},                      // 20
    {"Tonne(UK) par Pied^2", "Ton(UK) per Pied^2"},                  // 21
    {"Tonne(UK) par Pouce^2", "Ton(UK) per Inche^2"},                // 22
    {"Tonne(US) par Pied^2", "Ton(US) per Pied^2"},                  // 23
    {"Tonne(US) par Pouce^2", "Ton(US) per Inche^2"},                // 24
    {"Torr", "Torr"},                                                // 25
};

}  // namespace vaneko::catalogue
