// The three number fields kept in step: the cascade of change handlers, base
// 1, and what a field shows when it cannot show the number.
#include <gtest/gtest.h>

#include "form_fixture.h"

namespace nodri {
namespace {

using testing::FormTest;
using testing::Ran;

using Texts = std::vector<std::string>;

std::string Repeat(const std::string& piece, int times, const std::string& separator = "") {
  std::string text;
  for (int i = 0; i < times; ++i) text += (i > 0 ? separator : "") + piece;
  return text;
}

class CascadeTest : public FormTest {};

// The user types "5" at the end of the decimal "25".
TEST_F(CascadeTest, TypingIntoTheDecimalFieldRewritesTheOthersOnce) {
  form->EditD.UserEdit("25", 2);
  ASSERT_EQ(Fields(), (Texts{"25", "25", "19"}));
  recorder.Clear();

  form->EditD.UserEdit("255", 3);

  EXPECT_EQ(recorder.runs, (std::vector<Ran>{{"EditDChange", 0, "255"},
                                             {"EditHChange", 1, "ff"},
                                             {"EditOChange", 2, "04:15"}}));
  EXPECT_EQ(Fields(), (Texts{"04:15", "255", "ff"}));
}

// The user types "g" after "1ff": the hexadecimal field drops it, and the
// nested runs bring everything to 31 before the outer runs' writes, which
// then find their texts in place.
TEST_F(CascadeTest, RejectedByteIsDroppedAndTheNestedRunsDecide) {
  form->EditD.UserEdit("511", 3);
  ASSERT_EQ(Fields(), (Texts{"08:31", "511", "1ff"}));
  recorder.Clear();

  form->EditH.UserEdit("1fg", 3);

  EXPECT_EQ(recorder.runs, (std::vector<Ran>{{"EditHChange", 0, "1fg"},
                                             {"EditHChange", 1, "1f"},
                                             {"EditDChange", 2, "31"},
                                             {"EditOChange", 3, "31"}}));
  EXPECT_EQ(Fields(), (Texts{"31", "31", "1f"}));
}

// 256 hexadecimal digits pasted: the field shows "Overflow!", which is read
// back as "ef"; the outer run then writes the zero that the overflow marker
// converts to.
TEST_F(CascadeTest, PastedOverflowIsReadBackAndEndsAtZero) {
  form->EditD.UserEdit("255", 3);
  recorder.Clear();
  services.clipboard.SetAsText(std::string(256, 'f'));

  form->PopupMenuItemPasteH.Click();

  EXPECT_EQ(recorder.runs, (std::vector<Ran>{{"EditHChange", 0, std::string(256, 'f')},
                                             {"EditHChange", 1, "Overflow!"},
                                             {"EditHChange", 2, "ef"},
                                             {"EditDChange", 3, "239"},
                                             {"EditOChange", 4, "03:59"},
                                             {"EditDChange", 1, "0"},
                                             {"EditHChange", 2, "0"},
                                             {"EditOChange", 3, "00"}}));
  EXPECT_EQ(Fields(), (Texts{"00", "0", "0"}));
}

TEST_F(CascadeTest, CleanTextWrittenBackRunsNoSecondHandler) {
  form->EditD.UserEdit("12", 2);
  EXPECT_EQ(recorder.Count("EditDChange"), 1);

  recorder.Clear();
  form->EditD.UserEdit("0x12", 4);
  EXPECT_EQ(recorder.Count("EditDChange"), 2);
  EXPECT_EQ(recorder.runs[1], (Ran{"EditDChange", 1, "12"}));
  EXPECT_EQ(Fields(), (Texts{"12", "12", "c"}));
}

TEST_F(CascadeTest, RecomputeOnConsistentFieldsWritesNothing) {
  form->EditD.UserEdit("3723", 4);
  recorder.Clear();
  form->EditDChange(form.get());
  EXPECT_EQ(recorder.runs, (std::vector<Ran>{{"EditDChange", 0, "3723"}}));
}

struct TypingRow {
  const char* name;
  std::string base;
  std::int32_t form;
  bool upper;
  char field;  // 'O', 'D' or 'H'
  std::string typed;
  Texts fields;
};

class TypingTest : public FormTest, public ::testing::WithParamInterface<TypingRow> {};

TEST_P(TypingTest, EndsWithTheseTexts) {
  const TypingRow& row = GetParam();
  Set(row.base, row.form, row.upper);
  TEdit& field = row.field == 'O' ? form->EditO : row.field == 'D' ? form->EditD : form->EditH;
  field.UserEdit(row.typed, static_cast<std::int32_t>(row.typed.size()));
  EXPECT_EQ(Fields(), row.fields);
}

const std::string Zeros255 = std::string(255, '0');

INSTANTIATE_TEST_SUITE_P(
    Rows, TypingTest,
    ::testing::Values(
        TypingRow{"leading_zeros_dropped", "60", 1, false, 'D', "00120", {"02:00", "120", "78"}},
        TypingRow{"decimal_deleted", "60", 1, false, 'D', "", {"00", "0", "0"}},
        TypingRow{"decimal_deleted_base16_letters", "16", 0, false, 'D', "", {"0", "0", "0"}},
        TypingRow{"hex_takes_case_in_force", "60", 1, true, 'H', "a", {"10", "10", "A"}},
        TypingRow{"group_above_base_is_carried", "60", 1, false, 'O', "1:75", {"02:15", "135", "87"}},
        TypingRow{"groups_of_three", "365", 2, false, 'D', "1000", {"002 270", "1000", "3e8"}},
        TypingRow{"letters_out_of_range_all_dropped", "10", 0, false, 'O', "a", {"0", "0", "0"}},
        TypingRow{"negative_group_comes_back_positive", "60", 1, false, 'O', "-3", {"03", "3", "3"}},
        TypingRow{"emptied_grouped_field_stays_empty", "60", 1, false, 'O', "", {"", "0", "0"}},
        TypingRow{"unary_254_decimal", "1", 0, false, 'D', "254", {Zeros255, "254", "fe"}},
        TypingRow{"unary_254_hex", "1", 0, false, 'H', "fe", {Zeros255, "254", "fe"}},
        TypingRow{"unary_255_cannot_show", "1", 0, false, 'D', "255", {"Overflow!", "255", "ff"}},
        TypingRow{"unary_1000_cannot_show", "1", 0, false, 'D', "1000", {"Overflow!", "1000", "3e8"}},
        TypingRow{"unary_huge_decimal_no_integer", "1", 0, false, 'D', "3000000000",
                  {"Overflow!", "3000000000", "b2d05e00"}},
        TypingRow{"unary_ff_upper", "1", 0, true, 'H', "FF", {"Overflow!", "255", "FF"}},
        TypingRow{"unary_three_hex_digits", "1", 0, false, 'H', "100", {"Overflow!", "256", "100"}},
        TypingRow{"unary_sixteen", "1", 1, false, 'H', "f",
                  {"0:0:0:0:0:0:0:0:0:0:0:0:0:0:0:0", "15", "f"}},
        TypingRow{"unary_tally_of_typed_zeros", "1", 0, false, 'O', "0000", {"0000", "3", "3"}},
        TypingRow{"unary_tally_ignores_group_values", "1", 1, false, 'O', "5:3", {"0:0", "1", "1"}},
        TypingRow{"unary_empty_is_zero", "1", 0, false, 'O', "", {"0", "0", "0"}}),
    testing::RowName());

// After "ff" showed "Overflow!" in base 1, a smaller number shows again.
TEST_F(FormTest, UnaryRecoversFromOverflowText) {
  Set("1", FormLetters);
  form->EditH.UserEdit("ff", 2);
  ASSERT_EQ(form->EditO.Text(), "Overflow!");
  form->EditH.UserEdit("f", 1);
  EXPECT_EQ(Fields(), (Texts{std::string(16, '0'), "15", "f"}));
}

// A number that fits in hexadecimal and base 60 but needs 308 decimal digits:
// the decimal field shows "Overflow!" and is not read back, so the cascade
// ends at once with the number kept in the other two.
TEST_F(FormTest, FieldThatCannotShowTheNumberShowsOverflowQuietly) {
  const std::string hex(255, 'f');
  form->EditH.UserEdit(hex, 255);

  EXPECT_EQ(recorder.Count("EditDChange"), 0);
  EXPECT_EQ(form->EditD.Text(), "Overflow!");
  EXPECT_EQ(form->EditH.Text(), hex);
  const DigitArray baseN = ReadBaseDigits(form->EditO.Text(), "60", FormColon);
  DigitArray back;
  ASSERT_GT(ConvertDigits(baseN, 60, 16, back), 0);
  EXPECT_EQ(ShowDigitsH(back, false), hex);
  EXPECT_LE(recorder.maxDepth, 2);
}

TEST_F(FormTest, BaseTwoCannotShowTwoHundredFiftyFiveDecimalDigits) {
  Set("2");
  const std::string nines(255, '9');
  form->EditD.UserEdit(nines, 255);
  EXPECT_EQ(form->EditO.Text(), "Overflow!");
  EXPECT_EQ(form->EditD.Text(), nines);
  EXPECT_EQ(ReadHexDigits(form->EditH.Text()).count, 212);
}

// More than 255 decimal digits cannot be read: the decimal field keeps the
// pasted digits while the others show zero, unless writing zero into them
// sets off a run that brings the decimal field to zero too.
TEST_F(FormTest, OverlongDecimalPasteKeepsItsDigitsOnlyOverZero) {
  const std::string digits(300, '7');
  services.clipboard.SetAsText("+" + digits);
  form->PopupMenuItemPasteD.Click();
  EXPECT_EQ(Fields(), (Texts{"00", digits, "0"}));

  form->EditD.UserEdit("42", 2);
  form->PopupMenuItemPasteD.Click();
  EXPECT_EQ(Fields(), (Texts{"00", "0", "0"}));
}

TEST_F(FormTest, OverlongBaseNPasteEndsAtZero) {
  form->EditD.UserEdit("42", 2);
  services.clipboard.SetAsText(Repeat("1", 256, ":"));
  form->PopupMenuItemPasteO.Click();
  EXPECT_EQ(Fields(), (Texts{"00", "0", "0"}));
}

TEST_F(FormTest, OverlongPasteInBaseOneEndsAtZero) {
  Set("1", FormColon);
  form->EditD.UserEdit("7", 1);
  for (const std::string& pasted :
       {std::string(300, '9'), std::string(300, '0'), Repeat("0", 256, ":")}) {
    SCOPED_TRACE(pasted.substr(0, 8));
    services.clipboard.SetAsText(pasted);
    form->PopupMenuItemPasteO.Click();
    EXPECT_EQ(Fields(), (Texts{"0", "0", "0"}));
    form->PopupMenuItemPasteD.Click();
    EXPECT_EQ(Fields(), (Texts{"0", "0", "0"}));
  }
}

// Only the base-n field can show this number: 255 digits of base 999 need
// 765 decimal and 636 hexadecimal digits.
class BaseNOnlyTest : public FormTest {
 protected:
  void SetUp() override {
    FormTest::SetUp();
    Set("999");
    text = Repeat("998", 255, ":");
    services.clipboard.SetAsText(text);
    form->PopupMenuItemPasteO.Click();
    ASSERT_EQ(Fields(), (Texts{text, "Overflow!", "Overflow!"}));
  }
  std::string text;
};

TEST_F(BaseNOnlyTest, FormChangeRewritesTheBaseNField) {
  form->PopupMenuOItemForm2.Click();
  EXPECT_EQ(Fields(), (Texts{Repeat("998", 255, " "), "Overflow!", "Overflow!"}));
  form->PopupMenuOItemForm1.Click();
  EXPECT_EQ(Fields(), (Texts{text, "Overflow!", "Overflow!"}));
}

TEST_F(BaseNOnlyTest, CaseChangeKeepsTheNumber) {
  form->PopupMenuItemCase.Click();
  EXPECT_EQ(Fields(), (Texts{text, "Overflow!", "Overflow!"}));
}

TEST_F(BaseNOnlyTest, BaseChangeLosesIt) {
  form->PopupMenuItemBase60.Click();
  EXPECT_EQ(Fields(), (Texts{"00", "0", "0"}));
}

// The decimal field cannot show the number; the hexadecimal one can, and
// becomes the reference for a change of base or case.
TEST_F(FormTest, RecomputeFallsBackToTheHexadecimalField) {
  const std::string hex = "a" + std::string(254, 'f');
  form->EditH.UserEdit(hex, 255);
  ASSERT_EQ(form->EditD.Text(), "Overflow!");

  form->PopupMenuItemBase24.Click();
  const DigitArray baseN = ReadBaseDigits(form->EditO.Text(), "24", FormColon);
  DigitArray back;
  ASSERT_GT(ConvertDigits(baseN, 24, 16, back), 0);
  EXPECT_EQ(ShowDigitsH(back, false), hex);

  form->PopupMenuItemCase.Click();
  EXPECT_EQ(form->EditH.Text(), "A" + std::string(254, 'F'));
  EXPECT_EQ(form->EditD.Text(), "Overflow!");
}

}  // namespace
}  // namespace nodri
