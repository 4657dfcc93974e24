// Calculator keys named as people type them: a key's caption whatever the case and the blanks
// ("sin", "n!" for "N !", "sinh" for "Sin h"), a few spoken forms ("^", "%", "π", "exp"), and
// whole expressions read as the keys a user would press for them ("2 + 3 * 4", "30 sin").
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "calculator/key_table.h"
#include "cli/cli.h"

namespace vaneko::cli {

// Text typed into Calc through its key filter, one character at a time.
struct TypeText {
  std::u32string characters;
};
// One step of a key sequence: a key, an angle-mode button, or typed text.
using KeyStep = std::variant<const calculator::KeyRow*, calculator::AngleMode, TypeText>;

// One name a key or an angle-mode button is known by: its caption, or a spoken form.
struct KeyName {
  std::string_view text;
  const calculator::KeyRow* key;  // nullptr for an angle-mode button
  calculator::AngleMode mode;     // the button's, when `key` is nullptr
  bool caption;                   // the key's or button's own caption, not a spoken form

  KeyStep Step() const {
    if (key != nullptr) return key;
    return mode;
  }
};
std::span<const KeyName> KeyNames();

// The step one word names, for `keys`: the exact caption first ("Gamma" for "Gamma " too),
// then a caption whatever the case and the accents, then without its blanks ("n!", "sinh"),
// then a spoken form. Throws UsageError for an unknown word, with the nearest captions.
KeyStep FindKeyWord(std::string_view word);

// The captions worth suggesting for an unknown `word`, each quoted: those that start with it,
// then those that hold it, then near spellings; at most six.
std::vector<std::string> KeySuggestions(std::string_view word);

// The steps of an expression as the window's keys would be pressed for it, left to right with
// no precedence: numbers typed into Calc as the keyboard types them (a point is the decimal
// comma; a "-" that opens a number, at the start or after an operator, is the "+/-" key after
// it), and every other part the longest caption or spoken form that it starts with, whatever
// the case and the blanks. A final "=" is added unless the expression ends with one. Throws
// UsageError naming the first part that is no key.
std::vector<KeyStep> ParseExpression(std::string_view expression);

// Presses `steps` on a freshly started window and prints what `keys` prints. Message boxes go
// to stderr and the keys go on; the exit code is 1 when any key raised an error box ("Division
// par 0" is the calculator's notice, not an error), 0 otherwise.
int PressKeys(const std::vector<KeyStep>& steps, bool printState, bool printTape,
              const Options& options, Streams io);

}  // namespace vaneko::cli
