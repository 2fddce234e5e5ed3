// Dynamic forcing chains, forcing nets and nested forcing chains: assume a
// candidate true (or false), follow what it forces with every implication
// applied before the next, and look for a contradiction or for a fact that
// every branch of a cell, a house or a yes/no choice reaches.
#include <algorithm>
#include <vector>

#include "core/grader_detail.hpp"

namespace tessel::detail {

namespace {

// A fact is "cell holds digit" (on) or "cell does not hold digit" (off).
constexpr int kOffBase = 729;
constexpr int kFactCount = 2 * kOffBase;
constexpr int On(int c, int d) { return c * 9 + d; }
constexpr int Off(int c, int d) { return kOffBase + c * 9 + d; }
constexpr int CellOf(int f) { return f % kOffBase / 9; }
constexpr int DigitOf(int f) { return f % 9; }
constexpr bool IsOn(int f) { return f < kOffBase; }

struct State {
  std::array<std::uint16_t, 81> cand{};
  std::array<std::uint8_t, 81> value{};
  std::array<Bits, 9> pos{}, placed{};
};

State FromView(const View& v) {
  State s;
  s.cand = v.cand;
  for (int c = 0; c < 81; ++c) {
    const int val = v.p.value(c);
    s.value[c] = static_cast<std::uint8_t>(val);
    if (val) s.placed[val - 1].set(c);
  }
  s.pos = v.pos;
  return s;
}

// The basic techniques a forcing net applies inside its branches.
constexpr Technique kNetRules[] = {Technique::kPointing,   Technique::kClaiming,     Technique::kNakedPair,
                                   Technique::kHiddenPair, Technique::kXWing,        Technique::kNakedTriple,
                                   Technique::kHiddenTriple, Technique::kSwordfish};

bool Cancelled(const std::atomic<bool>* cancel) { return cancel && cancel->load(std::memory_order_relaxed); }

class Branch;
std::vector<ChainFact> BranchText(const Branch& b, int f, bool inner);

// One branch: facts from the assumptions on, until nothing more follows or
// the position breaks. strength 0 follows singles only; 1 adds the basic
// techniques (a net); 2 and up add, when stuck, every candidate whose own
// branch of strength - 2 breaks (a nested chain).
class Branch {
 public:
  Branch(const State& base, int strength, bool trace, int onlyDigit, const std::atomic<bool>* cancel)
      : base_(base), s_(base), strength_(strength), trace_(trace), onlyDigit_(onlyDigit), cancel_(cancel) {
    if (trace_) {
      order_.assign(kFactCount, -1);
      parentStart_.assign(kFactCount, 0);
      parentCount_.assign(kFactCount, 0);
      via_.assign(kFactCount, -1);
      reason_.assign(kFactCount, -1);
    }
    depth_.assign(kFactCount, 0);
  }

  // Returns true when the branch breaks.
  bool Run(int assumption) {
    Derive(assumption, nullptr, 0, -1);
    while (!dead_) {
      while (!dead_ && head_ < queue_.size()) Process(queue_[head_++]);
      if (dead_ || stopped_) break;
      if (strength_ >= 1 && onlyDigit_ < 0 && NetRules()) continue;
      if (strength_ >= 2 && onlyDigit_ < 0 && Nested()) continue;
      break;
    }
    return dead_;
  }

  bool dead() const { return dead_; }
  bool stopped() const { return stopped_; }
  const State& end() const { return s_; }
  // 0 when the fact was not reached; else its depth from the assumption.
  int Depth(int f) const { return depth_[f]; }
  // The facts that broke the branch.
  const std::vector<int>& deadFacts() const { return deadFacts_; }
  int deadCell() const { return deadCell_; }
  int deadHouse() const { return deadHouse_; }
  int deadDigit() const { return deadDigit_; }

  // How many facts the given ones rest on (themselves included).
  int Complexity(const std::vector<int>& facts) const {
    std::vector<char> seen(kFactCount, 0);
    std::vector<int> stack(facts.begin(), facts.end());
    int n = 0;
    while (!stack.empty()) {
      const int f = stack.back();
      stack.pop_back();
      if (f < 0 || seen[f] || order_[f] < 0) continue;
      seen[f] = 1;
      n += via_[f] >= 0 ? 3 : 1;  // a fact a technique gives weighs more than a single
      for (int k = 0; k < parentCount_[f]; ++k) stack.push_back(parents_[parentStart_[f] + k]);
    }
    return n;
  }

  // The facts from the assumption to f, along the parent derived last; a
  // fact from a nested chain carries that chain when `inner`.
  std::vector<ChainFact> Path(int f, bool inner = true) const {
    std::vector<ChainFact> out;
    while (f >= 0 && order_[f] >= 0) {
      ChainFact x;
      x.cells = {CellOf(f)};
      x.digit = DigitOf(f) + 1;
      x.on = IsOn(f);
      x.via = via_[f];
      if (reason_[f] >= 0) {
        const Reason& r = reasons_[reason_[f]];
        x.viaCells = r.cells;
        x.viaHouses = r.houses;
        x.viaDigits = r.digits;
        if (r.nested && inner) {
          Branch b(r.state, strength_ - 2, true, -1, cancel_);
          if (b.Run(On(CellOf(f), DigitOf(f)))) x.inner = BranchText(b, -1, false);
        }
      }
      // A run of facts from techniques is told by its last one.
      if (!(x.via >= 0 && !out.empty() && out.back().via >= 0)) out.push_back(x);
      int next = -1;
      for (int k = 0; k < parentCount_[f]; ++k) {
        const int p = parents_[parentStart_[f] + k];
        if (order_[p] >= 0 && (next < 0 || order_[p] > order_[next])) next = p;
      }
      f = next;
    }
    std::reverse(out.begin(), out.end());
    return out;
  }
 private:
  void Kill(std::vector<int> facts, int cell, int house, int digit) {
    dead_ = true;
    deadFacts_ = std::move(facts);
    deadCell_ = cell;
    deadHouse_ = house;
    deadDigit_ = digit;
  }

  // Records f with its parents; false when f was already known.
  bool Record(int f, const int* parents, int count, int via) {
    int d = 0;
    for (int k = 0; k < count; ++k) d = std::max(d, static_cast<int>(depth_[parents[k]]));
    depth_[f] = static_cast<std::uint8_t>(std::min(d + 1, 255));
    if (trace_) {
      order_[f] = counter_++;
      via_[f] = via;
      parentStart_[f] = static_cast<int>(parents_.size());
      parentCount_[f] = count;
      parents_.insert(parents_.end(), parents, parents + count);
      if (count == 0 && via >= 0 && lastFact_ >= 0) {  // a technique's fact follows the chain so far
        parentCount_[f] = 1;
        parents_.push_back(lastFact_);
      }
      lastFact_ = f;
    }
    queue_.push_back(f);
    return true;
  }

  void Derive(int f, const int* parents, int count, int via) {
    const int c = CellOf(f), d = DigitOf(f);
    const std::uint16_t bit = static_cast<std::uint16_t>(1u << d);
    if (IsOn(f)) {
      if (s_.value[c] == d + 1) return;
      if (!(s_.cand[c] & bit)) {  // the cell already lost the digit
        Record(f, parents, count, via);
        Kill({f, Off(c, d)}, -1, -1, -1);
        return;
      }
      Record(f, parents, count, via);
      const std::uint16_t others = s_.cand[c] & ~bit;
      s_.value[c] = static_cast<std::uint8_t>(d + 1);
      s_.cand[c] = 0;
      s_.pos[d].reset(c);
      s_.placed[d].set(c);
      for (std::uint16_t m = others; m; m &= m - 1) {
        const int e = std::countr_zero(m);
        s_.pos[e].reset(c);
        if (onlyDigit_ < 0) {
          const int p = f;
          Record(Off(c, e), &p, 1, -1);
        }
      }
      return;
    }
    if (!(s_.cand[c] & bit)) {
      if (s_.value[c] == d + 1) {
        Record(f, parents, count, via);
        Kill({On(c, d), f}, -1, -1, -1);
      }
      return;
    }
    Record(f, parents, count, via);
    s_.cand[c] &= ~bit;
    s_.pos[d].reset(c);
  }

  void Process(int f) {
    if (stopped_) return;
    const auto& g = Geo();
    const int c = CellOf(f), d = DigitOf(f);
    if (IsOn(f)) {
      (s_.pos[d] & g.peers[c]).each([&](int p) {
        if (!dead_) Derive(Off(p, d), &f, 1, -1);
      });
      return;
    }
    if (onlyDigit_ < 0 && !s_.value[c]) {
      if (s_.cand[c] == 0) {
        std::vector<int> why;
        for (std::uint16_t m = base_.cand[c]; m; m &= m - 1) why.push_back(Off(c, std::countr_zero(m)));
        Kill(why, c, -1, -1);
        return;
      }
      if (Count(s_.cand[c]) == 1) {
        const int e = std::countr_zero(s_.cand[c]);
        int why[9], n = 0;
        for (std::uint16_t m = base_.cand[c] & ~(1u << e); m; m &= m - 1) why[n++] = Off(c, std::countr_zero(m));
        Derive(On(c, e), why, n, -1);
        if (dead_) return;
      }
    }
    for (int h : g.houseOf[c]) {
      if ((s_.placed[d] & g.house[h]).any()) continue;
      const Bits left = s_.pos[d] & g.house[h];
      const int n = left.count();
      if (n > 1) continue;
      int why[9], k = 0;
      (base_.pos[d] & g.house[h]).andNot(left).each([&](int q) { why[k++] = Off(q, d); });
      if (n == 0) {
        Kill(std::vector<int>(why, why + k), -1, h, d);
        return;
      }
      Derive(On(left.first(), d), why, k, -1);
      if (dead_) return;
    }
  }

  Pencil AsPencil() const {
    Pencil p;
    for (int c = 0; c < 81; ++c)
      if (s_.value[c]) p.Place(c, s_.value[c]);
    for (int c = 0; c < 81; ++c)
      if (!s_.value[c]) p.SetCandidates(c, s_.cand[c]);
    return p;
  }

  // One basic technique on the branch's position; true when it removed something.
  bool NetRules() {
    const Pencil p = AsPencil();
    const View v(p);
    GradeStep step;
    for (Technique t : kNetRules) {
      if (!FindIn(t, v, step, false)) continue;
      bool any = false;
      for (const auto& e : step.eliminations)
        if (s_.cand[e.cell] >> (e.digit - 1) & 1) {
          const int f = Off(e.cell, e.digit - 1);
          Derive(f, nullptr, 0, static_cast<int>(t));
          if (trace_)
            Explained(f, {step.pattern, step.houses.empty() && step.house >= 0 ? std::vector<int>{step.house} : step.houses,
                          step.digits, false, {}});
          any = true;
          if (dead_) return true;
        }
      if (any) return true;
    }
    return false;
  }

  // What a technique's fact rests on, for the sentence.
  struct Reason {
    std::vector<int> cells, houses;
    std::uint16_t digits = 0;
    bool nested = false;
    State state;  // a nested chain's position, to run it again
  };

  void Explained(int f, Reason r) {
    if (order_[f] < 0 || reason_[f] >= 0) return;
    reason_[f] = static_cast<int>(reasons_.size());
    reasons_.push_back(std::move(r));
  }

  // Every candidate whose own branch breaks is removed.
  bool Nested() {
    bool any = false;
    for (int c = 0; c < 81 && !dead_; ++c)
      for (std::uint16_t m = s_.cand[c]; m && !dead_; m &= m - 1) {
        if (Cancelled(cancel_)) {
          stopped_ = true;
          return false;
        }
        const int d = std::countr_zero(m);
        Branch inner(s_, strength_ - 2, false, -1, cancel_);
        if (!inner.Run(On(c, d))) continue;
        const State before = trace_ ? s_ : State{};
        Derive(Off(c, d), nullptr, 0, static_cast<int>(Technique::kDynamicForcingChain) + strength_ - 2);
        if (trace_) Explained(Off(c, d), {{}, {}, 0, true, before});
        any = true;
      }
    return any;
  }

  const State& base_;
  State s_;
  int strength_;
  bool trace_;
  int onlyDigit_;
  const std::atomic<bool>* cancel_;
  std::vector<int> queue_;
  std::size_t head_ = 0;
  bool dead_ = false, stopped_ = false;
  std::vector<int> deadFacts_;
  int deadCell_ = -1, deadHouse_ = -1, deadDigit_ = -1;
  std::vector<std::uint8_t> depth_;
  std::vector<int> order_, parentStart_, parentCount_, parents_, via_, reason_;
  std::vector<Reason> reasons_;
  int counter_ = 0, lastFact_ = -1;
};

// A conclusion: the fact, the branches' assumptions, and a score (smaller first).
struct Found {
  ForcingKind kind = ForcingKind::kNone;
  int fact = -1;                 // the candidate removed or placed
  std::vector<int> assumptions;  // one branch each
  int score = 1 << 30;
  int house = -1;
};

// What a branch's end says about a fact of the base position: the fact is
// news (removes or places a candidate) and the branch reached it.
bool Reached(const Branch& b, int f) { return b.Depth(f) > 0; }

// The chain from one branch, ending at f or at the branch's contradiction.
std::vector<ChainFact> BranchText(const Branch& b, int f, bool inner) {
  if (f >= 0) return b.Path(f, inner);
  // Broken: along the last of the facts that broke it.
  int last = -1;
  for (int x : b.deadFacts())
    if (b.Depth(x) > 0 && (last < 0 || b.Depth(x) >= b.Depth(last))) last = x;
  std::vector<ChainFact> path = b.Path(last, inner);
  ChainFact end;
  if (b.deadCell() >= 0) {
    end.cells = {b.deadCell()};
    end.digit = 0;
  } else if (b.deadHouse() >= 0) {
    end.house = b.deadHouse();
    end.digit = b.deadDigit() + 1;
  } else {
    return path;  // the clash: the other fact is told by the second branch
  }
  path.push_back(end);
  return path;
}

void Conclude(const State& base, const Found& f, int strength, int onlyDigit, const GradeOptions& o, GradeStep& s,
              bool describe) {
  const int c = CellOf(f.fact), d = DigitOf(f.fact);
  if (IsOn(f.fact))
    s.placements.push_back({c, d + 1});
  else
    s.eliminations.push_back({c, d + 1});
  s.forcing = f.kind;
  s.house = f.house;
  std::vector<Branch> runs;
  runs.reserve(f.assumptions.size());
  int complexity = 0;
  for (int a : f.assumptions) {
    runs.emplace_back(base, strength, true, onlyDigit, o.cancel);
    Branch& b = runs.back();
    b.Run(a);
    if (f.kind == ForcingKind::kContradiction) {
      complexity += b.Complexity(b.deadFacts());
    } else {
      complexity += b.Complexity({f.fact});
    }
  }
  s.rating = TechniqueRating(s.technique) + ChainLengthBonus(complexity) + (strength >= 2 ? 0.5 * (strength - 2) : 0);
  if (!describe) return;
  for (std::size_t i = 0; i < runs.size(); ++i) {
    const Branch& b = runs[i];
    if (f.kind == ForcingKind::kContradiction) {
      const auto& dead = b.deadFacts();
      if (b.deadCell() < 0 && b.deadHouse() < 0 && dead.size() == 2) {
        s.branches.push_back(b.Path(dead[0]));
        s.branches.push_back(b.Path(dead[1]));
      } else {
        s.branches.push_back(BranchText(b, -1, true));
      }
    } else {
      s.branches.push_back(b.Path(f.fact));
    }
  }
  Finish(s, true, BranchesText(s.branches));
}

// A fact that is news on the base position.
bool News(const State& base, int f) {
  const int c = CellOf(f), d = DigitOf(f);
  return IsOn(f) ? base.value[c] == 0 && (base.cand[c] >> d & 1) : (base.cand[c] >> d & 1) != 0;
}

}  // namespace

bool ForcingStep(const View& v, GradeStep& s, bool describe, int strength, int onlyDigitMode,
                 const GradeOptions& o) {
  const State base = FromView(v);
  const auto& g = Geo();
  std::vector<int> cands;
  for (int c = 0; c < 81; ++c)
    for (std::uint16_t m = base.cand[c]; m; m &= m - 1) cands.push_back(On(c, std::countr_zero(m)));
  Found best;
  const bool nishio = onlyDigitMode != 0;
  const bool firstOnly = strength >= 2;  // the nested searches stop at the first contradiction
  // Contradictions: an assumption that breaks its branch.
  std::vector<Branch> onRuns, offRuns;
  onRuns.reserve(cands.size());
  for (int f : cands) {
    if (Cancelled(o.cancel)) return false;
    onRuns.emplace_back(base, strength, false, nishio ? DigitOf(f) : -1, o.cancel);
    Branch& b = onRuns.back();
    if (b.stopped()) return false;
    if (!b.Run(f)) continue;
    if (b.stopped()) return false;
    const int score = firstOnly ? 0 : [&] {
      Branch t(base, strength, true, nishio ? DigitOf(f) : -1, o.cancel);
      t.Run(f);
      return t.Complexity(t.deadFacts());
    }();
    if (score < best.score) best = {ForcingKind::kContradiction, Off(CellOf(f), DigitOf(f)), {f}, score};
    if (firstOnly) break;
  }
  if (!nishio && best.kind == ForcingKind::kNone && !firstOnly) {
    for (int f : cands) {
      if (Cancelled(o.cancel)) return false;
      offRuns.emplace_back(base, strength, false, -1, o.cancel);
      Branch& b = offRuns.back();
      const int off = Off(CellOf(f), DigitOf(f));
      if (!b.Run(off)) continue;
      Branch t(base, strength, true, -1, o.cancel);
      t.Run(off);
      const int score = t.Complexity(t.deadFacts());
      if (score < best.score) best = {ForcingKind::kContradiction, f, {off}, score};
    }
    if (best.kind == ForcingKind::kNone) {
      // The same fact both ways.
      for (std::size_t i = 0; i < cands.size(); ++i) {
        const Branch &a = onRuns[i], &b = offRuns[i];
        if (a.dead() || b.dead()) continue;
        for (int x = 0; x < kFactCount; ++x) {
          if (!Reached(a, x) || !Reached(b, x) || !News(base, x)) continue;
          const int score = a.Depth(x) + b.Depth(x);
          if (score < best.score)
            best = {ForcingKind::kBothWays, x, {cands[i], Off(CellOf(cands[i]), DigitOf(cands[i]))}, score};
        }
      }
      // Every candidate of a cell.
      std::array<int, 729> index{};
      index.fill(-1);
      for (std::size_t i = 0; i < cands.size(); ++i) index[cands[i]] = static_cast<int>(i);
      auto common = [&](const std::vector<int>& branchFacts, ForcingKind kind, int house) {
        for (int fx : branchFacts)
          if (onRuns[index[fx]].dead()) return;
        for (int x = 0; x < kFactCount; ++x) {
          if (!News(base, x)) continue;
          int score = 0;
          bool all = true;
          for (int fx : branchFacts) {
            const Branch& b = onRuns[index[fx]];
            if (!Reached(b, x)) {
              all = false;
              break;
            }
            score += b.Depth(x);
          }
          if (all && score < best.score) best = {kind, x, branchFacts, score, house};
        }
      };
      for (int c = 0; c < 81; ++c) {
        if (Count(base.cand[c]) < 2) continue;
        std::vector<int> fs;
        for (std::uint16_t m = base.cand[c]; m; m &= m - 1) fs.push_back(On(c, std::countr_zero(m)));
        common(fs, ForcingKind::kCell, -1);
      }
      for (int h = 0; h < 27; ++h)
        for (int d = 0; d < 9; ++d) {
          const Bits b = base.pos[d] & g.house[h];
          if (b.count() < 2) continue;
          std::vector<int> fs;
          b.each([&](int c) { fs.push_back(On(c, d)); });
          common(fs, ForcingKind::kRegion, h);
        }
    }
  }
  if (best.kind == ForcingKind::kNone) return false;
  Conclude(base, best, strength, nishio ? DigitOf(best.assumptions[0]) : -1, o, s, describe);
  return true;
}

}  // namespace tessel::detail
