// The session writes the tape whichever way a key arrives: a click or an operator typed in Calc.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "session/session.h"

namespace vaneko {
namespace {

std::vector<std::string> TapeTexts(const Session& session) {
  std::vector<std::string> texts;
  for (const calculator::TapeLine& line : session.tape.Lines()) texts.push_back(line.text);
  return texts;
}

struct TypedCase {
  const char* name;
  std::u32string typed;
  std::vector<std::string> lines;
};

class TapeOfTypedKeys : public ::testing::TestWithParam<TypedCase> {};

TEST_P(TapeOfTypedKeys, RecordsOperatorsTypedInCalc) {
  Session session;
  for (char32_t key : GetParam().typed) session.TypeChar(Field::Calc, key);
  EXPECT_EQ(TapeTexts(session), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(
    Typed, TapeOfTypedKeys,
    ::testing::Values(TypedCase{"Chain", U"2+3*4\r", {"2 + 3 = 5", "5 * 4 = 20"}},
                      TypedCase{"DecimalPoint", U"1.5-0.5\r", {"1,5 - 0,5 = 1"}},
                      TypedCase{"DigitsOnly", U"123", {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TapeOfSession, ExchangeKeysWriteNothing) {
  Session session;
  session.converter.Result = "42";
  session.Execute(calculator::command::Transfer(calculator::Exchange::kTakeResult));
  session.Execute(calculator::command::Transfer(calculator::Exchange::kGiveEntry));
  EXPECT_EQ(session.calculator.Calc, "42");
  EXPECT_TRUE(session.tape.Lines().empty());
}

}  // namespace
}  // namespace vaneko
