// Kitchen measures: a mass of a food, in grams, to its volume in millilitres or a kitchen
// measure. The from-list position names a food (or a heading or separator line), the to-list
// position a measure.
#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>

#include "convert/dispatch.h"
#include "core/number_text.h"
#include "typed.h"

namespace vaneko::convert {
namespace {

using vaneko::testing::Typed;

constexpr int kKitchenTab = 5;
constexpr int kLines = 283;
constexpr int kMeasures = 6;

std::string Shown(int food, int measure, double grams) {
  const auto converted = ConvertPair(kKitchenTab, food, measure, Typed(grams));
  return converted ? FormatNumber(*converted) : "(no formula)";
}

struct KitchenExample {
  int food;
  int measure;
  double grams;
  const char* shown;
};

class KitchenExamples : public ::testing::TestWithParam<KitchenExample> {};

TEST_P(KitchenExamples, ShowTheVolume) {
  const KitchenExample& e = GetParam();
  EXPECT_EQ(Shown(e.food, e.measure, e.grams), e.shown);
}

INSTANTIATE_TEST_SUITE_P(
    Foods, KitchenExamples,
    ::testing::Values(KitchenExample{24, 0, 100, "104"},                // Beurre
                      KitchenExample{24, 5, 100, "0,439582295123958"},  // Beurre, Tasse
                      KitchenExample{21, 0, 1, "9,09"},                 // Basilic sec
                      KitchenExample{21, 1, 1, "1,84421679815852"},     // Basilic sec, tsp
                      KitchenExample{24, 0, -100, "-104"},              // negative mass
                      KitchenExample{24, 0, 0, "0"}));

// The first and the last food under each initial letter, with the millilitres per gram of its
// list line: a table shifted by one line fails here.
struct FoodLine {
  int position;
  const char* millilitresPerGram;
};

class FoodsKeepTheirListPositions : public ::testing::TestWithParam<FoodLine> {};

TEST_P(FoodsKeepTheirListPositions, OneGramInMillilitres) {
  EXPECT_EQ(Shown(GetParam().position, 0, 1), GetParam().millilitresPerGram);
}

INSTANTIATE_TEST_SUITE_P(
    GroupEdges, FoodsKeepTheirListPositions,
    ::testing::Values(FoodLine{2, "1,27"}, FoodLine{17, "2,89"}, FoodLine{19, "1,05"},
                      FoodLine{29, "1,69"}, FoodLine{31, "5,44"}, FoodLine{73, "1,69"},
                      FoodLine{75, "1,33"}, FoodLine{77, "1,48"}, FoodLine{81, "7,89"},
                      FoodLine{83, "1,85"}, FoodLine{124, "1,56"}, FoodLine{126, "1,08"},
                      FoodLine{141, "4,73"}, FoodLine{143, "1,17"}, FoodLine{149, "0,96"},
                      FoodLine{151, "0,88"}, FoodLine{152, "1,34"}, FoodLine{154, "1,85"},
                      FoodLine{162, "1,25"}, FoodLine{164, "2,25"}, FoodLine{175, "1,64"},
                      FoodLine{177, "1,82"}, FoodLine{186, "6,23"}, FoodLine{188, "1,74"},
                      FoodLine{196, "1,29"}, FoodLine{198, "2,39"}, FoodLine{235, "1,43"},
                      FoodLine{237, "1,39"}, FoodLine{239, "5,92"}, FoodLine{253, "1,69"},
                      FoodLine{255, "1,78"}, FoodLine{265, "1,18"}, FoodLine{267, "1,97"},
                      FoodLine{277, "1,77"}, FoodLine{279, "1,14"}, FoodLine{281, "1,91"}));

// The heading "En Gramme " and the blank separator lines.
const std::set<int> kNotFoods = {0,   1,   18,  30,  74,  76,  82,  125, 142, 150, 153,
                                 163, 176, 187, 197, 236, 238, 254, 266, 278, 282};

TEST(KitchenMeasures, HeadingAndSeparatorLinesHaveNoFormula) {
  for (const int line : kNotFoods) {
    for (int measure = 0; measure < kMeasures; ++measure) {
      EXPECT_FALSE(ConvertPair(kKitchenTab, line, measure, Typed(1)).has_value()) << line;
    }
  }
}

TEST(KitchenMeasures, NoFormulaOutsideTheLists) {
  EXPECT_FALSE(ConvertPair(kKitchenTab, -1, 0, Typed(1)).has_value());
  EXPECT_FALSE(ConvertPair(kKitchenTab, kLines, 0, Typed(1)).has_value());
  EXPECT_FALSE(ConvertPair(kKitchenTab, 24, -1, Typed(1)).has_value());
  EXPECT_FALSE(ConvertPair(kKitchenTab, 24, kMeasures, Typed(1)).has_value());
  EXPECT_FALSE(ConvertPair(kKitchenTab, -1, -1, Typed(1)).has_value());
}

// Every food converts to every measure, and a measure is the millilitres times the number of
// measures in a millilitre: US teaspoon 4.92892159375 mL, US tablespoon three of them, UK fluid
// ounce 28.4130625 mL, US fluid ounce 29.5735295625 mL, US cup eight US fluid ounces.
TEST(KitchenMeasures, EveryFoodToEveryMeasure) {
  const long double measureMl[kMeasures] = {1,           4.92892159375L, 3 * 4.92892159375L,
                                            28.4130625L, 29.5735295625L, 8 * 29.5735295625L};
  int foods = 0;
  for (int line = 0; line < kLines; ++line) {
    if (kNotFoods.count(line) != 0) continue;
    ++foods;
    const auto millilitres = ConvertPair(kKitchenTab, line, 0, Typed(250));
    ASSERT_TRUE(millilitres.has_value()) << line;
    EXPECT_GT(*millilitres, 0) << line;
    for (int measure = 1; measure < kMeasures; ++measure) {
      const auto converted = ConvertPair(kKitchenTab, line, measure, Typed(250));
      ASSERT_TRUE(converted.has_value()) << line << " to " << measure;
      const long double expected = *millilitres / measureMl[measure];
      // The measure factors are kept to 15 significant digits.
      EXPECT_LE(std::fabs(*converted - expected), 1E-14L * expected) << line << " to " << measure;
    }
  }
  EXPECT_EQ(foods, 262);
}

}  // namespace
}  // namespace vaneko::convert
