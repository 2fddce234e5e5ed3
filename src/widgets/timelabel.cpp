#include "widgets/timelabel.hpp"

#include <QFont>
#include <QPainter>
#include <QPalette>
#include <QTimer>

#include "widgets/tcolor.hpp"

namespace tessel {

TTimeLabel::TTimeLabel(QWidget* parent) : QLabel(parent), timer_(new QTimer(this)) {
  timer_->setInterval(timeinterval_);
  connect(timer_, &QTimer::timeout, this, &TTimeLabel::timer);
  setAlignment(Qt::AlignCenter);
  setAutoFillBackground(true);
  QPalette pal = palette();
  pal.setColor(QPalette::Window, ToQColor(0));
  pal.setColor(QPalette::WindowText, ToQColor(65280));
  setPalette(pal);
  QFont f = font();
  f.setPointSize(11);
  f.setBold(true);
  setFont(f);
  setText(QStringLiteral("0:00:00"));
  setAccessibleName(tr("Game clock"));
  setToolTip(tr("Time spent on this game"));
  resize(80, sizeHint().height());
}

void TTimeLabel::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), ToQColor(0));
  p.setPen(ToQColor(65280));
  p.setFont(font());
  p.drawText(contentsRect(), int(alignment()), text());
}

void TTimeLabel::setTimerenabled(bool on) {
  timerenabled_ = on;
  if (on) {
    timer_->start(timeinterval_);
  } else {
    timer_->stop();
  }
}

void TTimeLabel::setTimeinterval(int ms) {
  timeinterval_ = ms;
  timer_->setInterval(ms);
}

void TTimeLabel::setMS(qint64 ms) {
  ms_ = ms;
  setText(FormatClock(ms / 1000));
}

QString TTimeLabel::FormatClock(qint64 seconds) {
  const qint64 h = seconds / 3600;
  const qint64 m = (seconds - 3600 * h) / 60;
  const qint64 s = seconds - 3600 * h - 60 * m;
  return QStringLiteral("%1:%2:%3").arg(h).arg(m).arg(s);
}

}  // namespace tessel
