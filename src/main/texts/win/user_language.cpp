#include "main/texts/win/user_language.h"

#include <windows.h>

#include "general/win/late_bound_proc.h"

TLanguage UserInterfaceLanguage() {
  using GetUserDefaultUILanguageFn = LANGID(WINAPI*)();
  // Asked once a window; the library is let go again.
  LateBoundProc uiLanguage{L"kernel32.dll", "GetUserDefaultUILanguage"};
  const FARPROC proc = uiLanguage.Get();
  const LANGID id = proc ? ProcAs<GetUserDefaultUILanguageFn>(proc)() : GetUserDefaultLangID();
  return LanguageOfLangId(id);
}
