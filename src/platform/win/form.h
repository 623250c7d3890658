// A top-level window: registers its class once, keeps `this` in the window's
// user data from WM_NCCREATE to WM_NCDESTROY and hands every message to
// HandleMessage inside the application's error guard, so no exception ever
// crosses the window procedure.
#pragma once
#include <windows.h>

#include <string>

class Form {
 public:
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;
  virtual ~Form();

  HWND Handle() const { return handle_; }
  // The window's Tag: the ready flag of the main window.
  int Tag = 0;

  // True while the system's move or size loop runs for the window: the user is placing it.
  bool InSizeMoveLoop() const { return moveLoops_ > 0; }

  int ClientWidth() const;
  int ClientHeight() const;
  void SetClientSize(int width, int height);

 protected:
  Form() = default;
  // Creates the window; the class is registered on first use.
  void CreateHandle(const wchar_t* className, DWORD style, DWORD exStyle, int x, int y, int width,
                    int height, HICON icon);
  void DestroyHandle();
  virtual LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam);
  LRESULT DefaultHandler(UINT msg, WPARAM wParam, LPARAM lParam);

 private:
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  void TrackSystemLoop(UINT msg);
  HWND handle_ = nullptr;
  // Menu and move/size loops entered and not yet left.
  int menuLoops_ = 0;
  int moveLoops_ = 0;
};
