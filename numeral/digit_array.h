// Whole numbers as fixed-size runs of digit values, and the two operations that
// every conversion between notations rests on: long division by a small
// divisor, and change of base by repeated division.
#pragma once

#include <array>
#include <cstdint>

namespace nodri {

// Storage of every digit array. Producers stop one digit short of it: a
// result of MaxDigits digits or more is reported as overflow, so a count is at
// most MaxDigits - 1, except that the unary reader may fill every slot.
inline constexpr std::int32_t MaxDigits = 256;

// The count that marks a number with too many digits. Writers show it as
// "Overflow!"; converting it gives zero.
inline constexpr std::int32_t OverflowCount = -1;

// A whole number as digit values, most significant first. The base is not
// stored: whoever holds the array knows it. Digit values are not checked
// against the base; an out-of-range or negative value simply counts with its
// face value at its position.
struct DigitArray {
  std::array<std::int32_t, MaxDigits> digits{};
  // Digits in use: 0 is the number zero, OverflowCount the overflow marker.
  std::int32_t count = 0;

  bool overflow() const { return count < 0; }
};

// Divides `digits` (written in `sourceBase`) by `divisor` in schoolbook long
// division. On success the array holds the quotient without leading zeros
// (count 0 when the quotient is zero) and the remainder is returned; its sign
// is that of the running value, as in truncating division. A quotient that
// would need MaxDigits digits or more gives -1 and leaves the array as it
// was. A count of 0 or less is a zero dividend. A remainder of exactly -1 is
// indistinguishable from overflow; only negative digit values produce it.
//
// Where out-of-range digits push digit + base * remainder out of 32 bits, the
// sum wraps (two's complement) before it is divided: no meaningful number
// comes out of such digits, but no undefined behaviour either.
std::int32_t DivideDigits(DigitArray& digits, std::int32_t sourceBase,
                          std::int32_t divisor);

// Writes the number held by `source` (in `sourceBase`) into `result` in
// `targetBase`: no leading zeros, zero as the single digit 0. Returns the
// count, which is also stored in result.count. An overflow marker or an empty
// source converts to zero. A result of MaxDigits digits or more, or a
// division that overflows, gives -1 and leaves `result` untouched.
// `source` is never modified, so `source` and `result` must be different
// arrays. Target bases are 2 or more.
std::int32_t ConvertDigits(const DigitArray& source, std::int32_t sourceBase,
                           std::int32_t targetBase, DigitArray& result);

namespace internal {

// ConvertDigits as the plain procedure: DivideDigits by the target base,
// over and over, the remainders read backwards. ConvertDigits takes this
// path for digits outside 0 to base - 1, whose arithmetic it defines, and a
// faster one for ordinary digits; tests hold the two against each other.
std::int32_t ConvertDigitsByDivision(const DigitArray& source, std::int32_t sourceBase,
                                     std::int32_t targetBase, DigitArray& result);

}  // namespace internal
}  // namespace nodri
