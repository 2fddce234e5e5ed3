#include "widgets/digitcount.hpp"

#include <algorithm>

namespace tessel {

std::array<int, 9> CountPlacedDigits(const Board& board) {
  std::array<int, 9> counts{};
  for (int i = 0; i < kCells; ++i) {
    const Cell& c = board[i];
    if (c.state == kOpen || c.text.size() != 1 || !IsDigitChar(c.text[0])) continue;
    int& n = counts[c.text[0] - '1'];
    n = std::min(n + 1, 9);
  }
  return counts;
}

}  // namespace tessel
