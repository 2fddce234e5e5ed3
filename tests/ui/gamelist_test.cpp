// The save dialog and the game list on a real window: saving, overwriting,
// the list rows, delete, rename, opening, and the damaged games.dat.
#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QLockFile>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>

#include "core/gamestore.hpp"
#include "core/textfile.hpp"
#include "ui/gamelist.hpp"
#include "ui_fixture.hpp"

namespace uitest {
namespace {

using tessel::ui::Tfrmgamelist;
using tessel::ui::Tfrmsave;

class GameListTest : public FormTest {
 protected:
  void SetUp() override {
    FormTest::SetUp();
    form().ToolButton5Click();  // Gentle
  }
  QString GamesPath() { return form().dataFolder + "games.dat"; }
  std::vector<std::string> GamesLines() {
    return tessel::SplitLines(tessel::ReadWholeFile(QFile::encodeName(GamesPath()).toStdString()).bytes);
  }
  // Saves the board under name at level (or the preselected one when -1).
  void Save(const QString& name, int level = -1) {
    form().SetModalRunner([&](QDialog& d) {
      auto& dlg = dynamic_cast<Tfrmsave&>(d);
      EXPECT_EQ(dlg.windowTitle(), "Save Your Game");
      EXPECT_EQ(dlg.ItemIndex(), form().sd991->board().nd);
      dlg.Edit1->setText(name);
      if (level >= 0) dlg.RadioButtons->button(level)->click();
      dlg.Button1->click();
    });
    form().SaveCurrentBoard1->trigger();
  }
  // Shows the list and runs body on it.
  void WithList(const std::function<void(Tfrmgamelist&)>& body) {
    bool shown = false;
    form().SetModalRunner([&](QDialog& d) {
      shown = true;
      auto& dlg = dynamic_cast<Tfrmgamelist&>(d);
      EXPECT_EQ(dlg.windowTitle(), "Choose a sudoku");
      body(dlg);
    });
    form().ToolButton1->trigger();
    EXPECT_TRUE(shown);
  }
  static QStringList Names(Tfrmgamelist& dlg) {
    QStringList out;
    for (int r = 0; r < dlg.StringGrid1->rowCount(); ++r)
      out << (dlg.StringGrid1->item(r, 0) ? dlg.StringGrid1->item(r, 0)->text() : QString());
    return out;
  }
  static void Select(Tfrmgamelist& dlg, int row) { dlg.StringGrid1->setCurrentCell(row, 0); }
};

TEST_F(GameListTest, SavingTwiceOverwritesAndMovesToTheEnd) {
  Save("New Game", 3);  // the level chosen, not the board's
  Save("Other");
  prompts_.AnswerAsk(true);
  Save("New Game", 4);
  EXPECT_EQ(prompts_.Notices(), QStringList({"Game has been saved", "Game has been saved", "Game has been saved"}));
  EXPECT_EQ(prompts_.Questions(), QStringList({"This Game board name already exits,OK to overwrite it?"}));
  const auto lines = GamesLines();
  ASSERT_EQ(lines.size(), 26u);
  EXPECT_EQ(lines[0], "Name=Other");
  EXPECT_EQ(lines[1], "1 " + form().QJ1.GetSolution());
  EXPECT_EQ(lines[13], "Name=New Game");
  EXPECT_EQ(lines[14].substr(0, 2), "4 ");
  for (int r = 15; r < 24; ++r) EXPECT_EQ(lines[r].size(), 90u);
  EXPECT_EQ(tessel::ReadWholeFile(QFile::encodeName(GamesPath()).toStdString()).bytes.substr(0, 12),
            "Name=Other\r\n");

  // No keeps the file as it was and says nothing more.
  prompts_.Clear();
  prompts_.AnswerAsk(false);
  Save("Other", 0);
  EXPECT_TRUE(prompts_.Notices().isEmpty());
  EXPECT_EQ(GamesLines(), lines);
}

TEST_F(GameListTest, ListDeleteRenameAndOpen) {
  auto& f = form();
  // A board with a given, an entered digit, candidates and an incomplete solution.
  f.QJ1.at(9, 9).value = 0;
  Save("Game", 2);
  Save("game");
  Save("  Spaced");
  WithList([&](Tfrmgamelist& dlg) {
    EXPECT_EQ(Names(dlg), QStringList({"Game", "game", "  Spaced"}));
    EXPECT_EQ(dlg.StringGrid1->item(0, 1)->text(), "Moderate");
    EXPECT_EQ(dlg.StringGrid1->item(1, 1)->text(), "Gentle");

    // Same name: nothing. Existing name: the message, then the box again.
    Select(dlg, 0);
    prompts_.AnswerInput(QString("Game"));
    dlg.Button2->click();
    prompts_.AnswerInput(QString("game")).AnswerInput(std::nullopt);
    dlg.Button2->click();
    EXPECT_EQ(prompts_.Notices().last(), "This Game board name already exits");
    prompts_.AnswerInput(QString("Renamed"));
    dlg.Button2->click();
    EXPECT_EQ(Names(dlg), QStringList({"Renamed", "game", "  Spaced"}));
    EXPECT_EQ(tessel::FindGame(GamesLines(), "Renamed"), 1);

    // Delete: No keeps it, Yes removes the row.
    Select(dlg, 1);
    prompts_.AnswerAsk(false);
    dlg.Button1->click();
    prompts_.AnswerAsk(true);
    dlg.Button1->click();
    EXPECT_EQ(Names(dlg), QStringList({"Renamed", "  Spaced"}));
    EXPECT_EQ(GamesLines().size(), 26u);
    dlg.Button4->click();
  });

  // Play on, mark a cell, then open the saved game.
  const std::vector<std::string> saved = GamesLines();
  const int firstOpen = [&] {
    for (int i = 0; i < tessel::kCells; ++i)
      if (f.sd991->board()[i].state == tessel::kOpen) return i;
    return 0;
  }();
  f.sd991->board()[firstOpen].state = tessel::kEntered;
  f.sd991->board()[firstOpen].text = "5";
  f.RecountDigits();
  f.colorMarks[10][0] = 255;
  f.TimeLabel1->setMS(70000);
  f.b1Click();
  WithList([&](Tfrmgamelist& dlg) {
    Select(dlg, 0);
    dlg.Button3->click();
  });
  EXPECT_EQ(f.colorMarks[10][0], tessel::ui::TForm1::kNoMark);
  EXPECT_EQ(f.history.count(), 1);
  EXPECT_FALSE(f.tbback->isEnabled());
  EXPECT_FALSE(f.tblast->isEnabled());
  EXPECT_EQ(f.TimeLabel1->MS(), 0);
  EXPECT_TRUE(f.TimeLabel1->timerenabled());
  EXPECT_TRUE(f.b1->isEnabled());
  EXPECT_FALSE(f.b2->isEnabled());
  EXPECT_EQ(f.sd991->board().nd, 2);
  EXPECT_EQ(f.QJ1.GetSolution(), "");  // saved incomplete
  const auto rows = tessel::BuildBoardLines(f.sd991->board());
  for (int r = 0; r < 9; ++r) EXPECT_EQ(rows[r], saved[2 + r]) << r;

  // Deleting down to the last record leaves one empty row and an empty file.
  WithList([&](Tfrmgamelist& dlg) {
    Select(dlg, 1);
    prompts_.AnswerAsk(true);
    dlg.Button1->click();
    Select(dlg, 0);
    prompts_.AnswerAsk(true);
    dlg.Button1->click();
    EXPECT_EQ(dlg.StringGrid1->rowCount(), 1);
    EXPECT_EQ(Names(dlg), QStringList({""}));
    // Delete and Rename on the empty row change nothing.
    dlg.Button1->click();
    prompts_.AnswerInput(QString("X"));
    dlg.Button2->click();
    // OK on it clears the board and closes.
    dlg.Button3->click();
  });
  EXPECT_TRUE(GamesLines().empty());
  EXPECT_EQ(f.sd991->board()[0].text, "");
}

TEST_F(GameListTest, NamesKeepTheirBytes) {
  Save(QString::fromUtf8("Grün 数独"));
  WithList([&](Tfrmgamelist& dlg) {
    EXPECT_EQ(Names(dlg), QStringList({QString::fromUtf8("Grün 数独")}));
    EXPECT_EQ(dlg.SelectedName(), "Grün 数独");
  });
  EXPECT_EQ(GamesLines()[0], "Name=Grün 数独");
}

TEST_F(GameListTest, DamagedGamesFileIsReportedAndKept) {
  // A bad level digit: the list stops there, opening reports the digit.
  std::vector<std::string> lines;
  tessel::AppendGame(lines, "Good", 1, "", tessel::BuildBoardLines(form().sd991->board()));
  tessel::AppendGame(lines, "Bad", 1, "", tessel::BuildBoardLines(form().sd991->board()));
  lines[14] = "q ";
  lines[2].replace(0, 1, "z");
  ASSERT_TRUE(tessel::WriteFileAtomic(QFile::encodeName(GamesPath()).toStdString(), tessel::JoinCrLf(lines)));
  WithList([&](Tfrmgamelist& dlg) {
    EXPECT_EQ(Names(dlg), QStringList({"Good"}));
    Select(dlg, 0);
    dlg.Button3->click();
  });
  EXPECT_EQ(prompts_.Notices(),
            QStringList({"'q' is not a valid integer value", "'z' is not a valid integer value"}));

  // games.dat that cannot be read is never replaced by an empty list.
  QFile::remove(GamesPath());
  ASSERT_TRUE(QDir().mkpath(GamesPath()));
  prompts_.Clear();
  form().SetModalRunner([](QDialog&) { ADD_FAILURE() << "no dialog expected"; });
  form().ToolButton1->trigger();
  form().SaveCurrentBoard1->trigger();
  EXPECT_EQ(prompts_.Notices().size(), 2);
  EXPECT_TRUE(QFileInfo(GamesPath()).isDir());
}

TEST_F(GameListTest, FailedSaveKeepsTheOldFile) {
  Save("Old");
  const auto before = GamesLines();
  prompts_.Clear();
  tessel::SetWriteFailureAfterBytesForTesting(50);
  Save("New");
  tessel::SetWriteFailureAfterBytesForTesting(-1);
  EXPECT_EQ(GamesLines(), before);
  ASSERT_EQ(prompts_.Notices().size(), 1);
  EXPECT_NE(prompts_.Notices()[0], "Game has been saved");
}

// Pasted line breaks, a disk that refuses a change, and a file cut short:
// the list always shows what is on disk, and "Game has been saved" only
// appears when the list can reach the game.
TEST_F(GameListTest, NamesStayOneLineAndTheListShowsTheDisk) {
  Save("two\nlines");
  Save("Later");
  EXPECT_EQ(prompts_.Notices(), QStringList({"Game has been saved", "Game has been saved"}));
  ASSERT_EQ(GamesLines().size(), 26u);
  EXPECT_EQ(GamesLines()[0], "Name=two lines");
  WithList([&](Tfrmgamelist& dlg) {
    EXPECT_EQ(Names(dlg), QStringList({"two lines", "Later"}));
    Select(dlg, 1);
    prompts_.AnswerInput(QString("re\r\nnamed"));
    dlg.Button2->click();
    EXPECT_EQ(Names(dlg), QStringList({"two lines", "re  named"}));

    // A full disk: the error is shown and nothing in the list changes.
    prompts_.Clear();
    tessel::SetWriteFailureAfterBytesForTesting(0);
    prompts_.AnswerAsk(true);
    dlg.Button1->click();
    prompts_.AnswerInput(QString("Other"));
    dlg.Button2->click();
    tessel::SetWriteFailureAfterBytesForTesting(-1);
    EXPECT_EQ(prompts_.Notices().size(), 2);
    EXPECT_EQ(Names(dlg), QStringList({"two lines", "re  named"}));
  });
  EXPECT_EQ(GamesLines()[13], "Name=re  named");

  // A file cut short: reported, and a save is refused rather than put where
  // the list cannot reach it.
  auto lines = GamesLines();
  lines.resize(20);
  ASSERT_TRUE(tessel::WriteFileAtomic(QFile::encodeName(GamesPath()).toStdString(), tessel::JoinCrLf(lines)));
  prompts_.Clear();
  Save("Lost?");
  EXPECT_EQ(GamesLines(), lines);
  ASSERT_EQ(prompts_.Notices().size(), 1);
  EXPECT_TRUE(prompts_.Notices()[0].startsWith("Your game was not saved")) << prompts_.Notices()[0].toStdString();
  prompts_.Clear();
  WithList([&](Tfrmgamelist& dlg) { EXPECT_EQ(Names(dlg), QStringList({"two lines", "re  named"})); });
  ASSERT_EQ(prompts_.Notices().size(), 1);
  EXPECT_TRUE(prompts_.Notices()[0].contains("damaged"));
}

// Two running copies on one data folder: every change reads the file afresh
// under a lock, so neither loses the other's games.
TEST_F(GameListTest, TwoRunningCopiesKeepEachOthersGames) {
  tessel::ui::ScriptedPrompts otherPrompts;
  otherPrompts.SetUnexpectedHandler([](const QString& problem) { ADD_FAILURE() << problem.toStdString(); });
  tessel::ui::TForm1 other(otherPrompts);
  other.ToolButton5Click();
  auto otherSaves = [&](const QString& name) {
    other.SetModalRunner([&](QDialog& d) {
      auto& dlg = dynamic_cast<Tfrmsave&>(d);
      dlg.Edit1->setText(name);
      dlg.Button1->click();
    });
    other.SaveCurrentBoard1->trigger();
  };

  // This copy's save dialog is open while the other saves.
  form().SetModalRunner([&](QDialog& d) {
    otherSaves("Theirs");
    auto& dlg = dynamic_cast<Tfrmsave&>(d);
    dlg.Edit1->setText("Mine");
    dlg.Button1->click();
  });
  form().SaveCurrentBoard1->trigger();

  WithList([&](Tfrmgamelist& dlg) {
    EXPECT_EQ(Names(dlg), QStringList({"Theirs", "Mine"}));
    otherSaves("Later");
    Select(dlg, 1);
    prompts_.AnswerAsk(true);
    dlg.Button1->click();
    EXPECT_EQ(Names(dlg), QStringList({"Theirs", "Later"}));
    // A game the other copy deleted since is reported, not opened.
    std::vector<std::string> lines = GamesLines();
    ASSERT_TRUE(tessel::DeleteGame(lines, "Theirs"));
    ASSERT_TRUE(tessel::WriteFileAtomic(QFile::encodeName(GamesPath()).toStdString(), tessel::JoinCrLf(lines)));
    const std::string shown = BoardImage(board());
    Select(dlg, 0);
    dlg.Button3->click();
    EXPECT_EQ(BoardImage(board()), shown) << "the game in play stays";
    EXPECT_EQ(Names(dlg), QStringList({"Later"}));

    // While the other copy holds the lock nothing changes, and it says so.
    Tfrmsave::SetLockWaitForTesting(100);
    QLockFile held(form().dataFolder + "games.dat.lock");
    ASSERT_TRUE(held.tryLock(0));
    prompts_.AnswerAsk(true);
    dlg.Button1->click();
    held.unlock();
    Tfrmsave::SetLockWaitForTesting(3000);
    EXPECT_EQ(Names(dlg), QStringList({"Later"}));
  });
  EXPECT_EQ(prompts_.Notices().filter("no longer in your list").size(), 1);
  EXPECT_EQ(prompts_.Notices().filter("Another copy").size(), 1);
  std::string error;
  const auto rows = tessel::ListGames(GamesLines(), &error);
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows[0].name, "Later");
  EXPECT_EQ(otherPrompts.Notices(), QStringList({"Game has been saved", "Game has been saved"}));
}

}  // namespace
}  // namespace uitest
