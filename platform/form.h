// The form: a top-level window with a client area, a frame around it, and
// the events of its life (create, resize, close). Controls are members of the
// concrete form class; the form only knows the services they share.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "application.h"
#include "clipboard.h"
#include "component.h"
#include "font.h"
#include "registry.h"
#include "text_measurer.h"

namespace nodri {

class TControl;
class TPopupMenu;

// The primary screen: its size, and the part of it that windows may use.
struct TScreen {
  std::int32_t Width = 1920;
  std::int32_t Height = 1080;
  std::int32_t WorkAreaLeft = 0;
  std::int32_t WorkAreaTop = 0;
  std::int32_t WorkAreaWidth = 1920;
  std::int32_t WorkAreaHeight = 1080;
};

// What the platform lends a form for its whole life.
struct FormServices {
  TApplication& application;
  TClipboard& clipboard;
  SettingsStore& settings;
  const TextMeasurer& measurer;
  const TScreen& screen;
};

enum class TPosition { Designed, ScreenCenter };

class TForm : public TComponent {
 public:
  explicit TForm(const FormServices& services) : services_(services) {}

  const FormServices& Services() const { return services_; }
  TApplication& Application() const { return services_.application; }

  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string caption);

  // The outer bounds, frame included, in screen pixels.
  std::int32_t Left() const { return left_; }
  std::int32_t Top() const { return top_; }
  std::int32_t Width() const { return clientWidth_ + frameWidth_; }
  std::int32_t Height() const { return clientHeight_ + frameHeight_; }
  void SetLeft(std::int32_t left);
  void SetTop(std::int32_t top);
  void SetWidth(std::int32_t width) { SetClientSize(width - frameWidth_, clientHeight_); }
  void SetHeight(std::int32_t height) { SetClientSize(clientWidth_, height - frameHeight_); }

  std::int32_t ClientWidth() const { return clientWidth_; }
  std::int32_t ClientHeight() const { return clientHeight_; }
  void SetClientWidth(std::int32_t width) { SetClientSize(width, clientHeight_); }
  void SetClientHeight(std::int32_t height) { SetClientSize(clientWidth_, height); }
  // A change of size runs OnResize, nested, before it returns. Negative
  // sizes are taken as 0.
  void SetClientSize(std::int32_t width, std::int32_t height);

  // The frame around the client area: outer size minus client size. A peer
  // sets it from the real window; without one the window has no frame.
  std::int32_t FrameWidth() const { return frameWidth_; }
  std::int32_t FrameHeight() const { return frameHeight_; }
  void SetFrameSize(std::int32_t width, std::int32_t height);

  // The client size below which the user cannot drag the window; a hint
  // for the window manager, kept up to date by the layout.
  std::int32_t MinClientWidth() const { return minClientWidth_; }
  std::int32_t MinClientHeight() const { return minClientHeight_; }
  void SetMinClientSize(std::int32_t width, std::int32_t height);

  // The controls on the form, in design order, so that a toolkit can give
  // each one a widget without knowing the concrete form.
  void InsertControl(TControl& control) { controls_.push_back(&control); }
  const std::vector<TControl*>& Controls() const { return controls_; }

  TFont Font;
  TPopupMenu* PopupMenu = nullptr;
  TPosition Position = TPosition::Designed;

  TNotifyEvent OnCreate;
  TNotifyEvent OnClose;
  TNotifyEvent OnResize;

  // Runs OnCreate; what escapes it is shown by the error display.
  void Create();
  // Runs OnClose, shows what escapes it, and closes whatever happened: a
  // failure to save must not keep the program from ending.
  void Close();
  bool Closed() const { return closed_; }

  // Shows the window. At its first showing it is laid out (OnResize), and a
  // window designed to open at the centre of the screen is moved there,
  // whatever its stored position.
  void Show();
  bool Shown() const { return shown_; }
  // (screen size - window size) div 2 for each edge, at least 0.
  void CenterOnScreen();

 private:
  FormServices services_;
  std::vector<TControl*> controls_;
  std::string caption_;
  std::int32_t left_ = 0, top_ = 0;
  std::int32_t clientWidth_ = 0, clientHeight_ = 0;
  std::int32_t frameWidth_ = 0, frameHeight_ = 0;
  std::int32_t minClientWidth_ = 0, minClientHeight_ = 0;
  bool closed_ = false;
  bool shown_ = false;
};

}  // namespace nodri
