// Generates the puzzle bank: data/bank/level0.txt .. level4.txt, 501 entries
// each. Usage: bankgen --seed N --out DIR [--count 501] [--threads 2]
//
// Every attempt draws from its own generator seeded by (seed, level, attempt),
// and attempts are accepted strictly in order, so a seed gives the same bank
// whatever the thread count.
#include <algorithm>
#include <array>
#include <atomic>
#include <bit>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "core/board.hpp"
#include "core/canonical.hpp"
#include "core/grader.hpp"
#include "core/solver.hpp"

namespace {

using tessel::Grid81;

std::uint64_t SplitMix64(std::uint64_t x) {
  x += 0x9E3779B97F4A7C15ull;
  x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
  x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
  return x ^ (x >> 31);
}

// Our own generator and bounded draw: the standard distributions differ
// between library vendors, which would break reproducibility.
class Rng {
 public:
  explicit Rng(std::uint64_t seed) : state_(seed) {}
  std::uint64_t Next() {
    state_ += 0x9E3779B97F4A7C15ull;
    std::uint64_t z = state_;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }
  int Below(int n) {  // 0..n-1, unbiased
    const std::uint64_t bound = static_cast<std::uint64_t>(n);
    const std::uint64_t limit = ~std::uint64_t{0} - (~std::uint64_t{0} % bound);
    std::uint64_t v;
    do v = Next();
    while (v >= limit);
    return static_cast<int>(v % bound);
  }
  template <typename T, std::size_t N>
  void Shuffle(std::array<T, N>& a, std::size_t n = N) {
    for (std::size_t i = n; i > 1; --i) std::swap(a[i - 1], a[static_cast<std::size_t>(Below(static_cast<int>(i)))]);
  }

 private:
  std::uint64_t state_;
};

struct LevelRule {
  int minClues;  // 0: remove until minimal
  int maxClues;
};
constexpr std::array<LevelRule, tessel::kLevelCount> kRules{{{36, 42}, {30, 35}, {26, 32}, {0, 81}, {0, 81}}};

// Random full grid: depth-first fill, fewest-candidates cell first, digits in
// random order.
class GridFiller {
 public:
  explicit GridFiller(Rng& rng) : rng_(rng) {}
  Grid81 Fill() {
    grid_.fill(0);
    rows_.fill(0);
    cols_.fill(0);
    boxes_.fill(0);
    Step(81);
    return grid_;
  }

 private:
  static int Box(int i) { return (i / 27) * 3 + (i % 9) / 3; }
  std::uint16_t Free(int i) const {
    return static_cast<std::uint16_t>(~(rows_[i / 9] | cols_[i % 9] | boxes_[Box(i)]) & 0x1FF);
  }
  void Set(int i, int d, bool on) {
    const std::uint16_t bit = static_cast<std::uint16_t>(1u << (d - 1));
    rows_[i / 9] ^= bit;
    cols_[i % 9] ^= bit;
    boxes_[Box(i)] ^= bit;
    grid_[i] = on ? static_cast<std::uint8_t>(d) : 0;
  }
  bool Step(int open) {
    if (open == 0) return true;
    int cell = -1, best = 10;
    for (int i = 0; i < 81; ++i) {
      if (grid_[i]) continue;
      const int n = std::popcount(Free(i));
      if (n < best) {
        best = n;
        cell = i;
        if (n <= 1) break;
      }
    }
    if (best == 0) return false;
    std::array<int, 9> digits{};
    int n = 0;
    const std::uint16_t m = Free(cell);
    for (int d = 1; d <= 9; ++d)
      if (m & (1u << (d - 1))) digits[n++] = d;
    rng_.Shuffle(digits, static_cast<std::size_t>(n));
    for (int k = 0; k < n; ++k) {
      Set(cell, digits[k], true);
      if (Step(open - 1)) return true;
      Set(cell, digits[k], false);
    }
    return false;
  }

  Rng& rng_;
  Grid81 grid_{};
  std::array<std::uint16_t, 9> rows_{}, cols_{}, boxes_{};
};

struct Attempt {
  bool kept = false;  // graded to the target level within its clue range
  std::string entry;  // givens as digits, the rest as letters
  std::string canonical;
  int clues = 0;
  double rating = 0;
  tessel::Technique hardest{};
};

Attempt RunAttempt(std::uint64_t seed, int level, std::uint64_t index) {
  Attempt out;
  Rng rng(SplitMix64(SplitMix64(seed) ^ SplitMix64((static_cast<std::uint64_t>(level) << 48) ^ index)));
  const Grid81 solution = GridFiller(rng).Fill();
  const LevelRule rule = kRules[level];
  const int target = rule.minClues ? rule.minClues + rng.Below(rule.maxClues - rule.minClues + 1) : 0;

  // Pairs i and 80-i; 40 is the centre, alone.
  std::array<int, 41> pairs{};
  for (int i = 0; i < 41; ++i) pairs[i] = i;
  rng.Shuffle(pairs);
  Grid81 puzzle = solution;
  int clues = 81;
  for (int a : pairs) {
    if (clues <= target) break;
    const int b = 80 - a;
    const int size = a == b ? 1 : 2;
    if (clues - size < target) continue;
    puzzle[a] = puzzle[b] = 0;
    if (tessel::CountSolutions(puzzle, 2) == 1) {
      clues -= size;
    } else {
      puzzle[a] = solution[a];
      puzzle[b] = solution[b];
    }
  }
  if (rule.minClues && (clues < rule.minClues || clues > rule.maxClues)) return out;

  const std::string givens = tessel::GridString(puzzle);
  const tessel::GradeResult g = tessel::Grade(givens, false);
  if (!g.solved || g.level != level) return out;

  out.kept = true;
  out.clues = clues;
  out.rating = g.rating;
  out.hardest = g.hardest;
  out.entry.resize(81);
  for (int i = 0; i < 81; ++i)
    out.entry[i] = puzzle[i] ? static_cast<char>('0' + puzzle[i]) : static_cast<char>('A' + solution[i] - 1);
  out.canonical = tessel::CanonicalGrid(tessel::GridString(solution));
  return out;
}

template <typename T>
T Median(std::vector<T> v) {
  std::sort(v.begin(), v.end());
  return v.empty() ? T{} : v[v.size() / 2];
}

void Usage() {
  std::fprintf(stderr, "usage: bankgen --seed N --out DIR [--count 501] [--threads 2] [--levels 01234]\n");
  std::exit(2);
}

}  // namespace

int main(int argc, char** argv) {
  std::uint64_t seed = 0;
  bool haveSeed = false;
  std::string outDir;
  int count = 501;
  int threads = 2;
  std::string levels = "01234";
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    if (i + 1 >= argc) Usage();
    const char* v = argv[++i];
    if (a == "--seed") {
      seed = std::strtoull(v, nullptr, 10);
      haveSeed = true;
    } else if (a == "--out") {
      outDir = v;
    } else if (a == "--count") {
      count = std::atoi(v);
    } else if (a == "--threads") {
      threads = std::max(1, std::atoi(v));
    } else if (a == "--levels") {
      levels = v;  // a subset, for measuring; the bank itself needs all five
    } else {
      Usage();
    }
  }
  if (!haveSeed || outDir.empty() || count < 1) Usage();

  const auto clock = [] { return std::chrono::steady_clock::now(); };
  const auto start = clock();
  std::set<std::string> taken;  // canonical solution forms over the whole bank
  std::vector<std::string> allEntries;
  constexpr int kBatch = 256;

  std::printf("# bankgen --seed %llu --count %d --threads %d\n\n", static_cast<unsigned long long>(seed), count,
              threads);
  for (int level = 0; level < tessel::kLevelCount; ++level) {
    if (levels.find(static_cast<char>('0' + level)) == std::string::npos) continue;
    const auto levelStart = clock();
    std::vector<Attempt> accepted;
    std::uint64_t next = 0, lastUsed = 0, graded = 0, duplicates = 0;
    while (static_cast<int>(accepted.size()) < count) {
      std::vector<Attempt> batch(kBatch);
      std::atomic<int> cursor{0};
      auto work = [&] {
        for (int k; (k = cursor.fetch_add(1)) < kBatch;) batch[k] = RunAttempt(seed, level, next + k);
      };
      std::vector<std::thread> pool;
      for (int t = 1; t < threads; ++t) pool.emplace_back(work);
      work();
      for (auto& t : pool) t.join();
      for (int k = 0; k < kBatch && static_cast<int>(accepted.size()) < count; ++k) {
        lastUsed = next + k + 1;
        if (!batch[k].kept) continue;
        ++graded;
        if (!taken.insert(batch[k].canonical).second) {
          ++duplicates;
          continue;
        }
        accepted.push_back(std::move(batch[k]));
      }
      next += kBatch;
    }
    const double seconds = std::chrono::duration<double>(clock() - levelStart).count();

    const std::string path = outDir + "/level" + std::to_string(level) + ".txt";
    std::ofstream out(path, std::ios::binary);
    for (const auto& a : accepted) out << a.entry << '\n';
    if (!out) {
      std::fprintf(stderr, "cannot write %s\n", path.c_str());
      return 1;
    }

    std::vector<int> clues;
    std::vector<double> ratings;
    std::map<int, int> hist;
    for (const auto& a : accepted) {
      clues.push_back(a.clues);
      ratings.push_back(a.rating);
      ++hist[static_cast<int>(a.hardest)];
      allEntries.push_back(a.entry);
    }
    std::printf("## Level %d, %s\n\n", level, tessel::LevelName(level).c_str());
    std::printf("| entries | attempts | accepted | clues min/median/max | rating min/median/max | time |\n");
    std::printf("|---|---|---|---|---|---|\n");
    std::printf("| %zu | %llu | %.2f%% | %d / %d / %d | %.1f / %.1f / %.1f | %.1f s |\n\n", accepted.size(),
                static_cast<unsigned long long>(lastUsed), 100.0 * static_cast<double>(accepted.size()) / lastUsed,
                *std::min_element(clues.begin(), clues.end()), Median(clues),
                *std::max_element(clues.begin(), clues.end()), *std::min_element(ratings.begin(), ratings.end()),
                Median(ratings), *std::max_element(ratings.begin(), ratings.end()), seconds);
    if (duplicates) std::printf("Rejected as equivalent to an earlier entry: %llu\n\n", static_cast<unsigned long long>(duplicates));
    std::printf("| hardest technique | entries |\n|---|---|\n");
    for (const auto& [t, n] : hist)
      std::printf("| %s | %d |\n", std::string(tessel::TechniqueName(static_cast<tessel::Technique>(t))).c_str(), n);
    std::printf("\n");
    std::fflush(stdout);
  }
  const double total = std::chrono::duration<double>(clock() - start).count();

  // Grader speed over the finished bank, one thread, steps kept as the game does.
  std::vector<double> us;
  for (const auto& e : allEntries) {
    std::string givens = e;
    for (char& ch : givens)
      if (!tessel::IsDigitChar(ch)) ch = '0';
    const auto t0 = clock();
    const auto g = tessel::Grade(givens);
    us.push_back(std::chrono::duration<double, std::micro>(clock() - t0).count());
    if (!g.solved) std::fprintf(stderr, "entry no longer solves: %s\n", e.c_str());
  }
  std::printf("Total generation time: %.1f s. Grader median %.0f us per puzzle (max %.0f us) over %zu entries.\n",
              total, Median(us), us.empty() ? 0.0 : *std::max_element(us.begin(), us.end()), us.size());
  return 0;
}
