#include "core/bank.hpp"

#include <array>
#include <cstddef>

namespace tessel {

namespace bankdata {
extern const char* const kLevel0[];
extern const char* const kLevel1[];
extern const char* const kLevel2[];
extern const char* const kLevel3[];
extern const char* const kLevel4[];
extern const std::size_t kLevel0Count, kLevel1Count, kLevel2Count, kLevel3Count, kLevel4Count;
}  // namespace bankdata

namespace {

std::vector<std::string_view> ListOf(const char* const* lines, std::size_t count) {
  std::vector<std::string_view> out;
  out.reserve(count);
  for (std::size_t i = 0; i < count; ++i) out.emplace_back(lines[i]);
  return out;
}

}  // namespace

const std::vector<std::string_view>& BankList(int level) {
  static const std::array<std::vector<std::string_view>, kLevelCount> lists = {
      ListOf(bankdata::kLevel0, bankdata::kLevel0Count), ListOf(bankdata::kLevel1, bankdata::kLevel1Count),
      ListOf(bankdata::kLevel2, bankdata::kLevel2Count), ListOf(bankdata::kLevel3, bankdata::kLevel3Count),
      ListOf(bankdata::kLevel4, bankdata::kLevel4Count)};
  static const std::vector<std::string_view> none;
  return (level >= 0 && level < kLevelCount) ? lists[level] : none;
}

int PickBankLine(int count, Random32& rng) {
  int k = rng.Random(count) + 1;
  if (k == count) k = count - 1;
  return k;
}

int DealPuzzle(int level, TQJ& store, Random32& rng) {
  const auto& list = BankList(level);
  if (list.size() < 2) return 0;
  rng.Reseed();
  const int k = PickBankLine(static_cast<int>(list.size()), rng);
  store.LoadBankEntry(list[k - 1], rng);
  return k;
}

}  // namespace tessel
