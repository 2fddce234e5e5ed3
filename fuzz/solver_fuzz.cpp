// Arbitrary bytes as a puzzle string: the solver and the puzzle test must
// answer without crashing, and what they answer must hold up.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "fuzz_check.hpp"
#include "core/board.hpp"
#include "core/solver.hpp"

namespace {

using namespace tessel;


// A valid full grid that keeps the puzzle's digits where they were.
bool Completes(const std::string& result, const Grid81& puzzle) {
  if (result.size() != 81) return false;
  for (int i = 0; i < 81; ++i) {
    if (!IsDigitChar(result[i])) return false;
    if (puzzle[i] && result[i] != '0' + puzzle[i]) return false;
    for (int p : PeersOf(i))
      if (result[p] == result[i]) return false;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const Grid81 g = ParseGrid(text);

  const SolveResult s = SolveString(text);
  CHECK(s.status == 0 || s.status == 1);
  CHECK(s.result.size() == 81);
  if (s.status == 0) CHECK(Completes(s.result, g));
  if (s.status == 1) CHECK(s.result == GridString(g));

  const PuzzleTestResult t = TestPuzzleString(text);
  const int count = CountSolutions(g, 2);
  bool full = true;
  for (auto v : g) full = full && v != 0;
  if (t.code == kNotSolvable) {
    CHECK(full || count == 0);
  } else {
    CHECK(!full && count > 0);
    CHECK(Completes(t.first, g));
    CHECK(Completes(t.second, g));
    if (t.code == kMultiple) CHECK(count == 2 && t.first != t.second);
    if (count == 1) CHECK(t.code == kUnique && t.first == t.second);
    // The first solution is the one the plain search finds.
    CHECK(t.first == s.result);
  }

  const PuzzleTestResult e = TestEditorPuzzleString(text);
  if (full) CHECK(e.code == (CheckGivens(GridString(g)) ? kUnique : kNotSolvable));
  return 0;
}
