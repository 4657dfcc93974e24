#include "core/number_text.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cfloat>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <locale>
#include <random>
#include <string>

#include "core/errors.h"

namespace vaneko {
namespace {

struct ReadCase {
  const char* text;
  long double value;
};

class ReadNumberAccepts : public ::testing::TestWithParam<ReadCase> {};

TEST_P(ReadNumberAccepts, ReadsTheValue) {
  const ReadCase& c = GetParam();
  EXPECT_EQ(ReadNumber(c.text), c.value) << c.text;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ReadNumberAccepts,
    ::testing::Values(ReadCase{"2,5", 2.5L}, ReadCase{" 2,5 ", 2.5L}, ReadCase{"2,5e3", 2500.0L},
                      ReadCase{"1E5", 100000.0L}, ReadCase{"1e-5", 1e-5L}, ReadCase{",", 0.0L},
                      ReadCase{",5", 0.5L}, ReadCase{"5,", 5.0L}, ReadCase{"-,5", -0.5L},
                      ReadCase{"+7", 7.0L}, ReadCase{"007", 7.0L}, ReadCase{"1E", 1.0L},
                      ReadCase{"1E+", 1.0L}, ReadCase{"1E-", 1.0L}, ReadCase{"3E+2", 300.0L},
                      ReadCase{"1E499", 1e499L}, ReadCase{"1E0499", 1e499L},
                      ReadCase{"1E-499", 1e-499L}, ReadCase{"0,1", 0.1L},
                      ReadCase{"1,5E20", 1.5e20L}, ReadCase{"   -0", -0.0L}));

class ReadNumberRefuses : public ::testing::TestWithParam<const char*> {};

TEST_P(ReadNumberRefuses, RaisesTheConversionErrorWithTheText) {
  const std::string text = GetParam();
  try {
    ReadNumber(text);
    FAIL() << "accepted " << text;
  } catch (const EConvertError& e) {
    EXPECT_EQ(std::string(e.what()), "'" + text + "' is not a valid floating point value");
  }
}

INSTANTIATE_TEST_SUITE_P(Texts, ReadNumberRefuses,
                         ::testing::Values("", " ", "-", "+", "1.5", "1,2,3", "E5", "e", "1E5000",
                                           "1E500", "1 000", "1,5x", "--1", "+-1", "1E5,5", "0x10",
                                           "inf", "nan", "1\t", "\xC3\xA9"));

// The number text is the same whatever the process locale says. Run under the C locale (a dot,
// no grouping) and under a French one (a comma, and a blank between groups of thousands), so a
// reader or writer that went through the locale's separators fails under one or the other.
struct LocaleCase {
  const char* name;
  char decimalPoint;  // the locale's own, to show that it is in effect
};

class NumberTextUnderLocale : public ::testing::TestWithParam<LocaleCase> {
 protected:
  void SetUp() override {
    const char* current = std::setlocale(LC_ALL, nullptr);
    savedC_ = current ? current : "C";
    savedCpp_ = std::locale();
    if (std::setlocale(LC_ALL, GetParam().name) == nullptr)
      GTEST_SKIP() << "locale " << GetParam().name << " is not installed (scripts/install-deps.sh)";
    std::locale::global(std::locale(GetParam().name));
  }
  void TearDown() override {
    std::locale::global(savedCpp_);
    std::setlocale(LC_ALL, savedC_.c_str());
  }

 private:
  std::string savedC_;
  std::locale savedCpp_;
};

TEST_P(NumberTextUnderLocale, IsInEffectForCAndCpp) {
  EXPECT_EQ(*std::localeconv()->decimal_point, GetParam().decimalPoint);
  EXPECT_EQ(std::use_facet<std::numpunct<char>>(std::locale()).decimal_point(),
            GetParam().decimalPoint);
}

TEST_P(NumberTextUnderLocale, ReadsTheCommaAndRefusesTheDot) {
  EXPECT_EQ(ReadNumber("2,5"), 2.5L);
  EXPECT_EQ(ReadNumber("-1,25E3"), -1250.0L);
  EXPECT_EQ(ReadNumber(",5"), 0.5L);
  EXPECT_THROW(ReadNumber("2.5"), EConvertError);
  EXPECT_THROW(ReadNumber("1 234"), EConvertError);
  EXPECT_THROW(ReadNumber("1\u202F234"), EConvertError);  // the French thousands blank
  EXPECT_EQ(ReadInteger("1234567"), 1234567);
}

TEST_P(NumberTextUnderLocale, WritesTheCommaWithoutGrouping) {
  EXPECT_EQ(FormatNumber(2.5L), "2,5");
  EXPECT_EQ(FormatNumber(-1234567.25L), "-1234567,25");
  EXPECT_EQ(FormatNumber(1.5e20L), "1,5E20");
  EXPECT_EQ(FormatNumber(0.00001L), "1E-5");
  EXPECT_EQ(FormatNumber(2.0L / 3.0L), "0,666666666666667");
}

INSTANTIATE_TEST_SUITE_P(Locales, NumberTextUnderLocale,
                         ::testing::Values(LocaleCase{"C", '.'}, LocaleCase{"C.UTF-8", '.'},
                                           LocaleCase{"fr_FR.UTF-8", ','}),
                         [](const ::testing::TestParamInfo<LocaleCase>& info) {
                           std::string name;
                           for (const char* c = info.param.name; *c != '\0'; ++c)
                             name += std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
                           return name;
                         });

TEST(ReadNumber, ReadsInExtendedPrecision) {
  // 1 + 2^-60 is representable in the 64-bit mantissa but not in a double.
  EXPECT_GT(ReadNumber("1,000000000000000000867361737988403547205962240695953369140625"), 1.0L);
}

TEST(ReadNumber, LeadingZerosCanTakeTheValueBelowTheExponentLimit) {
  EXPECT_EQ(ReadNumber("0,0000000001E-499"), 1e-509L);
  // Far below the smallest extended value: the text is a number, and its value is zero.
  const std::string tiny = "0," + std::string(5000, '0') + "1E-499";
  EXPECT_EQ(ReadNumber(tiny), 0.0L);
}

struct FormatCase {
  long double value;
  const char* text;
};

class FormatNumberWrites : public ::testing::TestWithParam<FormatCase> {};

TEST_P(FormatNumberWrites, TheGeneralFormat) {
  EXPECT_EQ(FormatNumber(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Values, FormatNumberWrites,
    ::testing::Values(
        FormatCase{0.0L, "0"}, FormatCase{-0.0L, "0"}, FormatCase{1234.5L, "1234,5"},
        FormatCase{0.0001L, "0,0001"}, FormatCase{0.00001L, "1E-5"}, FormatCase{1e15L, "1E15"},
        FormatCase{999999999999999.0L, "999999999999999"}, FormatCase{1.5e20L, "1,5E20"},
        FormatCase{2.0L / 3.0L, "0,666666666666667"}, FormatCase{1.0L / 3.0L, "0,333333333333333"},
        FormatCase{-2.5L, "-2,5"}, FormatCase{100.0L, "100"}, FormatCase{-40.0L, "-40"},
        FormatCase{1.2345678901234567L, "1,23456789012346"},
        FormatCase{123456789012345678.0L, "1,23456789012346E17"},
        FormatCase{9999999999999995.0L, "1E16"}, FormatCase{999999999999999.5L, "1E15"},
        FormatCase{0.00009999999999999999L, "0,0001"}, FormatCase{-1e-5L, "-1E-5"},
        FormatCase{1.60206e-16L, "1,60206E-16"}, FormatCase{1e-300L, "1E-300"},
        FormatCase{1e300L, "1E300"}, FormatCase{0.125L, "0,125"},
        // A half in the 16th digit rounds away from zero, whatever its sign.
        FormatCase{1234567890123445.0L, "1,23456789012345E15"},
        FormatCase{-1234567890123445.0L, "-1,23456789012345E15"}, FormatCase{0.5L, "0,5"},
        FormatCase{3.0L, "3"},
        // Beyond the exponents the reader takes, the comma moves so the text still reads back.
        FormatCase{9.99999e504L, "999999E499"}, FormatCase{-1e500L, "-10E499"},
        FormatCase{1.5e-509L, "0,00000000015E-499"}, FormatCase{1e-500L, "0,1E-499"}));

TEST(FormatNumber, WrittenTextsReadBackToTheSameText) {
  for (long double v : {1e15L, 1e-5L, 0.1L, 1.0L / 7.0L, -123.456L, 6.02214076e23L, 2.0L / 3.0L}) {
    const std::string once = FormatNumber(v);
    EXPECT_EQ(FormatNumber(ReadNumber(once)), once) << once;
  }
}

struct IntegerCase {
  const char* text;
  std::int32_t value;
};

class ReadIntegerAccepts : public ::testing::TestWithParam<IntegerCase> {};

TEST_P(ReadIntegerAccepts, ReadsTheWholeNumber) {
  EXPECT_EQ(ReadInteger(GetParam().text), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(Texts, ReadIntegerAccepts,
                         ::testing::Values(IntegerCase{"5", 5}, IntegerCase{"-5", -5},
                                           IntegerCase{"+12", 12}, IntegerCase{" 7", 7},
                                           IntegerCase{"007", 7},
                                           IntegerCase{"2147483647", 2147483647},
                                           IntegerCase{"-2147483648", INT32_MIN}));

class ReadIntegerRefuses : public ::testing::TestWithParam<const char*> {};

TEST_P(ReadIntegerRefuses, RaisesTheIntegerError) {
  const std::string text = GetParam();
  try {
    ReadInteger(text);
    FAIL() << "accepted " << text;
  } catch (const EConvertError& e) {
    EXPECT_EQ(std::string(e.what()), "'" + text + "' is not a valid integer value");
  }
}

INSTANTIATE_TEST_SUITE_P(Texts, ReadIntegerRefuses,
                         ::testing::Values("", "-", "5,5", "1E3", "2147483648", "-2147483649",
                                           "+-5", "5 ", "99999999999999999999", "a"));

}  // namespace
}  // namespace vaneko

namespace vaneko {
namespace {

// Reference: 15 significant digits, a half away from zero, from printf's exact expansion.
std::string ReferenceDigits(long double magnitude, int& e) {
  char buffer[128];
  std::snprintf(buffer, sizeof buffer, "%.45Le", magnitude);
  std::string digits;
  const char* p = buffer;
  for (; *p != 'e'; ++p)
    if (*p >= '0' && *p <= '9') digits += *p;
  e = std::atoi(p + 1) + 1;
  std::string kept = digits.substr(0, 15);
  if (digits[15] >= '5') {
    int i = 14;
    while (i >= 0 && kept[i] == '9') kept[i--] = '0';
    if (i < 0) {
      kept = "1" + kept.substr(0, 14);
      ++e;
    } else {
      ++kept[i];
    }
  }
  while (kept.size() > 1 && kept.back() == '0') kept.pop_back();
  return kept;
}

TEST(FormatNumber, AgreesWithTheExactExpansionOverManyValues) {
  std::mt19937_64 random(7);
  std::uniform_real_distribution<long double> mantissa(1.0L, 10.0L);
  std::uniform_int_distribution<int> decade(-40, 40);
  for (int k = 0; k < 200000; ++k) {
    long double value = mantissa(random) * std::pow(10.0L, decade(random));
    if (k % 3 == 0) value = std::nearbyint(value * 1e3L) / 1e3L;  // short decimals, near ties
    if (value == 0) continue;
    int e = 0;
    const std::string digits = ReferenceDigits(value, e);
    const std::string shown = FormatNumber(value);
    std::string shownDigits;
    for (char c : shown.substr(0, shown.find('E')))
      if (c >= '0' && c <= '9') shownDigits += c;
    shownDigits.erase(0, shownDigits.find_first_not_of('0'));
    while (shownDigits.size() > 1 && shownDigits.back() == '0') shownDigits.pop_back();
    ASSERT_EQ(shownDigits, digits) << shown;
  }
}

}  // namespace
}  // namespace vaneko
