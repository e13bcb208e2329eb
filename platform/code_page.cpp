// Code-page conversion with the C library's iconv (on Windows, the system's
// own conversion functions).
#include "code_page.h"

#include <cstdint>

#ifdef _WIN32
#include <windows.h>
#else
#include <iconv.h>

#include <cerrno>
#endif

namespace nodri {
namespace {

#ifdef _WIN32

std::wstring Wide(std::string_view text, UINT codePage) {
  if (text.empty()) return {};
  const int size = static_cast<int>(text.size());
  const int length = MultiByteToWideChar(codePage, 0, text.data(), size, nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(codePage, 0, text.data(), size, wide.data(), length);
  return wide;
}

std::string Narrow(const std::wstring& wide, UINT codePage) {
  if (wide.empty()) return {};
  const int size = static_cast<int>(wide.size());
  const char* fallback = codePage == CP_UTF8 ? nullptr : "?";
  const int length = WideCharToMultiByte(codePage, 0, wide.data(), size, nullptr,
                                         0, fallback, nullptr);
  std::string text(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(codePage, 0, wide.data(), size, text.data(), length,
                      fallback, nullptr);
  return text;
}

#else

// The bytes of the UTF-8 character at the start of `rest` that iconv refused:
// its first byte and the continuation bytes that follow, as many as the first
// byte announces. A stray byte is skipped alone, so text after it survives.
std::size_t Utf8SequenceLength(std::string_view rest) {
  const auto lead = static_cast<unsigned char>(rest[0]);
  std::size_t length = 1;
  if (lead >= 0xC2 && lead <= 0xDF) length = 2;
  if (lead >= 0xE0 && lead <= 0xEF) length = 3;
  if (lead >= 0xF0 && lead <= 0xF4) length = 4;
  std::size_t taken = 1;
  while (taken < length && taken < rest.size() &&
         (static_cast<unsigned char>(rest[taken]) & 0xC0) == 0x80) {
    ++taken;
  }
  return taken;
}

std::size_t Cp932SequenceLength(std::string_view rest) {
  return rest.size() >= 2 && IsCp932LeadByte(static_cast<unsigned char>(rest[0]))
             ? 2
             : 1;
}

// One conversion descriptor per direction and thread, opened on first use.
class Converter {
 public:
  Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
  ~Converter() {
    if (cd_ != Invalid()) iconv_close(cd_);
  }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  // Converts `in`; a sequence that cannot be converted is replaced by "?"
  // and skipped by `skip(rest)` bytes.
  template <class Skip>
  std::string Run(std::string_view in, Skip skip) {
    std::string out;
    if (cd_ == Invalid()) return std::string(in);
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    out.reserve(in.size() + in.size() / 2 + 8);
    char buffer[4096];
    while (!in.empty()) {
      char* source = const_cast<char*>(in.data());
      std::size_t sourceLeft = in.size();
      char* target = buffer;
      std::size_t targetLeft = sizeof buffer;
      const std::size_t result = iconv(cd_, &source, &sourceLeft, &target, &targetLeft);
      const int error = errno;
      out.append(buffer, static_cast<std::size_t>(target - buffer));
      in.remove_prefix(in.size() - sourceLeft);
      if (result != static_cast<std::size_t>(-1) || error == E2BIG) continue;
      // EILSEQ or EINVAL (cut short at the end): one "?" for the sequence.
      out.push_back('?');
      const std::size_t length = skip(in);
      in.remove_prefix(length < in.size() ? length : in.size());
    }
    return out;
  }

 private:
  static iconv_t Invalid() { return reinterpret_cast<iconv_t>(-1); }
  iconv_t cd_;
};

#endif

}  // namespace

std::string Cp932FromUtf8(std::string_view utf8) {
#ifdef _WIN32
  return Narrow(Wide(utf8, CP_UTF8), 932);
#else
  thread_local Converter converter("CP932", "UTF-8");
  return converter.Run(utf8, Utf8SequenceLength);
#endif
}

std::string Utf8FromCp932(std::string_view cp932) {
#ifdef _WIN32
  return Narrow(Wide(cp932, 932), CP_UTF8);
#else
  thread_local Converter converter("UTF-8", "CP932");
  return converter.Run(cp932, Cp932SequenceLength);
#endif
}

}  // namespace nodri
