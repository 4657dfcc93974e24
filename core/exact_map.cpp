#include "core/exact_map.h"

#include <boost/math/constants/constants.hpp>
#include <boost/multiprecision/cpp_bin_float.hpp>
#include <boost/multiprecision/cpp_int.hpp>
#include <cmath>
#include <limits>
#include <string>

#include "core/powers_of_ten.h"
#include "core/rounding.h"

namespace vaneko {

namespace {

using boost::multiprecision::cpp_int;
using Float80 = boost::multiprecision::number<
    boost::multiprecision::cpp_bin_float<80, boost::multiprecision::digit_base_10>>;

constexpr int kSignificantDigits = 15;
// The relative error of the fast path: the typed value and each size are rounded once to the
// 64-bit mantissa (π too, and each multiplication by it), and the map adds two roundings. 2^-56
// covers that with a wide margin.
constexpr Extended kRelativeError = 0x1p-56L;

// A whole number of 128 bits as an arbitrary-precision integer.
cpp_int ToBig(Int128 value) {
  const bool negative = value < 0;
  auto magnitude = static_cast<UInt128>(negative ? -value : value);
  cpp_int big = static_cast<std::uint64_t>(magnitude >> 64);
  big <<= 64;
  big += static_cast<std::uint64_t>(magnitude);
  return negative ? cpp_int(-big) : big;
}

// The typed decimal as the fraction num / den.
void DecimalAsFraction(const DecimalNumber& x, cpp_int& num, cpp_int& den) {
  num = cpp_int(x.digits);
  den = 1;
  if (x.exponent >= 0) {
    num *= PowerOfTen(x.exponent);
  } else {
    den = PowerOfTen(-x.exponent);
  }
  if (x.negative) num = -num;
}

const Float80& Pi() {
  static const Float80 pi = boost::math::constants::pi<Float80>();
  return pi;
}

Float80 ToFloat(const ExactSize& size) {
  Float80 value = Float80(ToBig(size.num).str()) / Float80(ToBig(size.den).str());
  for (int k = 0; k < size.piPower; ++k) value *= Pi();
  for (int k = 0; k > size.piPower; --k) value /= Pi();
  return value;
}

// With a size defined through π the result is irrational: 80 significant digits leave no doubt
// about the 15th (a tie cannot occur).
Extended ApplyWithPi(const DecimalNumber& x, const ExactMap& map) {
  const Float80 value(std::string(x.negative ? "-" : "") + x.digits + "e" +
                      std::to_string(x.exponent));
  const Float80 y = map.reciprocal ? Float80(ToFloat(map.scale) / value)
                                   : value * ToFloat(map.scale) + ToFloat(map.offset);
  if (y == 0) return 0;
  const std::string text = y.str(kSignificantDigits + 5, std::ios_base::scientific);
  // "-d.ddd…e±x": keep the sign, the digits and the exponent, round at the 16th digit.
  const bool negative = text[0] == '-';
  std::string digits;
  std::size_t pos = negative ? 1 : 0;
  for (; pos < text.size() && text[pos] != 'e'; ++pos)
    if (text[pos] != '.') digits += text[pos];
  const long exponent = std::stol(text.substr(pos + 1)) - static_cast<long>(digits.size()) + 1;
  cpp_int whole(digits);
  if (negative) whole = -whole;
  if (exponent >= 0) return RoundToShownDigits(whole * PowerOfTen(exponent), cpp_int(1));
  return RoundToShownDigits(whole, PowerOfTen(-exponent));
}

}  // namespace

Extended ApplyExactlySlow(const DecimalNumber& x, const ExactMap& map) {
  if (x.value == 0 && map.reciprocal) {
    volatile Extended zero = 0;
    return ToExtended(map.scale) / zero;  // raises the division-by-zero fault
  }
  if (map.scale.piPower != 0 || (!map.reciprocal && map.offset.piPower != 0 && map.offset.num != 0))
    return ApplyWithPi(x.value == 0 ? DecimalNumber{} : x, map);
  cpp_int xn;
  cpp_int xd;
  if (x.value == 0) {
    xn = 0;
    xd = 1;
  } else {
    DecimalAsFraction(x, xn, xd);
  }
  const cpp_int sn = ToBig(map.scale.num);
  const cpp_int sd = ToBig(map.scale.den);
  if (map.reciprocal) {
    // scale / x = (sn × xd) / (sd × xn), with a positive denominator.
    cpp_int p = sn * xd;
    cpp_int q = sd * xn;
    if (q < 0) {
      p = -p;
      q = -q;
    }
    return RoundToShownDigits(p, q);
  }
  const cpp_int on = ToBig(map.offset.num);
  const cpp_int od = ToBig(map.offset.den);
  return RoundToShownDigits(xn * sn * od + on * sd * xd, xd * sd * od);
}

Extended ApplyExactly(const DecimalNumber& x, const ExactMap& map) {
  const Extended value = x.value;
  Extended r = 0;
  Extended bound = 0;
  if (map.reciprocal) {
    if (value == 0) return ApplyExactlySlow(x, map);
    r = ToExtended(map.scale) / value;
    bound = std::fabs(r) * kRelativeError;
  } else {
    const Extended product = value * ToExtended(map.scale);
    const Extended offset = ToExtended(map.offset);
    r = product + offset;
    bound = (std::fabs(product) + std::fabs(offset) + std::fabs(r)) * kRelativeError;
  }
  if (r == 0 && bound == 0) return r;  // zero times a size, no offset
  if (!std::isfinite(r)) return r;     // beyond the extended range: the overflow fault is raised
  if (RoundsSafely(r, bound)) return r;
  return ApplyExactlySlow(x, map);
}

}  // namespace vaneko
