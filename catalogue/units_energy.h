// Tab 10, energy.
// Names are shown exactly as written here, misspellings and trailing blanks included; the
// position of a row is the unit's position in both lists of the tab.
#pragma once

#include "catalogue/bilingual_name.h"

namespace vaneko::catalogue {

// French name, English name; one row per unit, in list order.
inline constexpr BilingualName kEnergyUnits[] = {
    {"British Termal Units(IT)", "British Termal Units(IT)"},          // 0
    {"BTU(Mean)", "BTU(Mean)"},                                        // 1
    {"BTU(Termo-Chemical)", "BTU(Termo-Chemical)"},                    // 2
    {"Calorie 15°C", "Calorie 15°C"},                                  // 3
    {"Calorie 20°C", "Calorie 20°C"},                                  // 4
    {"Calorie (IT)", "Calorie (IT)"},                                  // 5
    {"Calorie (Mean)", "Calorie (Mean)"},                              // 6
    {"Calorie (Termo-Chemical)", "Calorie (Termo-Chemical)"},          // 7
    {"Electron Volt", "Electron Volt"},                                // 8
    {"Erg", "Erg"},                                                    // 9
    {"Giga-Electron Volt", "Giga-Electron Volt"},                      // 10
    {"Gigajoules", "Gigajoules"},                                      // 11
    {"Horsepower Hour", "Horsepower Hour"},                            // 12
    {"Horsepower Minute", "Horsepower Minute"},                        // 13
    {"Horsepower Second", "Horsepower Second"},                        // 14
    {"Joule", "Joule"},                                                // 15
    {"Kilocalorie 15°C ", "Kilocalorie 15°C "},                        // 16
    {"Kilocalorie 20°C", "Kilocalorie 20°C"},                          // 17
    {"Kilocalorie (IT)", "Kilocalorie (IT)"},                          // 18
    {"Kilocalorie (Mean)", "Kilocalorie (Mean)"},                      // 19
    {"Kilocalorie (Termo-Chemical)", "Kilocalorie (Termo-Chemical)"},  // 20
    {"Kilo-Electron Volt", "Kilo-Electron Volt"},                      // 21
    {"Kilogram Metre", "Kilogram Metre"},                              // 22
    {"Kilojoule", "Kilojoule"},                                        // 23
    {"Kilowatt Heure", "Kilowatt Hour"},                               // 24
    {"Kilowatt Minute", "Kilowatt Minute"},                            // 25
    {"Kilowatt Seconde", "Kilowatt Second"},                           // 26
    {"Mega-Electron Volt", "Mega-Electron Volt"},                      // 27
    {"Megajoule", "Megajoule"},                                        // 28
    {"Millijoule", "Millijoule"},                                      // 29
    {"Newton Metre", "Newton Meter"},                                  // 30
    {"Thermie", "Thermie"},                                            // 31
    {"Therm (IT)", "Therm (IT)"},                                      // 32
    {"Therm (Mean)", "Therm (Mean)"},                                  // 33
    {"Therm (Termo-Chemical)", "Therm (Termo-Chemical)"},              // 34
    {"Watt Heure", "Watt Hour"},                                       // 35
    {"Watt Minute", "Watt Minute"},                                    // 36
    {"Watt Seconde", "Watt Second"},                                   // 37
};

}  // namespace vaneko::catalogue
