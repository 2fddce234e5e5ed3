// The import-or-create dialog and the import text dialog on real widgets:
// editor clicks, the text box with the real clipboard, checks, and handing a
// puzzle to the main window.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <string>

#include <QGuiApplication>
#include <QScreen>

#include "core/layouts.hpp"
#include "core/solver.hpp"
#include "ui/importdialogs.hpp"
#include "ui_fixture.hpp"

namespace {

using tessel::Board;
using tessel::kEntered;
using tessel::kGiven;
using tessel::kOpen;
using tessel::ui::Tfrm_new;
using tessel::ui::TfrmImport;

// A short puzzle string filled up with blanks to the 81 of layout 1.
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
  TfrmImport& imp() { return *dlg_->frmImport; }
  Board& editor() { return dlg_->sdnew->board(); }

  void Import(const QString& text) {
    imp().memo2->setPlainText(text);
    imp().Button1Click();
  }
  void Import(const std::string& text) { Import(QString::fromStdString(text)); }

  // "r c:text" of every editor clue, the comparable part of a puzzle.
  static std::string Clues(const Board& b, bool placedOnly) {
    std::string out;
    for (int i = 0; i < tessel::kCells; ++i) {
      const bool clue = placedOnly ? b[i].state != kOpen : b[i].text.size() == 1;
      out += clue ? b[i].text : std::string(".");
    }
    return out;
  }

  Tfrm_new* dlg_ = nullptr;
};

// --- The import text dialog ---

TEST_F(ImportTest, MadeOnceWithAnEmptyEditableGrid) {
  EXPECT_EQ(&tessel::ui::ImportDialog(form()), &dlg());
  std::string blank;
  for (int i = 0; i < tessel::kCells; ++i) blank += "3123456789,";
  EXPECT_EQ(uitest::BoardImage(editor()), blank);
  EXPECT_TRUE(dlg().sdnew->isEnabled());
}

TEST_F(ImportTest, ExamplesSetTextAndHelpLineAndAllImport) {
  struct Case {
    QPushButton* button;
    int lines;
    QString help;
  };
  const Case cases[] = {
      {imp().Button3, 1, "Enter a string of 81 numbers(you can express blanks as 0, * , '.')"},
      {imp().Button4, 9, "Enter nine rows,Each row with nine letters.(you can express blanks as 0, * , '.')"},
      {imp().Button5, 13, "Enter any rows,Each row with any letters.(you can express blanks as 0, '.',except '*')"},
      {imp().Button6, 13, "Include nine rows,the rows include digit group,and any string"},
  };
  int layout = tessel::kDigitString;
  for (const Case& c : cases) {
    c.button->click();
    const QString text = imp().memo2->toPlainText();
    EXPECT_EQ(text.split('\n').size(), c.lines) << c.button->text().toStdString();
    EXPECT_EQ(imp().Label1->text(), c.help);
    EXPECT_EQ(tessel::DetectImportLayout(text.toStdString()), layout++) << c.button->text().toStdString();
  }
  EXPECT_EQ(imp().memo2->toPlainText().split('\n')[1],
            "|         5     13789      2389|    123479       379         6|     23478     23479    234789|");
}

TEST_F(ImportTest, Example1ThenOkAndPlayStartsAnUnknownLevelGame) {
  form().ToolButton5Click();  // a game in progress to be replaced
  form().SetFinishedMark(true);
  form().rb_all->setChecked(true);
  imp().Button3Click();
  imp().Button1Click();
  EXPECT_EQ(imp().result(), QDialog::Accepted);
  EXPECT_EQ(dlg().memo2->toPlainText().toStdString(), kExample1);

  int clues = 0;
  for (int i = 0; i < tessel::kCells; ++i) {
    const tessel::Cell& c = editor()[i];
    if (kExample1[i] != '0') {
      ++clues;
      EXPECT_EQ(c.state, kEntered);
      EXPECT_EQ(c.text, std::string(1, kExample1[i]));
    } else {
      EXPECT_EQ(c.state, kOpen);
      EXPECT_EQ(c.text, editor().ComputeCandidates(tessel::RowOf(i), tessel::ColOf(i)));
    }
  }
  EXPECT_EQ(clues, 28);

  const tessel::PuzzleTestResult test = tessel::TestEditorPuzzleString(kExample1);
  ASSERT_EQ(test.code, tessel::kUnique);
  dlg().Button2Click();
  EXPECT_TRUE(prompts_.Notices().isEmpty());
  EXPECT_EQ(dlg().result(), QDialog::Accepted);
  EXPECT_EQ(form().ndtxt->text(), "  Level:Unknown");
  EXPECT_EQ(form().sd991->nd(), tessel::kUnknownLevel);
  EXPECT_EQ(board().GivensString(), kExample1);
  EXPECT_EQ(form().QJ1.GetSolution(), test.first);
  for (int i = 0; i < tessel::kCells; ++i) {
    EXPECT_EQ(form().QJ1[i].given, kExample1[i] != '0');
    if (board()[i].state == kOpen) {
      EXPECT_EQ(board()[i].text, editor()[i].text);
    }
  }
  EXPECT_TRUE(form().rb_none->isChecked());
  EXPECT_FALSE(form().chkcolor->isChecked());
  EXPECT_EQ(form().SelectedDigit(), 1);
  EXPECT_TRUE(form().sd991->isEnabled());
  EXPECT_FALSE(form().FinishedMarkShown());
  EXPECT_TRUE(form().TimeLabel1->timerenabled());
  EXPECT_EQ(form().TimeLabel1->MS(), 0);
  EXPECT_TRUE(form().b1->isEnabled());
  EXPECT_FALSE(form().b2->isEnabled());
  EXPECT_FALSE(form().b3->isEnabled());
  for (QAction* step : {form().tbfirst, form().tbback, form().tbnext, form().tblast})
    EXPECT_FALSE(step->isEnabled()) << step->objectName().toStdString();
}

TEST_F(ImportTest, Example4KeepsTheWrittenCandidateListsOnTheMainBoard) {
  imp().Button6Click();
  const std::string text = imp().memo2->toPlainText().toStdString();
  imp().Button1Click();
  int clues = 0;
  for (int r = 1; r <= 9; ++r)
    for (int c = 1; c <= 9; ++c) {
      const std::string group = tessel::ReadCandidateGroup(text, r, c);
      const tessel::Cell& cell = editor().at(r, c);
      if (group.size() == 1) {
        ++clues;
        EXPECT_EQ(cell.state, kEntered);
      } else {
        EXPECT_EQ(cell.state, kOpen);
      }
      EXPECT_EQ(cell.text, group) << r << c;
    }
  EXPECT_EQ(clues, 17);

  const int code = tessel::TestEditorPuzzle(editor()).code;
  ASSERT_NE(code, tessel::kNotSolvable);
  if (code == tessel::kMultiple) prompts_.AnswerAsk(true);
  dlg().Button2Click();
  form().rb_all->click();
  for (int r = 1; r <= 9; ++r)
    for (int c = 1; c <= 9; ++c) {
      const tessel::Cell& cell = form().sd991->cell(r, c);
      EXPECT_EQ(cell.text, editor().at(r, c).text);
      if (cell.state != kOpen) continue;
      const tessel::TPicNode& n = form().sd991->node(r, c);
      for (int k = 1; k <= 9; ++k)
        EXPECT_EQ(n.subVisible[k], cell.text.find(char('0' + k)) != std::string::npos) << r << c << k;
    }
}

TEST_F(ImportTest, InvalidTextKeepsTheEditorAndClosesTheDialog) {
  Import(kExample1);
  const std::string before = uitest::BoardImage(editor());
  Import(QStringLiteral("not a puzzle"));
  // 80 characters and a line break are 82 characters, not a one-line puzzle.
  Import(QString::fromStdString(kExample1.substr(0, 80)) + "\n");
  EXPECT_EQ(prompts_.Notices(), (QStringList{"Invalid format.", "Invalid format."}));
  EXPECT_EQ(imp().result(), QDialog::Accepted);
  EXPECT_EQ(uitest::BoardImage(editor()), before);
  EXPECT_EQ(dlg().memo2->toPlainText().toStdString(), kExample1.substr(0, 80) + "\n");
}

// Both dialogs open in the middle of the screen, wherever the window is.
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

TEST_F(ImportTest, ContextMenuAndCtrlVUseTheRealClipboard) {
  imp().show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&imp()));
  QStringList items;
  for (QAction* a : imp().PopupMenu1->actions()) items << a->text();
  EXPECT_EQ(items, (QStringList{"Select All", "Copy", "Paste", "Clear"}));

  // A right click on the text opens the menu.
  QContextMenuEvent ev(QContextMenuEvent::Mouse, QPoint(20, 20), imp().memo2->viewport()->mapToGlobal(QPoint(20, 20)));
  QApplication::sendEvent(imp().memo2->viewport(), &ev);
  QApplication::processEvents();
  EXPECT_TRUE(imp().PopupMenu1->isVisible());
  imp().PopupMenu1->hide();

  QClipboard* clip = QGuiApplication::clipboard();
  imp().Button4Click();
  const QString example2 = imp().memo2->toPlainText();
  imp().e1->trigger();
  EXPECT_EQ(imp().memo2->textCursor().selectedText().size(), example2.size());
  clip->clear();
  imp().e2->trigger();
  EXPECT_EQ(clip->text(), example2);

  imp().e4->trigger();
  EXPECT_TRUE(imp().memo2->toPlainText().isEmpty());
  clip->setText(QString::fromStdString(kExample1));
  imp().e3->trigger();
  EXPECT_EQ(imp().memo2->toPlainText().toStdString(), kExample1);

  // Paste goes in at the caret, not over the whole text.
  imp().memo2->setPlainText("ab");
  QTextCursor caret = imp().memo2->textCursor();
  caret.setPosition(1);
  imp().memo2->setTextCursor(caret);
  clip->setText("XY");
  imp().e3->trigger();
  EXPECT_EQ(imp().memo2->toPlainText(), "aXYb");

  imp().e4->trigger();
  clip->setText(QString::fromStdString(kExample1));
  imp().memo2->setFocus();
  QTest::keyClick(imp().memo2, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(imp().memo2->toPlainText().toStdString(), kExample1);
  imp().hide();
}

// Each export layout of a game in progress, through the real clipboard and
// back into the editor, gives the same clues.
TEST_F(ImportTest, EveryExportLayoutPastesBackToItsClues) {
  form().ToolButton5Click();
  // A few entered digits: the player's own, not only the givens.
  const std::string solution = form().QJ1.GetSolution();
  int entered = 0;
  for (int i = 0; i < tessel::kCells && entered < 5; ++i)
    if (board()[i].state == kOpen && board()[i].text.size() > 1) {
      board()[i].state = kEntered;
      board()[i].text = std::string(1, solution[i]);
      ++entered;
    }
  for (int i = 0; i < tessel::kCells; ++i)
    if (board()[i].state == kOpen) board()[i].text = board().ComputeCandidates(tessel::RowOf(i), tessel::ColOf(i));

  struct Case {
    const char* name;
    std::vector<std::string> (*format)(const Board&);
    bool withCandidates;
  };
  const Case cases[] = {{"no candidates", tessel::FormatNoCandidates, false},
                        {"with candidates", tessel::FormatWithCandidates, true},
                        {"9x9", tessel::Format9x9, false},
                        {"1x81", tessel::Format1x81, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    dlg().ClearGrid();
    QGuiApplication::clipboard()->setText(QString::fromStdString(tessel::JoinLines(c.format(board()))));
    imp().e4Click();
    imp().e3Click();
    imp().Button1Click();
    EXPECT_TRUE(prompts_.Notices().isEmpty());
    EXPECT_EQ(Clues(editor(), true), Clues(board(), !c.withCandidates));
    if (c.withCandidates) {
      for (int i = 0; i < tessel::kCells; ++i) EXPECT_EQ(editor()[i].text, board()[i].text) << i;
    }
  }
}

// --- The editor board ---

class EditorTest : public ImportTest {
 protected:
  void SetUp() override {
    ImportTest::SetUp();
    dlg().show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dlg()));
  }
  void TearDown() override {
    dlg().hide();
    ImportTest::TearDown();
  }
  tessel::TPICSD33& sd() { return *dlg().sdnew; }
  void Press(QPoint at, Qt::MouseButton b = Qt::LeftButton) {
    QTest::mouseClick(&sd(), b, Qt::NoModifier, at);
    QApplication::processEvents();
  }
  static QPoint CellPoint(int r, int c) { return tessel::TPICSD33::CellPoint(r, c); }
  static QPoint SubPoint(int r, int c, int k) { return tessel::TPICSD33::SubPanelRect(r, c, k).center(); }
};

TEST_F(EditorTest, CandidateClickPlacesAndDigitClickGivesItBack) {
  Press(SubPoint(1, 1, 5));
  EXPECT_EQ(editor().at(1, 1).state, kEntered);
  EXPECT_EQ(editor().at(1, 1).text, "5");
  EXPECT_EQ(editor().at(1, 9).text, "12346789");
  EXPECT_EQ(editor().at(9, 1).text, "12346789");
  EXPECT_EQ(editor().at(3, 3).text, "12346789");
  EXPECT_EQ(editor().at(5, 5).text, "123456789");
  EXPECT_EQ(sd().node(1, 1).caption, "5");
  EXPECT_FALSE(sd().node(1, 9).subVisible[5]);

  Press(SubPoint(5, 9, 5));  // a second 5, clear of the first
  Press(CellPoint(1, 1));
  EXPECT_EQ(editor().at(1, 1).state, kOpen);
  EXPECT_EQ(editor().at(1, 1).text, "123456789");
  EXPECT_NE(editor().at(1, 2).text.find('5'), std::string::npos);
  EXPECT_EQ(editor().at(5, 1).text.find('5'), std::string::npos) << "still blocked by the 5 at E9";
  EXPECT_TRUE(sd().node(1, 2).subVisible[5]);

  // Other buttons do nothing.
  const std::string before = uitest::BoardImage(editor());
  Press(SubPoint(2, 2, 3), Qt::RightButton);
  Press(CellPoint(5, 9), Qt::RightButton);
  EXPECT_EQ(uitest::BoardImage(editor()), before);

  // An emptied list comes back with a click on the cell.
  editor().at(7, 7).text.clear();
  sd().DrawAllCandidates();
  Press(CellPoint(7, 7));
  EXPECT_EQ(editor().at(7, 7).text, editor().ComputeCandidates(7, 7));
  EXPECT_EQ(editor().at(7, 7).state, kOpen);
}

TEST_F(EditorTest, HoverFramesTheCellOrCandidate) {
  QTest::mouseMove(&sd(), SubPoint(4, 4, 2));
  QApplication::processEvents();
  EXPECT_EQ(sd().node(4, 4).subBorderStyle[2], tessel::kBorderSingle);
  QTest::mouseMove(&sd(), SubPoint(6, 6, 8));
  QApplication::processEvents();
  EXPECT_EQ(sd().node(4, 4).subBorderStyle[2], tessel::kBorderNone);
  EXPECT_EQ(sd().node(6, 6).subBorderStyle[8], tessel::kBorderSingle);
}

TEST_F(EditorTest, ClearGridAsksAndLeavesNoConflictColour) {
  Import(Pad("11"));  // two 1s in row A
  ASSERT_TRUE(editor().HasErrorMark());
  ASSERT_EQ(sd().node(1, 2).color, sd().errorcolor());
  const std::string before = uitest::BoardImage(editor());

  prompts_.AnswerAsk(false);
  dlg().Button3Click();
  EXPECT_EQ(prompts_.Questions(), QStringList{"Clear the puzzle board,Sure?"});
  EXPECT_EQ(uitest::BoardImage(editor()), before);

  prompts_.AnswerAsk(true);
  dlg().Button3Click();
  for (int i = 0; i < tessel::kCells; ++i) {
    EXPECT_EQ(editor()[i].state, kOpen);
    EXPECT_EQ(editor()[i].text, "123456789");
  }
  EXPECT_FALSE(editor().HasErrorMark());
  EXPECT_NE(sd().node(1, 1).color, sd().errorcolor());
  EXPECT_NE(sd().node(1, 2).color, sd().errorcolor());
}

// --- Checks, Load Puzzle and Play Puzzle against the main window ---

TEST_F(ImportTest, CheckPuzzleNotices) {
  const tessel::PuzzleTestResult test = tessel::TestEditorPuzzleString(kExample1);
  std::string clash = test.first;
  std::swap(clash[0], clash[1]);  // full, but two columns now clash
  const struct {
    std::string text;
    const char* notice;
  } cases[] = {
      {kExample1, "Check OK"},
      {test.first, "Check OK"},  // a full board is its own solution
      {clash, "Puzzle is not solvable"},
      {Pad("12"), "This puzzle has multiple solution"},
      {Pad("1100"), "Puzzle is not solvable"},
  };
  for (const auto& c : cases) {
    prompts_.Clear();
    Import(c.text);
    dlg().Button1Click();
    EXPECT_EQ(prompts_.Notices(), QStringList{c.notice}) << c.text.substr(0, 4);
  }
}

TEST_F(ImportTest, PlayRefusesUnsolvableAndNoAtMultipleLeavesAllUntouched) {
  form().ToolButton5Click();
  const std::string game = uitest::BoardImage(board());
  const std::string solution = form().QJ1.GetSolution();
  const QString level = form().ndtxt->text();

  dlg().show();
  Import(Pad("1100"));
  const std::string editorBefore = uitest::BoardImage(editor());
  dlg().Button2Click();
  EXPECT_EQ(prompts_.Notices(), QStringList{"Puzzle is not solvable"});
  EXPECT_TRUE(dlg().isVisible());

  Import(Pad("12"));
  prompts_.AnswerAsk(false);
  dlg().Button2Click();
  EXPECT_EQ(prompts_.Questions(),
            QStringList{"This Puzzle has multiple solutions,Do you want to solve it anyway?"});
  EXPECT_TRUE(dlg().isVisible());
  EXPECT_NE(uitest::BoardImage(editor()), editorBefore);
  EXPECT_EQ(uitest::BoardImage(board()), game);
  EXPECT_EQ(form().QJ1.GetSolution(), solution);
  EXPECT_EQ(form().ndtxt->text(), level);

  // Yes plays it; only the givens have values.
  prompts_.AnswerAsk(true);
  dlg().Button2Click();
  EXPECT_FALSE(dlg().isVisible());
  EXPECT_EQ(form().ndtxt->text(), "  Level:Unknown");
  EXPECT_EQ(form().QJ1[0].value, 1);
  EXPECT_EQ(form().QJ1[1].value, 2);
  for (int i = 2; i < tessel::kCells; ++i) EXPECT_EQ(form().QJ1[i].value, 0) << i;
}

TEST_F(ImportTest, LoadPuzzleTakesEveryOneCharacterCellAsAClue) {
  Import(Pad("11"));  // leaves a conflict mark on the editor
  form().ToolButton5Click();
  const std::string solution = form().QJ1.GetSolution();
  int entered = -1, single = -1;
  for (int i = 0; i < tessel::kCells; ++i)
    if (board()[i].state == kOpen) {
      if (entered < 0) {
        entered = i;
        board()[i].state = kEntered;
        board()[i].text = std::string(1, solution[i]);
      } else if (single < 0) {
        single = i;
        board()[i].text = std::string(1, solution[i]);  // an open cell with one candidate
      }
    }
  dlg().Button5Click();
  EXPECT_FALSE(editor().HasErrorMark());
  EXPECT_NE(dlg().sdnew->node(1, 2).color, dlg().sdnew->errorcolor());
  for (int i = 0; i < tessel::kCells; ++i) {
    const tessel::Cell& c = editor()[i];
    if (board()[i].text.size() == 1) {
      EXPECT_EQ(c.state, kEntered) << i;
      EXPECT_EQ(c.text, board()[i].text);
    } else {
      EXPECT_EQ(c.state, kOpen) << i;
      EXPECT_EQ(c.text, editor().ComputeCandidates(tessel::RowOf(i), tessel::ColOf(i)));
    }
  }
  EXPECT_EQ(editor()[entered].state, kEntered);
  EXPECT_EQ(editor()[single].state, kEntered);
}

// Through the toolbar action and the modal loops, twice: the second opening
// shows the same board and the same text, and Quit changes nothing.
TEST_F(ImportTest, ReopeningKeepsBoardAndTextAndQuitChangesNothing) {
  form().ToolButton5Click();
  const std::string game = uitest::BoardImage(board());
  std::string firstBoard;
  QString firstText;
  bool ran = false;
  QTimer::singleShot(0, [&] {
    ASSERT_TRUE(dlg().isVisible());
    EXPECT_TRUE(dlg().isModal());
    QTimer::singleShot(0, [&] {
      ASSERT_TRUE(imp().isVisible());
      QTest::mouseClick(imp().Button5, Qt::LeftButton);  // Example 3
      QTest::mouseClick(imp().Button1, Qt::LeftButton);  // OK
    });
    QTest::mouseClick(dlg().Button6, Qt::LeftButton);
    EXPECT_FALSE(imp().isVisible());
    firstBoard = uitest::BoardImage(editor());
    firstText = imp().memo2->toPlainText();
    QTest::mouseClick(dlg().Button4, Qt::LeftButton);
    ran = true;
  });
  // Never hang the run; a local timer dies with the test, so it cannot fire
  // into a later one.
  QTimer guard;
  guard.setSingleShot(true);
  QObject::connect(&guard, &QTimer::timeout, [&] {
    imp().reject();
    dlg().reject();
  });
  guard.start(10000);
  form().ToolButton4->trigger();
  ASSERT_TRUE(ran);
  EXPECT_FALSE(dlg().isVisible());
  EXPECT_EQ(editor().at(1, 2).text, "9");
  EXPECT_EQ(uitest::BoardImage(board()), game);

  QTimer::singleShot(0, [&] {
    EXPECT_EQ(uitest::BoardImage(editor()), firstBoard);
    EXPECT_EQ(imp().memo2->toPlainText(), firstText);
    dlg().Button4Click();
  });
  form().ToolButton4Click();
  EXPECT_EQ(uitest::BoardImage(board()), game);
}

}  // namespace
