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

std::string EncodeUtf8(char32_t code) {
  std::string out;
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | (code >> 6));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else if (code < 0x10000) {
    out += static_cast<char>(0xE0 | (code >> 12));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (code >> 18));
    out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
  return out;
}

std::string EncodeUtf8(std::u32string_view text) {
  std::string out;
  for (const char32_t code : text) out += EncodeUtf8(code);
  return out;
}

}  // namespace vaneko
