// Program entry: hardening first, then the units, the title, the main window and the loop.
#include <windows.h>

#include <memory>

#include "general/win/platform_info.h"
#include "main/form/win/main.h"
#include "my_monitor/win/my_monitor.h"
#include "my_safedll/win/my_safedll.h"
#include "my_settingfile/settings_unit.h"
#include "platform/win/application.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, LPWSTR, int) {
  HardenLibrarySearchPath();
  IsNTPlatform();  // fixed once, before any window exists
  // The monitor set lives from here until after the main window is gone.
  const MyMonitorsUnit monitorsUnit;
  // Zero record, built-in key and gesture tables, before a file may replace them.
  InitSettingsUnit();

  Application& app = Application::Instance();
  app.SetTitle(L"Loupist");
  int exitCode = 0;
  {
    std::unique_ptr<TApp_Loupist> mainWindow;
    app.Guarded([&] { mainWindow = std::make_unique<TApp_Loupist>(); });
    if (!mainWindow) return 1;
    exitCode = app.Run();
  }
  return exitCode;
}
