// vaneko-cli: the command-line front end, on the same window model as the program.
#pragma once

#include <iosfwd>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/catalogue.h"

namespace vaneko::cli {

inline constexpr int kExitOk = 0;
inline constexpr int kExitError = 1;
inline constexpr int kExitUsage = 2;

// A usage error: printed on stderr, exit code 2.
struct UsageError {
  std::string message;
};

using Args = std::vector<std::string>;

struct Streams {
  std::ostream& out;
  std::ostream& err;
};

// How printed numbers are written: as the window shows them (decimal comma), or with a decimal
// point for scripts whose locale reads numbers that way.
enum class NumberFormat { kWindow, kPlain };

struct Options {
  NumberFormat format = NumberFormat::kWindow;
};

// A text the window shows (a result, a field, an error box) as the chosen format prints it: in
// plain format every decimal comma becomes a point.
std::string Shown(std::string text, const Options& options);

// The tab named by `text`: its index, or its caption in either language, matched like unit names.
int FindCategory(std::string_view text, catalogue::Language preferred);
// The from-list position of `tab` named by `text`: a position, a name in either language or a
// symbol. On tab 5 the headings and blank lines are found by position only.
int FindFrom(int tab, std::string_view text, catalogue::Language preferred);
// The to-list position of `tab` named by `text`, likewise.
int FindTo(int tab, std::string_view text, catalogue::Language preferred);
catalogue::Language ParseLanguage(std::string_view text);

// Reads "--lang fr|en" or "--lang=fr|en" at args[k], advancing k past its value; false when
// args[k] is not that option.
bool TakeLanguage(const Args& args, std::size_t& k, catalogue::Language& language);
// True when the arguments ask for the command's help ("-h" or "--help").
bool AsksForHelp(const Args& args);

// The help texts: the program's, and each command's (empty for an unknown command).
std::string_view ProgramHelp();
std::string_view CommandHelp(std::string_view command);
std::string VersionText();

// The whole program: arguments after the program's name, in and out.
int Run(const Args& args, Streams io);

int RunCategories(const Args& args, const Options& options, Streams io);
int RunUnits(const Args& args, const Options& options, Streams io);
int RunConvert(const Args& args, const Options& options, Streams io);
int RunKeys(const Args& args, const Options& options, Streams io);
int RunCalc(const Args& args, const Options& options, Streams io);
// "NUMBER FROM [to|in] TO", the category found from the names.
int RunPhrase(const Args& args, const Options& options, Streams io);
// True when `text` starts as a number does ("12", "-3", ".5", "1,5").
bool LooksLikeNumber(std::string_view text);

}  // namespace vaneko::cli
