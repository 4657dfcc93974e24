// Tab 1, distance: imperial, metric and astronomical lengths, sized in metres; every unit is a
// type of the measurement registry's distance family.
// Names are shown exactly as written here, misspellings and trailing blanks included; the
// position of a row is the unit's position in both lists of the tab.
#pragma once

#include "catalogue/unit_rows.h"

namespace vaneko::catalogue::unit_tables {

// French and English names, size in metres, registry type, symbol; in list order.
inline constexpr UnitRow kDistanceUnits[] = {
    {{"Pouce", "Inche"}, kInch, Inches, "in"},
    {{"Main", "Hands"}, kHand, Hands, "hh"},
    {{"Pied", "Feet"}, kFoot, Feet, "ft"},
    {{"Coudée", "Cubit"}, kCubit, Cubits},
    {{"Paces", "Paces"}, kPace, Paces},
    {{"Verge", "Yard"}, kYard, Yards, "yd"},
    {{"Brasse", "Fathom"}, kFathom, Fathoms, "ftm"},
    {{"Chaîne", "Chain"}, kChain, Chains, "ch"},
    {{"Furlong", "Furlong"}, kFurlong, Furlongs, "fur"},
    {{"Mile", "Mile"}, kMile, Miles, "mi"},
    {{"Mile Nautique", "Admiralty Mile"}, kNauticalMile, NauticalMiles, "nmi"},
    {{"Kilomètre", "Kilometre"}, kKilometre, Kilometers, "km"},
    {{"Mètre", "Metre"}, kMetre, Meters, "m"},
    {{"Centimètre", "Centimetre"}, kCentimetre, Centimeters, "cm"},
    {{"Unité Astronomique", "Astromical Unit"}, kAstronomicalUnit, AstronomicalUnits, "au"},
    {{"Année Lumière", "Light Year"}, kLightYear, LightYears, "ly"},
    {{"Parsec", "Parsec"}, kParsec, Parsecs, "pc"},
};

}  // namespace vaneko::catalogue::unit_tables
