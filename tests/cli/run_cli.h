// Runs vaneko-cli as a separate process and collects its exit code and output.
#pragma once

#include <string>
#include <vector>

namespace vaneko::testing {

struct CliRun {
  int exitCode = -1;
  std::string out;
  std::string err;
};

CliRun RunCli(const std::vector<std::string>& args);

}  // namespace vaneko::testing
