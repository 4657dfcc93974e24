// Runs vaneko-cli as a separate process and collects its exit code and output.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vaneko::testing {

struct CliRun {
  int exitCode = -1;
  std::string out;
  std::string err;
};

// On Windows, vaneko-cli.exe is looked for next to the running test program.
CliRun RunCli(const std::vector<std::string>& args);

// One argument as it must appear on a Windows command line so that the program's start-up code
// (CommandLineToArgvW, the C runtime) reads it back unchanged: quoted when it is empty or holds
// a blank or a quote, with the backslashes before a quote doubled.
std::string QuoteWindowsArgument(std::string_view arg);

}  // namespace vaneko::testing
