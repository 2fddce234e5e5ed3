// Helpers shared by the core tests.
#pragma once

#include <fstream>
#include <string>
#include <vector>

namespace testutil {

// A valid solution grid used across the tests.
inline const std::string kSolution =
    "534678912672195348198342567859761423426853791713924856961537284287419635345286179";

// First 81 characters of each line of a file in the shared puzzle folder.
inline std::vector<std::string> SharedPuzzles(const std::string& name, std::size_t limit = 1u << 30) {
  std::vector<std::string> out;
  std::ifstream in(std::string(TESSEL_PUZZLES_DIR) + "/" + name);
  std::string line;
  while (out.size() < limit && std::getline(in, line))
    if (line.size() >= 81) out.push_back(line.substr(0, 81));
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
