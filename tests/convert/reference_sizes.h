// The unit sizes of the sized categories, restated from the unit definitions (the inch is
// 0.0254 m, the pound 0.45359237 kg, the standard gravity 9.80665 m/s², the US gallon 231 cubic
// inches, the UK gallon 4.54609 L, the calories, ...) and the program's own decimals where a unit
// has no derivation (the knots, "Mach", the electron volt, the BTUs, the slug, the light year and
// parsec of the measurement registry), as exact rationals. Nothing here reads the program's unit
// rows or its exact arithmetic: the conversion tests compare the program against these.
#pragma once

#include <boost/multiprecision/cpp_int.hpp>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace vaneko::testing::reference {

// Without expression templates, so that mixed expressions have one plain type.
using BigInt = boost::multiprecision::number<boost::multiprecision::cpp_int_backend<>,
                                             boost::multiprecision::et_off>;
using Rational = boost::multiprecision::number<boost::multiprecision::cpp_rational_backend,
                                               boost::multiprecision::et_off>;

// ---------------------------------------------------------------------------------------------
// Exact numbers from decimal text.

// "123,45E-6" or "0.0254": an optional sign, digits with one decimal separator (comma or
// point), an optional exponent. Only well-formed texts of this file reach it.
inline Rational Exact(std::string_view text) {
  bool negative = false;
  std::size_t at = 0;
  if (at < text.size() && (text[at] == '-' || text[at] == '+')) negative = text[at++] == '-';
  BigInt digits = 0;
  long exponent = 0;
  bool fraction = false;
  for (; at < text.size() && text[at] != 'E' && text[at] != 'e'; ++at) {
    if (text[at] == ',' || text[at] == '.') {
      fraction = true;
      continue;
    }
    digits = digits * 10 + (text[at] - '0');
    if (fraction) --exponent;
  }
  if (at < text.size()) exponent += std::stol(std::string(text.substr(at + 1)));
  const BigInt power = boost::multiprecision::pow(
      BigInt(10), static_cast<unsigned>(exponent < 0 ? -exponent : exponent));
  Rational value = exponent < 0 ? Rational(digits, power) : Rational(digits * power);
  return negative ? Rational(-value) : value;
}

inline Rational operator""_q(const char* text, std::size_t length) {
  return Exact(std::string_view(text, length));
}

inline Rational Whole(long n) {
  return Rational(n);
}

// ---------------------------------------------------------------------------------------------
// The definitions.

// Length, mass and force.
inline const Rational kInch = "0.0254"_q;  // m
inline const Rational kFoot = 12 * kInch;
inline const Rational kYard = 3 * kFoot;
inline const Rational kMile = 1760 * kYard;
inline const Rational kGravity = "9.80665"_q;           // m/s²
inline const Rational kPound = "0.45359237"_q;          // kg
inline const Rational kPoundForce = kPound * kGravity;  // N
// Volume, in millilitres.
inline const Rational kCubicInchMl = "2.54"_q * "2.54"_q * "2.54"_q;
inline const Rational kCubicFootMl = 12 * 12 * 12 * kCubicInchMl;
inline const Rational kUsGallonMl = 231 * kCubicInchMl;
inline const Rational kUsFluidOunceMl = kUsGallonMl / 128;
inline const Rational kUkGallonMl = "4546.09"_q;
inline const Rational kUkFluidOunceMl = kUkGallonMl / 160;
// Heat, in joules: the international and thermochemical calories, at 15 °C and 20 °C, the mean
// calorie; the BTUs and the electron volt as the program holds them.
inline const Rational kCalorieIt = "4.1868"_q;
inline const Rational kCalorieTh = "4.184"_q;
inline const Rational kCalorie15 = "4.1858"_q;
inline const Rational kCalorie20 = "4.1819"_q;
inline const Rational kCalorieMean = "4.19002"_q;
inline const Rational kBtuIt = "1055.056"_q;
inline const Rational kBtuMean = "1055.87"_q;
inline const Rational kBtuTh = "1054.35"_q;
inline const Rational kElectronVolt = "1.60206E-19"_q;
inline const Rational kHorsepower = 746;     // W
inline const Rational kAtmosphere = 101325;  // Pa

using Sizes = std::vector<Rational>;

// Tab 1: metres per unit.
inline Sizes DistanceMetres() {
  return {kInch,
          4 * kInch,  // hand
          kFoot,
          18 * kInch,       // cubit
          "2.5"_q * kFoot,  // pace
          kYard,
          6 * kFoot,    // fathom
          66 * kFoot,   // chain: four rods of 16.5 feet
          660 * kFoot,  // furlong: ten chains
          kMile,
          1852,  // nautical mile
          1000,
          1,
          "0.01"_q,
          "149598000000"_q,        // the registry's astronomical unit
          "9460528404879358"_q,    // and light year
          "30856802484953068"_q};  // and parsec
}

// Tab 2: grams per unit.
inline Sizes MassGrams() {
  const Rational pound = 1000 * kPound;
  return {1,          1000, "1E6"_q, pound / 16, pound, 2000 * pound, 2240 * pound, pound / 7000,
          pound / 256};
}

// Tab 3: square metres per unit.
inline Sizes AreaSquareMetres() {
  const Rational rod = "16.5"_q * kFoot;
  return {"1E-4"_q,
          1,
          "1E6"_q,
          kInch * kInch,
          kFoot * kFoot,
          kYard * kYard,
          kMile * kMile,
          43560 * kFoot * kFoot,  // acre
          10000,
          100,
          rod * rod};
}

// Tab 4: millilitres per unit.
inline Sizes LiquidVolumeMl() {
  const Rational mileCm = 100 * kMile;
  return {1,
          "1E6"_q,
          "1E15"_q,
          1000,
          1,
          kCubicInchMl,
          kCubicFootMl,
          27 * kCubicFootMl,
          mileCm * mileCm * mileCm,
          43560 * kCubicFootMl,  // acre-foot: 43560 square feet, one foot deep
          128 * kCubicFootMl,    // cord: 8 × 4 × 4 feet
          kUsGallonMl,
          kUkGallonMl,
          kUsGallonMl / 4,
          kUkGallonMl / 4,
          kUsGallonMl / 8,
          kUkGallonMl / 8,
          kUsGallonMl / 16,
          10 * kUkFluidOunceMl,  // UK cup of 10 ounces
          250,
          kUsFluidOunceMl,
          kUkFluidOunceMl,
          kUsFluidOunceMl / 2,
          kUsFluidOunceMl / 6,
          kUkGallonMl / 256,
          kUkGallonMl / 768,
          kUkGallonMl / 384,
          2 * kUsFluidOunceMl / 6,
          15,
          5};
}

// Tab 6: pascals per unit.
inline Sizes PressurePa() {
  const Rational squareFoot = kFoot * kFoot;
  const Rational squareInch = kInch * kInch;
  const Rational cmMercury = kAtmosphere / 76;
  const Rational cmWater = cmMercury * "0.07355"_q;  // the program's weight of a water column
  return {kAtmosphere,
          "1E5"_q,
          100,
          cmMercury,
          cmWater,
          "2.54"_q * cmMercury,
          "2.54"_q * cmWater,
          "0.1"_q,  // dyne per square centimetre
          "1E-5"_q,
          "1E-3"_q * kGravity / "1E-4"_q,
          "1E-3"_q * kGravity,
          kGravity / "1E-4"_q,
          kGravity,
          1000,
          1,
          1,
          kPoundForce / squareFoot,
          kPoundForce / squareInch,
          kPoundForce / squareInch,
          1000 * kGravity / "1E-4"_q,
          1000 * kGravity,
          2240 * kPoundForce / squareFoot,
          2240 * kPoundForce / squareInch,
          2000 * kPoundForce / squareFoot,
          2000 * kPoundForce / squareInch,
          kAtmosphere / 760};
}

// Tab 7: metres per second per unit.
inline Sizes VelocityMetresPerSecond() {
  Sizes sizes;
  for (const Rational& length : {"0.01"_q, kFoot, kInch, Whole(1000)}) {
    for (const long seconds : {3600, 60, 1}) sizes.push_back(length / seconds);
  }
  sizes.push_back("1853.994768"_q / 3600);  // UK knot
  sizes.push_back("1852.001376"_q / 3600);  // US knot
  sizes.push_back(Whole(1229000) / 3600);   // Mach: 1229 km/h
  for (const Rational& length : {Whole(1), kMile}) {
    for (const long seconds : {3600, 60, 1}) sizes.push_back(length / seconds);
  }
  sizes.push_back(299792458);              // light
  sizes.push_back(Whole(1229000) / 3600);  // sound
  return sizes;
}

// Tab 8: metres per second squared per unit.
inline Sizes AccelerationMetresPerSecondSquared() {
  return {"0.01"_q, kFoot, kGravity, kInch, 1};
}

// Tab 9: newtons per unit.
inline Sizes ForceNewtons() {
  return {"1E-5"_q,
          "1E9"_q,
          "1E-3"_q * kGravity,
          1,
          kGravity,
          1000,
          "1E6"_q,
          "1E-3"_q,
          1,
          kPoundForce / 16,
          kPound * kFoot,  // poundal
          kPoundForce,
          1000 * kGravity,
          2240 * kPoundForce,
          2000 * kPoundForce};
}

// Tab 15: newton metres per unit.
inline Sizes TorqueNewtonMetres() {
  return {"1E-5"_q * "0.01"_q,
          "1E-3"_q * kGravity * "0.01"_q,
          kGravity,
          1,
          kPoundForce / 16 * kInch,
          kPoundForce * kFoot,
          kPoundForce * kInch,
          kPound * kFoot * kFoot,
          2000 * kPoundForce * kFoot,
          2240 * kPoundForce * kFoot,
          1000 * kGravity};
}

// Tab 10: joules per unit.
inline Sizes EnergyJoules() {
  return {kBtuIt,
          kBtuMean,
          kBtuTh,
          kCalorie15,
          kCalorie20,
          kCalorieIt,
          kCalorieMean,
          kCalorieTh,
          kElectronVolt,
          "1E-7"_q,  // erg
          "1E9"_q * kElectronVolt,
          "1E9"_q,
          kHorsepower * 3600,
          kHorsepower * 60,
          kHorsepower,
          1,
          1000 * kCalorie15,
          1000 * kCalorie20,
          1000 * kCalorieIt,
          1000 * kCalorieMean,
          1000 * kCalorieTh,
          1000 * kElectronVolt,
          kGravity,  // kilogram-force metre
          1000,
          1000 * 3600,
          1000 * 60,
          1000,
          "1E6"_q * kElectronVolt,
          "1E6"_q,
          "1E-3"_q,
          1,
          4185000,  // the program's thermie
          "1E5"_q * kBtuIt,
          "1E5"_q * kBtuMean,
          "1E5"_q * kBtuTh,
          3600,
          60,
          1};
}

// Tab 11: watts per unit.
inline Sizes PowerWatts() {
  Sizes sizes;
  for (const Rational& joules : {kCalorieIt, kCalorieTh}) {
    for (const long seconds : {3600, 60, 1}) sizes.push_back(joules / seconds);
  }
  sizes.push_back(kHorsepower);
  sizes.push_back(75 * kGravity);  // metric horsepower: 75 kilogram-force metres per second
  for (const Rational& joules : {Whole(1), 1000 * kCalorieIt, 1000 * kCalorieTh}) {
    for (const long seconds : {3600, 60, 1}) sizes.push_back(joules / seconds);
  }
  for (const Rational& watts : {"1"_q, "1E3"_q, "1E6"_q, "1E9"_q}) sizes.push_back(watts);
  return sizes;
}

// Units of three: per hour, per minute, per second.
inline Sizes PerHourMinuteSecond(const Sizes& quantities) {
  Sizes sizes;
  for (const Rational& quantity : quantities) {
    for (const long seconds : {3600, 60, 1}) sizes.push_back(quantity / seconds);
  }
  return sizes;
}

// Tab 13: cubic metres per second per unit.
inline Sizes VolumeFlowCubicMetresPerSecond() {
  const Rational ml = "1E-6"_q;
  return PerHourMinuteSecond({ml, kCubicFootMl * ml, kCubicInchMl * ml, 1, 27 * kCubicFootMl * ml,
                              kUkFluidOunceMl * ml, kUsFluidOunceMl * ml, kUkGallonMl * ml,
                              kUsGallonMl * ml, 1, "1E-3"_q, ml});
}

// Tab 14: kilograms per second per unit.
inline Sizes MassFlowKilogramsPerSecond() {
  return PerHourMinuteSecond({"1E-3"_q, 1, kPound / 16, kPound, "14.5939035919985"_q});
}

// Tab 16: becquerels per unit.
inline Sizes RadioactivityBecquerels() {
  return {1, "3.7E10"_q, "1E9"_q, "1E3"_q, "1E6"_q, "3.7E7"_q};
}

// Tab 12: every measure through kilometres per litre, from the mile and the gallons.
// Kilometres per litre, litres per 100 km, litres per km, miles per UK gallon, miles per US
// gallon, in list order.
inline Rational ToKilometresPerLitre(int unit, const Rational& v) {
  const Rational mileKm = kMile / 1000;
  switch (unit) {
    case 0:
      return v;
    case 1:
      return 100 / v;
    case 2:
      return 1 / v;
    case 3:
      return v * mileKm / (kUkGallonMl / 1000);
    default:
      return v * mileKm / (kUsGallonMl / 1000);
  }
}

inline Rational FromKilometresPerLitre(int unit, const Rational& kmPerLitre) {
  const Rational mileKm = kMile / 1000;
  switch (unit) {
    case 0:
      return kmPerLitre;
    case 1:
      return 100 / kmPerLitre;
    case 2:
      return 1 / kmPerLitre;
    case 3:
      return kmPerLitre * (kUkGallonMl / 1000) / mileKm;
    default:
      return kmPerLitre * (kUsGallonMl / 1000) / mileKm;
  }
}

}  // namespace vaneko::testing::reference
