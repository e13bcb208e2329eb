// Round trips between digit arrays and texts in every notation: digits
// written and read again are the same digits, and a text in the form the
// writers produce, read and written again, is the same text. The field
// writes back what it has just read, so a round trip that moves is a field
// that rewrites itself under the user's fingers.
//
// Random digits come from a seed printed at the start of each test; set
// NODRI_SEED to repeat a run.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <iostream>
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

constexpr std::int32_t MostDigits = MaxDigits - 1;

// 1 to 255 digits, the full 255 and the single digit often.
std::int32_t PickLength(std::mt19937_64& rng) {
  switch (Uniform(rng, 0, 7)) {
    case 0: return MostDigits;
    case 1: return 1;
    default: return Uniform(rng, 1, MostDigits);
  }
}

// Valid digits of a number in `base` (2 or more): no leading zero except for
// zero itself, in runs of 0, of the top digit and of random digits, so that
// zero groups inside a number and the widest digit both turn up.
std::vector<std::int32_t> RandomDigits(std::mt19937_64& rng, std::int32_t base,
                                       std::int32_t length) {
  std::vector<std::int32_t> digits;
  while (static_cast<std::int32_t>(digits.size()) < length) {
    const std::int32_t kind = Uniform(rng, 0, 2);
    for (std::int32_t run = Uniform(rng, 1, 40);
         run > 0 && static_cast<std::int32_t>(digits.size()) < length; --run) {
      digits.push_back(kind == 0   ? 0
                       : kind == 1 ? base - 1
                                   : Uniform(rng, 0, base - 1));
    }
  }
  if (length > 1 && digits[0] == 0) digits[0] = Uniform(rng, 1, base - 1);
  return digits;
}

std::string Describe(std::int32_t base, std::int32_t form, bool upper,
                     const std::vector<std::int32_t>& digits) {
  std::ostringstream out;
  out << "seed " << RunSeed() << ", base " << base << ", form " << form
      << (upper ? ", upper case" : ", lower case") << ", digits {";
  for (std::size_t i = 0; i < digits.size(); ++i) {
    out << (i == 0 ? "" : ",") << digits[i];
  }
  out << "}";
  return out.str();
}

// ---------------------------------------------------------------------------
// Base-n texts.

struct FormRow {
  const char* name;
  std::int32_t form;
  std::int32_t lowestBase;
  std::int32_t highestBase;
};

// Letters only as far as there are letters; a form beyond 4, which only a
// stored setting can bring, is written without separators and read back as
// fixed-width groups.
const FormRow FormRows[] = {
    {"letters", FormLetters, 2, 36},
    {"colon", FormColon, 2, 999},
    {"space", FormSpace, 2, 999},
    {"slash", FormSlash, 2, 999},
    {"backslash", FormBackslash, 2, 999},
    {"fixed_width_form_7", 7, 2, 999},
};

void PrintTo(const FormRow& row, std::ostream* out) { *out << row.name; }

class BaseRoundTrip : public ::testing::TestWithParam<FormRow> {};

// The text in `form` of `digits` in base `base`, spelled out as the field
// shows it, independently of ShowDigitsO: one character a digit in the letter
// form, else each digit zero-filled to the length of the base text, with the
// form's separator between digits.
std::string CanonicalText(const std::vector<std::int32_t>& digits,
                          std::int32_t base, std::int32_t form, bool upper) {
  static constexpr char lower[] = "0123456789abcdefghijklmnopqrstuvwxyz";
  static constexpr char capital[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
  static constexpr char separators[] = {'\0', ':', ' ', '/', '\\'};
  const std::size_t width = std::to_string(base).size();
  std::string text;
  for (std::size_t i = 0; i < digits.size(); ++i) {
    const auto digit = static_cast<std::size_t>(digits[i]);
    if (form == FormLetters) {
      text.push_back(upper ? capital[digit] : lower[digit]);
      continue;
    }
    if (form >= FormColon && form <= FormBackslash && i > 0) {
      text.push_back(separators[form]);
    }
    const std::string decimal = std::to_string(digits[i]);
    text.append(width - decimal.size(), '0').append(decimal);
  }
  return text;
}

TEST_P(BaseRoundTrip, DigitsWrittenAndReadAreTheSameDigits) {
  const FormRow& row = GetParam();
  std::mt19937_64 rng =
      SeededGenerator(*this, 0x4469676974730000 + static_cast<std::uint64_t>(row.form));
  for (std::int32_t base = row.lowestBase; base <= row.highestBase; ++base) {
    const std::string baseText = std::to_string(base);
    // Zero, the largest 255-digit number, then random numbers.
    for (int trial = 0; trial < 8; ++trial) {
      const std::vector<std::int32_t> digits =
          trial == 0   ? std::vector<std::int32_t>{0}
          : trial == 1 ? std::vector<std::int32_t>(MostDigits, base - 1)
                       : RandomDigits(rng, base, PickLength(rng));
      const bool upper = trial % 2 == 1;
      const std::string text =
          ShowDigitsO(Digits(digits), baseText, row.form, upper);
      const std::vector<std::int32_t> back =
          Values(ReadBaseDigits(text, baseText, row.form));
      if (back != digits) {
        SCOPED_TRACE(Describe(base, row.form, upper, digits));
        EXPECT_EQ(back, digits) << "text \"" << text << "\"";
        return;
      }
    }
  }
}

TEST_P(BaseRoundTrip, CanonicalTextReadAndWrittenIsItself) {
  const FormRow& row = GetParam();
  std::mt19937_64 rng =
      SeededGenerator(*this, 0x5465787473000000 + static_cast<std::uint64_t>(row.form));
  for (std::int32_t base = row.lowestBase; base <= row.highestBase; ++base) {
    const std::string baseText = std::to_string(base);
    for (int trial = 0; trial < 8; ++trial) {
      const std::vector<std::int32_t> digits =
          trial == 0 ? std::vector<std::int32_t>{0}
                     : RandomDigits(rng, base, PickLength(rng));
      const bool upper = trial % 2 == 1;
      const std::string text = CanonicalText(digits, base, row.form, upper);
      const DigitArray read = ReadBaseDigits(text, baseText, row.form);
      const std::string again = ShowDigitsO(read, baseText, row.form, upper);
      if (again != text || read.count != static_cast<std::int32_t>(digits.size())) {
        SCOPED_TRACE(Describe(base, row.form, upper, digits));
        EXPECT_EQ(again, text);
        EXPECT_EQ(read.count, static_cast<std::int32_t>(digits.size()));
        return;
      }
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Forms, BaseRoundTrip, ::testing::ValuesIn(FormRows),
                         testing::RowName());

// Base 1 is a tally of zero digits. Every count from 1 to 255 survives the
// trip in every form, and the text is a run of "0" (joined by the separator
// in forms 1 to 4). A full array of 256 zeros comes back only from the
// unary reader of the letter form; every other reader calls it overflow.
TEST(UnaryRoundTrip, EveryCountOfZeroDigitsSurvives) {
  for (const FormRow& row : FormRows) {
    for (std::int32_t count = 1; count <= MaxDigits; ++count) {
      const std::vector<std::int32_t> zeros(static_cast<std::size_t>(count), 0);
      const std::string text = ShowDigitsO(Digits(zeros), "1", row.form, false);
      SCOPED_TRACE(std::string("form ") + row.name + ", " +
                   std::to_string(count) + " zero digits, text \"" + text + "\"");
      EXPECT_EQ(text, CanonicalText(zeros, 1, row.form, false));

      const DigitArray read = ReadBaseDigits(text, "1", row.form);
      if (count <= MostDigits || row.form == FormLetters) {
        EXPECT_EQ(Values(read), zeros);
      } else {
        EXPECT_EQ(read.count, OverflowCount);
      }
      if (HasFailure()) return;
    }
  }
}

// ---------------------------------------------------------------------------
// Decimal and hexadecimal texts.

TEST(DecimalRoundTrip, DigitsWrittenAndReadAreTheSameDigits) {
  std::mt19937_64 rng = SeededGenerator(*this, 0x4465630000000001);
  for (int trial = 0; trial < 10000; ++trial) {
    const std::vector<std::int32_t> digits =
        trial == 0 ? std::vector<std::int32_t>{0}
                   : RandomDigits(rng, 10, PickLength(rng));
    const std::string text = ShowDigitsD(Digits(digits));
    const DecimalReading reading = ReadDecimalDigits(text);
    if (Values(reading.digits) != digits || reading.cleaned != text) {
      SCOPED_TRACE(Describe(10, -1, false, digits));
      EXPECT_EQ(Values(reading.digits), digits);
      EXPECT_EQ(reading.cleaned, text) << "a written text is already clean";
      return;
    }
  }
}

TEST(DecimalRoundTrip, CanonicalTextReadAndWrittenIsItself) {
  std::mt19937_64 rng = SeededGenerator(*this, 0x4465630000000002);
  for (int trial = 0; trial < 10000; ++trial) {
    const std::int32_t length = trial == 0 ? 1 : PickLength(rng);
    std::string text;
    for (std::int32_t i = 0; i < length; ++i) {
      const std::int32_t lowest = i == 0 && length > 1 ? 1 : 0;
      text.push_back(static_cast<char>('0' + Uniform(rng, lowest, 9)));
    }
    const std::string again = ShowDigitsD(ReadDecimalDigits(text).digits);
    if (again != text) {
      SCOPED_TRACE("seed " + std::to_string(RunSeed()));
      EXPECT_EQ(again, text);
      return;
    }
  }
}

TEST(HexRoundTrip, DigitsWrittenAndReadAreTheSameDigits) {
  std::mt19937_64 rng = SeededGenerator(*this, 0x4865780000000001);
  for (int trial = 0; trial < 10000; ++trial) {
    const std::vector<std::int32_t> digits =
        trial == 0 ? std::vector<std::int32_t>{0}
                   : RandomDigits(rng, 16, PickLength(rng));
    const bool upper = trial % 2 == 1;
    const std::string text = ShowDigitsH(Digits(digits), upper);
    const std::vector<std::int32_t> back = Values(ReadHexDigits(text));
    if (back != digits) {
      SCOPED_TRACE(Describe(16, -1, upper, digits));
      EXPECT_EQ(back, digits) << "text \"" << text << "\"";
      return;
    }
  }
}

TEST(HexRoundTrip, CanonicalTextReadAndWrittenIsItself) {
  static constexpr char lower[] = "0123456789abcdef";
  static constexpr char capital[] = "0123456789ABCDEF";
  std::mt19937_64 rng = SeededGenerator(*this, 0x4865780000000002);
  for (int trial = 0; trial < 10000; ++trial) {
    const bool upper = trial % 2 == 1;
    const std::int32_t length = trial < 2 ? 1 : PickLength(rng);
    std::string text;
    for (std::int32_t i = 0; i < length; ++i) {
      const std::int32_t lowest = i == 0 && length > 1 ? 1 : 0;
      const auto digit = static_cast<std::size_t>(Uniform(rng, lowest, 15));
      text.push_back(upper ? capital[digit] : lower[digit]);
    }
    const std::string again = ShowDigitsH(ReadHexDigits(text), upper);
    if (again != text) {
      SCOPED_TRACE("seed " + std::to_string(RunSeed()) +
                   (upper ? ", upper case" : ", lower case"));
      EXPECT_EQ(again, text);
      return;
    }
  }
}

}  // namespace
}  // namespace nodri
