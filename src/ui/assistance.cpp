// Hint, Check Error, Show Solution and the board's way out as text or a
// printable page.

#include "ui/importdialogs.hpp"
#include "ui/mainwindow.hpp"
#include "ui/output.hpp"
#include "ui/solutionsviewer.hpp"
#include "ui/texts.hpp"

namespace tessel::ui {

void TForm1::ToolButton9Click() {
  game_.Hint();
  Refresh();
}

void TForm1::ToolButton16Click() {
  game_.CheckErrors();
  Refresh();
}

void TForm1::tbsolveClick() {
  if (!prompts_.Ask(this, CT("Are you sure you want to see the solution?", "确定查看答案?"))) return;
  const Game::SolutionAnswer answer = game_.SolutionToShow();
  if (answer.kind == Game::SolutionAnswer::kShow) {
    game_.ShowSolution(answer.first);
    Refresh();
  } else if (answer.kind == Game::SolutionAnswer::kNotSolvable) {
    prompts_.Notice(this, CT("Puzzle is not solvable", "不能解答这个数独题目"));
  } else {
    prompts_.Notice(this, CT("This Puzzle has at least two solutions,Press OK to view it.", "本题至少有两个答案."));
    Frmdas->Fill(answer.first, answer.second);
    if (runModal_) runModal_(*Frmdas);
  }
}

void TForm1::ToolButton12Click() {
  if (!frmprintselect)
    frmprintselect = new Tfrmprintselect(game_.board(), prompts_, [this](const QUrl& url) { return OpenUrl(url); },
                                         this);
  if (runModal_) runModal_(*frmprintselect);
}

void TForm1::CopyPuzzleToClipboard1Click() {
  // Empty lists get their candidates first, on the playing board too, as the
  // player then sees.
  game_.FillEmptyLists();
  Refresh();
  if (!frmcopy) frmcopy = new Tfrmcopy(game_.board(), this);
  frmcopy->Prepare();
  if (runModal_) runModal_(*frmcopy);
}

void TForm1::ToolButton4Click() { runModal_(ImportDialog(*this)); }

}  // namespace tessel::ui
