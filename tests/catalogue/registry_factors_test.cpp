// The measurement registry's factors and the unit rows state the same sizes: every row with a
// registry type has, in the registry, the row's exact size in the family's base unit rounded
// once to the nearest double, to the last bit.
#include <gtest/gtest.h>

#include <cmath>
#include <ostream>

#include "catalogue/catalogue.h"
#include "core/base_units.h"
#include "core/exact_size.h"
#include "core/rounding.h"
#include "registry/std_units.h"

namespace vaneko::catalogue {
namespace {

// The double nearest to a positive exact size without π, a tie to even.
double NearestDouble(ExactSize size) {
  const auto big = [](Int128 n) {
    // Two 64-bit halves: the Int128 of a size is non-negative here.
    const auto high = static_cast<unsigned long long>(static_cast<UInt128>(n) >> 64);
    const auto low = static_cast<unsigned long long>(static_cast<UInt128>(n));
    return (BigInt(high) << 64) + BigInt(low);
  };
  const BinaryRounding rounded = RoundToBits(big(size.num), big(size.den), 53);
  return std::ldexp(rounded.mantissa.convert_to<double>(), static_cast<int>(rounded.exponent));
}

TEST(NearestDouble, RoundsOnceToTheLastBit) {
  EXPECT_EQ(NearestDouble(Whole(1)), 1.0);
  EXPECT_EQ(NearestDouble(Decimal("0.1")), 0.1);
  EXPECT_EQ(NearestDouble(ExactSize{1, 3}), 1.0 / 3);
  EXPECT_EQ(NearestDouble(Decimal("9460528404879358")), 9460528404879358.0);
  // 2^53 + 1 is a tie between 2^53 and 2^53 + 2: to even.
  EXPECT_EQ(NearestDouble(Decimal("9007199254740993")), 9007199254740992.0);
}

// A tab whose rows carry registry types, the registry's type whose factor is 1 in that family,
// and the size of the tab's reference unit in that base unit.
struct RegisteredTab {
  int tab;
  registry::StdUnit base;
  ExactSize reference;
};

void PrintTo(const RegisteredTab& c, std::ostream* os) {
  *os << "tab " << c.tab;
}

constexpr RegisteredTab kRegisteredTabs[] = {
    {1, registry::StdUnit::Meters, Whole(1)},        // metres
    {2, registry::StdUnit::Grams, Whole(1)},         // grams
    {3, registry::StdUnit::SquareMeters, Whole(1)},  // square metres
    {4, registry::StdUnit::CubicMeters, units::kMillilitre},
};

class RegistryFactors : public ::testing::TestWithParam<RegisteredTab> {
 protected:
  void SetUp() override { registry::EnsureStandardUnits(); }
};

TEST_P(RegistryFactors, AreTheRowSizesNarrowedOnce) {
  const RegisteredTab& c = GetParam();
  const registry::TConvType base = registry::StdType(c.base);
  ASSERT_EQ(registry::Convert(1.0, base, base), 1.0);
  int registered = 0;
  for (const UnitRow& row : UnitRows(c.tab)) {
    if (!row.registered) continue;
    ++registered;
    const ExactSize inBase = row.size * c.reference;
    ASSERT_EQ(inBase.piPower, 0) << row.name.english;
    // One unit of the row into the base unit, whose factor is 1: the row's factor itself.
    const double factor = registry::Convert(1.0, registry::StdType(*row.registered), base);
    EXPECT_EQ(factor, NearestDouble(inBase)) << row.name.english;
  }
  EXPECT_GT(registered, 0);
}

INSTANTIATE_TEST_SUITE_P(Tabs, RegistryFactors, ::testing::ValuesIn(kRegisteredTabs));

// No other sized tab has a registry type, so the tabs above hold every registered row.
TEST(RegistryFactors, NoOtherTabHasRegisteredRows) {
  for (int tab = 0; tab < kCategoryCount; ++tab) {
    bool listed = false;
    for (const RegisteredTab& c : kRegisteredTabs) listed = listed || c.tab == tab;
    if (listed) continue;
    for (const UnitRow& row : UnitRows(tab))
      EXPECT_FALSE(row.registered.has_value()) << "tab " << tab << ": " << row.name.english;
  }
}

}  // namespace
}  // namespace vaneko::catalogue
