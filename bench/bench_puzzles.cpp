#include "bench_puzzles.hpp"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <random>

#include "core/solver.hpp"

namespace benchdata {

namespace {

std::vector<std::string> LoadLines(const std::string& path) {
  std::vector<std::string> out;
  std::ifstream in(path);
  std::string line;
  while (std::getline(in, line))
    if (line.size() >= 81) out.push_back(line.substr(0, 81));
  // The benchmarks cycle through the set; an empty one would index nothing.
  if (out.empty()) {
    std::fprintf(stderr, "tessel_bench: no puzzles in %s\n", path.c_str());
    std::exit(1);
  }
  return out;
}

}  // namespace

std::vector<std::string> LoadSample(const std::string& name) {
  return LoadLines(std::string(TESSEL_PUZZLES_DIR) + "/" + name);
}

// Beside this file, so the sets need no build setting of their own.
std::vector<std::string> LoadBenchData(const std::string& name) {
  const std::string here = __FILE__;
  return LoadLines(here.substr(0, here.find_last_of('/') + 1) + "data/" + name);
}

namespace {

// Random givens, each digit allowed by the ones before it.
std::string RandomGivens(std::mt19937& rng, int count) {
  std::string p(81, '*');
  std::uniform_int_distribution<int> cell(0, 80), digit(1, 9);
  for (int placed = 0; placed < count;) {
    const int i = cell(rng);
    if (p[i] != '*') continue;
    p[i] = static_cast<char>('0' + digit(rng));
    if (!tessel::CheckGivens(p)) {
      p[i] = '*';
      continue;
    }
    ++placed;
  }
  return p;
}

}  // namespace

const std::vector<std::string>& NoSolution() {
  static const std::vector<std::string> set = [] {
    std::vector<std::string> out;
    std::mt19937 rng(20261206);
    while (out.size() < 200) {
      const std::string p = RandomGivens(rng, 14 + static_cast<int>(out.size() % 12));
      if (tessel::CountSolutions(p, 1) == 0) out.push_back(p);
    }
    return out;
  }();
  return set;
}

const std::vector<std::string>& ManySolutions() {
  static const std::vector<std::string> set = [] {
    std::vector<std::string> out{std::string(81, '*')};
    std::mt19937 rng(7);
    while (out.size() < 200) {
      const std::string p = RandomGivens(rng, static_cast<int>(out.size() % 26));
      if (tessel::CountSolutions(p, 2) == 2) out.push_back(p);
    }
    return out;
  }();
  return set;
}

}  // namespace benchdata
