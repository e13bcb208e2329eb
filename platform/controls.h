// The controls the window is made of: the single-line text field with its
// setter rule, the self-sizing label and the push button.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "component.h"
#include "font.h"
#include "text_measurer.h"

namespace nodri {

class TClipboard;
class TPopupMenu;

enum class TImeMode { DontCare, Close };

class TControl : public TComponent {
 public:
  std::int32_t Left() const { return left_; }
  std::int32_t Top() const { return top_; }
  std::int32_t Width() const { return width_; }
  std::int32_t Height() const { return height_; }
  void SetLeft(std::int32_t left) { SetBounds(left, top_, width_, height_); }
  void SetTop(std::int32_t top) { SetBounds(left_, top, width_, height_); }
  void SetWidth(std::int32_t width) { SetBounds(left_, top_, width, height_); }
  void SetHeight(std::int32_t height) { SetBounds(left_, top_, width_, height); }
  void SetBounds(std::int32_t left, std::int32_t top, std::int32_t width,
                 std::int32_t height);

  const TFont& Font() const { return font_; }
  void SetFont(const TFont& font);
  void SetFontSize(std::int32_t points);

  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  bool Enabled() const { return enabled_; }
  // Setting the value a control already has does nothing.
  void SetEnabled(bool enabled);

  std::int32_t TabOrder = -1;
  bool TabStop = false;
  TPopupMenu* PopupMenu = nullptr;

 protected:
  virtual void FontChanged() {}

 private:
  std::int32_t left_ = 0, top_ = 0, width_ = 0, height_ = 0;
  TFont font_;
  bool visible_ = true;
  bool enabled_ = true;
};

// A single-line text field. Its text is code-page-932 bytes, and so are its
// selection positions.
//
// The setter is the heart of the window: writing the text the field already
// holds does nothing at all; writing a different text stores it and runs
// OnChange to completion, nested, before the write returns.
class TEdit : public TControl {
 public:
  TEdit() { TabStop = true; }

  const std::string& Text() const { return text_; }
  void SetText(std::string_view text);
  // Stores a different text without running OnChange. The window uses it for
  // the "Overflow!" it shows where a number cannot be written, which must not
  // be read back as if the user had typed it.
  void SetTextWithoutChange(std::string_view text);
  // A change the user made in the peer: the new text with the caret where
  // the user left it. Runs OnChange like any other change of the text.
  void UserEdit(std::string_view text, std::int32_t caret);

  // EM_SETSEL: 0, -1 selects everything; equal positions place the caret
  // with nothing selected; positions past the end mean the end.
  void SetSel(std::int32_t start, std::int32_t end);
  void SelectAll() { SetSel(0, -1); }
  std::int32_t SelStart() const { return selStart_; }
  std::int32_t SelLength() const { return selLength_; }
  std::string SelText() const;
  // WM_COPY: the selection as plain text; an empty selection copies nothing.
  void CopyToClipboard(TClipboard& clipboard) const;

  // The typing limit in bytes; program writes are never cut. Enforcing it is
  // the peer's job, since only the user types.
  std::int32_t MaxLength = 0;
  bool AutoSize = true;
  TImeMode ImeMode = TImeMode::DontCare;
  std::string ImeName;
  TNotifyEvent OnChange;

  // The name screen readers announce, in code page 932.
  const std::string& AccessibleName() const { return accessibleName_; }
  void SetAccessibleName(std::string_view name);

 private:
  void StoreText(std::string_view text);

  std::string text_;
  std::string accessibleName_;
  std::int32_t selStart_ = 0;
  std::int32_t selLength_ = 0;
};

// A caption that sizes itself to its text in its font whenever either
// changes, also while hidden.
class TLabel : public TControl {
 public:
  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string_view caption);

  bool AutoSize = true;
  void SetMeasurer(const TextMeasurer* measurer);

 protected:
  void FontChanged() override { Fit(); }

 private:
  void Fit();

  std::string caption_;
  const TextMeasurer* measurer_ = nullptr;
};

class TButton : public TControl {
 public:
  TButton() { TabStop = true; }

  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string_view caption);
  // A click, by the user or by the program.
  void Click();

  TNotifyEvent OnClick;

 private:
  std::string caption_;
};

}  // namespace nodri
