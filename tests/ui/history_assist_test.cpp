// The step and branch commands, Restart, the hint, Check Error and Show
// Solution, driven through the window's actions: each reaches the game, the
// buttons follow, the prompts are asked.
#include <QDialog>
#include <QPlainTextEdit>
#include <QPushButton>

#include "board_helpers.hpp"
#include "core/layouts.hpp"
#include "core/solver.hpp"
#include "ui/solutionsviewer.hpp"

namespace uitest {
namespace {

using tessel::kEntered;
using tessel::kOpen;

class HistoryTest : public BoardTest {
 protected:
  const tessel::History& history() { return game().history(); }
  int Count() { return history().count(); }
  // Plays the right digit into the n-th open cell.
  void PlayRight(int n) {
    auto [r, c] = Opens().at(n);
    Enter(r, c, Solution(r, c));
  }
  // The puzzle alone in the store, no solution known, as a game started.
  void Load(const std::string& puzzle) {
    tessel::Board editor;
    LoadDigitString(puzzle, editor);
    game().ImportPuzzle(editor, "");
    form().Refresh();
    Settle();
  }
};

TEST_F(HistoryTest, ChoosingModesAndMarkingRecordNothing) {
  DigitButton(6).click();
  for (Qt::Key k : {Qt::Key_F2, Qt::Key_F3, Qt::Key_F1}) Key(k);
  Marking().setChecked(true);
  auto [r, c] = FindOpen();
  ClickCell(r, c);
  Marking().setChecked(false);
  EXPECT_EQ(Count(), 1);
  EXPECT_EQ(Steps(), "0000");
}

// Each move is a step; the step buttons walk them with conflicts and marks
// shown as they belong; a move after stepping back drops what lay ahead.
TEST_F(HistoryTest, StepButtonsWalkTheMoves) {
  const std::string start = BoardImage(board());
  auto [r, c] = FindOpen();
  int clash = 0;
  for (int k = 1; k <= 9 && !clash; ++k)
    if (cell(r, k).state == tessel::kGiven) clash = std::stoi(cell(r, k).text);
  Enter(r, c, clash);
  const std::string entered = BoardImage(board());
  ClickCell(r, c, Qt::RightButton);
  auto [mr, mc] = Opens().back();
  Marking().setChecked(true);
  ClickCell(mr, mc);
  Marking().setChecked(false);
  const auto mark = node(mr, mc).color;
  EXPECT_EQ(Count(), 3);
  EXPECT_EQ(Steps(), "1100");

  const struct {
    const char* action;
    const std::string& image;
    const char* steps;
  } walk[] = {{"tbback", entered, "1111"}, {"tblast", start, "1100"}, {"tbfirst", start, "0011"}};
  for (const auto& w : walk) {
    SCOPED_TRACE(w.action);
    const int before = Paints();
    Trigger(w.action);
    EXPECT_EQ(Paints() - before, 1);
    if (std::string(w.action) != "tblast") {
      EXPECT_EQ(BoardImage(board()), w.image);
    }
    EXPECT_EQ(Steps(), w.steps);
    EXPECT_EQ(node(mr, mc).color, mark) << "the mark stays";
  }
  Trigger("tbnext");
  EXPECT_EQ(node(r, c).color, sd().errorcolor()) << "the restored clash is shown";
  EXPECT_EQ(Count(), 3) << "stepping records nothing";

  PlayRight(0);
  EXPECT_EQ(Count(), 3) << "the entry after the cursor went";
  EXPECT_EQ(Steps(), "1100");
}

// b1 opens a trial branch, b2 keeps it, b3 puts its start back and records
// it after the moves; a new game leaves no way back into the old one.
TEST_F(HistoryTest, BranchButtons) {
  Trigger("b1");
  PlayRight(0);
  const std::string kept = BoardImage(board());
  Trigger("b2");
  EXPECT_EQ(Branch(), "100");
  EXPECT_EQ(BoardImage(board()), kept);

  const int count = Count();
  Trigger("b1");
  EXPECT_EQ(Branch(), "011");
  PlayRight(0);
  Trigger("b3");
  EXPECT_EQ(Branch(), "100");
  EXPECT_EQ(BoardImage(board()), kept);
  EXPECT_EQ(Count(), count + 2) << "the move and the branch point";

  Trigger("b1");
  form().ToolButton7Click();
  EXPECT_EQ(Branch(), "100");
  const std::string dealt = BoardImage(board());
  form().b3Click();
  EXPECT_EQ(BoardImage(board()), dealt) << "nothing to go back to";
}

TEST_F(HistoryTest, ShowSolutionAsksAndRecordsNothing) {
  PlayRight(0);
  const std::string first = BoardImage(board());
  auto [r, c] = Opens().at(0);
  Enter(r, c, Solution(r, c) % 9 + 1);
  prompts_.AnswerAsk(false);
  Trigger("tbsolve");
  EXPECT_EQ(prompts_.Questions(), QStringList{"Are you sure you want to see the solution?"});
  EXPECT_EQ(cell(r, c).text, std::to_string(Solution(r, c) % 9 + 1)) << "No changes nothing";

  prompts_.AnswerAsk(true);
  const int before = Paints();
  Trigger("tbsolve");
  EXPECT_EQ(Paints() - before, 1);
  for (int i = 0; i < tessel::kCells; ++i)
    EXPECT_EQ(board()[i].text, std::string(1, game().store().GetSolution()[i])) << i;
  EXPECT_EQ(Count(), 3);
  Trigger("tbback");
  EXPECT_EQ(BoardImage(board()), first) << "back to the entry before the last move";
}

// Without a stored solution: two solutions show in the viewer, none is told.
TEST_F(HistoryTest, ShowSolutionWithoutAStoredOne) {
  const std::string puzzle = "209368710306971820781542639512783496874629153693154278967415382425837961138296547";
  ASSERT_EQ(tessel::CountSolutions(puzzle, 3), 2);
  Load(puzzle);
  const std::string image = BoardImage(board());
  QStringList lines;
  int shown = 0;
  form().SetModalRunner([&](QDialog& d) {
    ++shown;
    EXPECT_EQ(d.windowTitle(), "Multiple Solutions Viewer");
    lines = Child<QPlainTextEdit>(d, "Memo1")->toPlainText().split('\n');
    EXPECT_EQ(UnevenWidths(*Child<QPlainTextEdit>(d, "Memo1")), "");
  });
  for (int round = 1; round <= 2; ++round) {
    prompts_.AnswerAsk(true);
    Trigger("tbsolve");
    EXPECT_EQ(prompts_.Notices().back(), "This Puzzle has at least two solutions,Press OK to view it.");
    ASSERT_EQ(shown, round);
    ASSERT_EQ(lines.size(), 22) << "refilled, not appended";
  }
  EXPECT_EQ(lines[0] + lines[10] + lines[11] + lines[12], "Solution 1:Solution 2:");
  EXPECT_NE(lines.mid(1, 9), lines.mid(13, 9));
  EXPECT_EQ(BoardImage(board()), image);

  std::string clash(81, '0');
  clash[0] = clash[1] = '5';
  Load(clash);
  prompts_.AnswerAsk(true);
  Trigger("tbsolve");
  EXPECT_EQ(prompts_.Notices().back(), "Puzzle is not solvable");
  EXPECT_EQ(shown, 2);
}

// The hint fills the last open cell on yellow as a step and never announces
// the end; the yellow lasts until the next redraw.
TEST_F(HistoryTest, HintIsAStepOnYellowThatNeverFinishes) {
  auto [r, c] = Opens().back();
  const int before = Paints();
  Trigger("ToolButton9");
  EXPECT_EQ(Paints() - before, 1);
  EXPECT_EQ(node(r, c).color, tessel::kHintBackground);
  EXPECT_EQ(Count(), 2);
  Trigger("tbback");
  EXPECT_NE(node(r, c).color, tessel::kHintBackground);

  FillAllButLast();
  Clock().setTimerenabled(true);
  Trigger("ToolButton9");
  EXPECT_TRUE(prompts_.Notices().isEmpty());
  EXPECT_FALSE(form().FinishedMarkShown());
  EXPECT_TRUE(Clock().timerenabled());
  Clock().setTimerenabled(false);
}

// Check Error inks the wrong digits red until the next redraw; it records
// and tells nothing.
TEST_F(HistoryTest, CheckErrorInksUntilTheNextRedraw) {
  auto [wr, wc] = Opens().at(0);
  Enter(wr, wc, Solution(wr, wc) % 9 + 1);
  const int count = Count();
  const int before = Paints();
  Trigger("ToolButton16");
  EXPECT_EQ(Paints() - before, 1);
  EXPECT_EQ(node(wr, wc).fontColor, tessel::kWrongDigitFont);
  EXPECT_EQ(Count(), count);
  DigitButton(3).click();
  Settle();
  EXPECT_EQ(node(wr, wc).fontColor, sd().FONTColor2());
}

}  // namespace
}  // namespace uitest
