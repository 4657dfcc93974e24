// The temperature tab as a user works it: a number typed into Nombre1, the temperature tab, a
// from and a to unit picked by name, "Calculer", and the text of Result. Every conversion is the
// exact affine map between the scales (K = C + 273,15; F = C × 9/5 + 32; R = K × 9/5), so
// absolute zero is 0 on both absolute scales and no digit of a round trip through degrees
// Celsius leaks into the 15 shown. The expected texts are worked by hand from those maps.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "convert/converter_model.h"

namespace vaneko::convert {
namespace {

struct TemperatureCase {
  const char* from;
  const char* typed;
  const char* to;
  const char* shown;
};

void PrintTo(const TemperatureCase& c, std::ostream* out) {
  *out << c.typed << " " << c.from << " -> " << c.to;
}

int PositionOf(const ConverterModel& model, const std::string& name) {
  const auto found = std::find(model.FromItems.begin(), model.FromItems.end(), name);
  return found == model.FromItems.end() ? -1 : static_cast<int>(found - model.FromItems.begin());
}

class TemperatureTable : public ::testing::TestWithParam<TemperatureCase> {};

TEST_P(TemperatureTable, ShowsTheExactlyRoundedResult) {
  const TemperatureCase& c = GetParam();
  ConverterModel model;
  model.SelectTab(0);
  const int from = PositionOf(model, c.from);
  const int to = PositionOf(model, c.to);
  ASSERT_GE(from, 0) << c.from;
  ASSERT_GE(to, 0) << c.to;
  model.Nombre1 = c.typed;
  model.FromSelected = from;
  model.ToSelected = to;
  model.DoConvert();
  EXPECT_EQ(model.Result, c.shown);
}

// Each row of the table: a scale, a value on it, and the value on each of the other scales.
INSTANTIATE_TEST_SUITE_P(
    AbsoluteZero, TemperatureTable,
    ::testing::Values(TemperatureCase{"Fahrenheit", "-459,67", "Celcius", "-273,15"},
                      TemperatureCase{"Fahrenheit", "-459,67", "Kelvin", "0"},
                      TemperatureCase{"Fahrenheit", "-459,67", "Rankine", "0"},
                      TemperatureCase{"Celcius", "-273,15", "Fahrenheit", "-459,67"},
                      TemperatureCase{"Celcius", "-273,15", "Kelvin", "0"},
                      TemperatureCase{"Celcius", "-273,15", "Rankine", "0"},
                      TemperatureCase{"Kelvin", "0", "Celcius", "-273,15"},
                      TemperatureCase{"Kelvin", "0", "Fahrenheit", "-459,67"},
                      TemperatureCase{"Kelvin", "0", "Rankine", "0"}));

INSTANTIATE_TEST_SUITE_P(
    OneDegreeAboveZero, TemperatureTable,
    ::testing::Values(TemperatureCase{"Kelvin", "1", "Celcius", "-272,15"},
                      TemperatureCase{"Kelvin", "1", "Fahrenheit", "-457,87"},
                      TemperatureCase{"Kelvin", "1", "Rankine", "1,8"},
                      // 5/9 - 273,15 = -272,5944…, 5/9 = 0,5555…6 once rounded.
                      TemperatureCase{"Rankine", "1", "Celcius", "-272,594444444444"},
                      TemperatureCase{"Rankine", "1", "Fahrenheit", "-458,67"},
                      TemperatureCase{"Rankine", "1", "Kelvin", "0,555555555555556"}));

INSTANTIATE_TEST_SUITE_P(FreezingAndBoiling, TemperatureTable,
                         ::testing::Values(TemperatureCase{"Rankine", "491,67", "Celcius", "0"},
                                           TemperatureCase{"Rankine", "491,67", "Fahrenheit", "32"},
                                           TemperatureCase{"Rankine", "491,67", "Kelvin", "273,15"},
                                           TemperatureCase{"Fahrenheit", "32", "Celcius", "0"},
                                           TemperatureCase{"Fahrenheit", "32", "Kelvin", "273,15"},
                                           TemperatureCase{"Fahrenheit", "32", "Rankine", "491,67"},
                                           TemperatureCase{"Celcius", "100", "Fahrenheit", "212"},
                                           TemperatureCase{"Celcius", "100", "Kelvin", "373,15"},
                                           TemperatureCase{"Celcius", "100", "Rankine", "671,67"}));

// -17,7777777777778 °C is 13 digits short of 0 °F: the exact map gives
// -32,00000000000004 + 32 = -4E-14 °F, 255,3722…2 K and 459,67000000000004 °R.
INSTANTIATE_TEST_SUITE_P(
    NearZeroFahrenheit, TemperatureTable,
    ::testing::Values(TemperatureCase{"Celcius", "-17,7777777777778", "Fahrenheit", "-4E-14"},
                      TemperatureCase{"Celcius", "-17,7777777777778", "Kelvin", "255,372222222222"},
                      TemperatureCase{"Celcius", "-17,7777777777778", "Rankine", "459,67"}));

}  // namespace
}  // namespace vaneko::convert
