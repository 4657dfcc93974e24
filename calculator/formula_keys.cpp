// The formula keys: fixed formulas of the registers X, Y and Z, evaluated at once. Circular
// functions follow the angle mode; intermediate values stay in extended precision, except the
// maths library's results, which are doubles.
#include <cmath>
#include <cstdint>
#include <string_view>

#include "calculator/angle_mode.h"
#include "calculator/calculator_model.h"
#include "calculator/guarded_steps.h"
#include "calculator/operation_codes.h"
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
  int code;
  unsigned registers;
  FormulaValue value;
};

using O = FormulaOperands;

constexpr FormulaRow kFormulas[] = {
    {op::kNormXY, kX | kY, [](const O& o) { return o.NormXY(); }},
    {op::kPolarAngleXY, kX | kY,
     [](const O& o) -> Extended {
       return o.Out(ArcTan2(LibraryArgument(o.X), LibraryArgument(o.Y)));
     }},
    {op::kDifferenceOfSquaresXY, kX | kY,
     [](const O& o) { return std::sqrt(o.X * o.X - o.Y * o.Y); }},
    {op::kXOverSinY, kX | kY, [](const O& o) { return o.X / Sine(o.Theta(o.Y)); }},
    {op::kXOverCosY, kX | kY, [](const O& o) { return o.X / Cosine(o.Theta(o.Y)); }},
    {op::kXTimesSinY, kX | kY, [](const O& o) { return o.X * Sine(o.Theta(o.Y)); }},
    {op::kXTimesCosY, kX | kY, [](const O& o) { return o.X * Cosine(o.Theta(o.Y)); }},
    {op::kArcSinXOverY, kX | kY,
     [](const O& o) -> Extended { return o.Out(ArcSin(LibraryArgument(o.X / o.Y))); }},
    {op::kArcCosXOverY, kX | kY,
     [](const O& o) -> Extended { return o.Out(ArcCos(LibraryArgument(o.X / o.Y))); }},
    {op::kXTimesTanY, kX | kY, [](const O& o) { return o.X * Tan(LibraryArgument(o.Theta(o.Y))); }},
    {op::kXTimesCoTanY, kX | kY,
     [](const O& o) { return o.X * EndOfStep(1 / std::tan(o.Theta(o.Y))); }},
    {op::kArcCoTanXOverY, kX | kY, [](const O& o) { return o.Out(std::atan(1 / (o.X / o.Y))); }},
    {op::kCosFromSinX, kX,
     [](const O& o) {
       const Extended sine = Sine(o.Theta(o.X));
       return std::sqrt(1 - sine * sine);
     }},
    {op::kSinFromCosX, kX,
     [](const O& o) {
       const Extended cosine = Cosine(o.Theta(o.X));
       return std::sqrt(1 - cosine * cosine);
     }},
    {op::kTanFromSecX, kX,
     [](const O& o) {
       const Extended secant = 1 / Cosine(o.Theta(o.X));
       return std::sqrt(secant * secant - 1);
     }},
    {op::kSecFromTanX, kX,
     [](const O& o) {
       const Extended tangent = Tan(LibraryArgument(o.Theta(o.X)));
       return std::sqrt(1 + tangent * tangent);
     }},
    {op::kCoTanFromCoSecX, kX,
     [](const O& o) {
       const Extended cosecant = 1 / Sine(o.Theta(o.X));
       return std::sqrt(cosecant * cosecant - 1);
     }},
    {op::kCoSecFromCoTanX, kX,
     [](const O& o) {
       const Extended cotangent = 1 / std::tan(o.Theta(o.X));
       return std::sqrt(1 + cotangent * cotangent);
     }},
    {op::kSineRuleX, kX | kY,
     [](const O& o) { return o.X * Sine(o.Theta(o.Y)) / Sine(o.Theta(o.X)); }},
    {op::kSineRuleY, kX | kY,
     [](const O& o) { return o.Y * Sine(o.Theta(o.X)) / Sine(o.Theta(o.Y)); }},
    {op::kInverseNormXY, kX | kY, [](const O& o) { return 1 / o.NormXY(); }},
    {op::kNormXYZ, kX | kY | kZ,
     [](const O& o) { return std::sqrt(o.X * o.X + o.Y * o.Y + o.Z * o.Z); }},
    {op::kDifferenceOfSquaresXYZ, kX | kY | kZ,
     [](const O& o) { return std::sqrt(o.X * o.X - o.Y * o.Y - o.Z * o.Z); }},
    // The angles of the point (X, Y) and of (X, Y, Z): the arc function takes the quotient.
    {op::kArcCosOfNormalisedX, kX | kY,
     [](const O& o) -> Extended { return o.Out(ArcCos(LibraryArgument(o.X / o.NormXY()))); }},
    {op::kArcSinOfNormalisedY, kX | kY,
     [](const O& o) -> Extended { return o.Out(ArcSin(LibraryArgument(o.Y / o.NormXY()))); }},
    {op::kArcTanOfZOverNormXY, kX | kY | kZ,
     [](const O& o) { return o.Out(std::atan(o.Z / o.NormXY())); }},
    {op::kCosineRule, kX | kY | kZ,
     [](const O& o) {
       return std::sqrt(o.X * o.X + o.Y * o.Y - 2 * o.X * o.Y * Cosine(o.Theta(o.Z)));
     }},
    {op::kSinXCosY, kX | kY,
     [](const O& o) { return (Sine(o.Theta(o.X + o.Y)) + Sine(o.Theta(o.X - o.Y))) / 2; }},
    {op::kCosXCosY, kX | kY,
     [](const O& o) { return (Cosine(o.Theta(o.X + o.Y)) + Cosine(o.Theta(o.X - o.Y))) / 2; }},
    {op::kSinXSinY, kX | kY,
     [](const O& o) { return (Cosine(o.Theta(o.X - o.Y)) - Cosine(o.Theta(o.X + o.Y))) / 2; }},
    {op::kXCosYCosZ, kX | kY | kZ,
     [](const O& o) { return o.X * Cosine(o.Theta(o.Y)) * Cosine(o.Theta(o.Z)); }},
    {op::kXCosYSinZ, kX | kY | kZ,
     [](const O& o) { return o.X * Cosine(o.Theta(o.Y)) * Sine(o.Theta(o.Z)); }},
    {op::kNormalDensity, kX, [](const O& o) -> Extended { return DNorm(LibraryArgument(o.X)); }},
    // N = X and K = Y, read as 32-bit whole numbers.
    {op::kBinomial, kNoRegister,
     [](const O& o) -> Extended {
       const std::int32_t n = ReadInteger(o.xText);
       const std::int32_t k = ReadInteger(o.yText);
       return Binomial(n, k);
     }},
};

const FormulaRow* FindFormula(int code) {
  for (const FormulaRow& row : kFormulas)
    if (row.code == code) return &row;
  return nullptr;
}

}  // namespace

void CalculatorModel::ApplyFormula(int code) {
  const FormulaRow* formula = FindFormula(code);
  if (formula == nullptr) return;
  FormulaOperands operands;
  operands.mode = Angle;
  operands.xText = X1;
  operands.yText = Y1;
  if (formula->registers & kX) operands.X = ReadNumber(X1);
  if (formula->registers & kY) operands.Y = ReadNumber(Y1);
  if (formula->registers & kZ) operands.Z = ReadNumber(Z1);
  Accumulator = NarrowToDouble(Guarded([&] { return formula->value(operands); }));
}

void CalculatorModel::Button127Click() {
  EvaluateAtOnce(op::kNormXY);
}
void CalculatorModel::Button128Click() {
  EvaluateAtOnce(op::kPolarAngleXY);
}
void CalculatorModel::Button129Click() {
  EvaluateAtOnce(op::kDifferenceOfSquaresXY);
}
void CalculatorModel::Button130Click() {
  EvaluateAtOnce(op::kXOverSinY);
}
void CalculatorModel::Button131Click() {
  EvaluateAtOnce(op::kXOverCosY);
}
void CalculatorModel::Button132Click() {
  EvaluateAtOnce(op::kXTimesSinY);
}
void CalculatorModel::Button133Click() {
  EvaluateAtOnce(op::kXTimesCosY);
}
void CalculatorModel::Button134Click() {
  EvaluateAtOnce(op::kArcSinXOverY);
}
void CalculatorModel::Button135Click() {
  EvaluateAtOnce(op::kArcCosXOverY);
}
void CalculatorModel::Button136Click() {
  EvaluateAtOnce(op::kXTimesTanY);
}
void CalculatorModel::Button137Click() {
  EvaluateAtOnce(op::kXTimesCoTanY);
}
void CalculatorModel::Button138Click() {
  EvaluateAtOnce(op::kArcCoTanXOverY);
}
void CalculatorModel::Button139Click() {
  EvaluateAtOnce(op::kCosFromSinX);
}
void CalculatorModel::Button140Click() {
  EvaluateAtOnce(op::kSinFromCosX);
}
void CalculatorModel::Button141Click() {
  EvaluateAtOnce(op::kTanFromSecX);
}
void CalculatorModel::Button142Click() {
  EvaluateAtOnce(op::kSecFromTanX);
}
void CalculatorModel::Button143Click() {
  EvaluateAtOnce(op::kCoTanFromCoSecX);
}
void CalculatorModel::Button144Click() {
  EvaluateAtOnce(op::kCoSecFromCoTanX);
}
void CalculatorModel::Button145Click() {
  EvaluateAtOnce(op::kSineRuleX);
}
void CalculatorModel::Button147Click() {
  EvaluateAtOnce(op::kSineRuleY);
}
void CalculatorModel::Button151Click() {
  EvaluateAtOnce(op::kInverseNormXY);
}
void CalculatorModel::Button148Click() {
  EvaluateAtOnce(op::kNormXYZ);
}
void CalculatorModel::Button149Click() {
  EvaluateAtOnce(op::kDifferenceOfSquaresXYZ);
}
void CalculatorModel::Button152Click() {
  EvaluateAtOnce(op::kArcCosOfNormalisedX);
}
void CalculatorModel::Button153Click() {
  EvaluateAtOnce(op::kArcSinOfNormalisedY);
}
void CalculatorModel::Button150Click() {
  EvaluateAtOnce(op::kArcTanOfZOverNormXY);
}
void CalculatorModel::Button146Click() {
  EvaluateAtOnce(op::kCosineRule);
}
void CalculatorModel::Button154Click() {
  EvaluateAtOnce(op::kSinXCosY);
}
void CalculatorModel::Button155Click() {
  EvaluateAtOnce(op::kCosXCosY);
}
void CalculatorModel::Button156Click() {
  EvaluateAtOnce(op::kSinXSinY);
}
void CalculatorModel::Button158Click() {
  EvaluateAtOnce(op::kXCosYCosZ);
}
void CalculatorModel::Button159Click() {
  EvaluateAtOnce(op::kXCosYSinZ);
}
void CalculatorModel::Button160Click() {
  EvaluateAtOnce(op::kNormalDensity);
}
void CalculatorModel::Button161Click() {
  EvaluateAtOnce(op::kBinomial);
}

}  // namespace vaneko::calculator
