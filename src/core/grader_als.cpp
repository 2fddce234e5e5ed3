// Almost locked sets (n cells of a house holding n + 1 digits) and the
// techniques built on them: ALS-XZ, ALS-XY-Wing and Sue de Coq; and the
// aligned pair exclusion, which rules out pairs of digits two cells cannot
// take together.
#include <algorithm>
#include <vector>

#include "core/grader_detail.hpp"

namespace tessel::detail {

namespace {

// Larger sets are rare in the steps a player would look for, and the pairs
// of them grow fast.
constexpr int kMaxAlsCells = 5;

struct Als {
  Bits cells;
  std::uint16_t digits = 0;
  int house = 0;
  std::array<Bits, 9> with{};   // its cells holding each digit
  std::array<Bits, 9> sees{};   // the cells that see all of those
};

std::vector<Als> FindAls(const View& v) {
  const auto& g = Geo();
  std::vector<Als> out;
  for (int h = 0; h < 27; ++h) {
    int open[9], k = 0;
    for (int c : g.cells[h])
      if (v.cand[c]) open[k++] = c;
    for (unsigned sel = 1; sel < (1u << k); ++sel) {
      const int n = Count(sel);
      if (n > kMaxAlsCells || n == k) continue;
      std::uint16_t u = 0;
      Bits cells;
      for (int i = 0; i < k; ++i)
        if (sel >> i & 1) u |= v.cand[open[i]], cells.set(open[i]);
      if (Count(u) != n + 1) continue;
      // A box's set on one line was met from the line.
      const int first = cells.first();
      if (h >= 18 && (!cells.andNot(g.house[g.houseOf[first][0]]).any() ||
                      !cells.andNot(g.house[g.houseOf[first][1]]).any()))
        continue;
      Als a;
      a.cells = cells;
      a.digits = u;
      a.house = h;
      for (std::uint16_t m = u; m; m &= m - 1) {
        const int d = std::countr_zero(m);
        a.with[d] = cells & v.pos[d];
        Bits common = v.pos[d];
        a.with[d].each([&](int c) { common = common & g.peers[c]; });
        a.sees[d] = common.andNot(cells);
      }
      out.push_back(a);
    }
  }
  return out;
}

// The digits by which the two sets are linked: every cell of one holding it
// sees every cell of the other holding it, so at most one set holds it.
std::uint16_t Restricted(const Als& a, const Als& b) {
  std::uint16_t r = 0;
  if ((a.cells & b.cells).any()) return 0;
  for (std::uint16_t m = a.digits & b.digits; m; m &= m - 1) {
    const int d = std::countr_zero(m);
    if (!b.with[d].andNot(a.sees[d]).any()) r |= static_cast<std::uint16_t>(1u << d);
  }
  return r;
}

std::vector<int> CellList(const Bits& b) {
  std::vector<int> out;
  b.each([&](int c) { out.push_back(c); });
  return out;
}

// The digits z of both sets but the links: every cell that sees all the z of
// both loses z.
bool Targets(const View& v, const Als& a, const Als& b, std::uint16_t skip, GradeStep& s) {
  for (std::uint16_t m = a.digits & b.digits & ~skip; m; m &= m - 1) {
    const int z = std::countr_zero(m);
    AddEliminations(s, (v.pos[z] & a.sees[z] & b.sees[z]).andNot(a.cells | b.cells), z);
  }
  return !s.eliminations.empty();
}

// Of the steps found, the one with the fewest cells is told.
struct Best {
  int size = 1 << 30;
  GradeStep step;
  void Offer(const GradeStep& s, int cells) {
    if (cells < size) size = cells, step = s;
  }
};

}  // namespace

bool AlsXzStep(const View& v, GradeStep& s, bool describe) {
  const auto sets = FindAls(v);
  Best best;
  GradeStep t = s;
  for (std::size_t i = 0; i < sets.size(); ++i)
    for (std::size_t j = i + 1; j < sets.size(); ++j) {
      const Als &a = sets[i], &b = sets[j];
      const int size = a.cells.count() + b.cells.count();
      if (size >= best.size) continue;
      for (std::uint16_t m = Restricted(a, b); m; m &= m - 1) {
        const std::uint16_t x = m & -m;
        t.eliminations.clear();
        if (!Targets(v, a, b, x, t)) continue;
        t.groups = {CellList(a.cells), CellList(b.cells)};
        t.digits = x;
        best.Offer(t, size);
        break;
      }
    }
  if (best.size == 1 << 30) return false;
  s = best.step;
  s.pattern = s.groups[0];
  s.pattern.insert(s.pattern.end(), s.groups[1].begin(), s.groups[1].end());
  Bits ca, cb;
  for (int c : s.groups[0]) ca.set(c);
  for (int c : s.groups[1]) cb.set(c);
  std::uint16_t da = 0, db = 0;
  ca.each([&](int c) { da |= v.cand[c]; });
  cb.each([&](int c) { db |= v.cand[c]; });
  Finish(s, describe,
         CellsText(ca) + " (" + DigitsText(da) + ") and " + CellsText(cb) + " (" + DigitsText(db) + ") linked by " +
             DigitsText(s.digits));
  return true;
}

bool AlsXyWingStep(const View& v, GradeStep& s, bool describe) {
  const auto sets = FindAls(v);
  const int n = static_cast<int>(sets.size());
  // The links of every pair, found once.
  std::vector<std::vector<std::pair<int, std::uint16_t>>> linked(n);
  for (int i = 0; i < n; ++i)
    for (int j = i + 1; j < n; ++j)
      if (const std::uint16_t r = Restricted(sets[i], sets[j])) {
        linked[i].push_back({j, r});
        linked[j].push_back({i, r});
      }
  Best best;
  GradeStep t = s;
  for (int c = 0; c < n; ++c)
    for (std::size_t p = 0; p < linked[c].size(); ++p)
      for (std::size_t q = p + 1; q < linked[c].size(); ++q) {
        // Plain names, not a structured binding: the lambda below reads them.
        const int ia = linked[c][p].first, ib = linked[c][q].first;
        const std::uint16_t ra = linked[c][p].second, rb = linked[c][q].second;
        const Als &a = sets[ia], &b = sets[ib], &pivot = sets[c];
        const int size = a.cells.count() + b.cells.count() + pivot.cells.count();
        if (size >= best.size || (a.cells & b.cells).any()) continue;
        // Two different links: x joins a to the pivot, y joins b.
        const auto wing = [&] {
          for (std::uint16_t mx = ra; mx; mx &= mx - 1)
            for (std::uint16_t my = rb; my; my &= my - 1) {
              const std::uint16_t x = mx & -mx, y = my & -my;
              t.eliminations.clear();
              if (x == y || !Targets(v, a, b, x | y, t)) continue;
              t.groups = {CellList(a.cells), CellList(b.cells), CellList(pivot.cells)};
              t.digits = static_cast<std::uint16_t>(x | y);
              return true;
            }
          return false;
        };
        if (wing()) best.Offer(t, size);
      }
  if (best.size == 1 << 30) return false;
  s = best.step;
  s.pattern.clear();
  std::string text;
  for (std::size_t k = 0; k < s.groups.size(); ++k) {
    Bits b;
    std::uint16_t d = 0;
    for (int c : s.groups[k]) b.set(c), d |= v.cand[c], s.pattern.push_back(c);
    text += (k == 0 ? "" : k == 1 ? " and " : ", pivot ") + CellsText(b) + " (" + DigitsText(d) + ")";
  }
  Finish(s, describe, text + " linked by " + DigitsText(s.digits));
  return true;
}

// Where a box meets a line, two or three cells hold at least two digits more
// than cells; with cells of the line's rest and of the box's rest whose
// digits part, the lot holds as many digits as cells, each once.
bool SueDeCoqStep(const View& v, GradeStep& s, bool describe) {
  const auto& g = Geo();
  for (int box = 18; box < 27; ++box)
    for (int line = 0; line < 18; ++line) {
      const Bits meet = g.house[box] & g.house[line];
      if (!meet.any()) continue;
      std::vector<int> inMeet, lineRest, boxRest;
      (meet).each([&](int c) {
        if (v.cand[c]) inMeet.push_back(c);
      });
      g.house[line].andNot(meet).each([&](int c) {
        if (v.cand[c]) lineRest.push_back(c);
      });
      g.house[box].andNot(meet).each([&](int c) {
        if (v.cand[c]) boxRest.push_back(c);
      });
      const int km = static_cast<int>(inMeet.size()), kl = static_cast<int>(lineRest.size()),
                kb = static_cast<int>(boxRest.size());
      for (unsigned sm = 1; sm < (1u << km); ++sm) {
        const int nm = Count(sm);
        if (nm < 2) continue;
        std::uint16_t vm = 0;
        Bits cm;
        for (int i = 0; i < km; ++i)
          if (sm >> i & 1) vm |= v.cand[inMeet[i]], cm.set(inMeet[i]);
        if (Count(vm) < nm + 2) continue;
        for (unsigned sl = 1; sl < (1u << kl); ++sl) {
          const int nl = Count(sl);
          if (nl > 3) continue;
          std::uint16_t dl = 0;
          Bits cl;
          for (int i = 0; i < kl; ++i)
            if (sl >> i & 1) dl |= v.cand[lineRest[i]], cl.set(lineRest[i]);
          // Each digit of the line's cells must help: a cell of theirs holds
          // a digit of the meeting cells.
          if (Count(dl) > nl + 1 || !(dl & vm)) continue;
          for (unsigned sb = 1; sb < (1u << kb); ++sb) {
            const int nb = Count(sb);
            if (nb > 3) continue;
            std::uint16_t db = 0;
            Bits cb;
            for (int i = 0; i < kb; ++i)
              if (sb >> i & 1) db |= v.cand[boxRest[i]], cb.set(boxRest[i]);
            if ((db & dl) || !(db & vm) || Count(db) > nb + 1) continue;
            const std::uint16_t all = vm | dl | db;
            if (Count(all) != nm + nl + nb) continue;
            // The line's digits stay in the line's cells, the box's in the box's.
            const std::uint16_t lineGo = static_cast<std::uint16_t>(dl | (all & ~dl & ~db));
            const std::uint16_t boxGo = static_cast<std::uint16_t>(db | (all & ~dl & ~db));
            g.house[line].andNot(cm | cl).each([&](int c) {
              for (std::uint16_t m = v.cand[c] & lineGo; m; m &= m - 1) s.eliminations.push_back({c, std::countr_zero(m) + 1});
            });
            g.house[box].andNot(cm | cb).each([&](int c) {
              for (std::uint16_t m = v.cand[c] & boxGo; m; m &= m - 1) s.eliminations.push_back({c, std::countr_zero(m) + 1});
            });
            if (s.eliminations.empty()) continue;
            s.groups = {CellList(cm), CellList(cl), CellList(cb)};
            for (const auto& grp : s.groups) s.pattern.insert(s.pattern.end(), grp.begin(), grp.end());
            s.digits = all;
            s.house = line;
            Finish(s, describe,
                   CellsText(cm) + " (" + DigitsText(vm) + ") with " + CellsText(cl) + " (" + DigitsText(dl) + ") and " +
                       CellsText(cb) + " (" + DigitsText(db) + ")");
            return true;
          }
        }
      }
    }
  return false;
}

// Two cells of one house: a pair of digits they cannot hold together (the
// same digit twice, or the two digits of a cell that sees both) is ruled
// out; a digit of one cell left without a partner in the other goes.
bool AlignedPairStep(const View& v, GradeStep& s, bool describe) {
  const auto& g = Geo();
  for (int c1 = 0; c1 < 81; ++c1) {
    if (Count(v.cand[c1]) < 2) continue;
    for (int c2 = c1 + 1; c2 < 81 && s.eliminations.empty(); ++c2) {
      if (Count(v.cand[c2]) < 2) continue;
      const bool aligned = g.peers[c1].test(c2);
      // Bivalue cells that see both: the pairs they rule out.
      std::vector<int> by;
      (g.peers[c1] & g.peers[c2]).each([&](int e) {
        if (Count(v.cand[e]) == 2 && (v.cand[e] & (v.cand[c1] | v.cand[c2])) == v.cand[e]) by.push_back(e);
      });
      if (by.empty()) continue;
      const auto ruledOut = [&](int x, int y) {
        if (x == y && aligned) return true;
        const std::uint16_t xy = static_cast<std::uint16_t>(1u << x | 1u << y);
        return std::any_of(by.begin(), by.end(), [&](int e) { return v.cand[e] == xy; });
      };
      for (int side = 0; side < 2; ++side) {
        const int a = side ? c2 : c1, b = side ? c1 : c2;
        for (std::uint16_t m = v.cand[a]; m; m &= m - 1) {
          const int x = std::countr_zero(m);
          bool none = true;
          for (std::uint16_t n = v.cand[b]; n && none; n &= n - 1) none = ruledOut(x, std::countr_zero(n));
          if (none) s.eliminations.push_back({a, x + 1});
        }
      }
      if (s.eliminations.empty()) continue;
      s.groups = {{c1, c2}, by};
      s.pattern = {c1, c2};
      s.pattern.insert(s.pattern.end(), by.begin(), by.end());
      Bits ex;
      for (int e : by) ex.set(e);
      Finish(s, describe, Label(c1) + "," + Label(c2) + " against " + CellsText(ex));
    }
    if (!s.eliminations.empty()) return true;
  }
  return false;
}

}  // namespace tessel::detail
