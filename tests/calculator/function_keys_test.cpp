// Function keys of the entry and the angle mode. Expected values are the functions' textbook
// values at angles whose results are known in closed form, written with 15 significant digits.
#include <cmath>

#include "core/number_text.h"
#include "tests/calculator/calculator_rig.h"

namespace vaneko::calculator::testing_support {
namespace {

KeyCase Shows(std::string name, std::vector<std::string> keys, std::string calc) {
  return {.name = std::move(name), .keys = std::move(keys), .fields = {{"Calc", std::move(calc)}}};
}

KeyCase Fails(std::string name, std::vector<std::string> keys, std::string calc,
              std::string error) {
  return {.name = std::move(name),
          .keys = std::move(keys),
          .fields = {{"Calc", std::move(calc)}},
          .errors = {std::move(error)}};
}

const KeyCase kFunctionKeys[] = {
    // Powers, reciprocal, logarithms and exponentials.
    Shows("square", {"7", "x^2"}, "49"),
    Shows("cube", {"2", "x^3"}, "8"),
    Shows("cube of a negative", {"3", "+/-", "x^3"}, "-27"),
    Shows("reciprocal", {"4", "1/x"}, "0,25"),
    Shows("reciprocal of 0,5", {"0,5", "1/x"}, "2"),
    Shows("e^x of 0", {"0", "e^x"}, "1"),
    Shows("e^x of 2", {"2", "e^x"}, "7,38905609893065"),
    Shows("10^x of 3", {"3", "10^x"}, "1000"),
    Shows("Log of 1000", {"1000", "Log"}, "3"),
    Shows("Log of 0,001", {"0,001", "Log"}, "-3"),
    Shows("Ln of 1", {"1", "Ln"}, "0"),
    Shows("Ln of 10", {"10", "Ln"}, "2,30258509299405"),
    Shows("Ln of e", {"e", "Ln"}, "1"),
    // Circular functions in degrees (the start-up mode).
    Shows("Sin 30", {"30", "Sin"}, "0,5"),
    Shows("Sin of -30", {"30", "+/-", "Sin"}, "-0,5"),
    Shows("Cos 60", {"60", "Cos"}, "0,5"),
    Shows("Cos 30", {"30", "Cos"}, "0,866025403784439"),
    Shows("Tan 45", {"45", "Tan"}, "1"),
    Shows("Tan 60", {"60", "Tan"}, "1,73205080756888"),
    Shows("CoTan 45", {"45", "CoTan"}, "1"),
    Shows("Sec 60", {"60", "Sec"}, "2"),
    Shows("CoSec 30", {"30", "CoSec"}, "2"),
    Shows("ArcSin 1", {"1", "ArcSin"}, "90"),
    Shows("ArcSin 0,5", {"0,5", "ArcSin"}, "30"),
    Shows("ArcCos 0", {"0", "ArcCos"}, "90"),
    Shows("ArcCos -1", {"1", "+/-", "ArcCos"}, "180"),
    Shows("ArcTan 1", {"1", "ArcTan"}, "45"),
    Shows("ArcCoTan 1", {"1", "ArcCoTan"}, "45"),
    Shows("ArcCoTan of a negative is negative", {"1", "+/-", "ArcCoTan"}, "-45"),
    Shows("ArcSec 2", {"2", "ArcSec"}, "60"),
    Shows("ArcCoSec 2", {"2", "ArcCoSec"}, "30"),
    // Radians and grads.
    Shows("radians Cos 0", {"Rad", "0", "Cos"}, "1"),
    Shows("radians Sin 1", {"Rad", "1", "Sin"}, "0,841470984807897"),
    Shows("radians ArcSin 1", {"Rad", "1", "ArcSin"}, "1,5707963267949"),
    Shows("radians ArcTan 2", {"Rad", "2", "ArcTan"}, "1,10714871779409"),
    Shows("grads ArcTan 1", {"Grad", "1", "ArcTan"}, "50"),
    Shows("grads Sin 100", {"Grad", "100", "Sin"}, "1"),
    Shows("grads Tan 50", {"Grad", "50", "Tan"}, "1"),
    Shows("grads ArcCos 0", {"Grad", "0", "ArcCos"}, "100"),
    Shows("back to degrees", {"Grad", "Deg", "1", "ArcTan"}, "45"),
    Shows("mode change leaves the shown result", {"30", "Sin", "Rad"}, "0,5"),
    // Hyperbolic functions.
    Shows("Sin h 0", {"0", "Sin h"}, "0"),
    Shows("Sin h 1", {"1", "Sin h"}, "1,1752011936438"),
    Shows("Cos h 0", {"0", "Cos h"}, "1"),
    Shows("Cos h 1", {"1", "Cos h"}, "1,54308063481524"),
    Shows("Tan h 1", {"1", "Tan h"}, "0,761594155955765"),
    Shows("ArcSin h 1", {"1", "ArcSin h"}, "0,881373587019543"),
    Shows("ArcCos h 1", {"1", "ArcCos h"}, "0"),
    Shows("ArcCos h 2", {"2", "ArcCos h"}, "1,31695789692482"),
    Shows("ArcTan h 0,5", {"0,5", "ArcTan h"}, "0,549306144334055"),
    // Factorial and gamma of whole numbers.
    Shows("N ! of 5", {"5", "N !"}, "120"),
    Shows("N ! of 0", {"0", "N !"}, "1"),
    Shows("N ! of 20", {"20", "N !"}, "2,43290200817664E18"),
    Shows("Gamma of 5", {"5", "Gamma"}, "24"),
    Shows("Gamma of 1", {"1", "Gamma"}, "1"),
    // A function key discards the pending operation.
    Shows("function discards the chain", {"2", "+", "3", "x^2"}, "9"),
    Shows("equals after a function keeps it", {"2", "+", "3", "x^2", "="}, "9"),
    Shows("function result is the next left operand", {"3", "x^2", "+", "1", "="}, "10"),
    // Faults: the entry stays shown.
    Fails("Log of 0", {"0", "Log"}, "0", kZeroDivide),
    Fails("Ln of 0", {"0", "Ln"}, "0", kZeroDivide),
    Fails("Ln of -1", {"1", "+/-", "Ln"}, "-1", kInvalidOp),
    Fails("Log of -1", {"1", "+/-", "Log"}, "-1", kInvalidOp),
    Fails("CoTan of 0", {"0", "CoTan"}, "0", kZeroDivide),
    Fails("CoSec of 0", {"0", "CoSec"}, "0", kZeroDivide),
    Fails("ArcSec of 0", {"0", "ArcSec"}, "0", kZeroDivide),
    Fails("ArcCoSec of 0", {"0", "ArcCoSec"}, "0", kZeroDivide),
    Fails("ArcCoTan of 0", {"0", "ArcCoTan"}, "0", kZeroDivide),
    Fails("ArcSin of 2", {"2", "ArcSin"}, "2", kInvalidOp),
    Fails("ArcCos of 2", {"2", "ArcCos"}, "2", kInvalidOp),
    Fails("ArcSec of 0,5", {"0,5", "ArcSec"}, "0,5", kInvalidOp),
    Fails("ArcTan h of 1", {"1", "ArcTan h"}, "1", kInvalidOp),
    Fails("ArcCos h of 0,5", {"0,5", "ArcCos h"}, "0,5", kInvalidOp),
    Fails("N ! of -1", {"1", "+/-", "N !"}, "-1", kInvalidOp),
    Fails("N ! of 171", {"171", "N !"}, "171", kOverflow),
    Fails("Gamma of 0", {"0", "Gamma"}, "0", kInvalidOp),
    Fails("N ! of 5,5", {"5,5", "N !"}, "5,5", NotAnInteger("5,5")),
    Fails("Gamma of 5,5", {"5,5", "Gamma"}, "5,5", NotAnInteger("5,5")),
    Fails("N ! of 5,0", {"5,0", "N !"}, "5,0", NotAnInteger("5,0")),
    Fails("N ! beyond 32 bits", {"3000000000", "N !"}, "3000000000", NotAnInteger("3000000000")),
    Fails("e^x overflow", {"1000", "e^x"}, "1000", kOverflow),
    Fails("10^x overflow", {"400", "10^x"}, "400", kOverflow),
    Fails("Sin h overflow", {"1000", "Sin h"}, "1000", kOverflow),
    Fails("empty entry", {"Sin"}, "", kNotANumberEmpty),
};

class FunctionKeys : public ::testing::TestWithParam<KeyCase> {};

TEST_P(FunctionKeys, ShowTheFunctionsValue) {
  RunKeyCase(GetParam());
}

INSTANTIATE_TEST_SUITE_P(Table, FunctionKeys, ::testing::ValuesIn(kFunctionKeys), CaseNamer{});

// Entries that cannot be keyed: taken from the converter's result field.
const KeyCase kTakenEntries[] = {
    {.name = "square overflow",
     .keys = {"Saisir Résultat", "x^2"},
     .fields = {{"Calc", "1E200"}},
     .errors = {kOverflow},
     .converterResult = "1E200"},
    {.name = "cube overflow",
     .keys = {"Saisir Résultat", "x^3"},
     .fields = {{"Calc", "1E200"}},
     .errors = {kOverflow},
     .converterResult = "1E200"},
    {.name = "sine beyond 2^63 radians",
     .keys = {"Rad", "Saisir Résultat", "Sin"},
     .fields = {{"Calc", "0"}},
     .converterResult = "1E19"},
    {.name = "cosine beyond 2^63 radians",
     .keys = {"Rad", "Saisir Résultat", "Cos"},
     .fields = {{"Calc", "0"}},
     .converterResult = "1E19"},
    {.name = "square of a small number",
     .keys = {"Saisir Résultat", "x^2"},
     .fields = {{"Calc", "1E-10"}},
     .converterResult = "1E-5"},
    {.name = "not a number",
     .keys = {"Saisir Résultat", "Cos"},
     .fields = {{"Calc", "x"}},
     .errors = {NotAFloat("x")},
     .converterResult = "x"},
};

class TakenEntries : public ::testing::TestWithParam<KeyCase> {};

TEST_P(TakenEntries, ShowTheFunctionsValue) {
  RunKeyCase(GetParam());
}

INSTANTIATE_TEST_SUITE_P(Table, TakenEntries, ::testing::ValuesIn(kTakenEntries), CaseNamer{});

// "1/x" of 0 is refused like a division: the notice, 0 shown, the refusal state.
TEST(ReciprocalOfZero, IsRefusedWithTheNotice) {
  CalculatorRig rig;
  rig.Press({"0", "1/x"});
  EXPECT_EQ(rig.notices, std::vector<std::string>{kDivisionNotice});
  EXPECT_TRUE(rig.errors.empty());
  EXPECT_EQ(rig.model.Calc, "0");
  EXPECT_EQ(rig.model.AccumulatorState, AccumulatorState::kRefusedDivision);
  EXPECT_EQ(rig.model.PendingOperation, Op::kNone);
}

// The converted angle of 90 degrees is not exactly a right angle: its cosine is a tiny
// number and its secant a huge one, both shown without a message.
TEST(RightAngleInDegrees, IsNotExact) {
  CalculatorRig rig;
  rig.Press({"90", "Cos"});
  EXPECT_TRUE(rig.errors.empty());
  const Extended cosine = ReadNumber(rig.model.Calc);
  EXPECT_NE(cosine, 0);
  EXPECT_LT(std::fabs(cosine), 1e-15);

  rig.Press({"90", "Sec"});
  EXPECT_TRUE(rig.errors.empty());
  EXPECT_GT(std::fabs(ReadNumber(rig.model.Calc)), 1e15);
}

}  // namespace
}  // namespace vaneko::calculator::testing_support
