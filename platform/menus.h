// Popup menus and their items, with radio groups and separators.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "component.h"

namespace nodri {

class TMenuItem : public TComponent {
 public:
  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string_view caption);
  // A caption of "-" makes the item a separator.
  bool IsSeparator() const { return caption_ == "-"; }

  std::int32_t Tag = 0;
  bool RadioItem = false;
  std::int32_t GroupIndex = 0;

  bool Checked() const { return checked_; }
  // Checking a radio item unchecks every other radio item of the same group
  // under the same parent.
  void SetChecked(bool checked);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);

  // Sub-items, in menu order. The items are owned by whoever made them.
  void Add(TMenuItem& item);
  const std::vector<TMenuItem*>& Items() const { return items_; }
  TMenuItem* Parent() const { return parent_; }

  // A click, by the user or by the program; a disabled item does nothing.
  void Click();
  TNotifyEvent OnClick;

 private:
  std::string caption_;
  bool checked_ = false;
  bool enabled_ = true;
  std::vector<TMenuItem*> items_;
  TMenuItem* parent_ = nullptr;
};

class TPopupMenu : public TComponent {
 public:
  // The top-level items hang under an invisible root item.
  TMenuItem Items;
};

}  // namespace nodri
