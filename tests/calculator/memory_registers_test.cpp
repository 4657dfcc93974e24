// The memory M and the registers X, Y and Z.
#include "tests/calculator/calculator_rig.h"

namespace vaneko::calculator::testing_support {
namespace {

const KeyCase kMemoryAndRegisters[] = {
    // Store copies the text; add and subtract write the number notation.
    {.name = "M stores text", .keys = {"0", "5", "M"}, .fields = {{"mem", "05"}}},
    {.name = "M then M+", .keys = {"0", "5", "M", "1", "M+"}, .fields = {{"mem", "6"}}},
    {.name = "MC then M-", .keys = {"MC", "2", ",", "5", "M-"}, .fields = {{"mem", "-2,5"}}},
    {.name = "MR recalls", .keys = {"4", "2", "M", "C", "MR"}, .fields = {{"Calc", "42"}}},
    {.name = "MC clears", .keys = {"4", "M", "MC"}, .fields = {{"mem", "0"}}},
    {.name = "M+ with empty entry",
     .keys = {"Saisir Résultat", "M+"},
     .fields = {{"mem", "0"}, {"Calc", "0"}}},
    {.name = "X stores text", .keys = {"0", "5", "X"}, .fields = {{"X1", "05"}}},
    {.name = "XR after XC", .keys = {"7", "X", "XC", "XR"}, .fields = {{"Calc", "0"}}},
    {.name = "digit after XR replaces", .keys = {"XC", "XR", "7"}, .fields = {{"Calc", "7"}}},
    {.name = "X- subtracts entry from X", .keys = {"10", "X", "4", "X-"}, .fields = {{"X1", "6"}}},
    {.name = "X+ with empty entry rewrites X",
     .keys = {"0", "5", "X", "C", "X+"},
     .fields = {{"X1", "5"}, {"Calc", "0"}}},
    {.name = "Y add and subtract",
     .keys = {"3", "Y", "4", "Y+", "1", ",", "5", "Y-"},
     .fields = {{"Y1", "5,5"}}},
    {.name = "YR YC", .keys = {"9", "Y", "YC", "YR"}, .fields = {{"Calc", "0"}, {"Y1", "0"}}},
    {.name = "Z add and subtract",
     .keys = {"3", "Z", "4", "Z+", "10", "Z-"},
     .fields = {{"Z1", "-3"}}},
    {.name = "ZR recalls text",
     .keys = {"0", "0", "7", "Z", "C", "ZR"},
     .fields = {{"Calc", "007"}}},
    {.name = "ZC clears", .keys = {"7", "Z", "ZC"}, .fields = {{"Z1", "0"}}},
    // None of them evaluates: the chain goes on with the recalled number as operand.
    {.name = "recall as operand",
     .keys = {"5", "M", "2", "+", "MR", "="},
     .fields = {{"Calc", "7"}}},
    {.name = "memory survives C and =",
     .keys = {"5", "M", "6", "X", "C", "=", "+", "2", "="},
     .fields = {{"mem", "5"}, {"X1", "6"}}},
    // A sum within extended precision is kept even beyond the double range.
    {.name = "sum beyond double range",
     .keys = {"Saisir Résultat", "M", "M+"},
     .fields = {{"mem", "2E308"}},
     .converterResult = "1E308"},
    {.name = "such a sum fails when evaluated",
     .keys = {"Saisir Résultat", "M", "M+", "MR", "="},
     .fields = {{"Calc", "2E308"}},
     .errors = {kOverflow},
     .converterResult = "1E308"},
    // Faults: the target keeps its text.
    {.name = "Y+ with empty entry",
     .keys = {"5", "Y", "Saisir Résultat", "Y+"},
     .fields = {{"Y1", "5"}, {"Calc", ""}},
     .errors = {kNotANumberEmpty}},
    {.name = "Z- with empty entry",
     .keys = {"Saisir Résultat", "Z-"},
     .fields = {{"Z1", "0"}, {"Calc", ""}},
     .errors = {kNotANumberEmpty}},
    {.name = "M+ with a text",
     .keys = {"Saisir Résultat", "M+"},
     .fields = {{"mem", "0"}},
     .errors = {NotAFloat("abc")},
     .converterResult = "abc"},
    {.name = "X- on a stored text",
     .keys = {"Saisir Résultat", "X", "1", "X-"},
     .fields = {{"X1", "abc"}},
     .errors = {NotAFloat("abc")},
     .converterResult = "abc"},
    {.name = "empty taken result then equals",
     .keys = {"5", "Saisir Résultat", "="},
     .fields = {{"Calc", "0"}}},
    {.name = "empty taken result then function",
     .keys = {"5", "Saisir Résultat", "Sin"},
     .fields = {{"Calc", ""}},
     .errors = {kNotANumberEmpty}},
};

class MemoryAndRegisters : public ::testing::TestWithParam<KeyCase> {};

TEST_P(MemoryAndRegisters, LeaveTheExpectedTexts) {
  RunKeyCase(GetParam());
}

INSTANTIATE_TEST_SUITE_P(Table, MemoryAndRegisters, ::testing::ValuesIn(kMemoryAndRegisters),
                         CaseNamer{});

// Which keys mark the entry for fresh entry, also when they fail. Each row runs after "5"
// and "Saisir Résultat" have left the taken text in the entry with the mark clear.
struct FreshMarkCase {
  std::string name;
  std::string taken;
  std::string key;
  bool fresh;
};
void PrintTo(const FreshMarkCase& c, std::ostream* os) {
  *os << c.name;
}

const FreshMarkCase kFreshMarks[] = {
    {"M+ fails with the mark set", "abc", "M+", true},
    {"M- fails with the mark set", "abc", "M-", true},
    {"X+ fails without it", "abc", "X+", false},
    {"Y+ fails without it", "abc", "Y+", false},
    {"Z- fails without it", "", "Z-", false},
    {"X+ sets it", "2", "X+", true},
    {"Y- sets it", "2", "Y-", true},
    {"store sets it", "abc", "Z", true},
    {"recall sets it", "abc", "MR", true},
    {"clear sets it", "abc", "YC", true},
};

class FreshMark : public ::testing::TestWithParam<FreshMarkCase> {};

TEST_P(FreshMark, IsSetOrLeft) {
  CalculatorRig rig;
  rig.result = GetParam().taken;
  rig.Press({"5", "Saisir Résultat"});
  ASSERT_FALSE(rig.model.CalcFreshEntry);
  rig.Press({GetParam().key});
  EXPECT_EQ(rig.model.CalcFreshEntry, GetParam().fresh);
}

INSTANTIATE_TEST_SUITE_P(Table, FreshMark, ::testing::ValuesIn(kFreshMarks), CaseNamer{});

// Memory and register keys leave the evaluation state alone.
TEST(MemoryAndRegistersState, DoNotTouchTheChain) {
  CalculatorRig rig;
  rig.Press({"4", "+", "3"});
  const Extended accumulator = rig.model.Accumulator.Nearest();
  rig.Press({"M", "M+", "X", "X-", "Y+", "Z", "MR"});
  EXPECT_EQ(rig.model.Accumulator.Nearest(), accumulator);
  EXPECT_EQ(rig.model.AccumulatorState, AccumulatorState::kHolding);
  EXPECT_EQ(rig.model.PendingOperation, Op::kAdd);
  EXPECT_TRUE(rig.errors.empty());
}

}  // namespace
}  // namespace vaneko::calculator::testing_support
