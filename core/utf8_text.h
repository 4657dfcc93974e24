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

}  // namespace vaneko
