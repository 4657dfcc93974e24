// The factorial, the gamma function and the binomial coefficient.
#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <numeric>

#include "vmath/fault_flags.h"
#include "vmath/vmath.h"

using vmath_detail::DomainFault;
using vmath_detail::Narrow;
using vmath_detail::OverflowFault;

namespace {

// 170! is the largest factorial a double holds.
constexpr int32_t kLargestFactorial = 170;

// n! for 0 <= n <= kLargestFactorial, as a product in extended precision: exact up to 25!,
// far more precise than a double beyond.
long double ExtendedFactorial(int32_t n) {
  long double product = 1;
  for (int32_t i = 2; i <= n; ++i) product *= i;
  return product;
}

}  // namespace

extern "C" {

double Fact(int32_t n) {
  if (n < 0) return DomainFault();
  if (n > kLargestFactorial) return OverflowFault();
  return Narrow(ExtendedFactorial(n));
}

double Gamma(double x) {
  if (std::isnan(x)) return x;
  const bool whole = std::isfinite(x) && x == std::floor(x);
  if (whole && x <= 0) return DomainFault();  // the poles
  if (whole) {
    // Gamma(n) = (n - 1)!, exact for whole numbers.
    if (x - 1 > kLargestFactorial) return OverflowFault();
    return Narrow(ExtendedFactorial(static_cast<int32_t>(x) - 1));
  }
  return Narrow(std::tgamma(static_cast<long double>(x)));
}

double Binomial(int32_t n, int32_t k) {
  if (n < 0 || k < 0 || k > n) return DomainFault();
  const int64_t steps = std::min<int64_t>(k, int64_t{n} - k);
  const int64_t base = int64_t{n} - steps;
  // After step i the value is C(base + i, i), a whole number: multiplying by (base + i) and
  // dividing by i stays exact in 64-bit integers while the value fits, and then in the
  // extended format's 64-bit mantissa as long as a double could hold it exactly.
  uint64_t exact = 1;
  int64_t i = 1;
  for (; i <= steps; ++i) {
    const uint64_t factor = static_cast<uint64_t>(base + i);
    const uint64_t divisor = static_cast<uint64_t>(i);
    const uint64_t common = std::gcd(exact, divisor);
    const uint64_t reducedFactor = factor / (divisor / common);  // exact: divisor/common | factor
    uint64_t product = 0;
    if (__builtin_mul_overflow(exact / common, reducedFactor, &product)) break;
    exact = product;
  }
  long double value = static_cast<long double>(exact);
  for (; i <= steps; ++i) {
    value = value * static_cast<long double>(base + i) / static_cast<long double>(i);
    // The values only grow along the way: past the double range the result is too.
    if (value > DBL_MAX) return OverflowFault();
  }
  return Narrow(value);
}

}  // extern "C"
