// Qt's clipboard, settings, font metrics, screen and message box behind the
// control layer's interfaces.
#include "qt_services.h"

#include <QApplication>
#include <QClipboard>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QMessageBox>
#include <QRegularExpression>
#include <QScreen>
#include <QSettings>
#include <QVariant>
#include <limits>
#include <map>
#include <vector>

#include "platform/code_page.h"

namespace nodri::qt {

QString ToQString(std::string_view cp932) {
  const std::string utf8 = Utf8FromCp932(cp932);
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::string FromQString(const QString& text) {
  const QByteArray utf8 = text.toUtf8();
  return Cp932FromUtf8(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
}

namespace {

// The design's font names and the installed families that stand in for them.
std::map<QString, QString>& FontFamilies() {
  static std::map<QString, QString> families;
  return families;
}

}  // namespace

void InstallFontSubstitutes() {
  // Decided once: asking Qt for a family that is not installed costs a
  // fallback search in fontconfig every time a font is made.
  const std::pair<const char*, const char*> fonts[] = {{"ＭＳ Ｐゴシック", "IPAPGothic"},
                                                       {"ＭＳ ゴシック", "IPAGothic"}};
  for (const auto& [design, standIn] : fonts) {
    const QString name = QString::fromUtf8(design);
    FontFamilies()[name] = QFontDatabase::hasFamily(name) ? name : QString::fromUtf8(standIn);
  }
}

QFont ToQFont(const TFont& font) {
  QString family = ToQString(font.Name);
  if (const auto found = FontFamilies().find(family); found != FontFamilies().end()) {
    family = found->second;
  }
  QFont result(family);
  result.setPixelSize(font.Height > 0 ? font.Height : 1);
  if (font.Pitch == TFontPitch::Fixed) {
    result.setFixedPitch(true);
    result.setStyleHint(QFont::TypeWriter);
  }
  return result;
}

void QtErrorDisplay::ShowError(std::string_view caption, std::string_view text) {
  QMessageBox::critical(QApplication::activeWindow(), ToQString(caption), ToQString(text));
}

std::string QtClipboard::AsText() {
  // No text (a picture, or nothing) reads as the empty text.
  return FromQString(QGuiApplication::clipboard()->text(QClipboard::Clipboard));
}

void QtClipboard::SetAsText(std::string_view text) {
  QGuiApplication::clipboard()->setText(ToQString(text), QClipboard::Clipboard);
}

TextExtent QtTextMeasurer::Measure(const TFont& font, std::string_view text) const {
  const QFontMetrics metrics(ToQFont(font));
  return {metrics.horizontalAdvance(ToQString(text)), metrics.height()};
}

namespace {

// An integer setting as the registry holds one: a 32-bit value. A text file
// holds every value as text, so there a decimal integer text in range counts
// too; the registry must hold a number.
bool ToInt32(const QVariant& value, std::int32_t& out) {
  bool ok = false;
  qlonglong number = 0;
  switch (value.metaType().id()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
      number = value.toLongLong(&ok);
      break;
#ifndef Q_OS_WIN
    case QMetaType::QString: {
      // Only "[-+]digits": no blanks, no hexadecimal, nothing behind.
      const QString text = value.toString();
      static const QRegularExpression decimal(QStringLiteral("^[-+]?[0-9]{1,11}$"));
      if (decimal.match(text).hasMatch()) number = text.toLongLong(&ok, 10);
      break;
    }
#endif
    default:
      break;
  }
  if (!ok || number < std::numeric_limits<std::int32_t>::min() ||
      number > std::numeric_limits<std::int32_t>::max()) {
    return false;
  }
  out = static_cast<std::int32_t>(number);
  return true;
}

class QtRegistry final : public TRegistry {
 public:
  bool OpenKey(std::string_view, bool) override {
    // The key is the organisation and application; QSettings makes it when
    // the first value is written.
    settings_ = std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                            QStringLiteral("Brevant"), QStringLiteral("Nodri"));
    return settings_->status() != QSettings::AccessError;
  }

  std::int32_t ReadInteger(std::string_view name) override {
    std::int32_t value = 0;
    // A damaged file still gives the values it holds (QSettings reports a
    // format error, but reads what it can): each is judged on its own.
    if (settings_ == nullptr || !ToInt32(settings_->value(Key(name)), value)) {
      throw ERegistryException("'" + std::string(name) + "'");
    }
    return value;
  }

  void WriteInteger(std::string_view name, std::int32_t value) override {
    if (settings_ == nullptr || !settings_->isWritable()) {
      throw ERegistryException(FailedToSetMessage(name));
    }
    settings_->setValue(Key(name), value);
    unsaved_.emplace_back(name);
  }

  // One write of the file for all the values: if it fails, none of them
  // reached it, and the first is the one to name.
  void CloseKey() override {
    if (settings_ == nullptr) return;
    std::vector<std::string> unsaved;
    unsaved.swap(unsaved_);
    if (!unsaved.empty()) {
      settings_->sync();
      // A format error only says the old file had lines QSettings could not
      // read; it rewrites the file without them. Not reaching the file is
      // the failure.
      if (settings_->status() == QSettings::AccessError) {
        settings_.reset();
        throw ERegistryException(FailedToSetMessage(unsaved.front()));
      }
    }
    settings_.reset();
  }

 private:
  static QString Key(std::string_view name) {
    return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
  }

  std::unique_ptr<QSettings> settings_;
  std::vector<std::string> unsaved_;
};

}  // namespace

std::unique_ptr<TRegistry> QtSettingsStore::MakeRegistry() {
  return std::make_unique<QtRegistry>();
}

TScreen PrimaryScreen() {
  TScreen screen;
  if (const QScreen* primary = QGuiApplication::primaryScreen()) {
    const QRect all = primary->geometry();
    const QRect work = primary->availableGeometry();
    screen.Width = all.width();
    screen.Height = all.height();
    screen.WorkAreaLeft = work.left();
    screen.WorkAreaTop = work.top();
    screen.WorkAreaWidth = work.width();
    screen.WorkAreaHeight = work.height();
  }
  return screen;
}

}  // namespace nodri::qt
