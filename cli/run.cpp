// The program's options and the dispatch to its commands.
#include <ostream>

#include "cli/cli.h"
#include "core/message_text.h"

namespace vaneko::cli {

namespace {

constexpr std::string_view kTryHelp = "Try 'vaneko-cli --help' for more information.\n";

NumberFormat ParseFormat(std::string_view text) {
  if (text == "plain") return NumberFormat::kPlain;
  if (text == "window") return NumberFormat::kWindow;
  throw UsageError{"--format takes plain or window, not " + QuotedText(text)};
}

int RunCommand(std::string_view command, const Args& args, const Options& options, Streams io) {
  if (command == "categories") return RunCategories(args, options, io);
  if (command == "units") return RunUnits(args, options, io);
  if (command == "convert") return RunConvert(args, options, io);
  if (command == "keys") return RunKeys(args, options, io);
  if (command == "calc") return RunCalc(args, options, io);
  throw UsageError{"unknown command " + QuotedText(command)};
}

}  // namespace

int Run(const Args& args, Streams io) {
  try {
    // --format applies to every command and may stand anywhere; the rest is the command's.
    Options options;
    Args rest;
    Args languageArgs;
    constexpr std::string_view kFormat = "--format=";
    for (std::size_t k = 0; k < args.size(); ++k) {
      if (args[k].rfind(kFormat, 0) == 0) {
        options.format = ParseFormat(std::string_view(args[k]).substr(kFormat.size()));
      } else if (args[k] == "--format") {
        if (k + 1 >= args.size()) throw UsageError{"--format needs plain or window"};
        options.format = ParseFormat(args[++k]);
      } else if (args[k] == "--lang" || args[k].rfind("--lang=", 0) == 0) {
        // --lang may stand before the command too: the command reads it.
        languageArgs.push_back(args[k]);
        if (args[k] == "--lang" && k + 1 < args.size()) languageArgs.push_back(args[++k]);
      } else {
        rest.push_back(args[k]);
      }
    }
    if (rest.empty() && !languageArgs.empty()) throw UsageError{"no command"};
    if (rest.empty()) throw UsageError{"no command"};
    // --lang goes after the command's name, where every command reads it.
    rest.insert(rest.begin() + 1, languageArgs.begin(), languageArgs.end());
    const std::string& command = rest.front();
    if (command == "-h" || command == "--help") {
      io.out << ProgramHelp();
      return kExitOk;
    }
    if (command == "--version") {
      io.out << VersionText();
      return kExitOk;
    }
    if (LooksLikeNumber(command) || (rest.size() == 1 && command.find(' ') != std::string::npos))
      return RunPhrase(rest, options, io);
    if (command.rfind('-', 0) == 0) throw UsageError{"unknown option " + QuotedText(command)};
    const Args commandArgs(rest.begin() + 1, rest.end());
    if (!CommandHelp(command).empty() && AsksForHelp(commandArgs)) {
      io.out << CommandHelp(command);
      return kExitOk;
    }
    return RunCommand(command, commandArgs, options, io);
  } catch (const UsageError& e) {
    // The message quotes what was typed: shortened where it quotes it, and never with a
    // control character that the terminal would act on.
    io.err << "vaneko-cli: "
           << EscapeControls(ShortenMiddle(e.message, kMessageLimit, kMessageKept)) << '\n'
           << kTryHelp;
    return kExitUsage;
  }
}

}  // namespace vaneko::cli
