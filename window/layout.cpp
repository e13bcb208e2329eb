// The layout rule: everything scales with the client height. One unit u,
// a third of the height less 12, sets the row height, the fonts and the
// button size; the three fields stretch to the width.
#include <algorithm>

#include "window/form1.h"

namespace nodri {
namespace {

constexpr std::int32_t LeastClientHeight = 80;

// n * 0.7 and n * 0.8 with the fraction dropped, as the double-precision
// products come out: 0.7 is stored slightly below 0.7, so a multiple of 10
// loses one (20 gives 13), while 0.8 is slightly above and exact in effect.
std::int32_t SevenTenths(std::int32_t n) { return (7 * n - 1) / 10; }
std::int32_t FourFifths(std::int32_t n) { return (4 * n) / 5; }

}  // namespace

void TForm1::FormResize(TObject*) {
  // Minimised: there is no client area to lay out.
  if (ClientWidth() == 0 || ClientHeight() == 0) return;

  // Both corrections run this rule again, nested, for the corrected size;
  // this run then finishes with the same size and the same result.
  if (ClientHeight() < LeastClientHeight) SetClientHeight(LeastClientHeight);
  // LabelH's width is the previous layout's: its font changes further down.
  if (ClientWidth() < LabelH.Width() + 32) SetClientWidth(LabelH.Width() + 32);

  const std::int32_t u = ClientHeight() / 3 - 12;
  LabelDummy.SetCaption("000");
  const std::int32_t labelSize = FourFifths(u);
  LabelDummy.SetFontSize(labelSize);
  const std::int32_t fieldSize = SevenTenths(u);
  EditBase.SetFontSize(fieldSize);
  EditBase.SetHeight(u);
  // Measured at the label size, although the base shows at the field size.
  EditBase.SetWidth(LabelDummy.Width());

  const std::int32_t b = EditBase.Height() / 2;
  ButtonUp.SetWidth(b);
  ButtonDown.SetWidth(ButtonUp.Width());
  ButtonUp.SetHeight(ButtonUp.Width());
  ButtonDown.SetHeight(ButtonUp.Width());
  ButtonUp.SetLeft(EditBase.Left() + EditBase.Width());
  ButtonDown.SetLeft(ButtonUp.Left());
  ButtonDown.SetTop(ButtonUp.Top() + ButtonUp.Height());
  LabelO.SetLeft(ButtonUp.Left() + ButtonUp.Width());

  ButtonUp.SetFontSize(SevenTenths(ButtonUp.Width()));
  ButtonDown.SetFontSize(SevenTenths(ButtonUp.Width()));
  for (TLabel* label : {&LabelO, &LabelD, &LabelH}) label->SetFontSize(labelSize);
  for (TEdit* field : {&EditO, &EditD, &EditH}) field->SetFontSize(fieldSize);

  LabelD.SetTop(u + 16);
  EditD.SetTop(u + 16);
  LabelH.SetTop(2 * u + 24);
  EditH.SetTop(2 * u + 24);

  // LabelO's width is the one it took with its new font.
  const std::int32_t w =
      ClientWidth() - 24 - (LabelO.Left() + LabelO.Width() - EditBase.Left());
  for (TEdit* field : {&EditO, &EditD, &EditH}) {
    field->SetHeight(u);
    // A field too narrow to exist is given no width at all.
    field->SetWidth(std::max(0, w));
    field->SetLeft(ClientWidth() - 8 - w);
  }

  // Tell the window manager, so that a drag stops at the minimum.
  SetMinClientSize(LabelH.Width() + 32, LeastClientHeight);
}

}  // namespace nodri
