#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QTest>
#include <string>
#include <vector>

#include "widgets/picsd33.hpp"

using namespace tessel;

namespace {

// The board shows a position as the core draws it, every candidate shown.
BoardView AllCandidates(const Board& position, const TPICSD33& b) {
  BoardView view = b.view();
  DrawAllCandidates(position, b.Look(), view);
  return view;
}

QPoint CellCenter(int row, int col) { return TPICSD33::CellRect(row, col).center(); }
QPoint SubCenter(int row, int col, int k) { return TPICSD33::SubPanelRect(row, col, k).center(); }

}  // namespace

class BoardInput : public ::testing::Test {
 protected:
  void SetUp() override {
    host.setFixedSize(500, 500);
    board = new TPICSD33(&host);
    board->move(20, 20);
    Board position;
    position.ClearAll();
    position.at(1, 1) = {1, 1, "15", kOpen};
    board->SetView(AllCandidates(position, *board));
    host.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&host));
  }
  QWidget host;
  TPICSD33* board = nullptr;
};

TEST_F(BoardInput, HitTestAndClicksBecomeSignalsWithThePopupAfterTheMouseDown) {
  std::vector<std::string> log;
  auto at = [](int r, int c) { return " " + std::to_string(r * 10 + c); };
  auto side = [](Qt::MouseButton b) { return b == Qt::LeftButton ? " left" : " right"; };
  QObject::connect(board, &TPICSD33::cellMouseDown,
                   [&](int r, int c, Qt::MouseButton b, Qt::KeyboardModifiers m) {
                     log.push_back("down" + at(r, c) + side(b) + (m == Qt::ShiftModifier ? " shift" : ""));
                   });
  QObject::connect(board, &TPICSD33::candidateMouseDown, [&](int r, int c, int d, Qt::MouseButton b) {
    log.push_back("candidate" + at(r, c) + " " + std::to_string(d) + side(b));
  });
  QObject::connect(board, &TPICSD33::popupRequested,
                   [&](int r, int c) { log.push_back("popup" + at(r, c)); });
  QObject::connect(board, &TPICSD33::cellEnter, [&] { log.push_back("enter"); });
  QTest::mouseClick(board, Qt::LeftButton, Qt::NoModifier, SubCenter(1, 1, 5));
  QTest::mouseClick(board, Qt::LeftButton, Qt::NoModifier, {141, 60});  // gap
  QTest::mouseClick(board, Qt::RightButton, Qt::ShiftModifier, SubCenter(1, 1, 9));  // hidden: the cell's
  // No popup without a menu.
  BoardView withMenu = board->view();
  withMenu[IndexOf(3, 3)].popupAssigned = true;
  board->SetView(withMenu);
  QTest::mouseClick(board, Qt::LeftButton, Qt::NoModifier, CellCenter(3, 3));
  QTest::mouseClick(board, Qt::RightButton, Qt::NoModifier, CellCenter(3, 3));
  // A disabled board is silent.
  board->setEnabled(false);
  QTest::mouseMove(board, CellCenter(2, 2));
  QTest::mouseClick(board, Qt::LeftButton, Qt::NoModifier, CellCenter(2, 2));
  QTest::mouseClick(board, Qt::LeftButton, Qt::NoModifier, SubCenter(1, 1, 1));
  EXPECT_EQ(log, (std::vector<std::string>{"candidate 11 5 left", "down 11 right shift", "down 33 left",
                                           "down 33 right", "popup 33"}));

  // Only the visible candidate squares of A1 ("15") take clicks; the gaps
  // between boxes and the frame take none.
  const std::pair<QPoint, BoardHit> cases[] = {
      {SubCenter(1, 1, 5), {1, 1, 5}}, {SubCenter(1, 1, 2), {1, 1, 0}}, {{140, 60}, {}}, {{141, 60}, {}},
      {{142, 60}, {2, 4, 0}},          {{1, 1}, {}},                    {{420, 419}, {}},
  };
  for (const auto& [point, hit] : cases) EXPECT_EQ(board->HitTest(point), hit) << point.x() << "," << point.y();
}

TEST_F(BoardInput, SuspendedHandlerRepaintsOnce) {
  QApplication::processEvents();
  const int before = board->paintCount();
  auto paintsSince = [&] {
    QApplication::processEvents();
    return board->paintCount() - before;
  };
  const BoardView view = board->view();
  {
    UpdateGuard outer(*board);
    board->SetView(view);
    {
      UpdateGuard inner(*board);
      board->SetView(view);
      board->RequestRepaint();
    }
    EXPECT_EQ(paintsSince(), 0);
    board->SetView(view);
    EXPECT_EQ(paintsSince(), 0);
  }
  EXPECT_EQ(paintsSince(), 1);
  board->ResumeUpdates();  // unbalanced resume is ignored
  EXPECT_FALSE(board->updatesSuspended());
}


TEST(BoardRendering, ConstructionBackgroundsGapsFramesAndDigitColours) {
  // Construction gives a blank board in parity colours, and the geometry.
  TPICSD33 b;
  EXPECT_EQ(b.size(), QSize(422, 422));
  EXPECT_EQ(b.node(5, 5).caption, " ");
  EXPECT_EQ(b.node(1, 1).color, 16777215u);
  EXPECT_EQ(b.node(1, 4).color, 16759739u);  // box 2
  EXPECT_EQ(b.node(5, 5).color, 16777215u);  // box 5
  EXPECT_EQ(TPICSD33::CellRect(9, 9).right() + 1, 420);
  EXPECT_EQ(TPICSD33::SubPanelRect(1, 1, 7), QRect(4, 32, 13, 13));
  EXPECT_EQ(TPICSD33::SubPanelRect(1, 1, 6), QRect(32, 18, 13, 13));

  // A sample position: givens, an entry that clashes with the 5 in A1, candidates, a mark and a frame.
  Board position;
  position.ClearAll();
  const char* givens = "53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79";
  for (int i = 0; i < kCells; ++i)
    if (givens[i] != '.') position[i] = {RowOf(i), ColOf(i), std::string(1, givens[i]), kGiven};
  position.at(1, 4) = {1, 4, "5", kEntered};
  position.MarkConflicts();
  for (int i = 0; i < kCells; ++i)
    if (position[i].state == kOpen) position[i].text = position.ComputeCandidates(RowOf(i), ColOf(i));
  BoardView view = AllCandidates(position, b);
  view[IndexOf(2, 2)].subColor[2] = 65535;  // yellow
  b.SetView(view);
  b.setHoverFrames(true);
  b.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&b));
  QTest::mouseMove(&b, TPICSD33::CellPoint(5, 5));
  ASSERT_TRUE(position.at(1, 1).error);
  for (int dpr : {1, 2}) {
    QImage img(422 * dpr, 422 * dpr, QImage::Format_RGB32);
    img.setDevicePixelRatio(dpr);
    img.fill(Qt::magenta);
    b.render(&img);
    SCOPED_TRACE("dpr " + std::to_string(dpr));
    auto at = [&](int x, int y) { return img.pixelColor(x * dpr, y * dpr); };
    // The gaps between boxes and the outer frame.
    for (QPoint p : {QPoint(140, 100), QPoint(141, 100), QPoint(0, 0), QPoint(421, 421)})
      EXPECT_EQ(at(p.x(), p.y()), QColor(Qt::black)) << p.x() << "," << p.y();
    // Given 3 in A2 (box 1): its corner shows the parity colour.
    EXPECT_EQ(at(49, 3), ToQColor(b.UNFoucsColor1()));
    // A4 is in box 2 and carries the error colour.
    EXPECT_EQ(at(143, 3), ToQColor(b.errorcolor()));
    // Marked sub-panel corner and the hover frame of E5.
    const QRect sub = TPICSD33::SubPanelRect(2, 2, 2);
    EXPECT_EQ(at(sub.left(), sub.bottom()), QColor(255, 255, 0));
    const QRect e5 = TPICSD33::CellRect(5, 5);
    EXPECT_EQ(at(e5.left() + 20, e5.top()), QColor(Qt::black));
    EXPECT_EQ(at(e5.left() + 20, e5.top() + 1), ToQColor(b.UNFoucsColor1()));
  }

  // A grab shows the digits in their colours.
  position.ClearAll();
  position.at(1, 1) = {1, 1, "8", kEntered};
  view = b.view();
  DrawDigitsOnly(position, b.Look(), view);
  b.SetView(view);
  const QImage img = b.grab().toImage();
  ASSERT_EQ(img.width(), 422);
  int blue = 0;
  for (int y = 2; y < 48; ++y)
    for (int x = 2; x < 48; ++x) blue += img.pixelColor(x, y) == QColor(0, 0, 255) ? 1 : 0;
  EXPECT_GT(blue, 20);
}
