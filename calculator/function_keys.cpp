// The function keys: one argument, the entry, evaluated at once. Circular functions read
// their argument in the angle mode; inverse circular functions give their result in it.
#include <cfenv>
#include <cmath>
#include <limits>
#include <string_view>

#include "calculator/angle_mode.h"
#include "calculator/calculator_model.h"
#include "calculator/guarded_steps.h"
#include "calculator/operation_codes.h"
#include "core/number_text.h"
#include "vmath/vmath.h"

namespace vaneko::calculator {

namespace {

struct FunctionArgument {
  Extended x;             // the entry read as a real number
  std::string_view text;  // the entry's text, for the functions of a whole number
  AngleMode mode;

  Extended Theta() const { return ToRadians(x, mode); }
  Extended Out(Extended radians) const { return FromRadians(radians, mode); }
};

using FunctionValue = Extended (*)(const FunctionArgument&);

// The natural logarithm, its faults flagged here: MinGW-w64's logl reports them through errno
// only, so Windows would show -INF for the logarithm of 0 instead of the fault.
Extended NaturalLog(Extended x) {
  if (x < 0) {
    std::feraiseexcept(FE_INVALID);
    return std::numeric_limits<Extended>::quiet_NaN();
  }
  if (x == 0) {
    std::feraiseexcept(FE_DIVBYZERO);
    return -std::numeric_limits<Extended>::infinity();
  }
  return std::log(x);
}

struct FunctionRow {
  int code;
  FunctionValue value;
};

using A = FunctionArgument;

constexpr FunctionRow kFunctions[] = {
    {op::kSquare, [](const A& a) -> Extended { return a.x * a.x; }},
    {op::kCube,
     [](const A& a) -> Extended {
       const Extended stored = LibraryArgument(a.x);  // as the accumulator holds it
       return stored * stored * stored;
     }},
    {op::kReciprocal, [](const A& a) -> Extended { return 1 / a.x; }},
    {op::kLog10, [](const A& a) -> Extended { return Log10(LibraryArgument(a.x)); }},
    {op::kLn, [](const A& a) -> Extended { return NaturalLog(a.x); }},
    {op::kSin, [](const A& a) -> Extended { return Sine(a.Theta()); }},
    {op::kCos, [](const A& a) -> Extended { return Cosine(a.Theta()); }},
    {op::kTan, [](const A& a) -> Extended { return Tan(LibraryArgument(a.Theta())); }},
    {op::kArcSin, [](const A& a) -> Extended { return a.Out(ArcSin(LibraryArgument(a.x))); }},
    {op::kArcCos, [](const A& a) -> Extended { return a.Out(ArcCos(LibraryArgument(a.x))); }},
    {op::kArcTan, [](const A& a) -> Extended { return a.Out(std::atan(a.x)); }},
    {op::kExp, [](const A& a) -> Extended { return Expo(LibraryArgument(a.x)); }},
    {op::kExp10, [](const A& a) -> Extended { return Exp10(LibraryArgument(a.x)); }},
    {op::kCoTan, [](const A& a) -> Extended { return 1 / std::tan(a.Theta()); }},
    {op::kArcCoTan, [](const A& a) -> Extended { return a.Out(std::atan(1 / a.x)); }},
    {op::kSinh, [](const A& a) -> Extended { return Sinh(LibraryArgument(a.x)); }},
    {op::kArcSinh, [](const A& a) -> Extended { return ArcSinh(LibraryArgument(a.x)); }},
    {op::kCosh, [](const A& a) -> Extended { return Cosh(LibraryArgument(a.x)); }},
    {op::kArcCosh, [](const A& a) -> Extended { return ArcCosh(LibraryArgument(a.x)); }},
    {op::kTanh, [](const A& a) -> Extended { return Tanh(LibraryArgument(a.x)); }},
    {op::kArcTanh, [](const A& a) -> Extended { return ArcTanh(LibraryArgument(a.x)); }},
    {op::kSec, [](const A& a) -> Extended { return 1 / Cosine(a.Theta()); }},
    {op::kCoSec, [](const A& a) -> Extended { return 1 / Sine(a.Theta()); }},
    {op::kArcSec, [](const A& a) -> Extended { return a.Out(ArcCos(LibraryArgument(1 / a.x))); }},
    {op::kArcCoSec, [](const A& a) -> Extended { return a.Out(ArcSin(LibraryArgument(1 / a.x))); }},
    // The entry is read a second time, as a 32-bit whole number.
    {op::kFactorial, [](const A& a) -> Extended { return Fact(ReadInteger(a.text)); }},
    {op::kGamma,
     [](const A& a) -> Extended { return Gamma(static_cast<double>(ReadInteger(a.text))); }},
};

FunctionValue FindFunction(int code) {
  for (const FunctionRow& row : kFunctions)
    if (row.code == code) return row.value;
  return nullptr;
}

}  // namespace

void CalculatorModel::ApplyFunction(int code) {
  const FunctionValue value = FindFunction(code);
  if (value == nullptr) return;
  const FunctionArgument argument{ReadEntry(), Calc, Angle};
  if (code == op::kReciprocal && argument.x == 0) {
    RefuseDivisionByZero();
    return;
  }
  Accumulator = NarrowToDouble(Guarded([&] { return value(argument); }));
}

void CalculatorModel::Button24Click() {
  EvaluateAtOnce(op::kSquare);
}
void CalculatorModel::Button25Click() {
  EvaluateAtOnce(op::kCube);
}
void CalculatorModel::Button27Click() {
  EvaluateAtOnce(op::kReciprocal);
}
void CalculatorModel::Button30Click() {
  EvaluateAtOnce(op::kLog10);
}
void CalculatorModel::Button31Click() {
  EvaluateAtOnce(op::kLn);
}
void CalculatorModel::Button34Click() {
  EvaluateAtOnce(op::kSin);
}
void CalculatorModel::Button35Click() {
  EvaluateAtOnce(op::kCos);
}
void CalculatorModel::Button36Click() {
  EvaluateAtOnce(op::kTan);
}
void CalculatorModel::Button60Click() {
  EvaluateAtOnce(op::kArcSin);
}
void CalculatorModel::Button61Click() {
  EvaluateAtOnce(op::kArcCos);
}
void CalculatorModel::Button62Click() {
  EvaluateAtOnce(op::kArcTan);
}
void CalculatorModel::Button63Click() {
  EvaluateAtOnce(op::kExp);
}
void CalculatorModel::Button64Click() {
  EvaluateAtOnce(op::kExp10);
}
void CalculatorModel::Button66Click() {
  EvaluateAtOnce(op::kCoTan);
}
void CalculatorModel::Button67Click() {
  EvaluateAtOnce(op::kArcCoTan);
}
void CalculatorModel::Button109Click() {
  EvaluateAtOnce(op::kSinh);
}
void CalculatorModel::Button110Click() {
  EvaluateAtOnce(op::kArcSinh);
}
void CalculatorModel::Button119Click() {
  EvaluateAtOnce(op::kCosh);
}
void CalculatorModel::Button120Click() {
  EvaluateAtOnce(op::kArcCosh);
}
void CalculatorModel::Button122Click() {
  EvaluateAtOnce(op::kTanh);
}
void CalculatorModel::Button121Click() {
  EvaluateAtOnce(op::kArcTanh);
}
void CalculatorModel::Button123Click() {
  EvaluateAtOnce(op::kSec);
}
void CalculatorModel::Button124Click() {
  EvaluateAtOnce(op::kCoSec);
}
void CalculatorModel::Button125Click() {
  EvaluateAtOnce(op::kArcSec);
}
void CalculatorModel::Button126Click() {
  EvaluateAtOnce(op::kArcCoSec);
}
void CalculatorModel::Button167Click() {
  EvaluateAtOnce(op::kFactorial);
}
void CalculatorModel::Button168Click() {
  EvaluateAtOnce(op::kGamma);
}

}  // namespace vaneko::calculator
