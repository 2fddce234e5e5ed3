// The slowest sparse puzzles without a solution that tools/nosolgen found:
// the puzzle test and the counter must say "no solution" on each, and an
// independent plain backtracking search agrees on a sample. Puzzles with
// solutions whose plain search runs long are counted right too.
#include <gtest/gtest.h>

#include <array>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "core/solver.hpp"
#include "test_util.hpp"

namespace {

// Fewest-candidates cell first, no other deduction.
bool Solvable(std::array<int, 81>& g) {
  int best = -1, fewest = 10;
  unsigned bestMask = 0;
  for (int i = 0; i < 81; ++i) {
    if (g[i]) continue;
    unsigned used = 0;
    const int r = i / 9, c = i % 9, b = (r / 3) * 27 + (c / 3) * 3;
    for (int k = 0; k < 9; ++k)
      used |= (1u << g[r * 9 + k]) | (1u << g[k * 9 + c]) | (1u << g[b + (k / 3) * 9 + k % 3]);
    const unsigned free = ~used & 0x3FEu;
    const int n = __builtin_popcount(free);
    if (n < fewest) {
      fewest = n;
      best = i;
      bestMask = free;
    }
  }
  if (best < 0) return true;
  for (int d = 1; d <= 9; ++d) {
    if (!(bestMask & (1u << d))) continue;
    g[best] = d;
    if (Solvable(g)) return true;
  }
  g[best] = 0;
  return false;
}

}  // namespace

TEST(Solver, SlowPuzzlesWithoutASolution) {
  std::ifstream in(std::string(TESSEL_SOURCE_DIR) + "/bench/data/nosolution_slow.txt");
  std::vector<std::string> set;
  for (std::string line; std::getline(in, line);)
    if (line.size() >= 81) set.push_back(line.substr(0, 81));
  ASSERT_EQ(set.size(), 1000u);
  for (std::size_t i = 0; i < set.size(); ++i) {
    std::string p = set[i];
    std::array<int, 81> g{};
    for (int k = 0; k < 81; ++k) {
      if (p[k] < '1' || p[k] > '9') p[k] = '*';
      else g[k] = p[k] - '0';
    }
    EXPECT_EQ(tessel::TestPuzzleString(p).code, tessel::kNotSolvable) << p;
    EXPECT_EQ(tessel::CountSolutions(p, 2), 0) << p;
    if (i % 50 == 0) {  // the plain search needs up to seconds a puzzle
      EXPECT_FALSE(Solvable(g)) << p;
    }
  }
}

// On these the plain search passes its node limit and the count starts over
// looking ahead; it must still find the one solution, or two.
TEST(Solver, CountsRightAfterALongPlainSearch) {
  const auto hardest = testutil::SamplePuzzles("hardest.txt", 876);
  for (int line : {235, 589, 734, 830, 876}) {
    const std::string& p = hardest[line - 1];
    std::string first;
    EXPECT_EQ(tessel::CountSolutions(p, 5, &first), 1) << p;
    EXPECT_EQ(first, tessel::SolveString(p).result) << p;
  }
  for (auto [line, cell] : {std::pair{187, 67}, {830, 37}}) {
    std::string p = hardest[line - 1];
    p[cell] = '.';  // a clue less: several solutions
    std::string first;
    EXPECT_EQ(tessel::CountSolutions(p, 2, &first), 2) << p;
    ASSERT_EQ(first.size(), 81u);
    for (int i = 0; i < 81; ++i) {
      if (p[i] != '.') {
        EXPECT_EQ(first[i], p[i]) << p;
      }
    }
    EXPECT_TRUE(tessel::CheckGivens(first)) << first;
  }
}
