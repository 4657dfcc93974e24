// The swap key and the language keys: a change of language refills the lists, which turns the
// kitchen tab back to grams → measures, in either language.
#include <gtest/gtest.h>

#include "session/session.h"

namespace vaneko {
namespace {

class LanguageTurnsTheKitchenBack : public ::testing::TestWithParam<catalogue::Language> {};

TEST_P(LanguageTurnsTheKitchenBack, FoodsFirstAgain) {
  Session session;
  convert::ConverterModel& converter = session.converter;
  converter.SelectTab(catalogue::kKitchenTab);
  converter.Swap();
  ASSERT_TRUE(converter.KitchenReversed);
  ASSERT_EQ(converter.FromItems.size(), 6u);
  session.SelectLanguage(GetParam());
  EXPECT_FALSE(converter.KitchenReversed);
  EXPECT_EQ(converter.TabIndex, catalogue::kKitchenTab);
  ASSERT_EQ(converter.FromItems.size(), 283u);
  EXPECT_EQ(converter.FromItems.front(), "En Gramme ");
  EXPECT_EQ(converter.ToItems.size(), 6u);
  // And grams of butter go to millilitres again: 100 g × 1.04 mL/g.
  converter.Nombre1 = "100";
  converter.SelectFrom(24);
  converter.SelectTo(0);
  EXPECT_EQ(converter.Result, "104");
}

INSTANTIATE_TEST_SUITE_P(BothLanguages, LanguageTurnsTheKitchenBack,
                         ::testing::Values(catalogue::Language::English,
                                           catalogue::Language::French));

}  // namespace
}  // namespace vaneko
