// A formula that raises several faults reports the first: a square beyond the extended range
// (about 1,19E4932) is an overflow even when the infinity it leaves makes the next step invalid,
// and a division by zero is not reported as the invalid product of its infinity.
#include "tests/calculator/calculator_rig.h"

namespace vaneko::calculator::testing_support {
namespace {

// 10^n typed in full: the reader's exponent stops at 499, its digits do not.
std::string PowerOfTen(int n) {
  return "1" + std::string(static_cast<std::size_t>(n), '0');
}
const std::string k1E3000 = PowerOfTen(3000);
const std::string k1E2466 = PowerOfTen(2466);

struct FaultCase {
  std::string name;
  const char* mode;
  std::string x, y, z;  // the registers' texts, typed into the entry and stored
  const char* caption;
  std::string error;
};
void PrintTo(const FaultCase& c, std::ostream* os) {
  *os << c.name;
}

const FaultCase kFaults[] = {
    // (1E3000)^2 = 1E6000 overflows; inf - inf would be invalid.
    {"difference of squares, both too large", "Deg", k1E3000, k1E3000, "0", "Sqrt(x^2 - y^ 2)",
     kOverflow},
    // 1 - inf = -inf, whose square root would be invalid.
    {"difference of squares, Y too large", "Deg", "1", k1E3000, "0", "Sqrt(x^2 - y^ 2)", kOverflow},
    {"three squares, all too large", "Deg", k1E3000, k1E3000, k1E3000, "Sqrt(x^2 - y^ 2 - z^2)",
     kOverflow},
    {"three squares, Z too large", "Rad", "1", "1", k1E3000, "Sqrt(x^2 - y^ 2 - z^2)", kOverflow},
    // cos 0 = 1: inf + inf - inf.
    {"cosine rule, squares too large", "Deg", k1E3000, k1E3000, "0", "Sqrt[X^2 + Y^2 - 2XYcosZ]",
     kOverflow},
    // Each square, 1E4932, still fits; their sum and 2XY, 2E4932, do not.
    {"cosine rule, sum too large", "Grad", k1E2466, k1E2466, "0", "Sqrt[X^2 + Y^2 - 2XYcosZ]",
     kOverflow},
    {"norm of three, too large", "Deg", k1E3000, "0", "0", "Sqrt(x^2 + y^ 2 + z^2)", kOverflow},
    // 1 / tan 0 is infinite; 0 times it would be invalid.
    {"zero times cotangent of zero radians", "Rad", "0", "0", "0", "X * CoTan Y", kZeroDivide},
    {"cosecant from cotangent of zero", "Grad", "0", "0", "0", "Sqrt(1 + CoTan^ 2 X )",
     kZeroDivide},
    // A single fault is reported as itself.
    {"difference of squares of finite values", "Deg", "1", "2", "0", "Sqrt(x^2 - y^ 2)",
     kInvalidOp},
    {"three squares of finite values", "Deg", "1", "1", "1", "Sqrt(x^2 - y^ 2 - z^2)", kInvalidOp},
};

class FirstFault : public ::testing::TestWithParam<FaultCase> {};

TEST_P(FirstFault, EndsTheFormula) {
  const FaultCase& c = GetParam();
  CalculatorRig rig;
  rig.Press({c.mode});
  for (const auto& [text, storeKey] :
       {std::pair{c.x, "X"}, std::pair{c.y, "Y"}, std::pair{c.z, "Z"}}) {
    rig.Text("Calc") = text;  // as typed in the entry field
    rig.Press({storeKey});
  }
  rig.Press({"0", c.caption});
  EXPECT_EQ(rig.errors, std::vector<std::string>{c.error});
  // The fault leaves the entry and the registers as they were.
  EXPECT_EQ(rig.Text("Calc"), "0");
  EXPECT_EQ(rig.Text("X1"), c.x);
  EXPECT_EQ(rig.Text("Y1"), c.y);
  EXPECT_EQ(rig.Text("Z1"), c.z);
}

INSTANTIATE_TEST_SUITE_P(Table, FirstFault, ::testing::ValuesIn(kFaults), CaseNamer{});

}  // namespace
}  // namespace vaneko::calculator::testing_support
