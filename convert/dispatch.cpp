#include "convert/dispatch.h"

#include <array>

#include "catalogue/catalogue.h"

namespace vaneko::convert {

namespace {

// Indexed by tab.
constexpr std::array<PairFormula, catalogue::kCategoryCount> kFormulas = {
    ConvertTemperature,     // 0
    ConvertDistance,        // 1
    ConvertMass,            // 2
    ConvertArea,            // 3
    ConvertLiquidVolume,    // 4
    ConvertKitchenMeasure,  // 5
    ConvertPressure,        // 6
    ConvertVelocity,        // 7
    ConvertAcceleration,    // 8
    ConvertForce,           // 9
    ConvertEnergy,          // 10
    ConvertPower,           // 11
    ConvertFuelEconomy,     // 12
    ConvertVolumeFlow,      // 13
    ConvertMassFlow,        // 14
    ConvertTorque,          // 15
    ConvertRadioactivity,   // 16
    ConvertAngle,           // 17
};

}  // namespace

PairFormula CategoryFormula(int tab) {
  if (tab < 0 || tab >= catalogue::kCategoryCount) return nullptr;
  return kFormulas[static_cast<std::size_t>(tab)];
}

}  // namespace vaneko::convert
