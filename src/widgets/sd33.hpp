// The editable check board of the solver window: 81 small text boxes into
// which digits are typed, with its own conflict marking by text.
#pragma once

#include <QLineEdit>
#include <QString>
#include <QWidget>
#include <array>
#include <string>

#include "core/board.hpp"
#include "widgets/boardlook.hpp"
#include "widgets/tcolor.hpp"

namespace tessel {

// One text box of TSD33: takes "1".."9", "." and backspace, at most 9 characters.
class TSD33Node : public QLineEdit {
  Q_OBJECT

 public:
  explicit TSD33Node(QWidget* parent = nullptr);

  int row = 1;
  int col = 1;
  bool error = false;
  int state = kEntered;  // 1 given (read-only), anything else editable

  static bool IsAcceptedChar(QChar c);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
};

class TSD33 : public QWidget, public TBoardLook {
  Q_OBJECT

 public:
  explicit TSD33(QWidget* parent = nullptr);

  TSD33Node* node(int row, int col) { return nodes_[IndexOf(row, col)]; }
  const TSD33Node* node(int row, int col) const { return nodes_[IndexOf(row, col)]; }
  QString text(int row, int col) const { return node(row, col)->text(); }
  // Sets the text; conflict marking and Relayout follow as after typing.
  void setText(int row, int col, const QString& text);
  TextGrid Texts() const;
  // A puzzle string: "0" and "*" (and missing characters) are open cells with
  // every candidate, anything else a clue. No marking or relayout yet.
  void LoadPuzzle(const QString& puzzle);

  // Places, colours and fonts the cells from their fields.
  void Relayout();
  // Flags the first pair of equal one-character texts among peers.
  void MarkConflicts();
  bool NoConflict() const { return tessel::NoConflict(Texts()); }
  std::string CellCandidates(int row, int col) const { return tessel::CellCandidates(Texts(), row, col); }
  TColor ParityColor(int row, int col) const;

  int nd() const { return nd_; }
  void setNd(int v) { nd_ = v; }
  int width2() const { return width2_; }
  void setWidth2(int side);  // resizes to side x side and relayouts

 signals:
  // After the marking and Relayout that follow a change of a cell's text.
  void cellTextChanged(int row, int col);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void OnTextChanged(TSD33Node* n);

  std::array<TSD33Node*, kCells> nodes_{};
  int nd_ = 0;
  int width2_ = 442;
};

}  // namespace tessel
