// The formula keys: fixed formulas of the registers X, Y and Z, evaluated at once. Circular
// functions follow the angle mode; intermediate values stay in extended precision, except the
// maths library's results, which are doubles.
#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>

#include "calculator/angle_mode.h"
#include "calculator/calculator_model.h"
#include "calculator/guarded_steps.h"
#include "calculator/operation_codes.h"
#include "calculator/step_text.h"
#include "core/number_text.h"
#include "vmath/vmath.h"

namespace vaneko::calculator {

namespace {

// Which registers a formula reads as real numbers; they are read in the order X, Y, Z.
enum Registers : unsigned { kNoRegister = 0, kX = 1, kY = 2, kZ = 4 };

struct FormulaOperands {
  Extended X = 0, Y = 0, Z = 0;
  std::string_view xText, yText;  // for the formula of whole numbers
  AngleMode mode = AngleMode::Degrees;

  // An angle in the current mode, in radians.
  Extended Theta(Extended angle) const { return ToRadians(angle, mode); }
  // An angle in radians, in the current mode.
  Extended Out(Extended radians) const { return FromRadians(radians, mode); }
  // The library's Euclidean norm of (X, Y).
  Extended NormXY() const { return Pythag(LibraryArgument(X), LibraryArgument(Y)); }
};

using FormulaValue = Extended (*)(const FormulaOperands&);

struct FormulaRow {
  Op op;
  unsigned registers;
  // The line of the step: what the formula computes, then the registers it shows with their
  // values (`shows`, of "XYZ"), those read only as angles (`angles`) with the angle mode's
  // unit, and the result with it when the result is an angle.
  std::string_view form;
  std::string_view shows;
  std::string_view angles;
  bool angleResult;
  FormulaValue value;
};

using O = FormulaOperands;

constexpr FormulaRow kFormulas[] = {
    {Op::kNormXY, kX | kY, "√(X² + Y²)", "XY", "", false, [](const O& o) { return o.NormXY(); }},
    {Op::kPolarAngleXY, kX | kY, "ArcTan(X / Y)", "XY", "", true,
     [](const O& o) -> Extended {
       return o.Out(ArcTan2(LibraryArgument(o.X), LibraryArgument(o.Y)));
     }},
    {Op::kDifferenceOfSquaresXY, kX | kY, "√(X² - Y²)", "XY", "", false,
     [](const O& o) { return SquareRoot(o.X * o.X - o.Y * o.Y); }},
    {Op::kXOverSinY, kX | kY, "X / Sin(Y)", "XY", "Y", false,
     [](const O& o) { return o.X / Sine(o.Theta(o.Y)); }},
    {Op::kXOverCosY, kX | kY, "X / Cos(Y)", "XY", "Y", false,
     [](const O& o) { return o.X / Cosine(o.Theta(o.Y)); }},
    {Op::kXTimesSinY, kX | kY, "X * Sin(Y)", "XY", "Y", false,
     [](const O& o) { return o.X * Sine(o.Theta(o.Y)); }},
    {Op::kXTimesCosY, kX | kY, "X * Cos(Y)", "XY", "Y", false,
     [](const O& o) { return o.X * Cosine(o.Theta(o.Y)); }},
    {Op::kArcSinXOverY, kX | kY, "ArcSin(X / Y)", "XY", "", true,
     [](const O& o) -> Extended { return o.Out(ArcSin(LibraryArgument(o.X / o.Y))); }},
    {Op::kArcCosXOverY, kX | kY, "ArcCos(X / Y)", "XY", "", true,
     [](const O& o) -> Extended { return o.Out(ArcCos(LibraryArgument(o.X / o.Y))); }},
    {Op::kXTimesTanY, kX | kY, "X * Tan(Y)", "XY", "Y", false,
     [](const O& o) { return o.X * Tan(LibraryArgument(o.Theta(o.Y))); }},
    {Op::kXTimesCoTanY, kX | kY, "X * CoTan(Y)", "XY", "Y", false,
     [](const O& o) { return o.X * EndOfStep(1 / std::tan(o.Theta(o.Y))); }},
    {Op::kArcCoTanXOverY, kX | kY, "ArcCoTan(X / Y)", "XY", "", true,
     [](const O& o) { return o.Out(std::atan(1 / (o.X / o.Y))); }},
    {Op::kCosFromSinX, kX, "√(1 - Sin²(X))", "X", "X", false,
     [](const O& o) {
       const Extended sine = Sine(o.Theta(o.X));
       return SquareRoot(1 - sine * sine);
     }},
    {Op::kSinFromCosX, kX, "√(1 - Cos²(X))", "X", "X", false,
     [](const O& o) {
       const Extended cosine = Cosine(o.Theta(o.X));
       return SquareRoot(1 - cosine * cosine);
     }},
    {Op::kTanFromSecX, kX, "√(Sec²(X) - 1)", "X", "X", false,
     [](const O& o) {
       const Extended secant = 1 / Cosine(o.Theta(o.X));
       return SquareRoot(secant * secant - 1);
     }},
    {Op::kSecFromTanX, kX, "√(1 + Tan²(X))", "X", "X", false,
     [](const O& o) {
       const Extended tangent = Tan(LibraryArgument(o.Theta(o.X)));
       return SquareRoot(1 + tangent * tangent);
     }},
    {Op::kCoTanFromCoSecX, kX, "√(CoSec²(X) - 1)", "X", "X", false,
     [](const O& o) {
       const Extended cosecant = 1 / Sine(o.Theta(o.X));
       return SquareRoot(cosecant * cosecant - 1);
     }},
    {Op::kCoSecFromCoTanX, kX, "√(1 + CoTan²(X))", "X", "X", false,
     [](const O& o) {
       const Extended cotangent = 1 / std::tan(o.Theta(o.X));
       return SquareRoot(1 + cotangent * cotangent);
     }},
    {Op::kSineRuleX, kX | kY, "X * Sin(Y) / Sin(X)", "XY", "Y", false,
     [](const O& o) { return o.X * Sine(o.Theta(o.Y)) / Sine(o.Theta(o.X)); }},
    {Op::kSineRuleY, kX | kY, "Y * Sin(X) / Sin(Y)", "XY", "X", false,
     [](const O& o) { return o.Y * Sine(o.Theta(o.X)) / Sine(o.Theta(o.Y)); }},
    {Op::kInverseNormXY, kX | kY, "1 / √(X² + Y²)", "XY", "", false,
     [](const O& o) { return 1 / o.NormXY(); }},
    {Op::kNormXYZ, kX | kY | kZ, "√(X² + Y² + Z²)", "XYZ", "", false,
     [](const O& o) { return SquareRoot(o.X * o.X + o.Y * o.Y + o.Z * o.Z); }},
    {Op::kDifferenceOfSquaresXYZ, kX | kY | kZ, "√(X² - Y² - Z²)", "XYZ", "", false,
     [](const O& o) { return SquareRoot(o.X * o.X - o.Y * o.Y - o.Z * o.Z); }},
    // The angles of the point (X, Y) and of (X, Y, Z): the arc function takes the quotient.
    {Op::kArcCosOfNormalisedX, kX | kY, "ArcCos(X / √(X² + Y²))", "XY", "", true,
     [](const O& o) -> Extended { return o.Out(ArcCos(LibraryArgument(o.X / o.NormXY()))); }},
    {Op::kArcSinOfNormalisedY, kX | kY, "ArcSin(Y / √(X² + Y²))", "XY", "", true,
     [](const O& o) -> Extended { return o.Out(ArcSin(LibraryArgument(o.Y / o.NormXY()))); }},
    {Op::kArcTanOfZOverNormXY, kX | kY | kZ, "ArcTan(Z / √(X² + Y²))", "XYZ", "", true,
     [](const O& o) { return o.Out(std::atan(o.Z / o.NormXY())); }},
    {Op::kCosineRule, kX | kY | kZ, "√(X² + Y² - 2XY Cos(Z))", "XYZ", "Z", false,
     [](const O& o) {
       // The cosine first: MinGW-w64's cosl clears the flags that the squares may have raised.
       const Extended cosine = Cosine(o.Theta(o.Z));
       return SquareRoot(o.X * o.X + o.Y * o.Y - 2 * o.X * o.Y * cosine);
     }},
    {Op::kSinXCosY, kX | kY, "[Sin(X + Y) + Sin(X - Y)] / 2", "XY", "XY", false,
     [](const O& o) { return (Sine(o.Theta(o.X + o.Y)) + Sine(o.Theta(o.X - o.Y))) / 2; }},
    {Op::kCosXCosY, kX | kY, "[Cos(X + Y) + Cos(X - Y)] / 2", "XY", "XY", false,
     [](const O& o) { return (Cosine(o.Theta(o.X + o.Y)) + Cosine(o.Theta(o.X - o.Y))) / 2; }},
    {Op::kSinXSinY, kX | kY, "[Cos(X - Y) - Cos(X + Y)] / 2", "XY", "XY", false,
     [](const O& o) { return (Cosine(o.Theta(o.X - o.Y)) - Cosine(o.Theta(o.X + o.Y))) / 2; }},
    {Op::kXCosYCosZ, kX | kY | kZ, "X * Cos(Y) * Cos(Z)", "XYZ", "YZ", false,
     [](const O& o) { return o.X * Cosine(o.Theta(o.Y)) * Cosine(o.Theta(o.Z)); }},
    {Op::kXCosYSinZ, kX | kY | kZ, "X * Cos(Y) * Sin(Z)", "XYZ", "YZ", false,
     [](const O& o) { return o.X * Cosine(o.Theta(o.Y)) * Sine(o.Theta(o.Z)); }},
    {Op::kNormalDensity, kX, "e^(-X² / 2) / √(2π)", "X", "", false,
     [](const O& o) -> Extended { return DNorm(LibraryArgument(o.X)); }},
    // N = X and K = Y, read as 32-bit whole numbers.
    {Op::kBinomial, kNoRegister, "Binomial(X, Y)", "XY", "", false,
     [](const O& o) -> Extended {
       const std::int32_t n = ReadInteger(o.xText);
       const std::int32_t k = ReadInteger(o.yText);
       return Binomial(n, k);
     }},
};

const FormulaRow* FindFormula(Op op) {
  for (const FormulaRow& row : kFormulas)
    if (row.op == op) return &row;
  return nullptr;
}

}  // namespace

void CalculatorModel::ApplyFormula(Op op) {
  const FormulaRow* formula = FindFormula(op);
  if (formula == nullptr) return;
  FormulaOperands operands;
  operands.mode = Angle;
  operands.xText = X1;
  operands.yText = Y1;
  if (formula->registers & kX) operands.X = ReadRegister(Register::kX).Nearest();
  if (formula->registers & kY) operands.Y = ReadRegister(Register::kY).Nearest();
  if (formula->registers & kZ) operands.Z = ReadRegister(Register::kZ).Nearest();
  StoreResult(Number::Computed(Guarded([&] { return formula->value(operands); })));
}

CalculatorModel::StepText CalculatorModel::DescribeFormula(Op op) const {
  StepText step;
  const FormulaRow* formula = FindFormula(op);
  if (formula == nullptr) return step;
  step.expression = formula->form;
  for (char name : formula->shows) {
    const std::string& text = name == 'X' ? X1 : name == 'Y' ? Y1 : Z1;
    step.expression += std::string(", ") + name + " = " + Shown(text);
    Extended value = 0;
    if (formula->angles.find(name) != std::string_view::npos && TryReadNumber(text, value))
      step.expression += AngleUnit(Angle);
  }
  if (formula->angleResult) step.suffix = AngleUnit(Angle);
  return step;
}

}  // namespace vaneko::calculator
