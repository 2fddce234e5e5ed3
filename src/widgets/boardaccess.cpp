#include "widgets/boardaccess.hpp"

#include <QAccessible>
#include <QAccessibleWidget>

#include <array>

#include "widgets/picsd33.hpp"

namespace tessel {

namespace {

class BoardTable;

// One cell of the board. It has no object of its own: its text and state
// come from the board's drawing table whenever they are asked for.
class BoardCell : public QAccessibleInterface, public QAccessibleTableCellInterface {
 public:
  BoardCell(TPICSD33* board, int index) : board_(board), index_(index) {}

  bool isValid() const override { return board_ != nullptr; }
  QObject* object() const override { return nullptr; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(board_); }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QString text(QAccessible::Text t) const override {
    const CellView& n = board_->view()[index_];
    if (t == QAccessible::Name) return QString::fromStdString(n.name);
    if (t == QAccessible::Description) return QString::fromStdString(n.description);
    return {};
  }
  void setText(QAccessible::Text, const QString&) override {}
  QRect rect() const override {
    const QRect r = TPICSD33::CellRect(RowOf(index_), ColOf(index_));
    return QRect(board_->mapToGlobal(r.topLeft()), r.size());
  }
  QAccessible::Role role() const override { return QAccessible::Cell; }
  QAccessible::State state() const override {
    QAccessible::State s;
    s.focusable = board_->focusPolicy() != Qt::NoFocus;
    s.focused = s.focusable && board_->hasFocus() && board_->focusCell() == index_;
    s.disabled = !board_->isEnabled();
    s.readOnly = true;
    return s;
  }
  void* interface_cast(QAccessible::InterfaceType t) override {
    return t == QAccessible::TableCellInterface ? static_cast<QAccessibleTableCellInterface*>(this) : nullptr;
  }

  bool isSelected() const override { return false; }
  QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
  QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
  int columnIndex() const override { return ColOf(index_) - 1; }
  int rowIndex() const override { return RowOf(index_) - 1; }
  int columnExtent() const override { return 1; }
  int rowExtent() const override { return 1; }
  QAccessibleInterface* table() const override { return parent(); }

 private:
  TPICSD33* board_;
  int index_;
};

class BoardTable : public QAccessibleWidget, public QAccessibleTableInterface {
 public:
  explicit BoardTable(TPICSD33* board) : QAccessibleWidget(board, QAccessible::Table), board_(board) {}
  ~BoardTable() override {
    for (QAccessible::Id id : ids_)
      if (id) QAccessible::deleteAccessibleInterface(id);
  }

  int childCount() const override { return kCells; }
  QAccessibleInterface* child(int index) const override {
    if (index < 0 || index >= kCells) return nullptr;
    if (!ids_[index]) ids_[index] = QAccessible::registerAccessibleInterface(new BoardCell(board_, index));
    return QAccessible::accessibleInterface(ids_[index]);
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    for (int i = 0; i < kCells; ++i)
      if (ids_[i] && QAccessible::accessibleInterface(ids_[i]) == child) return i;
    return -1;
  }
  QAccessibleInterface* childAt(int x, int y) const override {
    const BoardHit hit = board_->HitTest(board_->mapFromGlobal(QPoint(x, y)));
    return hit.row ? child(IndexOf(hit.row, hit.col)) : nullptr;
  }
  QAccessibleInterface* focusChild() const override {
    return board_->hasFocus() ? child(board_->focusCell()) : nullptr;
  }
  void* interface_cast(QAccessible::InterfaceType t) override {
    if (t == QAccessible::TableInterface) return static_cast<QAccessibleTableInterface*>(this);
    return QAccessibleWidget::interface_cast(t);
  }

  QAccessibleInterface* caption() const override { return nullptr; }
  QAccessibleInterface* summary() const override { return nullptr; }
  QAccessibleInterface* cellAt(int row, int column) const override {
    return row >= 0 && row < 9 && column >= 0 && column < 9 ? child(row * 9 + column) : nullptr;
  }
  int selectedCellCount() const override { return 0; }
  QList<QAccessibleInterface*> selectedCells() const override { return {}; }
  QString columnDescription(int column) const override { return QString::number(column + 1); }
  QString rowDescription(int row) const override { return QString(QChar('A' + row)); }
  int selectedColumnCount() const override { return 0; }
  int selectedRowCount() const override { return 0; }
  int columnCount() const override { return 9; }
  int rowCount() const override { return 9; }
  QList<int> selectedColumns() const override { return {}; }
  QList<int> selectedRows() const override { return {}; }
  bool isColumnSelected(int) const override { return false; }
  bool isRowSelected(int) const override { return false; }
  bool selectRow(int) override { return false; }
  bool selectColumn(int) override { return false; }
  bool unselectRow(int) override { return false; }
  bool unselectColumn(int) override { return false; }
  void modelChange(QAccessibleTableModelChangeEvent*) override {}

 private:
  TPICSD33* board_;
  mutable std::array<QAccessible::Id, kCells> ids_{};
};

QAccessibleInterface* BoardFactory(const QString& className, QObject* object) {
  if (className == QLatin1String("tessel::TPICSD33") && object && object->isWidgetType())
    return new BoardTable(static_cast<TPICSD33*>(object));
  return nullptr;
}

AccessibleListener g_listener = nullptr;

}  // namespace

void NotifyAccessible(QAccessibleEvent* event) {
  if (g_listener) g_listener(event);
  QAccessible::updateAccessibility(event);
}

void SetAccessibleListenerForTesting(AccessibleListener listener) { g_listener = listener; }

void InstallBoardAccessibility() {
  static const bool installed = [] {
    QAccessible::installFactory(BoardFactory);
    return true;
  }();
  (void)installed;
}

}  // namespace tessel
