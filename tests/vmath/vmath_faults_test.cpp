// Arguments outside a function's domain and results beyond the double range raise the
// processor's flags, which the fault guard turns into the calculator's error messages.
#include <gtest/gtest.h>

#include <cctype>
#include <cfenv>
#include <cmath>
#include <functional>
#include <ostream>
#include <string>

#include "core/errors.h"
#include "core/fp_faults.h"
#include "vmath/vmath.h"

namespace {

enum class Fault { Invalid, ZeroDivide, Overflow };

struct FaultCase {
  std::string name;
  std::function<double()> call;
  Fault fault;
};

const FaultCase kFaultCases[] = {
    {"ArcSin(2)", [] { return ArcSin(2); }, Fault::Invalid},
    {"ArcSin(-1,0001)", [] { return ArcSin(-1.0001); }, Fault::Invalid},
    {"ArcCos(-1,5)", [] { return ArcCos(-1.5); }, Fault::Invalid},
    {"ArcCosh(0,5)", [] { return ArcCosh(0.5); }, Fault::Invalid},
    {"ArcCosh(-2)", [] { return ArcCosh(-2); }, Fault::Invalid},
    {"ArcTanh(1)", [] { return ArcTanh(1); }, Fault::Invalid},
    {"ArcTanh(-1)", [] { return ArcTanh(-1); }, Fault::Invalid},
    {"ArcTanh(3)", [] { return ArcTanh(3); }, Fault::Invalid},
    {"Fact(-1)", [] { return Fact(-1); }, Fault::Invalid},
    {"Fact(171)", [] { return Fact(171); }, Fault::Overflow},
    {"Fact(2147483647)", [] { return Fact(2147483647); }, Fault::Overflow},
    {"Gamma(0)", [] { return Gamma(0); }, Fault::Invalid},
    {"Gamma(-3)", [] { return Gamma(-3); }, Fault::Invalid},
    {"Gamma(172)", [] { return Gamma(172); }, Fault::Overflow},
    {"Gamma(1E300)", [] { return Gamma(1e300); }, Fault::Overflow},
    {"Gamma(200,5)", [] { return Gamma(200.5); }, Fault::Overflow},
    {"Binomial(3,5)", [] { return Binomial(3, 5); }, Fault::Invalid},
    {"Binomial(-1,0)", [] { return Binomial(-1, 0); }, Fault::Invalid},
    {"Binomial(5,-1)", [] { return Binomial(5, -1); }, Fault::Invalid},
    {"Binomial(1030,515)", [] { return Binomial(1030, 515); }, Fault::Overflow},
    {"Binomial(2147483647,1073741823)", [] { return Binomial(2147483647, 1073741823); },
     Fault::Overflow},
    {"Log10(-1)", [] { return Log10(-1); }, Fault::Invalid},
    {"Log10(0)", [] { return Log10(0); }, Fault::ZeroDivide},
    {"Power(-8,1/3)", [] { return Power(-8, 1.0 / 3); }, Fault::Invalid},
    {"Power(0,-1)", [] { return Power(0, -1); }, Fault::ZeroDivide},
    {"Power(10,400)", [] { return Power(10, 400); }, Fault::Overflow},
    {"Expo(710)", [] { return Expo(710); }, Fault::Overflow},
    {"Exp10(309)", [] { return Exp10(309); }, Fault::Overflow},
    {"Sinh(1000)", [] { return Sinh(1000); }, Fault::Overflow},
    {"Sinh(-1000)", [] { return Sinh(-1000); }, Fault::Overflow},
    {"Cosh(-1000)", [] { return Cosh(-1000); }, Fault::Overflow},
    {"Pythag(1,5E308,1,5E308)", [] { return Pythag(1.5e308, 1.5e308); }, Fault::Overflow},
};

void PrintTo(const FaultCase& c, std::ostream* os) {
  *os << c.name;
}

class VmathFaults : public testing::TestWithParam<FaultCase> {};

TEST_P(VmathFaults, RaisesTheMatchingFlag) {
  const FaultCase& c = GetParam();
  switch (c.fault) {
    case Fault::Invalid:
      EXPECT_THROW(vaneko::Guarded(c.call), vaneko::EInvalidOp);
      break;
    case Fault::ZeroDivide:
      EXPECT_THROW(vaneko::Guarded(c.call), vaneko::EZeroDivide);
      break;
    case Fault::Overflow:
      EXPECT_THROW(vaneko::Guarded(c.call), vaneko::EOverflow);
      break;
  }
}

INSTANTIATE_TEST_SUITE_P(Table, VmathFaults, testing::ValuesIn(kFaultCases),
                         [](const testing::TestParamInfo<FaultCase>& info) {
                           std::string name;
                           for (char c : info.param.name)
                             name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
                           return name;
                         });

// The value that comes with a fault: NaN outside the domain, an infinity of the right sign
// beyond the range, minus infinity at the logarithm's pole.
TEST(VmathFaultValues, AccompanyTheFlags) {
  EXPECT_TRUE(std::isnan(ArcSin(2)));
  EXPECT_TRUE(std::isnan(Fact(-3)));
  EXPECT_TRUE(std::isnan(Binomial(2, 3)));
  EXPECT_EQ(Fact(200), HUGE_VAL);
  EXPECT_EQ(Sinh(-1000), -HUGE_VAL);
  EXPECT_EQ(Log10(0), -HUGE_VAL);
  std::feclearexcept(FE_ALL_EXCEPT);
}

}  // namespace
