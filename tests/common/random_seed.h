// Random tests that can be repeated: one seed for the whole run, from
// NODRI_SEED when set, printed so that a failing run can be run again.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <iostream>
#include <random>
#include <string>

namespace nodri::testing {

inline std::uint64_t RunSeed() {
  static const std::uint64_t seed = [] {
    const char* text = std::getenv("NODRI_SEED");
    if (text != nullptr && *text != '\0') {
      return static_cast<std::uint64_t>(std::strtoull(text, nullptr, 0));
    }
    std::random_device device;
    return (std::uint64_t{device()} << 32) ^ std::uint64_t{device()};
  }();
  return seed;
}

// Each test draws from its own stream, so that adding a test does not change
// the numbers another one sees under the same seed.
inline std::mt19937_64 SeededGenerator(::testing::Test& test, std::uint64_t salt) {
  const std::uint64_t seed = RunSeed();
  std::cout << "NODRI_SEED=" << seed << " (set NODRI_SEED to repeat this run)\n";
  test.RecordProperty("seed", std::to_string(seed));
  return std::mt19937_64(seed ^ salt);
}

// A whole number from lo to hi, both included.
inline std::int32_t Uniform(std::mt19937_64& rng, std::int32_t lo, std::int32_t hi) {
  return lo + static_cast<std::int32_t>(
                  rng() % static_cast<std::uint64_t>(std::int64_t{hi} - lo + 1));
}

}  // namespace nodri::testing
