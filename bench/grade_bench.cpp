// Grading and walking the hardest sample (Sudoku Explainer 11+), where the
// forcing chains do the work. Targets: a whole puzzle graded in under 10 s
// (median under 2 s); along the walk, the slowest single step under 1 s
// and the median step under 20 ms. Each runs once: together they take a
// few minutes.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

#include "bench_puzzles.hpp"
#include "core/explain.hpp"
#include "core/grader.hpp"
#include "core/solver.hpp"

namespace {

double Millis(std::chrono::steady_clock::time_point since) {
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - since).count();
}

double Median(std::vector<double> v) {
  if (v.empty()) return 0;
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

void BM_GradeHardest(benchmark::State& state) {
  const auto puzzles = benchdata::LoadSample("hardest.txt");
  std::vector<double> ms;
  double lowest = 1e9;
  int solved = 0;
  for (auto _ : state)
    for (const auto& p : puzzles) {
      tessel::GradeOptions o;
      o.uniqueKnown = true;
      const auto t0 = std::chrono::steady_clock::now();
      const tessel::GradeResult r = tessel::Grade(p, false, o);
      ms.push_back(Millis(t0));
      solved += r.solved;
      lowest = std::min(lowest, r.rating);
    }
  state.counters["puzzles"] = static_cast<double>(puzzles.size());
  state.counters["solved"] = solved;
  state.counters["lowest_rating"] = lowest;
  state.counters["median_ms"] = Median(ms);
  state.counters["slowest_ms"] = *std::max_element(ms.begin(), ms.end());
}
BENCHMARK(BM_GradeHardest)->Iterations(1)->Unit(benchmark::kSecond);

// Every position along the explained walk of each hardest puzzle, each step
// timed, every step checked against the solution.
void BM_ExplainHardestWalk(benchmark::State& state) {
  const auto puzzles = benchdata::LoadSample("hardest.txt");
  std::vector<double> ms;
  long unsound = 0, stuck = 0;
  for (auto _ : state)
    for (const auto& p : puzzles) {
      std::string solution;
      tessel::CountSolutions(p, 2, &solution);
      tessel::Position pos = *tessel::ParsePositionLine(p);
      for (int c = 0; c < tessel::kCells; ++c)
        if (!pos.value[c]) pos.lists[c] = 0x1FF;
      for (;;) {
        const auto t0 = std::chrono::steady_clock::now();
        const tessel::Explanation e = tessel::Explain(pos, solution, tessel::ExplainOptions{true, nullptr});
        ms.push_back(Millis(t0));
        if (e.kind != tessel::ExplainKind::kPlace && e.kind != tessel::ExplainKind::kEliminate) {
          stuck += e.sentence != "The puzzle is solved.";
          break;
        }
        for (const auto& pl : e.placements) {
          unsound += solution[pl.cell] - '0' != pl.digit;
          pos.value[pl.cell] = static_cast<std::uint8_t>(pl.digit);
          for (int q : tessel::PeersOf(pl.cell)) pos.lists[q] &= ~(1u << (pl.digit - 1));
        }
        for (const auto& el : e.eliminations) {
          unsound += solution[el.cell] - '0' == el.digit;
          pos.lists[el.cell] &= ~(1u << (el.digit - 1));
        }
      }
    }
  state.counters["positions"] = static_cast<double>(ms.size());
  state.counters["unsound"] = static_cast<double>(unsound);
  state.counters["without_step"] = static_cast<double>(stuck);
  state.counters["median_ms"] = Median(ms);
  state.counters["slowest_ms"] = *std::max_element(ms.begin(), ms.end());
}
BENCHMARK(BM_ExplainHardestWalk)->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace
