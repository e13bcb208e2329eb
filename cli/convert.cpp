// Parsing the command line, applying the actions to the window, printing.
#include "cli/convert.h"

#include <istream>
#include <optional>
#include <ostream>
#include <string_view>

#include "platform/code_page.h"
#include "window/form1.h"

namespace nodri {
namespace {

constexpr std::string_view Usage =
    "Usage: nodri-convert [ACTION ...]\n"
    "\n"
    "Starts from base 60, colon form, lower case and zero, applies the actions\n"
    "in order as a user would in the Nodri window, and prints the three fields:\n"
    "base n, decimal, hexadecimal, one per line.\n"
    "\n"
    "Actions:\n"
    "  --base TEXT          write TEXT into the base field (\"06\" is 6, \"5000\" is 999)\n"
    "  --form F             pick a form: letters, colon, space, slash, backslash or 0-4\n"
    "  --upper, --lower     switch the letter case\n"
    "  -n, --basen TEXT     paste TEXT into the base-n field\n"
    "  -d, --dec TEXT       paste TEXT into the decimal field\n"
    "  -x, --hex TEXT       paste TEXT into the hexadecimal field\n"
    "  --clear              reset the number to zero\n"
    "\n"
    "Options:\n"
    "  --trace              print each run of the change handlers to standard error\n"
    "  --help               print this help\n"
    "\n"
    "A TEXT of - (last action only) applies the action to each line of standard\n"
    "input and prints the fields after each line.\n"
    "\n"
    "Exit status: 0; 2 for a usage error or a refused action.\n";

enum class Kind { Base, Form, Upper, Lower, BaseN, Decimal, Hex, Clear };

struct Action {
  Kind kind;
  std::string text;  // UTF-8, as given
};

struct Options {
  std::vector<Action> actions;
  bool trace = false;
  bool help = false;
};

struct UsageError {
  std::string message;
};

// The form number of a --form value, if it names one.
std::optional<std::int32_t> ParseForm(std::string_view value) {
  constexpr std::string_view names[] = {"letters", "colon", "space", "slash", "backslash"};
  for (std::int32_t form = FormLetters; form <= FormBackslash; ++form) {
    if (value == names[form] || value == std::to_string(form)) return form;
  }
  return std::nullopt;
}

std::optional<Kind> KindOf(std::string_view arg, bool& takesText) {
  struct Name {
    std::string_view shortName, longName;
    Kind kind;
    bool text;
  };
  static constexpr Name names[] = {
      {"", "--base", Kind::Base, true},     {"", "--form", Kind::Form, true},
      {"", "--upper", Kind::Upper, false},  {"", "--lower", Kind::Lower, false},
      {"-n", "--basen", Kind::BaseN, true}, {"-d", "--dec", Kind::Decimal, true},
      {"-x", "--hex", Kind::Hex, true},     {"", "--clear", Kind::Clear, false},
  };
  for (const Name& name : names) {
    if (arg == name.longName || (!name.shortName.empty() && arg == name.shortName)) {
      takesText = name.text;
      return name.kind;
    }
  }
  return std::nullopt;
}

Options Parse(const std::vector<std::string>& args) {
  Options options;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--trace") {
      options.trace = true;
      continue;
    }
    if (arg == "--help" || arg == "-h") {
      options.help = true;
      continue;
    }
    bool takesText = false;
    const std::optional<Kind> kind = KindOf(arg, takesText);
    if (!kind) throw UsageError{"unknown option '" + arg + "'"};
    Action action{*kind, {}};
    if (takesText) {
      if (i + 1 >= args.size()) throw UsageError{"'" + arg + "' needs a value"};
      action.text = args[++i];
      if (*kind == Kind::Form && action.text != "-" && !ParseForm(action.text)) {
        throw UsageError{"unknown form '" + action.text + "'"};
      }
    }
    options.actions.push_back(std::move(action));
  }
  for (std::size_t i = 0; i + 1 < options.actions.size(); ++i) {
    if (options.actions[i].text == "-") {
      throw UsageError{"'-' (standard input) is allowed only in the last action"};
    }
  }
  return options;
}

// Each handler run on one line: two spaces a level, the name, the text of
// its own field when the run began.
class TracePrinter final : public HandlerRunObserver {
 public:
  explicit TracePrinter(std::ostream& err) : err_(err) {}
  void RunBegan(std::string_view handler, std::string_view fieldText,
                int depth) override {
    err_ << std::string(static_cast<std::size_t>(depth) * 2, ' ') << handler
         << " \"" << Utf8FromCp932(fieldText) << "\"\n";
  }

 private:
  std::ostream& err_;
};

// What the window would show in a message box goes to standard error.
class StderrErrorDisplay final : public ErrorDisplay {
 public:
  explicit StderrErrorDisplay(std::ostream& err) : err_(err) {}
  void ShowError(std::string_view caption, std::string_view text) override {
    err_ << Utf8FromCp932(caption) << ": " << Utf8FromCp932(text) << '\n';
  }

 private:
  std::ostream& err_;
};

struct Refusal {
  std::string message;
};

class Converter {
 public:
  Converter(std::ostream& out, std::ostream& err)
      : out_(out), display_(err), application_(display_),
        form_(FormServices{application_, clipboard_, settings_, measurer_, screen_}) {
    application_.Title = "Nodri";
    // A first start: nothing is stored, so every setting takes its default.
    form_.Create();
  }

  void Trace(HandlerRunObserver* observer) { form_.SetHandlerRunObserver(observer); }

  void Apply(Kind kind, const std::string& utf8) {
    application_.Dispatch([&] { ApplyNow(kind, utf8); });
  }

  void Print() {
    for (const TEdit* field : {&form_.EditO, &form_.EditD, &form_.EditH}) {
      out_ << Utf8FromCp932(field->Text()) << '\n';
    }
    out_.flush();
  }

 private:
  void ApplyNow(Kind kind, const std::string& utf8) {
    const std::string text = Cp932FromUtf8(utf8);
    switch (kind) {
      case Kind::Base:
        form_.EditBase.SetText(text);
        break;
      case Kind::Form: {
        const std::optional<std::int32_t> form = ParseForm(utf8);
        if (!form) throw Refusal{"unknown form '" + utf8 + "'"};
        TMenuItem& item = form_.FormItem(*form);
        // The menu offers the letter form only up to base 36.
        if (!item.Enabled()) {
          throw Refusal{"the letters form is not available in base " +
                        Utf8FromCp932(form_.EditBase.Text()) + " (only up to base 36)"};
        }
        item.Click();
        break;
      }
      case Kind::Upper:
        if (form_.CaseUpper == 0) form_.PopupMenuItemCase.Click();
        break;
      case Kind::Lower:
        if (form_.CaseUpper != 0) form_.PopupMenuItemCase.Click();
        break;
      case Kind::BaseN:
        Paste(text, form_.PopupMenuItemPasteO);
        break;
      case Kind::Decimal:
        Paste(text, form_.PopupMenuItemPasteD);
        break;
      case Kind::Hex:
        Paste(text, form_.PopupMenuItemPasteH);
        break;
      case Kind::Clear:
        form_.PopupMenuItemClear.Click();
        break;
    }
  }

  void Paste(const std::string& text, TMenuItem& item) {
    clipboard_.SetAsText(text);
    item.Click();
  }

  std::ostream& out_;
  StderrErrorDisplay display_;
  TApplication application_;
  MemoryClipboard clipboard_;
  MemorySettings settings_;
  HalfWidthMeasurer measurer_;
  TScreen screen_;
  TForm1 form_;
};

}  // namespace

int RunConvert(const std::vector<std::string>& args, std::istream& in,
               std::ostream& out, std::ostream& err) {
  Options options;
  try {
    options = Parse(args);
  } catch (const UsageError& error) {
    err << "nodri-convert: " << error.message << "\n\n" << Usage;
    return 2;
  }
  if (options.help) {
    out << Usage;
    return 0;
  }

  Converter converter(out, err);
  TracePrinter tracer(err);
  if (options.trace) converter.Trace(&tracer);
  try {
    for (const Action& action : options.actions) {
      if (action.text != "-") {
        converter.Apply(action.kind, action.text);
        continue;
      }
      // The last action, once per line of standard input.
      std::string line;
      while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        converter.Apply(action.kind, line);
        converter.Print();
      }
      return 0;
    }
  } catch (const Refusal& refusal) {
    err << "nodri-convert: " << refusal.message << '\n';
    return 2;
  }
  converter.Print();
  return 0;
}

}  // namespace nodri
