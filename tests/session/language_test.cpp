// The language keys of the about panel.
#include <gtest/gtest.h>

#include <string_view>
#include <vector>

#include "session/session.h"

namespace vaneko {
namespace {

TEST(Language, EnglishKeepsTheTabAndRefillsTheLists) {
  Session session;
  session.converter.SelectTab(6);  // "Pression"
  session.SelectLanguage(catalogue::Language::English);
  EXPECT_EQ(session.captions.Tabs[0], "Temperature");
  EXPECT_EQ(session.captions.Tabs[2], "Mass");
  EXPECT_EQ(session.captions.Tabs[6], "Pressure");
  EXPECT_EQ(session.captions.Tabs[7], "Velocyty");
  EXPECT_EQ(session.captions.Tabs[17], "Angles");
  EXPECT_EQ(session.converter.TabIndex, 6);
  EXPECT_EQ(session.converter.DisplayLanguage, catalogue::Language::English);
  ASSERT_EQ(session.converter.FromItems.size(), 26u);
  EXPECT_EQ(session.converter.FromItems.front(), "Atmosphere");
  EXPECT_EQ(session.converter.FromItems.back(), "Torr");
  EXPECT_EQ(session.converter.ToItems, session.converter.FromItems);
}

struct CaptionCase {
  bool english;
  std::vector<std::string_view> captions;  // Button1, 2, 22, 23, Label2, 3, 4, 5
};

class LanguageCaptions : public ::testing::TestWithParam<CaptionCase> {};

TEST_P(LanguageCaptions, RewritesTheEightCaptions) {
  Session session;
  if (GetParam().english) {
    session.SelectLanguage(catalogue::Language::English);
  } else {
    session.SelectLanguage(catalogue::Language::English);
    session.SelectLanguage(catalogue::Language::French);
  }
  const Captions& c = session.captions;
  const std::vector<std::string_view> shown = {c.Button1, c.Button2, c.Button22, c.Button23,
                                               c.Label2,  c.Label3,  c.Label4,   c.Label5};
  EXPECT_EQ(shown, GetParam().captions);
}

INSTANTIATE_TEST_SUITE_P(
    Languages, LanguageCaptions,
    ::testing::Values(CaptionCase{true,
                                  {"Quit", "Calculate", "Get Result", "Paste", "Nomber to Convert",
                                   "to", "From", "Résult"}},
                      CaptionCase{false,
                                  {"Quitter", "Calculer", "Saisir Résultat", "Coller",
                                   "Nombre à convertir", "À", "De", "Résultat"}}));

TEST(Language, FrenchRightAfterStartUpOnlyTurnsDEIntoDe) {
  Session session;
  EXPECT_EQ(session.captions.Label4, "DE");
  EXPECT_EQ(session.captions.Tabs[0], "Température");
  session.SelectLanguage(catalogue::Language::French);
  EXPECT_EQ(session.captions.Label4, "De");
  EXPECT_EQ(session.captions.Tabs[0], "Température");
  EXPECT_EQ(session.converter.FromItems.front(), "Celcius");
}

TEST(Language, ClearsTheSelectionsAndLeavesTheFieldsAlone) {
  Session session;
  session.converter.Nombre1 = "1";
  session.converter.SelectFrom(0);
  session.converter.SelectTo(1);
  ASSERT_EQ(session.converter.Result, "33,8");
  session.SelectLanguage(catalogue::Language::English);
  EXPECT_EQ(session.converter.FromSelected, -1);
  EXPECT_EQ(session.converter.ToSelected, -1);
  EXPECT_EQ(session.converter.Result, "33,8");
  EXPECT_EQ(session.converter.Nombre1, "1");
}

TEST(Language, KitchenListsAreTheSameInBothLanguages) {
  Session session;
  session.converter.SelectTab(5);
  const auto french = session.converter.ToItems;
  session.SelectLanguage(catalogue::Language::English);
  EXPECT_EQ(session.converter.ToItems, french);
  EXPECT_EQ(session.converter.FromItems.size(), 283u);
}

}  // namespace
}  // namespace vaneko
