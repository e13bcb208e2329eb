// Real widgets for a form and its controls. Each control gets a Qt widget
// that mirrors it; what the user does in a widget goes back to the control
// (through the text setter, the click, the menu item), and what the program
// writes into a control reaches the widget without echoing back.
#pragma once

#include <QLineEdit>
#include <QWidget>
#include <map>
#include <memory>
#include <vector>

#include "platform/controls.h"
#include "platform/form.h"
#include "platform/menus.h"

class QMenu;
class QLabel;
class QPushButton;

namespace nodri::qt {

class FormWindow;

// A line edit that hands every user edit to its TEdit. The byte limit of
// typed and pasted text is enforced here, since only the user types: a
// program write is never cut.
class LineEdit final : public QLineEdit {
  Q_OBJECT
 public:
  LineEdit(TEdit& edit, FormWindow& window, QWidget* parent);

  // The widget's text and caret from the control's.
  void SyncText();
  void SyncSelection();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  void InsertLimited(const QString& text);
  void DeliverEdit();

  TEdit& edit_;
  FormWindow& window_;
  bool edited_ = false;  // textEdited seen, not yet handed to the control
  bool syncing_ = false;
};

// The top-level window: its client area is this widget, with the controls
// placed at their positions inside.
class FormWindow final : public QWidget {
  Q_OBJECT
 public:
  explicit FormWindow(TForm& form);
  ~FormWindow() override;

  TForm& Form() { return form_; }
  // Shows the popup menu at a global position, or under the widget's centre.
  void PopupMenu(TPopupMenu* menu, const QPoint& globalPos);
  // Shows the form for the first time: laid out, centred, visible.
  void ShowForm();
  // Runs something the user set off; what escapes it goes to the error
  // display.
  template <class Action>
  void Dispatch(Action&& action) {
    form_.Application().Dispatch(std::forward<Action>(action));
  }

  QWidget* WidgetOf(const TControl& control) const;
  QMenu* MenuOf(TPopupMenu& menu);

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  bool event(QEvent* event) override;

 private:
  class Peer;
  class FormPeer;
  class ControlPeer;
  class MenuItemPeer;

  void BuildControl(TControl& control);
  QMenu* BuildMenu(TPopupMenu& menu);
  void BuildItems(TMenuItem& parent, QMenu& menu);
  void ApplyTabOrder();
  void SyncGeometry();

  TForm& form_;
  std::vector<std::unique_ptr<ComponentPeer>> peers_;
  std::map<const TControl*, QWidget*> widgets_;
  std::map<const TPopupMenu*, QMenu*> menus_;
  bool syncingGeometry_ = false;
};

}  // namespace nodri::qt
