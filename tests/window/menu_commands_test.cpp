// The popup menus' commands: clear, copy, paste, form and case.
#include <gtest/gtest.h>

#include "form_fixture.h"

namespace nodri {
namespace {

using testing::FormTest;
using Texts = std::vector<std::string>;

TEST_F(FormTest, ClearSetsZeroAndPutsEachCaretAtTheEnd) {
  Set("365");
  form->EditD.UserEdit("123456", 3);
  form->PopupMenuHItemClear.Click();
  EXPECT_EQ(Fields(), (Texts{"000", "0", "0"}));
  EXPECT_EQ(form->EditO.SelStart(), 3);
  EXPECT_EQ(form->EditD.SelStart(), 1);
  EXPECT_EQ(form->EditH.SelStart(), 1);
  for (const TEdit* field : {&form->EditO, &form->EditD, &form->EditH}) {
    EXPECT_EQ(field->SelLength(), 0);
  }
}

TEST_F(FormTest, ClearOnZeroOnlyMovesTheCarets) {
  form->EditO.SetSel(0, 0);
  form->PopupMenuItemClear.Click();
  EXPECT_TRUE(recorder.runs.empty());
  EXPECT_EQ(form->EditO.SelStart(), 2) << "\"00\" has two bytes";
}

TEST_F(FormTest, CopiesTakeTheWholeTextAndLeaveItSelected) {
  form->EditD.UserEdit("3723", 2);
  struct Row { TMenuItem* item; const TEdit* field; std::string text; };
  const Row rows[] = {{&form->PopupMenuItemCopyO, &form->EditO, "01:02:03"},
                      {&form->PopupMenuOItemCopy, &form->EditO, "01:02:03"},
                      {&form->PopupMenuItemCopyD, &form->EditD, "3723"},
                      {&form->PopupMenuDItemCopy, &form->EditD, "3723"},
                      {&form->PopupMenuItemCopyH, &form->EditH, "e8b"},
                      {&form->PopupMenuHItemCopy, &form->EditH, "e8b"}};
  for (const Row& row : rows) {
    services.clipboard.SetAsText("something else");
    row.item->Click();
    EXPECT_EQ(services.clipboard.AsText(), row.text) << row.item->Name;
    EXPECT_EQ(row.field->SelText(), row.text) << row.item->Name;
  }
}

TEST_F(FormTest, ZeroXCopyFollowsTheCase) {
  form->EditD.UserEdit("3723", 4);
  form->PopupMenuItemCase.Click();
  form->PopupMenuHItem0xCopy.Click();
  EXPECT_EQ(services.clipboard.AsText(), "0xE8B");
  form->PopupMenuHItemCase.Click();
  form->PopupMenuItemCopy0xH.Click();
  EXPECT_EQ(services.clipboard.AsText(), "0xe8b");
  EXPECT_TRUE(recorder.Count("EditHChange") > 0);
}

TEST_F(FormTest, CopyDoesNotCheckWhatTheFieldShows) {
  Set("2");
  form->EditD.UserEdit(std::string(255, '9'), 255);
  form->PopupMenuItemCopyO.Click();
  EXPECT_EQ(services.clipboard.AsText(), "Overflow!");
}

TEST_F(FormTest, PasteWritesTheClipboardUnchanged) {
  const std::string text = " 1,234 \x83\x41";
  services.clipboard.SetAsText(text);
  recorder.Clear();
  form->PopupMenuDItemPaste.Click();
  ASSERT_FALSE(recorder.runs.empty());
  EXPECT_EQ(recorder.runs[0].text, text) << "the handler reads the text as pasted";
  EXPECT_EQ(Fields(), (Texts{"20:34", "1234", "4d2"}));

  // The same text again: no change event at all.
  services.clipboard.SetAsText("1234");
  recorder.Clear();
  form->PopupMenuItemPasteD.Click();
  EXPECT_TRUE(recorder.runs.empty());
}

TEST_F(FormTest, PasteOfAnEmptyClipboardEmptiesTheFieldAndReadsZero) {
  form->EditD.UserEdit("42", 2);
  services.clipboard.SetAsText("");
  form->PopupMenuItemPasteH.Click();
  EXPECT_EQ(Fields(), (Texts{"00", "0", "0"}));
}

TEST_F(FormTest, FormGroupsFollowEachOther) {
  form->EditD.UserEdit("3723", 4);
  TMenuItem* items1[] = {&form->PopupMenuItemForm0, &form->PopupMenuItemForm1,
                         &form->PopupMenuItemForm2, &form->PopupMenuItemForm3,
                         &form->PopupMenuItemForm4};
  TMenuItem* itemsO[] = {&form->PopupMenuOItemForm0, &form->PopupMenuOItemForm1,
                         &form->PopupMenuOItemForm2, &form->PopupMenuOItemForm3,
                         &form->PopupMenuOItemForm4};
  const std::string texts[] = {"", "01:02:03", "01 02 03", "01/02/03", "01\\02\\03"};
  for (int form_ = 1; form_ <= 4; ++form_) {
    (form_ % 2 == 0 ? items1 : itemsO)[form_]->Click();
    EXPECT_EQ(form->DigitForm, form_);
    EXPECT_EQ(form->EditO.Text(), texts[form_]);
    for (int other = 0; other <= 4; ++other) {
      EXPECT_EQ(items1[other]->Checked(), other == form_) << form_ << " " << other;
      EXPECT_EQ(itemsO[other]->Checked(), other == form_) << form_ << " " << other;
    }
  }
}

TEST_F(FormTest, ChoosingTheFormInForceRewritesNothing) {
  form->EditD.UserEdit("3723", 4);
  recorder.Clear();
  form->PopupMenuItemForm1.Click();
  EXPECT_EQ(recorder.runs.size(), 1u);
  EXPECT_EQ(recorder.runs[0].handler, "EditDChange");
}

TEST_F(FormTest, CaseSwitchFlipsCaptionsAndLettersAndBackAgain) {
  Set("36", FormLetters);
  form->EditD.UserEdit("3723", 4);
  const Texts lower = Fields();
  ASSERT_EQ(lower, (Texts{"2vf", "3723", "e8b"}));
  const auto captions = [&] {
    return Texts{Utf8FromCp932(form->PopupMenuItemCase.Caption()),
                 Utf8FromCp932(form->PopupMenuOItemCase.Caption()),
                 Utf8FromCp932(form->PopupMenuHItemCase.Caption()),
                 form->PopupMenuItemForm0.Caption(), form->PopupMenuOItemForm0.Caption()};
  };
  const Texts lowerCaptions = captions();
  EXPECT_EQ(lowerCaptions, (Texts{"大文字で表示する", "大文字で表示する", "大文字で表示する",
                                  "ddd (0-9, a-z)", "ddd (0-9, a-z)"}));

  form->PopupMenuOItemCase.Click();
  EXPECT_EQ(form->CaseUpper, 1);
  EXPECT_EQ(Fields(), (Texts{"2VF", "3723", "E8B"}));
  EXPECT_EQ(captions(), (Texts{"小文字で表示する", "小文字で表示する", "小文字で表示する",
                               "ddd (0-9, A-Z)", "ddd (0-9, A-Z)"}));

  form->PopupMenuHItemCase.Click();
  EXPECT_EQ(Fields(), lower);
  EXPECT_EQ(captions(), lowerCaptions);
}

}  // namespace
}  // namespace nodri
