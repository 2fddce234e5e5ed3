// The puzzle test on the slowest sparse puzzles without a solution that
// tools/nosolgen found (18-24 clues, one of them changed): throughput, and
// the slowest single puzzle.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "core/solver.hpp"

namespace {

// Beside this file, so the set needs no build setting of its own.
std::string DataPath() {
  std::string here = __FILE__;
  return here.substr(0, here.find_last_of('/') + 1) + "data/nosolution_slow.txt";
}

const std::vector<std::string>& SlowNoSolution() {
  static const std::vector<std::string> set = [] {
    std::vector<std::string> out;
    std::ifstream in(DataPath());
    std::string line;
    while (std::getline(in, line))
      if (line.size() >= 81) out.push_back(line.substr(0, 81));
    if (out.empty()) {
      std::fprintf(stderr, "tessel_bench: no puzzles in %s\n", DataPath().c_str());
      std::exit(1);
    }
    return out;
  }();
  return set;
}

void BM_TestPuzzle_NoSolutionSlow(benchmark::State& st) {
  const auto& set = SlowNoSolution();
  std::size_t i = 0;
  for (auto _ : st) {
    benchmark::DoNotOptimize(tessel::TestPuzzleString(set[i]));
    if (++i == set.size()) i = 0;
  }
  st.SetItemsProcessed(st.iterations());
}

// Each puzzle's best of three timings, so one preempted run on a shared
// machine does not pass for a slow puzzle; reports the worst of those.
void BM_Worst_NoSolutionSlow(benchmark::State& st) {
  const auto& set = SlowNoSolution();
  double worst = 0;
  std::size_t worstLine = 0;
  for (auto _ : st) {
    worst = 0;
    for (std::size_t k = 0; k < set.size(); ++k) {
      double best = 1e9;
      for (int r = 0; r < 3; ++r) {
        const auto t0 = std::chrono::steady_clock::now();
        benchmark::DoNotOptimize(tessel::TestPuzzleString(set[k]));
        const std::chrono::duration<double, std::milli> ms = std::chrono::steady_clock::now() - t0;
        best = std::min(best, ms.count());
      }
      if (best > worst) {
        worst = best;
        worstLine = k + 1;
      }
    }
  }
  st.counters["worst_ms"] = worst;
  st.counters["worst_line"] = static_cast<double>(worstLine);
}

}  // namespace

BENCHMARK(BM_TestPuzzle_NoSolutionSlow);
BENCHMARK(BM_Worst_NoSolutionSlow)->Iterations(1)->Unit(benchmark::kMillisecond);
