// The window's design: every control and menu item with the properties it
// carries when the window is made, and the handler each event runs. The texts
// are written here in UTF-8 and stored in code page 932, as the window holds
// all its texts.
#include "platform/code_page.h"
#include "window/form1.h"

namespace nodri {
namespace {

TFont WindowFont() {
  return TFont{Sjis("ＭＳ Ｐゴシック"), 12, ShiftJisCharset, TFontPitch::Default};
}

TFont FontOfHeight(std::string_view utf8Name, std::int32_t height,
                   TFontPitch pitch = TFontPitch::Default) {
  return TFont{Sjis(utf8Name), height, ShiftJisCharset, pitch};
}

void Edit(TEdit& edit, const char* name, std::int32_t left, std::int32_t top,
          std::int32_t width, std::int32_t height, std::int32_t tabOrder,
          TPopupMenu* menu) {
  edit.Name = name;
  edit.SetBounds(left, top, width, height);
  edit.SetFont(WindowFont());
  edit.TabOrder = tabOrder;
  edit.PopupMenu = menu;
}

// A number field: at most 255 bytes typed, fixed height, input method closed.
void NumberField(TEdit& edit, const char* name, std::int32_t top,
                 std::int32_t tabOrder, TPopupMenu& menu) {
  Edit(edit, name, 72, top, 345, 33, tabOrder, &menu);
  edit.SetText("0");
  edit.MaxLength = 255;
  edit.AutoSize = false;
  edit.ImeMode = TImeMode::Close;
  edit.ImeName = "MSIME95";
}

void Label(TLabel& label, const char* name, std::string_view utf8Caption,
           std::int32_t left, std::int32_t top, std::int32_t width,
           std::int32_t height, const TFont& font) {
  label.Name = name;
  label.SetBounds(left, top, width, height);
  label.SetFont(font);
  label.SetCaption(Sjis(utf8Caption));
}

void Item(TMenuItem& parent, TMenuItem& item, const char* name,
          std::string_view utf8Caption, std::int32_t tag = 0) {
  item.Name = name;
  item.SetCaption(Sjis(utf8Caption));
  item.Tag = tag;
  parent.Add(item);
}

void RadioItem(TMenuItem& parent, TMenuItem& item, const char* name,
               std::string_view utf8Caption, std::int32_t tag,
               std::int32_t group) {
  item.RadioItem = true;
  item.GroupIndex = group;
  Item(parent, item, name, utf8Caption, tag);
}

}  // namespace

TForm1::TForm1(const FormServices& services) : TForm(services) {
  ApplyDesign();
  BindEvents();
}

void TForm1::ApplyDesign() {
  Name = "Form1";
  SetCaption("Nodri");
  Font = WindowFont();
  PopupMenu = &PopupMenu1;
  Position = TPosition::ScreenCenter;
  SetLeft(DesignLeft);
  SetTop(DesignTop);
  SetClientSize(DesignClientWidth, DesignClientHeight);

  for (TControl* control :
       std::initializer_list<TControl*>{&EditBase, &ButtonUp, &ButtonDown, &LabelO, &LabelD,
                                        &LabelH, &EditO, &EditD, &EditH, &LabelDummy,
                                        &EditDummy}) {
    InsertControl(*control);
  }

  Edit(EditBase, "EditBase", 8, 8, 33, 20, 3, &PopupMenu1);
  EditBase.SetText("60");
  EditBase.MaxLength = 3;
  EditBase.ImeMode = TImeMode::Close;
  EditBase.SetAccessibleName(Sjis("基数"));

  const TFont buttonFont = FontOfHeight("ＭＳ Ｐゴシック", 9);
  ButtonUp.Name = "ButtonUp";
  ButtonUp.SetBounds(40, 8, 9, 9);
  ButtonUp.SetCaption(Sjis("▲"));
  ButtonUp.SetFont(buttonFont);
  ButtonUp.TabStop = false;
  ButtonUp.TabOrder = 5;
  ButtonUp.PopupMenu = &PopupMenu1;
  ButtonDown.Name = "ButtonDown";
  ButtonDown.SetBounds(40, 18, 9, 9);
  ButtonDown.SetCaption(Sjis("▼"));
  ButtonDown.SetFont(buttonFont);
  ButtonDown.TabStop = false;
  ButtonDown.TabOrder = 4;
  ButtonDown.PopupMenu = &PopupMenu1;

  const TextMeasurer* measurer = &Services().measurer;
  Label(LabelO, "LabelO", "進数", 8, 8, 22, 11, FontOfHeight("ＭＳ Ｐゴシック", 11));
  Label(LabelD, "LabelD", "10進数", 8, 48, 36, 12, WindowFont());
  Label(LabelH, "LabelH", "16進数", 8, 88, 36, 12,
        FontOfHeight("ＭＳ ゴシック", 12, TFontPitch::Fixed));
  Label(LabelDummy, "LabelDummy", "LabelDummy", 8, 128, 65, 12, WindowFont());
  LabelDummy.SetVisible(false);
  for (TLabel* label : {&LabelO, &LabelD, &LabelH, &LabelDummy}) {
    label->PopupMenu = label == &LabelDummy ? nullptr : &PopupMenu1;
    label->SetMeasurer(measurer);
  }

  NumberField(EditO, "EditO", 8, 0, PopupMenuO);
  NumberField(EditD, "EditD", 48, 1, PopupMenuD);
  NumberField(EditH, "EditH", 88, 2, PopupMenuH);
  EditO.SetAccessibleName(Sjis("60進数"));
  EditD.SetAccessibleName(LabelD.Caption());
  EditH.SetAccessibleName(LabelH.Caption());

  Edit(EditDummy, "EditDummy", 72, 128, 121, 20, 6, nullptr);
  EditDummy.SetText("EditDummy");
  EditDummy.TabStop = false;
  EditDummy.SetVisible(false);

  // The popup menu of the window, its labels, buttons and base field.
  PopupMenu1.Name = "PopupMenu1";
  TMenuItem& menu1 = PopupMenu1.Items;
  Item(menu1, PopupMenuItemClear, "PopupMenuItemClear", "0に戻す");
  Item(menu1, PopupMenuItemCopy, "PopupMenuItemCopy", "コピー");
  Item(PopupMenuItemCopy, PopupMenuItemCopyO, "PopupMenuItemCopyO", "n進数");
  Item(PopupMenuItemCopy, PopupMenuItemCopyD, "PopupMenuItemCopyD", "10進数");
  Item(PopupMenuItemCopy, PopupMenuItemCopyH, "PopupMenuItemCopyH", "16進数");
  Item(PopupMenuItemCopy, PopupMenuItemCopy0xH, "PopupMenuItemCopy0xH", "0x 付き１６進数");
  Item(menu1, PopupMenuItemPaste, "PopupMenuItemPaste", "張り付け");
  Item(PopupMenuItemPaste, PopupMenuItemPasteO, "PopupMenuItemPasteO", "n進数");
  Item(PopupMenuItemPaste, PopupMenuItemPasteD, "PopupMenuItemPasteD", "10進数");
  Item(PopupMenuItemPaste, PopupMenuItemPasteH, "PopupMenuItemPasteH", "16進数");
  Item(menu1, PopupMenuItemBar1, "PopupMenuItemBar1", "-");
  Item(menu1, PopupMenuItemForm, "PopupMenuItemForm", "n進数の形式");
  RadioItem(PopupMenuItemForm, PopupMenuItemForm0, "PopupMenuItemForm0", "ddd (0-9, a-z)", 0, 1);
  RadioItem(PopupMenuItemForm, PopupMenuItemForm1, "PopupMenuItemForm1", "00:00:00", 1, 1);
  RadioItem(PopupMenuItemForm, PopupMenuItemForm2, "PopupMenuItemForm2", "00 00 00", 2, 1);
  RadioItem(PopupMenuItemForm, PopupMenuItemForm3, "PopupMenuItemForm3", "00/00/00", 3, 1);
  RadioItem(PopupMenuItemForm, PopupMenuItemForm4, "PopupMenuItemForm4", "00\\00\\00", 4, 1);
  PopupMenuItemForm1.SetChecked(true);
  Item(menu1, PopupMenuItemBase, "PopupMenuItemBase", "基数");
  Item(PopupMenuItemBase, PopupMenuItemBase2, "PopupMenuItemBase2", "2進数", 2);
  Item(PopupMenuItemBase, PopupMenuItemBase21, "PopupMenuItemBase21", "12進数", 12);
  Item(PopupMenuItemBase, PopupMenuItemBase24, "PopupMenuItemBase24", "24進数", 24);
  Item(PopupMenuItemBase, PopupMenuItemBase60, "PopupMenuItemBase60", "60進数", 60);
  Item(PopupMenuItemBase, PopupMenuItemBase365, "PopupMenuItemBase365", "365進数", 365);
  Item(menu1, PopupMenuItemCase, "PopupMenuItemCase", "大文字で表示する");

  // The base-n field's menu.
  PopupMenuO.Name = "PopupMenuO";
  TMenuItem& menuO = PopupMenuO.Items;
  Item(menuO, PopupMenuOItemClear, "PopupMenuOItemClear", "0に戻す");
  Item(menuO, PopupMenuOItemCopy, "PopupMenuOItemCopy", "コピー");
  Item(menuO, PopupMenuOItemPaste, "PopupMenuOItemPaste", "張り付け");
  Item(menuO, PopupMenuOItemBar, "PopupMenuOItemBar", "-");
  Item(menuO, PopupMenuOItemForm, "PopupMenuOItemForm", "n進数の形式");
  RadioItem(PopupMenuOItemForm, PopupMenuOItemForm0, "PopupMenuOItemForm0", "ddd (0-9, a-z)", 0, 2);
  RadioItem(PopupMenuOItemForm, PopupMenuOItemForm1, "PopupMenuOItemForm1", "00:00:00", 1, 2);
  RadioItem(PopupMenuOItemForm, PopupMenuOItemForm2, "PopupMenuOItemForm2", "00 00 00", 2, 2);
  RadioItem(PopupMenuOItemForm, PopupMenuOItemForm3, "PopupMenuOItemForm3", "00/00/00", 3, 2);
  RadioItem(PopupMenuOItemForm, PopupMenuOItemForm4, "PopupMenuOItemForm4", "00\\00\\00", 4, 2);
  PopupMenuOItemForm1.SetChecked(true);
  Item(menuO, PopupMenuOItemBase, "PopupMenuOItemBase", "基数");
  Item(PopupMenuOItemBase, PopupMenuOItemBase2, "PopupMenuOItemBase2", "2進数", 2);
  Item(PopupMenuOItemBase, PopupMenuOItemBase12, "PopupMenuOItemBase12", "12進数", 12);
  Item(PopupMenuOItemBase, PopupMenuOItemBase24, "PopupMenuOItemBase24", "24進数", 24);
  Item(PopupMenuOItemBase, PopupMenuOItemBase60, "PopupMenuOItemBase60", "60進数", 60);
  Item(PopupMenuOItemBase, PopupMenuOItemBase365, "PopupMenuOItemBase365", "365進数", 365);
  Item(menuO, PopupMenuOItemCase, "PopupMenuOItemCase", "大文字で表示する");

  // The decimal field's menu.
  PopupMenuD.Name = "PopupMenuD";
  Item(PopupMenuD.Items, PopupMenuDItemClear, "PopupMenuDItemClear", "0に戻す");
  Item(PopupMenuD.Items, PopupMenuDItemCopy, "PopupMenuDItemCopy", "コピー");
  Item(PopupMenuD.Items, PopupMenuDItemPaste, "PopupMenuDItemPaste", "張り付け");

  // The hexadecimal field's menu.
  PopupMenuH.Name = "PopupMenuH";
  Item(PopupMenuH.Items, PopupMenuHItemClear, "PopupMenuHItemClear", "0に戻す");
  Item(PopupMenuH.Items, PopupMenuHItemCopy, "PopupMenuHItemCopy", "コピー");
  Item(PopupMenuH.Items, PopupMenuHItem0xCopy, "PopupMenuHItem0xCopy", "0x 付きコピー");
  Item(PopupMenuH.Items, PopupMenuHItemPaste, "PopupMenuHItemPaste", "張り付け");
  Item(PopupMenuH.Items, PopupMenuHItemBar, "PopupMenuHItemBar", "-");
  Item(PopupMenuH.Items, PopupMenuHItemCase, "PopupMenuHItemCase", "大文字で表示する");
}

// The design's texts are in place before the handlers are bound, so making
// the window runs no change handler.
void TForm1::BindEvents() {
  const auto bind = [this](void (TForm1::*handler)(TObject*)) {
    return [this, handler](TObject* sender) { (this->*handler)(sender); };
  };
  OnCreate = bind(&TForm1::FormCreate);
  OnClose = bind(&TForm1::FormClose);
  OnResize = bind(&TForm1::FormResize);

  EditO.OnChange = bind(&TForm1::EditOChange);
  EditD.OnChange = bind(&TForm1::EditDChange);
  EditH.OnChange = bind(&TForm1::EditHChange);
  EditBase.OnChange = bind(&TForm1::EditBaseChange);
  ButtonUp.OnClick = bind(&TForm1::ButtonUpClick);
  ButtonDown.OnClick = bind(&TForm1::ButtonDownClick);

  for (TMenuItem* item : {&PopupMenuItemClear, &PopupMenuOItemClear,
                          &PopupMenuDItemClear, &PopupMenuHItemClear}) {
    item->OnClick = bind(&TForm1::PopupMenuItemClearClick);
  }
  PopupMenuItemCopyO.OnClick = bind(&TForm1::PopupMenuItemCopyOClick);
  PopupMenuOItemCopy.OnClick = bind(&TForm1::PopupMenuItemCopyOClick);
  PopupMenuItemCopyD.OnClick = bind(&TForm1::PopupMenuItemCopyDClick);
  PopupMenuDItemCopy.OnClick = bind(&TForm1::PopupMenuItemCopyDClick);
  PopupMenuItemCopyH.OnClick = bind(&TForm1::PopupMenuItemCopyHClick);
  PopupMenuHItemCopy.OnClick = bind(&TForm1::PopupMenuItemCopyHClick);
  PopupMenuItemCopy0xH.OnClick = bind(&TForm1::PopupMenuItemCopy0xHClick);
  PopupMenuHItem0xCopy.OnClick = bind(&TForm1::PopupMenuItemCopy0xHClick);
  PopupMenuItemPasteO.OnClick = bind(&TForm1::PopupMenuItemPasteOClick);
  PopupMenuOItemPaste.OnClick = bind(&TForm1::PopupMenuItemPasteOClick);
  PopupMenuItemPasteD.OnClick = bind(&TForm1::PopupMenuItemPasteDClick);
  PopupMenuDItemPaste.OnClick = bind(&TForm1::PopupMenuItemPasteDClick);
  PopupMenuItemPasteH.OnClick = bind(&TForm1::PopupMenuItemPasteHClick);
  PopupMenuHItemPaste.OnClick = bind(&TForm1::PopupMenuItemPasteHClick);

  for (TMenuItem* item : {&PopupMenuItemForm0, &PopupMenuItemForm1,
                          &PopupMenuItemForm2, &PopupMenuItemForm3,
                          &PopupMenuItemForm4, &PopupMenuOItemForm0,
                          &PopupMenuOItemForm1, &PopupMenuOItemForm2,
                          &PopupMenuOItemForm3, &PopupMenuOItemForm4}) {
    item->OnClick = bind(&TForm1::PopupMenuItemFormClick);
  }
  for (TMenuItem* item : {&PopupMenuItemBase2, &PopupMenuItemBase21,
                          &PopupMenuItemBase24, &PopupMenuItemBase60,
                          &PopupMenuItemBase365, &PopupMenuOItemBase2,
                          &PopupMenuOItemBase12, &PopupMenuOItemBase24,
                          &PopupMenuOItemBase60, &PopupMenuOItemBase365}) {
    item->OnClick = bind(&TForm1::PopupMenuItemBaseClick);
  }
  for (TMenuItem* item : {&PopupMenuItemCase, &PopupMenuOItemCase,
                          &PopupMenuHItemCase}) {
    item->OnClick = bind(&TForm1::PopupMenuItemCaseClick);
  }
}

}  // namespace nodri
