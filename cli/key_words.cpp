#include "cli/key_words.h"

#include <algorithm>
#include <exception>
#include <ostream>

#include "catalogue/unit_names.h"
#include "cli/name_matching.h"
#include "core/errors.h"
#include "core/message_text.h"
#include "core/utf8_text.h"
#include "session/session.h"

namespace vaneko::cli {

namespace {

using calculator::AngleMode;
using calculator::KeyRow;

// Other names people give keys, each beside the caption of the key it stands for. Captions
// match whatever the case and the blanks already ("pi", "n!", "sinh"); these are the forms
// that are not captions at all.
struct SpokenForm {
  std::string_view text;
  std::string_view caption;
};
constexpr SpokenForm kSpokenForms[] = {
    {"^", "x^Y"},
    {"**", "x^Y"},
    {"pow", "x^Y"},
    {"root", "x^1/y"},
    {"%", "x % de y"},
    {"!", "N !"},
    {"fact", "N !"},
    {"π", "Pi"},
    {"×", "*"},
    {"÷", "/"},
    {"−", "-"},
    {"±", "+/-"},
    {"neg", "+/-"},
    {"x²", "x^2"},
    {"sqr", "x^2"},
    {"x³", "x^3"},
    {"inv", "1/x"},
    {"√2", "Sqrt2"},
    {"√3", "Sqrt3"},
    {"exp", "e^x"},
    {"log10", "Log"},
    {"asin", "ArcSin"},
    {"acos", "ArcCos"},
    {"atan", "ArcTan"},
    {"cot", "CoTan"},
    {"acot", "ArcCoTan"},
    {"csc", "CoSec"},
    {"asec", "ArcSec"},
    {"acsc", "ArcCoSec"},
    {"asinh", "ArcSin h"},
    {"acosh", "ArcCos h"},
    {"atanh", "ArcTan h"},
};

// The operator keys and "=": after them a "-" opens a negative number.
constexpr std::string_view kOperatorCaptions[] = {"+",   "-",     "*",        "/",
                                                  "x^Y", "x^1/y", "x % de y", "="};

// Unknown words longer than this get no suggestion: the distance costs length times length.
constexpr std::size_t kLongestSuggested = 64;
constexpr std::size_t kMostSuggestions = 6;

bool IsBlank(char32_t code) {
  return code == U' ' || code == U'\t';
}

bool IsWordCharacter(char32_t code) {
  return (code >= U'0' && code <= U'9') || (code >= U'a' && code <= U'z') ||
         (code >= U'A' && code <= U'Z');
}

// One character folded as names are (case, accents), without changing the text's length.
char32_t FoldCharacter(char32_t code) {
  if (code >= U'A' && code <= U'Z') return code - U'A' + U'a';
  if (code < 0x80) return code;
  const std::u32string folded = catalogue::FoldName(EncodeUtf8(code));
  return folded.size() == 1 ? folded.front() : code;
}

std::u32string WithoutBlanks(std::u32string text) {
  std::erase_if(text, IsBlank);
  return text;
}

// A name as the matchers compare it: its characters as written and folded, runs of blanks
// as one blank and none at either end; and folded without any blank.
struct FoldedName {
  std::u32string written;
  std::u32string folded;
  std::u32string compact;
};

FoldedName Fold(std::string_view text) {
  FoldedName name;
  for (const char32_t code : DecodeUtf8(text)) {
    if (IsBlank(code)) {
      if (!name.written.empty() && name.written.back() != U' ') {
        name.written += U' ';
        name.folded += U' ';
      }
      continue;
    }
    name.written += code;
    name.folded += FoldCharacter(code);
  }
  if (!name.written.empty() && name.written.back() == U' ') {
    name.written.pop_back();
    name.folded.pop_back();
  }
  name.compact = WithoutBlanks(name.folded);
  return name;
}

const std::vector<FoldedName>& FoldedNames() {
  static const std::vector<FoldedName> folded = [] {
    std::vector<FoldedName> names;
    for (const KeyName& name : KeyNames()) names.push_back(Fold(name.text));
    return names;
  }();
  return folded;
}

bool SameStep(const KeyStep& a, const KeyStep& b) {
  if (a.index() != b.index()) return false;
  if (const auto* key = std::get_if<const KeyRow*>(&a)) return *key == std::get<const KeyRow*>(b);
  if (const auto* mode = std::get_if<AngleMode>(&a)) return *mode == std::get<AngleMode>(b);
  return std::get<TypeText>(a).characters == std::get<TypeText>(b).characters;
}

// The caption a step is shown by in messages.
std::string_view CaptionOf(const KeyStep& step) {
  for (const KeyName& name : KeyNames())
    if (name.caption && SameStep(name.Step(), step)) return name.text;
  return {};
}

std::string Quoted(std::string_view caption) {
  return "'" + std::string(caption) + "'";
}

// The one step the names at `found` stand for; ambiguous when they stand for several.
KeyStep Decide(std::string_view word, const std::vector<std::size_t>& found) {
  std::vector<KeyStep> steps;
  for (const std::size_t k : found) {
    const KeyStep step = KeyNames()[k].Step();
    if (std::none_of(steps.begin(), steps.end(),
                     [&](const KeyStep& seen) { return SameStep(seen, step); }))
      steps.push_back(step);
  }
  if (steps.size() == 1) return steps.front();
  std::vector<std::string> captions;
  for (const KeyStep& step : steps) captions.push_back(Quoted(CaptionOf(step)));
  throw UsageError{"ambiguous calculator key " + QuotedText(word) + ": " +
                   JoinNames(captions, " or ")};
}

[[noreturn]] void ThrowUnknown(std::string_view word) {
  std::string message = "no calculator key " + QuotedText(word);
  const std::vector<std::string> names = KeySuggestions(word);
  if (!names.empty()) message += "; did you mean " + JoinNames(names, " or ") + "?";
  throw UsageError{message};
}

bool IsOperator(const KeyStep& step) {
  const auto* key = std::get_if<const KeyRow*>(&step);
  return key != nullptr && std::find(std::begin(kOperatorCaptions), std::end(kOperatorCaptions),
                                     (*key)->caption) != std::end(kOperatorCaptions);
}

// The length of the name `name` at text[at], or 0: a blank of the name matches any run of
// blanks, even none ("n!" is "N !"), and a name that ends in a letter or digit does not end
// inside a word ("e" is not the start of "euler"). `exact` tells whether the case agreed too.
std::size_t MatchAt(const std::u32string& written, const std::u32string& folded, std::size_t at,
                    const FoldedName& name, bool& exact) {
  if (name.folded.empty()) return 0;
  exact = true;
  std::size_t j = at;
  for (std::size_t i = 0; i < name.folded.size(); ++i) {
    if (name.folded[i] == U' ') {
      while (j < folded.size() && IsBlank(folded[j])) ++j;
      continue;
    }
    if (j >= folded.size() || folded[j] != name.folded[i]) return 0;
    exact &= written[j] == name.written[i];
    ++j;
  }
  if (IsWordCharacter(name.folded.back()) && j < folded.size() && IsWordCharacter(folded[j]))
    return 0;
  return j - at;
}

// The length of the number at text[at] (digits with at most one "." or ","; a leading "-"
// when `signed`), or 0.
std::size_t NumberAt(const std::u32string& text, std::size_t at, bool allowSign) {
  std::size_t k = at;
  if (allowSign && k < text.size() && text[k] == U'-') ++k;
  std::size_t digits = 0;
  bool separator = false;
  for (; k < text.size(); ++k) {
    const char32_t code = text[k];
    if (code >= U'0' && code <= U'9') {
      ++digits;
    } else if ((code == U'.' || code == U',') && !separator) {
      separator = true;
    } else {
      break;
    }
  }
  return digits == 0 ? 0 : k - at;
}

// The extent of an unknown part of an expression: up to a blank or an operator sign.
std::size_t UnknownPartAt(const std::u32string& text, std::size_t at) {
  constexpr std::u32string_view kStops = U"+-*/^%=!";
  std::size_t k = at + 1;
  while (k < text.size() && !IsBlank(text[k]) && kStops.find(text[k]) == std::u32string::npos) ++k;
  return k - at;
}

const KeyRow& Key(std::string_view caption) {
  return *calculator::FindKey(caption);
}

}  // namespace

std::span<const KeyName> KeyNames() {
  static const std::vector<KeyName> names = [] {
    std::vector<KeyName> all;
    for (const KeyRow& key : calculator::CalculatorKeys())
      all.push_back({key.caption, &key, AngleMode::Degrees, true});
    for (const calculator::AngleRow& button : calculator::AngleButtons())
      all.push_back({button.name, nullptr, button.mode, true});
    for (const SpokenForm& form : kSpokenForms)
      all.push_back({form.text, &Key(form.caption), AngleMode::Degrees, false});
    return all;
  }();
  return names;
}

KeyStep FindKeyWord(std::string_view word) {
  if (const KeyRow* key = calculator::FindKey(word)) return key;
  for (const calculator::AngleRow& button : calculator::AngleButtons())
    if (button.name == word) return button.mode;
  const FoldedName typed = Fold(word);
  if (!typed.folded.empty()) {
    const auto& folded = FoldedNames();
    // Captions folded, then captions without their blanks, then the spoken forms.
    for (int level = 0; level < 3; ++level) {
      std::vector<std::size_t> found;
      for (std::size_t k = 0; k < folded.size(); ++k) {
        const bool caption = KeyNames()[k].caption;
        const bool same = level == 0   ? caption && folded[k].folded == typed.folded
                          : level == 1 ? caption && folded[k].compact == typed.compact
                                       : !caption && folded[k].compact == typed.compact;
        if (same) found.push_back(k);
      }
      if (!found.empty()) return Decide(word, found);
    }
  }
  ThrowUnknown(word);
}

std::vector<std::string> KeySuggestions(std::string_view word) {
  const std::u32string query = Fold(word).compact;
  if (query.empty() || query.size() > kLongestSuggested) return {};
  const auto& folded = FoldedNames();
  std::vector<std::size_t> starts;
  std::vector<std::size_t> holds;
  for (std::size_t k = 0; k < folded.size(); ++k) {
    const std::size_t at = folded[k].compact.find(query);
    if (at == 0) {
      starts.push_back(k);
    } else if (at != std::u32string::npos) {
      holds.push_back(k);
    }
  }
  starts.insert(starts.end(), holds.begin(), holds.end());
  // Near spellings: at most one edit in four characters, none for a text of one or two.
  if (query.size() >= 3) {
    const std::size_t allowed = std::max<std::size_t>(1, query.size() / 4);
    for (std::size_t distance = 1; distance <= allowed; ++distance)
      for (std::size_t k = 0; k < folded.size(); ++k)
        if (catalogue::EditDistance(query, folded[k].compact) == distance) starts.push_back(k);
  }
  std::vector<std::string> names;
  for (const std::size_t k : starts) {
    std::string name = Quoted(CaptionOf(KeyNames()[k].Step()));
    if (std::find(names.begin(), names.end(), name) == names.end()) names.push_back(name);
    if (names.size() == kMostSuggestions) break;
  }
  return names;
}

std::vector<KeyStep> ParseExpression(std::string_view expression) {
  std::u32string written = DecodeUtf8(expression);
  std::u32string folded;
  for (char32_t& code : written) {
    if (IsBlank(code) || code == U'\n' || code == U'\r') code = U' ';
    folded += FoldCharacter(code);
  }
  const auto& names = FoldedNames();
  std::vector<KeyStep> steps;
  bool operandNext = true;  // at the start or after an operator: a "-" opens a number
  for (std::size_t at = 0; at < folded.size();) {
    if (IsBlank(folded[at])) {
      ++at;
      continue;
    }
    std::size_t longest = 0;
    std::vector<std::size_t> found;
    std::vector<std::size_t> exactly;
    for (std::size_t k = 0; k < names.size(); ++k) {
      bool exact = false;
      const std::size_t length = MatchAt(written, folded, at, names[k], exact);
      if (length == 0 || length < longest) continue;
      if (length > longest) {
        longest = length;
        found.clear();
        exactly.clear();
      }
      found.push_back(k);
      if (exact && KeyNames()[k].caption) exactly.push_back(k);
    }
    const std::size_t number = NumberAt(folded, at, operandNext);
    if (number > 0 && number >= longest) {
      const bool negative = folded[at] == U'-';
      steps.push_back(
          TypeText{folded.substr(at + (negative ? 1 : 0), number - (negative ? 1 : 0))});
      if (negative) steps.push_back(&Key("+/-"));
      operandNext = false;
      at += number;
      continue;
    }
    const std::string part = EncodeUtf8(std::u32string_view(written).substr(at, longest));
    if (longest == 0)
      ThrowUnknown(EncodeUtf8(std::u32string_view(written).substr(at, UnknownPartAt(folded, at))));
    // "C" is the clear key and "c" the speed of light: the case decides where it can.
    steps.push_back(Decide(part, exactly.empty() ? found : exactly));
    if (!std::holds_alternative<AngleMode>(steps.back())) operandNext = IsOperator(steps.back());
    at += longest;
  }
  if (steps.empty()) throw UsageError{"calc needs an EXPRESSION"};
  const auto* last = std::get_if<const KeyRow*>(&steps.back());
  if (last == nullptr || (*last)->caption != "=") steps.push_back(&Key("="));
  return steps;
}

int PressKeys(const std::vector<KeyStep>& steps, bool printState, bool printTape,
              const Options& options, Streams io) {
  Session session;
  session.ShowNoticeWith(
      [&](const std::string& notice) { io.err << Shown(BoxText(notice), options) << '\n'; });
  bool failed = false;
  for (const KeyStep& step : steps) {
    try {
      if (const auto* key = std::get_if<const KeyRow*>(&step)) {
        session.Press(**key);
      } else if (const auto* mode = std::get_if<AngleMode>(&step)) {
        session.SelectAngleMode(*mode);
      } else {
        for (char32_t character : std::get<TypeText>(step).characters)
          session.TypeChar(Field::Calc, character);
      }
    } catch (const std::exception& e) {
      io.err << Shown(BoxText(ErrorBoxText(e.what())), options) << '\n';
      failed = true;
    }
  }

  const calculator::CalculatorModel& calc = session.calculator;
  if (printState) {
    io.out << "Calc: " << Shown(calc.Calc, options) << "\nmem: " << Shown(calc.mem, options)
           << "\nX1: " << Shown(calc.X1, options) << "\nY1: " << Shown(calc.Y1, options)
           << "\nZ1: " << Shown(calc.Z1, options) << '\n';
  } else {
    io.out << Shown(calc.Calc, options) << '\n';
  }
  if (printTape) {
    for (const calculator::TapeLine& line : session.tape.Lines())
      io.out << "tape: " << Shown(line.text, options) << '\n';
  }
  return failed ? kExitError : kExitOk;
}

}  // namespace vaneko::cli
