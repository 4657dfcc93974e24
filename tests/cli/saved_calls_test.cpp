// Replays the saved vaneko-cli calls (tests/cli/saved_calls.txt, written by
// tools/save_cli_calls.py) and compares exit code, stdout and stderr byte for byte. It guards
// every refactoring: a unit list, a conversion or a key sequence that prints anything else fails.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "run_cli.h"

namespace vaneko::testing {
namespace {

struct SavedCall {
  std::vector<std::string> args;
  int exitCode = 0;
  std::string out;
  std::string err;
  int line = 0;
};

std::vector<std::string> SplitTabs(const std::string& text) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  for (std::size_t tab = text.find('\t'); tab != std::string::npos; tab = text.find('\t', start)) {
    parts.push_back(text.substr(start, tab - start));
    start = tab + 1;
  }
  parts.push_back(text.substr(start));
  return parts;
}

std::vector<SavedCall> ReadSavedCalls(const char* path) {
  std::ifstream in(path);
  std::vector<SavedCall> calls;
  std::string line;
  for (int number = 1; std::getline(in, line); ++number) {
    if (line.rfind("$ ", 0) == 0) {
      calls.push_back({SplitTabs(line.substr(2)), 0, {}, {}, number});
    } else if (calls.empty() || line.empty() || line[0] == '#') {
      continue;
    } else if (line.rfind("exit ", 0) == 0) {
      calls.back().exitCode = std::stoi(line.substr(5));
    } else if (line.rfind("> ", 0) == 0) {
      calls.back().out += line.substr(2) + '\n';
    } else if (line.rfind("! ", 0) == 0) {
      calls.back().err += line.substr(2) + '\n';
    } else {
      ADD_FAILURE() << path << ':' << number << ": unreadable line '" << line << "'";
    }
  }
  return calls;
}

TEST(SavedCalls, EveryCallPrintsWhatWasSaved) {
  const std::vector<SavedCall> saved = ReadSavedCalls(VANEKO_SAVED_CALLS);
  ASSERT_GT(saved.size(), 1000U) << "the saved calls were not found at " << VANEKO_SAVED_CALLS;
  // VANEKO_SAVED_CALLS_STRIDE=N replays every Nth call only: under wine a process takes a fifth
  // of a second to start, and the Windows run replays a sample spread over the whole set.
  const char* strideText = std::getenv("VANEKO_SAVED_CALLS_STRIDE");
  const std::size_t stride = strideText != nullptr ? std::max(1, std::atoi(strideText)) : 1;
  std::vector<SavedCall> calls;
  for (std::size_t k = 0; k < saved.size(); k += stride) calls.push_back(saved[k]);
  // Starting a process is slow under wine (a fifth of a second): a few calls run at once.
  std::vector<CliRun> runs(calls.size());
  std::atomic<std::size_t> next{0};
  std::vector<std::thread> workers;
  const unsigned count = std::max(4U, 2 * std::thread::hardware_concurrency());
  for (unsigned w = 0; w < count; ++w) {
    workers.emplace_back([&] {
      for (std::size_t k = next++; k < calls.size(); k = next++) runs[k] = RunCli(calls[k].args);
    });
  }
  for (std::thread& worker : workers) worker.join();
  int mismatches = 0;
  for (std::size_t k = 0; k < calls.size(); ++k) {
    const SavedCall& call = calls[k];
    const CliRun& run = runs[k];
    if (run.exitCode == call.exitCode && run.out == call.out && run.err == call.err) continue;
    if (++mismatches <= 20) {
      ADD_FAILURE() << "saved call at line " << call.line << "\n  exit " << run.exitCode
                    << " (saved " << call.exitCode << ")\n  stdout: " << run.out
                    << "  saved:  " << call.out << "  stderr: " << run.err
                    << "  saved:  " << call.err;
    }
  }
  EXPECT_EQ(mismatches, 0) << "of " << calls.size() << " saved calls";
}

}  // namespace
}  // namespace vaneko::testing
