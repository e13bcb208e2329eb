// The floor for nodri's start-up: the least a Qt 6 Widgets program with a
// window of three line edits costs to start and to keep in memory. The
// start-up script measures it beside nodri, built the same way, so that the
// ratio of the two shows what nodri adds on top of Qt itself.
#include <QApplication>
#include <QLineEdit>
#include <QVBoxLayout>
#include <QWidget>

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QWidget window;
  window.setWindowTitle(QStringLiteral("Floor"));
  auto* layout = new QVBoxLayout(&window);
  for (int i = 0; i < 3; ++i) layout->addWidget(new QLineEdit(&window));
  window.show();
  return QApplication::exec();
}
