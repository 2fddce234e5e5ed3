// Uniqueness techniques: patterns that would leave a puzzle two solutions,
// so on a puzzle known to have one, the candidates that complete them go.
#include <algorithm>
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
          if (!open || Count(common) < 2) continue;
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

void Tell(GradeStep& s, bool describe, const Rect& r, std::uint16_t ab, const std::string& extra) {
  for (int c : r.cell) s.pattern.push_back(c);
  s.digits = ab;
  std::string text = DigitsText(ab) + " in ";
  for (int k = 0; k < 4; ++k) text += (k ? "," : "") + Label(r.cell[k]);
  if (!extra.empty()) text += ", " + extra;
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
      Tell(s, describe, r, ab, "");
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
          Tell(s, describe, r, ab, std::to_string(a + 1) + " locked at " + Label(opp));
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
      if (x0 != x1 || Count(x0) != 1) return false;
      const int x = std::countr_zero(x0);
      const Bits t = (v.pos[x] & g.peers[roof[0]] & g.peers[roof[1]]);
      if (!t.any()) return false;
      AddEliminations(s, t, x);
      Tell(s, describe, r, ab, Label(roof[0]) + "," + Label(roof[1]) + " hold " + std::to_string(x + 1));
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
          Tell(s, describe, r, ab, std::to_string(a + 1) + " only there in " + HouseName(h));
          return true;
        }
      return false;
    }
    // Type 3: the roof's extra digits act as one cell of a naked subset.
    const std::uint16_t extra = x0 | x1;
    for (int h : shared) {
      int others[9], k = 0;
      for (int c : g.cells[h])
        if (c != roof[0] && c != roof[1] && v.cand[c] && Count(v.cand[c]) <= 4) others[k++] = c;
      for (unsigned sel = 1; sel < (1u << k); ++sel) {
        const int n = Count(sel);
        if (n > 3) continue;
        std::uint16_t u = extra;
        Bits in;
        for (int i = 0; i < k; ++i)
          if (sel >> i & 1) u |= v.cand[others[i]], in.set(others[i]);
        if (Count(u) != n + 1) continue;
        for (int c : g.cells[h])
          if (c != roof[0] && c != roof[1] && !in.test(c))
            for (std::uint16_t m = v.cand[c] & u; m; m &= m - 1) s.eliminations.push_back({c, std::countr_zero(m) + 1});
        if (s.eliminations.empty()) continue;
        Tell(s, describe, r, ab, DigitsText(u) + " with " + CellsText(in) + " in " + HouseName(h));
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
    const int n = Count(v.cand[c]);
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

namespace {

// ---- unique loops ----

constexpr int kMaxLoop = 14;
constexpr long kMaxLoopNodes = 200000;  // a bound on the search in wide-open positions

// Cycles of open cells holding a and b where every house holds none or two
// of them: with nothing else in them, a and b could trade places all round.
class LoopSearch {
 public:
  LoopSearch(const View& v, std::uint16_t ab, int type) : v_(v), ab_(ab), type_(type) {
    const int a = std::countr_zero(ab), b = 15 - std::countl_zero(ab);
    cells_ = v.pos[a] & v.pos[b];
  }

  // f(loop) on each loop of six or more cells; stops when f returns true.
  template <class F>
  bool Run(F f) {
    if (cells_.count() < 6) return false;
    bool done = false;
    cells_.each([&](int start) {
      if (done) return;
      start_ = start;
      Push(start);
      done = Extend(f);
      Pop();
    });
    return done;
  }

 private:
  // Type 1 has one cell with more than a and b, types 3 and 4 two; in type
  // 2 every such cell holds one digit more, the same one.
  bool Fits(int c) const {
    const std::uint16_t extra = v_.cand[c] & ~ab_;
    if (!extra) return true;
    if (type_ == 2) return Count(extra) == 1 && (common_ == 0 || common_ == extra);
    return extras_ < (type_ == 1 ? 1 : 2);
  }

  void Push(int c) {
    const auto& g = Geo();
    path_.push_back(c);
    in_.set(c);
    for (int h : g.houseOf[c]) ++count_[h];
    const std::uint16_t extra = v_.cand[c] & ~ab_;
    if (extra && ++extras_ == 1) common_ = extra;
  }

  void Pop() {
    const auto& g = Geo();
    const int c = path_.back();
    path_.pop_back();
    in_.reset(c);
    for (int h : g.houseOf[c]) --count_[h];
    if ((v_.cand[c] & ~ab_) && --extras_ == 0) common_ = 0;
  }

  bool Closed() const {
    const auto& g = Geo();
    for (int h = 0; h < 27; ++h)
      if (count_[h] != 0 && count_[h] != 2) return false;
    // The two cells of each house take a and b apart.
    std::array<std::int8_t, 81> colour;
    colour.fill(-1);
    colour[path_[0]] = 0;
    for (std::size_t k = 1; k < path_.size(); ++k) colour[path_[k]] = static_cast<std::int8_t>(k & 1);
    for (int h = 0; h < 27; ++h) {
      if (!count_[h]) continue;
      const Bits two = in_ & g.house[h];
      const int x = two.first(), y = two.andNot(Bits::One(x)).first();
      if (colour[x] == colour[y]) return false;
    }
    return true;
  }

  template <class F>
  bool Extend(F& f) {
    if (++nodes_ > kMaxLoopNodes) return false;
    const auto& g = Geo();
    const int x = path_.back();
    const int n = static_cast<int>(path_.size());
    bool done = false;
    (cells_ & g.peers[x]).each([&](int y) {
      if (done || y <= start_ || in_.test(y) || !Fits(y)) return;
      for (int h : g.houseOf[y])
        if (count_[h] >= 2) return;
      // Each loop is met from its first cell both ways round: the second
      // cell below the last keeps one.
      Push(y);
      if (n + 1 >= 6 && (n + 1) % 2 == 0 && g.peers[y].test(start_) && path_[1] < y && Closed())
        done = f(path_);
      if (!done && n + 1 < kMaxLoop) done = Extend(f);
      Pop();
    });
    return done;
  }

  const View& v_;
  std::uint16_t ab_;
  int type_;
  Bits cells_, in_;
  std::vector<int> path_;
  std::array<std::uint8_t, 27> count_{};
  int start_ = 0, extras_ = 0;
  std::uint16_t common_ = 0;
  long nodes_ = 0;
};

// What a loop of n cells adds to the rectangle's rating.
double LoopBonus(int n) { return 0.1 * ((n - 4) / 2); }

// A naked set in house h: the digits `virt` (one of the cells outside h's
// other cells holds one of them) with up to three more cells of h whose
// digits together number one more than the cells; their digits go from the
// rest of h. Cells of `skip` take no part.
bool VirtualSubset(const View& v, GradeStep& s, int h, std::uint16_t virt, const Bits& skip, Bits& with) {
  const auto& g = Geo();
  int others[9], k = 0;
  for (int c : g.cells[h])
    if (!skip.test(c) && v.cand[c] && Count(v.cand[c]) <= 4) others[k++] = c;
  for (int n = 1; n <= 3; ++n)
    for (unsigned sel = 1; sel < (1u << k); ++sel) {
      if (Count(sel) != n) continue;
      std::uint16_t u = virt;
      Bits in;
      for (int i = 0; i < k; ++i)
        if (sel >> i & 1) u |= v.cand[others[i]], in.set(others[i]);
      if (Count(u) != n + 1) continue;
      for (int c : g.cells[h])
        if (!skip.test(c) && !in.test(c))
          for (std::uint16_t m = v.cand[c] & u; m; m &= m - 1) s.eliminations.push_back({c, std::countr_zero(m) + 1});
      if (s.eliminations.empty()) continue;
      with = in;
      return true;
    }
  return false;
}

}  // namespace

bool UniqueLoopStep(const View& v, GradeStep& s, bool describe, int type) {
  const auto& g = Geo();
  for (std::uint16_t m = 0x1FF; m; m &= m - 1)
    for (std::uint16_t n = m & (m - 1); n; n &= n - 1) {
      const std::uint16_t ab = static_cast<std::uint16_t>((m & -m) | (n & -n));
      LoopSearch search(v, ab, type);
      const bool found = search.Run([&](const std::vector<int>& loop) {
        std::vector<int> roof;
        for (int c : loop)
          if (v.cand[c] != ab) roof.push_back(c);
        s.eliminations.clear();
        Bits skip, with;
        std::string extra;
        if (type == 1) {
          if (roof.size() != 1) return false;
          for (std::uint16_t d = ab; d; d &= d - 1) s.eliminations.push_back({roof[0], std::countr_zero(d) + 1});
        } else if (type == 2) {
          if (roof.size() < 2) return false;
          const std::uint16_t x = v.cand[roof[0]] & ~ab;
          if (Count(x) != 1) return false;
          Bits t = v.pos[std::countr_zero(x)];
          for (int c : roof) {
            if ((v.cand[c] & ~ab) != x) return false;
            t = t & g.peers[c];
          }
          if (!AddEliminations(s, t, std::countr_zero(x))) return false;
          extra = "one of " + std::to_string(roof.size()) + " holds " + DigitsText(x);
        } else {
          if (roof.size() != 2) return false;
          const auto shared = SharedHouses(roof[0], roof[1]);
          if (shared.empty()) return false;
          bool ok = false;
          for (int h : shared) {
            if (type == 4) {
              for (std::uint16_t d = ab; d && !ok; d &= d - 1) {
                const int a = std::countr_zero(d), b = std::countr_zero(static_cast<std::uint16_t>(ab & ~(1u << a)));
                Bits pair = Bits::One(roof[0]);
                pair.set(roof[1]);
                if (!((v.pos[a] & g.house[h]) == pair)) continue;
                for (int c : roof) s.eliminations.push_back({c, b + 1});
                s.house = h;
                extra = std::to_string(a + 1) + " only there in " + HouseName(h);
                ok = true;
              }
            } else {
              skip = Bits::One(roof[0]);
              skip.set(roof[1]);
              const std::uint16_t virt = (v.cand[roof[0]] | v.cand[roof[1]]) & ~ab;
              if (VirtualSubset(v, s, h, virt, skip, with)) {
                s.house = h;
                extra = "with " + CellsText(with) + " in " + HouseName(h);
                ok = true;
              }
            }
            if (ok) break;
          }
          if (!ok) return false;
        }
        s.pattern = loop;
        s.groups = {loop, {}};
        with.each([&](int c) {
          s.pattern.push_back(c);
          s.groups[1].push_back(c);
        });
        s.digits = ab;
        s.rating = TechniqueRating(s.technique) + LoopBonus(static_cast<int>(loop.size()));
        std::string text = DigitsText(ab) + " in ";
        for (std::size_t k = 0; k < loop.size(); ++k) text += (k ? "," : "") + Label(loop[k]);
        if (!extra.empty()) text += ", " + extra;
        Finish(s, describe, text);
        return true;
      });
      if (found) return true;
    }
  return false;
}

// Every open cell but a few holds two candidates, and keeping two in those
// few leaves each digit twice in each house: such a grid has no solution or
// several, so one of the few holds a digit past the two it keeps.
bool BugTypeStep(const View& v, GradeStep& s, bool describe, int type) {
  const auto& g = Geo();
  std::vector<int> many;
  for (int c = 0; c < 81; ++c) {
    const int n = Count(v.cand[c]);
    if (n == 1) return false;
    if (n > 2) many.push_back(c);
  }
  if (many.size() < 2 || many.size() > 4) return false;
  // Digit counts per house from the cells of two.
  std::array<std::array<std::uint8_t, 9>, 27> count{};
  for (int c = 0; c < 81; ++c)
    if (Count(v.cand[c]) == 2)
      for (int h : g.houseOf[c])
        for (std::uint16_t m = v.cand[c]; m; m &= m - 1) ++count[h][std::countr_zero(m)];
  // The pair each of the few keeps: the first choice that leaves a grave.
  std::vector<std::uint16_t> keep(many.size());
  const auto grave = [&](auto& self, std::size_t i) -> bool {
    if (i == many.size()) {
      for (int h = 0; h < 27; ++h)
        for (int d = 0; d < 9; ++d)
          if (count[h][d] != 0 && count[h][d] != 2) return false;
      return true;
    }
    const int c = many[i];
    for (std::uint16_t m = v.cand[c]; m; m &= m - 1)
      for (std::uint16_t n = m & (m - 1); n; n &= n - 1) {
        const int a = std::countr_zero(m), b = std::countr_zero(n);
        bool over = false;
        for (int h : g.houseOf[c]) {
          over = over || count[h][a] >= 2 || count[h][b] >= 2;
          ++count[h][a];
          ++count[h][b];
        }
        keep[i] = static_cast<std::uint16_t>(1u << a | 1u << b);
        const bool found = !over && self(self, i + 1);
        for (int h : g.houseOf[c]) {
          --count[h][a];
          --count[h][b];
        }
        if (found) return true;
      }
    return false;
  };
  if (!grave(grave, 0)) return false;
  std::vector<std::uint16_t> extra(many.size());
  for (std::size_t i = 0; i < many.size(); ++i) extra[i] = v.cand[many[i]] & ~keep[i];
  Bits with;
  if (type == 2) {
    Bits t = v.pos[std::countr_zero(extra[0])];
    for (std::size_t i = 0; i < many.size(); ++i) {
      if (extra[i] != extra[0] || Count(extra[i]) != 1) return false;
      t = t & g.peers[many[i]];
    }
    if (!AddEliminations(s, t, std::countr_zero(extra[0]))) return false;
  } else {
    if (many.size() != 2) return false;
    const auto shared = SharedHouses(many[0], many[1]);
    bool ok = false;
    for (int h : shared) {
      if (type == 4) {
        if (Count(extra[0]) != 1 || Count(extra[1]) != 1) return false;
        Bits pair = Bits::One(many[0]);
        pair.set(many[1]);
        for (std::uint16_t m = keep[0] & keep[1]; m && !ok; m &= m - 1) {
          const int a = std::countr_zero(m);
          if (!((v.pos[a] & g.house[h]) == pair)) continue;
          for (std::size_t i = 0; i < 2; ++i)
            s.eliminations.push_back({many[i], std::countr_zero(static_cast<std::uint16_t>(keep[i] & ~(1u << a))) + 1});
          s.digits = static_cast<std::uint16_t>(1u << a);
          ok = true;
        }
      } else {
        Bits skip = Bits::One(many[0]);
        skip.set(many[1]);
        ok = VirtualSubset(v, s, h, extra[0] | extra[1], skip, with);
      }
      if (ok) {
        s.house = h;
        break;
      }
    }
    if (!ok) return false;
  }
  s.pattern = many;
  s.groups = {many, {}, {}};
  with.each([&](int c) {
    s.pattern.push_back(c);
    s.groups[1].push_back(c);
  });
  for (std::uint16_t e : extra) s.groups[2].push_back(e);
  if (type != 4) s.digits = extra[0] | extra[1];
  s.rating = TechniqueRating(s.technique) + 0.1 * std::max(0, with.count() - 1);
  std::string text;
  for (std::size_t i = 0; i < many.size(); ++i)
    text += (i ? ", " : "") + Label(many[i]) + " (" + DigitsText(keep[i]) + "+" + DigitsText(extra[i]) + ")";
  if (with.any()) text += " with " + CellsText(with) + " in " + HouseName(s.house);
  Finish(s, describe, text);
  return true;
}

}  // namespace tessel::detail
