// Tab 12, fuel economy: distances per volume of fuel, sized in kilometres per litre, and volumes
// per distance, sized in litres per kilometre. Between two units of the same scale a pair
// converts by the ratio of the sizes; between the scales by a reciprocal.
// Names are shown exactly as written here; the position of a row is the unit's position in both
// lists of the tab.
#pragma once

#include "catalogue/unit_rows.h"

namespace vaneko::catalogue::unit_tables {

inline constexpr ExactSize kKilometrePerLitre = kKilometre / kLitre;
inline constexpr ExactSize kLitrePerKilometre = kLitre / kKilometre;

// French and English names, size, no registry type, symbol, scale; in list order.
inline constexpr UnitRow kFuelEconomyUnits[] = {
    {{"Kilomètre par Litre", "Kilomètre per Litre"},
     Per(kKilometre, kLitre, kKilometrePerLitre),
     {},
     "km/L"},
    {{"Litre par 100 kilometres", "Litre per 100 kilometres"},
     Per(kLitre, Whole(100) * kKilometre, kLitrePerKilometre),
     {},
     "L/100 km",
     Scale::Reciprocal},
    {{"Litre par kilometre", "Litre per kilometre"},
     Per(kLitre, kKilometre, kLitrePerKilometre),
     {},
     "L/km",
     Scale::Reciprocal},
    {{"Mille par Gallon (UK)", "Mile per Gallon (UK)"},
     Per(kMile, kUkGallon, kKilometrePerLitre),
     {},
     "mpg (UK)"},
    {{"Mille par Gallon (US)", "Mile per Gallon (US)"},
     Per(kMile, kUsGallon, kKilometrePerLitre),
     {},
     "mpg (US)"},
};

}  // namespace vaneko::catalogue::unit_tables
