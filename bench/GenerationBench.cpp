// One generation of a population canvas, beside a plain kernel that runs the
// same generation (same generator, same order of draws) on plain arrays of
// letters and, when painting, paints the same pixels into a plain array, so
// that the ratios show what the program's structures cost. The ratios are
// printed after the timings, from the medians when the runs are repeated.
// Both paint at the screen's device pixel ratio: QT_SCALE_FACTOR=2 times the
// painting on a screen scaled to 200 %.
#include <QApplication>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <iomanip>
#include <map>
#include <string>
#include <utility>
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

// White, then each dot by the oval rule: a pixel is inked when its centre
// lies inside or on the ellipse inscribed in the dot's box.
struct PlainPicture {
  int width = 0, height = 0, dot = 0;
  std::vector<uint32_t> pixels;
  std::vector<std::pair<int, int>> rows;  // first column and length of each row of a dot

  PlainPicture(int w, int h, int d) : width(w), height(h), dot(d), pixels(static_cast<size_t>(w * h)) {
    const int64_t n = d;
    for (int64_t j = 0; j < n; ++j) {
      int first = -1, length = 0;
      for (int64_t i = 0; i < n; ++i) {
        const int64_t dx = 2 * i + 1 - n, dy = 2 * j + 1 - n;
        if (dx * dx + dy * dy > n * n) continue;
        if (first < 0) first = static_cast<int>(i);
        ++length;
      }
      rows.push_back({first, length});
    }
  }

  // Each dot at device pixel floor(v r + 1/2) of its logical place v.
  void paint(const std::vector<PlainVirion>& virions, double ratio) {
    std::fill(pixels.begin(), pixels.end(), 0xFFFFFFFFu);
    for (const PlainVirion& v : virions) {
      const uint32_t colour = 0xFF000000u | uint32_t{v.red} << 16 | uint32_t{v.green} << 8 | v.blue;
      const int x0 = static_cast<int>(std::floor(v.x * ratio + 0.5)), y0 = static_cast<int>(std::floor(v.y * ratio + 0.5));
      for (int j = 0; j < dot; ++j) {
        const int y = y0 + j, left = std::max(0, x0 + rows[j].first),
                  right = std::min(width, x0 + rows[j].first + rows[j].second);
        if (y < 0 || y >= height || left >= right) continue;
        std::fill(pixels.begin() + y * width + left, pixels.begin() + y * width + right, colour);
      }
    }
  }
};

struct PlainPopulation {
  Generator g;
  std::vector<PlainVirion> virions, next;
  int width = 256, height = 192, dot = 12;
  double ratio = qGuiApp->devicePixelRatio();
  PlainPicture picture{static_cast<int>(std::lround(width * ratio)), static_cast<int>(std::lround(height * ratio)),
                       static_cast<int>(std::lround(dot * ratio))};
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
  const bool paint = state.range(2) != 0;
  PlainPopulation p;
  p.g.r = 12345.0;
  PlainVirion founder;
  p.place(founder);
  for (int i = 0; i < length; ++i) founder.sequence.push_back("ATGC"[p.g.next(1, 4) - 1]);
  p.virions.push_back(founder);
  p.generation(size);
  for (auto _ : state) {
    p.generation(size);
    if (paint) p.picture.paint(p.virions, p.ratio);
  }
  benchmark::DoNotOptimize(p.picture.pixels.data());
  state.counters["letters"] = benchmark::Counter(static_cast<double>(size * length),
                                                 benchmark::Counter::kIsIterationInvariantRate);
}

// The console's report, then each generation's time over the plain kernel's
// with the same arguments: medians of repeated runs, else the single runs.
class RatioReporter : public benchmark::ConsoleReporter {
public:
  RatioReporter() : ConsoleReporter(OO_None) {}

  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
      if (run.run_type != Run::RT_Iteration && !median) continue;
      Time& t = times_[run.run_name.args][run.run_name.function_name];
      if (median || !t.median) t = {run.GetAdjustedRealTime(), median};
    }
    ConsoleReporter::ReportRuns(runs);
  }

  void Finalize() override {
    ConsoleReporter::Finalize();
    std::ostream& out = GetOutputStream();
    out << "\nGeneration / PlainKernel (size/length/painting):\n";
    for (const auto& [args, times] : times_) {
      const auto program = times.find("Generation"), plain = times.find("PlainKernel");
      if (program == times.end() || plain == times.end()) continue;
      out << "  " << std::left << std::setw(12) << args << std::fixed << std::setprecision(1)
          << program->second.time / plain->second.time << "x" << (program->second.median ? " (medians)" : "") << "\n";
    }
  }

private:
  struct Time {
    double time = 0.0;
    bool median = false;
  };
  std::map<std::string, std::map<std::string, Time>> times_;
};

}  // namespace

// Arguments: population size, sequence length, painting (1) or not (0).
BENCHMARK(Generation)->Args({50, 100, 1})->Args({50, 100, 0})->Args({500, 500, 1})->Args({500, 500, 0})
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(PlainKernel)->Args({50, 100, 1})->Args({50, 100, 0})->Args({500, 500, 1})->Args({500, 500, 0})
    ->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  // Five runs of a tenth of a second each, reported by their medians, unless the
  // command line says otherwise. The runs of all the benchmarks are shuffled
  // together, so that a spell of load on a shared machine falls on the program
  // and on the plain kernel alike rather than on whichever ran during it.
  char repetitions[] = "--benchmark_repetitions=5", aggregates[] = "--benchmark_report_aggregates_only=true",
       minTime[] = "--benchmark_min_time=0.1", interleaving[] = "--benchmark_enable_random_interleaving=true";
  std::vector<char*> args = {argv[0], repetitions, aggregates, minTime, interleaving};
  args.insert(args.end(), argv + 1, argv + argc);
  int count = static_cast<int>(args.size());
  benchmark::Initialize(&count, args.data());
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return 0;
}
