#include "core/grader.hpp"

#include <set>

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

// The puzzle has one solution; every placement matches it and no elimination removes it.
void ExpectSound(const std::string& puzzle) {
  std::string solution;
  ASSERT_EQ(PlainSearch().Count(puzzle, 2, &solution), 1) << puzzle;
  const GradeResult r = Grade(puzzle);
  for (const GradeStep& s : r.steps) {
    for (const Placement& p : s.placements)
      ASSERT_EQ(solution[p.cell] - '0', p.digit) << puzzle << "\n" << s.description;
    for (const Elimination& e : s.eliminations)
      ASSERT_NE(solution[e.cell] - '0', e.digit) << puzzle << "\n" << s.description;
  }
}

// A sample: the full walk of every sample puzzle is tools/explain_walk's.
constexpr int kGenerated = testutil::kSanitized ? 60 : 300;

TEST(GraderSoundness, GeneratedPuzzlesAndSampleFiles) {
  std::mt19937 rng(20240611);
  int solved = 0;
  for (int i = 0; i < kGenerated; ++i) {
    const std::string p = RandomPuzzle(rng);
    ExpectSound(p);
    solved += Grade(p, false).solved;
  }
  // Random minimal puzzles are mostly easy; nearly all should be solved.
  EXPECT_GT(solved, kGenerated * 9 / 10);

  // The hardest puzzles need nested forcing chains: a few of them here, all
  // of them in the benchmark.
  const auto rated = testutil::SamplePuzzles("rated.txt");
  for (std::size_t i = 0; i < rated.size(); i += testutil::kSanitized ? 47 : 9) ExpectSound(rated[i]);
  for (const auto& p : testutil::SamplePuzzles("hardest.txt", testutil::kSanitized ? 1 : 3)) ExpectSound(p);
}

// ---- grading ----

TEST(GraderGrade, BadInputSolvedGridOneGapAndTheLadder) {
  const std::string clash = "7" + std::string(26, '.') + "7" + std::string(53, '.');  // A1 and D1
  for (const std::string& bad : {std::string("123"), clash, std::string(81, '0')}) {
    const GradeResult r = Grade(bad);
    EXPECT_TRUE(!r.solved && r.level == -1) << bad << ": level " << r.level;
  }
  const GradeResult full = Grade(testutil::kSolution);
  EXPECT_TRUE(full.solved && full.level == 0 && full.steps.empty()) << full.level;

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
  for (std::size_t i = 0; i < rated.size(); i += testutil::kSanitized ? 71 : 13) {
    const GradeResult r = Grade(rated[i]);
    const GradeResult quiet = Grade(rated[i], false);
    // Grading without steps gives the same result.
    EXPECT_EQ(std::tuple(quiet.solved, quiet.level, quiet.steps.size()), std::tuple(r.solved, r.level, 0u));
    EXPECT_DOUBLE_EQ(quiet.rating, r.rating);
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
    // The forcing chains finish every puzzle; the level comes from the tier
    // ladder, which the rating ladder's steps need not follow.
    EXPECT_TRUE(r.solved);
    EXPECT_TRUE(r.level >= 0 && r.level < kLevelCount) << r.level;
    (void)level;
  }
}

// ---- single techniques on hand-made positions ----

int Cell(std::string_view label) { return IndexOf(label[0] - 'A' + 1, label[1] - '0'); }

// "rA", "c5", "b9".
int HouseIndex(std::string_view h) { return h[0] == 'r' ? h[1] - 'A' : (h[0] == 'c' ? 9 : 18) + h[1] - '1'; }

std::vector<std::string_view> Words(std::string_view s, char sep = ' ') {
  std::vector<std::string_view> out;
  for (std::size_t i = 0, j; i < s.size(); i = j + 1) {
    j = std::min(s.find(sep, i), s.size());
    if (j > i) out.push_back(s.substr(i, j - i));
  }
  return out;
}

// A position from clauses split by ";": "7 b1 rC = A1 A2" keeps the digit, in
// each listed house (rA, c5, b9), only in the cells after "="; "A1:12 E5:134"
// gives cells exact candidates.
Pencil Position(std::string_view text) {
  Pencil p;
  for (auto clause : Words(text, ';')) {
    const std::size_t eq = clause.find('=');
    if (eq == std::string_view::npos) {
      for (auto w : Words(clause)) {
        std::uint16_t m = 0;
        for (char ch : w.substr(3)) m |= 1u << (ch - '1');
        p.SetCandidates(Cell(w.substr(0, 2)), m);
      }
      continue;
    }
    std::set<int> keep;
    for (auto w : Words(clause.substr(eq + 1))) keep.insert(Cell(w));
    const auto head = Words(clause.substr(0, eq));
    for (std::size_t k = 1; k < head.size(); ++k)
      for (int c : Houses()[HouseIndex(head[k])])
        if (!keep.count(c)) p.Eliminate(c, head[0][0] - '0');
  }
  return p;
}

// Eliminations by digit, then by row: "3:A26,E1 7:A2".
std::string ElimText(const std::vector<Elimination>& es) {
  std::string s;
  for (int d = 1; d <= 9; ++d) {
    std::string rows;
    for (int r = 1; r <= 9; ++r) {
      std::string cols;
      for (int c = 1; c <= 9; ++c)
        for (const auto& e : es)
          if (e.digit == d && e.cell == IndexOf(r, c)) cols += static_cast<char>('0' + c);
      if (!cols.empty()) rows += (rows.empty() ? "" : ",") + std::string(1, 'A' + r - 1) + cols;
    }
    if (!rows.empty()) s += (s.empty() ? "" : " ") + std::to_string(d) + ":" + rows;
  }
  return s;
}

using enum Technique;

struct Case {
  const char* name;
  Technique technique;
  const char* position;
  const char* expected;  // "" when it must not fire
};

const Case kCases[] = {
    {"pointing", kPointing, "7 b1 = A1 A2", "7:A456789"},
    {"pointing, spread over two rows", kPointing, "7 b1 = A1 B2", ""},
    {"claiming", kClaiming, "2 rC = C1 C3", "2:A123,B123"},
    {"naked triple, four digits", kNakedTriple, "A1:12 B2:23 C3:14", ""},
    {"naked triple in a box", kNakedTriple, "A1:12 B2:23 C3:13 A2:1234",
     "1:A23,B13,C12 2:A23,B13,C12 3:A23,B13,C12"},
    {"hidden pair", kHiddenPair, "3 b5 = D4 E5; 8 b5 = D4 E5",
     "1:D4,E5 2:D4,E5 4:D4,E5 5:D4,E5 6:D4,E5 7:D4,E5 9:D4,E5"},
    {"hidden pair, one digit spills over", kHiddenPair, "3 b5 = D4 E5; 8 b5 = D4 F6", ""},
    {"x-wing", kXWing, "4 rB rF = B2 B7 F2 F7", "4:A27,C27,D27,E27,G27,H27,I27"},
    {"x-wing with a stray candidate", kXWing, "4 rB rF = B2 B7 F2 F5 F7", ""},
    {"jellyfish", kJellyfish, "6 rA rC rE rG = A1 A2 C2 C3 E3 E4 G4 G1", "6:B1234,D1234,F1234,H1234,I1234"},
    {"xy-wing", kXYWing, "E5:12 E1:13 B5:23", "3:B1"},
    {"xy-wing, pincers share a pivot digit", kXYWing, "E5:12 E1:13 B5:13", ""},
    {"xyz-wing", kXYZWing, "E5:123 E4:13 B5:23", "3:D5,F5"},
    {"w-wing", kWWing, "A1:46 C9:46; 6 rH = H1 H9", "4:A789,C123"},
    {"w-wing without the strong link", kWWing, "A1:46 C9:46; 6 rH = H1 H5 H9", ""},
    {"skyscraper", kSkyscraper, "1 c1 c4 = B1 H1 C4 H4", "1:B56,C23"},
    {"two-string kite", kTwoStringKite, "2 rA = A2 A7; 2 c3 = C3 G3", "2:G7"},
    {"empty rectangle", kEmptyRectangle, "5 b1 = A1 A2 B1; 5 c5 = A5 F5", "5:F1"},
    {"empty rectangle, box not on a cross", kEmptyRectangle, "5 b1 = A1 B2 C3; 5 c5 = A5 F5", ""},
    {"remote pairs", kRemotePairs, "A1:37 A5:37 E5:37 E9:37",
     "3:A2346789,B5,C5,D5,E1234678,F5,G5,H5,I5 7:A2346789,B5,C5,D5,E1234678,F5,G5,H5,I5"},
    {"remote pairs, chain too short", kRemotePairs, "A1:37 A5:37 E5:37", ""},
    {"colouring trap", kSimpleColouring, "8 rA = A1 A6; 8 c6 = A6 F6; 8 rF = F2 F6", "8:B2,C2,D1,E1"},
    {"colouring wrap", kSimpleColouring, "8 rA = A1 A6; 8 c6 = A6 F6; 8 rF = F2 F6; 8 c2 = B2 F2",
     "8:A1,B2,F6"},
    {"finned x-wing", kFinnedXWing, "5 rB rF = B2 B7 F2 F7 F8", "5:D7,E7"},
    {"finned x-wing, fins in two boxes", kFinnedXWing, "5 rB rF = B2 B7 F2 F5 F7 F8", ""},
    // Rows B C D G on columns 1 4 5 9 with the fin B2: only A1 loses the 6.
    // A search over five lines finds a different fish here.
    {"finned jellyfish", kFinnedJellyfish, "6 rB rC rD rG = B2 B9 C4 C9 D1 D5 G4 G9", "6:A1"},
    {"xy-chain", kXYChain, "A1:12 A5:23 E5:34 E9:14", "1:A9,E1"},
    {"xy-chain, loop left open", kXYChain, "A1:12 A5:23 E5:34 E9:45", ""},
    // A1 is 1 or 2: then A5 or B1 is 3, and A2 sees both.
    {"cell forcing chain", kCellForcingChain, "A1:12 A5:13 B1:23", "3:A2"},
    // A1=1 leaves A2 nothing (1 in its row, 2 in B3, 3 in C3); A2=1 or 2 leaves A1 nothing.
    {"aligned pair exclusion", kAlignedPairExclusion, "A1:12 A2:123 B3:12 C3:13", "1:A12 2:A2"},
    // A1 and E1,E2 linked by 1: the 2 is in A1 or E2.
    {"als-xz", kAlsXZ, "A1:12 E1:13 E2:23", "2:A2,B2,C2,D1,F1"},
    {"als-xz, the link's cells apart", kAlsXZ, "A1:12 E2:13 E3:23", ""},
    // The pivot E5 links E1,E2 by 1 and D5 by 2: the 4 is in E2 or D5.
    {"als-xy-wing", kAlsXYWing, "E5:12 E1:13 E2:34 D5:24", "4:D123,E46"},
    // A1,A2 with A5 and B1: four cells, four digits.
    {"sue de coq", kSueDeCoq, "A1:1234 A2:1234 A5:12 B1:34", "1:A346789 2:A346789 3:A3,B23,C123 4:A3,B23,C123"},
    {"sue de coq, the sides share a digit", kSueDeCoq, "A1:1234 A2:1234 A5:12 B1:23", ""},
};

void PrintTo(const Case& c, std::ostream* os) { *os << c.name; }

class GraderPosition : public ::testing::TestWithParam<Case> {};

TEST_P(GraderPosition, FindsExactlyTheExpectedEliminations) {
  const Case& c = GetParam();
  GradeStep step;
  const bool found = FindStep(c.technique, Position(c.position), step);
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

// ---- uniqueness ----

TEST(GraderUniqueness, RectanglesAndBugOnlyWhenTheSolutionIsUnique) {
  struct UCase {
    const char* name;
    Technique technique;
    const char* position;
    const char* expected;
  };
  const UCase cases[] = {
      {"type 1", kUniqueRectangle1, "A1:12 A4:12 B1:12 B4:123", "1:B4 2:B4"},
      {"type 1 inside one box", kUniqueRectangle1, "A1:12 A2:12 B1:12 B2:123", ""},
      {"type 2", kUniqueRectangle2, "A1:12 A4:12 B1:123 B4:123", "3:B2356789"},
      {"type 4", kUniqueRectangle4, "A1:12 A4:12 B1:123 B4:124; 1 rB = B1 B4", "2:B14"},
      {"hidden rectangle", kHiddenRectangle, "A1:12 A4:125 B1:126 B4:1234; 1 rB = B1 B4; 1 c4 = A4 B4", "2:B4"},
      // Rows A F H, columns 1 2 3, boxes 1 4 7: two cells each.
      {"loop type 1", kUniqueLoop1, "A1:12 A2:12 F2:12 F3:12 H3:12 H1:123", "1:H1 2:H1"},
      {"loop type 2", kUniqueLoop2, "A1:12 A2:12 F2:12 F3:123 H3:12 H1:123", "3:D1,E1,F1,G3,I3"},
      {"loop type 4", kUniqueLoop4, "A1:12 A2:12 F2:12 F3:123 H3:124 H1:12; 1 c3 = F3 H3", "2:F3,H3"},
      {"loop with two cells of more digits", kUniqueLoop1, "A1:12 A2:12 F2:12 F3:123 H3:12 H1:123", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    GradeStep step;
    const Pencil p = Position(c.position);
    EXPECT_FALSE(FindStep(c.technique, p, step));  // not known to have one solution
    GradeOptions unique;
    unique.uniqueKnown = true;
    const bool found = FindStep(c.technique, p, step, unique);
    EXPECT_EQ(found, *c.expected != '\0') << step.description;
    if (found) {
      EXPECT_EQ(ElimText(step.eliminations), c.expected) << step.description;
    }
  }
}

TEST(GraderTechnique, SingleFromGridAndAnOpenGrid) {
  // Box 1 has one home for 1.
  std::string g(81, '.');
  g[Cell("B5")] = g[Cell("C8")] = g[Cell("D2")] = g[Cell("G3")] = '1';
  GradeStep step;
  ASSERT_TRUE(FindStep(Technique::kHiddenSingleBox, Pencil(g), step));
  EXPECT_EQ(step.placements, (std::vector<Placement>{{Cell("A1"), 1}}));
  EXPECT_EQ(step.description, "Hidden Single (box): box 1 => A1=1");

  // A grid of values and candidate lists.
  std::string text = "5 12";
  for (int i = 2; i < 81; ++i) text += " 123456789";
  const Pencil p = Pencil::FromGrid(text);
  ASSERT_TRUE(p.ok());
  EXPECT_EQ(p.value(0), 5);
  EXPECT_EQ(p.candidates(1), 0b11);
  EXPECT_FALSE(Pencil::FromGrid("5 12 x").ok());
  EXPECT_FALSE(Pencil::FromGrid("5 12").ok());
  // Nothing fires on an open grid.
  for (int t = 0; t < kTechniqueCount; ++t)
    EXPECT_FALSE(FindStep(static_cast<Technique>(t), Pencil(), step)) << step.description;
}

TEST(GraderTechnique, ChainsRateByLength) {
  const Pencil p = Position("9 rA = A1 A4; 9 rD = D4 D8; 9 rH = H2 H8");
  GradeStep chain, aic;
  ASSERT_TRUE(FindStep(Technique::kXChain, p, chain));
  EXPECT_EQ(ElimText(chain.eliminations), "9:B2,C2,G1,I1");
  // The alternating chain sees everything the X-chain sees.
  ASSERT_TRUE(FindStep(Technique::kAIC, p, aic));
  EXPECT_EQ(ElimText(aic.eliminations), ElimText(chain.eliminations));
  // The chain length bonus of the Sudoku Explainer scale, threshold by threshold.
  const std::pair<int, double> table[] = {{6, 0.0}, {7, 0.1}, {8, 0.1}, {9, 0.2}, {10, 0.2}, {11, 0.3},
                                          {14, 0.3}, {15, 0.4}, {18, 0.4}, {19, 0.5}, {26, 0.5}, {27, 0.6}};
  for (auto [links, bonus] : table) EXPECT_NEAR(ChainLengthBonus(links), bonus, 1e-9) << links;
}

}  // namespace
}  // namespace tessel
