// The window's composition: each command in its menu and on its button,
// reaching its own handler, and the fixed layout.
#include <QLabel>
#include <QMenu>
#include <QTest>
#include <QToolBar>

#include "ui_fixture.hpp"

namespace uitest {
namespace {

using tessel::ui::TForm1;

struct Command {
  const char* name;
  const char* menu;     // object name of its menu, or none
  const char* caption;  // as the menu shows it
  bool button;          // on a tool bar
  const char* keys;
  char answer;          // the prompt it asks first: 'a' a question, 's'/'o' a file to save/open
  const char* outcome;  // part of what the player then sees; none: not run here
};

const Command kCommands[] = {
    {"ToolButton11", "NewGame1", "Very Easy", true, "", 0, "Level:Very Easy"},
    {"ToolButton5", "NewGame1", "Gentle", true, "", 0, "Level:Gentle"},
    {"ToolButton6", "NewGame1", "Moderate", true, "", 0, "Level:Moderate"},
    {"ToolButton7", "NewGame1", "Tough", true, "", 0, "Level:Tough"},
    {"ToolButton8", "NewGame1", "Diabolical", true, "", 0, "Level:Diabolical"},
    {"SaveCurrentBoard1", "File1", "&Save Current Board", true, "Ctrl+S", 0, "Tfrmsave"},
    {"ToolButton1", "File1", "Display Your Game List", true, "Ctrl+O", 0, "Tfrmgamelist"},
    {"ToolButton1", "NewGame1", "Display Your Game List", true, "Ctrl+O", 0, "Tfrmgamelist"},
    {"ToolButton12", "File1", "Printable Board", true, "Ctrl+P", 0, "Tfrmprintselect"},
    {"ToolButton4", "File1", "&Import or Create Sudoku", true, "", 0, nullptr},
    {"Con1", "File1", "Continue Your Last Game", false, "", 0, nullptr},
    {"appearance1", "Tools1", "Appearance", false, "", 0, "TfrmAppearance"},
    {"savet", "Tools1", "Save Replay", false, "", 's', ""},
    {"objectSaveGameStepByStep1TMenuItem1", "Tools1", "Load Replay", false, "", 'o', ""},
    {"CopyPuzzleToClipboard1", "Tools1", "Copy Puzzle To Clipboard", true, "", 0, "Tfrmcopy"},
    {"ExplainNextStep1", "Tools1", "Explain Next Step", false, "F4", 0, nullptr},
    {"tbback", "Tools1", "Back Step", true, "Ctrl+Z", 0, nullptr},
    {"tbnext", "Tools1", "Next Step", true, "Ctrl+Y; Ctrl+Shift+Z", 0, nullptr},
    {"tbresign", nullptr, nullptr, true, "", 'a', "reset this game"},
    {"tbsolve", nullptr, nullptr, true, "", 'a', "see the solution"},
    {"ToolButton16", nullptr, nullptr, true, "", 0, nullptr},
    {"ToolButton9", nullptr, nullptr, true, "", 0, nullptr},
    {"b1", nullptr, nullptr, true, "", 0, nullptr},
    {"tblast", nullptr, nullptr, true, "", 0, nullptr},
    {"Contents1", "Help1", "Contents", false, "", 0, "help.html"},
    {"HomePage1", "Help1", "Sudoku Tessel Home Page", false, "", 0, "sudokutessel.example.org"},
    {"Feedback1", "Help1", "Send Feedback", false, "", 0, "/feedback"},
    {"CheckNewVersion1", "Help1", "Check New Version", false, "", 0, "No update check is available"},
    {"AutoCheckNewVersion1", "Help1", "Auto Check New Version", false, "", 0, nullptr},
    {"About1", "Help1", "&About SudokuTessel", false, "", 0, "MIT licence"},
    {"Exit1", "File1", "&Exit", false, "Ctrl+Q", 0, "window closed"},
};

// The fixed layout of a game played to the end; then each command. A
// scripted answer of the wrong kind fails the test, so each prompt's kind is
// checked along with its text.
TEST_F(FormTest, TheLayoutAndEveryCommandInItsMenuReachingItsOwnHandler) {
  TForm1& f = form();
  f.ToolButton6Click();
  Solve();
  f.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&f));
  QWidget* client = f.centralWidget();
  EXPECT_EQ(client->size(), QSize(TForm1::kClientWidth, TForm1::kClientHeight));
  EXPECT_EQ(f.minimumSize(), f.maximumSize()) << "the border is fixed";
  EXPECT_EQ(sd().size(), QSize(422, 422));

  // Nothing sticks out of the client area or hides behind a neighbour.
  std::vector<QWidget*> top;
  for (const char* n : {"ToolBar1", "Panel1", "GroupBoxCandidates", "GroupBoxColor", "ToolBar2", "sb1"})
    top.push_back(Child(f, n));
  for (int d = 1; d <= 9; ++d) top.push_back(Child(f, QStringLiteral("ProgressBar%1").arg(d)));
  for (std::size_t i = 0; i < top.size(); ++i) {
    EXPECT_TRUE(client->rect().contains(top[i]->geometry())) << top[i]->objectName().toStdString();
    for (std::size_t j = i + 1; j < top.size(); ++j)
      EXPECT_FALSE(top[i]->geometry().intersects(top[j]->geometry()))
          << top[i]->objectName().toStdString() << " overlaps " << top[j]->objectName().toStdString();
  }
  // Every tool bar item fits, the finish mark at the end of the second bar.
  for (QToolButton* b : f.findChildren<QToolButton*>(QStringLiteral("qt_toolbar_ext_button")))
    EXPECT_FALSE(b->isVisible()) << "a tool bar overflows";
  auto* mark = Child<QLabel>(f, "WC_Label");
  auto* bar2 = Child<QToolBar>(f, "ToolBar2");
  EXPECT_TRUE(mark->isVisible());
  EXPECT_LE(mark->mapTo(bar2, QPoint(mark->width(), 0)).x(), bar2->width());

  // Row letters beside the rows, column digits above the columns.
  const QPoint a1 = tessel::TPICSD33::CellRect(1, 1).translated(sd().pos()).center();
  const QRect rowA = Child<QLabel>(f, "RowLabel1")->geometry();
  const QRect col1 = Child<QLabel>(f, "ColLabel1")->geometry();
  EXPECT_EQ(Child<QLabel>(f, "RowLabel1")->text() + Child<QLabel>(f, "RowLabel9")->text(), "AI");
  EXPECT_TRUE(rowA.center().y() == a1.y() && rowA.right() <= sd().x());
  EXPECT_TRUE(col1.center().x() == a1.x() && col1.bottom() <= sd().y());

  f.ToolButton8Click();
  for (const Command& c : kCommands) {
    SCOPED_TRACE(c.name);
    QAction* action = Act(f, c.name);
    if (c.menu) {
      EXPECT_TRUE(Child<QMenu>(f, c.menu)->actions().contains(action) && action->text() == c.caption);
    }
    EXPECT_EQ(f.findChild<QToolButton*>(c.name) != nullptr, c.button);
    EXPECT_EQ(QKeySequence::listToString(action->shortcuts()), c.keys);
    if (!c.outcome) continue;
    QString seen;
    f.SetModalRunner([&](QDialog& d) { seen += d.metaObject()->className(); });
    prompts_.Clear();
    opened_.clear();
    if (c.answer == 'a') prompts_.AnswerAsk(false);
    if (c.answer == 's') prompts_.AnswerSaveFile(std::nullopt);
    if (c.answer == 'o') prompts_.AnswerOpenFile(std::nullopt);
    action->trigger();
    for (const auto& s : prompts_.shown()) seen += ' ' + s.text;
    for (const QUrl& u : opened_) seen += u.toString();
    seen += Child<QLabel>(f, "ndtxt")->text() + (f.isVisible() ? "" : "window closed");
    EXPECT_TRUE(seen.contains(QString::fromUtf8(c.outcome))) << seen.toStdString();
  }
}

TEST_F(FormTest, HelpContentsOpensTheBundledPageOrSaysWhyNot) {
  form().Contents1Click();
  const QString page = opened_.at(0).toLocalFile();
  EXPECT_TRUE(page.startsWith(form().DataFolder()));
  EXPECT_NE(FileBytes(page).find("<title>Sudoku Tessel 4.65 Help</title>"), std::string::npos);
  form().SetUrlOpener([](const QUrl&) { return false; });
  form().Contents1Click();
  EXPECT_TRUE(prompts_.Notices().size() == 1 && prompts_.Notices()[0].contains("help.html"));
}

}  // namespace
}  // namespace uitest
