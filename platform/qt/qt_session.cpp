// Signals through a self-pipe, the X11 DestroyNotify of our own window, and
// the Alt+F4 shortcut, all turned into the ordinary close of the window.
#include "qt_session.h"

#include <QAbstractNativeEventFilter>
#include <QApplication>
#include <QKeySequence>
#include <QShortcut>
#include <QSocketNotifier>
#include <cstdint>

#include "qt_window.h"

#ifdef Q_OS_UNIX
#include <csignal>
#include <fcntl.h>
#include <unistd.h>
#endif

namespace nodri::qt {
namespace {

#ifdef Q_OS_UNIX
int signalPipe[2] = {-1, -1};

extern "C" void OnTerminationSignal(int) {
  const char byte = 1;
  [[maybe_unused]] const ssize_t written = write(signalPipe[1], &byte, 1);
}
#endif

// The X11 event that tells a client one of its windows was destroyed, as it
// arrives from the X server (the layout of the protocol, not of a library).
struct XcbDestroyNotify {
  std::uint8_t responseType;
  std::uint8_t pad;
  std::uint16_t sequence;
  std::uint32_t event;
  std::uint32_t window;
};
constexpr std::uint8_t XcbDestroyNotifyType = 17;

class DestroyWatcher final : public QAbstractNativeEventFilter {
 public:
  explicit DestroyWatcher(FormWindow& window) : window_(window) {}
  bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override {
    if (type != "xcb_generic_event_t" || done_) return false;
    const auto* event = static_cast<const XcbDestroyNotify*>(message);
    if ((event->responseType & 0x7f) != XcbDestroyNotifyType) return false;
    if (event->window != static_cast<std::uint32_t>(window_.winId())) return false;
    done_ = true;
    // The window is gone: save and leave without touching it again.
    QMetaObject::invokeMethod(
        &window_,
        [this] {
          if (!window_.Form().Closed()) window_.Form().Close();
          QCoreApplication::exit(0);
        },
        Qt::QueuedConnection);
    return false;
  }

 private:
  FormWindow& window_;
  bool done_ = false;
};

}  // namespace

void CloseGracefullyOnRequest(FormWindow& window) {
#ifdef Q_OS_UNIX
  if (signalPipe[0] < 0 && pipe(signalPipe) == 0) {
    fcntl(signalPipe[1], F_SETFL, O_NONBLOCK);
    auto* notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, &window);
    QObject::connect(notifier, &QSocketNotifier::activated, &window, [&window] {
      char byte = 0;
      [[maybe_unused]] const ssize_t got = read(signalPipe[0], &byte, 1);
      window.close();
    });
    struct sigaction action {};
    action.sa_handler = OnTerminationSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : {SIGTERM, SIGINT, SIGHUP}) sigaction(signal, &action, nullptr);
  }
#endif
  static DestroyWatcher* watcher = nullptr;
  if (watcher == nullptr) {
    watcher = new DestroyWatcher(window);
    QCoreApplication::instance()->installNativeEventFilter(watcher);
  }
  // Window managers close on Alt+F4 themselves; without one, we do.
  auto* shortcut = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_F4), &window);
  shortcut->setContext(Qt::WindowShortcut);
  QObject::connect(shortcut, &QShortcut::activated, &window, &QWidget::close);
}

}  // namespace nodri::qt
