// Tab 14, mass flow: five masses, each per hour, per minute and per second, sized in kilograms
// per second. The slug is the program's 14.5939035919985 kg.
// Names are shown exactly as written here, the French ones with "per" included; a unit's
// position in both lists of the tab is three times its mass's row, plus 0 per hour, 1 per
// minute, 2 per second.
#pragma once

#include "catalogue/unit_rows.h"

namespace vaneko::catalogue::unit_tables {

// Per hour, per minute, per second names in French and English, the mass, its symbol; in list
// order.
inline constexpr PerTimeRow kMassesPerTime[] = {
    {{"Grammes per Hour", "Grams per Hour"},
     {"Grammes per Minute", "Grams per Minute"},
     {"Grammes per Second", "Grams per Second"},
     kGram,
     "g"},
    {{"Kilogrammes per Hour", "Kilograms per Hour"},
     {"Kilogrammes per Minute", "Kilograms per Minute"},
     {"Kilogrammes per Second", "Kilograms per Second"},
     kKilogram,
     "kg"},
    {{"Onces per Hour", "Ounces per Hour"},
     {"Onces per Minute", "Ounces per Minute"},
     {"Onces per Second", "Ounces per Second"},
     kOunce,
     "oz"},
    {{"Livres per Hour", "Pounds per Hour"},
     {"Livres per Minute", "Pounds per Minute"},
     {"Livres per Second", "Pounds per Second"},
     kPound,
     "lb"},
    {{"Slugs per Hour", "Slugs per Hour"},
     {"Slugs per Minute", "Slugs per Minute"},
     {"Slugs per Second", "Slugs per Second"},
     kSlug,
     "slug"},
};

inline constexpr auto kMassFlowSymbols = PerTimeSymbols(kMassesPerTime);
inline constexpr auto kMassFlowUnits =
    PerHourMinuteSecond(kMassesPerTime, kKilogram / kSecond, kMassFlowSymbols);

}  // namespace vaneko::catalogue::unit_tables
