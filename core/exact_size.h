// An exact unit size: a ratio of two whole numbers, times a power of π for the few sizes that
// are defined through a circle (the radian, the parsec). Sizes are stated once, as the decimals
// and fractions that define them, and combined at compile time without rounding; the extended
// value used by the fast arithmetic and the exact value used where the last digit is in doubt
// both come from the same row.
#pragma once

#include "core/errors.h"
#include "core/fp_faults.h"
#include "core/pi.h"

namespace vaneko {

__extension__ using Int128 = __int128;
__extension__ using UInt128 = unsigned __int128;

struct ExactSize {
  Int128 num = 1;
  Int128 den = 1;
  int piPower = 0;  // the size is num / den × π^piPower
};

namespace exact_detail {

constexpr int TrailingZeros(UInt128 v) {
  const auto low = static_cast<unsigned long long>(v);
  return low != 0 ? __builtin_ctzll(low)
                  : 64 + __builtin_ctzll(static_cast<unsigned long long>(v >> 64));
}

// The greatest common divisor by Stein's binary method: shifts and subtractions, no 128-bit
// division (a slow library call), as conversions combine sizes at run time too.
constexpr Int128 Gcd(Int128 a, Int128 b) {
  UInt128 u = static_cast<UInt128>(a < 0 ? -a : a);
  UInt128 v = static_cast<UInt128>(b < 0 ? -b : b);
  if (u == 0) return static_cast<Int128>(v);
  if (v == 0) return static_cast<Int128>(u);
  const int shift = TrailingZeros(u | v);
  u >>= TrailingZeros(u);
  do {
    v >>= TrailingZeros(v);
    if (u > v) {
      const UInt128 t = u;
      u = v;
      v = t;
    }
    v -= u;
  } while (v != 0);
  return static_cast<Int128>(u << shift);
}

// a × b, refusing (at compile time: a non-constant expression) a product beyond 127 bits.
constexpr Int128 Multiply(Int128 a, Int128 b) {
  constexpr Int128 kLimit = ~static_cast<Int128>(0) ^ (static_cast<Int128>(1) << 127);
  const Int128 magnitudeA = a < 0 ? -a : a;
  const Int128 magnitudeB = b < 0 ? -b : b;
  if (magnitudeA != 0 && magnitudeB > kLimit / magnitudeA)
    throw ESizeError("exact size overflows 127 bits");
  return a * b;
}

constexpr ExactSize Reduced(Int128 num, Int128 den, int piPower) {
  if (den < 0) {
    num = -num;
    den = -den;
  }
  const Int128 g = Gcd(num, den);
  return g > 1 ? ExactSize{num / g, den / g, piPower} : ExactSize{num, den, piPower};
}

}  // namespace exact_detail

constexpr ExactSize operator*(ExactSize a, ExactSize b) {
  using namespace exact_detail;
  // Cross-cancel first so that the products stay small.
  const Int128 g1 = Gcd(a.num, b.den);
  const Int128 g2 = Gcd(b.num, a.den);
  return Reduced(Multiply(a.num / g1, b.num / g2), Multiply(a.den / g2, b.den / g1),
                 a.piPower + b.piPower);
}

constexpr ExactSize operator/(ExactSize a, ExactSize b) {
  return a * ExactSize{b.den, b.num, -b.piPower};
}

constexpr ExactSize operator+(ExactSize a, ExactSize b) {
  using namespace exact_detail;
  if (a.piPower != b.piPower) throw ESizeError("sizes with different powers of pi cannot be added");
  return Reduced(Multiply(a.num, b.den) + Multiply(b.num, a.den), Multiply(a.den, b.den),
                 a.piPower);
}

constexpr bool operator==(ExactSize a, ExactSize b) {
  return a.num == b.num && a.den == b.den && a.piPower == b.piPower;
}

// A whole number as a size.
constexpr ExactSize Whole(long long n) {
  return ExactSize{n, 1, 0};
}

// A size written as a decimal ("0.45359237", "3.7E10", "1E-6"), read exactly.
constexpr ExactSize Decimal(const char* text) {
  Int128 digits = 0;
  int scale = 0;  // power of ten to apply to `digits`
  bool negative = false;
  bool fraction = false;
  const char* p = text;
  if (*p == '-' || *p == '+') negative = *p++ == '-';
  for (; *p != '\0' && *p != 'E' && *p != 'e'; ++p) {
    if (*p == '.') {
      fraction = true;
      continue;
    }
    if (*p < '0' || *p > '9') throw ESizeError("not a decimal");
    digits = exact_detail::Multiply(digits, 10) + (*p - '0');
    if (fraction) --scale;
  }
  if (*p == 'E' || *p == 'e') {
    ++p;
    bool negativeExponent = false;
    if (*p == '-' || *p == '+') negativeExponent = *p++ == '-';
    int exponent = 0;
    for (; *p != '\0'; ++p) {
      if (*p < '0' || *p > '9') throw ESizeError("not a decimal exponent");
      exponent = exponent * 10 + (*p - '0');
    }
    scale += negativeExponent ? -exponent : exponent;
  }
  Int128 power = 1;
  for (int k = 0; k < (scale < 0 ? -scale : scale); ++k) power = exact_detail::Multiply(power, 10);
  if (negative) digits = -digits;
  return scale < 0 ? exact_detail::Reduced(digits, power, 0)
                   : exact_detail::Reduced(exact_detail::Multiply(digits, power), 1, 0);
}

// The size in extended precision: the quotient of the two whole numbers rounded once (when
// both hold in 64 bits), times π^piPower.
constexpr Extended ToExtended(ExactSize s) {
  Extended value = static_cast<Extended>(s.num) / static_cast<Extended>(s.den);
  for (int k = 0; k < s.piPower; ++k) value *= kPi;
  for (int k = 0; k > s.piPower; --k) value /= kPi;
  return value;
}

}  // namespace vaneko
