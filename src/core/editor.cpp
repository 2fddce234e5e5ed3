#include "core/editor.hpp"

#include "core/layouts.hpp"

namespace tessel {

PuzzleEditor::PuzzleEditor() { Clear(); }

void PuzzleEditor::Clear() {
  for (int i = 0; i < kCells; ++i) {
    board_[i].text = "123456789";
    board_[i].state = kOpen;
  }
  // Marked afresh, or an earlier puzzle's conflicts would stay red.
  board_.MarkConflicts();
}

void PuzzleEditor::ClickCandidate(int row, int col, int digit) {
  if (row < 1 || row > 9 || col < 1 || col > 9 || digit < 1 || digit > 9) return;
  Cell& c = board_.at(row, col);
  c.text = std::string(1, char('0' + digit));
  c.state = kEntered;
  board_.RemoveFromPeers(row, col);
  board_.MarkConflicts();
}

void PuzzleEditor::ClickCell(int row, int col) {
  if (row < 1 || row > 9 || col < 1 || col > 9) return;
  Cell& c = board_.at(row, col);
  if (c.state != kOpen) {
    const char digit = c.text.empty() ? '0' : c.text[0];
    c.text = board_.ComputeCandidates(row, col);
    c.state = kOpen;
    board_.AddBackToPeers(row, col, digit);
  } else {
    // Outside the visible squares: brings back a list the player emptied.
    c.text = board_.ComputeCandidates(row, col);
  }
  board_.MarkConflicts();
}

void PuzzleEditor::LoadFrom(const Board& game) {
  for (int i = 0; i < kCells; ++i) {
    if (game[i].text.size() == 1) {
      board_[i].text = game[i].text;
      board_[i].state = kEntered;
    } else {
      board_[i].text = "123456789";
      board_[i].state = kOpen;
    }
  }
  for (int i = 0; i < kCells; ++i)
    if (board_[i].state == kOpen) board_[i].text = board_.ComputeCandidates(RowOf(i), ColOf(i));
  board_.MarkConflicts();
}

bool PuzzleEditor::ImportText(std::string_view text) {
  // A text box gives LF line breaks; the layouts count a break as CR LF.
  const bool read = ImportPuzzleText(CrLfLineBreaks(text), board_) != kNoLayout;
  board_.MarkConflicts();
  return read;
}

PuzzleTestResult PuzzleEditor::Test() const { return TestEditorPuzzle(board_); }

BoardView PuzzleEditor::Render(const BoardLook& look) const {
  BoardView view = BlankView();
  for (CellView& n : view) n.setcolor(look.ParityColor(n.row, n.col));
  DrawAllCandidates(board_, look, view);
  NameCells(board_, view);
  return view;
}

}  // namespace tessel
