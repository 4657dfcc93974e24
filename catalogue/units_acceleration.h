// Tab 8, acceleration: lengths per second squared and the standard gravity, sized in metres per
// second squared.
// Names are shown exactly as written here; the position of a row is the unit's position in both
// lists of the tab.
#pragma once

#include "catalogue/unit_rows.h"

namespace vaneko::catalogue::unit_tables {

inline constexpr ExactSize kSecondSquared = kSecond * kSecond;

// French and English names, size in metres per second squared, no registry type, symbol; in list
// order.
inline constexpr UnitRow kAccelerationUnits[] = {
    {{"Centimetre par Seconde Carré", "Centimetre per Second Squared"},
     kCentimetre / kSecondSquared,
     {},
     "cm/s²"},
    {{"Pied par Seconde Carré", "Feet per Second Squared"}, kFoot / kSecondSquared, {}, "ft/s²"},
    {{"Gravité", "Gravity"}, kStandardGravity, {}, "g₀"},
    {{"Pouce par Seconde Carré", "Inche per Second Squared"}, kInch / kSecondSquared, {}, "in/s²"},
    {{"Mètre par Seconde Carré", "Metre per Second Squared"}, kMetre / kSecondSquared, {}, "m/s²"},
};

}  // namespace vaneko::catalogue::unit_tables
