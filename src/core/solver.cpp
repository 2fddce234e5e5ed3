#include "core/solver.hpp"

#include <algorithm>
#include <bit>
#include <vector>

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

// Built at compile time: a function-local table would cost a guard check
// on every placement.
struct MaskTables {
  std::array<Mask81, kCells> peers{};
  std::array<Mask81, 27> house{};  // rows 0..8, columns 9..17, boxes 18..26
  std::array<std::uint32_t, kCells> housesOf{};  // bit h for each of the cell's houses
  Mask81 all = 0;
  constexpr MaskTables() {
    for (int i = 0; i < kCells; ++i) {
      const int r = i / 9, c = i % 9, b = 18 + BoxOf(r + 1, c + 1) - 1;
      all |= CellBit(i);
      housesOf[i] = 1u << r | 1u << (9 + c) | 1u << b;
      house[r] |= CellBit(i);
      house[9 + c] |= CellBit(i);
      house[b] |= CellBit(i);
    }
    for (int i = 0; i < kCells; ++i) {
      for (int h = 0; h < 27; ++h)
        if (housesOf[i] >> h & 1) peers[i] |= house[h];
      peers[i] &= ~CellBit(i);
    }
  }
};
constexpr MaskTables kMaskTables;
const MaskTables& Masks() { return kMaskTables; }

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
    FastState s;
    if (!Start(grid, s)) return 0;
    Search<false>(s);
    if (nodes_ > kPlainNodes && count_ < limit_) LookAhead(grid);
    return count_;
  }

 private:
  static bool Start(const Grid81& grid, FastState& s) {
    const auto& t = Masks();
    s.pos.fill(t.all);
    s.unsolved = t.all;
    s.done.fill(0);
    // As if scanned with every candidate present: each house the givens
    // thinned out is looked at, including one left with no place at all.
    s.scanned.fill(t.all);
    for (int i = 0; i < kCells; ++i) {
      const int d = grid[i];
      if (d < 1 || d > 9) continue;
      if (!(s.pos[d - 1] & CellBit(i)) || !(s.unsolved & CellBit(i))) return false;
      Place(s, i, d - 1);
    }
    return true;
  }

  static void Place(FastState& s, int i, int d) {
    const Mask81 b = CellBit(i);
    s.unsolved &= ~b;
    for (int e = 0; e < 9; ++e) s.pos[e] &= ~b;
    s.pos[d] = (s.pos[d] & ~Masks().peers[i]) | b;
    s.done[d] |= Masks().housesOf[i];
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

  // Open candidates. Counted in bit fields: without a popcount instruction
  // in the build, std::popcount is a library call per word.
  static int Candidates(const FastState& s) {
    constexpr std::uint64_t k1 = 0x5555555555555555u, k2 = 0x3333333333333333u, k4 = 0x0F0F0F0F0F0F0F0Fu;
    auto nibbles = [&](std::uint64_t w) {  // bits per 4-bit field, at most 4
      w -= (w >> 1) & k1;
      return (w & k2) + ((w >> 2) & k2);
    };
    std::uint64_t bytes = 0;  // at most 18 * 8 per byte
    for (int d = 0; d < 9; d += 3) {
      std::uint64_t lo = 0, hi = 0;  // at most 12 per field
      for (int e = d; e < d + 3; ++e) {
        const Mask81 m = s.pos[e] & s.unsolved;
        lo += nibbles(static_cast<std::uint64_t>(m));
        hi += nibbles(static_cast<std::uint64_t>(m >> 64));
      }
      bytes += (lo & k4) + ((lo >> 4) & k4) + (hi & k4) + ((hi >> 4) & k4);
    }
    constexpr std::uint64_t k8 = 0x00FF00FF00FF00FFu;
    const std::uint64_t halves = (bytes & k8) + ((bytes >> 8) & k8);  // the sum needs 11 bits
    return static_cast<int>((halves * 0x0001000100010001u) >> 48);
  }

  static Mask81 TwoDigitCells(const FastState& s) {
    Mask81 once = 0, twice = 0, thrice = 0;
    for (int d = 0; d < 9; ++d) {
      const Mask81 m = s.pos[d] & s.unsolved;
      thrice |= twice & m;
      twice |= once & m;
      once |= m;
    }
    return twice & ~thrice;
  }

  // One side of a two-way choice: digit d placed in cell i, propagated.
  struct Side {
    FastState st;
    int removed;  // candidates it takes away
    bool ok;
    std::uint32_t version;  // of the node state it was propagated from
  };
  // Sides already propagated at the node being probed, by cell * 9 + digit.
  struct SideCache {
    std::vector<Side> sides;
    std::array<std::uint16_t, kCells * 9> slot{};
    std::array<std::uint32_t, kCells * 9> node{};
    std::uint32_t call = 0;
  };

  // Only when the plain search ran long: repeats the count from the start,
  // looking ahead at every node. Kept out of Run so the plain search's
  // callers (the ordered runs among them) keep a small stack frame.
  [[gnu::noinline]] void LookAhead(const Grid81& grid) {
    SideCache cache;
    cache_ = &cache;
    count_ = 0;
    FastState s;
    Start(grid, s);
    Search<true>(s);
    cache_ = nullptr;
  }

  // The side (i, d) of node state s at its given version. Candidates only
  // shrink, so a side from an earlier version is brought up to date by
  // intersecting it with s and propagating the difference; a side that
  // died stays dead.
  int SideOf(const FastState& s, std::uint32_t version, int before, int i, int d) {
    SideCache& c = *cache_;
    const int lit = i * 9 + d;
    if (c.node[lit] != c.call) {
      c.node[lit] = c.call;
      c.slot[lit] = static_cast<std::uint16_t>(c.sides.size());
      c.sides.push_back({s, 0, false, version});
      Side& x = c.sides.back();
      Place(x.st, i, d);
      x.ok = Propagate(x.st);
      if (x.ok) x.removed = before - Candidates(x.st);
      return c.slot[lit];
    }
    Side& x = c.sides[c.slot[lit]];
    if (x.version == version || !x.ok) return c.slot[lit];
    x.version = version;
    Mask81 any = 0;
    for (int e = 0; e < 9; ++e) any |= x.st.pos[e] &= s.pos[e];
    // A cell the side filled must keep its digit; open cells are checked
    // by the propagation.
    x.ok = !(Masks().all & ~x.st.unsolved & ~any) && Propagate(x.st);
    if (x.ok) x.removed = before - Candidates(x.st);
    return c.slot[lit];
  }

  // Looks one step ahead on two-way choices (a cell with two digits, a
  // digit with two places in a house): a side that dies forces the other,
  // and a candidate both sides remove is gone either way. Goes over the
  // choices until a whole pass changes nothing; then `best` holds the sides
  // of the choice whose weaker side removes the most. Returns false for a
  // dead node.
  [[gnu::noinline]] bool Probe(FastState& s, FastState (&best)[2], bool& found) {
    const auto& t = Masks();
    SideCache& c = *cache_;
    ++c.call;
    c.sides.clear();
    std::uint32_t version = 0;
    int before = Candidates(s);
    Mask81 pairs = TwoDigitCells(s);
    long bestScore = -1;
    int best0 = 0, best1 = 0;
    // 1 for a change, -1 for a dead node.
    auto tryChoice = [&](int i1, int d1, int i2, int d2) {
      const int ia = SideOf(s, version, before, i1, d1), ib = SideOf(s, version, before, i2, d2);
      const Side& a = c.sides[ia];
      const Side& b = c.sides[ib];
      if (!a.ok && !b.ok) return -1;
      bool changed = a.ok != b.ok;
      if (changed) {
        s = (a.ok ? a : b).st;
      } else {
        for (int d = 0; d < 9; ++d) {
          const Mask81 kept = s.pos[d] & (a.st.pos[d] | b.st.pos[d]);
          changed |= kept != s.pos[d];
          s.pos[d] = kept;
        }
        if (changed && !Propagate(s)) return -1;
      }
      if (changed) {
        // The choices are looked at again against the new state.
        ++version;
        before = Candidates(s);
        pairs = TwoDigitCells(s);
        bestScore = -1;
        return 1;
      }
      const long score = std::min(a.removed, b.removed) * 1000L + a.removed + b.removed;
      if (score > bestScore) {
        bestScore = score;
        best0 = ia;
        best1 = ib;
      }
      return 0;
    };
    for (bool again = true; again && s.unsolved;) {
      again = false;
      for (Mask81 m = pairs; m; m &= m - 1) {
        const int i = LowestCell(m);
        if (!(pairs & CellBit(i))) continue;  // filled by a change meanwhile
        int d1 = 0;
        while (!(s.pos[d1] & CellBit(i))) ++d1;
        int d2 = d1 + 1;
        while (!(s.pos[d2] & CellBit(i))) ++d2;
        const int r = tryChoice(i, d1, i, d2);
        if (r < 0) return false;
        again |= r > 0;
      }
      for (int d = 0; d < 9; ++d)
        for (std::uint32_t open = ~s.done[d] & 0x7FFFFFFu; open; open &= open - 1) {
          const int h = std::countr_zero(open);
          if (s.done[d] >> h & 1) continue;
          const Mask81 m = s.pos[d] & t.house[h];
          if (!m || !Single(m & (m - 1))) continue;  // not exactly two places
          const int r = tryChoice(LowestCell(m), d, LowestCell(m & (m - 1)), d);
          if (r < 0) return false;
          again |= r > 0;
        }
    }
    found = bestScore >= 0 && s.unsolved;
    if (found) {
      best[0] = c.sides[best0].st;
      best[1] = c.sides[best1].st;
    }
    return true;
  }

  template <bool kAhead>
  void Search(FastState& s) {
    if (!Propagate(s)) return;
    if constexpr (kAhead) {
      FastState sides[2];
      bool found = false;
      if (!Probe(s, sides, found)) return;
      if (found) {
        Search<true>(sides[0]);
        if (count_ < limit_) Search<true>(sides[1]);
        return;
      }
    } else if (++nodes_ > kPlainNodes) {
      return;  // given up, see Run
    }
    if (!s.unsolved) {
      if (count_ == 0 && first_)
        for (int d = 0; d < 9; ++d)
          for (Mask81 m = s.pos[d]; m; m &= m - 1) (*first_)[LowestCell(m)] = static_cast<std::uint8_t>(d + 1);
      ++count_;
      return;
    }
    // Prefer a cell with two candidates.
    if (const Mask81 pairs = TwoDigitCells(s)) {
      BranchOnCell<kAhead>(s, LowestCell(pairs));
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
      BranchOnCell<kAhead>(s, bestCell);
      return;
    }
    for (Mask81 m = s.pos[bestDigit] & t.house[bestHouse]; m; m &= m - 1) {
      FastState next = s;
      Place(next, LowestCell(m), bestDigit);
      Search<kAhead>(next);
      if (count_ >= limit_) return;
    }
  }

  template <bool kAhead>
  void BranchOnCell(const FastState& s, int cell) {
    for (int d = 0; d < 9; ++d) {
      if (!(s.pos[d] & CellBit(cell))) continue;
      FastState next = s;
      Place(next, cell, d);
      Search<kAhead>(next);
      if (count_ >= limit_) return;
    }
  }

  // Looking ahead costs more than it saves on small trees: the plain search
  // gets this many nodes before the count starts over with it.
  static constexpr long kPlainNodes = 800;
  int limit_;
  Grid81* first_;
  int count_ = 0;
  long nodes_ = 0;
  SideCache* cache_ = nullptr;
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
