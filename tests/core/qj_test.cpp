#include <gtest/gtest.h>

#include <map>

#include "core/qj.hpp"
#include "core/solver.hpp"

using namespace tessel;

namespace {

const std::string kSolution =
    "534678912672195348198342567859761423426853791713924856961537284287419635345286179";

// A bank entry: the digits at `clues` are givens, the rest letters.
std::string Entry(const std::string& solution, const std::string& puzzle) {
  std::string e = solution;
  for (int i = 0; i < 81; ++i)
    if (!IsDigitChar(puzzle[i])) e[i] = static_cast<char>('A' + solution[i] - '1');
  return e;
}

Random32 Fixed(std::uint32_t seed) {
  return Random32([seed] { return seed; });
}

}  // namespace

TEST(SolutionStore, SetAndGet) {
  TQJ q;
  EXPECT_EQ(q.GetSolution(), "");  // nothing stored yet
  q.SetPuzzle("  " + std::string(80, '0') + "7\r\n");
  EXPECT_TRUE(q.at(9, 9).given);
  EXPECT_EQ(q.at(9, 9).value, 7);
  EXPECT_EQ(q.GetSolution(), "");  // only givens: no solution

  q.SetSolution(kSolution);
  EXPECT_EQ(q.GetSolution(), kSolution);
  EXPECT_TRUE(q.at(9, 9).given);  // flags unchanged

  for (const std::string& bad : {kSolution.substr(0, 80), kSolution + "1"}) {
    q.SetSolution(kSolution);
    q.SetSolution(bad);
    EXPECT_EQ(q.GetSolution(), "");
    for (int i = 0; i < 81; ++i) EXPECT_EQ(q[i].value, 0);
    q.SetSolution(kSolution);
    q.SetPuzzle(bad);
    for (int i = 0; i < 81; ++i) EXPECT_EQ(q[i].value, 0);
  }
}

TEST(SolutionStore, RandomIsTheLinearCongruence) {
  Random32 r = Fixed(0);
  // seed 1 after one step: (1 * 10) >> 32 == 0
  EXPECT_EQ(r.Random(10), 0);
  EXPECT_EQ(r.seed(), 1u);
  r.SetSeed(0xFFFFFFFFu);
  const std::uint32_t next = 0xFFFFFFFFu * 134775813u + 1u;
  EXPECT_EQ(r.Random(9), static_cast<int>((static_cast<std::uint64_t>(next) * 9) >> 32));
  // Every value 0..n-1 comes up, nothing outside.
  std::map<int, int> seen;
  for (int i = 0; i < 9000; ++i) ++seen[r.Random(9)];
  EXPECT_EQ(seen.size(), 9u);
  EXPECT_EQ(seen.begin()->first, 0);
  EXPECT_EQ(seen.rbegin()->first, 8);
}

TEST(SolutionStore, BankEntryExtremes) {
  Random32 r = Fixed(42);
  TQJ q;
  q.LoadBankEntry(kSolution, r);  // all digits: 81 givens
  int givens = 0;
  for (int i = 0; i < 81; ++i) givens += q[i].given ? 1 : 0;
  EXPECT_EQ(givens, 81);
  q.LoadBankEntry(Entry(kSolution, std::string(81, '0')), r);  // all letters
  givens = 0;
  for (int i = 0; i < 81; ++i) givens += q[i].given ? 1 : 0;
  EXPECT_EQ(givens, 0);
  EXPECT_EQ(CountSolutions(q.GetSolution(), 2), 1);  // still a valid full grid
}

TEST(SolutionStore, ShufflingKeepsThePuzzleWhole) {
  const std::string puzzle =
      "530070000600195000098000060800060003400803001700020006060000280000419005000080079";
  for (std::uint32_t seed : {1u, 7u, 123456u, 0xDEADBEEFu}) {
    Random32 r = Fixed(seed);
    TQJ q;
    q.LoadBankEntry(Entry(kSolution, puzzle), r);
    const std::string sol = q.GetSolution();
    ASSERT_EQ(sol.size(), 81u);
    EXPECT_EQ(CountSolutions(sol, 2), 1);  // rows, columns and boxes stay permutations
    std::string shuffled = q.PuzzleString();
    std::string found;
    EXPECT_EQ(CountSolutions(shuffled, 2, &found), 1);
    EXPECT_EQ(found, sol);
    // Clues per band and per stack never move between bands or stacks.
    for (int band = 0; band < 3; ++band) {
      int before = 0, after = 0, beforeStack = 0, afterStack = 0;
      for (int i = 0; i < 81; ++i) {
        if ((RowOf(i) - 1) / 3 == band) before += IsDigitChar(puzzle[i]), after += q[i].given;
        if ((ColOf(i) - 1) / 3 == band) beforeStack += IsDigitChar(puzzle[i]), afterStack += q[i].given;
      }
      EXPECT_EQ(before, after);
      EXPECT_EQ(beforeStack, afterStack);
    }
  }
}

TEST(SolutionStore, DigitSwapOfNineWrapsToOne) {
  // Find a seed whose single step is a digit swap with x = y = 9.
  for (std::uint32_t seed = 0; seed < 2000000; ++seed) {
    Random32 probe = Fixed(seed);
    probe.Reseed();
    const int t = probe.Random(7) + 1;
    probe.Random(3);
    probe.Random(2);
    if (t != 7) continue;
    const int x = probe.Random(9) + 1, y = probe.Random(9) + 1;
    if (x != 9 || y != 9) continue;
    Random32 r = Fixed(seed);
    TQJ q;
    q.SetPuzzle(kSolution);
    q.Shuffle(1, r);
    std::string want = kSolution;
    for (char& ch : want) ch = ch == '9' ? '1' : ch == '1' ? '9' : ch;
    EXPECT_EQ(q.GetSolution(), want);
    return;
  }
  FAIL() << "no seed gives x = y = 9";
}
