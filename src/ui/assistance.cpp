// Hint, Check Error and Show Solution: answers from the solution store.
#include <QAction>
#include <QCheckBox>

#include "ui/mainwindow.hpp"
#include "ui/solutionsviewer.hpp"
#include "ui/texts.hpp"

namespace tessel::ui {

void TForm1::ToolButton9Click() {
  UpdateGuard guard(*sd991);
  const int cell = game_.Hint();
  if (cell >= 0) {
    DrawForMode();
    // The redraw repaints every background: put highlight and marks back.
    HighlightSelected();
    ApplyMarks();
    game_.ShowHintCell(cell);
  }
  // No MarkConflicts and no finish test: a hint never announces the end.
  RecountDigits();
}

void TForm1::ToolButton16Click() {
  game_.InkWrongDigits();
  sd991->RequestRepaint();
}

void TForm1::ShowSolution(const std::string& solution) {
  if (solution.size() != std::size_t(kCells)) return;
  UpdateGuard guard(*sd991);
  game_.FillSolution(solution);
  sd991->DrawAllCandidates();
  ApplyMarks();
}

void TForm1::tbsolveClick() {
  if (!prompts_.Ask(this, CT("Are you sure you want to see the solution?", "确定查看答案?"))) return;
  const Game::SolutionAnswer answer = game_.SolutionToShow();
  if (answer.kind == Game::SolutionAnswer::kShow) {
    ShowSolution(answer.first);
  } else if (answer.kind == Game::SolutionAnswer::kNotSolvable) {
    prompts_.Notice(this, CT("Puzzle is not solvable", "不能解答这个数独题目"));
  } else {
    prompts_.Notice(this, CT("This Puzzle has at least two solutions,Press OK to view it.", "本题至少有两个答案."));
    Frmdas->Fill(answer.first, answer.second);
    if (runModal_) runModal_(*Frmdas);
  }
}

}  // namespace tessel::ui
