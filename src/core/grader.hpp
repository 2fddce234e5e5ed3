// The human-technique grader: a logical solver on pencil marks that never
// guesses. It tries techniques from the easiest tier to the hardest,
// restarting at the easiest after every step, and rates a puzzle by the
// hardest step it needed (Sudoku Explainer scale) and by its level tier.
#pragma once

#include <array>
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

struct GradeStep {
  Technique technique = Technique::kFullHouse;
  double rating = 0;  // the technique's rating, plus the length bonus for chains
  std::vector<Placement> placements;
  std::vector<Elimination> eliminations;
  std::string description;  // "Hidden Single (box): D5=3", "X-Wing 4 in rows B,F: ..."
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
// placement or elimination) and returns true.
bool FindStep(Technique t, const Pencil& pencil, GradeStep& step);

// Grades a puzzle string (see Pencil). Puzzles with clashing givens, of the
// wrong length, or needing more than the ladder holds are not solved (level -1).
GradeResult Grade(std::string_view puzzle, bool keepSteps = true);

}  // namespace tessel
