#include "core/solver.hpp"

#include <algorithm>
#include <bit>

namespace tessel {

namespace {

constexpr std::uint16_t kAll = 0x1FF;

constexpr std::uint16_t Bit(int d) { return static_cast<std::uint16_t>(1u << (d - 1)); }
int Lowest(std::uint16_t m) { return std::countr_zero(static_cast<unsigned>(m)) + 1; }

// House numbers of a cell: row 0..8, column 9..17, box 18..26.
struct CellHouses {
  std::array<std::array<std::uint8_t, 3>, kCells> of{};
  CellHouses() {
    for (int i = 0; i < kCells; ++i) {
      const int r = RowOf(i) - 1, c = ColOf(i) - 1;
      of[i] = {static_cast<std::uint8_t>(r), static_cast<std::uint8_t>(9 + c),
               static_cast<std::uint8_t>(18 + BoxOf(r + 1, c + 1) - 1)};
    }
  }
};
const CellHouses& HousesOfCell() {
  static const CellHouses h;
  return h;
}

// ---------------------------------------------------------------------------
// Fast counter: one 81-bit mask per digit of the cells that may hold it (a
// placed cell keeps its own digit's bit), naked and hidden singles, and
// branching on a cell with the fewest candidates.

__extension__ typedef unsigned __int128 Mask81;

constexpr Mask81 CellBit(int i) { return static_cast<Mask81>(1) << i; }

struct MaskTables {
  std::array<Mask81, kCells> peers{};
  std::array<Mask81, 27> house{};
  std::array<std::uint32_t, kCells> housesOf{};  // bit h for each of the cell's houses
  Mask81 all = 0;
  MaskTables() {
    for (int i = 0; i < kCells; ++i) {
      all |= CellBit(i);
      for (int p : PeersOf(i)) peers[i] |= CellBit(p);
    }
    for (int h = 0; h < 27; ++h)
      for (int i : Houses()[h]) {
        house[h] |= CellBit(i);
        housesOf[i] |= 1u << h;
      }
  }
};
const MaskTables& Masks() {
  static const MaskTables t;
  return t;
}

int LowestCell(Mask81 m) {
  const auto lo = static_cast<std::uint64_t>(m);
  return lo ? std::countr_zero(lo) : 64 + std::countr_zero(static_cast<std::uint64_t>(m >> 64));
}
bool Single(Mask81 m) { return m && !(m & (m - 1)); }

struct FastState {
  std::array<Mask81, 9> pos;          // cells where digit d+1 may stand or stands
  Mask81 unsolved;
  std::array<std::uint32_t, 9> done;  // houses that hold digit d+1 already
  std::array<Mask81, 9> scanned;      // pos as the last hidden-single scan saw it
};

class FastCounter {
 public:
  FastCounter(int limit, Grid81* first) : limit_(limit), first_(first) {}

  // Clashing givens have no solution.
  int Run(const Grid81& grid) {
    const auto& t = Masks();
    FastState s;
    s.pos.fill(t.all);
    s.unsolved = t.all;
    s.done.fill(0);
    // As if scanned with every candidate present: each house the givens
    // thinned out is looked at, including one left with no place at all.
    s.scanned.fill(t.all);
    for (int i = 0; i < kCells; ++i) {
      const int d = grid[i];
      if (d < 1 || d > 9) continue;
      if (!(s.pos[d - 1] & CellBit(i)) || !(s.unsolved & CellBit(i))) return 0;
      Place(s, i, d - 1);
    }
    const FastState start = s;
    Search(s);
    if (nodes_ > kPlainNodes && count_ < limit_) {
      // A big tree: search again, looking ahead at every node.
      count_ = 0;
      lookahead_ = true;
      s = start;
      Search(s);
    }
    return count_;
  }

 private:
  static void Place(FastState& s, int i, int d) {
    const Mask81 b = CellBit(i);
    s.unsolved &= ~b;
    for (int e = 0; e < 9; ++e) s.pos[e] &= ~b;
    s.pos[d] = (s.pos[d] & ~Masks().peers[i]) | b;
    for (int h : HousesOfCell().of[i]) s.done[d] |= 1u << h;
  }

  static bool Propagate(FastState& s) {
    const auto& t = Masks();
    for (;;) {
      // Naked singles, and cells with no candidate, for the whole grid at once.
      Mask81 once = 0, twice = 0;
      for (int d = 0; d < 9; ++d) {
        const Mask81 m = s.pos[d] & s.unsolved;
        twice |= once & m;
        once |= m;
      }
      if (s.unsolved & ~once) return false;
      Mask81 singles = once & ~twice;
      if (singles) {
        do {
          const int i = LowestCell(singles);
          singles &= singles - 1;
          if (!(s.unsolved & CellBit(i))) continue;
          int d = 0;
          while (d < 9 && !(s.pos[d] & CellBit(i))) ++d;
          if (d == 9) return false;  // lost its last candidate meanwhile
          Place(s, i, d);
        } while (singles);
        continue;
      }
      bool changed = false;
      for (int d = 0; d < 9; ++d) {
        // Only houses that changed since the last look, and still wait for
        // the digit, can hold a new hidden single.
        Mask81 moved = s.pos[d] ^ s.scanned[d];
        if (!moved) continue;
        s.scanned[d] = s.pos[d];
        std::uint32_t touched = 0;
        for (; moved; moved &= moved - 1) touched |= t.housesOf[LowestCell(moved)];
        for (std::uint32_t open = touched & ~s.done[d] & 0x7FFFFFFu; open; open &= open - 1) {
          const int h = std::countr_zero(open);
          const Mask81 m = s.pos[d] & t.house[h];
          if (!m) return false;  // the digit has no place in this house
          if (Single(m)) {
            Place(s, LowestCell(m), d);
            changed = true;
          }
        }
      }
      if (!changed) return true;
    }
  }

  static int Candidates(const FastState& s) {
    int n = 0;
    for (int d = 0; d < 9; ++d) {
      const Mask81 m = s.pos[d] & s.unsolved;
      n += std::popcount(static_cast<std::uint64_t>(m)) + std::popcount(static_cast<std::uint64_t>(m >> 64));
    }
    return n;
  }

  // Looks one step ahead on every two-way choice (a cell with two digits, a
  // digit with two places in a house): a side whose propagation dies rules
  // itself out, and a candidate both sides remove is gone either way. Of
  // the choices left, `best` gets the one whose sides remove the most
  // candidates, ready to search. Returns false for a dead node.
  static bool Probe(FastState& s, FastState (&best)[2], bool& found) {
    const auto& t = Masks();
    for (bool again = true; again && s.unsolved;) {
      again = false;
      found = false;
      long bestScore = -1;
      const int before = Candidates(s);
      // Tries placing (i1, d1) and, apart, (i2, d2); false when s is dead.
      auto tryChoice = [&](int i1, int d1, int i2, int d2) {
        FastState side[2] = {s, s};
        Place(side[0], i1, d1);
        Place(side[1], i2, d2);
        const bool ok0 = Propagate(side[0]), ok1 = Propagate(side[1]);
        if (!ok0 && !ok1) return false;
        if (ok0 != ok1) {
          s = side[ok0 ? 0 : 1];
          again = true;
          return true;
        }
        bool thinned = false;
        for (int d = 0; d < 9; ++d) {
          const Mask81 kept = s.pos[d] & (side[0].pos[d] | side[1].pos[d]);
          thinned |= kept != s.pos[d];
          s.pos[d] = kept;
        }
        if (thinned) {
          again = true;
          return Propagate(s);
        }
        const long score =
            static_cast<long>(before - Candidates(side[0]) + 1) * (before - Candidates(side[1]) + 1);
        if (score > bestScore) {
          bestScore = score;
          best[0] = side[0];
          best[1] = side[1];
          found = true;
        }
        return true;
      };
      Mask81 once = 0, twice = 0, thrice = 0;
      for (int d = 0; d < 9; ++d) {
        const Mask81 m = s.pos[d] & s.unsolved;
        thrice |= twice & m;
        twice |= once & m;
        once |= m;
      }
      for (Mask81 pairs = twice & ~thrice; pairs && !again; pairs &= pairs - 1) {
        const int i = LowestCell(pairs);
        int d1 = 0;
        while (!(s.pos[d1] & CellBit(i))) ++d1;
        int d2 = d1 + 1;
        while (!(s.pos[d2] & CellBit(i))) ++d2;
        if (!tryChoice(i, d1, i, d2)) return false;
      }
      for (int d = 0; d < 9 && !again; ++d)
        for (std::uint32_t open = ~s.done[d] & 0x7FFFFFFu; open && !again; open &= open - 1) {
          const Mask81 m = s.pos[d] & t.house[std::countr_zero(open)];
          if (!m || !Single(m & (m - 1))) continue;  // not exactly two places
          if (!tryChoice(LowestCell(m), d, LowestCell(m & (m - 1)), d)) return false;
        }
    }
    return true;
  }

  void Search(FastState& s) {
    if (!Propagate(s)) return;
    if (!lookahead_ && ++nodes_ > kPlainNodes) return;  // given up, see Run
    if (lookahead_) {
      FastState sides[2];
      bool found = false;
      if (!Probe(s, sides, found)) return;
      if (found && s.unsolved) {
        Search(sides[0]);
        if (count_ < limit_) Search(sides[1]);
        return;
      }
    }
    if (!s.unsolved) {
      if (count_ == 0 && first_)
        for (int d = 0; d < 9; ++d)
          for (Mask81 m = s.pos[d]; m; m &= m - 1) (*first_)[LowestCell(m)] = static_cast<std::uint8_t>(d + 1);
      ++count_;
      return;
    }
    // Prefer a cell with two candidates.
    Mask81 once = 0, twice = 0, thrice = 0;
    for (int d = 0; d < 9; ++d) {
      const Mask81 m = s.pos[d] & s.unsolved;
      thrice |= twice & m;
      twice |= once & m;
      once |= m;
    }
    if (const Mask81 pairs = twice & ~thrice) {
      BranchOnCell(s, LowestCell(pairs));
      return;
    }
    int bestCell = -1, fewest = 10;
    for (Mask81 m = s.unsolved; m && fewest > 3; m &= m - 1) {
      const int i = LowestCell(m);
      int n = 0;
      for (int d = 0; d < 9; ++d) n += (s.pos[d] & CellBit(i)) ? 1 : 0;
      if (n < fewest) { fewest = n; bestCell = i; }
    }
    // A digit with fewer places in a house than any cell has candidates is
    // the better branch; it also finds contradictions that only show once
    // that digit is placed.
    const auto& t = Masks();
    int bestDigit = -1, bestHouse = -1;
    for (int d = 0; d < 9 && fewest > 2; ++d)
      for (std::uint32_t open = ~s.done[d] & 0x7FFFFFFu; open; open &= open - 1) {
        const int h = std::countr_zero(open);
        const Mask81 m = s.pos[d] & t.house[h];
        const int n = std::popcount(static_cast<std::uint64_t>(m)) +
                      std::popcount(static_cast<std::uint64_t>(m >> 64));
        if (n < fewest) { fewest = n; bestDigit = d; bestHouse = h; }
      }
    if (bestDigit < 0) {
      BranchOnCell(s, bestCell);
      return;
    }
    for (Mask81 m = s.pos[bestDigit] & t.house[bestHouse]; m; m &= m - 1) {
      FastState next = s;
      Place(next, LowestCell(m), bestDigit);
      Search(next);
      if (count_ >= limit_) return;
    }
  }

  void BranchOnCell(const FastState& s, int cell) {
    for (int d = 0; d < 9; ++d) {
      if (!(s.pos[d] & CellBit(cell))) continue;
      FastState next = s;
      Place(next, cell, d);
      Search(next);
      if (count_ >= limit_) return;
    }
  }

  // Looking ahead costs more than it saves on small trees: the plain search
  // gets this many nodes before the count starts over with it.
  static constexpr long kPlainNodes = 1000;
  int limit_;
  Grid81* first_;
  int count_ = 0;
  long nodes_ = 0;
  bool lookahead_ = false;
};

// ---------------------------------------------------------------------------
// Ordered search: the game's own solving order, step for step. Candidates
// are the digits absent from the cell's row, column and box; a pass visits
// the empty cells in row-major order and places every single it meets
// (naked, then hidden in column, row, box); guessing takes the first empty
// cell, digits ascending. Only subtrees that provably hold no completion are
// skipped.

struct OrderedState {
  std::array<std::uint8_t, kCells> val;
  std::array<std::uint16_t, 27> used;  // OR of the digits placed in each house
  std::array<std::array<std::uint8_t, 9>, 27> places;  // empty cells that may take each digit
  int empty;
};

class OrderedSearch {
 public:
  explicit OrderedSearch(const Grid81& grid) {
    s_.val.fill(0);
    s_.used.fill(0);
    s_.empty = kCells;
    for (int i = 0; i < kCells; ++i) {
      const int d = grid[i];
      if (d < 1 || d > 9) continue;
      s_.val[i] = static_cast<std::uint8_t>(d);
      --s_.empty;
      for (int h : HousesOfCell().of[i]) s_.used[h] |= Bit(d);
    }
    for (auto& row : s_.places) row.fill(0);
    for (int i = 0; i < kCells; ++i)
      for (std::uint16_t m = Poss(i); m; m &= static_cast<std::uint16_t>(m - 1))
        for (int h : HousesOfCell().of[i]) ++s_.places[h][Lowest(m) - 1];
  }

  // True when the grid is complete afterwards.
  bool Run() {
    if (s_.empty == 0) return false;  // a full grid is not "solved"
    return HasSolution() && BruteForce();
  }

  const Grid81& grid() const { return s_.val; }

 private:
  std::uint16_t Poss(int i) const {
    if (s_.val[i]) return 0;
    const auto& h = HousesOfCell().of[i];
    return static_cast<std::uint16_t>(~(s_.used[h[0]] | s_.used[h[1]] | s_.used[h[2]]) & kAll);
  }

  // Keeps the per-house place counts in step with the candidates.
  void Place(int i, int d) {
    const auto& hi = HousesOfCell().of[i];
    for (std::uint16_t m = Poss(i); m; m &= static_cast<std::uint16_t>(m - 1))
      for (int h : hi) --s_.places[h][Lowest(m) - 1];
    for (int p : PeersOf(i))
      if (Poss(p) & Bit(d))
        for (int h : HousesOfCell().of[p]) --s_.places[h][d - 1];
    s_.val[i] = static_cast<std::uint8_t>(d);
    --s_.empty;
    for (int h : hi) s_.used[h] |= Bit(d);
  }

  // Naked single, then hidden single in the column, the row, the box.
  bool IsSingle(int d, int i) const {
    const std::uint16_t m = Poss(i);
    if (std::popcount(static_cast<unsigned>(m)) == 1) return true;
    const auto& h = HousesOfCell().of[i];
    return s_.places[h[1]][d - 1] == 1 || s_.places[h[0]][d - 1] == 1 || s_.places[h[2]][d - 1] == 1;
  }

  void Singles() {
    bool placed;
    do {
      placed = false;
      for (int i = 0; i < kCells; ++i) {
        if (s_.val[i]) continue;
        for (int d = 1; d <= 9; ++d) {
          if (!(Poss(i) & Bit(d))) continue;
          if (IsSingle(d, i)) {
            Place(i, d);
            placed = true;
          }
        }
      }
    } while (placed);
  }

  // Cheap first look for a dead end: an empty cell without candidates, or a
  // digit with no place left in a house.
  bool Dead() const {
    for (int h = 0; h < 27; ++h) {
      std::uint16_t any = 0;
      for (int k : Houses()[h]) {
        if (s_.val[k]) continue;
        const std::uint16_t m = Poss(k);
        if (!m) return true;
        any |= m;
      }
      if ((any | s_.used[h]) != kAll) return true;  // a missing digit has no place left
    }
    return false;
  }

  bool HasSolution() const { return CountSolutions(s_.val, 1) > 0; }

  bool BruteForce() {
    int i = 0;
    while (i < kCells && s_.val[i]) ++i;
    if (i == kCells) return false;
    std::uint16_t m = Poss(i);
    while (m) {
      const int d = Lowest(m);
      m &= static_cast<std::uint16_t>(m - 1);
      const OrderedState snapshot = s_;
      Place(i, d);
      Singles();
      if (s_.empty == 0) return true;
      if (!Dead() && HasSolution() && BruteForce()) return true;
      s_ = snapshot;
    }
    return false;
  }

  OrderedState s_;
};


std::string Reversed(std::string s) {
  std::reverse(s.begin(), s.end());
  return s;
}

// Every digit d becomes 10 - d; other characters stay.
std::string Mirrored(std::string s) {
  for (char& ch : s)
    if (IsDigitChar(ch)) ch = static_cast<char>('0' + 10 - (ch - '0'));
  return s;
}

}  // namespace
Grid81 ParseGrid(std::string_view puzzle) {
  Grid81 g{};
  for (int i = 0; i < kCells && i < static_cast<int>(puzzle.size()); ++i)
    if (IsDigitChar(puzzle[i])) g[i] = static_cast<std::uint8_t>(puzzle[i] - '0');
  return g;
}

std::string GridString(const Grid81& grid) {
  std::string out(kCells, '0');
  for (int i = 0; i < kCells; ++i) out[i] = static_cast<char>('0' + grid[i]);
  return out;
}

int CountSolutions(const Grid81& grid, int limit, Grid81* first) {
  if (limit <= 0) return 0;
  FastCounter counter(limit, first);
  return counter.Run(grid);
}

int CountSolutions(std::string_view puzzle, int limit, std::string* first) {
  Grid81 sol{};
  const int n = CountSolutions(ParseGrid(puzzle), limit, first ? &sol : nullptr);
  if (first) *first = n > 0 ? GridString(sol) : std::string();
  return n;
}

SolveResult SolveStringOrdered(std::string_view puzzle) {
  OrderedSearch search(ParseGrid(puzzle));
  const bool solved = search.Run();
  return {solved ? 0 : 1, GridString(search.grid())};
}

SolveResult SolveString(std::string_view puzzle) {
  // Clashing givens are not solvable. Searching around the clash would
  // report "solved" with a grid that breaks the rules, and can take minutes.
  const Grid81 g = ParseGrid(puzzle);
  if (!CheckGivens(GridString(g))) return {1, GridString(g)};
  return SolveStringOrdered(puzzle);
}

bool CheckGivens(std::string_view puzzle) {
  auto textAt = [&](int i) -> char {
    if (i >= static_cast<int>(puzzle.size())) return 0;
    const char ch = puzzle[i];
    return (ch == '0' || ch == '*') ? 0 : ch;
  };
  for (int i = 0; i < kCells; ++i) {
    const char t = textAt(i);
    if (!t) continue;
    for (int p : PeersOf(i))
      if (textAt(p) == t) return false;
  }
  return true;
}

// 81 characters: the digits of the puzzle, "*" for everything else.
static std::string Normalized(std::string_view puzzle) {
  std::string p(kCells, '*');
  for (int i = 0; i < kCells && i < static_cast<int>(puzzle.size()); ++i)
    if (IsDigitChar(puzzle[i])) p[i] = puzzle[i];
  return p;
}

PuzzleTestResult TestPuzzleString(std::string_view puzzle) {
  PuzzleTestResult r;
  const std::string p = Normalized(puzzle);
  const Grid81 g = ParseGrid(p);
  if (std::none_of(g.begin(), g.end(), [](std::uint8_t v) { return v == 0; })) return r;

  // Clashing givens (the check board's test) have no solution to count.
  Grid81 only{};
  const int n = CountSolutions(g, 2, &only);
  if (n == 0) return r;
  if (n == 1) {  // every ordering finds the one solution
    r.code = kUnique;
    r.first = r.second = GridString(only);
    return r;
  }
  r.first = SolveStringOrdered(p).result;
  // Turned by 180 degrees: the search guesses from the other end.
  r.second = Reversed(SolveStringOrdered(Reversed(p)).result);
  if (r.second != r.first) {
    r.code = kMultiple;
    return r;
  }
  // Digits mirrored: the search tries large digits first.
  r.second = Mirrored(SolveStringOrdered(Mirrored(p)).result);
  r.code = (r.second != r.first) ? kMultiple : kUnique;
  return r;
}

}  // namespace tessel

namespace tessel {

std::string BoardPuzzleString(const Board& board) {
  std::string p(kCells, '*');
  for (int i = 0; i < kCells; ++i)
    if (board[i].state == kGiven && board[i].text.size() == 1) p[i] = board[i].text[0];
  return p;
}

PuzzleTestResult TestPuzzle(const Board& board) { return TestPuzzleString(BoardPuzzleString(board)); }

std::string EditorPuzzleString(const Board& board) {
  std::string p(kCells, '*');
  for (int i = 0; i < kCells; ++i)
    if (board[i].text.size() == 1) p[i] = board[i].text[0];
  return p;
}

PuzzleTestResult TestEditorPuzzleString(std::string_view puzzle) {
  const std::string p = Normalized(puzzle);
  if (p.find('*') == std::string::npos) {
    // A full board is its own solution, but only when no two peers clash:
    // a conflicting full board must not pass as checked.
    PuzzleTestResult r;
    if (CheckGivens(p)) {
      r.code = kUnique;
      r.first = r.second = p;
    }
    return r;
  }
  return TestPuzzleString(p);
}

PuzzleTestResult TestEditorPuzzle(const Board& board) {
  return TestEditorPuzzleString(EditorPuzzleString(board));
}

}  // namespace tessel
