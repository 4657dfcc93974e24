// Temperature, distance, mass and area: every list position stands for one standard unit of the
// registry, and every pair converts through the registry's Convert.
#include <array>

#include "convert/dispatch.h"
#include "registry/std_units.h"

namespace vaneko::convert {

namespace {

using registry::StdUnit;

constexpr std::array kTemperatureUnits = {StdUnit::Celsius, StdUnit::Fahrenheit, StdUnit::Kelvin,
                                          StdUnit::Rankine};

constexpr std::array kDistanceUnits = {
    StdUnit::Inches,     StdUnit::Hands,         StdUnit::Feet,
    StdUnit::Cubits,     StdUnit::Paces,         StdUnit::Yards,
    StdUnit::Fathoms,    StdUnit::Chains,        StdUnit::Furlongs,
    StdUnit::Miles,      StdUnit::NauticalMiles, StdUnit::Kilometers,
    StdUnit::Meters,     StdUnit::Centimeters,   StdUnit::AstronomicalUnits,
    StdUnit::LightYears, StdUnit::Parsecs,
};
constexpr int kMetrePosition = 12;
constexpr int kCentimetrePosition = 13;

constexpr std::array kMassUnits = {StdUnit::Grams,    StdUnit::Kilograms, StdUnit::MetricTons,
                                   StdUnit::Ounces,   StdUnit::Pounds,    StdUnit::Tons,
                                   StdUnit::LongTons, StdUnit::Grains,    StdUnit::Drams};

constexpr std::array kAreaUnits = {
    StdUnit::SquareCentimeters, StdUnit::SquareMeters,
    StdUnit::SquareKilometers,  StdUnit::SquareInches,
    StdUnit::SquareFeet,        StdUnit::SquareYards,
    StdUnit::SquareMiles,       StdUnit::Acres,
    StdUnit::Hectares,          StdUnit::Ares,
    StdUnit::SquareRods,
};

template <std::size_t N>
std::optional<Extended> ConvertThroughRegistry(const std::array<StdUnit, N>& units, int i, int j,
                                               double value) {
  if (i < 0 || j < 0 || i >= static_cast<int>(N) || j >= static_cast<int>(N)) return std::nullopt;
  return registry::Convert(value, registry::StdType(units[static_cast<std::size_t>(i)]),
                           registry::StdType(units[static_cast<std::size_t>(j)]));
}

}  // namespace

std::optional<Extended> ConvertTemperature(int i, int j, double value) {
  return ConvertThroughRegistry(kTemperatureUnits, i, j, value);
}

std::optional<Extended> ConvertDistance(int i, int j, double value) {
  // To centimetres from anything but the metre: through metres, then times 100 in extended
  // precision.
  if (j == kCentimetrePosition && i != kMetrePosition) {
    const auto metres = ConvertThroughRegistry(kDistanceUnits, i, kMetrePosition, value);
    if (!metres) return std::nullopt;
    return *metres * 100.0L;
  }
  return ConvertThroughRegistry(kDistanceUnits, i, j, value);
}

std::optional<Extended> ConvertMass(int i, int j, double value) {
  return ConvertThroughRegistry(kMassUnits, i, j, value);
}

std::optional<Extended> ConvertArea(int i, int j, double value) {
  return ConvertThroughRegistry(kAreaUnits, i, j, value);
}

}  // namespace vaneko::convert
