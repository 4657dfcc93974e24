// How a message shows a text that was typed: its control characters written out, so that a
// newline or an escape sequence never reaches a terminal as such, and a very long text cut in
// its middle, its start and its end kept around "…", as the window's message boxes do.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace vaneko {

// Longest quoted text a message shows whole, in characters; a longer one keeps
// kQuotedKept characters at either end.
inline constexpr std::size_t kQuotedLimit = 64;
inline constexpr std::size_t kQuotedKept = 28;
// Longest message shown whole; a longer one keeps kMessageKept characters at either end.
inline constexpr std::size_t kMessageLimit = 600;
inline constexpr std::size_t kMessageKept = 280;

// `text` with its middle replaced by "…" when it holds more than `limit` characters: its
// first and last `kept` characters stay. Characters are counted as in CharacterCount (a
// malformed byte is one), so that none is ever split.
std::string ShortenMiddle(std::string_view text, std::size_t limit, std::size_t kept);

// `text` with every control character written as an escape: "\n", "\r", "\t", "\xHH" for the
// other C0 controls and DEL, "\u0085" for a C1 control. A byte that is not part of a
// well-formed UTF-8 character is written "\xHH" too, since a terminal may read a stray 0x9B as
// the start of an escape sequence. Everything else, backslashes included, stays as it is.
std::string EscapeControls(std::string_view text);

// A typed text as a message quotes it: shortened to kQuotedLimit, escaped, within "'".
std::string QuotedText(std::string_view text);

// A whole message as a box shows it: the quoted part (from the first "'" to the last)
// shortened to kQuotedLimit, then the whole message to kMessageLimit, then escaped.
std::string BoxText(std::string_view message);

}  // namespace vaneko
