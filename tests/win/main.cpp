// Runs the in-process tests with the application's error boxes turned into text.
#include <gtest/gtest.h>

#include "my_monitor/win/my_monitor.h"
#include "platform/win/application.h"

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  Application::Instance().SetTitle(L"Loupist");
  Application::Instance().ShowErrorBoxes = false;
  // As in the program: the monitor set outlives every main window the tests create.
  const MyMonitorsUnit monitorsUnit;
  return RUN_ALL_TESTS();
}
