// Speed of whole user actions on the converter window's model, without Qt:
// the time from the user's action to the end of the cascade it sets off, with
// every field rewritten.
//
// The window is built as the window tests build it: TForm1 on in-memory
// services (clipboard, settings, text measurer), after its creation, then
// brought to a base and form the way a user would. The actions are the
// user's own:
//   BM_Type255    the keystroke that completes a 255-digit text: UserEdit of
//                 the whole text, as the widget hands it over. Typed texts
//                 stay within the 255-byte typing limit, so in bases 60 and
//                 999 the colon form holds fewer digits (85 and 64 groups).
//   BM_Paste255   the menu's paste of a 255-digit text (clipboard, then the
//                 field's paste item), which has no limit: 255 groups.
//   BM_Paste1MB,  the menu's paste of a megabyte or ten of digits, hex digits
//   BM_Paste10MB  or groups: the readers must stay linear in the text.
//   BM_BaseChange a click on a base button or base menu item with 255-digit
//                 numbers in the fields.
// Base 2 and base 1 are shown in the letter form (one character a digit),
// bases 60 and 999 in the colon form (the letters stop at base 36).
//
// An action whose text equals the field's does nothing at all, so each
// iteration switches between two different texts (or two bases), and every
// action does the whole work. Before the timing starts each case checks that
// its action takes effect (a 255-digit number stays in its field, a pasted
// megabyte leaves the field ready for the other one, the base switches) and
// that no error was shown; a case that would measure nothing is skipped with
// an error instead.
//
// Run (Release):
//   cmake --build build --target window_bench && build/bench/window_bench
#include <benchmark/benchmark.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <random>
#include <string>
#include <string_view>
#include <utility>

#include "tests/common/memory_services.h"
#include "window/form1.h"

namespace nodri {
namespace {

// What a user can type into a number field.
constexpr std::size_t TypingLimit = 255;
// The longest number any field reads without overflow.
constexpr int LongestNumber = 255;

// ---------------------------------------------------------------------------
// The window on in-memory services.

// A base and the form its field is shown in.
struct Notation {
  const char* name;  // in the benchmark's name
  const char* base;  // the base text, as typed into EditBase
  std::int32_t form;
};

constexpr std::array<Notation, 4> Notations{{
    {"base2", "2", FormLetters},
    {"base60", "60", FormColon},
    {"base999", "999", FormColon},
    {"base1", "1", FormLetters},
}};

enum class Field { BaseN, Decimal, Hex };

constexpr std::array<std::pair<Field, const char*>, 3> Fields{{
    {Field::BaseN, "basen"},
    {Field::Decimal, "decimal"},
    {Field::Hex, "hex"},
}};

// The services a window borrows, owned with it, and the window after a first
// start (nothing stored), brought to a base and form.
class Window {
 public:
  explicit Window(const Notation& notation) {
    form_ = std::make_unique<TForm1>(services_.Lend());
    form_->Create();
    form_->EditBase.SetText(notation.base);
    form_->FormItem(notation.form).Click();
  }

  TForm1& Form() { return *form_; }
  MemoryClipboard& Clipboard() { return services_.clipboard; }
  bool ShowedError() const { return !services_.display.shown.empty(); }

  TEdit& EditOf(Field field) {
    switch (field) {
      case Field::BaseN: return form_->EditO;
      case Field::Decimal: return form_->EditD;
      case Field::Hex: return form_->EditH;
    }
    return form_->EditD;
  }

  TMenuItem& PasteItemOf(Field field) {
    switch (field) {
      case Field::BaseN: return form_->PopupMenuItemPasteO;
      case Field::Decimal: return form_->PopupMenuItemPasteD;
      case Field::Hex: return form_->PopupMenuItemPasteH;
    }
    return form_->PopupMenuItemPasteD;
  }

 private:
  testing::MemoryServices services_;
  std::unique_ptr<TForm1> form_;
};

// ---------------------------------------------------------------------------
// Texts. Random digits with a fixed seed, so runs compare; the first digit is
// never zero, so that every text is a number of the full length and is its
// own field's canonical text.

class TextMaker {
 public:
  explicit TextMaker(std::uint32_t seed) : rng_(seed) {}

  // `digits` digits of `notation`'s field, or of the decimal or hex field;
  // with `bytes` > 0, digits until the text is that long, cut to it.
  std::string Make(Field field, const Notation& notation, int digits,
                   std::size_t bytes = 0) {
    std::string text;
    text.reserve(bytes + 8);
    for (int i = 0; bytes > 0 ? text.size() < bytes : i < digits; ++i) {
      AppendDigit(text, field, notation, i == 0);
    }
    if (bytes > 0) text.resize(bytes);
    return text;
  }

 private:
  std::int32_t Digit(std::int32_t base, bool first) {
    const std::int32_t low = first ? 1 : 0;
    return std::uniform_int_distribution<std::int32_t>(low, base - 1)(rng_);
  }

  void AppendDigit(std::string& text, Field field, const Notation& notation, bool first) {
    static constexpr std::string_view letters = "0123456789abcdefghijklmnopqrstuvwxyz";
    switch (field) {
      case Field::Decimal:
        text.push_back(letters[static_cast<std::size_t>(Digit(10, first))]);
        return;
      case Field::Hex:
        text.push_back(letters[static_cast<std::size_t>(Digit(16, first))]);
        return;
      case Field::BaseN:
        break;
    }
    // Unary digits are all zero; other bases take any digit value.
    const std::int32_t base = std::stoi(notation.base);
    const std::int32_t value = base == 1 ? 0 : Digit(base, first);
    if (notation.form == FormLetters) {
      text.push_back(letters[static_cast<std::size_t>(value)]);
      return;
    }
    // A group: the value zero-padded to the width of the base text.
    if (!first) text.push_back(':');
    const std::string group = std::to_string(value);
    text.append(std::string_view(notation.base).size() - group.size(), '0');
    text.append(group);
  }

  std::mt19937 rng_;
};

// The most digits of `notation`'s field that the typing limit lets through.
int TypableDigits(Field field, const Notation& notation) {
  if (field != Field::BaseN || notation.form == FormLetters) return LongestNumber;
  const std::size_t group = std::string_view(notation.base).size() + 1;  // with ':'
  return static_cast<int>((TypingLimit + 1) / group);
}

// Two different texts of the same length, in digits or (`bytes` > 0) in
// bytes, to switch between. Unary texts of one length are all alike, so the
// second is a digit shorter.
std::array<std::string, 2> TwoTexts(Field field, const Notation& notation, int digits,
                                    std::size_t bytes = 0) {
  TextMaker maker(20240601);
  std::array<std::string, 2> texts{maker.Make(field, notation, digits, bytes),
                                   maker.Make(field, notation, digits, bytes)};
  if (field == Field::BaseN && std::string_view(notation.base) == "1") {
    texts[1] = maker.Make(field, notation, digits - 1, bytes > 0 ? bytes - 1 : 0);
  }
  return texts;
}

// ---------------------------------------------------------------------------
// The actions.

std::string SizeLabel(int digits, const std::string& text) {
  return std::to_string(digits) + " digits, " + std::to_string(text.size()) + " bytes";
}

// Checks, before the timing, that `act` with `text` leaves the field holding
// that text (the number is read, not lost) without an error.
template <class Act>
bool Rehearse(benchmark::State& state, Window& window, Field field,
              const std::array<std::string, 2>& texts, Act act) {
  for (const std::string& text : texts) {
    act(text);
    if (window.EditOf(field).Text() != text || window.ShowedError()) {
      state.SkipWithError("the field does not keep the number: nothing to measure");
      return false;
    }
  }
  return true;
}

void Type255(benchmark::State& state, Field field, const Notation& notation) {
  Window window(notation);
  TEdit& edit = window.EditOf(field);
  const int digits = TypableDigits(field, notation);
  const auto texts = TwoTexts(field, notation, digits);
  const auto type = [&edit](const std::string& text) {
    edit.UserEdit(text, static_cast<std::int32_t>(text.size()));
  };
  if (texts[0].size() > TypingLimit) {
    state.SkipWithError("the text is past the typing limit");
    return;
  }
  if (!Rehearse(state, window, field, texts, type)) return;
  std::size_t next = 0;
  for (auto _ : state) {
    type(texts[next]);
    next ^= 1;
  }
  state.SetLabel(SizeLabel(digits, texts[0]));
}

// The other program's copy into the clipboard is part of each iteration; for
// a 255-digit text it is a few nanoseconds.
void Paste255(benchmark::State& state, Field field, const Notation& notation) {
  Window window(notation);
  TMenuItem& paste = window.PasteItemOf(field);
  const auto texts = TwoTexts(field, notation, LongestNumber);
  const auto pasteText = [&window, &paste](const std::string& text) {
    window.Clipboard().SetAsText(text);
    paste.Click();
  };
  if (!Rehearse(state, window, field, texts, pasteText)) return;
  std::size_t next = 0;
  for (auto _ : state) {
    pasteText(texts[next]);
    next ^= 1;
  }
  state.SetLabel(SizeLabel(LongestNumber, texts[0]));
}

// A text far past 255 digits overflows its field's reader. What the field
// then holds depends on the field (the decimal field keeps all the digits it
// read), so here too each paste brings the other of two texts.
void PasteHuge(benchmark::State& state, Field field, const Notation& notation,
               std::size_t bytes) {
  Window window(notation);
  TMenuItem& paste = window.PasteItemOf(field);
  TEdit& edit = window.EditOf(field);
  const auto texts = TwoTexts(field, notation, 0, bytes);
  const auto pasteText = [&window, &paste](const std::string& text) {
    window.Clipboard().SetAsText(text);
    paste.Click();
  };
  for (std::size_t next = 0; next < 2; ++next) {
    pasteText(texts[next]);
    if (edit.Text() == texts[next ^ 1] || window.ShowedError()) {
      state.SkipWithError("the field already holds the next text: nothing to measure");
      return;
    }
  }
  // The copy into the clipboard belongs to the other program, not to the
  // paste, so it stays out of the time.
  std::size_t next = 0;
  for (auto _ : state) {
    state.PauseTiming();
    window.Clipboard().SetAsText(texts[next]);
    state.ResumeTiming();
    paste.Click();
    next ^= 1;
  }
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(bytes));
}

// Switches between two bases by two clicks, one per iteration, with a
// 255-digit number typed into `field` first.
void BaseChange(benchmark::State& state, const Notation& notation, Field field,
                const std::function<void(TForm1&)>& there,
                const std::function<void(TForm1&)>& back) {
  Window window(notation);
  TForm1& form = window.Form();
  const std::string number = TwoTexts(field, notation, LongestNumber)[0];
  window.EditOf(field).UserEdit(number, static_cast<std::int32_t>(number.size()));
  const std::string baseBefore = form.EditBase.Text();
  there(form);
  const std::string baseThere = form.EditBase.Text();
  back(form);
  if (baseThere == baseBefore || form.EditBase.Text() != baseBefore || window.ShowedError()) {
    state.SkipWithError("the clicks do not switch the base: nothing to measure");
    return;
  }
  bool away = false;
  for (auto _ : state) {
    (away ? back : there)(form);
    away = !away;
  }
  state.SetLabel("base " + baseBefore + " <-> " + baseThere);
}

// ---------------------------------------------------------------------------

void RegisterAll() {
  for (const auto& [field, fieldName] : Fields) {
    for (const Notation& notation : Notations) {
      const std::string suffix = std::string(fieldName) + "/" + notation.name;
      benchmark::RegisterBenchmark(("BM_Type255/" + suffix).c_str(), Type255, field, notation)
          ->Unit(benchmark::kMicrosecond);
      benchmark::RegisterBenchmark(("BM_Paste255/" + suffix).c_str(), Paste255, field, notation)
          ->Unit(benchmark::kMicrosecond);
    }
  }
  for (const auto& [field, fieldName] : Fields) {
    for (const Notation& notation : Notations) {
      const std::string suffix = std::string(fieldName) + "/" + notation.name;
      benchmark::RegisterBenchmark(("BM_Paste1MB/" + suffix).c_str(), PasteHuge, field,
                                   notation, std::size_t{1} << 20)
          ->Unit(benchmark::kMillisecond);
      benchmark::RegisterBenchmark(("BM_Paste10MB/" + suffix).c_str(), PasteHuge, field,
                                   notation, std::size_t{10} << 20)
          ->Unit(benchmark::kMillisecond);
    }
  }

  const auto click = [](TButton TForm1::*button) {
    return std::function<void(TForm1&)>([button](TForm1& form) { (form.*button).Click(); });
  };
  const auto pick = [](TMenuItem TForm1::*item) {
    return std::function<void(TForm1&)>([item](TForm1& form) { (form.*item).Click(); });
  };
  const Notation& base2 = Notations[0];
  const Notation& base60 = Notations[1];
  const Notation& base999 = Notations[2];
  const Notation& base1 = Notations[3];
  // Recomputed from the decimal field.
  benchmark::RegisterBenchmark("BM_BaseChange/decimal255/button/base60_61", BaseChange,
                               base60, Field::Decimal, click(&TForm1::ButtonUp),
                               click(&TForm1::ButtonDown))
      ->Unit(benchmark::kMicrosecond);
  benchmark::RegisterBenchmark("BM_BaseChange/decimal255/button/base999_998", BaseChange,
                               base999, Field::Decimal, click(&TForm1::ButtonDown),
                               click(&TForm1::ButtonUp))
      ->Unit(benchmark::kMicrosecond);
  benchmark::RegisterBenchmark("BM_BaseChange/decimal255/menu/base60_2", BaseChange, base60,
                               Field::Decimal, pick(&TForm1::PopupMenuItemBase2),
                               pick(&TForm1::PopupMenuItemBase60))
      ->Unit(benchmark::kMicrosecond);
  benchmark::RegisterBenchmark("BM_BaseChange/decimal255/button/base2_1", BaseChange, base2,
                               Field::Decimal, click(&TForm1::ButtonDown),
                               click(&TForm1::ButtonUp))
      ->Unit(benchmark::kMicrosecond);
  // 255 hex digits do not fit the decimal field, so these recompute from the
  // hexadecimal one.
  benchmark::RegisterBenchmark("BM_BaseChange/hex255/button/base60_61", BaseChange, base60,
                               Field::Hex, click(&TForm1::ButtonUp), click(&TForm1::ButtonDown))
      ->Unit(benchmark::kMicrosecond);
  benchmark::RegisterBenchmark("BM_BaseChange/hex255/menu/base60_365", BaseChange, base60,
                               Field::Hex, pick(&TForm1::PopupMenuItemBase365),
                               pick(&TForm1::PopupMenuItemBase60))
      ->Unit(benchmark::kMicrosecond);
  benchmark::RegisterBenchmark("BM_BaseChange/hex255/button/base1_2", BaseChange, base1,
                               Field::Hex, click(&TForm1::ButtonUp), click(&TForm1::ButtonDown))
      ->Unit(benchmark::kMicrosecond);
}

}  // namespace
}  // namespace nodri

int main(int argc, char** argv) {
  nodri::RegisterAll();
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
