// The life of one game: program start, new game, restart, the clock, the
// digit bars and the finish.
#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>

#include "core/bank.hpp"
#include "ui_fixture.hpp"

using tessel::Board;
using tessel::kCells;
using tessel::ui::TForm1;
using uitest::BoardImage;
using uitest::FormTest;

namespace {

int CountGivens(const tessel::TQJ& qj) {
  int n = 0;
  for (int i = 0; i < kCells; ++i) n += qj[i].given ? 1 : 0;
  return n;
}

// First open cell, row-major.
int FirstOpen(const Board& b) {
  for (int i = 0; i < kCells; ++i)
    if (b[i].state == tessel::kOpen) return i;
  return -1;
}

}  // namespace

TEST_F(FormTest, ProgramStartShowsNoGame) {
  TForm1& f = form();
  EXPECT_EQ(f.windowTitle(), QStringLiteral("Sudoku Tessel 4.65"));
  EXPECT_FALSE(f.sd991->isEnabled());
  for (int i = 0; i < kCells; ++i) {
    EXPECT_EQ(board()[i].state, tessel::kGiven) << i;
    EXPECT_TRUE(board()[i].text.empty()) << i;
    EXPECT_TRUE(QString::fromStdString(f.sd991->node(tessel::RowOf(i), tessel::ColOf(i)).caption).trimmed().isEmpty()) << i;
  }
  EXPECT_EQ(f.TimeLabel1->text(), QStringLiteral("0:0:0"));
  EXPECT_FALSE(f.TimeLabel1->timerenabled());
  EXPECT_EQ(f.TimeLabel1->timeinterval(), 100);
  EXPECT_TRUE(f.ndtxt->text().isEmpty());
  EXPECT_FALSE(f.FinishedMarkShown());
  for (QAction* a : {f.b1, f.b2, f.b3, f.tbfirst, f.tbback, f.tbnext, f.tblast}) EXPECT_FALSE(a->isEnabled())
      << a->objectName().toStdString();
  EXPECT_TRUE(f.rb_none->isChecked());
  EXPECT_FALSE(f.chkcolor->isChecked());
  EXPECT_TRUE(f.cbautoupdate->isChecked());
  EXPECT_EQ(f.SelectedDigit(), 0);
  EXPECT_EQ(f.ColorGrid1->foregroundIndex(), 11);
  EXPECT_FALSE(f.ColorGrid1->BackgroundEnabled());
  for (const auto& entry : f.colorMarks)
    for (tessel::TColor c : entry) EXPECT_EQ(c, TForm1::kNoMark);
  EXPECT_FALSE(f.history.BranchOpen());
  EXPECT_TRUE(prompts_.shown().empty());
}

TEST_F(FormTest, DataFolderAndReplayFolderAreCreated) {
  const QString expected = home_.path() + QStringLiteral("/sudokutessel/");
  EXPECT_EQ(form().dataFolder, expected);
  EXPECT_TRUE(QFileInfo(expected).isDir());
  EXPECT_TRUE(QFileInfo(expected + QStringLiteral("replay")).isDir());
  // The process keeps its own working directory.
  EXPECT_NE(QDir::currentPath() + '/', expected);
}

TEST_F(FormTest, NewGameAtModerate) {
  TForm1& f = form();
  f.TimeLabel1->setMS(7300);
  // Leftovers of an earlier game that the deal must reset.
  for (QAction* a : {f.tbfirst, f.tbback, f.tbnext, f.tblast, f.b2, f.b3}) a->setEnabled(true);
  f.SetFinishedMark(true);
  f.ToolButton6->trigger();

  EXPECT_EQ(f.ndtxt->text(), QStringLiteral("  Level:Moderate"));
  EXPECT_EQ(f.sd991->nd(), 2);
  EXPECT_EQ(f.TimeLabel1->text(), QStringLiteral("0:0:0"));
  EXPECT_EQ(f.TimeLabel1->MS(), 0);
  EXPECT_TRUE(f.TimeLabel1->timerenabled());
  for (QAction* a : {f.tbfirst, f.tbback, f.tbnext, f.tblast}) EXPECT_FALSE(a->isEnabled());
  EXPECT_TRUE(f.b1->isEnabled());
  EXPECT_FALSE(f.b2->isEnabled());
  EXPECT_FALSE(f.b3->isEnabled());
  EXPECT_TRUE(f.sd991->isEnabled());
  EXPECT_TRUE(f.rb_none->isChecked());
  EXPECT_EQ(f.SelectedDigit(), 1);
  EXPECT_FALSE(f.FinishedMarkShown());

  // The dealt givens are on the board, every other cell holds its candidates.
  ASSERT_EQ(f.QJ1.GetSolution().size(), 81u);
  const int givens = CountGivens(f.QJ1);
  EXPECT_GT(givens, 16);
  EXPECT_LT(givens, 81);
  for (int i = 0; i < kCells; ++i) {
    const tessel::Cell& c = board()[i];
    if (f.QJ1[i].given) {
      EXPECT_EQ(c.state, tessel::kGiven) << i;
      EXPECT_EQ(c.text, std::to_string(f.QJ1[i].value)) << i;
    } else {
      EXPECT_EQ(c.state, tessel::kOpen) << i;
      EXPECT_EQ(c.text, board().ComputeCandidates(tessel::RowOf(i), tessel::ColOf(i))) << i;
      EXPECT_NE(c.text.find(char('0' + f.QJ1[i].value)), std::string::npos) << "solution digit not a candidate " << i;
    }
    EXPECT_FALSE(c.error) << i;
  }
  // Mode None hides the candidate lists.
  for (int i = 0; i < kCells; ++i) {
    const auto& node = f.sd991->node(tessel::RowOf(i), tessel::ColOf(i));
    for (int k = 1; k <= 9; ++k) EXPECT_FALSE(node.subVisible[k]) << i;
  }
  // The bars count the givens.
  int barTotal = 0;
  for (int d = 1; d <= 9; ++d) barTotal += f.ProgressBar[d]->position();
  EXPECT_EQ(barTotal, givens);
  EXPECT_TRUE(prompts_.shown().empty()) << "a new game asks nothing";
}

TEST_F(FormTest, SameSeedDealsTheSameGame) {
  form().ToolButton8Click();
  const std::string first = form().QJ1.GetSolution() + form().QJ1.PuzzleString();

  tessel::ui::ScriptedPrompts other;
  TForm1 second(other);
  second.SetSeedSource([] { return 20240611u; });
  second.ToolButton8Click();
  EXPECT_EQ(second.QJ1.GetSolution() + second.QJ1.PuzzleString(), first);
  EXPECT_EQ(second.ndtxt->text(), QStringLiteral("  Level:Diabolical"));

  // The same store as the core's deal from that seed.
  tessel::TQJ store;
  tessel::Random32 rng([] { return 20240611u; });
  tessel::DealPuzzle(4, store, rng);
  EXPECT_EQ(store.GetSolution() + store.PuzzleString(), first);
}

TEST_F(FormTest, EveryLevelCommandSetsItsLevel) {
  TForm1& f = form();
  const std::vector<std::pair<QAction*, const char*>> levels = {{f.ToolButton11, "  Level:Very Easy"},
                                                                {f.ToolButton5, "  Level:Gentle"},
                                                                {f.ToolButton6, "  Level:Moderate"},
                                                                {f.ToolButton7, "  Level:Tough"},
                                                                {f.ToolButton8, "  Level:Diabolical"}};
  int level = 0;
  for (const auto& [action, text] : levels) {
    action->trigger();
    EXPECT_EQ(f.ndtxt->text(), QString::fromLatin1(text));
    EXPECT_EQ(f.sd991->nd(), level++);
  }
}

TEST_F(FormTest, NewGameClearsMarksModeAndOpenBranch) {
  TForm1& f = form();
  f.ToolButton11Click();
  // A game in progress with a branch open, marks, another mode and digit.
  f.b1->setEnabled(false);
  f.b2->setEnabled(true);
  f.b3->setEnabled(true);
  f.colorMarks[40][0] = 65535;
  f.colorMarks[3][7] = 255;
  f.chkcolor->setChecked(true);
  f.rb_all->setChecked(true);
  f.disnote[7]->click();
  const std::string before = f.QJ1.GetSolution();
  f.TimeLabel1->setTimerenabled(false);

  f.ToolButton7Click();
  EXPECT_TRUE(f.b1->isEnabled());
  EXPECT_FALSE(f.b2->isEnabled());
  EXPECT_FALSE(f.b3->isEnabled());
  EXPECT_EQ(f.colorMarks[40][0], TForm1::kNoMark);
  EXPECT_EQ(f.colorMarks[3][7], TForm1::kNoMark);
  EXPECT_FALSE(f.chkcolor->isChecked());
  EXPECT_TRUE(f.rb_none->isChecked());
  EXPECT_EQ(f.SelectedDigit(), 1);
  EXPECT_TRUE(f.TimeLabel1->timerenabled());
  EXPECT_NE(f.QJ1.GetSolution(), before) << "no new puzzle was dealt";
}

TEST_F(FormTest, RestartAnsweredNoChangesNothing) {
  TForm1& f = form();
  f.ToolButton6Click();
  const int open = FirstOpen(board());
  ASSERT_GE(open, 0);
  board()[open].state = tessel::kEntered;
  board()[open].text = "5";
  f.colorMarks[open][0] = 65535;
  f.TimeLabel1->setMS(64200);
  const std::string image = BoardImage(board());
  const std::string solution = f.QJ1.GetSolution();

  prompts_.AnswerAsk(false);
  f.tbresign->trigger();

  EXPECT_EQ(prompts_.Questions(),
            QStringList{QStringLiteral("Are you sure you want to reset this game to the initial state?")});
  EXPECT_EQ(BoardImage(board()), image);
  EXPECT_EQ(f.QJ1.GetSolution(), solution);
  EXPECT_EQ(f.TimeLabel1->MS(), 64200);
  EXPECT_EQ(f.TimeLabel1->text(), QStringLiteral("0:1:4"));
  EXPECT_TRUE(f.TimeLabel1->timerenabled());
  EXPECT_EQ(f.ndtxt->text(), QStringLiteral("  Level:Moderate"));
  EXPECT_EQ(f.colorMarks[open][0], 65535u);
}

TEST_F(FormTest, RestartAnsweredYesKeepsThePuzzleAndClearsThePlay) {
  TForm1& f = form();
  f.ToolButton6Click();
  const std::string solution = f.QJ1.GetSolution();
  const std::string puzzle = f.QJ1.PuzzleString();
  const std::string givens = board().GivensString();
  // Two entered digits (one of them wrong), an edited list, a mark, a stopped clock.
  std::vector<int> opens;
  for (int i = 0; i < kCells && opens.size() < 3; ++i)
    if (board()[i].state == tessel::kOpen) opens.push_back(i);
  ASSERT_EQ(opens.size(), 3u);
  board()[opens[0]] = {tessel::RowOf(opens[0]), tessel::ColOf(opens[0]), std::to_string(f.QJ1[opens[0]].value),
                       tessel::kEntered, false};
  board()[opens[1]].state = tessel::kEntered;
  board()[opens[1]].text = std::to_string(f.QJ1[opens[1]].value % 9 + 1);
  board()[opens[2]].text = "";
  f.colorMarks[opens[0]][0] = 65535;
  f.SetFinishedMark(true);
  f.TimeLabel1->setTimerenabled(false);
  f.TimeLabel1->setMS(90000);
  f.b1->setEnabled(false);  // a branch is open: Restart leaves it so
  f.b2->setEnabled(true);
  for (QAction* a : {f.tbfirst, f.tbback, f.tbnext, f.tblast}) a->setEnabled(true);

  prompts_.AnswerAsk(true);
  f.tbresignClick();

  EXPECT_EQ(f.QJ1.GetSolution(), solution);
  EXPECT_EQ(f.QJ1.PuzzleString(), puzzle);
  EXPECT_EQ(board().GivensString(), givens);
  for (int i = 0; i < kCells; ++i) {
    if (board()[i].state == tessel::kGiven) continue;
    EXPECT_EQ(board()[i].state, tessel::kOpen) << i;
    EXPECT_EQ(board()[i].text, board().ComputeCandidates(tessel::RowOf(i), tessel::ColOf(i))) << i;
    EXPECT_FALSE(board()[i].error) << i;
  }
  EXPECT_EQ(f.colorMarks[opens[0]][0], TForm1::kNoMark);
  EXPECT_FALSE(f.FinishedMarkShown());
  EXPECT_EQ(f.TimeLabel1->MS(), 0);
  EXPECT_TRUE(f.TimeLabel1->timerenabled());
  EXPECT_EQ(f.ndtxt->text(), QStringLiteral("  Level:Moderate"));
  EXPECT_EQ(f.sd991->nd(), 2);
  EXPECT_FALSE(f.b1->isEnabled());
  EXPECT_TRUE(f.b2->isEnabled());
  for (QAction* a : {f.tbfirst, f.tbback, f.tbnext, f.tblast}) EXPECT_FALSE(a->isEnabled());
  EXPECT_TRUE(f.rb_none->isChecked());
  EXPECT_EQ(f.SelectedDigit(), 1);
}

TEST_F(FormTest, ClockTicksAddTheInterval) {
  TForm1& f = form();
  f.TimeLabel1->setMS(59900);
  f.TimeLabel1Timer();
  EXPECT_EQ(f.TimeLabel1->MS(), 60000);
  EXPECT_EQ(f.TimeLabel1->text(), QStringLiteral("0:1:0"));

  // The real timer drives it once a game runs, and stops with the finish.
  f.ToolButton11Click();
  QTest::qWait(450);
  const qint64 running = f.TimeLabel1->MS();
  EXPECT_GT(running, 0);
  EXPECT_EQ(running % 100, 0);
  f.ShowFinish(false);
  const qint64 stopped = f.TimeLabel1->MS();
  QTest::qWait(250);
  EXPECT_EQ(f.TimeLabel1->MS(), stopped);
}

TEST_F(FormTest, FinishReaction) {
  TForm1& f = form();
  f.ToolButton5Click();
  f.ShowFinish(false);
  EXPECT_TRUE(f.FinishedMarkShown());
  EXPECT_EQ(prompts_.Notices(), QStringList{QStringLiteral("Puzzle solved")});
  EXPECT_FALSE(f.TimeLabel1->timerenabled());
  EXPECT_TRUE(f.b1->isEnabled()) << "a candidate click leaves the branch buttons";
  EXPECT_TRUE(f.sd991->isEnabled());

  f.ToolButton5Click();
  EXPECT_FALSE(f.FinishedMarkShown()) << "a new game hides the mark";
  f.b2->setEnabled(true);
  f.b3->setEnabled(true);
  f.ShowFinish(true);
  EXPECT_FALSE(f.b1->isEnabled());
  EXPECT_FALSE(f.b2->isEnabled());
  EXPECT_FALSE(f.b3->isEnabled());
  EXPECT_EQ(prompts_.Notices().size(), 2);
}

TEST_F(FormTest, RecountDigitsCountsPlacedCellsOnly) {
  TForm1& f = form();
  f.ClearGame();
  Board& b = board();
  // Four given 7s on the diagonal of boxes 1, 5, 9 and box 3.
  for (auto [r, c] : {std::pair{1, 1}, {5, 5}, {9, 9}, {2, 8}}) b.at(r, c) = {r, c, "7", tessel::kGiven, false};
  // Nine 3s, two of them in conflict in row 4.
  for (auto [r, c] : {std::pair{1, 2}, {2, 4}, {3, 7}, {4, 1}, {4, 9}, {6, 3}, {7, 5}, {8, 8}, {9, 6}})
    b.at(r, c) = {r, c, "3", tessel::kEntered, false};
  // Candidates never count.
  b.at(5, 1).text = "5";
  b.at(6, 1).text = "45";
  f.RecountDigits();

  EXPECT_EQ(f.ProgressBar[7]->position(), 4);
  EXPECT_EQ(f.ProgressBar[7]->barColor(), 16711680u);
  EXPECT_EQ(f.ProgressBar[3]->position(), 9);
  EXPECT_EQ(f.ProgressBar[3]->barColor(), 255u);
  EXPECT_EQ(f.ProgressBar[5]->position(), 0);
  EXPECT_EQ(f.ProgressBar[4]->position(), 0);
  EXPECT_EQ(f.ProgressBar[5]->barColor(), 16711680u);

  // A tenth 3 still shows 9; taking two away turns the bar blue again.
  b.at(5, 2) = {5, 2, "3", tessel::kEntered, false};
  f.RecountDigits();
  EXPECT_EQ(f.ProgressBar[3]->position(), 9);
  b.at(5, 2).state = tessel::kOpen;
  b.at(9, 6).state = tessel::kOpen;
  f.RecountDigits();
  EXPECT_EQ(f.ProgressBar[3]->position(), 8);
  EXPECT_EQ(f.ProgressBar[3]->barColor(), 16711680u);
}

TEST_F(FormTest, ClearGameEmptiesBoardAndStore) {
  TForm1& f = form();
  f.ToolButton7Click();
  f.colorMarks[10][3] = 255;
  f.ClearGame();
  for (int i = 0; i < kCells; ++i) {
    EXPECT_EQ(board()[i].state, tessel::kOpen);
    EXPECT_TRUE(board()[i].text.empty());
    EXPECT_EQ(f.QJ1[i].value, 0);
  }
  EXPECT_EQ(f.colorMarks[10][3], TForm1::kNoMark);
  EXPECT_TRUE(f.QJ1.GetSolution().empty());
}

TEST_F(FormTest, StartGameWithoutFillingKeepsTheTexts) {
  TForm1& f = form();
  f.ClearGame();
  f.QJ1.SetPuzzle("530070000600195000098000060800060003400803001700020006060000280000419005000080079");
  board()[2].text = "124";
  board()[2].error = true;
  f.StartGame(false);
  EXPECT_EQ(board()[0].state, tessel::kGiven);
  EXPECT_EQ(board()[0].text, "5");
  EXPECT_EQ(board()[2].state, tessel::kOpen);
  EXPECT_EQ(board()[2].text, "124");
  EXPECT_FALSE(board()[2].error);
  EXPECT_TRUE(f.sd991->isEnabled());
  EXPECT_TRUE(f.b1->isEnabled());
}

TEST_F(FormTest, ProgressBarSelectsItsDigit) {
  TForm1& f = form();
  f.ToolButton11Click();
  emit f.ProgressBar[6]->mouseDown(6, Qt::LeftButton);
  EXPECT_EQ(f.SelectedDigit(), 6);
  for (int d = 1; d <= 9; ++d) EXPECT_EQ(f.disnote[d]->isChecked(), d == 6);
}

TEST_F(FormTest, ExitClosesTheWindow) {
  TForm1& f = form();
  f.show();
  ASSERT_TRUE(f.isVisible());
  f.Exit1->trigger();
  EXPECT_FALSE(f.isVisible());
  EXPECT_TRUE(prompts_.shown().empty()) << "no question before closing";
}
