#include "core/utf8_text.h"

namespace vaneko {

namespace {

bool IsContinuationByte(char byte) {
  return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

}  // namespace

std::size_t CharacterCount(std::string_view text) {
  std::size_t count = 0;
  for (char byte : text)
    if (!IsContinuationByte(byte)) ++count;
  return count;
}

void RemoveLastCharacter(std::string& text) {
  if (text.empty()) return;
  std::size_t cut = text.size() - 1;
  while (cut > 0 && IsContinuationByte(text[cut])) --cut;
  text.erase(cut);
}

}  // namespace vaneko
