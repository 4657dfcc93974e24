// vaneko-cli convert [--lang fr|en] [--swap] CATEGORY FROM TO NUMBER: a click in the to-list of
// a freshly started window. TO '*' makes that click once for every unit of the to-list, each on
// its own fresh window. --swap is the swap key "⇄": on the kitchen tab it is pressed first, so
// that FROM is a measure and TO a food; elsewhere it is pressed after FROM and TO are chosen, so
// that NUMBER converts from TO to FROM.
#include <exception>
#include <optional>
#include <ostream>
#include <utility>

#include "cli/cli.h"
#include "cli/name_matching.h"
#include "core/errors.h"
#include "core/message_text.h"
#include "session/session.h"

namespace vaneko::cli {

namespace {

struct Outcome {
  std::string result;  // the result field, when the click succeeded
  std::string error;   // the error box's text, when it failed
};

// Which way the lists run, and when the swap key is pressed.
enum class Direction {
  kAsListed,       // no swap key
  kKitchenTurned,  // the kitchen tab turned round before choosing: measures → grams
  kSwappedAfter,   // any other tab: the key pressed once both units are chosen
};

Outcome ConvertOnce(int tab, int from, int to, const std::string& number,
                    catalogue::Language language, Direction direction) {
  Session session;
  if (language == catalogue::Language::English) session.SelectLanguage(language);
  session.SelectTab(tab);
  session.Text(Field::Nombre1) = number;
  try {
    if (direction == Direction::kKitchenTurned) session.Swap();
    session.ShowFrom(from);
    if (direction == Direction::kSwappedAfter) {
      session.ShowTo(to);
      session.Swap();
    } else {
      session.SelectTo(to);
    }
  } catch (const std::exception& e) {
    return {{}, BoxText(ErrorBoxText(e.what()))};
  }
  return {session.Text(Field::Result), {}};
}

bool IsPosition(const std::string& text) {
  return !text.empty() && text.find_first_not_of("0123456789") == std::string::npos;
}

// FROM and TO of the kitchen tab: a food and a measure as listed, or, with --swap or when FROM
// names a measure rather than a food, a measure and a food. Positions are read as listed
// unless --swap says otherwise, so that a number never silently changes meaning.
struct KitchenChoice {
  int from;
  int to;  // meaningless when TO is '*'
  bool turned;
};

KitchenChoice FindKitchenPair(int tab, const std::string& fromText, const std::string& toText,
                              bool everyUnit, bool swap, catalogue::Language language) {
  const auto turned = [&] {
    return KitchenChoice{FindTo(tab, fromText, language),
                         everyUnit ? 0 : FindFrom(tab, toText, language), true};
  };
  if (swap) return turned();
  try {
    return {FindFrom(tab, fromText, language), everyUnit ? 0 : FindTo(tab, toText, language),
            false};
  } catch (const UsageError&) {
    if (IsPosition(fromText)) throw;
    try {
      return turned();
    } catch (const UsageError&) {
    }
    throw;  // the first lookup's message: a food and a measure is what most people mean
  }
}

// NUMBER as the number field would hold it. In plain format the point is the decimal
// separator, so it becomes the window's comma; a comma there is refused like the window refuses
// a point, rather than read as a thousands separator of some locale.
bool ToFieldText(const std::string& number, const Options& options, std::string& field) {
  field = number;
  if (options.format == NumberFormat::kWindow) return true;
  if (number.find(',') != std::string::npos) return false;
  for (char& c : field)
    if (c == '.') c = ',';
  return true;
}

// A pair of units named without their category, as it fits one category.
struct Choice {
  int tab;
  int from;
  int to;
  Direction direction;
  bool direct;  // both found by their own names or symbols, not through an alias
};

std::optional<Choice> FitIn(int tab, const std::string& fromText, const std::string& toText,
                            catalogue::Language language) {
  using catalogue::UnitList;
  const auto fit = [&](UnitList fromList, UnitList toList) -> std::optional<Choice> {
    const LineMatch from = FindLine(fromText, ListLines(tab, fromList), language);
    if (from.fit != Fit::kDirect && from.fit != Fit::kAlias) return std::nullopt;
    const LineMatch to = FindLine(toText, ListLines(tab, toList), language);
    if (to.fit != Fit::kDirect && to.fit != Fit::kAlias) return std::nullopt;
    const bool turned = fromList == UnitList::To;
    return Choice{tab, from.position, to.position,
                  turned ? Direction::kKitchenTurned : Direction::kAsListed,
                  from.fit == Fit::kDirect && to.fit == Fit::kDirect};
  };
  if (const auto listed = fit(UnitList::From, UnitList::To)) return listed;
  if (tab == catalogue::kKitchenTab) return fit(UnitList::To, UnitList::From);
  return std::nullopt;
}

// Every category that both names fit; those where both fit directly, when there are any.
std::vector<Choice> Fits(const std::string& fromText, const std::string& toText,
                         catalogue::Language language) {
  std::vector<Choice> all;
  for (int tab = 0; tab < catalogue::kCategoryCount; ++tab)
    if (const auto choice = FitIn(tab, fromText, toText, language)) all.push_back(*choice);
  std::vector<Choice> direct;
  for (const Choice& choice : all)
    if (choice.direct) direct.push_back(choice);
  return direct.empty() ? all : direct;
}

// The categories a name fits at all, for the message when no category fits both.
std::vector<int> CategoriesOf(const std::string& text, catalogue::Language language) {
  std::vector<int> tabs;
  for (int tab = 0; tab < catalogue::kCategoryCount; ++tab)
    for (const auto list : {catalogue::UnitList::From, catalogue::UnitList::To}) {
      const Fit fit = FindLine(text, ListLines(tab, list), language).fit;
      if (fit != Fit::kNone) {
        tabs.push_back(tab);
        break;
      }
    }
  return tabs;
}

std::string Captions(const std::vector<int>& tabs, catalogue::Language language) {
  std::vector<std::string> names;
  for (const int tab : tabs) names.push_back(std::string(catalogue::TabCaption(tab, language)));
  return JoinNames(names, " and ");
}

// Why no category fits both names: one is unknown (with suggestions from every category), or
// they belong to different categories.
UsageError NoCategory(const std::string& fromText, const std::string& toText,
                      catalogue::Language language) {
  for (const std::string* text : {&fromText, &toText}) {
    if (!CategoriesOf(*text, language).empty()) continue;
    std::string message = "no unit " + QuotedText(*text) + " in any category";
    const auto names = UnitsElsewhere(*text, -1, language);
    if (!names.empty()) message += "; did you mean " + JoinNames(names, " or ") + "?";
    return UsageError{message};
  }
  return UsageError{"no category has both " + QuotedText(fromText) + " (" +
                    Captions(CategoriesOf(fromText, language), language) + ") and " +
                    QuotedText(toText) + " (" + Captions(CategoriesOf(toText, language), language) +
                    ")"};
}

// The one conversion that a pair named without its category makes: the fitting category's, or
// the same result in every fitting category; otherwise the categories are named, exit 2.
int ConvertWithoutCategory(const std::vector<Choice>& fits, const std::string& fromText,
                           const std::string& toText, const std::string& number,
                           catalogue::Language language, const Options& options, Streams io) {
  std::vector<Outcome> outcomes;
  for (const Choice& choice : fits)
    outcomes.push_back(
        ConvertOnce(choice.tab, choice.from, choice.to, number, language, choice.direction));
  for (const Outcome& outcome : outcomes) {
    if (outcome.result == outcomes.front().result && outcome.error == outcomes.front().error)
      continue;
    std::vector<int> tabs;
    for (const Choice& choice : fits) tabs.push_back(choice.tab);
    throw UsageError{QuotedText(fromText) + " and " + QuotedText(toText) + " fit " +
                     Captions(tabs, language) +
                     ", which convert them differently; name the category: vaneko-cli convert " +
                     "CATEGORY FROM TO NUMBER"};
  }
  if (!outcomes.front().error.empty()) {
    io.err << Shown(outcomes.front().error, options) << '\n';
    return kExitError;
  }
  io.out << Shown(outcomes.front().result, options) << '\n';
  return kExitOk;
}

// A number with a decimal point that the window refused: say how to write it.
void HintDecimalComma(const std::string& typed, const Options& options, std::ostream& err) {
  if (options.format == NumberFormat::kWindow && typed.find('.') != std::string::npos)
    err << "vaneko-cli: use a decimal comma, or --format=plain\n";
}

bool IsSeparator(std::string_view word) {
  return word == "to" || word == "in" || word == "en" || word == "vers" || word == "->" ||
         word == "=";
}

std::string Words(const std::vector<std::string>& words, std::size_t first, std::size_t last) {
  std::string text;
  for (std::size_t k = first; k < last; ++k) text += (k > first ? " " : "") + words[k];
  return text;
}

// Whether `text` is a category's index or caption.
bool NamesCategory(const std::string& text, catalogue::Language language) {
  try {
    FindCategory(text, language);
    return true;
  } catch (const UsageError&) {
    return false;
  }
}

}  // namespace

bool LooksLikeNumber(std::string_view text) {
  std::size_t k = 0;
  if (k < text.size() && (text[k] == '-' || text[k] == '+')) ++k;
  if (k < text.size() && (text[k] == '.' || text[k] == ',')) ++k;
  return k < text.size() && text[k] >= '0' && text[k] <= '9';
}

int RunPhrase(const Args& args, const Options& options, Streams io) {
  auto language = catalogue::Language::French;
  std::vector<std::string> words;
  for (std::size_t k = 0; k < args.size(); ++k) {
    if (TakeLanguage(args, k, language)) continue;
    // One quoted argument may hold the whole phrase, or a name of several words.
    std::size_t start = 0;
    const std::string& arg = args[k];
    while (start < arg.size()) {
      const std::size_t blank = arg.find_first_of(" \t", start);
      const std::size_t end = blank == std::string::npos ? arg.size() : blank;
      if (end > start) words.push_back(arg.substr(start, end - start));
      start = end + 1;
    }
  }
  if (words.size() < 3 || !LooksLikeNumber(words.front()))
    throw UsageError{"say NUMBER FROM [to|in] TO, or use a command"};
  // The number as the keyboard types it into the number field: a point is the decimal comma.
  std::string number = words.front();
  for (char& c : number)
    if (c == '.') c = ',';
  words.erase(words.begin());

  // The splits of the words into FROM and TO: at a "to" or "in" first, then anywhere.
  std::vector<std::pair<std::string, std::string>> splits;
  for (std::size_t k = 1; k + 1 < words.size(); ++k)
    if (IsSeparator(words[k]))
      splits.emplace_back(Words(words, 0, k), Words(words, k + 1, words.size()));
  for (std::size_t k = 1; k < words.size(); ++k)
    splits.emplace_back(Words(words, 0, k), Words(words, k, words.size()));
  for (const auto& [fromText, toText] : splits) {
    const auto fits = Fits(fromText, toText, language);
    if (!fits.empty())
      return ConvertWithoutCategory(fits, fromText, toText, number, language, options, io);
  }
  throw NoCategory(splits.front().first, splits.front().second, language);
}

int RunConvert(const Args& args, const Options& options, Streams io) {
  auto language = catalogue::Language::French;
  bool swap = false;
  Args positional;
  for (std::size_t k = 0; k < args.size(); ++k) {
    if (TakeLanguage(args, k, language)) continue;
    if (args[k] == "--swap") {
      swap = true;
      continue;
    }
    if (args[k].rfind("--", 0) == 0) throw UsageError{"unknown option " + QuotedText(args[k])};
    positional.push_back(args[k]);
  }
  if (positional.size() == 3) {
    if (swap) throw UsageError{"--swap needs the category: convert --swap CATEGORY FROM TO NUMBER"};
    std::string number;
    if (!ToFieldText(positional[2], options, number)) {
      io.err << BoxText(ErrorBoxText(InvalidFloat(positional[2]).what())) << '\n';
      return kExitError;
    }
    const auto fits = Fits(positional[0], positional[1], language);
    if (fits.empty()) {
      // "convert Vitesse mph km/h": the category's form with an argument left out, not a
      // unit named "Vitesse".
      if (NamesCategory(positional[0], language))
        throw UsageError{QuotedText(positional[0]) +
                         " is a category: convert CATEGORY FROM TO NUMBER takes 4 arguments, "
                         "here 3"};
      throw NoCategory(positional[0], positional[1], language);
    }
    const int code =
        ConvertWithoutCategory(fits, positional[0], positional[1], number, language, options, io);
    if (code == kExitError) HintDecimalComma(positional[2], options, io.err);
    return code;
  }
  if (positional.size() != 4)
    throw UsageError{"convert needs CATEGORY FROM TO NUMBER, or FROM TO NUMBER"};
  const int tab = FindCategory(positional[0], language);
  const bool everyUnit = positional[2] == "*";
  int from = 0;
  int onlyTo = 0;
  auto direction = Direction::kAsListed;
  if (tab == catalogue::kKitchenTab) {
    const KitchenChoice choice =
        FindKitchenPair(tab, positional[1], positional[2], everyUnit, swap, language);
    from = choice.from;
    onlyTo = choice.to;
    if (choice.turned) direction = Direction::kKitchenTurned;
  } else {
    if (swap && everyUnit) throw UsageError{"--swap needs a unit as TO, not '*'"};
    from = FindFrom(tab, positional[1], language);
    onlyTo = everyUnit ? 0 : FindTo(tab, positional[2], language);
    if (swap) direction = Direction::kSwappedAfter;
  }

  std::string number;
  if (!ToFieldText(positional[3], options, number)) {
    io.err << BoxText(ErrorBoxText(InvalidFloat(positional[3]).what())) << '\n';
    return kExitError;
  }

  if (!everyUnit) {
    const Outcome outcome = ConvertOnce(tab, from, onlyTo, number, language, direction);
    if (!outcome.error.empty()) {
      io.err << Shown(outcome.error, options) << '\n';
      HintDecimalComma(positional[3], options, io.err);
      return kExitError;
    }
    io.out << Shown(outcome.result, options) << '\n';
    return kExitOk;
  }

  // Turned round, the kitchen's to-list is the food list; its heading and blank lines convert
  // nothing and are left out.
  const bool turned = direction == Direction::kKitchenTurned;
  const auto toList =
      turned ? catalogue::FromList(tab, language) : catalogue::ToList(tab, language);
  std::vector<std::size_t> lines;
  for (std::size_t to = 0; to < toList.size(); ++to)
    if (!turned || catalogue::FoodRows()[to].millilitresPerGram) lines.push_back(to);
  std::vector<Outcome> outcomes;
  std::size_t failures = 0;
  for (const std::size_t to : lines) {
    outcomes.push_back(ConvertOnce(tab, from, static_cast<int>(to), number, language, direction));
    if (!outcomes.back().error.empty()) ++failures;
  }
  // A number that cannot be read fails every line alike: say it once, as a single conversion.
  bool allAlike = failures == outcomes.size();
  for (const Outcome& outcome : outcomes) allAlike &= outcome.error == outcomes.front().error;
  if (allAlike) {
    io.err << Shown(outcomes.front().error, options) << '\n';
    HintDecimalComma(positional[3], options, io.err);
    return kExitError;
  }
  // Otherwise one line per unit, so that the lines stay in list order; a failed line has an
  // empty result, and its error goes to stderr with the unit's name.
  for (std::size_t line = 0; line < lines.size(); ++line) {
    const std::size_t to = lines[line];
    const Outcome& outcome = outcomes[line];
    io.out << toList[to] << '\t' << Shown(outcome.result, options) << '\n';
    if (!outcome.error.empty())
      io.err << toList[to] << ": " << Shown(outcome.error, options) << '\n';
  }
  return failures == 0 ? kExitOk : kExitError;
}

}  // namespace vaneko::cli
