// A number the calculator holds: in the entry, the accumulator, the power base, the memory and
// the registers. It is a ratio of whole numbers, so a typed decimal is held exactly (0,1 is one
// tenth, not the binary number nearest to it) and +, -, *, / and whole powers of exact numbers
// are exact: 0,1 + 0,2 - 0,3 is 0, and 1 / 3 * 3 is 1. A value that a function computed (Sin,
// Ln, a formula, a value constant such as Pi) is held as the binary value it was computed as,
// which is a ratio too, and is marked inexact; arithmetic with it is then exact on that value,
// so the same value subtracted from itself is still 0. Shown, a number is rounded once to the
// 15 significant digits of the number notation.
//
// An inexact result is rounded to a binary number of 128 significant bits (more than the 64 of
// the extended values the functions give), and a ratio that grows beyond kExactBits (a long
// chain of divisions, say) is rounded the same way and marked inexact, so that no chain of keys
// makes the numbers, or the time a key takes, grow without bound.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "core/fp_faults.h"
#include "core/number_text.h"
#include "core/rounding.h"

namespace vaneko::calculator {

class Number {
 public:
  // Bits of numerator and denominator together beyond which a number is rounded to kWideBits.
  static constexpr unsigned kExactBits = 4096;
  static constexpr unsigned kWideBits = 128;

  Number() = default;  // exactly 0
  static Number Whole(std::int64_t value);
  // The exact value of a decimal read from a field.
  static Number OfDecimal(const DecimalNumber& decimal);
  // A computed value, held as it was computed. A NaN is the invalid operation and an infinity
  // the overflow fault.
  static Number Computed(Extended value);

  bool IsExact() const { return exact_; }
  bool IsZero() const { return numerator_ == 0; }
  // The whole number this number is, if it is one that fits 64 bits.
  std::optional<std::int64_t> AsWhole() const;
  // The extended value nearest to the number: ±infinity beyond the extended range.
  Extended Nearest() const { return nearest_; }
  // In the number notation: 15 significant digits, a half away from zero, rounded from the
  // held value; "0" for a value below the extended range.
  std::string Text() const;

  Number operator-() const;
  friend Number operator+(const Number& a, const Number& b);
  friend Number operator-(const Number& a, const Number& b);
  friend Number operator*(const Number& a, const Number& b);
  // A zero divisor is the division-by-zero fault; the keys refuse it before they divide.
  friend Number operator/(const Number& a, const Number& b);
  // `base` to the whole power `exponent`; 0 to a negative power is the division-by-zero fault.
  friend Number Power(const Number& base, std::int64_t exponent);

  // The same value, whatever made it.
  friend bool operator==(const Number& a, const Number& b) {
    return a.numerator_ == b.numerator_ && a.denominator_ == b.denominator_;
  }

 private:
  // numerator / denominator (denominator > 0), brought to lowest terms unless `reduced` says
  // it is already, bounded, and its nearest extended value worked out unless `nearest` gives it.
  Number(BigInt numerator, BigInt denominator, bool exact, bool reduced = false,
         std::optional<Extended> nearest = std::nullopt);

  BigInt numerator_ = 0;
  BigInt denominator_ = 1;
  bool exact_ = true;
  Extended nearest_ = 0;
};

}  // namespace vaneko::calculator
