// Liquid volume: 30 units from the cubic kilometre to the metric teaspoon. Twenty-two of them
// are standard units of the registry's volume family and convert between themselves through the
// registry; the other eight (two cups and six spoons the registry lacks) convert by the ratio
// of the sizes.
#include <array>
#include <optional>

#include "convert/dispatch.h"
#include "convert/size_ratio.h"
#include "registry/std_units.h"

namespace vaneko::convert {

namespace {

using registry::StdUnit;

struct LiquidVolumeUnit {
  int position;
  long double size;                   // millilitres
  std::optional<StdUnit> registered;  // the registry's unit, if it has one
};

constexpr std::optional<StdUnit> kNotRegistered = std::nullopt;
// The UK gallon, of which the UK spoons are fractions.
constexpr long double kUkGallonMl = 4546.09L;

constexpr std::array<LiquidVolumeUnit, 30> kLiquidVolumeUnits = {{
    {0, 1.0L, StdUnit::CubicCentimeters},              // Centimètre Cube
    {1, 1000000.0L, StdUnit::CubicMeters},             // Mètre Cube
    {2, 1.0E15L, StdUnit::CubicKilometers},            // Kilomètre Cube
    {3, 1000.0L, StdUnit::Liters},                     // Litre
    {4, 1.0L, StdUnit::MilliLiters},                   // Mililitre
    {5, 16.387064L, StdUnit::CubicInches},             // Pouce Cube
    {6, 28316.846592L, StdUnit::CubicFeet},            // Pied Cube
    {7, 764554.857984L, StdUnit::CubicYards},          // Verge Cube
    {8, 4.1681818254405794E15L, StdUnit::CubicMiles},  // Mile Cube
    {9, 1233481837.54752L, StdUnit::AcreFeet},         // Acre-Feet
    {10, 3624556.363776L, StdUnit::Cords},             // Corde
    {11, 3785.411784L, StdUnit::FluidGallons},         // Gallon Us
    {12, kUkGallonMl, StdUnit::UKGallons},             // Gallon UK
    {13, 946.352946L, StdUnit::FluidQuarts},           // Pinte Us
    {14, 1136.5225L, StdUnit::UKQuarts},               // Pinte UK
    {15, 473.176473L, StdUnit::FluidPints},            // Chopine Us
    {16, 568.26125L, StdUnit::UKPints},                // Chopine UK
    {17, 236.5882365L, StdUnit::FluidCups},            // Tasse US 8 oz
    {18, 284.130625L, kNotRegistered},                 // Tasse UK 10 oz: 10 UK fl oz
    {19, 250.0L, kNotRegistered},                      // Tasse Metrique
    {20, 29.5735295625L, StdUnit::FluidOunces},        // Once US
    {21, 28.4130625L, StdUnit::UKOunces},              // Once UK
    {22, 14.78676478125L, StdUnit::FluidTablespoons},  // Cuillère à table Us
    {23, 4.92892159375L, StdUnit::FluidTeaspoons},     // Cuillère à thé Us
    {24, 17.7581640625L, kNotRegistered},              // Cuillère à table UK: 1/256 gal
    {25, kUkGallonMl / 768, kNotRegistered},           // Cuillère à thé UK
    {26, kUkGallonMl / 384, kNotRegistered},           // Cuillère à Dessert Uk
    {27, 9.8578431875L, kNotRegistered},               // Cuillère à Dessert Us: 2 tsp
    {28, 15.0L, kNotRegistered},                       // Cuillère à table Metrique
    {29, 5.0L, kNotRegistered},                        // Cuillère à thé Metrique
}};
static_assert(PositionsInListOrder(kLiquidVolumeUnits));

}  // namespace

std::optional<Extended> ConvertLiquidVolume(int i, int j, double value) {
  if (!IsPosition(kLiquidVolumeUnits, i) || !IsPosition(kLiquidVolumeUnits, j)) {
    return std::nullopt;
  }
  const auto& from = kLiquidVolumeUnits[static_cast<std::size_t>(i)];
  const auto& to = kLiquidVolumeUnits[static_cast<std::size_t>(j)];
  if (from.registered && to.registered) {
    return registry::Convert(value, registry::StdType(*from.registered),
                             registry::StdType(*to.registered));
  }
  return ConvertBySizes(kLiquidVolumeUnits, i, j, value);
}

}  // namespace vaneko::convert
