// Tab 15, torque: a force times its lever arm, sized in newton metres.
// Names are shown exactly as written here; the position of a row is the unit's position in both
// lists of the tab.
#pragma once

#include "catalogue/unit_rows.h"

namespace vaneko::catalogue::unit_tables {

// French and English names, size in newton metres, no registry type, symbol; in list order.
inline constexpr UnitRow kTorqueUnits[] = {
    {{"Dyne Centimètre", "Dyne Centimetre"}, kDyne* kCentimetre, {}, "dyn·cm"},
    {{"Gramme Centimètre", "Grams Centimetre"}, kGramForce* kCentimetre, {}, "gf·cm"},
    {{"Kilogramme Mètre", "Kilograms Metre"}, kKilogramForce* kMetre, {}, "kgf·m"},
    {{"Newton Mètre", "Newton Metre"}, kNewton* kMetre, {}, "N·m"},
    {{"Once Pouce", "Ounce Inche"}, kOunceForce* kInch, {}, "ozf·in"},
    {{"Livre Pied", "Pound Feet"}, kPoundForce* kFoot, {}, "lbf·ft"},
    {{"Livre Pouce", "Pound Inche"}, kPoundForce* kInch, {}, "lbf·in"},
    {{"Poundal Pied", "Poundal Feet"}, kPoundal* kFoot, {}, "pdl·ft"},
    {{"Ton (short) Pied", "Ton (short) Feet"}, kShortTonForce* kFoot, {}, "tonf (US)·ft"},
    {{"Ton Pied", "Ton Feet"}, kLongTonForce* kFoot, {}, "tonf (UK)·ft"},
    {{"Tonne Mètre", "Tonne Metre"}, kTonneForce* kMetre, {}, "tf·m"},
};

}  // namespace vaneko::catalogue::unit_tables
