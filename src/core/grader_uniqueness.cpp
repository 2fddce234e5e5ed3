// Uniqueness techniques: patterns that would leave a puzzle two solutions,
// so on a puzzle known to have one, the candidates that complete them go.
#include <vector>

#include "core/grader_detail.hpp"

namespace tessel::detail {

namespace {

struct Rect {
  int cell[4];  // r1c1, r1c2, r2c1, r2c2
};

// Every rectangle of open cells over two rows, two columns and two boxes.
template <class F>
bool EachRect(const View& v, F f) {
  for (int r1 = 0; r1 < 9; ++r1)
    for (int r2 = r1 + 1; r2 < 9; ++r2)
      for (int c1 = 0; c1 < 9; ++c1)
        for (int c2 = c1 + 1; c2 < 9; ++c2) {
          if ((r1 / 3 == r2 / 3) == (c1 / 3 == c2 / 3)) continue;  // one box, or four
          const Rect r{{r1 * 9 + c1, r1 * 9 + c2, r2 * 9 + c1, r2 * 9 + c2}};
          std::uint16_t common = 0x1FF;
          bool open = true;
          for (int c : r.cell) {
            open = open && v.cand[c] != 0;
            common &= v.cand[c];
          }
          if (!open || std::popcount(common) < 2) continue;
          for (std::uint16_t m = common; m; m &= m - 1)
            for (std::uint16_t n = m & (m - 1); n; n &= n - 1) {
              const std::uint16_t ab = static_cast<std::uint16_t>((m & -m) | (n & -n));
              if (f(r, ab)) return true;
            }
        }
  return false;
}

// The houses two cells share.
std::vector<int> SharedHouses(int a, int b) {
  const auto& g = Geo();
  std::vector<int> hs;
  for (int i = 0; i < 3; ++i)
    if (g.houseOf[a][i] == g.houseOf[b][i]) hs.push_back(g.houseOf[a][i]);
  return hs;
}

void Tell(const View& v, GradeStep& s, bool describe, const Rect& r, std::uint16_t ab, const std::string& extra) {
  for (int c : r.cell) s.pattern.push_back(c);
  s.digits = ab;
  std::string text = DigitsText(ab) + " in ";
  for (int k = 0; k < 4; ++k) text += (k ? "," : "") + Label(r.cell[k]);
  if (!extra.empty()) text += ", " + extra;
  (void)v;
  Finish(s, describe, text);
}

}  // namespace

// type 0 is the hidden rectangle.
bool UniqueRectangleStep(const View& v, GradeStep& s, bool describe, int type) {
  const auto& g = Geo();
  return EachRect(v, [&](const Rect& r, std::uint16_t ab) {
    int floor[4], roof[4], nf = 0, nr = 0;
    for (int c : r.cell) (v.cand[c] == ab ? floor[nf++] : roof[nr++]) = c;
    if (type == 1) {
      if (nf != 3) return false;
      for (std::uint16_t m = ab; m; m &= m - 1) s.eliminations.push_back({roof[0], std::countr_zero(m) + 1});
      Tell(v, s, describe, r, ab, "");
      return true;
    }
    if (type == 0) {
      // A bivalue corner; at the opposite corner one digit of the pair is
      // locked to the rectangle in both its row and column: the other goes.
      if (nf < 1) return false;
      for (int k = 0; k < 4; ++k) {
        if (v.cand[r.cell[k]] != ab) continue;
        const int opp = r.cell[3 - k], rowMate = r.cell[(3 - k) ^ 1], colMate = r.cell[(3 - k) ^ 2];
        for (std::uint16_t m = ab; m; m &= m - 1) {
          const int a = std::countr_zero(m), b = std::countr_zero(static_cast<std::uint16_t>(ab & ~(1u << a)));
          const Bits inRow = v.pos[a] & g.house[opp / 9], inCol = v.pos[a] & g.house[9 + opp % 9];
          Bits pair = Bits::One(opp);
          pair.set(rowMate);
          Bits pairC = Bits::One(opp);
          pairC.set(colMate);
          if (!(inRow == pair) || !(inCol == pairC)) continue;
          if (!v.pos[b].test(opp)) continue;
          s.eliminations.push_back({opp, b + 1});
          Tell(v, s, describe, r, ab, std::to_string(a + 1) + " locked at " + Label(opp));
          return true;
        }
      }
      return false;
    }
    if (nf != 2 || nr != 2) return false;
    const auto shared = SharedHouses(roof[0], roof[1]);
    const std::uint16_t x0 = v.cand[roof[0]] & ~ab, x1 = v.cand[roof[1]] & ~ab;
    if (shared.empty() && type != 2) return false;  // a diagonal roof: only type 2 applies
    if (type == 2) {
      if (x0 != x1 || std::popcount(x0) != 1) return false;
      const int x = std::countr_zero(x0);
      const Bits t = (v.pos[x] & g.peers[roof[0]] & g.peers[roof[1]]);
      if (!t.any()) return false;
      AddEliminations(s, t, x);
      Tell(v, s, describe, r, ab, Label(roof[0]) + "," + Label(roof[1]) + " hold " + std::to_string(x + 1));
      return true;
    }
    if (type == 4) {
      for (int h : shared)
        for (std::uint16_t m = ab; m; m &= m - 1) {
          const int a = std::countr_zero(m), b = std::countr_zero(static_cast<std::uint16_t>(ab & ~(1u << a)));
          Bits pair = Bits::One(roof[0]);
          pair.set(roof[1]);
          if (!((v.pos[a] & g.house[h]) == pair)) continue;
          for (int c : {roof[0], roof[1]})
            if (v.pos[b].test(c)) s.eliminations.push_back({c, b + 1});
          Tell(v, s, describe, r, ab, std::to_string(a + 1) + " only there in " + HouseName(h));
          return true;
        }
      return false;
    }
    // Type 3: the roof's extra digits act as one cell of a naked subset.
    const std::uint16_t extra = x0 | x1;
    for (int h : shared) {
      int others[9], k = 0;
      for (int c : g.cells[h])
        if (c != roof[0] && c != roof[1] && v.cand[c] && std::popcount(v.cand[c]) <= 4) others[k++] = c;
      for (unsigned sel = 1; sel < (1u << k); ++sel) {
        const int n = std::popcount(sel);
        if (n > 3) continue;
        std::uint16_t u = extra;
        Bits in;
        for (int i = 0; i < k; ++i)
          if (sel >> i & 1) u |= v.cand[others[i]], in.set(others[i]);
        if (std::popcount(u) != n + 1) continue;
        for (int c : g.cells[h])
          if (c != roof[0] && c != roof[1] && !in.test(c))
            for (std::uint16_t m = v.cand[c] & u; m; m &= m - 1) s.eliminations.push_back({c, std::countr_zero(m) + 1});
        if (s.eliminations.empty()) continue;
        s.rating = TechniqueRating(s.technique) + 0.1 * (n - 1);  // a pair, a triple, a quad
        Tell(v, s, describe, r, ab, DigitsText(u) + " with " + CellsText(in) + " in " + HouseName(h));
        in.each([&](int c) { s.pattern.push_back(c); });
        s.house = h;
        return true;
      }
    }
    return false;
  });
}

// Every open cell holds two candidates but one, which holds three: were it
// not for the digit seen three times in that cell's houses, the grid would
// have two solutions, so that digit goes there.
bool BugStep(const View& v, GradeStep& s, bool describe) {
  const auto& g = Geo();
  int tri = -1;
  for (int c = 0; c < 81; ++c) {
    const int n = std::popcount(v.cand[c]);
    if (n == 0 || n == 2) continue;
    if (n != 3 || tri >= 0) return false;
    tri = c;
  }
  if (tri < 0) return false;
  for (std::uint16_t m = v.cand[tri]; m; m &= m - 1) {
    const int d = std::countr_zero(m);
    bool ok = true;
    for (int h = 0; h < 27 && ok; ++h)
      for (int e = 0; e < 9 && ok; ++e) {
        int n = (v.pos[e] & g.house[h]).count();
        if (e == d && g.house[h].test(tri)) --n;
        ok = n == 0 || n == 2;
      }
    if (!ok) continue;
    s.placements.push_back({tri, d + 1});
    s.pattern.push_back(tri);
    s.digits = static_cast<std::uint16_t>(1u << d);
    Finish(s, describe, Label(tri) + " (" + DigitsText(v.cand[tri]) + ")");
    return true;
  }
  return false;
}

}  // namespace tessel::detail
