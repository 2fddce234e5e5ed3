// Real mouse and keys on the board reach the game and repaint it once: cell
// and candidate clicks, the cell menu, the keys, the hover hints, the finish.
#include <QLabel>
#include <QRadioButton>

#include "board_helpers.hpp"

using tessel::kEntered;
using tessel::kOpen;
using uitest::BoardImage;
using uitest::BoardTest;
using uitest::Child;

TEST_F(BoardTest, ModeNoneClicksPlaceAndClearOnce) {
  Key(Qt::Key_4);
  ASSERT_EQ(game().selectedDigit(), 4);
  auto [r, c] = FindOpen();
  int before = Paints();
  ClickCell(r, c);
  EXPECT_EQ(Paints() - before, 1);
  EXPECT_EQ(cell(r, c).text, "4");

  before = Paints();
  ClickCell(r, c, Qt::RightButton);
  EXPECT_EQ(Paints() - before, 1);
  EXPECT_EQ(cell(r, c).state, kOpen);
}

// Mode All: a candidate click places it (the Auto Update box reaches the
// game), a right one strikes it, a left click on an entered digit opens it.
TEST_F(BoardTest, ModeAllClicksReachTheGameAndRepaintOnce) {
  Child<QCheckBox>(form(), "cbautoupdate")->setChecked(false);
  EXPECT_FALSE(game().autoUpdate());
  Key(Qt::Key_F2);
  ASSERT_EQ(game().mode(), tessel::DisplayMode::kAll);
  auto [r, c] = Find([&](int row, int col) { return cell(row, col).state == kOpen && cell(row, col).text.size() > 2; });
  const std::string list = cell(r, c).text;
  const int k = list[0] - '0';

  int before = Paints();
  ClickSub(r, c, list[1] - '0', Qt::RightButton);
  EXPECT_EQ(Paints() - before, 1);
  EXPECT_EQ(cell(r, c).text, list.substr(0, 1) + list.substr(2));

  before = Paints();
  ClickSub(r, c, k);
  EXPECT_EQ(Paints() - before, 1);
  EXPECT_EQ(cell(r, c).text, std::to_string(k));

  before = Paints();
  ClickCell(r, c);
  EXPECT_EQ(Paints() - before, 1);
  EXPECT_EQ(cell(r, c).state, kOpen);
  EXPECT_FALSE(Menu().isVisible()) << "only the right button on a cell opens the menu";
}

TEST_F(BoardTest, CellMenuShowsTheItemsAndRunsTheChosenOne) {
  Key(Qt::Key_F2);
  auto [r, c] = FindOpen();
  cell(r, c).text = "57";
  ClickCell(r, c, Qt::RightButton);
  const int before = Paints();
  ClickMenuItem("Move 7");
  EXPECT_EQ(Paints() - before, 1);
  EXPECT_EQ(cell(r, c).text, "5");
}

TEST_F(BoardTest, ModeKeysActOnceAndOnlyTheMainRowDigitsSelect) {
  Key(Qt::Key_F2);
  auto [r, c] = FindOpen();
  cell(r, c).text.clear();
  const int before = Paints();
  Key(Qt::Key_F2);
  EXPECT_EQ(cell(r, c).text, "") << "a second F2 fills nothing";
  EXPECT_EQ(Paints(), before);
  for (auto [key, button, mode] : {std::tuple{Qt::Key_F3, "rb_one", tessel::DisplayMode::kOnlyOne},
                                   std::tuple{Qt::Key_F1, "rb_none", tessel::DisplayMode::kNone}}) {
    Key(key);
    EXPECT_TRUE(Child<QRadioButton>(form(), button)->isChecked()) << button;
    EXPECT_EQ(game().mode(), mode);
  }

  Key(Qt::Key_5, Qt::KeypadModifier);
  EXPECT_EQ(game().selectedDigit(), 1) << "the keypad 5 does nothing";
  Key(Qt::Key_5);
  EXPECT_EQ(game().selectedDigit(), 5);
  const std::string image = BoardImage(board());
  for (Qt::Key k : {Qt::Key_Delete, Qt::Key_Backspace, Qt::Key_Left, Qt::Key_0}) Key(k);
  EXPECT_EQ(BoardImage(board()), image);
  EXPECT_EQ(game().selectedDigit(), 5);
  Child<QCheckBox>(form(), "cbautoupdate")->setFocus();
  Key(Qt::Key_7);
  EXPECT_EQ(game().selectedDigit(), 7) << "a focused control still gets the key previewed";
}

// The pointer on a cell or a candidate frames it and shows the game's hint
// for it (the hints by mode: game_test); the board's frame clears it.
TEST_F(BoardTest, HoverFramesThePanelAndShowsItsHint) {
  auto [r, c] = FindOpen();
  auto [gr, gc] = FindGiven();
  Key(Qt::Key_F2);
  const int k = cell(r, c).text[0] - '0';
  for (auto [hr, hc, sub] : {std::tuple{r, c, 0}, std::tuple{gr, gc, 0}, std::tuple{r, c, k}}) {
    QTest::mouseMove(&sd(), sub ? SubPoint(hr, hc, sub) : CellPoint(hr, hc));
    Settle();
    EXPECT_EQ(form().HintText().toStdString(), tessel::HoverHint(game(), hr, hc, sub)) << hr << hc << sub;
    EXPECT_EQ(sd().hovered(), (tessel::BoardHit{hr, hc, sub}));
  }
  EXPECT_FALSE(form().HintText().isEmpty());
  QTest::mouseMove(Child<QWidget>(form(), "Panel1"), QPoint(5, 5));
  Settle();
  EXPECT_EQ(form().HintText(), QString()) << "the board's frame clears the hint";
}

// The last digit by a cell click closes the branch buttons; by a candidate
// click it leaves them. Either way the player is told once and the clock stops.
TEST_F(BoardTest, TheLastDigitFinishesTheGame) {
  for (bool byCell : {true, false}) {
    SCOPED_TRACE(byCell ? "cell click" : "candidate click");
    form().ToolButton5Click();
    prompts_.Clear();
    Trigger("b1");
    Clock().setTimerenabled(true);
    FillAllButLast();
    auto [r, c] = Opens().back();
    if (byCell) {
      DigitButton(Solution(r, c)).click();
    } else {
      Key(Qt::Key_F2);
    }
    const int before = Paints();
    if (byCell) {
      ClickCell(r, c);
    } else {
      ClickSub(r, c, Solution(r, c));
    }
    EXPECT_EQ(Paints() - before, 1);
    EXPECT_EQ(prompts_.Notices(), QStringList{"Puzzle solved"});
    EXPECT_TRUE(form().FinishedMarkShown());
    EXPECT_FALSE(Clock().timerenabled());
    EXPECT_EQ(Branch(), byCell ? "000" : "011");
    EXPECT_TRUE(sd().isEnabled());
  }
}
