// hardgen: puzzles on which the puzzle test searches long, found by climbing:
// a clue removed, added, moved or changed to another digit, or swapped for a
// clue of the puzzle's first solution (which keeps a solution), kept when
// the test's search nodes do not drop (and the answer stays of the wanted
// kind).
// Starts from the puzzles of SEEDS in turn; writes the KEEP puzzles with the
// most nodes, most first, one 81-character line each ("." for a blank).
//
// Usage: hardgen SEEDS OUT [--steps N] [--keep K] [--seed S] [--kind K] [--seconds T]
//   --steps: mutations tried per seed puzzle (default 2000)
//   --kind: 0 one solution, 1 none, 2 several, -1 any (default)
//   --seconds: stop climbing after this long (default: no limit)
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <map>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "core/board.hpp"
#include "core/solver.hpp"

namespace {

struct Score {
  long nodes;
  int code;
  std::string solution;  // the first one, "" when there is none
};

Score Measure(const std::string& p) {
  const long before = tessel::SearchNodes();
  auto r = tessel::TestPuzzleString(p);
  return {tessel::SearchNodes() - before, r.code, std::move(r.first)};
}

// One random change that keeps the givens free of clashes; false when the
// chosen change was not possible. `solution` solves p, or is "".
bool Mutate(std::string& p, const std::string& solution, std::mt19937& rng) {
  std::vector<int> clues, blanks;
  for (int i = 0; i < 81; ++i) (p[i] == '*' ? blanks : clues).push_back(i);
  auto pick = [&](const std::vector<int>& v) { return v[rng() % v.size()]; };
  auto anyDigit = [&] { return static_cast<char>('1' + rng() % 9); };
  const std::string before = p;
  switch (rng() % (solution.empty() ? 4 : 6)) {
    case 0:  // remove
      if (clues.size() <= 10) return false;
      p[pick(clues)] = '*';
      break;
    case 1:  // add
      if (blanks.empty()) return false;
      p[pick(blanks)] = anyDigit();
      break;
    case 2: {  // move
      if (clues.empty() || blanks.empty()) return false;
      const int from = pick(clues);
      p[pick(blanks)] = p[from];
      p[from] = '*';
      break;
    }
    case 3:  // change the digit
      if (clues.empty()) return false;
      p[pick(clues)] = anyDigit();
      break;
    case 4: {  // swap a clue for one of the solution
      if (clues.empty() || blanks.empty()) return false;
      const int to = pick(blanks);
      p[to] = solution[to];
      p[pick(clues)] = '*';
      break;
    }
    default: {  // add one of the solution
      if (blanks.empty()) return false;
      const int to = pick(blanks);
      p[to] = solution[to];
    }
  }
  if (p == before || !tessel::CheckGivens(p)) {
    p = before;
    return false;
  }
  return true;
}

std::vector<std::string> Seeds(const char* path) {
  std::vector<std::string> out;
  std::ifstream in(path);
  for (std::string line; std::getline(in, line);) {
    if (line.size() < 81) continue;
    std::string p = line.substr(0, 81);
    for (char& ch : p)
      if (ch < '1' || ch > '9') ch = '*';
    out.push_back(p);
  }
  return out;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::cerr << "Usage: hardgen SEEDS OUT [--steps N] [--keep K] [--seed S] [--kind K] [--seconds T]\n";
    return 2;
  }
  long steps = 2000, keep = 100, kind = -1, seconds = 0;
  unsigned seed = 1;
  for (int i = 3; i + 1 < argc; i += 2) {
    const std::string w = argv[i];
    const long v = std::atol(argv[i + 1]);
    if (w == "--steps") steps = v;
    else if (w == "--keep") keep = v;
    else if (w == "--seed") seed = static_cast<unsigned>(v);
    else if (w == "--kind") kind = v;
    else if (w == "--seconds") seconds = v;
    else {
      std::cerr << "hardgen: unknown option " << w << "\n";
      return 2;
    }
  }
  const auto seeds = Seeds(argv[1]);
  if (seeds.empty()) {
    std::cerr << "hardgen: no puzzles in " << argv[1] << "\n";
    return 2;
  }
  std::mt19937 rng(seed);
  std::map<std::string, long> found;  // every puzzle kept on the way, by its nodes
  const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
  auto late = [&] { return seconds > 0 && std::chrono::steady_clock::now() > until; };
  for (const auto& start : seeds) {
    if (late()) break;
    std::string p = start;
    Score s = Measure(p);
    for (long n = 0; n < steps && !late(); ++n) {
      std::string q = p;
      if (!Mutate(q, s.solution, rng)) continue;
      Score t = Measure(q);
      if (t.nodes < s.nodes || (kind >= 0 && t.code != kind)) continue;
      p = q;
      s = std::move(t);
      if (kind < 0 || s.code == kind) found[p] = s.nodes;
    }
  }
  std::vector<std::pair<long, std::string>> best;
  for (const auto& [p, nodes] : found) best.emplace_back(nodes, p);
  std::sort(best.begin(), best.end(), std::greater<>());
  best.resize(std::min(best.size(), static_cast<std::size_t>(keep)));

  std::ofstream out(argv[2], std::ios::binary);
  for (auto& b : best) {
    std::replace(b.second.begin(), b.second.end(), '*', '.');
    out << b.second << '\n';
  }
  out.flush();
  if (!out) {
    std::cerr << "hardgen: cannot write " << argv[2] << "\n";
    return 2;
  }
  std::printf("%zu seeds, %zu puzzles kept on the way, wrote %zu; nodes at rank", seeds.size(), found.size(),
              best.size());
  for (std::size_t r : {1, 10, 100})
    if (r <= best.size()) std::printf(" %zu: %ld", r, best[r - 1].first);
  std::printf("\n");
  return 0;
}
