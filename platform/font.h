// Fonts as the window's design gives them: a name, a character height in
// pixels, a character set and a pitch. Sizes in points convert at the
// design resolution of 96 pixels per inch.
#pragma once

#include <cstdint>
#include <string>

namespace nodri {

inline constexpr std::int32_t DefaultCharset = 1;
inline constexpr std::int32_t ShiftJisCharset = 128;  // code page 932
inline constexpr std::int32_t PixelsPerInch = 96;

enum class TFontPitch { Default, Variable, Fixed };

struct TFont {
  std::string Name;  // code page 932
  std::int32_t Height = 12;  // character height in pixels
  std::int32_t Charset = ShiftJisCharset;
  TFontPitch Pitch = TFontPitch::Default;

  // s points are s * 96 / 72 pixels, to the nearest whole pixel.
  static std::int32_t PixelsFromPoints(std::int32_t points) {
    return static_cast<std::int32_t>(
        (std::int64_t{points} * PixelsPerInch * 2 + 72) / (72 * 2));
  }
  static std::int32_t PointsFromPixels(std::int32_t pixels) {
    return static_cast<std::int32_t>(
        (std::int64_t{pixels} * 72 * 2 + PixelsPerInch) / (PixelsPerInch * 2));
  }

  std::int32_t Size() const { return PointsFromPixels(Height); }
  // Keeps the name, the character set and the pitch.
  void SetSize(std::int32_t points) { Height = PixelsFromPoints(points); }

  bool operator==(const TFont&) const = default;
};

}  // namespace nodri
