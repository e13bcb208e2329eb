// The form's bounds, its resize event and its life cycle.
#include "form.h"

#include <algorithm>

namespace nodri {

void TForm::SetCaption(std::string caption) {
  if (caption == caption_) return;
  caption_ = std::move(caption);
  Notify(Change::Caption);
}

void TForm::SetLeft(std::int32_t left) {
  if (left == left_) return;
  left_ = left;
  Notify(Change::Bounds);
}

void TForm::SetTop(std::int32_t top) {
  if (top == top_) return;
  top_ = top;
  Notify(Change::Bounds);
}

void TForm::SetClientSize(std::int32_t width, std::int32_t height) {
  width = std::max(0, width);
  height = std::max(0, height);
  if (width == clientWidth_ && height == clientHeight_) return;
  clientWidth_ = width;
  clientHeight_ = height;
  Notify(Change::Bounds);
  if (OnResize) OnResize(this);
}

void TForm::SetFrameSize(std::int32_t width, std::int32_t height) {
  frameWidth_ = std::max(0, width);
  frameHeight_ = std::max(0, height);
}

void TForm::SetMinClientSize(std::int32_t width, std::int32_t height) {
  if (width == minClientWidth_ && height == minClientHeight_) return;
  minClientWidth_ = width;
  minClientHeight_ = height;
  Notify(Change::Other);
}

void TForm::Create() {
  Application().Dispatch([this] {
    if (OnCreate) OnCreate(this);
  });
}

void TForm::Close() {
  if (closed_) return;
  Application().Dispatch([this] {
    if (OnClose) OnClose(this);
  });
  closed_ = true;
  Notify(Change::Visible);
}

void TForm::Show() {
  if (!shown_) {
    // The window gets its first size now: lay it out before anyone sees it,
    // then centre it with the size the layout settled on.
    if (OnResize) Application().Dispatch([this] { OnResize(this); });
    if (Position == TPosition::ScreenCenter) CenterOnScreen();
  }
  shown_ = true;
  Notify(Change::Visible);
}

void TForm::CenterOnScreen() {
  const TScreen& screen = services_.screen;
  SetLeft(std::max(0, (screen.Width - Width()) / 2));
  SetTop(std::max(0, (screen.Height - Height()) / 2));
}

}  // namespace nodri
