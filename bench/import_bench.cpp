// Pasting a huge or junk text into the import box: six texts of 1 MB each
// (one long digit run, a million line breaks before a puzzle, dots, long
// candidate lines, random bytes, a 1 MB line before nine rows). Each is read
// as a puzzle and searched for a far-off candidate group, as the import
// dialog does; nothing may grow faster than the text.
#include <benchmark/benchmark.h>

#include <random>
#include <string>
#include <vector>

#include "core/board.hpp"
#include "core/layouts.hpp"

namespace {

std::vector<std::string> HugeTexts() {
  std::mt19937 rng(7);
  std::string lines, bytes(1 << 20, '\0'), tail = std::string(1 << 20, 'x') + "\n";
  while (lines.size() < (1u << 20)) lines += "1 2 3 4 5 6 7 8 9 1 2 3 4 5 6 7 8 9\r";
  for (auto& ch : bytes) ch = static_cast<char>(rng());
  for (int r = 0; r < 9; ++r) tail += "12 34 56 78 91 23 45 67 89\n";
  const std::string puzzle =
      "086009000003200000002004903004000000005000700697041230008050001001760000059000006";
  return {std::string(1 << 20, '5'), std::string(1 << 20, '\n') + puzzle, std::string(1 << 20, '.'), lines, bytes,
          tail};
}

void BM_ImportHugeAndJunkTexts(benchmark::State& st) {
  const auto texts = HugeTexts();
  for (auto _ : st)
    for (const auto& t : texts) {
      tessel::Board b;
      benchmark::DoNotOptimize(tessel::ImportPuzzleText(t, b));
      benchmark::DoNotOptimize(tessel::ReadCandidateGroup(t, 9, 1000000));
    }
}
BENCHMARK(BM_ImportHugeAndJunkTexts)->Unit(benchmark::kMillisecond);

}  // namespace
