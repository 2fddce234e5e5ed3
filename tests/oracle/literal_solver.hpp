// A plain, slow transcription of the game's solving rules, kept only as the
// reference the fast engine is checked and benchmarked against.
#pragma once

#include <string>
#include <string_view>

namespace oracle {

struct Solved {
  int status;
  std::string result;
};
Solved SolveString(std::string_view puzzle);

struct Tested {
  int code;
  std::string first, second;
};
// The main board's test on a puzzle string of digits and "*".
Tested TestPuzzle(std::string_view p);

}  // namespace oracle
