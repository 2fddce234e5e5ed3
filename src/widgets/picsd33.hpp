// The playing board: one self-painted widget of 422 x 422 logical pixels
// holding 81 cells of 46 x 46, each with nine 13 x 13 candidate squares.
//
// Row letters "A".."I" and column digits "1".."9" are not part of the board:
// the main window places them around it with its own labels.
//
// The board owns no game: it paints the drawing table it is given (SetView),
// frames the cell or square under the pointer, and reports presses and
// hovers. Its colour and font properties are the look the table is drawn in.
#pragma once

#include <QPoint>
#include <QRect>
#include <QString>
#include <QWidget>
#include <array>
#include <string>

#include "core/board.hpp"
#include "core/boardview.hpp"
#include "widgets/picnode.hpp"
#include "widgets/boardlook.hpp"
#include "widgets/tcolor.hpp"

namespace tessel {

// What lies under a point of the board: row/col 0 in a gap or the margin;
// sub 1..9 on a visible candidate sub-panel, 0 on the cell itself.
struct BoardHit {
  int row = 0;
  int col = 0;
  int sub = 0;
  bool operator==(const BoardHit&) const = default;
};

class TPICSD33 : public QWidget, public TBoardLook {
  Q_OBJECT

 public:
  static constexpr int kBoardSize = 422;
  static constexpr int kCellSize = 46;
  static constexpr int kSubSize = 13;

  explicit TPICSD33(QWidget* parent = nullptr);

  // What to paint: one repaint, or none while updates are suspended.
  void SetView(const BoardView& view);
  const BoardView& view() const { return view_; }
  const TPicNode& node(int row, int col) const { return view_[IndexOf(row, col)]; }
  // The colours and sizes of this board's properties, read and set at once.
  BoardLook Look() const;
  void SetLook(const BoardLook& look);
  // Whether the cell or square under the pointer gets a one-pixel frame.
  void setHoverFrames(bool on) { hoverFrames_ = on; }
  // What the pointer is on (row 0: nothing).
  const BoardHit& hovered() const { return hover_; }
  // Keyboard Play: the board takes the keyboard focus (Tab, a click).
  void setKeyboardPlay(bool on);
  // The cell a screen reader is told has the focus: the keyboard cursor, or
  // the cell of the last press.
  int focusCell() const { return focusCell_; }

  // Geometry, in the board's logical pixels.
  static int CellOrigin(int index);                   // left of column / top of row 1..9
  static QRect CellRect(int row, int col);
  // A point on the cell itself, clear of every candidate sub-panel.
  static QPoint CellPoint(int row, int col) { return CellRect(row, col).bottomRight() - QPoint(1, 1); }
  static QRect SubPanelLocalRect(int k);              // inside the cell
  static QRect SubPanelRect(int row, int col, int k);  // on the board
  BoardHit HitTest(QPoint pos) const;

  int BoxOf(int row, int col) const { return tessel::BoxOf(row, col); }
  // UNFoucsColor2 in boxes 2, 4, 6, 8, else UNFoucsColor1.
  TColor ParityColor(int row, int col) const;

  // Properties (colours are 0x00BBGGRR).
  TColor errorcolor() const { return errorcolor_; }
  void setErrorcolor(TColor c) { errorcolor_ = c; }
  TColor highcolor() const { return highcolor_; }
  void setHighcolor(TColor c) { highcolor_ = c; }
  QString fontFace() const { return fontFace_; }
  void setFontFace(const QString& face);  // repaints

  // Screen-update lock; nests. The outermost resume repaints once.
  void SuspendUpdates();
  void ResumeUpdates();
  bool updatesSuspended() const { return suspend_ > 0; }
  // update() unless suspended (then the resume repaints).
  void RequestRepaint();
  int paintCount() const { return paintCount_; }

  QSize sizeHint() const override { return {kBoardSize, kBoardSize}; }
  QSize minimumSizeHint() const override { return sizeHint(); }

 signals:
  void cellMouseDown(int row, int col, Qt::MouseButton button, Qt::KeyboardModifiers mods, QPoint pos);
  void candidateMouseDown(int row, int col, int digit, Qt::MouseButton button,
                          Qt::KeyboardModifiers mods, QPoint pos);
  void cellEnter(int row, int col);
  void candidateEnter(int row, int col, int digit);
  // A right press on a cell with popupAssigned, or on one of its visible
  // sub-panels (a sub-panel passes the request on to its cell, as the
  // platform does), after the mouse-down signal. The main window decides
  // whether its menu shows anything.
  void popupRequested(int row, int col, QPoint globalPos);
  // In the mouse-down signals pos is relative to the cell or the sub-panel
  // that was pressed, as the platform reports it to that panel.

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void changeEvent(QEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  void SetHover(const BoardHit& hit);
  void PaintCell(class QPainter& p, const TPicNode& n, const QRect& r) const;
  // Explain Next Step's frame and candidate rings, over everything else.
  void PaintExplain(class QPainter& p, const TPicNode& n, const QRect& r) const;
  // The keyboard cursor: heavy corner brackets, unlike every other frame.
  void PaintCursor(class QPainter& p, const QRect& r) const;
  // Tells a screen reader which cell has the focus.
  void AnnounceFocus();

  BoardView view_;
  bool hoverFrames_ = false;
  int focusCell_ = 0;

  TColor errorcolor_ = 732916;
  TColor highcolor_ = 11654065;
  QString fontFace_ = QStringLiteral("Arial");

  int suspend_ = 0;
  int paintCount_ = 0;
  BoardHit hover_;
};

// Suspends the board's updates for one scope.
class UpdateGuard {
 public:
  explicit UpdateGuard(TPICSD33& board) : board_(board) { board_.SuspendUpdates(); }
  ~UpdateGuard() { board_.ResumeUpdates(); }
  UpdateGuard(const UpdateGuard&) = delete;
  UpdateGuard& operator=(const UpdateGuard&) = delete;

 private:
  TPICSD33& board_;
};

}  // namespace tessel
