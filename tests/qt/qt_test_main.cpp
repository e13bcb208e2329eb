// GoogleTest under a QApplication on Qt's offscreen platform.
#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>

#include "platform/qt/qt_services.h"

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication application(argc, argv);
  nodri::qt::InstallFontSubstitutes();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
