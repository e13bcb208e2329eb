// Reading and writing base-n texts in the five forms.
//
// Every reader works in one forward pass and stores at most MaxDigits digits;
// past that it only counts, since the final count alone decides overflow.
#include "base_n_text.h"

#include <limits>

#include "decimal_hex_text.h"
#include "digit_text.h"

namespace nodri {
namespace {

constexpr std::int64_t Int32Min = std::numeric_limits<std::int32_t>::min();
constexpr std::int64_t Int32Max = std::numeric_limits<std::int32_t>::max();

bool IsUnaryBase(std::string_view baseText) { return baseText == "1"; }

// Collects digits into an array, storing the first MaxDigits and counting the
// rest; the count is decided when the reading is finished.
class DigitSink {
 public:
  void Add(std::int32_t value) {
    if (total_ < MaxDigits) out_.digits[static_cast<std::size_t>(total_)] = value;
    ++total_;
  }
  std::int64_t total() const { return total_; }
  // `limit`: the smallest count that is overflow.
  DigitArray Finish(std::int64_t limit) {
    out_.count = total_ >= limit ? OverflowCount
                                 : static_cast<std::int32_t>(total_);
    return out_;
  }

 private:
  DigitArray out_;
  std::int64_t total_ = 0;
};

// Takes group values in order and drops the leading zero groups, keeping one
// when all are zero; in base 1 every group counts.
class GroupSink {
 public:
  explicit GroupSink(bool keepLeadingZeros) : started_(keepLeadingZeros) {}
  void Add(std::int32_t value) {
    if (!started_) {
      if (value == 0) {
        sawZero_ = true;
        return;
      }
      started_ = true;
    }
    sink_.Add(value);
  }
  DigitArray Finish() {
    // Only zero groups were seen: the last of them stays.
    if (!started_ && sawZero_) sink_.Add(0);
    return sink_.Finish(MaxDigits);
  }

 private:
  DigitSink sink_;
  bool started_;
  bool sawZero_ = false;
};

// A run of decimal digits taken one at a time, remembering only whether its
// value still fits in 32 bits: leading zeros do not count, and eleven
// significant digits are out of range whatever they are.
class DecimalRun {
 public:
  void Push(char byte) {
    const std::int32_t digit = byte - '0';
    if (digit == 0 && significant_ == 0) return;
    if (++significant_ <= 10) value_ = value_ * 10 + digit;
  }
  // The value with its sign when it lies in the signed 32-bit range.
  bool Value(bool negative, std::int32_t& out) const {
    if (significant_ > 10) return false;
    const std::int64_t value = negative ? -value_ : value_;
    if (value < Int32Min || value > Int32Max) return false;
    out = static_cast<std::int32_t>(value);
    return true;
  }

 private:
  std::int64_t value_ = 0;
  int significant_ = 0;
};

// One or more decimal digits and nothing else.
bool ParseDecimal(std::string_view text, bool negative, std::int32_t& out) {
  if (text.empty()) return false;
  DecimalRun run;
  for (const char byte : text) {
    if (!IsDecimalDigit(byte)) return false;
    run.Push(byte);
  }
  return run.Value(negative, out);
}

// One or more hexadecimal digits and nothing else, at most eight of them
// significant, taken as a 32-bit pattern (so "FFFFFFFF" is -1).
bool ParseHex(std::string_view text, std::int32_t& out) {
  if (text.empty()) return false;
  std::uint32_t value = 0;
  int significant = 0;
  for (const char byte : text) {
    const std::int32_t digit = HexDigitValue(byte);
    if (digit < 0) return false;
    if (digit == 0 && significant == 0) continue;
    if (++significant > 8) return false;
    value = value * 16 + static_cast<std::uint32_t>(digit);
  }
  out = static_cast<std::int32_t>(value);
  return true;
}

// Separator-less text of a form outside 0 to 4: the decimal digits in groups
// of the base text's width, counted from the right, so that what ShowDigitsO
// writes for such a form reads back as the same digits.
DigitArray ReadFixedWidthDigits(std::string_view text,
                                std::string_view baseText) {
  const std::int64_t width =
      baseText.empty() ? 1 : static_cast<std::int64_t>(baseText.size());
  std::int64_t length = 0;
  for (const char byte : text) length += IsDecimalDigit(byte) ? 1 : 0;

  GroupSink groups(IsUnaryBase(baseText));
  // The first group takes what is left over from whole groups on the right.
  std::int64_t left = length % width == 0 ? width : length % width;
  DecimalRun run;
  for (const char byte : text) {
    if (!IsDecimalDigit(byte)) continue;
    run.Push(byte);
    if (--left == 0) {
      std::int32_t value = 0;
      groups.Add(run.Value(false, value) ? value : 0);
      run = DecimalRun{};
      left = width;
    }
  }
  return groups.Finish();
}

}  // namespace

std::int32_t AtolValue(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() &&
         (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r'))) {
    ++i;
  }
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  // Accumulate toward the sign so that INT32_MIN is reachable, and stop
  // growing once the range is left: the rest of the digits only saturate.
  std::int64_t value = 0;
  for (; i < text.size() && IsDecimalDigit(text[i]); ++i) {
    if (value <= Int32Max + 1) value = value * 10 + (text[i] - '0');
  }
  if (negative) return value > -Int32Min ? std::numeric_limits<std::int32_t>::min()
                                         : static_cast<std::int32_t>(-value);
  return value > Int32Max ? std::numeric_limits<std::int32_t>::max()
                          : static_cast<std::int32_t>(value);
}

char FormSeparator(std::int32_t form) {
  switch (form) {
    case FormColon: return ':';
    case FormSpace: return ' ';
    case FormSlash: return '/';
    case FormBackslash: return '\\';
    default: return '\0';
  }
}

DigitArray ReadBaseDigits(std::string_view text, std::string_view baseText,
                          std::int32_t form) {
  if (form == FormLetters) {
    return IsUnaryBase(baseText) ? ReadUnaryDigits(text)
                                 : ReadLetterDigits(text, baseText);
  }
  if (form >= FormColon && form <= FormBackslash) {
    return ReadGroupedDigits(text, FormSeparator(form), baseText);
  }
  return ReadFixedWidthDigits(text, baseText);
}

DigitArray ReadLetterDigits(std::string_view text, std::string_view baseText) {
  const std::int32_t base = AtolValue(baseText);
  DigitSink sink;
  bool leading = true;  // still inside the leading zeros
  for (const char byte : text) {
    const std::int32_t value = LetterDigitValue(byte);
    if (value < 0) continue;
    if (leading && value == 0) continue;
    leading = false;
    // Out-of-range digits go after the leading zeros did, so a zero behind a
    // removed digit stays.
    if (value < base) sink.Add(value);
  }
  // Nothing but zeros (or nothing at all): the text reads as "0".
  if (leading && 0 < base) sink.Add(0);
  return sink.Finish(MaxDigits);
}

DigitArray ReadUnaryDigits(std::string_view text) {
  DigitSink sink;
  for (const char byte : text) {
    if (byte == '0') sink.Add(0);
  }
  if (sink.total() == 0) sink.Add(0);
  // The unary run may fill the whole storage; only beyond it does it give up.
  return sink.Finish(MaxDigits + 1);
}

DigitArray ReadGroupedDigits(std::string_view text, char separator,
                             std::string_view baseText) {
  GroupSink groups(IsUnaryBase(baseText));
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != separator) continue;
    groups.Add(ParseGroupValue(text.substr(start, i - start)));
    start = i + 1;
  }
  // No empty group after a final separator, and none for an empty text.
  if (start < text.size()) groups.Add(ParseGroupValue(text.substr(start)));
  return groups.Finish();
}

std::int32_t ParseGroupValue(std::string_view group) {
  std::size_t blanks = 0;
  while (blanks < group.size() && group[blanks] == ' ') ++blanks;
  const std::string_view rest = group.substr(blanks);
  if (rest.empty()) return 0;

  std::int32_t value = 0;
  bool ok = false;
  const char first = rest[0];
  if (first == '+' || first == '-') {
    ok = ParseDecimal(rest.substr(1), first == '-', value);
  } else if (first == '$' || first == 'x' || first == 'X') {
    ok = ParseHex(rest.substr(1), value);
  } else if (first == '0' && rest.size() > 1 &&
             (rest[1] == 'x' || rest[1] == 'X')) {
    ok = ParseHex(rest.substr(2), value);
  } else {
    ok = ParseDecimal(rest, false, value);
  }
  return ok ? value : 0;
}

std::string ShowDigitsO(const DigitArray& digits, std::string_view baseText,
                        std::int32_t form, bool caseUpper) {
  if (digits.overflow()) return std::string(OverflowText);
  const std::size_t width = baseText.size();
  const char separator = FormSeparator(form);
  const char letterA = caseUpper ? 'A' : 'a';
  std::string text;
  std::string piece;
  for (std::int32_t i = 0; i < digits.count && i < MaxDigits; ++i) {
    const std::int32_t value = digits.digits[static_cast<std::size_t>(i)];
    if (form == FormLetters) {
      // The letter form never zero-fills.
      if (value >= 10 && value <= 35) {
        text.push_back(static_cast<char>(letterA + (value - 10)));
      } else {
        AppendDecimal(text, value);
      }
      continue;
    }
    if (separator != '\0' && i > 0) text.push_back(separator);
    piece.clear();
    AppendDecimal(piece, value);
    // A "-" counts towards the width: -5 in width 3 is "0-5".
    if (piece.size() < width) text.append(width - piece.size(), '0');
    text.append(piece);
  }
  return text;
}

}  // namespace nodri
