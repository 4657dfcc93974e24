// Unit lists of every tab but the kitchen one: the same units in both lists, the same length and
// order in both languages, and every name character for character.
#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string_view>

#include "catalogue/catalogue.h"

namespace vaneko::catalogue {
namespace {

constexpr int kUnitTabs[] = {0, 1, 2, 3, 4, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17};

struct EndsCase {
  int tab;
  std::string_view french_first;
  std::string_view french_last;
  std::string_view english_first;
  std::string_view english_last;
};

void PrintTo(const EndsCase& c, std::ostream* os) {
  *os << "tab " << c.tab;
}

constexpr EndsCase kEnds[] = {
    {0, "Celcius", "Rankine", "Celcius", "Rankine"},
    {1, "Pouce", "Parsec", "Inche", "Parsec"},
    {2, "Gramme", "Drachme", "Gram", "Dram"},
    {3, "Centimètre Carré", "Scare Rods", "Square Centimetre", "Scare Rods"},
    {4, "Centimètre Cube", "Cuillère à thé Metrique", "Cubic Centimetre", "Teaspoon Metric"},
    {6, "Atmosphère", "Torr", "Atmosphere", "Torr"},
    {7, "Centimetre par Heure", "Vitesse du Son", "Centimeter per Hour", "Speed of Sound"},
    {8, "Centimetre par Seconde Carré", "Mètre par Seconde Carré", "Centimetre per Second Squared",
     "Metre per Second Squared"},
    {9, "Dyne", "Tonne US Force", "Dyne", "Ton US Force"},
    {10, "British Termal Units(IT)", "Watt Seconde", "British Termal Units(IT)", "Watt Second"},
    {11, "Calories (IT) par Heure", "Gigawatt", "Calories (IT) per Hour", "Gigawatt"},
    {12, "Kilomètre par Litre", "Mille par Gallon (US)", "Kilomètre per Litre",
     "Mile per Gallon (US)"},
    {13, "Centimetre Cube par Heure", "Mililitres par Seconde", "Cubic Centimeter per Hour",
     "Mililitres per Second"},
    {14, "Grammes per Hour", "Slugs per Second", "Grams per Hour", "Slugs per Second"},
    {15, "Dyne Centimètre", "Tonne Mètre", "Dyne Centimetre", "Tonne Metre"},
    {16, "Becquerel", "Milicurie", "Becquerel", "Milicurie"},
    {17, "Degré", "Radian", "Degree", "Radian"},
};

class ListEndsTest : public ::testing::TestWithParam<EndsCase> {};

TEST_P(ListEndsTest, FirstAndLastNames) {
  const EndsCase& c = GetParam();
  const auto french = FromList(c.tab, Language::French);
  const auto english = FromList(c.tab, Language::English);
  ASSERT_FALSE(french.empty());
  ASSERT_FALSE(english.empty());
  EXPECT_EQ(french.front(), c.french_first);
  EXPECT_EQ(french.back(), c.french_last);
  EXPECT_EQ(english.front(), c.english_first);
  EXPECT_EQ(english.back(), c.english_last);
}

INSTANTIATE_TEST_SUITE_P(UnitTabs, ListEndsTest, ::testing::ValuesIn(kEnds));

// Names inside the lists, chosen where a missing or doubled row would show: misspellings,
// accents, trailing blanks and neighbours that differ only slightly.
struct NameCase {
  int tab;
  int position;
  Language language;
  std::string_view name;
};

void PrintTo(const NameCase& c, std::ostream* os) {
  *os << "tab " << c.tab << " position " << c.position << " '" << c.name << "'";
}

constexpr auto kFr = Language::French;
constexpr auto kEn = Language::English;

constexpr NameCase kNames[] = {
    {1, 4, kFr, "Paces"},
    {1, 4, kEn, "Paces"},
    {1, 8, kFr, "Furlong"},
    {1, 8, kEn, "Furlong"},
    {1, 9, kFr, "Mile"},
    {1, 9, kEn, "Mile"},
    {1, 10, kEn, "Admiralty Mile"},
    {1, 14, kEn, "Astromical Unit"},
    {2, 6, kEn, "Tonne Longue"},
    {3, 0, kEn, "Square Centimetre"},
    {3, 1, kEn, "Square Metre"},
    {3, 2, kEn, "Square Kilometre"},
    {3, 3, kEn, "Square Inch"},
    {3, 4, kEn, "Square Foot"},
    {3, 5, kEn, "Square Yard"},
    {3, 6, kEn, "Square Mile"},
    {3, 7, kEn, "Acre"},
    {3, 9, kFr, "Arès"},
    {4, 4, kEn, "Mililiter"},
    {4, 13, kFr, "Pinte Us"},
    {4, 13, kEn, "Quart Us"},
    {4, 16, kEn, "Pint UK"},
    {4, 26, kFr, "Cuillère à Dessert Uk"},
    {4, 27, kEn, "Dessertspoon Us"},
    {6, 4, kEn, "Centimetre of Wayer à 4°C"},
    {6, 7, kEn, "Dyne per Centimètre^2"},
    {6, 13, kFr, "Kilopascal"},
    {6, 13, kEn, "Kilopascal"},
    {6, 16, kEn, "Pound per Pied^2"},
    {6, 21, kFr, "Tonne(UK) par Pied^2"},
    {7, 12, kFr, "Neaud(UK)"},
    {7, 13, kEn, "Knot(US)"},
    {7, 14, kFr, "Mach"},
    {8, 2, kFr, "Gravité"},
    {9, 3, kEn, "Joule per Mètre"},
    {9, 12, kFr, "Tonne Métrique force"},
    {10, 15, kFr, "Joule"},
    {10, 16, kFr, "Kilocalorie 15°C "},
    {10, 16, kEn, "Kilocalorie 15°C "},
    {10, 17, kEn, "Kilocalorie 20°C"},
    {10, 30, kEn, "Newton Meter"},
    {10, 31, kFr, "Thermie"},
    {11, 3, kEn, "Calories (Th) per Heure"},
    {11, 7, kEn, "HorsePower Métric"},
    {11, 16, kEn, "KiloCalories (Th) per Seconde"},
    {11, 18, kFr, "Kilwatt"},
    {11, 18, kEn, "Kilwatt"},
    {12, 1, kFr, "Litre par 100 kilometres"},
    {13, 3, kFr, "Peid Cube par Hour"},
    {13, 17, kEn, "Fluid Ounces (UK) per Second"},
    {13, 18, kFr, "Once liquide (US) par Hour"},
    {13, 27, kEn, "Kilolitres per Hour"},
    {14, 9, kEn, "Pounds per Hour"},
    {15, 8, kFr, "Ton (short) Pied"},
    {15, 9, kEn, "Ton Feet"},
    {16, 2, kFr, "Gigabecquerel"},
    {17, 2, kEn, "Second"},
};

class InteriorNameTest : public ::testing::TestWithParam<NameCase> {};

TEST_P(InteriorNameTest, NameAtPosition) {
  const NameCase& c = GetParam();
  const auto list = FromList(c.tab, c.language);
  ASSERT_LT(static_cast<std::size_t>(c.position), list.size());
  EXPECT_EQ(list[c.position], c.name);
}

INSTANTIATE_TEST_SUITE_P(UnitTabs, InteriorNameTest, ::testing::ValuesIn(kNames));

TEST(UnitLists, ToListEqualsFromListExceptKitchen) {
  for (int tab : kUnitTabs) {
    for (Language language : {Language::French, Language::English}) {
      SCOPED_TRACE(testing::Message()
                   << "tab " << tab << " language " << static_cast<int>(language));
      const auto from = FromList(tab, language);
      const auto to = ToList(tab, language);
      EXPECT_TRUE(std::ranges::equal(from, to));
    }
  }
}

TEST(UnitLists, SameLengthInBothLanguages) {
  for (int tab : kUnitTabs) {
    EXPECT_EQ(FromList(tab, Language::French).size(), FromList(tab, Language::English).size())
        << "tab " << tab;
  }
}

TEST(UnitLists, TemperatureAndRadioactivityReadTheSameInEnglish) {
  for (int tab : {0, 16}) {
    EXPECT_TRUE(
        std::ranges::equal(FromList(tab, Language::French), FromList(tab, Language::English)))
        << "tab " << tab;
  }
  EXPECT_EQ(FromList(0, Language::English)[1], "Fahrenheit");
  EXPECT_EQ(FromList(16, Language::English)[3], "Kilobecquerel");
}

// "Kilocalorie 15°C " is the only unit name outside the kitchen tab with an outer blank, and no
// unit name holds two blanks in a row.
TEST(UnitLists, OnlyKilocalorie15HasATrailingBlank) {
  const std::string_view kilocalorie =
      "Kilocalorie 15\xC2\xB0"
      "C ";
  for (int tab : kUnitTabs) {
    for (Language language : {Language::French, Language::English}) {
      for (std::string_view name : FromList(tab, language)) {
        ASSERT_FALSE(name.empty()) << "tab " << tab;
        EXPECT_NE(name.front(), ' ') << "tab " << tab << " '" << name << "'";
        EXPECT_EQ(name.find("  "), std::string_view::npos) << "'" << name << "'";
        if (name.back() == ' ') {
          EXPECT_EQ(name, kilocalorie) << "tab " << tab;
        }
      }
    }
  }
}

}  // namespace
}  // namespace vaneko::catalogue
