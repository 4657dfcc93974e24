// How messages quote typed text: control characters escaped, long texts cut in the middle.
#include "core/message_text.h"

#include <gtest/gtest.h>

#include <string>

#include "core/utf8_text.h"

namespace vaneko {
namespace {

std::string Repeat(std::string_view piece, std::size_t times) {
  std::string text;
  for (std::size_t k = 0; k < times; ++k) text += piece;
  return text;
}

struct ShortenCase {
  const char* name;
  std::string text;
  std::size_t limit;
  std::size_t kept;
  std::string shown;
};

class ShortenMiddleOf : public ::testing::TestWithParam<ShortenCase> {};

TEST_P(ShortenMiddleOf, KeepsBothEnds) {
  EXPECT_EQ(ShortenMiddle(GetParam().text, GetParam().limit, GetParam().kept), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ShortenMiddleOf,
    ::testing::Values(
        ShortenCase{"Short", "abc", 5, 2, "abc"}, ShortenCase{"AtTheLimit", "abcde", 5, 2, "abcde"},
        ShortenCase{"OneOver", "abcdef", 5, 2, "ab\u2026ef"}, ShortenCase{"Empty", "", 5, 2, ""},
        // Characters, not bytes, are counted and kept: "é" is two bytes, "€" three.
        ShortenCase{"TwoByteCharacters", "éééééé", 5, 2, "éé\u2026éé"},
        ShortenCase{"ThreeByteCharacters", "€€€€€€€", 6, 1, "€\u2026€"},
        ShortenCase{"NotSplitAtTheCut",
                    "aé€éa"
                    "bcdef",
                    6, 3, "aé€\u2026def"},
        // The window's limits: 64 characters whole, 28 at either end beyond.
        ShortenCase{"QuotedLimit", Repeat("x", 64), kQuotedLimit, kQuotedKept, Repeat("x", 64)},
        ShortenCase{"QuotedLimitPassed", Repeat("a", 30) + Repeat("x", 5) + Repeat("b", 30),
                    kQuotedLimit, kQuotedKept, Repeat("a", 28) + "\u2026" + Repeat("b", 28)}),
    [](const auto& info) { return std::string(info.param.name); });

struct EscapeCase {
  const char* name;
  std::string text;
  std::string shown;
};

class EscapeControlsOf : public ::testing::TestWithParam<EscapeCase> {};

TEST_P(EscapeControlsOf, WritesControlsOut) {
  EXPECT_EQ(EscapeControls(GetParam().text), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, EscapeControlsOf,
    ::testing::Values(
        EscapeCase{"Plain", "100 °F in °C", "100 °F in °C"}, EscapeCase{"Newline", "a\nb", "a\\nb"},
        EscapeCase{"CarriageReturnAndTab", "a\r\tb", "a\\r\\tb"},
        EscapeCase{"EscapeSequence", "\x1B[2J\x1B]0;title\x07", "\\x1B[2J\\x1B]0;title\\x07"},
        EscapeCase{"NulByte", std::string("a\0b", 3), "a\\x00b"},
        EscapeCase{"Delete", "a\x7F", "a\\x7F"},
        // A C1 control written in UTF-8, and the same byte alone (8-bit CSI).
        EscapeCase{"C1Control",
                   "\xC2\x9B"
                   "1m",
                   "\\u009B1m"},
        EscapeCase{"StrayContinuationByte",
                   "\x9B"
                   "1m",
                   "\\x9B1m"},
        EscapeCase{"TruncatedCharacter", "ab\xC3", "ab\\xC3"},
        EscapeCase{"OverlongSlash", "\xC0\xAF", "\\xC0\\xAF"},
        EscapeCase{"Surrogate", "\xED\xA0\x80", "\\xED\\xA0\\x80"},
        EscapeCase{"BackslashStays", "a\\nb", "a\\nb"}, EscapeCase{"WideCharacters", "π€😀", "π€😀"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(QuotedText, AFiveMegabyteArgumentComesBackShort) {
  const std::string typed = "1" + Repeat("\n", 5'000'000) + "2";
  const std::string quoted = QuotedText(typed);
  EXPECT_EQ(quoted, "'1" + Repeat("\\n", 27) + "\u2026" + Repeat("\\n", 27) + "2'");
}

TEST(QuotedText, AShortTextIsQuotedWhole) {
  EXPECT_EQ(QuotedText("km\x1B"), "'km\\x1B'");
}

struct BoxCase {
  const char* name;
  std::string message;
  std::string shown;
};

class BoxTextOf : public ::testing::TestWithParam<BoxCase> {};

TEST_P(BoxTextOf, ShortensAsTheWindowDoes) {
  EXPECT_EQ(BoxText(GetParam().message), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Messages, BoxTextOf,
    ::testing::Values(
        BoxCase{"Short", "'1.5' is not a valid floating point value.",
                "'1.5' is not a valid floating point value."},
        BoxCase{"LongQuotedPart", "'" + Repeat("1", 40) + Repeat("2", 40) + "' is not valid.",
                "'" + Repeat("1", 28) + "\u2026" + Repeat("2", 28) + "' is not valid."},
        BoxCase{"NoQuote", "Division par 0", "Division par 0"},
        BoxCase{"LongMessage", Repeat("a", 300) + Repeat("b", 400),
                Repeat("a", 280) + "\u2026" + Repeat("b", 280)},
        BoxCase{"ControlsInTheQuote", "'a\nb' is not a valid integer value.",
                "'a\\nb' is not a valid integer value."}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(BoxText, NeverLongerThanTheLimitsAllow) {
  // Whatever was typed, the shown message stays within the quoted limit and the message text.
  for (const std::size_t size : {0u, 1u, 63u, 64u, 65u, 1000u, 100000u}) {
    const std::string shown =
        BoxText("'" + Repeat("é", size) + "' is not a valid floating point value");
    EXPECT_LE(CharacterCount(shown), kQuotedLimit + 2 + 36) << size;
  }
}

}  // namespace
}  // namespace vaneko
