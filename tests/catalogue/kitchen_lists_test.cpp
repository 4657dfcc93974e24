// The kitchen tab (grams of a food to a kitchen measure): a from-list of foods with a heading and
// letter-group separators, a to-list of six measures, both the same in French and in English.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <ostream>
#include <set>
#include <string_view>

#include "catalogue/catalogue.h"

namespace vaneko::catalogue {
namespace {

constexpr std::size_t kFromLines = 283;

// Positions of the lines that are not foods (besides the heading at 0): single blanks at 1 and
// 18, empty lines elsewhere.
constexpr int kSingleBlankLines[] = {1, 18};
constexpr int kEmptyLines[] = {30,  74,  76,  82,  125, 142, 150, 153, 163,
                               176, 187, 197, 236, 238, 254, 266, 278, 282};

bool IsSeparator(int position) {
  return std::ranges::find(kSingleBlankLines, position) != std::end(kSingleBlankLines) ||
         std::ranges::find(kEmptyLines, position) != std::end(kEmptyLines);
}

class KitchenListsTest : public ::testing::TestWithParam<Language> {};

TEST_P(KitchenListsTest, LengthsAndHeading) {
  const auto from = FromList(kKitchenTab, GetParam());
  ASSERT_EQ(from.size(), kFromLines);
  EXPECT_EQ(from[0], "En Gramme ");
  EXPECT_EQ(ToList(kKitchenTab, GetParam()).size(), 6u);
}

TEST_P(KitchenListsTest, SeparatorLines) {
  const auto from = FromList(kKitchenTab, GetParam());
  ASSERT_EQ(from.size(), kFromLines);
  for (int position : kSingleBlankLines) EXPECT_EQ(from[position], " ") << position;
  for (int position : kEmptyLines) EXPECT_EQ(from[position], "") << position;
}

// Every line but the heading and the 20 separators names a food: it holds a letter, not only
// blanks.
TEST_P(KitchenListsTest, EveryOtherLineIsAFood) {
  const auto from = FromList(kKitchenTab, GetParam());
  ASSERT_EQ(from.size(), kFromLines);
  int foods = 0;
  for (int position = 1; position < static_cast<int>(from.size()); ++position) {
    if (IsSeparator(position)) continue;
    EXPECT_NE(from[position].find_first_not_of(' '), std::string_view::npos) << position;
    EXPECT_NE(from[position].front(), ' ') << position;
    ++foods;
  }
  EXPECT_EQ(foods, 262);
}

TEST_P(KitchenListsTest, Measures) {
  const auto to = ToList(kKitchenTab, GetParam());
  ASSERT_EQ(to.size(), 6u);
  EXPECT_EQ(to[0], "Mililitre");
  EXPECT_EQ(to[1], "Cuillière à thé");
  EXPECT_EQ(to[2], "Cuilière à table");
  EXPECT_EQ(to[3], "Once UK");
  EXPECT_EQ(to[4], "Once");
  EXPECT_EQ(to[5], "Tasse");
}

INSTANTIATE_TEST_SUITE_P(BothLanguages, KitchenListsTest,
                         ::testing::Values(Language::French, Language::English));

TEST(KitchenLists, SameInBothLanguages) {
  EXPECT_TRUE(std::ranges::equal(FromList(kKitchenTab, Language::French),
                                 FromList(kKitchenTab, Language::English)));
  EXPECT_TRUE(std::ranges::equal(ToList(kKitchenTab, Language::French),
                                 ToList(kKitchenTab, Language::English)));
}

// Foods at the edges of every letter group, and names whose blanks are part of the name.
struct FoodCase {
  int position;
  std::string_view name;
};

void PrintTo(const FoodCase& c, std::ostream* os) {
  *os << "position " << c.position << " '" << c.name << "'";
}

constexpr FoodCase kFoods[] = {
    {2, "Abricot confit"},
    {14, "Arachide rôtie à l'huile non salée "},
    {15, "Arachide rôtie à l'huile salée "},
    {16, "Asperge "},
    {17, "Aubergine en cubes"},
    {19, "Banane en purée"},
    {21, "Basilic sec "},
    {24, "Beurre"},
    {29, "Bulgur"},
    {31, "Café instantané en poudre"},
    {73, "Curcuma moulu"},
    {75, "Datte séchée dénoyautée hachée"},
    {77, "Échalote hachée"},
    {81, "Épinard"},
    {83, "Farine arrowroot"},
    {124, "Fruit sec"},
    {126, "Gélatine"},
    {133, "Gras bœuf"},
    {140, "Gruau sec -- Flocons d'avoine"},
    {141, "Guimauve mini"},
    {143, "haricot blanc"},
    {149, "hoummos maison"},
    {151, "jaune œuf"},
    {152, "kiwi"},
    {154, "lait entier en poudre"},
    {162, "litchi"},
    {164, "macaroni blé entier"},
    {175, "mûre"},
    {177, "navet en cubes"},
    {186, "nouilles aux œufs sèches"},
    {188, "oeuf entier dur"},
    {196, "orge"},
    {198, "pacane en moitiés"},
    {235, "prune en tranches"},
    {237, "quinoa en grains"},
    {239, "radicchio filamenté"},
    {253, "rutabaga en cubes"},
    {255, "salsifis en tranches"},
    {265, "sucre granulé"},
    {267, "tamarin"},
    {275, "tomate  pâte en conserve"},
    {277, "tournesol grillé en graines"},
    {279, "vanille en extrait"},
    {280, "yaourt"},
    {281, "zucchini haché"},
};

class KitchenFoodTest : public ::testing::TestWithParam<FoodCase> {};

TEST_P(KitchenFoodTest, NameAtPosition) {
  const FoodCase& c = GetParam();
  for (Language language : {Language::French, Language::English}) {
    const auto from = FromList(kKitchenTab, language);
    ASSERT_EQ(from.size(), kFromLines);
    EXPECT_EQ(from[c.position], c.name);
  }
}

INSTANTIATE_TEST_SUITE_P(GroupEdgesAndBlanks, KitchenFoodTest, ::testing::ValuesIn(kFoods));

// Outer blanks belong only to the heading and four foods; only one food holds a double blank.
TEST(KitchenLists, BlanksInsideNamesOnlyWhereListed) {
  const std::set<int> trailing_blank = {0, 14, 15, 16, 21};
  const auto from = FromList(kKitchenTab, Language::French);
  ASSERT_EQ(from.size(), kFromLines);
  for (int position = 0; position < static_cast<int>(from.size()); ++position) {
    const std::string_view line = from[position];
    if (IsSeparator(position)) continue;
    EXPECT_EQ(line.back() == ' ', trailing_blank.contains(position)) << position;
    EXPECT_EQ(line.find("  ") != std::string_view::npos, position == 275) << position;
  }
}

}  // namespace
}  // namespace vaneko::catalogue
