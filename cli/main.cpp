#include <iostream>

#include "cli/cli.h"
#include "cli/utf8_args.h"

int main(int rawArgc, char** rawArgv) {
  using namespace vaneko::cli;
  UseUtf8Console();
  Utf8Arguments utf8(rawArgc, rawArgv);  // Windows passes argv in its ANSI code page
  char** const argv = utf8.argv();
  return Run(Args(argv + 1, argv + utf8.argc()), Streams{std::cout, std::cerr});
}
