// The control layer the window stands on: the text setter rule, selections,
// radio groups, self-sizing labels, the code-page boundary and the settings
// store in memory.
#include <gtest/gtest.h>

#include <vector>

#include "platform/clipboard.h"
#include "platform/code_page.h"
#include "platform/controls.h"
#include "platform/menus.h"
#include "platform/registry.h"

namespace nodri {
namespace {

TEST(TEditSetter, EqualTextRunsNothing) {
  TEdit edit;
  edit.SetText("12");
  int runs = 0;
  edit.OnChange = [&](TObject*) { ++runs; };
  edit.SetText("12");
  EXPECT_EQ(runs, 0);
  // Byte for byte and case-sensitively.
  edit.SetText("12 ");
  edit.SetText("12");
  EXPECT_EQ(runs, 2);
}

TEST(TEditSetter, DifferentTextRunsTheHandlerOnceBeforeTheWriteReturns) {
  TEdit edit;
  std::vector<std::string> seen;
  bool writing = false;
  edit.OnChange = [&](TObject* sender) {
    EXPECT_EQ(sender, &edit);
    EXPECT_TRUE(writing) << "the handler must run inside the write";
    seen.push_back(edit.Text());
  };
  writing = true;
  edit.SetText("ab");
  writing = false;
  EXPECT_EQ(seen, std::vector<std::string>{"ab"});
}

// A handler that writes its own field runs again, nested, to its end before
// its own write returns; the outer run then goes on.
TEST(TEditSetter, WriteFromInsideTheHandlerReentersIt) {
  TEdit edit;
  std::vector<std::string> events;
  int depth = 0;
  edit.OnChange = [&](TObject*) {
    events.push_back(std::string(static_cast<std::size_t>(depth), '>') + "begin " + edit.Text());
    ++depth;
    const std::string text = edit.Text();
    if (text.size() > 1) edit.SetText(text.substr(1));
    --depth;
    events.push_back(std::string(static_cast<std::size_t>(depth), '>') + "end " + text);
  };
  edit.SetText("abc");
  EXPECT_EQ(events, (std::vector<std::string>{"begin abc", ">begin bc", ">>begin c",
                                              ">>end c", ">end bc", "end abc"}));
  EXPECT_EQ(edit.Text(), "c");
}

TEST(TEditSetter, WriteWithoutChangeRunsNoHandler) {
  TEdit edit;
  int runs = 0;
  edit.OnChange = [&](TObject*) { ++runs; };
  edit.SetTextWithoutChange("Overflow!");
  EXPECT_EQ(edit.Text(), "Overflow!");
  EXPECT_EQ(runs, 0);
}

TEST(TEditSelection, SetSelClampsAndSelectAllCopies) {
  TEdit edit;
  edit.SetText("04:15");
  edit.SetSel(3, 3);
  EXPECT_EQ(edit.SelStart(), 3);
  EXPECT_EQ(edit.SelLength(), 0);
  edit.SetSel(9, 9);
  EXPECT_EQ(edit.SelStart(), 5) << "past the end means the end";

  MemoryClipboard clipboard;
  clipboard.SetAsText("old");
  edit.CopyToClipboard(clipboard);
  EXPECT_EQ(clipboard.AsText(), "old") << "an empty selection copies nothing";
  edit.SelectAll();
  EXPECT_EQ(edit.SelText(), "04:15");
  edit.CopyToClipboard(clipboard);
  EXPECT_EQ(clipboard.AsText(), "04:15");
}

// A rewrite keeps the caret's distance from the end, so typing in the middle
// of a field that is tidied up does not throw the caret to an end.
TEST(TEditSelection, RewriteKeepsCaretDistanceFromEnd) {
  TEdit edit;
  edit.OnChange = [&](TObject*) {
    if (edit.Text() == "1:2:3") edit.SetText("01:02:03");
  };
  edit.UserEdit("1:2:3", 3);  // caret after "1:2", two bytes from the end
  EXPECT_EQ(edit.Text(), "01:02:03");
  EXPECT_EQ(edit.SelStart(), 6);
  EXPECT_EQ(edit.SelLength(), 0);
}

TEST(TMenuItemRadio, CheckingUnchecksOnlyItsOwnGroupUnderTheSameParent) {
  TMenuItem parent, other;
  TMenuItem a, b, c, plain, elsewhere;
  for (TMenuItem* item : {&a, &b}) {
    item->RadioItem = true;
    item->GroupIndex = 1;
    parent.Add(*item);
  }
  c.RadioItem = true;
  c.GroupIndex = 2;
  parent.Add(c);
  parent.Add(plain);
  elsewhere.RadioItem = true;
  elsewhere.GroupIndex = 1;
  other.Add(elsewhere);

  a.SetChecked(true);
  c.SetChecked(true);
  plain.SetChecked(true);
  elsewhere.SetChecked(true);
  b.SetChecked(true);

  EXPECT_FALSE(a.Checked());
  EXPECT_TRUE(b.Checked());
  EXPECT_TRUE(c.Checked());
  EXPECT_TRUE(plain.Checked());
  EXPECT_TRUE(elsewhere.Checked());
}

TEST(TMenuItemClick, DisabledItemDoesNothing) {
  TMenuItem item;
  int clicks = 0;
  item.OnClick = [&](TObject* sender) {
    EXPECT_EQ(sender, &item);
    ++clicks;
  };
  item.Click();
  item.SetEnabled(false);
  item.Click();
  EXPECT_EQ(clicks, 1);
}

TEST(TLabelAutoSize, FollowsCaptionAndFont) {
  HalfWidthMeasurer measurer;
  TLabel label;
  label.SetMeasurer(&measurer);
  label.SetCaption("000");
  EXPECT_EQ(label.Width(), 18);  // 3 bytes, half of 12 pixels each
  EXPECT_EQ(label.Height(), 12);
  label.SetFontSize(33);  // 44 pixels
  EXPECT_EQ(label.Width(), 66);
  EXPECT_EQ(label.Height(), 44);
  EXPECT_EQ(label.Font().Size(), 33);
}

TEST(TFontSize, PointsAndPixelsAtNinetySixDpi) {
  struct Row { std::int32_t points, pixels; };
  for (const Row row : {Row{9, 12}, Row{33, 44}, Row{29, 39}, Row{4, 5}, Row{11, 15}}) {
    TFont font;
    font.SetSize(row.points);
    EXPECT_EQ(font.Height, row.pixels) << row.points;
    EXPECT_EQ(font.Size(), row.points);
  }
}

TEST(CodePage, ConvertsBothWaysAndMarksWhatDoesNotFit) {
  EXPECT_EQ(Cp932FromUtf8("60進数"), "60\x90\x69\x90\x94");
  EXPECT_EQ(Utf8FromCp932("60\x90\x69\x90\x94"), "60進数");
  EXPECT_EQ(Cp932FromUtf8("a\\b"), "a\\b") << "0x5C stays a backslash";
  EXPECT_EQ(Cp932FromUtf8("ア"), "\x83\x41");
  EXPECT_EQ(Cp932FromUtf8("x😀y"), "x?y");
  EXPECT_EQ(Cp932FromUtf8("x\xff" "y"), "x?y") << "a stray byte";
  EXPECT_EQ(Cp932FromUtf8("x\xe3\x81"), "x?") << "cut short";
  EXPECT_EQ(Utf8FromCp932("x\x83"), "x?") << "a lead byte at the end";
  const std::string big(1 << 20, 'a');
  EXPECT_EQ(Cp932FromUtf8(big), big);
}

TEST(MemorySettings, ReadsOnlyIntegersAndReportsFailedWrites) {
  MemorySettings store;
  store.keys["K"]["Int"] = std::int32_t{7};
  store.keys["K"]["Text"] = std::string("7");
  store.keys["K"]["Long"] = std::int64_t{99999999999};
  auto registry = store.MakeRegistry();
  ASSERT_TRUE(registry->OpenKey("K", false));
  EXPECT_EQ(registry->ReadInteger("Int"), 7);
  EXPECT_THROW(registry->ReadInteger("Text"), ERegistryException);
  EXPECT_THROW(registry->ReadInteger("Long"), ERegistryException);
  EXPECT_THROW(registry->ReadInteger("Missing"), ERegistryException);
  registry->WriteInteger("Text", 5);
  EXPECT_EQ(registry->ReadInteger("Text"), 5) << "a write replaces any type";

  store.failWrites = true;
  try {
    registry->WriteInteger("Top", 1);
    FAIL() << "the write should fail";
  } catch (const ERegistryException& error) {
    EXPECT_EQ(Utf8FromCp932(error.what()), "'Top' の設定に失敗しました");
  }
}

}  // namespace
}  // namespace nodri
