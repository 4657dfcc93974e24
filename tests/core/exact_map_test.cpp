// Conversions exact to the last digit: the map of the exact typed decimal, rounded once to 15
// significant digits with a half away from zero. Expected texts are worked out by hand from the
// definitions (long division), never taken from the program.
#include "core/exact_map.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "core/errors.h"
#include "core/fp_faults.h"

namespace vaneko {
namespace {

constexpr ExactSize kRadian{1, 1, -1};  // a radian in half turns: 1 / π

// Temperatures as affine maps to kelvins, K = x × scale + offset.
constexpr ExactMap kFahrenheitToKelvin{Whole(5) / Whole(9),
                                       Decimal("459.67") * Whole(5) / Whole(9)};
constexpr ExactMap kCelsiusToKelvin{Whole(1), Decimal("273.15")};

struct MapCase {
  const char* name;
  const char* typed;
  ExactMap map;
  const char* shown;
};

class ApplyExactlyShows : public ::testing::TestWithParam<MapCase> {};

TEST_P(ApplyExactlyShows, TheCorrectlyRoundedDigits) {
  const MapCase& c = GetParam();
  const DecimalNumber x = ReadDecimal(c.typed);
  EXPECT_EQ(FormatNumber(Guarded([&] { return ApplyExactly(x, c.map); })), c.shown) << c.name;
  EXPECT_EQ(FormatNumber(Guarded([&] { return ApplyExactlySlow(x, c.map); })), c.shown)
      << c.name << " (exact path)";
}

INSTANTIATE_TEST_SUITE_P(
    Maps, ApplyExactlyShows,
    ::testing::Values(
        MapCase{"yard to chain, 1/22", "1", {Whole(1) / Whole(22)}, "0,0454545454545455"},
        MapCase{"km to nautical mile", "1", {Whole(1000) / Whole(1852)}, "0,539956803455724"},
        MapCase{
            "a tie rounds away from zero", "1,234567890123455", {Whole(100)}, "123,456789012346"},
        MapCase{"a negative tie too", "-1,234567890123455", {Whole(100)}, "-123,456789012346"},
        MapCase{"just below a tie", "1,2345678901234549999", {Whole(100)}, "123,456789012345"},
        MapCase{"0,1 is a tenth, not a double", "0,1", {Whole(3)}, "0,3"},
        MapCase{"absolute zero from Fahrenheit", "-459,67", kFahrenheitToKelvin, "0"},
        MapCase{"absolute zero from Celsius", "-273,15", kCelsiusToKelvin, "0"},
        MapCase{"a cancellation leaves the exact rest", "-273,14999999999", kCelsiusToKelvin,
                "1E-11"},
        MapCase{"fifteen nines round up a decade", "9,9999999999999995", {Whole(1)}, "10"},
        MapCase{"reciprocal pair", "4", {Whole(100), Whole(0), true}, "25"},
        MapCase{"reciprocal of a third", "3", {Whole(1), Whole(0), true}, "0,333333333333333"},
        MapCase{"radian to degrees", "1", {Whole(180) * kRadian}, "57,2957795130823"},
        MapCase{"degrees to radian", "180", {ExactSize{1, 180, 1}}, "3,14159265358979"},
        MapCase{"tiny result", "1E-300", {Whole(1) / Whole(7)}, "1,42857142857143E-301"},
        MapCase{"huge result", "1E300", {Whole(7)}, "7E300"},
        MapCase{"beyond the double range", "1E308", {Whole(1000)}, "1E311"},
        MapCase{"zero", "0", {Whole(5)}, "0"}));

TEST(ApplyExactly, ReciprocalOfZeroIsADivisionByZero) {
  const DecimalNumber zero = ReadDecimal("0");
  EXPECT_THROW(Guarded([&] {
                 return ApplyExactly(zero, {Whole(2), Whole(0), true});
               }),
               EZeroDivide);
}

// The fast path must agree with the exact one everywhere, not only where it is sure: random
// decimals of up to 20 digits through ratios and affine maps of awkward sizes.
TEST(ApplyExactly, FastPathAgreesWithTheExactPath) {
  const ExactMap maps[] = {
      {Decimal("0.0254") / Decimal("0.3048")},
      {Decimal("1609.344") / Decimal("1852")},
      {Whole(231) * Decimal("0.0254") * Decimal("0.0254") * Decimal("0.0254") /
       Decimal("0.00454609")},
      kFahrenheitToKelvin,
      {Whole(9) / Whole(5), Decimal("-459.67")},
      {Decimal("282.480936331822"), Whole(0), true},
      {Whole(200) * kRadian},
  };
  std::mt19937_64 random(20261209);
  std::uniform_int_distribution<int> digitCount(1, 20);
  std::uniform_int_distribution<int> digit(0, 9);
  std::uniform_int_distribution<int> exponent(-30, 30);
  int mismatches = 0;
  for (int n = 0; n < 20000; ++n) {
    std::string text = random() % 2 ? "-" : "";
    const int count = digitCount(random);
    for (int k = 0; k < count; ++k) {
      text += static_cast<char>('0' + digit(random));
      if (k == 0) text += ',';
    }
    text += "E" + std::to_string(exponent(random));
    const DecimalNumber x = ReadDecimal(text);
    const ExactMap& map = maps[n % std::size(maps)];
    if (map.reciprocal && x.value == 0) continue;
    const std::string fast = FormatNumber(ApplyExactly(x, map));
    const std::string exact = FormatNumber(ApplyExactlySlow(x, map));
    if (fast != exact && ++mismatches <= 10)
      ADD_FAILURE() << text << " map " << n % std::size(maps) << ": " << fast << " vs " << exact;
  }
  EXPECT_EQ(mismatches, 0);
}

}  // namespace
}  // namespace vaneko
