// Choosing the base: typed, stepped with the arrow buttons or picked from a
// menu, always normalised to 1..999, with the captions, the buttons and the
// letter form following it.
#include <gtest/gtest.h>

#include "form_fixture.h"

namespace nodri {
namespace {

using testing::FormTest;
using testing::Ran;

std::string Utf8(const std::string& cp932) { return Utf8FromCp932(cp932); }

struct BaseRow {
  const char* name;
  std::string written;
  int runs;
  std::string base;
};

class EditBaseRunsTest : public FormTest, public ::testing::WithParamInterface<BaseRow> {};

// Each write of a normalised or clamped text runs the handler again, nested,
// and every run ends by rewriting the number fields.
TEST_P(EditBaseRunsTest, NormalisesWithThisManyRuns) {
  const BaseRow& row = GetParam();
  form->EditBase.UserEdit(row.written, 0);
  EXPECT_EQ(recorder.Count("EditBaseChange"), row.runs);
  EXPECT_EQ(recorder.Count("EditDChange"), row.runs);
  EXPECT_EQ(form->EditBase.Text(), row.base);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, EditBaseRunsTest,
    ::testing::Values(BaseRow{"plain", "24", 1, "24"}, BaseRow{"leading_zero", "06", 2, "6"},
                      BaseRow{"plus_sign", "+6", 2, "6"}, BaseRow{"trailing_junk", "6x", 2, "6"},
                      BaseRow{"zero", "0", 2, "1"}, BaseRow{"negative", "-5", 2, "1"},
                      BaseRow{"empty", "", 3, "1"}, BaseRow{"letter", "x", 3, "1"},
                      BaseRow{"above_range", "5000", 2, "999"},
                      BaseRow{"beyond_32_bits_saturates_first", "99999999999", 3, "999"}),
    testing::RowName());

TEST_F(FormTest, DeletingTheBaseRunsThreeNestedRuns) {
  form->EditD.UserEdit("7", 1);
  recorder.Clear();
  form->EditBase.UserEdit("", 0);
  std::vector<Ran> baseRuns;
  for (const Ran& run : recorder.runs) {
    if (run.handler == "EditBaseChange") baseRuns.push_back(run);
  }
  EXPECT_EQ(baseRuns, (std::vector<Ran>{{"EditBaseChange", 0, ""},
                                        {"EditBaseChange", 1, "0"},
                                        {"EditBaseChange", 2, "1"}}));
  EXPECT_FALSE(form->ButtonDown.Enabled());
  EXPECT_TRUE(form->ButtonUp.Enabled());
  EXPECT_EQ(form->EditO.Text(), "0:0:0:0:0:0:0:0");
}

TEST_F(FormTest, LeadingZeroIsWrittenBackAndTheFieldsKeepTheirTexts) {
  form->EditD.UserEdit("3723", 4);
  recorder.Clear();
  form->EditBase.UserEdit("060", 1);
  EXPECT_EQ(form->EditBase.Text(), "60");
  EXPECT_EQ(recorder.Count("EditBaseChange"), 2);
  EXPECT_EQ(recorder.Count("EditOChange"), 0) << "nothing to rewrite";
  EXPECT_EQ(Fields(), (std::vector<std::string>{"01:02:03", "3723", "e8b"}));
}

TEST_F(FormTest, ArrowButtonsStopAtTheEnds) {
  form->EditBase.SetText("998");
  form->ButtonUp.Click();
  EXPECT_EQ(form->EditBase.Text(), "999");
  EXPECT_FALSE(form->ButtonUp.Enabled());
  EXPECT_TRUE(form->ButtonDown.Enabled());

  form->EditBase.SetText("2");
  EXPECT_TRUE(form->ButtonUp.Enabled());
  form->ButtonDown.Click();
  EXPECT_EQ(form->EditBase.Text(), "1");
  EXPECT_FALSE(form->ButtonDown.Enabled());
  form->ButtonUp.Click();
  EXPECT_EQ(form->EditBase.Text(), "2");
  EXPECT_TRUE(form->ButtonDown.Enabled());
}

TEST_F(FormTest, BaseMenuItemForTheBaseInForceDoesNothing) {
  form->PopupMenuOItemBase60.Click();
  EXPECT_TRUE(recorder.runs.empty());
  form->PopupMenuItemBase21.Click();
  EXPECT_EQ(form->EditBase.Text(), "12");
}

struct CaptionRow {
  const char* name;
  std::string base;
  std::string copy;
  std::string form;
  std::string colon, space, slash, backslash;
};

class CaptionTest : public FormTest, public ::testing::WithParamInterface<CaptionRow> {};

TEST_P(CaptionTest, FollowTheBase) {
  const CaptionRow& row = GetParam();
  form->EditBase.SetText(row.base);
  EXPECT_EQ(Utf8(form->PopupMenuItemCopyO.Caption()), row.copy);
  EXPECT_EQ(Utf8(form->PopupMenuItemPasteO.Caption()), row.copy);
  EXPECT_EQ(Utf8(form->EditO.AccessibleName()), row.copy);
  EXPECT_EQ(Utf8(form->PopupMenuItemForm.Caption()), row.form);
  EXPECT_EQ(Utf8(form->PopupMenuOItemForm.Caption()), row.form);
  const std::string forms[] = {row.colon, row.space, row.slash, row.backslash};
  const TMenuItem* items1[] = {&form->PopupMenuItemForm1, &form->PopupMenuItemForm2,
                               &form->PopupMenuItemForm3, &form->PopupMenuItemForm4};
  const TMenuItem* itemsO[] = {&form->PopupMenuOItemForm1, &form->PopupMenuOItemForm2,
                               &form->PopupMenuOItemForm3, &form->PopupMenuOItemForm4};
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(items1[i]->Caption(), forms[i]);
    EXPECT_EQ(itemsO[i]->Caption(), forms[i]);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, CaptionTest,
    ::testing::Values(
        CaptionRow{"base_1", "1", "1進数", "1進数の形式", "d:d:d", "d d d", "d/d/d", "d\\d\\d"},
        CaptionRow{"base_24", "24", "24進数", "24進数の形式", "dd:dd:dd", "dd dd dd", "dd/dd/dd",
                   "dd\\dd\\dd"},
        CaptionRow{"base_365", "365", "365進数", "365進数の形式", "ddd:ddd:ddd", "ddd ddd ddd",
                   "ddd/ddd/ddd", "ddd\\ddd\\ddd"}),
    testing::RowName());

TEST_F(FormTest, StartUpReplacesTheDesignCaptions) {
  EXPECT_EQ(Utf8(form->PopupMenuItemCopyO.Caption()), "60進数");
  EXPECT_EQ(form->PopupMenuOItemForm1.Caption(), "dd:dd:dd");
  EXPECT_EQ(form->PopupMenuOItemForm0.Caption(), "ddd (0-9, a-z)");
}

TEST_F(FormTest, LetterFormGivesWayAboveBase36AndStaysGone) {
  Set("36", FormLetters);
  form->EditD.UserEdit("1000", 4);
  ASSERT_EQ(form->EditO.Text(), "rs");

  form->ButtonUp.Click();
  EXPECT_EQ(form->DigitForm, FormColon);
  EXPECT_TRUE(form->PopupMenuItemForm1.Checked());
  EXPECT_TRUE(form->PopupMenuOItemForm1.Checked());
  EXPECT_FALSE(form->PopupMenuItemForm0.Checked());
  EXPECT_FALSE(form->PopupMenuItemForm0.Enabled());
  EXPECT_FALSE(form->PopupMenuOItemForm0.Enabled());
  EXPECT_EQ(form->EditO.Text(), "27:01");

  form->ButtonDown.Click();
  EXPECT_TRUE(form->PopupMenuItemForm0.Enabled());
  EXPECT_TRUE(form->PopupMenuOItemForm0.Enabled());
  EXPECT_EQ(form->DigitForm, FormColon) << "form 1 stays until the user picks form 0";
  EXPECT_EQ(form->EditO.Text(), "27:28");
}

TEST_F(FormTest, Base365FromTheLetterForm) {
  Set("16", FormLetters);
  form->EditD.UserEdit("1000", 4);
  form->PopupMenuItemBase365.Click();
  EXPECT_EQ(form->EditBase.Text(), "365");
  EXPECT_EQ(form->DigitForm, FormColon);
  EXPECT_TRUE(form->PopupMenuItemForm1.Checked());
  EXPECT_TRUE(form->PopupMenuOItemForm1.Checked());
  EXPECT_EQ(form->EditO.Text(), "002:270");
}

// The letter form's menu item is disabled above base 36, so a click on it
// changes nothing.
TEST_F(FormTest, DisabledLetterFormCannotBeChosen) {
  Set("60");
  form->PopupMenuOItemForm0.Click();
  EXPECT_EQ(form->DigitForm, FormColon);
  EXPECT_TRUE(recorder.runs.empty());
}

}  // namespace
}  // namespace nodri
