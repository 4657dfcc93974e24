// Temperature, distance, mass and area through the converter model, as a user drives it.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>
#include <vector>

#include "convert/converter_model.h"
#include "core/errors.h"
#include "core/number_text.h"

namespace vaneko::convert {
namespace {

struct Conversion {
  int tab;
  int from;
  int to;
  const char* number;
  const char* result;
};

// Types `number`, picks the tab and both units, and returns the result field's text.
std::string ConvertOnce(ConverterModel& model, const Conversion& c) {
  model.SelectTab(c.tab);
  model.Nombre1 = c.number;
  model.FromSelected = c.from;
  model.SelectTo(c.to);
  return model.Result;
}

class ConvertsThroughTheRegistry : public ::testing::TestWithParam<Conversion> {};

TEST_P(ConvertsThroughTheRegistry, ShowsTheResult) {
  ConverterModel model;
  EXPECT_EQ(ConvertOnce(model, GetParam()), GetParam().result);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, ConvertsThroughTheRegistry,
    ::testing::Values(Conversion{0, 0, 1, "-40", "-40"}, Conversion{0, 1, 0, "-40", "-40"},
                      Conversion{0, 0, 1, "100", "212"}, Conversion{0, 0, 2, "100", "373,15"},
                      Conversion{0, 0, 3, "0", "491,67"}, Conversion{0, 2, 0, "-500", "-773,15"},
                      Conversion{0, 2, 0, "0", "-273,15"}, Conversion{0, 3, 1, "671,67", "212"},
                      Conversion{0, 0, 0, "007", "7"}, Conversion{0, 2, 2, "1,50", "1,5"},
                      Conversion{1, 0, 13, "1", "2,54"}, Conversion{1, 12, 13, "1", "100"},
                      Conversion{1, 9, 11, "1", "1,609344"}, Conversion{1, 2, 12, "1", "0,3048"},
                      Conversion{1, 13, 12, "250", "2,5"}, Conversion{1, 10, 12, "1", "1852"},
                      Conversion{1, 16, 14, "1", "206264,806247096"},
                      Conversion{2, 4, 1, "1", "0,45359237"},
                      Conversion{2, 1, 4, "1", "2,20462262184878"},
                      Conversion{2, 3, 0, "1", "28,349523125"}, Conversion{2, 6, 5, "1", "1,12"},
                      Conversion{3, 6, 2, "1", "2,589988110336"},
                      Conversion{3, 7, 8, "1", "0,40468564224"}, Conversion{3, 8, 9, "1", "100"},
                      Conversion{3, 0, 3, "1", "0,15500031000062"},
                      Conversion{1, 4, 4, "1,2345678901234567", "1,23456789012346"},
                      Conversion{1, 4, 4, " 2,5 ", "2,5"}, Conversion{1, 4, 4, "2,5e3", "2500"}));

// Metres per unit of the distance list, square metres of the area list, grams of the mass
// list: the international definitions, written here independently of the product's tables.
constexpr long double kInch = 0.0254L;
constexpr long double kFoot = 12 * kInch;
constexpr long double kYard = 3 * kFoot;
constexpr long double kMile = 1760 * kYard;
constexpr std::array<long double, 17> kMetres = {kInch,
                                                 4 * kInch,
                                                 kFoot,
                                                 1.5L * kFoot,
                                                 2.5L * kFoot,
                                                 kYard,
                                                 2 * kYard,
                                                 22 * kYard,
                                                 220 * kYard,
                                                 kMile,
                                                 1852.0L,
                                                 1000.0L,
                                                 1.0L,
                                                 0.01L,
                                                 149598000000.0L,
                                                 9460528404879358.0L,
                                                 30856802484953068.0L};
constexpr long double kPound = 0.45359237e3L;
constexpr std::array<long double, 9> kGrams = {1.0L,          1000.0L,       1e6L,
                                               kPound / 16,   kPound,        2000 * kPound,
                                               2240 * kPound, kPound / 7000, kPound / 256};
constexpr std::array<long double, 11> kSquareMetres = {1e-4L,
                                                       1.0L,
                                                       1e6L,
                                                       kInch* kInch,
                                                       kFoot* kFoot,
                                                       kYard* kYard,
                                                       kMile* kMile,
                                                       4840 * kYard* kYard,
                                                       1e4L,
                                                       100.0L,
                                                       30.25L * kYard* kYard};

template <std::size_t N>
void ExpectEveryPairIsTheRatioOfSizes(int tab, const std::array<long double, N>& sizes) {
  ConverterModel model;
  model.SelectTab(tab);
  ASSERT_EQ(model.FromItems.size(), N);
  for (int i = 0; i < static_cast<int>(N); ++i) {
    for (int j = 0; j < static_cast<int>(N); ++j) {
      model.Nombre1 = "1";
      model.FromSelected = i;
      model.SelectTo(j);
      const long double expected = sizes[i] / sizes[j];
      const long double shown = ReadNumber(model.Result);
      EXPECT_NEAR(static_cast<double>(shown / expected), 1.0, 1e-14)
          << "tab " << tab << " from " << i << " to " << j << ": " << model.Result;
    }
  }
}

TEST(EveryPair, DistanceIsTheRatioOfTheUnitLengths) {
  ExpectEveryPairIsTheRatioOfSizes(1, kMetres);
}
TEST(EveryPair, MassIsTheRatioOfTheUnitMasses) {
  ExpectEveryPairIsTheRatioOfSizes(2, kGrams);
}
TEST(EveryPair, AreaIsTheRatioOfTheUnitAreas) {
  ExpectEveryPairIsTheRatioOfSizes(3, kSquareMetres);
}

TEST(DoConvert, FillsEmptyFieldsWithZeroAndMarksFreshEntry) {
  ConverterModel model;
  model.NumberFreshEntry = false;
  model.DoConvert();  // both lists without selection
  EXPECT_EQ(model.Nombre1, "0");
  EXPECT_EQ(model.Result, "0");
  EXPECT_TRUE(model.NumberFreshEntry);
}

TEST(DoConvert, AnEmptyNumberConvertsZero) {
  ConverterModel model;
  model.FromSelected = 0;
  model.SelectTo(1);  // Celsius to Fahrenheit
  EXPECT_EQ(model.Nombre1, "0");
  EXPECT_EQ(model.Result, "32");
}

TEST(DoConvert, AListWithoutSelectionWritesNoResult) {
  ConverterModel model;
  model.Nombre1 = "5";
  model.SelectTo(1);
  EXPECT_EQ(model.Result, "0");  // empty before, so step 2 put "0" there
  model.Result = "12";
  model.SelectFrom(-1);
  EXPECT_EQ(model.Result, "12");
}

struct Failure {
  const char* number;
  const char* message;
};

class DoConvertFails : public ::testing::TestWithParam<Failure> {};

TEST_P(DoConvertFails, LeavesTheResultAndTheValueAlone) {
  ConverterModel model;
  model.Nombre1 = "3";
  model.FromSelected = 0;
  model.SelectTo(1);
  ASSERT_EQ(model.Result, "37,4");
  model.Nombre1 = GetParam().number;
  model.NumberFreshEntry = false;
  try {
    model.DoConvert();
    FAIL() << "no error";
  } catch (const VanekoError& e) {
    EXPECT_STREQ(e.what(), GetParam().message);
  }
  EXPECT_EQ(model.Result, "37,4");
  EXPECT_EQ(model.ConversionValue, 3.0);
  EXPECT_TRUE(model.NumberFreshEntry);
  EXPECT_EQ(model.Nombre1, GetParam().number);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, DoConvertFails,
    ::testing::Values(Failure{"1.5", "'1.5' is not a valid floating point value"},
                      Failure{"1E400", "Floating point overflow"},
                      Failure{"-1E309", "Floating point overflow"},
                      Failure{"abc", "'abc' is not a valid floating point value"}));

TEST(TabControl1Change, RefillsBothListsWithoutConvertingOrSelecting) {
  ConverterModel model;
  model.Nombre1 = "1";
  model.FromSelected = 0;
  model.SelectTo(1);
  const std::string shown = model.Result;
  model.SelectTab(4);
  ASSERT_EQ(model.FromItems.size(), 30u);
  EXPECT_EQ(model.FromItems.front(), "Centimètre Cube");
  EXPECT_EQ(model.FromItems.back(), "Cuillère à thé Metrique");
  EXPECT_EQ(model.ToItems, model.FromItems);
  EXPECT_EQ(model.FromSelected, -1);
  EXPECT_EQ(model.ToSelected, -1);
  EXPECT_EQ(model.Result, shown);
  model.DisplayLanguage = catalogue::Language::English;
  model.TabControl1Change();
  EXPECT_EQ(model.FromItems.front(), "Cubic Centimetre");
  EXPECT_EQ(model.FromItems.back(), "Teaspoon Metric");
}

TEST(TabControl1Change, KitchenTabHasItsOwnToList) {
  ConverterModel model;
  model.SelectTab(5);
  ASSERT_EQ(model.FromItems.size(), 283u);
  EXPECT_EQ(model.FromItems[0], "En Gramme ");
  EXPECT_EQ(model.FromItems[1], " ");
  EXPECT_EQ(model.ToItems.size(), 6u);
}

TEST(TabControl1Change, AnUnknownLanguageOrTabChangesNothing) {
  ConverterModel model;
  model.DisplayLanguage = static_cast<catalogue::Language>(7);
  model.TabIndex = 3;
  model.TabControl1Change();
  EXPECT_EQ(model.FromItems.front(), "Celcius");
  model.DisplayLanguage = catalogue::Language::French;
  model.TabIndex = 18;
  model.TabControl1Change();
  EXPECT_EQ(model.FromItems.front(), "Celcius");
}

TEST(StartUp, TheListsHoldTheFrenchTemperaturesWithNothingSelected) {
  ConverterModel model;
  const std::vector<std::string_view> expected = {"Celcius", "Fahrenheit", "Kelvin", "Rankine"};
  EXPECT_EQ(model.FromItems, expected);
  EXPECT_EQ(model.ToItems, expected);
  EXPECT_EQ(model.FromSelected, -1);
  EXPECT_EQ(model.TabIndex, 0);
  // A click in a list converts temperatures before any tab was clicked.
  model.Nombre1 = "0";
  model.FromSelected = 0;
  model.SelectTo(2);
  EXPECT_EQ(model.Result, "273,15");
}

}  // namespace
}  // namespace vaneko::convert
