// vaneko-cli convert [--lang fr|en] CATEGORY FROM TO NUMBER: a click in the to-list of a freshly
// started window. TO '*' makes that click once for every unit of the to-list, each on its own
// fresh window.
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

Outcome ConvertOnce(int tab, int from, int to, const std::string& number,
                    catalogue::Language language) {
  Session session;
  if (language == catalogue::Language::English) session.SelectLanguage(language);
  session.converter.SelectTab(tab);
  session.converter.Nombre1 = number;
  session.converter.Index1Selected = from;
  try {
    session.converter.SelectTo(to);
  } catch (const std::exception& e) {
    return {{}, ErrorBoxText(e.what())};
  }
  return {session.converter.Result, {}};
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
  Args positional;
  for (std::size_t k = 0; k < args.size(); ++k) {
    if (TakeLanguage(args, k, language)) continue;
    if (args[k].rfind("--", 0) == 0) throw UsageError{"unknown option '" + args[k] + "'"};
    positional.push_back(args[k]);
  }
  if (positional.size() != 4) throw UsageError{"convert needs CATEGORY FROM TO NUMBER"};
  const int tab = FindCategory(positional[0], language);
  const int from = FindFrom(tab, positional[1], language);
  const bool everyUnit = positional[2] == "*";
  const int onlyTo = everyUnit ? 0 : FindTo(tab, positional[2], language);

  std::string number;
  if (!ToFieldText(positional[3], options, number)) {
    io.err << ErrorBoxText(InvalidFloat(positional[3]).what()) << '\n';
    return kExitError;
  }

  if (!everyUnit) {
    const Outcome outcome = ConvertOnce(tab, from, onlyTo, number, language);
    if (!outcome.error.empty()) {
      io.err << Shown(outcome.error, options) << '\n';
      return kExitError;
    }
    io.out << Shown(outcome.result, options) << '\n';
    return kExitOk;
  }

  const auto toList = catalogue::ToList(tab, language);
  std::vector<Outcome> outcomes;
  std::size_t failures = 0;
  for (std::size_t to = 0; to < toList.size(); ++to) {
    outcomes.push_back(ConvertOnce(tab, from, static_cast<int>(to), number, language));
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
  for (std::size_t to = 0; to < toList.size(); ++to) {
    const Outcome& outcome = outcomes[to];
    io.out << toList[to] << '\t' << Shown(outcome.result, options) << '\n';
    if (!outcome.error.empty())
      io.err << toList[to] << ": " << Shown(outcome.error, options) << '\n';
  }
  return failures == 0 ? kExitOk : kExitError;
}

}  // namespace vaneko::cli
