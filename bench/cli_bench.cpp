// vaneko-cli convert as a whole process: start, one conversion, exit; with its category, and
// without (the category found from the names of the units).
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/wait.h>

#include <array>

extern char** environ;

namespace {

void SpawnEach(benchmark::State& state, std::array<char*, 7> argv) {
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

void BM_CliConvertProcess(benchmark::State& state) {
  SpawnEach(state, {const_cast<char*>(VANEKO_CLI_PATH), const_cast<char*>("convert"),
                    const_cast<char*>("1"), const_cast<char*>("0"), const_cast<char*>("13"),
                    const_cast<char*>("1"), nullptr});
}
BENCHMARK(BM_CliConvertProcess)->Unit(benchmark::kMillisecond)->UseRealTime();

// "vaneko-cli 100 mph in km/h": every category's lists searched for both names.
void BM_CliPhraseProcess(benchmark::State& state) {
  SpawnEach(state,
            {const_cast<char*>(VANEKO_CLI_PATH), const_cast<char*>("100"), const_cast<char*>("mph"),
             const_cast<char*>("in"), const_cast<char*>("km/h"), nullptr, nullptr});
}
BENCHMARK(BM_CliPhraseProcess)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
