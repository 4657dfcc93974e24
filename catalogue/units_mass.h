// Tab 2, mass: metric and avoirdupois masses, sized in grams; every unit is a type of the
// measurement registry's mass family.
// Names are shown exactly as written here; the position of a row is the unit's position in both
// lists of the tab.
#pragma once

#include "catalogue/unit_rows.h"

namespace vaneko::catalogue::unit_tables {

// French and English names, size in grams, registry type, symbol; in list order.
inline constexpr UnitRow kMassUnits[] = {
    {{"Gramme", "Gram"}, kGram / kGram, Grams, "g"},
    {{"Kilogramme", "Kilogram"}, kKilogram / kGram, Kilograms, "kg"},
    {{"Tonne Métrique", "Tonne"}, kTonne / kGram, MetricTons, "t"},
    {{"Once", "Ounce"}, kOunce / kGram, Ounces, "oz"},
    {{"Livre", "Pound"}, kPound / kGram, Pounds, "lb"},
    {{"Tonne", "Ton"}, kShortTon / kGram, Tons, "sh tn"},
    {{"Tonne Longue", "Tonne Longue"}, kLongTon / kGram, LongTons, "long tn"},
    {{"Grain", "Grain"}, kGrain / kGram, Grains, "gr"},
    {{"Drachme", "Dram"}, kDram / kGram, Drams, "dr"},
};

}  // namespace vaneko::catalogue::unit_tables
