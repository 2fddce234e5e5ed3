// Explain Next Step wired into the window: F4 puts the sentence in the
// status bar and frames the cells; a move clears both. The other shortcuts
// are checked with the commands in window_test.cpp.
#include <QApplication>
#include <QTest>

#include "core/explain.hpp"
#include "ui_fixture.hpp"

namespace uitest {
namespace {

TEST_F(FormTest, F4ExplainsAndFramesAndAMoveClearsThem) {
  Act(form(), "ToolButton7")->trigger();  // Tough
  form().show();
  form().activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&form()));
  const auto framed = [&] {
    return std::ranges::count_if(sd().view(), [](auto& v) { return v.explain != tessel::kExplainNone; });
  };
  const std::string before = BoardImage(board());
  const int steps = game().history().count();
  QTest::keyClick(&form(), Qt::Key_F4);
  const tessel::Explanation e = game().explanation();
  EXPECT_EQ(form().HintText().toStdString(), e.clue) << "first the clue";
  EXPECT_EQ(framed(), 0);
  QTest::keyClick(&form(), Qt::Key_F4);
  EXPECT_EQ(form().HintText().toStdString(), e.sentence) << "then the whole step";
  EXPECT_GT(framed(), 0);
  QTest::keyClick(&form(), Qt::Key_F4);
  EXPECT_TRUE(prompts_.Notices().isEmpty()) << "a sentence that fits needs no box";
  EXPECT_TRUE(BoardImage(board()) == before && game().history().count() == steps) << "the game is left alone";
  // A hover hint covers the sentence only while the pointer is on the board.
  QEvent enter(QEvent::Enter);
  QApplication::sendEvent(Child(form(), "Panel1"), &enter);
  EXPECT_EQ(form().HintText().toStdString(), game().explained());

  Place(FirstOpen());
  EXPECT_TRUE(framed() == 0 && form().HintText().isEmpty());

  // Shift+F4 finds and makes the step as one recorded step, and says it.
  const int recorded = game().history().count();
  QTest::keyClick(&form(), Qt::Key_F4, Qt::ShiftModifier);
  EXPECT_EQ(game().history().count(), recorded + 1);
  EXPECT_FALSE(form().HintText().isEmpty());
}

}  // namespace
}  // namespace uitest
