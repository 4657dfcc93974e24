// Tab 4, liquid volume: cubic measures and the US, UK and metric kitchen measures, sized in
// millilitres; every pair converts by the ratio of the sizes. Twenty-two of them are also types
// of the measurement registry's volume family; the other eight are two cups and six spoons the
// registry lacks.
// Names are shown exactly as written here, misspellings included; the position of a row is the
// unit's position in both lists of the tab.
#pragma once

#include "catalogue/unit_rows.h"

namespace vaneko::catalogue::unit_tables {

inline constexpr ExactSize kMetricCup = Whole(250) * kMillilitre;
inline constexpr ExactSize kMetricTablespoon = Whole(15) * kMillilitre;
inline constexpr ExactSize kMetricTeaspoon = Whole(5) * kMillilitre;

// French and English names, size in millilitres, registry type, symbol; in list order.
inline constexpr UnitRow kLiquidVolumeUnits[] = {
    {{"Centimètre Cube", "Cubic Centimetre"},
     kCubicCentimetre / kMillilitre,
     CubicCentimeters,
     "cm³"},
    {{"Mètre Cube", "Cubic Metre"}, kCubicMetre / kMillilitre, CubicMeters, "m³"},
    {{"Kilomètre Cube", "Cubic Kilometre"}, kCubicKilometre / kMillilitre, CubicKilometers, "km³"},
    {{"Litre", "Liter"}, kLitre / kMillilitre, Liters, "L"},
    {{"Mililitre", "Mililiter"}, kMillilitre / kMillilitre, MilliLiters, "mL"},
    {{"Pouce Cube", "Cubic Inche"}, kCubicInch / kMillilitre, CubicInches, "in³"},
    {{"Pied Cube", "Cubic Foot"}, kCubicFoot / kMillilitre, CubicFeet, "ft³"},
    {{"Verge Cube", "Cubic Yard"}, kCubicYard / kMillilitre, CubicYards, "yd³"},
    {{"Mile Cube", "Cubic Mile"}, kCubicMile / kMillilitre, CubicMiles, "mi³"},
    {{"Acre-Feet", "Acre-Foot"}, kAcreFoot / kMillilitre, AcreFeet, "ac·ft"},
    {{"Corde", "Cord"}, kCord / kMillilitre, Cords},
    {{"Gallon Us", "Gallon Us"}, kUsGallon / kMillilitre, FluidGallons, "gal (US)"},
    {{"Gallon UK", "Gallon UK"}, kUkGallon / kMillilitre, UKGallons, "gal (UK)"},
    {{"Pinte Us", "Quart Us"}, kUsQuart / kMillilitre, FluidQuarts, "qt (US)"},
    {{"Pinte UK", "Quart UK"}, kUkQuart / kMillilitre, UKQuarts, "qt (UK)"},
    {{"Chopine Us", "Pint Us"}, kUsPint / kMillilitre, FluidPints, "pt (US)"},
    {{"Chopine UK", "Pint UK"}, kUkPint / kMillilitre, UKPints, "pt (UK)"},
    {{"Tasse US 8 oz", "Cup US 8 oz"}, kUsCup / kMillilitre, FluidCups, "cup (US)"},
    {{"Tasse UK 10 oz", "Cup UK 10 oz"}, Whole(10) * kUkFluidOunce / kMillilitre, {}, "cup (UK)"},
    {{"Tasse Metrique", "Cup Metric"}, kMetricCup / kMillilitre, {}, "cup (metric)"},
    {{"Once US", "Ounce Us"}, kUsFluidOunce / kMillilitre, FluidOunces, "fl oz (US)"},
    {{"Once UK", "Ounce UK"}, kUkFluidOunce / kMillilitre, UKOunces, "fl oz (UK)"},
    {{"Cuillère à table Us", "Tablespoon Us"},
     kUsTablespoon / kMillilitre,
     FluidTablespoons,
     "tbsp (US)"},
    {{"Cuillère à thé Us", "Teaspoon Us"}, kUsTeaspoon / kMillilitre, FluidTeaspoons, "tsp (US)"},
    {{"Cuillère à table UK", "Tablespoon UK"},
     kUkGallon / Whole(256) / kMillilitre,
     {},
     "tbsp (UK)"},
    {{"Cuillère à thé UK", "Teaspoon UK"}, kUkGallon / Whole(768) / kMillilitre, {}, "tsp (UK)"},
    {{"Cuillère à Dessert Uk", "Dessertspoon UK"},
     kUkGallon / Whole(384) / kMillilitre,
     {},
     "dsp (UK)"},
    {{"Cuillère à Dessert Us", "Dessertspoon Us"},
     Whole(2) * kUsTeaspoon / kMillilitre,
     {},
     "dsp (US)"},
    {{"Cuillère à table Metrique", "Tablespoon Metric"},
     kMetricTablespoon / kMillilitre,
     {},
     "tbsp (metric)"},
    {{"Cuillère à thé Metrique", "Teaspoon Metric"},
     kMetricTeaspoon / kMillilitre,
     {},
     "tsp (metric)"},
};

}  // namespace vaneko::catalogue::unit_tables
