// Creation and closing: the seven settings are read (missing or unreadable
// ones are written with their defaults), the window is brought into its first
// state, and at close the settings are written back.
#include <algorithm>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "window/form1.h"

namespace nodri {
namespace {

// One guarded step per setting: read and apply; when that fails, recover.
// A recovery that cannot write either means the store itself is unusable:
// that is shown once, and start-up goes on with the defaults.
class SettingsReader {
 public:
  SettingsReader(TForm1& form, TRegistry& registry)
      : form_(form), registry_(registry) {}

  void Step(const char* name, const std::function<void(std::int32_t)>& apply,
            const std::function<std::int32_t()>& recover) {
    try {
      apply(registry_.ReadInteger(name));
      return;
    } catch (const std::exception&) {
      // Missing, of another type or out of range: the default takes its
      // place, in the store too.
    }
    const std::int32_t fallback = recover();
    Write(name, fallback);
  }

  void Finish() {
    try {
      registry_.CloseKey();
    } catch (const std::exception& error) {
      Report(error);
    }
  }

 private:
  void Write(const char* name, std::int32_t value) {
    if (failed_) return;
    try {
      registry_.WriteInteger(name, value);
    } catch (const std::exception& error) {
      Report(error);
    }
  }

  void Report(const std::exception& error) {
    if (failed_) return;
    failed_ = true;
    form_.Application().ShowException(error);
  }

  TForm1& form_;
  TRegistry& registry_;
  bool failed_ = false;
};

}  // namespace

void TForm1::FormCreate(TObject*) {
  const std::unique_ptr<TRegistry> registry = Services().settings.MakeRegistry();
  registry->OpenKey(SettingsKey, true);
  SettingsReader settings(*this, *registry);
  const TScreen& screen = Services().screen;

  settings.Step(
      "Top", [this](std::int32_t value) { SetTop(value); },
      [this] { return Top(); });
  settings.Step(
      "Left", [this](std::int32_t value) { SetLeft(value); },
      [this] { return Left(); });
  // A size larger than the screen's working area is cut to fit it.
  settings.Step(
      "Width",
      [this, &screen](std::int32_t value) {
        SetWidth(std::min(value, screen.WorkAreaWidth));
      },
      [this] { return Width(); });
  settings.Step(
      "Height",
      [this, &screen](std::int32_t value) {
        SetHeight(std::min(value, screen.WorkAreaHeight));
      },
      [this] { return Height(); });
  settings.Step(
      "Base", [this](std::int32_t value) { EditBase.SetText(std::to_string(value)); },
      [this] { return AtolValue(EditBase.Text()); });
  settings.Step(
      "Form", [this](std::int32_t value) { DigitForm = value; },
      [this] {
        DigitForm = FormColon;
        return DigitForm;
      });
  settings.Step(
      "Case", [this](std::int32_t value) { CaseUpper = value; },
      [this] {
        CaseUpper = 0;
        return CaseUpper;
      });
  settings.Finish();

  StartUp();
}

void TForm1::StartUp() {
  // Flipped here so that the case command flips it back: that sets the case
  // captions, and any non-zero case becomes 1.
  CaseUpper = CaseUpper == 0 ? 1 : 0;
  PopupMenuItemCaseClick(this);
  // Whatever base was stored: clamps it, sets the captions that show it and
  // the availability of the letter form, and rewrites the fields.
  EditBaseChange(this);
  // A form outside 0 to 4 (only from a stored setting) checks no item.
  CheckFormItems(DigitForm);
  PopupMenuItemClearClick(this);
}

void TForm1::FormClose(TObject*) {
  const std::unique_ptr<TRegistry> registry = Services().settings.MakeRegistry();
  registry->OpenKey(SettingsKey, true);
  registry->WriteInteger("Top", Top());
  registry->WriteInteger("Left", Left());
  registry->WriteInteger("Width", Width());
  registry->WriteInteger("Height", Height());
  registry->WriteInteger("Base", AtolValue(EditBase.Text()));
  registry->WriteInteger("Form", DigitForm);
  registry->WriteInteger("Case", CaseUpper);
  registry->CloseKey();
}

}  // namespace nodri
