#include "ui/solverwindow.hpp"

namespace tessel::ui {

Tfrm_sol::Tfrm_sol(QWidget* parent) : QWidget(parent) {
  setWindowTitle(tr("Solver"));
  checkBoard = new TSD33(this);
  checkBoard->setObjectName(QStringLiteral("checkBoard"));
  hide();
}

bool Tfrm_sol::CheckGivens(const QString& puzzle) {
  checkBoard->LoadPuzzle(puzzle);
  checkBoard->MarkConflicts();
  checkBoard->Relayout();
  return checkBoard->NoConflict();
}

}  // namespace tessel::ui
