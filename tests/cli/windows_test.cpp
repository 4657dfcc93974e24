// What a Windows command line adds: the quoting of the arguments vaneko-cli is started with,
// and accented names, which Windows would hand over in its ANSI code page.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "run_cli.h"

#ifdef _WIN32
#include <windows.h>
// windows.h before shellapi.h, which needs its types.
#include <shellapi.h>
#endif

namespace vaneko::testing {
namespace {

struct QuoteCase {
  const char* name;
  const char* arg;
  const char* quoted;  // by the rules of CommandLineToArgvW, worked out by hand
};

class QuoteArgument : public ::testing::TestWithParam<QuoteCase> {};

TEST_P(QuoteArgument, GivesTheTextWindowsReadsBack) {
  EXPECT_EQ(QuoteWindowsArgument(GetParam().arg), GetParam().quoted);
}

#ifdef _WIN32
// The same arguments read back by Windows itself.
TEST_P(QuoteArgument, IsReadBackUnchangedByWindows) {
  const std::string arg = GetParam().arg;
  const std::string line = "program.exe " + QuoteWindowsArgument(arg);
  const std::wstring wide(line.begin(), line.end());  // the table is ASCII
  int count = 0;
  LPWSTR* parsed = CommandLineToArgvW(wide.c_str(), &count);
  ASSERT_NE(parsed, nullptr);
  ASSERT_EQ(count, 2) << line;
  EXPECT_EQ(std::wstring(parsed[1]), std::wstring(arg.begin(), arg.end())) << line;
  LocalFree(parsed);
}
#endif

INSTANTIATE_TEST_SUITE_P(
    Table, QuoteArgument,
    ::testing::Values(QuoteCase{"plain", "Kilogramme", "Kilogramme"},
                      QuoteCase{"empty", "", "\"\""},
                      QuoteCase{"blank", "Livre Troy", "\"Livre Troy\""},
                      QuoteCase{"tab", "a\tb", "\"a\tb\""},
                      QuoteCase{"quote", "say \"hi\"", "\"say \\\"hi\\\"\""},
                      QuoteCase{"lone_backslash", "a\\b", "a\\b"},
                      QuoteCase{"backslash_then_quote", "a\\\"b", "\"a\\\\\\\"b\""},
                      QuoteCase{"trailing_backslash", "a b\\", "\"a b\\\\\""},
                      QuoteCase{"two_trailing_backslashes", "a b\\\\", "\"a b\\\\\\\\\""},
                      QuoteCase{"backslashes_inside", "c:\\x y\\z", "\"c:\\x y\\z\""}),
    [](const auto& info) { return std::string(info.param.name); });

struct AccentCase {
  std::vector<std::string> args;
  const char* out;
};

class AccentedNames : public ::testing::TestWithParam<AccentCase> {};

// Each name arrives as the UTF-8 the user typed, and the output is UTF-8 byte for byte.
TEST_P(AccentedNames, AreReadAndPrintedAsUtf8) {
  const CliRun run = RunCli(GetParam().args);
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out, GetParam().out);
}

INSTANTIATE_TEST_SUITE_P(
    Table, AccentedNames,
    ::testing::Values(
        // 1 mile = 1609,344 m by definition.
        AccentCase{{"convert", "1", "Mile", "Kilom\xC3\xA8tre", "1"}, "1,609344\n"},
        AccentCase{{"convert", "Distance", "Kilom\xC3\xA8tre", "M\xC3\xA8tre", "2,5"}, "2500\n"},
        // 0 °C is 273,15 K.
        AccentCase{{"convert", "Temp\xC3\xA9rature", "Celcius", "Kelvin", "0"}, "273,15\n"}));

TEST(AccentedNames, UnitListsPrintTheAccents) {
  const CliRun run = RunCli({"units", "1"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_NE(run.out.find("\tKilom\xC3\xA8tre\tkm\n"), std::string::npos) << run.out;
  EXPECT_EQ(run.out.find('\r'), std::string::npos) << "lines end in \\n alone, as elsewhere";
}

}  // namespace
}  // namespace vaneko::testing
