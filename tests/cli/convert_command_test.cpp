// vaneko-cli's catalogue and convert commands, run as a user runs them.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "run_cli.h"

namespace vaneko::testing {
namespace {

struct CliCase {
  std::vector<std::string> args;
  int exitCode;
  const char* out;
  const char* err;  // nullptr: only checked to be empty on success
};

class Cli : public ::testing::TestWithParam<CliCase> {};

TEST_P(Cli, PrintsAndExits) {
  const CliCase& c = GetParam();
  const CliRun run = RunCli(c.args);
  EXPECT_EQ(run.exitCode, c.exitCode) << run.err;
  EXPECT_EQ(run.out, c.out);
  if (c.err != nullptr) {
    EXPECT_EQ(run.err, c.err);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Convert, Cli,
    ::testing::Values(
        CliCase{{"convert", "0", "0", "1", "-40"}, 0, "-40\n", ""},
        CliCase{{"convert", "Distance", "0", "13", "1"}, 0, "2,54\n", ""},
        CliCase{{"convert", "1", "12", "13", "1"}, 0, "100\n", ""},
        CliCase{{"convert", "2", "4", "1", "1"}, 0, "0,45359237\n", ""},
        CliCase{{"convert", "0", "2", "0", "-500"}, 0, "-773,15\n", ""},
        CliCase{{"convert", "0", "0", "0", "007"}, 0, "7\n", ""},
        CliCase{{"convert", "Masse", "Livre", "Kilogramme", "1"}, 0, "0,45359237\n", ""},
        CliCase{
            {"convert", "--lang", "en", "Mass", "Pound", "Kilogram", "2"}, 0, "0,90718474\n", ""},
        CliCase{{"convert", "Température", "Celcius", "Kelvin", ""}, 0, "273,15\n", ""},
        CliCase{{"convert", "0", "0", "1", "1.5"},
                1,
                "",
                "'1.5' is not a valid floating point value.\n"
                "vaneko-cli: use a decimal comma, or --format=plain\n"},
        CliCase{{"convert", "0", "0", "1", "1E400"}, 1, "", "Floating point overflow.\n"}));

INSTANTIATE_TEST_SUITE_P(
    UsageErrors, Cli,
    ::testing::Values(CliCase{{}, 2, "", nullptr}, CliCase{{"frobnicate"}, 2, "", nullptr},
                      CliCase{{"convert", "0", "0", "1"}, 2, "", nullptr},
                      CliCase{{"convert", "18", "0", "1", "1"}, 2, "", nullptr},
                      CliCase{{"convert", "0", "4", "1", "1"}, 2, "", nullptr},
                      CliCase{{"convert", "0", "Pouce", "1", "1"}, 2, "", nullptr},
                      CliCase{{"convert", "--lang", "de", "0", "0", "1", "1"}, 2, "", nullptr},
                      CliCase{{"units"}, 2, "", nullptr},
                      CliCase{{"categories", "extra"}, 2, "", nullptr}));

TEST(CliCategories, PrintsTheEighteenCaptionsInBothLanguages) {
  const CliRun run = RunCli({"categories"});
  ASSERT_EQ(run.exitCode, 0);
  std::istringstream lines(run.out);
  std::vector<std::string> all;
  for (std::string line; std::getline(lines, line);) all.push_back(line);
  ASSERT_EQ(all.size(), 18u);
  EXPECT_EQ(all[0], "0\tTempérature\tTemperature");
  EXPECT_EQ(all[7], "7\tVitesse\tVelocyty");
  EXPECT_EQ(all[17], "17\tAngles\tAngles");
}

TEST(CliUnits, PrintsTheListInTheChosenLanguage) {
  const CliRun french = RunCli({"units", "6"});
  EXPECT_EQ(french.out.rfind("0\tAtmosphère\t", 0), 0u);
  const CliRun english = RunCli({"units", "Pression", "--lang", "en"});
  EXPECT_EQ(english.out.rfind("0\tAtmosphere\t", 0), 0u);
  EXPECT_NE(english.out.find("\n25\tTorr\t"), std::string::npos);
}

TEST(CliUnits, KitchenTabPrintsBothLists) {
  const CliRun run = RunCli({"units", "5"});
  ASSERT_EQ(run.exitCode, 0);
  EXPECT_EQ(run.out.substr(0, 14), "0\tEn Gramme \t\n");
  EXPECT_NE(run.out.find("\n282\t\t\n--\n0\tMililitre\t"), std::string::npos);
  const auto last = run.out.rfind("\n5\tTasse\t");
  ASSERT_NE(last, std::string::npos);
  EXPECT_EQ(run.out.find('\n', last + 1), run.out.size() - 1);
}

}  // namespace
}  // namespace vaneko::testing
