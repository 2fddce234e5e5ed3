// Explain Next Step: the grader's easiest step on a position, told as one
// sentence that names houses and cells as the board labels them, with the
// cells that prove it and the cells it changes. Nothing is applied.
#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/board.hpp"
#include "core/grader.hpp"

namespace tessel {

// Placed digits, and for open cells the player's own candidate list
// (bit d-1 for digit d; 0 when the cell keeps none).
struct Position {
  std::array<std::uint8_t, kCells> value{};
  std::array<std::uint16_t, kCells> lists{};
};

// The board as the player has it: givens and entered digits placed; open
// cells keep their lists when useLists, else none.
Position PositionOf(const Board& board, bool useLists);

enum class ExplainKind { kWrong, kPlace, kEliminate, kNone };

struct Explanation {
  ExplainKind kind = ExplainKind::kNone;
  Technique technique = Technique::kFullHouse;
  std::vector<Placement> placements;
  std::vector<Elimination> eliminations;
  std::vector<int> proof;    // cells the step rests on, ascending
  std::vector<int> changes;  // cells it places in or strikes from, ascending
  std::vector<int> wrong;    // placed cells that clash or differ from the solution
  std::string clue;          // a first hint: "Look for a hidden single in box 3."
  std::string sentence;      // the whole step
  bool cancelled = false;    // the search was stopped (kind kNone)
  bool solved = false;       // no open cell is left (kind kNone)
};

struct ExplainOptions {
  // The puzzle is known to have exactly one solution (a bank puzzle, or one
  // the puzzle test found unique): uniqueness techniques may be used.
  bool uniqueKnown = false;
  // Set from another thread to stop a long search; Explain then returns at
  // once with `cancelled` set.
  const std::atomic<bool>* cancel = nullptr;
};

// The easiest step on the position. `solution` is 81 digits, or empty when
// unknown; it is never used to find the step, only to name wrong digits and
// to pass over a list that lost its cell's solution digit (the digits the
// placed peers leave stand in), so every step stays sound. Safe to call
// from any thread.
Explanation Explain(const Position& position, std::string_view solution, const ExplainOptions& options = {});

// A line of the CLI: 81 characters ('1'..'9' placed, anything else open), or
// 81 whitespace-separated tokens (one digit placed, several an open cell's
// list, '0' or '.' an open cell without one). Empty, with the reason in
// `error`, for anything else.
std::optional<Position> ParsePositionLine(std::string_view line, std::string* error = nullptr);

// The CLI's answer to one line: "place E5 7 | TECHNIQUE | SENTENCE",
// "eliminate D3:4,H7:4 | ...", "wrong A1,A5", "none", or "bad: REASON".
std::string ExplainLine(std::string_view line);

// Every step from the line's position to the end, one answer a line as
// ExplainLine gives it; stops at the first "none", "wrong" or "bad".
std::vector<std::string> ExplainWalk(std::string_view line);

}  // namespace tessel
