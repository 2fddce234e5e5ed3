// One game without a window: steps and branches put their entry on the board
// with its conflicts, and clearing leaves no game behind.
#include <gtest/gtest.h>

#include "core/game.hpp"
#include "core/layouts.hpp"
#include "core/play.hpp"
#include "test_util.hpp"

namespace tessel {
namespace {

TEST(GameModel, StepsAndBranchesShowTheirEntry) {
  Game g;
  LoadDigitString(std::string(testutil::kSolution).replace(0, 3, "000"), g.board());
  g.ResetHistory();
  EXPECT_FALSE(g.StepBack()) << "nothing before entry 0";
  PlaceSelectedDigit(g.board(), 1, 1, 9);
  PlaceSelectedDigit(g.board(), 1, 2, 9);  // a clash in row A
  ASSERT_TRUE(g.RecordStep());
  g.board().MarkConflicts();
  ASSERT_TRUE(g.board().HasErrorMark());

  ASSERT_TRUE(g.StepBack());
  EXPECT_EQ(g.board().at(1, 1).state, kOpen);
  EXPECT_FALSE(g.board().HasErrorMark()) << "conflicts are marked afresh";
  ASSERT_TRUE(g.StepLast());
  EXPECT_TRUE(g.board().HasErrorMark());
  EXPECT_FALSE(g.StepNext());

  // A branch rejected puts its starting position back.
  g.StartBranch();
  ClearCell(g.board(), 1, 2);
  g.RecordStep();
  ASSERT_TRUE(g.RejectBranch());
  EXPECT_EQ(g.board().at(1, 2).text, "9");
  EXPECT_FALSE(g.RejectBranch()) << "no branch open any more";

  g.marks()[3][0] = 255;
  g.Clear();
  EXPECT_EQ(g.marks()[3][0], kNoMark);
  EXPECT_EQ(g.store().GetSolution(), "");
  for (int i = 0; i < kCells; ++i) EXPECT_EQ(g.board()[i].text, "") << i;
}

}  // namespace
}  // namespace tessel
