#include <iostream>

#include "cli/cli.h"

int main(int argc, char** argv) {
  using namespace vaneko::cli;
  return Run(Args(argv + 1, argv + argc), Streams{std::cout, std::cerr});
}
