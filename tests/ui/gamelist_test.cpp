// The save dialog and the game list over games.dat: what the player saves is
// reachable from the list, a damaged or refused file is never lost, and two
// running copies keep each other's games.
#include <QDir>
#include <QLineEdit>
#include <QLockFile>
#include <QTableWidget>

#include "core/gamestore.hpp"
#include "ui/gamelist.hpp"
#include "ui_fixture.hpp"

namespace uitest {
namespace {

using tessel::ui::Tfrmgamelist;
using tessel::ui::Tfrmsave;

// Fills in the save dialog: the name, the level (-1: the one preselected), OK.
void SaveAs(Tfrmsave& d, const QString& name, int level = -1) {
  Child<QLineEdit>(d, "Edit1")->setText(name);
  if (level >= 0) Click(d, QStringLiteral("Level%1").arg(level));
  Click(d, "Button1");
}

class GameListTest : public FormTest {
 protected:
  void SetUp() override {
    FormTest::SetUp();
    form().ToolButton5Click();  // Gentle
  }
  std::vector<std::string> Lines() { return tessel::SplitLines(FileBytes(DataFile("games.dat"))); }
  void Write(const std::vector<std::string>& lines) { WriteDataFile("games.dat", tessel::JoinCrLf(lines)); }
  void Save(const QString& name, int level = -1) {
    WithDialog<Tfrmsave>("SaveCurrentBoard1", [&](Tfrmsave& d) {
      EXPECT_EQ(d.ItemIndex(), board().nd) << "the board's level preselected";
      EXPECT_EQ(Child<QWidget>(d, "Level3")->y(), Child<QWidget>(d, "Level0")->y()) << "two columns of three";
      SaveAs(d, name, level);
    });
  }
  void WithList(const std::function<void(Tfrmgamelist&)>& body) { WithDialog<Tfrmgamelist>("ToolButton1", body); }
  static QTableWidget& Grid(Tfrmgamelist& d) { return *Child<QTableWidget>(d, "StringGrid1"); }
  static QStringList Names(Tfrmgamelist& d) {
    QStringList out;
    for (int r = 0; r < Grid(d).rowCount(); ++r) out << Grid(d).model()->index(r, 0).data().toString();
    return out;
  }
  // Clicks a button of the list with row selected.
  static void On(Tfrmgamelist& d, int row, const char* button) {
    Grid(d).setCurrentCell(row, 0);
    Click(d, button);
  }
};

TEST_F(GameListTest, SavingTwiceAsksAndOverwritesAtTheEnd) {
  Save("New Game", 3);
  Save("Other");
  prompts_.AnswerAsk(true);
  Save("New Game", 4);
  EXPECT_EQ(prompts_.Notices(), QStringList(3, "Game has been saved"));
  EXPECT_EQ(prompts_.Questions(), QStringList({"This Game board name already exits,OK to overwrite it?"}));
  const auto lines = Lines();
  ASSERT_EQ(lines.size(), 26u);
  EXPECT_EQ(lines[13] + '|' + lines[14].substr(0, 2), "Name=New Game|4 ") << "the level chosen, at the end";
  prompts_.AnswerAsk(false);
  Save("Other", 0);
  EXPECT_EQ(prompts_.Notices().size(), 3) << "No keeps the file and says nothing more";
  EXPECT_EQ(Lines(), lines);
}

TEST_F(GameListTest, ListRenamesDeletesAndOpens) {
  game().store().at(9, 9).value = 0;  // an incomplete solution
  Save("Game", 2);
  Save("game");
  WithList([&](Tfrmgamelist& d) {
    EXPECT_EQ(Names(d), QStringList({"Game", "game"}));
    EXPECT_EQ(Grid(d).item(0, 1)->text() + Grid(d).item(1, 1)->text(), "ModerateGentle");
    // A name taken: the message, then the box again.
    prompts_.AnswerInput(QString("game")).AnswerInput(std::nullopt);
    On(d, 0, "Button2");
    EXPECT_EQ(prompts_.Notices().last(), "This Game board name already exits");
    prompts_.AnswerInput(QString("Re\r\nnamed"));  // so in a new name
    On(d, 0, "Button2");
    EXPECT_EQ(Names(d), QStringList({"Re  named", "game"}));
    // Delete: No keeps the game, Yes removes it.
    prompts_.AnswerAsk(false).AnswerAsk(true);
    On(d, 1, "Button1");
    On(d, 1, "Button1");
    EXPECT_EQ(Names(d), QStringList({"Re  named"}));
    Click(d, "Button4");
  });
  const std::vector<std::string> saved = Lines();
  EXPECT_TRUE(saved[0] == "Name=Re  named" && saved.size() == 13u);

  // Play on, mark a cell, start a branch; opening the saved game drops all of it.
  form().ToolButton7Click();
  game().marks()[10][0] = 255;
  form().b1Click();
  Clock().setMS(70000);
  WithList([&](Tfrmgamelist& d) { On(d, 0, "Button3"); });
  EXPECT_TRUE(game().marks()[10][0] == tessel::kNoMark && Clock().MS() == 0);
  EXPECT_TRUE(game().history().count() == 1 && !Act(form(), "tbback")->isEnabled());
  EXPECT_TRUE(Act(form(), "b1")->isEnabled() && !Act(form(), "b2")->isEnabled() && !Act(form(), "b3")->isEnabled());
  EXPECT_TRUE(board().nd == 2 && game().store().GetSolution().empty());
  const auto rows = tessel::BuildBoardLines(board());
  EXPECT_EQ(rows, std::vector<std::string>(saved.begin() + 2, saved.begin() + 2 + rows.size()));

  // Down to the last record: one empty row, where Delete and Rename do
  // nothing and OK clears the board.
  WithList([&](Tfrmgamelist& d) {
    prompts_.AnswerAsk(true);
    On(d, 0, "Button1");
    EXPECT_EQ(Names(d), QStringList({""}));
    Click(d, "Button1");
    prompts_.AnswerInput(QString("X"));
    Click(d, "Button2");
    Click(d, "Button3");
  });
  EXPECT_TRUE(Lines().empty());
  EXPECT_EQ(board()[0].text, "");
}

// A damaged, unreadable or unwritable games.dat is reported and left as it
// is; "Game has been saved" only when the list can reach the game.
TEST_F(GameListTest, DamagedOrRefusedFileIsReportedAndKept) {
  // A name in another encoding (an older list) survives a rename box left as it was.
  std::vector<std::string> lines;
  tessel::AppendGame(lines, "\xca\xfd\xb6\xc0", 1, "", tessel::BuildBoardLines(board()));
  Write(lines);
  prompts_.AnswerInput(std::nullopt);
  WithList([&](Tfrmgamelist& d) { On(d, 0, "Button2"); });
  ASSERT_EQ(Lines(), lines);
  lines.clear();
  for (const char* name : {"Good", "Bad"})
    tessel::AppendGame(lines, name, 1, "", tessel::BuildBoardLines(board()));
  lines[14] = "q ";
  lines[2].replace(0, 1, "z");
  Write(lines);
  WithList([&](Tfrmgamelist& d) {
    EXPECT_EQ(Names(d), QStringList({"Good"})) << "the list stops at the bad level";
    On(d, 0, "Button3");
  });
  EXPECT_EQ(prompts_.Notices(), QStringList({"'q' is not a valid integer value", "'z' is not a valid integer value"}));

  // A full disk: the old file stays whole, in the list as well.
  prompts_.Clear();
  tessel::SetWriteFailureAfterBytesForTesting(50);
  Save("New");
  WithList([&](Tfrmgamelist& d) {
    prompts_.AnswerAsk(true).AnswerInput(QString("Other"));
    On(d, 0, "Button1");
    On(d, 0, "Button2");
    EXPECT_EQ(Names(d), QStringList({"Good"}));
  });
  tessel::SetWriteFailureAfterBytesForTesting(-1);
  EXPECT_EQ(Lines(), lines);
  EXPECT_EQ(prompts_.Notices().filter("has been saved").size(), 0);
  EXPECT_EQ(prompts_.Notices().filter("No space left").size(), 3) << "save, delete, rename";

  // Cut short: a save is refused rather than put where the list cannot reach it.
  lines.resize(20);
  Write(lines);
  prompts_.Clear();
  Save("Lost?");
  EXPECT_EQ(Lines(), lines);
  EXPECT_TRUE(prompts_.Notices().size() == 1 && prompts_.Notices()[0].startsWith("Your game was not saved"));

  // Unreadable: no dialog, never replaced by an empty list.
  QFile::remove(DataFile("games.dat"));
  ASSERT_TRUE(QDir().mkpath(DataFile("games.dat")));
  prompts_.Clear();
  form().SetModalRunner([](QDialog&) { ADD_FAILURE() << "no dialog expected"; });
  Act(form(), "ToolButton1")->trigger();
  Act(form(), "SaveCurrentBoard1")->trigger();
  EXPECT_EQ(prompts_.Notices().size(), 2);
  EXPECT_TRUE(QFileInfo(DataFile("games.dat")).isDir());
}

// Two running copies on one data folder: every change reads the file afresh
// under a lock, so neither loses the other's games.
TEST_F(GameListTest, TwoRunningCopiesKeepEachOthersGames) {
  tessel::ui::ScriptedPrompts otherPrompts;
  otherPrompts.SetUnexpectedHandler([](const QString& problem) { ADD_FAILURE() << problem.toStdString(); });
  tessel::ui::TForm1 other(otherPrompts);
  other.ToolButton5Click();
  auto otherSaves = [&](const QString& name) {
    other.SetModalRunner([&](QDialog& d) { SaveAs(dynamic_cast<Tfrmsave&>(d), name); });
    other.SaveCurrentBoard1Click();
  };
  // This copy's save dialog is open while the other saves.
  WithDialog<Tfrmsave>("SaveCurrentBoard1", [&](Tfrmsave& d) {
    otherSaves("Theirs");
    SaveAs(d, "Mine");
  });
  WithList([&](Tfrmgamelist& d) {
    EXPECT_EQ(Names(d), QStringList({"Theirs", "Mine"}));
    otherSaves("Later");
    prompts_.AnswerAsk(true);
    On(d, 1, "Button1");
    EXPECT_EQ(Names(d), QStringList({"Theirs", "Later"}));
    // A game the other copy deleted since is reported, not opened.
    std::vector<std::string> lines = Lines();
    ASSERT_TRUE(tessel::DeleteGame(lines, "Theirs"));
    Write(lines);
    const std::string shown = BoardImage(board());
    On(d, 0, "Button3");
    EXPECT_EQ(BoardImage(board()), shown) << "the game in play stays";
    EXPECT_EQ(Names(d), QStringList({"Later"}));
    // While the other copy holds the lock nothing changes, and it says so.
    Tfrmsave::SetLockWaitForTesting(100);
    QLockFile held(DataFile("games.dat.lock"));
    ASSERT_TRUE(held.tryLock(0));
    prompts_.AnswerAsk(true);
    On(d, 0, "Button1");
    held.unlock();
    Tfrmsave::SetLockWaitForTesting(3000);
    EXPECT_EQ(Names(d), QStringList({"Later"}));
  });
  EXPECT_EQ(prompts_.Notices().filter("no longer in your list").size(), 1);
  EXPECT_EQ(prompts_.Notices().filter("Another copy").size(), 1);
  EXPECT_TRUE(tessel::FindGame(Lines(), "Later") == 1 && Lines().size() == 13u);
  EXPECT_EQ(otherPrompts.Notices(), QStringList({"Game has been saved", "Game has been saved"}));
}

}  // namespace
}  // namespace uitest
