// The game clock: a label that owns a timer and shows h:m:s.
#pragma once

#include <QLabel>
#include <QString>

class QTimer;

namespace tessel {

class TTimeLabel : public QLabel {
  Q_OBJECT

 public:
  explicit TTimeLabel(QWidget* parent = nullptr);

  bool timerenabled() const { return timerenabled_; }
  void setTimerenabled(bool on);
  int timeinterval() const { return timeinterval_; }
  void setTimeinterval(int ms);
  qint64 MS() const { return ms_; }
  void setMS(qint64 ms);  // also sets the caption to FormatClock(ms / 1000)

  // "h:m:s" without leading zeros; hours unlimited. 3725 -> "1:2:5".
  static QString FormatClock(qint64 seconds);

 signals:
  // Each tick of the owned timer. The clock counts ticks: the handler adds
  // timeinterval to MS.
  void timer();

 protected:
  // Lime on black wherever it sits: a tool bar gives its widgets the button
  // background role, which would turn the clock black on grey.
  void paintEvent(QPaintEvent* event) override;

 private:
  QTimer* timer_;
  bool timerenabled_ = false;
  int timeinterval_ = 1000;
  qint64 ms_ = 0;
};

}  // namespace tessel
