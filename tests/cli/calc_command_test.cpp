// vaneko-cli calc: an expression read as the keys a user would press, and keys' captions named
// whatever the case, with suggestions; the exit codes of both.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/key_words.h"
#include "run_cli.h"

namespace vaneko::testing {
namespace {

using cli::KeyStep;

// The steps as a reader writes them: captions, angle modes, "type:" and the typed text.
std::string Describe(const std::vector<KeyStep>& steps) {
  std::string text;
  for (const KeyStep& step : steps) {
    if (!text.empty()) text += " | ";
    if (const auto* key = std::get_if<const calculator::KeyRow*>(&step)) {
      text += (*key)->caption;
    } else if (const auto* mode = std::get_if<calculator::AngleMode>(&step)) {
      text += *mode == calculator::AngleMode::Degrees   ? "Deg"
              : *mode == calculator::AngleMode::Radians ? "Rad"
                                                        : "Grad";
    } else {
      text += "type:";
      for (const char32_t code : std::get<cli::TypeText>(step).characters)
        text += static_cast<char>(code);  // the typed parts of these cases are ASCII
    }
  }
  return text;
}

struct ParseCase {
  const char* name;
  std::string expression;
  std::string steps;
};

class CalcParses : public ::testing::TestWithParam<ParseCase> {};

TEST_P(CalcParses, IntoTheKeysOfTheWindow) {
  EXPECT_EQ(Describe(cli::ParseExpression(GetParam().expression)), GetParam().steps);
}

INSTANTIATE_TEST_SUITE_P(
    Expressions, CalcParses,
    ::testing::Values(ParseCase{"Operators", "2 + 3 * 4", "type:2 | + | type:3 | * | type:4 | ="},
                      ParseCase{"NoBlanks", "2+3*4", "type:2 | + | type:3 | * | type:4 | ="},
                      ParseCase{"SeveralDigits", "12,5/0.25", "type:12,5 | / | type:0.25 | ="},
                      ParseCase{"LeadingMinusIsTheSign", "-3 * 2", "type:3 | +/- | * | type:2 | ="},
                      ParseCase{"MinusAfterAnOperator", "5 - -3", "type:5 | - | type:3 | +/- | ="},
                      ParseCase{"MinusBetweenNumbers", "5-3", "type:5 | - | type:3 | ="},
                      ParseCase{"FunctionAfterItsNumber", "30 sin", "type:30 | Sin | ="},
                      ParseCase{"FunctionJoined", "30SIN", "type:30 | Sin | ="},
                      ParseCase{"CaptionWithoutItsBlank", "5 n!", "type:5 | N ! | ="},
                      ParseCase{"Bang", "5!", "type:5 | N ! | ="},
                      ParseCase{"Sinh", "1 sinh", "type:1 | Sin h | ="},
                      ParseCase{"TrailingBlankOfGamma", "5 gamma", "type:5 | Gamma  | ="},
                      ParseCase{"Constant", "sqrt2 * pi", "Sqrt2 | * | Pi | ="},
                      ParseCase{"ConstantStartingWithADigit", "2pi", "2Pi | ="},
                      ParseCase{"NumberThenConstant", "2 pi", "type:2 | Pi | ="},
                      ParseCase{"Power", "2 ^ 10", "type:2 | x^Y | type:10 | ="},
                      ParseCase{"PowerStars", "2**10", "type:2 | x^Y | type:10 | ="},
                      ParseCase{"Percent", "50 % 8", "type:50 | x % de y | type:8 | ="},
                      ParseCase{"LongestCaptionWins", "3 x 4 Y sqrt(x^2+y^2)",
                                "type:3 | X | type:4 | Y | Sqrt(x^2 + y^ 2) | ="},
                      // The case decides between the clear key and the speed of light.
                      ParseCase{"ClearKey", "5 C", "type:5 | C | ="},
                      ParseCase{"SpeedOfLight", "c", "c | ="},
                      ParseCase{"RegisterYAndConstantY", "Y y", "Y | y | ="},
                      ParseCase{"ConstantE", "2e", "type:2 | e | ="},
                      ParseCase{"AngleMode", "rad 1 cos", "Rad | type:1 | Cos | ="},
                      ParseCase{"SpokenForms", "0,5 asin π ×", "type:0,5 | ArcSin | Pi | * | ="},
                      ParseCase{"EndsWithEquals", "8 / 0 =", "type:8 | / | type:0 | ="},
                      ParseCase{"EqualsInside", "2 + 3 = * 4",
                                "type:2 | + | type:3 | = | * | type:4 | ="}),
    [](const auto& info) { return std::string(info.param.name); });

struct UnknownCase {
  const char* name;
  std::string expression;
  std::string message;
};

class CalcRefuses : public ::testing::TestWithParam<UnknownCase> {};

TEST_P(CalcRefuses, NamingThePart) {
  try {
    cli::ParseExpression(GetParam().expression);
    ADD_FAILURE() << "no error for " << GetParam().expression;
  } catch (const cli::UsageError& e) {
    EXPECT_EQ(e.message, GetParam().message);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Expressions, CalcRefuses,
    ::testing::Values(
        UnknownCase{"UnknownWord", "2 + frobnicate", "no calculator key 'frobnicate'"},
        // No exponent is typed into Calc: "e3" is not the constant e.
        UnknownCase{"Exponent", "2e3", "no calculator key 'e3'"},
        UnknownCase{"NearSpelling", "30 sine",
                    "no calculator key 'sine'; did you mean 'Sin' or "
                    "'Sin h'?"},
        UnknownCase{
            "StartOfCaptions", "1 arccot",
            "no calculator key 'arccot'; did you mean 'ArcCoTan', 'ArcCoTan X/Y' or 'ArcCos'?"},
        UnknownCase{"Empty", "   ", "calc needs an EXPRESSION"},
        UnknownCase{"ControlCharacter", "2 \x1B[2J", "no calculator key '\\x1B[2J'"}),
    [](const auto& info) { return std::string(info.param.name); });

struct RunCase {
  const char* name;
  std::vector<std::string> args;
  int exitCode;
  std::string out;
  std::string err;
};

class CliCalcAndKeys : public ::testing::TestWithParam<RunCase> {};

TEST_P(CliCalcAndKeys, PrintAndExit) {
  const CliRun run = RunCli(GetParam().args);
  EXPECT_EQ(run.exitCode, GetParam().exitCode);
  EXPECT_EQ(run.out, GetParam().out);
  if (GetParam().exitCode == 2) {
    EXPECT_EQ(run.err.substr(0, run.err.find('\n')), GetParam().err);
  } else {
    EXPECT_EQ(run.err, GetParam().err);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Calls, CliCalcAndKeys,
    ::testing::Values(
        // No precedence, as the window: (2 + 3) * 4.
        RunCase{"NoPrecedence", {"calc", "2 + 3 * 4"}, 0, "20\n", ""},
        RunCase{"SeveralWords", {"calc", "2", "+", "3", "*", "4"}, 0, "20\n", ""},
        RunCase{"DecimalPoint", {"calc", "1.5 + 1,25"}, 0, "2,75\n", ""},
        RunCase{"Plain", {"--format=plain", "calc", "1.5 * 3"}, 0, "4.5\n", ""},
        RunCase{"Sine", {"calc", "30 sin"}, 0, "0,5\n", ""},
        RunCase{"Factorial", {"calc", "5!"}, 0, "120\n", ""},
        RunCase{"Negative", {"calc", "-3 * -2"}, 0, "6\n", ""},
        RunCase{"Power", {"calc", "2 ^ 10"}, 0, "1024\n", ""},
        RunCase{"Tape",
                {"calc", "--tape", "2 + 3 * 4"},
                0,
                "20\ntape: 2 + 3 = 5\ntape: 5 * 4 = 20\n",
                ""},
        RunCase{"TapeAfter", {"calc", "2 + 3", "--tape"}, 0, "5\ntape: 2 + 3 = 5\n", ""},
        // The calculator's notice is not a failure; an error box is.
        RunCase{"DivisionByZeroNotice", {"calc", "8 / 0"}, 0, "8\n", "Division par 0\n"},
        RunCase{"ErrorBox", {"calc", "-1 ln"}, 1, "-1\n", "Invalid floating point operation.\n"},
        RunCase{"IntegerError",
                {"calc", "5,5 n!"},
                1,
                "5,5\n",
                "'5,5' is not a valid integer value.\n"},
        RunCase{"UnknownPart",
                {"calc", "2 + sine"},
                2,
                "",
                "vaneko-cli: no calculator key 'sine'; did you mean 'Sin' or 'Sin h'?"},
        RunCase{"NoExpression", {"calc"}, 2, "", "vaneko-cli: calc needs an EXPRESSION"},
        // keys: one key per argument, captions whatever the case.
        RunCase{
            "KeysLogOfZero", {"keys", "0", "Log"}, 1, "0\n", "Floating point division by zero.\n"},
        RunCase{"KeysNoticeOnly", {"keys", "8", "/", "0", "="}, 0, "8\n", "Division par 0\n"},
        RunCase{"KeysErrorThenGoOn",
                {"keys", "1", "+/-", "Ln", "2"},
                1,
                "2\n",
                "Invalid floating point operation.\n"},
        RunCase{"KeysLowerCase", {"keys", "3", "0", "SIN"}, 0, "0,5\n", ""},
        RunCase{"KeysWithoutBlank", {"keys", "5", "n!"}, 0, "120\n", ""},
        RunCase{"KeysGamma", {"keys", "5", "GAMMA"}, 0, "24\n", ""},
        RunCase{"KeysClear", {"keys", "5", "C"}, 0, "\n", ""},
        RunCase{"KeysSpeedOfLight", {"keys", "c"}, 0, "299792458\n", ""},
        RunCase{"KeysAngleLowerCase", {"keys", "grad", "1", "arctan"}, 0, "50\n", ""},
        RunCase{"KeysLangIgnored", {"--lang", "en", "keys", "2"}, 0, "2\n", ""},
        RunCase{"KeysSuggest",
                {"keys", "sine"},
                2,
                "",
                "vaneko-cli: no calculator key 'sine'; did you mean 'Sin' or 'Sin h'?"},
        RunCase{"KeysNumberIsNoKey", {"keys", "30"}, 2, "", "vaneko-cli: no calculator key '30'"},
        RunCase{"KeysEscaped", {"keys", "a\nb"}, 2, "", "vaneko-cli: no calculator key 'a\\nb'"}),
    [](const auto& info) { return std::string(info.param.name); });

// Every caption and name is found by its own text, and whatever its case where that names no
// other key: the table of names has no two keys that a word cannot tell apart.
TEST(KeyWords, EveryCaptionFindsItsKey) {
  for (const cli::KeyName& name : cli::KeyNames()) {
    if (!name.caption) continue;
    const KeyStep found = cli::FindKeyWord(std::string(name.text));
    EXPECT_EQ(found.index(), name.Step().index()) << name.text;
    std::string upper(name.text);
    for (char& c : upper)
      if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    try {
      const KeyStep byUpper = cli::FindKeyWord(upper);
      if (const auto* key = std::get_if<const calculator::KeyRow*>(&byUpper)) {
        EXPECT_TRUE(calculator::FindKey(upper) != nullptr || name.key == *key) << name.text;
      }
    } catch (const cli::UsageError& e) {
      ADD_FAILURE() << name.text << ": " << e.message;
    }
  }
}

// Each spoken form leads to a key of the panel, and none hides a caption.
TEST(KeyWords, SpokenFormsAreNoCaptions) {
  for (const cli::KeyName& name : cli::KeyNames()) {
    if (name.caption) continue;
    EXPECT_EQ(calculator::FindKey(name.text), nullptr) << name.text;
    EXPECT_NE(name.key, nullptr) << name.text;
  }
}

// A huge argument comes back as a short line (Linux passes at most 128 kB in one argument,
// Windows 32,767 characters in a whole command line).
TEST(CliCalcAndKeys, AHugeUnknownKeyIsQuotedShort) {
  const CliRun run = RunCli({"keys", std::string(20'000, 'q')});
  EXPECT_EQ(run.exitCode, 2);
  const std::string first = run.err.substr(0, run.err.find('\n'));
  EXPECT_EQ(first, "vaneko-cli: no calculator key '" + std::string(28, 'q') + "\u2026" +
                       std::string(28, 'q') + "'");
}

}  // namespace
}  // namespace vaneko::testing
