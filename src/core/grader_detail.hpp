// What the grader's technique files share: cell sets as bit words, the
// board's geometry, and the per-step view of a position.
#pragma once

#include <array>
#include <atomic>
#include <bit>
#include <cstdint>
#include <string>
#include <vector>

#include "core/grader.hpp"

namespace tessel {

namespace detail {

// Set bits, counted inline: the baseline target has no popcount instruction,
// and std::popcount then costs a library call in the grader's inner loops.
constexpr int Count(std::uint64_t x) {
  x = x - ((x >> 1) & 0x5555555555555555ULL);
  x = (x & 0x3333333333333333ULL) + ((x >> 2) & 0x3333333333333333ULL);
  x = (x + (x >> 4)) & 0x0F0F0F0F0F0F0F0FULL;
  return static_cast<int>((x * 0x0101010101010101ULL) >> 56);
}

// 81 cells as two words; bit i is cell i.
struct Bits {
  std::uint64_t lo = 0, hi = 0;
  static Bits One(int i) {
    Bits b;
    b.set(i);
    return b;
  }
  void set(int i) { (i < 64 ? lo : hi) |= std::uint64_t{1} << (i & 63); }
  void reset(int i) { (i < 64 ? lo : hi) &= ~(std::uint64_t{1} << (i & 63)); }
  bool test(int i) const { return ((i < 64 ? lo : hi) >> (i & 63)) & 1; }
  int count() const { return Count(lo) + Count(hi); }
  bool any() const { return (lo | hi) != 0; }
  int first() const { return lo ? std::countr_zero(lo) : 64 + std::countr_zero(hi); }
  Bits operator&(const Bits& o) const { return {lo & o.lo, hi & o.hi}; }
  Bits operator|(const Bits& o) const { return {lo | o.lo, hi | o.hi}; }
  Bits andNot(const Bits& o) const { return {lo & ~o.lo, hi & ~o.hi}; }
  bool operator==(const Bits&) const = default;
  template <class F>
  void each(F f) const {
    for (std::uint64_t m = lo; m; m &= m - 1) f(std::countr_zero(m));
    for (std::uint64_t m = hi; m; m &= m - 1) f(64 + std::countr_zero(m));
  }
};

struct Geometry {
  std::array<Bits, 27> house;
  std::array<Bits, 81> peers;
  std::array<std::array<int, 3>, 81> houseOf;  // row, column, box house
  std::array<std::array<int, 9>, 27> cells;
  Geometry();
};
const Geometry& Geo();

// Everything a technique reads, computed once per step.
struct View {
  explicit View(const Pencil& pencil);
  const Pencil& p;
  std::array<std::uint16_t, 81> cand{};
  std::array<Bits, 9> pos{};                // cells holding digit d+1 as a candidate
  std::array<std::uint16_t, 27> placedIn{};  // digits placed in each house
  std::array<std::array<std::uint16_t, 9>, 9> rowMask{}, colMask{};  // [digit][line]
};

std::string Label(int cell);
std::string CellsText(const Bits& b);
std::string DigitsText(std::uint16_t mask);
std::string HouseName(int h);
void Finish(GradeStep& s, bool describe, const std::string& detail);
bool AddEliminations(GradeStep& s, const Bits& cells, int digit);
std::string BranchesText(const std::vector<std::vector<ChainFact>>& branches);

// One technique on a view (no uniqueness, no cancel); see FindStep.
bool FindIn(Technique t, const View& v, GradeStep& s, bool describe);

// Forcing chains on the branches' strength (0 dynamic, 1 net, 2+ nested);
// singleDigit: a Nishio chain, one digit's implications only.
bool ForcingStep(const View& v, GradeStep& s, bool describe, int strength, int singleDigit,
                 const GradeOptions& o);
// Static cell (or region) forcing chains over the alternating-chain links.
bool StaticForcingStep(const View& v, GradeStep& s, bool describe, bool region);
// Uniqueness: rectangles of types 1-4 (type 0: hidden), and BUG+1.
bool UniqueRectangleStep(const View& v, GradeStep& s, bool describe, int type);
bool BugStep(const View& v, GradeStep& s, bool describe);
// Unique loops of six or more cells, types 1-4.
bool UniqueLoopStep(const View& v, GradeStep& s, bool describe, int type);
// BUG types 2-4: the cells with more than two candidates, one of which
// must hold a digit past its pair.
bool BugTypeStep(const View& v, GradeStep& s, bool describe, int type);
// Almost locked sets and aligned pairs.
bool AlignedPairStep(const View& v, GradeStep& s, bool describe);
bool AlsXzStep(const View& v, GradeStep& s, bool describe);
bool AlsXyWingStep(const View& v, GradeStep& s, bool describe);
bool SueDeCoqStep(const View& v, GradeStep& s, bool describe);

}  // namespace detail

}  // namespace tessel
