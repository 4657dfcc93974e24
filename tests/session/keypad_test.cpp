// The converter's keypad, the sign key and the key filters, driven as a user would.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "core/errors.h"
#include "session/session.h"

namespace vaneko {
namespace {

// Steps: "k3" keypad key "3" (also "k,"), "n3" types "3" into Nombre1, "c3" types into Calc,
// "r3" into Result, "m3" into mem, "<<", "C", "+/-", "=" (DoConvert, as "Calculer").
void Play(Session& session, const std::vector<std::string>& steps) {
  for (const std::string& step : steps) {
    if (step == "<<") {
      session.KeypadBackspace();
    } else if (step == "C") {
      session.KeypadClear();
    } else if (step == "+/-") {
      session.NegateNumber();
    } else if (step == "=") {
      session.converter.DoConvert();
    } else if (step[0] == 'k') {
      session.KeypadKey(step[1]);
    } else {
      const Field field = step[0] == 'n'   ? Field::Nombre1
                          : step[0] == 'c' ? Field::Calc
                          : step[0] == 'r' ? Field::Result
                                           : Field::mem;
      session.TypeChar(field, static_cast<unsigned char>(step[1]));
    }
  }
}

struct KeypadCase {
  const char* start;  // text of Nombre1 before the steps
  std::vector<std::string> steps;
  const char* number;  // Nombre1 afterwards
  const char* calc;    // Calc afterwards
};

class Keypad : public ::testing::TestWithParam<KeypadCase> {};

TEST_P(Keypad, EditsTheNumberField) {
  Session session;
  session.converter.Nombre1 = GetParam().start;
  session.converter.NumberFreshEntry = false;
  Play(session, GetParam().steps);
  EXPECT_EQ(session.converter.Nombre1, GetParam().number);
  EXPECT_EQ(session.calculator.Calc, GetParam().calc);
}

INSTANTIATE_TEST_SUITE_P(
    Sequences, Keypad,
    ::testing::Values(
        // After a conversion the next key starts a new number.
        KeypadCase{"2,5", {"=", "k3"}, "3", ""}, KeypadCase{"2,5", {"=", "n3"}, "3", ""},
        KeypadCase{"2,5", {"=", "c3"}, "", "3"}, KeypadCase{"2,5", {"=", "n,"}, ",", ""},
        KeypadCase{"2,5", {"=", "nx"}, "", ""},
        // Points become commas, a second one is refused.
        KeypadCase{"", {"n1", "n.", "n5", "n."}, "1,5", ""},
        KeypadCase{"", {"k5", "k,", "k,", "k2"}, "5,2", ""}, KeypadCase{"", {"k,"}, ",", ""},
        // Refused characters.
        KeypadCase{"4", {"na", "n ", "ne", "nE"}, "4", ""},
        // Backspace typed deletes before the caret.
        KeypadCase{"45", {"n\b"}, "4", ""},
        // "<<" deletes the last character of a text of two or more.
        KeypadCase{"75", {"<<"}, "7", ""}, KeypadCase{"7", {"<<"}, "7", ""},
        KeypadCase{"", {"<<"}, "", ""},
        // Pasted text may hold any character: "<<" and backspace remove whole characters.
        KeypadCase{"é5", {"<<"}, "é", ""}, KeypadCase{"é", {"<<"}, "é", ""},
        KeypadCase{"5€", {"<<"}, "5", ""}, KeypadCase{"2é", {"n\b"}, "2", ""},
        // "+/-"
        KeypadCase{"", {"+/-"}, "0", ""}, KeypadCase{"2,5", {"+/-"}, "-2,5", ""},
        KeypadCase{"-2,5", {"+/-"}, "2,5", ""},
        KeypadCase{"1,23456789012345678", {"+/-"}, "-1,23456789012346", ""},
        KeypadCase{"05", {"+/-"}, "-5", ""},
        // "C" empties and marks for fresh entry, and keypad keys append at the end.
        KeypadCase{"123", {"C", "k4"}, "4", ""}, KeypadCase{"12", {"k3", "k4"}, "1234", ""},
        // Typing into the result or memory field changes nothing there.
        KeypadCase{"1", {"r5", "m5"}, "1", ""}));

TEST(Keypad, SignChangeOfANonNumberRaisesAndKeepsTheText) {
  Session session;
  session.converter.Nombre1 = "1.5";
  try {
    session.NegateNumber();
    FAIL() << "no error";
  } catch (const EConvertError& e) {
    EXPECT_STREQ(e.what(), "'1.5' is not a valid floating point value");
  }
  EXPECT_EQ(session.converter.Nombre1, "1.5");
}

TEST(Keypad, ClearLeavesTheCalculatorAlone) {
  Session session;
  session.calculator.Calc = "42";
  session.calculator.CalcFreshEntry = false;
  session.KeypadClear();
  EXPECT_EQ(session.converter.Nombre1, "");
  EXPECT_TRUE(session.converter.NumberFreshEntry);
  EXPECT_EQ(session.calculator.Calc, "42");
  EXPECT_FALSE(session.calculator.CalcFreshEntry);
}

TEST(KeyFilter, ResultMemoryAndRegistersRefuseEveryCharacter) {
  Session session;
  for (Field field : {Field::Result, Field::mem, Field::X1, Field::Y1, Field::Z1})
    for (char32_t key : {U'5', U',', U'\b', U'a', U'+', U'\r'})
      EXPECT_FALSE(session.ResultKeyPress(field, key).has_value());
}

TEST(KeyFilter, EveryTypedCharacterClearsBothFreshEntryMarks) {
  Session session;
  session.converter.Nombre1 = "9";
  session.calculator.Calc = "8";
  session.converter.NumberFreshEntry = true;
  session.calculator.CalcFreshEntry = true;
  EXPECT_FALSE(session.CalcKeyPress(Field::Nombre1, U'z').has_value());
  EXPECT_EQ(session.converter.Nombre1, "");
  EXPECT_EQ(session.calculator.Calc, "");
  EXPECT_FALSE(session.converter.NumberFreshEntry);
  EXPECT_FALSE(session.calculator.CalcFreshEntry);
}

TEST(KeyFilter, NonAsciiAndControlCharactersAreRefused) {
  Session session;
  for (char32_t key : {U'\u00e9', U'\u20ac', U'\t', U'\x1b', U'\0', U'\U0001F600'})
    EXPECT_FALSE(session.CalcKeyPress(Field::Calc, key).has_value());
}

}  // namespace
}  // namespace vaneko

namespace vaneko {
namespace {

struct TypedCase {
  const char* typed;  // into Calc; "\r" is Enter
  const char* calc;
};

class TypedIntoCalc : public ::testing::TestWithParam<TypedCase> {};

TEST_P(TypedIntoCalc, RunsTheCalculatorKeys) {
  Session session;
  for (const char* c = GetParam().typed; *c != '\0'; ++c)
    session.TypeChar(Field::Calc, static_cast<unsigned char>(*c));
  EXPECT_EQ(session.calculator.Calc, GetParam().calc);
}

INSTANTIATE_TEST_SUITE_P(
    Sequences, TypedIntoCalc,
    ::testing::Values(TypedCase{"2+3\r", "5"}, TypedCase{"1.5\r", "1,5"}, TypedCase{"a-b", ""},
                      TypedCase{"2+3*4\r", "20"},
                      // A typed operator continues from the shown result, as its key does.
                      TypedCase{"2+3\r*4\r", "20"}, TypedCase{"8/0\r", "8"},
                      TypedCase{"9\r\b5", "5"}));

TEST(KeyFilter, ATypedOperatorLeavesANumberMarkedForFreshEntryAlone) {
  Session session;
  session.converter.Nombre1 = "2,5";
  session.converter.DoConvert();
  session.calculator.Calc = "7";
  session.TypeChar(Field::Nombre1, U'+');
  EXPECT_EQ(session.converter.Nombre1, "2,5");
  EXPECT_TRUE(session.converter.NumberFreshEntry);
  EXPECT_EQ(session.calculator.PendingOperation, calculator::Op::kAdd);
  session.TypeChar(Field::Nombre1, U'3');
  EXPECT_EQ(session.converter.Nombre1, "3");
}

}  // namespace
}  // namespace vaneko
