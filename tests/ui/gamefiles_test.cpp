// The last game and the replays on a real window: save and load, continue
// after a close, the damaged and missing files, and the clock.
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QRadioButton>

#include "board_helpers.hpp"
#include "core/gamefile.hpp"

namespace uitest {
namespace {

class GameFilesTest : public FormTest {
 protected:
  std::string Steps() { return Enabled(form(), {"tbfirst", "tbback", "tbnext", "tblast"}); }
  const tessel::History& history() { return game().history(); }
  void Trigger(const char* action) { Act(form(), action)->trigger(); }
  static std::vector<int> Opens(const tessel::Board& b) {
    std::vector<int> out;
    for (int i = 0; i < tessel::kCells; ++i)
      if (b[i].state == tessel::kOpen) out.push_back(i);
    return out;
  }
  // Enters the solution digit into the next n open cells, one history entry each.
  void Play(int n) {
    const std::string solution = game().store().GetSolution();
    for (int i : Opens(board()))
      if (n-- > 0) {
        board()[i] = {tessel::RowOf(i), tessel::ColOf(i), std::string(1, solution[i]), tessel::kEntered, false};
        Record();
      }
  }
  QString LastGame() { return DataFile("lastgame.dat"); }
  // Closes the window and makes a fresh one on the same data folder.
  void Reopen() {
    form().close();
    form_ = std::make_unique<tessel::ui::TForm1>(prompts_);
  }
};

TEST_F(GameFilesTest, ReplayRoundTrip) {
  form().ToolButton6Click();
  Play(3);
  const std::string image = BoardImage(board());
  const std::vector<std::string> entries = history().lines();
  const std::string solution = game().store().GetSolution();
  const QString path = DataFile("replay/my game");  // no extension added

  prompts_.AnswerSaveFile(path);
  Trigger("savet");
  const std::string written = FileBytes(path);
  EXPECT_EQ(written.substr(0, 85), "2 " + board().GivensString() + "\r\n");
  // An existing file: No leaves it untouched.
  form().ToolButton8Click();
  prompts_.AnswerSaveFile(path).AnswerAsk(false);
  Trigger("savet");
  EXPECT_EQ(prompts_.Questions(), QStringList({"This File name already exits,OK to overwrite it?"}));
  EXPECT_EQ(FileBytes(path), written);

  game().marks()[5][0] = 255;
  Child<QRadioButton>(form(), "rb_all")->setChecked(true);
  Clock().setMS(9000);
  form().b1Click();
  prompts_.AnswerOpenFile(path);
  Trigger("objectSaveGameStepByStep1TMenuItem1");
  EXPECT_TRUE(prompts_.Notices().isEmpty());
  EXPECT_EQ(BoardImage(board()), image);
  EXPECT_EQ(Child<QLabel>(form(), "ndtxt")->text(), "  Level:Moderate");
  EXPECT_EQ(game().store().GetSolution(), solution);
  EXPECT_EQ(history().lines(), entries);
  EXPECT_EQ(Steps() + Enabled(form(), {"b1", "b2"}), "110010") << "at the last entry, no branch";
  EXPECT_TRUE(Clock().timerenabled());
  EXPECT_EQ(Clock().MS(), 0);
  EXPECT_EQ(game().marks()[5][0], tessel::kNoMark);
  EXPECT_EQ(game().mode(), tessel::DisplayMode::kNone);
}

// Continue after a close shows the last entry, not the step on show; a
// missing file changes nothing, a game closed untouched continues as dealt,
// and a change of candidates alone is a position of its own.
TEST_F(GameFilesTest, ContinueAfterAClose) {
  form().ToolButton5Click();
  const std::string image = BoardImage(board());
  Trigger("Con1");
  EXPECT_EQ(BoardImage(board()), image) << "no lastgame.dat yet";
  Play(4);
  const std::vector<std::string> entries = history().lines();
  for (int i = 0; i < 3; ++i) form().tbbackClick();
  Reopen();
  Trigger("Con1");
  EXPECT_EQ(history().lines(), entries);
  EXPECT_EQ(tessel::TakeSnapshot(board()), entries.back());
  EXPECT_EQ(Steps(), "1100");
  EXPECT_EQ(board().nd, 1);
  Play(1);
  Trigger("Con1");
  EXPECT_EQ(history().lines(), entries) << "again within the run: the game as at the close";

  form().ToolButton11Click();
  Reopen();
  Trigger("Con1");
  EXPECT_EQ(history().count(), 1);
  EXPECT_EQ(Steps(), "0000");
  board()[Opens(board()).at(0)].text = "12";
  Record();
  const auto candidates = history().lines();
  ASSERT_EQ(candidates.size(), 2u);
  Reopen();
  Trigger("Con1");
  EXPECT_EQ(history().lines(), candidates);
}

// A run that never had a game leaves lastgame.dat as it was.
TEST_F(GameFilesTest, ACloseWithoutAGameKeepsTheLastGame) {
  Reopen();
  EXPECT_FALSE(QFileInfo::exists(LastGame()));
  form().ToolButton5Click();
  Play(3);
  const std::vector<std::string> entries = history().lines();
  Reopen();
  const std::string written = FileBytes(LastGame());
  Reopen();  // started and closed at once
  EXPECT_EQ(FileBytes(LastGame()), written);
  Trigger("Con1");
  EXPECT_EQ(history().lines(), entries);
}

// Cancel keeps the clock; a damaged replay or last game changes nothing of
// the game in play, and the next close still keeps that game.
TEST_F(GameFilesTest, AFailedLoadChangesNothing) {
  form().ToolButton5Click();
  Clock().setMS(5000);
  prompts_.AnswerOpenFile(std::nullopt);
  Trigger("objectSaveGameStepByStep1TMenuItem1");
  EXPECT_TRUE(Clock().timerenabled());
  EXPECT_EQ(Clock().MS(), 5000);

  Play(3);
  form().tbbackClick();
  Trigger("b1");
  Play(1);
  Child<QRadioButton>(form(), "rb_all")->setChecked(true);
  game().marks()[7][0] = 255;
  const std::string text = tessel::GameFileText(board(), game().store(), history());
  const std::string image = BoardImage(board());
  const std::vector<std::string> entries = history().lines();
  const int cursor = history().cursor();
  auto expectUnchanged = [&] {
    EXPECT_EQ(BoardImage(board()), image);
    EXPECT_EQ(history().lines(), entries);
    EXPECT_EQ(history().cursor(), cursor);
    EXPECT_TRUE(history().BranchOpen());
    EXPECT_EQ(Enabled(form(), {"b1", "b2", "b3"}), "011");
    EXPECT_EQ(game().marks()[7][0], 255u);
    EXPECT_EQ(game().mode(), tessel::DisplayMode::kAll);
    EXPECT_TRUE(Clock().timerenabled());
    EXPECT_EQ(Clock().MS(), 5000);
  };

  // The standard error box names the bad digit.
  const QString bad = DataFile("replay/bad");
  ASSERT_TRUE(tessel::WriteFileAtomic(QFile::encodeName(bad).toStdString(), "Z" + text.substr(1)));
  prompts_.AnswerOpenFile(bad);
  Trigger("objectSaveGameStepByStep1TMenuItem1");
  EXPECT_EQ(prompts_.Notices(), QStringList({"'Z' is not a valid integer value"}));
  expectUnchanged();

  // Continue stays silent.
  ASSERT_TRUE(tessel::WriteFileAtomic(QFile::encodeName(LastGame()).toStdString(), text.substr(0, 168)));
  Trigger("Con1");
  EXPECT_EQ(prompts_.Notices().size(), 1);
  expectUnchanged();

  Reopen();
  Trigger("Con1");
  EXPECT_EQ(history().lines(), entries);
}

// The old file stays whole (core textfile tests) and the window says so.
TEST_F(GameFilesTest, AFailedReplaySaveIsReported) {
  form().ToolButton5Click();
  const QString path = DataFile("replay/r");
  ASSERT_TRUE(tessel::WriteFileAtomic(QFile::encodeName(path).toStdString(), "old\r\n"));
  tessel::SetWriteFailureAfterBytesForTesting(40);
  prompts_.AnswerSaveFile(path).AnswerAsk(true);
  Trigger("savet");
  EXPECT_EQ(FileBytes(path), "old\r\n");
  EXPECT_EQ(prompts_.Notices().size(), 1);
}

}  // namespace
}  // namespace uitest
