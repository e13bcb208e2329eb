// Reading and writing base-n texts in every form.
#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "test_digits.h"

namespace nodri {
namespace {

using testing::Digits;
using testing::Overflow;
using testing::Values;

struct ReadRow {
  const char* name;
  std::string text;
  std::string baseText;
  std::int32_t form;
  std::vector<std::int32_t> digits;
};

class ReadBaseDigitsTest : public ::testing::TestWithParam<ReadRow> {};

TEST_P(ReadBaseDigitsTest, Reads) {
  const ReadRow& row = GetParam();
  EXPECT_EQ(Values(ReadBaseDigits(row.text, row.baseText, row.form)), row.digits);
}

INSTANTIATE_TEST_SUITE_P(
    Letters, ReadBaseDigitsTest,
    ::testing::Values(
        ReadRow{"empty_reads_zero", "", "36", 0, {0}},
        ReadRow{"zeros_read_zero", "0000", "36", 0, {0}},
        ReadRow{"either_case", "Zz", "36", 0, {35, 35}},
        ReadRow{"junk_dropped", "-1_2 3", "10", 0, {1, 2, 3}},
        ReadRow{"out_of_range_removed_and_gap_closed", "1a2", "10", 0, {1, 2}},
        ReadRow{"all_out_of_range_is_count_zero", "a", "10", 0, {}},
        ReadRow{"zero_behind_removed_digit_stays", "0a05", "10", 0, {0, 5}},
        ReadRow{"full_width_one_leaves_P", "\x82\x50", "36", 0, {25}},
        ReadRow{"full_width_one_removed_in_base_25", "\x82\x50", "25", 0, {}},
        ReadRow{"letters_of_overflow_text", "Overflow!", "36", 0,
                {24, 31, 14, 27, 15, 21, 24, 32}}),
    testing::RowName());

INSTANTIATE_TEST_SUITE_P(
    Unary, ReadBaseDigitsTest,
    ::testing::Values(
        ReadRow{"three_zeros", "000", "1", 0, {0, 0, 0}},
        ReadRow{"other_bytes_ignored", "0a0", "1", 0, {0, 0}},
        ReadRow{"empty_is_one_zero", "", "1", 0, {0}},
        ReadRow{"no_zero_is_one_zero", "abc", "1", 0, {0}},
        ReadRow{"grouped_zero_groups_all_count", "0:0:0", "1", 1, {0, 0, 0}},
        ReadRow{"grouped_values_not_compared_with_base", "5:3", "1", 1, {5, 3}}),
    testing::RowName());

INSTANTIATE_TEST_SUITE_P(
    Grouped, ReadBaseDigitsTest,
    ::testing::Values(
        ReadRow{"short_groups", "1:2:3", "60", 1, {1, 2, 3}},
        ReadRow{"padded_groups", "01:02:03", "60", 1, {1, 2, 3}},
        ReadRow{"empty_inner_group_is_zero", "1::3", "60", 1, {1, 0, 3}},
        ReadRow{"empty_first_group_is_leading_zero", ":5", "60", 1, {5}},
        ReadRow{"no_group_after_final_separator", "5:", "60", 1, {5}},
        ReadRow{"empty_text_is_count_zero", "", "60", 1, {}},
        ReadRow{"zero_groups_keep_one", "0:0:0", "60", 1, {0}},
        ReadRow{"inner_zero_groups_stay", "0:1:0:5", "60", 1, {1, 0, 5}},
        ReadRow{"every_group_shape", " 7:$1F:-2:+4", "60", 1, {7, 31, -2, 4}},
        ReadRow{"trailing_blank_spoils", "7 ", "60", 1, {0}},
        ReadRow{"decimal_out_of_range_is_zero", "99999999999", "60", 1, {0}},
        ReadRow{"group_above_base_kept", "1:75", "60", 1, {1, 75}},
        ReadRow{"space_form_two_blanks", "1  2", "60", 2, {1, 0, 2}},
        ReadRow{"slash_form", "01/02/03", "60", 3, {1, 2, 3}},
        ReadRow{"colon_is_junk_in_slash_form", "01:02", "60", 3, {0}},
        ReadRow{"backslash_form", "01\\02\\03", "60", 4, {1, 2, 3}},
        // The second byte of "ソ" (0x83 0x5C) is a backslash and ends a
        // group: "3" then "1" + 0x83 (no value) then "2".
        ReadRow{"double_byte_character_splits_backslash_groups",
                "3\\1\x83\\2", "60", 4, {3, 0, 2}}),
    testing::RowName());

// A form number outside 0 to 4 can come only from a stored setting. Such a
// text has no separators, so it is read as fixed-width groups from the right.
INSTANTIATE_TEST_SUITE_P(
    OtherForms, ReadBaseDigitsTest,
    ::testing::Values(
        ReadRow{"groups_from_the_right", "010203", "60", 7, {1, 2, 3}},
        ReadRow{"short_first_group", "10203", "60", 7, {1, 2, 3}},
        ReadRow{"junk_dropped_before_cutting", "01:0x2-03", "60", 7, {1, 2, 3}},
        ReadRow{"width_three", "002270", "365", -1, {2, 270}},
        ReadRow{"leading_zero_groups_go", "000005", "60", 5, {5}},
        ReadRow{"unary_keeps_zero_groups", "000", "1", 9, {0, 0, 0}},
        ReadRow{"no_digit_is_count_zero", "abc", "60", 7, {}}),
    testing::RowName());

struct GroupRow {
  const char* name;
  std::string group;
  std::int32_t value;
};

class ParseGroupValueTest : public ::testing::TestWithParam<GroupRow> {};

TEST_P(ParseGroupValueTest, Parses) {
  EXPECT_EQ(ParseGroupValue(GetParam().group), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ParseGroupValueTest,
    ::testing::Values(
        GroupRow{"plain", "42", 42},
        GroupRow{"leading_zeros_allowed", "00000000000000000042", 42},
        GroupRow{"leading_blanks_skipped", "   42", 42},
        GroupRow{"tab_is_not_a_blank", "\t42", 0},
        GroupRow{"trailing_blank_spoils", "42 ", 0},
        GroupRow{"stray_byte_spoils", "4a2", 0},
        GroupRow{"empty", "", 0},
        GroupRow{"blanks_only", "   ", 0},
        GroupRow{"plus", "+7", 7},
        GroupRow{"minus", "-7", -7},
        GroupRow{"sign_alone", "-", 0},
        GroupRow{"sign_then_blank", "- 7", 0},
        GroupRow{"int32_max", "2147483647", std::numeric_limits<std::int32_t>::max()},
        GroupRow{"int32_max_plus_one", "2147483648", 0},
        GroupRow{"int32_min", "-2147483648", std::numeric_limits<std::int32_t>::min()},
        GroupRow{"int32_min_minus_one", "-2147483649", 0},
        GroupRow{"many_digits", "123456789012345678901234567890", 0},
        GroupRow{"dollar_hex", "$1F", 31},
        GroupRow{"x_hex", "x1f", 31},
        GroupRow{"capital_x_hex", "X10", 16},
        GroupRow{"zero_x_hex", "0x10", 16},
        GroupRow{"zero_capital_x_hex", "0XfF", 255},
        GroupRow{"prefix_without_digits", "0x", 0},
        GroupRow{"dollar_alone", "$", 0},
        GroupRow{"sign_before_prefix", "-$5", 0},
        GroupRow{"eight_fs_are_minus_one", "$FFFFFFFF", -1},
        GroupRow{"top_bit_is_negative", "0x80000000", std::numeric_limits<std::int32_t>::min()},
        GroupRow{"leading_hex_zeros_do_not_count", "$0000000000000001", 1},
        GroupRow{"nine_significant_hex_digits", "$100000000", 0},
        GroupRow{"hex_letter_out_of_range", "$1G", 0},
        GroupRow{"blank_then_hex", "  $10", 16}),
    testing::RowName());

TEST(ReadGroupedDigits, OverflowCountsAfterLeadingZeroGroupsGo) {
  std::string groups256 = "1";
  for (int i = 1; i < 256; ++i) groups256 += ":1";
  EXPECT_EQ(ReadGroupedDigits(groups256, ':', "60").count, OverflowCount);

  std::string zeroThen255 = "0";
  for (int i = 1; i < 256; ++i) zeroThen255 += ":1";
  EXPECT_EQ(ReadGroupedDigits(zeroThen255, ':', "60").count, 255);
  // In base 1 the zero group counts, so the same text overflows.
  EXPECT_EQ(ReadGroupedDigits(zeroThen255, ':', "1").count, OverflowCount);
}

TEST(ReadLetterDigits, OverflowCountsAfterOutOfRangeDigitsGo) {
  EXPECT_EQ(ReadLetterDigits(std::string(255, 'z'), "36").count, 255);
  EXPECT_EQ(ReadLetterDigits(std::string(256, 'z'), "36").count, OverflowCount);
  // 300 letters of which 100 are out of range in base 30 leave 200 digits.
  const std::string mixed = std::string(200, 't') + std::string(100, 'z');
  EXPECT_EQ(ReadLetterDigits(mixed, "30").count, 200);
}

TEST(ReadUnaryDigits, FillsAllStorageThenOverflows) {
  EXPECT_EQ(ReadUnaryDigits(std::string(256, '0')).count, MaxDigits);
  EXPECT_EQ(ReadUnaryDigits(std::string(257, '0')).count, OverflowCount);
  EXPECT_EQ(ReadUnaryDigits(std::string(1 << 20, '0')).count, OverflowCount);
}

struct ShowRow {
  const char* name;
  DigitArray digits;
  std::string baseText;
  std::int32_t form;
  bool caseUpper;
  std::string text;
};

class ShowDigitsOTest : public ::testing::TestWithParam<ShowRow> {};

TEST_P(ShowDigitsOTest, Writes) {
  const ShowRow& row = GetParam();
  EXPECT_EQ(ShowDigitsO(row.digits, row.baseText, row.form, row.caseUpper), row.text);
}

DigitArray OverflowArray() {
  DigitArray a;
  a.count = OverflowCount;
  return a;
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ShowDigitsOTest,
    ::testing::Values(
        ShowRow{"colon", Digits({1, 2, 3}), "60", 1, false, "01:02:03"},
        ShowRow{"space", Digits({1, 2, 3}), "60", 2, false, "01 02 03"},
        ShowRow{"slash", Digits({1, 2, 3}), "60", 3, false, "01/02/03"},
        ShowRow{"backslash", Digits({1, 2, 3}), "60", 4, false, "01\\02\\03"},
        ShowRow{"base_ten_pads_to_two", Digits({3, 7, 2, 3}), "10", 1, false, "03:07:02:03"},
        ShowRow{"base_365_pads_to_three", Digits({10, 73}), "365", 1, false, "010:073"},
        ShowRow{"base_two_no_padding", Digits({1, 0, 1}), "2", 1, false, "1:0:1"},
        ShowRow{"letters_lower", Digits({2, 31, 15}), "36", 0, false, "2vf"},
        ShowRow{"letters_upper", Digits({2, 31, 15}), "36", 0, true, "2VF"},
        ShowRow{"letter_form_never_pads", Digits({15, 0}), "16", 0, false, "f0"},
        ShowRow{"letter_form_above_z_in_decimal", Digits({1, 36}), "40", 0, false, "136"},
        ShowRow{"unary_letters", Digits({0, 0, 0}), "1", 0, false, "000"},
        ShowRow{"unary_groups", Digits({0, 0, 0}), "1", 1, false, "0:0:0"},
        ShowRow{"count_zero_is_empty", Digits({}), "60", 1, false, ""},
        ShowRow{"overflow_letters", OverflowArray(), "36", 0, false, "Overflow!"},
        ShowRow{"overflow_groups", OverflowArray(), "60", 3, false, "Overflow!"},
        ShowRow{"minus_counts_towards_width", Digits({-5}), "365", 1, false, "0-5"},
        ShowRow{"other_form_no_separator", Digits({1, 2, 3}), "60", 7, false, "010203"}),
    testing::RowName());

TEST(AtolValue, FollowsAtolAndSaturates) {
  struct Row { const char* text; std::int32_t value; };
  const Row rows[] = {
      {"60", 60}, {"06", 6}, {"+6", 6}, {" 6", 6}, {"6x", 6}, {"\t\n 7", 7},
      {"", 0}, {"-", 0}, {"x", 0}, {"-5", -5}, {"- 5", 0}, {"5000", 5000},
      {"2147483647", 2147483647}, {"99999999999999999999", 2147483647},
      {"-2147483648", std::numeric_limits<std::int32_t>::min()},
      {"-99999999999999999999", std::numeric_limits<std::int32_t>::min()},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(AtolValue(row.text), row.value) << '"' << row.text << '"';
  }
}

}  // namespace
}  // namespace nodri
