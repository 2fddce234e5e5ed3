// The puzzle test, fast engine beside the literal reference, on the public
// samples and on puzzles with no or many solutions.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>

#include "bench_puzzles.hpp"
#include "core/solver.hpp"
#include "oracle/literal_solver.hpp"

namespace {

std::string Stars(const std::string& p) {
  std::string s = p;
  for (char& ch : s)
    if (ch < '1' || ch > '9') ch = '*';
  return s;
}

template <class F>
void RunOver(benchmark::State& state, const std::vector<std::string>& set, F f) {
  std::vector<std::string> puzzles;
  for (const auto& p : set) puzzles.push_back(Stars(p));
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(f(puzzles[i]));
    if (++i == puzzles.size()) i = 0;
  }
  state.SetItemsProcessed(state.iterations());
}

const std::vector<std::string>& Clue17() {
  static const auto s = benchdata::LoadShared("17-clue.txt");
  return s;
}
const std::vector<std::string>& Hardest() {
  static const auto s = benchdata::LoadShared("hardest.txt");
  return s;
}

void BM_TestPuzzle_17Clue(benchmark::State& st) { RunOver(st, Clue17(), tessel::TestPuzzleString); }
void BM_Literal_17Clue(benchmark::State& st) { RunOver(st, Clue17(), oracle::TestPuzzle); }
void BM_TestPuzzle_Hardest(benchmark::State& st) { RunOver(st, Hardest(), tessel::TestPuzzleString); }
void BM_Literal_Hardest(benchmark::State& st) { RunOver(st, Hardest(), oracle::TestPuzzle); }
void BM_TestPuzzle_NoSolution(benchmark::State& st) {
  RunOver(st, benchdata::NoSolution(), tessel::TestPuzzleString);
}
void BM_TestPuzzle_ManySolutions(benchmark::State& st) {
  RunOver(st, benchdata::ManySolutions(), tessel::TestPuzzleString);
}
void BM_SolveString_ManySolutions(benchmark::State& st) {
  RunOver(st, benchdata::ManySolutions(), tessel::SolveString);
}
void BM_CountSolutions_17Clue(benchmark::State& st) {
  RunOver(st, Clue17(), [](const std::string& p) { return tessel::CountSolutions(p, 2); });
}

// Worst single puzzle of a set, in milliseconds.
template <class F>
void WorstOf(benchmark::State& st, const std::vector<std::string>& set, F f) {
  double worst = 0;
  for (auto _ : st) {
    worst = 0;
    for (const auto& p : set) {
      const auto t0 = std::chrono::steady_clock::now();
      benchmark::DoNotOptimize(f(Stars(p)));
      const std::chrono::duration<double, std::milli> ms = std::chrono::steady_clock::now() - t0;
      worst = std::max(worst, ms.count());
    }
  }
  st.counters["worst_ms"] = worst;
}
void BM_Worst_NoSolution(benchmark::State& st) { WorstOf(st, benchdata::NoSolution(), tessel::TestPuzzleString); }
void BM_Worst_ManySolutions(benchmark::State& st) {
  WorstOf(st, benchdata::ManySolutions(), tessel::TestPuzzleString);
}
void BM_Worst_Hardest(benchmark::State& st) { WorstOf(st, Hardest(), tessel::TestPuzzleString); }

}  // namespace

BENCHMARK(BM_TestPuzzle_17Clue);
BENCHMARK(BM_Literal_17Clue);
BENCHMARK(BM_TestPuzzle_Hardest);
BENCHMARK(BM_Literal_Hardest);
BENCHMARK(BM_CountSolutions_17Clue);
BENCHMARK(BM_TestPuzzle_NoSolution);
BENCHMARK(BM_TestPuzzle_ManySolutions);
BENCHMARK(BM_SolveString_ManySolutions);
BENCHMARK(BM_Worst_NoSolution)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Worst_ManySolutions)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Worst_Hardest)->Iterations(1)->Unit(benchmark::kMillisecond);
