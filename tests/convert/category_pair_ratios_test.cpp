// Every ordered pair of every factor category converts 1 into size(from) / size(to). The sizes
// here are derived from the unit definitions (the inch is 0.0254 m, the pound 0.45359237 kg, the
// pound-force the pound under 9.80665 m/s², the IT calorie 4.1868 J, ...), independently of the
// product's own tables; where a unit has no derivation (the knots, the electron volt, the BTUs,
// the slug) the value is the one the unit is defined with.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "convert/dispatch.h"
#include "registry/std_units.h"
#include "typed.h"

namespace vaneko::convert {
namespace {

using vaneko::testing::Typed;

using Sizes = std::vector<long double>;

// Length, mass and force.
constexpr long double kInch = 0.0254L;                  // m
constexpr long double kFoot = 0.3048L;                  // m
constexpr long double kMile = 1609.344L;                // m
constexpr long double kGravity = 9.80665L;              // m/s²
constexpr long double kPound = 0.45359237L;             // kg
constexpr long double kPoundForce = kPound * kGravity;  // N
// Volume, in millilitres.
constexpr long double kCubicInchMl = 2.54L * 2.54L * 2.54L;
constexpr long double kCubicFootMl = 30.48L * 30.48L * 30.48L;
constexpr long double kUsGallonMl = 231 * kCubicInchMl;
constexpr long double kUsFluidOunceMl = kUsGallonMl / 128;
constexpr long double kUkGallonMl = 4546.09L;
constexpr long double kUkFluidOunceMl = kUkGallonMl / 160;
// Heat, in joules.
constexpr long double kCalorieIt = 4.1868L;
constexpr long double kCalorieTh = 4.184L;
constexpr long double kBtuIt = 1055.056L;
constexpr long double kBtuMean = 1055.87L;
constexpr long double kBtuTh = 1054.35L;
constexpr long double kElectronVolt = 1.60206E-19L;
constexpr long double kHorsepower = 746;     // W
constexpr long double kAtmosphere = 101325;  // Pa

Sizes LiquidVolumeMl() {
  return {1,
          1E6L,
          1E15L,
          1000,
          1,
          kCubicInchMl,
          kCubicFootMl,
          27 * kCubicFootMl,
          std::pow(160934.4L, 3.0L),
          43560 * kCubicFootMl,  // acre-foot: 43560 square feet, one foot deep
          128 * kCubicFootMl,    // cord: 8 × 4 × 4 feet
          kUsGallonMl,
          kUkGallonMl,
          kUsGallonMl / 4,
          kUkGallonMl / 4,
          kUsGallonMl / 8,
          kUkGallonMl / 8,
          kUsGallonMl / 16,
          10 * kUkFluidOunceMl,  // UK cup of 10 ounces
          250,
          kUsFluidOunceMl,
          kUkFluidOunceMl,
          kUsFluidOunceMl / 2,
          kUsFluidOunceMl / 6,
          kUkGallonMl / 256,
          kUkGallonMl / 768,
          kUkGallonMl / 384,
          2 * kUsFluidOunceMl / 6,
          15,
          5};
}

Sizes PressurePa() {
  const long double squareFoot = kFoot * kFoot;
  const long double squareInch = kInch * kInch;
  const long double cmMercury = kAtmosphere / 76;
  const long double cmWater = cmMercury * 0.07355L;  // a water column 13.596 times as high
  return {kAtmosphere,
          1E5L,
          100,
          cmMercury,
          cmWater,
          2.54L * cmMercury,
          2.54L * cmWater,
          1E-5L / 1E-4L,  // dyne per square centimetre
          1E-5L,
          1E-3L * kGravity / 1E-4L,
          1E-3L * kGravity,
          kGravity / 1E-4L,
          kGravity,
          1000,
          1,
          1,
          kPoundForce / squareFoot,
          kPoundForce / squareInch,
          kPoundForce / squareInch,
          1000 * kGravity / 1E-4L,
          1000 * kGravity,
          2240 * kPoundForce / squareFoot,
          2240 * kPoundForce / squareInch,
          2000 * kPoundForce / squareFoot,
          2000 * kPoundForce / squareInch,
          kAtmosphere / 760};
}

Sizes VelocityMetresPerSecond() {
  Sizes sizes;
  for (const long double length : {0.01L, kFoot, kInch, 1000.0L}) {
    for (const long double seconds : {3600.0L, 60.0L, 1.0L}) sizes.push_back(length / seconds);
  }
  sizes.push_back(1853.994768L / 3600);  // UK knot
  sizes.push_back(1852.001376L / 3600);  // US knot
  sizes.push_back(1229000.0L / 3600);    // Mach: 1229 km/h
  for (const long double length : {1.0L, kMile}) {
    for (const long double seconds : {3600.0L, 60.0L, 1.0L}) sizes.push_back(length / seconds);
  }
  sizes.push_back(299792458);          // light
  sizes.push_back(1229000.0L / 3600);  // sound
  return sizes;
}

Sizes AccelerationMetresPerSecondSquared() {
  return {0.01L, kFoot, kGravity, kInch, 1};
}

Sizes ForceNewtons() {
  return {1E-5L,
          1E9L,
          1E-3L * kGravity,
          1,
          kGravity,
          1000,
          1E6L,
          1E-3L,
          1,
          kPoundForce / 16,
          kPound * kFoot,
          kPoundForce,
          1000 * kGravity,
          2240 * kPoundForce,
          2000 * kPoundForce};
}

Sizes TorqueNewtonMetres() {
  return {1E-5L * 0.01L,
          1E-3L * kGravity * 0.01L,
          kGravity,
          1,
          kPoundForce / 16 * kInch,
          kPoundForce * kFoot,
          kPoundForce * kInch,
          kPound * kFoot * kFoot,
          2000 * kPoundForce * kFoot,
          2240 * kPoundForce * kFoot,
          1000 * kGravity};
}

Sizes EnergyJoules() {
  return {kBtuIt,
          kBtuMean,
          kBtuTh,
          4.1858L,
          4.1819L,
          kCalorieIt,
          4.19002L,
          kCalorieTh,
          kElectronVolt,
          1E-7L,
          1E9L * kElectronVolt,
          1E9L,
          kHorsepower * 3600,
          kHorsepower * 60,
          kHorsepower,
          1,
          1000 * 4.1858L,
          1000 * 4.1819L,
          1000 * kCalorieIt,
          1000 * 4.19002L,
          1000 * kCalorieTh,
          1E3L * kElectronVolt,
          kGravity,
          1000,
          1000 * 3600.0L,
          1000 * 60.0L,
          1000,
          1E6L * kElectronVolt,
          1E6L,
          1E-3L,
          1,
          4185000,  // thermie, as the unit is defined here
          1E5L * kBtuIt,
          1E5L * kBtuMean,
          1E5L * kBtuTh,
          3600,
          60,
          1};
}

Sizes PowerWatts() {
  Sizes sizes;
  for (const long double joules : {kCalorieIt, kCalorieTh}) {
    for (const long double seconds : {3600.0L, 60.0L, 1.0L}) sizes.push_back(joules / seconds);
  }
  sizes.push_back(kHorsepower);
  sizes.push_back(75 * kGravity);  // metric horsepower: 75 kilogram-force metres per second
  for (const long double joules : {1.0L, 1000 * kCalorieIt, 1000 * kCalorieTh}) {
    for (const long double seconds : {3600.0L, 60.0L, 1.0L}) sizes.push_back(joules / seconds);
  }
  for (const long double watts : {1.0L, 1E3L, 1E6L, 1E9L}) sizes.push_back(watts);
  return sizes;
}

// Units of three: per hour, per minute, per second.
Sizes PerHourMinuteSecond(std::initializer_list<long double> quantities) {
  Sizes sizes;
  for (const long double quantity : quantities) {
    for (const long double seconds : {3600.0L, 60.0L, 1.0L}) sizes.push_back(quantity / seconds);
  }
  return sizes;
}

Sizes VolumeFlowCubicMetresPerSecond() {
  const long double ml = 1E-6L;
  return PerHourMinuteSecond({ml, kCubicFootMl * ml, kCubicInchMl * ml, 1, 27 * kCubicFootMl * ml,
                              kUkFluidOunceMl * ml, kUsFluidOunceMl * ml, kUkGallonMl * ml,
                              kUsGallonMl * ml, 1, 1E-3L, ml});
}

Sizes MassFlowKilogramsPerSecond() {
  return PerHourMinuteSecond({1E-3L, 1, kPound / 16, kPound, 14.5939035919985L});
}

Sizes RadioactivityBecquerels() {
  return {1, 3.7E10L, 1E9L, 1E3L, 1E6L, 3.7E7L};
}

Sizes AngleDegrees() {
  return {1, 1.0L / 60, 1.0L / 3600, 0.9L, 180 / std::numbers::pi_v<long double>};
}

struct SizedCategory {
  const char* name;
  int tab;
  Sizes (*sizes)();
};

void PrintTo(const SizedCategory& category, std::ostream* out) {
  *out << category.name;
}

class PairFactorIsTheRatioOfTheSizes : public ::testing::TestWithParam<SizedCategory> {
 protected:
  void SetUp() override { registry::EnsureStandardUnits(); }
};

// Agreement to 14 significant digits.
void ExpectSameTo14Digits(long double actual, long double expected, const std::string& where) {
  EXPECT_LE(std::fabs(actual - expected), 5E-14L * std::fabs(expected))
      << where << ": got " << static_cast<double>(actual) << ", expected "
      << static_cast<double>(expected);
}

TEST_P(PairFactorIsTheRatioOfTheSizes, ForEveryOrderedPair) {
  const SizedCategory& category = GetParam();
  const PairFormula formula = CategoryFormula(category.tab);
  ASSERT_NE(formula, nullptr);
  const Sizes sizes = category.sizes();
  const int count = static_cast<int>(sizes.size());
  for (int i = 0; i < count; ++i) {
    for (int j = 0; j < count; ++j) {
      if (i == j) continue;  // the same unit never reaches the formula
      const std::string where = "pair " + std::to_string(i) + " -> " + std::to_string(j);
      const auto converted = Guarded([&] { return formula(i, j, Typed(1.0)); });
      ASSERT_TRUE(converted.has_value()) << where;
      ExpectSameTo14Digits(*converted, sizes[i] / sizes[j], where);
    }
  }
}

TEST_P(PairFactorIsTheRatioOfTheSizes, ScalesWithTheValue) {
  const SizedCategory& category = GetParam();
  const PairFormula formula = CategoryFormula(category.tab);
  const Sizes sizes = category.sizes();
  const int last = static_cast<int>(sizes.size()) - 1;
  for (const double value : {-2.5, 0.0, 1234.5}) {
    const auto converted = formula(last, 0, Typed(value));
    ASSERT_TRUE(converted.has_value());
    ExpectSameTo14Digits(*converted, value * (sizes[last] / sizes[0]), "last -> first");
  }
}

TEST_P(PairFactorIsTheRatioOfTheSizes, HasNoFormulaOutsideTheList) {
  const SizedCategory& category = GetParam();
  const PairFormula formula = CategoryFormula(category.tab);
  const int count = static_cast<int>(category.sizes().size());
  for (const auto& [i, j] : {std::pair{-1, 0}, std::pair{0, -1}, std::pair{count, 0},
                             std::pair{0, count}, std::pair{-1, count}}) {
    EXPECT_FALSE(formula(i, j, Typed(1.0)).has_value()) << i << " -> " << j;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Categories, PairFactorIsTheRatioOfTheSizes,
    ::testing::Values(SizedCategory{"LiquidVolume", 4, LiquidVolumeMl},
                      SizedCategory{"Pressure", 6, PressurePa},
                      SizedCategory{"Velocity", 7, VelocityMetresPerSecond},
                      SizedCategory{"Acceleration", 8, AccelerationMetresPerSecondSquared},
                      SizedCategory{"Force", 9, ForceNewtons},
                      SizedCategory{"Energy", 10, EnergyJoules},
                      SizedCategory{"Power", 11, PowerWatts},
                      SizedCategory{"VolumeFlow", 13, VolumeFlowCubicMetresPerSecond},
                      SizedCategory{"MassFlow", 14, MassFlowKilogramsPerSecond},
                      SizedCategory{"Torque", 15, TorqueNewtonMetres},
                      SizedCategory{"Radioactivity", 16, RadioactivityBecquerels},
                      SizedCategory{"Angles", 17, AngleDegrees}),
    [](const auto& info) { return std::string(info.param.name); });

// Fuel economy: every measure expressed in kilometres per litre and back, from the mile and the
// gallons.
long double ToKilometresPerLitre(int unit, long double v) {
  const long double mile = kMile / 1000;
  switch (unit) {
    case 0:
      return v;
    case 1:
      return 100 / v;
    case 2:
      return 1 / v;
    case 3:
      return v * mile / (kUkGallonMl / 1000);
    default:
      return v * mile / (kUsGallonMl / 1000);
  }
}

long double FromKilometresPerLitre(int unit, long double kmPerLitre) {
  const long double mile = kMile / 1000;
  switch (unit) {
    case 0:
      return kmPerLitre;
    case 1:
      return 100 / kmPerLitre;
    case 2:
      return 1 / kmPerLitre;
    case 3:
      return kmPerLitre * (kUkGallonMl / 1000) / mile;
    default:
      return kmPerLitre * (kUsGallonMl / 1000) / mile;
  }
}

TEST(FuelEconomy, EveryOrderedPairFollowsTheDefinitions) {
  const PairFormula formula = CategoryFormula(12);
  ASSERT_NE(formula, nullptr);
  for (const double value : {1.0, 7.5, -3.0, 0.04}) {
    for (int i = 0; i < 5; ++i) {
      for (int j = 0; j < 5; ++j) {
        if (i == j) continue;
        const auto converted = Guarded([&] { return formula(i, j, Typed(value)); });
        ASSERT_TRUE(converted.has_value());
        ExpectSameTo14Digits(
            *converted, FromKilometresPerLitre(j, ToKilometresPerLitre(i, value)),
            std::to_string(value) + " pair " + std::to_string(i) + " -> " + std::to_string(j));
      }
    }
  }
  EXPECT_FALSE(formula(-1, 0, Typed(1.0)).has_value());
  EXPECT_FALSE(formula(0, 5, Typed(1.0)).has_value());
}

}  // namespace
}  // namespace vaneko::convert
