// The life of one game in the window: the start, a deal at each level,
// Restart, the clock and the digit bars.
#include <QFileInfo>
#include <QLabel>
#include <QTest>

#include "core/bank.hpp"
#include "ui_fixture.hpp"
#include "widgets/mousepb.hpp"

namespace uitest {
namespace {

class LifeTest : public FormTest {
 protected:
  QString level() { return Child<QLabel>(form(), "ndtxt")->text(); }
  bool checked(const char* name) { return Child<QAbstractButton>(form(), name)->isChecked(); }
  auto& bar(int d) { return *Child<tessel::Tmousepb>(form(), "ProgressBar" + QString::number(d)); }
  // Enabled or not: the branch buttons, then the step buttons.
  std::string buttons() {
    std::string out;
    for (const char* n : {"b1", "b2", "b3", "tbfirst", "tbback", "tbnext", "tblast"})
      out += Act(form(), n)->isEnabled() ? '1' : '0';
    return out;
  }
  std::string puzzle() { return game().store().PuzzleString() + game().store().GetSolution(); }
};

// No game at the start; the clock ticks once a game runs (its stop at the
// finish: BoardTest.TheLastDigitFinishesTheGame).
TEST_F(LifeTest, ProgramStartShowsNoGameThenTheClockTicks) {
  EXPECT_EQ(form().windowTitle(), "Sudoku Tessel 4.65");
  EXPECT_FALSE(sd().isEnabled());
  for (const auto& cell : sd().view()) EXPECT_EQ(QString::fromStdString(cell.caption).trimmed(), "");
  EXPECT_TRUE(Clock().text() == "0:0:0" && !Clock().timerenabled());
  EXPECT_TRUE(level().isEmpty() && !form().FinishedMarkShown());
  EXPECT_EQ(buttons(), "0000000");
  EXPECT_TRUE(checked("rb_none") && checked("cbautoupdate") && !checked("chkcolor"));
  EXPECT_TRUE(prompts_.shown().empty());
  EXPECT_EQ(form().DataFolder(), home_.path() + "/sudokutessel/");
  EXPECT_TRUE(QFileInfo(DataFile("replay")).isDir());

  form().ToolButton11Click();
  QTest::qWait(450);
  const qint64 running = Clock().MS();
  EXPECT_TRUE(running > 0 && running % 100 == 0) << running;
}

// Each level command deals its level from the window's seed and leaves
// nothing of the game before.
TEST_F(LifeTest, EveryLevelDealsAFreshGame) {
  tessel::ui::TForm1& f = form();
  f.ToolButton5Click();
  tessel::TQJ dealt;
  tessel::Random32 rng([] { return 20240611u; });
  tessel::DealPuzzle(1, dealt, rng);
  EXPECT_EQ(puzzle(), dealt.PuzzleString() + dealt.GetSolution());
  const char* commands[] = {"ToolButton11", "ToolButton5", "ToolButton6", "ToolButton7", "ToolButton8"};
  const char* levels[] = {"Very Easy", "Gentle", "Moderate", "Tough", "Diabolical"};
  for (int nd = 0; nd < 5; ++nd) {
    SCOPED_TRACE(levels[nd]);
    // A game played to the end in a branch, with a mark, Marking on, mode
    // All with 7 chosen and the clock stopped.
    f.b1Click();
    Solve();
    game().marks()[40][0] = 65535;
    for (const char* control : {"chkcolor", "rb_all", "disnote7"}) Click(f, control);
    Clock().setMS(7300);
    const std::string before = puzzle();

    Act(f, commands[nd])->trigger();
    EXPECT_EQ(level(), QStringLiteral("  Level:") + levels[nd]);
    EXPECT_TRUE(board().nd == nd && puzzle() != before);
    EXPECT_TRUE(Clock().text() == "0:0:0" && Clock().timerenabled());
    EXPECT_EQ(buttons(), "1000000");
    EXPECT_TRUE(!f.FinishedMarkShown() && game().marks()[40][0] == tessel::kNoMark);
    EXPECT_TRUE(checked("rb_none") && !checked("chkcolor") && f.game().selectedDigit() == 1);
    // The givens on the board, counted by the bars; the open cells hold their
    // candidates, hidden in mode None.
    const std::string givens = board().GivensString();
    EXPECT_EQ(givens, game().store().PuzzleString());
    int placed = 0;
    for (int d = 1; d <= 9; ++d) placed += bar(d).position();
    EXPECT_EQ(placed, std::ranges::count_if(givens, [](char c) { return c != '0'; }));
    EXPECT_FALSE(sd().view()[FirstOpen()].subVisible[1]);
  }
  EXPECT_EQ(prompts_.Notices().filter("Puzzle solved").size(), 5) << "a deal asks nothing";
  EXPECT_EQ(prompts_.shown().size(), 5u);
}

// No keeps everything; Yes keeps the puzzle and starts it over.
TEST_F(LifeTest, RestartAsksAndKeepsOnlyThePuzzle) {
  form().ToolButton6Click();
  const int open = FirstOpen();
  Solve();
  game().marks()[open][0] = 65535;
  Clock().setMS(64200);
  const std::string image = BoardImage(board()), dealt = puzzle();
  prompts_.Clear();
  prompts_.AnswerAsk(false).AnswerAsk(true);
  Act(form(), "tbresign")->trigger();
  EXPECT_TRUE(BoardImage(board()) == image && Clock().text() == "0:1:4" && game().marks()[open][0] == 65535u);
  Act(form(), "tbresign")->trigger();
  const QString sure = "Are you sure you want to reset this game to the initial state?";
  EXPECT_EQ(prompts_.Questions(), QStringList(2, sure));
  EXPECT_TRUE(puzzle() == dealt && board()[open].state == tessel::kOpen && !form().FinishedMarkShown());
  EXPECT_EQ(game().marks()[open][0], tessel::kNoMark);
  EXPECT_TRUE(Clock().MS() == 0 && Clock().timerenabled());
  EXPECT_EQ(buttons().substr(3), "0000") << "no step back into the play";
}

// A bar counts the placed digits, conflicting ones too, and turns red at
// nine; candidates never count. The bar's own limit of nine: aux_widgets_test.
TEST_F(LifeTest, DigitBarsCountPlacedDigits) {
  game().Clear();
  tessel::Board& b = board();
  for (auto [r, c] : {std::pair{1, 1}, {5, 5}, {9, 9}, {2, 8}}) b.at(r, c) = {r, c, "7", tessel::kGiven};
  // Nine 3s, two of them in conflict in row D.
  for (auto [r, c] : {std::pair{1, 2}, {2, 4}, {3, 7}, {4, 1}, {4, 9}, {6, 3}, {7, 5}, {8, 8}, {9, 6}})
    b.at(r, c) = {r, c, "3", tessel::kEntered};
  b.at(6, 1).text = "45";
  Record();
  const tessel::TColor blue = 16711680u, red = 255u;
  EXPECT_TRUE(bar(7).position() == 4 && bar(7).barColor() == blue);
  EXPECT_TRUE(bar(3).position() == 9 && bar(3).barColor() == red);
  EXPECT_EQ(bar(4).position() + bar(5).position(), 0);
  b.at(9, 6).state = tessel::kOpen;
  Record();
  EXPECT_TRUE(bar(3).position() == 8 && bar(3).barColor() == blue);
}

}  // namespace
}  // namespace uitest
