// The application's error display.
#include "application.h"

namespace nodri {

void TApplication::ShowException(const std::exception& error) {
  std::string text = error.what();
  text += '.';
  display_.ShowError(Title, text);
}

}  // namespace nodri
