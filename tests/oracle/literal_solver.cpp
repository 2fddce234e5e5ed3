#include "oracle/literal_solver.hpp"

#include <algorithm>
#include <cstring>

namespace oracle {
namespace {

// Rows and columns 0..8; Poss[d] for the digits 1..9.
struct TSolverCell {
  unsigned char Value;
  bool Poss[10];
};

TSolverCell Grid[9][9];

// Calls f(row, col) for every cell of the row, the column and the box of
// (r, c), the cell itself included (three times).
template <class F>
void EachPeer(int r, int c, F f) {
  for (int k = 0; k < 9; ++k) {
    f(r, k);
    f(k, c);
    f(r / 3 * 3 + k / 3, c / 3 * 3 + k % 3);
  }
}

void FindPossibilities() {
  for (int r = 0; r < 9; ++r)
    for (int c = 0; c < 9; ++c) {
      TSolverCell& cell = Grid[r][c];
      for (int d = 1; d <= 9; ++d) cell.Poss[d] = cell.Value == 0;
      if (cell.Value == 0)
        EachPeer(r, c, [&](int i, int j) {
          if (Grid[i][j].Value != 0) cell.Poss[Grid[i][j].Value] = false;
        });
    }
}

bool check() {
  return std::all_of(&Grid[0][0], &Grid[0][0] + 81, [](const TSolverCell& cell) { return cell.Value != 0; });
}

// 1 when the cell has one candidate, or d has one place in the column or the
// row; otherwise the number of places for d in the box.
int CountPossValue(int d, int r, int c) {
  auto open = [&](int i, int j) { return Grid[i][j].Value == 0 && Grid[i][j].Poss[d]; };
  if (Grid[r][c].Value == 0 && std::count(Grid[r][c].Poss + 1, Grid[r][c].Poss + 10, true) == 1) return 1;
  int col = 0, row = 0, box = 0;
  for (int k = 0; k < 9; ++k) {
    col += open(k, c);
    row += open(r, k);
    box += open(r / 3 * 3 + k / 3, c / 3 * 3 + k % 3);
  }
  return col == 1 || row == 1 ? 1 : box;
}

bool SolveSudoku() {
  for (bool placed = true; placed;) {
    placed = false;
    for (int r = 0; r < 9; ++r)
      for (int c = 0; c < 9; ++c)
        for (int d = 1; d <= 9 && Grid[r][c].Value == 0; ++d)
          if (Grid[r][c].Poss[d] && CountPossValue(d, r, c) == 1) {
            Grid[r][c].Value = static_cast<unsigned char>(d);
            FindPossibilities();
            placed = true;
          }
  }
  return check();
}

bool SolveBruteForce() {
  int at = 0;
  while (at < 81 && Grid[at / 9][at % 9].Value != 0) ++at;
  if (at == 81) return false;
  TSolverCell& cell = Grid[at / 9][at % 9];
  for (int d = 1; d <= 9; ++d) {
    if (!cell.Poss[d]) continue;
    TSolverCell snapshot[9][9];
    std::memcpy(snapshot, Grid, sizeof Grid);
    cell.Value = static_cast<unsigned char>(d);
    FindPossibilities();
    SolveSudoku();
    if (check() || SolveBruteForce()) return true;
    std::memcpy(Grid, snapshot, sizeof Grid);
  }
  return false;
}

std::string Result() {
  std::string s;
  for (int i = 0; i < 81; ++i) s += static_cast<char>('0' + Grid[i / 9][i % 9].Value);
  return s;
}

// The hidden check board: a character other than "0" and "*" is a text, and
// two equal one-character texts may not share a row, column or box.
bool CheckGivens(std::string_view p) {
  auto text = [&](int i) {  // -1: no text
    return i < static_cast<int>(p.size()) && p[i] != '0' && p[i] != '*' ? static_cast<unsigned char>(p[i]) : -1;
  };
  for (int a = 0; a < 81; ++a)
    for (int b = 0; b < 81; ++b) {
      const int ra = a / 9, ca = a % 9, rb = b / 9, cb = b % 9;
      if (a != b && text(a) >= 0 && text(a) == text(b) &&
          (ra == rb || ca == cb || (ra / 3 == rb / 3 && ca / 3 == cb / 3)))
        return false;
    }
  return true;
}

}  // namespace

Solved SolveString(std::string_view puzzle) {
  for (int i = 0; i < 81; ++i) {
    const char ch = i < static_cast<int>(puzzle.size()) ? puzzle[i] : ' ';
    Grid[i / 9][i % 9].Value = (ch >= '1' && ch <= '9') ? static_cast<unsigned char>(ch - '0') : 0;
  }
  FindPossibilities();
  if (check()) return {1, Result()};
  SolveBruteForce();
  return {check() ? 0 : 1, Result()};
}

Tested TestPuzzle(std::string_view p) {
  if (!CheckGivens(p)) return {1, "", ""};
  const Solved s1 = SolveString(p);
  if (s1.status == 1) return {1, s1.result, ""};
  const Solved t2 = SolveString(std::string(p.rbegin(), p.rend()));
  if (t2.status == 1) return {1, s1.result, ""};
  const std::string s2(t2.result.rbegin(), t2.result.rend());
  if (s2 != s1.result) return {2, s1.result, s2};
  std::string mir(p);
  for (char& ch : mir)
    if (ch >= '1' && ch <= '9') ch = static_cast<char>('0' + 10 - (ch - '0'));
  const Solved t3 = SolveString(mir);
  if (t3.status == 1) return {1, s1.result, ""};
  std::string s3 = t3.result;
  for (char& ch : s3) ch = static_cast<char>('0' + 10 - (ch - '0'));
  return {s3 != s1.result ? 2 : 0, s1.result, s3};
}

}  // namespace oracle
