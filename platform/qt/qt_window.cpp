// The Qt widgets behind a form: peers that mirror every control, menu item
// and the form itself, and the widgets that hand the user's actions back.
#include "qt_window.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <algorithm>

#include "platform/code_page.h"
#include "qt_services.h"

namespace nodri::qt {
namespace {

// Bytes that a text takes in code page 932, as the typing limit counts them.
std::int32_t Cp932Length(const QString& text) {
  return static_cast<std::int32_t>(FromQString(text).size());
}

// Caret positions: bytes of code page 932 in the control, UTF-16 units in
// the widget. Every character of the code page is one unit.
int UnitsFromBytes(const std::string& cp932, std::int32_t bytes) {
  const auto end = static_cast<std::size_t>(std::clamp<std::int32_t>(
      bytes, 0, static_cast<std::int32_t>(cp932.size())));
  return static_cast<int>(ToQString(std::string_view(cp932).substr(0, end)).size());
}

std::int32_t BytesFromUnits(const QString& text, int units) {
  return Cp932Length(text.left(units));
}

bool IsContextMenuKey(const QKeyEvent* event) {
  return event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier;
}

// A menu caption as Qt shows it: "&" would make a mnemonic.
QString MenuText(const std::string& caption) {
  return ToQString(caption).replace(QLatin1Char('&'), QStringLiteral("&&"));
}

}  // namespace

// ---- Peers ---------------------------------------------------------------

class FormWindow::Peer : public ComponentPeer {};

class FormWindow::FormPeer final : public Peer {
 public:
  explicit FormPeer(FormWindow& window) : window_(window) {}
  void Changed(Change what) override {
    TForm& form = window_.form_;
    switch (what) {
      case Change::Caption:
        window_.setWindowTitle(ToQString(form.Caption()));
        break;
      case Change::Bounds:
        window_.SyncGeometry();
        break;
      case Change::Other:
        window_.setMinimumSize(form.MinClientWidth(), form.MinClientHeight());
        break;
      case Change::Visible:
        if (form.Closed() && window_.isVisible()) window_.close();
        break;
      default:
        break;
    }
  }

 private:
  FormWindow& window_;
};

class FormWindow::ControlPeer final : public Peer {
 public:
  ControlPeer(TControl& control, QWidget& widget) : control_(control), widget_(widget) {}

  void Changed(Change what) override {
    switch (what) {
      case Change::Text:
        if (auto* edit = qobject_cast<LineEdit*>(&widget_)) edit->SyncText();
        break;
      case Change::Selection:
        if (auto* edit = qobject_cast<LineEdit*>(&widget_)) edit->SyncSelection();
        break;
      case Change::Caption:
        SyncCaption();
        break;
      case Change::Font:
        widget_.setFont(ToQFont(control_.Font()));
        break;
      case Change::Bounds:
        widget_.setGeometry(control_.Left(), control_.Top(), std::max(0, control_.Width()),
                            std::max(0, control_.Height()));
        break;
      case Change::Visible:
        widget_.setVisible(control_.Visible());
        break;
      case Change::Enabled:
        widget_.setEnabled(control_.Enabled());
        break;
      case Change::Other:
        if (const auto* edit = dynamic_cast<const TEdit*>(&control_)) {
          widget_.setAccessibleName(ToQString(edit->AccessibleName()));
        }
        break;
      case Change::Checked:
        break;
    }
  }

  void SyncAll() {
    for (const Change what : {Change::Text, Change::Caption, Change::Font, Change::Bounds,
                              Change::Visible, Change::Enabled, Change::Other,
                              Change::Selection}) {
      Changed(what);
    }
  }

 private:
  void SyncCaption() {
    if (const auto* label = dynamic_cast<const TLabel*>(&control_)) {
      static_cast<QLabel&>(widget_).setText(ToQString(label->Caption()));
    } else if (const auto* button = dynamic_cast<const TButton*>(&control_)) {
      static_cast<QPushButton&>(widget_).setText(ToQString(button->Caption()));
    }
  }

  TControl& control_;
  QWidget& widget_;
};

class FormWindow::MenuItemPeer final : public Peer {
 public:
  MenuItemPeer(TMenuItem& item, QAction& action) : item_(item), action_(action) {}
  void Changed(Change) override { Sync(); }
  void Sync() {
    if (action_.isSeparator()) return;
    action_.setText(MenuText(item_.Caption()));
    action_.setEnabled(item_.Enabled());
    if (action_.isCheckable()) action_.setChecked(item_.Checked());
  }

 private:
  TMenuItem& item_;
  QAction& action_;
};

// ---- LineEdit --------------------------------------------------------------

LineEdit::LineEdit(TEdit& edit, FormWindow& window, QWidget* parent)
    : QLineEdit(parent), edit_(edit), window_(window) {
  setFrame(true);
  setAcceptDrops(false);
  // Not QLineEdit's own maxLength: that would cut the program's writes too.
  connect(this, &QLineEdit::textEdited, this, [this] {
    if (syncing_) return;
    edited_ = true;
  });
  if (edit.ImeMode == TImeMode::Close) setAttribute(Qt::WA_InputMethodEnabled, false);
  setFocusPolicy(edit.TabStop ? Qt::StrongFocus : Qt::ClickFocus);
}

void LineEdit::SyncText() {
  const QString text = ToQString(edit_.Text());
  syncing_ = true;
  if (text != this->text()) setText(text);
  syncing_ = false;
  SyncSelection();
}

void LineEdit::SyncSelection() {
  const std::string& text = edit_.Text();
  const int start = UnitsFromBytes(text, edit_.SelStart());
  const int end = UnitsFromBytes(text, edit_.SelStart() + edit_.SelLength());
  syncing_ = true;
  if (end > start) {
    setSelection(start, end - start);
  } else {
    deselect();
    setCursorPosition(start);
  }
  syncing_ = false;
}

// The user's change reaches the control only after QLineEdit has finished
// with it, so that the handlers' writes back into this widget do not run
// inside QLineEdit's own change notification.
void LineEdit::DeliverEdit() {
  if (!edited_) return;
  edited_ = false;
  const QString text = this->text();
  const std::int32_t caret = BytesFromUnits(text, cursorPosition());
  window_.Dispatch([&] { edit_.UserEdit(FromQString(text), caret); });
  // The control may have been rewritten to the same text the widget shows,
  // or not at all: the caret follows the control's in either case.
  SyncText();
}

void LineEdit::InsertLimited(const QString& text) {
  // Only the first line of a pasted text, as a single-line field takes it.
  QString insertion = text.section(QLatin1Char('\n'), 0, 0);
  insertion.remove(QLatin1Char('\r'));
  if (edit_.MaxLength > 0) {
    const std::int32_t kept = Cp932Length(this->text()) - Cp932Length(selectedText());
    std::int32_t room = edit_.MaxLength - kept;
    // Cut at a character, never inside one: a double-byte character needs
    // two bytes of room.
    int units = 0;
    while (units < insertion.size()) {
      const int step = insertion.at(units).isHighSurrogate() ? 2 : 1;
      const std::int32_t bytes = Cp932Length(insertion.mid(units, step));
      if (bytes > room) break;
      room -= bytes;
      units += step;
    }
    insertion.truncate(units);
  }
  if (insertion.isEmpty()) return;
  const QString before = this->text();
  insert(insertion);
  edited_ = edited_ || this->text() != before;
  DeliverEdit();
}

void LineEdit::keyPressEvent(QKeyEvent* event) {
  if (IsContextMenuKey(event)) {
    QContextMenuEvent menuEvent(QContextMenuEvent::Keyboard, cursorRect().center(),
                                mapToGlobal(cursorRect().center()));
    contextMenuEvent(&menuEvent);
    return;
  }
  if (event->matches(QKeySequence::Paste)) {
    if (!isReadOnly()) InsertLimited(QGuiApplication::clipboard()->text());
    event->accept();
    return;
  }
  const QString typed = event->text();
  const bool printable = !typed.isEmpty() && typed.at(0).isPrint() &&
                         !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier |
                                                 Qt::MetaModifier));
  if (printable) {
    InsertLimited(typed);
    event->accept();
    return;
  }
  QLineEdit::keyPressEvent(event);
  DeliverEdit();
}

void LineEdit::inputMethodEvent(QInputMethodEvent* event) {
  QLineEdit::inputMethodEvent(event);
  DeliverEdit();
}

void LineEdit::mouseReleaseEvent(QMouseEvent* event) {
  // The X11 selection pasted with the middle button is typed text too.
  if (event->button() == Qt::MiddleButton && QGuiApplication::clipboard()->supportsSelection()) {
    if (!isReadOnly()) InsertLimited(QGuiApplication::clipboard()->text(QClipboard::Selection));
    event->accept();
    return;
  }
  QLineEdit::mouseReleaseEvent(event);
  DeliverEdit();
}

void LineEdit::contextMenuEvent(QContextMenuEvent* event) {
  window_.PopupMenu(edit_.PopupMenu, event->globalPos());
  event->accept();
}

// ---- FormWindow -------------------------------------------------------------

FormWindow::FormWindow(TForm& form) : QWidget(nullptr), form_(form) {
  setAttribute(Qt::WA_DeleteOnClose, false);
  setFont(ToQFont(form.Font));
  for (TControl* control : form.Controls()) BuildControl(*control);
  ApplyTabOrder();

  auto peer = std::make_unique<FormPeer>(*this);
  form.SetPeer(peer.get());
  peers_.push_back(std::move(peer));
  setWindowTitle(ToQString(form.Caption()));
  SyncGeometry();
}

FormWindow::~FormWindow() {
  // The controls outlive this window: they must not call a dead peer.
  form_.SetPeer(nullptr);
  for (TControl* control : form_.Controls()) control->SetPeer(nullptr);
  for (auto& [menu, qmenu] : menus_) {
    std::vector<TMenuItem*> items = menu->Items.Items();
    while (!items.empty()) {
      TMenuItem* item = items.back();
      items.pop_back();
      item->SetPeer(nullptr);
      items.insert(items.end(), item->Items().begin(), item->Items().end());
    }
  }
}

void FormWindow::BuildControl(TControl& control) {
  QWidget* widget = nullptr;
  if (auto* edit = dynamic_cast<TEdit*>(&control)) {
    widget = new LineEdit(*edit, *this, this);
  } else if (dynamic_cast<TLabel*>(&control) != nullptr) {
    auto* qlabel = new QLabel(this);
    qlabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    qlabel->setTextFormat(Qt::PlainText);
    widget = qlabel;
  } else if (auto* button = dynamic_cast<TButton*>(&control)) {
    auto* qbutton = new QPushButton(this);
    qbutton->setFocusPolicy(button->TabStop ? Qt::StrongFocus : Qt::NoFocus);
    connect(qbutton, &QPushButton::clicked, this, [this, button] {
      Dispatch([button] { button->Click(); });
    });
    widget = qbutton;
  } else {
    return;
  }
  widget->setObjectName(QString::fromStdString(control.Name));
  if (!dynamic_cast<TEdit*>(&control)) {
    widget->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(widget, &QWidget::customContextMenuRequested, this,
            [this, widget, &control](const QPoint& pos) {
              PopupMenu(control.PopupMenu != nullptr ? control.PopupMenu : form_.PopupMenu,
                        widget->mapToGlobal(pos));
            });
  }
  auto peer = std::make_unique<ControlPeer>(control, *widget);
  peer->SyncAll();
  control.SetPeer(peer.get());
  peers_.push_back(std::move(peer));
  widgets_[&control] = widget;
}

QMenu* FormWindow::BuildMenu(TPopupMenu& menu) {
  if (const auto found = menus_.find(&menu); found != menus_.end()) return found->second;
  auto* qmenu = new QMenu(this);
  qmenu->setObjectName(QString::fromStdString(menu.Name));
  menus_[&menu] = qmenu;
  BuildItems(menu.Items, *qmenu);
  return qmenu;
}

void FormWindow::BuildItems(TMenuItem& parent, QMenu& menu) {
  std::map<std::int32_t, QActionGroup*> groups;
  for (TMenuItem* item : parent.Items()) {
    QAction* action = nullptr;
    if (item->IsSeparator()) {
      action = menu.addSeparator();
    } else if (!item->Items().empty()) {
      QMenu* sub = menu.addMenu(MenuText(item->Caption()));
      sub->setObjectName(QString::fromStdString(item->Name));
      BuildItems(*item, *sub);
      action = sub->menuAction();
    } else {
      action = menu.addAction(MenuText(item->Caption()));
      if (item->RadioItem) {
        // Drawn as radio items; which one is checked is the control's call.
        QActionGroup*& group = groups[item->GroupIndex];
        if (group == nullptr) {
          group = new QActionGroup(&menu);
          group->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
        }
        action->setCheckable(true);
        group->addAction(action);
      }
      connect(action, &QAction::triggered, this, [this, item] {
        Dispatch([item] { item->Click(); });
        // Qt toggled the check mark on its own; the control decides.
        if (auto* peer = dynamic_cast<MenuItemPeer*>(item->Peer())) peer->Sync();
      });
    }
    action->setObjectName(QString::fromStdString(item->Name));
    auto peer = std::make_unique<MenuItemPeer>(*item, *action);
    peer->Sync();
    item->SetPeer(peer.get());
    peers_.push_back(std::move(peer));
  }
}

void FormWindow::ApplyTabOrder() {
  std::vector<TControl*> order;
  for (TControl* control : form_.Controls()) {
    if (control->TabStop && widgets_.count(control) != 0) order.push_back(control);
  }
  std::stable_sort(order.begin(), order.end(),
                   [](const TControl* a, const TControl* b) { return a->TabOrder < b->TabOrder; });
  for (std::size_t i = 1; i < order.size(); ++i) {
    QWidget::setTabOrder(widgets_[order[i - 1]], widgets_[order[i]]);
  }
}

QWidget* FormWindow::WidgetOf(const TControl& control) const {
  const auto found = widgets_.find(&control);
  return found == widgets_.end() ? nullptr : found->second;
}

// Menus are made when first wanted, not at start-up; from then on their
// peers keep them in step with the menu items.
QMenu* FormWindow::MenuOf(TPopupMenu& menu) { return BuildMenu(menu); }

void FormWindow::PopupMenu(TPopupMenu* menu, const QPoint& globalPos) {
  if (menu == nullptr) return;
  MenuOf(*menu)->popup(globalPos);
}

void FormWindow::SyncGeometry() {
  syncingGeometry_ = true;
  if (size() != QSize(form_.ClientWidth(), form_.ClientHeight())) {
    resize(form_.ClientWidth(), form_.ClientHeight());
  }
  if (pos() != QPoint(form_.Left(), form_.Top())) move(form_.Left(), form_.Top());
  syncingGeometry_ = false;
}

void FormWindow::ShowForm() {
  form_.Show();
  show();
  // The window manager may already have placed us elsewhere.
  SyncGeometry();
}

void FormWindow::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  if (syncingGeometry_) return;
  const QSize now = size();
  Dispatch([&] { form_.SetClientSize(now.width(), now.height()); });
}

void FormWindow::moveEvent(QMoveEvent* event) {
  QWidget::moveEvent(event);
  if (syncingGeometry_ || !isVisible()) return;
  syncingGeometry_ = true;
  form_.SetLeft(pos().x());
  form_.SetTop(pos().y());
  syncingGeometry_ = false;
}

void FormWindow::closeEvent(QCloseEvent* event) {
  if (!form_.Closed()) form_.Close();
  event->accept();
}

void FormWindow::contextMenuEvent(QContextMenuEvent* event) {
  PopupMenu(form_.PopupMenu, event->globalPos());
  event->accept();
}

bool FormWindow::event(QEvent* event) {
  if (event->type() == QEvent::KeyPress &&
      IsContextMenuKey(static_cast<QKeyEvent*>(event))) {
    PopupMenu(form_.PopupMenu, mapToGlobal(rect().center()));
    return true;
  }
  return QWidget::event(event);
}

}  // namespace nodri::qt
