// The human-technique grader: a logical solver on pencil marks that never
// guesses. It tries techniques from the easiest tier to the hardest,
// restarting at the easiest after every step, and rates a puzzle by the
// hardest step it needed (Sudoku Explainer scale) and by its level tier.
#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tessel {

// Ladder order: by tier (level), then by rating inside the tier.
enum class Technique : std::uint8_t {
  // tier 0, Very Easy
  kFullHouse,
  kHiddenSingleBox,
  kHiddenSingleLine,
  // tier 1, Gentle
  kNakedSingle,
  kPointing,
  kClaiming,
  // tier 2, Moderate
  kNakedPair,
  kHiddenPair,
  kNakedTriple,
  kHiddenTriple,
  kNakedQuad,
  kHiddenQuad,
  // tier 3, Tough
  kXWing,
  kSwordfish,
  kSkyscraper,
  kTwoStringKite,
  kXYWing,
  kEmptyRectangle,
  kXYZWing,
  kJellyfish,
  kWWing,
  kRemotePairs,
  kSimpleColouring,
  // tier 4, Diabolical
  kFinnedXWing,
  kFinnedSwordfish,
  kFinnedJellyfish,
  kXChain,
  kXYChain,
  kAIC,
  // Past the dealt tiers: a puzzle that needs one of these is Diabolical.
  // Chains with grouped nodes (a box's cells on one line as one node).
  kGroupedXChain,
  kGroupedAIC,
  // Uniqueness: only on a puzzle known to have one solution.
  kUniqueRectangle1,
  kUniqueRectangle2,
  kUniqueRectangle3,
  kUniqueRectangle4,
  kHiddenRectangle,
  kUniqueLoop1,
  kUniqueLoop2,
  kUniqueLoop3,
  kUniqueLoop4,
  kBugPlusOne,
  kBugType2,
  kBugType3,
  kBugType4,
  // Aligned exclusion, almost locked sets.
  kAlignedPairExclusion,
  kAlsXZ,
  kAlsXYWing,
  kSueDeCoq,
  // Forcing chains: static, then dynamic, then nets and nested chains.
  kNishio,
  kCellForcingChain,
  kRegionForcingChain,
  kDynamicForcingChain,
  kForcingNet,
  kNestedForcingChain,
  kCount
};
constexpr int kTechniqueCount = static_cast<int>(Technique::kCount);

std::string_view TechniqueName(Technique t);  // "Hidden Single (box)", "X-Wing", ...
// Base Sudoku Explainer rating; chains add a length bonus on top (see GradeStep::rating).
double TechniqueRating(Technique t);
// What a chain of that many links adds: +0.1 each time its length (links - 2)
// passes 4, 6, 8, 12, 16, 24, ...
double ChainLengthBonus(int links);
int TechniqueLevel(Technique t);  // 0..4
// Uniqueness techniques assume the puzzle has exactly one solution.
bool NeedsUniqueness(Technique t);
// The rating ladder: techniques by rating (ties in ladder order), so that
// the easiest step is found first.
const std::array<Technique, kTechniqueCount>& RatingOrder();

// What a search may assume and when it should give up.
struct GradeOptions {
  bool uniqueKnown = false;                   // the puzzle has exactly one solution
  const std::atomic<bool>* cancel = nullptr;  // set from another thread to stop a long search
  // The position has exactly one solution (implied by uniqueKnown): nested
  // forcing chains may then search deeper, since a wrong candidate always
  // breaks at some depth. Without it they stop at the first nesting.
  bool oneSolution = false;
};

// Digits are 1..9, cells are row-major indices 0..80.
struct Placement {
  int cell = 0;
  int digit = 0;
  bool operator==(const Placement&) const = default;
};
struct Elimination {
  int cell = 0;
  int digit = 0;
  bool operator==(const Elimination&) const = default;
};

// One link of a chain as a sentence tells it: "cells hold digit" (on) or
// "cells do not hold digit". A group names two or three cells of a box on
// one line. digit 0 is "the cell has no digit left"; house >= 0 with on
// false is "the digit has no place left in that house".
struct ChainFact {
  std::vector<int> cells;
  int digit = 0;
  bool on = false;
  int house = -1;
  int via = -1;  // inside a net: the technique (as an index) that gave this fact
  // What that technique rested on: a subset's or fish's cells, the houses of
  // locked candidates or of a fish (base lines, then cover lines), its digits;
  // for a nested chain, the inner chain that disproves the candidate.
  std::vector<int> viaCells, viaHouses;
  std::uint16_t viaDigits = 0;
  std::vector<ChainFact> inner;
  bool operator==(const ChainFact&) const = default;
};

// How a forcing step reaches its conclusion.
enum class ForcingKind : std::uint8_t {
  kNone,
  kContradiction,  // one assumption leads to a contradiction (one or two branches)
  kBothWays,       // a candidate true and false lead to the same fact
  kCell,           // every candidate of a cell leads to the same fact
  kRegion,         // every place of a digit in a house leads to the same fact
};

struct GradeStep {
  Technique technique = Technique::kFullHouse;
  double rating = 0;  // the technique's rating, plus the length bonus for chains
  std::vector<Placement> placements;
  std::vector<Elimination> eliminations;
  std::string description;  // "Hidden Single (box): D5=3", "X-Wing 4 in rows B,F: ..."
  // For the sentences: the pattern's cells in the order they are told
  // (wing pivot first, rectangle corners, set cells), its digits, and for
  // chains and forcing steps each branch from its assumption on.
  std::vector<int> pattern;
  std::uint16_t digits = 0;
  std::vector<std::vector<ChainFact>> branches;
  ForcingKind forcing = ForcingKind::kNone;
  int house = -1;  // the house of a region forcing step or of a pattern
  // The pattern's parts, each in the order told: a loop and the cells of its
  // naked set; almost locked sets (a wing's pivot last); a BUG's cells, the
  // cells of its naked set and each BUG cell's digits past its pair (masks).
  std::vector<std::vector<int>> groups;
  std::vector<int> houses;  // the houses the pattern rests on, in the order told
};

struct GradeResult {
  bool solved = false;
  int level = -1;       // highest tier among the steps; -1 when not solved
  double rating = 0;    // highest step rating (also filled when not solved)
  Technique hardest = Technique::kFullHouse;  // the step with that rating
  std::vector<GradeStep> steps;  // empty when keepSteps is false
};

// A position: placed values and the candidates of the open cells.
// Candidate masks use bit d-1 for digit d.
class Pencil {
 public:
  Pencil();  // every cell open with all nine candidates
  // 81 chars, '1'..'9' givens, anything else blank; candidates are what no
  // given peer holds. ok() is false for a wrong length or clashing givens.
  explicit Pencil(std::string_view puzzle);
  // 81 whitespace-separated tokens: one digit is a placed value, two or more
  // digits are the candidates of an open cell. ok() is false on bad input.
  static Pencil FromGrid(std::string_view tokens);

  bool ok() const { return ok_; }
  int value(int cell) const { return value_[cell]; }
  std::uint16_t candidates(int cell) const { return cand_[cell]; }
  bool Has(int cell, int digit) const { return (cand_[cell] >> (digit - 1)) & 1; }
  int OpenCount() const;

  // Sets the value and strikes the digit from the open peers.
  void Place(int cell, int digit);
  void Eliminate(int cell, int digit) { cand_[cell] &= ~(1u << (digit - 1)); }
  void SetCandidates(int cell, std::uint16_t mask) { cand_[cell] = mask; }
  void Apply(const GradeStep& step);

  // An open cell without candidates, or a digit with no home in a house.
  bool Broken() const;

 private:
  std::array<std::uint16_t, 81> cand_{};
  std::array<std::uint8_t, 81> value_{};
  bool ok_ = true;
};

// Runs one technique on a position; on success fills step (with at least one
// placement or elimination) and returns true. Uniqueness techniques find
// nothing unless options.uniqueKnown.
bool FindStep(Technique t, const Pencil& pencil, GradeStep& step, const GradeOptions& options = {});

// The easiest step on the position by the rating ladder; false when none is
// found (or the search was cancelled).
bool FindEasiestStep(const Pencil& pencil, GradeStep& step, const GradeOptions& options = {});

// Grades a puzzle string (see Pencil). The level comes from the tier ladder
// (the dealt levels); a puzzle it cannot finish but the forcing chains can
// is Diabolical. The rating and the steps come from the rating ladder.
// Puzzles with clashing givens, of the wrong length, or without one solution
// where no step is left are not solved (level -1).
GradeResult Grade(std::string_view puzzle, bool keepSteps = true, const GradeOptions& options = {});

}  // namespace tessel
