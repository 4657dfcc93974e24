// vaneko-cli as a tool: help, version, names as people type them, every unit at once and the
// plain number format. Expected results follow from the units' definitions (1 mi = 1,609344 km,
// 1 ft = 12 in, 1 yd = 3 ft, °C = (°F - 32) × 5/9), not from the program.
#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "run_cli.h"
#include "vaneko_version.h"

namespace vaneko::testing {
namespace {

constexpr char kTryHelp[] = "Try 'vaneko-cli --help' for more information.\n";

struct ToolCase {
  const char* name;
  std::vector<std::string> args;
  int exitCode;
  std::string out;
  std::string err;
};

std::string CaseName(const ::testing::TestParamInfo<ToolCase>& info) {
  return info.param.name;
}

class Tool : public ::testing::TestWithParam<ToolCase> {};

TEST_P(Tool, PrintsAndExits) {
  const ToolCase& c = GetParam();
  const CliRun run = RunCli(c.args);
  EXPECT_EQ(run.exitCode, c.exitCode);
  EXPECT_EQ(run.out, c.out);
  EXPECT_EQ(run.err, c.err);
}

INSTANTIATE_TEST_SUITE_P(
    Names, Tool,
    ::testing::Values(
        ToolCase{"Symbols", {"convert", "Distance", "mi", "km", "1"}, 0, "1,609344\n", ""},
        ToolCase{
            "SymbolsWithDegreeSign", {"convert", "Temperature", "°F", "°C", "212"}, 0, "100\n", ""},
        ToolCase{"FoldedEnglishNames",
                 {"convert", "--lang", "en", "Distance", "mile", "kilometre", "1"},
                 0,
                 "1,609344\n",
                 ""},
        ToolCase{"UpperCaseWithAccent",
                 {"convert", "Distance", "KILOMÈTRE", "mètre", "1,5"},
                 0,
                 "1500\n",
                 ""},
        ToolCase{"EnglishNamesWhileFrench",
                 {"convert", "Distance", "Feet", "Inche", "2"},
                 0,
                 "24\n",
                 ""},
        ToolCase{"FrenchNamesWhileEnglish",
                 {"convert", "--lang=en", "1", "Verge", "pied", "1"},
                 0,
                 "3\n",
                 ""},
        ToolCase{"FoldedCategory",
                 {"convert", "TEMPÉRATURE", "fahrenheit", "celcius", "-40"},
                 0,
                 "-40\n",
                 ""},
        ToolCase{"EnglishCategory", {"convert", "temperature", "°C", "°F", "100"}, 0, "212\n", ""},
        // "Tonne" is the French name of the short ton and the English name of the metric tonne;
        // the language of --lang decides
        ToolCase{"SameNameFrench", {"convert", "Masse", "Tonne", "Livre", "1"}, 0, "2000\n", ""},
        ToolCase{"SameNameEnglish",
                 {"convert", "--lang", "en", "Mass", "Tonne", "Kilogram", "1"},
                 0,
                 "1000\n",
                 ""},
        // the correct spelling and the plural of a shown name are other names of the unit
        ToolCase{"CorrectSpelling",
                 {"convert", "Distance", "kilometer", "mi", "1"},
                 0,
                 "0,621371192237334\n",
                 ""},
        ToolCase{"Plural",
                 {"convert", "--lang", "en", "Distance", "mi", "metres", "1"},
                 0,
                 "1609,344\n",
                 ""},
        ToolCase{"UnknownUnit",
                 {"convert", "Distance", "kilomter", "mi", "1"},
                 2,
                 "",
                 std::string("vaneko-cli: no unit 'kilomter' in Distance; did you mean "
                             "'Kilomètre' (km)?\n") +
                     kTryHelp},
        ToolCase{"UnknownUnitInEnglish",
                 {"convert", "--lang", "en", "Distance", "mi", "metrez", "1"},
                 2,
                 "",
                 std::string("vaneko-cli: no unit 'metrez' in Distance; did you mean 'Metre' "
                             "(m)?\n") +
                     kTryHelp},
        ToolCase{"UnknownCategory",
                 {"convert", "Distanse", "mi", "km", "1"},
                 2,
                 "",
                 std::string("vaneko-cli: no category 'Distanse'; did you mean 'Distance'?\n") +
                     kTryHelp},
        ToolCase{"NothingClose",
                 {"convert", "Distance", "mi", "xyzzyq", "1"},
                 2,
                 "",
                 std::string("vaneko-cli: no unit 'xyzzyq' in Distance; 'vaneko-cli units 1' "
                             "lists them\n") +
                     kTryHelp},
        ToolCase{"KitchenHeadingNotByName",
                 {"convert", "5", "En Gramme", "0", "100"},
                 2,
                 "",
                 std::string("vaneko-cli: no food 'En Gramme' in Gramme-Volume; 'vaneko-cli "
                             "units 5' lists them\n") +
                     kTryHelp},
        ToolCase{
            "PositionOutOfRange",
            {"convert", "Distance", "17", "km", "1"},
            2,
            "",
            std::string("vaneko-cli: no unit at position 17 in Distance (0 to 16)\n") + kTryHelp}),
    CaseName);

INSTANTIATE_TEST_SUITE_P(
    HelpAndVersion, Tool,
    ::testing::Values(
        ToolCase{
            "Version", {"--version"}, 0, std::string("vaneko-cli (Vaneko) ") + kVersion + "\n", ""},
        ToolCase{"NoCommand", {}, 2, "", std::string("vaneko-cli: no command\n") + kTryHelp},
        ToolCase{"UnknownCommand",
                 {"frobnicate"},
                 2,
                 "",
                 std::string("vaneko-cli: unknown command 'frobnicate'\n") + kTryHelp},
        ToolCase{"UnknownOption",
                 {"--frobnicate"},
                 2,
                 "",
                 std::string("vaneko-cli: unknown option '--frobnicate'\n") + kTryHelp},
        ToolCase{
            "UnknownFormat",
            {"--format=fancy", "convert", "0", "0", "1", "1"},
            2,
            "",
            std::string("vaneko-cli: --format takes plain or window, not 'fancy'\n") + kTryHelp}),
    CaseName);

INSTANTIATE_TEST_SUITE_P(
    Formats, Tool,
    ::testing::Values(
        ToolCase{"PlainReadsAndWritesThePoint",
                 {"--format=plain", "convert", "Distance", "mi", "km", "1.5"},
                 0,
                 "2.414016\n",
                 ""},
        ToolCase{"PlainAfterTheCommand",
                 {"convert", "Distance", "yd", "ft", "0.5", "--format", "plain"},
                 0,
                 "1.5\n",
                 ""},
        ToolCase{"PlainRefusesTheComma",
                 {"--format=plain", "convert", "1", "mi", "km", "1,5"},
                 1,
                 "",
                 "'1,5' is not a valid floating point value.\n"},
        ToolCase{"PlainErrorShowsTheTextAsTyped",
                 {"--format=plain", "convert", "1", "mi", "km", "1.2.3"},
                 1,
                 "",
                 "'1.2.3' is not a valid floating point value.\n"},
        ToolCase{"WindowRefusesThePoint",
                 {"--format=window", "convert", "1", "mi", "km", "1.5"},
                 1,
                 "",
                 "'1.5' is not a valid floating point value.\n"
                 "vaneko-cli: use a decimal comma, or --format=plain\n"},
        ToolCase{"PlainKeys", {"--format=plain", "keys", "7", "/", "8", "="}, 0, "0.875\n", ""},
        ToolCase{"PlainKeysState",
                 {"keys", "--format=plain", "--state", "type:2.5", "X"},
                 0,
                 "Calc: 2.5\nmem: 0\nX1: 2.5\nY1: 0\nZ1: 0\n",
                 ""},
        ToolCase{"PlainKeysError",
                 {"--format=plain", "keys", "5", ",", "5", "N !"},
                 1,
                 "5.5\n",
                 "'5.5' is not a valid integer value.\n"},
        ToolCase{"EveryUnitBadNumberOnce",
                 {"convert", "Distance", "mi", "*", "abc"},
                 1,
                 "",
                 "'abc' is not a valid floating point value.\n"}),
    CaseName);

// Each command's --help, and the program's, go to stdout with exit 0.
struct HelpCase {
  std::vector<std::string> args;
  std::string firstLine;
};

class Help : public ::testing::TestWithParam<HelpCase> {};

TEST_P(Help, PrintsTheUsageOnStdout) {
  const CliRun run = RunCli(GetParam().args);
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.out.substr(0, run.out.find('\n')), GetParam().firstLine);
}

INSTANTIATE_TEST_SUITE_P(
    Commands, Help,
    ::testing::Values(
        HelpCase{{"--help"}, "Usage: vaneko-cli [OPTION]... COMMAND [ARGUMENT]..."},
        HelpCase{{"-h"}, "Usage: vaneko-cli [OPTION]... COMMAND [ARGUMENT]..."},
        HelpCase{{"--format=plain", "--help"},
                 "Usage: vaneko-cli [OPTION]... COMMAND [ARGUMENT]..."},
        HelpCase{{"categories", "--help"}, "Usage: vaneko-cli categories"},
        HelpCase{{"units", "-h"},
                 "Usage: vaneko-cli units CATEGORY [--lang=fr|en] [--definitions]"},
        HelpCase{{"convert", "Distance", "--help"},
                 "Usage: vaneko-cli [--format=plain] convert [--lang=fr|en] [--swap] CATEGORY "
                 "FROM TO NUMBER"},
        HelpCase{{"keys", "--help"},
                 "Usage: vaneko-cli [--format=plain] keys [--state] [--tape] KEY..."},
        HelpCase{{"calc", "--help"},
                 "Usage: vaneko-cli [--format=plain] calc [--state] [--tape] EXPRESSION"}));

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

std::map<std::string, std::string> ResultsByName(const std::string& text) {
  std::map<std::string, std::string> results;
  for (const std::string& line : Lines(text)) {
    const auto tab = line.find('\t');
    results[line.substr(0, tab)] = tab == std::string::npos ? "(no tab)" : line.substr(tab + 1);
  }
  return results;
}

TEST(EveryUnit, OneLinePerUnitInListOrder) {
  const CliRun run = RunCli({"convert", "Distance", "yd", "*", "1"});
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(run.err, "");
  const auto lines = Lines(run.out);
  ASSERT_EQ(lines.size(), 17u);
  EXPECT_EQ(lines.front(), "Pouce\t36");
  EXPECT_EQ(lines[2], "Pied\t3");
  EXPECT_EQ(lines[5], "Verge\t1");  // the unit itself
  EXPECT_EQ(lines[12], "Mètre\t0,9144");
  EXPECT_EQ(lines[13], "Centimètre\t91,44");
}

TEST(EveryUnit, NamesFollowTheLanguageAndNumbersTheFormat) {
  const CliRun run = RunCli({"--format=plain", "convert", "--lang", "en", "1", "mi", "*", "2"});
  EXPECT_EQ(run.exitCode, 0);
  const auto results = ResultsByName(run.out);
  EXPECT_EQ(results.at("Kilometre"), "3.218688");
  EXPECT_EQ(results.at("Feet"), "10560");
  EXPECT_EQ(results.at("Mile"), "2");
}

TEST(EveryUnit, SameAsEachSingleConversion) {
  const auto lines = Lines(RunCli({"convert", "Pression", "psi", "*", "30"}).out);
  const auto names = Lines(RunCli({"units", "Pression"}).out);
  ASSERT_EQ(lines.size(), names.size());
  for (std::size_t position = 0; position < lines.size(); ++position) {
    const CliRun single = RunCli({"convert", "Pression", "psi", std::to_string(position), "30"});
    const std::string name = names[position].substr(names[position].find('\t') + 1);
    EXPECT_EQ(lines[position],
              name.substr(0, name.find('\t')) + '\t' + single.out.substr(0, single.out.size() - 1));
  }
}

// From kilometres per litre, the litres per 100 km and per km are reciprocals: at 0 they fail
// with a division by zero, while the miles per gallon are a factor and give 0.
TEST(EveryUnit, FailedLinesHaveNoResultAndTheirErrorOnStderr) {
  const CliRun run = RunCli({"convert", "Essence", "0", "*", "0"});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.out,
            "Kilomètre par Litre\t0\nLitre par 100 kilometres\t\nLitre par kilometre\t\n"
            "Mille par Gallon (UK)\t0\nMille par Gallon (US)\t0\n");
  EXPECT_EQ(run.err,
            "Litre par 100 kilometres: Floating point division by zero.\n"
            "Litre par kilometre: Floating point division by zero.\n");
}

TEST(EveryUnit, KitchenFoodToEveryMeasure) {
  const CliRun byName = RunCli({"convert", "gramme-volume", "ABRICOT SEC", "*", "100"});
  ASSERT_EQ(byName.exitCode, 0);
  const auto lines = Lines(byName.out);
  ASSERT_EQ(lines.size(), 6u);
  EXPECT_EQ(lines[0].substr(0, lines[0].find('\t')), "Mililitre");
  EXPECT_EQ(lines[5].substr(0, lines[5].find('\t')), "Tasse");
  EXPECT_EQ(lines[5].substr(lines[5].find('\t') + 1) + '\n',
            RunCli({"convert", "5", "4", "5", "100"}).out);
}

// A name and the position it stands for give the same output.
struct SameAsPositionCase {
  std::vector<std::string> byName;
  std::vector<std::string> byPosition;
};

class SameAsPosition : public ::testing::TestWithParam<SameAsPositionCase> {};

TEST_P(SameAsPosition, NameFindsThatPosition) {
  const CliRun named = RunCli(GetParam().byName);
  const CliRun positioned = RunCli(GetParam().byPosition);
  EXPECT_EQ(named.exitCode, 0) << named.err;
  EXPECT_EQ(named.out, positioned.out);
  EXPECT_EQ(named.err, positioned.err);
}

INSTANTIATE_TEST_SUITE_P(
    Names, SameAsPosition,
    ::testing::Values(
        SameAsPositionCase{{"convert", "Pressure", "psi", "kPa", "30"},
                           {"convert", "6", "18", "13", "30"}},
        SameAsPositionCase{{"convert", "pression", "ATMOSPHERE", "pascal", "1"},
                           {"convert", "6", "0", "14", "1"}},
        SameAsPositionCase{{"convert", "Debit (masse)", "livres per minute", "Slugs per Hour", "3"},
                           {"convert", "14", "10", "12", "3"}},
        SameAsPositionCase{{"convert", "Energie", "kilocalorie 15°c", "joule", "1"},
                           {"convert", "10", "16", "15", "1"}},
        SameAsPositionCase{{"convert", "Gramme-Volume", "tomate pâte en conserve", "TASSE", "50"},
                           {"convert", "5", "275", "5", "50"}},
        SameAsPositionCase{{"convert", "VELOCYTY", "neaud(uk)", "Mach", "100"},
                           {"convert", "7", "12", "14", "100"}}));

TEST(Units, ThirdColumnIsTheSymbol) {
  const auto lines = Lines(RunCli({"units", "distance"}).out);
  ASSERT_EQ(lines.size(), 17u);
  EXPECT_EQ(lines[9], "9\tMile\tmi");
  EXPECT_EQ(lines[11], "11\tKilomètre\tkm");
  for (const std::string& line : lines) {
    const auto first = line.find('\t');
    EXPECT_NE(line.find('\t', first + 1), std::string::npos) << line;
  }
  EXPECT_EQ(Lines(RunCli({"units", "Temperature", "--lang=en"}).out).front(), "0\tCelcius\t°C");
}

}  // namespace
}  // namespace vaneko::testing

namespace vaneko::testing {
namespace {

// --lang may stand anywhere, also before a command that prints no unit names.
TEST(LanguageAnywhere, CategoriesReadsIt) {
  const CliRun plain = RunCli({"categories"});
  const CliRun english = RunCli({"--lang", "en", "categories"});
  EXPECT_EQ(english.exitCode, 0) << english.err;
  EXPECT_EQ(english.out, plain.out);
  EXPECT_EQ(english.out.substr(0, english.out.find('\n')), "0\tTempérature\tTemperature");
}

// The names the completion offers are names the program reads: each one of a category's list
// converts, and each category name lists that category.
TEST(CompletionNames, EveryListedNameIsRead) {
  const CliRun categories = RunCli({"categories", "--names"});
  ASSERT_EQ(categories.exitCode, 0);
  EXPECT_NE(categories.out.find("Velocity\n"), std::string::npos);  // an other name
  const CliRun units = RunCli({"units", "Distance", "--names"});
  ASSERT_EQ(units.exitCode, 0);
  std::istringstream lines(units.out);
  int checked = 0;
  for (std::string name; std::getline(lines, name); ++checked) {
    const CliRun run = RunCli({"convert", "Distance", name, "m", "1"});
    EXPECT_EQ(run.exitCode, 0) << name << ": " << run.err;
  }
  EXPECT_GT(checked, 17);  // more names than units: symbols and other names too
}

}  // namespace
}  // namespace vaneko::testing
