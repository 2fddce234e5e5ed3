// Helpers shared by the core tests.
#pragma once

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <gtest/gtest.h>
#include <stdio.h>
#include <stdlib.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>
#include <string>
#include <tuple>
#include <vector>

#include "core/board.hpp"

namespace testutil {

// A valid solution grid used across the tests.
inline const std::string kSolution =
    "534678912672195348198342567859761423426853791713924856961537284287419635345286179";

// A file of the source tree, by its path from the top.
inline std::string SourceFile(const std::string& rel) { return std::string(TESSEL_SOURCE_DIR) + "/" + rel; }

// The bytes of a file, "" when it cannot be read.
inline std::string FileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The lines of a file, without their LF.
inline std::vector<std::string> FileLines(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

// A file name in the test temporary folder that no other test process uses.
inline std::string UniqueTempFile(const std::string& stem) {
  static int calls = 0;
  return ::testing::TempDir() + stem + "_" + std::to_string(::getpid()) + "_" + std::to_string(++calls);
}

// What a shell command prints on standard output; its wait status in `status`.
inline std::string CommandOutput(const std::string& cmd, int* status = nullptr) {
  FILE* p = ::popen(cmd.c_str(), "r");
  std::string out;
  char buf[4096];
  for (std::size_t n; (n = std::fread(buf, 1, sizeof buf, p)) > 0;) out.append(buf, n);
  const int s = ::pclose(p);
  if (status) *status = s;
  return out;
}

// Every cell's state and text in one string, to compare whole boards at once.
inline std::string Cells(const tessel::Board& b) {
  std::string s;
  for (int i = 0; i < tessel::kCells; ++i) s += std::to_string(b[i].state) + b[i].text + "|";
  return s;
}

// A board with every cell open and empty, then the listed (row, col, text, state) cells.
inline tessel::Board BoardWith(std::initializer_list<std::tuple<int, int, const char*, int>> cells) {
  tessel::Board b;
  b.ClearAll();
  for (const auto& [r, c, text, state] : cells) {
    b.at(r, c).text = text;
    b.at(r, c).state = state;
  }
  return b;
}

// First 81 characters of each line of a sample under tests/data/puzzles.
// A missing or short sample throws, so the test fails with the reason
// instead of indexing an empty list or checking nothing.
inline std::vector<std::string> SamplePuzzles(const std::string& name, std::size_t count = 0) {
  const std::string path = std::string(TESSEL_PUZZLES_DIR) + "/" + name;
  std::ifstream in(path);
  if (!in) throw std::runtime_error("cannot read the puzzle sample " + path);
  std::vector<std::string> out;
  std::string line;
  while ((count == 0 || out.size() < count) && std::getline(in, line))
    if (line.size() >= 81) out.push_back(line.substr(0, 81));
  if (out.empty() || out.size() < count)
    throw std::runtime_error(path + " holds " + std::to_string(out.size()) + " puzzles, the test needs " +
                             (count ? std::to_string(count) : std::string("some")));
  return out;
}

// A plain backtracking search of the tests' own, so the game's solver, the
// grader and the bank are never checked by the code that made them: the
// fewest-candidates cell first, no other deduction. With `rng` the digits
// are tried in random order (for random full grids).
class PlainSearch {
 public:
  // Solutions of an 81-character puzzle (anything but 1..9 is open), counted
  // up to `limit`; clashing givens have none. The first goes to `first`.
  int Count(const std::string& puzzle, int limit, std::string* first = nullptr, std::mt19937* rng = nullptr) {
    used_.fill(0);
    grid_.assign(81, '0');
    count_ = 0;
    limit_ = limit;
    rng_ = rng;
    for (int c = 0; c < 81; ++c) {
      const char ch = c < static_cast<int>(puzzle.size()) ? puzzle[c] : '0';
      if (ch < '1' || ch > '9') continue;
      if (!(Free(c) >> (ch - '1') & 1)) return 0;
      Set(c, ch - '0');
    }
    Search();
    if (first && count_ > 0) *first = first_;
    return count_;
  }

 private:
  static int House(int kind, int c) {
    return kind == 0 ? c / 9 : kind == 1 ? 9 + c % 9 : 18 + 3 * (c / 27) + (c % 9) / 3;
  }
  unsigned Free(int c) const { return 0x1FFu & ~(used_[House(0, c)] | used_[House(1, c)] | used_[House(2, c)]); }
  void Set(int c, int d) {
    grid_[c] = grid_[c] != '0' ? '0' : static_cast<char>('0' + d);
    for (int k = 0; k < 3; ++k) used_[House(k, c)] ^= 1u << (d - 1);
  }
  void Search() {
    int best = -1, fewest = 10;
    for (int c = 0; c < 81 && fewest > 1; ++c)
      if (grid_[c] == '0' && std::popcount(Free(c)) < fewest) best = c, fewest = std::popcount(Free(c));
    if (best < 0) {
      if (count_++ == 0) first_ = grid_;
      return;
    }
    std::array<int, 9> order{1, 2, 3, 4, 5, 6, 7, 8, 9};
    if (rng_) std::shuffle(order.begin(), order.end(), *rng_);
    const unsigned free = Free(best);
    for (int d : order) {
      if (!(free >> (d - 1) & 1)) continue;
      Set(best, d);
      Search();
      Set(best, d);
      if (count_ >= limit_) return;
    }
  }
  std::array<unsigned, 27> used_{};
  std::string grid_, first_;
  int count_ = 0, limit_ = 2;
  std::mt19937* rng_ = nullptr;
};

// The message of the E that `run` throws; "" when it throws none.
template <class E, class F>
std::string ErrorOf(F run) {
  try {
    run();
  } catch (const E& e) {
    return e.what();
  }
  return "";
}

// 81 digits that break no rule.
inline bool ValidFullGrid(const std::string& s) {
  return s.size() == 81 && s.find_first_not_of("123456789") == std::string::npos && PlainSearch().Count(s, 2) == 1;
}

// A folder of its own per test, gone afterwards.
class TempFolderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (std::filesystem::path(::testing::TempDir()) / "tessel_XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    dir_ = pattern;
  }
  void TearDown() override {
    std::error_code ec;
    std::filesystem::remove_all(dir_, ec);
  }
  std::string Path(const std::string& name) const { return (dir_ / name).string(); }
  std::filesystem::path dir_;
};

// True when built with AddressSanitizer: heavy loops run fewer rounds there.
constexpr bool kSanitized =
#if defined(__SANITIZE_ADDRESS__)
    true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
    true;
#else
    false;
#endif
#else
    false;
#endif

}  // namespace testutil
