// The kitchen tab turned round by the swap key: an amount in a measure to grams of a food, and
// the swap key on the other tabs. Expected figures are worked out from the kitchen tables (a
// measure applied as its 15-digit count per millilitre, a food as millilitres per gram) and the
// unit definitions, not read from the program.
#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>
#include <string>
#include <vector>

#include "catalogue/catalogue.h"
#include "convert/converter_model.h"
#include "convert/dispatch.h"
#include "core/number_text.h"
#include "typed.h"

namespace vaneko::convert {
namespace {

using vaneko::testing::Typed;

constexpr int kKitchenTab = 5;
constexpr int kMeasures = 6;
constexpr int kTasse = 5;
constexpr int kFlour = 89;  // "Farine blé blanche tout usage", 1.89 mL per gram
constexpr int kButter = 24;

std::string Grams(int measure, int food, const DecimalNumber& amount) {
  const auto map = MeasureToGramsMap(measure, food);
  return map ? FormatNumber(ApplyExactly(amount, *map)) : "(no formula)";
}

struct TurnedExample {
  const char* what;
  int measure;
  int food;
  const char* amount;  // as typed
  const char* grams;   // as shown
};

class TurnedKitchen : public ::testing::TestWithParam<TurnedExample> {};

TEST_P(TurnedKitchen, ShowsTheGrams) {
  const TurnedExample& e = GetParam();
  EXPECT_EQ(Grams(e.measure, e.food, ReadDecimal(e.amount)), e.grams);
}

// 1 cup of flour: 1 / (0.00422675283773037 × 1.89) = 125.1789611111112487...
// 3 cups of butter: 3 / (0.00422675283773037 × 1.04) = 682.4660668269240...
// 1.84421679815852 teaspoons of dried basil: the grams-to-teaspoons example read backwards,
// 1.84421679815852 / (0.202884136211058 × 9.09) = 1.000000000000000...
INSTANTIATE_TEST_SUITE_P(
    Examples, TurnedKitchen,
    ::testing::Values(TurnedExample{"CupOfFlour", kTasse, kFlour, "1", "125,178961111111"},
                      TurnedExample{"MillilitreOfFlour", 0, kFlour, "1", "0,529100529100529"},
                      TurnedExample{"ButterMillilitres", 0, kButter, "104", "100"},
                      TurnedExample{"ThreeCupsOfButter", kTasse, kButter, "3", "682,466066826924"},
                      TurnedExample{"BasilTeaspoons", 1, 21, "1,84421679815852", "1"},
                      TurnedExample{"NegativeAmount", 0, kButter, "-104", "-100"},
                      TurnedExample{"Zero", kTasse, kFlour, "0", "0"},
                      TurnedExample{"HeadingLine", 0, 0, "1", "(no formula)"},
                      TurnedExample{"BlankLine", kTasse, 18, "1", "(no formula)"},
                      TurnedExample{"LastLine", 0, 282, "1", "(no formula)"},
                      TurnedExample{"NoMeasure", -1, kFlour, "1", "(no formula)"},
                      TurnedExample{"PastTheMeasures", kMeasures, kFlour, "1", "(no formula)"},
                      TurnedExample{"PastTheFoods", 0, 283, "1", "(no formula)"}),
    [](const auto& info) { return std::string(info.param.what); });

// Both directions of every food and measure are exact inverses of each other. An amount taken
// to grams and back is rounded twice to the 15 digits shown, each time by at most half a unit
// of the 15th digit, that is 5E-15 of the value: it comes back within 1E-14 of itself (a unit
// or two of its 15th digit, never more).
TEST(TurnedKitchen, EveryFoodAndMeasureRoundTrips) {
  const auto foods = catalogue::FoodRows();
  const std::vector<const char*> amounts = {
      "1", "3", "0,25", "250", "-2,5", "1,75", "9,87654321098765"};
  int pairs = 0;
  for (int food = 0; food < static_cast<int>(foods.size()); ++food) {
    if (!foods[static_cast<std::size_t>(food)].millilitresPerGram) continue;
    for (int measure = 0; measure < kMeasures; ++measure) {
      const auto there = MeasureToGramsMap(measure, food);
      const auto back = PairMap(kKitchenTab, food, measure);
      ASSERT_TRUE(there && back) << food << ", " << measure;
      EXPECT_TRUE(there->scale * back->scale == Whole(1)) << food << ", " << measure;
      ++pairs;
      for (const char* amount : amounts) {
        const DecimalNumber typed = ReadDecimal(amount);
        const std::string grams = FormatNumber(ApplyExactly(typed, *there));
        const Extended again = ApplyExactly(ReadDecimal(grams), *back);
        EXPECT_LE(std::fabs(again - typed.value), 1E-14L * std::fabs(typed.value))
            << food << ", " << measure << ": " << amount << " gives " << grams << " g, then "
            << FormatNumber(again);
      }
    }
  }
  EXPECT_EQ(pairs, 262 * kMeasures);
}

// The model: the swap key on the kitchen tab and elsewhere.
class SwapKey : public ::testing::Test {
 protected:
  ConverterModel model;
};

TEST_F(SwapKey, TurnsTheKitchenListsAndBack) {
  model.SelectTab(kKitchenTab);
  const auto foods = catalogue::FromList(kKitchenTab, catalogue::Language::French);
  const auto measures = catalogue::ToList(kKitchenTab, catalogue::Language::French);
  model.Swap();
  EXPECT_TRUE(model.KitchenReversed);
  ASSERT_EQ(model.FromItems.size(), measures.size());
  ASSERT_EQ(model.ToItems.size(), foods.size());
  EXPECT_EQ(model.FromItems[kTasse], "Tasse");
  EXPECT_EQ(model.ToItems[0], "En Gramme ");
  EXPECT_EQ(model.ToItems[kFlour], "Farine blé blanche tout usage");

  model.Nombre1 = "1";
  model.SelectFrom(kTasse);
  EXPECT_EQ(model.Result, "0");  // no food yet: an empty result shows 0
  model.SelectTo(kFlour);
  EXPECT_EQ(model.Result, "125,178961111111");
  // The heading and a blank line convert nothing.
  model.SelectTo(0);
  EXPECT_EQ(model.Result, "125,178961111111");
  model.SelectTo(1);
  EXPECT_EQ(model.Result, "125,178961111111");

  // Pressed again: grams of flour to cups, the selections following their lists.
  model.SelectTo(kFlour);
  model.Swap();
  EXPECT_FALSE(model.KitchenReversed);
  EXPECT_EQ(model.FromItems.size(), foods.size());
  EXPECT_EQ(model.FromSelected, kFlour);
  EXPECT_EQ(model.ToSelected, kTasse);
  // 1.89 × 0.00422675283773037 = 0.007988562863310399...
  EXPECT_EQ(model.Result, "0,0079885628633104");
}

TEST_F(SwapKey, ChangingTabTurnsTheKitchenBack) {
  model.SelectTab(kKitchenTab);
  model.Swap();
  model.SelectTab(1);
  EXPECT_FALSE(model.KitchenReversed);
  model.SelectTab(kKitchenTab);
  EXPECT_FALSE(model.KitchenReversed);
  EXPECT_EQ(model.FromItems[0], "En Gramme ");
  EXPECT_EQ(model.ToItems.size(), static_cast<std::size_t>(kMeasures));
}

struct SwapCase {
  const char* what;
  int tab;
  int from;
  int to;
  const char* number;
  const char* before;  // Result after choosing from, then to
  const char* after;   // Result once the key is pressed
};

class SwapElsewhere : public ::testing::TestWithParam<SwapCase> {};

TEST_P(SwapElsewhere, ConvertsTheOppositePair) {
  const SwapCase& c = GetParam();
  ConverterModel model;
  model.SelectTab(c.tab);
  model.Nombre1 = c.number;
  model.SelectFrom(c.from);
  model.SelectTo(c.to);
  EXPECT_EQ(model.Result, c.before);
  model.Swap();
  EXPECT_FALSE(model.KitchenReversed);
  EXPECT_EQ(model.FromSelected, c.to);
  EXPECT_EQ(model.ToSelected, c.from);
  EXPECT_EQ(model.Result, c.after);
  model.Swap();
  EXPECT_EQ(model.Result, c.before);
}

// Inch 2.54 cm; pound 0.45359237 kg; °F = °C × 9/5 + 32.
INSTANTIATE_TEST_SUITE_P(
    Tabs, SwapElsewhere,
    ::testing::Values(SwapCase{"InchCentimetre", 1, 0, 13, "1", "2,54", "0,393700787401575"},
                      SwapCase{"PoundKilogram", 2, 4, 1, "1", "0,45359237", "2,20462262184878"},
                      SwapCase{"CelsiusFahrenheit", 0, 0, 1, "100", "212", "37,7777777777778"},
                      SwapCase{"SameUnit", 1, 12, 12, "007", "7", "7"}),
    [](const auto& info) { return std::string(info.param.what); });

TEST_F(SwapKey, OneSelectionMovesWithoutConverting) {
  model.SelectTab(1);
  model.Nombre1 = "1";
  model.Result = "42";
  model.FromSelected = 3;
  model.Swap();
  EXPECT_EQ(model.FromSelected, -1);
  EXPECT_EQ(model.ToSelected, 3);
  EXPECT_EQ(model.Result, "42");
  EXPECT_EQ(model.Nombre1, "1");
}

TEST_F(SwapKey, UnreadableNumberStillSwaps) {
  model.SelectTab(1);
  model.Nombre1 = "1";
  model.SelectFrom(0);
  model.SelectTo(13);
  model.Nombre1 = "1.5";
  EXPECT_THROW(model.Swap(), std::exception);
  EXPECT_EQ(model.FromSelected, 13);
  EXPECT_EQ(model.ToSelected, 0);
  EXPECT_EQ(model.Result, "2,54");
}

}  // namespace
}  // namespace vaneko::convert
