// Tab 11, power: heat per hour, minute and second, the two horsepowers and the watts, sized in
// watts.
// Names are shown exactly as written here, misspellings included; the position of a row is the
// unit's position in both lists of the tab.
#pragma once

#include "catalogue/unit_rows.h"

namespace vaneko::catalogue::unit_tables {

inline constexpr ExactSize kKilocalorieIt = kKilo * kCalorieIt;
inline constexpr ExactSize kKilocalorieTh = kKilo * kCalorieTh;

// French and English names, size in watts, no registry type, symbol; in list order.
inline constexpr UnitRow kPowerUnits[] = {
    {{"Calories (IT) par Heure", "Calories (IT) per Hour"},
     Per(kCalorieIt, kHour, kWatt),
     {},
     "cal (IT)/h"},
    {{"Calories (IT) par Minute", "Calories (IT) per Minute"},
     Per(kCalorieIt, kMinute, kWatt),
     {},
     "cal (IT)/min"},
    {{"Calories (IT) par Seconde", "Calories (IT) per Second"},
     Per(kCalorieIt, kSecond, kWatt),
     {},
     "cal (IT)/s"},
    {{"Calories (Th) par Heure", "Calories (Th) per Heure"},
     Per(kCalorieTh, kHour, kWatt),
     {},
     "cal (th)/h"},
    {{"Calories (Th) par Minute", "Calories (Th) per Minute"},
     Per(kCalorieTh, kMinute, kWatt),
     {},
     "cal (th)/min"},
    {{"Calories (Th) par Seconde", "Calories (Th) per Second"},
     Per(kCalorieTh, kSecond, kWatt),
     {},
     "cal (th)/s"},
    {{"Cheval Vapeur", "HorsePower"}, kHorsepower, {}, "hp"},
    {{"Cheval Vapeur Métrique", "HorsePower Métric"}, kMetricHorsepower, {}, "ch"},
    {{"Joules par Heure", "Joules per Hour"}, Per(kJoule, kHour, kWatt), {}, "J/h"},
    {{"Joules par Minute", "Joules per Minute"}, Per(kJoule, kMinute, kWatt), {}, "J/min"},
    {{"Joules par Seconde", "Joules per Second"}, Per(kJoule, kSecond, kWatt), {}, "J/s"},
    {{"KiloCalories (IT) par Heure", "KiloCalories (IT) per Hour"},
     Per(kKilocalorieIt, kHour, kWatt),
     {},
     "kcal (IT)/h"},
    {{"KiloCalories (IT) par Minute", "KiloCalories (IT) per Minute"},
     Per(kKilocalorieIt, kMinute, kWatt),
     {},
     "kcal (IT)/min"},
    {{"KiloCalories (IT) par Seconde", "KiloCalories (IT) per Second"},
     Per(kKilocalorieIt, kSecond, kWatt),
     {},
     "kcal (IT)/s"},
    {{"KiloCalories (Th) par Heure", "KiloCalories (Th) per Hour"},
     Per(kKilocalorieTh, kHour, kWatt),
     {},
     "kcal (th)/h"},
    {{"KiloCalories (Th) par Minute", "KiloCalories (Th) per Minute"},
     Per(kKilocalorieTh, kMinute, kWatt),
     {},
     "kcal (th)/min"},
    {{"KiloCalories (Th) par Seconde", "KiloCalories (Th) per Seconde"},
     Per(kKilocalorieTh, kSecond, kWatt),
     {},
     "kcal (th)/s"},
    {{"Watt", "Watt"}, kWatt, {}, "W"},
    {{"Kilwatt", "Kilwatt"}, kKilo* kWatt, {}, "kW"},
    {{"Megawatt", "Megawatt"}, kMega* kWatt, {}, "MW"},
    {{"Gigawatt", "Gigawatt"}, kGiga* kWatt, {}, "GW"},
};

}  // namespace vaneko::catalogue::unit_tables
