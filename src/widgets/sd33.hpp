// The editable check board of the solver window: 81 small text boxes into
// which digits are typed, with its own conflict marking by text.
#pragma once

#include <QLineEdit>
#include <QString>
#include <QWidget>
#include <array>
#include <string>

#include "core/board.hpp"
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

class TSD33 : public QWidget {
  Q_OBJECT

 public:
  explicit TSD33(QWidget* parent = nullptr);

  TSD33Node* node(int row, int col) { return nodes_[IndexOf(row, col)]; }
  const TSD33Node* node(int row, int col) const { return nodes_[IndexOf(row, col)]; }
  QString text(int row, int col) const { return node(row, col)->text(); }
  // Sets the text; conflict marking and Relayout follow as after typing.
  void setText(int row, int col, const QString& text);
  TextGrid Texts() const;

  // Places, colours and fonts the cells from their fields.
  void Relayout();
  // Flags the first pair of equal one-character texts among peers.
  void MarkConflicts();
  bool NoConflict() const { return tessel::NoConflict(Texts()); }
  std::string CellCandidates(int row, int col) const { return tessel::CellCandidates(Texts(), row, col); }
  TColor ParityColor(int row, int col) const;

  TColor UNFoucsColor1() const { return unfocus1_; }
  void setUNFoucsColor1(TColor c) { unfocus1_ = c; }
  TColor UNFoucsColor2() const { return unfocus2_; }
  void setUNFoucsColor2(TColor c) { unfocus2_ = c; }
  int FONTSize1() const { return fontSize1_; }
  void setFONTSize1(int v) { fontSize1_ = v; }
  int FONTSize2() const { return fontSize2_; }
  void setFONTSize2(int v) { fontSize2_ = v; }
  int FONTSize3() const { return fontSize3_; }
  void setFONTSize3(int v) { fontSize3_ = v; }
  TColor FONTColor1() const { return fontColor1_; }
  void setFONTColor1(TColor c) { fontColor1_ = c; }
  TColor FONTColor2() const { return fontColor2_; }
  void setFONTColor2(TColor c) { fontColor2_ = c; }
  TColor FONTColor3() const { return fontColor3_; }
  void setFONTColor3(TColor c) { fontColor3_ = c; }
  int nd() const { return nd_; }
  void setNd(int v) { nd_ = v; }
  TColor FoucsColor1() const { return focus1_; }
  void setFoucsColor1(TColor c) { focus1_ = c; }
  TColor FoucsColor2() const { return focus2_; }
  void setFoucsColor2(TColor c) { focus2_ = c; }
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
  TColor unfocus1_ = 16777215;
  TColor unfocus2_ = 16759739;
  int fontSize1_ = 25;
  int fontSize2_ = 25;
  int fontSize3_ = 12;
  TColor fontColor1_ = 0;
  TColor fontColor2_ = 16711680;
  TColor fontColor3_ = 16711680;
  int nd_ = 0;
  TColor focus1_ = 12043517;
  TColor focus2_ = 14538713;
  int width2_ = 442;
};

}  // namespace tessel
