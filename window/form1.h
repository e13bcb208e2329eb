// The converter window: one whole number in base n (EditO), decimal (EditD)
// and hexadecimal (EditH), kept in step by the fields' change handlers.
//
// The three field texts are the state; there is no stored copy of the number.
// The base lives only in the text of EditBase. Handlers keep all their
// working data local, so that a run nested inside another's write never
// disturbs it.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "numeral/numeral.h"
#include "platform/controls.h"
#include "platform/form.h"
#include "platform/menus.h"

namespace nodri {

// Told of every run of the four change handlers (EditOChange, EditDChange,
// EditHChange, EditBaseChange), whether a write started it or a command
// called it. `depth` counts the runs it is nested in: 0 for an outermost run.
class HandlerRunObserver {
 public:
  virtual ~HandlerRunObserver() = default;
  virtual void RunBegan(std::string_view handler, std::string_view fieldText,
                        int depth) = 0;
};

class TForm1 : public TForm {
 public:
  // Builds every control and menu from the window's design and binds the
  // handlers. Creation (FormCreate) is the caller's next step: Create().
  explicit TForm1(const FormServices& services);

  // Controls, in the order of the design.
  TEdit EditBase;
  TButton ButtonUp;
  TButton ButtonDown;
  TLabel LabelO;
  TLabel LabelD;
  TLabel LabelH;
  TEdit EditO;
  TEdit EditD;
  TEdit EditH;
  TLabel LabelDummy;
  TEdit EditDummy;

  TPopupMenu PopupMenu1;
  TMenuItem PopupMenuItemClear;
  TMenuItem PopupMenuItemCopy;
  TMenuItem PopupMenuItemCopyO;
  TMenuItem PopupMenuItemCopyD;
  TMenuItem PopupMenuItemCopyH;
  TMenuItem PopupMenuItemCopy0xH;
  TMenuItem PopupMenuItemPaste;
  TMenuItem PopupMenuItemPasteO;
  TMenuItem PopupMenuItemPasteD;
  TMenuItem PopupMenuItemPasteH;
  TMenuItem PopupMenuItemBar1;
  TMenuItem PopupMenuItemForm;
  TMenuItem PopupMenuItemForm0;
  TMenuItem PopupMenuItemForm1;
  TMenuItem PopupMenuItemForm2;
  TMenuItem PopupMenuItemForm3;
  TMenuItem PopupMenuItemForm4;
  TMenuItem PopupMenuItemBase;
  TMenuItem PopupMenuItemBase2;
  TMenuItem PopupMenuItemBase21;  // Tag and caption 12: the name is the design's
  TMenuItem PopupMenuItemBase24;
  TMenuItem PopupMenuItemBase60;
  TMenuItem PopupMenuItemBase365;
  TMenuItem PopupMenuItemCase;

  TPopupMenu PopupMenuO;
  TMenuItem PopupMenuOItemClear;
  TMenuItem PopupMenuOItemCopy;
  TMenuItem PopupMenuOItemPaste;
  TMenuItem PopupMenuOItemBar;
  TMenuItem PopupMenuOItemForm;
  TMenuItem PopupMenuOItemForm0;
  TMenuItem PopupMenuOItemForm1;
  TMenuItem PopupMenuOItemForm2;
  TMenuItem PopupMenuOItemForm3;
  TMenuItem PopupMenuOItemForm4;
  TMenuItem PopupMenuOItemBase;
  TMenuItem PopupMenuOItemBase2;
  TMenuItem PopupMenuOItemBase12;
  TMenuItem PopupMenuOItemBase24;
  TMenuItem PopupMenuOItemBase60;
  TMenuItem PopupMenuOItemBase365;
  TMenuItem PopupMenuOItemCase;

  TPopupMenu PopupMenuD;
  TMenuItem PopupMenuDItemClear;
  TMenuItem PopupMenuDItemCopy;
  TMenuItem PopupMenuDItemPaste;

  TPopupMenu PopupMenuH;
  TMenuItem PopupMenuHItemClear;
  TMenuItem PopupMenuHItemCopy;
  TMenuItem PopupMenuHItem0xCopy;
  TMenuItem PopupMenuHItemPaste;
  TMenuItem PopupMenuHItemBar;
  TMenuItem PopupMenuHItemCase;

  // The base-n form (FormLetters to FormBackslash; another value only from a
  // stored setting) and the letter case, non-zero for upper case.
  std::int32_t DigitForm = 0;
  std::int32_t CaseUpper = 0;

  // Field synchronisation.
  void EditOChange(TObject* sender);
  void EditDChange(TObject* sender);
  void EditHChange(TObject* sender);

  // Base selection.
  void EditBaseChange(TObject* sender);
  void ButtonUpClick(TObject* sender);
  void ButtonDownClick(TObject* sender);
  void PopupMenuItemBaseClick(TObject* sender);

  // Menu commands.
  void PopupMenuItemClearClick(TObject* sender);
  void PopupMenuItemCopyOClick(TObject* sender);
  void PopupMenuItemCopyDClick(TObject* sender);
  void PopupMenuItemCopyHClick(TObject* sender);
  void PopupMenuItemCopy0xHClick(TObject* sender);
  void PopupMenuItemPasteOClick(TObject* sender);
  void PopupMenuItemPasteDClick(TObject* sender);
  void PopupMenuItemPasteHClick(TObject* sender);
  void PopupMenuItemFormClick(TObject* sender);
  void PopupMenuItemCaseClick(TObject* sender);

  // Creation, closing and layout.
  void FormCreate(TObject* sender);
  void FormClose(TObject* sender);
  void FormResize(TObject* sender);

  void SetHandlerRunObserver(HandlerRunObserver* observer) { observer_ = observer; }

  // The form items of the window's menu and of the base-n field's menu, by
  // form number (FormLetters to FormBackslash).
  TMenuItem& FormItem(std::int32_t form);
  TMenuItem& FormItemO(std::int32_t form);

  // The settings key and the design's window position.
  static constexpr std::string_view SettingsKey = "Software\\Brevant\\Nodri";
  static constexpr std::int32_t DesignLeft = 322;
  static constexpr std::int32_t DesignTop = 119;
  static constexpr std::int32_t DesignClientWidth = 522;
  static constexpr std::int32_t DesignClientHeight = 162;

 private:
  class HandlerRun;

  // The start-up that follows reading the settings: case captions, base,
  // form check marks, and zero in the fields.
  void StartUp();

  void ApplyDesign();
  void BindEvents();

  bool BaseIsUnary() const { return EditBase.Text() == "1"; }
  std::int32_t BaseValue() const { return AtolValue(EditBase.Text()); }
  // Writes a converted text. `quiet` writes "Overflow!" without running the
  // field's handler: a number that the handler has read but that does not
  // fit this field must not be read back from it as another number.
  static void WriteField(TEdit& field, const std::string& text, bool quiet);
  std::string ShowBaseN(const DigitArray& digits) const;

  // Rewrites the fields after the base, form or case changed, from the
  // decimal field, or from the hexadecimal one when the decimal field
  // cannot show the number. `formBefore` re-reads the base-n field when
  // neither can (not after a base change, whose old digits mean nothing).
  void RecomputeAfterBaseChange();
  void RecomputeAfterNotationChange(std::int32_t formBefore);
  void CheckFormItems(std::int32_t form);

  HandlerRunObserver* observer_ = nullptr;
  int runDepth_ = 0;
};

}  // namespace nodri
