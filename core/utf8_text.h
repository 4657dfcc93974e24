// Field texts are UTF-8; the keys that edit them work on whole characters, as the user sees them.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace vaneko {

// The number of characters (code points) in a UTF-8 text.
std::size_t CharacterCount(std::string_view text);

// Removes the last character of `text`, with all its bytes; nothing when it is empty.
void RemoveLastCharacter(std::string& text);

// How many bytes the UTF-8 character that starts with `lead` takes: 1 to 4, or 0 when `lead`
// starts none (a continuation byte or an invalid one).
constexpr std::size_t SequenceLength(unsigned char lead) {
  return lead < 0x80           ? 1
         : (lead >> 5) == 0x6  ? 2
         : (lead >> 4) == 0xE  ? 3
         : (lead >> 3) == 0x1E ? 4
                               : 0;
}

// The code points of a UTF-8 text. A malformed byte stands for itself as a code point, so a
// key filter refuses it like any other unexpected character.
std::u32string DecodeUtf8(std::string_view text);

// A code point, and code points, written in UTF-8.
std::string EncodeUtf8(char32_t code);
std::string EncodeUtf8(std::u32string_view text);

}  // namespace vaneko
