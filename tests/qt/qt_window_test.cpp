// The real widgets: typing with key events, the typing limit, the context
// menus and the desktop clipboard, on Qt's offscreen platform.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QContextMenuEvent>
#include <QTest>

#include "platform/code_page.h"
#include "platform/qt/qt_services.h"
#include "platform/qt/qt_window.h"
#include "tests/common/row_name.h"
#include "window/form1.h"

// Failure messages show texts, not bytes.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace nodri {
namespace {

using qt::FormWindow;

// The window with Qt's clipboard and font metrics, but settings in memory:
// these tests must not touch the user's.
struct TestServices {
  RecordingErrorDisplay display;
  TApplication application{display};
  qt::QtClipboard clipboard;
  MemorySettings settings;
  qt::QtTextMeasurer measurer;
  TScreen screen = qt::PrimaryScreen();
};

class QtWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    services.application.Title = "Nodri";
    form = std::make_unique<TForm1>(FormServices{services.application, services.clipboard,
                                                 services.settings, services.measurer,
                                                 services.screen});
    window = std::make_unique<FormWindow>(*form);
    form->Create();
    window->ShowForm();
  }
  void TearDown() override {
    window.reset();
    form.reset();
  }

  QLineEdit& Widget(const TEdit& edit) {
    return *qobject_cast<QLineEdit*>(window->WidgetOf(edit));
  }
  QString Shown(const TEdit& edit) { return Widget(edit).text(); }
  std::vector<QString> Fields() {
    return {Shown(form->EditO), Shown(form->EditD), Shown(form->EditH)};
  }
  // Selects everything in the field and types over it, key by key, as a
  // user does (deleting first would leave "1" in the base field).
  void Type(const TEdit& edit, const QString& keys) {
    QLineEdit& widget = Widget(edit);
    widget.setFocus();
    widget.selectAll();
    QTest::keyClicks(&widget, keys);
  }
  // One key that types a character QTest has no key code for.
  static void TypeCharacter(QWidget& widget, const QString& character) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, character);
    QApplication::sendEvent(&widget, &press);
  }
  QAction* Action(TPopupMenu& menu, const std::string& name) {
    return window->MenuOf(menu)->findChild<QAction*>(QString::fromStdString(name));
  }

  TestServices services;
  std::unique_ptr<TForm1> form;
  std::unique_ptr<FormWindow> window;
};

TEST_F(QtWindowTest, OpensWithZeroAndTheDesignsCaptions) {
  EXPECT_EQ(Fields(), (std::vector<QString>{"00", "0", "0"}));
  EXPECT_EQ(window->windowTitle(), "Nodri");
  EXPECT_EQ(qobject_cast<QLabel*>(window->WidgetOf(form->LabelD))->text(), "10進数");
  EXPECT_EQ(qobject_cast<QPushButton*>(window->WidgetOf(form->ButtonUp))->text(), "▲");
  EXPECT_EQ(Shown(form->EditBase), "60");
}

struct TypingRow {
  const char* name;
  char field;
  QString keys;
  std::vector<QString> fields;
};

class QtTypingTest : public QtWindowTest, public ::testing::WithParamInterface<TypingRow> {};

TEST_P(QtTypingTest, KeyEventsRunTheCascade) {
  const TypingRow& row = GetParam();
  const TEdit& edit = row.field == 'O' ? form->EditO : row.field == 'D' ? form->EditD : form->EditH;
  Type(edit, row.keys);
  EXPECT_EQ(Fields(), row.fields);
  EXPECT_EQ(form->EditD.Text(), Cp932FromUtf8(row.fields[1].toStdString()))
      << "the widget shows what the control holds";
}

INSTANTIATE_TEST_SUITE_P(
    Rows, QtTypingTest,
    ::testing::Values(TypingRow{"decimal", 'D', "255", {"04:15", "255", "ff"}},
                      TypingRow{"hex_with_rejected_byte", 'H', "1fg", {"31", "31", "1f"}},
                      TypingRow{"base_n_trailing_separator_tidied", 'O', "5:", {"05", "5", "5"}},
                      TypingRow{"decimal_junk_dropped", 'D', "0x12", {"12", "12", "c"}}),
    testing::RowName());

TEST_F(QtWindowTest, BackspaceAndBaseTyping) {
  Type(form->EditD, "3723");
  QTest::keyClick(&Widget(form->EditD), Qt::Key_Backspace);
  EXPECT_EQ(Fields(), (std::vector<QString>{"06:12", "372", "174"}));

  Type(form->EditBase, "16");
  EXPECT_EQ(Fields(), (std::vector<QString>{"01:07:04", "372", "174"}));
  EXPECT_EQ(window->MenuOf(form->PopupMenu1)->findChild<QMenu*>("PopupMenuItemForm")->title(),
            "16進数の形式");
}

// Typing stops at 255 bytes of code page 932; a double-byte character needs
// two bytes of room.
TEST_F(QtWindowTest, TypingStopsAt255Bytes) {
  Type(form->EditH, QString(300, QLatin1Char('f')));
  EXPECT_EQ(Shown(form->EditH).size(), 255);
  EXPECT_EQ(form->EditD.Text(), "Overflow!");

  Type(form->EditH, QString(254, QLatin1Char('f')));
  TypeCharacter(Widget(form->EditH), QString::fromUtf8("ア"));  // 0x83 0x41: "A" if it got in
  EXPECT_EQ(Shown(form->EditH), QString(254, QLatin1Char('f')));

  Type(form->EditBase, "1234");
  EXPECT_EQ(Shown(form->EditBase), "123");
}

TEST_F(QtWindowTest, OwnPasteIsCutButTheMenuPasteIsNot) {
  QApplication::clipboard()->setText(QString(300, QLatin1Char('7')));
  QLineEdit& decimal = Widget(form->EditD);
  decimal.setFocus();
  decimal.selectAll();
  QTest::keyClick(&decimal, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(Shown(form->EditD), QString(255, QLatin1Char('7')));

  QApplication::clipboard()->setText(QString(300, QLatin1Char('f')));
  Action(form->PopupMenuH, "PopupMenuHItemPaste")->trigger();
  EXPECT_EQ(Fields(), (std::vector<QString>{"00", "0", "0"})) << "all 300 digits arrived";
}

TEST_F(QtWindowTest, ProgramWritesAreNotCut) {
  form->PopupMenuItemBase2.Click();  // any base; base 1 comes next
  Type(form->EditBase, "1");
  Type(form->EditD, "254");
  QStringList zeros;
  for (int i = 0; i < 255; ++i) zeros << "0";
  EXPECT_EQ(Shown(form->EditO), zeros.join(':')) << "509 characters";
}

TEST_F(QtWindowTest, CaretKeepsItsDistanceFromTheEnd) {
  Type(form->EditD, "1000000");
  QLineEdit& decimal = Widget(form->EditD);
  decimal.setCursorPosition(0);
  QTest::keyClick(&decimal, Qt::Key_0);  // a leading zero, dropped again
  EXPECT_EQ(decimal.text(), "1000000");
  EXPECT_EQ(decimal.cursorPosition(), 0);
  decimal.setCursorPosition(3);
  QTest::keyClick(&decimal, Qt::Key_X);  // dropped; the caret stays put
  EXPECT_EQ(decimal.cursorPosition(), 3);
}

std::vector<QString> Captions(QMenu& menu) {
  std::vector<QString> captions;
  for (QAction* action : menu.actions()) {
    captions.push_back(action->isSeparator() ? QStringLiteral("-") : action->text());
  }
  return captions;
}

TEST_F(QtWindowTest, EachMenuHasItsItems) {
  EXPECT_EQ(Captions(*window->MenuOf(form->PopupMenu1)),
            (std::vector<QString>{"0に戻す", "コピー", "張り付け", "-", "60進数の形式", "基数",
                                  "大文字で表示する"}));
  EXPECT_EQ(Captions(*window->MenuOf(form->PopupMenuO)),
            (std::vector<QString>{"0に戻す", "コピー", "張り付け", "-", "60進数の形式", "基数",
                                  "大文字で表示する"}));
  EXPECT_EQ(Captions(*window->MenuOf(form->PopupMenuD)),
            (std::vector<QString>{"0に戻す", "コピー", "張り付け"}));
  EXPECT_EQ(Captions(*window->MenuOf(form->PopupMenuH)),
            (std::vector<QString>{"0に戻す", "コピー", "0x 付きコピー", "張り付け", "-",
                                  "大文字で表示する"}));
  QMenu* copy = window->MenuOf(form->PopupMenu1)->findChild<QMenu*>("PopupMenuItemCopy");
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(Captions(*copy),
            (std::vector<QString>{"60進数", "10進数", "16進数", "0x 付き１６進数"}));
  QMenu* bases = window->MenuOf(form->PopupMenuO)->findChild<QMenu*>("PopupMenuOItemBase");
  ASSERT_NE(bases, nullptr);
  EXPECT_EQ(Captions(*bases),
            (std::vector<QString>{"2進数", "12進数", "24進数", "60進数", "365進数"}));
}

TEST_F(QtWindowTest, MenusFollowBaseFormAndCase) {
  QAction* form0 = Action(form->PopupMenuO, "PopupMenuOItemForm0");
  QAction* form1 = Action(form->PopupMenuO, "PopupMenuOItemForm1");
  QAction* form3 = Action(form->PopupMenu1, "PopupMenuItemForm3");
  QAction* form3O = Action(form->PopupMenuO, "PopupMenuOItemForm3");
  ASSERT_TRUE(form0 && form1 && form3 && form3O);
  EXPECT_TRUE(form1->isChecked());
  EXPECT_FALSE(form0->isEnabled()) << "no letters above base 36";
  EXPECT_EQ(form1->text(), "dd:dd:dd");

  Action(form->PopupMenuO, "PopupMenuOItemBase12")->trigger();
  EXPECT_TRUE(form0->isEnabled());
  EXPECT_EQ(Shown(form->EditBase), "12");

  form3->trigger();
  EXPECT_TRUE(form3->isChecked());
  EXPECT_TRUE(form3O->isChecked());
  EXPECT_FALSE(form1->isChecked());

  // Choosing the checked item again keeps it checked.
  form3O->trigger();
  EXPECT_TRUE(form3O->isChecked());
  EXPECT_TRUE(form3->isChecked());

  Action(form->PopupMenuH, "PopupMenuHItemCase")->trigger();
  EXPECT_EQ(Action(form->PopupMenu1, "PopupMenuItemCase")->text(), "小文字で表示する");
  EXPECT_EQ(form0->text(), "ddd (0-9, A-Z)");
  Type(form->EditD, "255");
  EXPECT_EQ(Fields(), (std::vector<QString>{"01/09/03", "255", "FF"}));
}

TEST_F(QtWindowTest, ClearAndZeroXCopyThroughTheDesktopClipboard) {
  Type(form->EditD, "3723");
  Action(form->PopupMenuH, "PopupMenuHItem0xCopy")->trigger();
  EXPECT_EQ(QApplication::clipboard()->text(), "0xe8b");
  Action(form->PopupMenuD, "PopupMenuDItemClear")->trigger();
  EXPECT_EQ(Fields(), (std::vector<QString>{"00", "0", "0"}));
  EXPECT_EQ(Widget(form->EditO).cursorPosition(), 2);
}

TEST_F(QtWindowTest, JapaneseTextRoundTripsThroughTheClipboard) {
  const std::string cp932 = Sjis("60進数 ア\\");
  services.clipboard.SetAsText(cp932);
  EXPECT_EQ(QApplication::clipboard()->text(), QString::fromUtf8("60進数 ア\\"));
  EXPECT_EQ(services.clipboard.AsText(), cp932);
  QApplication::clipboard()->setText(QString::fromUtf8("x😀y"));
  EXPECT_EQ(services.clipboard.AsText(), "x?y");
}

TEST_F(QtWindowTest, FieldsCarryAccessibleNamesAndTabOrder) {
  EXPECT_EQ(Widget(form->EditO).accessibleName(), "60進数");
  EXPECT_EQ(Widget(form->EditD).accessibleName(), "10進数");
  EXPECT_EQ(Widget(form->EditH).accessibleName(), "16進数");
  Type(form->EditBase, "24");
  EXPECT_EQ(Widget(form->EditO).accessibleName(), "24進数");

  EXPECT_EQ(Widget(form->EditO).nextInFocusChain(), &Widget(form->EditD));
  EXPECT_EQ(Widget(form->EditD).nextInFocusChain(), &Widget(form->EditH));
  EXPECT_EQ(Widget(form->EditH).nextInFocusChain(), &Widget(form->EditBase));
  EXPECT_EQ(window->WidgetOf(form->ButtonUp)->focusPolicy(), Qt::NoFocus);
  EXPECT_FALSE(Widget(form->EditO).testAttribute(Qt::WA_InputMethodEnabled));
}

TEST_F(QtWindowTest, ArrowButtonsAndTheirEnabledStates) {
  Type(form->EditBase, "998");
  QTest::mouseClick(window->WidgetOf(form->ButtonUp), Qt::LeftButton);
  EXPECT_EQ(Shown(form->EditBase), "999");
  EXPECT_FALSE(window->WidgetOf(form->ButtonUp)->isEnabled());
  QTest::mouseClick(window->WidgetOf(form->ButtonDown), Qt::LeftButton);
  EXPECT_EQ(Shown(form->EditBase), "998");
  EXPECT_TRUE(window->WidgetOf(form->ButtonUp)->isEnabled());
}

// Right click and Shift+F10 open each control's own menu, never Qt's
// built-in one. (The menu key comes as a context-menu event from the
// platform, which the offscreen platform does not send.)
TEST_F(QtWindowTest, ContextMenusOpenFromMouseAndKeyboard) {
  struct Row { const TControl* control; TPopupMenu* menu; };
  const Row rows[] = {{&form->EditO, &form->PopupMenuO}, {&form->EditD, &form->PopupMenuD},
                      {&form->EditH, &form->PopupMenuH}, {&form->EditBase, &form->PopupMenu1},
                      {&form->LabelH, &form->PopupMenu1}, {&form->ButtonDown, &form->PopupMenu1}};
  for (const Row& row : rows) {
    QWidget* widget = window->WidgetOf(*row.control);
    QMenu* menu = window->MenuOf(*row.menu);
    SCOPED_TRACE(row.control->Name);
    QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(2, 2), widget->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(widget, &click);
    EXPECT_TRUE(menu->isVisible());
    menu->hide();
    if (qobject_cast<QLineEdit*>(widget) != nullptr) {
      widget->setFocus();
      QTest::keyClick(widget, Qt::Key_F10, Qt::ShiftModifier);
      EXPECT_TRUE(menu->isVisible()) << "Shift+F10";
      menu->hide();
    }
  }
  QContextMenuEvent free(QContextMenuEvent::Mouse, QPoint(1, 150), window->mapToGlobal(QPoint(1, 150)));
  QApplication::sendEvent(window.get(), &free);
  EXPECT_TRUE(window->MenuOf(form->PopupMenu1)->isVisible()) << "the window's free area";
}

TEST_F(QtWindowTest, LayoutFollowsTheWindowSize) {
  window->resize(600, 240);
  QApplication::processEvents();
  EXPECT_EQ(form->ClientHeight(), 240);
  const QRect decimal = Widget(form->EditD).geometry();
  EXPECT_EQ(decimal.top(), 240 / 3 - 12 + 16);
  EXPECT_EQ(decimal.right() + 1, 600 - 8);
}

}  // namespace
}  // namespace nodri
