// Explain Next Step and the command shortcuts, wired into the window.
#include <QApplication>
#include <QMenu>
#include <QTest>
#include <QToolButton>

#include "core/explain.hpp"
#include "ui_fixture.hpp"

namespace uitest {
namespace {

class ExplainWindow : public FormTest {
 protected:
  void SetUp() override {
    FormTest::SetUp();
    Act(form(), "ToolButton7")->trigger();  // Tough
    form().show();
    form().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form()));
  }
  void Key(int key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QTest::keyClick(&form(), static_cast<Qt::Key>(key), mods);
    QApplication::processEvents();
  }
  int Framed() {
    int n = 0;
    for (const auto& v : game().view()) n += v.explain != tessel::kExplainNone;
    return n;
  }
};

TEST_F(ExplainWindow, F4ExplainsFramesAndLeavesTheGameAlone) {
  const std::string before = BoardImage(board());
  const int steps = game().history().count();
  Key(Qt::Key_F4);
  EXPECT_FALSE(form().HintText().isEmpty());
  EXPECT_EQ(form().HintText().toStdString(), game().ExplainNextStep().sentence);
  EXPECT_GT(Framed(), 0);
  EXPECT_EQ(BoardImage(board()), before);
  EXPECT_EQ(game().history().count(), steps);

  // A move clears the frames; Ctrl+Z takes it back, Ctrl+Y and Ctrl+Shift+Z forward.
  int open = 0;
  while (board()[open].state != tessel::kOpen) ++open;
  const int digit = game().store()[open].value;
  Child<QToolButton>(form(), QStringLiteral("disnote%1").arg(digit))->click();
  form().CellMouseDown(tessel::RowOf(open), tessel::ColOf(open), Qt::LeftButton);
  EXPECT_EQ(Framed(), 0);
  const std::string placed = BoardImage(board());
  Key(Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(BoardImage(board()), before);
  Key(Qt::Key_Y, Qt::ControlModifier);
  EXPECT_EQ(BoardImage(board()), placed);
  Key(Qt::Key_Z, Qt::ControlModifier);
  Key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(BoardImage(board()), placed);
}

TEST_F(ExplainWindow, MenusShowTheShortcuts) {
  const struct {
    const char* action;
    const char* keys;
  } rows[] = {{"SaveCurrentBoard1", "Ctrl+S"}, {"ToolButton1", "Ctrl+O"}, {"ToolButton12", "Ctrl+P"},
              {"tbback", "Ctrl+Z"},           {"tbnext", "Ctrl+Y"},      {"Exit1", "Ctrl+Q"},
              {"ExplainNextStep1", "F4"}};
  QStringList inMenus;
  for (QMenu* m : form().findChildren<QMenu*>())
    for (QAction* a : m->actions()) inMenus << a->objectName();
  for (const auto& r : rows) {
    EXPECT_EQ(Act(form(), r.action)->shortcut().toString().toStdString(), r.keys) << r.action;
    EXPECT_TRUE(inMenus.contains(r.action)) << r.action;
  }
  EXPECT_EQ(Act(form(), "tbnext")->shortcuts().value(1).toString().toStdString(), "Ctrl+Shift+Z");
}

}  // namespace
}  // namespace uitest
