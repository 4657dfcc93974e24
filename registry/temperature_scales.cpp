#include "registry/temperature_scales.h"

#include "core/base_units.h"
#include "core/exact_size.h"
#include "core/fp_faults.h"

namespace vaneko::registry {

namespace {

// The extended values nearest to the offsets of the Kelvin and Rankine scales.
constexpr Extended kKelvinOffset = ToExtended(units::kIcePointKelvins);
constexpr Extended kRankineOffset = ToExtended(units::kFahrenheitZeroRankine);

}  // namespace

double KelvinToCelsius(double kelvin) {
  return NarrowToDouble(kelvin - kKelvinOffset);
}

double CelsiusToKelvin(double celsius) {
  return NarrowToDouble(kKelvinOffset + celsius);
}

// (v - 32) * 5 / 9, left to right.
double FahrenheitToCelsius(double fahrenheit) {
  return NarrowToDouble((static_cast<Extended>(fahrenheit) - 32) * 5 / 9);
}

// v * 9 / 5 + 32, left to right.
double CelsiusToFahrenheit(double celsius) {
  return NarrowToDouble(static_cast<Extended>(celsius) * 9 / 5 + 32);
}

double RankineToCelsius(double rankine) {
  return FahrenheitToCelsius(NarrowToDouble(rankine - kRankineOffset));
}

double CelsiusToRankine(double celsius) {
  return NarrowToDouble(CelsiusToFahrenheit(celsius) + kRankineOffset);
}

// In effect v * 5 / 4, through the Fahrenheit scale.
double ReaumurToCelsius(double reaumur) {
  return FahrenheitToCelsius(NarrowToDouble(static_cast<Extended>(reaumur) * 9 / 4 + 32));
}

// In effect v * 4 / 5, through the Fahrenheit scale.
double CelsiusToReaumur(double celsius) {
  return NarrowToDouble((static_cast<Extended>(CelsiusToFahrenheit(celsius)) - 32) * 4 / 9);
}

}  // namespace vaneko::registry
