// Rounding exact values to the digits a field shows. Every number the system writes is rounded
// once to 15 significant digits, a half away from zero; a value known exactly (a ratio of whole
// numbers) is rounded from that exact value, not from a binary approximation of it. The
// converter's exact conversions and the calculator's held values both round here.
#pragma once

#include <boost/multiprecision/cpp_int.hpp>

#include "core/fp_faults.h"

namespace vaneko {

using BigInt = boost::multiprecision::cpp_int;

// 10^n for n >= 0.
BigInt PowerOfTen(long n);

// True when every value within `bound` of `r` rounds to the same 15 significant digits as `r`,
// so that FormatNumber(r) writes the correctly rounded digits of any value in that interval.
bool RoundsSafely(Extended r, Extended bound);

// p / q (q > 0) rounded to 15 significant digits, a half away from zero, returned as the
// extended value nearest to those digits (so that FormatNumber writes exactly them). Zero when
// the rounded value lies below the extended range; the overflow fault beyond it.
Extended RoundToShownDigits(const BigInt& p, const BigInt& q);

// a / q (a > 0, q > 0) rounded to `bits` significant bits, a tie to even: mantissa ×
// 2^exponent, the mantissa of `bits` bits (or 2^bits, where it rounded up).
struct BinaryRounding {
  BigInt mantissa;
  long exponent;
};
BinaryRounding RoundToBits(const BigInt& a, const BigInt& q, unsigned bits);

// The extended value nearest to p / q (q > 0), a tie to even: ±infinity beyond the extended
// range, zero far below it.
Extended NearestExtended(const BigInt& p, const BigInt& q);

}  // namespace vaneko
