// The program nodri: the application object titled "Nodri", the converter
// window made from its design, and the message loop until it is closed.
#include <QApplication>
#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>

#include "platform/qt/qt_services.h"
#include "platform/qt/qt_session.h"
#include "platform/qt/qt_window.h"
#include "window/form1.h"

namespace {

// Qt aborts when it cannot reach a display; say so plainly instead.
bool DisplayAvailable() {
#if defined(Q_OS_WIN) || defined(Q_OS_MACOS)
  return true;
#else
  const auto set = [](const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0';
  };
  return set("QT_QPA_PLATFORM") || set("DISPLAY") || set("WAYLAND_DISPLAY");
#endif
}

}  // namespace

int main(int argc, char** argv) {
  if (!DisplayAvailable()) {
    std::fprintf(stderr,
                 "nodri: no display to open the window on (DISPLAY is not set); "
                 "to try it without one: xvfb-run -a %s\n",
                 argv[0]);
    return 1;
  }
  QGuiApplication::setHighDpiScaleFactorRoundingPolicy(
      Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
  QApplication qtApplication(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Nodri"));
  QApplication::setOrganizationName(QStringLiteral("Brevant"));
  QApplication::setDesktopFileName(QStringLiteral("nodri"));
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/nodri.png")));
  nodri::qt::InstallFontSubstitutes();

  nodri::qt::QtServices services;
  nodri::TApplication& application = services.application;
  try {
    application.Title = "Nodri";
    nodri::TForm1 form(services.Lend());
    nodri::qt::FormWindow window(form);
    form.Create();
    window.ShowForm();
    nodri::qt::CloseGracefullyOnRequest(window);
    QApplication::exec();
  } catch (const nodri::Exception& error) {
    application.ShowException(error);
  }
  return 0;
}
