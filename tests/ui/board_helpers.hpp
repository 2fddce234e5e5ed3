// Real mouse and key events on the main window's board, for the input tests.
#pragma once

#include <QApplication>
#include <QCheckBox>
#include <QMenu>
#include <QTest>
#include <QToolButton>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "core/board.hpp"
#include "ui_fixture.hpp"

namespace uitest {

// "1" for each enabled action of the list, "0" for each disabled one.
inline std::string Enabled(const QObject& w, const QStringList& actions) {
  std::string out;
  for (const QString& a : actions) out += Act(w, a)->isEnabled() ? '1' : '0';
  return out;
}

// A dealt game on a shown window, the clock stopped.
class BoardTest : public FormTest {
 protected:
  void SetUp() override {
    FormTest::SetUp();
    form().ToolButton5Click();
    Clock().setTimerenabled(false);
    form().show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form()));
    Settle();
  }

  tessel::Cell& cell(int r, int c) { return board().at(r, c); }
  const tessel::TPicNode& node(int r, int c) { return sd().node(r, c); }
  QMenu& Menu() { return *Child<QMenu>(form(), "pp"); }
  QCheckBox& Marking() { return *Child<QCheckBox>(form(), "chkcolor"); }
  QToolButton& DigitButton(int d) { return *Child<QToolButton>(form(), QStringLiteral("disnote%1").arg(d)); }
  std::string Steps() { return Enabled(form(), {"tbfirst", "tbback", "tbnext", "tblast"}); }
  std::string Branch() { return Enabled(form(), {"b1", "b2", "b3"}); }
  void Trigger(const QString& action) {
    Act(form(), action)->trigger();
    Settle();
  }

  void Settle() { QApplication::processEvents(); }
  int Paints() {
    Settle();
    return sd().paintCount();
  }

  // A point on the cell itself, clear of every sub-panel.
  static QPoint CellPoint(int r, int c) { return tessel::TPICSD33::CellPoint(r, c); }
  static QPoint SubPoint(int r, int c, int k) { return tessel::TPICSD33::SubPanelRect(r, c, k).center(); }

  void ClickCell(int r, int c, Qt::MouseButton b = Qt::LeftButton) {
    QTest::mouseClick(&sd(), b, Qt::NoModifier, CellPoint(r, c));
    Settle();
  }
  void ClickSub(int r, int c, int k, Qt::MouseButton b = Qt::LeftButton) {
    ASSERT_TRUE(node(r, c).subVisible[k]) << "candidate " << k << " hidden at " << r << c;
    QTest::mouseClick(&sd(), b, Qt::NoModifier, SubPoint(r, c, k));
    Settle();
  }
  void Key(Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QTest::keyClick(&form(), key, mods);
    Settle();
  }
  // Digit d chosen with its button, then a left click on the cell (mode None).
  void Enter(int r, int c, int d) {
    DigitButton(d).click();
    Settle();
    ClickCell(r, c);
  }

  // First cell in row-major order that satisfies pred.
  std::pair<int, int> Find(const std::function<bool(int, int)>& pred) {
    for (int r = 1; r <= 9; ++r)
      for (int c = 1; c <= 9; ++c)
        if (pred(r, c)) return {r, c};
    ADD_FAILURE() << "no such cell";
    return {1, 1};
  }
  std::vector<std::pair<int, int>> Opens() {
    std::vector<std::pair<int, int>> out;
    for (int r = 1; r <= 9; ++r)
      for (int c = 1; c <= 9; ++c)
        if (cell(r, c).state == tessel::kOpen) out.emplace_back(r, c);
    return out;
  }
  std::pair<int, int> FindOpen() { return Opens().at(0); }
  std::pair<int, int> FindGiven() {
    return Find([this](int r, int c) { return cell(r, c).state == tessel::kGiven; });
  }
  int Solution(int r, int c) { return game().store().GetSolution()[tessel::IndexOf(r, c)] - '0'; }
  // Every open cell but the last gets its solution digit, unrecorded.
  void FillAllButLast() {
    auto opens = Opens();
    for (std::size_t k = 0; k + 1 < opens.size(); ++k) {
      auto [r, c] = opens[k];
      cell(r, c) = {r, c, std::to_string(Solution(r, c)), tessel::kEntered, false};
    }
  }

  void ClickMenuItem(const QString& caption) {
    QMenu& pp = Menu();
    ASSERT_TRUE(pp.isVisible()) << "menu not open";
    for (QAction* a : pp.actions()) {
      if (a->text() == caption) {
        QTest::mouseClick(&pp, Qt::LeftButton, Qt::NoModifier, pp.actionGeometry(a).center());
        Settle();
        EXPECT_FALSE(pp.isVisible());
        return;
      }
    }
    ADD_FAILURE() << "no item " << caption.toStdString();
  }
};

}  // namespace uitest
