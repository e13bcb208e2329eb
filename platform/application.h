// The application object: its title, and the error display that shows what
// escapes an event handler.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace nodri {

// The class library's general exception. Its message is in code page 932.
class Exception : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Shows a message box: the text, the caption, an error icon and one OK button.
class ErrorDisplay {
 public:
  virtual ~ErrorDisplay() = default;
  // Both texts are in code page 932.
  virtual void ShowError(std::string_view caption, std::string_view text) = 0;
};

// Keeps what would have been shown, for tests and the command-line tool.
class RecordingErrorDisplay final : public ErrorDisplay {
 public:
  struct Shown {
    std::string caption;
    std::string text;
  };
  void ShowError(std::string_view caption, std::string_view text) override {
    shown.push_back({std::string(caption), std::string(text)});
  }
  std::vector<Shown> shown;
};

class TApplication {
 public:
  explicit TApplication(ErrorDisplay& display) : display_(display) {}

  std::string Title;  // code page 932

  // The message followed by ".", in a box captioned with the title.
  void ShowException(const std::exception& error);

  // Runs `action`; an exception that escapes it is shown instead of passed
  // on, as for every event the user sets off.
  template <class Action>
  void Dispatch(Action&& action) {
    try {
      action();
    } catch (const std::exception& error) {
      ShowException(error);
    }
  }

 private:
  ErrorDisplay& display_;
};

}  // namespace nodri
