// A vertical digit bar (0..9 placed cells of one digit) that reports the
// pointer entering and leaving and selects its digit when pressed.
#pragma once

#include <QWidget>

#include "widgets/tcolor.hpp"

namespace tessel {

class Tmousepb : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kMinimum = 0;
  static constexpr int kMaximum = 9;
  static constexpr TColor kFullColor = 255;          // red: all nine placed
  static constexpr TColor kNormalColor = 16711680;   // blue

  explicit Tmousepb(int digit = 1, QWidget* parent = nullptr);

  int digit() const { return digit_; }
  void setDigit(int d);  // also names the bar
  int position() const { return position_; }
  void setPosition(int pos);  // clamped to 0..9
  TColor barColor() const { return barColor_; }
  void setBarColor(TColor c);
  // 1 normally, 0 while the pointer is over the bar (the bar grows by one pixel).
  int borderWidth() const { return borderWidth_; }
  void setBorderWidth(int w);

  QSize sizeHint() const override { return {11, 78}; }

 signals:
  void mouseDown(int digit, Qt::MouseButton button);
  void entered();
  void left();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  int digit_;
  int position_ = 0;
  TColor barColor_ = kNormalColor;
  int borderWidth_ = 1;
};

}  // namespace tessel
