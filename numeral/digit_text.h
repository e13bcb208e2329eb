// Byte classes and number formatting shared by the readers and writers of the
// three notations. Internal to the engine.
#pragma once

#include <charconv>
#include <cstdint>
#include <string>

namespace nodri {

inline bool IsDecimalDigit(char byte) { return byte >= '0' && byte <= '9'; }

// 0 to 15 for "0"-"9", "a"-"f", "A"-"F"; -1 for every other byte.
inline std::int32_t HexDigitValue(char byte) {
  if (byte >= '0' && byte <= '9') return byte - '0';
  if (byte >= 'a' && byte <= 'f') return byte - 'a' + 10;
  if (byte >= 'A' && byte <= 'F') return byte - 'A' + 10;
  return -1;
}

// 0 to 35 for "0"-"9", "a"-"z", "A"-"Z"; -1 for every other byte.
inline std::int32_t LetterDigitValue(char byte) {
  if (byte >= '0' && byte <= '9') return byte - '0';
  if (byte >= 'a' && byte <= 'z') return byte - 'a' + 10;
  if (byte >= 'A' && byte <= 'Z') return byte - 'A' + 10;
  return -1;
}

// Appends the decimal text of `value`, with "-" when negative.
inline void AppendDecimal(std::string& text, std::int32_t value) {
  char buffer[12];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  text.append(buffer, result.ptr);
}

}  // namespace nodri
