// Shared main of the window suites: no display is needed or touched.
#include <gtest/gtest.h>

#include <QApplication>

#include "support/Sandbox.h"

int main(int argc, char** argv) {
  arkwell::test::prepareSandbox();
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
