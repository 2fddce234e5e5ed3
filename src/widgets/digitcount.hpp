// How many placed cells (givens and entered digits) hold each digit; the
// digit bars show these counts.
#pragma once

#include <array>

#include "core/board.hpp"

namespace tessel {

// Index d-1 for digit d, capped at 9 like the bars.
std::array<int, 9> CountPlacedDigits(const Board& board);

}  // namespace tessel
