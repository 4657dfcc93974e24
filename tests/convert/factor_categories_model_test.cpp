// Categories 4 to 17 through the converter model, as a user drives it: the unit lists of the
// catalogue and the pair formulas line up, and the result field behaves on faults and on lines
// without a formula.
#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "catalogue/catalogue.h"
#include "convert/converter_model.h"
#include "convert/dispatch.h"
#include "core/errors.h"
#include "registry/std_units.h"
#include "typed.h"

namespace vaneko::convert {
namespace {

using vaneko::testing::TabConversions;
using vaneko::testing::Typed;

constexpr int kKitchenTab = 5;
constexpr int kFuelTab = 12;

bool IsFoodLine(std::string_view line) {
  return line.find_first_not_of(' ') != std::string_view::npos && line != "En Gramme ";
}

TEST(FactorCategories, EveryListedPairHasAFormula) {
  registry::EnsureStandardUnits();  // liquid volume converts its registry pairs through it
  for (int tab = 4; tab < catalogue::kCategoryCount; ++tab) {
    if (tab == kKitchenTab) continue;
    const auto formula = TabConversions(tab);
    const int units =
        static_cast<int>(catalogue::FromList(tab, catalogue::Language::French).size());
    ASSERT_GT(units, 1) << tab;
    for (int i = 0; i < units; ++i) {
      for (int j = 0; j < units; ++j) {
        if (i == j) continue;
        // 1 converts without a fault in every category, fuel economy included.
        EXPECT_TRUE(Guarded([&] { return formula(i, j, Typed(1.0)); }).has_value())
            << "tab " << tab << ": " << i << " -> " << j;
      }
    }
    EXPECT_FALSE(formula(units, 0, Typed(1.0)).has_value()) << tab;
    EXPECT_FALSE(formula(0, units, Typed(1.0)).has_value()) << tab;
  }
}

TEST(FactorCategories, FoodsAreExactlyTheFoodLinesOfTheList) {
  const auto foods = catalogue::FromList(kKitchenTab, catalogue::Language::French);
  const auto measures = catalogue::ToList(kKitchenTab, catalogue::Language::French);
  ASSERT_EQ(foods.size(), 283u);
  ASSERT_EQ(measures.size(), 6u);
  for (int line = 0; line < static_cast<int>(foods.size()); ++line) {
    const std::string_view name = foods[static_cast<std::size_t>(line)];
    for (int measure = 0; measure < static_cast<int>(measures.size()); ++measure) {
      EXPECT_EQ(ConvertPair(kKitchenTab, line, measure, Typed(1.0)).has_value(), IsFoodLine(name))
          << line << " \"" << name << "\" to " << measure;
    }
  }
}

// Picks the tab and both units with `number` in the number field; returns the result field.
std::string Converted(ConverterModel& model, int tab, int from, int to, const char* number) {
  model.SelectTab(tab);
  model.Nombre1 = number;
  model.FromSelected = from;
  model.SelectTo(to);
  return model.Result;
}

TEST(FactorCategoriesModel, ConvertsThroughTheDispatch) {
  ConverterModel model;
  EXPECT_EQ(Converted(model, 4, 12, 18, "1"), "16");                  // Gallon UK to UK cups
  EXPECT_EQ(Converted(model, 4, 11, 3, "2"), "7,570823568");          // registry pair
  EXPECT_EQ(Converted(model, 5, 24, 5, "100"), "0,439582295123958");  // Beurre, Tasse
  EXPECT_EQ(Converted(model, 11, 10, 20, "1"), "1E-9");               // J/s to gigawatt
  EXPECT_EQ(Converted(model, 16, 1, 0, "1"), "37000000000");          // curie
  EXPECT_EQ(Converted(model, 12, 3, 1, "1"), "282,480936331822");     // mpg (UK) to L/100 km
}

TEST(FactorCategoriesModel, SameUnitShowsTheNumberItself) {
  ConverterModel model;
  EXPECT_EQ(Converted(model, kFuelTab, 1, 1, "007"), "7");
  EXPECT_EQ(Converted(model, 17, 4, 4, "1,50"), "1,5");
}

TEST(FactorCategoriesModel, EmptyNumberConvertsZero) {
  ConverterModel model;
  EXPECT_EQ(Converted(model, 6, 0, 14, ""), "0");
  EXPECT_EQ(model.Nombre1, "0");
}

TEST(FactorCategoriesModel, ZeroInAReciprocalFuelPairKeepsTheResult) {
  ConverterModel model;
  model.Result = "12,5";
  model.SelectTab(kFuelTab);
  model.Nombre1 = "";
  model.FromSelected = 0;
  try {
    model.SelectTo(1);
    ADD_FAILURE() << "no fault";
  } catch (const EZeroDivide& fault) {
    EXPECT_STREQ(fault.what(), "Floating point division by zero");
  }
  EXPECT_EQ(model.Nombre1, "0");
  EXPECT_EQ(model.Result, "12,5");
  // The factor pair of the same value is fine.
  EXPECT_EQ(Converted(model, kFuelTab, 0, 3, "0"), "0");
}

TEST(FactorCategoriesModel, KitchenLineWithoutFormulaKeepsTheResult) {
  ConverterModel model;
  model.Result = "3,5";
  EXPECT_EQ(Converted(model, kKitchenTab, 0, 0, "100"), "3,5");    // heading and millilitres
  EXPECT_EQ(Converted(model, kKitchenTab, 18, 2, "100"), "3,5");   // a separator line
  EXPECT_EQ(Converted(model, kKitchenTab, -1, -1, "100"), "3,5");  // nothing selected
  EXPECT_EQ(Converted(model, kKitchenTab, 24, 0, "100"), "104");   // Beurre
}

}  // namespace
}  // namespace vaneko::convert
