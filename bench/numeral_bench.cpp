// Speed of the numeral engine on its worst cases, beside GMP doing the same
// conversions.
//
// Each conversion goes from text to text, as the window does it: read the
// field, change the base, write the other field. The pairs BM_<case>/nodri
// and BM_<case>/gmp convert the same number (GMP with mpz_set_str and
// mpz_get_str, or division by a power of the base where mpz_get_str has no
// such base), so their ratio is the price of converting digit by digit with
// 32-bit arithmetic and fixed storage. The longest inputs are the slowest:
// 255 digits, and results that run into the 256-digit overflow. The reading
// benchmarks feed a pasted megabyte of mixed text to each reader, which must
// stay linear in the length of the text.
//
// Run (Release is the default build type):
//   cmake --build build --target numeral_bench && build/bench/numeral_bench
#include <benchmark/benchmark.h>
#include <gmp.h>

#include <array>
#include <cstdint>
#include <random>
#include <string>
#include <string_view>

#include "numeral/numeral.h"

namespace nodri {
namespace {

const std::string& Hex255() {
  static const std::string text(255, 'f');
  return text;
}

const std::string& Decimal255() {
  static const std::string text(255, '9');
  return text;
}

// The same number through GMP: read the text in `from`, write it in `to`
// (2 to 62, the bases of mpz_get_str).
void GmpConvert(benchmark::State& state, const std::string& text, int from,
                int to) {
  mpz_t number;
  mpz_init(number);
  mpz_set_str(number, text.c_str(), from);
  std::string out(mpz_sizeinbase(number, to) + 2, '\0');
  for (auto _ : state) {
    mpz_set_str(number, text.c_str(), from);
    mpz_get_str(out.data(), to, number);
    benchmark::DoNotOptimize(out.data());
    benchmark::ClobberMemory();
  }
  mpz_clear(number);
}

// ---------------------------------------------------------------------------
// 255 hexadecimal digits f to decimal: 308 digits, the overflow path after
// 256 divisions of a long dividend.

void NodriHex255ToDecimal(benchmark::State& state) {
  for (auto _ : state) {
    const DigitArray digits = ReadHexDigits(Hex255());
    DigitArray result;
    result.count = ConvertDigits(digits, 16, 10, result);
    std::string text = ShowDigitsD(result);
    benchmark::DoNotOptimize(text);
  }
}
BENCHMARK(NodriHex255ToDecimal)->Name("BM_Hex255ToDecimal/nodri");

void GmpHex255ToDecimal(benchmark::State& state) {
  GmpConvert(state, Hex255(), 16, 10);
}
BENCHMARK(GmpHex255ToDecimal)->Name("BM_Hex255ToDecimal/gmp");

// ---------------------------------------------------------------------------
// 255 hexadecimal digits f to base 60 in the colon form: 173 digits.

void NodriHex255ToBase60(benchmark::State& state) {
  for (auto _ : state) {
    const DigitArray digits = ReadHexDigits(Hex255());
    DigitArray result;
    result.count = ConvertDigits(digits, 16, 60, result);
    std::string text = ShowDigitsO(result, "60", FormColon, false);
    benchmark::DoNotOptimize(text);
  }
}
BENCHMARK(NodriHex255ToBase60)->Name("BM_Hex255ToBase60/nodri");

void GmpHex255ToBase60(benchmark::State& state) {
  GmpConvert(state, Hex255(), 16, 60);
}
BENCHMARK(GmpHex255ToBase60)->Name("BM_Hex255ToBase60/gmp");

// ---------------------------------------------------------------------------
// 255 decimal digits 9 to base 2: 847 binary digits, so the overflow path
// with the most divisions that a 255-digit source allows before it stops.

void NodriDecimal255ToBase2(benchmark::State& state) {
  for (auto _ : state) {
    const DecimalReading reading = ReadDecimalDigits(Decimal255());
    DigitArray result;
    result.count = ConvertDigits(reading.digits, 10, 2, result);
    std::string text = ShowDigitsO(result, "2", FormLetters, false);
    benchmark::DoNotOptimize(text);
  }
}
BENCHMARK(NodriDecimal255ToBase2)->Name("BM_Decimal255ToBase2/nodri");

void GmpDecimal255ToBase2(benchmark::State& state) {
  GmpConvert(state, Decimal255(), 10, 2);
}
BENCHMARK(GmpDecimal255ToBase2)->Name("BM_Decimal255ToBase2/gmp");

// ---------------------------------------------------------------------------
// 255 decimal digits 9 to base 999 in the colon form: 85 digits.

void NodriDecimal255ToBase999(benchmark::State& state) {
  for (auto _ : state) {
    const DecimalReading reading = ReadDecimalDigits(Decimal255());
    DigitArray result;
    result.count = ConvertDigits(reading.digits, 10, 999, result);
    std::string text = ShowDigitsO(result, "999", FormColon, false);
    benchmark::DoNotOptimize(text);
  }
}
BENCHMARK(NodriDecimal255ToBase999)->Name("BM_Decimal255ToBase999/nodri");

// mpz_get_str stops at base 62: GMP divides by 999^6, the largest power that
// fits a machine word, splits each remainder into six digits and writes them
// as zero-filled groups of three.
void GmpDecimal255ToBase999(benchmark::State& state) {
  constexpr unsigned long base = 999;
  constexpr unsigned long chunk = base * base * base * base * base * base;
  mpz_t number;
  mpz_init(number);
  std::array<unsigned long, 128> digits{};  // least significant first
  std::string text;
  for (auto _ : state) {
    mpz_set_str(number, Decimal255().c_str(), 10);
    std::size_t count = 0;
    while (mpz_sgn(number) != 0) {
      unsigned long part = mpz_tdiv_q_ui(number, number, chunk);
      for (int i = 0; i < 6; ++i, part /= base) digits[count++] = part % base;
    }
    while (count > 1 && digits[count - 1] == 0) --count;
    text.clear();
    for (std::size_t i = count; i-- > 0;) {
      if (i + 1 != count) text.push_back(':');
      text.push_back(static_cast<char>('0' + digits[i] / 100));
      text.push_back(static_cast<char>('0' + digits[i] / 10 % 10));
      text.push_back(static_cast<char>('0' + digits[i] % 10));
    }
    benchmark::DoNotOptimize(text);
  }
  mpz_clear(number);
}
BENCHMARK(GmpDecimal255ToBase999)->Name("BM_Decimal255ToBase999/gmp");

// ---------------------------------------------------------------------------
// A pasted megabyte: numbers in every notation the program knows, words,
// separators, line ends and double-byte characters, as a clipboard holding
// a document or a log might. Always the same text, so runs compare.

const std::string& PastedMegabyte() {
  static const std::string text = [] {
    static constexpr std::array<std::string_view, 16> pieces{
        "12:34:56", "0x1F", "1,234,567", "ff00aa", " ", ":", "\r\n", "\t",
        "Overflow!", "-42", "$7e", "zZ9", "\x82\x50\x82\x51", "\x83\x41",
        "01/02\\03", "000"};
    std::mt19937_64 rng(20240601);
    std::string pasted;
    pasted.reserve((1 << 20) + 32);
    while (pasted.size() < (1 << 20)) {
      pasted.append(pieces[rng() % pieces.size()]);
      // Now and then a stray byte of any value.
      if (rng() % 8 == 0) pasted.push_back(static_cast<char>(rng() % 256));
    }
    pasted.resize(1 << 20);
    return pasted;
  }();
  return text;
}

template <class Read>
void ReadPasted(benchmark::State& state, Read read) {
  const std::string& text = PastedMegabyte();
  for (auto _ : state) {
    auto result = read(text);
    benchmark::DoNotOptimize(result);
  }
  state.SetBytesProcessed(state.iterations() *
                          static_cast<std::int64_t>(text.size()));
}

void ReadPastedDecimal(benchmark::State& state) {
  ReadPasted(state, [](const std::string& text) { return ReadDecimalDigits(text); });
}
BENCHMARK(ReadPastedDecimal)->Name("BM_ReadPastedMegabyte/decimal");

void ReadPastedHex(benchmark::State& state) {
  ReadPasted(state, [](const std::string& text) { return ReadHexDigits(text); });
}
BENCHMARK(ReadPastedHex)->Name("BM_ReadPastedMegabyte/hex");

void ReadPastedBase36Letters(benchmark::State& state) {
  ReadPasted(state, [](const std::string& text) {
    return ReadBaseDigits(text, "36", FormLetters);
  });
}
BENCHMARK(ReadPastedBase36Letters)->Name("BM_ReadPastedMegabyte/base36_letters");

void ReadPastedBase60Colon(benchmark::State& state) {
  ReadPasted(state, [](const std::string& text) {
    return ReadBaseDigits(text, "60", FormColon);
  });
}
BENCHMARK(ReadPastedBase60Colon)->Name("BM_ReadPastedMegabyte/base60_colon");

void ReadPastedUnary(benchmark::State& state) {
  ReadPasted(state, [](const std::string& text) {
    return ReadBaseDigits(text, "1", FormLetters);
  });
}
BENCHMARK(ReadPastedUnary)->Name("BM_ReadPastedMegabyte/unary");

}  // namespace
}  // namespace nodri

BENCHMARK_MAIN();
