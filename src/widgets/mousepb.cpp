#include "widgets/mousepb.hpp"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

namespace tessel {

Tmousepb::Tmousepb(int digit, QWidget* parent) : QWidget(parent), digit_(digit) {
  setFixedSize(11, 78);
  setCursor(Qt::PointingHandCursor);
  setAttribute(Qt::WA_Hover);
  setDigit(digit);
}

void Tmousepb::setDigit(int d) {
  digit_ = d;
  // Painted bars have no text for a screen reader to fall back on.
  setAccessibleName(tr("Digit %1 count").arg(d));
  setToolTip(tr("How many %1s are placed; click to choose %1").arg(d));
}

void Tmousepb::setPosition(int pos) {
  pos = std::clamp(pos, kMinimum, kMaximum);
  if (pos == position_) return;
  position_ = pos;
  update();
}

void Tmousepb::setBarColor(TColor c) {
  if (c == barColor_) return;
  barColor_ = c;
  update();
}

void Tmousepb::setBorderWidth(int w) {
  if (w == borderWidth_) return;
  borderWidth_ = w;
  update();
}

void Tmousepb::paintEvent(QPaintEvent*) {
  QPainter p(this);
  QRect inner = rect();
  if (borderWidth_ > 0) {
    p.fillRect(rect(), QColor(128, 128, 128));
    inner = rect().adjusted(borderWidth_, borderWidth_, -borderWidth_, -borderWidth_);
  }
  p.fillRect(inner, QColor(240, 240, 240));
  const int filled = inner.height() * position_ / kMaximum;
  if (filled > 0) {
    p.fillRect(QRect(inner.left(), inner.bottom() - filled + 1, inner.width(), filled), ToQColor(barColor_));
  }
}

void Tmousepb::mousePressEvent(QMouseEvent* event) {
  emit mouseDown(digit_, event->button());
}

void Tmousepb::enterEvent(QEnterEvent* event) {
  QWidget::enterEvent(event);
  setBorderWidth(0);
  emit entered();
}

void Tmousepb::leaveEvent(QEvent* event) {
  QWidget::leaveEvent(event);
  setBorderWidth(1);
  emit left();
}

}  // namespace tessel
