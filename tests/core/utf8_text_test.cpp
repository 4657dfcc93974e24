#include "core/utf8_text.h"

#include <gtest/gtest.h>

#include <string>

namespace vaneko {
namespace {

struct DecodeCase {
  std::string text;
  std::u32string codes;
};

class DecodeUtf8Reads : public ::testing::TestWithParam<DecodeCase> {};

TEST_P(DecodeUtf8Reads, CodePoints) {
  EXPECT_EQ(DecodeUtf8(GetParam().text), GetParam().codes);
}

INSTANTIATE_TEST_SUITE_P(Texts, DecodeUtf8Reads,
                         ::testing::Values(DecodeCase{"2+3", U"2+3"},
                                           DecodeCase{"é€", U"\u00e9\u20ac"},
                                           DecodeCase{"\xF0\x9F\x98\x80", U"\U0001F600"},
                                           // Malformed bytes stand for themselves.
                                           DecodeCase{"\xC3", U"\u00c3"},
                                           DecodeCase{"\xC3(", U"\u00c3("},
                                           DecodeCase{"\xFF"
                                                      "1",
                                                      U"\u00ff1"},
                                           DecodeCase{"", U""}));

struct RemoveCase {
  std::string text;
  std::string after;
  std::size_t characters;  // of the text before
};

class RemoveLastCharacterOf : public ::testing::TestWithParam<RemoveCase> {};

TEST_P(RemoveLastCharacterOf, RemovesAWholeCharacter) {
  std::string text = GetParam().text;
  EXPECT_EQ(CharacterCount(text), GetParam().characters);
  RemoveLastCharacter(text);
  EXPECT_EQ(text, GetParam().after);
}

INSTANTIATE_TEST_SUITE_P(Texts, RemoveLastCharacterOf,
                         ::testing::Values(RemoveCase{"75", "7", 2}, RemoveCase{"5é", "5", 2},
                                           RemoveCase{"€", "", 1}, RemoveCase{"", "", 0}));

}  // namespace
}  // namespace vaneko
