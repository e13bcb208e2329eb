// Reading and writing decimal and hexadecimal texts.
#include <gtest/gtest.h>

#include <string>

#include "test_digits.h"

namespace nodri {
namespace {

using testing::Digits;
using testing::Overflow;
using testing::Values;

struct DecimalRow {
  const char* name;
  std::string text;
  std::string cleaned;
};

class ReadDecimalDigitsTest : public ::testing::TestWithParam<DecimalRow> {};

// The digits must be exactly those of the cleaned text, so one table checks
// both results.
TEST_P(ReadDecimalDigitsTest, CleansAndReads) {
  const DecimalRow& row = GetParam();
  const DecimalReading reading = ReadDecimalDigits(row.text);
  EXPECT_EQ(reading.cleaned, row.cleaned);
  std::vector<std::int32_t> expected;
  for (const char c : row.cleaned) expected.push_back(c - '0');
  EXPECT_EQ(Values(reading.digits), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ReadDecimalDigitsTest,
    ::testing::Values(
        DecimalRow{"empty_reads_zero", "", "0"},
        DecimalRow{"zeros_collapse", "000", "0"},
        DecimalRow{"leading_zeros_go", "007", "7"},
        DecimalRow{"thousands_separators_go", "1,234,567", "1234567"},
        DecimalRow{"sign_and_blanks_go", " -12 ", "12"},
        DecimalRow{"plus_goes", "+5", "5"},
        DecimalRow{"exponent_letter_goes", "1e3", "13"},
        DecimalRow{"hex_prefix_leaves_zero_then_dropped", "0x1F", "1"},
        DecimalRow{"zero_after_filter_is_leading", "x0y0z5", "5"},
        DecimalRow{"inner_zeros_stay", "1 0 0", "100"},
        DecimalRow{"full_width_digits_are_not_digits", "\x82\x50\x82\x51", "0"},
        DecimalRow{"katakana_a_vanishes", "\x83\x41", "0"},
        DecimalRow{"overflow_text_reads_zero", "Overflow!", "0"}),
    testing::RowName());

struct HexRow {
  const char* name;
  std::string text;
  std::vector<std::int32_t> digits;
};

class ReadHexDigitsTest : public ::testing::TestWithParam<HexRow> {};

TEST_P(ReadHexDigitsTest, Reads) {
  EXPECT_EQ(Values(ReadHexDigits(GetParam().text)), GetParam().digits);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ReadHexDigitsTest,
    ::testing::Values(
        HexRow{"prefix_x_then_leading_zero_go", "0x1F", {1, 15}},
        HexRow{"both_cases", "FfAa", {15, 15, 10, 10}},
        HexRow{"no_digit_reads_zero", "ghij", {0}},
        HexRow{"empty_reads_zero", "", {0}},
        HexRow{"zeros_collapse", "0000", {0}},
        HexRow{"katakana_a_leaves_its_second_byte", "\x83\x41", {10}},
        HexRow{"overflow_text_keeps_e_and_f", "Overflow!", {14, 15}}),
    testing::RowName());

// The 255/256 edge holds for the cleaned count, not the raw length: junk and
// leading zeros do not count.
TEST(Readers, OverflowStartsAtTwoHundredFiftySixCleanedDigits) {
  const std::string junk = "00-- ";
  const std::string d255 = junk + std::string(255, '7');
  const std::string d256 = junk + std::string(256, '7');

  const DecimalReading fits = ReadDecimalDigits(d255);
  EXPECT_EQ(fits.digits.count, 255);
  EXPECT_EQ(fits.cleaned, std::string(255, '7'));
  const DecimalReading over = ReadDecimalDigits(d256);
  EXPECT_EQ(over.digits.count, OverflowCount);
  EXPECT_EQ(over.cleaned, std::string(256, '7')) << "the cleaned text stays whole";

  EXPECT_EQ(ReadHexDigits(junk + std::string(255, 'f')).count, 255);
  EXPECT_EQ(ReadHexDigits(junk + std::string(256, 'f')).count, OverflowCount);
}

// A pasted text far beyond the storage is read in one pass and never written
// past the array.
TEST(Readers, MegabyteTextsOverflowWithoutWritingPastStorage) {
  const std::string big(4 << 20, '9');
  const DecimalReading decimal = ReadDecimalDigits(big);
  EXPECT_EQ(decimal.digits.count, OverflowCount);
  EXPECT_EQ(decimal.cleaned.size(), big.size());
  EXPECT_EQ(decimal.digits.digits[MaxDigits - 1], 9);
  EXPECT_EQ(ReadHexDigits(big).count, OverflowCount);
}

struct ShowRow {
  const char* name;
  DigitArray digits;
  std::string decimal;
  std::string hexLower;
  std::string hexUpper;
};

class ShowDigitsTest : public ::testing::TestWithParam<ShowRow> {};

TEST_P(ShowDigitsTest, WritesBothNotations) {
  const ShowRow& row = GetParam();
  EXPECT_EQ(ShowDigitsD(row.digits), row.decimal);
  EXPECT_EQ(ShowDigitsH(row.digits, false), row.hexLower);
  EXPECT_EQ(ShowDigitsH(row.digits, true), row.hexUpper);
}

DigitArray OverflowArray() {
  DigitArray a = Digits({1});
  a.count = OverflowCount;
  return a;
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ShowDigitsTest,
    ::testing::Values(
        ShowRow{"letters_follow_case", Digits({15, 15}), "1515", "ff", "FF"},
        ShowRow{"plain_digits", Digits({2, 5, 5}), "255", "255", "255"},
        ShowRow{"overflow", OverflowArray(), "Overflow!", "Overflow!", "Overflow!"},
        ShowRow{"count_zero_is_empty", Digits({}), "", "", ""},
        ShowRow{"values_outside_notation_in_decimal", Digits({1, 12}), "112", "1c", "1C"},
        ShowRow{"negative_value_keeps_sign", Digits({-3}), "-3", "-3", "-3"},
        ShowRow{"sixteen_is_not_a_letter", Digits({16, 9}), "169", "169", "169"}),
    testing::RowName());

}  // namespace
}  // namespace nodri
