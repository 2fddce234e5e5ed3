// The puzzle test, fast engine beside the literal reference, on the public
// samples and on puzzles with no or many solutions.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstddef>
#include <cstdint>

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
  const long nodes = tessel::SearchNodes();
  for (auto _ : state) {
    benchmark::DoNotOptimize(f(puzzles[i]));
    if (++i == puzzles.size()) i = 0;
  }
  state.SetItemsProcessed(state.iterations());
  state.counters["nodes"] = static_cast<double>(tessel::SearchNodes() - nodes) / static_cast<double>(state.iterations());
}

const std::vector<std::string>& Clue17() {
  static const auto s = benchdata::LoadSample("17-clue.txt");
  return s;
}
const std::vector<std::string>& Hardest() {
  static const auto s = benchdata::LoadSample("hardest.txt");
  return s;
}

// The plain search needs up to seconds a puzzle, so the side-by-side runs
// use the first puzzles of each sample, the same ones for both engines.
std::vector<std::string> FirstOf(const std::vector<std::string>& set, std::size_t n) {
  return {set.begin(), set.begin() + static_cast<std::ptrdiff_t>(std::min(n, set.size()))};
}
const std::vector<std::string>& Clue17Head() {
  static const auto s = FirstOf(Clue17(), 40);
  return s;
}
const std::vector<std::string>& HardestHead() {
  static const auto s = FirstOf(Hardest(), 40);
  return s;
}

// A whole pass over a set per iteration, so both engines see every puzzle.
template <class F>
void PassOver(benchmark::State& state, const std::vector<std::string>& set, F f) {
  std::vector<std::string> puzzles;
  for (const auto& p : set) puzzles.push_back(Stars(p));
  for (auto _ : state)
    for (const auto& p : puzzles) benchmark::DoNotOptimize(f(p));
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(puzzles.size()));
}

void BM_TestPuzzle_17Clue(benchmark::State& st) { RunOver(st, Clue17(), tessel::TestPuzzleString); }
void BM_TestPuzzle_Hardest(benchmark::State& st) { RunOver(st, Hardest(), tessel::TestPuzzleString); }
void BM_SideBySide_Fast_17Clue40(benchmark::State& st) { PassOver(st, Clue17Head(), tessel::TestPuzzleString); }
void BM_SideBySide_Plain_17Clue40(benchmark::State& st) { PassOver(st, Clue17Head(), oracle::TestPuzzle); }
void BM_SideBySide_Fast_Hardest40(benchmark::State& st) { PassOver(st, HardestHead(), tessel::TestPuzzleString); }
void BM_SideBySide_Plain_Hardest40(benchmark::State& st) { PassOver(st, HardestHead(), oracle::TestPuzzle); }
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
BENCHMARK(BM_TestPuzzle_Hardest);
BENCHMARK(BM_SideBySide_Fast_17Clue40)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SideBySide_Plain_17Clue40)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_SideBySide_Fast_Hardest40)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SideBySide_Plain_Hardest40)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_CountSolutions_17Clue);
BENCHMARK(BM_TestPuzzle_NoSolution);
BENCHMARK(BM_TestPuzzle_ManySolutions);
BENCHMARK(BM_SolveString_ManySolutions);
BENCHMARK(BM_Worst_NoSolution)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Worst_ManySolutions)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Worst_Hardest)->Iterations(1)->Unit(benchmark::kMillisecond);
