// Random texts typed or pasted into random fields under random bases, forms
// and cases. After every action: the cascade has ended within a small depth,
// the fields agree on one number, and running a field's handler on its own
// text again keeps that number.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <iostream>
#include <optional>
#include <random>

#include "form_fixture.h"
#include "tests/common/field_agreement.h"
#include "tests/common/random_seed.h"

namespace nodri {
namespace {

using testing::FormTest;

using testing::CascadeDepthBound;


int Iterations() {
  if (const char* value = std::getenv("NODRI_PROPERTY_ITERATIONS")) return std::atoi(value);
  return 2000;
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
  void ExpectRerunsKeepTheNumber() {
    const std::string failure = testing::CheckRerunsKeepTheNumber(*form, recorder);
    ASSERT_TRUE(failure.empty()) << failure;
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
  const std::uint64_t seed = testing::RunSeed();
  TextMaker maker(testing::SeededGenerator(*this, 1)());

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
      ASSERT_LE(recorder.maxDepth, CascadeDepthBound);
      deepest = std::max(deepest, recorder.maxDepth);
      ExpectRerunsKeepTheNumber();
      if (::testing::Test::HasFatalFailure()) return;
    }
  }
}

// Changing the base, the form or the case keeps the fields in agreement, and
// never nests deeper than the bound either.
TEST_F(PropertyTest, NotationChangesKeepAgreement) {
  const std::uint64_t seed = testing::RunSeed();
  TextMaker maker(testing::SeededGenerator(*this, 2)());
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
    ASSERT_LE(recorder.maxDepth, CascadeDepthBound);
    deepest = std::max(deepest, recorder.maxDepth);
    ExpectRerunsKeepTheNumber();
    if (::testing::Test::HasFatalFailure()) return;
  }
}

}  // namespace
}  // namespace nodri
