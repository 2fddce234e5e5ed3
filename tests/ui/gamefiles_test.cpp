// The last game and the replays on a real window: save and load, continue
// after a close, the damaged and missing files, and the clock.
#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QFileInfo>
#include <QRadioButton>
#include <QRegularExpression>
#include <QToolButton>

#include "core/gamefile.hpp"
#include "core/textfile.hpp"
#include "ui_fixture.hpp"

namespace uitest {
namespace {

class GameFilesTest : public FormTest {
 protected:
  void TearDown() override {
    tessel::SetWriteFailureAfterBytesForTesting(-1);
    FormTest::TearDown();
  }
  std::string Steps() {
    auto& f = form();
    std::string out;
    for (QAction* a : {f.tbfirst, f.tbback, f.tbnext, f.tblast}) out += a->isEnabled() ? '1' : '0';
    return out;
  }
  // Enters the solution digit into the next n open cells, one history entry each.
  void Play(int n) {
    auto& f = form();
    const std::string solution = f.QJ1.GetSolution();
    for (int i = 0; i < tessel::kCells && n > 0; ++i) {
      tessel::Cell& c = f.sd991->board()[i];
      if (c.state != tessel::kOpen) continue;
      c.state = tessel::kEntered;
      c.text = std::string(1, solution[i]);
      f.RecountDigits();
      --n;
    }
  }
  QString LastGame() { return form().dataFolder + "lastgame.dat"; }
  std::string Bytes(const QString& path) {
    return tessel::ReadWholeFile(QFile::encodeName(path).toStdString()).bytes;
  }
  // After a failed load: no digit left on screen from the game that is gone,
  // and no step or branch button leading back into it.
  void ExpectNoGameShown() {
    auto& f = form();
    for (int r = 1; r <= 9; ++r)
      for (int c = 1; c <= 9; ++c) {
        EXPECT_EQ(f.sd991->cell(r, c).text, "");
        EXPECT_FALSE(QString::fromStdString(f.sd991->node(r, c).caption).contains(QRegularExpression("[1-9]"))) << r << c;
      }
    EXPECT_EQ(Steps(), "0000");
    EXPECT_FALSE(f.b1->isEnabled() || f.b2->isEnabled() || f.b3->isEnabled());
  }
  // Closes the window and makes a fresh one on the same data folder.
  void Reopen() {
    form().close();
    form_ = std::make_unique<tessel::ui::TForm1>(prompts_);
  }
};

TEST_F(GameFilesTest, ReplayRoundTrip) {
  auto& f = form();
  f.ToolButton6Click();
  Play(3);
  const std::string image = BoardImage(f.sd991->board());
  const std::vector<std::string> entries = f.history.lines();
  const std::string solution = f.QJ1.GetSolution();
  const std::string givens = f.sd991->board().GivensString();
  const QString path = f.dataFolder + "replay/my game";  // no extension added

  prompts_.AnswerSaveFile(path);
  f.savet->trigger();
  ASSERT_TRUE(QFileInfo::exists(path));
  const std::string written = Bytes(path);
  EXPECT_EQ(written.substr(0, 85), "2 " + givens + "\r\n");
  // An existing file: No leaves it untouched.
  f.ToolButton8Click();
  prompts_.AnswerSaveFile(path).AnswerAsk(false);
  f.savet->trigger();
  EXPECT_EQ(prompts_.Questions(), QStringList({"This File name already exits,OK to overwrite it?"}));
  EXPECT_EQ(Bytes(path), written);

  f.colorMarks[5][0] = 255;
  f.rb_all->setChecked(true);
  f.TimeLabel1->setMS(9000);
  f.b1Click();
  prompts_.AnswerOpenFile(path);
  f.objectSaveGameStepByStep1TMenuItem1->trigger();
  EXPECT_TRUE(prompts_.Notices().isEmpty());
  EXPECT_EQ(BoardImage(f.sd991->board()), image);
  EXPECT_EQ(f.sd991->board().GivensString(), givens);
  EXPECT_EQ(f.sd991->board().nd, 2);
  EXPECT_EQ(f.ndtxt->text(), "  Level:Moderate");
  EXPECT_EQ(f.QJ1.GetSolution(), solution);
  EXPECT_EQ(f.history.lines(), entries);
  EXPECT_EQ(f.history.cursor(), f.history.count() - 1);
  EXPECT_EQ(Steps(), "1100");
  EXPECT_TRUE(f.TimeLabel1->timerenabled());
  EXPECT_EQ(f.TimeLabel1->MS(), 0);
  EXPECT_EQ(f.colorMarks[5][0], tessel::ui::TForm1::kNoMark);
  EXPECT_TRUE(f.rb_none->isChecked());
  EXPECT_EQ(f.SelectedDigit(), 1);
  EXPECT_TRUE(f.b1->isEnabled());
  EXPECT_FALSE(f.b2->isEnabled());
}

TEST_F(GameFilesTest, ContinueShowsTheLastEntryNotTheStepShown) {
  form().ToolButton5Click();
  Play(4);
  const std::vector<std::string> entries = form().history.lines();
  for (int i = 0; i < 3; ++i) form().StepBack();
  Reopen();
  EXPECT_EQ(form().history.count(), 0);
  form().Con1->trigger();
  EXPECT_EQ(form().history.lines(), entries);
  EXPECT_EQ(tessel::TakeSnapshot(form().sd991->board()), entries.back());
  EXPECT_EQ(Steps(), "1100");
  EXPECT_EQ(form().sd991->board().nd, 1);
  // Again within the run: the same game as at the close.
  Play(1);
  form().Con1->trigger();
  EXPECT_EQ(form().history.lines(), entries);
}

TEST_F(GameFilesTest, ContinueWithoutEnteredDigitsAndRightAfterTheDeal) {
  auto& f = form();
  f.ToolButton11Click();
  Reopen();
  form().Con1->trigger();
  EXPECT_EQ(form().history.count(), 1);
  EXPECT_EQ(Steps(), "0000");

  // Only candidates changed: continued at that same position.
  for (int i = 0; i < tessel::kCells; ++i) {
    tessel::Cell& c = form().sd991->board()[i];
    if (c.state == tessel::kOpen) {
      c.text = "12";
      break;
    }
  }
  form().RecountDigits();
  const auto entries = form().history.lines();
  ASSERT_EQ(entries.size(), 2u);
  Reopen();
  form().Con1->trigger();
  EXPECT_EQ(form().history.lines(), entries);
  EXPECT_EQ(tessel::TakeSnapshot(form().sd991->board()), entries.back());
}

TEST_F(GameFilesTest, BlankBoardAndMissingFilesFailSilently) {
  // Missing lastgame.dat: nothing happens.
  form().ToolButton5Click();
  const std::string image = BoardImage(form().sd991->board());
  form().Con1->trigger();
  EXPECT_EQ(BoardImage(form().sd991->board()), image);

  // Closed before any game: continue clears the board and says nothing.
  auto blank = std::make_unique<tessel::ui::TForm1>(prompts_);
  blank->close();
  blank.reset();
  ASSERT_TRUE(QFileInfo::exists(LastGame()));
  form().Con1->trigger();
  EXPECT_TRUE(prompts_.Notices().isEmpty());
  for (int i = 0; i < tessel::kCells; ++i) EXPECT_EQ(form().sd991->board()[i].text, "") << i;
}

TEST_F(GameFilesTest, LoadReplayCancelAndErrorsAndTheClock) {
  auto& f = form();
  f.ToolButton5Click();
  f.TimeLabel1->setMS(5000);
  prompts_.AnswerOpenFile(std::nullopt);
  f.objectSaveGameStepByStep1TMenuItem1->trigger();
  EXPECT_TRUE(f.TimeLabel1->timerenabled());
  EXPECT_EQ(f.TimeLabel1->MS(), 5000);
  f.TimeLabel1->setTimerenabled(false);
  prompts_.AnswerOpenFile(std::nullopt);
  f.objectSaveGameStepByStep1TMenuItem1->trigger();
  EXPECT_FALSE(f.TimeLabel1->timerenabled());

  // A bad level digit: the standard error box, the clock stays stopped.
  const QString bad = f.dataFolder + "replay/bad";
  const std::string text = tessel::GameFileText(f.sd991->board(), f.QJ1, f.history);
  ASSERT_TRUE(tessel::WriteFileAtomic(QFile::encodeName(bad).toStdString(), "Z" + text.substr(1)));
  f.TimeLabel1->setTimerenabled(true);
  prompts_.AnswerOpenFile(bad);
  f.objectSaveGameStepByStep1TMenuItem1->trigger();
  EXPECT_EQ(prompts_.Notices(), QStringList({"'Z' is not a valid integer value"}));
  EXPECT_FALSE(f.TimeLabel1->timerenabled());
  ExpectNoGameShown();

  // A Continue that fails silently shows the cleared board as well.
  f.ToolButton5Click();
  Play(2);
  ASSERT_TRUE(tessel::WriteFileAtomic(QFile::encodeName(LastGame()).toStdString(), "Z" + text.substr(1)));
  f.Con1->trigger();
  EXPECT_EQ(prompts_.Notices().size(), 1);
  ExpectNoGameShown();
}

TEST_F(GameFilesTest, FailedWritesKeepTheOldFiles) {
  form().ToolButton5Click();
  Play(2);
  Reopen();
  const std::string before = Bytes(LastGame());
  ASSERT_FALSE(before.empty());
  form().ToolButton7Click();
  tessel::SetWriteFailureAfterBytesForTesting(40);
  Reopen();
  EXPECT_EQ(Bytes(LastGame()), before);

  const QString path = form().dataFolder + "replay/r";
  ASSERT_TRUE(tessel::WriteFileAtomic(QFile::encodeName(path).toStdString(), "old\r\n"));
  const auto notices = prompts_.Notices().size();
  prompts_.AnswerSaveFile(path).AnswerAsk(true);
  form().savet->trigger();
  EXPECT_EQ(Bytes(path), "old\r\n");
  EXPECT_EQ(prompts_.Notices().size(), notices + 1);  // the failure is reported
}

}  // namespace
}  // namespace uitest
