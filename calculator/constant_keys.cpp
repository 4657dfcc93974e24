// The constant keys: a mathematical or physical constant replaces the entry, evaluating
// nothing, so it becomes the operand of the pending operation or the next function's argument.
#include "calculator/calculator_model.h"
#include "core/number_text.h"

namespace vaneko::calculator {

namespace {

// Value keys: extended-precision constants, shown in the number notation (15 digits).
struct ValueConstants {
  Extended pi = 3.14159265358979323846264338327950288L;
  Extended twoPi = 6.28318530717958647692528676655900577L;
  Extended halfPi = 1.57079632679489661923132169163975144L;
  Extended sqrtPi = 1.77245385090551602729816748334114518L;
  Extended sqrtTwoPi = 2.50662827463100050241576528481104525L;
  Extended inverseSqrtTwoPi = 0.398942280401432677939946059934381868L;
  Extended lnSqrtTwoPi = 0.918938533204672741780329736405617640L;  // also ln(2 pi) / 2
  Extended lnPi = 1.14472988584940017414342735135305871L;
  Extended ln2 = 0.693147180559945309417232121458176568L;
  Extended ln10 = 2.30258509299404568401799145468436421L;
  Extended inverseLn2 = 1.44269504088896340735992468100189214L;
  Extended inverseLn10 = 0.434294481903251827651128918916605082L;
  Extended sqrt2 = 1.41421356237309504880168872420969808L;
  Extended halfSqrt2 = 0.707106781186547524400844362104849039L;
  Extended goldenRatio = 1.61803398874989484820458683436563812L;     // (1 + sqrt 5) / 2
  Extended goldenSection = 0.381966011250105151795413165634361882L;  // 2 - golden ratio
};
constexpr ValueConstants kValue;

// Text keys: each writes its text character for character (some hold more than 15 digits,
// which an evaluation reads in extended precision).
struct TextConstants {
  const char* e = "2,718281828459045";
  const char* eulerGamma = "0,577215664901533";
  const char* eulerGamma20 = "0,57721566490153286061";
  const char* sqrt3 = "1,73205080756887729352";
  const char* omega = "0,5671432904";
  const char* gauss = "0,834626842";
  const char* laplaceLimit = "0,6627434193";
  const char* plasticNumber = "1,32471795724474602596";
  const char* reciprocalFibonacci = "3,35988566624317755317";
  const char* speedOfLight = "299792458";             // m/s
  const char* standardGravity = "9,80665";            // m/s2
  const char* gravitationalConstant = "6,67384E-11";  // m3 kg-1 s-2
  const char* planck = "6,6260693E-34";               // J s
  const char* reducedPlanck = "1,05457168E-34";       // J s
  const char* planckMass = "2,17645E-8";              // kg
  const char* planckLength = "1,61624E-35";           // m
  const char* planckTime = "5,39121E-44";             // s
  const char* planckTemperature = "1,41679E32";       // K
  const char* planckCharge = "1,875E-18";             // C
  const char* planckEnergy = "1,956E9";               // J
  const char* planckForce = "1,210E44";               // N
};
constexpr TextConstants kText;

}  // namespace

void CalculatorModel::EnterValueConstant(Extended value) {
  Calc = FormatNumber(value);
  constantText_ = Calc;
  constantValue_ = value;
  CalcFreshEntry = true;
}

void CalculatorModel::EnterTextConstant(const char* text) {
  Calc = text;
  constantText_.clear();
  CalcFreshEntry = true;
}

Extended CalculatorModel::ReadEntry() const {
  if (!constantText_.empty() && Calc == constantText_) return constantValue_;
  return ReadNumber(Calc);
}

void CalculatorModel::Button32Click() {
  EnterValueConstant(kValue.pi);
}
void CalculatorModel::Button72Click() {
  EnterValueConstant(kValue.twoPi);
}
void CalculatorModel::Button76Click() {
  EnterValueConstant(kValue.halfPi);
}
void CalculatorModel::Button77Click() {
  EnterValueConstant(kValue.sqrtPi);
}
void CalculatorModel::Button79Click() {
  EnterValueConstant(kValue.sqrtTwoPi);
}
void CalculatorModel::Button78Click() {
  EnterValueConstant(kValue.inverseSqrtTwoPi);
}
void CalculatorModel::Button74Click() {
  EnterValueConstant(kValue.lnSqrtTwoPi);
}
void CalculatorModel::Button82Click() {
  EnterValueConstant(kValue.lnSqrtTwoPi);
}
void CalculatorModel::Button70Click() {
  EnterValueConstant(kValue.lnPi);
}
void CalculatorModel::Button68Click() {
  EnterValueConstant(kValue.ln2);
}
void CalculatorModel::Button69Click() {
  EnterValueConstant(kValue.ln10);
}
void CalculatorModel::Button71Click() {
  EnterValueConstant(kValue.inverseLn2);
}
void CalculatorModel::Button73Click() {
  EnterValueConstant(kValue.inverseLn10);
}
void CalculatorModel::Button81Click() {
  EnterValueConstant(kValue.sqrt2);
}
void CalculatorModel::Button80Click() {
  EnterValueConstant(kValue.halfSqrt2);
}
void CalculatorModel::Button65Click() {
  EnterValueConstant(kValue.goldenRatio);
}
void CalculatorModel::Button75Click() {
  EnterValueConstant(kValue.goldenSection);
}

void CalculatorModel::Button33Click() {
  EnterTextConstant(kText.e);
}
void CalculatorModel::Button5Click() {
  EnterTextConstant(kText.eulerGamma);
}
void CalculatorModel::Button88Click() {
  EnterTextConstant(kText.eulerGamma20);
}
void CalculatorModel::Button90Click() {
  EnterTextConstant(kText.sqrt3);
}
void CalculatorModel::Button86Click() {
  EnterTextConstant(kText.omega);
}
void CalculatorModel::Button87Click() {
  EnterTextConstant(kText.gauss);
}
void CalculatorModel::Button89Click() {
  EnterTextConstant(kText.laplaceLimit);
}
void CalculatorModel::Button91Click() {
  EnterTextConstant(kText.plasticNumber);
}
void CalculatorModel::Button92Click() {
  EnterTextConstant(kText.reciprocalFibonacci);
}
void CalculatorModel::Button83Click() {
  EnterTextConstant(kText.speedOfLight);
}
void CalculatorModel::Button84Click() {
  EnterTextConstant(kText.standardGravity);
}
void CalculatorModel::Button85Click() {
  EnterTextConstant(kText.gravitationalConstant);
}
void CalculatorModel::Button93Click() {
  EnterTextConstant(kText.planck);
}
void CalculatorModel::Button94Click() {
  EnterTextConstant(kText.reducedPlanck);
}
void CalculatorModel::Button95Click() {
  EnterTextConstant(kText.planckMass);
}
void CalculatorModel::Button96Click() {
  EnterTextConstant(kText.planckLength);
}
void CalculatorModel::Button97Click() {
  EnterTextConstant(kText.planckTime);
}
void CalculatorModel::Button98Click() {
  EnterTextConstant(kText.planckTemperature);
}
void CalculatorModel::Button99Click() {
  EnterTextConstant(kText.planckCharge);
}
void CalculatorModel::Button101Click() {
  EnterTextConstant(kText.planckEnergy);
}
void CalculatorModel::Button100Click() {
  EnterTextConstant(kText.planckForce);
}

}  // namespace vaneko::calculator
