// The long soundness check, run by hand: walks every puzzle of the given
// files (81 characters a line; anything after is ignored) and, with
// --bank, every bank puzzle, with Explain Next Step from the first step to
// the last, and checks each step against the solution. Prints the counts;
// exits 1 on an unsound step or a position without a step.
// Usage: explain_walk [--bank] [FILE...]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "core/bank.hpp"
#include "core/explain.hpp"
#include "core/solver.hpp"

namespace {

struct Counts {
  long puzzles = 0, steps = 0, unsound = 0, stuck = 0, unnamed = 0;
  std::vector<double> ms;
  std::map<int, long> techniques;
};

void Walk(const std::string& puzzle, const std::string& solution, Counts& n) {
  tessel::Position pos = *tessel::ParsePositionLine(puzzle);
  for (int c = 0; c < tessel::kCells; ++c)
    if (!pos.value[c]) pos.lists[c] = 0x1FF;
  ++n.puzzles;
  for (;;) {
    const auto t0 = std::chrono::steady_clock::now();
    const tessel::Explanation e = tessel::Explain(pos, solution, tessel::ExplainOptions{true, nullptr});
    n.ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count());
    if (e.kind != tessel::ExplainKind::kPlace && e.kind != tessel::ExplainKind::kEliminate) {
      if (!e.solved) {
        ++n.stuck;
        std::printf("no step: %s (%s)\n", puzzle.c_str(), e.sentence.c_str());
      }
      return;
    }
    ++n.steps;
    ++n.techniques[static_cast<int>(e.technique)];
    for (int c : e.changes)
      if (e.sentence.find(tessel::CellLabel(tessel::RowOf(c), tessel::ColOf(c))) == std::string::npos) ++n.unnamed;
    bool bad = false;
    for (const auto& pl : e.placements) {
      bad = bad || solution[pl.cell] - '0' != pl.digit;
      pos.value[pl.cell] = static_cast<std::uint8_t>(pl.digit);
      for (int q : tessel::PeersOf(pl.cell)) pos.lists[q] &= ~(1u << (pl.digit - 1));
    }
    for (const auto& el : e.eliminations) {
      bad = bad || solution[el.cell] - '0' == el.digit;
      pos.lists[el.cell] &= ~(1u << (el.digit - 1));
    }
    if (bad) {
      ++n.unsound;
      std::printf("unsound: %s\n  %s\n", puzzle.c_str(), e.sentence.c_str());
      return;
    }
  }
}

void Report(const std::string& name, Counts& n) {
  std::sort(n.ms.begin(), n.ms.end());
  const double median = n.ms.empty() ? 0 : n.ms[n.ms.size() / 2], slowest = n.ms.empty() ? 0 : n.ms.back();
  std::printf("%s: %ld puzzles, %ld steps, %ld unsound, %ld positions without a step, %ld sentences missing a "
              "changed cell; per step median %.2f ms, slowest %.1f ms\n",
              name.c_str(), n.puzzles, n.steps, n.unsound, n.stuck, n.unnamed, median, slowest);
  for (const auto& [t, k] : n.techniques)
    std::printf("    %s %ld\n", std::string(tessel::TechniqueName(static_cast<tessel::Technique>(t))).c_str(), k);
}

}  // namespace

int main(int argc, char** argv) {
  long bad = 0;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    Counts n;
    if (arg == "--bank") {
      // Bank entries: digits are clues, letters A..I the solution's digits.
      for (int level = 0; level < tessel::kLevelCount; ++level)
        for (std::string_view entry : tessel::BankList(level)) {
          std::string puzzle(entry), solution(entry);
          for (std::size_t c = 0; c < puzzle.size(); ++c)
            if (puzzle[c] >= 'A' && puzzle[c] <= 'I') {
              puzzle[c] = '.';
              solution[c] = static_cast<char>(solution[c] - 'A' + '1');
            }
          Walk(puzzle, solution, n);
        }
    } else {
      std::ifstream in(arg);
      if (!in) {
        std::fprintf(stderr, "cannot read %s\n", arg.c_str());
        return 2;
      }
      std::string line, solution;
      while (std::getline(in, line)) {
        if (line.size() < 81) continue;
        const std::string puzzle = line.substr(0, 81);
        if (tessel::CountSolutions(puzzle, 2, &solution) != 1) continue;
        Walk(puzzle, solution, n);
      }
    }
    Report(arg, n);
    bad += n.unsound + n.stuck;
  }
  return bad ? 1 : 0;
}
