// The 16-colour palette, 4 x 4 squares; the foreground square is the
// marking colour and carries the label "FG".
#pragma once

#include <QWidget>
#include <array>

#include "widgets/tcolor.hpp"

namespace tessel {

class TColorGrid : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kColors = 16;
  static constexpr int kSquareWidth = 24;
  static constexpr int kSquareHeight = 25;

  explicit TColorGrid(QWidget* parent = nullptr);

  static TColor PaletteColor(int index);  // black, maroon, ... white
  // Black or white per channel, whichever contrasts: "FG" on yellow is blue.
  static TColor LabelColor(TColor square);

  int foregroundIndex() const { return foreground_; }
  void setForegroundIndex(int index);  // emits foregroundChanged when it changes
  TColor foregroundColor() const { return PaletteColor(foreground_); }
  int backgroundIndex() const { return background_; }
  void setBackgroundIndex(int index);
  bool BackgroundEnabled() const { return backgroundEnabled_; }
  void setBackgroundEnabled(bool on);
  int selection() const { return selection_; }
  void setSelection(int index);

  // Square under a point, -1 outside.
  int IndexAt(QPoint pos) const;
  QRect SquareRect(int index) const;

  QSize sizeHint() const override { return {96, 100}; }

 signals:
  void foregroundChanged(int index);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  void PickAt(QPoint pos);

  int foreground_ = 0;
  int background_ = 15;
  int selection_ = 0;
  bool backgroundEnabled_ = false;
};

}  // namespace tessel
