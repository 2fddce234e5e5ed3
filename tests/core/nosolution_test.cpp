// The slowest sparse puzzles without a solution that tools/nosolgen found:
// the puzzle test and the counter must say "no solution" on each, and the
// tests' plain search agrees on a sample. Puzzles with solutions whose plain
// search runs long are counted right too.
#include "core/solver.hpp"
#include "test_util.hpp"

TEST(Solver, SlowPuzzlesWithoutASolution) {
  const auto set = testutil::FileLines(testutil::SourceFile("bench/data/nosolution_slow.txt"));
  ASSERT_EQ(set.size(), 1000u);
  for (std::size_t i = 0; i < set.size(); ++i) {
    std::string p = set[i].substr(0, 81);
    for (char& ch : p)
      if (ch < '1' || ch > '9') ch = '*';
    EXPECT_EQ(tessel::TestPuzzleString(p).code, tessel::kNotSolvable) << p;
    EXPECT_EQ(tessel::CountSolutions(p, 2), 0) << p;
    // The plain search needs up to seconds a puzzle.
    EXPECT_TRUE(i % 50 || testutil::PlainSearch().Count(p, 1) == 0) << p;
  }
}

// The counter's biggest trees on the sample (past 256 nodes it weighs the
// dead ends when branching; lines 235..876 were the biggest before); it
// must still find the one solution, or two.
TEST(Solver, CountsRightOnItsBiggestTrees) {
  const auto hardest = testutil::SamplePuzzles("hardest.txt", 876);
  for (int line : {290, 650, 700, 235, 589, 734, 830, 876}) {
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
    ASSERT_TRUE(testutil::ValidFullGrid(first)) << first;
    for (int i = 0; i < 81; ++i) EXPECT_TRUE(p[i] == '.' || first[i] == p[i]) << p << " cell " << i;
  }
}
