// The move history with its trial branch, and the hint, Check Error and
// Show Solution commands, driven through the real window.
#include <QAction>
#include <QCheckBox>
#include <QDialog>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

#include "board_helpers.hpp"
#include "core/solver.hpp"
#include "ui/solutionsviewer.hpp"

namespace uitest {
namespace {

using tessel::kEntered;
using tessel::kGiven;
using tessel::kOpen;

class HistoryTest : public BoardTest {
 protected:
  tessel::History& history() { return form().history; }
  int Count() { return history().count(); }

  // The four step buttons as "first back next last", 1 for enabled.
  std::string Steps() {
    auto& f = form();
    std::string out;
    for (QAction* a : {f.tbfirst, f.tbback, f.tbnext, f.tblast}) out += a->isEnabled() ? '1' : '0';
    return out;
  }
  std::string Branch() {
    auto& f = form();
    std::string out;
    for (QAction* a : {f.b1, f.b2, f.b3}) out += a->isEnabled() ? '1' : '0';
    return out;
  }

  // Enters digit d with a left click in mode None.
  void Enter(int r, int c, int d) {
    form().disnote[d]->click();
    Settle();
    ClickCell(r, c);
    ASSERT_EQ(cell(r, c).text, std::to_string(d));
  }
  // The open cells in row-major order.
  std::vector<std::pair<int, int>> Opens() {
    std::vector<std::pair<int, int>> out;
    for (int r = 1; r <= 9; ++r)
      for (int c = 1; c <= 9; ++c)
        if (cell(r, c).state == kOpen) out.emplace_back(r, c);
    return out;
  }
  // Plays the right digit into the n-th open cell.
  void PlayRight(int n) {
    auto [r, c] = Opens().at(n);
    Enter(r, c, Solution(r, c));
  }
};

TEST_F(HistoryTest, SelectionModesAndMarkingRecordNothing) {
  auto& f = form();
  EXPECT_EQ(Count(), 1);
  EXPECT_EQ(Steps(), "0000") << "a single entry";
  EXPECT_EQ(Branch(), "100");
  f.disnote[6]->click();
  Key(Qt::Key_F2);
  Key(Qt::Key_F3);
  Key(Qt::Key_F1);
  f.chkcolor->setChecked(true);
  auto [r, c] = FindOpen();
  ClickCell(r, c);
  ASSERT_NE(f.colorMarks[tessel::IndexOf(r, c)][0], tessel::ui::TForm1::kNoMark);
  f.chkcolor->setChecked(false);
  EXPECT_EQ(Count(), 1);
  EXPECT_EQ(Steps(), "0000");
}

TEST_F(HistoryTest, StepsThroughEnteredAndRemovedDigitsAndDropsSteppedOverEntries) {
  auto& f = form();
  const std::string start = BoardImage(board());
  auto [r, c] = FindOpen();
  Enter(r, c, Solution(r, c));
  const std::string entered = BoardImage(board());
  ClickCell(r, c, Qt::RightButton);
  ASSERT_EQ(cell(r, c).state, kOpen);
  EXPECT_EQ(Count(), 3) << "entering and removing are two steps";
  EXPECT_EQ(Steps(), "1100") << "at the last entry";

  f.tbback->trigger();
  Settle();
  EXPECT_EQ(BoardImage(board()), entered);
  EXPECT_EQ(Steps(), "1111");
  f.tbfirst->trigger();
  Settle();
  EXPECT_EQ(BoardImage(board()), start);
  EXPECT_EQ(Steps(), "0011") << "at entry 0";
  EXPECT_EQ(Count(), 3) << "stepping records nothing";
  f.tblast->trigger();
  EXPECT_EQ(history().cursor(), 2);
  f.tbback->trigger();
  f.tbback->trigger();
  EXPECT_EQ(history().cursor(), 0);

  // A new move after stepping back twice loses both stepped-over entries.
  auto opens = Opens();
  auto [r2, c2] = opens.back();
  Enter(r2, c2, Solution(r2, c2));
  EXPECT_EQ(Count(), 2);
  EXPECT_EQ(Steps(), "1100");
  EXPECT_FALSE(f.tbnext->isEnabled());
}

TEST_F(HistoryTest, MarksStayAndErrorFlagsFollowTheRestoredDigits) {
  auto& f = form();
  // Step 1: a digit that clashes with a given in its row.
  auto [r, c] = FindOpen();
  int clash = 0, gc = 0;
  for (int k = 1; k <= 9 && !clash; ++k)
    if (cell(r, k).state == kGiven) {
      clash = std::stoi(cell(r, k).text);
      gc = k;
    }
  ASSERT_NE(clash, 0);
  Enter(r, c, clash);
  ASSERT_TRUE(cell(r, c).error);
  // Step 2: taken away again; then a mark on another cell.
  ClickCell(r, c, Qt::RightButton);
  ASSERT_FALSE(board().HasErrorMark());
  auto [mr, mc] = Opens().back();
  f.chkcolor->setChecked(true);
  ClickCell(mr, mc);
  f.chkcolor->setChecked(false);
  const auto mark = f.colorMarks[tessel::IndexOf(mr, mc)][0];

  f.tbback->trigger();
  Settle();
  EXPECT_EQ(cell(r, c).text, std::to_string(clash));
  EXPECT_TRUE(cell(r, c).error) << "flags recomputed from the restored digits";
  EXPECT_TRUE(cell(r, gc).error);
  EXPECT_EQ(node(r, c).color, sd().errorcolor());
  EXPECT_EQ(node(mr, mc).color, mark) << "the mark survives the step";
  f.tbfirst->trigger();
  EXPECT_FALSE(board().HasErrorMark());
  EXPECT_EQ(node(mr, mc).color, mark);
}

TEST_F(HistoryTest, BranchWithoutMovesRejectedChangesNothing) {
  auto& f = form();
  PlayRight(0);
  const std::string image = BoardImage(board());
  const int count = Count();
  f.b1->trigger();
  EXPECT_EQ(Branch(), "011");
  f.b3->trigger();
  Settle();
  EXPECT_EQ(Branch(), "100");
  EXPECT_EQ(BoardImage(board()), image);
  EXPECT_EQ(Count(), count);
  EXPECT_FALSE(history().BranchOpen());
}

TEST_F(HistoryTest, RejectedBranchRestoresItsStartAndKeepsItsMovesBehind) {
  auto& f = form();
  PlayRight(0);
  const std::string point = BoardImage(board());
  const int count = Count();
  f.b1->trigger();
  PlayRight(0);
  PlayRight(0);
  PlayRight(0);
  const std::string third = BoardImage(board());
  f.b3->trigger();
  Settle();
  EXPECT_EQ(BoardImage(board()), point);
  EXPECT_EQ(Count(), count + 4) << "three moves and the restored branch point";
  EXPECT_EQ(Steps(), "1100");
  f.tbback->trigger();
  EXPECT_EQ(BoardImage(board()), third);
}

TEST_F(HistoryTest, AcceptedBranchKeepsItsMoves) {
  auto& f = form();
  f.b1->trigger();
  PlayRight(0);
  const std::string image = BoardImage(board());
  f.b2->trigger();
  EXPECT_EQ(Branch(), "100");
  EXPECT_EQ(BoardImage(board()), image);
  EXPECT_EQ(Count(), 2);
}

TEST_F(HistoryTest, NewGameAbandonsTheBranch) {
  auto& f = form();
  f.b1->trigger();
  PlayRight(0);
  f.ToolButton7Click();
  EXPECT_EQ(Branch(), "100");
  EXPECT_FALSE(history().BranchOpen());
  EXPECT_EQ(Count(), 1);
  const std::string image = BoardImage(board());
  f.b3Click();  // even called directly: nothing to go back to
  EXPECT_EQ(BoardImage(board()), image);
  EXPECT_EQ(Count(), 1);
}

TEST_F(HistoryTest, RestartInsideABranchThenReject) {
  auto& f = form();
  PlayRight(0);
  const std::string point = BoardImage(board());
  f.b1->trigger();
  PlayRight(0);
  PlayRight(0);
  prompts_.AnswerAsk(true);
  f.tbresign->trigger();
  Settle();
  EXPECT_EQ(Branch(), "011") << "Restart keeps the branch open";
  EXPECT_EQ(Count(), 1);
  const std::string restarted = BoardImage(board());
  PlayRight(2);
  const std::string move = BoardImage(board());
  f.b3->trigger();
  Settle();
  EXPECT_EQ(BoardImage(board()), point);
  ASSERT_EQ(Count(), 3);
  tessel::Board b;
  tessel::RestoreSnapshot(b, history().lines()[0]);
  EXPECT_EQ(BoardImage(b), restarted);
  tessel::RestoreSnapshot(b, history().lines()[1]);
  EXPECT_EQ(BoardImage(b), move);
  tessel::RestoreSnapshot(b, history().lines()[2]);
  EXPECT_EQ(BoardImage(b), point);
}

TEST_F(HistoryTest, FinishByCellClickClosesTheBranchButtons) {
  auto& f = form();
  f.b1->trigger();
  auto opens = Opens();
  for (std::size_t k = 0; k + 1 < opens.size(); ++k) {
    auto [r, c] = opens[k];
    cell(r, c) = {r, c, std::to_string(Solution(r, c)), kEntered, false};
  }
  auto [r, c] = opens.back();
  Enter(r, c, Solution(r, c));
  EXPECT_EQ(prompts_.Notices(), QStringList{QStringLiteral("Puzzle solved")});
  EXPECT_EQ(Branch(), "000");
}

// --- Show Solution ---

TEST_F(HistoryTest, ShowSolutionFillsTheBoardWithoutRecordingIt) {
  auto& f = form();
  prompts_.AnswerAsk(true);
  f.tbsolve->trigger();
  EXPECT_EQ(prompts_.Questions(), QStringList{QStringLiteral("Are you sure you want to see the solution?")});
  EXPECT_EQ(board().GivensString().size(), 81u);
  const std::string solution = f.QJ1.GetSolution();
  for (int i = 0; i < tessel::kCells; ++i) {
    EXPECT_EQ(board()[i].text, std::string(1, solution[i])) << i;
    EXPECT_NE(board()[i].state, kOpen) << i;
  }
  EXPECT_EQ(Count(), 1);
  EXPECT_EQ(Steps(), "0000") << "nothing recorded yet: no way back";
  EXPECT_TRUE(prompts_.Notices().isEmpty());
}

TEST_F(HistoryTest, ShowSolutionThenBackReturnsToTheEntryBeforeTheLastChange) {
  auto& f = form();
  PlayRight(0);
  const std::string first = BoardImage(board());
  // A wrong digit is overwritten too.
  auto [r, c] = Opens().at(0);
  Enter(r, c, Solution(r, c) % 9 + 1);
  ASSERT_EQ(Count(), 3);
  prompts_.AnswerAsk(false);
  const std::string before = BoardImage(board());
  f.tbsolve->trigger();
  EXPECT_EQ(BoardImage(board()), before) << "No changes nothing";

  prompts_.AnswerAsk(true);
  f.tbsolve->trigger();
  EXPECT_EQ(cell(r, c).text, std::to_string(Solution(r, c)));
  EXPECT_FALSE(board().HasErrorMark());
  EXPECT_EQ(Count(), 3);
  EXPECT_EQ(history().cursor(), 2);
  f.tbback->trigger();
  EXPECT_EQ(BoardImage(board()), first);
}

// A game whose store knows only the givens: the two solutions differ in the
// rectangle A2, A9, B2, B9.
constexpr const char* kTwoSolutions =
    "209368710306971820781542639512783496874629153693154278967415382425837961138296547";

class PlayedPuzzleTest : public HistoryTest {
 protected:
  void Load(const std::string& puzzle) {
    auto& f = form();
    f.ClearGame();
    f.QJ1.SetPuzzle(puzzle);
    f.StartGame(true);
    f.RecountDigits();
    f.ResetHistory();
    f.DisableStepButtons();
    Settle();
  }
};

TEST_F(PlayedPuzzleTest, TwoSolutionsShowTheViewerAndLeaveTheBoard) {
  auto& f = form();
  ASSERT_EQ(tessel::CountSolutions(kTwoSolutions, 3), 2);
  Load(kTwoSolutions);
  ASSERT_EQ(f.QJ1.GetSolution(), "");
  const std::string image = BoardImage(board());
  QStringList lines;
  QString caption, button;
  int shown = 0;
  f.SetModalRunner([&](QDialog& d) {
    ++shown;
    auto& viewer = dynamic_cast<tessel::ui::TFrmdas&>(d);
    lines = viewer.Memo1->toPlainText().split(QLatin1Char('\n'));
    caption = viewer.windowTitle();
    button = viewer.Button1->text();
    EXPECT_TRUE(viewer.Memo1->isReadOnly());
  });
  prompts_.AnswerAsk(true);
  f.tbsolve->trigger();
  EXPECT_EQ(prompts_.Notices(),
            QStringList{QStringLiteral("This Puzzle has at least two solutions,Press OK to view it.")});
  ASSERT_EQ(shown, 1);
  EXPECT_EQ(caption, QStringLiteral("Multiple Solutions Viewer"));
  EXPECT_EQ(button, QStringLiteral("Close"));
  ASSERT_EQ(lines.size(), 22);
  EXPECT_EQ(lines[0], QStringLiteral("Solution 1:"));
  EXPECT_EQ(lines[10], QString());
  EXPECT_EQ(lines[11], QString());
  EXPECT_EQ(lines[12], QStringLiteral("Solution 2:"));
  const QString s1 = lines.mid(1, 9).join(QString());
  const QString s2 = lines.mid(13, 9).join(QString());
  EXPECT_NE(s1, s2);
  for (const QString& s : {s1, s2}) {
    ASSERT_EQ(s.size(), 81);
    EXPECT_EQ(tessel::CountSolutions(s.toStdString(), 2), 1) << "a full valid grid";
    for (int i = 0; i < 81; ++i)
      if (kTwoSolutions[i] != '0') {
        EXPECT_EQ(s[i], QChar(kTwoSolutions[i])) << i;
      }
  }
  EXPECT_EQ(BoardImage(board()), image);
  EXPECT_FALSE(f.Frmdas->isVisible());

  // The viewer is the same window the next time, refilled.
  prompts_.AnswerAsk(true);
  f.tbsolve->trigger();
  EXPECT_EQ(shown, 2);
  EXPECT_EQ(f.Frmdas->Memo1->toPlainText().split(QLatin1Char('\n')).size(), 22);
}

TEST_F(PlayedPuzzleTest, UniqueOrUnsolvableWithoutStoredSolution) {
  auto& f = form();
  f.SetModalRunner([](QDialog&) { ADD_FAILURE() << "no viewer expected"; });
  // One cell short of the full grid: the puzzle test finds the digit.
  const std::string full = "249368715356971824781542639512783496874629153693154278967415382425837961138296547";
  std::string one = full;
  one[40] = '0';
  Load(one);
  f.QJ1.ClearValues();  // what an imported game keeps when its test was not run
  ASSERT_EQ(f.QJ1.GetSolution(), "");
  prompts_.AnswerAsk(true);
  f.tbsolve->trigger();
  EXPECT_EQ(cell(5, 5).text, std::string(1, full[40]));
  EXPECT_EQ(cell(5, 5).state, kEntered);

  // Two equal givens in a row can not be solved.
  std::string clash(81, '0');
  clash[0] = clash[1] = '5';
  Load(clash);
  const std::string image = BoardImage(board());
  prompts_.AnswerAsk(true);
  f.tbsolve->trigger();
  EXPECT_EQ(prompts_.Notices().back(), QStringLiteral("Puzzle is not solvable"));
  EXPECT_EQ(BoardImage(board()), image);
}

// --- Hint and Check Error ---

TEST_F(HistoryTest, HintsFillTheLastOpenCellsInTurn) {
  auto& f = form();
  auto opens = Opens();
  ASSERT_GE(opens.size(), 3u);
  auto [r1, c1] = opens[opens.size() - 1];
  auto [r2, c2] = opens[opens.size() - 2];
  const char d1 = char('0' + Solution(r1, c1));
  auto [gr, gc] = FindGiven();
  f.chkcolor->setChecked(true);
  ClickCell(gr, gc);
  f.chkcolor->setChecked(false);
  const auto mark = node(gr, gc).color;

  f.ToolButton9->trigger();
  Settle();
  EXPECT_EQ(node(gr, gc).color, mark) << "a hint keeps the colour marks";
  EXPECT_EQ(cell(r1, c1).text, std::string(1, d1));
  EXPECT_EQ(cell(r1, c1).state, kEntered);
  EXPECT_EQ(node(r1, c1).color, 65535u);
  EXPECT_EQ(Count(), 2) << "a hint is a history step";
  for (int p : tessel::PeersOf(tessel::IndexOf(r1, c1)))
    if (board()[p].state == kOpen) {
      EXPECT_EQ(board()[p].text.find(d1), std::string::npos) << p;
    }

  f.ToolButton9->trigger();
  Settle();
  EXPECT_EQ(cell(r2, c2).text, std::to_string(Solution(r2, c2)));
  EXPECT_EQ(node(r2, c2).color, 65535u);
  EXPECT_EQ(Count(), 3);

  // The yellow lasts until the next full repaint of the backgrounds.
  f.tbback->trigger();
  EXPECT_NE(node(r1, c1).color, 65535u);
  EXPECT_EQ(cell(r2, c2).state, kOpen);
}

TEST_F(HistoryTest, HintIgnoresTheCandidatesAndTheWrongDigitsAround) {
  auto& f = form();
  auto [r, c] = Opens().back();
  const int d = Solution(r, c);
  const char dc = char('0' + d);
  cell(r, c).text = "";  // the player removed every candidate
  f.cbautoupdate->setChecked(false);
  // A wrong digit in the same row that clashes with the hint, and every open
  // cell of the column holding the digit as a candidate.
  auto [wr, wc] = Find([&](int rr, int cc) { return rr == r && cc != c && cell(rr, cc).state == kOpen; });
  cell(wr, wc) = {wr, wc, std::to_string(d), kEntered, false};
  std::vector<int> column;
  for (int k = 1; k <= 9; ++k)
    if (k != r && cell(k, c).state == kOpen) {
      cell(k, c).text += dc;
      column.push_back(k);
    }
  f.ToolButton9Click();
  EXPECT_EQ(cell(r, c).text, std::to_string(d));
  EXPECT_FALSE(board().HasErrorMark()) << "no conflict marking from a hint";
  for (int k : column) EXPECT_NE(cell(k, c).text.find(dc), std::string::npos) << "auto update is off";
}

TEST_F(HistoryTest, HintIntoTheLastOpenCellAnnouncesNothing) {
  auto& f = form();
  auto opens = Opens();
  for (std::size_t k = 0; k + 1 < opens.size(); ++k) {
    auto [r, c] = opens[k];
    cell(r, c) = {r, c, std::to_string(Solution(r, c)), kEntered, false};
  }
  f.TimeLabel1->setTimerenabled(true);
  f.ToolButton9->trigger();
  Settle();
  auto [r, c] = opens.back();
  EXPECT_EQ(cell(r, c).text, std::to_string(Solution(r, c)));
  EXPECT_TRUE(prompts_.Notices().isEmpty());
  EXPECT_FALSE(f.FinishedMarkShown());
  EXPECT_TRUE(f.TimeLabel1->timerenabled());
  f.TimeLabel1->setTimerenabled(false);

  // Nothing open any more: the hint does nothing.
  const int count = Count();
  const std::string image = BoardImage(board());
  f.ToolButton9Click();
  EXPECT_EQ(BoardImage(board()), image);
  EXPECT_EQ(Count(), count);

  // The search reaches the very first cell.
  cell(1, 1) = {1, 1, "", kOpen, false};
  f.ToolButton9Click();
  EXPECT_EQ(cell(1, 1).text, std::to_string(Solution(1, 1)));
  EXPECT_EQ(cell(1, 1).state, kEntered);
}

TEST_F(HistoryTest, CheckErrorReddensWrongDigitsAndSingleWrongCandidates) {
  auto& f = form();
  f.ToolButton16->trigger();
  for (int r = 1; r <= 9; ++r)
    for (int c = 1; c <= 9; ++c) EXPECT_NE(node(r, c).fontColor, 254u) << "nothing entered yet";

  auto opens = Opens();
  ASSERT_GE(opens.size(), 3u);
  auto [wr, wc] = opens[0];  // wrong entered digit
  auto [rr, rc] = opens[1];  // right entered digit
  auto [cr, cc] = opens[2];  // one wrong candidate left
  Enter(wr, wc, Solution(wr, wc) % 9 + 1);
  Enter(rr, rc, Solution(rr, rc));
  cell(cr, cc).text = std::to_string(Solution(cr, cc) % 9 + 1);
  const int count = Count();
  const std::string image = BoardImage(board());

  f.ToolButton16->trigger();
  EXPECT_EQ(node(wr, wc).fontColor, 254u);
  EXPECT_EQ(node(cr, cc).fontColor, 254u);
  EXPECT_NE(node(rr, rc).fontColor, 254u);
  auto [gr, gc] = FindGiven();
  EXPECT_NE(node(gr, gc).fontColor, 254u);
  EXPECT_EQ(Count(), count);
  EXPECT_EQ(BoardImage(board()), image);
  EXPECT_TRUE(prompts_.Notices().isEmpty());

  // The next repaint of the marks gives the entry colour back.
  f.disnote[3]->click();
  Settle();
  EXPECT_EQ(node(wr, wc).fontColor, sd().FONTColor2());
}

TEST_F(PlayedPuzzleTest, CheckErrorMarksNothingWithoutStoredValues) {
  auto& f = form();
  Load(kTwoSolutions);
  auto [r, c] = Opens().front();
  cell(r, c) = {r, c, "9", kEntered, false};
  f.ToolButton16Click();
  EXPECT_NE(node(r, c).fontColor, 254u);
}

}  // namespace
}  // namespace uitest
