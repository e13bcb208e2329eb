// Marks one run of a change handler for the observer, with its nesting depth.
// Internal to the window.
#pragma once

#include "window/form1.h"

namespace nodri {

class TForm1::HandlerRun {
 public:
  HandlerRun(TForm1& form, std::string_view handler, const TEdit& field)
      : form_(form) {
    if (form_.observer_ != nullptr) {
      form_.observer_->RunBegan(handler, field.Text(), form_.runDepth_);
    }
    ++form_.runDepth_;
  }
  ~HandlerRun() { --form_.runDepth_; }
  HandlerRun(const HandlerRun&) = delete;
  HandlerRun& operator=(const HandlerRun&) = delete;

 private:
  TForm1& form_;
};

}  // namespace nodri
