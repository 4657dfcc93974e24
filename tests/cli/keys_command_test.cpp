// vaneko-cli keys: calculator key sequences on a freshly started window.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "run_cli.h"

namespace vaneko::testing {
namespace {

struct KeysCase {
  std::vector<std::string> keys;
  const char* out;
  const char* err;
  int exitCode = 0;  // 1 when a key raised an error box
};

class CliKeys : public ::testing::TestWithParam<KeysCase> {};

TEST_P(CliKeys, PrintsCalcAndTheMessageBoxes) {
  std::vector<std::string> args = {"keys"};
  args.insert(args.end(), GetParam().keys.begin(), GetParam().keys.end());
  const CliRun run = RunCli(args);
  EXPECT_EQ(run.exitCode, GetParam().exitCode);
  EXPECT_EQ(run.out, GetParam().out);
  EXPECT_EQ(run.err, GetParam().err);
}

INSTANTIATE_TEST_SUITE_P(
    Sequences, CliKeys,
    ::testing::Values(
        KeysCase{{"2", "+", "3", "*", "4", "="}, "20\n", ""},
        KeysCase{{"2", "+", "3", "x^Y", "2", "="}, "25\n", ""},
        KeysCase{{"2", "7", "x^1/y", "3", "="}, "3\n", ""},
        KeysCase{{"8", "/", "0", "=", "2", "="}, "4\n", "Division par 0\n"},
        KeysCase{{"7", "/", "0", "/", "2", "=", "4", "="}, "0,875\n", "Division par 0\n"},
        KeysCase{{"5", "x % de y", "4", "0", "="}, "2\n", ""},
        KeysCase{{"3", "0", "Sin"}, "0,5\n", ""}, KeysCase{{"Grad", "1", "ArcTan"}, "50\n", ""},
        KeysCase{{"5", "N !"}, "120\n", ""}, KeysCase{{"5", "Gamma"}, "24\n", ""},
        KeysCase{{"2", "*", "Pi", "="}, "6,28318530717959\n", ""},
        KeysCase{{"Euler"}, "0,57721566490153286061\n", ""},
        KeysCase{{"5", "X", "2", "Y", "Binomial (N,K)"}, "10\n", ""},
        KeysCase{{"type:2+3", "Enter"}, "5\n", ""}, KeysCase{{"type:1.5", "Enter"}, "1,5\n", ""},
        KeysCase{{"type:a-b"}, "\n", ""},
        KeysCase{{"1", "Ln", "1", "+/-", "Ln"}, "-1\n", "Invalid floating point operation.\n", 1},
        KeysCase{{"5", ",", "5", "N !"}, "5,5\n", "'5,5' is not a valid integer value.\n", 1}));

TEST(CliKeys, StatePrintsTheFiveFields) {
  const CliRun run = RunCli({"keys", "--state", "3", "X", "4", "Y", "Sqrt(x^2 + y^ 2)"});
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(run.out, "Calc: 5\nmem: 0\nX1: 3\nY1: 4\nZ1: 0\n");
}

TEST(CliKeys, AnUnknownKeyExitsTwoNamingIt) {
  const CliRun run = RunCli({"keys", "2", "Frobnicate"});
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_EQ(run.out, "");
  EXPECT_NE(run.err.find("'Frobnicate'"), std::string::npos);
}

struct TapeCliCase {
  std::vector<std::string> args;
  const char* out;
};

class CliKeysTape : public ::testing::TestWithParam<TapeCliCase> {};

TEST_P(CliKeysTape, PrintsTheTapeAfterTheUsualOutput) {
  std::vector<std::string> args = {"keys"};
  args.insert(args.end(), GetParam().args.begin(), GetParam().args.end());
  const CliRun run = RunCli(args);
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(run.out, GetParam().out);
}

INSTANTIATE_TEST_SUITE_P(
    Sequences, CliKeysTape,
    ::testing::Values(
        TapeCliCase{{"--tape", "2", "+", "3", "*", "4", "="},
                    "20\ntape: 2 + 3 = 5\ntape: 5 * 4 = 20\n"},
        TapeCliCase{{"--state", "--tape", "3", "X", "4", "Y", "Sqrt(x^2 + y^ 2)"},
                    "Calc: 5\nmem: 0\nX1: 3\nY1: 4\nZ1: 0\ntape: X 3 → X 3\ntape: Y 4 → Y 4\n"
                    "tape: √(X² + Y²), X = 3, Y = 4 = 5\n"},
        TapeCliCase{{"--tape", "type:8/0", "Enter"}, "8\ntape: 8 / 0: Division par 0\n"},
        TapeCliCase{{"--tape", "Rad", "0", "Cos"}, "1\ntape: Cos(0 rad) = 1\n"},
        TapeCliCase{{"--tape", "5"}, "5\n"},
        // Without the flag the output is as before.
        TapeCliCase{{"2", "+", "3", "="}, "5\n"}));

}  // namespace
}  // namespace vaneko::testing
