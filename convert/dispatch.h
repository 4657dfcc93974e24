// The conversion dispatch: each category supplies the formula of an ordered pair of list
// positions (from i, to j), or none. Formulas run in extended precision; the caller wraps the
// evaluation in the floating-point fault guard.
#pragma once

#include <optional>

#include "core/fp_faults.h"

namespace vaneko::convert {

// The converted value of `value` from position i to position j of one category, or nullopt when
// the pair has no formula (a position of -1, a heading line). Never called with i == j, except in
// the kitchen-measures category, which has no same-unit shortcut.
using PairFormula = std::optional<Extended> (*)(int i, int j, double value);

// The pair formulas of category `tab` (0 to 17); nullptr outside that range.
PairFormula CategoryFormula(int tab);

// Category formulas, one per category group.
std::optional<Extended> ConvertTemperature(int i, int j, double value);
std::optional<Extended> ConvertDistance(int i, int j, double value);
std::optional<Extended> ConvertMass(int i, int j, double value);
std::optional<Extended> ConvertArea(int i, int j, double value);
std::optional<Extended> ConvertLiquidVolume(int i, int j, double value);
// From a food (from-list position) to a measure (to-list position); no same-unit case.
std::optional<Extended> ConvertKitchenMeasure(int i, int j, double value);
std::optional<Extended> ConvertPressure(int i, int j, double value);
std::optional<Extended> ConvertVelocity(int i, int j, double value);
std::optional<Extended> ConvertAcceleration(int i, int j, double value);
std::optional<Extended> ConvertForce(int i, int j, double value);
std::optional<Extended> ConvertEnergy(int i, int j, double value);
std::optional<Extended> ConvertPower(int i, int j, double value);
// A reciprocal pair raises the division-by-zero fault for a value of 0.
std::optional<Extended> ConvertFuelEconomy(int i, int j, double value);
std::optional<Extended> ConvertVolumeFlow(int i, int j, double value);
std::optional<Extended> ConvertMassFlow(int i, int j, double value);
std::optional<Extended> ConvertTorque(int i, int j, double value);
std::optional<Extended> ConvertRadioactivity(int i, int j, double value);
std::optional<Extended> ConvertAngle(int i, int j, double value);

}  // namespace vaneko::convert
