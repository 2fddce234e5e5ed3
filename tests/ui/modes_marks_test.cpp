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

TEST_F(BoardTest, DigitButtonsMayAllBeUpOnlyAfterTheRightModeChange) {
  auto release = [&](int d) {
    QTest::mouseClick(&DigitButton(d), Qt::LeftButton);
    Settle();
    EXPECT_EQ(game().selectedDigit(), game().selectedDigit());
    return game().selectedDigit();
  };
  EXPECT_EQ(release(1), 1) << "at start the pressed button stays down";
  Key(Qt::Key_F2);
  Key(Qt::Key_6);
  auto [r, c] = Find([&](int row, int col) { return cell(row, col).text == "6" && !cell(row, col).error; });
  EXPECT_EQ(node(r, c).color, sd().highcolor());
  EXPECT_EQ(release(6), 0) << "mode All: it may be released";
  EXPECT_EQ(node(r, c).color, sd().ParityColor(r, c)) << "and the highlight goes";
  Key(Qt::Key_F1);
  EXPECT_EQ(game().selectedDigit(), 1) << "None with nothing chosen chooses 1";
  EXPECT_EQ(release(1), 1);
  Key(Qt::Key_F3);
  EXPECT_EQ(game().selectedDigit(), 1);
  EXPECT_EQ(release(1), 1) << "Only one always has a digit";
  const int before = Paints();
  QTest::mouseClick(&DigitButton(9), Qt::LeftButton);
  EXPECT_EQ(Paints() - before, 1);
  EXPECT_FALSE(DigitButton(1).isChecked()) << "one group";

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
  auto [gr, gc] = FindGiven();
  const int i = tessel::IndexOf(r, c);
  const int k1 = cell(r, c).text[0] - '0', k2 = cell(r, c).text[1] - '0';
  const std::string image = uitest::BoardImage(board());
  Marking().setChecked(true);

  int before = Paints();
  ClickCell(r, c);
  EXPECT_EQ(Paints() - before, 1);
  ClickCell(gr, gc);
  EXPECT_EQ(game().marks()[i][0], kYellow);
  EXPECT_EQ(game().marks()[i][k1], kYellow);
  EXPECT_EQ(game().marks()[tessel::IndexOf(gr, gc)][0], kYellow) << "givens can be marked";
  grid->setForegroundIndex(PaletteIndexOf(kRed));
  ClickSub(r, c, k2);
  EXPECT_EQ(game().marks()[i][k2], kRed);
  ClickSub(r, c, k2, Qt::RightButton);
  EXPECT_EQ(game().marks()[i][k2], kYellow) << "a candidate's right click gives it the cell's mark";
  ClickCell(gr, gc, Qt::RightButton);
  EXPECT_EQ(game().marks()[tessel::IndexOf(gr, gc)][0], kNoMark) << "a cell's right click takes the mark away";
  EXPECT_EQ(uitest::BoardImage(board()), image) << "marking changes no digit";
  EXPECT_FALSE(Menu().isVisible());

  Marking().setChecked(false);
  Key(Qt::Key_F3);
  Key(Qt::Key_F2);
  EXPECT_EQ(node(r, c).color, kYellow) << "marks outlast redraws";

  before = Paints();
  QTest::mouseClick(Child<QPushButton>(form(), "bt_clearcolor"), Qt::LeftButton);
  EXPECT_EQ(Paints() - before, 1);
  EXPECT_EQ(node(r, c).color, tessel::CellBaseColour(board(), sd().Look(), r, c, game().selectedDigit()));
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
