// Constant keys: the text each one shows, and how the constant joins a calculation.
#include "tests/calculator/calculator_rig.h"

namespace vaneko::calculator::testing_support {
namespace {

struct ConstantCase {
  std::string caption;
  std::string shown;
};
void PrintTo(const ConstantCase& c, std::ostream* os) {
  *os << c.caption;
}

// The texts shown, as the key list of the calculator's constants gives them.
const ConstantCase kConstants[] = {
    // Values in the number notation.
    {"Pi", "3,14159265358979"},
    {"2Pi", "6,28318530717959"},
    {"Pi / 2", "1,5707963267949"},
    {"Sqrt Pi", "1,77245385090552"},
    {"Sqrt 2Pi", "2,506628274631"},
    {"1 / Sqrt2Pi", "0,398942280401433"},
    {"Ln Sqrt2Pi", "0,918938533204673"},
    {"Ln 2Pi / 2", "0,918938533204673"},
    {"Ln Pi", "1,1447298858494"},
    {"Ln2", "0,693147180559945"},
    {"Ln10", "2,30258509299405"},
    {"Inv Ln2", "1,44269504088896"},
    {"Inv Ln10", "0,434294481903252"},
    {"Sqrt2", "1,4142135623731"},
    {"Sqrt2 / 2", "0,707106781186548"},
    {"Gold", "1,61803398874989"},
    {"CGold", "0,381966011250105"},
    // Texts, character for character.
    {"e", "2,718281828459045"},
    {"y", "0,577215664901533"},
    {"Euler", "0,57721566490153286061"},
    {"Sqrt3", "1,73205080756887729352"},
    {"Omega", "0,5671432904"},
    {"Gauss", "0,834626842"},
    {"Laplace", "0,6627434193"},
    {"Plastique", "1,32471795724474602596"},
    {"Fibonacci", "3,35988566624317755317"},
    {"c", "299792458"},
    {"g0", "9,80665"},
    {"G(80)", "6,67384E-11"},
    {"h (11)", "6,6260693E-34"},
    {"h / 2pi (18)", "1,05457168E-34"},
    {"mp(16)", "2,17645E-8"},
    {"lp(12)", "1,61624E-35"},
    {"tp(40)", "5,39121E-44"},
    {"Tp(11)", "1,41679E32"},
    {"Q", "1,875E-18"},
    {"Ep", "1,956E9"},
    {"Fp", "1,210E44"},
};

class ConstantKeys : public ::testing::TestWithParam<ConstantCase> {};

// The constant replaces the entry and leaves the chain alone.
TEST_P(ConstantKeys, ShowTheirText) {
  CalculatorRig rig;
  rig.Press({"12", "+", "34"});
  rig.Press({GetParam().caption});
  EXPECT_EQ(rig.model.Calc, GetParam().shown);
  EXPECT_TRUE(rig.model.CalcFreshEntry);
  EXPECT_EQ(rig.model.Accumulator.Nearest(), 12);
  EXPECT_EQ(rig.model.AccumulatorState, AccumulatorState::kHolding);
  EXPECT_EQ(rig.model.PendingOperation, Op::kAdd);
  EXPECT_TRUE(rig.errors.empty());
}

// Every constant reads back as a number: it can be an operand.
TEST_P(ConstantKeys, AreOperands) {
  CalculatorRig rig;
  rig.Press({"0", "+", GetParam().caption, "="});
  EXPECT_TRUE(rig.errors.empty()) << rig.errors.front();
  EXPECT_NE(rig.model.Calc, "0");
}

INSTANTIATE_TEST_SUITE_P(Table, ConstantKeys, ::testing::ValuesIn(kConstants),
                         [](const ::testing::TestParamInfo<ConstantCase>& info) {
                           return CaseName(info.param.caption) + "_" + std::to_string(info.index);
                         });

const KeyCase kConstantUse[] = {
    {.name = "two pi", .keys = {"2", "*", "Pi", "="}, .fields = {{"Calc", "6,28318530717959"}}},
    {.name = "pi keeps its precision as left operand",
     .keys = {"Pi", "*", "2", "="},
     .fields = {{"Calc", "6,28318530717959"}}},
    {.name = "typed digits of pi are only digits",
     .keys = {"3,14159265358979", "*", "2", "="},
     .fields = {{"Calc", "6,28318530717958"}}},
    {.name = "Euler read by an operator",
     .keys = {"Euler", "+"},
     .fields = {{"Calc", "0,577215664901533"}}},
    {.name = "digit after constant starts anew", .keys = {"Pi", "5"}, .fields = {{"Calc", "5"}}},
    {.name = "Pp does nothing", .keys = {"1", "2", "Pp", "3"}, .fields = {{"Calc", "123"}}},
    {.name = "constant as function argument",
     .keys = {"Pi / 2", "Rad", "Sin"},
     .fields = {{"Calc", "1"}}},
    {.name = "Sqrt3 squared", .keys = {"Sqrt3", "x^2"}, .fields = {{"Calc", "3"}}},
    {.name = "golden ratio identity",
     .keys = {"Gold", "-", "1", "="},
     .fields = {{"Calc", "0,618033988749895"}}},
};

class ConstantUse : public ::testing::TestWithParam<KeyCase> {};

TEST_P(ConstantUse, JoinTheCalculation) {
  RunKeyCase(GetParam());
}

INSTANTIATE_TEST_SUITE_P(Table, ConstantUse, ::testing::ValuesIn(kConstantUse), CaseNamer{});

TEST(PpKey, ChangesNothing) {
  CalculatorRig rig;
  rig.Press({"4", "+", "5"});
  rig.Press({"Pp"});
  EXPECT_EQ(rig.model.Calc, "5");
  EXPECT_FALSE(rig.model.CalcFreshEntry);
  EXPECT_EQ(rig.model.PendingOperation, Op::kAdd);
}

}  // namespace
}  // namespace vaneko::calculator::testing_support
