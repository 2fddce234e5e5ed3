#include "oracle/literal_solver.hpp"

#include <algorithm>
#include <cstring>

namespace oracle {
namespace {

constexpr int N = 9, BR = 3, BC = 3;

struct TSolverCell {
  unsigned char Value;
  bool Poss[26];
};

TSolverCell Grid[26][26];

void FindPossibilities() {
  for (int r = 1; r <= N; ++r)
    for (int c = 1; c <= N; ++c) {
      TSolverCell& cell = Grid[r][c];
      if (cell.Value != 0) {
        for (int d = 1; d <= N; ++d) cell.Poss[d] = false;
        continue;
      }
      for (int d = 1; d <= N; ++d) cell.Poss[d] = true;
      for (int k = 1; k <= N; ++k) {
        if (Grid[r][k].Value != 0) cell.Poss[Grid[r][k].Value] = false;
        if (Grid[k][c].Value != 0) cell.Poss[Grid[k][c].Value] = false;
      }
      const int r0 = ((r - 1) / BR) * BR + 1, c0 = ((c - 1) / BC) * BC + 1;
      for (int i = r0; i <= r0 + BR - 1; ++i)
        for (int j = c0; j <= c0 + BC - 1; ++j)
          if (Grid[i][j].Value != 0) cell.Poss[Grid[i][j].Value] = false;
    }
}

bool check() {
  for (int r = 1; r <= N; ++r)
    for (int c = 1; c <= N; ++c)
      if (Grid[r][c].Value == 0) return false;
  return true;
}

int CountPossValue(int d, int r, int c) {
  int count = 0;
  if (Grid[r][c].Value == 0) {
    for (int k = 1; k <= N; ++k)
      if (Grid[r][c].Poss[k]) ++count;
    if (count == 1) return 1;
  }
  count = 0;
  for (int k = 1; k <= N; ++k)
    if (Grid[k][c].Value == 0 && Grid[k][c].Poss[d]) ++count;
  if (count == 1) return 1;
  count = 0;
  for (int k = 1; k <= N; ++k)
    if (Grid[r][k].Value == 0 && Grid[r][k].Poss[d]) ++count;
  if (count == 1) return 1;
  count = 0;
  const int r0 = ((r - 1) / BR) * BR + 1, c0 = ((c - 1) / BC) * BC + 1;
  for (int i = r0; i <= r0 + BR - 1; ++i)
    for (int j = c0; j <= c0 + BC - 1; ++j)
      if (Grid[i][j].Value == 0 && Grid[i][j].Poss[d]) ++count;
  return count;
}

void ReducePossibilities() {}

bool SolveSudoku() {
  bool placed = true;
  while (placed) {
    placed = false;
    for (int r = 1; r <= N; ++r)
      for (int c = 1; c <= N; ++c) {
        if (Grid[r][c].Value != 0) continue;
        for (int d = 1; d <= N; ++d) {
          if (!Grid[r][c].Poss[d]) continue;
          if (CountPossValue(d, r, c) == 1) {
            Grid[r][c].Value = static_cast<unsigned char>(d);
            FindPossibilities();
            ReducePossibilities();
            placed = true;
          }
        }
      }
  }
  return check();
}

bool SolveBruteForce() {
  int r = 0, c = 0;
  for (int i = 1; i <= N && !r; ++i)
    for (int j = 1; j <= N; ++j)
      if (Grid[i][j].Value == 0) {
        r = i;
        c = j;
        break;
      }
  if (!r) return false;
  for (int d = 1; d <= N; ++d) {
    if (!Grid[r][c].Poss[d]) continue;
    TSolverCell snapshot[26][26];
    std::memcpy(snapshot, Grid, sizeof Grid);
    Grid[r][c].Value = static_cast<unsigned char>(d);
    FindPossibilities();
    SolveSudoku();
    if (check()) return true;
    if (SolveBruteForce()) return true;
    std::memcpy(Grid, snapshot, sizeof Grid);
  }
  return false;
}

std::string Result() {
  std::string s;
  for (int r = 1; r <= 9; ++r)
    for (int c = 1; c <= 9; ++c) s += static_cast<char>('0' + Grid[r][c].Value);
  return s;
}

// The hidden check board: a character other than "0" and "*" is a text.
bool CheckGivens(std::string_view p) {
  std::string texts[81];
  for (int i = 0; i < 81; ++i) {
    const char ch = i < static_cast<int>(p.size()) ? p[i] : '0';
    if (ch != '0' && ch != '*') texts[i] = std::string(1, ch);
  }
  for (int a = 0; a < 81; ++a) {
    if (texts[a].size() != 1) continue;
    for (int b = 0; b < 81; ++b) {
      if (a == b || texts[b] != texts[a]) continue;
      const int ra = a / 9, ca = a % 9, rb = b / 9, cb = b % 9;
      if (ra == rb || ca == cb || (ra / 3 == rb / 3 && ca / 3 == cb / 3)) return false;
    }
  }
  return true;
}

}  // namespace

Solved SolveString(std::string_view puzzle) {
  for (int r = 1; r <= 9; ++r)
    for (int c = 1; c <= 9; ++c) {
      const std::size_t pos = (r - 1) * 9 + (c - 1);
      const char ch = pos < puzzle.size() ? puzzle[pos] : ' ';
      Grid[r][c].Value = (ch >= '1' && ch <= '9') ? static_cast<unsigned char>(ch - '0') : 0;
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
  std::string rev(p);
  std::reverse(rev.begin(), rev.end());
  const Solved t2 = SolveString(rev);
  if (t2.status == 1) return {1, s1.result, ""};
  std::string s2 = t2.result;
  std::reverse(s2.begin(), s2.end());
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

Tested TestEditorPuzzleAsDescribed(std::string_view p) {
  Tested t = TestPuzzle(p);
  if (p.find('*') == std::string_view::npos) {
    t.code = 0;
    t.first = std::string(p);
  }
  return t;
}

}  // namespace oracle
