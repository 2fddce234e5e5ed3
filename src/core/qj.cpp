#include "core/qj.hpp"

#include <utility>

namespace tessel {

std::string_view TrimBlanks(std::string_view s) {
  auto blank = [](char c) { return static_cast<unsigned char>(c) <= 32; };
  while (!s.empty() && blank(s.front())) s.remove_prefix(1);
  while (!s.empty() && blank(s.back())) s.remove_suffix(1);
  return s;
}

TQJ::TQJ() {
  for (int i = 0; i < kCells; ++i) {
    nodes_[i].row = RowOf(i);
    nodes_[i].col = ColOf(i);
  }
}

std::string TQJ::GetSolution() const {
  std::string out;
  out.reserve(kCells);
  for (const auto& n : nodes_) {
    if (n.value < 1 || n.value > 9) return {};
    out += static_cast<char>('0' + n.value);
  }
  return out;
}

void TQJ::ClearValues() {
  for (auto& n : nodes_) n.value = 0;
}

void TQJ::SetSolution(std::string_view s) {
  ClearValues();
  s = TrimBlanks(s);
  if (s.size() != kCells) return;
  for (int i = 0; i < kCells; ++i)
    if (s[i] >= '0' && s[i] <= '9') nodes_[i].value = s[i] - '0';
}

void TQJ::SetPuzzle(std::string_view s) {
  ClearValues();
  s = TrimBlanks(s);
  if (s.size() != kCells) return;
  for (int i = 0; i < kCells; ++i) {
    const bool digit = IsDigitChar(s[i]);
    nodes_[i].value = digit ? s[i] - '0' : 0;
    nodes_[i].given = digit;
  }
}

void TQJ::LoadBankEntry(std::string_view entry, Random32& rng) {
  for (int i = 0; i < kCells; ++i) {
    const char ch = i < static_cast<int>(entry.size()) ? entry[i] : '0';
    TNode& n = nodes_[i];
    n.row = RowOf(i);
    n.col = ColOf(i);
    if (ch >= 'A' && ch <= 'I') {
      n.given = false;
      n.value = ch - 'A' + 1;
    } else {
      n.given = true;
      n.value = (ch >= '0' && ch <= '9') ? ch - '0' : 0;
    }
  }
  Shuffle(200, rng);
}

void TQJ::SwapCells(int a, int b) {
  std::swap(nodes_[a].value, nodes_[b].value);
  std::swap(nodes_[a].given, nodes_[b].given);
}

void TQJ::Shuffle(int n, Random32& rng) {
  rng.Reseed();
  for (int step = 0; step < n; ++step) {
    const int t = rng.Random(7) + 1;
    // Two different numbers 1..3; both draws happen whatever t is.
    const int a = rng.Random(3) + 1;
    int b = rng.Random(2) + 1;
    if (a == 1) b += 1;
    if (a == 2 && b == 2) b = 3;
    if (t <= 3) {
      const int ca = a + 3 * (t - 1), cb = b + 3 * (t - 1);
      for (int r = 1; r <= 9; ++r) SwapCells(IndexOf(r, ca), IndexOf(r, cb));
    } else if (t <= 6) {
      const int ra = a + 3 * (t - 4), rb = b + 3 * (t - 4);
      for (int c = 1; c <= 9; ++c) SwapCells(IndexOf(ra, c), IndexOf(rb, c));
    } else {
      const int x = rng.Random(9) + 1;
      int y = rng.Random(9) + 1;
      if (y == x) y = (x == 9) ? 1 : x + 1;
      for (auto& node : nodes_) {
        if (node.value == x)
          node.value = y;
        else if (node.value == y)
          node.value = x;
      }
    }
  }
}

std::string TQJ::PuzzleString() const {
  std::string out;
  out.reserve(kCells);
  for (const auto& n : nodes_) out += (n.given && n.value >= 1 && n.value <= 9) ? static_cast<char>('0' + n.value) : '0';
  return out;
}

}  // namespace tessel
