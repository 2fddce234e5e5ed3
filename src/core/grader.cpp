#include "core/grader.hpp"

#include <algorithm>
#include <bit>

#include "core/board.hpp"
#include "core/grader_detail.hpp"
#include "core/solver.hpp"

namespace tessel {


namespace detail {

const Geometry& Geo() {
  static const Geometry g;
  return g;
}

Geometry::Geometry() {
  const auto& hs = Houses();
  for (int h = 0; h < 27; ++h) {
    cells[h] = hs[h];
    for (int c : hs[h]) house[h].set(c);
  }
  for (int c = 0; c < 81; ++c) {
    for (int p : PeersOf(c)) peers[c].set(p);
    const int r = c / 9, k = c % 9;
    houseOf[c] = {r, 9 + k, 18 + 3 * (r / 3) + k / 3};
  }
}

View::View(const Pencil& pencil) : p(pencil) {
  const auto& g = Geo();
  for (int c = 0; c < 81; ++c) {
    cand[c] = pencil.candidates(c);
    for (std::uint16_t m = cand[c]; m; m &= m - 1) pos[std::countr_zero(m)].set(c);
    if (pencil.value(c)) {
      const std::uint16_t bit = 1u << (pencil.value(c) - 1);
      for (int h : g.houseOf[c]) placedIn[h] |= bit;
    }
  }
  for (int d = 0; d < 9; ++d)
    for (int c = 0; c < 81; ++c)
      if (pos[d].test(c)) {
        rowMask[d][c / 9] |= 1u << (c % 9);
        colMask[d][c % 9] |= 1u << (c / 9);
      }
}

std::string Label(int cell) { return CellLabel(cell / 9 + 1, cell % 9 + 1); }

std::string CellsText(const Bits& b) {
  std::string s;
  b.each([&](int c) {
    if (!s.empty()) s += ',';
    s += Label(c);
  });
  return s;
}

std::string DigitsText(std::uint16_t mask) {
  std::string s;
  for (int d = 0; d < 9; ++d)
    if (mask >> d & 1) s += static_cast<char>('1' + d);
  return s;
}

std::string HouseName(int h) {
  static const char* const kind[] = {"row ", "column ", "box "};
  std::string s = kind[h / 9];
  s += h < 9 ? static_cast<char>('A' + h) : static_cast<char>('1' + h % 9);
  return s;
}

void Finish(GradeStep& s, bool describe, const std::string& detail) {
  s.rating = std::max(s.rating, TechniqueRating(s.technique));
  if (!describe) return;
  std::string text(TechniqueName(s.technique));
  text += ": ";
  text += detail;
  if (!s.placements.empty()) {
    text += " =>";
    for (const auto& pl : s.placements) text += " " + Label(pl.cell) + "=" + std::to_string(pl.digit);
  }
  if (!s.eliminations.empty()) {
    text += " =>";
    for (const auto& e : s.eliminations) text += " " + Label(e.cell) + "<>" + std::to_string(e.digit);
  }
  s.description = std::move(text);
}

bool AddEliminations(GradeStep& s, const Bits& cells, int digit) {
  bool any = false;
  cells.each([&](int c) {
    s.eliminations.push_back({c, digit + 1});
    any = true;
  });
  return any;
}

// "D3=4 -> D7<>4 | ...": each branch's facts, for the description.
std::string BranchesText(const std::vector<std::vector<ChainFact>>& branches) {
  std::string text;
  for (const auto& br : branches) {
    if (!text.empty()) text += " | ";
    for (std::size_t k = 0; k < br.size(); ++k) {
      if (k) text += " -> ";
      const ChainFact& x = br[k];
      if (x.house >= 0) {
        text += HouseName(x.house) + " no " + std::to_string(x.digit);
      } else if (x.digit == 0) {
        text += Label(x.cells[0]) + " empty";
      } else {
        Bits b;
        for (int q : x.cells) b.set(q);
        text += (x.cells.size() == 1 ? Label(x.cells[0]) : "(" + CellsText(b) + ")") + (x.on ? "=" : "<>") +
                std::to_string(x.digit);
      }
    }
  }
  return text;
}

}  // namespace detail

using namespace detail;

namespace {

// ---- singles ----

bool FullHouse(const View& v, GradeStep& s, bool describe) {
  const auto& g = Geo();
  for (int h = 0; h < 27; ++h) {
    const std::uint16_t missing = 0x1FF & ~v.placedIn[h];
    if (Count(missing) != 1) continue;
    for (int c : g.cells[h])
      if (!v.p.value(c) && (v.cand[c] & missing)) {
        s.placements.push_back({c, std::countr_zero(missing) + 1});
        Finish(s, describe, HouseName(h));
        return true;
      }
  }
  return false;
}

bool HiddenSingle(const View& v, GradeStep& s, bool describe, int first, int last) {
  const auto& g = Geo();
  for (int h = first; h < last; ++h)
    for (int d = 0; d < 9; ++d) {
      if (v.placedIn[h] >> d & 1) continue;
      const Bits b = v.pos[d] & g.house[h];
      if (b.count() != 1) continue;
      s.placements.push_back({b.first(), d + 1});
      Finish(s, describe, HouseName(h));
      return true;
    }
  return false;
}

bool NakedSingle(const View& v, GradeStep& s, bool describe) {
  for (int c = 0; c < 81; ++c)
    if (Count(v.cand[c]) == 1) {
      s.placements.push_back({c, std::countr_zero(v.cand[c]) + 1});
      Finish(s, describe, Label(c));
      return true;
    }
  return false;
}

// Box candidates on one line (pointing), or line candidates in one box (claiming).
bool LockedCandidates(const View& v, GradeStep& s, bool describe, bool pointing) {
  const auto& g = Geo();
  for (int h = pointing ? 18 : 0; h < (pointing ? 27 : 18); ++h)
    for (int d = 0; d < 9; ++d) {
      const Bits b = v.pos[d] & g.house[h];
      if (b.count() < 2) continue;
      const int c0 = b.first();
      const int others[2] = {pointing ? g.houseOf[c0][0] : g.houseOf[c0][2],
                             pointing ? g.houseOf[c0][1] : -1};
      for (int o : others) {
        if (o < 0 || b.andNot(g.house[o]).any()) continue;
        const Bits t = (v.pos[d] & g.house[o]).andNot(g.house[h]);
        if (!t.any()) continue;
        AddEliminations(s, t, d);
        s.houses = {h, o};
        s.digits = static_cast<std::uint16_t>(1u << d);
        Finish(s, describe,
               std::to_string(d + 1) + " in " + HouseName(h) + " on " + HouseName(o));
        return true;
      }
    }
  return false;
}

// ---- subsets ----

bool NakedSubset(const View& v, GradeStep& s, bool describe, int n) {
  const auto& g = Geo();
  int cells[9];
  for (int h = 0; h < 27; ++h) {
    int k = 0;
    for (int c : g.cells[h]) {
      const int cnt = Count(v.cand[c]);
      if (cnt >= 2 && cnt <= n) cells[k++] = c;
    }
    if (k < n) continue;
    for (unsigned sel = 0; sel < (1u << k); ++sel) {
      if (Count(sel) != n) continue;
      std::uint16_t u = 0;
      Bits in;
      for (int i = 0; i < k; ++i)
        if (sel >> i & 1) u |= v.cand[cells[i]], in.set(cells[i]);
      if (Count(u) != n) continue;
      for (int c : g.cells[h])
        if (!in.test(c))
          for (std::uint16_t m = v.cand[c] & u; m; m &= m - 1)
            s.eliminations.push_back({c, std::countr_zero(m) + 1});
      if (s.eliminations.empty()) continue;
      in.each([&](int c) { s.pattern.push_back(c); });
      s.digits = u;
      s.house = h;
      Finish(s, describe, DigitsText(u) + " in " + CellsText(in));
      return true;
    }
  }
  return false;
}

bool HiddenSubset(const View& v, GradeStep& s, bool describe, int n) {
  const auto& g = Geo();
  int digits[9];
  for (int h = 0; h < 27; ++h) {
    int k = 0;
    for (int d = 0; d < 9; ++d) {
      const int cnt = (v.pos[d] & g.house[h]).count();
      if (cnt >= 2 && cnt <= n) digits[k++] = d;
    }
    if (k < n) continue;
    for (unsigned sel = 0; sel < (1u << k); ++sel) {
      if (Count(sel) != n) continue;
      Bits u;
      std::uint16_t dm = 0;
      for (int i = 0; i < k; ++i)
        if (sel >> i & 1) u = u | (v.pos[digits[i]] & g.house[h]), dm |= 1u << digits[i];
      if (u.count() != n) continue;
      u.each([&](int c) {
        for (std::uint16_t m = v.cand[c] & ~dm; m; m &= m - 1)
          s.eliminations.push_back({c, std::countr_zero(m) + 1});
      });
      if (s.eliminations.empty()) continue;
      u.each([&](int c) { s.pattern.push_back(c); });
      s.digits = dm;
      s.house = h;
      Finish(s, describe, DigitsText(dm) + " in " + CellsText(u));
      return true;
    }
  }
  return false;
}

// ---- fish ----

// The cells of line `i` of orientation `cols` (false: rows).
const Bits& LineBits(bool cols, int i) { return Geo().house[(cols ? 9 : 0) + i]; }

std::string LinesText(bool cols, unsigned mask) {
  std::string s;
  for (int i = 0; i < 9; ++i)
    if (mask >> i & 1) {
      if (!s.empty()) s += ',';
      s += cols ? static_cast<char>('1' + i) : static_cast<char>('A' + i);
    }
  return s;
}

bool BasicFish(const View& v, GradeStep& s, bool describe, int n) {
  for (int d = 0; d < 9; ++d)
    for (int o = 0; o < 2; ++o) {
      const auto& lm = o ? v.colMask[d] : v.rowMask[d];
      int lines[9], k = 0;
      for (int i = 0; i < 9; ++i) {
        const int cnt = Count(lm[i]);
        if (cnt >= 2 && cnt <= n) lines[k++] = i;
      }
      if (k < n) continue;
      for (unsigned sel = 0; sel < (1u << k); ++sel) {
        if (Count(sel) != n) continue;
        unsigned cover = 0, base = 0;
        Bits baseCells;
        for (int i = 0; i < k; ++i)
          if (sel >> i & 1) {
            cover |= lm[lines[i]];
            base |= 1u << lines[i];
            baseCells = baseCells | LineBits(o, lines[i]);
          }
        if (Count(cover) != n) continue;
        Bits t;
        for (int j = 0; j < 9; ++j)
          if (cover >> j & 1) t = t | LineBits(!o, j);
        t = (t & v.pos[d]).andNot(baseCells);
        if (!t.any()) continue;
        AddEliminations(s, t, d);
        s.digits = static_cast<std::uint16_t>(1u << d);
        for (int j = 0; j < 9; ++j)
          if (base >> j & 1) s.houses.push_back((o ? 9 : 0) + j);
        for (int j = 0; j < 9; ++j)
          if (cover >> j & 1) s.houses.push_back((o ? 0 : 9) + j);
        Finish(s, describe,
               std::to_string(d + 1) + " in " + (o ? "columns " : "rows ") + LinesText(o, base) +
                   " on " + LinesText(!o, cover));
        return true;
      }
    }
  return false;
}

bool FinnedFish(const View& v, GradeStep& s, bool describe, int n) {
  const auto& g = Geo();
  for (int d = 0; d < 9; ++d)
    for (int o = 0; o < 2; ++o) {
      const auto& lm = o ? v.colMask[d] : v.rowMask[d];
      int lines[9], k = 0;
      for (int i = 0; i < 9; ++i) {
        const int cnt = Count(lm[i]);
        if (cnt >= 1 && cnt <= n + 3) lines[k++] = i;
      }
      if (k < n) continue;
      for (unsigned sel = 0; sel < (1u << k); ++sel) {
        if (Count(sel) != n) continue;
        unsigned uni = 0, base = 0;
        Bits baseCells;
        for (int i = 0; i < k; ++i)
          if (sel >> i & 1) {
            uni |= lm[lines[i]];
            base |= 1u << lines[i];
            baseCells = baseCells | LineBits(o, lines[i]);
          }
        const int extra = Count(uni) - n;
        if (extra <= 0 || extra > 3) continue;
        for (int st = 0; st < 3; ++st) {
          const unsigned inStack = uni & (7u << (3 * st));
          // Fin positions: a subset of this stack's positions, leaving n covers.
          for (unsigned fins = inStack; fins; fins = (fins - 1) & inStack) {
            if (Count(fins) != extra) continue;
            const unsigned cover = uni & ~fins;
            Bits finCells;
            for (int j = 0; j < 9; ++j)
              if (fins >> j & 1) finCells = finCells | LineBits(!o, j);
            finCells = finCells & baseCells & v.pos[d];
            const int box = g.houseOf[finCells.first()][2];
            if (finCells.andNot(g.house[box]).any()) continue;
            Bits t;
            for (int j = 0; j < 9; ++j)
              if (cover >> j & 1) t = t | LineBits(!o, j);
            t = (t & v.pos[d] & g.house[box]).andNot(baseCells);
            if (!t.any()) continue;
            AddEliminations(s, t, d);
            s.digits = static_cast<std::uint16_t>(1u << d);
            s.groups = {{}, {}};
            (baseCells & v.pos[d]).andNot(finCells).each([&](int c) { s.groups[0].push_back(c), s.pattern.push_back(c); });
            finCells.each([&](int c) { s.groups[1].push_back(c), s.pattern.push_back(c); });
            for (int j = 0; j < 9; ++j)
              if (base >> j & 1) s.houses.push_back((o ? 9 : 0) + j);
            for (int j = 0; j < 9; ++j)
              if (cover >> j & 1) s.houses.push_back((o ? 0 : 9) + j);
            s.houses.push_back(box);
            Finish(s, describe,
                   std::to_string(d + 1) + " in " + (o ? "columns " : "rows ") +
                       LinesText(o, base) + " on " + LinesText(!o, cover) + ", fins " +
                       CellsText(finCells));
            return true;
          }
        }
      }
    }
  return false;
}

// ---- wings ----

bool XYWing(const View& v, GradeStep& s, bool describe) {
  const auto& g = Geo();
  for (int p = 0; p < 81; ++p) {
    const std::uint16_t pm = v.cand[p];
    if (Count(pm) != 2) continue;
    int wing[20], k = 0;
    g.peers[p].each([&](int q) {
      const std::uint16_t qm = v.cand[q];
      if (Count(qm) == 2 && Count(static_cast<std::uint16_t>(qm & pm)) == 1) wing[k++] = q;
    });
    for (int i = 0; i < k; ++i)
      for (int j = i + 1; j < k; ++j) {
        const std::uint16_t a = v.cand[wing[i]], b = v.cand[wing[j]];
        const std::uint16_t z = a & b;
        if (a == b || Count(z) != 1 || (z & pm)) continue;
        const int zd = std::countr_zero(z);
        const Bits t = v.pos[zd] & g.peers[wing[i]] & g.peers[wing[j]];
        if (!t.any()) continue;
        AddEliminations(s, t, zd);
        s.pattern = {p, wing[i], wing[j]};
        s.digits = static_cast<std::uint16_t>(1u << zd);
        Finish(s, describe,
               "pivot " + Label(p) + " (" + DigitsText(pm) + "), pincers " + Label(wing[i]) +
                   " (" + DigitsText(a) + "), " + Label(wing[j]) + " (" + DigitsText(b) + ")");
        return true;
      }
  }
  return false;
}

bool XYZWing(const View& v, GradeStep& s, bool describe) {
  const auto& g = Geo();
  for (int p = 0; p < 81; ++p) {
    const std::uint16_t pm = v.cand[p];
    if (Count(pm) != 3) continue;
    int wing[20], k = 0;
    g.peers[p].each([&](int q) {
      const std::uint16_t qm = v.cand[q];
      if (Count(qm) == 2 && (qm & ~pm) == 0) wing[k++] = q;
    });
    for (int i = 0; i < k; ++i)
      for (int j = i + 1; j < k; ++j) {
        const std::uint16_t a = v.cand[wing[i]], b = v.cand[wing[j]];
        if (a == b) continue;
        const int zd = std::countr_zero(static_cast<std::uint16_t>(a & b));
        const Bits t = v.pos[zd] & g.peers[p] & g.peers[wing[i]] & g.peers[wing[j]];
        if (!t.any()) continue;
        AddEliminations(s, t, zd);
        s.pattern = {p, wing[i], wing[j]};
        s.digits = static_cast<std::uint16_t>(1u << zd);
        Finish(s, describe,
               "pivot " + Label(p) + " (" + DigitsText(pm) + "), pincers " + Label(wing[i]) +
                   " (" + DigitsText(a) + "), " + Label(wing[j]) + " (" + DigitsText(b) + ")");
        return true;
      }
  }
  return false;
}

bool WWing(const View& v, GradeStep& s, bool describe) {
  const auto& g = Geo();
  for (int x = 0; x < 81; ++x) {
    const std::uint16_t m = v.cand[x];
    if (Count(m) != 2) continue;
    for (int y = x + 1; y < 81; ++y) {
      if (v.cand[y] != m || g.peers[x].test(y)) continue;
      for (int side = 0; side < 2; ++side) {
        const int a = side ? std::countr_zero(m) : 15 - std::countl_zero(m);
        const int b = std::countr_zero(static_cast<std::uint16_t>(m & ~(1u << a)));
        const Bits t = v.pos[b] & g.peers[x] & g.peers[y];
        if (!t.any()) continue;
        for (int h = 0; h < 27; ++h) {
          const Bits link = v.pos[a] & g.house[h];
          if (link.count() != 2 || link.test(x) || link.test(y)) continue;
          const int u = link.first(), w = link.andNot(Bits::One(u)).first();
          if (!((g.peers[x].test(u) && g.peers[y].test(w)) ||
                (g.peers[x].test(w) && g.peers[y].test(u))))
            continue;
          AddEliminations(s, t, b);
          s.pattern = {x, y, u, w};
          s.digits = static_cast<std::uint16_t>(1u << a);
          s.house = h;
          Finish(s, describe,
                 DigitsText(m) + " in " + Label(x) + "," + Label(y) + " joined by " +
                     std::to_string(a + 1) + " in " + HouseName(h));
          return true;
        }
      }
    }
  }
  return false;
}

// ---- single-digit patterns ----

// Two conjugate pairs in lines joined by a weak link: skyscraper (parallel
// lines joined along the crossing line) or two-string kite (row and column
// joined inside a box).
bool TurbotStep(const View& v, GradeStep& s, bool describe, bool kite) {
  const auto& g = Geo();
  struct Link {
    int a, b, h;
  };
  for (int d = 0; d < 9; ++d) {
    Link links[18];
    int k = 0;
    for (int h = 0; h < 18; ++h) {
      const Bits b = v.pos[d] & g.house[h];
      if (b.count() != 2) continue;
      const int a = b.first();
      links[k++] = {a, b.andNot(Bits::One(a)).first(), h};
    }
    for (int i = 0; i < k; ++i)
      for (int j = i + 1; j < k; ++j) {
        const bool rowI = links[i].h < 9, rowJ = links[j].h < 9;
        if (kite != (rowI != rowJ)) continue;
        for (int e = 0; e < 4; ++e) {
          const int ci = e & 1 ? links[i].b : links[i].a, fi = e & 1 ? links[i].a : links[i].b;
          const int cj = e & 2 ? links[j].b : links[j].a, fj = e & 2 ? links[j].a : links[j].b;
          if (ci == cj || ci == fj || fi == cj || fi == fj || !g.peers[ci].test(cj)) continue;
          if (!kite && (rowI ? ci % 9 != cj % 9 : ci / 9 != cj / 9)) continue;
          if (kite && g.houseOf[ci][2] != g.houseOf[cj][2]) continue;
          const Bits t = v.pos[d] & g.peers[fi] & g.peers[fj];
          if (!t.any()) continue;
          AddEliminations(s, t, d);
          s.pattern = {fi, ci, cj, fj};
          s.digits = static_cast<std::uint16_t>(1u << d);
          s.houses = {links[i].h, links[j].h, kite ? g.houseOf[ci][2] : g.houseOf[ci][rowI ? 1 : 0]};
          Finish(s, describe,
                 std::to_string(d + 1) + " in " + HouseName(links[i].h) + " and " +
                     HouseName(links[j].h) + ", ends " + Label(fi) + "," + Label(fj));
          return true;
        }
      }
  }
  return false;
}

// The box's candidates sit on one row and one column; a conjugate pair with
// one end on that row (or column) removes the digit where its other end meets
// the box's column (or row).
bool EmptyRectangleStep(const View& v, GradeStep& s, bool describe) {
  const auto& g = Geo();
  for (int d = 0; d < 9; ++d)
    for (int b = 0; b < 9; ++b) {
      const Bits inBox = v.pos[d] & g.house[18 + b];
      if (inBox.count() < 2) continue;
      const int r0 = 3 * (b / 3), c0 = 3 * (b % 3);
      for (int r = r0; r < r0 + 3; ++r)
        for (int c = c0; c < c0 + 3; ++c) {
          if (inBox.andNot(g.house[r] | g.house[9 + c]).any()) continue;
          if (!inBox.andNot(g.house[r]).any() || !inBox.andNot(g.house[9 + c]).any()) continue;
          for (int line = 0; line < 18; ++line) {
            const bool col = line >= 9;
            const int idx = line % 9;
            if (col ? idx / 3 == c0 / 3 : idx / 3 == r0 / 3) continue;
            const Bits link = v.pos[d] & g.house[line];
            if (link.count() != 2) continue;
            const int ends[2] = {link.first(), link.andNot(Bits::One(link.first())).first()};
            for (int e = 0; e < 2; ++e) {
              const int near = ends[e], far = ends[1 - e];
              int target;
              if (col) {
                if (near / 9 != r || far / 9 / 3 == r0 / 3) continue;
                target = far / 9 * 9 + c;
              } else {
                if (near % 9 != c || far % 9 / 3 == c0 / 3) continue;
                target = r * 9 + far % 9;
              }
              if (!v.pos[d].test(target)) continue;
              s.eliminations.push_back({target, d + 1});
              s.pattern = {near, far};
              inBox.each([&](int q) { s.pattern.push_back(q); });
              s.digits = static_cast<std::uint16_t>(1u << d);
              s.houses = {18 + b, r, 9 + c, line};
              Finish(s, describe,
                     std::to_string(d + 1) + " in " + HouseName(18 + b) + " with " +
                         HouseName(line) + " (" + Label(near) + "," + Label(far) + ")");
              return true;
            }
          }
        }
    }
  return false;
}

// Splits cells into connected components of `adj` and two-colours them.
// Returns false when the component is not two-colourable.
bool Colour(int start, const std::array<Bits, 81>& adj, Bits& seen, Bits col[2]) {
  int queue[81], head = 0, tail = 0;
  std::array<std::int8_t, 81> colour;
  colour.fill(-1);
  col[0] = col[1] = Bits{};
  queue[tail++] = start;
  colour[start] = 0;
  seen.set(start);
  bool ok = true;
  while (head < tail) {
    const int x = queue[head++];
    col[colour[x]].set(x);
    adj[x].each([&](int y) {
      if (colour[y] < 0) {
        colour[y] = static_cast<std::int8_t>(1 - colour[x]);
        seen.set(y);
        queue[tail++] = y;
      } else if (colour[y] == colour[x]) {
        ok = false;
      }
    });
  }
  return ok;
}

bool RemotePairsStep(const View& v, GradeStep& s, bool describe) {
  const auto& g = Geo();
  std::array<Bits, 81> adj{};
  for (int x = 0; x < 81; ++x) {
    if (Count(v.cand[x]) != 2) continue;
    g.peers[x].each([&](int y) {
      if (v.cand[y] == v.cand[x]) adj[x].set(y);
    });
  }
  Bits seen;
  for (int x = 0; x < 81; ++x) {
    if (seen.test(x) || !adj[x].any()) continue;
    Bits col[2];
    if (!Colour(x, adj, seen, col) || (col[0] | col[1]).count() < 4) continue;
    const std::uint16_t m = v.cand[x];
    for (std::uint16_t dm = m; dm; dm &= dm - 1) {
      const int d = std::countr_zero(dm);
      v.pos[d].andNot(col[0] | col[1]).each([&](int c) {
        if ((g.peers[c] & col[0]).any() && (g.peers[c] & col[1]).any())
          s.eliminations.push_back({c, d + 1});
      });
    }
    if (s.eliminations.empty()) continue;
    s.digits = m;
    s.groups = {{}, {}};
    for (int k = 0; k < 2; ++k) col[k].each([&](int c) { s.groups[k].push_back(c), s.pattern.push_back(c); });
    Finish(s, describe, DigitsText(m) + " on " + CellsText(col[0]) + " / " + CellsText(col[1]));
    return true;
  }
  return false;
}

// Conjugate pairs of one digit, two-coloured: a colour that sees itself is
// false (wrap); a cell seeing both colours is false (trap).
bool SimpleColouringStep(const View& v, GradeStep& s, bool describe) {
  const auto& g = Geo();
  for (int d = 0; d < 9; ++d) {
    std::array<Bits, 81> adj{};
    for (int h = 0; h < 27; ++h) {
      const Bits b = v.pos[d] & g.house[h];
      if (b.count() != 2) continue;
      const int a = b.first(), c = b.andNot(Bits::One(a)).first();
      adj[a].set(c);
      adj[c].set(a);
    }
    Bits seen;
    for (int x = 0; x < 81; ++x) {
      if (seen.test(x) || !adj[x].any()) continue;
      Bits col[2];
      if (!Colour(x, adj, seen, col) || (col[0] | col[1]).count() < 3) continue;
      for (int k = 0; k < 2 && s.eliminations.empty(); ++k) {
        bool wrap = false;
        col[k].each([&](int c) { wrap = wrap || (g.peers[c] & col[k]).any(); });
        if (wrap) AddEliminations(s, col[k], d);
      }
      if (s.eliminations.empty())
        v.pos[d].andNot(col[0] | col[1]).each([&](int c) {
          if ((g.peers[c] & col[0]).any() && (g.peers[c] & col[1]).any())
            s.eliminations.push_back({c, d + 1});
        });
      if (s.eliminations.empty()) continue;
      s.digits = static_cast<std::uint16_t>(1u << d);
      s.groups = {{}, {}};
      for (int k = 0; k < 2; ++k) col[k].each([&](int c) { s.groups[k].push_back(c), s.pattern.push_back(c); });
      Finish(s, describe,
             std::to_string(d + 1) + " coloured " + CellsText(col[0]) + " / " + CellsText(col[1]));
      return true;
    }
  }
  return false;
}

// ---- chains ----

enum class ChainKind { kX, kXY, kAlternating };

constexpr int kMaxChainLinks = 20;
constexpr int kMaxNesting = 4;

// A node is "digit d in one of these cells": a single candidate, or a group
// of two or three cells where a box meets a line.
struct ChainNode {
  Bits cells;
  int digit;
  int cell;  // -1 for a group
  int houses[3];
  int houseCount;
};

struct ChainGraph {
  std::vector<ChainNode> nodes;
  std::vector<int> weakStart, weak, strongStart, strong;
  std::array<std::array<std::int16_t, 9>, 81> single;
  std::array<std::vector<int>, 9> groups;
};

void BuildGraph(const View& v, ChainKind kind, ChainGraph& gr, bool groups = true) {
  const auto& g = Geo();
  const bool useGroups = kind != ChainKind::kXY && groups;
  const bool conjugate = kind != ChainKind::kXY;
  const bool bivalue = kind != ChainKind::kX;
  const bool cellWeak = kind == ChainKind::kAlternating;
  for (auto& row : gr.single) row.fill(-1);
  for (int c = 0; c < 81; ++c)
    for (std::uint16_t m = v.cand[c]; m; m &= m - 1) {
      const int d = std::countr_zero(m);
      gr.single[c][d] = static_cast<std::int16_t>(gr.nodes.size());
      gr.nodes.push_back({Bits::One(c), d, c, {g.houseOf[c][0], g.houseOf[c][1], g.houseOf[c][2]}, 3});
    }
  if (useGroups)
    for (int d = 0; d < 9; ++d)
      for (int b = 18; b < 27; ++b) {
        const int r0 = 3 * ((b - 18) / 3), c0 = 3 * ((b - 18) % 3);
        const int lines[6] = {r0, r0 + 1, r0 + 2, 9 + c0, 10 + c0, 11 + c0};
        for (int line : lines) {
          const Bits cells = v.pos[d] & g.house[b] & g.house[line];
          if (cells.count() < 2) continue;
          gr.groups[d].push_back(static_cast<int>(gr.nodes.size()));
          gr.nodes.push_back({cells, d, -1, {b, line, 0}, 2});
        }
      }
  const int n = static_cast<int>(gr.nodes.size());
  for (int i = 0; i < n; ++i) {
    const ChainNode& x = gr.nodes[i];
    const int d = x.digit;
    gr.strongStart.push_back(static_cast<int>(gr.strong.size()));
    if (conjugate)
      for (int k = 0; k < x.houseCount; ++k) {
        const Bits rest = (v.pos[d] & g.house[x.houses[k]]).andNot(x.cells);
        const int cnt = rest.count();
        if (cnt == 1) {
          gr.strong.push_back(gr.single[rest.first()][d]);
        } else if (cnt <= 3 && useGroups) {
          for (int y : gr.groups[d])
            if (gr.nodes[y].cells == rest) gr.strong.push_back(y);
        }
      }
    if (bivalue && x.cell >= 0 && Count(v.cand[x.cell]) == 2) {
      const int other = std::countr_zero(static_cast<std::uint16_t>(v.cand[x.cell] & ~(1u << d)));
      gr.strong.push_back(gr.single[x.cell][other]);
    }
    gr.weakStart.push_back(static_cast<int>(gr.weak.size()));
    Bits common = g.peers[x.cells.first()];
    x.cells.each([&](int c) { common = common & g.peers[c]; });
    (v.pos[d] & common).each([&](int c) { gr.weak.push_back(gr.single[c][d]); });
    if (useGroups)
      for (int y : gr.groups[d])
        if (!gr.nodes[y].cells.andNot(common).any()) gr.weak.push_back(y);
    if (cellWeak && x.cell >= 0)
      for (std::uint16_t m = v.cand[x.cell] & ~(1u << d); m; m &= m - 1)
        gr.weak.push_back(gr.single[x.cell][std::countr_zero(m)]);
  }
  gr.strongStart.push_back(static_cast<int>(gr.strong.size()));
  gr.weakStart.push_back(static_cast<int>(gr.weak.size()));
}

ChainFact FactOf(const ChainNode& x, bool on) {
  ChainFact f;
  x.cells.each([&](int c) { f.cells.push_back(c); });
  f.digit = x.digit + 1;
  f.on = on;
  return f;
}

std::vector<ChainFact> PathTo(const ChainGraph& gr, const std::vector<int>& parent, int st) {
  std::vector<ChainFact> out;
  for (; st >= 0; st = parent[st]) out.push_back(FactOf(gr.nodes[st >> 1], st & 1));
  std::reverse(out.begin(), out.end());
  return out;
}

// Breadth-first search from "start is true" for "start is false", links
// alternating weak (on -> off) and strong (off -> on). States are node*2+on.
// Returns the number of links of the shortest contradiction, or -1.
struct ChainSearch {
  const ChainGraph& gr;
  std::vector<int> stamp, parent, depth, queue;
  int gen = 0;
  explicit ChainSearch(const ChainGraph& graph)
      : gr(graph),
        stamp(graph.nodes.size() * 2, 0),
        parent(graph.nodes.size() * 2),
        depth(graph.nodes.size() * 2),
        queue(graph.nodes.size() * 2) {}

  int Run(int start, int limit) {
    ++gen;
    const int from = start * 2 + 1, goal = start * 2;
    int head = 0, tail = 0;
    queue[tail++] = from;
    stamp[from] = gen;
    depth[from] = 0;
    parent[from] = -1;
    while (head < tail) {
      const int st = queue[head++];
      if (depth[st] + 1 > limit) break;
      const int node = st >> 1;
      const bool on = st & 1;
      const auto& starts = on ? gr.weakStart : gr.strongStart;
      const auto& links = on ? gr.weak : gr.strong;
      for (int k = starts[node]; k < starts[node + 1]; ++k) {
        const int next = links[k] * 2 + (on ? 0 : 1);
        if (stamp[next] == gen) continue;
        stamp[next] = gen;
        depth[next] = depth[st] + 1;
        parent[next] = st;
        if (next == goal) return depth[next];
        queue[tail++] = next;
      }
    }
    return -1;
  }
};

}  // namespace

// Sudoku Explainer's length bonus.
double ChainLengthBonus(int links) {
  double added = 0;
  int ceil = 4;
  bool odd = false;
  for (int length = links - 2; length > ceil; odd = !odd) {
    added += 0.1;
    ceil = odd ? ceil * 4 / 3 : ceil * 3 / 2;
  }
  return added;
}

namespace {

// Finds every candidate that the shortest chains of this kind disprove.
bool ChainStep(const View& v, GradeStep& s, bool describe, ChainKind kind, bool groups = false) {
  ChainGraph gr;
  BuildGraph(v, kind, gr, groups);
  ChainSearch search(gr);
  int best = kMaxChainLinks + 1;
  for (int c = 0; c < 81; ++c)
    for (int d = 0; d < 9; ++d) {
      const int node = gr.single[c][d];
      if (node < 0) continue;
      const int len = search.Run(node, best);
      if (len < 0 || len > kMaxChainLinks) continue;  // a chain past the cap is never told
      if (len < best) {
        best = len;
        s.eliminations.clear();
        if (describe) s.branches = {PathTo(gr, search.parent, node * 2)};
      }
      s.eliminations.push_back({c, d + 1});
    }
  if (s.eliminations.empty()) return false;
  s.rating = TechniqueRating(s.technique) + ChainLengthBonus(best);
  Finish(s, describe, std::to_string(best) + " links: " + BranchesText(s.branches));
  return true;
}

// Every state the links reach from `from`, with its depth and parent.
void Reach(const ChainGraph& gr, int from, std::vector<int>& depth, std::vector<int>& parent) {
  depth.assign(gr.nodes.size() * 2, -1);
  parent.assign(gr.nodes.size() * 2, -1);
  std::vector<int> queue{from};
  depth[from] = 0;
  for (std::size_t head = 0; head < queue.size(); ++head) {
    const int st = queue[head];
    if (depth[st] >= kMaxChainLinks) continue;
    const int node = st >> 1;
    const bool on = st & 1;
    const auto& starts = on ? gr.weakStart : gr.strongStart;
    const auto& links = on ? gr.weak : gr.strong;
    for (int k = starts[node]; k < starts[node + 1]; ++k) {
      const int next = links[k] * 2 + (on ? 0 : 1);
      if (depth[next] >= 0) continue;
      depth[next] = depth[st] + 1;
      parent[next] = st;
      queue.push_back(next);
    }
  }
}

}  // namespace

namespace detail {

// Each branch (a candidate of the cell, or a place of the digit in the
// house) is followed along the same links as the alternating chains; a
// single candidate that every branch turns off (or on) is the conclusion.
bool StaticForcingStep(const View& v, GradeStep& s, bool describe, bool region) {
  const auto& g = Geo();
  ChainGraph gr;
  BuildGraph(v, ChainKind::kAlternating, gr);
  std::vector<std::vector<int>> depth(81 * 9), parent(81 * 9);
  auto reach = [&](int c, int d) -> const std::vector<int>& {
    const int k = c * 9 + d;
    if (depth[k].empty()) Reach(gr, gr.single[c][d] * 2 + 1, depth[k], parent[k]);
    return depth[k];
  };
  int bestScore = 1 << 30, bestState = -1, bestHouse = -1;
  std::vector<std::pair<int, int>> bestBranches, branches;
  auto consider = [&](int house) {
    const int states = static_cast<int>(gr.nodes.size()) * 2;
    for (int st = 0; st < states; ++st) {
      const ChainNode& x = gr.nodes[st >> 1];
      if (x.cell < 0) continue;
      int score = 0;
      bool all = true;
      for (auto [c, d] : branches) {
        const int dd = reach(c, d)[st];
        if (dd < 0) {
          all = false;
          break;
        }
        score += dd;
      }
      if (!all || score >= bestScore) continue;
      // A placement must be news, and a branch must not start at the conclusion itself.
      bool trivial = false;
      for (auto [c, d] : branches) trivial = trivial || (c == x.cell && d == x.digit);
      if (trivial) continue;
      bestScore = score;
      bestState = st;
      bestBranches = branches;
      bestHouse = house;
    }
  };
  if (!region) {
    for (int c = 0; c < 81; ++c) {
      const int n = Count(v.cand[c]);
      if (n < 2 || n > 4) continue;
      branches.clear();
      for (std::uint16_t m = v.cand[c]; m; m &= m - 1) branches.push_back({c, std::countr_zero(m)});
      consider(-1);
    }
  } else {
    for (int h = 0; h < 27; ++h)
      for (int d = 0; d < 9; ++d) {
        const Bits b = v.pos[d] & g.house[h];
        if (b.count() < 2 || b.count() > 4) continue;
        branches.clear();
        b.each([&](int c) { branches.push_back({c, d}); });
        consider(h);
      }
  }
  if (bestState < 0) return false;
  const ChainNode& x = gr.nodes[bestState >> 1];
  if (bestState & 1)
    s.placements.push_back({x.cell, x.digit + 1});
  else
    s.eliminations.push_back({x.cell, x.digit + 1});
  s.forcing = region ? ForcingKind::kRegion : ForcingKind::kCell;
  s.house = bestHouse;
  s.rating = TechniqueRating(s.technique) + ChainLengthBonus(bestScore + static_cast<int>(bestBranches.size()));
  if (!describe) return true;
  Bits cells;
  for (auto [c, d] : bestBranches) {
    s.branches.push_back(PathTo(gr, parent[c * 9 + d], bestState));
    for (const auto& f : s.branches.back())
      for (int q : f.cells) cells.set(q);
  }
  cells.each([&](int q) { s.pattern.push_back(q); });
  Finish(s, true, BranchesText(s.branches));
  return true;
}

}  // namespace detail

// ---- ladder ----

namespace {

struct Info {
  std::string_view name;
  double rating;
  int level;
};

constexpr std::array<Info, kTechniqueCount> kInfo = {{
    {TEXT_IN("Technique", "Full House"), 1.0, 0},
    {TEXT_IN("Technique", "Hidden Single (box)"), 1.2, 0},
    {TEXT_IN("Technique", "Hidden Single (line)"), 1.5, 0},
    {TEXT_IN("Technique", "Naked Single"), 2.3, 1},
    {TEXT_IN("Technique", "Pointing"), 2.6, 1},
    {TEXT_IN("Technique", "Claiming"), 2.8, 1},
    {TEXT_IN("Technique", "Naked Pair"), 3.0, 2},
    {TEXT_IN("Technique", "Hidden Pair"), 3.4, 2},
    {TEXT_IN("Technique", "Naked Triple"), 3.6, 2},
    {TEXT_IN("Technique", "Hidden Triple"), 4.0, 2},
    {TEXT_IN("Technique", "Naked Quad"), 5.0, 2},
    {TEXT_IN("Technique", "Hidden Quad"), 5.4, 2},
    {TEXT_IN("Technique", "X-Wing"), 3.2, 3},
    {TEXT_IN("Technique", "Swordfish"), 3.8, 3},
    {TEXT_IN("Technique", "Skyscraper"), 4.0, 3},
    {TEXT_IN("Technique", "Two-String Kite"), 4.1, 3},
    {TEXT_IN("Technique", "XY-Wing"), 4.2, 3},
    {TEXT_IN("Technique", "Empty Rectangle"), 4.2, 3},
    {TEXT_IN("Technique", "XYZ-Wing"), 4.4, 3},
    {TEXT_IN("Technique", "Jellyfish"), 5.2, 3},
    {TEXT_IN("Technique", "W-Wing"), 7.0, 3},
    {TEXT_IN("Technique", "Remote Pairs"), 6.4, 3},
    {TEXT_IN("Technique", "Simple Colouring"), 6.5, 3},
    {TEXT_IN("Technique", "Finned X-Wing"), 6.6, 4},
    {TEXT_IN("Technique", "Finned Swordfish"), 7.5, 4},
    {TEXT_IN("Technique", "Finned Jellyfish"), 7.5, 4},
    {TEXT_IN("Technique", "X-Chain"), 6.5, 4},
    {TEXT_IN("Technique", "XY-Chain"), 6.6, 4},
    {TEXT_IN("Technique", "AIC"), 7.0, 4},
    {TEXT_IN("Technique", "Grouped X-Chain"), 7.5, 4},
    {TEXT_IN("Technique", "Grouped AIC"), 8.0, 4},
    {TEXT_IN("Technique", "Unique Rectangle (type 1)"), 4.5, 4},
    {TEXT_IN("Technique", "Unique Rectangle (type 2)"), 4.5, 4},
    {TEXT_IN("Technique", "Unique Rectangle (type 3)"), 4.5, 4},
    {TEXT_IN("Technique", "Unique Rectangle (type 4)"), 4.5, 4},
    {TEXT_IN("Technique", "Hidden Rectangle"), 7.0, 4},
    {TEXT_IN("Technique", "Unique Loop (type 1)"), 4.5, 4},
    {TEXT_IN("Technique", "Unique Loop (type 2)"), 4.5, 4},
    {TEXT_IN("Technique", "Unique Loop (type 3)"), 4.5, 4},
    {TEXT_IN("Technique", "Unique Loop (type 4)"), 4.5, 4},
    {TEXT_IN("Technique", "BUG+1"), 5.6, 4},
    {TEXT_IN("Technique", "BUG (type 2)"), 5.7, 4},
    {TEXT_IN("Technique", "BUG (type 3)"), 5.8, 4},
    {TEXT_IN("Technique", "BUG (type 4)"), 5.7, 4},
    {TEXT_IN("Technique", "Aligned Pair Exclusion"), 6.2, 4},
    {TEXT_IN("Technique", "ALS-XZ"), 7.5, 4},
    {TEXT_IN("Technique", "ALS-XY-Wing"), 8.0, 4},
    {TEXT_IN("Technique", "Sue de Coq"), 6.2, 4},
    {TEXT_IN("Technique", "Nishio Forcing Chain"), 7.5, 4},
    {TEXT_IN("Technique", "Cell Forcing Chain"), 8.0, 4},
    {TEXT_IN("Technique", "Region Forcing Chain"), 8.0, 4},
    {TEXT_IN("Technique", "Dynamic Forcing Chain"), 8.5, 4},
    {TEXT_IN("Technique", "Forcing Net"), 9.0, 4},
    {TEXT_IN("Technique", "Nested Forcing Chain"), 9.5, 4},
}};

}  // namespace

std::string_view TechniqueName(Technique t) { return kInfo[static_cast<int>(t)].name; }
double TechniqueRating(Technique t) { return kInfo[static_cast<int>(t)].rating; }
int TechniqueLevel(Technique t) { return kInfo[static_cast<int>(t)].level; }

namespace {

bool Find(Technique t, const View& v, GradeStep& s, bool describe, const GradeOptions& o) {
  s.technique = t;
  s.rating = 0;
  s.placements.clear();
  s.eliminations.clear();
  s.description.clear();
  s.pattern.clear();
  s.digits = 0;
  s.branches.clear();
  s.forcing = ForcingKind::kNone;
  s.house = -1;
  s.groups.clear();
  s.houses.clear();
  if (NeedsUniqueness(t) && !o.uniqueKnown) return false;
  switch (t) {
    case Technique::kFullHouse: return FullHouse(v, s, describe);
    case Technique::kHiddenSingleBox: return HiddenSingle(v, s, describe, 18, 27);
    case Technique::kHiddenSingleLine: return HiddenSingle(v, s, describe, 0, 18);
    case Technique::kNakedSingle: return NakedSingle(v, s, describe);
    case Technique::kPointing: return LockedCandidates(v, s, describe, true);
    case Technique::kClaiming: return LockedCandidates(v, s, describe, false);
    case Technique::kNakedPair: return NakedSubset(v, s, describe, 2);
    case Technique::kHiddenPair: return HiddenSubset(v, s, describe, 2);
    case Technique::kNakedTriple: return NakedSubset(v, s, describe, 3);
    case Technique::kHiddenTriple: return HiddenSubset(v, s, describe, 3);
    case Technique::kNakedQuad: return NakedSubset(v, s, describe, 4);
    case Technique::kHiddenQuad: return HiddenSubset(v, s, describe, 4);
    case Technique::kXWing: return BasicFish(v, s, describe, 2);
    case Technique::kSwordfish: return BasicFish(v, s, describe, 3);
    case Technique::kJellyfish: return BasicFish(v, s, describe, 4);
    case Technique::kXYWing: return XYWing(v, s, describe);
    case Technique::kXYZWing: return XYZWing(v, s, describe);
    case Technique::kWWing: return WWing(v, s, describe);
    case Technique::kSkyscraper: return TurbotStep(v, s, describe, false);
    case Technique::kTwoStringKite: return TurbotStep(v, s, describe, true);
    case Technique::kEmptyRectangle: return EmptyRectangleStep(v, s, describe);
    case Technique::kRemotePairs: return RemotePairsStep(v, s, describe);
    case Technique::kSimpleColouring: return SimpleColouringStep(v, s, describe);
    case Technique::kFinnedXWing: return FinnedFish(v, s, describe, 2);
    case Technique::kFinnedSwordfish: return FinnedFish(v, s, describe, 3);
    case Technique::kFinnedJellyfish: return FinnedFish(v, s, describe, 4);
    case Technique::kXChain: return ChainStep(v, s, describe, ChainKind::kX);
    case Technique::kXYChain: return ChainStep(v, s, describe, ChainKind::kXY);
    case Technique::kAIC: return ChainStep(v, s, describe, ChainKind::kAlternating);
    case Technique::kGroupedXChain: return ChainStep(v, s, describe, ChainKind::kX, true);
    case Technique::kGroupedAIC: return ChainStep(v, s, describe, ChainKind::kAlternating, true);
    case Technique::kUniqueRectangle1: return UniqueRectangleStep(v, s, describe, 1);
    case Technique::kUniqueRectangle2: return UniqueRectangleStep(v, s, describe, 2);
    case Technique::kUniqueRectangle3: return UniqueRectangleStep(v, s, describe, 3);
    case Technique::kUniqueRectangle4: return UniqueRectangleStep(v, s, describe, 4);
    case Technique::kHiddenRectangle: return UniqueRectangleStep(v, s, describe, 0);
    case Technique::kUniqueLoop1: return UniqueLoopStep(v, s, describe, 1);
    case Technique::kUniqueLoop2: return UniqueLoopStep(v, s, describe, 2);
    case Technique::kUniqueLoop3: return UniqueLoopStep(v, s, describe, 3);
    case Technique::kUniqueLoop4: return UniqueLoopStep(v, s, describe, 4);
    case Technique::kBugPlusOne: return BugStep(v, s, describe);
    case Technique::kBugType2: return BugTypeStep(v, s, describe, 2);
    case Technique::kBugType3: return BugTypeStep(v, s, describe, 3);
    case Technique::kBugType4: return BugTypeStep(v, s, describe, 4);
    case Technique::kAlignedPairExclusion: return AlignedPairStep(v, s, describe);
    case Technique::kAlsXZ: return AlsXzStep(v, s, describe);
    case Technique::kAlsXYWing: return AlsXyWingStep(v, s, describe);
    case Technique::kSueDeCoq: return SueDeCoqStep(v, s, describe);
    case Technique::kNishio: return ForcingStep(v, s, describe, 0, 1, o);
    case Technique::kCellForcingChain: return StaticForcingStep(v, s, describe, false);
    case Technique::kRegionForcingChain: return StaticForcingStep(v, s, describe, true);
    case Technique::kDynamicForcingChain: return ForcingStep(v, s, describe, 0, 0, o);
    case Technique::kForcingNet:
    case Technique::kNestedForcingChain:
      // On a position without one solution the nets find little and may
      // search long: only the dynamic chains run there.
      if (!o.uniqueKnown && !o.oneSolution) return false;
      if (t == Technique::kForcingNet) return ForcingStep(v, s, describe, 1, 0, o);
      // Deeper nesting only when the shallower finds nothing.
      for (int strength = 2; strength <= kMaxNesting; ++strength) {
        if (ForcingStep(v, s, describe, strength, 0, o)) return true;
        if (o.cancel && o.cancel->load()) return false;
      }
      return false;
    case Technique::kCount: break;
  }
  return false;
}

}  // namespace

namespace detail {
bool FindIn(Technique t, const View& v, GradeStep& s, bool describe) { return Find(t, v, s, describe, {}); }
}  // namespace detail

bool NeedsUniqueness(Technique t) {
  return t >= Technique::kUniqueRectangle1 && t <= Technique::kBugType4;
}

const std::array<Technique, kTechniqueCount>& RatingOrder() {
  static const auto order = [] {
    std::array<Technique, kTechniqueCount> o{};
    for (int t = 0; t < kTechniqueCount; ++t) o[t] = static_cast<Technique>(t);
    std::stable_sort(o.begin(), o.end(), [](Technique a, Technique b) {
      // The forcing chains keep their own order: each rung is tried only
      // when the cheaper ones found nothing.
      return TechniqueRating(a) < TechniqueRating(b);
    });
    return o;
  }();
  return order;
}

// ---- position ----

Pencil::Pencil() { cand_.fill(0x1FF); }

Pencil::Pencil(std::string_view puzzle) {
  cand_.fill(0x1FF);
  if (puzzle.size() != 81) {
    ok_ = false;
    return;
  }
  for (int c = 0; c < 81; ++c) {
    if (!IsDigitChar(puzzle[c])) continue;
    const int d = puzzle[c] - '0';
    if (!Has(c, d)) {  // a given peer already holds it
      ok_ = false;
      return;
    }
    Place(c, d);
  }
}

Pencil Pencil::FromGrid(std::string_view tokens) {
  Pencil p;
  int c = 0;
  std::size_t i = 0;
  while (i < tokens.size()) {
    if (tokens[i] == ' ' || tokens[i] == '\n' || tokens[i] == '\t' || tokens[i] == '\r') {
      ++i;
      continue;
    }
    std::uint16_t mask = 0;
    int n = 0;
    for (; i < tokens.size() && IsDigitChar(tokens[i]); ++i, ++n) mask |= 1u << (tokens[i] - '1');
    if (n == 0 || c >= 81 ||
        (i < tokens.size() && tokens[i] != ' ' && tokens[i] != '\n' && tokens[i] != '\t' &&
         tokens[i] != '\r')) {
      p.ok_ = false;
      return p;
    }
    if (n == 1) {
      p.value_[c] = static_cast<std::uint8_t>(std::countr_zero(mask) + 1);
      p.cand_[c] = 0;
    } else {
      p.cand_[c] = mask;
    }
    ++c;
  }
  if (c != 81) p.ok_ = false;
  return p;
}

int Pencil::OpenCount() const {
  int n = 0;
  for (auto v : value_) n += v == 0;
  return n;
}

void Pencil::Place(int cell, int digit) {
  value_[cell] = static_cast<std::uint8_t>(digit);
  cand_[cell] = 0;
  for (int p : PeersOf(cell)) cand_[p] &= ~(1u << (digit - 1));
}

void Pencil::Apply(const GradeStep& step) {
  for (const auto& pl : step.placements)
    if (!value_[pl.cell]) Place(pl.cell, pl.digit);
  for (const auto& e : step.eliminations) Eliminate(e.cell, e.digit);
}

bool Pencil::Broken() const {
  const auto& hs = Houses();
  for (int c = 0; c < 81; ++c)
    if (!value_[c] && !cand_[c]) return true;
  for (const auto& h : hs) {
    std::uint16_t seen = 0, placed = 0;
    for (int c : h) {
      if (value_[c]) {
        const std::uint16_t bit = 1u << (value_[c] - 1);
        if (placed & bit) return true;
        placed |= bit;
      }
      seen |= cand_[c];
    }
    if ((seen | placed) != 0x1FF) return true;
  }
  return false;
}

bool FindStep(Technique t, const Pencil& pencil, GradeStep& step, const GradeOptions& options) {
  if (t == Technique::kCount) return false;
  const View v(pencil);
  return Find(t, v, step, true, options);
}

namespace {

bool Cancelled(const GradeOptions& o) { return o.cancel && o.cancel->load(std::memory_order_relaxed); }

bool Easiest(const View& v, GradeStep& step, bool describe, const GradeOptions& o) {
  for (Technique t : RatingOrder()) {
    if (Find(t, v, step, describe, o)) return true;
    if (Cancelled(o)) return false;
  }
  return false;
}

// Walks the position with the ladder until solved or stuck. Returns whether
// it was solved; fills the rating and steps when asked.
bool Walk(Pencil p, bool ratingLadder, bool keepSteps, const GradeOptions& o, GradeResult& r, int& level) {
  GradeStep step;
  level = 0;
  while (p.OpenCount() > 0) {
    const View v(p);
    bool found = false;
    if (ratingLadder) {
      found = Easiest(v, step, keepSteps, o);
    } else {
      // The tier ladder as it always was: its chains take grouped nodes.
      for (int t = 0; t <= static_cast<int>(Technique::kAIC) && !found; ++t) {
        Technique k = static_cast<Technique>(t);
        if (k == Technique::kXChain) k = Technique::kGroupedXChain;
        if (k == Technique::kAIC) k = Technique::kGroupedAIC;
        found = Find(k, v, step, false, o);
      }
    }
    if (!found) return false;
    // A placement that is no longer a candidate means the puzzle has no solution.
    for (const auto& pl : step.placements)
      if (!p.Has(pl.cell, pl.digit)) return false;
    p.Apply(step);
    level = std::max(level, TechniqueLevel(step.technique));
    if (ratingLadder) {
      if (step.rating > r.rating) {
        r.rating = step.rating;
        r.hardest = step.technique;
      }
      if (keepSteps) r.steps.push_back(step);
    }
    if (p.Broken()) return false;
  }
  return true;
}

}  // namespace

bool FindEasiestStep(const Pencil& pencil, GradeStep& step, const GradeOptions& options) {
  const View v(pencil);
  return Easiest(v, step, true, options);
}

GradeResult Grade(std::string_view puzzle, bool keepSteps, const GradeOptions& given) {
  GradeResult r;
  const Pencil p(puzzle);
  if (!p.ok() || p.Broken()) return r;
  GradeOptions options = given;
  if (!options.uniqueKnown) {
    options.oneSolution = CountSolutions(puzzle, 2) == 1;
  }
  // The dealt level: the tier ladder as it always was.
  int tierLevel = 0, ratedLevel = 0;
  const bool tiers = Walk(p, false, false, options, r, tierLevel);
  r.solved = Walk(p, true, keepSteps, options, r, ratedLevel);
  r.level = !r.solved ? -1 : tiers ? tierLevel : kLevelCount - 1;
  return r;
}

}  // namespace tessel
