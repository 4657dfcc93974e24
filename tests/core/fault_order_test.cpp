// When one computation raises several faults, the one reported is the one that came first: an
// overflow's or a division by zero's infinity may make a later step invalid, and an overflow's
// infinity divided into may make a later division by zero, never the other way round.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <string>

#include "core/errors.h"
#include "core/fp_faults.h"

namespace vaneko {
namespace {

// Volatile operands, so that the compiler computes every step when the test runs.
volatile Extended zero = 0.0L;
volatile Extended one = 1.0L;
volatile Extended huge = 1e3000L;  // its square, 1E6000, is beyond the extended range
volatile Extended tiny = 1e-3000L;
volatile Extended infinity = std::numeric_limits<Extended>::infinity();

struct OrderCase {
  std::string name;
  std::function<Extended()> compute;
  std::string first;
};
void PrintTo(const OrderCase& c, std::ostream* os) {
  *os << c.name;
}

const std::string kInvalid = "Invalid floating point operation";
const std::string kZeroDivide = "Floating point division by zero";
const std::string kOverflow = "Floating point overflow";

const OrderCase kOrders[] = {
    // inf - inf
    {"overflow then invalid", [] { return huge * huge - huge * huge; }, kOverflow},
    // the square root of 1 - inf
    {"overflow then invalid square root", [] { return std::sqrt(one - huge * huge); }, kOverflow},
    // 0 * (1 / 0)
    {"division by zero then invalid", [] { return zero * (one / zero); }, kZeroDivide},
    // 1 / (1 / inf) = 1 / 0
    {"overflow then division by zero", [] { return one / (one / (huge * huge)); }, kOverflow},
    // 0 * (1 / (1 / inf))
    {"overflow, division by zero, invalid", [] { return zero * (one / (one / (huge * huge))); },
     kOverflow},
    // the underflow to 0 passes silently; the division by its zero does not
    {"underflow then division by zero", [] { return one / (tiny * tiny); }, kZeroDivide},
    {"invalid alone", [] { return infinity - infinity; }, kInvalid},
    {"zero over zero alone", [] { return zero / zero; }, kInvalid},
};

class FirstFault : public ::testing::TestWithParam<OrderCase> {};

TEST_P(FirstFault, IsTheOneReported) {
  try {
    Guarded(GetParam().compute);
    ADD_FAILURE() << "no fault raised";
  } catch (const EMathError& e) {
    EXPECT_EQ(e.what(), GetParam().first);
  }
}

INSTANTIATE_TEST_SUITE_P(Sequences, FirstFault, ::testing::ValuesIn(kOrders),
                         [](const ::testing::TestParamInfo<OrderCase>& info) {
                           std::string name;
                           for (char c : info.param.name) name += std::isalnum(c) ? c : '_';
                           return name;
                         });

TEST(FirstFault, FlagsAreClearedAfterTheReport) {
  EXPECT_THROW(Guarded([] { return huge * huge - huge * huge; }), EOverflow);
  // A fault reported once does not come back with the next, clean computation.
  EXPECT_EQ(Guarded([] { return one + one; }), 2.0L);
}

}  // namespace
}  // namespace vaneko
