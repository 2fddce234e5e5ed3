// solver_sets: the puzzle test over puzzle files, one line per file: tests
// per second (best of three passes), search nodes per puzzle, and the
// slowest single puzzle (each puzzle's best of three timings). With
// --answers OUT, every answer is written too ("code first second" per
// puzzle), to compare two builds. With --once, each puzzle is tested once
// and nothing is timed: for counting instructions (valgrind --tool=callgrind).
//
// Usage: solver_sets [--answers OUT] [--once] FILE...
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "core/solver.hpp"

namespace {

using Clock = std::chrono::steady_clock;

double Seconds(Clock::time_point since) { return std::chrono::duration<double>(Clock::now() - since).count(); }

std::vector<std::string> Load(const char* path) {
  std::vector<std::string> out;
  std::ifstream in(path);
  for (std::string line; std::getline(in, line);)
    if (line.size() >= 81) out.push_back(line.substr(0, 81));
  return out;
}

}  // namespace

int main(int argc, char** argv) {
  int first = 1;
  std::ofstream answers;
  if (argc > 2 && std::strcmp(argv[1], "--answers") == 0) {
    answers.open(argv[2], std::ios::binary);
    first = 3;
  }
  bool once = false;
  if (first < argc && std::strcmp(argv[first], "--once") == 0) {
    once = true;
    ++first;
  }
  if (first >= argc) {
    std::fprintf(stderr, "Usage: solver_sets [--answers OUT] [--once] FILE...\n");
    return 2;
  }
  for (int f = first; f < argc; ++f) {
    const auto set = Load(argv[f]);
    if (set.empty()) {
      std::fprintf(stderr, "solver_sets: no puzzles in %s\n", argv[f]);
      return 2;
    }
    const long startNodes = tessel::SearchNodes();
    if (answers.is_open())
      for (const auto& p : set) {
        const auto r = tessel::TestPuzzleString(p);
        answers << r.code << ' ' << r.first << ' ' << r.second << '\n';
      }
    if (once) {
      if (!answers.is_open())
        for (const auto& p : set) tessel::TestPuzzleString(p);
      std::printf("%s n %zu nodes/puzzle %.1f\n", argv[f], set.size(),
                  static_cast<double>(tessel::SearchNodes() - startNodes) / static_cast<double>(set.size()));
      continue;
    }
    double pass = 1e30;
    long nodes = 0;
    for (int r = 0; r < 3; ++r) {
      const long before = tessel::SearchNodes();
      const auto t0 = Clock::now();
      for (const auto& p : set) tessel::TestPuzzleString(p);
      pass = std::min(pass, Seconds(t0));
      nodes = tessel::SearchNodes() - before;
    }
    double worst = 0;
    std::size_t worstLine = 0;
    for (std::size_t k = 0; k < set.size(); ++k) {
      double best = 1e30;
      for (int r = 0; r < 3; ++r) {
        const auto t0 = Clock::now();
        tessel::TestPuzzleString(set[k]);
        best = std::min(best, Seconds(t0));
      }
      if (best > worst) {
        worst = best;
        worstLine = k + 1;
      }
    }
    std::printf("%s n %zu tests/s %.0f nodes/puzzle %.1f worst %.3f ms line %zu\n", argv[f], set.size(),
                static_cast<double>(set.size()) / pass, static_cast<double>(nodes) / static_cast<double>(set.size()),
                worst * 1e3, worstLine);
  }
  return answers.is_open() && !answers.flush() ? 2 : 0;
}
