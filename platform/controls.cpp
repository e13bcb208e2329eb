// Controls: geometry, fonts, the text setter rule, selections and labels that
// size themselves.
#include "controls.h"

#include <algorithm>

#include "clipboard.h"

namespace nodri {

void TControl::SetBounds(std::int32_t left, std::int32_t top,
                         std::int32_t width, std::int32_t height) {
  if (left == left_ && top == top_ && width == width_ && height == height_) return;
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
  Notify(Change::Bounds);
}

void TControl::SetFont(const TFont& font) {
  if (font == font_) return;
  font_ = font;
  Notify(Change::Font);
  FontChanged();
}

void TControl::SetFontSize(std::int32_t points) {
  TFont font = font_;
  font.SetSize(points);
  SetFont(font);
}

void TControl::SetVisible(bool visible) {
  if (visible == visible_) return;
  visible_ = visible;
  Notify(Change::Visible);
}

void TControl::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  Notify(Change::Enabled);
}

void TEdit::StoreText(std::string_view text) {
  // The caret keeps its distance from the end of the text, so a rewrite of
  // the field being typed in leaves the caret where the user works.
  const std::int32_t length = static_cast<std::int32_t>(text_.size());
  const std::int32_t fromEnd = length - std::min(selStart_ + selLength_, length);
  text_.assign(text);
  selStart_ = std::max(0, static_cast<std::int32_t>(text_.size()) - fromEnd);
  selLength_ = 0;
  Notify(Change::Text);
}

void TEdit::SetText(std::string_view text) {
  if (text == text_) return;
  StoreText(text);
  if (OnChange) OnChange(this);
}

void TEdit::SetTextWithoutChange(std::string_view text) {
  if (text == text_) return;
  StoreText(text);
}

void TEdit::UserEdit(std::string_view text, std::int32_t caret) {
  const std::int32_t length = static_cast<std::int32_t>(text.size());
  if (text == text_) {
    SetSel(caret, caret);
    return;
  }
  text_.assign(text);
  selStart_ = std::clamp(caret, 0, length);
  selLength_ = 0;
  Notify(Change::Text);
  if (OnChange) OnChange(this);
}

void TEdit::SetAccessibleName(std::string_view name) {
  if (name == accessibleName_) return;
  accessibleName_.assign(name);
  Notify(Change::Other);
}

void TEdit::SetSel(std::int32_t start, std::int32_t end) {
  const std::int32_t length = static_cast<std::int32_t>(text_.size());
  if (end < 0) end = length;
  start = std::clamp(start, 0, length);
  end = std::clamp(end, 0, length);
  selStart_ = std::min(start, end);
  selLength_ = std::max(start, end) - selStart_;
  Notify(Change::Selection);
}

std::string TEdit::SelText() const {
  return text_.substr(static_cast<std::size_t>(selStart_),
                      static_cast<std::size_t>(selLength_));
}

void TEdit::CopyToClipboard(TClipboard& clipboard) const {
  if (selLength_ > 0) clipboard.SetAsText(SelText());
}

void TLabel::SetCaption(std::string_view caption) {
  if (caption == caption_) return;
  caption_.assign(caption);
  Notify(Change::Caption);
  Fit();
}

void TLabel::SetMeasurer(const TextMeasurer* measurer) {
  measurer_ = measurer;
  Fit();
}

void TLabel::Fit() {
  if (!AutoSize || measurer_ == nullptr) return;
  const TextExtent extent = measurer_->Measure(Font(), caption_);
  SetBounds(Left(), Top(), extent.Width, extent.Height);
}

void TButton::SetCaption(std::string_view caption) {
  if (caption == caption_) return;
  caption_.assign(caption);
  Notify(Change::Caption);
}

void TButton::Click() {
  if (OnClick) OnClick(this);
}

}  // namespace nodri
