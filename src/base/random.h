// The one random source of the player: uniform, seeded once. Tests give it a known sequence.
#pragma once

#include <cstdint>
#include <random>

namespace base {

class RandomSource {
 public:
  virtual ~RandomSource() = default;
  // Starts the sequence anew from the seed; a source that replays a known sequence ignores it.
  virtual void Seed(std::uint32_t seed) {}
  // A pseudo-random non-negative 31-bit integer.
  virtual std::uint32_t Next31() = 0;
  // Next31 modulo count; 0 for an empty list.
  int Index(int count) { return count > 0 ? static_cast<int>(Next31() % static_cast<std::uint32_t>(count)) : 0; }
};

class SeededRandom final : public RandomSource {
 public:
  void Seed(std::uint32_t seed) override { engine_.seed(seed); }
  std::uint32_t Next31() override { return static_cast<std::uint32_t>(engine_()) & 0x7FFFFFFFu; }

 private:
  std::mt19937 engine_;
};

}  // namespace base
