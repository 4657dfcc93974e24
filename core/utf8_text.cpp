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

std::u32string DecodeUtf8(std::string_view text) {
  std::u32string out;
  for (std::size_t k = 0; k < text.size();) {
    const auto lead = static_cast<unsigned char>(text[k]);
    const std::size_t length = SequenceLength(lead);
    bool wellFormed = length != 0 && k + length <= text.size();
    for (std::size_t extra = 1; wellFormed && extra < length; ++extra)
      wellFormed = IsContinuationByte(text[k + extra]);
    if (!wellFormed) {
      out += static_cast<char32_t>(lead);
      ++k;
      continue;
    }
    char32_t code = length == 1 ? lead : lead & (0x7F >> length);
    for (std::size_t extra = 1; extra < length; ++extra)
      code = (code << 6) | (static_cast<unsigned char>(text[k + extra]) & 0x3F);
    out += code;
    k += length;
  }
  return out;
}

}  // namespace vaneko
