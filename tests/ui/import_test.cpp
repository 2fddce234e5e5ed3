// The import-or-create dialog and the import text dialog on real widgets:
// editor clicks, the text box with the real clipboard, the checks, and
// handing a puzzle to the main window.
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

#include "board_helpers.hpp"
#include "core/layouts.hpp"
#include "core/solver.hpp"
#include "ui/importdialogs.hpp"

namespace {

using tessel::Board;
using tessel::kEntered;
using tessel::kOpen;
using tessel::ui::Tfrm_new;
using tessel::ui::TfrmImport;
using uitest::Act;
using uitest::BoardImage;
using uitest::Child;

std::string Pad(std::string s) {
  s.resize(tessel::kCells, '0');
  return s;
}

const std::string kExample1 = "086009000003200000002004903004000000005000700697041230008050001001760000059000006";

class ImportTest : public uitest::FormTest {
 protected:
  void SetUp() override {
    FormTest::SetUp();
    dlg_ = &tessel::ui::ImportDialog(form());
  }
  Tfrm_new& dlg() { return *dlg_; }
  TfrmImport& imp() { return *Child<TfrmImport>(dlg(), "frmImport"); }
  tessel::TPICSD33& editorView() { return *Child<tessel::TPICSD33>(dlg(), "sdnew"); }
  const Board& editor() { return dlg().editor().board(); }
  QPlainTextEdit& text() { return *Child<QPlainTextEdit>(imp(), "memo2"); }
  // The text the import dialog last handed over, kept by the outer dialog.
  QString handedOver() { return Child<QPlainTextEdit>(dlg(), "memo2")->toPlainText(); }
  void Import(const std::string& t) {
    text().setPlainText(QString::fromStdString(t));
    imp().Button1Click();
  }
  // Each cell's clue or ".": entered cells, or every one-character text.
  static std::string Clues(const Board& b, bool placedOnly) {
    std::string out;
    for (int i = 0; i < tessel::kCells; ++i)
      out += (placedOnly ? b[i].state != kOpen : b[i].text.size() == 1) ? b[i].text : std::string(".");
    return out;
  }
  Tfrm_new* dlg_ = nullptr;
};

TEST_F(ImportTest, EachExampleIsWrittenInItsOwnLayout) {
  int layout = tessel::kDigitString;
  for (const char* button : {"Button3", "Button4", "Button5", "Button6"}) {
    Child<QPushButton>(imp(), button)->click();
    EXPECT_EQ(tessel::DetectImportLayout(text().toPlainText().toStdString()), layout++) << button;
  }
  EXPECT_EQ(uitest::UnevenWidths(text()), "") << "the framed layouts line up";
}

// Example 1, OK, Play Puzzle: a new game of unknown level from its start,
// whatever the window showed before.
TEST_F(ImportTest, PlayStartsTheImportedPuzzleAfresh) {
  form().ToolButton5Click();
  Child<QRadioButton>(form(), "rb_all")->setChecked(true);
  imp().Button3Click();
  imp().Button1Click();
  std::string clues = kExample1;
  std::replace(clues.begin(), clues.end(), '0', '.');
  EXPECT_EQ(Clues(editor(), true), clues);

  const tessel::PuzzleTestResult test = tessel::TestEditorPuzzleString(kExample1);
  dlg().Button2Click();
  EXPECT_TRUE(prompts_.Notices().isEmpty());
  EXPECT_EQ(dlg().result(), QDialog::Accepted);
  EXPECT_EQ(Child<QLabel>(form(), "ndtxt")->text(), "  Level:Unknown");
  EXPECT_EQ(board().GivensString(), kExample1);
  EXPECT_EQ(game().store().GetSolution(), test.first);
  EXPECT_TRUE(Child<QRadioButton>(form(), "rb_none")->isChecked());
  EXPECT_FALSE(game().marking());
  EXPECT_TRUE(sd().isEnabled() && Clock().timerenabled());
  EXPECT_EQ(Clock().MS(), 0);
  EXPECT_EQ(uitest::Enabled(form(), {"b1", "b2", "b3", "tbfirst", "tbback", "tbnext", "tblast"}), "1000000");
  EXPECT_EQ(game().history().lines(), std::vector<std::string>{tessel::TakeSnapshot(board())}) << "a fresh history";
}

// Example 4 is a framed grid with candidate lists; the lists reach the board.
TEST_F(ImportTest, WrittenCandidateListsReachTheMainBoard) {
  imp().Button6Click();
  const std::string written = text().toPlainText().toStdString();
  imp().Button1Click();
  for (int i = 0; i < tessel::kCells; ++i)
    EXPECT_EQ(editor()[i].text, tessel::ReadCandidateGroup(written, tessel::RowOf(i), tessel::ColOf(i))) << i;
  const int code = tessel::TestEditorPuzzle(editor()).code;
  ASSERT_NE(code, tessel::kNotSolvable);
  if (code == tessel::kMultiple) prompts_.AnswerAsk(true);
  dlg().Button2Click();
  for (int i = 0; i < tessel::kCells; ++i) EXPECT_EQ(board()[i].text, editor()[i].text) << i;
}

TEST_F(ImportTest, InvalidTextKeepsTheEditorAndClosesTheDialog) {
  Import(kExample1);
  const std::string before = BoardImage(editor());
  Import("not a puzzle");
  // 80 characters and a line break are 82 characters, not a one-line puzzle.
  Import(kExample1.substr(0, 80) + "\n");
  EXPECT_EQ(prompts_.Notices(), (QStringList{"Invalid format.", "Invalid format."}));
  EXPECT_EQ(imp().result(), QDialog::Accepted);
  EXPECT_EQ(BoardImage(editor()), before);
  EXPECT_EQ(handedOver().toStdString(), kExample1.substr(0, 80) + "\n");
}

// Both dialogs open in the middle of the screen, wherever the main window is.
TEST_F(ImportTest, DialogsOpenCentredOnTheScreen) {
  form().move(0, 0);
  form().show();
  const QPoint centre = QGuiApplication::primaryScreen()->availableGeometry().center();
  for (QDialog* d : {static_cast<QDialog*>(&dlg()), static_cast<QDialog*>(&imp())}) {
    d->show();
    EXPECT_LE((d->geometry().center() - centre).manhattanLength(), 4) << d->objectName().toStdString();
    d->hide();
  }
}

// The text's menu commands and Ctrl+V work on the real clipboard.
TEST_F(ImportTest, MenuCommandsAndCtrlVUseTheRealClipboard) {
  imp().show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&imp()));
  QClipboard* clip = QGuiApplication::clipboard();
  text().setPlainText("ab");
  clip->clear();
  for (const char* e : {"e1", "e2", "e4"}) Act(imp(), e)->trigger();  // Select All, Copy, Clear
  EXPECT_EQ(clip->text(), "ab");
  clip->setText(QString::fromStdString(kExample1));
  text().setFocus();
  QTest::keyClick(&text(), Qt::Key_V, Qt::ControlModifier);
  Act(imp(), "e3")->trigger();
  EXPECT_EQ(text().toPlainText().toStdString(), kExample1 + kExample1) << "Paste goes in at the caret";
  imp().hide();
}

// The editor board's clicks reach the editor (its rules: editor_test): a
// candidate click makes a clue, a click on the clue takes it back, the right
// button does nothing.
TEST_F(ImportTest, EditorClicks) {
  dlg().show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&dlg()));
  auto press = [&](QPoint at, Qt::MouseButton b = Qt::LeftButton) {
    QTest::mouseClick(&editorView(), b, Qt::NoModifier, at);
    QApplication::processEvents();
  };
  using P = tessel::TPICSD33;
  press(P::SubPanelRect(1, 1, 5).center());
  EXPECT_EQ(editorView().node(1, 1).caption, "5");
  EXPECT_FALSE(editorView().node(1, 9).subVisible[5]);
  const std::string before = BoardImage(editor());
  press(P::SubPanelRect(2, 2, 3).center(), Qt::RightButton);
  press(P::CellPoint(1, 1), Qt::RightButton);
  EXPECT_EQ(BoardImage(editor()), before);
  press(P::CellPoint(1, 1));
  EXPECT_TRUE(editorView().node(1, 1).subVisible[5]);
  EXPECT_TRUE(editorView().node(1, 9).subVisible[5]);
  dlg().hide();
}

// The tool button shows the one dialog, made empty; Clear Grid asks and
// leaves no conflict colour.
TEST_F(ImportTest, ClearGridAsksAndLeavesTheEmptyGrid) {
  WithDialog<Tfrm_new>("ToolButton4", [&](Tfrm_new& d) { EXPECT_EQ(&d, &dlg()); });
  std::string blank;
  for (int i = 0; i < tessel::kCells; ++i) blank += "3123456789,";
  EXPECT_EQ(BoardImage(editor()), blank);
  Import(Pad("11"));  // two 1s in row A
  ASSERT_EQ(editorView().node(1, 2).color, editorView().errorcolor());
  const std::string before = BoardImage(editor());
  prompts_.AnswerAsk(false);
  dlg().Button3Click();
  EXPECT_EQ(prompts_.Questions(), QStringList{"Clear the puzzle board,Sure?"});
  EXPECT_EQ(BoardImage(editor()), before);
  prompts_.AnswerAsk(true);
  dlg().Button3Click();
  EXPECT_EQ(BoardImage(editor()), blank);
  EXPECT_NE(editorView().node(1, 2).color, editorView().errorcolor());
}

TEST_F(ImportTest, CheckPuzzleNotices) {
  const std::pair<std::string, QString> cases[] = {
      {kExample1, "Check OK"},
      {Pad("12"), "This puzzle has multiple solution"},
      {Pad("1100"), "Puzzle is not solvable"},
  };
  for (const auto& [puzzle, notice] : cases) {
    prompts_.Clear();
    Import(puzzle);
    dlg().Button1Click();
    EXPECT_EQ(prompts_.Notices(), QStringList{notice}) << puzzle.substr(0, 4);
  }
}

// Play Puzzle refuses an unsolvable puzzle and asks about several
// solutions: No leaves dialog and game; Yes plays with only the givens known.
TEST_F(ImportTest, PlayRefusesUnsolvableAndAsksAboutSeveral) {
  form().ToolButton5Click();
  const std::string game = BoardImage(board());
  const std::string solution = this->game().store().GetSolution();
  dlg().show();
  Import(Pad("1100"));
  dlg().Button2Click();
  EXPECT_EQ(prompts_.Notices(), QStringList{"Puzzle is not solvable"});
  EXPECT_TRUE(dlg().isVisible());

  Import(Pad("12"));
  prompts_.AnswerAsk(false);
  dlg().Button2Click();
  EXPECT_EQ(prompts_.Questions(), QStringList{"This Puzzle has multiple solutions,Do you want to solve it anyway?"});
  EXPECT_TRUE(dlg().isVisible());
  EXPECT_EQ(BoardImage(board()), game);
  EXPECT_EQ(this->game().store().GetSolution(), solution);

  prompts_.AnswerAsk(true);
  dlg().Button2Click();
  EXPECT_FALSE(dlg().isVisible());
  EXPECT_EQ(this->game().store().GetSolution(), "");
  EXPECT_EQ(this->game().store()[1].value, 2);
}

// Load Puzzle: every one-character cell of the game, entered digit or single
// candidate, becomes a clue; an old conflict colour goes.
TEST_F(ImportTest, LoadPuzzleTakesEveryOneCharacterCellAsAClue) {
  Import(Pad("11"));
  form().ToolButton5Click();
  const int entered = FirstOpen();
  board()[entered] = {tessel::RowOf(entered), tessel::ColOf(entered), Digit(entered), kEntered, false};
  const int single = FirstOpen();
  board()[single].text = Digit(single);
  dlg().Button5Click();
  EXPECT_NE(editorView().node(1, 2).color, editorView().errorcolor());
  EXPECT_EQ(Clues(editor(), true), Clues(board(), false));
}

}  // namespace
