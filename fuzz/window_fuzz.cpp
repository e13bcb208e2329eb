// Fuzzing the whole window logic: the input is a script of user actions, one
// a line, applied to a fresh window. After every action the cascade must have
// ended within the depth bound, the fields must agree on one number, and
// running a field's handler again on its own text must keep that number.
// Sanitizers catch the rest.
//
// A line is an action letter and its argument:
//   o d h TEXT   type TEXT over the base-n, decimal or hexadecimal field
//                (cut to the field's typing limit)
//   O D H TEXT   paste TEXT into that field through its menu (no limit)
//   r F K TEXT   paste TEXT repeated K * 1024 times into field F
//   b TEXT       type TEXT over the base field (at most 3 bytes)
//   + -          the arrow buttons (when enabled)
//   m K          base menu item K (0-9, both menus)
//   f K          form menu item K (0-9, both menus)
//   c K          case menu item K
//   z K          clear menu item K
//   y S T        copy field S (base n, decimal, hex, hex with 0x), paste into T
//   s F C BASE   close the window and start a new one over settings that hold
//                the form F - 2 (-2 to 9), the case C and the base BASE (any
//                32-bit value): out-of-range settings only come this way
// Any other first byte picks one of these by its value.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>

#include "platform/code_page.h"
#include "tests/common/field_agreement.h"
#include "tests/common/handler_runs.h"
#include "tests/common/memory_services.h"
#include "window/form1.h"

namespace {

using namespace nodri;

struct Window : testing::MemoryServices {
  std::unique_ptr<TForm1> form;
  testing::RunRecorder recorder;

  Window() { Start(); }

  void Start() {
    form = std::make_unique<TForm1>(Lend());
    form->Create();
    form->SetHandlerRunObserver(&recorder);
  }

  void Restart(std::int32_t digitForm, std::int32_t caseUpper, std::int32_t base) {
    form->Close();
    MemorySettings::Values& stored = settings.keys[std::string(TForm1::SettingsKey)];
    stored["Form"] = digitForm;
    stored["Case"] = caseUpper;
    stored["Base"] = base;
    Start();
  }
};

std::size_t Pick(std::string_view arg, std::size_t index, std::size_t count) {
  return index < arg.size() ? static_cast<unsigned char>(arg[index]) % count : 0;
}

void Paste(TForm1& form, MemoryClipboard& clipboard, std::size_t field, std::string_view text) {
  clipboard.SetAsText(text);
  TMenuItem* items[] = {&form.PopupMenuOItemPaste, &form.PopupMenuDItemPaste,
                        &form.PopupMenuHItemPaste};
  items[field % 3]->Click();
}

void Type(TEdit& field, std::string_view text) {
  const std::string_view typed =
      text.substr(0, static_cast<std::size_t>(std::max(field.MaxLength, 0)));
  field.UserEdit(typed, static_cast<std::int32_t>(typed.size()));
}

void Apply(Window& window, char action, std::string_view arg) {
  TForm1& form = *window.form;
  switch (action) {
    case 'o': Type(form.EditO, arg); break;
    case 'd': Type(form.EditD, arg); break;
    case 'h': Type(form.EditH, arg); break;
    case 'O': Paste(form, window.clipboard, 0, arg); break;
    case 'D': Paste(form, window.clipboard, 1, arg); break;
    case 'H': Paste(form, window.clipboard, 2, arg); break;
    case 'r': {
      const std::string_view piece = arg.size() > 2 ? arg.substr(2) : std::string_view("9");
      std::string text;
      const std::size_t times = (Pick(arg, 1, 16) + 1) * 1024;
      text.reserve(piece.size() * times);
      for (std::size_t i = 0; i < times; ++i) text.append(piece);
      Paste(form, window.clipboard, Pick(arg, 0, 3), text);
      break;
    }
    case 'b': Type(form.EditBase, arg); break;
    case '+':
      if (form.ButtonUp.Enabled()) form.ButtonUp.Click();
      break;
    case '-':
      if (form.ButtonDown.Enabled()) form.ButtonDown.Click();
      break;
    case 'm': {
      TMenuItem* items[] = {&form.PopupMenuItemBase2,   &form.PopupMenuItemBase21,
                            &form.PopupMenuItemBase24,  &form.PopupMenuItemBase60,
                            &form.PopupMenuItemBase365, &form.PopupMenuOItemBase2,
                            &form.PopupMenuOItemBase12, &form.PopupMenuOItemBase24,
                            &form.PopupMenuOItemBase60, &form.PopupMenuOItemBase365};
      items[Pick(arg, 0, 10)]->Click();
      break;
    }
    case 'f': {
      TMenuItem* items[] = {&form.PopupMenuItemForm0,  &form.PopupMenuItemForm1,
                            &form.PopupMenuItemForm2,  &form.PopupMenuItemForm3,
                            &form.PopupMenuItemForm4,  &form.PopupMenuOItemForm0,
                            &form.PopupMenuOItemForm1, &form.PopupMenuOItemForm2,
                            &form.PopupMenuOItemForm3, &form.PopupMenuOItemForm4};
      items[Pick(arg, 0, 10)]->Click();
      break;
    }
    case 'c': {
      TMenuItem* items[] = {&form.PopupMenuItemCase, &form.PopupMenuOItemCase,
                            &form.PopupMenuHItemCase};
      items[Pick(arg, 0, 3)]->Click();
      break;
    }
    case 'z': {
      TMenuItem* items[] = {&form.PopupMenuItemClear, &form.PopupMenuOItemClear,
                            &form.PopupMenuDItemClear, &form.PopupMenuHItemClear};
      items[Pick(arg, 0, 4)]->Click();
      break;
    }
    case 'y': {
      TMenuItem* copies[] = {&form.PopupMenuOItemCopy, &form.PopupMenuDItemCopy,
                             &form.PopupMenuHItemCopy, &form.PopupMenuHItem0xCopy};
      copies[Pick(arg, 0, 4)]->Click();
      Paste(form, window.clipboard, Pick(arg, 1, 3), window.clipboard.AsText());
      break;
    }
    case 's':
      window.Restart(static_cast<std::int32_t>(Pick(arg, 0, 12)) - 2,
                     static_cast<std::int32_t>(Pick(arg, 1, 3)),
                     AtolValue(arg.size() > 2 ? arg.substr(2) : std::string_view()));
      break;
    default: {
      static constexpr char actions[] = "odhODHrb+-mfczys";
      Apply(window, actions[static_cast<unsigned char>(action) % (sizeof actions - 1)], arg);
      break;
    }
  }
}

[[noreturn]] void Fail(const Window& window, std::string_view line, const std::string& why) {
  const TForm1& form = *window.form;
  std::fprintf(stderr,
               "window invariant broken after action \"%s\": %s\n"
               "  base \"%s\" form %d case %d\n  EditO \"%s\"\n  EditD \"%s\"\n  EditH \"%s\"\n",
               std::string(line.substr(0, 80)).c_str(), why.c_str(), form.EditBase.Text().c_str(),
               form.DigitForm, form.CaseUpper, form.EditO.Text().substr(0, 200).c_str(),
               form.EditD.Text().substr(0, 200).c_str(), form.EditH.Text().substr(0, 200).c_str());
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Window window;
  std::string_view script(reinterpret_cast<const char*>(data), size);
  while (!script.empty()) {
    const std::size_t end = script.find('\n');
    const std::string_view line = script.substr(0, end);
    script.remove_prefix(end == std::string_view::npos ? script.size() : end + 1);
    if (line.empty()) continue;

    window.recorder.Clear();
    Apply(window, line[0], line.substr(1));
    if (window.recorder.maxDepth > testing::CascadeDepthBound) {
      Fail(window, line, "the cascade nested " + std::to_string(window.recorder.maxDepth) +
                             " deep");
    }
    if (!window.display.shown.empty()) {
      Fail(window, line, "an error was shown: " + window.display.shown.front().text);
    }
    const std::string failure = testing::CheckRerunsKeepTheNumber(*window.form, window.recorder);
    if (!failure.empty()) Fail(window, line, failure);
  }
  return 0;
}
