// The base of every object of the class library that the window is built on:
// the event signature, and the peer through which a real toolkit mirrors a
// component. Without a peer a component is pure data, so the window's logic
// runs the same with or without a screen.
#pragma once

#include <functional>
#include <string>

namespace nodri {

class TObject {
 public:
  TObject() = default;
  TObject(const TObject&) = delete;
  TObject& operator=(const TObject&) = delete;
  virtual ~TObject() = default;
};

// An event handler: (Sender) and no result.
using TNotifyEvent = std::function<void(TObject* sender)>;

// What a peer is told after a component changed.
enum class Change {
  Text,       // TEdit text
  Selection,  // TEdit selection or caret
  Caption,    // label, button, menu item, form caption
  Font,
  Bounds,     // left, top, width or height
  Visible,
  Enabled,
  Checked,
  Other,      // tab order, tab stop, read-only data a peer may mirror
};

// A real widget that mirrors a component. The component tells it what changed;
// the peer reads the new values from the component itself.
class ComponentPeer {
 public:
  virtual ~ComponentPeer() = default;
  virtual void Changed(Change what) = 0;
};

class TComponent : public TObject {
 public:
  std::string Name;

  ComponentPeer* Peer() const { return peer_; }
  void SetPeer(ComponentPeer* peer) { peer_ = peer; }

 protected:
  void Notify(Change what) {
    if (peer_ != nullptr) peer_->Changed(what);
  }

 private:
  ComponentPeer* peer_ = nullptr;
};

}  // namespace nodri
