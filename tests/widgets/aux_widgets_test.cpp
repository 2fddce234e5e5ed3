#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>

#include "widgets/colorgrid.hpp"
#include "widgets/mousepb.hpp"
#include "widgets/timelabel.hpp"

using namespace tessel;

TEST(Colors, RedIsTheLowByte) {
  EXPECT_EQ(ToQColor(732916), QColor(244, 46, 11));
  EXPECT_EQ(FromQColor(QColor(139, 139, 255)), 16747403u);
  EXPECT_EQ(FromQColor(ToQColor(13238272)), 13238272u);
}

TEST(TimeLabel, FormatClock) {
  for (auto [seconds, text] : {std::pair{0, "0:0:0"}, {3725, "1:2:5"}, {100 * 3600 + 59, "100:0:59"}})
    EXPECT_EQ(TTimeLabel::FormatClock(seconds), text) << seconds;
  TTimeLabel label;
  EXPECT_EQ(label.text(), "0:00:00");
  for (auto [ms, text] :
       {std::pair<qint64, const char*>{59999, "0:0:59"}, {60000, "0:1:0"}, {3600000, "1:0:0"}}) {
    label.setMS(ms);
    EXPECT_EQ(label.text(), text) << ms;
  }
}

TEST(DigitBar, ClampsPaintsFromTheBottomHoversAndReportsClicks) {
  Tmousepb bar(3);
  EXPECT_EQ(bar.size(), QSize(11, 78));
  for (auto [set, kept] : {std::pair{12, 9}, {-2, 0}, {9, 9}}) {
    bar.setPosition(set);
    EXPECT_EQ(bar.position(), kept) << set;
  }
  bar.setBarColor(Tmousepb::kFullColor);
  const QImage img = bar.grab().toImage();
  EXPECT_EQ(img.pixelColor(5, 76), QColor(255, 0, 0));
  EXPECT_EQ(img.pixelColor(5, 1), QColor(255, 0, 0));
  EXPECT_NE(img.pixelColor(0, 0), QColor(255, 0, 0));  // the border
  bar.setPosition(0);
  EXPECT_NE(bar.grab().toImage().pixelColor(5, 76), QColor(255, 0, 0));

  // Hover drops the border; a click reports the digit.
  QWidget host;
  host.resize(60, 100);
  auto* hovered = new Tmousepb(6, &host);
  hovered->move(20, 10);
  hovered->setPosition(9);
  host.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&host));
  QSignalSpy entered(hovered, &Tmousepb::entered);
  QSignalSpy left(hovered, &Tmousepb::left);
  QSignalSpy down(hovered, &Tmousepb::mouseDown);
  QTest::mouseMove(&host, {5, 5});
  QTest::mouseMove(hovered, {5, 40});
  EXPECT_EQ(entered.count(), 1);
  EXPECT_EQ(hovered->borderWidth(), 0);
  EXPECT_EQ(hovered->grab().toImage().pixelColor(0, 0), ToQColor(hovered->barColor()));
  QTest::mouseClick(hovered, Qt::RightButton, Qt::NoModifier, {5, 40});
  ASSERT_EQ(down.count(), 1);
  EXPECT_EQ(down[0][0].toInt(), 6);
  EXPECT_EQ(down[0][1].value<Qt::MouseButton>(), Qt::RightButton);
  QTest::mouseMove(&host, {5, 5});
  EXPECT_EQ(left.count(), 1);
  EXPECT_EQ(hovered->borderWidth(), 1);
  EXPECT_EQ(hovered->cursor().shape(), Qt::PointingHandCursor);
}

TEST(Palette, ClickAndDragMoveTheForegroundWithAContrastingLabel) {
  auto Center = [](int index) { return QPoint((index % 4) * 24 + 12, (index / 4) * 25 + 12); };
  TColorGrid grid;
  grid.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&grid));
  EXPECT_EQ(grid.foregroundIndex(), 0);
  QSignalSpy changed(&grid, &TColorGrid::foregroundChanged);
  QTest::mouseClick(&grid, Qt::LeftButton, Qt::NoModifier, Center(11));
  EXPECT_EQ(grid.foregroundIndex(), 11);
  EXPECT_EQ(grid.selection(), 11);
  EXPECT_EQ(grid.foregroundColor(), 65535u);
  QTest::mouseClick(&grid, Qt::RightButton, Qt::NoModifier, Center(3));
  EXPECT_EQ(grid.foregroundIndex(), 11);

  QTest::mousePress(&grid, Qt::LeftButton, Qt::NoModifier, Center(0));
  QTest::mouseMove(&grid, Center(5));
  QTest::mouseMove(&grid, Center(6));
  QTest::mouseRelease(&grid, Qt::LeftButton, Qt::NoModifier, Center(6));
  QTest::mouseMove(&grid, Center(15));  // button up: no change
  EXPECT_EQ(grid.foregroundIndex(), 6);
  EXPECT_EQ(changed.count(), 4);
  EXPECT_EQ(changed.last()[0].toInt(), 6);

  // Yellow takes blue, black white, silver black.
  for (auto [back, label] : {std::pair{65535u, 16711680u}, {0u, 16777215u}, {0xC0C0C0u, 0u}})
    EXPECT_EQ(TColorGrid::LabelColor(back), label) << back;
}

