// Energy (38 units, sized in joules) and power (21 units, sized in watts). Every pair converts
// by the ratio of the sizes. The electron-volt units use 1.60206E-19 J for one electron volt,
// the horsepower units the horsepower of 746 W, "Kilogram Metre" the standard gravity.
#include <array>

#include "convert/dispatch.h"
#include "convert/size_ratio.h"

namespace vaneko::convert {

namespace {

constexpr std::array<UnitSize, 38> kEnergyUnits = {{
    {0, 1055.056L},       // British Termal Units(IT)
    {1, 1055.87L},        // BTU(Mean)
    {2, 1054.35L},        // BTU(Termo-Chemical)
    {3, 4.1858L},         // Calorie 15°C
    {4, 4.1819L},         // Calorie 20°C
    {5, 4.1868L},         // Calorie (IT)
    {6, 4.19002L},        // Calorie (Mean)
    {7, 4.184L},          // Calorie (Termo-Chemical)
    {8, 1.60206E-19L},    // Electron Volt
    {9, 1.0E-7L},         // Erg
    {10, 1.60206E-10L},   // Giga-Electron Volt
    {11, 1000000000.0L},  // Gigajoules
    {12, 2685600.0L},     // Horsepower Hour
    {13, 44760.0L},       // Horsepower Minute
    {14, 746.0L},         // Horsepower Second
    {15, 1.0L},           // Joule
    {16, 4185.8L},        // Kilocalorie 15°C
    {17, 4181.9L},        // Kilocalorie 20°C
    {18, 4186.8L},        // Kilocalorie (IT)
    {19, 4190.02L},       // Kilocalorie (Mean)
    {20, 4184.0L},        // Kilocalorie (Termo-Chemical)
    {21, 1.60206E-16L},   // Kilo-Electron Volt
    {22, 9.80665L},       // Kilogram Metre
    {23, 1000.0L},        // Kilojoule
    {24, 3600000.0L},     // Kilowatt Heure
    {25, 60000.0L},       // Kilowatt Minute
    {26, 1000.0L},        // Kilowatt Seconde
    {27, 1.60206E-13L},   // Mega-Electron Volt
    {28, 1000000.0L},     // Megajoule
    {29, 0.001L},         // Millijoule
    {30, 1.0L},           // Newton Metre
    {31, 4185000.0L},     // Thermie
    {32, 105505600.0L},   // Therm (IT)
    {33, 105587000.0L},   // Therm (Mean)
    {34, 105435000.0L},   // Therm (Termo-Chemical)
    {35, 3600.0L},        // Watt Heure
    {36, 60.0L},          // Watt Minute
    {37, 1.0L},           // Watt Seconde
}};
static_assert(PositionsInListOrder(kEnergyUnits));

constexpr std::array<UnitSize, 21> kPowerUnits = {{
    {0, 0.001163L},                 // Calories (IT) par Heure: 4.1868 / 3600
    {1, 0.06978L},                  // Calories (IT) par Minute: 4.1868 / 60
    {2, 4.1868L},                   // Calories (IT) par Seconde
    {3, 0.00116222222222222222L},   // Calories (Th) par Heure: 4.184 / 3600
    {4, 0.0697333333333333333L},    // Calories (Th) par Minute: 4.184 / 60
    {5, 4.184L},                    // Calories (Th) par Seconde
    {6, 746.0L},                    // Cheval Vapeur
    {7, 735.49875L},                // Cheval Vapeur Métrique
    {8, 0.000277777777777777778L},  // Joules par Heure: 1 / 3600
    {9, 0.0166666666666666667L},    // Joules par Minute: 1 / 60
    {10, 1.0L},                     // Joules par Seconde
    {11, 1.163L},                   // KiloCalories (IT) par Heure
    {12, 69.78L},                   // KiloCalories (IT) par Minute
    {13, 4186.8L},                  // KiloCalories (IT) par Seconde
    {14, 1.16222222222222222L},     // KiloCalories (Th) par Heure: 4184 / 3600
    {15, 69.7333333333333333L},     // KiloCalories (Th) par Minute: 4184 / 60
    {16, 4184.0L},                  // KiloCalories (Th) par Seconde
    {17, 1.0L},                     // Watt
    {18, 1000.0L},                  // Kilwatt
    {19, 1000000.0L},               // Megawatt
    {20, 1000000000.0L},            // Gigawatt
}};
static_assert(PositionsInListOrder(kPowerUnits));

}  // namespace

std::optional<Extended> ConvertEnergy(int i, int j, double value) {
  return ConvertBySizes(kEnergyUnits, i, j, value);
}

std::optional<Extended> ConvertPower(int i, int j, double value) {
  return ConvertBySizes(kPowerUnits, i, j, value);
}

}  // namespace vaneko::convert
