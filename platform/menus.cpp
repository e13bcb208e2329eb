// Menu items: captions, check marks with radio groups, sub-items, clicks.
#include "menus.h"

namespace nodri {

void TMenuItem::SetCaption(std::string_view caption) {
  if (caption == caption_) return;
  caption_.assign(caption);
  Notify(Change::Caption);
}

void TMenuItem::SetChecked(bool checked) {
  if (checked && RadioItem && parent_ != nullptr) {
    for (TMenuItem* sibling : parent_->items_) {
      if (sibling != this && sibling->RadioItem &&
          sibling->GroupIndex == GroupIndex && sibling->checked_) {
        sibling->checked_ = false;
        sibling->Notify(Change::Checked);
      }
    }
  }
  if (checked == checked_) return;
  checked_ = checked;
  Notify(Change::Checked);
}

void TMenuItem::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  Notify(Change::Enabled);
}

void TMenuItem::Add(TMenuItem& item) {
  item.parent_ = this;
  items_.push_back(&item);
}

void TMenuItem::Click() {
  if (enabled_ && OnClick) OnClick(this);
}

}  // namespace nodri
