// Canonical form of a full solution grid: the smallest grid, read row-major,
// among all grids reachable by the validity-preserving symmetries (rows within
// a band, bands, columns within a stack, stacks, transposition, digit
// relabelling). Two grids are equivalent exactly when their forms agree.
#pragma once

#include <string>
#include <string_view>

namespace tessel {

// solution81: 81 characters '1'..'9' forming a valid complete grid.
// Returns 81 digits starting "123456789"; empty for malformed input.
std::string CanonicalGrid(std::string_view solution81);

}  // namespace tessel
