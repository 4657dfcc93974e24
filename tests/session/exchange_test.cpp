// The two keys that exchange a text between the calculator and the converter, pressed by
// caption on a whole session: plain copies that read no number and leave the fresh-entry marks.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "calculator/key_table.h"
#include "core/errors.h"
#include "session/session.h"

namespace vaneko {
namespace {

struct ExchangeCase {
  const char* name;
  std::string result;               // the converter's result before the keys
  std::vector<std::string> keys;    // captions, pressed in turn
  std::string calc;                 // Calc afterwards
  std::string nombre1;              // the converter's number afterwards
  std::vector<std::string> errors;  // the error boxes, in order
};

void PrintTo(const ExchangeCase& c, std::ostream* os) {
  *os << c.name;
}

const ExchangeCase kExchanges[] = {
    {"taken result", "12,5", {"Saisir Résultat"}, "12,5", "", {}},
    {"taken text is not read", "abc", {"Saisir Résultat"}, "abc", "", {}},
    {"digit appends to the taken result", "12", {"5", "Saisir Résultat", "3"}, "123", "", {}},
    {"digit after a result replaces it", "12", {"=", "Saisir Résultat", "3"}, "3", "", {}},
    {"empty taken result then equals", "", {"5", "Saisir Résultat", "="}, "0", "", {}},
    {"empty taken result then function",
     "",
     {"5", "Saisir Résultat", "Sin"},
     "",
     "",
     {"'' is not a valid floating point value"}},
    {"entry given as typed", "", {"0", "5", ",", "2", "Coller"}, "05,2", "05,2", {}},
    {"empty entry given", "", {"Coller"}, "", "", {}},
    {"both ways", "7", {"Saisir Résultat", "Coller"}, "7", "7", {}},
};

class Exchange : public ::testing::TestWithParam<ExchangeCase> {};

TEST_P(Exchange, CopiesTheText) {
  const ExchangeCase& c = GetParam();
  Session session;
  session.converter.Result = c.result;
  std::vector<std::string> errors;
  for (const std::string& caption : c.keys) {
    const calculator::KeyRow* key = calculator::FindKey(caption);
    ASSERT_NE(key, nullptr) << caption;
    try {
      session.Press(*key);
    } catch (const VanekoError& error) {
      errors.emplace_back(error.what());
    }
  }
  EXPECT_EQ(session.calculator.Calc, c.calc);
  EXPECT_EQ(session.converter.Nombre1, c.nombre1);
  EXPECT_EQ(session.converter.Result, c.result);  // never written
  EXPECT_EQ(errors, c.errors);
}

INSTANTIATE_TEST_SUITE_P(Table, Exchange, ::testing::ValuesIn(kExchanges));

// Neither key touches a fresh-entry mark, set or clear, nor the calculator's chain.
TEST(Exchange, LeavesTheMarksAndTheChain) {
  for (const bool marked : {false, true}) {
    Session session;
    session.converter.Result = "2";
    session.Press(*calculator::FindKey("4"));
    session.Press(*calculator::FindKey("+"));
    session.calculator.CalcFreshEntry = marked;
    session.converter.NumberFreshEntry = marked;
    session.Press(*calculator::FindKey("Saisir Résultat"));
    session.Press(*calculator::FindKey("Coller"));
    EXPECT_EQ(session.calculator.CalcFreshEntry, marked);
    EXPECT_EQ(session.converter.NumberFreshEntry, marked);
    EXPECT_EQ(session.calculator.PendingOperation, calculator::Op::kAdd);
    EXPECT_EQ(session.calculator.Accumulator.Nearest(), 4);
  }
}

// The calculator alone cannot reach the converter: an exchange given to it changes nothing.
TEST(Exchange, IsNotTheCalculatorsToCarryOut) {
  calculator::CalculatorModel model;
  model.Calc = "5";
  model.Execute(calculator::command::Transfer(calculator::Exchange::kTakeResult));
  model.Execute(calculator::command::Transfer(calculator::Exchange::kGiveEntry));
  EXPECT_EQ(model.Calc, "5");
  EXPECT_TRUE(model.CalcFreshEntry);
}

}  // namespace
}  // namespace vaneko
