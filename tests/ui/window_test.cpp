// The window's composition: commands, menus, toolbars, layout, and the
// periphery (help page, web links, About, version check).
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

#include "ui/icons.hpp"
#include "ui_fixture.hpp"

using tessel::ui::TForm1;
using uitest::FormTest;

namespace {

struct Command {
  const char* name;
  const char* text;  // menu caption, or the button's text
  const char* hint;  // tooltip
};

const Command kCommands[] = {
    {"SaveCurrentBoard1", "&Save Current Board", "Save Current Board"},
    {"ToolButton1", "Display Your Game List", "Display Your Game List"},
    {"ToolButton12", "Printable Board", "Printable Board"},
    {"ToolButton4", "&Import or Create Sudoku", "Import or Create Sudoku"},
    {"Con1", "Continue Your Last Game", nullptr},
    {"Exit1", "&Exit", nullptr},
    {"ToolButton11", "Very Easy", "Create Sudoku:Very Easy"},
    {"ToolButton5", "Gentle", "Create Sudoku:Gentle"},
    {"ToolButton6", "Moderate", "Create Sudoku:Moderate"},
    {"ToolButton7", "Tough", "Create Sudoku:Tough"},
    {"ToolButton8", "Diabolical", "Create Sudoku:Diabolical"},
    {"appearance1", "Appearance", nullptr},
    {"savet", "Save Replay", nullptr},
    {"objectSaveGameStepByStep1TMenuItem1", "Load Replay", nullptr},
    {"CopyPuzzleToClipboard1", "Copy Puzzle To Clipboard", "Copy Puzzle To Clipboard"},
    {"tbresign", nullptr, "Restart"},
    {"tbsolve", nullptr, "Show Solution"},
    {"ToolButton16", nullptr, "Check Error"},
    {"ToolButton9", nullptr, "Show hint"},
    {"b1", nullptr, "Start Branch"},
    {"b2", nullptr, "Accept Branch"},
    {"b3", nullptr, "Reject Branch"},
    {"tbfirst", nullptr, "First Step"},
    {"tbback", nullptr, "Back Step"},
    {"tbnext", nullptr, "Next Step"},
    {"tblast", nullptr, "Last Step"},
    {"Contents1", "Contents", nullptr},
    {"HomePage1", nullptr, nullptr},
    {"CheckNewVersion1", "Check New Version", nullptr},
    {"AutoCheckNewVersion1", "Auto Check New Version", nullptr},
    {"About1", "&About SudokuTessel", nullptr},
};

// Object names along a toolbar; "|" for a separator.
QStringList ToolBarNames(QToolBar* bar) {
  QStringList out;
  for (QAction* a : bar->actions()) {
    if (a->isSeparator())
      out << QStringLiteral("|");
    else if (QWidget* w = bar->widgetForAction(a))
      out << w->objectName();
  }
  return out;
}

QStringList MenuTexts(QMenu* menu) {
  QStringList out;
  for (QAction* a : menu->actions()) out << (a->isSeparator() ? QStringLiteral("-") : a->text());
  return out;
}

QMenu* TopMenu(TForm1& f, const QString& title) {
  for (QAction* a : f.menuBar()->actions())
    if (a->text() == title) return a->menu();
  return nullptr;
}

}  // namespace

TEST_F(FormTest, EveryCommandExistsWithCaptionAndHint) {
  for (const Command& c : kCommands) {
    SCOPED_TRACE(c.name);
    auto* a = form().findChild<QAction*>(QString::fromLatin1(c.name));
    ASSERT_NE(a, nullptr);
    if (c.text) {
      EXPECT_EQ(a->text(), QString::fromUtf8(c.text));
    }
    if (c.hint) {
      EXPECT_EQ(a->toolTip(), QString::fromUtf8(c.hint));
      EXPECT_EQ(a->statusTip(), QString::fromUtf8(c.hint));
    }
  }
  EXPECT_TRUE(form().AutoCheckNewVersion1->isCheckable());
}

TEST_F(FormTest, MenusInOrder) {
  TForm1& f = form();
  QStringList titles;
  for (QAction* a : f.menuBar()->actions()) titles << a->text();
  EXPECT_EQ(titles, (QStringList{"&File", "&New Game", "&Tools", "&Help"}));

  EXPECT_EQ(MenuTexts(TopMenu(f, "&File")),
            (QStringList{"&Save Current Board", "Display Your Game List", "Printable Board",
                         "&Import or Create Sudoku", "Continue Your Last Game", "-", "&Exit"}));
  EXPECT_EQ(MenuTexts(TopMenu(f, "&New Game")),
            (QStringList{"Very Easy", "Gentle", "Moderate", "Tough", "Diabolical", "-", "Display Your Game List"}));
  EXPECT_EQ(MenuTexts(TopMenu(f, "&Tools")),
            (QStringList{"Appearance", "-", "Save Replay", "Load Replay", "-", "Copy Puzzle To Clipboard"}));
  const QStringList help = MenuTexts(TopMenu(f, "&Help"));
  ASSERT_FALSE(help.isEmpty());
  EXPECT_EQ(help.first(), QStringLiteral("Contents"));
  EXPECT_TRUE(help.contains(QStringLiteral("Check New Version")));
  EXPECT_TRUE(help.contains(QStringLiteral("Auto Check New Version")));
  EXPECT_EQ(help.last(), QStringLiteral("&About SudokuTessel"));

  // The menu items and the buttons share one handler each.
  EXPECT_EQ(TopMenu(f, "&New Game")->actions().first(), f.ToolButton11);
  EXPECT_EQ(TopMenu(f, "&File")->actions().at(1), TopMenu(f, "&New Game")->actions().last());
}

TEST_F(FormTest, ToolBarsInOrder) {
  TForm1& f = form();
  EXPECT_EQ(ToolBarNames(f.ToolBar1),
            (QStringList{"ToolButton1", "SaveCurrentBoard1", "ToolButton12", "ToolButton4", "|", "ToolButton11",
                         "ToolButton5", "ToolButton6", "ToolButton7", "ToolButton8", "|", "TimeLabel1", "|",
                         "tbresign", "tbsolve", "CopyPuzzleToClipboard1", "ndtxt"}));
  EXPECT_EQ(ToolBarNames(f.ToolBar2),
            (QStringList{"cbautoupdate", "|", "ToolButton16", "ToolButton9", "|", "b1", "b2", "b3", "|", "tbfirst",
                         "tbback", "tbnext", "tblast", "WC_Label"}));
  // Buttons show their hints as tooltips.
  auto* restart = f.ToolBar1->findChild<QToolButton*>(QStringLiteral("tbresign"));
  ASSERT_NE(restart, nullptr);
  EXPECT_EQ(restart->toolTip(), QStringLiteral("Restart"));
  EXPECT_FALSE(restart->icon().isNull());
  EXPECT_EQ(f.cbautoupdate->text(), QStringLiteral("Auto Update Candidates"));
}

TEST_F(FormTest, SidePanelControls) {
  TForm1& f = form();
  EXPECT_EQ(f.GroupBoxCandidates->title(), QStringLiteral("Show Candidates"));
  EXPECT_EQ(f.rb_none->text(), QStringLiteral("None  (F1)"));
  EXPECT_EQ(f.rb_all->text(), QStringLiteral("All  (F2)"));
  EXPECT_EQ(f.rb_one->text(), QStringLiteral("Only one  (F3)"));
  for (int d = 1; d <= 9; ++d) {
    ASSERT_NE(f.disnote[d], nullptr);
    EXPECT_EQ(f.disnote[d]->objectName(), QStringLiteral("disnote%1").arg(d));
    EXPECT_EQ(f.disnote[d]->text(), QString::number(d));
    EXPECT_TRUE(f.disnote[d]->isCheckable());
  }
  // 1 2 3 / 4 5 6 / 7 8 9
  EXPECT_LT(f.disnote[1]->x(), f.disnote[2]->x());
  EXPECT_EQ(f.disnote[1]->y(), f.disnote[3]->y());
  EXPECT_EQ(f.disnote[1]->x(), f.disnote[7]->x());
  EXPECT_LT(f.disnote[4]->y(), f.disnote[7]->y());
  EXPECT_EQ(f.GroupBoxColor->title(), QStringLiteral("Color Panel"));
  EXPECT_EQ(f.chkcolor->text(), QStringLiteral("Marking"));
  EXPECT_EQ(f.bt_clearcolor->text(), QStringLiteral("Clear Marking"));
  EXPECT_EQ(f.ColorGrid1->size(), QSize(96, 100));
}

TEST_F(FormTest, DigitButtonsFormOneGroup) {
  TForm1& f = form();
  f.ToolButton11Click();
  f.disnote[4]->click();
  EXPECT_EQ(f.SelectedDigit(), 4);
  EXPECT_FALSE(f.disnote[1]->isChecked());
  // In mode None the pressed button stays down.
  f.disnote[4]->click();
  EXPECT_TRUE(f.disnote[4]->isChecked());
  // Mode All allows all up.
  f.rb_all->setChecked(true);
  f.disnote[4]->click();
  EXPECT_EQ(f.SelectedDigit(), 0);
}

TEST_F(FormTest, ClientAreaLayout) {
  TForm1& f = form();
  f.ToolButton6Click();
  f.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&f));

  QWidget* client = f.centralWidget();
  EXPECT_EQ(client->size(), QSize(596, 545));
  EXPECT_EQ(f.minimumSize(), f.maximumSize()) << "the border is fixed";
  EXPECT_EQ(f.height(), f.menuBar()->height() + 545);
  EXPECT_FALSE(f.windowFlags() & Qt::WindowMaximizeButtonHint);

  EXPECT_EQ(f.TimeLabel1->size(), QSize(77, 22));
  EXPECT_EQ(f.sd991->size(), QSize(422, 422));
  const int bars[10] = {0, 483, 495, 507, 519, 532, 544, 556, 568, 581};
  for (int d = 1; d <= 9; ++d)
    EXPECT_EQ(f.ProgressBar[d]->geometry(), QRect(bars[d], 412, 11, 78)) << d;

  // Nothing sticks out of its parent or hides behind a neighbour.
  const QRect area = client->rect();
  std::vector<QWidget*> top = {f.ToolBar1, f.Panel1, f.GroupBoxCandidates, f.GroupBoxColor, f.ToolBar2, f.sb1};
  for (int d = 1; d <= 9; ++d) top.push_back(f.ProgressBar[d]);
  for (std::size_t i = 0; i < top.size(); ++i) {
    EXPECT_TRUE(area.contains(top[i]->geometry())) << top[i]->objectName().toStdString();
    for (std::size_t j = i + 1; j < top.size(); ++j)
      EXPECT_FALSE(top[i]->geometry().intersects(top[j]->geometry()))
          << top[i]->objectName().toStdString() << " overlaps " << top[j]->objectName().toStdString();
  }
  EXPECT_TRUE(f.Panel1->rect().contains(f.sd991->geometry()));
  for (QWidget* w : std::initializer_list<QWidget*>{f.rb_none, f.rb_all, f.rb_one, f.chkcolor, f.bt_clearcolor,
                                                    f.ColorGrid1, f.disnote[9]}) {
    EXPECT_TRUE(w->parentWidget()->rect().contains(w->geometry())) << w->objectName().toStdString();
    EXPECT_GE(w->width(), w->sizeHint().width()) << "text clipped: " << w->objectName().toStdString();
  }
  // Every toolbar item fits: no overflow button, the last items visible.
  for (QToolBar* bar : {f.ToolBar1, f.ToolBar2}) {
    for (QToolButton* b : bar->findChildren<QToolButton*>(QStringLiteral("qt_toolbar_ext_button")))
      EXPECT_FALSE(b->isVisible()) << bar->objectName().toStdString() << " overflows";
  }
  EXPECT_TRUE(f.ndtxt->isVisible());
  EXPECT_GE(f.ndtxt->width(), f.ndtxt->sizeHint().width());
  f.SetFinishedMark(true);
  QApplication::processEvents();
  EXPECT_TRUE(f.WC_Label->isVisible());
  EXPECT_LE(f.WC_Label->mapTo(f.ToolBar2, QPoint(f.WC_Label->width(), 0)).x(), f.ToolBar2->width());

  // Row letters at the left of the board, column digits above.
  auto* a = f.Panel1->findChild<QLabel*>(QStringLiteral("RowLabel1"));
  auto* i9 = f.Panel1->findChild<QLabel*>(QStringLiteral("RowLabel9"));
  auto* c1 = f.Panel1->findChild<QLabel*>(QStringLiteral("ColLabel1"));
  ASSERT_TRUE(a && i9 && c1);
  EXPECT_EQ(a->text(), QStringLiteral("A"));
  EXPECT_EQ(i9->text(), QStringLiteral("I"));
  EXPECT_EQ(c1->text(), QStringLiteral("1"));
  EXPECT_LE(a->geometry().right(), f.sd991->x());
  EXPECT_LE(c1->geometry().bottom(), f.sd991->y());
  const QRect cellA1 = tessel::TPICSD33::CellRect(1, 1).translated(f.sd991->pos());
  EXPECT_EQ(a->geometry().center().y(), cellA1.center().y());
  EXPECT_EQ(c1->geometry().center().x(), cellA1.center().x());
}

TEST_F(FormTest, HintsGoToTheStatusBar) {
  TForm1& f = form();
  QStatusTipEvent tip(QStringLiteral("Show hint"));
  QApplication::sendEvent(&f, &tip);
  EXPECT_EQ(f.HintText(), QStringLiteral("Show hint"));
  EXPECT_EQ(f.sb1->palette().color(QPalette::Window), QColor(255, 188, 121));
  QStatusTipEvent none{QString()};
  QApplication::sendEvent(&f, &none);
  EXPECT_TRUE(f.HintText().isEmpty());
}

TEST_F(FormTest, AboutAndVersionCheckSpeakThroughPrompts) {
  TForm1& f = form();
  f.About1->trigger();
  ASSERT_EQ(prompts_.Notices().size(), 1);
  const QString about = prompts_.Notices().at(0);
  EXPECT_TRUE(about.contains(QStringLiteral("Sudoku Tessel 4.65")));
  EXPECT_TRUE(about.contains(QStringLiteral("MIT")));

  f.CheckNewVersion1->trigger();
  ASSERT_EQ(prompts_.Notices().size(), 2);
  EXPECT_TRUE(prompts_.Notices().at(1).contains(QStringLiteral("No update check is available")));
  EXPECT_TRUE(opened_.empty()) << "the version check goes nowhere";

  f.AutoCheckNewVersion1->trigger();
  EXPECT_TRUE(f.AutoCheckNewVersion1->isChecked());
}

TEST_F(FormTest, HelpContentsOpensTheBundledPage) {
  TForm1& f = form();
  f.Contents1->trigger();
  ASSERT_EQ(opened_.size(), 1u);
  ASSERT_TRUE(opened_[0].isLocalFile());
  QFile page(opened_[0].toLocalFile());
  ASSERT_TRUE(page.open(QIODevice::ReadOnly));
  const QString html = QString::fromUtf8(page.readAll());
  EXPECT_TRUE(html.contains(QStringLiteral("<title>Sudoku Tessel 4.65 Help</title>")));
  EXPECT_TRUE(html.contains(QStringLiteral("Display modes")));
  EXPECT_TRUE(opened_[0].toLocalFile().startsWith(f.dataFolder));
  EXPECT_TRUE(prompts_.shown().empty());

  f.HomePage1->trigger();
  ASSERT_EQ(opened_.size(), 2u);
  EXPECT_EQ(opened_[1], QUrl(tessel::ui::kHomePage));
}

TEST_F(FormTest, HelpPageThatCannotBeOpenedIsReported) {
  TForm1& f = form();
  f.SetUrlOpener([](const QUrl&) { return false; });
  f.Contents1Click();
  ASSERT_EQ(prompts_.Notices().size(), 1);
  EXPECT_TRUE(prompts_.Notices().at(0).contains(QStringLiteral("help.html")));
}

// Renders the window after a seeded deal, for a look at the layout.
TEST_F(FormTest, ScreenshotAfterSeededDeal) {
  TForm1& f = form();
  f.ToolButton6Click();
  f.TimeLabel1->setTimerenabled(false);
  f.TimeLabel1->setMS(754000);
  f.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&f));
  const QPixmap shot = f.grab();
  EXPECT_EQ(shot.deviceIndependentSize().toSize(), f.size());
  // Beside the test binary: a fixed /tmp name collides between users.
  const QDir keep(QCoreApplication::applicationDirPath());
  EXPECT_TRUE(shot.save(keep.filePath(QStringLiteral("tessel-main.png"))));
  f.SetFinishedMark(true);
  f.rb_all->setChecked(true);
  QApplication::processEvents();
  EXPECT_TRUE(f.grab().save(keep.filePath(QStringLiteral("tessel-main-all.png"))));
}
