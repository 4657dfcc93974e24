// Pressure: 26 units of force per area, liquid columns (mercury at 0 °C, water at 4 °C), the
// atmosphere, the bar and the torr. Every pair converts by the ratio of the sizes in pascals.
// The gram-, kilogram- and tonne-force units use the standard gravity 9.80665 m/s²; the pound
// units use the pound-force over the square inch or the square foot.
#include <array>

#include "convert/dispatch.h"
#include "convert/size_ratio.h"

namespace vaneko::convert {

namespace {

constexpr std::array<UnitSize, 26> kPressureUnits = {{
    {0, 101325.0L},              // Atmosphère
    {1, 100000.0L},              // Bar
    {2, 100.0L},                 // Milibar
    {3, 1333.22368421052632L},   // Centimètre de Mercure à 0°C: 101325 / 76
    {4, 98.0586019736842105L},   // Centimètre d'eau à 4°C
    {5, 3386.38815789473684L},   // Pouce de Mercure à 0°C: 2.54 cm of mercury
    {6, 249.068849013157895L},   // Pouce d'eau à 4°C: 2.54 cm of water
    {7, 0.1L},                   // Dyne par Centimètre^2
    {8, 0.00001L},               // Dyne par Mètre^2
    {9, 98.0665L},               // Gramme par Centimètre^2
    {10, 0.00980665L},           // Gramme par Mètre^2
    {11, 98066.5L},              // Kilogramme par Centimètre^2
    {12, 9.80665L},              // Kilogramme par Mètre^2
    {13, 1000.0L},               // Kilopascal
    {14, 1.0L},                  // Pascal
    {15, 1.0L},                  // Newton par Mètre^2
    {16, 47.8802589803358426L},  // Livre par Pied^2
    {17, 6894.75729316836134L},  // Livre par Pouce^2
    {18, 6894.75729316836134L},  // PSI (the same unit)
    {19, 98066500.0L},           // Tonne par Centimètre^2
    {20, 9806.65L},              // Tonne par Mètre^2
    {21, 107251.780115952287L},  // Tonne(UK) par Pied^2: 2240 lb
    {22, 15444256.3366971294L},  // Tonne(UK) par Pouce^2: 2240 lb
    {23, 95760.5179606716852L},  // Tonne(US) par Pied^2: 2000 lb
    {24, 13789514.5863367227L},  // Tonne(US) par Pouce^2: 2000 lb
    {25, 133.322368421052632L},  // Torr: 101325 / 760
}};
static_assert(PositionsInListOrder(kPressureUnits));

}  // namespace

std::optional<Extended> ConvertPressure(int i, int j, double value) {
  return ConvertBySizes(kPressureUnits, i, j, value);
}

}  // namespace vaneko::convert
