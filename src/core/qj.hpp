// The solution store of the game in progress: the solution digit of every
// cell and which cells are the puzzle's clues.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "core/board.hpp"
#include "core/random.hpp"

namespace tessel {

struct TNode {
  int row = 1;
  int col = 1;
  int value = 0;  // 0 = no solution digit stored
  bool given = false;
};

class TQJ {
 public:
  TQJ();

  TNode& at(int row, int col) { return nodes_[IndexOf(row, col)]; }
  const TNode& at(int row, int col) const { return nodes_[IndexOf(row, col)]; }
  TNode& operator[](int index) { return nodes_[index]; }
  const TNode& operator[](int index) const { return nodes_[index]; }

  // The 81 values as digits; empty as soon as a value lies outside 1..9.
  std::string GetSolution() const;
  void ClearValues();
  // Trimmed string of exactly 81 characters: digits become values.
  // Anything else leaves every value at 0.
  void SetSolution(std::string_view s);
  // Trimmed string of exactly 81 characters: "1".."9" are givens with their
  // value, every other character an empty non-given cell.
  void SetPuzzle(std::string_view s);

  // One bank entry: digits are givens, "A".."I" the solution of the other
  // cells. Then 200 random transformations.
  void LoadBankEntry(std::string_view entry, Random32& rng);
  // Re-seeds, then n random column, row or digit exchanges.
  void Shuffle(int n, Random32& rng);

  // Puzzle as 81 characters, "0" for non-givens.
  std::string PuzzleString() const;

 private:
  void SwapCells(int a, int b);
  std::array<TNode, kCells> nodes_;
};

// Blanks (characters of code 32 or less) removed from both ends.
std::string_view TrimBlanks(std::string_view s);

}  // namespace tessel
