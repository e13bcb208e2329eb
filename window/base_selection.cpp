// Base selection: the base is the text of EditBase, typed, stepped with the
// arrow buttons or picked from a menu. Every way ends in EditBaseChange, which
// keeps that text the plain decimal text of a base from 1 to 999 and rewrites
// everything that depends on the base.
#include <cstdint>
#include <string>

#include "platform/code_page.h"
#include "window/form1.h"
#include "window/handler_run.h"

namespace nodri {
namespace {

constexpr std::int32_t MinBase = 1;
constexpr std::int32_t MaxBase = 999;
// Above this the letters run out, so the letter form is not offered.
constexpr std::int32_t MaxLetterBase = 36;

}  // namespace

void TForm1::EditBaseChange(TObject*) {
  HandlerRun run(*this, "EditBaseChange", EditBase);
  // Each write below that changes the text runs this handler again, nested,
  // to its end; this run then goes on with the text the nested run left.
  EditBase.SetText(std::to_string(BaseValue()));
  if (BaseValue() > MaxBase) EditBase.SetText(std::to_string(MaxBase));
  if (BaseValue() < MinBase) EditBase.SetText(std::to_string(MinBase));

  ButtonUp.SetEnabled(BaseValue() != MaxBase);
  ButtonDown.SetEnabled(BaseValue() != MinBase);

  PopupMenuItemCopyO.SetCaption(EditBase.Text() + Sjis("進数"));
  PopupMenuItemPasteO.SetCaption(PopupMenuItemCopyO.Caption());
  PopupMenuItemForm.SetCaption(PopupMenuItemCopyO.Caption() + Sjis("の形式"));
  PopupMenuOItemForm.SetCaption(PopupMenuItemForm.Caption());
  // "dd" stands for one digit, as wide as the groups are padded.
  const std::string dd(EditBase.Text().size(), 'd');
  PopupMenuItemForm1.SetCaption(dd + ":" + dd + ":" + dd);
  PopupMenuItemForm2.SetCaption(dd + " " + dd + " " + dd);
  PopupMenuItemForm3.SetCaption(dd + "/" + dd + "/" + dd);
  PopupMenuItemForm4.SetCaption(dd + "\\" + dd + "\\" + dd);
  PopupMenuOItemForm0.SetCaption(PopupMenuItemForm0.Caption());
  PopupMenuOItemForm1.SetCaption(PopupMenuItemForm1.Caption());
  PopupMenuOItemForm2.SetCaption(PopupMenuItemForm2.Caption());
  PopupMenuOItemForm3.SetCaption(PopupMenuItemForm3.Caption());
  PopupMenuOItemForm4.SetCaption(PopupMenuItemForm4.Caption());
  // Screen readers announce the base-n field by the caption in front of it.
  EditO.SetAccessibleName(PopupMenuItemCopyO.Caption());

  const bool lettersOffered = BaseValue() <= MaxLetterBase;
  PopupMenuItemForm0.SetEnabled(lettersOffered);
  PopupMenuOItemForm0.SetEnabled(lettersOffered);
  if (!lettersOffered && DigitForm == FormLetters) {
    DigitForm = FormColon;
    CheckFormItems(FormColon);
  }

  RecomputeAfterBaseChange();
}

void TForm1::ButtonUpClick(TObject*) {
  // 64 bits: the text is a base of at most 999 here, but never overflow.
  EditBase.SetText(std::to_string(std::int64_t{BaseValue()} + 1));
}

void TForm1::ButtonDownClick(TObject*) {
  EditBase.SetText(std::to_string(std::int64_t{BaseValue()} - 1));
}

void TForm1::PopupMenuItemBaseClick(TObject* sender) {
  if (const auto* item = dynamic_cast<const TMenuItem*>(sender)) {
    EditBase.SetText(std::to_string(item->Tag));
  }
}

}  // namespace nodri
