// The services a form borrows, made from Qt: the desktop's clipboard, the
// settings in QSettings, text measured with real font metrics, the primary
// screen and a message box for errors. Texts cross into Qt here, converted
// between code page 932 and Unicode.
#pragma once

#include <QFont>
#include <QString>
#include <memory>
#include <string>
#include <string_view>

#include "platform/application.h"
#include "platform/clipboard.h"
#include "platform/font.h"
#include "platform/form.h"
#include "platform/registry.h"
#include "platform/text_measurer.h"

class QWidget;

namespace nodri::qt {

QString ToQString(std::string_view cp932);
std::string FromQString(const QString& text);  // "?" for what 932 cannot hold

// Chooses the replacements for the design's Japanese fonts where they are
// missing: "ＭＳ Ｐゴシック" by IPAPGothic, "ＭＳ ゴシック" by IPAGothic. Call
// once, after the QApplication exists and before any font is made.
void InstallFontSubstitutes();
QFont ToQFont(const TFont& font);

class QtErrorDisplay final : public ErrorDisplay {
 public:
  void ShowError(std::string_view caption, std::string_view text) override;
};

class QtClipboard final : public TClipboard {
 public:
  std::string AsText() override;
  void SetAsText(std::string_view text) override;
};

class QtTextMeasurer final : public TextMeasurer {
 public:
  TextExtent Measure(const TFont& font, std::string_view text) const override;
};

// QSettings with organisation "Brevant" and application "Nodri", native
// format: the registry on Windows, $XDG_CONFIG_HOME/Brevant/Nodri.conf
// elsewhere. Integers only; anything else reads as a failure.
class QtSettingsStore final : public SettingsStore {
 public:
  std::unique_ptr<TRegistry> MakeRegistry() override;
};

TScreen PrimaryScreen();

// Everything a form needs from Qt, owned together for the program's life.
struct QtServices {
  QtErrorDisplay display;
  TApplication application{display};
  QtClipboard clipboard;
  QtSettingsStore settings;
  QtTextMeasurer measurer;
  TScreen screen = PrimaryScreen();
  FormServices Lend() {
    return FormServices{application, clipboard, settings, measurer, screen};
  }
};

}  // namespace nodri::qt
