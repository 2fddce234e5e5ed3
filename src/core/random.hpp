// The one random generator of the game: a 32-bit linear congruential
// generator, re-seeded from a high-resolution clock before every deal and
// every shuffle. Tests and `deal --seed` replace the seed source.
#pragma once

#include <cstdint>
#include <functional>

namespace tessel {

class Random32 {
 public:
  using SeedSource = std::function<std::uint32_t()>;

  Random32();  // seeds from the clock
  explicit Random32(SeedSource source);

  // The low 32 bits of a high-resolution clock.
  static std::uint32_t ClockSeed();

  void Reseed() { seed_ = source_(); }
  void SetSeed(std::uint32_t seed) { seed_ = seed; }
  std::uint32_t seed() const { return seed_; }
  void SetSeedSource(SeedSource source) { source_ = std::move(source); }

  // 0 .. n-1, taken after the step: seed <- seed * 134775813 + 1.
  int Random(int n) {
    seed_ = seed_ * 134775813u + 1u;
    return static_cast<int>((static_cast<std::uint64_t>(seed_) * static_cast<std::uint32_t>(n)) >> 32);
  }

 private:
  SeedSource source_;
  std::uint32_t seed_ = 0;
};

}  // namespace tessel
