// Formula keys over the registers X, Y and Z. Expected values are the formulas' closed-form
// values (right triangles 3-4-5 and 5-12-13, angles of 30, 45, 60 and 90 degrees).
#include "tests/calculator/calculator_rig.h"

namespace vaneko::calculator::testing_support {
namespace {

struct Registers {
  std::string x = "0", y = "0", z = "0";
};

// Keys that store `value` into a register through the entry field.
void Load(std::vector<std::string>& keys, const std::string& value, const char* storeKey) {
  if (!value.empty() && value[0] == '-') {
    keys.insert(keys.end(), {value.substr(1), "+/-", storeKey});
  } else {
    keys.insert(keys.end(), {value, storeKey});
  }
}

// The angle mode, the registers, an entry of 0 and the formula key.
KeyCase Formula(std::string name, const char* mode, Registers r, const char* caption,
                std::string calc, std::string error = {}) {
  KeyCase c{.name = std::move(name), .keys = {mode}, .fields = {}};
  Load(c.keys, r.x, "X");
  Load(c.keys, r.y, "Y");
  Load(c.keys, r.z, "Z");
  c.keys.insert(c.keys.end(), {"0", caption});
  c.fields = {{"Calc", std::move(calc)}, {"X1", r.x}, {"Y1", r.y}, {"Z1", r.z}};
  if (!error.empty()) c.errors = {std::move(error)};
  return c;
}

const KeyCase kFormulaKeys[] = {
    Formula("norm 3 4", "Deg", {"3", "4"}, "Sqrt(x^2 + y^ 2)", "5"),
    Formula("inverse norm 3 4", "Deg", {"3", "4"}, "1 / Sqrt(x^2 + y^ 2)", "0,2"),
    Formula("inverse norm at origin", "Deg", {"0", "0"}, "1 / Sqrt(x^2 + y^ 2)", "0", kZeroDivide),
    Formula("difference of squares 5 4", "Deg", {"5", "4"}, "Sqrt(x^2 - y^ 2)", "3"),
    Formula("difference of squares 13 12", "Deg", {"13", "12"}, "Sqrt(x^2 - y^ 2)", "5"),
    Formula("difference of squares 3 4", "Deg", {"3", "4"}, "Sqrt(x^2 - y^ 2)", "0", kInvalidOp),
    Formula("norm 3 4 12", "Deg", {"3", "4", "12"}, "Sqrt(x^2 + y^ 2 + z^2)", "13"),
    Formula("difference 13 4 3", "Deg", {"13", "4", "3"}, "Sqrt(x^2 - y^ 2 - z^2)", "12"),
    Formula("difference 3 4 12", "Deg", {"3", "4", "12"}, "Sqrt(x^2 - y^ 2 - z^2)", "0",
            kInvalidOp),
    Formula("polar angle 1 1", "Deg", {"1", "1"}, "ArcTan X / Y", "45"),
    Formula("polar angle third quadrant", "Deg", {"-1", "-1"}, "ArcTan X / Y", "-135"),
    Formula("polar angle on the axis", "Rad", {"1", "0"}, "ArcTan X / Y", "1,5707963267949"),
    Formula("X over Sin Y", "Deg", {"1", "30"}, "X / Sin Y", "2"),
    Formula("X over Sin 0", "Deg", {"1", "0"}, "X / Sin Y", "0", kZeroDivide),
    Formula("X over Cos Y", "Deg", {"1", "60"}, "X / Cos Y", "2"),
    Formula("X times Sin Y", "Deg", {"2", "60"}, "X * Sin Y", "1,73205080756888"),
    Formula("X times Cos Y", "Deg", {"2", "60"}, "X * CosY", "1"),
    Formula("ArcSin X / Y", "Deg", {"1", "2"}, "ArcSin X / Y", "30"),
    Formula("ArcSin X / 0", "Deg", {"1", "0"}, "ArcSin X / Y", "0", kZeroDivide),
    Formula("ArcSin 0 / 0", "Deg", {"0", "0"}, "ArcSin X / Y", "0", kInvalidOp),
    Formula("ArcCos X / Y", "Deg", {"1", "2"}, "ArcCos X / Y", "60"),
    Formula("ArcCos X / 0", "Deg", {"1", "0"}, "ArcCos X / Y", "0", kZeroDivide),
    Formula("X times Tan Y", "Deg", {"2", "45"}, "X * Tan Y", "2"),
    Formula("X times CoTan Y", "Deg", {"2", "45"}, "X * CoTan Y", "2"),
    Formula("zero times cotangent of 0", "Deg", {"0", "0"}, "X * CoTan Y", "0", kZeroDivide),
    Formula("ArcCoTan X/Y radians", "Rad", {"1", "2"}, "ArcCoTan X/Y", "1,10714871779409"),
    Formula("ArcCoTan X/Y degrees", "Deg", {"1", "1"}, "ArcCoTan X/Y", "45"),
    Formula("ArcCoTan 0/Y", "Deg", {"0", "1"}, "ArcCoTan X/Y", "0", kZeroDivide),
    Formula("ArcCoTan X/0", "Deg", {"1", "0"}, "ArcCoTan X/Y", "0", kZeroDivide),
    Formula("cosine from sine", "Deg", {"30"}, "Sqrt(1 - Sin^ 2 X)", "0,866025403784439"),
    Formula("sine from cosine", "Deg", {"30"}, "Sqrt(1 - Cos^ 2 X)", "0,5"),
    Formula("tangent from secant", "Deg", {"60"}, "Sqrt(Sec^ 2 X - 1)", "1,73205080756888"),
    Formula("secant from tangent", "Deg", {"60"}, "Sqrt(1 + Tan^ 2 X)", "2"),
    Formula("cotangent from cosecant", "Deg", {"30"}, "Sqrt(CoSec^ 2 X - 1)", "1,73205080756888"),
    Formula("cotangent from cosecant of 0", "Deg", {"0"}, "Sqrt(CoSec^ 2 X - 1)", "0", kZeroDivide),
    Formula("cosecant from cotangent", "Deg", {"30"}, "Sqrt(1 + CoTan^ 2 X )", "2"),
    Formula("sine rule X", "Deg", {"30", "90"}, "X * Sin Y / Sin X", "60"),
    Formula("sine rule Y", "Deg", {"90", "30"}, "Y * Sin X / Sin Y", "60"),
    Formula("direction cosine 3 4", "Deg", {"3", "4"}, "ArcCos X / Sqrt(x^2 + y^ 2)",
            "53,130102354156"),
    Formula("direction cosine on the axis", "Deg", {"0", "5"}, "ArcCos X / Sqrt(x^2 + y^ 2)", "90"),
    Formula("direction cosine in grads", "Grad", {"0", "5"}, "ArcCos X / Sqrt(x^2 + y^ 2)", "100"),
    Formula("direction cosine at origin", "Deg", {"0", "0"}, "ArcCos X / Sqrt(x^2 + y^ 2)", "0",
            kInvalidOp),
    Formula("direction sine 3 4", "Deg", {"3", "4"}, "ArcSin Y / Sqrt(x^2 + y^ 2)",
            "53,130102354156"),
    Formula("direction sine 4 3", "Deg", {"4", "3"}, "ArcSin Y / Sqrt(x^2 + y^ 2)",
            "36,869897645844"),
    Formula("direction sine at origin", "Deg", {"0", "0"}, "ArcSin Y / Sqrt(x^2 + y^ 2)", "0",
            kInvalidOp),
    Formula("elevation 3 4 5", "Deg", {"3", "4", "5"}, "ArcTan Z / Sqrt(x^2 + y^ 2)", "45"),
    Formula("elevation above origin", "Deg", {"0", "0", "5"}, "ArcTan Z / Sqrt(x^2 + y^ 2)", "0",
            kZeroDivide),
    Formula("elevation of origin", "Deg", {"0", "0", "0"}, "ArcTan Z / Sqrt(x^2 + y^ 2)", "0",
            kInvalidOp),
    Formula("cosine rule right angle", "Deg", {"3", "4", "90"}, "Sqrt[X^2 + Y^2 - 2XYcosZ]", "5"),
    Formula("cosine rule 60", "Deg", {"3", "4", "60"}, "Sqrt[X^2 + Y^2 - 2XYcosZ]",
            "3,60555127546399"),
    Formula("sin X cos Y", "Deg", {"60", "30"}, "1/ 2 [Sin (X + Y) + Sin (X - Y)]", "0,75"),
    Formula("cos X cos Y", "Deg", {"60", "30"}, "1/ 2 [Cos (X + Y) + Cos (X - Y)]",
            "0,433012701892219"),
    Formula("sin X sin Y", "Deg", {"60", "30"}, "1/ 2 [Cos (X - Y) - Cos (X + Y)]",
            "0,433012701892219"),
    Formula("X cos Y cos Z", "Deg", {"2", "60", "0"}, "X * Cos Y * Cos Z", "1"),
    Formula("X cos Y sin Z", "Deg", {"2", "60", "30"}, "X * Cos Y * Sin Z", "0,5"),
    Formula("normal density at 0", "Deg", {"0"}, "1 / sqrt(2Pi) - e ^ (-X^2 / 2)",
            "0,398942280401433"),
    Formula("normal density at 1", "Deg", {"1"}, "1 / sqrt(2Pi) - e ^ (-X^2 / 2)",
            "0,241970724519143"),
    Formula("normal density at -1", "Deg", {"-1"}, "1 / sqrt(2Pi) - e ^ (-X^2 / 2)",
            "0,241970724519143"),
    Formula("binomial 5 2", "Deg", {"5", "2"}, "Binomial (N,K)", "10"),
    Formula("binomial 52 5", "Deg", {"52", "5"}, "Binomial (N,K)", "2598960"),
    Formula("binomial of 5,5", "Deg", {"5,5", "2"}, "Binomial (N,K)", "0", NotAnInteger("5,5")),
    Formula("binomial K of 2,0", "Deg", {"5", "2,0"}, "Binomial (N,K)", "0", NotAnInteger("2,0")),
    Formula("binomial n below k", "Deg", {"2", "5"}, "Binomial (N,K)", "0", kInvalidOp),
};

class FormulaKeys : public ::testing::TestWithParam<KeyCase> {};

TEST_P(FormulaKeys, ShowTheFormulasValue) {
  RunKeyCase(GetParam());
}

INSTANTIATE_TEST_SUITE_P(Table, FormulaKeys, ::testing::ValuesIn(kFormulaKeys), CaseNamer{});

// Register and entry texts that are not numbers, and what the formulas read.
const KeyCase kFormulaInputs[] = {
    {.name = "registers are read afresh",
     .keys = {"5", "X", "12", "Y", "Sqrt(x^2 + y^ 2)", "6", "X", "Sqrt(x^2 + y^ 2)"},
     .fields = {{"Calc", "13,4164078649987"}}},
    {.name = "entry read first",
     .keys = {"3", "X", "4", "Y", "Saisir Résultat", "Sqrt(x^2 + y^ 2)"},
     .fields = {{"Calc", ""}},
     .errors = {kNotANumberEmpty}},
    {.name = "register not a number",
     .keys = {"Saisir Résultat", "Y", "3", "X", "Sqrt(x^2 + y^ 2)"},
     .fields = {{"Calc", "3"}, {"Y1", "abc"}},
     .errors = {NotAFloat("abc")},
     .converterResult = "abc"},
    {.name = "register X not a number",
     .keys = {"Saisir Résultat", "X", "0", "X / Sin Y"},
     .fields = {{"Calc", "0"}},
     .errors = {NotAFloat("abc")},
     .converterResult = "abc"},
    {.name = "unused register not read",
     .keys = {"Saisir Résultat", "Z", "3", "X", "4", "Y", "Sqrt(x^2 + y^ 2)"},
     .fields = {{"Calc", "5"}},
     .converterResult = "abc"},
    {.name = "register beyond double range",
     .keys = {"Saisir Résultat", "X", "0", "1 / sqrt(2Pi) - e ^ (-X^2 / 2)"},
     .fields = {{"Calc", "0"}},
     .errors = {kOverflow},
     .converterResult = "1E400"},
    {.name = "formula discards the chain",
     .keys = {"3", "X", "4", "Y", "7", "+", "1", "Sqrt(x^2 + y^ 2)", "="},
     .fields = {{"Calc", "5"}}},
    {.name = "formula follows register X, not the entry",
     .keys = {"45", "X", "30", "Sqrt(CoSec^ 2 X - 1)"},
     .fields = {{"Calc", "1"}}},
};

class FormulaInputs : public ::testing::TestWithParam<KeyCase> {};

TEST_P(FormulaInputs, AreReadWhenEvaluated) {
  RunKeyCase(GetParam());
}

INSTANTIATE_TEST_SUITE_P(Table, FormulaInputs, ::testing::ValuesIn(kFormulaInputs), CaseNamer{});

}  // namespace
}  // namespace vaneko::calculator::testing_support
