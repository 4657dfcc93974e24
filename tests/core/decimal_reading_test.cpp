// The reader's exact decimal, and the values it refuses because they lie beyond the extended
// range: such a text is not a number, never a silent zero.
#include <gtest/gtest.h>

#include <string>

#include "core/errors.h"
#include "core/number_text.h"

namespace vaneko {
namespace {

struct DecimalCase {
  const char* text;
  bool negative;
  const char* digits;
  long exponent;
};

class ReadDecimalKeeps : public ::testing::TestWithParam<DecimalCase> {};

TEST_P(ReadDecimalKeeps, TheSignDigitsAndPowerOfTen) {
  const DecimalCase& c = GetParam();
  const DecimalNumber number = ReadDecimal(c.text);
  EXPECT_EQ(number.negative, c.negative) << c.text;
  EXPECT_EQ(number.digits, c.digits) << c.text;
  EXPECT_EQ(number.exponent, c.exponent) << c.text;
  EXPECT_EQ(number.value, ReadNumber(c.text)) << c.text;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ReadDecimalKeeps,
    ::testing::Values(DecimalCase{"0,0012", false, "12", -4},
                      DecimalCase{"  -1200 ", true, "12", 2}, DecimalCase{"1E-3", false, "1", -3},
                      DecimalCase{",5", false, "5", -1}, DecimalCase{"007,50", false, "75", -1},
                      DecimalCase{"0", false, "", 0}, DecimalCase{",", false, "", 0},
                      DecimalCase{"-0,000", true, "", 0}, DecimalCase{"12,5E+3", false, "125", 2},
                      DecimalCase{"0,1", false, "1", -1}));

std::string Repeat(char c, std::size_t n) {
  return std::string(n, c);
}

// A text of thousands of digits is read to its nearest value, halfway points decided by the
// digits far beyond the first thousand.
TEST(ReadLongDecimal, IsReadToItsNearestValue) {
  EXPECT_EQ(ReadNumber("0," + Repeat('3', 200000)), 1.0L / 3);
  // 1 + 2^-64 lies halfway between 1 and the next extended value, 1 + 2^-63.
  const std::string half = "1,0000000000000000000542101086242752217003726400434970855712890625";
  EXPECT_EQ(ReadNumber(half), 1.0L);  // a tie, to the even neighbour
  EXPECT_EQ(ReadNumber(half + Repeat('0', 3000) + "1"), 1.0L + 0x1p-63L);
  EXPECT_EQ(ReadNumber("-" + half + Repeat('0', 3000) + "1"), -(1.0L + 0x1p-63L));
}

class ReadBeyondTheRange : public ::testing::TestWithParam<std::string> {};

TEST_P(ReadBeyondTheRange, IsNotANumber) {
  const std::string& text = GetParam();
  Extended value = 7;
  EXPECT_FALSE(TryReadNumber(text, value)) << text.substr(0, 40);
  EXPECT_EQ(value, 7) << "the value was written";
  try {
    ReadNumber(text);
    FAIL() << "accepted " << text.substr(0, 40);
  } catch (const EConvertError& e) {
    EXPECT_EQ(std::string(e.what()), "'" + text + "' is not a valid floating point value");
  }
}

// The largest extended value is about 1,19E4932: 4933 digits before the comma.
INSTANTIATE_TEST_SUITE_P(Texts, ReadBeyondTheRange,
                         ::testing::Values("1" + Repeat('0', 4933), "-1" + Repeat('0', 4933),
                                           "2" + Repeat('0', 4932),
                                           "1" + Repeat('0', 4500) + "E499",
                                           "5" + Repeat('0', 5000) + ",25"));

TEST(ReadNumber, TheLargestDecadeReadsUpToTheLargestValue) {
  EXPECT_EQ(ReadNumber("1" + Repeat('0', 4932)), 1e4932L);
  EXPECT_EQ(ReadNumber("-11" + Repeat('0', 4931)), -1.1e4932L);
}

TEST(ReadNumber, BelowTheRangeStillReadsAsZero) {
  EXPECT_EQ(ReadNumber("0," + Repeat('0', 5000) + "1"), 0.0L);
  EXPECT_EQ(ReadNumber("-0," + Repeat('0', 4960) + "7"), 0.0L);
}

}  // namespace
}  // namespace vaneko
