// The other names of units and categories, singular and plural, and the search of every
// category's units by what was typed.
#include "catalogue/unit_names.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "catalogue/unit_aliases.h"

namespace vaneko::catalogue {
namespace {

std::span<const std::string_view> Names(int tab, UnitList list, Language language) {
  return list == UnitList::From ? FromList(tab, language) : ToList(tab, language);
}

std::string_view SymbolOf(int tab, UnitList list, int position) {
  return list == UnitList::From ? UnitSymbol(tab, position) : ToListSymbol(tab, position);
}

// The quick first character and blank test agree with folding the whole text, for every name,
// symbol and alias of every list and for texts that start in a blank, an accent or a sign.
TEST(FoldName, FirstFoldedAndFoldsToNothingAgreeWithTheWholeFold) {
  std::vector<std::string_view> texts{
      "",   " ",        "\t \t",      "\xC2\xA0", " \xE2\x80\xAF ", "Éther", " Ångström", "°F",
      "µm", "  Kelvin", "\xC2\xA0km", "Œuf",      "\xFF broken",    "ß",     "'"};
  for (int tab = 0; tab < kCategoryCount; ++tab)
    for (const UnitList list : {UnitList::From, UnitList::To})
      for (const Language language : {Language::French, Language::English}) {
        const auto names = Names(tab, list, language);
        for (std::size_t position = 0; position < names.size(); ++position) {
          const int p = static_cast<int>(position);
          texts.push_back(names[position]);
          texts.push_back(SymbolOf(tab, list, p));
          for (const std::string_view alias : UnitAliases(tab, list, p)) texts.push_back(alias);
        }
      }
  for (const std::string_view text : texts) {
    const std::u32string folded = FoldName(text);
    EXPECT_EQ(FirstFolded(text), folded.empty() ? U'\0' : folded.front()) << text;
    EXPECT_EQ(FoldsToNothing(text), folded.empty()) << text;
  }
}

TEST(UnitAliases, EveryRowNamesAUnitOfItsList) {
  for (const UnitAliasRow& row : kUnitAliases) {
    const auto rowList = row.tab == kKitchenTab ? row.list : UnitList::From;
    const auto names = Names(row.tab, rowList, Language::English);
    EXPECT_NE(std::find(names.begin(), names.end(), row.unit), names.end())
        << "tab " << row.tab << ": no unit '" << row.unit << "'";
  }
}

TEST(UnitAliases, EveryFoodHasAnEnglishName) {
  const auto foods = FromList(kKitchenTab, Language::English);
  for (std::size_t position = 2; position < foods.size(); ++position) {
    if (FoldName(foods[position]).empty()) continue;
    EXPECT_FALSE(UnitAliases(kKitchenTab, UnitList::From, static_cast<int>(position)).empty())
        << foods[position];
  }
}

// An alias that another unit of the same list also answers to would be shadowed or ambiguous.
TEST(UnitAliases, NoAliasIsAnotherUnitsNameOrSymbolInItsList) {
  for (int tab = 0; tab < kCategoryCount; ++tab) {
    for (const UnitList list : {UnitList::From, UnitList::To}) {
      const auto french = Names(tab, list, Language::French);
      const auto english = Names(tab, list, Language::English);
      for (std::size_t a = 0; a < french.size(); ++a) {
        for (const std::string_view alias : UnitAliases(tab, list, static_cast<int>(a))) {
          const std::u32string key = SingularName(FoldName(alias));
          for (std::size_t b = 0; b < french.size(); ++b) {
            if (a == b) continue;
            std::vector<std::u32string> others{SingularName(FoldName(french[b])),
                                               SingularName(FoldName(english[b])),
                                               FoldName(SymbolOf(tab, list, static_cast<int>(b)))};
            for (const std::string_view other : UnitAliases(tab, list, static_cast<int>(b)))
              others.push_back(SingularName(FoldName(other)));
            for (const std::u32string& other : others)
              EXPECT_NE(key, other) << "tab " << tab << ": alias '" << alias << "' of '"
                                    << english[a] << "' is also '" << english[b] << "'";
          }
        }
      }
    }
  }
}

struct AliasCase {
  int tab;
  std::string_view unit;  // English list name
  std::string_view alias;
};

class Alias : public ::testing::TestWithParam<AliasCase> {};

// Aliases listed in the table and ASCII forms made from the symbols alike.
TEST_P(Alias, BelongsToItsUnit) {
  const AliasCase& c = GetParam();
  const auto names = FromList(c.tab, Language::English);
  const auto at = std::find(names.begin(), names.end(), c.unit);
  ASSERT_NE(at, names.end());
  const auto aliases = UnitAliases(c.tab, UnitList::From, static_cast<int>(at - names.begin()));
  EXPECT_NE(std::find(aliases.begin(), aliases.end(), c.alias), aliases.end()) << c.alias;
  // The to-list of an ordinary tab answers to the same names.
  const auto to = UnitAliases(c.tab, UnitList::To, static_cast<int>(at - names.begin()));
  EXPECT_NE(std::find(to.begin(), to.end(), c.alias), to.end()) << c.alias;
}

INSTANTIATE_TEST_SUITE_P(
    Rows, Alias,
    ::testing::Values(
        AliasCase{3, "Square Metre", "m2"}, AliasCase{3, "Square Metre", "m^2"},
        AliasCase{3, "Square Metre", "sq m"}, AliasCase{0, "Fahrenheit", "F"},
        AliasCase{0, "Fahrenheit", "degF"}, AliasCase{0, "Celcius", "Celsius"},
        AliasCase{15, "Newton Metre", "Nm"}, AliasCase{15, "Newton Metre", "N*m"},
        AliasCase{15, "Pound Feet", "lbf-ft"}, AliasCase{7, "Kilometre per Hour", "kph"},
        AliasCase{4, "Cubic Centimetre", "cc"}, AliasCase{4, "Cubic Centimetre", "cm3"},
        AliasCase{10, "British Termal Units(IT)", "BTU"},
        AliasCase{12, "Mile per Gallon (US)", "mpg"}, AliasCase{11, "Kilwatt", "Kilowatt"},
        AliasCase{6, "Centimetre of Wayer à 4°C", "cmH2O"}));

TEST(CategoryAliases, EveryCategoryHasOne) {
  for (int tab = 0; tab < kCategoryCount; ++tab) EXPECT_FALSE(CategoryAliases(tab).empty()) << tab;
  EXPECT_TRUE(CategoryAliases(-1).empty());
  EXPECT_TRUE(CategoryAliases(kCategoryCount).empty());
  EXPECT_TRUE(UnitAliases(0, UnitList::From, 99).empty());
}

struct SingularCase {
  const char32_t* text;
  const char32_t* singular;
};

class Singular : public ::testing::TestWithParam<SingularCase> {};

TEST_P(Singular, TakesEachLongWordToItsSingular) {
  EXPECT_EQ(SingularName(GetParam().text), std::u32string(GetParam().singular));
}

INSTANTIATE_TEST_SUITE_P(
    Words, Singular,
    ::testing::Values(SingularCase{U"inches", U"inch"}, SingularCase{U"metres", U"metre"},
                      SingularCase{U"square feet", U"square foot"},
                      SingularCase{U"miles per hour", U"mile per hour"},
                      SingularCase{U"boxes", U"box"}, SingularCase{U"brushes", U"brush"},
                      // short words and symbols stay: "ms" is not "m", "kts" stays
                      SingularCase{U"ms", U"ms"}, SingularCase{U"kts", U"kts"},
                      SingularCase{U"gauss", U"gauss"}, SingularCase{U"m/s", U"m/s"},
                      SingularCase{U"lbs/in2", U"lbs/in2"}, SingularCase{U"", U""}));

TEST(SearchUnits, FindsPrefixesFirstThenParts) {
  const auto hits = SearchUnits("mph");
  ASSERT_FALSE(hits.empty());
  EXPECT_EQ(hits.front().tab, 7);
  EXPECT_EQ(FromList(7, Language::English)[static_cast<std::size_t>(hits.front().position)],
            "Mile per Hour");
  EXPECT_TRUE(hits.front().prefix);
  bool seenPart = false;
  for (const UnitHit& hit : hits) {
    if (!hit.prefix) seenPart = true;
    EXPECT_FALSE(seenPart && hit.prefix) << "a prefix after a part";
  }
}

TEST(SearchUnits, FindsEveryCategoryOfANameWithAccentsFolded) {
  // "newton" is a force, an energy (N·m), a torque and a pressure (N/m²).
  std::vector<int> tabs;
  for (const UnitHit& hit : SearchUnits("NEWTON"))
    if (std::find(tabs.begin(), tabs.end(), hit.tab) == tabs.end()) tabs.push_back(hit.tab);
  for (const int tab : {6, 9, 10, 15})
    EXPECT_NE(std::find(tabs.begin(), tabs.end(), tab), tabs.end()) << tab;
  // French names fold: "kilometre" finds "Kilomètre" in Distance by its French name.
  bool distance = false;
  for (const UnitHit& hit : SearchUnits("kilomètre")) distance |= hit.tab == 1 && hit.prefix;
  EXPECT_TRUE(distance);
}

TEST(SearchUnits, FindsKitchenFoodsAndMeasuresButNotTheirHeadings) {
  bool food = false;
  bool measure = false;
  for (const UnitHit& hit : SearchUnits("tsp")) measure |= hit.tab == 5 && hit.list == UnitList::To;
  for (const UnitHit& hit : SearchUnits("flour"))
    food |= hit.tab == 5 && hit.list == UnitList::From;
  EXPECT_TRUE(food);
  EXPECT_TRUE(measure);
  for (const UnitHit& hit : SearchUnits("en gramme")) EXPECT_NE(hit.position, 0);
}

TEST(SearchUnits, EachUnitOnceAndNothingForAnEmptyQuery) {
  EXPECT_TRUE(SearchUnits("").empty());
  EXPECT_TRUE(SearchUnits("   ").empty());
  EXPECT_TRUE(SearchUnits("zzzzqq").empty());
  const auto hits = SearchUnits("m");
  for (std::size_t a = 0; a < hits.size(); ++a)
    for (std::size_t b = a + 1; b < hits.size(); ++b)
      EXPECT_FALSE(hits[a].tab == hits[b].tab && hits[a].list == hits[b].list &&
                   hits[a].position == hits[b].position);
}

}  // namespace
}  // namespace vaneko::catalogue
