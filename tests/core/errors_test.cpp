#include "core/errors.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <functional>
#include <limits>

#include "core/fp_faults.h"

namespace vaneko {
namespace {

struct BoxCase {
  const char* message;
  const char* shown;
};

class ErrorBox : public ::testing::TestWithParam<BoxCase> {};

TEST_P(ErrorBox, AppendsAFullStopUnlessTheTextEndsAtOrBelowIt) {
  EXPECT_EQ(ErrorBoxText(GetParam().message), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(Messages, ErrorBox,
                         ::testing::Values(BoxCase{"'1.5' is not a valid floating point value",
                                                   "'1.5' is not a valid floating point value."},
                                           BoxCase{"Floating point overflow",
                                                   "Floating point overflow."},
                                           BoxCase{"Done.", "Done."}, BoxCase{"Stop!", "Stop!"},
                                           BoxCase{"Trailing blank ", "Trailing blank "},
                                           BoxCase{"Ends in a comma,", "Ends in a comma,"},
                                           BoxCase{"Ends in a slash/", "Ends in a slash/."},
                                           BoxCase{"Incompatible conversion types [a, b]",
                                                   "Incompatible conversion types [a, b]."}));

TEST(Guarded, TurnsRaisedFlagsIntoTheFaultMessages) {
  volatile long double zero = 0.0L;
  volatile long double one = 1.0L;
  volatile long double huge = 1e4000L;
  volatile long double infinity = std::numeric_limits<long double>::infinity();
  struct Fault {
    std::function<long double()> compute;
    const char* message;
  };
  const Fault faults[] = {
      {[&] { return zero / zero; }, "Invalid floating point operation"},
      {[&] { return one / zero; }, "Floating point division by zero"},
      {[&] { return huge * huge; }, "Floating point overflow"},
      {[&] { return infinity - infinity; }, "Invalid floating point operation"},
#ifndef __MINGW32__  // MinGW-w64's logl sets errno only; the calculator flags its poles itself
      {[&] { return std::log(zero) + 0.0L; }, "Floating point division by zero"},
#endif
  };
  for (const Fault& fault : faults) {
    try {
      Guarded(fault.compute);
      ADD_FAILURE() << "no fault for " << fault.message;
    } catch (const EMathError& e) {
      EXPECT_STREQ(e.what(), fault.message);
    }
  }
}

TEST(Guarded, LetsInexactUnderflowAndDenormalResultsPass) {
  volatile long double tiny = 1e-4000L;
  volatile long double three = 3.0L;
  EXPECT_EQ(Guarded([&] { return tiny * tiny; }), 0.0L);
  EXPECT_NEAR(static_cast<double>(Guarded([&] { return 1.0L / three; })), 1.0 / 3.0, 1e-15);
  EXPECT_GT(Guarded([&] { return tiny / 1e10L; }), 0.0L);
}

TEST(NarrowToDouble, ABeyondDoubleValueIsAnOverflow) {
  EXPECT_THROW(NarrowToDouble(1e400L), EOverflow);
  EXPECT_THROW(NarrowToDouble(-1e309L), EOverflow);
  EXPECT_EQ(NarrowToDouble(static_cast<long double>(DBL_MAX)), DBL_MAX);
  EXPECT_EQ(NarrowToDouble(1e-400L), 0.0);
  EXPECT_EQ(NarrowToDouble(2.5L), 2.5);
}

}  // namespace
}  // namespace vaneko
