// The operations of the calculator, each with its code in the evaluation routine: the value of
// PendingOperation. Two-operand operations stay pending between keys; functions and formulas
// are pending only while their own key evaluates. 10 is not assigned.
#pragma once

namespace vaneko::calculator {

enum class Op : int {
  kNone = 0,
  // Two-operand operations.
  kMultiply = 1,
  kDivide = 2,
  kSubtract = 3,
  kAdd = 4,
  kPercentOf = 5,
  kPower = 8,
  kRoot = 11,
  // One-argument functions of the entry.
  kSquare = 6,
  kCube = 7,
  kReciprocal = 9,
  kLog10 = 12,
  kLn = 13,
  kSin = 14,
  kCos = 15,
  kTan = 16,
  kArcSin = 17,
  kArcCos = 18,
  kArcTan = 19,
  kExp = 20,
  kExp10 = 21,
  kCoTan = 22,
  kArcCoTan = 23,
  kSinh = 24,
  kArcSinh = 25,
  kCosh = 26,
  kArcCosh = 27,
  kTanh = 28,
  kArcTanh = 29,
  kSec = 30,
  kCoSec = 31,
  kArcSec = 32,
  kArcCoSec = 33,
  kFactorial = 68,
  kGamma = 69,
  // Formulas over the registers X, Y and Z.
  kNormXY = 34,
  kPolarAngleXY = 35,
  kDifferenceOfSquaresXY = 36,
  kXOverSinY = 37,
  kXOverCosY = 38,
  kXTimesSinY = 39,
  kXTimesCosY = 40,
  kArcSinXOverY = 41,
  kArcCosXOverY = 42,
  kXTimesTanY = 43,
  kXTimesCoTanY = 44,
  kArcCoTanXOverY = 45,
  kCosFromSinX = 46,
  kSinFromCosX = 47,
  kTanFromSecX = 48,
  kSecFromTanX = 49,
  kCoTanFromCoSecX = 50,
  kCoSecFromCoTanX = 51,
  kSineRuleX = 52,
  kSineRuleY = 53,
  kInverseNormXY = 54,
  kNormXYZ = 55,
  kDifferenceOfSquaresXYZ = 56,
  kArcCosOfNormalisedX = 57,
  kArcSinOfNormalisedY = 58,
  kArcTanOfZOverNormXY = 59,
  kCosineRule = 60,
  kSinXCosY = 61,
  kCosXCosY = 62,
  kSinXSinY = 63,
  kXCosYCosZ = 64,
  kXCosYSinZ = 65,
  kNormalDensity = 66,
  kBinomial = 67,
};

inline constexpr int kLastCode = 69;

constexpr int CodeOf(Op op) {
  return static_cast<int>(op);
}

// The power operators take the shown value as their base before they become pending.
constexpr bool IsPower(Op op) {
  return op == Op::kPower || op == Op::kRoot;
}
constexpr bool IsTwoOperand(Op op) {
  const int code = CodeOf(op);
  return (code >= CodeOf(Op::kMultiply) && code <= CodeOf(Op::kPercentOf)) || IsPower(op);
}
constexpr bool IsFormula(Op op) {
  const int code = CodeOf(op);
  return code >= CodeOf(Op::kNormXY) && code <= CodeOf(Op::kBinomial);
}
constexpr bool IsFunction(Op op) {
  const int code = CodeOf(op);
  return op == Op::kSquare || op == Op::kCube || op == Op::kReciprocal ||
         (code >= CodeOf(Op::kLog10) && code <= CodeOf(Op::kArcCoSec)) || op == Op::kFactorial ||
         op == Op::kGamma;
}

}  // namespace vaneko::calculator
