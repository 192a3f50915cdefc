// The Tree window's tick at its largest: eight populations of 500 virions with
// sequences of 500 letters. One iteration is one tick as the event loop runs
// it: the timer's action, then the repaint it leaves behind. A whole run of
// 1000 ticks is timed; besides the mean, the counters give the median and the
// worst tick in milliseconds. Run it on a real display (QT_QPA_PLATFORM=xcb)
// to include what painting the screen costs.
#include <QApplication>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <vector>

#include "Application.h"
#include "Globals.h"
#include "WindowTree.h"

namespace {

void TreeTick(benchmark::State& state) {
  Globals::StartUp();
  Globals::myRAlea->setSeed(12345);
  Globals::PopSize = 500;
  Globals::SequenceLength = 500;
  Ref<class WindowTree> w = WindowTree();
  w->Show();
  QApplication::processEvents();
  const Ref<PushButton> button = w->Named<PushButton>("PushButtonFastFwd");
  const Ref<Timer> timer = w->Named<Timer>("TimerWait");
  RunGuarded([&] { w->PushButtonFastFwd_Action(button); });
  timer->SetMode(0);  // the ticks come from here, not from the clock
  // Seven splits of population 0 while running: eight populations.
  for (int i = 0; i < 7; ++i) {
    const Ref<driftCan> zero = w->Named<driftCan>("myDriftCan", 0);
    RunGuarded([&] { w->Event_MouseDown(zero->Left() + 20, zero->Top() + 20); });
  }
  QApplication::processEvents();

  std::vector<double> ms;
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    RunGuarded([&] { w->TimerWait_Action(timer); });
    QApplication::processEvents();
    ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
  }
  std::sort(ms.begin(), ms.end());
  state.counters["median_ms"] = ms[ms.size() / 2];
  state.counters["worst_ms"] = ms.back();
  state.counters["populations"] = w->LastPopActivated + 1;
  w->Close();
}

}  // namespace

BENCHMARK(TreeTick)->Iterations(1000)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
