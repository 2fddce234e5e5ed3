#include "core/solver.hpp"

#include <algorithm>
#include <bit>

namespace tessel {

namespace {

thread_local long searchNodes = 0;

// ---------------------------------------------------------------------------
// The search works band by band. Per digit, three band words (rows 3k..3k+2,
// bit 9 * row + column inside the band) hold the cells that may take it; a
// placed cell keeps its own digit's bit. A band's cells fall into a 3x3 grid
// of mini-rows (three cells of a row inside a box, bit 3 * row + box), and a
// stack's into a 3x3 grid of mini-columns (bit 3 * band + column inside the
// stack). A digit takes one mini-row per row and per box of a band: one of
// six placements. Whatever no placement still open can use goes; that is
// locked candidates (pointing and claiming) for a whole band at once, and at
// rest every hidden single shows as a row with one cell left.

typedef std::uint32_t Bands __attribute__((vector_size(16)));  // bands 0..2; lane 3 stays 0

bool Any(Bands v) { return (v[0] | v[1] | v[2]) != 0; }

// The mini-rows of each band word that hold a bit.
Bands MiniRows(Bands w) {
  // One bit per mini-row at its first cell, then each row's three gathered
  // side by side; the shifted copies do not overlap.
  Bands x = (w | w >> 1 | w >> 2) & 0x1249249u;
  x |= x << 2 | x << 4;
  return (x >> 4 & 7u) | (x >> 10 & 0x38u) | (x >> 16 & 0x1C0u);
}

// The bits of each band word alone in their row.
Bands LoneInRows(Bands w) {
  const Bands r0 = w & 0x1FFu, r1 = w & 0x3FE00u, r2 = w & 0x7FC0000u;
  return (r0 & ((r0 & (r0 - 1)) == 0)) | (r1 & ((r1 & (r1 - 1)) == 0)) | (r2 & ((r2 & (r2 - 1)) == 0));
}

// Three bands' columns side by side (bit 9 * band + column) hold the three
// stacks' grids: stack st as a 3x3 grid, and back.
std::uint32_t StackGrid(std::uint32_t x, int st) {
  const std::uint32_t y = x >> 3 * st & 0x1C0E07u;
  return (y & 7u) | (y >> 6 & 0x38u) | (y >> 12 & 0x1C0u);
}
constexpr std::uint32_t StackColumns(std::uint32_t grid) {
  return (grid & 7u) | (grid & 0x38u) << 6 | (grid & 0x1C0u) << 12;
}

// Built at compile time: a function-local table would cost a guard check
// on every use.
struct Tables {
  // Indexed by a 3x3 grid (mini-rows of a band, or mini-columns of a stack):
  std::array<std::uint16_t, 512> usable{};   // the cells some placement can use
  std::array<std::uint8_t, 512> placements{};  // which placements, bit q for placement[q]
  std::array<std::uint8_t, 512> count{};     // how many
  std::array<std::uint16_t, 512> weight{};   // 100 * log2(count), 0 for one
  std::array<std::uint16_t, 512> lockTo{};   // what stays once the given cells must be used
  std::array<std::uint16_t, 512> sure{};     // cells alone in their row of the grid
  std::array<std::uint32_t, 512> cells{};    // a band grid's cells in the band word
  std::array<std::uint32_t, 512> columns{};  // a stack grid as columns side by side
  std::array<std::uint16_t, 6> placement{};
  // Per cell of a band word: its row, mini-row and column.
  std::array<std::uint32_t, 27> rowOf{}, miniRowOf{}, columnOf{};
  // Per cell: its peers, band by band.
  std::array<std::array<std::uint32_t, 3>, 81> peers{};
  constexpr Tables() {
    constexpr int kOrders[6][3] = {{0, 1, 2}, {0, 2, 1}, {1, 0, 2}, {1, 2, 0}, {2, 0, 1}, {2, 1, 0}};
    for (int q = 0; q < 6; ++q)
      placement[q] = static_cast<std::uint16_t>(1 << kOrders[q][0] | 1 << (3 + kOrders[q][1]) | 1 << (6 + kOrders[q][2]));
    for (int m = 0; m < 512; ++m) {
      for (int q = 0; q < 6; ++q)
        if ((m & placement[q]) == placement[q]) {
          usable[m] = static_cast<std::uint16_t>(usable[m] | placement[q]);
          placements[m] = static_cast<std::uint8_t>(placements[m] | 1 << q);
          ++count[m];
        }
      int keep = 0x1FF;
      for (int k = 0; k < 9; ++k) {
        if (!(m >> k & 1)) continue;
        cells[m] |= 7u << (k / 3 * 9 + k % 3 * 3);
        keep &= ~((7 << (k / 3 * 3)) | (0x49 << (k % 3))) | (1 << k);
      }
      lockTo[m] = static_cast<std::uint16_t>(keep);
      for (int r = 0; r < 3; ++r) {
        const int row = m >> 3 * r & 7;
        if (row == 1 || row == 2 || row == 4) sure[m] = static_cast<std::uint16_t>(sure[m] | row << 3 * r);
      }
      columns[m] = StackColumns(static_cast<std::uint32_t>(m));
    }
    constexpr std::uint16_t kLog2[7] = {0, 0, 100, 158, 200, 232, 258};
    for (int m = 0; m < 512; ++m) weight[m] = kLog2[count[m]];
    for (int p = 0; p < 27; ++p) {
      rowOf[p] = 0x1FFu << (p / 9 * 9);
      miniRowOf[p] = 7u << (p / 3 * 3);
      columnOf[p] = 0x40201u << (p % 9);
    }
    for (int i = 0; i < 81; ++i) {
      const int k = i / 27, p = i % 27;
      for (int j = 0; j < 3; ++j) peers[i][j] = 0x40201u << (p % 9);
      peers[i][k] = ((0x1FFu << (p / 9 * 9)) | (0x1C0E07u << (p % 9 / 3 * 3))) & ~(1u << p);
    }
  }
};
constexpr Tables kTables;

struct State {
  Bands pos[9];
  Bands open;  // cells not placed yet
  // Per digit at its last rest: the band grids (bit 9 * band + grid bit)
  // and the stack grids (bit 9 * stack + grid bit).
  std::uint32_t rows[9];
  std::uint32_t cols[9];
  std::uint32_t dirty;  // digits changed since their last rest
  int dead;             // after a dead end: the band (0..2) or stack (3..5) that showed it
};

constexpr std::uint32_t kBand = 0x7FFFFFFu;

// False when two givens of a digit see each other.
bool Start(const Grid81& grid, State& s) {
  const auto& t = kTables;
  const Bands none = {0, 0, 0, 0};
  Bands given = none, seen[9], mine[9];
  for (int d = 0; d < 9; ++d) seen[d] = mine[d] = none;
  for (int i = 0; i < kCells; ++i) {
    const int d = grid[i] - 1;
    if (d < 0 || d > 8) continue;
    const auto& p = t.peers[i];
    seen[d] |= Bands{p[0], p[1], p[2], 0};
    mine[d][i / 27] |= 1u << (i % 27);
  }
  for (int d = 0; d < 9; ++d) given |= mine[d];
  s.open = Bands{kBand, kBand, kBand, 0} & ~given;
  for (int d = 0; d < 9; ++d) {
    if (Any(mine[d] & seen[d])) return false;
    s.pos[d] = (s.open & ~seen[d]) | mine[d];
  }
  s.dirty = 0x1FF;
  return true;
}

// After a digit lost cell p of band word w: whether that can tell
// something (its mini-row or column in the band emptied, or its row has
// one cell left).
bool Telling(std::uint32_t w, int p) {
  const auto& t = kTables;
  const std::uint32_t row = w & t.rowOf[p];
  // "|", not "||": all three tests cost less than a branch mispredicted.
  return !(w & t.miniRowOf[p]) | !(w & t.columnOf[p]) | !(row & (row - 1));
}

// Digit d in the cell: the cell leaves the other digits, d leaves the
// cell's peers.
void Place(State& s, int k, std::uint32_t bit, int d) {
  s.open[k] &= ~bit;
  const int p = std::countr_zero(bit);
  for (int e = 0; e < 9; ++e)
    if (e != d && (s.pos[e][k] & bit)) {
      s.pos[e][k] &= ~bit;
      if (Telling(s.pos[e][k], p)) s.dirty |= 1u << e;
    }
  const auto& peers = kTables.peers[k * 27 + p];
  s.pos[d] &= ~Bands{peers[0], peers[1], peers[2], 0};
  s.dirty |= 1u << d;
}

// Brings digit d to rest: band and stack grids until neither changes, then
// the rows with one open cell left are placements. False when a band or
// stack has no placement left.
bool Settle(State& s, int d) {
  const auto& t = kTables;
  Bands w = s.pos[d];
  Bands m = MiniRows(w);
  std::uint32_t rows, cols = ~0u;
  for (;;) {
    const std::uint32_t u0 = t.usable[m[0]], u1 = t.usable[m[1]], u2 = t.usable[m[2]];
    if (!u0 || !u1 || !u2) {
      s.dead = !u0 ? 0 : !u1 ? 1 : 2;
      return false;
    }
    const bool moved = (u0 ^ m[0]) | (u1 ^ m[1]) | (u2 ^ m[2]);
    if (moved) w &= Bands{t.cells[u0], t.cells[u1], t.cells[u2], 0};
    rows = u0 | u1 << 9 | u2 << 18;
    if (!moved && cols != ~0u) break;  // the stacks saw these cells
    const Bands c = (w | w >> 9 | w >> 18) & 0x1FFu;  // the columns that hold a bit
    const std::uint32_t x = c[0] | c[1] << 9 | c[2] << 18;
    const std::uint32_t i0 = StackGrid(x, 0), i1 = StackGrid(x, 1), i2 = StackGrid(x, 2);
    const std::uint32_t v0 = t.usable[i0], v1 = t.usable[i1], v2 = t.usable[i2];
    if (!v0 || !v1 || !v2) {
      s.dead = !v0 ? 3 : !v1 ? 4 : 5;
      return false;
    }
    cols = v0 | v1 << 9 | v2 << 18;
    if (!((v0 ^ i0) | (v1 ^ i1) | (v2 ^ i2))) break;
    const std::uint32_t keep = t.columns[v0] | t.columns[v1] << 3 | t.columns[v2] << 6;
    const Bands k = {keep & 0x1FFu, keep >> 9 & 0x1FFu, keep >> 18, 0};
    w &= k | k << 9 | k << 18;
    m = MiniRows(w);  // a band the stacks left alone gives its usable mini-rows again
  }
  s.rows[d] = rows;
  s.cols[d] = cols;
  s.pos[d] = w;
  const Bands lone = LoneInRows(w) & s.open;
  const std::uint32_t placed[3] = {lone[0], lone[1], lone[2]};
  for (int k = 0; k < 3; ++k) {
    const std::uint32_t here = placed[k];
    if (!here) continue;
    s.open[k] &= ~here;
    // The other digits leave these cells, without a branch per digit;
    // only those that lost one and are at rest are looked at.
    std::uint32_t lost = 0, had[9];
    for (int e = 0; e < 9; ++e) {
      const std::uint32_t w = s.pos[e][k];
      had[e] = w & here;
      lost |= static_cast<std::uint32_t>(had[e] != 0) << e;
      s.pos[e][k] = w & ~here;
    }
    s.pos[d][k] |= here;
    for (std::uint32_t a = lost & ~s.dirty & ~(1u << d); a; a &= a - 1) {
      const int e = std::countr_zero(a);
      const std::uint32_t w = s.pos[e][k];
      for (std::uint32_t m = had[e]; m; m &= m - 1)
        if (Telling(w, std::countr_zero(m))) {
          s.dirty |= 1u << e;
          break;
        }
    }
  }
  return true;
}

// Across digits, on their last rest: each mini-row (mini-column) holds
// three digits. With only three that can go there they all must; with
// three that must, no other may. Band grids in the low half of a 64-bit
// word and stack grids in the high half, so both are counted at once.
bool Triads(State& s, bool& changed) {
  const auto& t = kTables;
  constexpr std::uint64_t kFirst = 0x1249249ull | 0x1249249ull << 32;  // first bit of each grid row
  constexpr std::uint64_t kAll = kBand | std::uint64_t{kBand} << 32;
  std::uint64_t c1 = 0, c2 = 0, c3 = 0, c4 = 0, s1 = 0, s2 = 0, s3 = 0, s4 = 0, sure[9];
  for (int d = 0; d < 9; ++d) {
    const std::uint64_t x = s.rows[d] | std::uint64_t{s.cols[d]} << 32;
    c4 |= c3 & x;
    c3 |= c2 & x;
    c2 |= c1 & x;
    c1 |= x;
    // Cells alone in their row of the grid: rows with exactly one bit.
    const std::uint64_t b0 = x & kFirst, b1 = x >> 1 & kFirst, b2 = x >> 2 & kFirst;
    const std::uint64_t y = x & ((b0 ^ b1 ^ b2) & ~(b0 & b1 & b2)) * 7;
    sure[d] = y;
    s4 |= s3 & y;
    s3 |= s2 & y;
    s2 |= s1 & y;
    s1 |= y;
  }
  // Fewer than three digits left, or four that must.
  if (const std::uint64_t wrong = (~c3 & kAll) | s4) {
    const int at = std::countr_zero(wrong);
    s.dead = at < 32 ? at / 9 : 3 + (at - 32) / 9;
    return false;
  }
  // A mini-row with three digits that must, and no other that can, is done.
  const std::uint64_t exact = c3 & ~c4 & ~s3, full = s3 & c4;
  if (!(exact | full)) return true;
  for (int d = 0; d < 9; ++d) {
    const std::uint64_t old = s.rows[d] | std::uint64_t{s.cols[d]} << 32;
    std::uint64_t x = old & ~(full & ~sure[d]);
    if (const std::uint64_t f = x & exact & ~sure[d]) {
      std::uint64_t keep = 0;
      for (const int at : {0, 9, 18, 32, 41, 50}) keep |= std::uint64_t{t.lockTo[f >> at & 0x1FFu]} << at;
      x &= keep;
    }
    if (x == old) continue;
    changed = true;
    s.dirty |= 1u << d;
    const std::uint32_t rows = static_cast<std::uint32_t>(x), cols = static_cast<std::uint32_t>(x >> 32);
    if (rows != s.rows[d]) {
      s.rows[d] = rows;
      for (int k = 0; k < 3; ++k) s.pos[d][k] &= t.cells[rows >> 9 * k & 0x1FFu];
    }
    if (cols != s.cols[d]) {
      s.cols[d] = cols;
      const std::uint32_t keep = t.columns[cols & 0x1FFu] | t.columns[cols >> 9 & 0x1FFu] << 3 | t.columns[cols >> 18] << 6;
      for (int k = 0; k < 3; ++k) s.pos[d][k] &= (keep >> 9 * k & 0x1FFu) * 0x40201u;
    }
  }
  return true;
}

// False for a dead end.
bool Propagate(State& s) {
  for (;;) {
    while (s.dirty) {
      const int d = std::countr_zero(s.dirty);
      s.dirty &= s.dirty - 1;
      if (!Settle(s, d)) return false;
    }
    // Naked singles, and cells without a candidate, for the whole grid.
    Bands once = {0, 0, 0, 0}, twice = once;
    for (const Bands& p : s.pos) {
      const Bands m = p & s.open;
      twice |= once & m;
      once |= m;
    }
    if (const Bands none = s.open & ~once; Any(none)) {
      s.dead = none[0] ? 0 : none[1] ? 1 : 2;
      return false;
    }
    const Bands single = once & ~twice;
    if (Any(single)) {
      for (int k = 0; k < 3; ++k)
        for (std::uint32_t m = single[k]; m; m &= m - 1) {
          const std::uint32_t bit = m & (0u - m);
          int d = 0;
          while (d < 9 && !(s.pos[d][k] & bit)) ++d;
          if (d == 9) {  // lost its last candidate meanwhile
            s.dead = k;
            return false;
          }
          Place(s, k, bit, d);
        }
      continue;
    }
    bool changed = false;
    if (!Triads(s, changed)) return false;
    if (!changed) return true;
  }
}

void Record(const State& s, Grid81& out) {
  for (int d = 0; d < 9; ++d)
    for (int k = 0; k < 3; ++k)
      for (std::uint32_t m = s.pos[d][k]; m; m &= m - 1) out[k * 27 + std::countr_zero(m)] = static_cast<std::uint8_t>(d + 1);
}

// Where to branch: digit d's placements left in band or stack q (0..2
// bands, 3..5 stacks). The band or stack with the fewest left over all
// digits (counted as the logarithm of their product), and in it the digit
// with the fewest. Given dead-end counts per band and stack, the load is
// divided by one more than the count: a big tree keeps running into the
// same contradiction, and branching where it shows cuts the tree short
// (sparse puzzles without a solution went from 760,000 nodes to a few
// hundred).
struct Branch {
  int d = -1, q = 0;
  std::uint32_t placements = 0;
};

Branch Choose(const State& s, const long* deadEnds) {
  const auto& t = kTables;
  int load[6] = {0, 0, 0, 0, 0, 0};
  for (int d = 0; d < 9; ++d) {
    const std::uint32_t r = s.rows[d], c = s.cols[d];
    load[0] += t.weight[r & 0x1FFu];
    load[1] += t.weight[r >> 9 & 0x1FFu];
    load[2] += t.weight[r >> 18];
    load[3] += t.weight[c & 0x1FFu];
    load[4] += t.weight[c >> 9 & 0x1FFu];
    load[5] += t.weight[c >> 18];
  }
  Branch b;
  int q = -1;
  for (int i = 0; i < 6; ++i) {
    if (!load[i]) continue;
    if (q < 0 || (deadEnds ? load[i] * (1 + deadEnds[q]) < load[q] * (1 + deadEnds[i]) : load[i] < load[q])) q = i;
  }
  if (q < 0) return b;  // every digit has one placement left everywhere
  b.q = q;
  int fewest = 7;
  for (int d = 0; d < 9; ++d) {
    const std::uint32_t grid = (q < 3 ? s.rows[d] : s.cols[d]) >> 9 * (q % 3) & 0x1FFu;
    const int n = t.count[grid];
    if (n > 1 && n < fewest) {
      fewest = n;
      b.d = d;
      b.placements = t.placements[grid];
    }
  }
  return b;
}

// Keeps only placement q (an index into Tables::placement) for the branch's
// digit.
void Take(State& s, const Branch& b, int q) {
  const auto& t = kTables;
  const std::uint32_t grid = t.placement[q];
  if (b.q < 3) {
    s.pos[b.d][b.q] &= t.cells[grid];
  } else {
    const std::uint32_t keep = ~(t.columns[0x1FFu & ~grid] << 3 * (b.q - 3));
    for (int k = 0; k < 3; ++k) s.pos[b.d][k] &= (keep >> 9 * k & 0x1FFu) * 0x40201u;
  }
  s.dirty |= 1u << b.d;
}

// Counts solutions up to a limit, keeping the first one found.
class Counter {
 public:
  // `first` and `second` (when not null) receive the first two solutions found.
  Counter(int limit, Grid81* first, Grid81* second = nullptr) : limit_(limit), first_(first), second_(second) {}
  ~Counter() { searchNodes += nodes_; }

  int Run(State& s) {
    const State top = s;
    Search(s);
    if (stopped_) {
      // Branching from the top again, where the dead ends seen so far show.
      stopped_ = false;
      restarted_ = true;
      count_ = 0;
      s = top;
      Search(s);
    }
    return count_;
  }

 private:
  void Search(State& s) {
    if (++nodes_ == kRestart && !restarted_) stopped_ = true;
    if (stopped_) return;
    // A state without a changed digit is at rest already (the top).
    if (s.dirty && !Propagate(s)) {
      ++deadEnds_[s.dead];
      return;
    }
    const Branch b = Choose(s, nodes_ > kSmallTree || restarted_ ? deadEnds_ : nullptr);
    if (b.d < 0) {  // every digit has one placement left everywhere: all placed
      if (Any(s.open)) return;
      if (Grid81* out = count_ == 0 ? first_ : count_ == 1 ? second_ : nullptr) Record(s, *out);
      ++count_;
      return;
    }
    for (std::uint32_t m = b.placements; m; m &= m - 1) {
      if (!(m & (m - 1))) {  // the last one: no copy needed
        Take(s, b, std::countr_zero(m));
        Search(s);
        return;
      }
      State next = s;
      Take(next, b, std::countr_zero(m));
      Search(next);
      if (count_ >= limit_ || stopped_) return;
    }
  }

  // Below this many nodes the load alone chooses better. A tree that grows
  // past kRestart starts over once: choices made near the top before any
  // dead end was counted would otherwise stay.
  static constexpr long kSmallTree = 128;
  static constexpr long kRestart = 512;
  int limit_;
  Grid81* first_;
  Grid81* second_;
  int count_ = 0;
  long nodes_ = 0;
  long deadEnds_[6] = {0, 0, 0, 0, 0, 0};
  bool stopped_ = false;
  bool restarted_ = false;
};

// The first solution in the game's order: cells row by row, digits
// ascending. Short dives in that order settle most puzzles; once a dive
// runs long, the counter tells whether a digit leaves a solution at all,
// and the search keeps a known solution to steer by.
class FirstInOrder {
 public:
  // `diving` is shared by the searches of one puzzle: once a dive runs
  // long, the other orders' dives tend to as well.
  FirstInOrder(Grid81& out, bool& diving) : out_(out), diving_(diving) {}
  ~FirstInOrder() { searchNodes += nodes_; }

  // False when there is no solution. `known`, when given, is a solution.
  bool Run(const Grid81& grid, const Grid81* known) {
    State s;
    return Start(grid, s) && Run(s, known);
  }

  bool Run(State& s, const Grid81* known) {
    // Without a known solution, a dive from the top settles most puzzles;
    // with one, steering by it from the start costs less overall.
    if (!known)
      if (const int r = DiveFrom(s); r >= 0) return r == 1;
    if (!Propagate(s)) return false;
    Grid81 guide{};
    if (known) {
      guide = *known;
    } else {
      State c = s;
      if (Counter(1, &guide).Run(c) == 0) return false;
    }
    for (;;) {
      const int k = s.open[0] ? 0 : s.open[1] ? 1 : s.open[2] ? 2 : 3;
      if (k == 3) {
        Record(s, out_);
        return true;
      }
      const std::uint32_t bit = s.open[k] & (0u - s.open[k]);
      const int want = guide[k * 27 + std::countr_zero(bit)] - 1;
      bool below = false;  // a digit with a solution below was placed
      for (int d = 0; d < 9 && !below; ++d) {
        if (!(s.pos[d][k] & bit)) continue;
        State child = s;
        Place(child, k, bit, d);
        if (d != want) {
          if (diving_) {
            if (const int r = DiveFrom(child); r >= 0) {
              if (r == 1) return true;
              continue;
            }
            // Dives that run long here tend to run long further down too.
            diving_ = false;
          }
          State c = child;
          Grid81 other{};
          if (Counter(1, &other).Run(c) == 0) continue;
          guide = other;
        }
        s = child;
        below = true;
      }
      // Neither happens with a guide that is a solution.
      if (!below || !Propagate(s)) return false;
    }
  }

 private:
  // On a sparse grid a dive places most of the grid, one node a cell, but
  // meets few dead ends; a dive that keeps meeting them is better left to
  // the counter.
  static constexpr long kDive = 64, kDiveDeadEnds = 16;

  // 1 with the first solution below s in out_, 0 when there is none, -1
  // when the dive ran out of nodes or dead ends.
  int DiveFrom(const State& s) {
    State c = s;
    budget_ = kDive;
    deadEnds_ = kDiveDeadEnds;
    return Dive(c);
  }

  int Dive(State& s) {
    if (--budget_ < 0) return -1;
    ++nodes_;
    if (s.dirty && !Propagate(s)) return --deadEnds_ < 0 ? -1 : 0;
    const int k = s.open[0] ? 0 : s.open[1] ? 1 : s.open[2] ? 2 : 3;
    if (k == 3) {
      Record(s, out_);
      return 1;
    }
    const std::uint32_t bit = s.open[k] & (0u - s.open[k]);
    std::uint32_t digits = 0;
    for (int d = 0; d < 9; ++d)
      if (s.pos[d][k] & bit) digits |= 1u << d;
    for (; digits; digits &= digits - 1) {
      const int d = std::countr_zero(digits);
      if (!(digits & (digits - 1))) {
        Place(s, k, bit, d);
        return Dive(s);
      }
      State next = s;
      Place(next, k, bit, d);
      if (const int r = Dive(next); r != 0) return r;
    }
    return 0;
  }

  Grid81& out_;
  bool& diving_;
  long budget_ = 0, deadEnds_ = 0;
  long nodes_ = 0;
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

Grid81 Reversed(Grid81 g) {
  std::reverse(g.begin(), g.end());
  return g;
}

Grid81 Mirrored(Grid81 g) {
  for (auto& v : g)
    if (v) v = static_cast<std::uint8_t>(10 - v);
  return g;
}

// The first solution in the game's order; the grid itself when none.
Grid81 FirstSolution(const Grid81& grid, const Grid81* known, bool& diving, bool& found) {
  Grid81 out{};
  found = FirstInOrder(out, diving).Run(grid, known);
  return found ? out : grid;
}

// Whether the grid at rest leaves so many candidates (about 4.7 a cell)
// that it almost surely has many solutions; sparse puzzles do.
bool ManyCandidates(const State& s) {
  // Bits counted in fields, all bands at once: a baseline build has no
  // popcount instruction. A band holds at most 243 candidates, so each
  // band's byte sums fit in a byte.
  Bands n = {0, 0, 0, 0};
  for (const Bands& p : s.pos) {
    Bands x = p & s.open;
    x -= x >> 1 & 0x55555555u;
    x = (x & 0x33333333u) + (x >> 2 & 0x33333333u);
    n += (x + (x >> 4)) & 0x0F0F0F0Fu;
  }
  n += n >> 8;
  n += n >> 16;
  n &= 0xFFu;
  return n[0] + n[1] + n[2] >= 300;
}

// The puzzle test without counting first: the search in the game's order
// finds the first solution at once on such a grid, and the other orders'
// first solutions tell whether there is a second.
PuzzleTestResult SeveralLikely(const Grid81& g, State& s) {
  PuzzleTestResult r;
  Grid81 first{};
  bool diving = true, found = false;
  if (!FirstInOrder(first, diving).Run(s, nullptr)) return r;
  r.first = GridString(first);
  const Grid81 turned = Reversed(first);
  r.second = Reversed(GridString(FirstSolution(Reversed(g), &turned, diving, found)));
  if (r.second == r.first) {
    const Grid81 mirrored = Mirrored(first);
    r.second = Mirrored(GridString(FirstSolution(Mirrored(g), &mirrored, diving, found)));
  }
  // The same first solution in every order: there is no other.
  r.code = r.second != r.first ? kMultiple : kUnique;
  return r;
}

}  // namespace

Grid81 ParseGrid(std::string_view puzzle) {
  Grid81 g{};
  const int n = std::min(kCells, static_cast<int>(puzzle.size()));
  for (int i = 0; i < n; ++i) {  // without a branch per character
    const std::uint8_t v = static_cast<std::uint8_t>(puzzle[i] - '0');
    g[i] = static_cast<std::uint8_t>(v - 1u < 9u ? v : 0);
  }
  return g;
}

std::string GridString(const Grid81& grid) {
  std::string out(kCells, '0');
  for (int i = 0; i < kCells; ++i) out[i] = static_cast<char>('0' + grid[i]);
  return out;
}

long SearchNodes() { return searchNodes; }

int CountSolutions(const Grid81& grid, int limit, Grid81* first) {
  if (limit <= 0) return 0;
  State s;
  if (!Start(grid, s)) return 0;
  return Counter(limit, first).Run(s);
}

int CountSolutions(std::string_view puzzle, int limit, std::string* first) {
  Grid81 sol{};
  const int n = CountSolutions(ParseGrid(puzzle), limit, first ? &sol : nullptr);
  if (first) *first = n > 0 ? GridString(sol) : std::string();
  return n;
}

SolveResult SolveString(std::string_view puzzle) {
  // Clashing givens are not solvable. Searching around the clash would
  // report "solved" with a grid that breaks the rules, and can take minutes.
  const Grid81 g = ParseGrid(puzzle);
  if (!CheckGivens(GridString(g))) return {1, GridString(g)};
  // A full grid is not "solved".
  if (std::none_of(g.begin(), g.end(), [](std::uint8_t v) { return v == 0; })) return {1, GridString(g)};
  bool diving = true, found = false;
  const Grid81 r = FirstSolution(g, nullptr, diving, found);
  return {found ? 0 : 1, GridString(r)};
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
  const Grid81 g = ParseGrid(puzzle);
  if (std::none_of(g.begin(), g.end(), [](std::uint8_t v) { return v == 0; })) return r;

  // Clashing givens (the check board's test) have no solution to count.
  State s;
  if (!Start(g, s)) return r;
  if (!Propagate(s)) {
    ++searchNodes;  // the counter's first node
    return r;
  }
  if (ManyCandidates(s)) return SeveralLikely(g, s);
  Grid81 one{}, two{};
  const int n = Counter(2, &one, &two).Run(s);
  if (n == 0) return r;
  if (n == 1) {  // every ordering finds the one solution
    r.code = kUnique;
    r.first = r.second = GridString(one);
    return r;
  }
  // Each search steers by the better of the two solutions in its order.
  bool diving = true, found = false;
  r.first = GridString(FirstSolution(g, &std::min(one, two), diving, found));
  // Turned by 180 degrees: the search guesses from the other end.
  const Grid81 turned = std::min(Reversed(one), Reversed(two));
  r.second = Reversed(GridString(FirstSolution(Reversed(g), &turned, diving, found)));
  if (r.second != r.first) {
    r.code = kMultiple;
    return r;
  }
  // Digits mirrored: the search tries large digits first.
  const Grid81 mirrored = Mirrored(std::max(one, two));
  r.second = Mirrored(GridString(FirstSolution(Mirrored(g), &mirrored, diving, found)));
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
