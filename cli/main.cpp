#include <iostream>
#include <string_view>

#include "cli/cli.h"
#include "cli/utf8_args.h"

namespace {

constexpr std::string_view kUsage =
    "usage: vaneko-cli categories\n"
    "       vaneko-cli units CATEGORY [--lang fr|en]\n"
    "       vaneko-cli convert [--lang fr|en] CATEGORY FROM TO NUMBER\n"
    "       vaneko-cli keys [--state] KEY...\n";

}  // namespace

int main(int rawArgc, char** rawArgv) {
  using namespace vaneko::cli;
  UseUtf8Console();
  Utf8Arguments utf8(rawArgc, rawArgv);  // Windows passes argv in its ANSI code page
  const int argc = utf8.argc();
  char** const argv = utf8.argv();
  const Streams io{std::cout, std::cerr};
  if (argc < 2) {
    std::cerr << kUsage;
    return kExitUsage;
  }
  const std::string_view command = argv[1];
  const Args args(argv + 2, argv + argc);
  try {
    if (command == "categories") return RunCategories(args, io);
    if (command == "units") return RunUnits(args, io);
    if (command == "convert") return RunConvert(args, io);
    if (command == "keys") return RunKeys(args, io);
    throw UsageError{"unknown command '" + std::string(command) + "'"};
  } catch (const UsageError& e) {
    std::cerr << "vaneko-cli: " << e.message << '\n' << kUsage;
    return kExitUsage;
  }
}
