// Solving and the puzzle test.
//
// The game's answers are defined by a plain search: singles propagation in
// row-major passes plus depth-first guessing on the first empty cell, digits
// ascending. For a puzzle without conflicting givens that search always finds
// the lexicographically smallest solution, so the results depend only on the
// set of solutions. A fast counter settles the common cases (no solution, one
// solution); only with two or more does a search in the game's order look for
// that smallest solution, and any means of finding it gives the same answer.
// Sparse grids, which nearly always have many solutions, skip the counter:
// the searches in the three orders tell by themselves whether there is more
// than one.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/board.hpp"

namespace tessel {

struct SolveResult {
  int status = 1;      // 0 solved, 1 not solved
  std::string result;  // 81 digits: the solution, or the parsed givens with "0" blanks
};

// "1".."9" are givens, any other (or missing) character an empty cell.
// A full grid, and givens that clash, give status 1.
SolveResult SolveString(std::string_view puzzle);

// True when no two peers hold the same character; "0", "*" and missing
// characters are empty cells.
bool CheckGivens(std::string_view puzzle);

// Result codes of the puzzle test.
enum TestCode : int { kUnique = 0, kNotSolvable = 1, kMultiple = 2 };

struct PuzzleTestResult {
  int code = kNotSolvable;
  std::string first;   // the first solution (empty when not solvable)
  std::string second;  // the solution compared last (a different one with code 2)
};

// The puzzle test of the playing board: givens only, "*" elsewhere.
std::string BoardPuzzleString(const Board& board);
PuzzleTestResult TestPuzzleString(std::string_view puzzle);
PuzzleTestResult TestPuzzle(const Board& board);

// The import dialog's variant: every single-character text is a clue, and a
// full board is its own solution when it holds no conflict.
std::string EditorPuzzleString(const Board& board);
PuzzleTestResult TestEditorPuzzleString(std::string_view puzzle);
PuzzleTestResult TestEditorPuzzle(const Board& board);

// Number of solutions, counted up to `limit`. Conflicting givens have none.
// `first` (when not null) receives the first solution found (any order).
using Grid81 = std::array<std::uint8_t, kCells>;  // 0 = empty, else 1..9
int CountSolutions(const Grid81& grid, int limit, Grid81* first = nullptr);
int CountSolutions(std::string_view puzzle, int limit, std::string* first = nullptr);

// Parses "1".."9" as digits, anything else (or missing) as 0.
Grid81 ParseGrid(std::string_view puzzle);
std::string GridString(const Grid81& grid);

// Search nodes (guesses tried) of every search run on this thread so far,
// for benchmarks.
long SearchNodes();

}  // namespace tessel
