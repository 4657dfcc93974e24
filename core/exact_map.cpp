#include "core/exact_map.h"

#include <array>
#include <boost/multiprecision/cpp_bin_float.hpp>
#include <boost/multiprecision/cpp_int.hpp>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

#include "core/powers_of_ten.h"

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

// magnitude × 10^shift with at most two roundings, for |shift| <= 54.
Extended ScaleByPowerOfTen(Extended magnitude, int shift) {
  const auto step = [](Extended value, int by) {
    return by >= 0 ? value * kExactPowersOfTen[static_cast<std::size_t>(by)]
                   : value / kExactPowersOfTen[static_cast<std::size_t>(-by)];
  };
  if (shift > 27) return step(step(magnitude, 27), shift - 27);
  if (shift < -27) return step(step(magnitude, -27), shift + 27);
  return step(magnitude, shift);
}

// True when every value within `bound` of `r` rounds to the same 15 significant digits as `r`,
// so that those digits are the correctly rounded ones of the exact result.
bool RoundsSafely(Extended r, Extended bound) {
  const Extended magnitude = std::fabs(r);
  if (!(magnitude > bound) || !std::isfinite(magnitude)) return false;
  const int e = static_cast<int>(std::floor(std::log10(magnitude))) + 1;
  const int shift = kSignificantDigits - e;
  if (shift > 54 || shift < -54) return false;
  const Extended scaled = ScaleByPowerOfTen(magnitude, shift);
  const Extended scaledBound = ScaleByPowerOfTen(bound, shift) + scaled * 0x1p-60L;
  const Extended low = scaled - scaledBound;
  const Extended high = scaled + scaledBound;
  // Near the edges of the decade the digit count may change: leave those to the exact path.
  if (low < 1e14L || high >= 999'999'999'999'999.0L) return false;
  return std::floor(low + 0.5L) == std::floor(high + 0.5L);
}

// A whole number of 128 bits as an arbitrary-precision integer.
cpp_int ToBig(Int128 value) {
  const bool negative = value < 0;
  auto magnitude = static_cast<UInt128>(negative ? -value : value);
  cpp_int big = static_cast<std::uint64_t>(magnitude >> 64);
  big <<= 64;
  big += static_cast<std::uint64_t>(magnitude);
  return negative ? cpp_int(-big) : big;
}

cpp_int PowerOfTen(long n) {
  return boost::multiprecision::pow(cpp_int(10), static_cast<unsigned>(n));
}

// The extended value nearest to the decimal `sign digits × 10^exponent`; the overflow fault
// when it lies beyond the extended range, zero below it.
Extended ExtendedOfDecimal(bool negative, const std::string& digits, long exponent) {
  std::string text = negative ? "-" : "";
  text += digits;
  text += 'e';
  text += std::to_string(exponent);
  Extended value = 0;
  bool outOfRange = false;
  ReadAsciiExtended(text, value, outOfRange);
  if (outOfRange) {
    if (static_cast<long>(digits.size()) + exponent <= 0) return 0;
    volatile Extended largest = std::numeric_limits<Extended>::max();
    return negative ? -largest * 2 : largest * 2;  // raises the overflow fault
  }
  return value;
}

// P / Q (Q > 0) rounded to 15 significant digits, a half away from zero.
Extended RoundRational(const cpp_int& p, const cpp_int& q) {
  if (p == 0) return 0;
  const bool negative = p < 0;
  const cpp_int a = negative ? cpp_int(-p) : p;
  // First guess of the decade from the bit lengths, then corrected.
  long e = static_cast<long>(std::floor(
               (static_cast<double>(msb(a)) - static_cast<double>(msb(q))) * 0.30102999566398120)) +
           1;
  const cpp_int low = PowerOfTen(kSignificantDigits - 1);
  const cpp_int high = PowerOfTen(kSignificantDigits);
  cpp_int n;
  cpp_int remainder;
  cpp_int denominator;
  for (;;) {
    const long shift = kSignificantDigits - e;
    const cpp_int numerator = shift >= 0 ? cpp_int(a * PowerOfTen(shift)) : a;
    denominator = shift >= 0 ? q : cpp_int(q * PowerOfTen(-shift));
    divide_qr(numerator, denominator, n, remainder);
    if (n >= high) {
      ++e;
    } else if (n < low) {
      --e;
    } else {
      break;
    }
  }
  if (remainder * 2 >= denominator) ++n;
  if (n == high) {
    n = low;
    ++e;
  }
  return ExtendedOfDecimal(negative, n.str(), e - kSignificantDigits);
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
  static const Float80 pi(
      "3.14159265358979323846264338327950288419716939937510582097494459230781640628620899862803");
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
  if (exponent >= 0) return RoundRational(whole * PowerOfTen(exponent), cpp_int(1));
  return RoundRational(whole, PowerOfTen(-exponent));
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
    return RoundRational(p, q);
  }
  const cpp_int on = ToBig(map.offset.num);
  const cpp_int od = ToBig(map.offset.den);
  return RoundRational(xn * sn * od + on * sd * xd, xd * sd * od);
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
