// The decimal and hexadecimal notations: free-form texts to digit arrays and
// back. Texts are code-page-932 byte strings handled byte by byte; a byte of
// a double-byte character meets the rules on its own.
#pragma once

#include <string>
#include <string_view>

#include "digit_array.h"

namespace nodri {

// The text every writer shows for the overflow marker.
inline constexpr std::string_view OverflowText = "Overflow!";

struct DecimalReading {
  // Decimal digits only, no leading zero, "0" when nothing is left.
  std::string cleaned;
  // Base-10 digits of `cleaned`, or the overflow marker for more than
  // MaxDigits - 1 digits (then only the first MaxDigits values are stored).
  DigitArray digits;
};

// Reads any text as a decimal number: every byte but "0" to "9" is dropped,
// then the leading zeros; an empty result reads as "0". Never fails but for
// overflow. Linear in the length of the text.
DecimalReading ReadDecimalDigits(std::string_view text);

// Reads any text as a hexadecimal number: every byte but "0"-"9", "a"-"f" and
// "A"-"F" is dropped, then the leading zeros; either case gives the same
// value. Linear in the length of the text.
DigitArray ReadHexDigits(std::string_view text);

// The digit values joined in decimal ("-" for a negative value), or
// "Overflow!" for the overflow marker; the empty text for count 0.
std::string ShowDigitsD(const DigitArray& digits);

// As ShowDigitsD, but values 10 to 15 become letters, upper case when
// `caseUpper` is set. No prefix and no padding.
std::string ShowDigitsH(const DigitArray& digits, bool caseUpper);

}  // namespace nodri
