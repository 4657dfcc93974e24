// Typing a long text into the calculator's entry, one character at a time through its key
// filter, as `vaneko-cli keys type:TEXT` does. The time per character must not grow with the
// length of the field: the complexity fit should report O(N).
#include <benchmark/benchmark.h>

#include <string>

#include "session/session.h"

namespace {

void BM_TypeDigitsIntoCalc(benchmark::State& state) {
  const auto length = static_cast<std::size_t>(state.range(0));
  for (auto _ : state) {
    vaneko::Session session;
    for (std::size_t k = 0; k < length; ++k)
      session.TypeChar(vaneko::Field::Calc, static_cast<char32_t>(U'0' + k % 10));
    benchmark::DoNotOptimize(session.calculator.Calc.size());
  }
  state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_TypeDigitsIntoCalc)
    ->RangeMultiplier(4)
    ->Range(1 << 10, 1 << 20)
    ->Unit(benchmark::kMillisecond)
    ->Complexity();

}  // namespace

BENCHMARK_MAIN();
