// Results of the maths library on ordinary arguments. Every call runs under the fault guard,
// so a stray invalid, divide-by-zero or overflow flag fails the test as well.
#include <gtest/gtest.h>

#include <cctype>
#include <cmath>
#include <functional>
#include <numbers>
#include <ostream>
#include <string>

#include "core/fp_faults.h"
#include "vmath/vmath.h"

namespace {

struct ValueCase {
  std::string name;
  std::function<double()> call;
  double expected;
  double relativeTolerance;  // 0: the result must be exact
};

constexpr double kClose = 1e-15;
constexpr double kPi = std::numbers::pi;

// Expected values are the textbook closed forms or reference values of the functions.
const ValueCase kValueCases[] = {
    {"Expo(0)", [] { return Expo(0); }, 1, 0},
    {"Expo(1)", [] { return Expo(1); }, std::numbers::e, kClose},
    {"Expo(-1)", [] { return Expo(-1); }, 1 / std::numbers::e, kClose},
    {"Exp10(3)", [] { return Exp10(3); }, 1000, 0},
    {"Exp10(-2)", [] { return Exp10(-2); }, 0.01, kClose},
    {"Exp10(0,5)", [] { return Exp10(0.5); }, std::sqrt(10.0), kClose},
    {"Log10(1000)", [] { return Log10(1000); }, 3, 0},
    {"Log10(1)", [] { return Log10(1); }, 0, 0},
    {"Log10(0,001)", [] { return Log10(0.001); }, -3, kClose},
    {"Power(2,10)", [] { return Power(2, 10); }, 1024, 0},
    {"Power(27,1/3)", [] { return Power(27, 1.0 / 3); }, 3, kClose},
    {"Power(-2,3)", [] { return Power(-2, 3); }, -8, 0},
    {"Power(2,-1)", [] { return Power(2, -1); }, 0.5, 0},
    {"Power(5,0)", [] { return Power(5, 0); }, 1, 0},
    {"Tan(0)", [] { return Tan(0); }, 0, 0},
    {"Tan(pi/4)", [] { return Tan(kPi / 4); }, 1, kClose},
    {"Tan(-pi/3)", [] { return Tan(-kPi / 3); }, -std::numbers::sqrt3, kClose},
    {"ArcSin(1)", [] { return ArcSin(1); }, kPi / 2, kClose},
    {"ArcSin(-0,5)", [] { return ArcSin(-0.5); }, -kPi / 6, kClose},
    {"ArcCos(-1)", [] { return ArcCos(-1); }, kPi, kClose},
    {"ArcCos(0,5)", [] { return ArcCos(0.5); }, kPi / 3, kClose},
    {"ArcCos(1)", [] { return ArcCos(1); }, 0, 0},
    {"ArcTan2(1,1)", [] { return ArcTan2(1, 1); }, kPi / 4, kClose},
    {"ArcTan2(1,-1)", [] { return ArcTan2(1, -1); }, 3 * kPi / 4, kClose},
    {"ArcTan2(-1,-1)", [] { return ArcTan2(-1, -1); }, -3 * kPi / 4, kClose},
    {"ArcTan2(-1,1)", [] { return ArcTan2(-1, 1); }, -kPi / 4, kClose},
    {"ArcTan2(1,0)", [] { return ArcTan2(1, 0); }, kPi / 2, kClose},
    {"Pythag(3,4)", [] { return Pythag(3, 4); }, 5, 0},
    {"Pythag(-5,12)", [] { return Pythag(-5, 12); }, 13, 0},
    {"Pythag(0,0)", [] { return Pythag(0, 0); }, 0, 0},
    {"Pythag(1E200,1E200)", [] { return Pythag(1e200, 1e200); }, 1e200 * std::numbers::sqrt2,
     kClose},
    {"Sinh(1)", [] { return Sinh(1); }, 1.1752011936438014, kClose},
    {"Sinh(0)", [] { return Sinh(0); }, 0, 0},
    {"Cosh(1)", [] { return Cosh(1); }, 1.5430806348152437, kClose},
    {"Cosh(0)", [] { return Cosh(0); }, 1, 0},
    {"Tanh(0,5)", [] { return Tanh(0.5); }, 0.46211715726000974, kClose},
    {"Tanh(50)", [] { return Tanh(50); }, 1, kClose},
    {"ArcSinh(1)", [] { return ArcSinh(1); }, std::log(1 + std::numbers::sqrt2), kClose},
    {"ArcCosh(2)", [] { return ArcCosh(2); }, std::log(2 + std::numbers::sqrt3), kClose},
    {"ArcCosh(1)", [] { return ArcCosh(1); }, 0, 0},
    {"ArcTanh(0,5)", [] { return ArcTanh(0.5); }, std::log(3.0) / 2, kClose},
    {"ArcTanh(-0,5)", [] { return ArcTanh(-0.5); }, -std::log(3.0) / 2, kClose},
    {"Fact(0)", [] { return Fact(0); }, 1, 0},
    {"Fact(1)", [] { return Fact(1); }, 1, 0},
    {"Fact(5)", [] { return Fact(5); }, 120, 0},
    {"Fact(20)", [] { return Fact(20); }, 2432902008176640000.0, 0},
    {"Fact(170)", [] { return Fact(170); }, 7.257415615307999e306, kClose},
    {"Gamma(1)", [] { return Gamma(1); }, 1, 0},
    {"Gamma(5)", [] { return Gamma(5); }, 24, 0},
    {"Gamma(21)", [] { return Gamma(21); }, 2432902008176640000.0, 0},
    {"Gamma(171)", [] { return Gamma(171); }, 7.257415615307999e306, kClose},
    {"Gamma(0,5)", [] { return Gamma(0.5); }, std::sqrt(kPi), kClose},
    {"Gamma(4,5)", [] { return Gamma(4.5); }, 105.0 / 16 * std::sqrt(kPi), kClose},
    {"Gamma(-0,5)", [] { return Gamma(-0.5); }, -2 * std::sqrt(kPi), kClose},
    {"Binomial(5,2)", [] { return Binomial(5, 2); }, 10, 0},
    {"Binomial(5,0)", [] { return Binomial(5, 0); }, 1, 0},
    {"Binomial(5,5)", [] { return Binomial(5, 5); }, 1, 0},
    {"Binomial(0,0)", [] { return Binomial(0, 0); }, 1, 0},
    {"Binomial(52,5)", [] { return Binomial(52, 5); }, 2598960, 0},
    {"Binomial(50,25)", [] { return Binomial(50, 25); }, 126410606437752.0, 0},
    {"Binomial(56,28)", [] { return Binomial(56, 28); }, 7648690600760440.0, 0},
    {"Binomial(67,33)", [] { return Binomial(67, 33); }, 14226520737620288370.0, kClose},
    {"Binomial(68,34)", [] { return Binomial(68, 34); }, 2.8453041475240575e19, kClose},
    {"Binomial(1028,514)", [] { return Binomial(1028, 514); }, 7.156051054877897e307, 1e-13},
    {"Binomial(2147483647,1)", [] { return Binomial(2147483647, 1); }, 2147483647, 0},
    {"Binomial(2147483647,2147483646)", [] { return Binomial(2147483647, 2147483646); }, 2147483647,
     0},
    {"DNorm(0)", [] { return DNorm(0); }, 1 / std::sqrt(2 * kPi), kClose},
    {"DNorm(1)", [] { return DNorm(1); }, std::exp(-0.5) / std::sqrt(2 * kPi), kClose},
    {"DNorm(-1)", [] { return DNorm(-1); }, std::exp(-0.5) / std::sqrt(2 * kPi), kClose},
    {"DNorm(40)", [] { return DNorm(40); }, 0, 0},
};

void PrintTo(const ValueCase& c, std::ostream* os) {
  *os << c.name;
}

class VmathValues : public testing::TestWithParam<ValueCase> {};

TEST_P(VmathValues, GivesTheKnownValueWithoutAFault) {
  const ValueCase& c = GetParam();
  const double result = vaneko::Guarded(c.call);
  if (c.relativeTolerance == 0) {
    EXPECT_EQ(result, c.expected);
  } else {
    EXPECT_NEAR(result, c.expected, std::fabs(c.expected) * c.relativeTolerance);
  }
}

INSTANTIATE_TEST_SUITE_P(Table, VmathValues, testing::ValuesIn(kValueCases),
                         [](const testing::TestParamInfo<ValueCase>& info) {
                           std::string name;
                           for (char c : info.param.name)
                             name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
                           return name;
                         });

}  // namespace
