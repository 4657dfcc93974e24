#include "calculator/number.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <string>
#include <string_view>
#include <utility>

#include "core/errors.h"

namespace vaneko::calculator {

namespace {

BigInt Magnitude(const BigInt& value) {
  return value < 0 ? BigInt(-value) : value;
}

// The bits of |value|, read from its limbs: no copy of a negative value is made to ask.
unsigned BitLength(const BigInt& value) {
  const auto& backend = value.backend();
  const unsigned limbs = backend.size();
  const auto top = backend.limbs()[limbs - 1];
  if (top == 0) return 0;  // only zero has a zero top limb
  return (limbs - 1) * static_cast<unsigned>(sizeof(top) * 8) +
         static_cast<unsigned>(std::bit_width(top));
}

// The greatest common divisor of a >= 0 and b >= 0. Where one is much shorter than the other
// (an accumulator and a typed number), a first remainder brings both to the shorter length.
BigInt Gcd(const BigInt& a, const BigInt& b) {
  if (a == 0) return b;
  if (b == 0) return a;
  if (BitLength(a) > BitLength(b) + 64) return gcd(b, BigInt(a % b));
  if (BitLength(b) > BitLength(a) + 64) return gcd(a, BigInt(b % a));
  return gcd(a, b);
}

// True for zero and for a binary fraction whose odd part has at most kWideBits bits.
bool IsShortBinary(const BigInt& numerator, const BigInt& denominator) {
  if (numerator == 0) return true;
  if ((denominator & (denominator - 1)) != 0) return false;
  const BigInt magnitude = Magnitude(numerator);
  return BitLength(magnitude) - static_cast<unsigned>(lsb(magnitude)) <= Number::kWideBits;
}

// log2 |value| where the range of an exponent matters: enough to tell a power that lies far
// beyond or below the extended range.
constexpr long kFarBeyond = std::numeric_limits<Extended>::max_exponent + 64;
constexpr long kFarBelow = std::numeric_limits<Extended>::min_exponent - 2L * 64 - 128;

}  // namespace

Number::Number(BigInt numerator, BigInt denominator, bool exact, bool reduced,
               std::optional<Extended> nearest)
    : numerator_(std::move(numerator)), denominator_(std::move(denominator)), exact_(exact) {
  if (numerator_ == 0) {
    denominator_ = 1;
  } else if (!reduced && denominator_ != 1) {
    const BigInt common = Gcd(Magnitude(numerator_), denominator_);
    if (common != 1) {
      numerator_ /= common;
      denominator_ /= common;
    }
  }
  // An exact ratio is kept up to kExactBits; an inexact one is a binary number of at most
  // kWideBits significant bits, so that arithmetic on it costs what 128-bit floating point does.
  const bool shortBinary = !exact_ && IsShortBinary(numerator_, denominator_);
  if (shortBinary && numerator_ != 0 && denominator_ != 1) {
    // Inexact operands are not reduced before they are combined: the common twos go here.
    const bool negative = numerator_ < 0;
    BigInt magnitude = Magnitude(numerator_);
    const auto twos = std::min(lsb(magnitude), lsb(denominator_));
    magnitude >>= twos;
    numerator_ = negative ? BigInt(-magnitude) : magnitude;
    denominator_ >>= twos;
  }
  if (BitLength(numerator_) + BitLength(denominator_) > kExactBits || (!exact_ && !shortBinary)) {
    // Rounded to a mantissa of kWideBits bits, a tie to even: the value is kept × 2^exponent.
    const bool negative = numerator_ < 0;
    auto [kept, exponent] = RoundToBits(Magnitude(numerator_), denominator_, kWideBits);
    if (exponent + static_cast<long>(kWideBits) < kFarBelow) {
      kept = 0;  // far below the extended range: nothing of it can be shown
      exponent = 0;
    }
    if (kept != 0) {
      const unsigned zeros = static_cast<unsigned>(lsb(kept));
      kept >>= zeros;
      exponent += zeros;
    }
    if (exponent >= 0) {
      numerator_ = kept << static_cast<unsigned>(exponent);
      denominator_ = 1;
    } else {
      numerator_ = kept;
      denominator_ = kept == 0 ? BigInt(1) : BigInt(BigInt(1) << static_cast<unsigned>(-exponent));
    }
    if (negative) numerator_ = -numerator_;
    exact_ = false;
    nearest.reset();  // rounded: the value is no longer the one whose nearest was given
  }
  nearest_ = nearest ? *nearest : NearestExtended(numerator_, denominator_);
}

Number Number::Whole(std::int64_t value) {
  return Number(BigInt(value), BigInt(1), true);
}

Number Number::OfDecimal(const DecimalNumber& decimal) {
  if (decimal.digits.empty()) return Number();
  // More digits than kExactBits can hold (a pasted page of digits) are not worth reading into
  // a whole number, which takes time in the square of their count: the first kKeptDigits of
  // them, far beyond the 128 bits such a number is rounded to, stand for the rest.
  constexpr std::size_t kLongestExact = kExactBits * 30103 / 100000;
  constexpr std::size_t kKeptDigits = 60;
  const bool tooLong = decimal.digits.size() > kLongestExact;
  const std::string_view digits = tooLong ? std::string_view(decimal.digits).substr(0, kKeptDigits)
                                          : std::string_view(decimal.digits);
  const long exponent = decimal.exponent + static_cast<long>(decimal.digits.size() - digits.size());
  BigInt numerator{std::string(digits)};
  BigInt denominator = 1;
  if (exponent >= 0)
    numerator *= PowerOfTen(exponent);
  else
    denominator = PowerOfTen(-exponent);
  if (decimal.negative) numerator = -numerator;
  return Number(std::move(numerator), std::move(denominator), !tooLong, false, decimal.value);
}

Number Number::Computed(Extended value) {
  if (std::isnan(value)) throw EInvalidOp();
  if (std::isinf(value)) throw EOverflow();
  if (value == 0) {
    Number zero;
    zero.exact_ = false;
    return zero;
  }
  // value = mantissa × 2^(exponent - 64), the mantissa a 64-bit whole number.
  int exponent = 0;
  const Extended fraction = std::frexp(std::fabs(value), &exponent);
  auto mantissa = static_cast<std::uint64_t>(std::ldexp(fraction, 64));
  const int zeros = std::countr_zero(mantissa);  // in lowest terms: an odd numerator
  mantissa >>= zeros;
  BigInt numerator(mantissa);
  BigInt denominator = 1;
  const long power = static_cast<long>(exponent) - 64 + zeros;
  if (power >= 0)
    numerator <<= static_cast<unsigned>(power);
  else
    denominator <<= static_cast<unsigned>(-power);
  if (value < 0) numerator = -numerator;
  return Number(std::move(numerator), std::move(denominator), false, true, value);
}

std::optional<std::int64_t> Number::AsWhole() const {
  if (denominator_ != 1 || BitLength(numerator_) > 63) return std::nullopt;
  return static_cast<std::int64_t>(numerator_);
}

std::string Number::Text() const {
  if (numerator_ == 0 || nearest_ == 0) return "0";
  // The nearest extended value is within half a unit of its last bit (2^-64 relative): when
  // every value that close rounds to the same digits, they are the held value's digits.
  if (RoundsSafely(nearest_, std::fabs(nearest_) * 0x1p-63L)) return FormatNumber(nearest_);
  return FormatNumber(RoundToShownDigits(numerator_, denominator_));
}

Number Number::operator-() const {
  Number negated = *this;
  negated.numerator_ = -numerator_;
  negated.nearest_ = -nearest_;
  return negated;
}

// Sums and products of ratios in lowest terms, reduced with the small common divisors that
// can occur rather than one of the whole results (Knuth, TAOCP 4.5.1).
Number operator+(const Number& a, const Number& b) {
  const bool exact = a.exact_ && b.exact_;
  // An inexact sum is rounded to 128 bits at once, which brings it to lowest terms.
  if (!exact)
    return Number(a.numerator_ * b.denominator_ + b.numerator_ * a.denominator_,
                  a.denominator_ * b.denominator_, false, true);
  const BigInt common = Gcd(a.denominator_, b.denominator_);
  if (common == 1)
    return Number(a.numerator_ * b.denominator_ + b.numerator_ * a.denominator_,
                  a.denominator_ * b.denominator_, exact, true);
  const BigInt bOverCommon = b.denominator_ / common;
  BigInt sum = a.numerator_ * bOverCommon + b.numerator_ * (a.denominator_ / common);
  const BigInt rest = Gcd(Magnitude(sum), common);
  if (rest != 1) sum /= rest;
  return Number(std::move(sum), BigInt(a.denominator_ / rest * bOverCommon), exact, true);
}

Number operator-(const Number& a, const Number& b) {
  return a + -b;
}

namespace {

// (p / q) × (r / s) for two ratios in lowest terms, q and s > 0; reduced only when `reduce`
// (an inexact product is rounded to 128 bits at once, which brings it to lowest terms).
std::pair<BigInt, BigInt> Product(const BigInt& p, const BigInt& q, const BigInt& r,
                                  const BigInt& s, bool reduce) {
  if (!reduce) return {BigInt(p * r), BigInt(q * s)};
  const BigInt ps = Gcd(Magnitude(p), s);
  const BigInt rq = Gcd(Magnitude(r), q);
  return {BigInt((p / ps) * (r / rq)), BigInt((q / rq) * (s / ps))};
}

}  // namespace

Number operator*(const Number& a, const Number& b) {
  const bool exact = a.exact_ && b.exact_;
  auto [numerator, denominator] =
      Product(a.numerator_, a.denominator_, b.numerator_, b.denominator_, exact);
  return Number(std::move(numerator), std::move(denominator), exact, true);
}

Number operator/(const Number& a, const Number& b) {
  if (b.IsZero()) throw EZeroDivide();
  const bool negative = b.numerator_ < 0;
  auto [numerator, denominator] =
      Product(a.numerator_, a.denominator_, negative ? BigInt(-b.denominator_) : b.denominator_,
              Magnitude(b.numerator_), a.exact_ && b.exact_);
  return Number(std::move(numerator), std::move(denominator), a.exact_ && b.exact_, true);
}

Number Power(const Number& base, std::int64_t exponent) {
  if (exponent == 0) return Number::Whole(1);
  if (base.IsZero()) {
    if (exponent < 0) throw EZeroDivide();
    return base;
  }
  const Number unit = exponent > 0 ? base : Number::Whole(1) / base;
  const std::uint64_t count = exponent > 0 ? static_cast<std::uint64_t>(exponent)
                                           : 0 - static_cast<std::uint64_t>(exponent);
  // log2 of the result, to leave a power far beyond or below the extended range uncomputed.
  const Extended log2Result =
      static_cast<Extended>(exponent) * std::log2(std::fabs(base.Nearest()));
  if (std::fabs(base.Nearest()) != 1) {
    if (log2Result > kFarBeyond) throw EOverflow();
    if (log2Result < kFarBelow) return Number::Computed(0);
  }
  const unsigned long long bits = (BitLength(unit.numerator_) + BitLength(unit.denominator_)) *
                                  static_cast<unsigned long long>(count);
  if (bits <= Number::kExactBits)
    return Number(pow(unit.numerator_, static_cast<unsigned>(count)),
                  pow(unit.denominator_, static_cast<unsigned>(count)), unit.exact_, true);
  // Squaring and multiplying: each step is bounded, so the result keeps 128 bits.
  Number result = Number::Whole(1);
  Number square = unit;
  for (std::uint64_t rest = count; rest != 0; rest >>= 1) {
    if (rest & 1) result = result * square;
    if (rest > 1) square = square * square;
  }
  return result;
}

}  // namespace vaneko::calculator
