// Unit definitions: one unit in its category's reference unit, a temperature scale's map to the
// kelvin, a food as the mass of one cup of it. The expected numbers are worked out from the
// units' legal definitions (1 in = 0,0254 m, 1 gal (US) = 231 in³, 1 gal (UK) = 4,54609 L,
// 1 Ci = 3,7E10 Bq, ...) rounded to 15 significant digits, a half away from zero.
#include "catalogue/unit_definition.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <ostream>
#include <string_view>

#include "catalogue/catalogue.h"

namespace vaneko::catalogue {
namespace {

using enum Language;

struct DefinitionCase {
  int tab;
  int position;
  Language language;
  ListSide side;
  std::string_view expected;
};

void PrintTo(const DefinitionCase& c, std::ostream* os) {
  *os << "tab " << c.tab << " position " << c.position << (c.language == English ? " en" : " fr")
      << (c.side == ListSide::To ? " to-list" : "");
}

constexpr int kDistance = 1;
constexpr int kLiquidVolume = 4;
constexpr int kRadioactivity = 16;

constexpr DefinitionCase F(int tab, int position, std::string_view expected) {
  return {tab, position, French, ListSide::From, expected};
}

// Every unit of three categories, in French.
constexpr DefinitionCase kWholeCategories[] = {
    // Distance: 1 in = 0,0254 m, 1 ft = 12 in, 1 yd = 3 ft, 1 mi = 1760 yd.
    F(kDistance, 0, "1 Pouce = 0,0254 Mètre"),
    F(kDistance, 1, "1 Main = 0,1016 Mètre"),      // 4 in
    F(kDistance, 2, "1 Pied = 0,3048 Mètre"),      // 12 in
    F(kDistance, 3, "1 Coudée = 0,4572 Mètre"),    // 18 in
    F(kDistance, 4, "1 Paces = 0,762 Mètre"),      // 2,5 ft
    F(kDistance, 5, "1 Verge = 0,9144 Mètre"),     // 3 ft
    F(kDistance, 6, "1 Brasse = 1,8288 Mètre"),    // 6 ft
    F(kDistance, 7, "1 Chaîne = 20,1168 Mètre"),   // 66 ft
    F(kDistance, 8, "1 Furlong = 201,168 Mètre"),  // 660 ft
    F(kDistance, 9, "1 Mile = 1 609,344 Mètre"),   // 5280 ft
    F(kDistance, 10, "1 Mile Nautique = 1 852 Mètre"),
    F(kDistance, 11, "1 Kilomètre = 1 000 Mètre"),
    F(kDistance, 12, "1 Mètre = 1 Mètre"),
    F(kDistance, 13, "1 Centimètre = 0,01 Mètre"),
    F(kDistance, 14, "1 Unité Astronomique = 149 598 000 000 Mètre"),  // the program's 1,49598E11 m
    // The program's light year (9 460 528 404 879 358 m) and parsec (648000/π au), rounded.
    F(kDistance, 15, "1 Année Lumière = 9,46052840487936E15 Mètre"),
    F(kDistance, 16, "1 Parsec = 3,08568024849531E16 Mètre"),
    // Liquid volume, in litres: 1 in³ = 16,387064 cm³; 1 gal (US) = 231 in³ = 128 fl oz (US),
    // 1 tbsp (US) = 1/2 fl oz, 1 tsp (US) = 1/3 tbsp; 1 gal (UK) = 4,54609 L = 160 fl oz (UK).
    F(kLiquidVolume, 0, "1 Centimètre Cube = 0,001 Litre"),
    F(kLiquidVolume, 1, "1 Mètre Cube = 1 000 Litre"),
    F(kLiquidVolume, 2, "1 Kilomètre Cube = 1 000 000 000 000 Litre"),
    F(kLiquidVolume, 3, "1 Litre = 1 Litre"),
    F(kLiquidVolume, 4, "1 Mililitre = 0,001 Litre"),
    F(kLiquidVolume, 5, "1 Pouce Cube = 0,016387064 Litre"),
    F(kLiquidVolume, 6, "1 Pied Cube = 28,316846592 Litre"),          // 1728 in³
    F(kLiquidVolume, 7, "1 Verge Cube = 764,554857984 Litre"),        // 27 ft³
    F(kLiquidVolume, 8, "1 Mile Cube = 4 168 181 825 440,58 Litre"),  // 1609,344³ m³, rounded
    F(kLiquidVolume, 9, "1 Acre-Feet = 1 233 481,83754752 Litre"),    // 43560 ft³
    F(kLiquidVolume, 10, "1 Corde = 3 624,556363776 Litre"),          // 128 ft³
    F(kLiquidVolume, 11, "1 Gallon Us = 3,785411784 Litre"),
    F(kLiquidVolume, 12, "1 Gallon UK = 4,54609 Litre"),
    F(kLiquidVolume, 13, "1 Pinte Us = 0,946352946 Litre"),  // a quarter gallon
    F(kLiquidVolume, 14, "1 Pinte UK = 1,1365225 Litre"),
    F(kLiquidVolume, 15, "1 Chopine Us = 0,473176473 Litre"),  // an eighth
    F(kLiquidVolume, 16, "1 Chopine UK = 0,56826125 Litre"),
    F(kLiquidVolume, 17, "1 Tasse US 8 oz = 0,2365882365 Litre"),  // a sixteenth
    F(kLiquidVolume, 18, "1 Tasse UK 10 oz = 0,284130625 Litre"),  // 10 fl oz (UK)
    F(kLiquidVolume, 19, "1 Tasse Metrique = 0,25 Litre"),
    F(kLiquidVolume, 20, "1 Once US = 0,0295735295625 Litre"),
    F(kLiquidVolume, 21, "1 Once UK = 0,0284130625 Litre"),
    F(kLiquidVolume, 22, "1 Cuillère à table Us = 0,01478676478125 Litre"),
    F(kLiquidVolume, 23, "1 Cuillère à thé Us = 0,00492892159375 Litre"),
    F(kLiquidVolume, 24, "1 Cuillère à table UK = 0,0177581640625 Litre"),       // 1/256 gal (UK)
    F(kLiquidVolume, 25, "1 Cuillère à thé UK = 0,00591938802083333 Litre"),     // 1/768
    F(kLiquidVolume, 26, "1 Cuillère à Dessert Uk = 0,0118387760416667 Litre"),  // 1/384
    F(kLiquidVolume, 27, "1 Cuillère à Dessert Us = 0,0098578431875 Litre"),     // 2 tsp (US)
    F(kLiquidVolume, 28, "1 Cuillère à table Metrique = 0,015 Litre"),
    F(kLiquidVolume, 29, "1 Cuillère à thé Metrique = 0,005 Litre"),
    // Radioactivity: 1 Ci = 3,7E10 Bq.
    F(kRadioactivity, 0, "1 Becquerel = 1 Becquerel"),
    F(kRadioactivity, 1, "1 Curie = 37 000 000 000 Becquerel"),
    F(kRadioactivity, 2, "1 Gigabecquerel = 1 000 000 000 Becquerel"),
    F(kRadioactivity, 3, "1 Kilobecquerel = 1 000 Becquerel"),
    F(kRadioactivity, 4, "1 Megabecquerel = 1 000 000 Becquerel"),
    F(kRadioactivity, 5, "1 Milicurie = 37 000 000 Becquerel"),
};

class WholeCategoryTest : public testing::TestWithParam<DefinitionCase> {};

TEST_P(WholeCategoryTest, StatesTheUnitInTheReferenceUnit) {
  const DefinitionCase& c = GetParam();
  EXPECT_EQ(UnitDefinition(c.tab, c.position, c.language, c.side), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Definitions, WholeCategoryTest, testing::ValuesIn(kWholeCategories));

TEST(WholeCategoryTableTest, CoversEveryUnitOfItsCategoriesOnce) {
  std::map<int, std::vector<int>> positions;
  for (const DefinitionCase& c : kWholeCategories) positions[c.tab].push_back(c.position);
  ASSERT_EQ(positions.size(), 3u);
  for (auto& [tab, seen] : positions) {
    std::sort(seen.begin(), seen.end());
    std::vector<int> every(FromList(tab, French).size());
    for (std::size_t k = 0; k < every.size(); ++k) every[k] = static_cast<int>(k);
    EXPECT_EQ(seen, every) << "tab " << tab;
  }
}

// The other kinds of definition, the English wording and the edges.
constexpr DefinitionCase kOtherCases[] = {
    // Temperature: kelvins = (x + offset) × kelvins per degree. 0 K is -459,67 °F and -273,15 °C;
    // a Fahrenheit or Rankine degree is 5/9 K.
    {0, 0, French, ListSide::From, "x Celcius = x + 273,15 Kelvin"},
    {0, 1, French, ListSide::From, "x Fahrenheit = (x + 459,67) × 5/9 Kelvin"},
    {0, 2, French, ListSide::From, "x Kelvin = x Kelvin"},
    {0, 3, English, ListSide::From, "x Rankine = x × 5/9 Kelvin"},
    // English names on both sides of the equals sign.
    {1, 10, English, ListSide::From, "1 Admiralty Mile = 1 852 Metre"},
    {1, 0, English, ListSide::From, "1 Inche = 0,0254 Metre"},
    {4, 11, English, ListSide::From, "1 Gallon Us = 3,785411784 Liter"},
    {3, 7, English, ListSide::From, "1 Acre = 4 046,8564224 Square Metre"},  // 43560 ft²
    {2, 4, French, ListSide::From, "1 Livre = 453,59237 Gramme"},
    {9, 4, English, ListSide::From, "1 Kilogram Force = 9,80665 Newton"},
    {11, 6, English, ListSide::From, "1 HorsePower = 746 Watt"},  // the electrical horsepower
    // Fuel economy: a distance per volume in km/L, a volume per distance in L/km.
    {12, 1, French, ListSide::From, "1 Litre par 100 kilometres = 0,01 Litre par kilometre"},
    // 1 mile / 1 US gallon = 1,609344 km / 3,785411784 L
    {12, 4, French, ListSide::From,
     "1 Mille par Gallon (US) = 0,425143707430272 Kilomètre par Litre"},
    // Angles: 1 rad = 180/π degrees, 1 grad = 0,9 degree, 1′ = 1/60 degree.
    {17, 4, French, ListSide::From, "1 Radian = 57,2957795130823 Degré"},
    {17, 3, English, ListSide::From, "1 Grad = 0,9 Degree"},
    {17, 1, French, ListSide::From, "1 Minute = 0,0166666666666667 Degré"},
    // A name ending in a blank is written without it; the table of energies gives 4185,8 J.
    {10, 16, French, ListSide::From, "1 Kilocalorie 15°C = 4 185,8 Joule"},
    // Kitchen foods: one cup (1/0,00422675283773037 mL, the measure's stored factor) divided by
    // the food's millilitres per gram; the same in both languages.
    {5, 89, French, ListSide::From, "1 Tasse = 125,178961111111 g"},  // flour, 1,89 mL/g
    {5, 89, English, ListSide::From, "1 Tasse = 125,178961111111 g"},
    {5, 4, French, ListSide::From, "1 Tasse = 151,659125961539 g"},   // 1,56 mL/g
    {5, 21, French, ListSide::From, "1 Tasse = 26,0273087458746 g"},  // 9,09 mL/g
    {5, 69, French, ListSide::From, "1 Tasse = 324,093474657535 g"},  // 0,73 mL/g
    // Kitchen measures, in millilitres from their stored factors.
    {5, 0, French, ListSide::To, "1 Mililitre = 1 Mililitre"},
    {5, 1, French, ListSide::To, "1 Cuillière à thé = 4,92892159375 Mililitre"},
    {5, 3, English, ListSide::To, "1 Once UK = 28,4130625 Mililitre"},
    {5, 5, French, ListSide::To, "1 Tasse = 236,5882365 Mililitre"},
    // Heading and separator lines of the kitchen tab define nothing.
    {5, 0, French, ListSide::From, ""},
    {5, 1, French, ListSide::From, ""},
    {5, 282, English, ListSide::From, ""},
    // No such position or tab.
    {1, -1, French, ListSide::From, ""},
    {1, 17, French, ListSide::From, ""},
    {5, 6, French, ListSide::To, ""},
    {5, 283, French, ListSide::From, ""},
    {0, 4, French, ListSide::From, ""},
    {-1, 0, French, ListSide::From, ""},
    {18, 0, French, ListSide::From, ""},
    {1, 0, static_cast<Language>(2), ListSide::From, ""},
};

class OtherDefinitionTest : public testing::TestWithParam<DefinitionCase> {};

TEST_P(OtherDefinitionTest, ReadsAsExpected) {
  const DefinitionCase& c = GetParam();
  EXPECT_EQ(UnitDefinition(c.tab, c.position, c.language, c.side), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Definitions, OtherDefinitionTest, testing::ValuesIn(kOtherCases));

// The reference unit of every tab, by name: what a definition is stated in.
struct ReferenceCase {
  int tab;
  int position;
  ListSide side;
  std::string_view reference;  // French name, or "" for none
};

void PrintTo(const ReferenceCase& c, std::ostream* os) {
  *os << "tab " << c.tab << " position " << c.position;
}

constexpr ReferenceCase kReferences[] = {
    {0, 0, ListSide::From, "Kelvin"},
    {1, 0, ListSide::From, "Mètre"},
    {2, 0, ListSide::From, "Gramme"},
    {3, 0, ListSide::From, "Mètre Carré"},
    {4, 0, ListSide::From, "Litre"},
    {5, 2, ListSide::To, "Mililitre"},
    {5, 2, ListSide::From, ""},  // foods are stated in grams
    {6, 0, ListSide::From, "Pascal"},
    {7, 0, ListSide::From, "Mètre par Seconde"},
    {8, 0, ListSide::From, "Mètre par Seconde Carré"},
    {9, 0, ListSide::From, "Newton"},
    {10, 0, ListSide::From, "Joule"},
    {11, 0, ListSide::From, "Watt"},
    {12, 3, ListSide::From, "Kilomètre par Litre"},
    {12, 1, ListSide::From, "Litre par kilometre"},
    {13, 0, ListSide::From, "Litres par Seconde"},
    {14, 0, ListSide::From, "Kilogrammes per Second"},
    {15, 0, ListSide::From, "Newton Mètre"},
    {16, 0, ListSide::From, "Becquerel"},
    {17, 0, ListSide::From, "Degré"},
    {1, 17, ListSide::From, ""},
};

class ReferenceTest : public testing::TestWithParam<ReferenceCase> {};

TEST_P(ReferenceTest, NamesTheTabsReferenceUnit) {
  const ReferenceCase& c = GetParam();
  const int reference = ReferencePosition(c.tab, c.position, c.side);
  if (c.reference.empty()) {
    EXPECT_EQ(reference, -1);
    return;
  }
  const auto list = c.side == ListSide::To ? ToList(c.tab, French) : FromList(c.tab, French);
  ASSERT_GE(reference, 0);
  ASSERT_LT(static_cast<std::size_t>(reference), list.size());
  EXPECT_EQ(list[static_cast<std::size_t>(reference)], c.reference);
}

INSTANTIATE_TEST_SUITE_P(Definitions, ReferenceTest, testing::ValuesIn(kReferences));

// Every unit of every tab has a definition, and it names the unit first.
TEST(DefinitionCoverageTest, EveryUnitIsDefined) {
  for (int tab = 0; tab < kCategoryCount; ++tab) {
    for (const Language language : {French, English}) {
      const auto from = FromList(tab, language);
      for (std::size_t k = 0; k < from.size(); ++k) {
        const std::string text = UnitDefinition(tab, static_cast<int>(k), language);
        if (tab == kKitchenTab) continue;  // foods say "1 Tasse"; headings nothing
        // The name without the blanks a few list names end with.
        const std::string_view name = from[k].substr(0, from[k].find_last_not_of(' ') + 1);
        const std::string head = (tab == kTemperatureTab ? "x " : "1 ") + std::string(name) + " = ";
        EXPECT_EQ(text.rfind(head, 0), 0u) << "tab " << tab << ": " << text;
      }
    }
  }
}

struct GroupingCase {
  std::string_view number;
  std::string_view grouped;
};

constexpr GroupingCase kGroupings[] = {
    {"0", "0"},
    {"999", "999"},
    {"1000", "1 000"},
    {"1852", "1 852"},
    {"37000000000", "37 000 000 000"},
    {"123456,789012", "123 456,789012"},  // the fraction keeps its digits together
    {"-1234,5", "-1 234,5"},
    {"-999", "-999"},
    {"0,000123456", "0,000123456"},
    {"1,5E20", "1,5E20"},  // exponent notation is left alone
    {"9,46052840487936E15", "9,46052840487936E15"},
    {"", ""},
};

class GroupedDigitsTest : public testing::TestWithParam<GroupingCase> {};

TEST_P(GroupedDigitsTest, GroupsTheWholePartByThrees) {
  EXPECT_EQ(GroupedDigits(GetParam().number), GetParam().grouped);
}

INSTANTIATE_TEST_SUITE_P(Definitions, GroupedDigitsTest, testing::ValuesIn(kGroupings));

}  // namespace
}  // namespace vaneko::catalogue
