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
#include "calculator/step_text.h"
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

// A function of an exact argument with an exact result; the others compute in extended
// precision.
using ExactValue = Number (*)(const Number&);

// Where the angle mode shows in a function's line: the argument's unit, or the result's.
enum class AngleShown { kNone, kIn, kOut };

struct FunctionRow {
  Op op;
  // The line of the step: the argument in place of "#"; a negative argument in parentheses
  // where the form would read otherwise ("(-2)²", not "-2²").
  std::string_view form;
  AngleShown angle;
  bool wrapNegative;
  FunctionValue value;
  ExactValue exact = nullptr;  // where the result is exact whenever the argument is
};

using A = FunctionArgument;

constexpr FunctionRow kFunctions[] = {
    {Op::kSquare, "#²", AngleShown::kNone, true, nullptr, [](const Number& x) { return x * x; }},
    {Op::kCube, "#³", AngleShown::kNone, true, nullptr, [](const Number& x) { return x * x * x; }},
    {Op::kReciprocal, "1/#", AngleShown::kNone, true, nullptr,
     [](const Number& x) { return Number::Whole(1) / x; }},
    {Op::kLog10, "Log(#)", AngleShown::kNone, false,
     [](const A& a) -> Extended { return Log10(LibraryArgument(a.x)); }},
    {Op::kLn, "Ln(#)", AngleShown::kNone, false,
     [](const A& a) -> Extended { return NaturalLog(a.x); }},
    {Op::kSin, "Sin(#)", AngleShown::kIn, false,
     [](const A& a) -> Extended { return Sine(a.Theta()); }},
    {Op::kCos, "Cos(#)", AngleShown::kIn, false,
     [](const A& a) -> Extended { return Cosine(a.Theta()); }},
    {Op::kTan, "Tan(#)", AngleShown::kIn, false,
     [](const A& a) -> Extended { return Tan(LibraryArgument(a.Theta())); }},
    {Op::kArcSin, "ArcSin(#)", AngleShown::kOut, false,
     [](const A& a) -> Extended { return a.Out(ArcSin(LibraryArgument(a.x))); }},
    {Op::kArcCos, "ArcCos(#)", AngleShown::kOut, false,
     [](const A& a) -> Extended { return a.Out(ArcCos(LibraryArgument(a.x))); }},
    {Op::kArcTan, "ArcTan(#)", AngleShown::kOut, false,
     [](const A& a) -> Extended { return a.Out(std::atan(a.x)); }},
    {Op::kExp, "e^#", AngleShown::kNone, true,
     [](const A& a) -> Extended { return Expo(LibraryArgument(a.x)); }},
    {Op::kExp10, "10^#", AngleShown::kNone, true,
     [](const A& a) -> Extended { return Exp10(LibraryArgument(a.x)); }},
    {Op::kCoTan, "CoTan(#)", AngleShown::kIn, false,
     [](const A& a) -> Extended { return 1 / std::tan(a.Theta()); }},
    {Op::kArcCoTan, "ArcCoTan(#)", AngleShown::kOut, false,
     [](const A& a) -> Extended { return a.Out(std::atan(1 / a.x)); }},
    {Op::kSinh, "Sinh(#)", AngleShown::kNone, false,
     [](const A& a) -> Extended { return Sinh(LibraryArgument(a.x)); }},
    {Op::kArcSinh, "ArcSinh(#)", AngleShown::kNone, false,
     [](const A& a) -> Extended { return ArcSinh(LibraryArgument(a.x)); }},
    {Op::kCosh, "Cosh(#)", AngleShown::kNone, false,
     [](const A& a) -> Extended { return Cosh(LibraryArgument(a.x)); }},
    {Op::kArcCosh, "ArcCosh(#)", AngleShown::kNone, false,
     [](const A& a) -> Extended { return ArcCosh(LibraryArgument(a.x)); }},
    {Op::kTanh, "Tanh(#)", AngleShown::kNone, false,
     [](const A& a) -> Extended { return Tanh(LibraryArgument(a.x)); }},
    {Op::kArcTanh, "ArcTanh(#)", AngleShown::kNone, false,
     [](const A& a) -> Extended { return ArcTanh(LibraryArgument(a.x)); }},
    {Op::kSec, "Sec(#)", AngleShown::kIn, false,
     [](const A& a) -> Extended { return 1 / Cosine(a.Theta()); }},
    {Op::kCoSec, "CoSec(#)", AngleShown::kIn, false,
     [](const A& a) -> Extended { return 1 / Sine(a.Theta()); }},
    {Op::kArcSec, "ArcSec(#)", AngleShown::kOut, false,
     [](const A& a) -> Extended { return a.Out(ArcCos(LibraryArgument(1 / a.x))); }},
    {Op::kArcCoSec, "ArcCoSec(#)", AngleShown::kOut, false,
     [](const A& a) -> Extended { return a.Out(ArcSin(LibraryArgument(1 / a.x))); }},
    // The entry is read a second time, as a 32-bit whole number.
    {Op::kFactorial, "#!", AngleShown::kNone, true,
     [](const A& a) -> Extended { return Fact(ReadInteger(a.text)); }},
    {Op::kGamma, "Gamma(#)", AngleShown::kNone, false,
     [](const A& a) -> Extended { return Gamma(static_cast<double>(ReadInteger(a.text))); }},
};

const FunctionRow* FindFunction(Op op) {
  for (const FunctionRow& row : kFunctions)
    if (row.op == op) return &row;
  return nullptr;
}

}  // namespace

void CalculatorModel::ApplyFunction(Op op) {
  const FunctionRow* function = FindFunction(op);
  if (function == nullptr) return;
  const Number entry = ReadEntry();
  if (op == Op::kReciprocal && entry.IsZero()) {
    RefuseDivisionByZero();
    return;
  }
  if (function->exact != nullptr) return StoreResult(function->exact(entry));
  const FunctionArgument argument{entry.Nearest(), Calc, Angle};
  StoreResult(Number::Computed(Guarded([&] { return function->value(argument); })));
}

CalculatorModel::StepText CalculatorModel::DescribeFunction(Op op) const {
  StepText step;
  const FunctionRow* function = FindFunction(op);
  if (function == nullptr) return step;
  std::string argument = Shown(Calc);
  if (function->wrapNegative && !argument.empty() && argument.front() == '-')
    argument = "(" + argument + ")";
  Extended value = 0;
  if (function->angle == AngleShown::kIn && TryReadNumber(Calc, value))
    argument += AngleUnit(Angle);
  step.expression = Substituted(function->form, argument);
  if (function->angle == AngleShown::kOut) step.suffix = AngleUnit(Angle);
  return step;
}

}  // namespace vaneko::calculator
