// One game in progress: the board, its solution store, the move history with
// the branch point, the player's colour marks, and the drawing table the
// board shows. The window holds one, forwards the commands to it and shows
// the result.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/board.hpp"
#include "core/boardview.hpp"
#include "core/explain.hpp"
#include "core/gamefile.hpp"
#include "core/history.hpp"
#include "core/qj.hpp"

namespace tessel {

// How the board shows candidates: not at all, all of them, or only those of
// the chosen digit.
enum class DisplayMode { kNone, kAll, kOnlyOne };

// What a move did: whether the cells changed, and whether the puzzle is now
// solved (no open cell, no conflict).
struct PlayResult {
  bool changed = false;
  bool finished = false;
};

class Game {
 public:
  Game() { ClearMarks(); }

  Board& board() { return board_; }
  const Board& board() const { return board_; }
  TQJ& store() { return store_; }
  const TQJ& store() const { return store_; }
  History& history() { return history_; }
  const History& history() const { return history_; }
  ColourMarks& marks() { return marks_; }
  const ColourMarks& marks() const { return marks_; }
  // What a redraw leaves stays here until the next one.
  BoardView& view() { return view_; }
  const BoardView& view() const { return view_; }

  // How the player looks at the board: the display mode, the chosen digit
  // (0: none), Auto Update of the candidate lists, and colour marking.
  DisplayMode mode() const { return mode_; }
  void SetMode(DisplayMode mode) { mode_ = mode; }
  int selectedDigit() const { return selected_; }
  void SetSelectedDigit(int d) { selected_ = d >= 1 && d <= 9 ? d : 0; }
  bool autoUpdate() const { return autoUpdate_; }
  void SetAutoUpdate(bool on) { autoUpdate_ = on; }
  bool marking() const { return marking_; }
  void SetMarking(bool on) { marking_ = on; }

  // No game: the store empty, every cell open and blank, no colour marks.
  void Clear();
  // A saved game: the record whose "Name=" line is line n of games.dat goes
  // into the board and the store. Throws GameDataError at the first bad
  // digit, and then nothing has changed.
  void OpenRecord(const std::vector<std::string>& lines, int n);
  // A last-game or replay file, read whole: its history, level and store,
  // and its last entry on the board with the states stored in it.
  void LoadGameFile(const GameFile& file);

  // A game is on the board: one was dealt, opened, loaded or imported, and
  // not cleared since. Only then is there a game to keep at close.
  bool inPlay() const { return inPlay_; }
  void SetInPlay() { inPlay_ = true; }

  // The store's givens go on the board, every other cell open (with fill,
  // holding its computed candidates); an open branch is abandoned.
  void PutGivensOnBoard(bool fill);
  void ClearMarks();

  // The position on the board, recorded when it differs from the entry at
  // the cursor (the entries after the cursor go). True when recorded.
  bool RecordStep() {
    ClearExplain();
    return history_.RecordStep(board_);
  }
  // The board becomes entry 0 of a fresh history.
  void ResetHistory() { history_.Reset(board_); }

  // Moves through the history; the entry at the new cursor goes on the board
  // with its conflicts marked. False, and nothing changes, when the move
  // would leave the list.
  bool StepFirst();
  bool StepBack();
  bool StepNext();
  bool StepLast();

  // Trial branch. RejectBranch puts the branch point back on the board
  // (false when no branch is open); recording it is the caller's next step.
  void StartBranch() { history_.StartBranch(board_); }
  void AcceptBranch() { history_.AcceptBranch(); }
  bool RejectBranch();

  // A click on a cell: in mode None the left button places the chosen digit
  // and the right one clears the cell; in the other modes a left click on an
  // entered digit opens the cell again. Conflicts are marked afresh.
  PlayResult ClickCell(int row, int col, bool left);
  // A click on a candidate square (modes All and Only one); with Auto
  // Update a placed digit leaves its peers' lists.
  PlayResult ClickCandidate(int row, int col, int digit, bool left);
  // A command of the cell menu ("+d", "-d", "X"); nothing on a given.
  PlayResult CellCommand(int row, int col, std::string_view command);

  // Colour marking: the cell with its squares, or one square, takes the
  // colour; the marks are read back from the drawing table.
  void MarkCell(int row, int col, Colour colour, const BoardLook& look);
  void MarkCandidate(int row, int col, int digit, Colour colour, const BoardLook& look);

  // The hint: the last open cell gets its solution digit. Its index, or -1.
  int Hint();
  // Drawn over a redraw: the hint's cell on its background.
  void ShowHintCell(int cell) { view_[cell].color = kHintBackground; }
  // Placed digits that differ from the stored solution.
  std::vector<int> WrongDigits() const;
  // Check Error: those digits in red until the next redraw.
  void InkWrongDigits();
  // What Show Solution shows: the stored solution, else the puzzle test's
  // answer for the givens on the board.
  struct SolutionAnswer {
    enum Kind { kShow, kNotSolvable, kSeveral } kind = kShow;
    std::string first;   // the solution to show (kShow), or the first of two
    std::string second;  // kSeveral: another one
  };
  SolutionAnswer SolutionToShow() const;
  // Every cell but the givens takes its digit of the solution, conflicts marked.
  void FillSolution(std::string_view solution);

  // Every cell but the givens open again with computed candidates.
  void Restart();

  // Explain Next Step on the board as the player has it (their own lists
  // when the display shows them): the cells it uses are framed in the
  // drawing table until the next board change. Places and records nothing.
  Explanation ExplainNextStep();
  // Those frames go (every board change does this itself).
  void ClearExplain();
  // The sentence of the step framed on the board; empty when none is.
  const std::string& explained() const { return explained_; }

  // A puzzle from the editor: each cell holding one entered digit becomes a
  // given, every other cell keeps its text, open. The store takes the givens
  // and the solution when one is known (empty: none).
  void ImportPuzzle(const Board& editor, std::string_view solution);

  // Solved by the player: set by the move that fills the last cell without a
  // conflict, cleared when a game is put on the board, cleared or restarted.
  bool finished() const { return finished_; }

 private:
  bool Show(const std::string& line);
  PlayResult Settle(bool changed);

  Board board_;
  TQJ store_;
  History history_;
  ColourMarks marks_{};
  BoardView view_;
  DisplayMode mode_ = DisplayMode::kNone;
  int selected_ = 0;
  bool autoUpdate_ = true;
  bool marking_ = false;
  bool finished_ = false;
  bool inPlay_ = false;
  std::string explained_;
};

}  // namespace tessel
