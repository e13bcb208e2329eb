// Start-up from stored settings, saving at close, and the layout rule.
#include <gtest/gtest.h>

#include "form_fixture.h"

namespace nodri {
namespace {

using testing::Services;
using Texts = std::vector<std::string>;
using Value = MemorySettings::Value;

// A window made over a settings store prepared by the test.
class StartUpTest : public ::testing::Test {
 protected:
  MemorySettings::Values& Stored() { return services.settings.keys[std::string(TForm1::SettingsKey)]; }

  TForm1& Start() {
    form = std::make_unique<TForm1>(services.Lend());
    form->Create();
    return *form;
  }

  std::optional<std::int32_t> StoredInteger(const char* name) {
    const auto found = Stored().find(name);
    if (found == Stored().end()) return std::nullopt;
    if (const auto* value = std::get_if<std::int32_t>(&found->second)) return *value;
    return std::nullopt;
  }

  Texts Fields() const { return {form->EditO.Text(), form->EditD.Text(), form->EditH.Text()}; }

  Services services;
  std::unique_ptr<TForm1> form;
};

TEST_F(StartUpTest, FirstStartWritesEveryDefaultInOrder) {
  TForm1& window = Start();
  const std::string key(TForm1::SettingsKey);
  EXPECT_EQ(services.settings.writeLog,
            (Texts{key + "\\Top=119", key + "\\Left=322", key + "\\Width=522",
                   key + "\\Height=162", key + "\\Base=60", key + "\\Form=1",
                   key + "\\Case=0"}));
  EXPECT_EQ(window.EditBase.Text(), "60");
  EXPECT_EQ(window.DigitForm, FormColon);
  EXPECT_TRUE(window.PopupMenuItemForm1.Checked());
  EXPECT_TRUE(window.PopupMenuOItemForm1.Checked());
  EXPECT_EQ(window.CaseUpper, 0);
  EXPECT_EQ(Fields(), (Texts{"00", "0", "0"}));
  EXPECT_TRUE(services.display.shown.empty());
}

TEST_F(StartUpTest, WindowOpensCentredWhereverItWasStored) {
  Stored()["Top"] = std::int32_t{-5000};
  Stored()["Left"] = std::int32_t{90000};
  Stored()["Width"] = std::int32_t{600};
  Stored()["Height"] = std::int32_t{200};
  TForm1& window = Start();
  EXPECT_EQ(window.Top(), -5000) << "taken, then overruled at the first showing";
  window.Show();
  EXPECT_EQ(window.Left(), (services.screen.Width - 600) / 2);
  EXPECT_EQ(window.Top(), (services.screen.Height - 200) / 2);
  EXPECT_EQ(window.Width(), 600);
}

TEST_F(StartUpTest, SizeLargerThanTheScreenIsCutToFit) {
  Stored()["Width"] = std::int32_t{5000};
  Stored()["Height"] = std::int32_t{4000};
  TForm1& window = Start();
  EXPECT_EQ(window.Width(), services.screen.WorkAreaWidth);
  EXPECT_EQ(window.Height(), services.screen.WorkAreaHeight);
}

struct StoredRow {
  const char* name;
  std::vector<std::pair<const char*, Value>> stored;
  std::string base;
  std::int32_t digitForm;
  std::int32_t caseUpper;
  std::string baseN;  // zero in the base-n field
  std::int32_t checkedForm;  // -1: the design's colon items are still checked
  std::int32_t savedBase, savedForm, savedCase;
};

class StoredValueTest : public StartUpTest, public ::testing::WithParamInterface<StoredRow> {};

TEST_P(StoredValueTest, IsTakenAndSavedBackAtClose) {
  const StoredRow& row = GetParam();
  for (const auto& [name, value] : row.stored) Stored()[name] = value;
  TForm1& window = Start();
  EXPECT_EQ(window.EditBase.Text(), row.base);
  EXPECT_EQ(window.DigitForm, row.digitForm);
  EXPECT_EQ(window.CaseUpper, row.caseUpper);
  EXPECT_EQ(Fields(), (Texts{row.baseN, "0", "0"}));
  const std::int32_t checked = row.checkedForm < 0 ? FormColon : row.checkedForm;
  EXPECT_TRUE(window.PopupMenuItemForm1.Checked() == (checked == 1));
  EXPECT_TRUE(window.PopupMenuOItemForm0.Checked() == (checked == 0));
  EXPECT_EQ(window.ButtonUp.Enabled(), row.base != "999");
  EXPECT_EQ(window.ButtonDown.Enabled(), row.base != "1");

  window.Close();
  EXPECT_TRUE(window.Closed());
  EXPECT_EQ(StoredInteger("Base"), row.savedBase);
  EXPECT_EQ(StoredInteger("Form"), row.savedForm);
  EXPECT_EQ(StoredInteger("Case"), row.savedCase);
  EXPECT_TRUE(services.display.shown.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Rows, StoredValueTest,
    ::testing::Values(
        StoredRow{"base_above_range_clamped", {{"Base", std::int32_t{5000}}}, "999", 1, 0, "000", 1,
                  999, 1, 0},
        StoredRow{"base_zero_clamped", {{"Base", std::int32_t{0}}}, "1", 1, 0, "0", 1, 1, 1, 0},
        StoredRow{"base_negative_clamped", {{"Base", std::int32_t{-3}}}, "1", 1, 0, "0", 1, 1, 1, 0},
        StoredRow{"letters_form_above_36_gives_way",
                  {{"Base", std::int32_t{40}}, {"Form", std::int32_t{0}}}, "40", 1, 0, "00", 1, 40,
                  1, 0},
        StoredRow{"letters_form_kept_in_base_16",
                  {{"Base", std::int32_t{16}}, {"Form", std::int32_t{0}}}, "16", 0, 0, "0", 0, 16,
                  0, 0},
        StoredRow{"unknown_form_kept", {{"Form", std::int32_t{7}}}, "60", 7, 0, "00", -1, 60, 7, 0},
        StoredRow{"any_non_zero_case_is_upper", {{"Case", std::int32_t{5}}}, "60", 1, 1, "00", 1,
                  60, 1, 1},
        StoredRow{"base_of_another_type_replaced", {{"Base", std::string("36")}}, "60", 1, 0, "00",
                  1, 60, 1, 0},
        StoredRow{"form_too_long_replaced", {{"Form", std::int64_t{1} << 40}}, "60", 1, 0, "00", 1,
                  60, 1, 0}),
    testing::RowName());

TEST_F(StartUpTest, StoreThatCannotBeOpenedIsReportedOnceAndStartUpFinishes) {
  services.settings.failOpen = true;
  TForm1& window = Start();
  ASSERT_EQ(services.display.shown.size(), 1u);
  EXPECT_EQ(services.display.shown[0].caption, "Nodri");
  EXPECT_EQ(Utf8FromCp932(services.display.shown[0].text), "'Top' の設定に失敗しました.");
  EXPECT_EQ(window.DigitForm, FormColon);
  EXPECT_EQ(Utf8FromCp932(window.PopupMenuItemCopyO.Caption()), "60進数");
  EXPECT_EQ(Fields(), (Texts{"00", "0", "0"}));
  window.EditD.UserEdit("255", 3);
  EXPECT_EQ(Fields(), (Texts{"04:15", "255", "ff"})) << "the window works";
}

TEST_F(StartUpTest, FailedSaveIsReportedAndTheWindowStillCloses) {
  TForm1& window = Start();
  services.settings.failWrites = true;
  window.Close();
  EXPECT_TRUE(window.Closed());
  ASSERT_EQ(services.display.shown.size(), 1u);
  EXPECT_EQ(Utf8FromCp932(services.display.shown[0].text), "'Top' の設定に失敗しました.");
}

TEST_F(StartUpTest, CloseSavesTheWindowAndTheUsersChoices) {
  TForm1& window = Start();
  window.PopupMenuItemBase365.Click();
  window.PopupMenuItemForm3.Click();
  window.PopupMenuItemCase.Click();
  window.SetClientSize(700, 300);
  window.SetLeft(10);
  window.SetTop(20);
  services.settings.writeLog.clear();
  window.Close();
  const std::string key(TForm1::SettingsKey);
  EXPECT_EQ(services.settings.writeLog,
            (Texts{key + "\\Top=20", key + "\\Left=10", key + "\\Width=700",
                   key + "\\Height=300", key + "\\Base=365", key + "\\Form=3",
                   key + "\\Case=1"}));
}

// The layout, measured with text half as wide as it is high per byte.
class LayoutTest : public StartUpTest {
 protected:
  void SetUp() override { Start().Show(); }
};

TEST_F(LayoutTest, DesignSizeGivesTheWorkedExample) {
  TForm1& w = *form;
  ASSERT_EQ(w.ClientHeight(), 162);
  EXPECT_EQ(w.LabelO.Font().Size(), 33);
  EXPECT_EQ(w.LabelD.Font().Size(), 33);
  EXPECT_EQ(w.LabelH.Font().Size(), 33);
  EXPECT_EQ(w.LabelDummy.Font().Size(), 33);
  EXPECT_EQ(w.LabelDummy.Caption(), "000");
  for (const TControl* field : {&w.EditO, &w.EditD, &w.EditH, &w.EditBase}) {
    EXPECT_EQ(field->Font().Size(), 29) << field->Name;
    EXPECT_EQ(field->Height(), 42) << field->Name;
  }
  EXPECT_EQ(w.EditBase.Width(), w.LabelDummy.Width());
  for (const TButton* button : {&w.ButtonUp, &w.ButtonDown}) {
    EXPECT_EQ(button->Width(), 21);
    EXPECT_EQ(button->Height(), 21);
    EXPECT_EQ(button->Font().Size(), 14);
    EXPECT_EQ(button->Left(), w.EditBase.Left() + w.EditBase.Width());
  }
  EXPECT_EQ(w.ButtonDown.Top(), 8 + 21);
  EXPECT_EQ(w.LabelO.Left(), w.ButtonUp.Left() + 21);
  EXPECT_EQ(w.EditO.Top(), 8);
  EXPECT_EQ(w.EditD.Top(), 58);
  EXPECT_EQ(w.LabelD.Top(), 58);
  EXPECT_EQ(w.EditH.Top(), 108);
  EXPECT_EQ(w.LabelH.Top(), 108);
  // The fields start 8 pixels right of LabelO and end 8 short of the edge.
  EXPECT_EQ(w.EditO.Left(), w.LabelO.Left() + w.LabelO.Width() + 8);
  EXPECT_EQ(w.EditO.Left() + w.EditO.Width(), 522 - 8);
  EXPECT_EQ(w.EditD.Width(), w.EditO.Width());
  EXPECT_EQ(w.EditH.Left(), w.EditO.Left());
}

struct HeightRow {
  const char* name;
  std::int32_t height;
  std::int32_t label, field, button, buttonFont;
  std::int32_t rowD, rowH;
};

class LayoutHeightTest : public LayoutTest, public ::testing::WithParamInterface<HeightRow> {};

TEST_P(LayoutHeightTest, ScalesWithTheClientHeight) {
  const HeightRow& row = GetParam();
  form->SetClientSize(522, row.height);
  EXPECT_EQ(form->LabelD.Font().Size(), row.label);
  EXPECT_EQ(form->EditD.Font().Size(), row.field);
  EXPECT_EQ(form->ButtonUp.Width(), row.button);
  EXPECT_EQ(form->ButtonDown.Height(), row.button);
  EXPECT_EQ(form->ButtonUp.Font().Size(), row.buttonFont);
  EXPECT_EQ(form->EditO.Top(), 8);
  EXPECT_EQ(form->EditD.Top(), row.rowD);
  EXPECT_EQ(form->EditH.Top(), row.rowH);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, LayoutHeightTest,
    ::testing::Values(HeightRow{"minimum_80", 80, 11, 9, 7, 4, 30, 52},
                      HeightRow{"below_minimum_snaps_to_80", 50, 11, 9, 7, 4, 30, 52},
                      HeightRow{"h96_seven_tenths_of_20_is_13", 96, 16, 13, 10, 6, 36, 64},
                      HeightRow{"h97", 97, 16, 13, 10, 6, 36, 64},
                      HeightRow{"h98", 98, 16, 13, 10, 6, 36, 64},
                      HeightRow{"design_162", 162, 33, 29, 21, 14, 58, 108}),
    testing::RowName());

TEST_F(LayoutTest, TooNarrowOrTooLowSnapsBack) {
  form->SetClientSize(5, 162);
  EXPECT_EQ(form->ClientWidth(), form->LabelH.Width() + 32);
  EXPECT_EQ(form->MinClientWidth(), form->LabelH.Width() + 32);
  // Here the first row leaves no room for the fields: they get no width.
  EXPECT_EQ(form->EditO.Width(), 0);

  form->SetClientSize(522, 10);
  EXPECT_EQ(form->ClientHeight(), 80);
  EXPECT_EQ(form->MinClientHeight(), 80);
}

// The width is checked against LabelH as the previous layout left it, so a
// window made lower and narrower at once may stay narrower than the new
// minimum; the minimum told to the window manager is the new one.
TEST_F(LayoutTest, WidthIsCheckedAgainstThePreviousLayout) {
  form->SetClientSize(522, 80);
  const std::int32_t smallLabel = form->LabelH.Width();
  form->SetClientSize(5, 162);
  EXPECT_EQ(form->ClientWidth(), smallLabel + 32);
  EXPECT_EQ(form->MinClientWidth(), form->LabelH.Width() + 32);
  EXPECT_GT(form->LabelH.Width(), smallLabel);
}

TEST_F(LayoutTest, GrowingOnlyTheWidthWidensTheFields) {
  const auto snapshot = [&] {
    std::vector<std::int32_t> values;
    for (const TControl* control :
         std::initializer_list<const TControl*>{&form->EditBase, &form->ButtonUp, &form->ButtonDown,
                                                &form->LabelO, &form->LabelD, &form->LabelH}) {
      values.insert(values.end(), {control->Left(), control->Top(), control->Width(),
                                   control->Height(), control->Font().Size()});
    }
    for (const TEdit* field : {&form->EditO, &form->EditD, &form->EditH}) {
      values.insert(values.end(), {field->Top(), field->Height(), field->Font().Size()});
    }
    return values;
  };
  const auto before = snapshot();
  const std::int32_t width = form->EditD.Width();
  form->SetClientSize(522 + 100, 162);
  EXPECT_EQ(snapshot(), before);
  for (const TEdit* field : {&form->EditO, &form->EditD, &form->EditH}) {
    EXPECT_EQ(field->Width(), width + 100);
    EXPECT_EQ(field->Left() + field->Width(), 622 - 8);
  }
}

}  // namespace
}  // namespace nodri
