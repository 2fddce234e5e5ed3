// One game without a window: steps and branches put their entry on the board
// with its conflicts, and clearing leaves no game behind.
#include <gtest/gtest.h>

#include "core/game.hpp"
#include "core/gamestore.hpp"
#include "core/history.hpp"
#include "core/layouts.hpp"
#include "core/play.hpp"
#include "core/solver.hpp"
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

// A click does what the display mode says, and reports the finish.
TEST(GameModel, ClicksByModeAndTheFinish) {
  Game g;
  LoadDigitString(std::string(testutil::kSolution).replace(80, 1, "0"), g.board());
  const char last = testutil::kSolution[80];
  const int digit = last - '0';

  EXPECT_FALSE(g.ClickCell(9, 9, true).changed) << "no digit chosen";
  g.SetSelectedDigit(digit);
  g.SetMode(DisplayMode::kAll);
  EXPECT_FALSE(g.ClickCell(9, 9, true).changed) << "All places nothing";
  g.SetMode(DisplayMode::kNone);
  PlayResult r = g.ClickCell(9, 9, true);
  EXPECT_TRUE(r.changed && r.finished);
  g.SetMode(DisplayMode::kOnlyOne);
  r = g.ClickCell(9, 9, true);
  EXPECT_TRUE(r.changed);
  EXPECT_FALSE(r.finished);
  EXPECT_EQ(g.board().at(9, 9).text, std::string(1, last)) << "the only candidate left";
  EXPECT_EQ(g.board().at(9, 9).state, kOpen);
  r = g.ClickCandidate(9, 9, digit, true);
  EXPECT_TRUE(r.finished);
  g.board().at(1, 1).state = kGiven;
  EXPECT_FALSE(g.CellCommand(1, 1, "X").changed) << "a given has no menu";
  r = g.CellCommand(9, 9, "X");
  EXPECT_TRUE(r.changed);
  EXPECT_FALSE(r.finished);
  EXPECT_EQ(g.board().at(9, 9).state, kOpen);
}

TEST(GameModel, SolutionToShowByWhatIsKnown) {
  Game g;
  const std::string puzzle =
      "086009000003200000002004903004000000005000700697041230008050001001760000059000006";
  for (int i = 0; i < kCells; ++i)
    g.board()[i] = puzzle[i] == '0' ? Cell{RowOf(i), ColOf(i), "", kOpen, false}
                                    : Cell{RowOf(i), ColOf(i), std::string(1, puzzle[i]), kGiven, false};
  Game::SolutionAnswer a = g.SolutionToShow();
  ASSERT_EQ(a.kind, Game::SolutionAnswer::kShow) << "the givens' only solution";
  std::string found;
  ASSERT_EQ(CountSolutions(puzzle, 2, &found), 1);
  EXPECT_EQ(a.first, found);
  g.FillSolution(a.first);
  EXPECT_TRUE(g.board().IsFinished());

  g.store().SetSolution(testutil::kSolution);
  EXPECT_EQ(g.SolutionToShow().first, testutil::kSolution) << "a stored solution comes first";

  Game open;
  open.board().ClearAll();
  a = open.SolutionToShow();
  EXPECT_EQ(a.kind, Game::SolutionAnswer::kSeveral);
  EXPECT_NE(a.first, a.second);
  open.board().at(1, 1) = {1, 1, "5", kGiven, false};
  open.board().at(1, 2) = {1, 2, "5", kGiven, false};
  EXPECT_EQ(open.SolutionToShow().kind, Game::SolutionAnswer::kNotSolvable);
}

// A hint marks no conflict and, without Auto Update, leaves the lists;
// Check Error inks only the wrong digits, and a full board with a clash is
// no finish.
TEST(GameModel, HintCheckErrorAndAClashAtTheEnd) {
  Game g;
  const std::string& sol = testutil::kSolution;
  LoadDigitString(sol, g.board());
  g.store().SetSolution(sol);
  g.board().at(9, 8) = {9, 8, std::string(1, sol[80]), kEntered, false};  // clashes with the hint
  g.board().at(9, 9) = {9, 9, "", kOpen, false};
  g.board().at(8, 9) = {8, 9, std::string(1, sol[71]) + sol[80], kOpen, false};
  g.SetAutoUpdate(false);
  EXPECT_EQ(g.Hint(), 80);
  EXPECT_EQ(g.board().at(9, 9).text, std::string(1, sol[80]));
  EXPECT_FALSE(g.board().HasErrorMark());
  EXPECT_EQ(g.board().at(8, 9).text.size(), 2u);

  g.InkWrongDigits();
  EXPECT_EQ(g.view()[IndexOf(9, 8)].fontColor, kWrongDigitFont);
  EXPECT_NE(g.view()[IndexOf(9, 9)].fontColor, kWrongDigitFont);
  EXPECT_NE(g.view()[IndexOf(8, 9)].fontColor, kWrongDigitFont) << "a list of two is no digit";

  g.board().at(8, 9) = {8, 9, "", kOpen, false};
  g.SetSelectedDigit(sol[71] - '0');
  const PlayResult r = g.ClickCell(8, 9, true);
  EXPECT_TRUE(r.changed);
  EXPECT_FALSE(r.finished) << "I8 and I9 clash";
  EXPECT_TRUE(g.board().HasErrorMark());
}

// A saved game that does not read whole changes nothing; one that does
// replaces the game, and only a game on the board counts as one to keep.
TEST(GameModel, OpeningARecordIsAllOrNothing) {
  Game g;
  EXPECT_FALSE(g.inPlay());
  LoadDigitString(std::string(testutil::kSolution).replace(0, 3, "000"), g.board());
  g.store().SetSolution(testutil::kSolution);
  g.ResetHistory();
  g.SetInPlay();
  const std::string before = TakeSnapshot(g.board());

  Board saved;
  LoadDigitString(testutil::kSolution, saved);
  std::vector<std::string> lines;
  AppendGame(lines, "A", 3, testutil::kSolution, BuildBoardLines(saved));
  std::vector<std::string> bad = lines;
  bad[5].replace(40, 1, "?");  // row D, column 5
  EXPECT_THROW(g.OpenRecord(bad, 1), GameDataError);
  EXPECT_EQ(TakeSnapshot(g.board()), before);
  EXPECT_EQ(g.board().nd, 0);
  EXPECT_EQ(g.history().count(), 1);
  EXPECT_TRUE(g.inPlay());

  g.OpenRecord(lines, 1);
  EXPECT_EQ(TakeSnapshot(g.board()), TakeSnapshot(saved));
  EXPECT_EQ(g.board().nd, 3);
  g.Clear();
  EXPECT_FALSE(g.inPlay());
}

}  // namespace
}  // namespace tessel
