// The tape: the line each key sequence writes, worked out by hand from what each key computes.
#include "calculator/tape.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "calculator/calculator_model.h"
#include "calculator/key_table.h"

namespace vaneko::calculator {
namespace {

// Presses keys by caption through the tape, as the window does; an error ends only its key.
struct TapeRig {
  CalculatorModel model;
  Tape tape;
  std::vector<std::string> notices;

  TapeRig() {
    model.ShowNotice = [this](const std::string& text) { notices.push_back(text); };
    tape.Listen(model);
  }

  void Press(const std::vector<std::string>& captions) {
    for (const std::string& caption : captions) {
      if (caption == "Deg") {
        model.SelectAngleMode(AngleMode::Degrees);
      } else if (caption == "Rad") {
        model.SelectAngleMode(AngleMode::Radians);
      } else if (caption == "Grad") {
        model.SelectAngleMode(AngleMode::Grads);
      } else {
        const KeyRow* key = FindKey(caption);
        ASSERT_NE(key, nullptr) << caption;
        try {
          model.Execute(key->command);
        } catch (const std::exception&) {
        }
      }
    }
  }

  std::vector<std::string> Lines() const {
    std::vector<std::string> texts;
    for (const TapeLine& line : tape.Lines()) texts.push_back(line.text);
    return texts;
  }
};

struct TapeCase {
  const char* name;
  std::vector<std::string> keys;
  std::vector<std::string> lines;
};

class TapeLines : public ::testing::TestWithParam<TapeCase> {};

TEST_P(TapeLines, OneLinePerStep) {
  TapeRig rig;
  rig.Press(GetParam().keys);
  EXPECT_EQ(rig.Lines(), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(
    Sequences, TapeLines,
    ::testing::Values(
        // Chains: each operator applies the one before it, left to right.
        TapeCase{"NoPrecedence", {"2", "+", "3", "*", "4", "="}, {"2 + 3 = 5", "5 * 4 = 20"}},
        TapeCase{
            "SubtractThenDivide", {"1", "0", "-", "4", "/", "3", "="}, {"10 - 4 = 6", "6 / 3 = 2"}},
        TapeCase{"Third", {"1", "/", "3", "="}, {"1 / 3 = 0,333333333333333"}},
        TapeCase{"Power", {"2", "x^Y", "1", "0", "="}, {"2 ^ 10 = 1024"}},
        TapeCase{"Root", {"2", "7", "x^1/y", "3", "="}, {"27 ^ 1/3 = 3"}},
        TapeCase{"PercentOf", {"4", "0", "x % de y", "5", "="}, {"40 % de 5 = 2"}},
        TapeCase{"SecondEqualsOnlyReloads", {"2", "+", "3", "=", "="}, {"2 + 3 = 5"}},
        TapeCase{"ChainGoesOnFromTheResult",
                 {"2", "+", "3", "=", "*", "4", "="},
                 {"2 + 3 = 5", "5 * 4 = 20"}},
        TapeCase{"DigitsAndConstantsWriteNothing", {"Pi", "1", "2", "C"}, {}},
        // Functions: the angle mode is the argument's unit, or the result's for an inverse.
        TapeCase{"SineInDegrees", {"3", "0", "Sin"}, {"Sin(30°) = 0,5"}},
        TapeCase{"CosineInRadians", {"Rad", "0", "Cos"}, {"Cos(0 rad) = 1"}},
        TapeCase{"SineInGrads", {"Grad", "1", "0", "0", "Sin"}, {"Sin(100 grad) = 1"}},
        TapeCase{"ArcTanInDegrees", {"1", "ArcTan"}, {"ArcTan(1) = 45°"}},
        TapeCase{"ArcTanInGrads", {"Grad", "1", "ArcTan"}, {"ArcTan(1) = 50 grad"}},
        TapeCase{"ArcSinInRadians",
                 {"Rad", "0", ",", "5", "ArcSin"},
                 {"ArcSin(0,5) = 0,523598775598299 rad"}},
        TapeCase{"Factorial", {"5", "N !"}, {"5! = 120"}},
        TapeCase{"Log", {"1", "0", "0", "0", "Log"}, {"Log(1000) = 3"}},
        TapeCase{"NegativeSquared", {"2", "+/-", "x^2"}, {"(-2)² = 4"}},
        TapeCase{"FunctionDropsThePendingSum", {"2", "+", "3", "x^2", "="}, {"3² = 9"}},
        // Formulas: the registers they read, with their values.
        TapeCase{"Norm",
                 {"3", "X", "4", "Y", "Sqrt(x^2 + y^ 2)"},
                 {"X 3 → X 3", "Y 4 → Y 4", "√(X² + Y²), X = 3, Y = 4 = 5"}},
        TapeCase{"AngleRegisterInDegrees",
                 {"2", "X", "6", "0", "Y", "X * Sin Y"},
                 {"X 2 → X 2", "Y 60 → Y 60", "X * Sin(Y), X = 2, Y = 60° = 1,73205080756888"}},
        TapeCase{
            "AngleResultInRadians",
            {"Rad", "1", "X", "2", "Y", "ArcCoTan X/Y"},
            {"X 1 → X 1", "Y 2 → Y 2", "ArcCoTan(X / Y), X = 1, Y = 2 = 1,10714871779409 rad"}},
        TapeCase{"CotangentFromCosecant",
                 {"3", "0", "X", "Sqrt(CoSec^ 2 X - 1)"},
                 {"X 30 → X 30", "√(CoSec²(X) - 1), X = 30° = 1,73205080756888"}},
        TapeCase{
            "RegisterNotANumber",
            {"Saisir Résultat", "X", "1", "Sqrt(x^2 + y^ 2)"},
            {"X '' → X ''", "√(X² + Y²), X = '', Y = 0: '' is not a valid floating point value"}},
        TapeCase{"Binomial",
                 {"5", "X", "2", "Y", "Binomial (N,K)"},
                 {"X 5 → X 5", "Y 2 → Y 2", "Binomial(X, Y), X = 5, Y = 2 = 10"}},
        // Memory and registers.
        TapeCase{"MemoryStoreAndAdd", {"7", "M", "5", "M+"}, {"M 7 → mem 7", "M+ 5 → mem 12"}},
        TapeCase{"MemoryClearAndSubtract",
                 {"MC", "2", ",", "5", "M-"},
                 {"MC → mem 0", "M- 2,5 → mem -2,5"}},
        TapeCase{"StoredTextShownAsNumber", {"0", "5", "Z"}, {"Z 5 → Z 5"}},
        TapeCase{"Recall", {"3", "X", "XR"}, {"X 3 → X 3", "XR → Calc 3"}},
        TapeCase{"EmptyEntryAddsZeroToX", {"X+"}, {"X+ 0 → X 0"}},
        // Errors, as their message.
        TapeCase{"RefusedDivisionThenAnotherDivisor",
                 {"8", "/", "0", "=", "2", "="},
                 {"8 / 0: Division par 0", "8 / 2 = 4"}},
        TapeCase{"ReciprocalOfZero", {"0", "1/x"}, {"1/0: Division par 0"}},
        TapeCase{"RootIndexZero", {"8", "x^1/y", "0", "="}, {"8 ^ 1/0: Division par 0"}},
        TapeCase{"LogarithmOfNegative",
                 {"1", "+/-", "Ln"},
                 {"Ln(-1): Invalid floating point operation"}},
        TapeCase{"FactorialOfFraction",
                 {"5", ",", "5", "N !"},
                 {"5,5!: '5,5' is not a valid integer value"}},
        TapeCase{"EmptyEntryRefusedByY", {"Y+"}, {"Y+ '': '' is not a valid floating point value"}},
        TapeCase{"CoTanOfZero", {"0", "CoTan"}, {"CoTan(0°): Floating point division by zero"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Tape, KeepsTheLastThousandLines) {
  TapeRig rig;
  // "1", "+" loads; every following "1", "+" adds one more and writes a line.
  rig.Press({"1", "+"});
  for (int i = 0; i < 1001; ++i) rig.Press({"1", "+"});
  ASSERT_EQ(rig.tape.Lines().size(), Tape::kCapacity);
  // The first line written was "1 + 1 = 2"; the one dropped. The oldest kept is the second.
  EXPECT_EQ(rig.tape.Lines().front().text, "2 + 1 = 3");
  EXPECT_EQ(rig.tape.Lines().back().text, "1001 + 1 = 1002");
}

TEST(Tape, NoticeStillReachesTheWindowAndErrorsStillReachTheCaller) {
  TapeRig rig;
  rig.Press({"8", "/", "0"});
  rig.model.Execute(command::Equals());
  EXPECT_EQ(rig.notices, std::vector<std::string>{"Division par 0"});
  rig.Press({"1", "+/-"});
  EXPECT_THROW(rig.model.Execute(command::Press(Op::kLn)), std::exception);
  EXPECT_EQ(rig.tape.Lines().size(), 2u);
}

TEST(Tape, CopiesEveryLineAndClears) {
  TapeRig rig;
  int changes = 0;
  rig.tape.Changed = [&] { ++changes; };
  rig.Press({"2", "+", "3", "*", "4", "="});
  EXPECT_EQ(rig.tape.Text(), "2 + 3 = 5\n5 * 4 = 20\n");
  rig.tape.Clear();
  EXPECT_TRUE(rig.tape.Lines().empty());
  EXPECT_EQ(rig.tape.Text(), "");
  EXPECT_EQ(changes, 3);
}

struct PutCase {
  const char* name;
  std::vector<std::string> keys;
  std::size_t line;
  bool put;
  const char* calc;  // Calc afterwards
};

class TapePutResult : public ::testing::TestWithParam<PutCase> {};

TEST_P(TapePutResult, PutsTheLinesResultIntoCalc) {
  TapeRig rig;
  rig.Press(GetParam().keys);
  EXPECT_EQ(rig.tape.PutResult(GetParam().line, rig.model), GetParam().put);
  EXPECT_EQ(rig.model.Calc, GetParam().calc);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, TapePutResult,
    ::testing::Values(PutCase{"FirstOfAChain", {"2", "+", "3", "*", "4", "="}, 0, true, "5"},
                      PutCase{"AngleWithoutItsUnit", {"1", "ArcTan"}, 0, true, "45"},
                      PutCase{"FieldValue", {"7", "M", "5", "M+", "C"}, 1, true, "12"},
                      PutCase{"ErrorLineHasNone", {"8", "/", "0", "=", "C"}, 0, false, ""},
                      PutCase{"PastTheEnd", {"2", "+", "3", "=", "C"}, 1, false, ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Tape, PutResultStartsAFreshEntry) {
  TapeRig rig;
  rig.Press({"2", "+", "3", "=", "C"});
  ASSERT_TRUE(rig.tape.PutResult(0, rig.model));
  rig.Press({"1", "+", "1", "="});
  // The next digit replaced the result rather than extending it.
  EXPECT_EQ(rig.model.Calc, "2");
}

}  // namespace
}  // namespace vaneko::calculator
