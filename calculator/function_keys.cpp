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

// A function of an exact argument with an exact result; the others compute in extended
// precision.
using ExactValue = Number (*)(const Number&);

struct FunctionRow {
  Op op;
  FunctionValue value;
  ExactValue exact = nullptr;  // where the result is exact whenever the argument is
};

using A = FunctionArgument;

constexpr FunctionRow kFunctions[] = {
    {Op::kSquare, nullptr, [](const Number& x) { return x * x; }},
    {Op::kCube, nullptr, [](const Number& x) { return x * x * x; }},
    {Op::kReciprocal, nullptr, [](const Number& x) { return Number::Whole(1) / x; }},
    {Op::kLog10, [](const A& a) -> Extended { return Log10(LibraryArgument(a.x)); }},
    {Op::kLn, [](const A& a) -> Extended { return NaturalLog(a.x); }},
    {Op::kSin, [](const A& a) -> Extended { return Sine(a.Theta()); }},
    {Op::kCos, [](const A& a) -> Extended { return Cosine(a.Theta()); }},
    {Op::kTan, [](const A& a) -> Extended { return Tan(LibraryArgument(a.Theta())); }},
    {Op::kArcSin, [](const A& a) -> Extended { return a.Out(ArcSin(LibraryArgument(a.x))); }},
    {Op::kArcCos, [](const A& a) -> Extended { return a.Out(ArcCos(LibraryArgument(a.x))); }},
    {Op::kArcTan, [](const A& a) -> Extended { return a.Out(std::atan(a.x)); }},
    {Op::kExp, [](const A& a) -> Extended { return Expo(LibraryArgument(a.x)); }},
    {Op::kExp10, [](const A& a) -> Extended { return Exp10(LibraryArgument(a.x)); }},
    {Op::kCoTan, [](const A& a) -> Extended { return 1 / std::tan(a.Theta()); }},
    {Op::kArcCoTan, [](const A& a) -> Extended { return a.Out(std::atan(1 / a.x)); }},
    {Op::kSinh, [](const A& a) -> Extended { return Sinh(LibraryArgument(a.x)); }},
    {Op::kArcSinh, [](const A& a) -> Extended { return ArcSinh(LibraryArgument(a.x)); }},
    {Op::kCosh, [](const A& a) -> Extended { return Cosh(LibraryArgument(a.x)); }},
    {Op::kArcCosh, [](const A& a) -> Extended { return ArcCosh(LibraryArgument(a.x)); }},
    {Op::kTanh, [](const A& a) -> Extended { return Tanh(LibraryArgument(a.x)); }},
    {Op::kArcTanh, [](const A& a) -> Extended { return ArcTanh(LibraryArgument(a.x)); }},
    {Op::kSec, [](const A& a) -> Extended { return 1 / Cosine(a.Theta()); }},
    {Op::kCoSec, [](const A& a) -> Extended { return 1 / Sine(a.Theta()); }},
    {Op::kArcSec, [](const A& a) -> Extended { return a.Out(ArcCos(LibraryArgument(1 / a.x))); }},
    {Op::kArcCoSec, [](const A& a) -> Extended { return a.Out(ArcSin(LibraryArgument(1 / a.x))); }},
    // The entry is read a second time, as a 32-bit whole number.
    {Op::kFactorial, [](const A& a) -> Extended { return Fact(ReadInteger(a.text)); }},
    {Op::kGamma,
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

}  // namespace vaneko::calculator
