// The state each failure leaves: the entry keeps its text, the accumulator the value it held
// when the evaluation began (for a function or formula key, the entry's value), the entry is
// marked for fresh entry once an evaluation has begun, and the pending operation stays after
// an operator key or "=" but not after a function or formula key.
#include "tests/calculator/calculator_rig.h"

namespace vaneko::calculator::testing_support {
namespace {

struct FailureCase {
  std::string name;
  std::vector<std::string> keys;
  std::string converterResult;
  std::string error;
  std::string calc;
  double accumulator;
  AccumulatorState accumulatorState;
  Op pendingOperation;
  bool freshEntry;
};
void PrintTo(const FailureCase& c, std::ostream* os) {
  *os << c.name;
}

constexpr auto kEmpty = AccumulatorState::kEmpty;
constexpr auto kHolding = AccumulatorState::kHolding;
constexpr auto kRefused = AccumulatorState::kRefusedDivision;
constexpr Op kNone = Op::kNone, kMultiply = Op::kMultiply, kAdd = Op::kAdd, kDivide = Op::kDivide,
             kPower = Op::kPower;

const FailureCase kFailures[] = {
    // Conversion errors.
    {"entry not a number on first load",
     {"Saisir Résultat", "+"},
     "abc",
     NotAFloat("abc"),
     "abc",
     0,
     kEmpty,
     kNone,
     true},
    {"entry not a number as operand",
     {"5", "+", "Saisir Résultat", "="},
     "abc",
     NotAFloat("abc"),
     "abc",
     5,
     kHolding,
     kAdd,
     true},
    {"function of an empty entry changes nothing",
     {"5", "+", "3", "Saisir Résultat", "Sin"},
     "",
     kNotANumberEmpty,
     "",
     5,
     kHolding,
     kAdd,
     false},
    {"function of a text changes nothing",
     {"5", "+", "3", "Saisir Résultat", "Cos"},
     "1,2,3",
     NotAFloat("1,2,3"),
     "1,2,3",
     5,
     kHolding,
     kAdd,
     false},
    {"factorial of a fraction",
     {"5", "+", "5,5", "N !"},
     "",
     NotAnInteger("5,5"),
     "5,5",
     5.5,
     kHolding,
     kNone,
     true},
    {"power base not a number",
     {"2", "x^Y", "Saisir Résultat", "="},
     "x",
     NotAFloat("x"),
     "x",
     2,
     kHolding,
     kPower,
     true},
    // Arithmetic faults of the chain: the operation stays pending.
    {"product overflow",
     {"Saisir Résultat", "*", "Saisir Résultat", "="},
     "1E200",
     kOverflow,
     "1E200",
     1e200,
     kHolding,
     kMultiply,
     true},
    {"operator after overflow",
     {"Saisir Résultat", "*", "Saisir Résultat", "+"},
     "1E200",
     kOverflow,
     "1E200",
     1e200,
     kHolding,
     kMultiply,
     true},
    {"power overflow", {"10", "x^Y", "400", "="}, "", kOverflow, "400", 10, kHolding, kPower, true},
    // Arithmetic faults of function and formula keys: the entry's value, nothing pending.
    {"Ln of -1", {"1", "+/-", "Ln"}, "", kInvalidOp, "-1", -1, kHolding, kNone, true},
    {"Ln of 0", {"0", "Ln"}, "", kZeroDivide, "0", 0, kHolding, kNone, true},
    {"Log of 0", {"0", "Log"}, "", kZeroDivide, "0", 0, kHolding, kNone, true},
    {"Log of 0 discards the chain",
     {"7", "+", "0", "Log"},
     "",
     kZeroDivide,
     "0",
     0,
     kHolding,
     kNone,
     true},
    {"CoTan of 0", {"5", "+", "0", "CoTan"}, "", kZeroDivide, "0", 0, kHolding, kNone, true},
    {"square of 1E200",
     {"Saisir Résultat", "x^2"},
     "1E200",
     kOverflow,
     "1E200",
     1e200,
     kHolding,
     kNone,
     true},
    {"formula fault",
     {"3", "X", "4", "Y", "2", "Sqrt(x^2 - y^ 2)"},
     "",
     kInvalidOp,
     "2",
     2,
     kHolding,
     kNone,
     true},
    // Refused divisions are not errors, but leave their own state.
    {"8 / 0 =", {"8", "/", "0", "="}, "", "", "8", 8, kHolding, kDivide, true},
    {"7 / 0 /", {"7", "/", "0", "/"}, "", "", "7", 7, kRefused, kDivide, true},
    {"1/x of 0", {"0", "1/x"}, "", "", "0", 0, kRefused, kNone, true},
};

class FailureState : public ::testing::TestWithParam<FailureCase> {};

TEST_P(FailureState, IsLeftAsDescribed) {
  const FailureCase& c = GetParam();
  CalculatorRig rig;
  rig.result = c.converterResult;
  rig.Press(c.keys);
  if (c.error.empty()) {
    EXPECT_TRUE(rig.errors.empty());
  } else {
    EXPECT_EQ(rig.errors, std::vector<std::string>{c.error});
  }
  EXPECT_EQ(rig.model.Calc, c.calc);
  EXPECT_EQ(rig.model.Accumulator.Text(), FormatNumber(c.accumulator));
  EXPECT_EQ(rig.model.AccumulatorState, c.accumulatorState);
  EXPECT_EQ(rig.model.PendingOperation, c.pendingOperation);
  EXPECT_EQ(rig.model.CalcFreshEntry, c.freshEntry);
}

INSTANTIATE_TEST_SUITE_P(Table, FailureState, ::testing::ValuesIn(kFailures), CaseNamer{});

// After a failed operand the pending operation is tried again by the next "=".
TEST(FailureRecovery, PendingOperationIsRetried) {
  CalculatorRig rig;
  rig.result = "abc";
  rig.Press({"5", "+", "Saisir Résultat", "=", "2", "="});
  EXPECT_EQ(rig.errors, std::vector<std::string>{NotAFloat("abc")});
  EXPECT_EQ(rig.model.Calc, "7");
}

TEST(FailureRecovery, FunctionFaultLeavesEntryAsLeftOperand) {
  CalculatorRig rig;
  rig.Press({"1", "+/-", "Ln", "+", "3", "="});
  EXPECT_EQ(rig.errors, std::vector<std::string>{kInvalidOp});
  EXPECT_EQ(rig.model.Calc, "2");  // the entry's value -1 is the left operand of "+"
}

}  // namespace
}  // namespace vaneko::calculator::testing_support
