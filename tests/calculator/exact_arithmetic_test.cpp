// The calculator keeps what was typed: a typed decimal is its exact value, and arithmetic on
// exact values is exact, so a chain shows the correctly rounded 15 digits of its exact result.
#include <boost/multiprecision/cpp_int.hpp>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "calculator/number.h"
#include "tests/calculator/calculator_rig.h"

namespace vaneko::calculator::testing_support {
namespace {

const KeyCase kExact[] = {
    {"tenths cancel", {"0,1", "+", "0,2", "-", "0,3", "="}, {{"Calc", "0"}}},
    {"one less its parts", {"1", "-", "0,9", "-", "0,1", "="}, {{"Calc", "0"}}},
    {"cents", {"7801,26", "-", "7856,67", "+", "5,58", "="}, {{"Calc", "-49,83"}}},
    {"ten-thousandths", {"4308,37", "-", "4385,2092", "-", "0,995", "="}, {{"Calc", "-77,8342"}}},
    {"twenty-one digits less themselves",
     {"33333333333333333333,3", "-", "33333333333333333333,3", "="},
     {{"Calc", "0"}}},
    {"square of a tenth", {"0,1", "x^2", "-", "0,01", "="}, {{"Calc", "0"}}},
    {"cube of 1,1", {"1,1", "x^3", "-", "1,331", "="}, {{"Calc", "0"}}},
    {"a third times three", {"1", "/", "3", "*", "3", "="}, {{"Calc", "1"}}},
    {"a seventh shown, then undone", {"1", "/", "7", "=", "*", "7", "="}, {{"Calc", "1"}}},
    {"twice Pi", {"2", "*", "Pi", "="}, {{"Calc", "6,28318530717959"}}},
    {"Pi less Pi", {"Pi", "-", "Pi", "="}, {{"Calc", "0"}}},
    {"percent of a tenth", {"0,1", "x % de y", "30", "="}, {{"Calc", "0,03"}}},
    {"reciprocal of a third", {"1", "/", "3", "=", "1/x"}, {{"Calc", "3"}}},
    {"whole power of a tenth", {"0,1", "x^Y", "3", "-", "0,001", "="}, {{"Calc", "0"}}},
    {"negative whole power", {"2", "x^Y", "10", "+/-", "*", "1024", "="}, {{"Calc", "1"}}},
    {"root with a whole exponent", {"0,2", "x^1/y", "0,5", "-", "0,04", "="}, {{"Calc", "0"}}},
    {"fractional power from the library", {"27", "x^1/y", "3", "="}, {{"Calc", "3"}}},
    {"sign of a tenth", {"0,1", "+/-", "+", "0,1", "="}, {{"Calc", "0"}}},
    {"memory of tenths", {"0,1", "M+", "0,2", "M+", "0,3", "M-"}, {{"mem", "0"}}},
    {"register of tenths", {"0,1", "X+", "0,2", "X+", "0,3", "X-"}, {{"X1", "0"}}},
    {"register Y of thirds",
     {"1", "/", "3", "=", "Y+", "Y+", "Y+", "YR", "-", "1", "="},
     {{"Calc", "0"}}},
    {"function result less itself", {"2", "Ln", "X", "XR", "-", "XR", "="}, {{"Calc", "0"}}},
    {"a half away from zero", {"1", "+", "0,000000000000005", "="}, {{"Calc", "1,00000000000001"}}},
    {"a negative half away from zero",
     {"0", "-", "1,000000000000005", "="},
     {{"Calc", "-1,00000000000001"}}},
};

// The text constants hold more digits than a binary number keeps: each is its exact decimal.
const KeyCase kTextConstants[] = {
    {"e", {"e", "-", "e", "="}, {{"Calc", "0"}}},
    {"y", {"y", "-", "y", "="}, {{"Calc", "0"}}},
    {"Euler", {"Euler", "-", "Euler", "="}, {{"Calc", "0"}}},
    {"g0", {"g0", "-", "g0", "="}, {{"Calc", "0"}}},
    {"h (11)", {"h (11)", "-", "h (11)", "="}, {{"Calc", "0"}}},
    {"e times a million", {"e", "*", "1000000", "="}, {{"Calc", "2718281,82845905"}}},
};

class ExactKeys : public ::testing::TestWithParam<KeyCase> {};
TEST_P(ExactKeys, ShowTheExactResult) {
  RunKeyCase(GetParam());
}
INSTANTIATE_TEST_SUITE_P(Chains, ExactKeys, ::testing::ValuesIn(kExact), CaseNamer{});
INSTANTIATE_TEST_SUITE_P(TextConstants, ExactKeys, ::testing::ValuesIn(kTextConstants),
                         CaseNamer{});

// The reference of the random chains: exact rationals and a writer of the number notation of
// their own, a half rounded away from zero.
using boost::multiprecision::cpp_int;
using boost::multiprecision::cpp_rational;

cpp_int Ten(int n) {
  return boost::multiprecision::pow(cpp_int(10), static_cast<unsigned>(n));
}

std::string ReferenceText(const cpp_rational& value) {
  if (value == 0) return "0";
  const bool negative = value < 0;
  const cpp_rational magnitude = negative ? cpp_rational(-value) : value;
  // e such that 10^(e-1) <= magnitude < 10^e, then the 15 digits d = round(magnitude 10^(15-e)).
  const auto power = [](int n) { return n >= 0 ? cpp_rational(Ten(n)) : cpp_rational(1, Ten(-n)); };
  int e = static_cast<int>((static_cast<double>(msb(numerator(magnitude))) -
                            static_cast<double>(msb(denominator(magnitude)))) *
                           0.30103);
  while (magnitude >= power(e)) ++e;
  while (magnitude < power(e - 1)) --e;
  const cpp_rational scaled = magnitude * power(15 - e);
  cpp_int digits = numerator(scaled) / denominator(scaled);
  if ((scaled - cpp_rational(digits)) * 2 >= 1) ++digits;
  if (digits == Ten(15)) {
    digits = Ten(14);
    ++e;
  }
  std::string d = digits.str();
  while (d.size() > 1 && d.back() == '0') d.pop_back();
  std::string out = negative ? "-" : "";
  if (e >= -3 && e <= 15) {
    if (e <= 0) return out + "0," + std::string(static_cast<std::size_t>(-e), '0') + d;
    if (d.size() <= static_cast<std::size_t>(e))
      return out + d + std::string(static_cast<std::size_t>(e) - d.size(), '0');
    return out + d.substr(0, static_cast<std::size_t>(e)) + "," +
           d.substr(static_cast<std::size_t>(e));
  }
  out += d.substr(0, 1);
  if (d.size() > 1) out += "," + d.substr(1);
  return out + "E" + std::to_string(e - 1);
}

// A decimal of 1 to 20 digits, a comma somewhere or nowhere, never zero.
std::string RandomDecimal(std::mt19937_64& random, cpp_rational& value) {
  const int length = std::uniform_int_distribution<int>(1, 20)(random);
  std::string digits;
  for (int k = 0; k < length; ++k)
    digits +=
        static_cast<char>('0' + std::uniform_int_distribution<int>(k == 0 ? 1 : 0, 9)(random));
  const int comma = std::uniform_int_distribution<int>(0, length)(random);  // digits after it
  value = cpp_rational(cpp_int(digits), Ten(comma));
  if (comma == 0) return digits;
  const std::size_t at = digits.size() - static_cast<std::size_t>(comma);
  return (at == 0 ? std::string("0") : digits.substr(0, at)) + "," + digits.substr(at);
}

TEST(ExactChains, TenThousandRandomChainsMatchTheExactReference) {
  std::mt19937_64 random(20261210);
  const char* const operators[] = {"+", "-", "*", "/"};
  int mismatches = 0;
  for (int chain = 0; chain < 10000; ++chain) {
    CalculatorRig rig;
    cpp_rational expected;
    std::vector<std::string> keys{RandomDecimal(random, expected)};
    const int terms = std::uniform_int_distribution<int>(2, 6)(random);
    for (int term = 1; term < terms; ++term) {
      const int op = std::uniform_int_distribution<int>(0, 3)(random);
      cpp_rational operand;
      keys.emplace_back(operators[op]);
      keys.push_back(RandomDecimal(random, operand));
      if (op == 0) expected += operand;
      if (op == 1) expected -= operand;
      if (op == 2) expected *= operand;
      if (op == 3) expected /= operand;
    }
    keys.emplace_back("=");
    rig.Press(keys);
    const std::string want = ReferenceText(expected);
    if (rig.model.Calc != want && ++mismatches <= 10) {
      std::string sequence;
      for (const std::string& key : keys) sequence += key + " ";
      ADD_FAILURE() << sequence << "shows " << rig.model.Calc << ", exactly " << want;
    }
    EXPECT_TRUE(rig.errors.empty());
  }
  EXPECT_EQ(mismatches, 0);
}

// A long chain of divisions outgrows the exact bound: the number is then rounded to 128 bits,
// stays small, and still shows the right digits.
TEST(ExactChains, LongDivisionChainIsRoundedAndStaysRight) {
  CalculatorRig rig;
  rig.Press({"1"});
  cpp_rational expected = 1;
  for (int k = 0; k < 2000; ++k) {
    rig.Press({"/", "7", "*", "6"});
    expected = expected / 7 * 6;
  }
  rig.Press({"="});
  EXPECT_FALSE(rig.model.Accumulator.IsExact());
  EXPECT_EQ(rig.model.Calc, ReferenceText(expected));
}

// Number on its own: the edges of what it holds.
TEST(Number, NearestExtendedIsTheReadersValueForTypedDecimals) {
  std::mt19937_64 random(7);
  for (int k = 0; k < 2000; ++k) {
    cpp_rational unused;
    const std::string text = RandomDecimal(random, unused) + "E" +
                             std::to_string(std::uniform_int_distribution<int>(-400, 400)(random));
    const DecimalNumber decimal = ReadDecimal(text);
    EXPECT_EQ(Number::OfDecimal(decimal).Nearest(), decimal.value) << text;
  }
}

TEST(Number, ComputedValuesAreInexactAndCancel) {
  const Number third = Number::Computed(1.0L / 3);
  EXPECT_FALSE(third.IsExact());
  EXPECT_TRUE((third - third).IsZero());
  EXPECT_EQ(third.Nearest(), 1.0L / 3);
  EXPECT_TRUE(Number::Whole(3).IsExact());
  EXPECT_THROW(Number::Computed(std::numeric_limits<Extended>::quiet_NaN()), EInvalidOp);
  EXPECT_THROW(Number::Computed(std::numeric_limits<Extended>::infinity()), EOverflow);
}

// An inexact number keeps at most 128 significant bits, in lowest terms whatever it is
// combined with, so equal values compare equal and cancel.
TEST(Number, InexactValuesStayShortAndReduced) {
  const Number pi = Number::Computed(3.14159265358979323846L);
  const Number tenth = Number::OfDecimal(ReadDecimal("0,1"));
  const Number product = pi * tenth;
  EXPECT_FALSE(product.IsExact());
  EXPECT_EQ(product.Text(), "0,314159265358979");
  EXPECT_EQ(-pi * Number::Whole(2), -(pi + pi));
  EXPECT_EQ(pi * Number::Whole(4) / Number::Whole(4), pi);
  EXPECT_TRUE((product - pi * tenth).IsZero());
  EXPECT_EQ((product / tenth - pi).Text(), "0");
}

// A pasted page of digits is read at once, as the 128-bit number it is held as.
TEST(Number, AVeryLongDecimalIsReadAsAnInexactNumber) {
  const std::string digits = "1," + std::string(200000, '3') + "5";
  const Number number = Number::OfDecimal(ReadDecimal(digits));
  EXPECT_FALSE(number.IsExact());
  EXPECT_EQ(number.Text(), "1,33333333333333");
  EXPECT_TRUE(Number::OfDecimal(ReadDecimal(std::string(1200, '7'))).IsExact());
}

TEST(Number, PowersBeyondAndBelowTheRange) {
  EXPECT_THROW(Power(Number::Whole(10), 5000), EOverflow);
  EXPECT_EQ(Power(Number::Whole(10), -5000).Text(), "0");
  EXPECT_THROW(Power(Number(), -1), EZeroDivide);
  EXPECT_EQ(Power(Number(), 0).Text(), "1");
  EXPECT_EQ(Power(Number::Whole(-1), 999999999999).Text(), "-1");
  EXPECT_EQ(Power(Number::Whole(2), 1000).Text(), "1,07150860718627E301");
  // (3/2)^2000 outgrows the exact bound and is computed with 128-bit roundings.
  const Number threeHalves = Number::Whole(3) / Number::Whole(2);
  EXPECT_FALSE(Power(threeHalves, 2000).IsExact());
  EXPECT_EQ(Power(threeHalves, 2000).Text(),
            ReferenceText(cpp_rational(boost::multiprecision::pow(cpp_int(3), 2000),
                                       boost::multiprecision::pow(cpp_int(2), 2000))));
}

TEST(Number, ValuesBelowTheExtendedRangeShowZero) {
  const Number tiny = Power(Number::OfDecimal(ReadDecimal("1E-499")), 10);
  EXPECT_FALSE(tiny.IsZero());
  EXPECT_EQ(tiny.Nearest(), 0);
  EXPECT_EQ(tiny.Text(), "0");
  const Number large = Power(Number::OfDecimal(ReadDecimal("1E499")), 5);
  EXPECT_EQ((tiny * large * large).Text(), "1");
}

}  // namespace
}  // namespace vaneko::calculator::testing_support
