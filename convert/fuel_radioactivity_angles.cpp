// Fuel economy (5 measures, some distance per volume and some volume per distance),
// radioactivity (6 units, sized in becquerels) and plane angles (5 units, sized in degrees).
#include <array>

#include "convert/dispatch.h"
#include "convert/size_ratio.h"

namespace vaneko::convert {

namespace {

// Fuel economy. A distance-per-volume measure is sized in kilometres per litre, a
// volume-per-distance measure in litres per kilometre. Between two measures of the same kind the
// value is multiplied by the ratio of the sizes; between kinds it is inverted: v of a unit of
// size a is 1 / (v × a) of the other kind's base, that is (1 / (a × b)) / v of a unit of size b.
enum class FuelKind { DistancePerVolume, VolumePerDistance };

struct FuelUnit {
  int position;
  long double size;
  FuelKind kind;
};

// The mile is 1.609344 km, the UK gallon 4.54609 L and the US gallon 3.785411784 L.
constexpr long double kMileKm = 1.609344L;
constexpr long double kUkGallonL = 4.54609L;
constexpr long double kUsGallonL = 3.785411784L;

constexpr std::array<FuelUnit, 5> kFuelUnits = {{
    {0, 1.0L, FuelKind::DistancePerVolume},                  // Kilomètre par Litre
    {1, 0.01L, FuelKind::VolumePerDistance},                 // Litre par 100 kilometres
    {2, 1.0L, FuelKind::VolumePerDistance},                  // Litre par kilometre
    {3, kMileKm / kUkGallonL, FuelKind::DistancePerVolume},  // Mille par Gallon (UK)
    {4, kMileKm / kUsGallonL, FuelKind::DistancePerVolume},  // Mille par Gallon (US)
}};
static_assert(PositionsInListOrder(kFuelUnits));

constexpr std::array<UnitSize, 6> kRadioactivityUnits = {{
    {0, 1.0L},           // Becquerel
    {1, 3.7E10L},        // Curie: 3.7E10 Bq by definition
    {2, 1000000000.0L},  // Gigabecquerel
    {3, 1000.0L},        // Kilobecquerel
    {4, 1000000.0L},     // Megabecquerel
    {5, 3.7E7L},         // Milicurie
}};
static_assert(PositionsInListOrder(kRadioactivityUnits));

constexpr std::array<UnitSize, 5> kAngleUnits = {{
    {0, 1.0L},                  // Degré
    {1, 1.0L / 60},             // Minute
    {2, 1.0L / 3600},           // Seconde
    {3, 0.9L},                  // Grad
    {4, 57.2957795130823209L},  // Radian: 180 / π
}};
static_assert(PositionsInListOrder(kAngleUnits));

}  // namespace

std::optional<Extended> ConvertFuelEconomy(int i, int j, double value) {
  if (!IsPosition(kFuelUnits, i) || !IsPosition(kFuelUnits, j)) return std::nullopt;
  const FuelUnit& from = kFuelUnits[static_cast<std::size_t>(i)];
  const FuelUnit& to = kFuelUnits[static_cast<std::size_t>(j)];
  if (from.kind == to.kind) return ConvertBySizes(kFuelUnits, i, j, value);
  // A reciprocal: a value of 0 raises the division-by-zero fault.
  const Extended constant = 1.0L / (static_cast<Extended>(from.size) * to.size);
  return constant / static_cast<Extended>(value);
}

std::optional<Extended> ConvertRadioactivity(int i, int j, double value) {
  return ConvertBySizes(kRadioactivityUnits, i, j, value);
}

std::optional<Extended> ConvertAngle(int i, int j, double value) {
  return ConvertBySizes(kAngleUnits, i, j, value);
}

}  // namespace vaneko::convert
