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

namespace internal {

std::int32_t ConvertDigitsByDivision(const DigitArray& source, std::int32_t sourceBase,
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

}  // namespace internal

namespace {

// The largest power of `base` (base >= 2) that fits in 32 bits unsigned, and
// its exponent: how many digits of that base one 32-bit limb holds.
struct Limb {
  std::uint64_t value = 1;
  std::int32_t digits = 0;
};

Limb LargestPower(std::int32_t base) {
  Limb limb;
  const auto b = static_cast<std::uint64_t>(base);
  while (limb.value * b <= (std::uint64_t{1} << 32)) {
    limb.value *= b;
    ++limb.digits;
  }
  return limb;
}

bool OrdinaryDigits(const DigitArray& source, std::int32_t base) {
  if (source.count <= 0 || source.count >= MaxDigits || base < 2) return false;
  for (std::int32_t i = 0; i < source.count; ++i) {
    const std::int32_t digit = source.digits[static_cast<std::size_t>(i)];
    if (digit < 0 || digit >= base) return false;
  }
  return true;
}

// The same number as the plain procedure gives, for digits from 0 to base - 1
// and at most MaxDigits - 1 of them: then no division overflows and no
// remainder is negative, so the result is simply the number's digits in the
// target base, overflow when there are MaxDigits or more of them. Many source
// digits are packed into one 32-bit limb and many target digits come out of
// each division, so there are far fewer divisions, each 64 by 32 bits.
std::int32_t ConvertOrdinaryDigits(const DigitArray& source, std::int32_t sourceBase,
                                   std::int32_t targetBase, DigitArray& result) {
  const Limb in = LargestPower(sourceBase);
  const Limb out = LargestPower(targetBase);

  // Limbs of `in.value`, most significant first; the first takes what is
  // left over from whole limbs on the right.
  std::array<std::uint32_t, MaxDigits> limbs;
  std::int32_t limbCount = 0;
  const std::int32_t count = source.count;
  std::int32_t take = count % in.digits == 0 ? in.digits : count % in.digits;
  for (std::int32_t pos = 0; pos < count; take = in.digits) {
    std::uint64_t limb = 0;
    for (std::int32_t k = 0; k < take; ++k, ++pos) {
      limb = limb * static_cast<std::uint64_t>(sourceBase) +
             static_cast<std::uint64_t>(source.digits[static_cast<std::size_t>(pos)]);
    }
    limbs[static_cast<std::size_t>(limbCount++)] = static_cast<std::uint32_t>(limb);
  }

  // Target digits, least significant first. Invariant: limbs[first..] holds
  // the quotient still to be written.
  std::array<std::int32_t, MaxDigits + 32> digits;
  std::int32_t found = 0;
  std::int32_t first = 0;
  while (first < limbCount && limbs[static_cast<std::size_t>(first)] == 0) ++first;
  do {
    std::uint64_t remainder = 0;
    for (std::int32_t i = first; i < limbCount; ++i) {
      const std::uint64_t value = limbs[static_cast<std::size_t>(i)] + remainder * in.value;
      limbs[static_cast<std::size_t>(i)] = static_cast<std::uint32_t>(value / out.value);
      remainder = value % out.value;
    }
    while (first < limbCount && limbs[static_cast<std::size_t>(first)] == 0) ++first;
    // The remainder holds out.digits target digits; the last one only as
    // many as it needs, since leading zeros are not written.
    const bool last = first == limbCount;
    for (std::int32_t k = 0; k < out.digits && (!last || remainder != 0 || k == 0); ++k) {
      if (found == MaxDigits) return OverflowCount;
      digits[static_cast<std::size_t>(found++)] =
          static_cast<std::int32_t>(remainder % static_cast<std::uint64_t>(targetBase));
      remainder /= static_cast<std::uint64_t>(targetBase);
    }
  } while (first < limbCount);
  if (found == MaxDigits) return OverflowCount;

  std::reverse_copy(digits.begin(), digits.begin() + found, result.digits.begin());
  result.count = found;
  return found;
}

}  // namespace

std::int32_t ConvertDigits(const DigitArray& source, std::int32_t sourceBase,
                           std::int32_t targetBase, DigitArray& result) {
  if (targetBase >= 2 && OrdinaryDigits(source, sourceBase)) {
    return ConvertOrdinaryDigits(source, sourceBase, targetBase, result);
  }
  return internal::ConvertDigitsByDivision(source, sourceBase, targetBase, result);
}

}  // namespace nodri
