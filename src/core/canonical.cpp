#include "core/canonical.hpp"

#include <algorithm>
#include <array>
#include <cstdint>
#include <utility>

namespace tessel {

namespace {

using Perm9 = std::array<std::uint8_t, 9>;
using Form = std::array<std::uint64_t, 9>;  // one key per row, first column most significant

// The 1296 column orders that keep stacks together: 6 stack orders times
// 6 orders inside each of the three stacks.
const std::array<Perm9, 1296>& ColumnOrders() {
  static const auto table = [] {
    std::array<Perm9, 1296> out{};
    std::array<std::array<std::uint8_t, 3>, 6> p3{};
    std::array<std::uint8_t, 3> a{0, 1, 2};
    for (int k = 0; k < 6; ++k) {
      p3[k] = a;
      std::next_permutation(a.begin(), a.end());
    }
    int n = 0;
    for (int s = 0; s < 6; ++s)
      for (int i0 = 0; i0 < 6; ++i0)
        for (int i1 = 0; i1 < 6; ++i1)
          for (int i2 = 0; i2 < 6; ++i2) {
            const std::array<int, 3> inner{i0, i1, i2};
            Perm9& p = out[n++];
            for (int slot = 0; slot < 3; ++slot) {
              const int stack = p3[s][slot];
              for (int j = 0; j < 3; ++j) p[3 * slot + j] = static_cast<std::uint8_t>(3 * stack + p3[inner[slot]][j]);
            }
          }
    return out;
  }();
  return table;
}

std::uint64_t RowKey(const std::uint8_t* row, const Perm9& cols, const std::array<std::uint8_t, 10>& relabel) {
  std::uint64_t k = 0;
  for (int c = 0; c < 9; ++c) k = (k << 4) | relabel[row[cols[c]]];
  return k;
}

void Sort3(std::uint64_t& a, std::uint64_t& b, std::uint64_t& c) {
  if (b < a) std::swap(a, b);
  if (c < b) std::swap(b, c);
  if (b < a) std::swap(a, b);
}

}  // namespace

std::string CanonicalGrid(std::string_view solution81) {
  if (solution81.size() != 81) return {};
  std::array<std::array<std::uint8_t, 81>, 2> grids{};
  for (int i = 0; i < 81; ++i) {
    const char ch = solution81[i];
    if (ch < '1' || ch > '9') return {};
    grids[0][i] = static_cast<std::uint8_t>(ch - '0');
    grids[1][(i % 9) * 9 + i / 9] = grids[0][i];
  }

  const auto& orders = ColumnOrders();
  Form best;
  best.fill(~std::uint64_t{0});
  for (const auto& g : grids) {
    for (int r = 0; r < 9; ++r) {
      const int band = r / 3;
      // The other two rows of the first band; they compete for rows 2 and 3.
      const int m1 = 3 * band + (r % 3 == 0 ? 1 : 0);
      const int m2 = 3 * band + (r % 3 == 2 ? 1 : 2);
      for (const Perm9& cols : orders) {
        // Row 1 reads 123456789 after relabelling, so only the rest decides.
        std::array<std::uint8_t, 10> relabel{};
        for (int c = 0; c < 9; ++c) relabel[g[9 * r + cols[c]]] = static_cast<std::uint8_t>(c + 1);
        std::uint64_t a = RowKey(&g[9 * m1], cols, relabel);
        std::uint64_t b = RowKey(&g[9 * m2], cols, relabel);
        if (b < a) std::swap(a, b);
        // Most orders lose on row 2 already.
        if (a > best[1] || (a == best[1] && b > best[2])) continue;

        Form f;
        f[0] = 0;  // the same for every candidate
        f[1] = a;
        f[2] = b;
        std::array<std::array<std::uint64_t, 3>, 2> others{};
        int n = 0;
        for (int bb = 0; bb < 3; ++bb) {
          if (bb == band) continue;
          auto& o = others[n++];
          for (int j = 0; j < 3; ++j) o[j] = RowKey(&g[9 * (3 * bb + j)], cols, relabel);
          Sort3(o[0], o[1], o[2]);
        }
        if (others[1][0] < others[0][0]) std::swap(others[0], others[1]);
        for (int j = 0; j < 3; ++j) {
          f[3 + j] = others[0][j];
          f[6 + j] = others[1][j];
        }
        if (f < best) best = f;
      }
    }
  }

  std::string out(81, '0');
  for (int c = 0; c < 9; ++c) out[c] = static_cast<char>('1' + c);
  for (int row = 1; row < 9; ++row)
    for (int c = 0; c < 9; ++c) out[9 * row + c] = static_cast<char>('0' + ((best[row] >> (4 * (8 - c))) & 0xF));
  return out;
}

}  // namespace tessel
