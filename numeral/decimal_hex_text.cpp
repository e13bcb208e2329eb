// Reading and writing decimal and hexadecimal texts.
//
// The readers are specified as "delete rejected bytes from the back, then
// delete leading zeros". Deleting in place from the back keeps the accepted
// bytes in their order, so one forward pass that skips rejected bytes, and
// zeros until the first other digit, gives the same text in linear time.
#include "decimal_hex_text.h"

#include "digit_text.h"

namespace nodri {
namespace {

// Appends one more digit to a reading; past the storage it only counts. The
// count may pass MaxDigits here; the caller turns that into overflow.
void Append(DigitArray& out, std::int32_t value, std::int64_t& total) {
  if (total < MaxDigits) out.digits[static_cast<std::size_t>(total)] = value;
  ++total;
}

void FinishCount(DigitArray& out, std::int64_t total) {
  out.count = total >= MaxDigits ? OverflowCount
                                 : static_cast<std::int32_t>(total);
}

}  // namespace

DecimalReading ReadDecimalDigits(std::string_view text) {
  DecimalReading reading;
  std::int64_t total = 0;
  for (const char byte : text) {
    if (!IsDecimalDigit(byte)) continue;
    if (byte == '0' && total == 0) continue;  // a leading zero
    reading.cleaned.push_back(byte);
    Append(reading.digits, byte - '0', total);
  }
  if (total == 0) {
    reading.cleaned.push_back('0');
    Append(reading.digits, 0, total);
  }
  FinishCount(reading.digits, total);
  return reading;
}

DigitArray ReadHexDigits(std::string_view text) {
  DigitArray digits;
  std::int64_t total = 0;
  for (const char byte : text) {
    const std::int32_t value = HexDigitValue(byte);
    if (value < 0) continue;
    if (value == 0 && total == 0) continue;  // a leading zero
    Append(digits, value, total);
  }
  if (total == 0) Append(digits, 0, total);
  FinishCount(digits, total);
  return digits;
}

std::string ShowDigitsD(const DigitArray& digits) {
  if (digits.overflow()) return std::string(OverflowText);
  std::string text;
  for (std::int32_t i = 0; i < digits.count && i < MaxDigits; ++i) {
    AppendDecimal(text, digits.digits[static_cast<std::size_t>(i)]);
  }
  return text;
}

std::string ShowDigitsH(const DigitArray& digits, bool caseUpper) {
  if (digits.overflow()) return std::string(OverflowText);
  std::string text;
  const char letterA = caseUpper ? 'A' : 'a';
  for (std::int32_t i = 0; i < digits.count && i < MaxDigits; ++i) {
    const std::int32_t value = digits.digits[static_cast<std::size_t>(i)];
    if (value >= 10 && value <= 15) {
      text.push_back(static_cast<char>(letterA + (value - 10)));
    } else {
      AppendDecimal(text, value);
    }
  }
  return text;
}

}  // namespace nodri
