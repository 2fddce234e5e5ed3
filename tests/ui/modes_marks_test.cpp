// The display-mode controls, the digit buttons and bars, colour marking and
// the side panel's hints reach the game and show on the board.
#include <QPushButton>
#include <QRadioButton>

#include "board_helpers.hpp"
#include "widgets/colorgrid.hpp"
#include "widgets/mousepb.hpp"

using tessel::kCells;
using tessel::kGiven;
using tessel::kNoMark;
using tessel::kOpen;
using tessel::TColorGrid;
using uitest::BoardTest;
using uitest::Child;
using uitest::FormTest;

namespace {

constexpr tessel::TColor kYellow = 65535;  // the palette's colour at start
constexpr tessel::TColor kRed = 255;

int PaletteIndexOf(tessel::TColor c) {
  for (int i = 0; i < TColorGrid::kColors; ++i)
    if (TColorGrid::PaletteColor(i) == c) return i;
  return -1;
}

}  // namespace

// F2 brings the lists up to the board at once, every non-given gets the
// menu, and the chosen digit stays chosen.
TEST_F(BoardTest, ModeAllShowsTheListsAtOnce) {
  auto [r, c] = FindOpen();
  ClickCell(r, c, Qt::RightButton);
  ASSERT_EQ(cell(r, c).text, "");
  Key(Qt::Key_6);
  const int before = Paints();
  Key(Qt::Key_F2);
  EXPECT_EQ(Paints() - before, 1);
  EXPECT_EQ(cell(r, c).text, board().ComputeCandidates(r, c)) << "the cleared cell filled";
  for (int i = 0; i < kCells; ++i) EXPECT_EQ(sd().view()[i].popupAssigned, board()[i].state != kGiven) << i;
  EXPECT_EQ(game().selectedDigit(), 6);
}

// A digit button's click reaches the game's digit toggle (its rules:
// game_test), repaints once and keeps the buttons one group; a bar chooses
// its digit.
TEST_F(BoardTest, DigitButtonsAndBarsChooseTheDigit) {
  QTest::mouseClick(&DigitButton(1), Qt::LeftButton);
  EXPECT_EQ(game().selectedDigit(), 1) << "at start the pressed button stays down";
  Key(Qt::Key_F2);
  Key(Qt::Key_6);
  auto [r, c] = Find([&](int row, int col) { return cell(row, col).text == "6" && !cell(row, col).error; });
  EXPECT_EQ(node(r, c).color, sd().highcolor());
  const int before = Paints();
  QTest::mouseClick(&DigitButton(6), Qt::LeftButton);
  EXPECT_EQ(Paints() - before, 1);
  EXPECT_EQ(game().selectedDigit(), 0) << "mode All: it may be released";
  EXPECT_FALSE(DigitButton(6).isChecked());
  EXPECT_EQ(node(r, c).color, sd().ParityColor(r, c)) << "and the highlight goes";
  QTest::mouseClick(&DigitButton(9), Qt::LeftButton);
  QTest::mouseClick(&DigitButton(2), Qt::LeftButton);
  EXPECT_TRUE(DigitButton(2).isChecked() && !DigitButton(9).isChecked()) << "one group";

  QTest::mouseClick(Child<tessel::Tmousepb>(form(), "ProgressBar6"), Qt::LeftButton, Qt::NoModifier, QPoint(5, 40));
  Settle();
  EXPECT_EQ(game().selectedDigit(), 6) << "a digit bar chooses its digit";
}

// Marking: a click marks the cell or the candidate instead of playing, the
// marks outlast redraws, and Clear Marking takes them all at once.
TEST_F(BoardTest, MarkingClicksMarkAndClearMarkingClearsOnce) {
  auto* grid = Child<TColorGrid>(form(), "ColorGrid1");
  ASSERT_EQ(grid->foregroundColor(), kYellow);
  Key(Qt::Key_F2);
  auto [r, c] = Find([&](int row, int col) { return cell(row, col).state == kOpen && cell(row, col).text.size() >= 2; });
  const int i = tessel::IndexOf(r, c);
  const int k = cell(r, c).text[1] - '0';
  const std::string image = uitest::BoardImage(board());
  Marking().setChecked(true);
  EXPECT_TRUE(game().marking());

  int before = Paints();
  ClickCell(r, c, Qt::RightButton);
  ClickCell(r, c);
  EXPECT_EQ(Paints() - before, 2);
  EXPECT_EQ(game().marks()[i][0], kYellow);
  grid->setForegroundIndex(PaletteIndexOf(kRed));
  ClickSub(r, c, k);
  EXPECT_EQ(game().marks()[i][k], kRed) << "the palette's colour";
  EXPECT_EQ(uitest::BoardImage(board()), image) << "marking changes no digit";
  EXPECT_FALSE(Menu().isVisible());

  Marking().setChecked(false);
  Key(Qt::Key_F3);
  Key(Qt::Key_F2);
  EXPECT_EQ(node(r, c).color, kYellow) << "marks outlast redraws";
  before = Paints();
  QTest::mouseClick(Child<QPushButton>(form(), "bt_clearcolor"), Qt::LeftButton);
  EXPECT_EQ(Paints() - before, 1);
  EXPECT_EQ(node(r, c).color, sd().ParityColor(r, c));
  for (const auto& entry : game().marks())
    for (tessel::TColor m : entry) EXPECT_EQ(m, kNoMark);
}

// Resting the pointer on a side-panel control shows its own hint (the
// wording and the neutral places: accessibility_test).
TEST_F(BoardTest, SidePanelHoverShowsEachControlsHint) {
  // Controls with the same hint never follow each other.
  for (const char* name :
       {"chkcolor", "rb_none", "ColorGrid1", "rb_one", "disnote9", "cbautoupdate", "bt_clearcolor"}) {
    QTest::mouseMove(Child<QWidget>(form(), "GroupBoxColor"), QPoint(2, 2));  // a neutral place first
    QWidget* w = Child<QWidget>(form(), name);
    QTest::mouseMove(w, w->rect().center());
    Settle();
    EXPECT_FALSE(w->statusTip().isEmpty()) << name;
    EXPECT_EQ(form().HintText(), w->statusTip()) << name;
  }
}

// Keys reach the side panel before the first game; the blank board stays blank.
TEST_F(FormTest, DigitKeysBeforeTheFirstGameLeaveTheBoardBlank) {
  form().show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&form()));
  for (Qt::Key k : {Qt::Key_F3, Qt::Key_5, Qt::Key_F2, Qt::Key_7, Qt::Key_F1}) QTest::keyClick(&form(), k);
  for (int i = 0; i < kCells; ++i) EXPECT_EQ(board()[i].text, "") << i;
  EXPECT_FALSE(sd().isEnabled());
}
