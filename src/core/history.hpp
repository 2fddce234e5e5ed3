// The move history of one game: every distinct board position as a one-line
// snapshot, a cursor on the position shown, and the point where an open trial
// branch began.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/board.hpp"

namespace tessel {

// 81 comma-separated pieces in row-major order, each the state digit followed
// by the cell text.
std::string TakeSnapshot(const Board& board);

// Sets state and text of the cells from a line: whatever follows the state
// digit up to the next comma is the text, so every text a cell can hold comes
// back as it was. A piece without a state digit 1..3 leaves its cell as it
// was, and so do the cells past the end of a short line; a line of more than
// 81 pieces ignores the surplus. Returns the number of cells restored.
int RestoreSnapshot(Board& board, std::string_view line);

class History {
 public:
  const std::vector<std::string>& lines() const { return lines_; }
  int count() const { return static_cast<int>(lines_.size()); }
  int cursor() const { return cursor_; }
  // The entry at the cursor; empty when the list is.
  const std::string& Current() const;

  // Appends the board when it differs from the entry at the cursor, dropping
  // the entries after the cursor first. True when something was appended.
  bool RecordStep(const Board& board);
  // The board becomes entry 0 of a fresh list.
  void Reset(const Board& board);
  // A loaded game's entries; the cursor stands on the last one.
  void Assign(std::vector<std::string> lines);
  // The entry at the cursor rewritten as the board it restored to. A damaged
  // entry in a loaded file (a piece that does not read) restores to a board
  // that differs from its text; recording that board would cut every later
  // entry on the way through the history.
  void RewriteCurrent(const Board& board);

  bool CanStepBack() const { return cursor_ > 0; }
  bool CanStepForward() const { return cursor_ < count() - 1; }
  // Cursor moves, held inside the list; each returns the entry now current.
  const std::string& StepFirst();
  const std::string& StepBack();
  const std::string& StepNext();
  const std::string& StepLast();

  // Trial branch.
  bool BranchOpen() const { return !branchPoint_.empty(); }
  const std::string& BranchPoint() const { return branchPoint_; }
  void StartBranch(const Board& board) { branchPoint_ = TakeSnapshot(board); }
  void AcceptBranch() { branchPoint_.clear(); }
  // Hands back the branch point and closes the branch.
  std::string RejectBranch();
  // A new game drops an open branch without restoring it.
  void AbandonBranch() { branchPoint_.clear(); }

 private:
  const std::string& MoveTo(int index);

  std::vector<std::string> lines_;
  int cursor_ = 0;
  std::string branchPoint_;
};

}  // namespace tessel
