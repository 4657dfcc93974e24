// The unit finder's choice of a unit: the category and the row it selects, in which list, the
// other list's selection kept on the tab shown, the kitchen tab turned round for a food or a
// measure on the other side, and the conversion that follows, as a click would run it.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/unit_names.h"
#include "session/session.h"

namespace vaneko {
namespace {

using catalogue::Language;
using catalogue::UnitList;

// The unit a query finds first, as the finder lists it.
catalogue::UnitHit FirstHit(std::string_view query) {
  const std::vector<catalogue::UnitHit> hits = catalogue::SearchUnits(query);
  if (hits.empty()) ADD_FAILURE() << "nothing found for " << query;
  return hits.empty() ? catalogue::UnitHit{-1, UnitList::From, -1, {}, false} : hits.front();
}

std::string_view Selected(const std::vector<std::string_view>& items, int row) {
  return row >= 0 && row < static_cast<int>(items.size()) ? items[static_cast<std::size_t>(row)]
                                                          : std::string_view("(none)");
}

struct Pick {
  std::string_view query;
  UnitList into;
};

struct PickCase {
  const char* name;
  Language language;
  int startTab;           // the tab shown before the picks
  std::string_view from;  // a unit already selected in the from-list of that tab, or empty
  std::vector<Pick> picks;
  std::string number;
  int tab;
  std::string_view index1;  // the units selected afterwards ("(none)" for no selection)
  std::string_view index2;
  std::string result;
};

class PickUnit : public ::testing::TestWithParam<PickCase> {};

TEST_P(PickUnit, SelectsTheTabAndTheRowAndConverts) {
  const PickCase& test = GetParam();
  Session session;
  convert::ConverterModel& converter = session.converter;
  session.SelectLanguage(test.language);
  converter.SelectTab(test.startTab);
  if (!test.from.empty()) {
    const auto& items = converter.FromItems;
    const auto at = std::find(items.begin(), items.end(), test.from);
    ASSERT_NE(at, items.end()) << test.from;
    converter.FromSelected = static_cast<int>(at - items.begin());
  }
  converter.Nombre1 = test.number;
  for (const Pick& pick : test.picks) {
    const catalogue::UnitHit hit = FirstHit(pick.query);
    session.PickUnit(hit.tab, hit.list, hit.position, pick.into);
  }
  EXPECT_EQ(converter.TabIndex, test.tab);
  EXPECT_EQ(Selected(converter.FromItems, converter.FromSelected), test.index1);
  EXPECT_EQ(Selected(converter.ToItems, converter.ToSelected), test.index2);
  EXPECT_EQ(converter.Result, test.result);
  EXPECT_TRUE(converter.NumberFreshEntry);  // converted: the next key starts a new number
}

// 60 mph = 60 × 1.609344 km/h = 96.56064 km/h; 1 atm = 101325 Pa and 1 psi = 0.45359237 ×
// 9.80665 N / 0.0254² m², so 1 atm = 14.6959487755134 psi; 100 °C = 373.15 K; 0 °C = 32 °F;
// 100 g of butter at 1.04 mL a gram is 104 mL, 104 × 0.202884136211058 = 21.09995016595 tsp.
// clang-format off
INSTANTIATE_TEST_SUITE_P(Finder, PickUnit, ::testing::Values(
    PickCase{"OtherTabThenBothLists", Language::English, 0, {}, {{"mph", UnitList::From}, {"kmh", UnitList::To}}, "60", 7, "Mile per Hour", "Kilometre per Hour", "96,56064"},
    PickCase{"ToListFirstThenFromList", Language::French, 2, {}, {{"psi", UnitList::To}, {"atm", UnitList::From}}, "1", 6, "Atmosphère", "PSI", "14,6959487755134"},
    PickCase{"TabShownKeepsTheOtherSelection", Language::French, 0, "Celcius", {{"kelvin", UnitList::To}}, "100", 0, "Celcius", "Kelvin", "373,15"},
    PickCase{"ANewTabDropsTheOldSelection", Language::French, 6, "Bar", {{"degF", UnitList::To}}, "100", 0, "(none)", "Fahrenheit", "0"},
    PickCase{"SameUnitInBothLists", Language::English, 0, {}, {{"degF", UnitList::From}, {"Fahrenheit", UnitList::To}}, "100", 0, "Fahrenheit", "Fahrenheit", "100"},
    PickCase{"AnEmptyNumberReadsAsZero", Language::English, 0, "Celcius", {{"degF", UnitList::To}}, "", 0, "Celcius", "Fahrenheit", "32"},
    PickCase{"KitchenFoodThenMeasure", Language::French, 0, {}, {{"beurre", UnitList::From}, {"cuilliere a the", UnitList::To}}, "100", 5, "Beurre", "Cuillière à thé", "21,09995016595"},
    PickCase{"KitchenFoodIntoTheToListTurnsTheTab", Language::English, 0, {}, {{"beurre", UnitList::To}}, "1", 5, "(none)", "Beurre", "0"}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

// The state the kitchen tab is left in, to compare the finder's way with the swap key's.
struct KitchenState {
  int tab;
  bool reversed;
  std::vector<std::string_view> index1, index2;
  int selected1, selected2;
  std::string result;
  bool operator==(const KitchenState&) const = default;
};

KitchenState StateOf(const convert::ConverterModel& converter) {
  return {converter.TabIndex,     converter.KitchenReversed, converter.FromItems, converter.ToItems,
          converter.FromSelected, converter.ToSelected,      converter.Result};
}

int FoodRow(std::string_view food) {
  const auto foods = catalogue::FromList(catalogue::kKitchenTab, Language::French);
  return static_cast<int>(std::find(foods.begin(), foods.end(), food) - foods.begin());
}

TEST(PickUnitKitchen, AMeasureIntoTheFromListTurnsTheTabAsTheSwapKeyDoes) {
  const int butter = FoodRow("Beurre");
  ASSERT_LT(butter, static_cast<int>(catalogue::FoodRows().size()));
  constexpr int kCup = 5;  // "Tasse"

  // By hand: butter in grams to cups, the swap key, then a click on "Tasse" in Index1 again.
  Session byHand;
  byHand.converter.Nombre1 = "100";
  byHand.converter.SelectTab(catalogue::kKitchenTab);
  byHand.converter.SelectFrom(butter);
  byHand.converter.Swap();
  byHand.converter.SelectFrom(kCup);

  Session found;
  found.converter.Nombre1 = "100";
  found.PickUnit(catalogue::kKitchenTab, UnitList::From, butter, UnitList::From);
  found.PickUnit(catalogue::kKitchenTab, UnitList::To, kCup, UnitList::From);

  EXPECT_TRUE(found.converter.KitchenReversed);
  EXPECT_EQ(Selected(found.converter.FromItems, found.converter.FromSelected), "Tasse");
  EXPECT_EQ(Selected(found.converter.ToItems, found.converter.ToSelected), "Beurre");
  EXPECT_EQ(StateOf(found.converter), StateOf(byHand.converter));

  // A food into the to-list now, its own side: no turn; then a food into the from-list turns
  // the tab back, the measure chosen moving with its list.
  found.PickUnit(catalogue::kKitchenTab, UnitList::From, butter + 1, UnitList::To);
  EXPECT_TRUE(found.converter.KitchenReversed);
  EXPECT_EQ(found.converter.ToSelected, butter + 1);
  found.PickUnit(catalogue::kKitchenTab, UnitList::From, butter, UnitList::From);
  EXPECT_FALSE(found.converter.KitchenReversed);
  EXPECT_EQ(found.converter.FromSelected, butter);
  EXPECT_EQ(found.converter.ToSelected, kCup);
  EXPECT_EQ(found.converter.FromItems.size(), catalogue::FoodRows().size());
  // 100 g of butter, 1.04 mL a gram, in cups: the same as by the lists themselves.
  Session lists;
  lists.converter.Nombre1 = "100";
  lists.converter.SelectTab(catalogue::kKitchenTab);
  lists.converter.SelectFrom(butter);
  lists.converter.SelectTo(kCup);
  EXPECT_EQ(found.converter.Result, lists.converter.Result);
  EXPECT_NE(found.converter.Result, "0");
}

TEST(PickUnit, OutOfRangeChangesNothing) {
  struct Case {
    int tab;
    UnitList list;
    int position;
  };
  const Case cases[] = {{-1, UnitList::From, 0},
                        {18, UnitList::From, 0},
                        {7, UnitList::From, -1},
                        {7, UnitList::From, 1000},
                        {0, UnitList::From, 4},
                        {catalogue::kKitchenTab, UnitList::To, 6},
                        {catalogue::kKitchenTab, UnitList::From, 283}};
  for (const Case& test : cases) {
    Session session;
    session.converter.Nombre1 = "5";
    session.converter.SelectTab(2);
    session.converter.SelectFrom(1);
    const KitchenState before = StateOf(session.converter);
    for (const UnitList into : {UnitList::From, UnitList::To})
      session.PickUnit(test.tab, test.list, test.position, into);
    EXPECT_EQ(StateOf(session.converter), before) << test.tab << " " << test.position;
  }
}

TEST(PickUnit, AFailedConversionKeepsTheChoice) {
  Session session;
  session.converter.Nombre1 = "1,2,3";
  const catalogue::UnitHit hit = FirstHit("psi");
  EXPECT_ANY_THROW(session.PickUnit(hit.tab, hit.list, hit.position, UnitList::From));
  EXPECT_EQ(session.converter.TabIndex, hit.tab);
  EXPECT_EQ(session.converter.FromSelected, hit.position);
}

}  // namespace
}  // namespace vaneko
