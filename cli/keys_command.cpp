// vaneko-cli keys [--state] [--tape] KEY...: presses calculator keys on a freshly started window.
// A KEY is a key's caption as the panel shows it (whatever the case and the blanks: "sin",
// "n!"), "Deg", "Rad" or "Grad" (the angle mode), "type:TEXT" (types each character of TEXT
// into Calc through the key filter) or "Enter" (types the Enter key there). Message boxes are
// printed on stderr and the keys go on. Typed text goes through the field's key filter one
// character at a time, appended at the end, so a long text costs time in proportion to its
// length. With --tape, the lines of the tape follow the usual output, each prefixed by "tape: ".
//
// vaneko-cli keys --names lists the captions, for the shell's completion.
//
// vaneko-cli calc [--state] [--tape] EXPRESSION: the keys of EXPRESSION, then "=".
#include <ostream>

#include "cli/key_words.h"
#include "core/utf8_text.h"

namespace vaneko::cli {

namespace {

KeyStep ParseStep(const std::string& key) {
  if (key.rfind("type:", 0) == 0) return TypeText{DecodeUtf8(std::string_view(key).substr(5))};
  if (key == "Enter" || key == "enter") return TypeText{std::u32string(1, U'\r')};
  return FindKeyWord(key);
}

// The options of keys and calc, and the words after them. --lang is read and has no effect:
// the calculator's captions are the same in both languages.
struct KeyArguments {
  bool printState = false;
  bool printTape = false;
  Args words;
};

KeyArguments ReadKeyArguments(const Args& args, bool optionsAnywhere) {
  KeyArguments read;
  auto language = catalogue::Language::French;
  for (std::size_t k = 0; k < args.size(); ++k) {
    const bool optionPlace = optionsAnywhere || read.words.empty();
    if (optionPlace && TakeLanguage(args, k, language)) continue;
    if (args[k] == "--state" && optionPlace && !read.printState) {
      read.printState = true;
    } else if (args[k] == "--tape" && optionPlace && !read.printTape) {
      read.printTape = true;
    } else {
      read.words.push_back(args[k]);
    }
  }
  return read;
}

}  // namespace

int RunKeys(const Args& args, const Options& options, Streams io) {
  if (args.size() == 1 && args.front() == "--names") {
    // Every caption, for the shell's completion; a trailing blank is not needed to name a key.
    for (const KeyName& name : KeyNames()) {
      if (!name.caption) continue;
      std::string_view text = name.text;
      while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
      io.out << text << '\n';
    }
    io.out << "Enter\n";
    return kExitOk;
  }
  const KeyArguments read = ReadKeyArguments(args, false);
  std::vector<KeyStep> steps;
  for (const std::string& word : read.words) steps.push_back(ParseStep(word));
  return PressKeys(steps, read.printState, read.printTape, options, io);
}

int RunCalc(const Args& args, const Options& options, Streams io) {
  const KeyArguments read = ReadKeyArguments(args, true);
  std::string expression;
  for (const std::string& word : read.words) expression += (expression.empty() ? "" : " ") + word;
  return PressKeys(ParseExpression(expression), read.printState, read.printTape, options, io);
}

}  // namespace vaneko::cli
