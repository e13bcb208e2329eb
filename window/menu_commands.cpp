// The popup menus' commands: reset to zero, copy and paste through the
// clipboard, the base-n form and the letter case. Changing the form or the
// case rewrites the fields from the decimal field, the window's reference.
#include <algorithm>

#include "platform/code_page.h"
#include "window/form1.h"

namespace nodri {

void TForm1::PopupMenuItemClearClick(TObject*) {
  EditD.SetText("0");
  // Only after the whole cascade: zero takes at most three bytes in EditO,
  // so each caret ends at the end of its field.
  EditO.SetSel(3, 3);
  EditD.SetSel(1, 1);
  EditH.SetSel(1, 1);
}

void TForm1::PopupMenuItemCopyOClick(TObject*) {
  EditO.SelectAll();
  EditO.CopyToClipboard(Services().clipboard);
}

void TForm1::PopupMenuItemCopyDClick(TObject*) {
  EditD.SelectAll();
  EditD.CopyToClipboard(Services().clipboard);
}

void TForm1::PopupMenuItemCopyHClick(TObject*) {
  EditH.SelectAll();
  EditH.CopyToClipboard(Services().clipboard);
}

void TForm1::PopupMenuItemCopy0xHClick(TObject*) {
  // Through the hidden field, which has no change handler.
  EditDummy.SetText("0x" + EditH.Text());
  EditDummy.SelectAll();
  EditDummy.CopyToClipboard(Services().clipboard);
}

// The clipboard's text goes in unchanged: no trimming and no length limit.
// The field's handler reads and cleans it.
void TForm1::PopupMenuItemPasteOClick(TObject*) {
  EditO.SetText(Services().clipboard.AsText());
}

void TForm1::PopupMenuItemPasteDClick(TObject*) {
  EditD.SetText(Services().clipboard.AsText());
}

void TForm1::PopupMenuItemPasteHClick(TObject*) {
  EditH.SetText(Services().clipboard.AsText());
}

TMenuItem& TForm1::FormItem(std::int32_t form) {
  TMenuItem* const items[] = {&PopupMenuItemForm0, &PopupMenuItemForm1, &PopupMenuItemForm2,
                              &PopupMenuItemForm3, &PopupMenuItemForm4};
  return *items[std::clamp(form, FormLetters, FormBackslash)];
}

TMenuItem& TForm1::FormItemO(std::int32_t form) {
  TMenuItem* const items[] = {&PopupMenuOItemForm0, &PopupMenuOItemForm1, &PopupMenuOItemForm2,
                              &PopupMenuOItemForm3, &PopupMenuOItemForm4};
  return *items[std::clamp(form, FormLetters, FormBackslash)];
}

void TForm1::CheckFormItems(std::int32_t form) {
  if (form < FormLetters || form > FormBackslash) return;
  FormItem(form).SetChecked(true);
  FormItemO(form).SetChecked(true);
}

void TForm1::PopupMenuItemFormClick(TObject* sender) {
  const auto* item = dynamic_cast<const TMenuItem*>(sender);
  if (item == nullptr) return;
  const std::int32_t formBefore = DigitForm;
  DigitForm = item->Tag;
  CheckFormItems(DigitForm);
  RecomputeAfterNotationChange(formBefore);
}

void TForm1::PopupMenuItemCaseClick(TObject*) {
  CaseUpper = CaseUpper == 0 ? 1 : 0;
  if (CaseUpper == 1) {
    PopupMenuItemCase.SetCaption(Sjis("小文字で表示する"));
    PopupMenuItemForm0.SetCaption("ddd (0-9, A-Z)");
  } else {
    PopupMenuItemCase.SetCaption(Sjis("大文字で表示する"));
    PopupMenuItemForm0.SetCaption("ddd (0-9, a-z)");
  }
  PopupMenuOItemCase.SetCaption(PopupMenuItemCase.Caption());
  PopupMenuHItemCase.SetCaption(PopupMenuItemCase.Caption());
  PopupMenuOItemForm0.SetCaption(PopupMenuItemForm0.Caption());
  RecomputeAfterNotationChange(DigitForm);
}

}  // namespace nodri
