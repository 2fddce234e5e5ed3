#include "core/grader.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <functional>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "core/board.hpp"
#include "test_util.hpp"

namespace tessel {
namespace {

using testutil::PlainSearch;

// A random minimal puzzle: a random full grid, then every clue whose removal
// keeps the solution unique is removed.
std::string RandomPuzzle(std::mt19937& rng) {
  PlainSearch search;
  std::string p;
  search.Count(std::string(81, '0'), 1, &p, &rng);
  std::vector<int> cells(81);
  for (int c = 0; c < 81; ++c) cells[c] = c;
  std::shuffle(cells.begin(), cells.end(), rng);
  for (int c : cells) {
    const char keep = p[c];
    p[c] = '.';
    if (search.Count(p, 2) != 1) p[c] = keep;
  }
  return p;
}

// Every placement matches the solution and no elimination removes it.
void ExpectSound(const std::string& puzzle, const std::string& solution) {
  const GradeResult r = Grade(puzzle);
  for (const GradeStep& s : r.steps) {
    for (const Placement& p : s.placements)
      ASSERT_EQ(solution[p.cell] - '0', p.digit) << puzzle << "\n" << s.description;
    for (const Elimination& e : s.eliminations)
      ASSERT_NE(solution[e.cell] - '0', e.digit) << puzzle << "\n" << s.description;
  }
}

constexpr int kGenerated = testutil::kSanitized ? 300 : 2000;

TEST(GraderSoundness, GeneratedPuzzles) {
  std::mt19937 rng(20240611);
  int solved = 0;
  for (int i = 0; i < kGenerated; ++i) {
    const std::string p = RandomPuzzle(rng);
    std::string solution;
    ASSERT_EQ(PlainSearch().Count(p, 2, &solution), 1);
    ExpectSound(p, solution);
    solved += Grade(p, false).solved;
  }
  // Random minimal puzzles are mostly easy; nearly all should be solved.
  EXPECT_GT(solved, kGenerated * 9 / 10);
}

TEST(GraderSoundness, PuzzleFiles) {
  for (const char* file : {"rated.txt", "hardest.txt"}) {
    for (const auto& p : testutil::SamplePuzzles(file)) {
      std::string solution;
      ASSERT_EQ(PlainSearch().Count(p, 1, &solution), 1) << p;
      ExpectSound(p, solution);
    }
  }
}

// ---- grading ----

// The chain length bonus of the Sudoku Explainer scale, threshold by threshold.
TEST(GraderGrade, ChainLengthBonusSteps) {
  const std::pair<int, double> table[] = {{6, 0.0}, {7, 0.1}, {8, 0.1}, {9, 0.2}, {10, 0.2}, {11, 0.3},
                                          {14, 0.3}, {15, 0.4}, {18, 0.4}, {19, 0.5}, {26, 0.5}, {27, 0.6}};
  for (auto [links, bonus] : table) EXPECT_NEAR(ChainLengthBonus(links), bonus, 1e-9) << links;
}

TEST(GraderGrade, BadInputSolvedGridAndOneGap) {
  std::string clash(81, '.');
  clash[0] = clash[27] = '7';  // A1 and D1
  for (const std::string& bad : {std::string("123"), clash, std::string(81, '0')}) {
    const GradeResult r = Grade(bad);
    EXPECT_FALSE(r.solved) << bad;
    EXPECT_EQ(r.level, -1) << bad;
  }
  const GradeResult full = Grade(testutil::kSolution);
  EXPECT_TRUE(full.solved);
  EXPECT_EQ(full.level, 0);
  EXPECT_TRUE(full.steps.empty());

  std::string gap = testutil::kSolution;
  gap[40] = '.';
  const GradeResult one = Grade(gap);
  ASSERT_TRUE(one.solved);
  ASSERT_EQ(one.steps.size(), 1u);
  EXPECT_EQ(one.steps[0].placements, (std::vector<Placement>{{40, 5}}));
  EXPECT_EQ(one.steps[0].description, "Full House: row E => E5=5");
  EXPECT_DOUBLE_EQ(one.rating, 1.0);
}

TEST(GraderGrade, ResultAgreesWithItsSteps) {
  const auto rated = testutil::SamplePuzzles("rated.txt");
  ASSERT_GT(rated.size(), 200u);
  for (std::size_t i = 0; i < rated.size(); i += 7) {
    const GradeResult r = Grade(rated[i]);
    const GradeResult quiet = Grade(rated[i], false);
    EXPECT_EQ(quiet.solved, r.solved);
    EXPECT_EQ(quiet.level, r.level);
    EXPECT_DOUBLE_EQ(quiet.rating, r.rating);
    EXPECT_TRUE(quiet.steps.empty());
    ASSERT_FALSE(r.steps.empty());
    int level = 0;
    double rating = 0;
    for (const GradeStep& s : r.steps) {
      EXPECT_FALSE(s.placements.empty() && s.eliminations.empty()) << s.description;
      EXPECT_EQ(s.description.rfind(std::string(TechniqueName(s.technique)), 0), 0u)
          << s.description;
      EXPECT_GE(s.rating, TechniqueRating(s.technique));
      level = std::max(level, TechniqueLevel(s.technique));
      rating = std::max(rating, s.rating);
    }
    EXPECT_DOUBLE_EQ(r.rating, rating);
    EXPECT_EQ(r.level, r.solved ? level : -1);
    if (r.solved) {  // the hardest step is of the puzzle's own tier or below it
      EXPECT_LE(TechniqueLevel(r.hardest), r.level);
    }
  }
}

TEST(GraderGrade, LevelsFollowTheLadder) {
  // Rated 2.6 (pointing) in Sudoku Explainer; needs no subsets.
  const GradeResult easy = Grade(testutil::SamplePuzzles("rated.txt")[30]);
  ASSERT_TRUE(easy.solved);
  EXPECT_LE(easy.level, 1);
  // Rated 2.5 in Sudoku Explainer: no step of the Tough tier or above.
  const GradeResult gentle =
      Grade("005601200086090450000030000067000910409000305000000000600040001500803006020060030");
  ASSERT_TRUE(gentle.solved);
  for (const GradeStep& s : gentle.steps) EXPECT_LE(TechniqueLevel(s.technique), 2) << s.description;
  // The hardest known puzzles need forcing chains or worse.
  int solved = 0;
  for (const auto& p : testutil::SamplePuzzles("hardest.txt")) solved += Grade(p, false).solved;
  EXPECT_EQ(solved, 0);
}

// ---- single techniques on hand-made positions ----

int Cell(std::string_view label) { return IndexOf(label[0] - 'A' + 1, label[1] - '0'); }

int HouseIndex(std::string_view h) {
  if (h[0] == 'r') return h[1] - 'A';
  if (h[0] == 'c') return 9 + h[1] - '1';
  return 18 + h[1] - '1';
}

std::vector<std::string_view> Words(std::string_view s) {
  std::vector<std::string_view> out;
  std::size_t i = 0;
  while (i < s.size()) {
    const std::size_t j = std::min(s.find(' ', i), s.size());
    if (j > i) out.push_back(s.substr(i, j - i));
    i = j + 1;
  }
  return out;
}

// In each listed house ("rA", "c5", "b9"), the digit stays only in `cells`.
void Keep(Pencil& p, int digit, std::string_view houses, std::string_view cells) {
  std::set<int> keep;
  for (auto w : Words(cells)) keep.insert(Cell(w));
  for (auto h : Words(houses))
    for (int c : Houses()[HouseIndex(h)])
      if (!keep.count(c)) p.Eliminate(c, digit);
}

// "A1:12 E5:134": cells given exact candidates.
void Set(Pencil& p, std::string_view cells) {
  for (auto w : Words(cells)) {
    std::uint16_t m = 0;
    for (char ch : w.substr(3)) m |= 1u << (ch - '1');
    p.SetCandidates(Cell(w.substr(0, 2)), m);
  }
}

std::string ElimText(const std::vector<Elimination>& es) {
  std::vector<std::string> parts;
  for (const auto& e : es) parts.push_back(CellLabel(RowOf(e.cell), ColOf(e.cell)) + ":" + std::to_string(e.digit));
  std::sort(parts.begin(), parts.end());
  std::string s;
  for (const auto& p : parts) s += (s.empty() ? "" : " ") + p;
  return s;
}

struct Case {
  const char* name;
  Technique technique;
  std::function<void(Pencil&)> setup;
  const char* expected;  // sorted eliminations; "" when it must not fire
};

const Case kCases[] = {
    {"pointing", Technique::kPointing, [](Pencil& p) { Keep(p, 7, "b1", "A1 A2"); },
     "A4:7 A5:7 A6:7 A7:7 A8:7 A9:7"},
    {"pointing, spread over two rows", Technique::kPointing, [](Pencil& p) { Keep(p, 7, "b1", "A1 B2"); }, ""},
    {"claiming", Technique::kClaiming, [](Pencil& p) { Keep(p, 2, "rC", "C1 C3"); },
     "A1:2 A2:2 A3:2 B1:2 B2:2 B3:2"},
    {"naked pair", Technique::kNakedPair, [](Pencil& p) { Set(p, "A1:12 A5:12"); },
     "A2:1 A2:2 A3:1 A3:2 A4:1 A4:2 A6:1 A6:2 A7:1 A7:2 A8:1 A8:2 A9:1 A9:2"},
    {"naked triple, four digits", Technique::kNakedTriple, [](Pencil& p) { Set(p, "A1:12 B2:23 C3:14"); }, ""},
    {"naked triple in a box", Technique::kNakedTriple,
     [](Pencil& p) { Set(p, "A1:12 B2:23 C3:13 A2:1234"); },
     "A2:1 A2:2 A2:3 A3:1 A3:2 A3:3 B1:1 B1:2 B1:3 B3:1 B3:2 B3:3 C1:1 C1:2 C1:3 C2:1 C2:2 C2:3"},
    {"naked quad", Technique::kNakedQuad, [](Pencil& p) { Set(p, "E1:12 E2:23 E3:34 E9:14"); },
     "E4:1 E4:2 E4:3 E4:4 E5:1 E5:2 E5:3 E5:4 E6:1 E6:2 E6:3 E6:4 E7:1 E7:2 E7:3 E7:4 E8:1 E8:2 E8:3 E8:4"},
    {"hidden pair", Technique::kHiddenPair, [](Pencil& p) { Keep(p, 3, "b5", "D4 E5"); Keep(p, 8, "b5", "D4 E5"); },
     "D4:1 D4:2 D4:4 D4:5 D4:6 D4:7 D4:9 E5:1 E5:2 E5:4 E5:5 E5:6 E5:7 E5:9"},
    {"hidden pair, one digit spills over", Technique::kHiddenPair,
     [](Pencil& p) { Keep(p, 3, "b5", "D4 E5"); Keep(p, 8, "b5", "D4 F6"); }, ""},
    {"hidden triple", Technique::kHiddenTriple,
     [](Pencil& p) { Keep(p, 1, "rI", "I1 I2"); Keep(p, 2, "rI", "I2 I9"); Keep(p, 3, "rI", "I1 I9"); },
     "I1:4 I1:5 I1:6 I1:7 I1:8 I1:9 I2:4 I2:5 I2:6 I2:7 I2:8 I2:9 I9:4 I9:5 I9:6 I9:7 I9:8 I9:9"},
    {"x-wing", Technique::kXWing, [](Pencil& p) { Keep(p, 4, "rB rF", "B2 B7 F2 F7"); },
     "A2:4 A7:4 C2:4 C7:4 D2:4 D7:4 E2:4 E7:4 G2:4 G7:4 H2:4 H7:4 I2:4 I7:4"},
    {"x-wing with a stray candidate", Technique::kXWing,
     [](Pencil& p) { Keep(p, 4, "rB rF", "B2 B7 F2 F5 F7"); }, ""},
    {"swordfish", Technique::kSwordfish, [](Pencil& p) { Keep(p, 3, "c1 c5 c9", "A1 A5 D5 D9 G1 G9"); },
     "A2:3 A3:3 A4:3 A6:3 A7:3 A8:3 D2:3 D3:3 D4:3 D6:3 D7:3 D8:3 G2:3 G3:3 G4:3 G6:3 G7:3 G8:3"},
    {"jellyfish", Technique::kJellyfish, [](Pencil& p) { Keep(p, 6, "rA rC rE rG", "A1 A2 C2 C3 E3 E4 G4 G1"); },
     "B1:6 B2:6 B3:6 B4:6 D1:6 D2:6 D3:6 D4:6 F1:6 F2:6 F3:6 F4:6 H1:6 H2:6 H3:6 H4:6 I1:6 I2:6 I3:6 I4:6"},
    {"xy-wing", Technique::kXYWing, [](Pencil& p) { Set(p, "E5:12 E1:13 B5:23"); }, "B1:3"},
    {"xy-wing, pincers share a pivot digit", Technique::kXYWing, [](Pencil& p) { Set(p, "E5:12 E1:13 B5:13"); }, ""},
    {"xyz-wing", Technique::kXYZWing, [](Pencil& p) { Set(p, "E5:123 E4:13 B5:23"); }, "D5:3 F5:3"},
    {"w-wing", Technique::kWWing, [](Pencil& p) { Set(p, "A1:46 C9:46"); Keep(p, 6, "rH", "H1 H9"); },
     "A7:4 A8:4 A9:4 C1:4 C2:4 C3:4"},
    {"w-wing without the strong link", Technique::kWWing,
     [](Pencil& p) { Set(p, "A1:46 C9:46"); Keep(p, 6, "rH", "H1 H5 H9"); }, ""},
    {"skyscraper", Technique::kSkyscraper, [](Pencil& p) { Keep(p, 1, "c1 c4", "B1 H1 C4 H4"); },
     "B5:1 B6:1 C2:1 C3:1"},
    {"two-string kite", Technique::kTwoStringKite,
     [](Pencil& p) { Keep(p, 2, "rA", "A2 A7"); Keep(p, 2, "c3", "C3 G3"); },
     "G7:2"},
    {"empty rectangle", Technique::kEmptyRectangle,
     [](Pencil& p) { Keep(p, 5, "b1", "A1 A2 B1"); Keep(p, 5, "c5", "A5 F5"); },
     "F1:5"},
    {"empty rectangle, box not on a cross", Technique::kEmptyRectangle,
     [](Pencil& p) { Keep(p, 5, "b1", "A1 B2 C3"); Keep(p, 5, "c5", "A5 F5"); }, ""},
    {"remote pairs", Technique::kRemotePairs, [](Pencil& p) { Set(p, "A1:37 A5:37 E5:37 E9:37"); },
     "A2:3 A2:7 A3:3 A3:7 A4:3 A4:7 A6:3 A6:7 A7:3 A7:7 A8:3 A8:7 A9:3 A9:7 B5:3 B5:7 C5:3 C5:7 "
     "D5:3 D5:7 E1:3 E1:7 E2:3 E2:7 E3:3 E3:7 E4:3 E4:7 E6:3 E6:7 E7:3 E7:7 E8:3 E8:7 F5:3 F5:7 "
     "G5:3 G5:7 H5:3 H5:7 I5:3 I5:7"},
    {"remote pairs, chain too short", Technique::kRemotePairs, [](Pencil& p) { Set(p, "A1:37 A5:37 E5:37"); }, ""},
    {"colouring trap", Technique::kSimpleColouring,
     [](Pencil& p) { Keep(p, 8, "rA", "A1 A6"); Keep(p, 8, "c6", "A6 F6"); Keep(p, 8, "rF", "F2 F6"); },
     "B2:8 C2:8 D1:8 E1:8"},
    {"colouring wrap", Technique::kSimpleColouring,
     [](Pencil& p) {
       Keep(p, 8, "rA", "A1 A6"), Keep(p, 8, "c6", "A6 F6"), Keep(p, 8, "rF", "F2 F6"), Keep(p, 8, "c2", "B2 F2");
     },
     "A1:8 B2:8 F6:8"},
    {"finned x-wing", Technique::kFinnedXWing, [](Pencil& p) { Keep(p, 5, "rB rF", "B2 B7 F2 F7 F8"); }, "D7:5 E7:5"},
    {"finned x-wing, fins in two boxes", Technique::kFinnedXWing,
     [](Pencil& p) { Keep(p, 5, "rB rF", "B2 B7 F2 F5 F7 F8"); }, ""},
    {"finned swordfish", Technique::kFinnedSwordfish,
     [](Pencil& p) { Keep(p, 9, "rA rD rG", "A1 A5 D5 D9 G1 G9 G8"); }, "H9:9 I9:9"},
    // Rows B C D G on columns 1 4 5 9 with the fin B2: only A1 loses the 6.
    // A search over five lines finds a different fish here.
    {"finned jellyfish", Technique::kFinnedJellyfish,
     [](Pencil& p) { Keep(p, 6, "rB rC rD rG", "B2 B9 C4 C9 D1 D5 G4 G9"); }, "A1:6"},
    {"x-chain", Technique::kXChain,
     [](Pencil& p) { Keep(p, 9, "rA", "A1 A4"); Keep(p, 9, "rD", "D4 D8"); Keep(p, 9, "rH", "H2 H8"); },
     "B2:9 C2:9 G1:9 I1:9"},
    {"xy-chain", Technique::kXYChain, [](Pencil& p) { Set(p, "A1:12 A5:23 E5:34 E9:14"); }, "A9:1 E1:1"},
    {"xy-chain, loop left open", Technique::kXYChain, [](Pencil& p) { Set(p, "A1:12 A5:23 E5:34 E9:45"); }, ""},
};

void PrintTo(const Case& c, std::ostream* os) { *os << c.name; }

class GraderPosition : public ::testing::TestWithParam<Case> {};

TEST_P(GraderPosition, FindsExactlyTheExpectedEliminations) {
  const Case& c = GetParam();
  Pencil p;
  c.setup(p);
  GradeStep step;
  const bool found = FindStep(c.technique, p, step);
  if (*c.expected == '\0') {
    EXPECT_FALSE(found) << step.description;
    return;
  }
  ASSERT_TRUE(found);
  EXPECT_EQ(step.technique, c.technique);
  EXPECT_TRUE(step.placements.empty());
  EXPECT_EQ(ElimText(step.eliminations), c.expected) << step.description;
}

// Failures name the case through PrintTo.
INSTANTIATE_TEST_SUITE_P(Grader, GraderPosition, ::testing::ValuesIn(kCases));

TEST(GraderTechnique, NothingFiresOnAnOpenGrid) {
  const Pencil open;
  GradeStep step;
  for (int t = 0; t < kTechniqueCount; ++t)
    EXPECT_FALSE(FindStep(static_cast<Technique>(t), open, step)) << step.description;
}

TEST(GraderTechnique, Singles) {
  // Box 1 has one home for 1, row E one for 6, and E5 one candidate.
  std::string g(81, '.');
  g[Cell("B5")] = g[Cell("C8")] = g[Cell("D2")] = g[Cell("G3")] = '1';
  GradeStep step;
  ASSERT_TRUE(FindStep(Technique::kHiddenSingleBox, Pencil(g), step));
  EXPECT_EQ(step.placements, (std::vector<Placement>{{Cell("A1"), 1}}));
  EXPECT_EQ(step.description, "Hidden Single (box): box 1 => A1=1");

  std::string line(81, '.');
  for (auto c : {"A2", "B4", "C7", "D9", "F5", "G3", "H6", "I8"}) line[Cell(c)] = '6';
  ASSERT_TRUE(FindStep(Technique::kHiddenSingleLine, Pencil(line), step));
  EXPECT_EQ(step.placements, (std::vector<Placement>{{Cell("E1"), 6}}));

  std::string ns(81, '.');
  for (auto [c, d] : {std::pair{"E1", '1'}, {"E2", '2'}, {"E3", '3'}, {"A5", '4'}, {"B5", '6'},
                      {"I5", '7'}, {"D4", '8'}, {"F6", '9'}})
    ns[Cell(c)] = d;
  ASSERT_TRUE(FindStep(Technique::kNakedSingle, Pencil(ns), step));
  EXPECT_EQ(step.placements, (std::vector<Placement>{{Cell("E5"), 5}}));
}

TEST(GraderTechnique, FromGridReadsValuesAndCandidates) {
  std::string text = "5 12";
  for (int i = 2; i < 81; ++i) text += " 123456789";
  const Pencil p = Pencil::FromGrid(text);
  ASSERT_TRUE(p.ok());
  EXPECT_EQ(p.value(0), 5);
  EXPECT_EQ(p.candidates(1), 0b11);
  EXPECT_FALSE(Pencil::FromGrid("5 12 x").ok());
  EXPECT_FALSE(Pencil::FromGrid("5 12").ok());
}

TEST(GraderTechnique, ChainsRateByLength) {
  Pencil p;
  Keep(p, 9, "rA", "A1 A4");
  Keep(p, 9, "rD", "D4 D8");
  Keep(p, 9, "rH", "H2 H8");
  GradeStep chain;
  ASSERT_TRUE(FindStep(Technique::kXChain, p, chain));
  Pencil q;
  Keep(q, 1, "c1 c4", "B1 H1 C4 H4");
  GradeStep shortChain;
  ASSERT_TRUE(FindStep(Technique::kXChain, q, shortChain));
  EXPECT_EQ(ElimText(shortChain.eliminations), "B5:1 B6:1 C2:1 C3:1");  // the skyscraper again
  EXPECT_GT(chain.rating, shortChain.rating);
  EXPECT_GE(shortChain.rating, TechniqueRating(Technique::kXChain));
  // The alternating chain sees everything the X-chain sees.
  GradeStep aic;
  ASSERT_TRUE(FindStep(Technique::kAIC, p, aic));
  EXPECT_EQ(ElimText(aic.eliminations), ElimText(chain.eliminations));
}

}  // namespace
}  // namespace tessel
