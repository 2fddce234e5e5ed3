#include <set>

#include "core/canonical.hpp"
#include "core/grader.hpp"
#include "test_util.hpp"

using namespace tessel;

namespace {

std::vector<std::string> BankLines(int level) {
  return testutil::FileLines(testutil::SourceFile("data/bank/level" + std::to_string(level) + ".txt"));
}

std::string Givens(const std::string& entry) {
  std::string g = entry;
  for (char& c : g)
    if (!IsDigitChar(c)) c = '0';
  return g;
}

std::string Solution(const std::string& entry) {
  std::string s = entry;
  for (char& c : s)
    if (c >= 'A' && c <= 'I') c = static_cast<char>('1' + (c - 'A'));
  return s;
}

using testutil::ValidFullGrid;

// Clue ranges of the first three levels.
constexpr std::array<std::array<int, 2>, 3> kClueRange{{{36, 42}, {30, 35}, {26, 32}}};

// Heavy checks look at every 5th entry under AddressSanitizer.
constexpr std::size_t kStride = testutil::kSanitized ? 5 : 1;

// A random symmetry: band, row, stack and column orders, maybe transposed,
// digits relabelled.
std::string Transform(const std::string& g, std::mt19937& rng) {
  auto order9 = [&] {  // the lines inside each band shuffled, then the bands
    std::array<int, 9> lines{0, 1, 2, 3, 4, 5, 6, 7, 8}, out{};
    std::array<int, 3> bands{0, 1, 2};
    for (int b = 0; b < 3; ++b) std::shuffle(lines.begin() + 3 * b, lines.begin() + 3 * b + 3, rng);
    std::shuffle(bands.begin(), bands.end(), rng);
    for (int k = 0; k < 9; ++k) out[k] = lines[3 * bands[k / 3] + k % 3];
    return out;
  };
  const auto rows = order9(), cols = order9();
  std::array<char, 9> digits{'1', '2', '3', '4', '5', '6', '7', '8', '9'};
  std::shuffle(digits.begin(), digits.end(), rng);
  const bool transpose = rng() & 1;
  std::string out(81, '0');
  for (int r = 0; r < 9; ++r)
    for (int c = 0; c < 9; ++c) {
      const int src = transpose ? cols[c] * 9 + rows[r] : rows[r] * 9 + cols[c];
      out[r * 9 + c] = digits[g[src] - '1'];
    }
  return out;
}

// Symmetry invariant: mini-rows of a box whose digit set recurs in the other
// boxes of the band, plus the same for mini-columns in stacks.
int AlignedTriples(const std::string& g) {
  int n = 0;
  for (int t = 0; t < 2; ++t) {
    unsigned m[3][3][3] = {};  // band, box, line: a mini-row's digits (t = 1: a mini-column's)
    for (int r = 0; r < 9; ++r)
      for (int c = 0; c < 9; ++c) m[r / 3][c / 3][r % 3] |= 1u << (g[t ? c * 9 + r : r * 9 + c] - '1');
    for (int band = 0; band < 3; ++band)
      for (int a = 0; a < 9; ++a)
        for (int b = 0; b < 9; ++b) n += a / 3 != b / 3 && m[band][a / 3][a % 3] == m[band][b / 3][b % 3];
  }
  return n;
}

TEST(Bank, EntriesAreWellFormedUniqueAndGradedToTheirLevel) {
  testutil::PlainSearch counter;
  ASSERT_EQ(counter.Count(std::string(81, '0'), 7), 7);  // the uniqueness check counts past one
  for (int level = 0; level < kLevelCount; ++level) {
    SCOPED_TRACE("level " + std::to_string(level));
    const auto lines = BankLines(level);
    ASSERT_EQ(lines.size(), 501u);
    for (std::size_t k = 0; k < lines.size(); ++k) {
      const std::string& e = lines[k];
      SCOPED_TRACE("line " + std::to_string(k + 1) + ": " + e);
      // 81 digits and letters A..I that spell a valid grid; anything else is no digit 1..9.
      ASSERT_TRUE(ValidFullGrid(Solution(e)));

      const std::string givens = Givens(e);
      const int clues = static_cast<int>(std::count_if(givens.begin(), givens.end(), IsDigitChar));
      for (int i = 0; i < 81; ++i) EXPECT_EQ(IsDigitChar(givens[i]), IsDigitChar(givens[80 - i])) << "cell " << i;
      EXPECT_TRUE(level >= 3 || (clues >= kClueRange[level][0] && clues <= kClueRange[level][1])) << clues;
      if (k % kStride) continue;
      EXPECT_EQ(counter.Count(givens, 2), 1);
      const GradeResult g = Grade(givens, false);
      EXPECT_TRUE(g.solved && g.level == level) << g.level;
    }
  }
}

TEST(Bank, NoTwoEntriesAreEquivalent) {
  std::set<std::string> forms;
  for (int level = 0; level < kLevelCount; ++level) {
    const auto lines = BankLines(level);
    for (std::size_t k = 0; k < lines.size(); k += kStride)
      EXPECT_TRUE(forms.insert(CanonicalGrid(Solution(lines[k]))).second) << level << ":" << k + 1;
  }
  EXPECT_GT(forms.size(), 0u);
}

TEST(Canonical, SameFormForTransformedCopiesOnly) {
  std::mt19937 rng(7);
  // A few solution grids from each level.
  std::vector<std::string> grids;
  for (int level = 0; level < kLevelCount; ++level)
    for (const auto& e : BankLines(level))
      if (grids.size() < 3u * (level + 1)) grids.push_back(Solution(e));
  ASSERT_FALSE(grids.empty());
  for (const auto& g : grids) {
    const std::string form = CanonicalGrid(g);
    ASSERT_TRUE(ValidFullGrid(form)) << g;
    EXPECT_EQ(form.substr(0, 9), "123456789");
    EXPECT_EQ(CanonicalGrid(form), form);
    EXPECT_EQ(AlignedTriples(form), AlignedTriples(g));
    for (int round = 0; round < 4; ++round) {
      const std::string copy = Transform(g, rng);
      ASSERT_TRUE(ValidFullGrid(copy));
      EXPECT_EQ(CanonicalGrid(copy), form) << g << " -> " << copy;
      // The form is the smallest image: no copy relabelled to start 123456789 beats it.
      std::array<char, 9> to{};
      for (int c = 0; c < 9; ++c) to[copy[c] - '1'] = static_cast<char>('1' + c);
      std::string relabelled = copy;
      for (char& ch : relabelled) ch = to[ch - '1'];
      EXPECT_LE(form, relabelled);
    }
  }
}

}  // namespace
