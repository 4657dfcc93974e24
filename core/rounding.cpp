#include "core/rounding.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <utility>

#include "core/number_text.h"
#include "core/powers_of_ten.h"

namespace vaneko {

namespace {

constexpr int kSignificantDigits = 15;

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

}  // namespace

// The powers up to 10^40 are made once; rounding asks for them at almost every call.
BigInt PowerOfTen(long n) {
  static const std::array<BigInt, 41> kSmall = [] {
    std::array<BigInt, 41> powers;
    BigInt power = 1;
    for (BigInt& entry : powers) {
      entry = power;
      power *= 10;
    }
    return powers;
  }();
  if (n < static_cast<long>(kSmall.size())) return kSmall[static_cast<std::size_t>(n)];
  return boost::multiprecision::pow(BigInt(10), static_cast<unsigned>(n));
}

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

Extended RoundToShownDigits(const BigInt& p, const BigInt& q) {
  if (p == 0) return 0;
  const bool negative = p < 0;
  const BigInt a = negative ? BigInt(-p) : p;
  // First guess of the decade from the bit lengths, then corrected.
  long e = static_cast<long>(std::floor(
               (static_cast<double>(msb(a)) - static_cast<double>(msb(q))) * 0.30102999566398120)) +
           1;
  const BigInt low = PowerOfTen(kSignificantDigits - 1);
  const BigInt high = PowerOfTen(kSignificantDigits);
  BigInt n;
  BigInt remainder;
  BigInt denominator;
  for (;;) {
    const long shift = kSignificantDigits - e;
    const BigInt numerator = shift >= 0 ? BigInt(a * PowerOfTen(shift)) : a;
    denominator = shift >= 0 ? q : BigInt(q * PowerOfTen(-shift));
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

BinaryRounding RoundToBits(const BigInt& a, const BigInt& q, unsigned bits) {
  // A whole quotient of bits + 1 or bits + 2 bits, the remainder as a sticky bit.
  const long shift =
      static_cast<long>(bits) + 1 - (static_cast<long>(msb(a)) - static_cast<long>(msb(q)));
  BigInt quotient;
  BigInt remainder;
  if ((q & (q - 1)) == 0) {
    // A binary fraction: the quotient is a shift, the remainder the bits shifted out.
    const long net = shift - static_cast<long>(msb(q));
    if (net >= 0) {
      quotient = a << static_cast<unsigned>(net);
    } else {
      quotient = a >> static_cast<unsigned>(-net);
      remainder = static_cast<long>(lsb(a)) < -net ? 1 : 0;
    }
  } else if (shift >= 0) {
    divide_qr(BigInt(a << static_cast<unsigned>(shift)), q, quotient, remainder);
  } else {
    divide_qr(a, BigInt(q << static_cast<unsigned>(-shift)), quotient, remainder);
  }
  // One or two bits beyond those kept: the first of them is the half, the rest is sticky.
  const unsigned extra = static_cast<unsigned>(msb(quotient)) + 1 - bits;
  const bool half = bit_test(quotient, extra - 1);
  const bool sticky = remainder != 0 || (extra == 2 && bit_test(quotient, 0));
  BigInt kept = quotient >> extra;
  if (half && (sticky || bit_test(kept, 0))) ++kept;
  return {std::move(kept), static_cast<long>(extra) - shift};
}

Extended NearestExtended(const BigInt& p, const BigInt& q) {
  if (p == 0) return 0;
  const bool negative = p < 0;
  const BigInt a = negative ? BigInt(-p) : p;
  // Both held exactly by the 64-bit mantissa: one correctly rounded division.
  if (msb(a) < 64 && msb(q) < 64) {
    const Extended quotient = static_cast<Extended>(static_cast<std::uint64_t>(a)) /
                              static_cast<Extended>(static_cast<std::uint64_t>(q));
    return negative ? -quotient : quotient;
  }
  const auto [kept, exponent] = RoundToBits(a, q, 64);
  constexpr long kInfinite = std::numeric_limits<Extended>::max_exponent + 1;
  constexpr long kZero = std::numeric_limits<Extended>::min_exponent - 2 * 64;
  if (exponent > kInfinite)
    return negative ? -std::numeric_limits<Extended>::infinity()
                    : std::numeric_limits<Extended>::infinity();
  if (exponent < kZero) return 0;
  // `kept` may have rounded up to 2^64: its half is still a 64-bit whole number.
  const Extended mantissa = static_cast<Extended>(static_cast<std::uint64_t>(kept >> 1)) * 2 +
                            (bit_test(kept, 0) ? 1 : 0);
  const Extended magnitude = std::ldexp(mantissa, static_cast<int>(exponent));
  return negative ? -magnitude : magnitude;
}

}  // namespace vaneko
