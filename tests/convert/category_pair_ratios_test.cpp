// Every ordered pair of every factor category converts 1 into size(from) / size(to), and a
// pair scales with the value. The sizes are the reference sizes of reference_sizes.h, derived
// from the unit definitions independently of the product's own tables.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "convert/dispatch.h"
#include "reference_sizes.h"
#include "registry/std_units.h"
#include "typed.h"

namespace vaneko::convert {
namespace {

using vaneko::testing::TabConversions;
using vaneko::testing::Typed;
namespace reference = vaneko::testing::reference;

using Sizes = std::vector<long double>;

// The reference sizes of a category (tests/convert/reference_sizes.h, exact rationals restated
// from the unit definitions) in extended precision.
template <reference::Sizes (*Exact)()>
Sizes InExtended() {
  Sizes sizes;
  for (const reference::Rational& size : Exact()) sizes.push_back(size.convert_to<long double>());
  return sizes;
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
  const auto formula = TabConversions(category.tab);
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
  const auto formula = TabConversions(category.tab);
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
  const auto formula = TabConversions(category.tab);
  const int count = static_cast<int>(category.sizes().size());
  for (const auto& [i, j] : {std::pair{-1, 0}, std::pair{0, -1}, std::pair{count, 0},
                             std::pair{0, count}, std::pair{-1, count}}) {
    EXPECT_FALSE(formula(i, j, Typed(1.0)).has_value()) << i << " -> " << j;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Categories, PairFactorIsTheRatioOfTheSizes,
    ::testing::Values(
        SizedCategory{"LiquidVolume", 4, InExtended<reference::LiquidVolumeMl>},
        SizedCategory{"Pressure", 6, InExtended<reference::PressurePa>},
        SizedCategory{"Velocity", 7, InExtended<reference::VelocityMetresPerSecond>},
        SizedCategory{"Acceleration", 8, InExtended<reference::AccelerationMetresPerSecondSquared>},
        SizedCategory{"Force", 9, InExtended<reference::ForceNewtons>},
        SizedCategory{"Energy", 10, InExtended<reference::EnergyJoules>},
        SizedCategory{"Power", 11, InExtended<reference::PowerWatts>},
        SizedCategory{"VolumeFlow", 13, InExtended<reference::VolumeFlowCubicMetresPerSecond>},
        SizedCategory{"MassFlow", 14, InExtended<reference::MassFlowKilogramsPerSecond>},
        SizedCategory{"Torque", 15, InExtended<reference::TorqueNewtonMetres>},
        SizedCategory{"Radioactivity", 16, InExtended<reference::RadioactivityBecquerels>},
        SizedCategory{"Angles", 17, AngleDegrees}),
    [](const auto& info) { return std::string(info.param.name); });

// Fuel economy: every measure expressed in kilometres per litre and back, from the mile and the
// gallons (the reference's exact maps, in extended precision).
long double ThroughKilometresPerLitre(int from, int to, double value) {
  const reference::Rational exact(value);
  return reference::FromKilometresPerLitre(to, reference::ToKilometresPerLitre(from, exact))
      .convert_to<long double>();
}

TEST(FuelEconomy, EveryOrderedPairFollowsTheDefinitions) {
  const auto formula = TabConversions(12);
  for (const double value : {1.0, 7.5, -3.0, 0.04}) {
    for (int i = 0; i < 5; ++i) {
      for (int j = 0; j < 5; ++j) {
        if (i == j) continue;
        const auto converted = Guarded([&] { return formula(i, j, Typed(value)); });
        ASSERT_TRUE(converted.has_value());
        ExpectSameTo14Digits(
            *converted, ThroughKilometresPerLitre(i, j, value),
            std::to_string(value) + " pair " + std::to_string(i) + " -> " + std::to_string(j));
      }
    }
  }
  EXPECT_FALSE(formula(-1, 0, Typed(1.0)).has_value());
  EXPECT_FALSE(formula(0, 5, Typed(1.0)).has_value());
}

}  // namespace
}  // namespace vaneko::convert
