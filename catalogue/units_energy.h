// Tab 10, energy: heat, work and electrical energy, sized in joules. The electron-volt units use
// the program's electron volt of 1.60206E-19 J, the horsepower units the horsepower of 746 W,
// "Kilogram Metre" the standard gravity.
// Names are shown exactly as written here, misspellings and trailing blanks included; the
// position of a row is the unit's position in both lists of the tab.
#pragma once

#include "catalogue/unit_rows.h"

namespace vaneko::catalogue::unit_tables {

// French and English names, size in joules, no registry type, symbol; in list order.
inline constexpr UnitRow kEnergyUnits[] = {
    {{"British Termal Units(IT)", "British Termal Units(IT)"}, kBtuIt, {}, "Btu (IT)"},
    {{"BTU(Mean)", "BTU(Mean)"}, kBtuMean, {}, "Btu (mean)"},
    {{"BTU(Termo-Chemical)", "BTU(Termo-Chemical)"}, kBtuTh, {}, "Btu (th)"},
    {{"Calorie 15°C", "Calorie 15°C"}, kCalorie15, {}, "cal₁₅"},
    {{"Calorie 20°C", "Calorie 20°C"}, kCalorie20, {}, "cal₂₀"},
    {{"Calorie (IT)", "Calorie (IT)"}, kCalorieIt, {}, "cal (IT)"},
    {{"Calorie (Mean)", "Calorie (Mean)"}, kCalorieMean, {}, "cal (mean)"},
    {{"Calorie (Termo-Chemical)", "Calorie (Termo-Chemical)"}, kCalorieTh, {}, "cal (th)"},
    {{"Electron Volt", "Electron Volt"}, kElectronVolt, {}, "eV"},
    {{"Erg", "Erg"}, kErg, {}, "erg"},
    {{"Giga-Electron Volt", "Giga-Electron Volt"}, kGiga* kElectronVolt, {}, "GeV"},
    {{"Gigajoules", "Gigajoules"}, kGiga* kJoule, {}, "GJ"},
    {{"Horsepower Hour", "Horsepower Hour"}, kHorsepower* kHour, {}, "hp·h"},
    {{"Horsepower Minute", "Horsepower Minute"}, kHorsepower* kMinute, {}, "hp·min"},
    {{"Horsepower Second", "Horsepower Second"}, kHorsepower* kSecond, {}, "hp·s"},
    {{"Joule", "Joule"}, kJoule, {}, "J"},
    {{"Kilocalorie 15°C ", "Kilocalorie 15°C "}, kKilo* kCalorie15, {}, "kcal₁₅"},
    {{"Kilocalorie 20°C", "Kilocalorie 20°C"}, kKilo* kCalorie20, {}, "kcal₂₀"},
    {{"Kilocalorie (IT)", "Kilocalorie (IT)"}, kKilo* kCalorieIt, {}, "kcal (IT)"},
    {{"Kilocalorie (Mean)", "Kilocalorie (Mean)"}, kKilo* kCalorieMean, {}, "kcal (mean)"},
    {{"Kilocalorie (Termo-Chemical)", "Kilocalorie (Termo-Chemical)"},
     kKilo* kCalorieTh,
     {},
     "kcal (th)"},
    {{"Kilo-Electron Volt", "Kilo-Electron Volt"}, kKilo* kElectronVolt, {}, "keV"},
    {{"Kilogram Metre", "Kilogram Metre"}, kKilogramForce* kMetre, {}, "kgf·m"},
    {{"Kilojoule", "Kilojoule"}, kKilo* kJoule, {}, "kJ"},
    {{"Kilowatt Heure", "Kilowatt Hour"}, kKilo* kWatt* kHour, {}, "kWh"},
    {{"Kilowatt Minute", "Kilowatt Minute"}, kKilo* kWatt* kMinute, {}, "kW·min"},
    {{"Kilowatt Seconde", "Kilowatt Second"}, kKilo* kWatt* kSecond, {}, "kW·s"},
    {{"Mega-Electron Volt", "Mega-Electron Volt"}, kMega* kElectronVolt, {}, "MeV"},
    {{"Megajoule", "Megajoule"}, kMega* kJoule, {}, "MJ"},
    {{"Millijoule", "Millijoule"}, kMilli* kJoule, {}, "mJ"},
    {{"Newton Metre", "Newton Meter"}, kNewton* kMetre, {}, "N·m"},
    {{"Thermie", "Thermie"}, kThermie, {}, "th"},
    {{"Therm (IT)", "Therm (IT)"}, kThermIt, {}, "thm (IT)"},
    {{"Therm (Mean)", "Therm (Mean)"}, kThermMean, {}, "thm (mean)"},
    {{"Therm (Termo-Chemical)", "Therm (Termo-Chemical)"}, kThermTh, {}, "thm (th)"},
    {{"Watt Heure", "Watt Hour"}, kWatt* kHour, {}, "Wh"},
    {{"Watt Minute", "Watt Minute"}, kWatt* kMinute, {}, "W·min"},
    {{"Watt Seconde", "Watt Second"}, kWatt* kSecond, {}, "W·s"},
};

}  // namespace vaneko::catalogue::unit_tables
