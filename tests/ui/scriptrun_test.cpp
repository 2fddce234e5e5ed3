// The script player behind `sudoku-tessel --script`: it must fail loudly on
// anything it cannot do, or the release check would pass on a broken game.
#include <sstream>

#include "ui/scriptrun.hpp"
#include "ui_fixture.hpp"

namespace uitest {
namespace {

class ScriptRunTest : public FormTest {
 protected:
  int Run(const QStringList& lines) {
    out_.str("");
    err_.str("");
    return tessel::ui::RunScript(form(), prompts_, lines, out_, err_);
  }
  std::ostringstream out_, err_;
};

TEST_F(ScriptRunTest, PlaysAGameToTheEndThroughTheWindow) {
  form().show();
  ASSERT_EQ(Run({"seed 11", "deal 0  # very easy", "", "play 2", "show", "step back", "play all",
                 "expect-notice Puzzle solved", "expect-solved yes", "show"}),
            0)
      << err_.str();
  const std::string out = out_.str();
  EXPECT_NE(out.find("notice: Puzzle solved\n"), std::string::npos) << out;
  EXPECT_NE(out.find("board: " + form().game().store().GetSolution() + "\nsolved: yes\n"), std::string::npos) << out;
  EXPECT_EQ(tessel::ui::BoardLine(form()).toStdString(), form().game().store().GetSolution());
}

TEST_F(ScriptRunTest, EveryBadLineFailsTheRunWithItsNumber) {
  for (const QStringList& script : {QStringList{"deal 5"}, QStringList{"seed -1"}, QStringList{"dance"},
                                    QStringList{"step sideways"}, QStringList{"play some"},
                                    QStringList{"deal 1", "expect-solved yes"}, QStringList{"expect-solved maybe"},
                                    QStringList{"deal 1", "expect-notice Puzzle solved"},
                                    QStringList{"step back"},  // nothing to step to yet
                                    QStringList{"answer yes"}}) {
    SCOPED_TRACE(script.join(" / ").toStdString());
    EXPECT_EQ(Run(script), 1);
    EXPECT_FALSE(err_.str().empty());
  }
  EXPECT_EQ(Run({"seed 3", "deal 2", "expect-solved no", "bogus"}), 1);
  EXPECT_NE(err_.str().find("line 4 (bogus)"), std::string::npos) << err_.str();
  prompts_.Clear();
  EXPECT_EQ(Run({"seed 3", "deal 2", "answer yes", "play 1"}), 1);
  EXPECT_NE(err_.str().find("answers left unused: 1"), std::string::npos) << err_.str();
  prompts_.Clear();
}

}  // namespace
}  // namespace uitest
