// Hint, Check Error and Show Solution: answers from the solution store.
#include <QAction>
#include <QCheckBox>

#include "core/solver.hpp"
#include "ui/mainwindow.hpp"
#include "ui/solutionsviewer.hpp"

namespace tessel::ui {

namespace {

constexpr TColor kHintBackground = 65535;  // yellow
constexpr TColor kWrongDigitFont = 254;    // red

QString CT(const char* english, const char* chinese) {
  return QString::fromStdString(tessel::ChooseText(english, chinese));
}

}  // namespace

void TForm1::ToolButton9Click() {
  const std::string solution = QJ1.GetSolution();
  Board& board = sd991->board();
  int last = -1;
  if (!solution.empty())
    for (int i = kCells - 1; i >= 0 && last < 0; --i)
      if (board[i].state == kOpen) last = i;
  if (last >= 0) {
    const int row = RowOf(last);
    const int col = ColOf(last);
    UpdateGuard guard(*sd991);
    Cell& c = board[last];
    c.text = std::string(1, solution[last]);
    c.state = kEntered;
    if (cbautoupdate->isChecked()) sd991->RemoveFromPeers(row, col);
    DrawForMode();
    // The redraw repaints every background: put highlight and marks back.
    HighlightSelected();
    ApplyMarks();
    sd991->node(row, col).color = kHintBackground;
  }
  // No MarkConflicts and no finish test: a hint never announces the end.
  RecountDigits();
}

void TForm1::ToolButton16Click() {
  const Board& board = sd991->board();
  for (int i = 0; i < kCells; ++i) {
    const int value = QJ1[i].value;
    if (board[i].text.size() == 1 && value != 0 && board[i].text[0] != char('0' + value))
      sd991->node(RowOf(i), ColOf(i)).fontColor = kWrongDigitFont;
  }
  sd991->RequestRepaint();
}

void TForm1::FillFromSolution(const std::string& solution) {
  if (solution.size() != std::size_t(kCells)) return;
  UpdateGuard guard(*sd991);
  Board& board = sd991->board();
  for (int i = 0; i < kCells; ++i) {
    if (board[i].state == kGiven) continue;
    board[i].text = std::string(1, solution[i]);
    board[i].state = kEntered;
  }
  sd991->DrawAllCandidates();
  sd991->MarkConflicts();
  ApplyMarks();
}

void TForm1::tbsolveClick() {
  if (!prompts_.Ask(this, CT("Are you sure you want to see the solution?", "确定查看答案?"))) return;
  const std::string stored = QJ1.GetSolution();
  if (!stored.empty()) {
    FillFromSolution(stored);
    return;
  }
  const PuzzleTestResult test = TestPuzzle(sd991->board());
  if (test.code == kUnique) {
    FillFromSolution(test.first);
  } else if (test.code == kNotSolvable) {
    prompts_.Notice(this, CT("Puzzle is not solvable", "不能解答这个数独题目"));
  } else {
    prompts_.Notice(this, CT("This Puzzle has at least two solutions,Press OK to view it.", "本题至少有两个答案."));
    Frmdas->Fill(test.first, test.second);
    if (runModal_) runModal_(*Frmdas);
  }
}

}  // namespace tessel::ui
