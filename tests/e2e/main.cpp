// Every end-to-end test starts the real program from the build folder, which keeps its
// settings file beside it: each test starts and ends without one, so that no test sees
// what another left behind.
#include <gtest/gtest.h>

#include "tests/e2e/program.h"

namespace {
class NoLeftoverSettings : public testing::EmptyTestEventListener {
  void OnTestStart(const testing::TestInfo&) override { Remove(); }
  void OnTestEnd(const testing::TestInfo&) override { Remove(); }
  static void Remove() { DeleteFileW((ProgramFolder() + L"loupist.bin").c_str()); }
};
}  // namespace

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  // The listener list takes ownership of what it is given.
  testing::UnitTest::GetInstance()->listeners().Append(new NoLeftoverSettings);
  return RUN_ALL_TESTS();
}
