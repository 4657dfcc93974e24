// Benchmarks of the core: a conversion end to end, one calculator key, a 10,000-key chain, the
// number writer and the refill of the kitchen tab's 283 lines.
#include <benchmark/benchmark.h>

#include <string>

#include "calculator/key_table.h"
#include "core/exact_map.h"
#include "core/number_text.h"
#include "session/session.h"

namespace {

// One pair of each category (tab, from, to).
struct Pair {
  int tab, from, to;
};
constexpr Pair kPairs[] = {{0, 0, 1},   {1, 9, 13},  {2, 4, 1},  {3, 7, 8},    {4, 18, 3},
                           {5, 24, 5},  {6, 0, 13},  {7, 9, 21}, {8, 2, 4},    {9, 10, 1},
                           {10, 8, 29}, {11, 6, 17}, {12, 3, 1}, {13, 22, 31}, {14, 12, 5},
                           {15, 0, 10}, {16, 1, 0},  {17, 2, 4}};

// Reading Nombre1, dispatching, formatting Result: what a click in the to-list costs.
void BM_DoConvert(benchmark::State& state) {
  const Pair pair = kPairs[state.range(0)];
  vaneko::Session session;
  session.SelectTab(pair.tab);
  session.ShowFrom(pair.from);
  session.ShowTo(pair.to);
  for (auto _ : state) {
    session.Text(vaneko::Field::Nombre1) = "1234,5678";
    session.DoConvert();
    benchmark::DoNotOptimize(session.converter.Result);
  }
  state.SetLabel(
      std::string(vaneko::catalogue::TabCaption(pair.tab, vaneko::catalogue::Language::English)));
}
BENCHMARK(BM_DoConvert)->DenseRange(0, 17);

// One calculator key through Calcul, from a fixed entry.
void BM_CalculatorKey(benchmark::State& state, const char* caption) {
  vaneko::Session session;
  const auto* key = vaneko::calculator::FindKey(caption);
  session.Text(vaneko::Field::X1) = "3";
  session.Text(vaneko::Field::Y1) = "4";
  for (auto _ : state) {
    session.Text(vaneko::Field::Calc) = "0,5";
    session.Press(*key);
    benchmark::DoNotOptimize(session.calculator.Calc);
  }
}
BENCHMARK_CAPTURE(BM_CalculatorKey, operator_plus, "+");
BENCHMARK_CAPTURE(BM_CalculatorKey, function_sin, "Sin");
BENCHMARK_CAPTURE(BM_CalculatorKey, formula_pythag, "Sqrt(x^2 + y^ 2)");

// A key on exact values that do not reduce to a short binary number: typed decimals with
// several digits, alternately multiplied and divided, the accumulator kept near 1.
void BM_CalculatorKeyOnDecimals(benchmark::State& state) {
  vaneko::Session session;
  const auto* times = vaneko::calculator::FindKey("*");
  const auto* over = vaneko::calculator::FindKey("/");
  const auto* clear = vaneko::calculator::FindKey("C");
  int k = 0;
  for (auto _ : state) {
    if (k % 64 == 0) session.Press(*clear);  // a chain of 64 keys, then anew
    session.Text(vaneko::Field::Calc) = k % 2 == 0 ? "1234,5678" : "1234,5679";
    session.Press(k % 2 == 0 ? *times : *over);
    benchmark::DoNotOptimize(session.calculator.Calc);
    ++k;
  }
}
BENCHMARK(BM_CalculatorKeyOnDecimals);

// A chain of 10,000 keys: typed values with many digits multiplied and divided in turn, whose
// exact ratio outgrows any fixed size unless it is bounded.
void BM_TenThousandKeyChain(benchmark::State& state) {
  const auto* times = vaneko::calculator::FindKey("*");
  const auto* over = vaneko::calculator::FindKey("/");
  const auto* equals = vaneko::calculator::FindKey("=");
  for (auto _ : state) {
    vaneko::Session session;
    session.Text(vaneko::Field::Calc) = "1";
    for (int k = 0; k < 10000; ++k) {
      session.Press(k % 2 == 0 ? *times : *over);
      session.Text(vaneko::Field::Calc) = k % 2 == 0 ? "1,000123456789" : "1,000123456788";
    }
    session.Press(*equals);
    benchmark::DoNotOptimize(session.calculator.Calc);
  }
}
BENCHMARK(BM_TenThousandKeyChain)->Unit(benchmark::kMillisecond);

void BM_FormatNumber(benchmark::State& state) {
  long double value = 2.0L / 3.0L;
  for (auto _ : state) {
    benchmark::DoNotOptimize(vaneko::FormatNumber(value));
    value += 1.0L;
  }
}
BENCHMARK(BM_FormatNumber);

void BM_ReadNumber(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(vaneko::ReadNumber(" -1234,5678E-3 "));
}
BENCHMARK(BM_ReadNumber);

// An exact conversion: the fast path that settles almost every value, and the exact rationals
// that decide a last digit in doubt (here a tie, 1,234567890123455 m in centimetres).
void BM_ApplyExactly(benchmark::State& state) {
  const vaneko::DecimalNumber x = vaneko::ReadDecimal("1234,5678");
  const vaneko::ExactMap map{vaneko::Decimal("1609.344") / vaneko::Decimal("1852")};
  for (auto _ : state) benchmark::DoNotOptimize(vaneko::ApplyExactly(x, map));
}
BENCHMARK(BM_ApplyExactly);

void BM_ApplyExactlyTie(benchmark::State& state) {
  const vaneko::DecimalNumber x = vaneko::ReadDecimal("1,234567890123455");
  const vaneko::ExactMap map{vaneko::Whole(100)};
  for (auto _ : state) benchmark::DoNotOptimize(vaneko::ApplyExactly(x, map));
}
BENCHMARK(BM_ApplyExactlyTie);

// The model's half of a tab change to the kitchen measures: 283 + 6 lines.
void BM_KitchenTabRefill(benchmark::State& state) {
  vaneko::Session session;
  session.ShowTab(5);
  for (auto _ : state) {
    session.TabControl1Change();
    benchmark::DoNotOptimize(session.converter.FromItems.data());
  }
}
BENCHMARK(BM_KitchenTabRefill);

void BM_LanguageSwitch(benchmark::State& state) {
  vaneko::Session session;
  session.SelectTab(5);
  bool english = false;
  for (auto _ : state) {
    english = !english;
    if (english) {
      session.SelectLanguage(vaneko::catalogue::Language::English);
    } else {
      session.SelectLanguage(vaneko::catalogue::Language::French);
    }
  }
}
BENCHMARK(BM_LanguageSwitch);

}  // namespace
