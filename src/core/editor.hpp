// The puzzle editor of the import-or-create dialog: a board of clues the
// player builds by clicking candidates, or reads from text, and checks for a
// single solution before playing it.
#pragma once

#include <string_view>

#include "core/board.hpp"
#include "core/boardview.hpp"
#include "core/solver.hpp"

namespace tessel {

class PuzzleEditor {
 public:
  PuzzleEditor();  // an empty grid

  const Board& board() const { return board_; }

  // Every cell open with all nine candidates.
  void Clear();
  // A left click on candidate d: d becomes the cell's clue and leaves its
  // peers' lists.
  void ClickCandidate(int row, int col, int digit);
  // A left click on the cell itself: a clue is taken back (its digit returns
  // to the peers); an open cell gets its computed candidates again.
  void ClickCell(int row, int col);
  // The digits of the game board become clues; every other cell open with
  // its computed candidates.
  void LoadFrom(const Board& game);
  // A puzzle text in any import layout, with CR LF, LF or CR line breaks;
  // false (the grid as the reader left it) when none fits.
  bool ImportText(std::string_view text);

  // The puzzle test of the editor: every one-character text is a clue, and
  // a full grid is its own solution when it holds no conflict.
  PuzzleTestResult Test() const;

  // The editor shows every candidate; its squares keep the box colours.
  BoardView Render(const BoardLook& look) const;

 private:
  Board board_;
};

}  // namespace tessel
