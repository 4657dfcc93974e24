// Entry keys, the operator chain without precedence, "=", the power keys and the refused
// division by zero.
#include "tests/calculator/calculator_rig.h"

namespace vaneko::calculator::testing_support {
namespace {

const KeyCase kEntryAndEvaluation[] = {
    // Digits and comma.
    {.name = "digits append", .keys = {"1", "2", "3"}, .fields = {{"Calc", "123"}}},
    {.name = "leading zeros stay", .keys = {"0", "5"}, .fields = {{"Calc", "05"}}},
    {.name = "double comma", .keys = {",", ","}, .fields = {{"Calc", ","}}},
    {.name = "comma after comma number", .keys = {"5", ",", "2", ","}, .fields = {{"Calc", "5,2"}}},
    {.name = "digit after result starts anew",
     .keys = {"2", "+", "3", "=", "4"},
     .fields = {{"Calc", "4"}}},
    // "<<".
    {.name = "backspace", .keys = {"7", "5", "<<"}, .fields = {{"Calc", "7"}}},
    {.name = "backspace one character", .keys = {"7", "<<"}, .fields = {{"Calc", "7"}}},
    {.name = "backspace empty", .keys = {"<<"}, .fields = {{"Calc", ""}}},
    // "C".
    {.name = "C empties and forgets the chain",
     .keys = {"7", "+", "C", "0", "5", "="},
     .fields = {{"Calc", "5"}}},
    // "+/-".
    {.name = "sign of 05", .keys = {"0", "5", "+/-"}, .fields = {{"Calc", "-5"}}},
    {.name = "sign of empty", .keys = {"+/-"}, .fields = {{"Calc", "0"}}},
    {.name = "sign of 2,5", .keys = {"2", ",", "5", "+/-"}, .fields = {{"Calc", "-2,5"}}},
    {.name = "sign twice", .keys = {"2", ",", "5", "+/-", "+/-"}, .fields = {{"Calc", "2,5"}}},
    {.name = "digit after sign appends",
     .keys = {"2", ",", "5", "+/-", "1"},
     .fields = {{"Calc", "-2,51"}}},
    {.name = "digit after sign of a result starts anew",
     .keys = {"3", "=", "+/-", "1"},
     .fields = {{"Calc", "1"}}},
    // "=" reformats the entry when nothing is held.
    {.name = "equals at start", .keys = {"="}, .fields = {{"Calc", "0"}}},
    {.name = "equals reformats 05", .keys = {"0", "5", "="}, .fields = {{"Calc", "5"}}},
    {.name = "equals reads comma as 0", .keys = {",", "="}, .fields = {{"Calc", "0"}}},
    {.name = "equals twice reloads", .keys = {"2", "+", "3", "=", "="}, .fields = {{"Calc", "5"}}},
    // The chain, left to right.
    {.name = "2 + 3 * shows 5", .keys = {"2", "+", "3", "*"}, .fields = {{"Calc", "5"}}},
    {.name = "2 + 3 * 4 =", .keys = {"2", "+", "3", "*", "4", "="}, .fields = {{"Calc", "20"}}},
    {.name = "3 + = doubles", .keys = {"3", "+", "="}, .fields = {{"Calc", "6"}}},
    {.name = "10 - 4 =", .keys = {"10", "-", "4", "="}, .fields = {{"Calc", "6"}}},
    {.name = "negative result", .keys = {"4", "-", "10", "="}, .fields = {{"Calc", "-6"}}},
    {.name = "chain continues after equals",
     .keys = {"2", "+", "3", "=", "*", "4", "="},
     .fields = {{"Calc", "20"}}},
    {.name = "percent", .keys = {"5", "x % de y", "40", "="}, .fields = {{"Calc", "2"}}},
    {.name = "one third", .keys = {"1", "/", "3", "="}, .fields = {{"Calc", "0,333333333333333"}}},
    {.name = "two thirds", .keys = {"2", "/", "3", "="}, .fields = {{"Calc", "0,666666666666667"}}},
    {.name = "comma operands", .keys = {"2", ",", "5", "*", "4", "="}, .fields = {{"Calc", "10"}}},
    // Powers and roots.
    {.name = "2 x^Y 10 =", .keys = {"2", "x^Y", "10", "="}, .fields = {{"Calc", "1024"}}},
    {.name = "27 x^1/y 3 =", .keys = {"27", "x^1/y", "3", "="}, .fields = {{"Calc", "3"}}},
    {.name = "sum then squared",
     .keys = {"2", "+", "3", "x^Y", "2", "="},
     .fields = {{"Calc", "25"}}},
    {.name = "power chains on",
     .keys = {"2", "x^Y", "3", "+", "1", "="},
     .fields = {{"Calc", "9"}}},
    {.name = "fractional power", .keys = {"16", "x^Y", "0,5", "="}, .fields = {{"Calc", "4"}}},
    // Scientific notation, and reading it back.
    {.name = "1E15", .keys = {"999999999999999", "+", "1", "="}, .fields = {{"Calc", "1E15"}}},
    {.name = "999999999999999 stays fixed",
     .keys = {"999999999999999", "="},
     .fields = {{"Calc", "999999999999999"}}},
    {.name = "1E15 reads back",
     .keys = {"999999999999999", "+", "1", "=", "+", "0", "="},
     .fields = {{"Calc", "1E15"}}},
    {.name = "1E-5", .keys = {"1", "/", "100000", "="}, .fields = {{"Calc", "1E-5"}}},
    {.name = "1E-5 reads back",
     .keys = {"1", "/", "100000", "=", "*", "1", "="},
     .fields = {{"Calc", "1E-5"}}},
    {.name = "large product",
     .keys = {"123456789", "*", "1000000000", "="},
     .fields = {{"Calc", "1,23456789E17"}}},
    // Division by zero is refused with a notice, keeping the dividend and the operation.
    {.name = "8 / 0 =",
     .keys = {"8", "/", "0", "="},
     .fields = {{"Calc", "8"}},
     .notices = {kDivisionNotice}},
    {.name = "8 / 0 = 2 =",
     .keys = {"8", "/", "0", "=", "2", "="},
     .fields = {{"Calc", "4"}},
     .notices = {kDivisionNotice}},
    {.name = "7 / 0 /",
     .keys = {"7", "/", "0", "/"},
     .fields = {{"Calc", "7"}},
     .notices = {kDivisionNotice}},
    {.name = "7 / 0 / 2 =",
     .keys = {"7", "/", "0", "/", "2", "="},
     .fields = {{"Calc", "3,5"}},
     .notices = {kDivisionNotice}},
    {.name = "7 / 0 / 2 = 4 =",
     .keys = {"7", "/", "0", "/", "2", "=", "4", "="},
     .fields = {{"Calc", "0,875"}},
     .notices = {kDivisionNotice}},
    {.name = "zero root index",
     .keys = {"8", "x^1/y", "0", "="},
     .fields = {{"Calc", "8"}},
     .notices = {kDivisionNotice}},
    {.name = "division by 0,0",
     .keys = {"5", "/", "0,0", "="},
     .fields = {{"Calc", "5"}},
     .notices = {kDivisionNotice}},
    {.name = "dividing zero is fine", .keys = {"0", "/", "5", "="}, .fields = {{"Calc", "0"}}},
    // Faults of the chain.
    {.name = "product beyond double range",
     .keys = {"Saisir Résultat", "*", "Saisir Résultat", "="},
     .fields = {{"Calc", "1E200"}},
     .errors = {kOverflow},
     .converterResult = "1E200"},
    {.name = "entry beyond double range",
     .keys = {"Saisir Résultat", "="},
     .fields = {{"Calc", "1E400"}},
     .errors = {kOverflow},
     .converterResult = "1E400"},
    {.name = "root of a negative number",
     .keys = {"8", "+/-", "x^1/y", "2", "="},
     .fields = {{"Calc", "2"}},
     .errors = {kInvalidOp}},
    {.name = "entry not a number",
     .keys = {"5", "+", "Saisir Résultat", "="},
     .fields = {{"Calc", "abc"}},
     .errors = {NotAFloat("abc")},
     .converterResult = "abc"},
    {.name = "empty entry counts as 0",
     .keys = {"5", "+", "Saisir Résultat", "="},
     .fields = {{"Calc", "5"}}},
};

class EntryAndEvaluation : public ::testing::TestWithParam<KeyCase> {};

TEST_P(EntryAndEvaluation, LeavesTheExpectedTexts) {
  RunKeyCase(GetParam());
}

INSTANTIATE_TEST_SUITE_P(Table, EntryAndEvaluation, ::testing::ValuesIn(kEntryAndEvaluation),
                         CaseNamer{});

// The accumulator state after "=": a refused division leaves 1, so "=" divides again; the
// "=" after that returns it to 0.
TEST(AccumulatorState, FollowsRefusedDivisionAndEquals) {
  CalculatorRig rig;
  rig.Press({"7", "/", "0", "/"});
  EXPECT_EQ(rig.model.AccumulatorState, AccumulatorState::kRefusedDivision);
  rig.Press({"2", "="});
  EXPECT_EQ(rig.model.AccumulatorState, AccumulatorState::kHolding);
  rig.Press({"4", "="});
  EXPECT_EQ(rig.model.AccumulatorState, AccumulatorState::kEmpty);
  EXPECT_EQ(rig.model.PendingOperation, Op::kDivide);  // "/" stays pending after "="
}

TEST(AccumulatorState, ClearResetsChainButKeepsAccumulatorAndBase) {
  CalculatorRig rig;
  rig.Press({"3", "x^Y", "C"});
  EXPECT_EQ(rig.model.AccumulatorState, AccumulatorState::kEmpty);
  EXPECT_EQ(rig.model.PendingOperation, Op::kNone);
  EXPECT_TRUE(rig.model.CalcFreshEntry);
  EXPECT_EQ(rig.model.Accumulator.Nearest(), 3);
  EXPECT_EQ(rig.model.PowerBase.Nearest(), 3);
}

TEST(FreshEntry, BackspaceLeavesTheMarkAlone) {
  CalculatorRig rig;
  rig.Press({"2", "+", "3", "="});
  ASSERT_TRUE(rig.model.CalcFreshEntry);
  rig.Press({"<<"});
  EXPECT_TRUE(rig.model.CalcFreshEntry);
  rig.Press({"7"});
  EXPECT_EQ(rig.model.Calc, "7");
}

// The operations pressed directly, as the key filter presses them for typed "*", "+", "-",
// "/" and Enter: ((6 * 7 + 8) - 10) / 4 = 10, left to right without precedence.
TEST(PressedOperations, ChainLeftToRight) {
  CalculatorRig rig;
  rig.Press({"6"});
  rig.model.Press(Op::kMultiply);
  rig.Press({"7"});
  rig.model.Press(Op::kAdd);
  rig.Press({"8"});
  rig.model.Press(Op::kSubtract);
  rig.Press({"10"});
  rig.model.Press(Op::kDivide);
  rig.Press({"4"});
  rig.model.Equals();
  EXPECT_EQ(rig.model.Calc, "10");
}

// Pressing "no operation" changes nothing: it is neither an operator nor a function.
TEST(PressedOperations, NoneChangesNothing) {
  CalculatorRig rig;
  rig.Press({"2", "+", "3"});
  rig.model.Press(Op::kNone);
  EXPECT_EQ(rig.model.Calc, "3");
  EXPECT_EQ(rig.model.PendingOperation, Op::kAdd);
  EXPECT_EQ(rig.model.Accumulator.Nearest(), 2);
}

// An entry edited outside the keys can hold any text; "<<" removes whole characters.
TEST(Backspace, RemovesAWholeCharacter) {
  CalculatorRig rig;
  rig.model.Calc = "5é";
  rig.Press({"<<"});
  EXPECT_EQ(rig.model.Calc, "5");
  rig.model.Calc = "é";
  rig.Press({"<<"});
  EXPECT_EQ(rig.model.Calc, "é");
}

}  // namespace
}  // namespace vaneko::calculator::testing_support
