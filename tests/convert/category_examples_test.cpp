// Worked examples of the factor categories, compared as the result field shows them (15
// significant digits, decimal comma), and the division-by-zero fault of the reciprocal fuel
// economy pairs.
#include <gtest/gtest.h>

#include <string>

#include "convert/dispatch.h"
#include "core/errors.h"
#include "core/number_text.h"
#include "registry/std_units.h"
#include "typed.h"

namespace vaneko::convert {
namespace {

using vaneko::testing::TabConversions;
using vaneko::testing::Typed;

struct Example {
  int tab;
  int from;
  int to;
  double value;
  const char* shown;
};

void PrintTo(const Example& e, std::ostream* out) {
  *out << "tab " << e.tab << ": " << e.value << " from " << e.from << " to " << e.to;
}

std::string Shown(const Example& e) {
  registry::EnsureStandardUnits();
  const auto formula = TabConversions(e.tab);
  const auto converted = Guarded([&] { return formula(e.from, e.to, Typed(e.value)); });
  if (!converted) return "(no pair formula)";
  return FormatNumber(*converted);
}

class ShowsTheExpectedResult : public ::testing::TestWithParam<Example> {};

TEST_P(ShowsTheExpectedResult, ToTheLastDigit) {
  EXPECT_EQ(Shown(GetParam()), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    LiquidVolume, ShowsTheExpectedResult,
    ::testing::Values(Example{4, 18, 4, 1, "284,130625"}, Example{4, 18, 3, 1, "0,284130625"},
                      Example{4, 18, 0, 1, "284,130625"}, Example{4, 12, 18, 1, "16"},
                      Example{4, 26, 25, 1, "2"}, Example{4, 25, 26, 1, "0,5"},
                      Example{4, 25, 4, 1, "5,91938802083333"}, Example{4, 19, 3, 4, "1"},
                      Example{4, 19, 3, 1, "0,25"}, Example{4, 28, 29, 1, "3"},
                      Example{4, 11, 27, 1, "384"}, Example{4, 24, 12, 1, "0,00390625"},
                      Example{4, 21, 26, 1, "2,4"}, Example{4, 23, 27, 1, "0,5"},
                      // Two registry units: through the registry.
                      Example{4, 11, 3, 1, "3,785411784"}, Example{4, 12, 14, 1, "4"},
                      Example{4, 1, 3, 1, "1000"}));

INSTANTIATE_TEST_SUITE_P(
    Pressure, ShowsTheExpectedResult,
    ::testing::Values(Example{6, 0, 14, 1, "101325"}, Example{6, 0, 25, 1, "760"},
                      Example{6, 0, 3, 1, "76"}, Example{6, 0, 1, 1, "1,01325"},
                      Example{6, 0, 18, 1, "14,6959487755134"}, Example{6, 14, 13, 1, "0,001"},
                      Example{6, 14, 15, 1, "1"}, Example{6, 14, 13, 1000, "1"},
                      Example{6, 14, 1, 1000, "0,01"}, Example{6, 10, 4, 1, "0,000100008054394165"},
                      // Exact factor where a truncated one used to stand.
                      Example{6, 8, 19, 1, "1,01971621297793E-13"},
                      Example{6, 8, 0, 1, "9,86923266716013E-11"}));

INSTANTIATE_TEST_SUITE_P(
    VelocityAndAcceleration, ShowsTheExpectedResult,
    ::testing::Values(
        Example{7, 17, 9, 1, "3,6"}, Example{7, 17, 2, 1, "100"}, Example{7, 17, 1, 1, "6000"},
        Example{7, 17, 0, 1, "360000"}, Example{7, 2, 0, 1, "3600"}, Example{7, 2, 1, 1, "60"},
        Example{7, 11, 2, 1, "100000"}, Example{7, 14, 9, 1, "1229"}, Example{7, 22, 14, 1, "1"},
        Example{7, 13, 9, 1, "1,852001376"}, Example{7, 12, 9, 1, "1,853994768"},
        Example{7, 0, 21, 1, "9,26566931105978E-15"}, Example{7, 15, 21, 1, "9,26566931105978E-13"},
        Example{8, 2, 0, 1, "980,665"}, Example{8, 2, 1, 1, "32,1740485564304"}));

INSTANTIATE_TEST_SUITE_P(
    ForceAndTorque, ShowsTheExpectedResult,
    ::testing::Values(Example{9, 4, 8, 1, "9,80665"}, Example{9, 4, 2, 1, "1000"},
                      Example{9, 11, 8, 1, "4,4482216152605"}, Example{9, 8, 5, 1, "0,001"},
                      Example{9, 8, 6, 1, "1E-6"}, Example{9, 8, 7, 1, "1000"},
                      Example{9, 6, 5, 1, "1000"}, Example{9, 7, 5, 1, "1E-6"},
                      Example{9, 7, 6, 1, "1E-9"}, Example{9, 10, 8, 1, "0,138254954376"},
                      Example{9, 10, 1, 1, "1,38254954376E-10"},
                      Example{9, 0, 12, 1, "1,01971621297793E-9"},
                      Example{15, 3, 2, 1, "0,101971621297793"}, Example{15, 3, 0, 1, "10000000"},
                      Example{15, 0, 10, 1, "1,01971621297793E-11"}));

INSTANTIATE_TEST_SUITE_P(
    EnergyAndPower, ShowsTheExpectedResult,
    ::testing::Values(Example{10, 24, 15, 1, "3600000"}, Example{10, 5, 15, 1, "4,1868"},
                      Example{10, 0, 15, 1, "1055,056"}, Example{10, 12, 14, 1, "3600"},
                      Example{10, 8, 15, 1, "1,60206E-19"}, Example{10, 8, 29, 1, "1,60206E-16"},
                      Example{10, 10, 24, 1, "4,45016666666667E-17"},
                      Example{10, 9, 32, 1, "9,47816987913438E-16"}, Example{11, 6, 17, 1, "746"},
                      Example{11, 6, 13, 1, "0,178179038884112"},
                      Example{11, 7, 17, 1, "735,49875"}, Example{11, 9, 8, 1, "60"},
                      Example{11, 10, 8, 1, "3600"}, Example{11, 10, 9, 1, "60"},
                      Example{11, 13, 17, 1, "4186,8"}, Example{11, 10, 20, 1, "1E-9"}));

INSTANTIATE_TEST_SUITE_P(
    Flows, ShowsTheExpectedResult,
    ::testing::Values(Example{13, 11, 9, 1, "3600"}, Example{13, 11, 31, 1, "60000"},
                      Example{13, 8, 6, 1, "3600"}, Example{13, 8, 7, 1, "60"},
                      Example{13, 29, 27, 1, "3600"}, Example{13, 22, 31, 1, "4,54609"},
                      Example{13, 20, 35, 1, "29,5735295625"},
                      Example{13, 0, 14, 1, "3,6331961647622E-10"},
                      Example{14, 3, 1, 1, "16,6666666666667"}, Example{14, 1, 3, 1, "0,06"},
                      Example{14, 5, 2, 1, "1000"}, Example{14, 5, 1, 1, "60000"},
                      Example{14, 14, 5, 1, "14,5939035919985"}));

INSTANTIATE_TEST_SUITE_P(
    FuelRadioactivityAngles, ShowsTheExpectedResult,
    ::testing::Values(
        Example{12, 0, 1, 10, "10"}, Example{12, 0, 2, 10, "0,1"}, Example{12, 1, 0, 5, "20"},
        Example{12, 1, 2, 5, "0,05"}, Example{12, 2, 1, 1, "100"}, Example{12, 0, 3, 0, "0"},
        Example{12, 3, 0, 1, "0,354006189934647"}, Example{12, 3, 4, 1, "0,832674184628989"},
        Example{12, 3, 1, 1, "282,480936331822"}, Example{12, 4, 0, 1, "0,425143707430272"},
        Example{12, 4, 2, 1, "2,35214583333333"}, Example{12, 0, 3, 1, "2,82480936331822"},
        Example{16, 1, 0, 1, "37000000000"}, Example{16, 5, 0, 1, "37000000"},
        Example{16, 2, 5, 1, "27,027027027027"}, Example{16, 0, 1, 1, "2,7027027027027E-11"},
        Example{17, 4, 0, 1, "57,2957795130823"}, Example{17, 4, 2, 1, "206264,806247096"},
        Example{17, 0, 4, 1, "0,0174532925199433"}, Example{17, 3, 0, 1, "0,9"},
        Example{17, 2, 4, 1, "4,84813681109536E-6"}, Example{17, 1, 0, 30, "0,5"}));

// Negative values convert like any other.
INSTANTIATE_TEST_SUITE_P(NegativeValues, ShowsTheExpectedResult,
                         ::testing::Values(Example{6, 0, 14, -2, "-202650"},
                                           Example{17, 0, 3, -90, "-100"},
                                           Example{12, 0, 1, -4, "-25"}));

// The pairs of fuel economy that divide a constant by the value.
constexpr std::pair<int, int> kReciprocalFuelPairs[] = {
    {0, 1}, {0, 2}, {1, 0}, {1, 3}, {1, 4}, {2, 0}, {2, 3}, {2, 4}, {3, 1}, {3, 2}, {4, 1}, {4, 2}};

TEST(FuelEconomyZero, ReciprocalPairRaisesDivisionByZero) {
  const auto formula = TabConversions(12);
  for (const auto& [from, to] : kReciprocalFuelPairs) {
    for (const double zero : {0.0, -0.0}) {
      try {
        // Structured bindings are captured by copy under their own names (C++17 rules, which
        // clang 14 still applies).
        Guarded([&, from = from, to = to] { return formula(from, to, Typed(zero)); });
        ADD_FAILURE() << from << " -> " << to << ": no fault";
      } catch (const EZeroDivide& fault) {
        EXPECT_STREQ(fault.what(), "Floating point division by zero");
      }
    }
  }
}

TEST(FuelEconomyZero, FactorPairGivesZero) {
  const auto formula = TabConversions(12);
  for (const auto& [from, to] : {std::pair{0, 3}, std::pair{0, 4}, std::pair{3, 0}, std::pair{3, 4},
                                 std::pair{4, 3}, std::pair{1, 2}, std::pair{2, 1}}) {
    const auto converted =
        Guarded([&, from = from, to = to] { return formula(from, to, Typed(0.0)); });
    ASSERT_TRUE(converted.has_value());
    EXPECT_EQ(*converted, 0.0L) << from << " -> " << to;
  }
}

TEST(ConvertPair, EveryTabConvertsAndNothingOutside) {
  // Some line of each from-list converts into the first unit of the to-list (the kitchen tab's
  // first lines are headings).
  for (int tab = 0; tab < 18; ++tab) {
    bool converts = false;
    for (int from = 0; from < 30 && !converts; ++from)
      converts = Guarded([&] { return ConvertPair(tab, from, 0, Typed(1.0)); }).has_value();
    EXPECT_TRUE(converts) << tab;
  }
  for (const int outside : {-1, 18}) {
    EXPECT_FALSE(ConvertPair(outside, 0, 0, Typed(1.0)).has_value()) << outside;
    EXPECT_FALSE(ConvertPair(outside, 1, 0, Typed(1.0)).has_value()) << outside;
  }
}

}  // namespace
}  // namespace vaneko::convert
