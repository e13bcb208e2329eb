// Change of base checked against GMP, a big-number library that shares no
// code with the engine: random numbers in random pairs of bases, the decimal
// and hexadecimal texts, and the 255-digit edge of every target base.
//
// The random numbers come from a seed printed at the start of each test; set
// NODRI_SEED to repeat a run, NODRI_DIFF_ITERATIONS to change how many
// numbers go through ConvertDigits in random base pairs (100000 unless set;
// the text test takes a quarter of that).
#include <gmp.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <iostream>
#include <memory>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "test_digits.h"
#include "tests/common/random_seed.h"

namespace nodri {
namespace {

using testing::Digits;
using testing::RunSeed;
using testing::SeededGenerator;
using testing::Uniform;
using testing::Values;

// The largest number in these tests has about this many bits: 999^255 - 1,
// the top of 255 digits in the largest base, needs 2541.
constexpr int MaxBits = 2600;

// Bases that a conversion may meet.
constexpr std::int32_t LowestTarget = 2;
constexpr std::int32_t HighestBase = 999;

// ---------------------------------------------------------------------------
// Size of a run; the seed is the run's (NODRI_SEED).

std::int64_t IterationCount() {
  const char* text = std::getenv("NODRI_DIFF_ITERATIONS");
  if (text == nullptr || *text == '\0') return 100000;
  return std::max<std::int64_t>(1, std::strtoll(text, nullptr, 10));
}

bool OneIn(std::mt19937_64& rng, std::uint64_t n) { return rng() % n == 0; }

// ---------------------------------------------------------------------------
// GMP as the reference.

class Mpz {
 public:
  Mpz() { mpz_init(value_); }
  ~Mpz() { mpz_clear(value_); }
  Mpz(const Mpz&) = delete;
  Mpz& operator=(const Mpz&) = delete;

  mpz_ptr get() { return value_; }
  mpz_srcptr get() const { return value_; }

 private:
  mpz_t value_;
};

std::string GmpText(mpz_srcptr number, int base) {
  std::string text(mpz_sizeinbase(number, base) + 2, '\0');
  mpz_get_str(text.data(), base, number);
  text.resize(std::char_traits<char>::length(text.c_str()));
  return text;
}

// The digits of `number` in `base` (2 to 999), most significant first; zero
// is the single digit 0. GMP divides by the largest power of the base that
// fits a machine word, and each remainder is split into its digits.
std::vector<std::int32_t> GmpDigits(mpz_srcptr number, std::int32_t base) {
  const auto unit = static_cast<unsigned long>(base);
  unsigned long chunk = unit;
  int perChunk = 1;
  while (chunk <= ~0UL / unit) {
    chunk *= unit;
    ++perChunk;
  }
  Mpz rest;
  mpz_set(rest.get(), number);
  std::vector<std::int32_t> digits;  // least significant first
  while (mpz_sgn(rest.get()) != 0) {
    unsigned long part = mpz_tdiv_q_ui(rest.get(), rest.get(), chunk);
    for (int i = 0; i < perChunk; ++i) {
      digits.push_back(static_cast<std::int32_t>(part % unit));
      part /= unit;
    }
  }
  while (!digits.empty() && digits.back() == 0) digits.pop_back();
  if (digits.empty()) digits.push_back(0);
  std::reverse(digits.begin(), digits.end());
  return digits;
}

// base^255 for every base from 2 to 999: the smallest number that needs 256
// digits, so a number fits a digit array in that base exactly when it is
// below this bound.
class DigitLimits {
 public:
  DigitLimits() : powers_(std::make_unique<Mpz[]>(HighestBase + 1)) {
    for (std::int32_t base = LowestTarget; base <= HighestBase; ++base) {
      mpz_ui_pow_ui(powers_[static_cast<std::size_t>(base)].get(),
                    static_cast<unsigned long>(base), MaxDigits - 1);
    }
  }
  bool Fits(mpz_srcptr number, std::int32_t base) const {
    return mpz_cmp(number, powers_[static_cast<std::size_t>(base)].get()) < 0;
  }

 private:
  std::unique_ptr<Mpz[]> powers_;
};

const DigitLimits& Limits() {
  static const DigitLimits limits;
  return limits;
}

// ---------------------------------------------------------------------------
// Numbers worth converting.

// 1 to 2048, most runs short and now and then one that spans the number.
int RunLength(std::mt19937_64& rng) {
  return 1 + static_cast<int>(rng() % (std::uint64_t{1} << (rng() % 12)));
}

// A number of exactly `bits` bits (0 gives zero) made of random runs of equal
// bits, ones first, as mpz_rrandomb makes them: long runs of zeros and ones
// are where a lost carry or a dropped inner zero shows.
void MakeRunsOfBits(std::mt19937_64& rng, int bits, mpz_ptr out) {
  std::array<std::uint64_t, (MaxBits + 63) / 64> words{};
  bool ones = true;
  for (int top = bits; top > 0; ones = !ones) {
    const int run = std::min(top, RunLength(rng));
    // Bits [top - run, top) take the run's value; zeros are there already.
    for (int from = top - run; ones && from < top;) {
      const int bit = from % 64;
      const int take = std::min(64 - bit, top - from);
      const std::uint64_t mask =
          take == 64 ? ~std::uint64_t{0} : ((std::uint64_t{1} << take) - 1);
      words[static_cast<std::size_t>(from / 64)] |= mask << bit;
      from += take;
    }
    top -= run;
  }
  mpz_import(out, words.size(), -1, sizeof(std::uint64_t), 0, 0, words.data());
}

// A number of exactly `length` digits in `base`, from runs of the digit 0,
// of the top digit base - 1 and of random digits: a long top run sits just
// below a power of the base, a long zero run just above one.
void MakeRunsOfDigits(std::mt19937_64& rng, std::int32_t base, int length,
                      mpz_ptr out) {
  mpz_set_ui(out, 0);
  for (int done = 0; done < length;) {
    const int run = std::min(length - done, RunLength(rng) % 300 + 1);
    const int kind = Uniform(rng, 0, 2);
    for (int i = 0; i < run; ++i, ++done) {
      std::int32_t digit =
          kind == 0 ? 0 : kind == 1 ? base - 1 : Uniform(rng, 0, base - 1);
      if (done == 0 && digit == 0) digit = Uniform(rng, 1, base - 1);
      mpz_mul_ui(out, out, static_cast<unsigned long>(base));
      mpz_add_ui(out, out, static_cast<unsigned long>(digit));
    }
  }
}

// A number whose length in `base` is 254 to 257 digits, the edge where a
// result stops fitting: either from runs of digits, or base^m - 1, base^m or
// base^m + 1 itself.
void MakeNearDigitLimit(std::mt19937_64& rng, std::int32_t base, mpz_ptr out) {
  if (OneIn(rng, 4)) {
    mpz_ui_pow_ui(out, static_cast<unsigned long>(base),
                  static_cast<unsigned long>(Uniform(rng, 254, 256)));
    switch (Uniform(rng, 0, 2)) {
      case 0: mpz_sub_ui(out, out, 1); break;
      case 1: mpz_add_ui(out, out, 1); break;
      default: break;
    }
    return;
  }
  MakeRunsOfDigits(rng, base, Uniform(rng, 254, 257), out);
}

// Mostly any base, often one of those the window uses most and the extremes.
std::int32_t PickBase(std::mt19937_64& rng, std::int32_t lowest) {
  static constexpr std::array<std::int32_t, 9> favourites{2, 3, 10, 16, 36,
                                                          37, 60, 998, 999};
  if (OneIn(rng, 8)) {
    const std::int32_t base = favourites[rng() % favourites.size()];
    if (base >= lowest) return base;
  }
  return Uniform(rng, lowest, HighestBase);
}

// ---------------------------------------------------------------------------
// Sources and their description.

std::string ListDigits(const DigitArray& array) {
  std::ostringstream out;
  for (std::int32_t i = 0; i < array.count; ++i) {
    out << (i == 0 ? "" : ",") << array.digits[static_cast<std::size_t>(i)];
  }
  return out.str();
}

// The digits of `number` in `base`, sometimes behind leading zeros (which
// arrays from the readers may carry), and zero sometimes as the empty array.
DigitArray PositionalSource(std::mt19937_64& rng, mpz_srcptr number,
                            std::int32_t base) {
  std::vector<std::int32_t> digits = GmpDigits(number, base);
  if (digits == std::vector<std::int32_t>{0} && OneIn(rng, 3)) digits.clear();
  const int room = MaxDigits - 1 - static_cast<int>(digits.size());
  if (room > 0 && OneIn(rng, 8)) {
    digits.insert(digits.begin(),
                  static_cast<std::size_t>(Uniform(rng, 1, room)), 0);
  }
  return Digits(digits);
}

// Base 1 weighs every position 1, so the number is the sum of the digits:
// runs of zeros and ones over 1 to 256 places, often all 256, since the
// unary reader may hand over a full array.
DigitArray UnarySource(std::mt19937_64& rng, mpz_ptr number) {
  DigitArray source;
  source.count = OneIn(rng, 4) ? MaxDigits : Uniform(rng, 1, MaxDigits);
  std::int32_t sum = 0;
  std::int32_t value = Uniform(rng, 0, 1);
  for (std::int32_t i = 0; i < source.count; value = 1 - value) {
    for (int run = RunLength(rng) % 64 + 1; run > 0 && i < source.count;
         --run, ++i) {
      source.digits[static_cast<std::size_t>(i)] = value;
      sum += value;
    }
  }
  mpz_set_ui(number, static_cast<unsigned long>(sum));
  return source;
}

struct Case {
  std::int64_t iteration = 0;
  std::int32_t sourceBase = 0;
  std::int32_t targetBase = 0;
};

std::string Describe(const Case& c, mpz_srcptr number, const DigitArray& source) {
  std::ostringstream out;
  out << "seed " << RunSeed() << ", iteration " << c.iteration
      << ", source base " << c.sourceBase << ", target base " << c.targetBase
      << ", number " << GmpText(number, 10) << ", source digits {"
      << ListDigits(source) << "}";
  return out.str();
}

// ---------------------------------------------------------------------------
// ConvertDigits against GMP.

// Converts as the window does, keeping the returned count: on overflow the
// engine leaves the result alone, so the count is the only answer.
struct Conversion {
  std::int32_t count = 0;
  std::vector<std::int32_t> digits;
  bool resultUntouched = true;
  bool sourceUntouched = true;
};

Conversion Convert(const DigitArray& source, std::int32_t sourceBase,
                   std::int32_t targetBase) {
  DigitArray result;
  result.digits.fill(-7);
  result.count = -7;
  const DigitArray resultBefore = result;
  const DigitArray sourceBefore = source;

  Conversion out;
  out.count = ConvertDigits(source, sourceBase, targetBase, result);
  out.sourceUntouched = source.count == sourceBefore.count &&
                        source.digits == sourceBefore.digits;
  if (out.count == OverflowCount) {
    out.resultUntouched = result.count == resultBefore.count &&
                          result.digits == resultBefore.digits;
  } else {
    result.count = out.count;
    out.digits = Values(result);
  }
  return out;
}

TEST(GmpDifferential, ConvertDigitsAgreesOnRandomNumbersAndBasePairs) {
  std::mt19937_64 rng = SeededGenerator(*this, 0x436f6e7665727431);
  const DigitLimits& limits = Limits();
  const std::int64_t iterations = IterationCount();
  Mpz number;

  for (Case c; c.iteration < iterations;) {
    c.sourceBase = OneIn(rng, 50) ? 1 : PickBase(rng, LowestTarget);
    c.targetBase = PickBase(rng, LowestTarget);

    DigitArray source;
    if (c.sourceBase == 1) {
      source = UnarySource(rng, number.get());
    } else {
      const std::uint64_t mode = rng() % 8;
      if (mode < 2) {
        // Near the 255/256-digit edge of the target base; the source base
        // must then be large enough to hold the number in 255 digits.
        MakeNearDigitLimit(rng, c.targetBase, number.get());
        for (int tries = 0; tries < 4 && !limits.Fits(number.get(), c.sourceBase);
             ++tries) {
          c.sourceBase = Uniform(rng, c.targetBase, HighestBase);
        }
      } else {
        // Up to the most bits that 255 digits of the source base can hold,
        // or no more than a machine word.
        const int most =
            mode == 2 ? 64
                      : std::min(MaxBits, static_cast<int>(std::ceil(
                                              (MaxDigits - 1) *
                                              std::log2(c.sourceBase))));
        MakeRunsOfBits(rng, Uniform(rng, 0, most), number.get());
      }
      // A source needs its number in at most 255 digits; draw again if not.
      if (!limits.Fits(number.get(), c.sourceBase)) continue;
      source = PositionalSource(rng, number.get(), c.sourceBase);
    }

    const bool overflows = !limits.Fits(number.get(), c.targetBase);
    const Conversion got = Convert(source, c.sourceBase, c.targetBase);
    const std::vector<std::int32_t> want =
        overflows ? std::vector<std::int32_t>{}
                  : GmpDigits(number.get(), c.targetBase);
    const std::int32_t wantCount =
        overflows ? OverflowCount : static_cast<std::int32_t>(want.size());

    if (got.count != wantCount || got.digits != want || !got.sourceUntouched ||
        !got.resultUntouched) {
      SCOPED_TRACE(Describe(c, number.get(), source));
      EXPECT_EQ(got.count, wantCount);
      EXPECT_EQ(got.digits, want);
      EXPECT_TRUE(got.sourceUntouched) << "the source was modified";
      EXPECT_TRUE(got.resultUntouched) << "an overflow wrote into the result";
      break;  // the trace reproduces this case; the rest would repeat it
    }
    ++c.iteration;
  }
}

// ---------------------------------------------------------------------------
// The decimal and hexadecimal texts against GMP's own texts.

char UpperByte(char byte) {
  return static_cast<char>(std::toupper(static_cast<unsigned char>(byte)));
}

std::string Upper(std::string text) {
  for (char& byte : text) byte = UpperByte(byte);
  return text;
}

// GMP's decimal text as a user might paste it: leading zeros (which never
// count towards the 255 digits), sometimes thousands separators and blanks.
std::string DressDecimal(std::mt19937_64& rng, const std::string& plain) {
  std::string text(OneIn(rng, 3) ? static_cast<std::size_t>(Uniform(rng, 1, 300)) : 0, '0');
  const bool commas = OneIn(rng, 4);
  for (std::size_t i = 0; i < plain.size(); ++i) {
    if (commas && i > 0 && (plain.size() - i) % 3 == 0) text.push_back(',');
    text.push_back(plain[i]);
  }
  return OneIn(rng, 4) ? " " + text + " " : text;
}

// GMP's hexadecimal text with a "0x" prefix or leading zeros, and letters
// of either case.
std::string DressHex(std::mt19937_64& rng, const std::string& plain) {
  std::string text = OneIn(rng, 2) ? "0x" : "";
  if (OneIn(rng, 3)) text.append(static_cast<std::size_t>(Uniform(rng, 1, 300)), '0');
  const bool mixed = OneIn(rng, 3);
  for (const char byte : plain) {
    text.push_back(mixed && OneIn(rng, 2) ? UpperByte(byte) : byte);
  }
  return text;
}

std::string ShowOrOverflow(const std::string& plain) {
  return plain.size() > MaxDigits - 1 ? std::string(OverflowText) : plain;
}

// A quarter as many numbers as above: each takes two conversions of up to
// 255 digits, and only two bases are at stake.
TEST(GmpDifferential, DecimalAndHexTextsAgreeWithGmp) {
  std::mt19937_64 rng = SeededGenerator(*this, 0x5465787473546578);
  const std::int64_t iterations = std::max<std::int64_t>(1, IterationCount() / 4);
  Mpz number;

  for (Case c; c.iteration < iterations; ++c.iteration) {
    // Half near one of the two text limits (255 decimal digits, reached at
    // about 847 bits, and 255 hexadecimal digits at 1020 bits), half anywhere
    // up to a little past the larger.
    if (OneIn(rng, 2)) {
      MakeNearDigitLimit(rng, OneIn(rng, 2) ? 10 : 16, number.get());
    } else {
      MakeRunsOfBits(rng, Uniform(rng, 0, 1100), number.get());
    }
    const std::string decimal = GmpText(number.get(), 10);
    const std::string hex = GmpText(number.get(), 16);
    const std::string decimalText = DressDecimal(rng, decimal);
    const std::string hexText = DressHex(rng, hex);
    const bool decimalFits = decimal.size() <= MaxDigits - 1;
    const bool hexFits = hex.size() <= MaxDigits - 1;

    // Decimal field to hexadecimal field.
    const DecimalReading reading = ReadDecimalDigits(decimalText);
    std::string lower = "(not converted: the reader overflowed)";
    std::string upper = lower;
    if (!reading.digits.overflow()) {
      DigitArray converted;
      converted.count = ConvertDigits(reading.digits, 10, 16, converted);
      lower = ShowDigitsH(converted, false);
      upper = ShowDigitsH(converted, true);
    }
    // Hexadecimal field to decimal field.
    const DigitArray hexDigits = ReadHexDigits(hexText);
    std::string shown = "(not converted: the reader overflowed)";
    if (!hexDigits.overflow()) {
      DigitArray converted;
      converted.count = ConvertDigits(hexDigits, 16, 10, converted);
      shown = ShowDigitsD(converted);
    }

    const bool decimalOk =
        reading.cleaned == decimal && reading.digits.overflow() == !decimalFits &&
        (!decimalFits || (lower == ShowOrOverflow(hex) &&
                          upper == ShowOrOverflow(Upper(hex))));
    const bool hexOk = hexDigits.overflow() == !hexFits &&
                       (!hexFits || shown == ShowOrOverflow(decimal));
    if (!decimalOk || !hexOk) {
      SCOPED_TRACE("seed " + std::to_string(RunSeed()) + ", iteration " +
                   std::to_string(c.iteration) + ", decimal text \"" +
                   decimalText + "\", hexadecimal text \"" + hexText + "\"");
      EXPECT_EQ(reading.cleaned, decimal);
      EXPECT_EQ(reading.digits.overflow(), !decimalFits)
          << "the decimal reader overflows exactly past 255 digits";
      if (decimalFits) {
        EXPECT_EQ(lower, ShowOrOverflow(hex));
        EXPECT_EQ(upper, ShowOrOverflow(Upper(hex)));
      }
      EXPECT_EQ(hexDigits.overflow(), !hexFits)
          << "the hexadecimal reader overflows exactly past 255 digits";
      if (hexFits) {
        EXPECT_EQ(shown, ShowOrOverflow(decimal));
      }
      break;
    }
  }
}

// ---------------------------------------------------------------------------
// The overflow edge of every target base.

// n^255 - 1 is the largest number with 255 digits in base n, all of them
// n - 1; n^255 is the smallest with 256 and must give the overflow marker.
// The source is written in base 10, 16 or 999, whichever is the first to hold
// n^255 in 255 digits. Nothing holds 999^255 so: it is written as the single
// digit 999 followed by 254 zeros, since a digit counts at face value.
TEST(OverflowEdge, EveryTargetBaseHoldsExactly255Digits) {
  Mpz top;
  Mpz below;
  for (std::int32_t base = LowestTarget; base <= HighestBase; ++base) {
    const std::int32_t sourceBase = base < 10 ? 10 : base < 16 ? 16 : 999;
    mpz_ui_pow_ui(top.get(), static_cast<unsigned long>(base), MaxDigits - 1);
    mpz_sub_ui(below.get(), top.get(), 1);

    const DigitArray largest = Digits(GmpDigits(below.get(), sourceBase));
    DigitArray first;
    if (base < HighestBase) {
      first = Digits(GmpDigits(top.get(), sourceBase));
    } else {
      first.count = MaxDigits - 1;
      first.digits[0] = HighestBase;
    }
    ASSERT_LE(largest.count, MaxDigits - 1);
    ASSERT_LE(first.count, MaxDigits - 1);
    SCOPED_TRACE("target base " + std::to_string(base) + ", source base " +
                 std::to_string(sourceBase));

    const Conversion fits = Convert(largest, sourceBase, base);
    EXPECT_EQ(fits.digits, std::vector<std::int32_t>(MaxDigits - 1, base - 1));
    EXPECT_TRUE(fits.sourceUntouched);

    const Conversion overflows = Convert(first, sourceBase, base);
    EXPECT_EQ(overflows.count, OverflowCount);
    EXPECT_TRUE(overflows.sourceUntouched);
    EXPECT_TRUE(overflows.resultUntouched);
    if (HasFailure()) break;
  }
}

}  // namespace
}  // namespace nodri
