// Real mouse and key events on the main window's board, for the input tests.
#pragma once

#include <QApplication>
#include <QMenu>
#include <QTest>

#include <algorithm>
#include <functional>
#include <set>
#include <string>
#include <utility>

#include "core/board.hpp"
#include "ui_fixture.hpp"

namespace uitest {

// A dealt game on a shown window.
class BoardTest : public FormTest {
 protected:
  void SetUp() override {
    FormTest::SetUp();
    form().ToolButton5Click();
    form().TimeLabel1->setTimerenabled(false);
    form().show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form()));
    Settle();
  }

  tessel::Cell& cell(int r, int c) { return sd().cell(r, c); }
  tessel::TPicNode& node(int r, int c) { return sd().node(r, c); }

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

  // First cell in row-major order that satisfies pred.
  std::pair<int, int> Find(const std::function<bool(int, int)>& pred) {
    for (int r = 1; r <= 9; ++r)
      for (int c = 1; c <= 9; ++c)
        if (pred(r, c)) return {r, c};
    ADD_FAILURE() << "no such cell";
    return {1, 1};
  }
  std::pair<int, int> FindOpen() {
    return Find([this](int r, int c) { return cell(r, c).state == tessel::kOpen; });
  }
  std::pair<int, int> FindGiven() {
    return Find([this](int r, int c) { return cell(r, c).state == tessel::kGiven; });
  }
  int Solution(int r, int c) { return form().QJ1.GetSolution()[(r - 1) * 9 + (c - 1)] - '0'; }

  // Visible menu items as "caption" or "-" for a separator.
  QStringList MenuItems() {
    QStringList out;
    for (QAction* a : form().pp->actions()) out << (a->isSeparator() ? QStringLiteral("-") : a->text());
    return out;
  }
  void ClickMenuItem(const QString& caption) {
    QMenu* pp = form().pp;
    ASSERT_TRUE(pp->isVisible()) << "menu not open";
    for (QAction* a : pp->actions()) {
      if (a->text() == caption) {
        QTest::mouseClick(pp, Qt::LeftButton, Qt::NoModifier, pp->actionGeometry(a).center());
        Settle();
        EXPECT_FALSE(pp->isVisible());
        return;
      }
    }
    ADD_FAILURE() << "no item " << caption.toStdString();
  }
  void CloseMenu() {
    form().pp->hide();
    Settle();
  }
};

inline std::set<char> Digits(const std::string& s) { return {s.begin(), s.end()}; }

}  // namespace uitest
