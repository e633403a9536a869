// Shared main of the suites that use Qt: the sandbox is set before the
// application object exists, so nothing Qt reads at start sees real folders.
#include <gtest/gtest.h>

#include <QCoreApplication>

#include "support/Sandbox.h"

int main(int argc, char** argv) {
  arkwell::test::prepareSandbox();
  QCoreApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
