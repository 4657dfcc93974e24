// vaneko-cli convert [--lang fr|en] CATEGORY FROM TO NUMBER: a click in the to-list of a freshly
// started window.
#include <exception>
#include <ostream>

#include "cli/cli.h"
#include "core/errors.h"
#include "session/session.h"

namespace vaneko::cli {

int RunConvert(const Args& args, Streams io) {
  auto language = catalogue::Language::French;
  Args positional;
  for (std::size_t k = 0; k < args.size(); ++k) {
    if (args[k] == "--lang") {
      if (k + 1 >= args.size()) throw UsageError{"--lang needs fr or en"};
      language = ParseLanguage(args[++k]);
    } else {
      positional.push_back(args[k]);
    }
  }
  if (positional.size() != 4) throw UsageError{"convert needs CATEGORY FROM TO NUMBER"};
  const int tab = FindCategory(positional[0]);
  const int from = FindPosition(positional[1], catalogue::FromList(tab, language), "from");
  const int to = FindPosition(positional[2], catalogue::ToList(tab, language), "to");

  Session session;
  if (language == catalogue::Language::English) session.SelectLanguage(language);
  session.converter.SelectTab(tab);
  session.converter.Nombre1 = positional[3];
  session.converter.Index1Selected = from;
  try {
    session.converter.SelectTo(to);
  } catch (const std::exception& e) {
    io.err << ErrorBoxText(e.what()) << '\n';
    return kExitError;
  }
  io.out << session.converter.Result << '\n';
  return kExitOk;
}

}  // namespace vaneko::cli
