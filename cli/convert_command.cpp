// vaneko-cli convert [--lang fr|en] [--swap] CATEGORY FROM TO NUMBER: a click in the to-list of
// a freshly started window. TO '*' makes that click once for every unit of the to-list, each on
// its own fresh window. --swap is the swap key "⇄": on the kitchen tab it is pressed first, so
// that FROM is a measure and TO a food; elsewhere it is pressed after FROM and TO are chosen, so
// that NUMBER converts from TO to FROM.
#include <exception>
#include <ostream>

#include "cli/cli.h"
#include "core/errors.h"
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
  convert::ConverterModel& converter = session.converter;
  converter.SelectTab(tab);
  converter.Nombre1 = number;
  try {
    if (direction == Direction::kKitchenTurned) converter.Swap();
    converter.Index1Selected = from;
    if (direction == Direction::kSwappedAfter) {
      converter.Index2Selected = to;
      converter.Swap();
    } else {
      converter.SelectTo(to);
    }
  } catch (const std::exception& e) {
    return {{}, ErrorBoxText(e.what())};
  }
  return {converter.Result, {}};
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

}  // namespace

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
    if (args[k].rfind("--", 0) == 0) throw UsageError{"unknown option '" + args[k] + "'"};
    positional.push_back(args[k]);
  }
  if (positional.size() != 4) throw UsageError{"convert needs CATEGORY FROM TO NUMBER"};
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
    io.err << ErrorBoxText(InvalidFloat(positional[3]).what()) << '\n';
    return kExitError;
  }

  if (!everyUnit) {
    const Outcome outcome = ConvertOnce(tab, from, onlyTo, number, language, direction);
    if (!outcome.error.empty()) {
      io.err << Shown(outcome.error, options) << '\n';
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
