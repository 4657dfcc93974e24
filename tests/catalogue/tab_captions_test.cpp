// Tab captions and list lengths of the 18 categories, and what a lookup outside the catalogue gets.
#include <gtest/gtest.h>

#include <climits>
#include <cstddef>
#include <ostream>
#include <string_view>

#include "catalogue/catalogue.h"

namespace vaneko::catalogue {
namespace {

struct TabCase {
  int tab;
  std::string_view french;
  std::string_view english;
  std::size_t from_count;
  std::size_t to_count;
};

void PrintTo(const TabCase& c, std::ostream* os) {
  *os << "tab " << c.tab << " " << c.english;
}

constexpr TabCase kTabs[] = {
    {0, "Température", "Temperature", 4, 4},
    {1, "Distance", "Distance", 17, 17},
    {2, "Masse", "Mass", 9, 9},
    {3, "Surface", "Area", 11, 11},
    {4, "Volume Liquide", "Fluid Volume", 30, 30},
    {5, "Gramme-Volume", "Gramme-Volume", 283, 6},
    {6, "Pression", "Pressure", 26, 26},
    {7, "Vitesse", "Velocyty", 23, 23},
    {8, "Accélération", "Acceleration", 5, 5},
    {9, "Force", "Force", 15, 15},
    {10, "Énergie", "Energy", 38, 38},
    {11, "Pouvoir", "Power", 21, 21},
    {12, "Essence", "Fuel", 5, 5},
    {13, "Débit", "Flow", 36, 36},
    {14, "Débit (Masse)", "Flow (Mass)", 15, 15},
    {15, "Torque", "Torque", 11, 11},
    {16, "Radioactivité", "Radioactivity", 6, 6},
    {17, "Angles", "Angles", 5, 5},
};

class TabCaptionsTest : public ::testing::TestWithParam<TabCase> {};

TEST_P(TabCaptionsTest, CaptionsInBothLanguages) {
  const TabCase& c = GetParam();
  EXPECT_EQ(TabCaption(c.tab, Language::French), c.french);
  EXPECT_EQ(TabCaption(c.tab, Language::English), c.english);
}

TEST_P(TabCaptionsTest, ListLengthsInBothLanguages) {
  const TabCase& c = GetParam();
  for (Language language : {Language::French, Language::English}) {
    SCOPED_TRACE(static_cast<int>(language));
    EXPECT_EQ(FromList(c.tab, language).size(), c.from_count);
    EXPECT_EQ(ToList(c.tab, language).size(), c.to_count);
  }
}

INSTANTIATE_TEST_SUITE_P(AllTabs, TabCaptionsTest, ::testing::ValuesIn(kTabs));

TEST(TabCaptions, TableCoversEveryCategory) {
  EXPECT_EQ(std::size(kTabs), static_cast<std::size_t>(kCategoryCount));
  EXPECT_EQ(TabCaption(kKitchenTab, Language::French), "Gramme-Volume");
}

// Accented captions are stored as UTF-8, whatever the compiler's execution character set.
TEST(TabCaptions, AccentsAreUtf8) {
  EXPECT_EQ(TabCaption(0, Language::French), "Temp\xC3\xA9rature");
  EXPECT_EQ(TabCaption(10, Language::French), "\xC3\x89nergie");
}

// A tab index outside 0 to 17, or a language value that is neither French nor English, has no
// caption and no lists.
struct OutsideCase {
  int tab;
  Language language;
};

void PrintTo(const OutsideCase& c, std::ostream* os) {
  *os << "tab " << c.tab << " language " << static_cast<int>(c.language);
}

class OutsideCatalogueTest : public ::testing::TestWithParam<OutsideCase> {};

TEST_P(OutsideCatalogueTest, EmptyCaptionAndLists) {
  const OutsideCase& c = GetParam();
  EXPECT_TRUE(TabCaption(c.tab, c.language).empty());
  EXPECT_TRUE(FromList(c.tab, c.language).empty());
  EXPECT_TRUE(ToList(c.tab, c.language).empty());
}

INSTANTIATE_TEST_SUITE_P(BadTabOrLanguage, OutsideCatalogueTest,
                         ::testing::Values(OutsideCase{-1, Language::French},
                                           OutsideCase{18, Language::French},
                                           OutsideCase{18, Language::English},
                                           OutsideCase{100, Language::English},
                                           OutsideCase{INT_MIN, Language::French},
                                           OutsideCase{INT_MAX, Language::English},
                                           OutsideCase{0, static_cast<Language>(2)},
                                           OutsideCase{5, static_cast<Language>(-1)}));

}  // namespace
}  // namespace vaneko::catalogue
