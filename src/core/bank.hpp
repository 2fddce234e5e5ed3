// The built-in puzzle bank: one list of entries per level, and the deal.
//
// An entry is 81 characters in row-major order: "1".."9" for a clue, "A".."I"
// for the solution digit 1..9 of every other cell.
#pragma once

#include <string_view>
#include <vector>

#include "core/qj.hpp"
#include "core/random.hpp"

namespace tessel {

// The entries of a level 0..4, in their order; empty for any other level.
const std::vector<std::string_view>& BankList(int level);

// 1-based line of a list of `count` lines: Random(count) + 1, and the last
// line gives way to the one before it, so it is never dealt.
int PickBankLine(int count, Random32& rng);

// Re-seeds, picks a line of the level's list and loads it into the store
// (which shuffles it). Returns the line dealt, or 0 when the level has no
// list of at least two lines (the store is then left alone).
int DealPuzzle(int level, TQJ& store, Random32& rng);

}  // namespace tessel
