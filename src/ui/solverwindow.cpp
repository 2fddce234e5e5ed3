#include "ui/solverwindow.hpp"

#include <QSignalBlocker>

namespace tessel::ui {

Tfrm_sol::Tfrm_sol(QWidget* parent) : QWidget(parent) {
  setWindowTitle(QStringLiteral("Solver"));
  checkBoard = new TSD33(this);
  checkBoard->setObjectName(QStringLiteral("checkBoard"));
  hide();
}

bool Tfrm_sol::CheckGivens(const QString& puzzle) {
  {
    // One marking and layout at the end instead of one per cell.
    const QSignalBlocker quiet(checkBoard);
    for (int i = 0; i < kCells; ++i) {
      const QChar ch = i < puzzle.size() ? puzzle[i] : QChar('0');
      TSD33Node* n = checkBoard->node(RowOf(i), ColOf(i));
      const QSignalBlocker quietNode(n);
      if (ch == QChar('0') || ch == QChar('*')) {
        n->state = kOpen;
        n->setText(QStringLiteral("123456789"));
      } else {
        n->state = kEntered;
        n->setText(QString(ch));
      }
    }
  }
  checkBoard->MarkConflicts();
  checkBoard->Relayout();
  return checkBoard->NoConflict();
}

}  // namespace tessel::ui
