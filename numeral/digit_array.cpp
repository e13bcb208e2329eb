// Long division and change of base on digit arrays, with 32-bit digit
// arithmetic only: no number ever has to fit into a machine word.
#include "digit_array.h"

#include <algorithm>

namespace nodri {
namespace {

// Keeps the low 32 bits of a wider value as a signed value: the wraparound of
// 32-bit two's-complement arithmetic, without signed overflow.
std::int32_t Wrap32(std::int64_t value) {
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
}

}  // namespace

std::int32_t DivideDigits(DigitArray& digits, std::int32_t sourceBase,
                          std::int32_t divisor) {
  // A zero dividend (no digits, or the overflow marker) divides to zero.
  if (digits.count <= 0) {
    digits.count = 0;
    return 0;
  }
  // Callers never divide by zero; answering overflow beats a crash.
  if (divisor == 0) return OverflowCount;

  std::array<std::int32_t, MaxDigits> quotient;
  std::int32_t stored = 0;
  std::int32_t remainder = 0;
  const std::int32_t count = std::min(digits.count, MaxDigits);
  // Invariant: `remainder` is what the digits before `pos` leave over, and
  // `quotient` holds their quotient digits from the first non-zero one on.
  for (std::int32_t pos = 0; pos < count && stored < MaxDigits; ++pos) {
    const std::int32_t value =
        Wrap32(std::int64_t{digits.digits[static_cast<std::size_t>(pos)]} +
               std::int64_t{sourceBase} * remainder);
    // 32-bit division, the fast one, except for INT32_MIN / -1, whose
    // quotient wraps.
    std::int32_t digit = 0;
    if (divisor == -1) {
      digit = Wrap32(-std::int64_t{value});
      remainder = 0;
    } else {
      digit = value / divisor;
      remainder = value % divisor;
    }
    // Leading zeros of the quotient vanish; inner zeros stay.
    if (digit != 0 || stored > 0) {
      quotient[static_cast<std::size_t>(stored++)] = digit;
    }
  }
  // A full buffer also covers a quotient of exactly MaxDigits digits. The
  // array is untouched because the quotient was built aside.
  if (stored == MaxDigits) return OverflowCount;

  std::copy_n(quotient.begin(), stored, digits.digits.begin());
  digits.count = stored;
  return remainder;
}

std::int32_t ConvertDigits(const DigitArray& source, std::int32_t sourceBase,
                           std::int32_t targetBase, DigitArray& result) {
  DigitArray work;
  work.count = std::min(source.count, MaxDigits);
  if (work.count > 0) {
    std::copy_n(source.digits.begin(), work.count, work.digits.begin());
  }

  // Remainders come least significant first. The loop runs at least once, so
  // zero, an empty array and the overflow marker all give the single digit 0.
  std::array<std::int32_t, MaxDigits> remainders;
  std::int32_t found = 0;
  do {
    const std::int32_t remainder = DivideDigits(work, sourceBase, targetBase);
    if (remainder == OverflowCount) return OverflowCount;
    remainders[static_cast<std::size_t>(found++)] = remainder;
    if (found == MaxDigits) return OverflowCount;
  } while (work.count != 0);

  std::reverse_copy(remainders.begin(), remainders.begin() + found,
                    result.digits.begin());
  result.count = found;
  return found;
}

}  // namespace nodri
