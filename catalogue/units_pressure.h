// Tab 6, pressure: force per area, liquid columns (mercury at 0 °C, water at 4 °C), the
// atmosphere, the bar and the torr, sized in pascals. The gram-, kilogram- and tonne-force units
// weigh under the standard gravity; the pound units are the pound-force over the square inch or
// the square foot.
// Names are shown exactly as written here, misspellings included; the position of a row is the
// unit's position in both lists of the tab.
#pragma once

#include "catalogue/unit_rows.h"

namespace vaneko::catalogue::unit_tables {

// French and English names, size in pascals, no registry type, symbol; in list order.
inline constexpr UnitRow kPressureUnits[] = {
    {{"Atmosphère", "Atmosphere"}, kAtmosphere, {}, "atm"},
    {{"Bar", "Bar"}, kBar, {}, "bar"},
    {{"Milibar", "Milibar"}, kMilli* kBar, {}, "mbar"},
    {{"Centimètre de Mercure à 0°C", "Centimetre of Mercury à 0°C"},
     kCentimetreOfMercury,
     {},
     "cmHg"},
    {{"Centimètre d'eau à 4°C", "Centimetre of Wayer à 4°C"}, kCentimetreOfWater, {}, "cmH₂O"},
    {{"Pouce de Mercure à 0°C", "Inche of Mercury à 0°C"},
     kCentimetreOfMercury* kInch / kCentimetre,
     {},
     "inHg"},
    {{"Pouce d'eau à 4°C", "Inche of Wayer à 4°C"},
     kCentimetreOfWater* kInch / kCentimetre,
     {},
     "inH₂O"},
    {{"Dyne par Centimètre^2", "Dyne per Centimètre^2"}, kDyne / kSquareCentimetre, {}, "dyn/cm²"},
    {{"Dyne par Mètre^2", "Dyne per Metre^2"}, kDyne / kSquareMetre, {}, "dyn/m²"},
    {{"Gramme par Centimètre^2", "Gram per Centimetre^2"},
     kGramForce / kSquareCentimetre,
     {},
     "gf/cm²"},
    {{"Gramme par Mètre^2", "Gram per Metre^2"}, kGramForce / kSquareMetre, {}, "gf/m²"},
    {{"Kilogramme par Centimètre^2", "Kilogram per Centimetre^2"},
     kKilogramForce / kSquareCentimetre,
     {},
     "kgf/cm²"},
    {{"Kilogramme par Mètre^2", "Kilogram per Metre^2"},
     kKilogramForce / kSquareMetre,
     {},
     "kgf/m²"},
    {{"Kilopascal", "Kilopascal"}, kKilo* kPascal, {}, "kPa"},
    {{"Pascal", "Pascal"}, kPascal, {}, "Pa"},
    {{"Newton par Mètre^2", "Newton per Metre^2"}, kNewton / kSquareMetre, {}, "N/m²"},
    {{"Livre par Pied^2", "Pound per Pied^2"}, kPoundForce / kSquareFoot, {}, "lbf/ft²"},
    {{"Livre par Pouce^2", "Pound per Inche^2"}, kPoundForce / kSquareInch, {}, "lbf/in²"},
    {{"PSI", "PSI"}, kPoundForce / kSquareInch, {}, "psi"},
    {{"Tonne par Centimètre^2", "Tonne per Centimetre^2"},
     kTonneForce / kSquareCentimetre,
     {},
     "tf/cm²"},
    {{"Tonne par Mètre^2", "Tonne per Metre^2"}, kTonneForce / kSquareMetre, {}, "tf/m²"},
    {{"Tonne(UK) par Pied^2", "Ton(UK) per Pied^2"},
     kLongTonForce / kSquareFoot,
     {},
     "tonf (UK)/ft²"},
    {{"Tonne(UK) par Pouce^2", "Ton(UK) per Inche^2"},
     kLongTonForce / kSquareInch,
     {},
     "tonf (UK)/in²"},
    {{"Tonne(US) par Pied^2", "Ton(US) per Pied^2"},
     kShortTonForce / kSquareFoot,
     {},
     "tonf (US)/ft²"},
    {{"Tonne(US) par Pouce^2", "Ton(US) per Inche^2"},
     kShortTonForce / kSquareInch,
     {},
     "tonf (US)/in²"},
    {{"Torr", "Torr"}, kTorr, {}, "Torr"},
};

}  // namespace vaneko::catalogue::unit_tables
