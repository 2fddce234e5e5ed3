// The rules of play on the board: what a click, a candidate click or a cell
// menu command does to the cells, the hint, the wrong digits, the restart and
// the candidate lists a display mode needs. The window decides when they run
// and redraws afterwards.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/board.hpp"
#include "core/qj.hpp"

namespace tessel {

// The digits 1..9, ascending, that occur in a or in b.
std::string UnionDigits(std::string_view a, std::string_view b);
// s without the first occurrence of d.
std::string RemoveDigit(std::string s, char d);

// Display mode None, a click on a cell: the left button places `digit`
// (0: nothing chosen, nothing placed), the right one clears the cell. Givens
// never change. Returns whether the cell changed.
bool PlaceSelectedDigit(Board& board, int row, int col, int digit);
bool ClearCell(Board& board, int row, int col);

// Display modes All and Only one, a left click on an entered digit: the cell
// opens again with its computed candidates, and the digit goes back to its
// open peers. False (nothing done) on any other cell.
bool ReopenEnteredCell(Board& board, int row, int col);

// A click on candidate `digit`: the left button places it, the right one
// strikes it (a single digit left is placed). With autoUpdate a placed digit
// leaves the lists of its peers.
void ClickCandidate(Board& board, int row, int col, int digit, bool left, bool autoUpdate);

// The cell menu: "Add d" for each missing digit, "Move d" for each present
// one, then "Regenerate Candidate Numbers". A separator has an empty command.
struct CellMenuItem {
  std::string caption;
  std::string command;  // "+d", "-d", "X", or "" for a separator
};
std::vector<CellMenuItem> CellMenu(std::string_view text);
// Runs a command of that menu; the cell ends open. False when nothing may be
// done (a given, an unknown command).
bool ApplyCellCommand(Board& board, int row, int col, std::string_view command);

// The hint's cell: the last open cell in row-major order, or -1 when there is
// none or no solution is stored. PlaceHint fills it with its solution digit.
int HintCell(const Board& board, std::string_view solution);
int PlaceHint(Board& board, std::string_view solution, bool autoUpdate);

// Cells whose single digit differs from the stored solution.
std::vector<int> WrongDigits(const Board& board, const TQJ& store);

// Every cell but the givens open again with its computed candidates.
void RestartBoard(Board& board);
// Every cell but the givens takes its digit of a full solution.
void FillFromSolution(Board& board, std::string_view solution);

// Before a mode shows candidates: empty open lists are computed, and with
// autoUpdate every open list loses what placed peers hold.
void FillCandidateLists(Board& board, bool autoUpdate);
// Every empty text but the givens' gets its computed candidates (before the
// first game the givens are blank, and must not show "123456789").
void FillEmptyTexts(Board& board);

}  // namespace tessel
