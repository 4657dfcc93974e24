// vaneko-cli convert as a whole process: start, one conversion, exit.
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/wait.h>

#include <array>

extern char** environ;

namespace {

void BM_CliConvertProcess(benchmark::State& state) {
  std::array<char*, 7> argv = {const_cast<char*>(VANEKO_CLI_PATH),
                               const_cast<char*>("convert"),
                               const_cast<char*>("1"),
                               const_cast<char*>("0"),
                               const_cast<char*>("13"),
                               const_cast<char*>("1"),
                               nullptr};
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", 1, 0);
  for (auto _ : state) {
    pid_t child = 0;
    if (posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), environ) != 0) {
      state.SkipWithError("cannot start vaneko-cli");
      break;
    }
    int status = 0;
    waitpid(child, &status, 0);
  }
  posix_spawn_file_actions_destroy(&actions);
}
BENCHMARK(BM_CliConvertProcess)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
