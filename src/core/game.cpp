#include "core/game.hpp"

#include "core/gamefile.hpp"
#include "core/gamestore.hpp"
#include "core/play.hpp"
#include "core/solver.hpp"

namespace tessel {

void Game::Clear() {
  store_.ClearValues();
  for (int i = 0; i < kCells; ++i) {
    board_[i].state = kOpen;
    board_[i].text.clear();
  }
  ClearMarks();
  ClearExplain();
  finished_ = false;
  inPlay_ = false;
}

void Game::OpenRecord(const std::vector<std::string>& lines, int n) {
  // Read into a cleared copy first: a bad digit must not leave half a record.
  Board board = board_;
  board.ClearAll();
  TQJ store;
  ApplyGameRecord(lines, n, board, store);
  Clear();
  board_ = board;
  store_ = store;
  inPlay_ = true;
}

void Game::LoadGameFile(const GameFile& file) {
  Clear();
  history_.Assign(file.history);
  store_ = file.store;
  RestoreSnapshot(board_, history_.Current());
  for (int i = 0; i < kCells; ++i) board_[i].state = store_[i].given ? kGiven : kOpen;
  board_.nd = file.level;
  PutGivensOnBoard(false);
  // The last entry again, with the states stored in it.
  StepLast();
  inPlay_ = true;
}

void Game::PutGivensOnBoard(bool fill) {
  for (int i = 0; i < kCells; ++i) {
    Cell& c = board_[i];
    const TNode& n = store_[i];
    if (n.given) {
      c.state = kGiven;
      c.text = std::string(1, char('0' + n.value));
    } else {
      c.state = kOpen;
      if (fill) c.text = "123456789";
    }
    c.error = false;
  }
  if (fill)
    for (int i = 0; i < kCells; ++i)
      if (board_[i].state == kOpen) board_[i].text = board_.ComputeCandidates(RowOf(i), ColOf(i));
  history_.AbandonBranch();
  ClearExplain();
  finished_ = false;
}

void Game::ClearMarks() {
  for (auto& entry : marks_) entry.fill(kNoMark);
}

bool Game::Show(const std::string& line) {
  RestoreSnapshot(board_, line);
  ClearExplain();
  board_.MarkConflicts();
  return true;
}

bool Game::StepFirst() { return history_.count() > 0 && Show(history_.StepFirst()); }
bool Game::StepBack() { return history_.CanStepBack() && Show(history_.StepBack()); }
bool Game::StepNext() { return history_.CanStepForward() && Show(history_.StepNext()); }
bool Game::StepLast() { return history_.count() > 0 && Show(history_.StepLast()); }

bool Game::RejectBranch() { return history_.BranchOpen() && Show(history_.RejectBranch()); }

PlayResult Game::Settle(bool changed) {
  PlayResult r;
  r.changed = changed;
  if (changed) ClearExplain();
  board_.MarkConflicts();
  r.finished = board_.IsFinished();
  if (r.finished) finished_ = true;
  return r;
}

PlayResult Game::ClickCell(int row, int col, bool left) {
  if (mode_ == DisplayMode::kNone)
    return Settle(left ? PlaceSelectedDigit(board_, row, col, selected_) : ClearCell(board_, row, col));
  if (left && ReopenEnteredCell(board_, row, col)) return Settle(true);
  return {};
}

PlayResult Game::ClickCandidate(int row, int col, int digit, bool left) {
  tessel::ClickCandidate(board_, row, col, digit, left, autoUpdate_);
  return Settle(true);
}

PlayResult Game::CellCommand(int row, int col, std::string_view command) {
  if (!ApplyCellCommand(board_, row, col, command)) return {};
  return Settle(true);
}

void Game::MarkCell(int row, int col, Colour colour, const BoardLook& look) {
  CellView& n = view_[IndexOf(row, col)];
  n.color = colour;
  n.setcolor(colour);
  marks_ = CaptureMarks(look, view_);
}

void Game::MarkCandidate(int row, int col, int digit, Colour colour, const BoardLook& look) {
  view_[IndexOf(row, col)].subColor[digit] = colour;
  marks_ = CaptureMarks(look, view_);
}

int Game::Hint() {
  ClearExplain();
  return PlaceHint(board_, store_.GetSolution(), autoUpdate_);
}

std::vector<int> Game::WrongDigits() const { return tessel::WrongDigits(board_, store_); }

void Game::InkWrongDigits() {
  for (int i : WrongDigits()) view_[i].fontColor = kWrongDigitFont;
}

Game::SolutionAnswer Game::SolutionToShow() const {
  SolutionAnswer a;
  a.first = store_.GetSolution();
  if (!a.first.empty()) return a;
  PuzzleTestResult test = TestPuzzle(board_);
  a.first = std::move(test.first);
  a.second = std::move(test.second);
  a.kind = test.code == kUnique        ? SolutionAnswer::kShow
           : test.code == kNotSolvable ? SolutionAnswer::kNotSolvable
                                       : SolutionAnswer::kSeveral;
  return a;
}

void Game::FillSolution(std::string_view solution) {
  FillFromSolution(board_, solution);
  ClearExplain();
  board_.MarkConflicts();
}

void Game::Restart() {
  RestartBoard(board_);
  ClearExplain();
  board_.MarkConflicts();
  finished_ = false;
}

void Game::ImportPuzzle(const Board& editor, std::string_view solution) {
  Clear();
  for (int i = 0; i < kCells; ++i) {
    const Cell& e = editor[i];
    Cell& c = board_[i];
    c.state = kOpen;
    c.text = e.text;
    TNode& n = store_[i];
    n.row = RowOf(i);
    n.col = ColOf(i);
    n.given = e.state == kEntered && e.text.size() == 1 && IsDigitChar(e.text[0]);
    n.value = n.given ? c.text[0] - '0' : 0;
    if (n.given) c.state = kGiven;
  }
  if (!solution.empty()) store_.SetSolution(solution);
  inPlay_ = true;
}

Explanation Game::ExplainNextStep() {
  ClearExplain();
  std::string solution = store_.GetSolution();
  if (solution.empty()) {
    const SolutionAnswer a = SolutionToShow();
    if (a.kind == SolutionAnswer::kShow) solution = a.first;
  }
  Explanation e = Explain(PositionOf(board_, mode_ != DisplayMode::kNone), solution);
  for (int c : e.proof) view_[c].explain = kExplainProof;
  for (int c : e.changes) view_[c].explain = kExplainChange;
  for (const auto& p : e.placements) view_[p.cell].explain = kExplainPlace;
  for (const auto& p : e.placements) view_[p.cell].explainDigits |= 1u << (p.digit - 1);
  for (const auto& el : e.eliminations) view_[el.cell].explainDigits |= 1u << (el.digit - 1);
  explained_ = e.sentence;
  return e;
}

void Game::ClearExplain() {
  explained_.clear();
  for (auto& n : view_) {
    n.explain = kExplainNone;
    n.explainDigits = 0;
  }
}

}  // namespace tessel
