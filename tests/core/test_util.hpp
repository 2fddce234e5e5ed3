// Helpers shared by the core tests.
#pragma once

#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace testutil {

// A valid solution grid used across the tests.
inline const std::string kSolution =
    "534678912672195348198342567859761423426853791713924856961537284287419635345286179";

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
