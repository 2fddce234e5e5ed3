// Display-mode changes, the digit buttons, colour marks, the side-panel
// hints and the digit bars.
#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

#include "board_helpers.hpp"
#include "widgets/colorgrid.hpp"

using tessel::kEntered;
using tessel::kGiven;
using tessel::kOpen;
using tessel::TColorGrid;
using tessel::TPICSD33;
using tessel::ui::TForm1;
using tessel::kCells;
using uitest::BoardTest;
using uitest::FormTest;

namespace {

int PaletteIndexOf(tessel::TColor c) {
  for (int i = 0; i < TColorGrid::kColors; ++i)
    if (TColorGrid::PaletteColor(i) == c) return i;
  return -1;
}

constexpr tessel::TColor kYellow = 65535;  // R 255, G 255, B 0

}  // namespace

// --- Mode changes ---

TEST_F(BoardTest, ModeAllFillsClearedCellsAndUpdatesEditedLists) {
  auto& f = form();
  // Mode None: clear one cell, place a digit elsewhere, edit a third list.
  auto [r, c] = FindOpen();
  ClickCell(r, c, Qt::RightButton);
  ASSERT_EQ(cell(r, c).text, "");
  auto [er, ec] = Find([&](int row, int col) {
    return cell(row, col).state == kOpen && (row != r || col != c) && cell(row, col).text.size() >= 2;
  });
  const std::string edited = cell(er, ec).text.substr(1);  // the player dropped one candidate
  cell(er, ec).text = edited;
  // A peer of the edited cell gets one of its remaining candidates.
  const char placed = edited[0];
  auto [pr, pc] = Find([&](int row, int col) {
    return (row == er || col == ec) && (row != er || col != ec) && (row != r || col != c) &&
           cell(row, col).state == kOpen && cell(row, col).text.find(placed) != std::string::npos;
  });
  Key(Qt::Key(Qt::Key_0 + (placed - '0')));
  ClickCell(pr, pc);
  ASSERT_EQ(cell(pr, pc).state, kEntered);

  const int before = Paints();
  Key(Qt::Key_F2);
  EXPECT_EQ(Paints() - before, 1);
  EXPECT_EQ(cell(r, c).text, board().ComputeCandidates(r, c)) << "cleared cell filled";
  EXPECT_EQ(cell(er, ec).text, board().UpdateCandidates(er, ec));
  EXPECT_EQ(cell(er, ec).text.find(placed), std::string::npos) << "the placed digit left the list";
  EXPECT_EQ(cell(er, ec).text.size(), edited.size() - 1) << "the dropped candidate stays dropped";
  for (int row = 1; row <= 9; ++row)
    for (int col = 1; col <= 9; ++col) EXPECT_EQ(node(row, col).popupAssigned, cell(row, col).state != kGiven);
  EXPECT_EQ(f.SelectedDigit(), placed - '0') << "the pressed button stays pressed";
}

TEST_F(BoardTest, WithoutAutoUpdateModeAllShowsStaleLists) {
  auto& f = form();
  f.cbautoupdate->setChecked(false);
  auto [r, c] = FindOpen();
  const std::string list = cell(r, c).text;
  const char d = list[0];
  auto [pr, pc] = Find([&](int row, int col) {
    return row == r && col != c && cell(row, col).state == kOpen && cell(row, col).text.find(d) != std::string::npos;
  });
  Key(Qt::Key(Qt::Key_0 + (d - '0')));
  ClickCell(pr, pc);
  Key(Qt::Key_F2);
  EXPECT_EQ(cell(r, c).text, list) << "still holds the digit placed in its row";
  EXPECT_TRUE(node(r, c).subVisible[d - '0']);
}

TEST_F(BoardTest, DigitButtonsMayAllBeUpOnlyAfterTheRightModeChange) {
  auto& f = form();
  auto release = [&](int d) {
    QTest::mouseClick(f.disnote[d], Qt::LeftButton);
    Settle();
    return f.SelectedDigit();
  };
  // At start the pressed button cannot be released.
  EXPECT_EQ(release(1), 1);

  // Mode All: it can, and the highlight goes.
  Key(Qt::Key_F2);
  Key(Qt::Key_6);
  auto [r, c] = Find([&](int row, int col) { return cell(row, col).text == "6" && !cell(row, col).error; });
  EXPECT_EQ(node(r, c).color, sd().highcolor());
  EXPECT_EQ(release(6), 0);
  EXPECT_EQ(node(r, c).color, sd().ParityColor(r, c));

  // Mode None with none selected selects 1 and locks again.
  Key(Qt::Key_F1);
  EXPECT_EQ(f.SelectedDigit(), 1);
  EXPECT_EQ(release(1), 1);

  // Mode None entered with a digit selected keeps the last rule.
  Key(Qt::Key_F2);
  Key(Qt::Key_F1);
  EXPECT_EQ(release(1), 0);

  // Mode Only one with none selected selects 1; it stays down.
  Key(Qt::Key_F3);
  EXPECT_EQ(f.SelectedDigit(), 1);
  EXPECT_EQ(release(1), 1);
  QTest::mouseClick(f.disnote[8], Qt::LeftButton);
  Settle();
  EXPECT_EQ(f.SelectedDigit(), 8) << "one group";
  EXPECT_FALSE(f.disnote[1]->isChecked());
}

TEST_F(BoardTest, DigitSelectionInOnlyOneRefiltersTheMenu) {
  Key(Qt::Key_F3);
  Key(Qt::Key_4);
  int before = Paints();
  Key(Qt::Key_9);
  EXPECT_EQ(Paints() - before, 1);
  for (int r = 1; r <= 9; ++r)
    for (int c = 1; c <= 9; ++c)
      EXPECT_EQ(node(r, c).popupAssigned,
                cell(r, c).state != kGiven && cell(r, c).text.find('9') != std::string::npos);
}

TEST_F(BoardTest, DigitBarSelectsItsDigit) {
  auto& f = form();
  QTest::mouseClick(f.ProgressBar[6], Qt::LeftButton, Qt::NoModifier, QPoint(5, 40));
  Settle();
  EXPECT_EQ(f.SelectedDigit(), 6);
  auto [gr, gc] = Find([&](int r, int c) { return cell(r, c).text == "6" && cell(r, c).state == kGiven; });
  EXPECT_EQ(node(gr, gc).color, sd().highcolor());
  auto [r, c] = FindOpen();
  ClickCell(r, c);
  EXPECT_EQ(cell(r, c).text, "6");
}

// --- Colour marks ---

TEST_F(BoardTest, MarksSurviveRedrawsAndCoverHighlightAndConflicts) {
  auto& f = form();
  ASSERT_EQ(f.ColorGrid1->foregroundColor(), kYellow) << "yellow at start";
  f.chkcolor->setChecked(true);
  auto [r, c] = FindOpen();
  auto [gr, gc] = FindGiven();
  const int i = tessel::IndexOf(r, c);

  int before = Paints();
  ClickCell(r, c);
  EXPECT_EQ(Paints() - before, 1);
  ClickCell(gr, gc);  // givens can be marked
  EXPECT_EQ(f.colorMarks[i][0], kYellow);
  for (int k = 1; k <= 9; ++k) EXPECT_EQ(f.colorMarks[i][k], kYellow);
  EXPECT_EQ(f.colorMarks[tessel::IndexOf(gr, gc)][0], kYellow);
  EXPECT_EQ(cell(r, c).state, kOpen) << "marking changes no digit";
  EXPECT_FALSE(f.pp->isVisible());

  // Redraws, mode changes and digit selection keep it.
  f.chkcolor->setChecked(false);
  Key(Qt::Key_F2);
  EXPECT_EQ(node(r, c).color, kYellow);
  EXPECT_EQ(node(r, c).subColor[5], kYellow);
  Key(Qt::Key_F3);
  Key(Qt::Key_F1);
  Key(Qt::Key(Qt::Key_0 + Solution(r, c)));
  ClickCell(r, c);
  EXPECT_EQ(cell(r, c).text, std::to_string(Solution(r, c)));
  EXPECT_EQ(node(r, c).color, kYellow) << "covers the highlight";

  // A conflict with the marked cell: the mark covers the error colour.
  auto [pr, pc] = Find([&](int row, int col) { return row == r && cell(row, col).state == kOpen; });
  ClickCell(pr, pc);
  ASSERT_TRUE(cell(r, c).error);
  EXPECT_EQ(node(r, c).color, kYellow);
  EXPECT_EQ(node(pr, pc).color, sd().errorcolor());

  // Clear Marking: every base colour back at once.
  before = Paints();
  QTest::mouseClick(f.bt_clearcolor, Qt::LeftButton);
  EXPECT_EQ(Paints() - before, 1);
  EXPECT_EQ(node(r, c).color, sd().errorcolor());
  EXPECT_EQ(node(gr, gc).color, sd().ParityColor(gr, gc));
  for (const auto& entry : f.colorMarks)
    for (tessel::TColor m : entry) EXPECT_EQ(m, TForm1::kNoMark);
}

TEST_F(BoardTest, ReservedColoursAreNeverRecorded) {
  auto& f = form();
  ASSERT_EQ(sd().UNFoucsColor1(), 16777215u);
  f.ColorGrid1->setForegroundIndex(PaletteIndexOf(16777215));
  f.chkcolor->setChecked(true);
  auto [r, c] = FindOpen();
  ClickCell(r, c);
  for (tessel::TColor m : f.colorMarks[tessel::IndexOf(r, c)]) EXPECT_EQ(m, TForm1::kNoMark);

  // A right marking click takes the mark away again.
  f.ColorGrid1->setForegroundIndex(11);
  ClickCell(r, c);
  ASSERT_EQ(f.colorMarks[tessel::IndexOf(r, c)][0], kYellow);
  ClickCell(r, c, Qt::RightButton);
  for (tessel::TColor m : f.colorMarks[tessel::IndexOf(r, c)]) EXPECT_EQ(m, TForm1::kNoMark);
  EXPECT_EQ(node(r, c).color, f.CellBaseColour(r, c));
}

TEST_F(BoardTest, CandidateMarksAndTheMarkedCellsColour) {
  auto& f = form();
  Key(Qt::Key_F2);
  auto [r, c] = Find([&](int row, int col) { return cell(row, col).state == kOpen && cell(row, col).text.size() >= 2; });
  const int i = tessel::IndexOf(r, c);
  const int k1 = cell(r, c).text[0] - '0', k2 = cell(r, c).text[1] - '0';
  f.chkcolor->setChecked(true);

  // A candidate alone.
  f.ColorGrid1->setForegroundIndex(PaletteIndexOf(255));  // red
  ClickSub(r, c, k1);
  EXPECT_EQ(f.colorMarks[i][k1], 255u);
  EXPECT_EQ(f.colorMarks[i][0], TForm1::kNoMark);
  EXPECT_EQ(cell(r, c).text.find(char('0' + k1)), 0u) << "no candidate deleted";
  ClickSub(r, c, k1, Qt::RightButton);
  EXPECT_EQ(f.colorMarks[i][k1], TForm1::kNoMark) << "back to the unmarked cell's colour";
  EXPECT_FALSE(f.pp->isVisible());

  // On a marked cell a right click gives the candidate the cell's mark.
  f.ColorGrid1->setForegroundIndex(11);
  ClickCell(r, c);
  f.ColorGrid1->setForegroundIndex(PaletteIndexOf(255));
  ClickSub(r, c, k2);
  ASSERT_EQ(node(r, c).subColor[k2], 255u);
  ClickSub(r, c, k2, Qt::RightButton);
  EXPECT_EQ(node(r, c).subColor[k2], kYellow);
  EXPECT_EQ(f.colorMarks[i][k2], kYellow);
  EXPECT_FALSE(f.pp->isVisible()) << "no menu while marking";

  f.chkcolor->setChecked(false);
  Key(Qt::Key_F3);
  Key(Qt::Key_F2);
  EXPECT_EQ(node(r, c).subColor[k2], kYellow);
}

// --- Side-panel hints ---

TEST_F(BoardTest, SidePanelHintsWordForWord) {
  auto& f = form();
  auto over = [&](QWidget* w) {
    QTest::mouseMove(f.GroupBoxColor, QPoint(2, 2));  // a neutral place first
    Settle();
    EXPECT_EQ(f.HintText(), QString());
    QTest::mouseMove(w, w->rect().center());
    Settle();
    return f.HintText();
  };
  EXPECT_EQ(over(f.rb_none), "When the Display Candidates [None] is checked, hide all the candidates.");
  EXPECT_EQ(over(f.rb_all), "When the Display Candidates [All] is checked, display all the candidates.");
  EXPECT_EQ(over(f.rb_one),
            "When this box is checked, display only those cells corresponding to clicked Candidate on the numerical "
            "panel.");
  for (int d : {1, 5, 9}) EXPECT_EQ(over(f.disnote[d]), "You can type number 1..9 to select it quickly.");
  EXPECT_EQ(over(f.cbautoupdate), "When this box checked,Will auto update candidate numbers.");
  EXPECT_EQ(over(f.chkcolor), "When Marking is checked, you can do color marking for each cell or Candidate.");
  EXPECT_EQ(over(f.ColorGrid1), "When Marking is checked, you can do color marking for each cell or Candidate.");
  EXPECT_EQ(over(f.bt_clearcolor), "Click Clear Marking button to clear all the marked colors.");
}

// Keys reach the side panel before the first game; the blank board stays blank.
TEST_F(FormTest, DigitKeysBeforeTheFirstGameLeaveTheBoardBlank) {
  TForm1& f = form();
  f.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&f));
  for (Qt::Key k : {Qt::Key_F3, Qt::Key_5, Qt::Key_F2, Qt::Key_7, Qt::Key_F1}) QTest::keyClick(&f, k);
  for (int i = 0; i < kCells; ++i) {
    EXPECT_EQ(board()[i].text, "");
    EXPECT_TRUE(QString::fromStdString(f.sd991->node(tessel::RowOf(i), tessel::ColOf(i)).caption).trimmed().isEmpty());
  }
  EXPECT_FALSE(f.sd991->isEnabled());
}

// The window in mode All with a highlighted digit and some marks, for a look.
TEST_F(BoardTest, PictureOfModeAllWithMarks) {
  auto& f = form();
  Key(Qt::Key_F2);
  Key(Qt::Key_7);
  f.chkcolor->setChecked(true);
  auto [r, c] = FindOpen();
  ClickCell(r, c);
  auto [r2, c2] = Find([&](int row, int col) { return cell(row, col).state == kOpen && row > r + 2; });
  f.ColorGrid1->setForegroundIndex(PaletteIndexOf(16776960));  // aqua
  ClickSub(r2, c2, cell(r2, c2).text[0] - '0');
  auto [gr, gc] = Find([&](int row, int col) { return cell(row, col).state == kGiven && row > 5; });
  f.ColorGrid1->setForegroundIndex(PaletteIndexOf(12632256));  // silver
  ClickCell(gr, gc);
  f.chkcolor->setChecked(false);
  QTest::mouseMove(&sd(), CellPoint(5, 5));
  Settle();
  for (qreal dpr : {1.0, 2.0}) {
    QPixmap pm(f.size() * dpr);
    pm.setDevicePixelRatio(dpr);
    pm.fill(Qt::white);
    f.render(&pm);
    // Beside the test binary: a fixed /tmp name collides between users.
    const QDir keep(QCoreApplication::applicationDirPath());
    EXPECT_TRUE(pm.save(keep.filePath(dpr == 1.0 ? QStringLiteral("tessel-input.png") : QStringLiteral("tessel-input@2x.png"))));
  }
}
