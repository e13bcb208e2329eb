// The boundary between the window's texts, which are code-page-932 (Shift-JIS)
// byte strings, and the UTF-8 of the rest of the world: source literals, the
// terminal, the toolkit.
#pragma once

#include <string>
#include <string_view>

namespace nodri {

// A character that code page 932 cannot hold, or a byte that is not UTF-8,
// becomes "?".
std::string Cp932FromUtf8(std::string_view utf8);

// A byte sequence that is not a code-page-932 character becomes "?".
std::string Utf8FromCp932(std::string_view cp932);

// For the program's own texts, written in UTF-8 in the sources.
inline std::string Sjis(std::string_view utf8) { return Cp932FromUtf8(utf8); }

// True for the first byte of a double-byte code-page-932 character.
inline bool IsCp932LeadByte(unsigned char byte) {
  return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

}  // namespace nodri
