// Small helpers for the engine tests: digit arrays from and to vectors.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "numeral/numeral.h"
#include "tests/common/row_name.h"

namespace nodri::testing {

inline DigitArray Digits(const std::vector<std::int32_t>& values) {
  DigitArray array;
  for (std::size_t i = 0; i < values.size(); ++i) array.digits[i] = values[i];
  array.count = static_cast<std::int32_t>(values.size());
  return array;
}

// The digits in use, or {-1} for the overflow marker so that a mismatch
// reads plainly in a failure message.
inline std::vector<std::int32_t> Values(const DigitArray& array) {
  if (array.count < 0) return {array.count};
  return {array.digits.begin(), array.digits.begin() + array.count};
}

inline const std::vector<std::int32_t> Overflow{-1};

}  // namespace nodri::testing
