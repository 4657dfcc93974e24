// Tab 7, velocity: lengths per hour, minute and second, the knots, the speeds of sound and of
// light, sized in metres per hour.
// Names are shown exactly as written here, misspellings included; the position of a row is the
// unit's position in both lists of the tab.
#pragma once

#include "catalogue/unit_rows.h"

namespace vaneko::catalogue::unit_tables {

inline constexpr ExactSize kMetrePerHour = kMetre / kHour;

// French and English names, size in metres per hour, no registry type, symbol; in list order.
inline constexpr UnitRow kVelocityUnits[] = {
    {{"Centimetre par Heure", "Centimeter per Hour"},
     Per(kCentimetre, kHour, kMetrePerHour),
     {},
     "cm/h"},
    {{"Centimetre par Minute", "Centimeter per Minute"},
     Per(kCentimetre, kMinute, kMetrePerHour),
     {},
     "cm/min"},
    {{"Centimetre par Seconde", "Centimeter per Second"},
     Per(kCentimetre, kSecond, kMetrePerHour),
     {},
     "cm/s"},
    {{"Pied par Heure", "Feet per Hour"}, Per(kFoot, kHour, kMetrePerHour), {}, "ft/h"},
    {{"Pied par Minute", "Feet per Minute"}, Per(kFoot, kMinute, kMetrePerHour), {}, "ft/min"},
    {{"Pied par Seconde", "Feet per Second"}, Per(kFoot, kSecond, kMetrePerHour), {}, "ft/s"},
    {{"Pouce par Heure", "Inche per Hour"}, Per(kInch, kHour, kMetrePerHour), {}, "in/h"},
    {{"Pouce par Minute", "Inche per Minute"}, Per(kInch, kMinute, kMetrePerHour), {}, "in/min"},
    {{"Pouce par Seconde", "Inche per Second"}, Per(kInch, kSecond, kMetrePerHour), {}, "in/s"},
    {{"Kilomètre par Heure", "Kilometre per Hour"},
     Per(kKilometre, kHour, kMetrePerHour),
     {},
     "km/h"},
    {{"Kilomètre par Minute", "Kilometre per Minute"},
     Per(kKilometre, kMinute, kMetrePerHour),
     {},
     "km/min"},
    {{"Kilomètre par Seconde", "Kilometre per Second"},
     Per(kKilometre, kSecond, kMetrePerHour),
     {},
     "km/s"},
    {{"Neaud(UK)", "Knot(UK)"}, kUkKnot / kMetrePerHour, {}, "kn (UK)"},
    {{"Neaud(US)", "Knot(US)"}, kUsKnot / kMetrePerHour, {}, "kn (US)"},
    {{"Mach", "Mach"}, kSpeedOfSound / kMetrePerHour, {}, "Ma"},
    {{"Mètre par Heure", "Metre per Hour"}, Per(kMetre, kHour, kMetrePerHour), {}, "m/h"},
    {{"Mètre par Minute", "Metre per Minute"}, Per(kMetre, kMinute, kMetrePerHour), {}, "m/min"},
    {{"Mètre par Seconde", "Metre per Second"}, Per(kMetre, kSecond, kMetrePerHour), {}, "m/s"},
    {{"Mile par Heure", "Mile per Hour"}, Per(kMile, kHour, kMetrePerHour), {}, "mph"},
    {{"Mile par Minute", "Mile per Minute"}, Per(kMile, kMinute, kMetrePerHour), {}, "mi/min"},
    {{"Mile par Seconde", "Mile per Second"}, Per(kMile, kSecond, kMetrePerHour), {}, "mi/s"},
    {{"Vitesse de la Lumière", "Speed of Light"}, kSpeedOfLight / kMetrePerHour, {}, "c"},
    {{"Vitesse du Son", "Speed of Sound"}, kSpeedOfSound / kMetrePerHour},
};

}  // namespace vaneko::catalogue::unit_tables
