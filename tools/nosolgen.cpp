// nosolgen: sparse puzzles without a solution whose contradiction shows only
// deep in the search, for the benchmark. Takes the bank's solution grids,
// keeps 18-24 of their cells as clues (a subset of a valid grid is always
// solvable), changes one clue to a digit that clashes with no peer clue, and
// keeps the candidate when no solution remains. The candidates follow from
// the seed; the puzzle test is timed on each and the slowest are written,
// slowest first, one 81-character line each ("." for a blank).
//
// Usage: nosolgen BANK_DIR OUT [--candidates N] [--keep K] [--seed S]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <numeric>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "core/board.hpp"
#include "core/solver.hpp"

namespace {

// Bank entries hold "1".."9" for clues and "A".."I" for the other cells' digits.
std::vector<std::string> BankSolutions(const std::string& dir) {
  std::vector<std::string> out;
  for (int level = 0; level < 5; ++level) {
    std::ifstream in(dir + "/level" + std::to_string(level) + ".txt");
    std::string line;
    while (std::getline(in, line)) {
      if (line.size() < 81) continue;
      std::string s = line.substr(0, 81);
      for (char& ch : s)
        if (ch >= 'A' && ch <= 'I') ch = static_cast<char>('1' + (ch - 'A'));
      if (s.find_first_not_of("123456789") == std::string::npos) out.push_back(s);
    }
  }
  return out;
}

// Best of `runs` timings of the puzzle test, in milliseconds.
double TimeTest(const std::string& p, int runs) {
  double best = 1e9;
  for (int r = 0; r < runs; ++r) {
    const auto t0 = std::chrono::steady_clock::now();
    const auto res = tessel::TestPuzzleString(p);
    const std::chrono::duration<double, std::milli> ms = std::chrono::steady_clock::now() - t0;
    if (res.code != tessel::kNotSolvable) std::abort();  // the candidate was checked
    best = std::min(best, ms.count());
  }
  return best;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::cerr << "Usage: nosolgen BANK_DIR OUT [--candidates N] [--keep K] [--seed S]\n";
    return 2;
  }
  long candidates = 300000, keep = 1000;
  unsigned seed = 20261207;
  for (int i = 3; i + 1 < argc; i += 2) {
    const std::string w = argv[i];
    const long v = std::atol(argv[i + 1]);
    if (w == "--candidates") candidates = v;
    else if (w == "--keep") keep = v;
    else if (w == "--seed") seed = static_cast<unsigned>(v);
    else {
      std::cerr << "nosolgen: unknown option " << w << "\n";
      return 2;
    }
  }
  const auto grids = BankSolutions(argv[1]);
  if (grids.empty()) {
    std::cerr << "nosolgen: no bank entries in " << argv[1] << "\n";
    return 2;
  }

  std::mt19937 rng(seed);
  std::vector<int> cells(81);
  std::iota(cells.begin(), cells.end(), 0);
  std::vector<std::pair<double, std::string>> found;
  long noSolution = 0;
  for (long n = 0; n < candidates; ++n) {
    const std::string& grid = grids[rng() % grids.size()];
    std::shuffle(cells.begin(), cells.end(), rng);
    const int clues = 18 + static_cast<int>(rng() % 7);
    std::string p(81, '*');  // CheckGivens reads "*" as a blank
    for (int k = 0; k < clues; ++k) p[cells[k]] = grid[cells[k]];
    // One clue becomes another digit that none of its peer clues holds.
    const int changed = cells[rng() % clues];
    std::vector<char> digits;
    for (char d = '1'; d <= '9'; ++d) {
      if (d == grid[changed]) continue;
      p[changed] = d;
      if (tessel::CheckGivens(p)) digits.push_back(d);
    }
    if (digits.empty()) continue;
    p[changed] = digits[rng() % digits.size()];
    if (tessel::CountSolutions(p, 1) != 0) continue;
    ++noSolution;
    // A preempted run can make a fast puzzle look slow: time again when it
    // would count among the slow ones.
    double ms = TimeTest(p, 1);
    if (ms > 0.005) ms = std::min(ms, TimeTest(p, 2));
    found.emplace_back(ms, p);
    // Only the slowest matter; trim now and then to bound memory.
    if (found.size() > static_cast<std::size_t>(20 * keep)) {
      std::nth_element(found.begin(), found.begin() + 4 * keep, found.end(), std::greater<>());
      found.resize(static_cast<std::size_t>(4 * keep));
    }
  }
  // Single timings are noisy on a shared machine: time the leaders again.
  std::sort(found.begin(), found.end(), std::greater<>());
  found.resize(std::min(found.size(), static_cast<std::size_t>(3 * keep)));
  for (auto& f : found) f.first = TimeTest(f.second, 3);
  std::sort(found.begin(), found.end(), std::greater<>());
  found.resize(std::min(found.size(), static_cast<std::size_t>(keep)));

  std::ofstream out(argv[2], std::ios::binary);
  for (auto& f : found) {
    std::replace(f.second.begin(), f.second.end(), '*', '.');
    out << f.second << '\n';
  }
  out.flush();
  if (!out) {
    std::cerr << "nosolgen: cannot write " << argv[2] << "\n";
    return 2;
  }
  std::printf("%ld candidates, %ld without a solution, kept %zu; ms at rank", candidates, noSolution, found.size());
  for (std::size_t r : {1, 10, 100, 1000})
    if (r <= found.size()) std::printf(" %zu: %.3f", r, found[r - 1].first);
  std::printf("\n");
  return 0;
}
