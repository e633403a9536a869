// Shared main of the suites that need no Qt event loop.
#include <gtest/gtest.h>

#include "support/Sandbox.h"

int main(int argc, char** argv) {
  arkwell::test::prepareSandbox();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
