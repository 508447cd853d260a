// The test program's entry point: a headless Qt application around
// GoogleTest.
#include <gtest/gtest.h>

#include <QApplication>

#include "framework/Runtime.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  ::testing::InitGoogleTest(&argc, argv);
  fw::RuntimeInit(argc, argv);
  const int result = RUN_ALL_TESTS();
  fw::RuntimeExit();
  return result;
}
