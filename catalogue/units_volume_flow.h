// Tab 13, volume flow: twelve volumes, each per hour, per minute and per second, sized in cubic
// metres per second. The fluid ounces and gallons are the same as in the liquid volumes.
// Names are shown exactly as written here, misspellings included; a unit's position in both
// lists of the tab is three times its volume's row, plus 0 per hour, 1 per minute, 2 per second.
#pragma once

#include "catalogue/unit_rows.h"

namespace vaneko::catalogue::unit_tables {

// Per hour, per minute, per second names in French and English, the volume, its symbol; in list
// order.
inline constexpr PerTimeRow kVolumesPerTime[] = {
    {{"Centimetre Cube par Heure", "Cubic Centimeter per Hour"},
     {"Centimetre Cube par Minute", "Cubic Centimeter per Minute"},
     {"Centimetre Cube par Seconde", "Cubic Centimeter per Second"},
     kCubicCentimetre,
     "cm³"},
    {{"Peid Cube par Hour", "Cubic Feet per Hour"},
     {"Peid Cube par Minute", "Cubic Feet per Minute"},
     {"Peid Cube par Seconde", "Cubic Feet per Second"},
     kCubicFoot,
     "ft³"},
    {{"Pouce Cube par Hour", "Cubic Inches per Hour"},
     {"Pouce Cube par Minute", "Cubic Inches per Minute"},
     {"Pouce Cube par Seconde", "Cubic Inches per Second"},
     kCubicInch,
     "in³"},
    {{"Metre Cube par Hour", "Cubic Metres per Hour"},
     {"Metre Cube par Minute", "Cubic Metres per Minute"},
     {"Metre Cube par Seconde", "Cubic Metres per Second"},
     kCubicMetre,
     "m³"},
    {{"Verge Cube par Hour", "Cubic Yards per Hour"},
     {"Verge Cube par Minute", "Cubic Yards per Minute"},
     {"Verge Cube par Seconde", "Cubic Yards per Second"},
     kCubicYard,
     "yd³"},
    {{"Once liquide (UK) par Hour", "Fluid Ounces (UK) per Hour"},
     {"Once liquide (UK) par Minute", "Fluid Ounces (UK) per Minute"},
     {"Once liquide (UK) par Seconde", "Fluid Ounces (UK) per Second"},
     kUkFluidOunce,
     "fl oz (UK)"},
    {{"Once liquide (US) par Hour", "Fluid Ounces (US) per Hour"},
     {"Once liquide (US) par Minute", "Fluid Ounces (US) per Minute"},
     {"Once liquide (US) par Seconde", "Fluid Ounces (US) per Second"},
     kUsFluidOunce,
     "fl oz (US)"},
    {{"Gallons (UK) par Hour", "Gallons (UK) per Hour"},
     {"Gallons (UK) par Minute", "Gallons (UK) per Minute"},
     {"Gallons (UK) par Seconde", "Gallons (UK) per Second"},
     kUkGallon,
     "gal (UK)"},
    {{"Gallons (US) par Hour", "Gallons (US) per Hour"},
     {"Gallons (US) par Minute", "Gallons (US) per Minute"},
     {"Gallons (US) par Seconde", "Gallons (US) per Second"},
     kUsGallon,
     "gal (US)"},
    {{"Kilolitres par Hour", "Kilolitres per Hour"},
     {"Kilolitres par Minute", "Kilolitres per Minute"},
     {"Kilolitres par Seconde", "Kilolitres per Second"},
     kKilolitre,
     "kL"},
    {{"Litres par Hour", "Litres per Hour"},
     {"Litres par Minute", "Litres per Minute"},
     {"Litres par Seconde", "Litres per Second"},
     kLitre,
     "L"},
    {{"Mililitres par Hour", "Mililitres per Hour"},
     {"Mililitres par Minute", "Mililitres per Minute"},
     {"Mililitres par Seconde", "Mililitres per Second"},
     kMillilitre,
     "mL"},
};

inline constexpr auto kVolumeFlowSymbols = PerTimeSymbols(kVolumesPerTime);
inline constexpr auto kVolumeFlowUnits =
    PerHourMinuteSecond(kVolumesPerTime, kCubicMetre / kSecond, kVolumeFlowSymbols);

}  // namespace vaneko::catalogue::unit_tables
