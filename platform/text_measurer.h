// Measures text for labels that size themselves to their caption. A real
// toolkit measures with its font metrics; tests and the command-line tool use
// a simple deterministic stand-in.
#pragma once

#include <cstdint>
#include <string_view>

#include "font.h"

namespace nodri {

struct TextExtent {
  std::int32_t Width = 0;
  std::int32_t Height = 0;
};

class TextMeasurer {
 public:
  virtual ~TextMeasurer() = default;
  // `text` is in code page 932.
  virtual TextExtent Measure(const TFont& font, std::string_view text) const = 0;
};

// Every byte half as wide as the font is high, lines as high as the font:
// enough for layouts that nobody looks at, and easy to reason about in tests.
class HalfWidthMeasurer final : public TextMeasurer {
 public:
  TextExtent Measure(const TFont& font, std::string_view text) const override {
    return {static_cast<std::int32_t>(text.size()) * font.Height / 2, font.Height};
  }
};

}  // namespace nodri
