// The base-n notation: a number in the user's base n (1 to 999) in one of five
// written forms, read from and written to the text of the base-n field.
//
// The base arrives as the base text itself, because the text counts three
// ways: its value is n, its length in bytes is the width to which grouped
// digits are zero-filled, and the exact text "1" makes the number unary.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "digit_array.h"

namespace nodri {

// The written forms of a base-n number.
inline constexpr std::int32_t FormLetters = 0;    // "2vf": one character a digit
inline constexpr std::int32_t FormColon = 1;      // "01:02:03"
inline constexpr std::int32_t FormSpace = 2;      // "01 02 03"
inline constexpr std::int32_t FormSlash = 3;      // "01/02/03"
inline constexpr std::int32_t FormBackslash = 4;  // "01\02\03" (byte 0x5C)

// The value of a text by the rules of the C library's atol: leading white
// space, an optional sign, decimal digits up to the first other byte, 0 when
// there are none. Saturates at the signed 32-bit range instead of
// overflowing.
std::int32_t AtolValue(std::string_view text);

// ":", " ", "/" or "\" for the grouped forms 1 to 4; "\0" for any other form.
char FormSeparator(std::int32_t form);

// The single entry point for reading the base-n field. Form 0 reads letters
// (or a unary run of zeros when the base text is "1"); forms 1 to 4 read
// groups. Any other form value reads the separator-less text that ShowDigitsO
// writes for it: the decimal digits cut into groups of the base text's width,
// counted from the right, then taken as the grouped reader takes groups.
DigitArray ReadBaseDigits(std::string_view text, std::string_view baseText,
                          std::int32_t form);

// Form 0: letters and digits only, leading zeros dropped ("" reads as 0),
// "a"/"A" 10 to "z"/"Z" 35, then every digit of value n or more removed.
// Leading zeros go before the removal, so "0a05" in base 10 reads as 0, 5,
// and a text whose digits are all out of range reads as count 0.
DigitArray ReadLetterDigits(std::string_view text, std::string_view baseText);

// Form 0 in base 1: one zero digit per "0" byte, at least one. More than
// MaxDigits zeros cannot be stored and give the overflow marker.
DigitArray ReadUnaryDigits(std::string_view text);

// Forms 1 to 4: each separator closes a group (possibly empty), the bytes
// after the last separator form a group only when there are any. Each group
// gives ParseGroupValue; leading zero groups are removed down to one digit
// unless the base text is "1". Group values are not compared with the base.
DigitArray ReadGroupedDigits(std::string_view text, char separator,
                             std::string_view baseText);

// The value of one group: after leading blanks, a signed decimal ("+7",
// "-2"), a hexadecimal with prefix "$", "x", "X", "0x" or "0X" (at most eight
// significant digits, taken as a 32-bit pattern), or a plain decimal, with
// nothing after it. Anything else, or a decimal outside the signed 32-bit
// range, is 0.
std::int32_t ParseGroupValue(std::string_view group);

// The text for the base-n field: "Overflow!" for the overflow marker, else
// each digit in decimal zero-filled to the width of the base text and joined
// by the form's separator, or in form 0 as a letter for 10 to 35 and plain
// decimal otherwise. A form outside 0 to 4 writes the zero-filled digits with
// no separator.
std::string ShowDigitsO(const DigitArray& digits, std::string_view baseText,
                        std::int32_t form, bool caseUpper);

}  // namespace nodri
