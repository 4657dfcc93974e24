#include "core/message_text.h"

#include <cstdio>

#include "core/utf8_text.h"

namespace vaneko {

namespace {

bool IsContinuationByte(unsigned char byte) {
  return (byte & 0xC0) == 0x80;
}

// The byte offset where the character numbered `index` starts (the size when there is none).
std::size_t OffsetOfCharacter(std::string_view text, std::size_t index) {
  std::size_t seen = 0;
  for (std::size_t k = 0; k < text.size(); ++k) {
    if (IsContinuationByte(static_cast<unsigned char>(text[k]))) continue;
    if (seen++ == index) return k;
  }
  return text.size();
}

// The length of the well-formed UTF-8 character at text[k], or 0 when the byte there does not
// start one (overlong forms and surrogates included).
std::size_t WellFormedLength(std::string_view text, std::size_t k, char32_t& code) {
  const auto lead = static_cast<unsigned char>(text[k]);
  const std::size_t length = SequenceLength(lead);
  if (length == 0 || k + length > text.size()) return 0;
  code = length == 1 ? lead : lead & (0x7F >> length);
  for (std::size_t extra = 1; extra < length; ++extra) {
    const auto byte = static_cast<unsigned char>(text[k + extra]);
    if (!IsContinuationByte(byte)) return 0;
    code = (code << 6) | (byte & 0x3F);
  }
  constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
  if (code < kSmallest[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return 0;
  return length;
}

std::string Hex(const char* format, unsigned value) {
  char buffer[8];
  std::snprintf(buffer, sizeof buffer, format, value);
  return buffer;
}

}  // namespace

std::string ShortenMiddle(std::string_view text, std::size_t limit, std::size_t kept) {
  std::size_t count = 0;
  for (const char byte : text)
    if (!IsContinuationByte(static_cast<unsigned char>(byte))) ++count;
  if (count <= limit || 2 * kept >= count) return std::string(text);
  const std::size_t headEnd = OffsetOfCharacter(text, kept);
  const std::size_t tailStart = OffsetOfCharacter(text, count - kept);
  return std::string(text.substr(0, headEnd)) + "\u2026" + std::string(text.substr(tailStart));
}

std::string EscapeControls(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t k = 0; k < text.size();) {
    char32_t code = 0;
    const std::size_t length = WellFormedLength(text, k, code);
    if (length == 0) {
      out += Hex("\\x%02X", static_cast<unsigned char>(text[k]));
      ++k;
      continue;
    }
    if (code == U'\n') {
      out += "\\n";
    } else if (code == U'\r') {
      out += "\\r";
    } else if (code == U'\t') {
      out += "\\t";
    } else if (code < 0x20 || code == 0x7F) {
      out += Hex("\\x%02X", static_cast<unsigned>(code));
    } else if (code >= 0x80 && code <= 0x9F) {
      out += Hex("\\u%04X", static_cast<unsigned>(code));
    } else {
      out.append(text.substr(k, length));
    }
    k += length;
  }
  return out;
}

std::string QuotedText(std::string_view text) {
  return "'" + EscapeControls(ShortenMiddle(text, kQuotedLimit, kQuotedKept)) + "'";
}

std::string BoxText(std::string_view message) {
  std::string text(message);
  const std::size_t open = text.find('\'');
  const std::size_t close = text.rfind('\'');
  if (open != std::string::npos && close > open) {
    text = text.substr(0, open + 1) +
           ShortenMiddle(std::string_view(text).substr(open + 1, close - open - 1), kQuotedLimit,
                         kQuotedKept) +
           text.substr(close);
  }
  return EscapeControls(ShortenMiddle(text, kMessageLimit, kMessageKept));
}

}  // namespace vaneko
