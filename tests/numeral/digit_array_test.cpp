// Long division and change of base on digit arrays.
#include <gtest/gtest.h>

#include <limits>
#include <random>

#include "test_digits.h"

namespace nodri {
namespace {

using testing::Digits;
using testing::Overflow;
using testing::Values;

struct DivideRow {
  const char* name;
  std::vector<std::int32_t> dividend;
  std::int32_t base;
  std::int32_t divisor;
  std::vector<std::int32_t> quotient;
  std::int32_t remainder;
};

class DivideDigitsTest : public ::testing::TestWithParam<DivideRow> {};

TEST_P(DivideDigitsTest, LeavesQuotientAndReturnsRemainder) {
  const DivideRow& row = GetParam();
  DigitArray array = Digits(row.dividend);
  EXPECT_EQ(DivideDigits(array, row.base, row.divisor), row.remainder);
  EXPECT_EQ(Values(array), row.quotient);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, DivideDigitsTest,
    ::testing::Values(
        DivideRow{"leading_zero_of_quotient_dropped", {2, 5, 5}, 10, 16, {1, 5}, 15},
        DivideRow{"inner_zero_kept", {1, 0, 5}, 10, 10, {1, 0}, 5},
        DivideRow{"quotient_zero_leaves_count_zero", {7}, 10, 16, {}, 7},
        DivideRow{"empty_dividend_is_zero", {}, 10, 16, {}, 0},
        DivideRow{"leading_zeros_of_dividend", {0, 0, 4, 2}, 10, 7, {6}, 0},
        DivideRow{"negative_digit_gives_negative_remainder", {-3}, 60, 10, {}, -3},
        DivideRow{"base_one_weighs_every_position_one", {1, 1, 1}, 1, 2, {1, 0}, 1}),
    testing::RowName());

TEST(DivideDigits, OverflowMarkerDividesAsZero) {
  DigitArray array = Digits({4, 2});
  array.count = OverflowCount;
  EXPECT_EQ(DivideDigits(array, 10, 16), 0);
  EXPECT_EQ(array.count, 0);
}

// A 256-digit dividend is possible only from the unary reader; its quotient
// fits exactly when the first digit is below the divisor.
TEST(DivideDigits, QuotientOfFullStorageOverflowsAndLeavesArrayAlone) {
  DigitArray array;
  array.count = MaxDigits;
  array.digits.fill(1);
  array.digits[0] = 5;
  const DigitArray before = array;
  EXPECT_EQ(DivideDigits(array, 10, 3), OverflowCount);
  EXPECT_EQ(Values(array), Values(before));

  array.digits[0] = 2;
  EXPECT_NE(DivideDigits(array, 10, 3), OverflowCount);
  EXPECT_EQ(array.count, MaxDigits - 1);
}

// Out-of-range groups can make digit + base * remainder leave 32 bits. The
// sum wraps; any answer is acceptable, a fault is not (the sanitizer run of
// this test catches signed overflow).
TEST(DivideDigits, HugeDigitValuesWrapWithoutFault) {
  constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
  constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
  DigitArray array = Digits({kMax, kMax, kMin, -1, kMax});
  DigitArray result;
  for (const std::int32_t base : {1, 2, 999}) {
    for (const std::int32_t target : {2, 10, 16, 999}) {
      DigitArray copy = array;
      (void)DivideDigits(copy, base, target);
      (void)ConvertDigits(array, base, target, result);
    }
  }
  // The wrap is the 32-bit one: 1 / kMax leaves remainder 1; then
  // kMax + 2 * 1 wraps to kMin + 1 = -kMax, which divides to -1, remainder 0.
  DigitArray wrapped = Digits({1, kMax});
  EXPECT_EQ(DivideDigits(wrapped, 2, kMax), 0);
  EXPECT_EQ(Values(wrapped), std::vector<std::int32_t>{-1});
}

struct ConvertRow {
  const char* name;
  std::vector<std::int32_t> source;
  std::int32_t from;
  std::int32_t to;
  std::vector<std::int32_t> result;
};

class ConvertDigitsTest : public ::testing::TestWithParam<ConvertRow> {};

TEST_P(ConvertDigitsTest, WritesNumberInTargetBase) {
  const ConvertRow& row = GetParam();
  const DigitArray source = Digits(row.source);
  DigitArray result = Digits({9, 9, 9});
  const std::int32_t count = ConvertDigits(source, row.from, row.to, result);
  EXPECT_EQ(count, static_cast<std::int32_t>(row.result.size()));
  EXPECT_EQ(Values(result), row.result);
  EXPECT_EQ(Values(source), row.source) << "the source must not change";
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ConvertDigitsTest,
    ::testing::Values(
        ConvertRow{"decimal_255_to_hex", {2, 5, 5}, 10, 16, {15, 15}},
        ConvertRow{"decimal_256_to_hex", {2, 5, 6}, 10, 16, {1, 0, 0}},
        ConvertRow{"single_zero", {0}, 10, 16, {0}},
        ConvertRow{"zeros_only", {0, 0, 0}, 60, 999, {0}},
        ConvertRow{"empty_is_zero", {}, 10, 2, {0}},
        ConvertRow{"leading_zeros_vanish", {0, 0, 7}, 10, 16, {7}},
        ConvertRow{"same_base_drops_leading_zeros", {0, 3, 0, 59}, 60, 60, {3, 0, 59}},
        ConvertRow{"base_one_is_digit_sum", {1, 1, 1}, 1, 10, {3}},
        ConvertRow{"base_one_zeros", {0, 0, 0, 0}, 1, 16, {0}},
        ConvertRow{"digit_above_base_at_face_value", {1, 12}, 10, 10, {2, 2}},
        ConvertRow{"negative_digit_passes_through", {-3}, 60, 10, {-3}},
        ConvertRow{"clock_reading", {1, 2, 3}, 60, 10, {3, 7, 2, 3}}),
    testing::RowName());

TEST(ConvertDigits, OverflowMarkerConvertsToZero) {
  DigitArray source = Digits({1, 2, 3});
  source.count = OverflowCount;
  DigitArray result;
  EXPECT_EQ(ConvertDigits(source, 10, 16, result), 1);
  EXPECT_EQ(Values(result), std::vector<std::int32_t>{0});
  EXPECT_EQ(source.count, OverflowCount);
}

// A remainder of -1 is the overflow value whatever its cause.
TEST(ConvertDigits, MinusOneDigitReportsOverflow) {
  for (const std::int32_t base : {2, 10, 60, 999}) {
    const DigitArray source = Digits({-1});
    DigitArray result = Digits({4, 4});
    EXPECT_EQ(ConvertDigits(source, base, 10, result), OverflowCount);
    EXPECT_EQ(Values(result), std::vector<std::int32_t>({4, 4}))
        << "an overflow writes no partial result";
  }
}

TEST(ConvertDigits, TwoToThe255NeedsOneDigitTooMany) {
  // 2^255 - 1 and 2^255 in hexadecimal: "7fff...f" (64 digits) and "8000...0".
  DigitArray below;
  below.count = 64;
  below.digits.fill(15);
  below.digits[0] = 7;
  DigitArray result;
  ASSERT_EQ(ConvertDigits(below, 16, 2, result), 255);
  for (std::int32_t i = 0; i < 255; ++i) ASSERT_EQ(result.digits[static_cast<std::size_t>(i)], 1);

  DigitArray power = Digits(std::vector<std::int32_t>(64, 0));
  power.digits[0] = 8;
  EXPECT_EQ(ConvertDigits(power, 16, 2, result), OverflowCount);
  EXPECT_EQ(Values(power)[0], 8);
}

TEST(ConvertDigits, TwoHundredFiftyFiveHexFsOverflowDecimal) {
  const DigitArray source = Digits(std::vector<std::int32_t>(255, 15));
  DigitArray result;
  EXPECT_EQ(ConvertDigits(source, 16, 10, result), OverflowCount);
  EXPECT_EQ(source.count, 255);
}

}  // namespace
}  // namespace nodri

namespace nodri {
namespace {

// Ordinary digits take a faster path than the plain division procedure; the
// two must give the same digits and the same overflow, leading zeros and the
// 255/256 edge included.
TEST(ConvertDigits, FastPathMatchesThePlainProcedure) {
  std::mt19937 random(20261211);
  const std::int32_t bases[] = {2, 3, 7, 10, 16, 36, 60, 255, 256, 257, 365, 998, 999};
  for (int round = 0; round < 3000; ++round) {
    const std::int32_t from = bases[random() % std::size(bases)];
    const std::int32_t to = bases[random() % std::size(bases)];
    DigitArray source;
    source.count = 1 + static_cast<std::int32_t>(random() % (MaxDigits - 1));
    const int shape = static_cast<int>(random() % 4);
    for (std::int32_t i = 0; i < source.count; ++i) {
      std::int32_t digit = static_cast<std::int32_t>(random() % static_cast<unsigned>(from));
      if (shape == 1) digit = from - 1;                   // the largest number of that length
      if (shape == 2 && i < source.count / 2) digit = 0;  // many leading zeros
      source.digits[static_cast<std::size_t>(i)] = digit;
    }
    SCOPED_TRACE(::testing::Message() << "round " << round << ": " << source.count
                                      << " digits, base " << from << " to " << to);
    DigitArray fast, plain;
    const std::int32_t fastCount = ConvertDigits(source, from, to, fast);
    const std::int32_t plainCount = internal::ConvertDigitsByDivision(source, from, to, plain);
    ASSERT_EQ(fastCount, plainCount);
    if (fastCount > 0) {
      ASSERT_EQ(Values(fast), Values(plain));
    }
  }
}

}  // namespace
}  // namespace nodri
