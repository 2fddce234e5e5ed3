#include <map>
#include <set>

#include "core/bank.hpp"
#include "core/solver.hpp"
#include "test_util.hpp"

using namespace tessel;

TEST(Deal, LastLineIsNeverDealt) {
  Random32 rng([] { return 2026u; });
  std::map<int, int> seen;
  const int draws = 1000000;
  for (int i = 0; i < draws; ++i) ++seen[PickBankLine(500, rng)];
  EXPECT_EQ(seen.begin()->first, 1);
  EXPECT_EQ(seen.rbegin()->first, 499);
  // Line 499 takes the last line's share too: about 2/500.
  EXPECT_NEAR(seen[499] / static_cast<double>(draws), 2.0 / 500, 0.0008);
  EXPECT_NEAR(seen[250] / static_cast<double>(draws), 1.0 / 500, 0.0006);
  // Two lines: only the first is ever dealt.
  for (int i = 0; i < 100; ++i) EXPECT_EQ(PickBankLine(2, rng), 1);
}

TEST(Deal, EveryLevelDealsAShuffledBankPuzzle) {
  for (int level = 0; level < kLevelCount; ++level) {
    const auto& list = BankList(level);
    ASSERT_GE(list.size(), 2u) << "level " << level;
    for (std::uint32_t seed : {1u, 99u, 4000000000u}) {
      Random32 rng([seed] { return seed; });
      TQJ store;
      const int line = DealPuzzle(level, store, rng);
      ASSERT_GE(line, 1);
      ASSERT_LT(line, static_cast<int>(list.size()));
      const std::string solution = store.GetSolution(), p = store.PuzzleString();
      std::string found;
      ASSERT_EQ(CountSolutions(p, 2, &found), 1);
      EXPECT_EQ(found, solution);
    }
  }
  // Seeded from the clock, as the game is: new games differ.
  Random32 clock;
  std::set<std::string> dealt;
  for (int k = 0; k < 5; ++k) {
    TQJ game;
    DealPuzzle(1, game, clock);
    dealt.insert(game.PuzzleString());
  }
  EXPECT_GE(dealt.size(), 4u) << "every deal the same puzzle: a stuck seed";
  TQJ store;
  EXPECT_EQ(DealPuzzle(5, store, clock), 0);  // no list for Unknown
  EXPECT_EQ(DealPuzzle(-1, store, clock), 0);
}
