// Keyboard Play and the board a screen reader reads: a whole game with keys
// alone, nothing for the board's keys while it is off, and the cells as
// accessible children that follow the cursor and tell their changes.
#include <QAccessible>
#include <QAccessibleEvent>
#include <QApplication>
#include <QMenu>
#include <QTest>

#include "board_helpers.hpp"
#include "widgets/boardaccess.hpp"

namespace uitest {
namespace {

using tessel::kOpen;

class KeyboardTest : public FormTest {
 protected:
  void SetUp() override {
    FormTest::SetUp();
    form().show();
    form().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form()));
  }
  void Keys(QWidget* to, Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QTest::keyClick(to ? to : QApplication::focusWidget(), key, mods);
    QApplication::processEvents();
  }
  // A menu by its mnemonic, then an item by its own.
  void Menu(Qt::Key menu, Qt::Key item) {
    Keys(&form(), menu, Qt::AltModifier);
    QWidget* popup = QApplication::activePopupWidget();
    ASSERT_NE(popup, nullptr) << "no menu opened";
    Keys(popup, item);
  }
  void Walk(int row, int col) {
    Keys(nullptr, Qt::Key_Home, Qt::ControlModifier);
    for (int r = 1; r < row; ++r) Keys(nullptr, Qt::Key_Down);
    for (int c = 1; c < col; ++c) Keys(nullptr, Qt::Key_Right);
  }
};

// Keyboard Play from the Tools menu, a Very Easy deal from the New Game
// menu, then every open cell by arrows, a digit key and Space: solved, with
// no mouse event at all.
TEST_F(KeyboardTest, AWholeGameWithTheKeyboardAlone) {
  int mouseEvents = 0;
  struct Spy : QObject {
    int* count;
    bool eventFilter(QObject*, QEvent* e) override {
      const auto t = e->type();
      *count += t == QEvent::MouseButtonPress || t == QEvent::MouseButtonRelease;
      return false;
    }
  } spy;
  spy.count = &mouseEvents;
  qApp->installEventFilter(&spy);

  Menu(Qt::Key_T, Qt::Key_K);
  ASSERT_TRUE(Act(form(), "KeyboardPlay1")->isChecked());
  Menu(Qt::Key_N, Qt::Key_Return);  // the first level
  ASSERT_TRUE(game().inPlay());
  EXPECT_EQ(board().nd, tessel::kVeryEasy);
  ASSERT_TRUE(sd().hasFocus()) << "the board of a new game takes the keys";

  const std::string solution = game().store().GetSolution();
  for (int i = 0; i < tessel::kCells; ++i) {
    if (board()[i].state != kOpen) continue;
    Walk(tessel::RowOf(i), tessel::ColOf(i));
    EXPECT_EQ(game().cursor(), i);
    EXPECT_TRUE(sd().view()[i].cursor);
    Keys(nullptr, Qt::Key(Qt::Key_0 + solution[i] - '0'));
    Keys(nullptr, i % 2 ? Qt::Key_Space : Qt::Key_Return);
  }
  EXPECT_TRUE(form().FinishedMarkShown());
  EXPECT_EQ(prompts_.Notices(), QStringList{"Puzzle solved"});
  EXPECT_EQ(mouseEvents, 0);
  qApp->removeEventFilter(&spy);
}

// Mode All with the keys: a candidate becomes the digit, another is struck,
// Delete clears in mode None, and the cell menu opens on the cursor's cell.
TEST_F(KeyboardTest, CandidatesClearAndTheCellMenuByKeys) {
  Act(form(), "KeyboardPlay1")->trigger();
  form().ToolButton5Click();
  sd().setFocus();
  int open = 0;
  while (board()[open].state != kOpen || board()[open].text.size() < 3) ++open;
  const std::string list = board()[open].text;
  Keys(nullptr, Qt::Key_F2);
  const int chosen = game().selectedDigit();
  Walk(tessel::RowOf(open), tessel::ColOf(open));
  EXPECT_EQ(form().HintText().toStdString(), tessel::HoverHint(game(), tessel::RowOf(open), tessel::ColOf(open), 0))
      << "the status bar tells what the keys do here";
  Keys(nullptr, Qt::Key(Qt::Key_0 + list[0] - '0'), Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(board()[open].text, list.substr(1));
  EXPECT_EQ(game().selectedDigit(), chosen) << "Ctrl+digit is the candidate, not the digit button";
  Keys(nullptr, Qt::Key_Menu);
  QMenu* menu = Child<QMenu>(form(), "pp");
  ASSERT_TRUE(menu->isVisible());
  menu->close();
  Keys(nullptr, Qt::Key(Qt::Key_0 + list[1] - '0'), Qt::ControlModifier);
  EXPECT_EQ(board()[open].text, list.substr(1, 1));
  EXPECT_EQ(board()[open].state, tessel::kEntered);
  Keys(nullptr, Qt::Key_F1);
  Keys(nullptr, Qt::Key_Delete);
  EXPECT_EQ(board()[open].state, kOpen);
  EXPECT_EQ(board()[open].text, "");
}

// Off (the described board): the board takes no focus, and arrows, Delete,
// Backspace and Space change nothing; the choice is kept for the next run.
TEST_F(KeyboardTest, OffTheBoardTakesNoKeysAndTheChoiceIsKept) {
  form().ToolButton5Click();
  const std::string image = BoardImage(board());
  for (Qt::Key k : {Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Tab})  Keys(&form(), k);
  EXPECT_FALSE(sd().hasFocus());
  sd().setFocus();
  for (Qt::Key k : {Qt::Key_Right, Qt::Key_Down, Qt::Key_Delete, Qt::Key_Backspace, Qt::Key_Space, Qt::Key_Return})
    Keys(&sd(), k);
  EXPECT_EQ(BoardImage(board()), image);
  for (const auto& n : sd().view()) EXPECT_FALSE(n.cursor);

  Act(form(), "KeyboardPlay1")->trigger();
  form().close();
  form_ = std::make_unique<tessel::ui::TForm1>(prompts_);
  EXPECT_TRUE(Act(form(), "KeyboardPlay1")->isChecked()) << "remembered";
  EXPECT_EQ(sd().focusPolicy(), Qt::StrongFocus);
  EXPECT_TRUE(QFile::exists(DataFile("options.ini")));
}

std::vector<std::pair<int, int>> g_seen;  // (event type, child)
void Heard(QAccessibleEvent* e) { g_seen.emplace_back(int(e->type()), e->child()); }

// The board is a table of 81 named cells; the accessible focus follows the
// cursor, a placed digit renames its cell, and the status bar's sentences
// are told.
TEST_F(KeyboardTest, AScreenReaderReadsTheCells) {
  form().ToolButton5Click();
  QAccessibleInterface* table = QAccessible::queryAccessibleInterface(&sd());
  ASSERT_NE(table, nullptr);
  EXPECT_EQ(table->role(), QAccessible::Table);
  ASSERT_EQ(table->childCount(), 81);
  ASSERT_NE(table->tableInterface(), nullptr);
  EXPECT_EQ(table->tableInterface()->rowCount(), 9);
  int open = 0, given = 0;
  while (board()[open].state != kOpen) ++open;
  while (board()[given].state != tessel::kGiven) ++given;
  const auto name = [&](int i) { return table->child(i)->text(QAccessible::Name); };
  const auto label = [](int i) { return QString::fromStdString(tessel::CellLabel(tessel::RowOf(i), tessel::ColOf(i))); };
  EXPECT_EQ(table->child(open)->role(), QAccessible::Cell);
  EXPECT_EQ(name(given), label(given) + ", " + QString::fromStdString(board()[given].text) + ", given");
  EXPECT_EQ(name(open), label(open) + ", empty");
  EXPECT_EQ(table->child(open)->tableCellInterface()->rowIndex(), tessel::RowOf(open) - 1);
  Keys(&form(), Qt::Key_F2);
  EXPECT_TRUE(name(open).startsWith(label(open) + ", empty, candidates "));

  tessel::SetAccessibleListenerForTesting(Heard);
  g_seen.clear();
  Act(form(), "KeyboardPlay1")->trigger();
  ASSERT_TRUE(sd().hasFocus());
  Keys(nullptr, Qt::Key_Home, Qt::ControlModifier);
  Keys(nullptr, Qt::Key_Right);
  EXPECT_NE(std::find(g_seen.begin(), g_seen.end(), std::pair{int(QAccessible::Focus), 1}), g_seen.end())
      << "the focus follows the cursor to A2";
  EXPECT_EQ(table->focusChild(), table->child(1));
  EXPECT_TRUE(table->child(1)->state().focused);

  g_seen.clear();
  Keys(nullptr, Qt::Key_F1);
  Walk(tessel::RowOf(open), tessel::ColOf(open));
  Keys(nullptr, Qt::Key_7);
  Keys(nullptr, Qt::Key_Space);
  EXPECT_EQ(name(open), label(open) + ", 7");
  EXPECT_NE(std::find(g_seen.begin(), g_seen.end(), std::pair{int(QAccessible::NameChanged), open}), g_seen.end());
  Act(form(), "ToolButton16")->trigger();  // Check Error
  form().ShowHint("Puzzle solved");
  EXPECT_NE(std::find(g_seen.begin(), g_seen.end(), std::pair{int(QAccessible::Alert), -1}), g_seen.end());
  EXPECT_EQ(QAccessible::queryAccessibleInterface(Child(form(), "sb1"))->text(QAccessible::Name), "Puzzle solved");
  tessel::SetAccessibleListenerForTesting(nullptr);
}

}  // namespace
}  // namespace uitest
