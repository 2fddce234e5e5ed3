#include "core/random.hpp"

#include <chrono>

namespace tessel {

Random32::Random32() : source_(&Random32::ClockSeed) { Reseed(); }

Random32::Random32(SeedSource source) : source_(std::move(source)) { Reseed(); }

std::uint32_t Random32::ClockSeed() {
  const auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
  return static_cast<std::uint32_t>(static_cast<std::uint64_t>(ticks) & 0xffffffffu);
}

}  // namespace tessel
