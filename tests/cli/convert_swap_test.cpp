// vaneko-cli convert with the kitchen tab turned round (a measure as FROM, a food as TO, or
// --swap with positions) and --swap on the other tabs. Expected figures: a measure applied as
// its 15-digit count per millilitre (a cup is 1 / 0.00422675283773037 mL), a food as its
// millilitres per gram, the other units by their definitions.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "run_cli.h"

namespace vaneko::testing {
namespace {

struct SwapCliCase {
  const char* what;
  std::vector<std::string> args;
  int exitCode;
  const char* out;
};

class ConvertSwap : public ::testing::TestWithParam<SwapCliCase> {};

TEST_P(ConvertSwap, PrintsAndExits) {
  const SwapCliCase& c = GetParam();
  const CliRun run = RunCli(c.args);
  EXPECT_EQ(run.exitCode, c.exitCode) << run.err;
  EXPECT_EQ(run.out, c.out);
  if (c.exitCode == 0) {
    EXPECT_EQ(run.err, "");
  } else {
    EXPECT_NE(run.err, "");
  }
}

INSTANTIATE_TEST_SUITE_P(
    Kitchen, ConvertSwap,
    ::testing::Values(
        // 3 / (0.00422675283773037 × 1.89) = 375.5368833333337...
        SwapCliCase{"MeasureThenFood",
                    {"convert", "Gramme-Volume", "Tasse", "Farine blé blanche tout usage", "3"},
                    0,
                    "375,536883333334\n"},
        SwapCliCase{"SwapWithPositions",
                    {"convert", "--swap", "5", "5", "89", "3"},
                    0,
                    "375,536883333334\n"},
        SwapCliCase{"SwapAfterTheCategory",
                    {"convert", "5", "--swap", "5", "89", "3"},
                    0,
                    "375,536883333334\n"},
        // 1 / (0.00422675283773037 × 1.04) = 227.4886889423076...
        SwapCliCase{"MeasureBySymbol",
                    {"convert", "Gramme-Volume", "cup (US)", "beurre", "1"},
                    0,
                    "227,488688942308\n"},
        SwapCliCase{"Millilitres", {"convert", "--swap", "5", "0", "24", "104"}, 0, "100\n"},
        SwapCliCase{"PlainFormat",
                    {"--format=plain", "convert", "--swap", "5", "0", "89", "1"},
                    0,
                    "0.529100529100529\n"},
        SwapCliCase{"SwapWithNames",
                    {"convert", "--swap", "5", "Tasse", "Beurre", "1"},
                    0,
                    "227,488688942308\n"},
        // Grams to a measure stays as it was: 100 g of butter, 104 mL, in cups.
        SwapCliCase{"FoodThenMeasure",
                    {"convert", "Gramme-Volume", "Beurre", "Tasse", "100"},
                    0,
                    "0,439582295123958\n"},
        SwapCliCase{
            "HeadingLineConvertsNothing", {"convert", "--swap", "5", "5", "0", "1"}, 0, "0\n"},
        // Positions keep their listed meaning without --swap: food 5, then no measure 89.
        SwapCliCase{"PositionsNeedSwap", {"convert", "5", "5", "89", "3"}, 2, ""},
        SwapCliCase{
            "SwapNeedsAMeasureFirst", {"convert", "--swap", "5", "Beurre", "Tasse", "1"}, 2, ""},
        SwapCliCase{"NoSuchFood", {"convert", "Gramme-Volume", "Tasse", "Chocolat", "1"}, 2, ""},
        SwapCliCase{"SwapPastTheMeasures", {"convert", "--swap", "5", "6", "89", "1"}, 2, ""}),
    [](const auto& info) { return std::string(info.param.what); });

INSTANTIATE_TEST_SUITE_P(
    OtherTabs, ConvertSwap,
    ::testing::Values(
        // 1 cm in inches: 1 / 2.54.
        SwapCliCase{"Distance",
                    {"convert", "--swap", "Distance", "Pouce", "Centimètre", "1"},
                    0,
                    "0,393700787401575\n"},
        // 100 °F in °C: (100 − 32) × 5 / 9.
        SwapCliCase{
            "Temperature", {"convert", "--swap", "0", "0", "1", "100"}, 0, "37,7777777777778\n"},
        SwapCliCase{"SameUnit", {"convert", "--swap", "1", "12", "12", "007"}, 0, "7\n"},
        SwapCliCase{"Unreadable", {"convert", "--swap", "1", "0", "13", "1.5"}, 1, ""},
        SwapCliCase{
            "EveryUnitNeedsNoSwap", {"convert", "--swap", "Distance", "Pouce", "*", "1"}, 2, ""}),
    [](const auto& info) { return std::string(info.param.what); });

// A cup of every food: one line per food, the heading and blank lines left out.
TEST(ConvertSwapEveryFood, OneLinePerFood) {
  const CliRun run = RunCli({"convert", "--swap", "5", "Tasse", "*", "1"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 262);
  // 1 / (0.00422675283773037 × 1.27) = 186.28995000000...; the last food, 1.91 mL per gram.
  EXPECT_EQ(run.out.substr(0, run.out.find('\n') + 1), "Abricot confit\t186,28995\n");
  EXPECT_NE(run.out.find("\nzucchini haché\t123,868186649215\n"), std::string::npos);
  EXPECT_EQ(run.out.find("En Gramme"), std::string::npos);
  EXPECT_EQ(run.out.find("\n\t"), std::string::npos);
}

}  // namespace
}  // namespace vaneko::testing
