// Runs the in-process tests with the application's error boxes turned into text.
#include <gtest/gtest.h>

#include "platform/win/application.h"

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  Application::Instance().SetTitle(L"Loupist");
  Application::Instance().ShowErrorBoxes = false;
  return RUN_ALL_TESTS();
}
