// Exact sizes: decimals read without rounding, products and quotients kept as exact fractions.
#include "core/exact_size.h"

#include <gtest/gtest.h>

#include <cctype>
#include <string>

namespace vaneko {
namespace {

constexpr ExactSize kInch = Decimal("0.0254");
constexpr ExactSize kUsGallon = Whole(231) * kInch * kInch * kInch;

static_assert(Decimal("0.0254") == ExactSize{127, 5000, 0});
static_assert(Decimal("3.7E10") == Whole(37000000000));
static_assert(Decimal("1E-6") == ExactSize{1, 1000000, 0});
static_assert(Decimal("-2.50") == ExactSize{-5, 2, 0});
static_assert(Whole(-40) * ExactSize{5, 9, 0} == ExactSize{-200, 9, 0});
static_assert(Whole(-3) * Whole(-7) == Whole(21));
static_assert(Decimal("273.15") + Decimal("-459.67") * ExactSize{5, 9, 0} == ExactSize{160, 9, 0});
static_assert(kUsGallon == Decimal("0.003785411784"));
static_assert(kUsGallon / Whole(128) == Decimal("0.0000295735295625"));
static_assert(Decimal("0.5") + Decimal("0.25") == ExactSize{3, 4, 0});
static_assert((Whole(180) / ExactSize{1, 1, 1}).piPower == -1);

struct ExtendedCase {
  const char* name;
  ExactSize size;
  Extended expected;
};

class ExactSizeToExtended : public ::testing::TestWithParam<ExtendedCase> {};

TEST_P(ExactSizeToExtended, RoundsTheQuotientOnce) {
  EXPECT_EQ(ToExtended(GetParam().size), GetParam().expected) << GetParam().name;
}

INSTANTIATE_TEST_SUITE_P(Sizes, ExactSizeToExtended,
                         ::testing::Values(ExtendedCase{"inch", kInch, 0.0254L},
                                           ExtendedCase{"US gallon", kUsGallon, 0.003785411784L},
                                           ExtendedCase{"one third", Whole(1) / Whole(3), 1.0L / 3},
                                           ExtendedCase{"radian in degrees",
                                                        Whole(180) / ExactSize{1, 1, 1},
                                                        57.2957795130823208768L},
                                           ExtendedCase{"half turn", ExactSize{1, 1, 1}, kPi}));

// A size that cannot be held exactly fails to compile in the tables; built at run time from a
// text, it raises the project's own error, which a handler can catch and show.
struct RefusedSize {
  const char* name;
  ExactSize (*build)(const char* text);
  const char* text;
};

class RefusedSizes : public ::testing::TestWithParam<RefusedSize> {};

TEST_P(RefusedSizes, RaiseASizeError) {
  const RefusedSize& c = GetParam();
  EXPECT_THROW(c.build(c.text), ESizeError) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    AtRunTime, RefusedSizes,
    ::testing::Values(RefusedSize{"letter", [](const char* t) { return Decimal(t); }, "1.5x"},
                      RefusedSize{"letter in the exponent",
                                  [](const char* t) { return Decimal(t); }, "1E5x"},
                      RefusedSize{"beyond 127 bits",
                                  [](const char* t) { return Decimal(t) * Decimal(t); }, "1E30"},
                      RefusedSize{"sum across powers of pi",
                                  [](const char* t) {
                                    return Decimal(t) + ExactSize{1, 1, 1};
                                  },
                                  "1"}),
    [](const auto& info) {
      std::string name;
      for (const char c : std::string(info.param.name)) name += std::isalnum(c) ? c : '_';
      return name;
    });

}  // namespace
}  // namespace vaneko
