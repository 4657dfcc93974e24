// What every unit row must satisfy, whatever the category: a positive size, a name of its own in
// each language, a symbol of its own when it has one, lists of the lengths the interface shows,
// and sizes that agree with the definitions and with the measurement registry.
#include <gtest/gtest.h>

#include <cmath>
#include <cstddef>
#include <ostream>
#include <set>
#include <string>
#include <string_view>

#include "catalogue/catalogue.h"
#include "registry/std_units.h"

namespace vaneko::catalogue {
namespace {

constexpr Language kLanguages[] = {Language::French, Language::English};

bool IsPositive(ExactSize size) {
  return size.num > 0 && size.den > 0;
}

// The number of units each tab lists (from-list, to-list).
struct ListLengths {
  int tab;
  std::size_t from;
  std::size_t to;
};

void PrintTo(const ListLengths& c, std::ostream* os) {
  *os << "tab " << c.tab;
}

constexpr ListLengths kListLengths[] = {
    {0, 4, 4},   {1, 17, 17},  {2, 9, 9},    {3, 11, 11},  {4, 30, 30},  {5, 283, 6},
    {6, 26, 26}, {7, 23, 23},  {8, 5, 5},    {9, 15, 15},  {10, 38, 38}, {11, 21, 21},
    {12, 5, 5},  {13, 36, 36}, {14, 15, 15}, {15, 11, 11}, {16, 6, 6},   {17, 5, 5},
};

class EveryTab : public ::testing::TestWithParam<ListLengths> {};

TEST_P(EveryTab, ListsHaveTheirLengthInBothLanguages) {
  const ListLengths& c = GetParam();
  for (const Language language : kLanguages) {
    EXPECT_EQ(FromList(c.tab, language).size(), c.from);
    EXPECT_EQ(ToList(c.tab, language).size(), c.to);
  }
}

TEST_P(EveryTab, SizedTabsHaveOneRowPerListedUnit) {
  const ListLengths& c = GetParam();
  if (KindOf(c.tab) != CategoryKind::Sized) {
    EXPECT_TRUE(UnitRows(c.tab).empty());
    return;
  }
  EXPECT_EQ(UnitRows(c.tab).size(), c.from);
  for (const UnitRow& row : UnitRows(c.tab)) {
    EXPECT_TRUE(IsPositive(row.size)) << row.name.english;
  }
}

// Unit names are shown to tell units apart: none is empty and none repeats within its list. The
// kitchen from-list's heading and separator lines are not units and are left out.
TEST_P(EveryTab, NamesAreNonEmptyAndDistinctInEachLanguage) {
  const int tab = GetParam().tab;
  for (const Language language : kLanguages) {
    for (const auto& list : {FromList(tab, language), ToList(tab, language)}) {
      std::set<std::string_view> seen;
      for (std::size_t position = 0; position < list.size(); ++position) {
        const bool food_list = tab == kKitchenTab && list.size() == FoodRows().size();
        if (food_list && !FoodRows()[position].millilitresPerGram) continue;
        const std::string_view name = list[position];
        EXPECT_FALSE(name.empty()) << "tab " << tab << " position " << position;
        EXPECT_TRUE(seen.insert(name).second) << "tab " << tab << " repeats '" << name << "'";
      }
    }
  }
}

TEST_P(EveryTab, SymbolsAreDistinctWithinTheirList) {
  const ListLengths& c = GetParam();
  std::set<std::string_view> from_symbols;
  for (int position = 0; position < static_cast<int>(c.from); ++position) {
    const std::string_view symbol = UnitSymbol(c.tab, position);
    if (symbol.empty()) continue;
    EXPECT_NE(symbol.front(), ' ') << "tab " << c.tab << " '" << symbol << "'";
    EXPECT_NE(symbol.back(), ' ') << "tab " << c.tab << " '" << symbol << "'";
    EXPECT_TRUE(from_symbols.insert(symbol).second) << "tab " << c.tab << " repeats " << symbol;
  }
  std::set<std::string_view> to_symbols;
  for (int position = 0; position < static_cast<int>(c.to); ++position) {
    const std::string_view symbol = ToListSymbol(c.tab, position);
    if (!symbol.empty()) {
      EXPECT_TRUE(to_symbols.insert(symbol).second) << symbol;
    }
    if (c.tab != kKitchenTab) {
      EXPECT_EQ(symbol, UnitSymbol(c.tab, position)) << position;
    }
  }
  EXPECT_TRUE(UnitSymbol(c.tab, -1).empty());
  EXPECT_TRUE(UnitSymbol(c.tab, static_cast<int>(c.from)).empty());
  EXPECT_TRUE(ToListSymbol(c.tab, static_cast<int>(c.to)).empty());
}

INSTANTIATE_TEST_SUITE_P(Tabs, EveryTab, ::testing::ValuesIn(kListLengths));

TEST(UnitSymbols, NothingOutsideTheTabs) {
  for (const int tab : {-1, kCategoryCount}) {
    EXPECT_TRUE(UnitSymbol(tab, 0).empty());
    EXPECT_TRUE(ToListSymbol(tab, 0).empty());
    EXPECT_TRUE(UnitRows(tab).empty());
  }
}

// A few symbols the command line relies on, at the positions of their units.
struct SymbolCase {
  int tab;
  int position;
  bool to_list;
  std::string_view symbol;
};

void PrintTo(const SymbolCase& c, std::ostream* os) {
  *os << "tab " << c.tab << " position " << c.position << " " << c.symbol;
}

constexpr SymbolCase kSymbols[] = {
    {0, 0, false, "°C"},        {0, 1, false, "°F"},   {0, 2, false, "K"},
    {1, 9, false, "mi"},        {1, 10, false, "nmi"}, {1, 11, false, "km"},
    {4, 3, false, "L"},         {4, 4, false, "mL"},   {4, 11, false, "gal (US)"},
    {4, 12, false, "gal (UK)"}, {5, 0, true, "mL"},    {5, 4, true, "fl oz (US)"},
    {6, 13, false, "kPa"},      {6, 18, false, "psi"}, {10, 24, false, "kWh"},
    {15, 3, false, "N·m"},      {16, 1, false, "Ci"},  {16, 0, false, "Bq"},
    {17, 0, false, "°"},        {17, 4, false, "rad"}, {13, 26, false, "gal (US)/s"},
    {14, 9, false, "lb/h"},
};

class KnownSymbols : public ::testing::TestWithParam<SymbolCase> {};

TEST_P(KnownSymbols, StandAtTheirUnit) {
  const SymbolCase& c = GetParam();
  EXPECT_EQ(c.to_list ? ToListSymbol(c.tab, c.position) : UnitSymbol(c.tab, c.position), c.symbol);
}

INSTANTIATE_TEST_SUITE_P(CommandLine, KnownSymbols, ::testing::ValuesIn(kSymbols));

TEST(KitchenRows, FoodsHaveNoSymbolAndMeasuresAllHaveOne) {
  for (int position = 0; position < static_cast<int>(FoodRows().size()); ++position) {
    EXPECT_TRUE(UnitSymbol(kKitchenTab, position).empty()) << position;
  }
  for (int position = 0; position < static_cast<int>(MeasureRows().size()); ++position) {
    EXPECT_FALSE(ToListSymbol(kKitchenTab, position).empty()) << position;
    EXPECT_TRUE(IsPositive(MeasureRows()[static_cast<std::size_t>(position)].size));
  }
  int foods = 0;
  for (const FoodRow& food : FoodRows()) {
    if (!food.millilitresPerGram) continue;
    ++foods;
    EXPECT_TRUE(IsPositive(*food.millilitresPerGram)) << food.name;
  }
  EXPECT_EQ(foods, 262);  // 283 lines less the heading and 20 separators
}

// The kitchen measures are applied as a count per millilitre rounded to 15 digits; that count
// must still be the measure's definition to those digits (teaspoon 4.92892159375 mL, tablespoon
// three of them, fluid ounces of 28.4130625 and 29.5735295625 mL, cup of eight US ounces).
TEST(KitchenRows, MeasuresAreTheirDefinitionsToFifteenDigits) {
  const long double defined[] = {1,           4.92892159375L, 14.78676478125L,
                                 28.4130625L, 29.5735295625L, 236.5882365L};
  ASSERT_EQ(MeasureRows().size(), std::size(defined));
  for (std::size_t k = 0; k < std::size(defined); ++k) {
    const long double size = ToExtended(MeasureRows()[k].size);
    EXPECT_LE(std::fabs(size - defined[k]), 5E-15L * defined[k]) << MeasureRows()[k].name;
  }
}

// The fuel-economy rows say which measure volumes per distance: only the litre units.
TEST(FuelEconomyRows, LitresPerDistanceAreTheReciprocalScale) {
  const auto rows = UnitRows(12);
  ASSERT_EQ(rows.size(), 5u);
  for (std::size_t k = 0; k < rows.size(); ++k) {
    const bool litres_per_distance = k == 1 || k == 2;
    EXPECT_EQ(rows[k].scale == Scale::Reciprocal, litres_per_distance) << k;
  }
}

// The flow tabs list each quantity per hour, per minute and per second: within a group of three
// the sizes are in the ratios 1 : 60 : 3600 and the symbols end in /h, /min and /s.
TEST(FlowRows, GroupsOfThreeAreOneQuantityPerHourMinuteSecond) {
  for (const int tab : {13, 14}) {
    const auto rows = UnitRows(tab);
    ASSERT_EQ(rows.size() % 3, 0u) << tab;
    for (std::size_t g = 0; g < rows.size(); g += 3) {
      SCOPED_TRACE(testing::Message() << "tab " << tab << " group " << g / 3);
      EXPECT_TRUE(rows[g + 1].size == Whole(60) * rows[g].size);
      EXPECT_TRUE(rows[g + 2].size == Whole(3600) * rows[g].size);
      const std::string_view hour = rows[g].symbol;
      ASSERT_GT(hour.size(), 2u);
      const std::string_view stem = hour.substr(0, hour.size() - 2);
      EXPECT_EQ(hour.substr(stem.size()), "/h");
      EXPECT_EQ(rows[g + 1].symbol, std::string(stem) + "/min");
      EXPECT_EQ(rows[g + 2].symbol, std::string(stem) + "/s");
    }
  }
}

// Exact sizes of a few units, derived here from the legal figures with exact fractions (the
// inch of 0.0254 m, the pound of 0.45359237 kg, the standard gravity of 9.80665 m/s², the US
// gallon of 3.785411784 L, the UK gallon of 4.54609 L), in each category's reference unit.
struct AnchorCase {
  const char* unit;
  int tab;
  int position;
  ExactSize expected;
};

void PrintTo(const AnchorCase& c, std::ostream* os) {
  *os << c.unit;
}

constexpr ExactSize kInchM = Decimal("0.0254");
constexpr ExactSize kPoundKg = Decimal("0.45359237");
constexpr ExactSize kGravity = Decimal("9.80665");
constexpr ExactSize kPoundForceN = kPoundKg * kGravity;

constexpr AnchorCase kAnchors[] = {
    {"mile in m", 1, 9, Whole(5280) * Whole(12) * kInchM},
    {"dram in g", 2, 8, Decimal("453.59237") / Whole(256)},
    {"square rod in m²", 3, 10, Decimal("16.5") * Decimal("16.5") * Decimal("0.09290304")},
    {"US gallon in mL", 4, 11, Decimal("3785.411784")},
    {"UK cup of 10 oz in mL", 4, 18, Whole(10) * Decimal("4546.09") / Whole(160)},
    {"US dessertspoon in mL", 4, 27, Decimal("3785.411784") / Whole(384)},
    {"inch of mercury in Pa", 6, 5, Decimal("2.54") * Whole(101325) / Whole(76)},
    {"psi in Pa", 6, 18, kPoundForceN / (kInchM * kInchM)},
    {"long ton per square foot in Pa", 6, 21,
     Whole(2240) * kPoundForceN / (Whole(144) * kInchM * kInchM)},
    {"mile per minute in m/h", 7, 19, Whole(60) * Decimal("1609.344")},
    {"speed of light in m/h", 7, 21, Whole(299792458) * Whole(3600)},
    {"ton-force UK in N", 9, 13, Whole(2240) * kPoundForceN},
    {"ounce-force in N", 9, 9, kPoundForceN / Whole(16)},
    {"mega-electron volt in J", 10, 27, Decimal("1.60206E-13")},
    {"therm (IT) in J", 10, 32, Decimal("105505600")},
    {"horsepower hour in J", 10, 12, Decimal("2685600")},
    {"kilocalorie (IT) per hour in W", 11, 11, Decimal("1.163")},
    {"mile per US gallon in km/L", 12, 4, Decimal("1.609344") / Decimal("3.785411784")},
    {"litre per 100 km in L/km", 12, 1, Decimal("0.01")},
    {"UK fluid ounce per hour in m³/s", 13, 15, Decimal("0.0000284130625") / Whole(3600)},
    {"slug per minute in kg/s", 14, 13, Decimal("14.5939035919985") / Whole(60)},
    {"ounce inch in N·m", 15, 4, kPoundForceN / Whole(16) * kInchM},
    {"poundal foot in N·m", 15, 7, kPoundKg* Whole(12) * kInchM* Whole(12) * kInchM},
    {"millicurie in Bq", 16, 5, Decimal("3.7E7")},
    {"arc minute in degrees", 17, 1, Whole(1) / Whole(60)},
};

class AnchorSizes : public ::testing::TestWithParam<AnchorCase> {};

TEST_P(AnchorSizes, RowSizeIsTheExactDefinition) {
  const AnchorCase& c = GetParam();
  const auto rows = UnitRows(c.tab);
  ASSERT_LT(static_cast<std::size_t>(c.position), rows.size());
  EXPECT_TRUE(rows[static_cast<std::size_t>(c.position)].size == c.expected)
      << "got " << static_cast<double>(ToExtended(rows[c.position].size)) << ", expected "
      << static_cast<double>(ToExtended(c.expected));
}

INSTANTIATE_TEST_SUITE_P(Definitions, AnchorSizes, ::testing::ValuesIn(kAnchors),
                         [](const auto& info) { return std::to_string(info.index); });

// Temperature scales as affine maps of the kelvin: the freezing and boiling points of water in
// every scale.
struct TemperatureCase {
  int position;
  ExactSize freezing;  // degrees of the scale at 273.15 K
  ExactSize boiling;   // at 373.15 K
};

ExactSize Kelvins(const TemperatureRow& row, ExactSize degrees) {
  return degrees * row.degree + row.zero;
}

TEST(TemperatureRows, FixedPointsOfWater) {
  const TemperatureCase cases[] = {
      {0, Whole(0), Whole(100)},
      {1, Whole(32), Whole(212)},
      {2, Decimal("273.15"), Decimal("373.15")},
      {3, Decimal("491.67"), Decimal("671.67")},
  };
  const auto rows = TemperatureRows();
  ASSERT_EQ(rows.size(), std::size(cases));
  for (const TemperatureCase& c : cases) {
    const TemperatureRow& row = rows[static_cast<std::size_t>(c.position)];
    EXPECT_TRUE(Kelvins(row, c.freezing) == Decimal("273.15")) << row.name.english;
    EXPECT_TRUE(Kelvins(row, c.boiling) == Decimal("373.15")) << row.name.english;
  }
  // Body temperature: 37 °C is 98.6 °F.
  EXPECT_TRUE(Kelvins(rows[0], Whole(37)) == Kelvins(rows[1], Decimal("98.6")));
}

// The rows with a registry type convert through the registry: its type must be the unit the
// row's size describes. One unit of the row, converted by the registry into the category's
// reference type, is the row's size.
struct RegisteredTab {
  int tab;
  registry::StdUnit reference;  // the registry's type of the tab's reference unit
  long double reference_size;   // that unit in the tab's reference unit
  int registered_rows;
};

void PrintTo(const RegisteredTab& c, std::ostream* os) {
  *os << "tab " << c.tab;
}

class RegisteredRows : public ::testing::TestWithParam<RegisteredTab> {
 protected:
  void SetUp() override { registry::EnsureStandardUnits(); }
};

TEST_P(RegisteredRows, RegistryTypeIsTheUnitOfTheRow) {
  const RegisteredTab& c = GetParam();
  int registered = 0;
  for (const UnitRow& row : UnitRows(c.tab)) {
    if (!row.registered) continue;
    ++registered;
    const double in_reference =
        registry::Convert(1.0, registry::StdType(*row.registered), registry::StdType(c.reference));
    const long double expected = ToExtended(row.size) / c.reference_size;
    EXPECT_LE(std::fabs(in_reference - expected), 1E-14L * expected) << row.name.english;
  }
  EXPECT_EQ(registered, c.registered_rows);
}

INSTANTIATE_TEST_SUITE_P(Tabs, RegisteredRows,
                         ::testing::Values(RegisteredTab{1, registry::StdUnit::Meters, 1, 17},
                                           RegisteredTab{2, registry::StdUnit::Grams, 1, 9},
                                           RegisteredTab{3, registry::StdUnit::SquareMeters, 1, 11},
                                           RegisteredTab{4, registry::StdUnit::MilliLiters, 1, 22},
                                           RegisteredTab{6, registry::StdUnit::Meters, 1, 0},
                                           RegisteredTab{13, registry::StdUnit::Meters, 1, 0}));

}  // namespace
}  // namespace vaneko::catalogue
