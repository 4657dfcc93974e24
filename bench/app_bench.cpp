// Benchmarks of the real window under the offscreen platform: the refill of the kitchen tab's
// 283 lines (a tab change to it and back) and a language switch.
#include <benchmark/benchmark.h>

#include <QApplication>

#include "app/multi_row_tab_control.h"
#include "app/tform1.h"

namespace {

vaneko::app::TForm1* Window() {
  static auto* form = [] {
    auto* created = new vaneko::app::TForm1;
    created->show();
    QApplication::processEvents();
    return created;
  }();
  return form;
}

void SelectTab(vaneko::app::TForm1& form, int tab) {
  form.TabControl1->SetCurrentIndex(tab);
  form.TabControl1Change();
  QApplication::processEvents();
}

void BM_WindowKitchenTabRefill(benchmark::State& state) {
  vaneko::app::TForm1& form = *Window();
  for (auto _ : state) {
    SelectTab(form, 5);
    state.PauseTiming();
    SelectTab(form, 0);
    state.ResumeTiming();
  }
}
BENCHMARK(BM_WindowKitchenTabRefill)->Unit(benchmark::kMicrosecond);

// The same refill without the repaint that follows it.
void BM_WindowKitchenTabRefillUnpainted(benchmark::State& state) {
  vaneko::app::TForm1& form = *Window();
  for (auto _ : state) {
    form.TabControl1->SetCurrentIndex(5);
    form.TabControl1Change();
    state.PauseTiming();
    SelectTab(form, 0);
    state.ResumeTiming();
  }
}
BENCHMARK(BM_WindowKitchenTabRefillUnpainted)->Unit(benchmark::kMicrosecond);

void BM_WindowLanguageSwitch(benchmark::State& state) {
  vaneko::app::TForm1& form = *Window();
  SelectTab(form, 6);
  bool english = false;
  for (auto _ : state) {
    english = !english;
    if (english) {
      form.Button3Click();
    } else {
      form.Button4Click();
    }
    QApplication::processEvents();
  }
}
BENCHMARK(BM_WindowLanguageSwitch)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
