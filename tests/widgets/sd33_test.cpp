#include <gtest/gtest.h>

#include <QTest>

#include "widgets/sd33.hpp"

using namespace tessel;

static QColor Back(const TSD33Node* n) { return n->palette().color(QPalette::Base); }

TEST(CheckBoard, ClashesTypingLayoutFontsAndReadOnlyGivens) {
  TSD33 board;
  board.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&board));

  // Two fives in one column turn red.
  const QColor red(255, 0, 0);
  QTest::keyClicks(board.node(1, 7), "5");
  EXPECT_NE(Back(board.node(1, 7)), red);
  QTest::keyClicks(board.node(8, 7), "5");
  EXPECT_TRUE(board.node(1, 7)->error && board.node(8, 7)->error);
  EXPECT_EQ(Back(board.node(1, 7)), red);
  EXPECT_EQ(Back(board.node(8, 7)), red);
  EXPECT_FALSE(board.NoConflict());

  QTest::keyClick(board.node(8, 7), Qt::Key_Backspace);
  EXPECT_FALSE(board.node(1, 7)->error);
  EXPECT_EQ(Back(board.node(1, 7)), ToQColor(board.UNFoucsColor1()));  // box 3

  // Of three, only the first and the last are marked.
  for (int c : {1, 5, 9}) board.setText(1, c, "2");
  EXPECT_TRUE(board.node(1, 1)->error && board.node(1, 9)->error);
  EXPECT_FALSE(board.node(1, 5)->error);

  // Typing keeps digits and the dot.
  TSD33Node* n = board.node(2, 2);
  QTest::keyClicks(n, "a5x.+9 ");
  EXPECT_EQ(n->text(), "5.9");
  QTest::keyClick(n, Qt::Key_Backspace);
  EXPECT_EQ(n->text(), "5.");
  QTest::keyClicks(n, "1234567890");
  EXPECT_EQ(n->text().size(), 9);
  board.setText(4, 4, "3");
  QTest::keyClick(board.node(4, 4), Qt::Key_Q);
  EXPECT_EQ(board.text(4, 4), "3");

  // 442 / 9 = 49: box edges get a wider line.
  EXPECT_EQ(board.node(1, 1)->geometry(), QRect(1, 1, 48, 48));
  EXPECT_EQ(board.node(3, 6)->geometry(), QRect(5 * 49 + 1, 2 * 49 + 1, 46, 46));
  board.setFONTColor1(0x800000);  // navy, not the default text colour
  board.node(2, 2)->state = kGiven;
  board.setText(2, 2, "7");
  board.setText(2, 3, "7");  // box conflict only matters for colour
  board.setText(2, 4, "123");
  EXPECT_TRUE(board.node(2, 2)->isReadOnly());
  EXPECT_EQ(board.node(2, 2)->palette().color(QPalette::Text), ToQColor(board.FONTColor1()));
  EXPECT_EQ(board.node(2, 4)->font().pixelSize(), 16);  // 12 pt
  EXPECT_EQ(board.node(2, 3)->font().pixelSize(), 33);  // 25 pt
  board.setWidth2(270);
  EXPECT_EQ(board.size(), QSize(270, 270));
  EXPECT_EQ(board.node(9, 9)->geometry(), QRect(8 * 30 + 1, 8 * 30 + 1, 29, 29));
}

