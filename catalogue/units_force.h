// Tab 9, force: metric forces, the weights of the gram, kilogram and tonne under the standard
// gravity, and the avoirdupois forces, sized in newtons.
// Names are shown exactly as written here, misspellings included; the position of a row is the
// unit's position in both lists of the tab.
#pragma once

#include "catalogue/unit_rows.h"

namespace vaneko::catalogue::unit_tables {

// French and English names, size in newtons, no registry type, symbol; in list order.
inline constexpr UnitRow kForceUnits[] = {
    {{"Dyne", "Dyne"}, kDyne, {}, "dyn"},
    {{"Giganewton", "Giganewton"}, kGiga* kNewton, {}, "GN"},
    {{"Gramme Force", "Gram Force"}, kGramForce, {}, "gf"},
    {{"Joule par Mètre", "Joule per Mètre"}, kJoule / kMetre, {}, "J/m"},
    {{"Kilogramme Force", "Kilogram Force"}, kKilogramForce, {}, "kgf"},
    {{"Kilonewton", "Kilonewton"}, kKilo* kNewton, {}, "kN"},
    {{"Meganewton", "Meganewton"}, kMega* kNewton, {}, "MN"},
    {{"Milinewton", "Milinewton"}, kMilli* kNewton, {}, "mN"},
    {{"Newton", "Newton"}, kNewton, {}, "N"},
    {{"Once Force", "Ounce Force"}, kOunceForce, {}, "ozf"},
    {{"Poundals", "Poundals"}, kPoundal, {}, "pdl"},
    {{"Livre Force", "Pound Force"}, kPoundForce, {}, "lbf"},
    {{"Tonne Métrique force", "Tonne Force"}, kTonneForce, {}, "tf"},
    {{"Tonne UK Force", "Ton UK Force"}, kLongTonForce, {}, "tonf (UK)"},
    {{"Tonne US Force", "Ton US Force"}, kShortTonForce, {}, "tonf (US)"},
};

}  // namespace vaneko::catalogue::unit_tables
