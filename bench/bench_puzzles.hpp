// Puzzle sets shared by the benchmarks: the public samples and a few made
// here from a fixed seed.
#pragma once

#include <string>
#include <vector>

namespace benchdata {

// Lines of a sample under tests/data/puzzles, first 81 characters each;
// exits with a message when the sample is missing or empty.
std::vector<std::string> LoadSample(const std::string& name);
// Lines of a set under bench/data, first 81 characters each; exits with a
// message when the set is missing or empty.
std::vector<std::string> LoadBenchData(const std::string& name);
// Sparse random givens without a conflict that have no solution.
const std::vector<std::string>& NoSolution();
// Puzzles with two or more solutions, the empty grid among them.
const std::vector<std::string>& ManySolutions();

}  // namespace benchdata
