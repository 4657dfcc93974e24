// The constants the constant keys enter, as data: a value constant holds its full extended
// value and shows it in the number notation (15 digits); a text constant writes its text
// character for character (some hold more than 15 digits, which an evaluation reads in
// extended precision).
#pragma once

#include <string_view>

#include "core/fp_faults.h"
#include "core/pi.h"

namespace vaneko::calculator {

struct Constant {
  enum class Kind { kValue, kText };
  Kind kind;
  Extended value;         // a value constant's value
  std::string_view text;  // a text constant's text
};

constexpr Constant ValueConstant(Extended value) {
  return {Constant::Kind::kValue, value, {}};
}
constexpr Constant TextConstant(std::string_view text) {
  return {Constant::Kind::kText, 0, text};
}

namespace constant {

// Values.
// Twice and half π are exact in the binary format: they are π's own nearest value scaled.
inline constexpr Constant kPi = ValueConstant(vaneko::kPi);
inline constexpr Constant kTwoPi = ValueConstant(2 * vaneko::kPi);
inline constexpr Constant kHalfPi = ValueConstant(vaneko::kPi / 2);
inline constexpr Constant kSqrtPi = ValueConstant(1.77245385090551602729816748334114518L);
inline constexpr Constant kSqrtTwoPi = ValueConstant(2.50662827463100050241576528481104525L);
inline constexpr Constant kInverseSqrtTwoPi =
    ValueConstant(0.398942280401432677939946059934381868L);
// ln sqrt(2 pi), which is also ln(2 pi) / 2: two keys enter it.
inline constexpr Constant kLnSqrtTwoPi = ValueConstant(0.918938533204672741780329736405617640L);
inline constexpr Constant kLnPi = ValueConstant(1.14472988584940017414342735135305871L);
inline constexpr Constant kLn2 = ValueConstant(0.693147180559945309417232121458176568L);
inline constexpr Constant kLn10 = ValueConstant(2.30258509299404568401799145468436421L);
inline constexpr Constant kInverseLn2 = ValueConstant(1.44269504088896340735992468100189214L);
inline constexpr Constant kInverseLn10 = ValueConstant(0.434294481903251827651128918916605082L);
inline constexpr Constant kSqrt2 = ValueConstant(1.41421356237309504880168872420969808L);
inline constexpr Constant kHalfSqrt2 = ValueConstant(0.707106781186547524400844362104849039L);
inline constexpr Constant kGoldenRatio =
    ValueConstant(1.61803398874989484820458683436563812L);  // (1 + sqrt 5) / 2
inline constexpr Constant kGoldenSection =
    ValueConstant(0.381966011250105151795413165634361882L);  // 2 - golden ratio

// Texts.
inline constexpr Constant kE = TextConstant("2,718281828459045");
inline constexpr Constant kEulerGamma = TextConstant("0,577215664901533");
inline constexpr Constant kEulerGamma20 = TextConstant("0,57721566490153286061");
inline constexpr Constant kSqrt3 = TextConstant("1,73205080756887729352");
inline constexpr Constant kOmega = TextConstant("0,5671432904");
inline constexpr Constant kGauss = TextConstant("0,834626842");
inline constexpr Constant kLaplaceLimit = TextConstant("0,6627434193");
inline constexpr Constant kPlasticNumber = TextConstant("1,32471795724474602596");
inline constexpr Constant kReciprocalFibonacci = TextConstant("3,35988566624317755317");
inline constexpr Constant kSpeedOfLight = TextConstant("299792458");             // m/s
inline constexpr Constant kStandardGravity = TextConstant("9,80665");            // m/s2
inline constexpr Constant kGravitationalConstant = TextConstant("6,67384E-11");  // m3 kg-1 s-2
inline constexpr Constant kPlanck = TextConstant("6,6260693E-34");               // J s
inline constexpr Constant kReducedPlanck = TextConstant("1,05457168E-34");       // J s
inline constexpr Constant kPlanckMass = TextConstant("2,17645E-8");              // kg
inline constexpr Constant kPlanckLength = TextConstant("1,61624E-35");           // m
inline constexpr Constant kPlanckTime = TextConstant("5,39121E-44");             // s
inline constexpr Constant kPlanckTemperature = TextConstant("1,41679E32");       // K
inline constexpr Constant kPlanckCharge = TextConstant("1,875E-18");             // C
inline constexpr Constant kPlanckEnergy = TextConstant("1,956E9");               // J
inline constexpr Constant kPlanckForce = TextConstant("1,210E44");               // N

}  // namespace constant

}  // namespace vaneko::calculator
