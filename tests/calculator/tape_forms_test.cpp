// Every function and formula key's tape line says what the key computes: the line's text is
// checked against a hand-written expression, and the value the key shows against that
// expression computed here, in extended precision.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>

#include "calculator/key_table.h"
#include "calculator/tape.h"
#include "core/number_text.h"

namespace vaneko::calculator {
namespace {

using Reference = Extended (*)(Extended x, Extended y, Extended z);

constexpr Extended kDegree = std::numbers::pi_v<Extended> / 180;

struct FormCase {
  const char* caption;
  const char* x;  // Calc for a function, X1 for a formula
  const char* y;
  const char* z;
  const char* expression;  // the line before " = "
  bool angleResult;        // the result is shown with "°"
  Reference reference;     // what the expression means, angles in degrees
};
void PrintTo(const FormCase& c, std::ostream* os) {
  *os << c.caption;
}

// Degrees in, degrees out, as the angle mode reads and writes them.
Extended R(Extended degrees) {
  return degrees * kDegree;
}
Extended D(Extended radians) {
  return radians / kDegree;
}

const FormCase kFunctions[] = {
    {"x^2", "3", "", "", "3²", false, [](Extended x, Extended, Extended) { return x * x; }},
    {"x^3", "3", "", "", "3³", false, [](Extended x, Extended, Extended) { return x * x * x; }},
    {"1/x", "4", "", "", "1/4", false, [](Extended x, Extended, Extended) { return 1 / x; }},
    {"Log", "1000", "", "", "Log(1000)", false,
     [](Extended x, Extended, Extended) { return std::log10(x); }},
    {"Ln", "2", "", "", "Ln(2)", false, [](Extended x, Extended, Extended) { return std::log(x); }},
    {"Sin", "30", "", "", "Sin(30°)", false,
     [](Extended x, Extended, Extended) { return std::sin(R(x)); }},
    {"Cos", "60", "", "", "Cos(60°)", false,
     [](Extended x, Extended, Extended) { return std::cos(R(x)); }},
    {"Tan", "40", "", "", "Tan(40°)", false,
     [](Extended x, Extended, Extended) { return std::tan(R(x)); }},
    {"ArcSin", "0,5", "", "", "ArcSin(0,5)", true,
     [](Extended x, Extended, Extended) { return D(std::asin(x)); }},
    {"ArcCos", "0,5", "", "", "ArcCos(0,5)", true,
     [](Extended x, Extended, Extended) { return D(std::acos(x)); }},
    {"ArcTan", "1", "", "", "ArcTan(1)", true,
     [](Extended x, Extended, Extended) { return D(std::atan(x)); }},
    {"e^x", "2", "", "", "e^2", false, [](Extended x, Extended, Extended) { return std::exp(x); }},
    {"10^x", "3", "", "", "10^3", false,
     [](Extended x, Extended, Extended) { return std::pow(10.0L, x); }},
    {"CoTan", "30", "", "", "CoTan(30°)", false,
     [](Extended x, Extended, Extended) { return 1 / std::tan(R(x)); }},
    {"ArcCoTan", "2", "", "", "ArcCoTan(2)", true,
     [](Extended x, Extended, Extended) { return D(std::atan(1 / x)); }},
    {"Sin h", "1", "", "", "Sinh(1)", false,
     [](Extended x, Extended, Extended) { return std::sinh(x); }},
    {"ArcSin h", "1", "", "", "ArcSinh(1)", false,
     [](Extended x, Extended, Extended) { return std::asinh(x); }},
    {"Cos h", "1", "", "", "Cosh(1)", false,
     [](Extended x, Extended, Extended) { return std::cosh(x); }},
    {"ArcCos h", "2", "", "", "ArcCosh(2)", false,
     [](Extended x, Extended, Extended) { return std::acosh(x); }},
    {"Tan h", "1", "", "", "Tanh(1)", false,
     [](Extended x, Extended, Extended) { return std::tanh(x); }},
    {"ArcTan h", "0,5", "", "", "ArcTanh(0,5)", false,
     [](Extended x, Extended, Extended) { return std::atanh(x); }},
    {"Sec", "60", "", "", "Sec(60°)", false,
     [](Extended x, Extended, Extended) { return 1 / std::cos(R(x)); }},
    {"CoSec", "30", "", "", "CoSec(30°)", false,
     [](Extended x, Extended, Extended) { return 1 / std::sin(R(x)); }},
    {"ArcSec", "2", "", "", "ArcSec(2)", true,
     [](Extended x, Extended, Extended) { return D(std::acos(1 / x)); }},
    {"ArcCoSec", "2", "", "", "ArcCoSec(2)", true,
     [](Extended x, Extended, Extended) { return D(std::asin(1 / x)); }},
    {"N !", "5", "", "", "5!", false, [](Extended, Extended, Extended) { return 120.0L; }},
    {"Gamma ", "5", "", "", "Gamma(5)", false, [](Extended, Extended, Extended) { return 24.0L; }},
};

const FormCase kFormulas[] = {
    {"Sqrt(x^2 + y^ 2)", "3", "4", "0", "√(X² + Y²), X = 3, Y = 4", false,
     [](Extended x, Extended y, Extended) { return std::sqrt(x * x + y * y); }},
    {"ArcTan X / Y", "3", "4", "0", "ArcTan(X / Y), X = 3, Y = 4", true,
     [](Extended x, Extended y, Extended) { return D(std::atan2(x, y)); }},
    {"Sqrt(x^2 - y^ 2)", "5", "4", "0", "√(X² - Y²), X = 5, Y = 4", false,
     [](Extended x, Extended y, Extended) { return std::sqrt(x * x - y * y); }},
    {"X / Sin Y", "3", "40", "0", "X / Sin(Y), X = 3, Y = 40°", false,
     [](Extended x, Extended y, Extended) { return x / std::sin(R(y)); }},
    {"X / Cos Y", "3", "40", "0", "X / Cos(Y), X = 3, Y = 40°", false,
     [](Extended x, Extended y, Extended) { return x / std::cos(R(y)); }},
    {"X * Sin Y", "3", "40", "0", "X * Sin(Y), X = 3, Y = 40°", false,
     [](Extended x, Extended y, Extended) { return x * std::sin(R(y)); }},
    {"X * CosY", "3", "40", "0", "X * Cos(Y), X = 3, Y = 40°", false,
     [](Extended x, Extended y, Extended) { return x * std::cos(R(y)); }},
    {"ArcSin X / Y", "3", "4", "0", "ArcSin(X / Y), X = 3, Y = 4", true,
     [](Extended x, Extended y, Extended) { return D(std::asin(x / y)); }},
    {"ArcCos X / Y", "3", "4", "0", "ArcCos(X / Y), X = 3, Y = 4", true,
     [](Extended x, Extended y, Extended) { return D(std::acos(x / y)); }},
    {"X * Tan Y", "3", "40", "0", "X * Tan(Y), X = 3, Y = 40°", false,
     [](Extended x, Extended y, Extended) { return x * std::tan(R(y)); }},
    {"X * CoTan Y", "3", "40", "0", "X * CoTan(Y), X = 3, Y = 40°", false,
     [](Extended x, Extended y, Extended) { return x / std::tan(R(y)); }},
    {"ArcCoTan X/Y", "3", "4", "0", "ArcCoTan(X / Y), X = 3, Y = 4", true,
     [](Extended x, Extended y, Extended) { return D(std::atan(y / x)); }},
    {"Sqrt(1 - Sin^ 2 X)", "40", "0", "0", "√(1 - Sin²(X)), X = 40°", false,
     [](Extended x, Extended, Extended) { return std::sqrt(1 - std::pow(std::sin(R(x)), 2)); }},
    {"Sqrt(1 - Cos^ 2 X)", "40", "0", "0", "√(1 - Cos²(X)), X = 40°", false,
     [](Extended x, Extended, Extended) { return std::sqrt(1 - std::pow(std::cos(R(x)), 2)); }},
    {"Sqrt(Sec^ 2 X - 1)", "40", "0", "0", "√(Sec²(X) - 1), X = 40°", false,
     [](Extended x, Extended, Extended) { return std::sqrt(std::pow(1 / std::cos(R(x)), 2) - 1); }},
    {"Sqrt(1 + Tan^ 2 X)", "40", "0", "0", "√(1 + Tan²(X)), X = 40°", false,
     [](Extended x, Extended, Extended) { return std::sqrt(1 + std::pow(std::tan(R(x)), 2)); }},
    {"Sqrt(CoSec^ 2 X - 1)", "40", "0", "0", "√(CoSec²(X) - 1), X = 40°", false,
     [](Extended x, Extended, Extended) { return std::sqrt(std::pow(1 / std::sin(R(x)), 2) - 1); }},
    {"Sqrt(1 + CoTan^ 2 X )", "40", "0", "0", "√(1 + CoTan²(X)), X = 40°", false,
     [](Extended x, Extended, Extended) { return std::sqrt(1 + std::pow(1 / std::tan(R(x)), 2)); }},
    {"X * Sin Y / Sin X", "3", "40", "0", "X * Sin(Y) / Sin(X), X = 3, Y = 40°", false,
     [](Extended x, Extended y, Extended) { return x * std::sin(R(y)) / std::sin(R(x)); }},
    {"Y * Sin X / Sin Y", "40", "3", "0", "Y * Sin(X) / Sin(Y), X = 40°, Y = 3", false,
     [](Extended x, Extended y, Extended) { return y * std::sin(R(x)) / std::sin(R(y)); }},
    {"1 / Sqrt(x^2 + y^ 2)", "3", "4", "0", "1 / √(X² + Y²), X = 3, Y = 4", false,
     [](Extended x, Extended y, Extended) { return 1 / std::sqrt(x * x + y * y); }},
    {"Sqrt(x^2 + y^ 2 + z^2)", "3", "4", "12", "√(X² + Y² + Z²), X = 3, Y = 4, Z = 12", false,
     [](Extended x, Extended y, Extended z) { return std::sqrt(x * x + y * y + z * z); }},
    {"Sqrt(x^2 - y^ 2 - z^2)", "13", "4", "3", "√(X² - Y² - Z²), X = 13, Y = 4, Z = 3", false,
     [](Extended x, Extended y, Extended z) { return std::sqrt(x * x - y * y - z * z); }},
    {"ArcCos X / Sqrt(x^2 + y^ 2)", "3", "4", "0", "ArcCos(X / √(X² + Y²)), X = 3, Y = 4", true,
     [](Extended x, Extended y, Extended) { return D(std::acos(x / std::hypot(x, y))); }},
    {"ArcSin Y / Sqrt(x^2 + y^ 2)", "3", "4", "0", "ArcSin(Y / √(X² + Y²)), X = 3, Y = 4", true,
     [](Extended x, Extended y, Extended) { return D(std::asin(y / std::hypot(x, y))); }},
    {"ArcTan Z / Sqrt(x^2 + y^ 2)", "3", "4", "7", "ArcTan(Z / √(X² + Y²)), X = 3, Y = 4, Z = 7",
     true, [](Extended x, Extended y, Extended z) { return D(std::atan(z / std::hypot(x, y))); }},
    {"Sqrt[X^2 + Y^2 - 2XYcosZ]", "3", "4", "50", "√(X² + Y² - 2XY Cos(Z)), X = 3, Y = 4, Z = 50°",
     false,
     [](Extended x, Extended y, Extended z) {
       return std::sqrt(x * x + y * y - 2 * x * y * std::cos(R(z)));
     }},
    {"1/ 2 [Sin (X + Y) + Sin (X - Y)]", "50", "20", "0",
     "[Sin(X + Y) + Sin(X - Y)] / 2, X = 50°, Y = 20°", false,
     [](Extended x, Extended y, Extended) { return std::sin(R(x)) * std::cos(R(y)); }},
    {"1/ 2 [Cos (X + Y) + Cos (X - Y)]", "50", "20", "0",
     "[Cos(X + Y) + Cos(X - Y)] / 2, X = 50°, Y = 20°", false,
     [](Extended x, Extended y, Extended) { return std::cos(R(x)) * std::cos(R(y)); }},
    {"1/ 2 [Cos (X - Y) - Cos (X + Y)]", "50", "20", "0",
     "[Cos(X - Y) - Cos(X + Y)] / 2, X = 50°, Y = 20°", false,
     [](Extended x, Extended y, Extended) { return std::sin(R(x)) * std::sin(R(y)); }},
    {"X * Cos Y * Cos Z", "3", "40", "50", "X * Cos(Y) * Cos(Z), X = 3, Y = 40°, Z = 50°", false,
     [](Extended x, Extended y, Extended z) { return x * std::cos(R(y)) * std::cos(R(z)); }},
    {"X * Cos Y * Sin Z", "3", "40", "50", "X * Cos(Y) * Sin(Z), X = 3, Y = 40°, Z = 50°", false,
     [](Extended x, Extended y, Extended z) { return x * std::cos(R(y)) * std::sin(R(z)); }},
    {"1 / sqrt(2Pi) - e ^ (-X^2 / 2)", "1", "0", "0", "e^(-X² / 2) / √(2π), X = 1", false,
     [](Extended x, Extended, Extended) {
       return std::exp(-x * x / 2) / std::sqrt(2 * std::numbers::pi_v<Extended>);
     }},
    {"Binomial (N,K)", "5", "2", "0", "Binomial(X, Y), X = 5, Y = 2", false,
     [](Extended, Extended, Extended) { return 10.0L; }},
};

// Presses the key on a fresh calculator in degrees and returns its one tape line.
std::string LineOf(const FormCase& c, bool formula, CalculatorModel& model) {
  Tape tape;
  tape.Listen(model);
  if (formula) {
    model.X1 = c.x;
    model.Y1 = c.y;
    model.Z1 = c.z;
    model.Calc = "0";  // a formula key loads the entry first, as a function key does
  } else {
    model.Calc = c.x;
  }
  const KeyRow* key = FindKey(c.caption);
  EXPECT_NE(key, nullptr) << c.caption;
  if (key == nullptr) return {};
  model.Execute(key->command);
  EXPECT_EQ(tape.Lines().size(), 1U);
  return tape.Lines().empty() ? std::string() : tape.Lines().back().text;
}

void CheckLine(const FormCase& c, bool formula) {
  CalculatorModel model;
  const std::string line = LineOf(c, formula, model);
  EXPECT_EQ(line, std::string(c.expression) + " = " + model.Calc + (c.angleResult ? "°" : ""));
  const Extended expected =
      c.reference(ReadNumber(c.x), ReadNumber(c.y[0] ? c.y : "0"), ReadNumber(c.z[0] ? c.z : "0"));
  const Extended shown = ReadNumber(model.Calc);
  EXPECT_NEAR(static_cast<double>(shown), static_cast<double>(expected),
              1e-13 * std::fmax(1.0, std::fabs(static_cast<double>(expected))))
      << model.Calc;
}

class FunctionLines : public ::testing::TestWithParam<FormCase> {};
TEST_P(FunctionLines, SayWhatTheKeyComputes) {
  CheckLine(GetParam(), false);
}
INSTANTIATE_TEST_SUITE_P(EveryFunctionKey, FunctionLines, ::testing::ValuesIn(kFunctions));

class FormulaLines : public ::testing::TestWithParam<FormCase> {};
TEST_P(FormulaLines, SayWhatTheKeyComputes) {
  CheckLine(GetParam(), true);
}
INSTANTIATE_TEST_SUITE_P(EveryFormulaKey, FormulaLines, ::testing::ValuesIn(kFormulas));

// Every function and formula key of the panel has its row above.
TEST(TapeForms, CoverEveryFunctionAndFormulaKey) {
  int functions = 0;
  int formulas = 0;
  for (const KeyRow& key : CalculatorKeys()) {
    if (key.command.kind != Command::Kind::kPress) continue;
    functions += IsFunction(key.command.op) ? 1 : 0;
    formulas += IsFormula(key.command.op) ? 1 : 0;
  }
  EXPECT_EQ(functions, static_cast<int>(std::size(kFunctions)));
  EXPECT_EQ(formulas, static_cast<int>(std::size(kFormulas)));
  EXPECT_EQ(formulas, 34);
}

}  // namespace
}  // namespace vaneko::calculator
