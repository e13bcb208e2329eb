// Random texts typed or pasted into random fields under random bases, forms
// and cases. After every action: the cascade has ended within a small depth,
// the fields agree on one number, and running a field's handler on its own
// text again keeps that number.
#include <gmp.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <iostream>
#include <optional>
#include <random>

#include "form_fixture.h"

namespace nodri {
namespace {

using testing::FormTest;

// The deepest nesting of change-handler runs any action may reach. A typed
// text nests at most: its own clean-up, the rewrite of each other field, and
// one more clean-up there; a base change adds its own re-entries on top.
constexpr int DepthBound = 8;

std::uint64_t Seed() {
  if (const char* value = std::getenv("NODRI_SEED")) return std::strtoull(value, nullptr, 0);
  return std::random_device{}();
}

int Iterations() {
  if (const char* value = std::getenv("NODRI_PROPERTY_ITERATIONS")) return std::atoi(value);
  return 2000;
}

// A GMP integer that cleans up after itself.
struct Big {
  Big() { mpz_init(value); }
  ~Big() { mpz_clear(value); }
  Big(const Big&) = delete;
  Big& operator=(const Big&) = delete;
  std::string Decimal() const {
    std::string text(mpz_sizeinbase(value, 10) + 2, '\0');
    mpz_get_str(text.data(), 10, value);
    text.resize(std::strlen(text.c_str()));
    return text;
  }
  mpz_t value;
};

// The number a digit array stands for in `base`, digits of any sign at face
// value, computed independently of the engine's arithmetic.
void ValueOf(const DigitArray& digits, std::int32_t base, Big& out) {
  mpz_set_ui(out.value, 0);
  for (std::int32_t i = 0; i < digits.count; ++i) {
    mpz_mul_si(out.value, out.value, base);
    const std::int32_t digit = digits.digits[static_cast<std::size_t>(i)];
    if (digit >= 0) {
      mpz_add_ui(out.value, out.value, static_cast<unsigned long>(digit));
    } else {
      mpz_sub_ui(out.value, out.value, static_cast<unsigned long>(-std::int64_t{digit}));
    }
  }
}

class TextMaker {
 public:
  explicit TextMaker(std::uint64_t seed) : random_(seed) {}

  std::string Make() {
    switch (Pick(14)) {
      case 0: return RandomBytes(Pick(40));
      case 1: return "Overflow!";
      case 2: return "";
      case 3: return Digits("0123456789", 250 + Pick(51));
      case 4: return Digits("0123456789abcdefABCDEF", 250 + Pick(51));
      case 5: return Groups(250 + Pick(51));
      case 6: return Digits("0123456789abcdefghijklmnopqrstuvwxyzXYZ", 250 + Pick(51));
      case 7: return std::string(Pick(300), '0');
      case 8:
        // Rarely, a pasted text of megabytes.
        if (Pick(40) == 0) return Digits("0123456789abcdef:/ ", (1 + Pick(3)) << 20);
        return Digits("0123456789", 1 + Pick(30));
      case 9: return Groups(1 + Pick(12));
      default: return Digits("0123456789abcdefxX$+-: /\\", 1 + Pick(30));
    }
  }

  std::size_t Pick(std::size_t below) {
    return std::uniform_int_distribution<std::size_t>(0, below - 1)(random_);
  }

 private:
  std::string RandomBytes(std::size_t length) {
    std::string text;
    for (std::size_t i = 0; i < length; ++i) text.push_back(static_cast<char>(Pick(256)));
    return text;
  }
  std::string Digits(std::string_view alphabet, std::size_t length) {
    std::string text;
    for (std::size_t i = 0; i < length; ++i) text.push_back(alphabet[Pick(alphabet.size())]);
    return text;
  }
  // Groups of every shape the grouped reader knows, joined by a random form's
  // separator.
  std::string Groups(std::size_t count) {
    static constexpr const char* shapes[] = {"7", "59", "998", "0", "", "-2", "+4",
                                             "$1F", "0x10", " 12", "99999999999",
                                             "$7FFFFFFF", "-2147483648", "1 "};
    const char separator = ":  /\\"[Pick(5)];
    std::string text;
    for (std::size_t i = 0; i < count; ++i) {
      if (i > 0) text.push_back(separator);
      text += Pick(3) == 0 ? shapes[Pick(std::size(shapes))] : std::to_string(Pick(1000));
    }
    return text;
  }

  std::mt19937_64 random_;
};

class PropertyTest : public FormTest {
 protected:
  // The number a field stands for, or nothing when it shows "Overflow!" or
  // is the decimal field holding more digits than can be read.
  bool Reading(const TEdit& field, Big& out, std::string& why) {
    if (field.Text() == OverflowText) return false;
    if (&field == &form->EditD) {
      const DecimalReading reading = ReadDecimalDigits(field.Text());
      if (reading.digits.overflow()) return false;
      ValueOf(reading.digits, 10, out);
      return true;
    }
    if (&field == &form->EditH) {
      const DigitArray digits = ReadHexDigits(field.Text());
      if (digits.overflow()) why = "the hexadecimal field reads as overflow";
      ValueOf(digits, 16, out);
      return true;
    }
    const DigitArray digits =
        ReadBaseDigits(field.Text(), form->EditBase.Text(), form->DigitForm);
    if (form->EditBase.Text() == "1") {
      // A unary text is a tally: N + 1 digits stand for N.
      if (digits.overflow() || digits.count > 255) why = "the unary field holds too many digits";
      mpz_set_si(out.value, std::max(digits.count, 1) - 1);
      return true;
    }
    if (digits.overflow()) why = "the base-n field reads as overflow";
    ValueOf(digits, AtolValue(form->EditBase.Text()), out);
    return true;
  }

  // The fields agree: every field that reads as a number reads as the same
  // one, which is put into `agreed` (left unset when no field reads).
  void ExpectAgreement(std::optional<std::string>& agreed) {
    Big reference, value;
    std::string why;
    const char* referenceName = nullptr;
    agreed.reset();
    for (const TEdit* field : {&form->EditO, &form->EditD, &form->EditH}) {
      Big& target = referenceName == nullptr ? reference : value;
      if (!Reading(*field, target, why)) continue;
      ASSERT_TRUE(why.empty()) << why;
      if (referenceName == nullptr) {
        referenceName = field->Name.c_str();
        agreed = reference.Decimal();
        continue;
      }
      ASSERT_EQ(mpz_cmp(reference.value, value.value), 0)
          << field->Name << " reads " << value.Decimal() << " but " << referenceName
          << " reads " << reference.Decimal();
    }
  }

  // Running a field's handler again on the text it holds is what retyping it
  // would do: the cascade ends within the bound and the number stays. (The
  // texts may still be tidied: a grouped field left empty reads as zero, and
  // is written as "0" from the decimal field.)
  void ExpectRerunsKeepTheNumber() {
    std::optional<std::string> before;
    ExpectAgreement(before);
    using Handler = void (TForm1::*)(TObject*);
    const std::pair<const TEdit*, Handler> handlers[] = {
        {&form->EditO, &TForm1::EditOChange},
        {&form->EditD, &TForm1::EditDChange},
        {&form->EditH, &TForm1::EditHChange}};
    for (const auto& [field, handler] : handlers) {
      if (field->Text() == OverflowText) continue;
      SCOPED_TRACE("re-running the handler of " + field->Name);
      recorder.Clear();
      (form.get()->*handler)(form.get());
      ASSERT_LE(recorder.maxDepth, DepthBound);
      std::optional<std::string> after;
      ExpectAgreement(after);
      if (before && after) {
        ASSERT_EQ(*after, *before);
      }
    }
  }

  void TearDown() override {
    std::cout << "[ depth    ] deepest nesting seen: " << deepest << '\n';
  }

  int deepest = 0;

  void RandomSettings(TextMaker& maker) {
    static constexpr const char* bases[] = {"1", "2", "3", "10", "16", "36", "37", "60",
                                            "100", "365", "999"};
    const std::string base = maker.Pick(3) == 0 ? std::to_string(1 + maker.Pick(999))
                                                : bases[maker.Pick(std::size(bases))];
    Set(base, static_cast<std::int32_t>(maker.Pick(5)), maker.Pick(2) == 1);
  }
};

TEST_F(PropertyTest, FieldsAgreeAfterEveryAction) {
  const std::uint64_t seed = Seed();
  std::cout << "[ seed     ] NODRI_SEED=" << seed << '\n';
  RecordProperty("seed", std::to_string(seed));
  TextMaker maker(seed);

  for (int iteration = 0; iteration < Iterations(); ++iteration) {
    if (iteration % 25 == 0) SetUp();  // now and then a fresh window
    RandomSettings(maker);
    for (int step = 0; step < 8; ++step) {
      TEdit* fields[] = {&form->EditO, &form->EditD, &form->EditH};
      TEdit& field = *fields[maker.Pick(3)];
      const std::string text = maker.Make();
      const bool paste = maker.Pick(2) == 0 || text.size() > 255;
      SCOPED_TRACE(::testing::Message()
                   << "seed " << seed << " iteration " << iteration << " step " << step
                   << ": base " << form->EditBase.Text() << " form " << form->DigitForm
                   << " case " << form->CaseUpper << (paste ? ", paste " : ", type ")
                   << text.size() << " bytes into " << field.Name << ": \""
                   << text.substr(0, 60) << "\"");
      recorder.Clear();
      if (paste) {
        services.clipboard.SetAsText(text);
        TMenuItem& item = &field == &form->EditO   ? form->PopupMenuItemPasteO
                          : &field == &form->EditD ? form->PopupMenuItemPasteD
                                                   : form->PopupMenuItemPasteH;
        item.Click();
      } else {
        field.UserEdit(text, static_cast<std::int32_t>(text.size()));
      }
      ASSERT_LE(recorder.maxDepth, DepthBound);
      deepest = std::max(deepest, recorder.maxDepth);
      ExpectRerunsKeepTheNumber();
      if (::testing::Test::HasFatalFailure()) return;
    }
  }
}

// Changing the base, the form or the case keeps the fields in agreement, and
// never nests deeper than the bound either.
TEST_F(PropertyTest, NotationChangesKeepAgreement) {
  const std::uint64_t seed = Seed() ^ 0x9e3779b97f4a7c15ULL;
  std::cout << "[ seed     ] NODRI_SEED=" << (seed ^ 0x9e3779b97f4a7c15ULL) << '\n';
  TextMaker maker(seed);
  for (int iteration = 0; iteration < Iterations(); ++iteration) {
    RandomSettings(maker);
    const std::string text = maker.Make();
    services.clipboard.SetAsText(text);
    TMenuItem* pastes[] = {&form->PopupMenuItemPasteO, &form->PopupMenuItemPasteD,
                           &form->PopupMenuItemPasteH};
    pastes[maker.Pick(3)]->Click();
    recorder.Clear();
    SCOPED_TRACE(::testing::Message() << "seed " << seed << " iteration " << iteration);
    switch (maker.Pick(4)) {
      case 0: form->EditBase.UserEdit(std::to_string(maker.Pick(1200)).substr(0, 3), 1); break;
      case 1: (maker.Pick(2) == 0 ? form->ButtonUp : form->ButtonDown).Click(); break;
      case 2: form->PopupMenuItemCase.Click(); break;
      default: {
        TMenuItem* items[] = {&form->PopupMenuOItemForm0, &form->PopupMenuOItemForm1,
                              &form->PopupMenuOItemForm2, &form->PopupMenuOItemForm3,
                              &form->PopupMenuOItemForm4};
        items[maker.Pick(5)]->Click();
      }
    }
    ASSERT_LE(recorder.maxDepth, DepthBound);
    deepest = std::max(deepest, recorder.maxDepth);
    ExpectRerunsKeepTheNumber();
    if (::testing::Test::HasFatalFailure()) return;
  }
}

}  // namespace
}  // namespace nodri
