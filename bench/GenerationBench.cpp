// One generation of a population canvas, beside a plain kernel that runs the
// same generation (same generator, same order of draws) on plain arrays of
// letters, so that the ratio shows what the program's structures cost.
#include <QApplication>
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdint>
#include <vector>

#include "Globals.h"
#include "driftCan.h"
#include "virionTron.h"

namespace {

// A population canvas whose repaint can be switched off, to time the
// generation alone.
class QuietDriftCan : public driftCan {
public:
  bool paint = true;
  void UpdateCache() override {
    if (paint) driftCan::UpdateCache();
  }
  void BlitCache() override {
    if (paint) driftCan::BlitCache();
  }
};

Ref<QuietDriftCan> Population(int size, int length, bool paint) {
  Globals::StartUp();
  Globals::myRAlea->setSeed(12345);
  Globals::PopSize = size;
  Globals::SequenceLength = length;
  Ref<QuietDriftCan> can = New<QuietDriftCan>();
  can->SetWidth(256);
  can->SetHeight(192);
  can->Event_Open();
  can->paint = paint;
  Ref<virionTron> founder = New<virionTron>();
  founder->prepare(can);
  can->doAttach(founder);
  can->redraw();
  return can;
}

void Generation(benchmark::State& state) {
  Ref<QuietDriftCan> can = Population(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)),
                                      state.range(2) != 0);
  for (auto _ : state) can->redraw();
  state.counters["letters"] = benchmark::Counter(static_cast<double>(state.range(0) * state.range(1)),
                                                 benchmark::Counter::kIsIterationInvariantRate);
}

// The plain kernel.
struct Generator {
  double r = 0.0;
  double next() {
    double t = r * 513.0;
    t = t + 29741096258473.0;
    r = t - 281474976710656.0 * std::floor(t / 281474976710656.0);
    return r / 281474976710656.0;
  }
  int32_t next(int32_t lo, int32_t hi) {
    const double d = lo;
    const double x = next();
    return static_cast<int32_t>(d + std::floor(x * static_cast<double>(hi - lo + 1)));
  }
};

struct PlainVirion {
  double fitness = 100.0;
  uint8_t red = 0, green = 0, blue = 0;
  int32_t x = 0, y = 0;
  double xLoc = 0.0, yLoc = 0.0;
  std::vector<char> sequence;
};

struct PlainPopulation {
  Generator g;
  std::vector<PlainVirion> virions, next;
  int width = 256, height = 192, dot = 12;
  double mutationRate = 0.04878246975766576;

  void place(PlainVirion& v) {
    v.xLoc = dot / 2.0 + g.next() * static_cast<double>(width - 2 * dot);
    v.yLoc = dot / 2.0 + g.next() * static_cast<double>(height - 2 * dot);
    v.x = static_cast<int32_t>(std::round(v.xLoc));
    v.y = static_cast<int32_t>(std::round(v.yLoc));
  }

  void generation(int size) {
    double maxF = 0.0;
    for (const PlainVirion& v : virions) maxF = std::max(maxF, v.fitness);
    next.resize(static_cast<size_t>(size));
    for (PlainVirion& child : next) {
      size_t j = 0;
      do {
        j = static_cast<size_t>(g.next(1, static_cast<int32_t>(virions.size())) - 1);
      } while (!(g.next() < virions[j].fitness / maxF));
      const PlainVirion& parent = virions[j];
      child = parent;
      if (g.next() <= mutationRate) {
        const size_t pos = static_cast<size_t>(g.next(1, static_cast<int32_t>(parent.sequence.size())) - 1);
        char letter;
        do {
          letter = "ATGC"[g.next(1, 4) - 1];
        } while (letter == parent.sequence[pos]);
        child.sequence[pos] = letter;
        child.red = static_cast<uint8_t>(g.next() * 255.0);
        child.green = static_cast<uint8_t>(g.next() * 255.0);
        child.blue = static_cast<uint8_t>(g.next() * 255.0);
        child.fitness = parent.fitness + parent.fitness * 0.01;
      }
    }
    virions.swap(next);
    for (PlainVirion& v : virions) place(v);
  }
};

void PlainKernel(benchmark::State& state) {
  const int size = static_cast<int>(state.range(0)), length = static_cast<int>(state.range(1));
  PlainPopulation p;
  p.g.r = 12345.0;
  PlainVirion founder;
  p.place(founder);
  for (int i = 0; i < length; ++i) founder.sequence.push_back("ATGC"[p.g.next(1, 4) - 1]);
  p.virions.push_back(founder);
  p.generation(size);
  for (auto _ : state) p.generation(size);
  state.counters["letters"] = benchmark::Counter(static_cast<double>(size * length),
                                                 benchmark::Counter::kIsIterationInvariantRate);
}

}  // namespace

// Arguments: population size, sequence length, painting (1) or not (0).
BENCHMARK(Generation)->Args({50, 100, 1})->Args({50, 100, 0})->Args({500, 500, 1})->Args({500, 500, 0})
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(PlainKernel)->Args({50, 100})->Args({500, 500})->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
