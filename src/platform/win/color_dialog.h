// The system colour chooser as a component: opens with Color preselected and,
// when the user confirms, leaves the chosen colour there.
#pragma once
#include <windows.h>
#include <commdlg.h>

#include <array>

class ColorDialog {
 public:
  ColorDialog() { customColors_.fill(RGB(255, 255, 255)); }
  ColorDialog(const ColorDialog&) = delete;
  ColorDialog& operator=(const ColorDialog&) = delete;

  // Modal; true when the user confirmed. Color is unchanged otherwise.
  bool Execute(HWND owner);

  COLORREF Color = RGB(0, 0, 0);
  // Custom-colour part expanded and every available basic colour shown.
  DWORD Options = CC_FULLOPEN | CC_ANYCOLOR;

 private:
  // The chooser edits these in place; they last as long as the component and
  // are neither preset nor stored.
  std::array<COLORREF, 16> customColors_;
};
