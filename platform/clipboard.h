// The clipboard in its plain-text format, as code-page-932 bytes.
#pragma once

#include <string>
#include <string_view>

namespace nodri {

class TClipboard {
 public:
  virtual ~TClipboard() = default;
  // The clipboard's text; the empty text when it holds none or cannot be
  // opened.
  virtual std::string AsText() = 0;
  virtual void SetAsText(std::string_view text) = 0;
};

// A clipboard of our own, for tests and the command-line tool.
class MemoryClipboard final : public TClipboard {
 public:
  std::string AsText() override { return text_; }
  void SetAsText(std::string_view text) override { text_.assign(text); }

 private:
  std::string text_;
};

}  // namespace nodri
