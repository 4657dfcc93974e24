// vaneko-cli units CATEGORY --definitions: the list with each unit's definition as a last column.
// Expected definitions follow from the units' legal sizes (1 Ci = 3,7E10 Bq, 1 rad = 180/π °,
// 1 gal (US) = 231 in³ = 3,785411784 L, a US cup of flour at 1,89 mL/g).
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "run_cli.h"

namespace vaneko::testing {
namespace {

std::vector<std::string> Lines(const std::string& text) {
  std::istringstream stream(text);
  std::vector<std::string> lines;
  for (std::string line; std::getline(stream, line);) lines.push_back(line);
  return lines;
}

struct DefinitionsCase {
  std::vector<std::string> args;
  std::size_t lineCount;
  std::size_t line;
  std::string expected;
};

void PrintTo(const DefinitionsCase& c, std::ostream* os) {
  for (const std::string& arg : c.args) *os << arg << ' ';
  *os << "line " << c.line;
}

class CliUnitDefinitions : public ::testing::TestWithParam<DefinitionsCase> {};

TEST_P(CliUnitDefinitions, AddsTheDefinitionAsLastColumn) {
  const DefinitionsCase& c = GetParam();
  const CliRun run = RunCli(c.args);
  ASSERT_EQ(run.exitCode, 0) << run.err;
  const auto lines = Lines(run.out);
  ASSERT_EQ(lines.size(), c.lineCount);
  EXPECT_EQ(lines[c.line], c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Units, CliUnitDefinitions,
    ::testing::Values(
        DefinitionsCase{{"units", "Radioactivité", "--definitions"},
                        6,
                        1,
                        "1\tCurie\tCi\t1 Curie = 37 000 000 000 Becquerel"},
        // The option may come first, and the language applies to the definitions too.
        DefinitionsCase{{"units", "--definitions", "Angles", "--lang=en"},
                        5,
                        4,
                        "4\tRadian\trad\t1 Radian = 57,2957795130823 Degree"},
        DefinitionsCase{{"units", "4", "--definitions"},
                        30,
                        11,
                        "11\tGallon Us\tgal (US)\t1 Gallon Us = 3,785411784 Litre"},
        DefinitionsCase{
            {"units", "0", "--definitions"}, 4, 0, "0\tCelcius\t°C\tx Celcius = x + 273,15 Kelvin"},
        // The kitchen tab: foods by the grams of a cup of them, headings with an empty column,
        // then the measures in millilitres.
        DefinitionsCase{{"units", "5", "--definitions"},
                        283 + 1 + 6,
                        89,
                        "89\tFarine blé blanche tout usage\t\t1 Tasse = 125,178961111111 g"},
        DefinitionsCase{{"units", "5", "--definitions"}, 290, 0, "0\tEn Gramme \t\t"},
        DefinitionsCase{{"units", "5", "--definitions"},
                        290,
                        284 + 3,
                        "3\tOnce UK\tfl oz (UK)\t1 Once UK = 28,4130625 Mililitre"}));

TEST(CliUnitDefinitions, WithoutTheOptionTheListKeepsThreeColumns) {
  const CliRun run = RunCli({"units", "16"});
  ASSERT_EQ(run.exitCode, 0);
  EXPECT_EQ(Lines(run.out).at(1), "1\tCurie\tCi");
}

}  // namespace
}  // namespace vaneko::testing
