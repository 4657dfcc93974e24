// Tab 3, area: metric and imperial areas, sized in square metres; every unit is a type of the
// measurement registry's area family.
// Names are shown exactly as written here, misspellings included; the position of a row is the
// unit's position in both lists of the tab.
#pragma once

#include "catalogue/unit_rows.h"

namespace vaneko::catalogue::unit_tables {

// French and English names, size in square metres, registry type, symbol; in list order.
inline constexpr UnitRow kAreaUnits[] = {
    {{"Centimètre Carré", "Square Centimetre"}, kSquareCentimetre, SquareCentimeters, "cm²"},
    {{"Mètre Carré", "Square Metre"}, kSquareMetre, SquareMeters, "m²"},
    {{"Kilomètre Carré", "Square Kilometre"}, kSquareKilometre, SquareKilometers, "km²"},
    {{"Pouce Carré", "Square Inch"}, kSquareInch, SquareInches, "in²"},
    {{"Pied Carré", "Square Foot"}, kSquareFoot, SquareFeet, "ft²"},
    {{"Verge Carré", "Square Yard"}, kSquareYard, SquareYards, "yd²"},
    {{"Mile Carré", "Square Mile"}, kSquareMile, SquareMiles, "mi²"},
    {{"Acre", "Acre"}, kAcre, Acres, "ac"},
    {{"Hectare", "Hectare"}, kHectare, Hectares, "ha"},
    {{"Arès", "Ares"}, kAre, Ares, "a"},
    {{"Scare Rods", "Scare Rods"}, kSquareRod, SquareRods, "rd²"},
};

}  // namespace vaneko::catalogue::unit_tables
