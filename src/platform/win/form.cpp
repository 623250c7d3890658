#include "platform/win/form.h"

#include <stdexcept>

#include "platform/win/application.h"

Form::~Form() { DestroyHandle(); }

void Form::CreateHandle(const wchar_t* className, DWORD style, DWORD exStyle, int x, int y,
                        int width, int height, HICON icon) {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW existing{};
  existing.cbSize = sizeof(existing);
  if (!GetClassInfoExW(instance, className, &existing)) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = &Form::WindowProc;
    wc.hInstance = instance;
    wc.hIcon = icon;
    wc.hIconSm = icon;
    wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
    wc.hbrBackground = nullptr;  // never erased: every pixel is painted
    wc.lpszClassName = className;
    if (!RegisterClassExW(&wc)) throw std::runtime_error("RegisterClassEx failed");
  }
  RECT r{0, 0, width, height};
  AdjustWindowRectEx(&r, style, FALSE, exStyle);
  CreateWindowExW(exStyle, className, L"", style, x, y, r.right - r.left, r.bottom - r.top, nullptr,
                  nullptr, instance, this);
  if (!handle_) throw std::runtime_error("CreateWindowEx failed");
}

void Form::DestroyHandle() {
  if (handle_) DestroyWindow(handle_);
}

int Form::ClientWidth() const {
  RECT r{};
  GetClientRect(handle_, &r);
  return r.right;
}

int Form::ClientHeight() const {
  RECT r{};
  GetClientRect(handle_, &r);
  return r.bottom;
}

void Form::SetClientSize(int width, int height) {
  RECT window{}, client{};
  GetWindowRect(handle_, &window);
  GetClientRect(handle_, &client);
  const int frameX = (window.right - window.left) - client.right;
  const int frameY = (window.bottom - window.top) - client.bottom;
  SetWindowPos(handle_, nullptr, 0, 0, width + frameX, height + frameY,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT Form::DefaultHandler(UINT msg, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcW(handle_, msg, wParam, lParam);
}

LRESULT Form::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  return DefaultHandler(msg, wParam, lParam);
}

// The system's menu and move/size loops announce themselves to the window they serve.
void Form::TrackSystemLoop(UINT msg) {
  Application& application = Application::Instance();
  if (msg == WM_ENTERMENULOOP) {
    ++menuLoops_;
    application.EnterModalLoop(true);
  } else if (msg == WM_ENTERSIZEMOVE) {
    ++moveLoops_;
    application.EnterModalLoop(false);
  } else if (msg == WM_EXITMENULOOP && menuLoops_ > 0) {
    --menuLoops_;
    application.LeaveModalLoop(true);
  } else if (msg == WM_EXITSIZEMOVE && moveLoops_ > 0) {
    --moveLoops_;
    application.LeaveModalLoop(false);
  }
}

LRESULT CALLBACK Form::WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  Form* form = nullptr;
  if (msg == WM_NCCREATE) {
    form = static_cast<Form*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    form->handle_ = hwnd;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
  } else {
    form = reinterpret_cast<Form*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  }
  if (!form) return DefWindowProcW(hwnd, msg, wParam, lParam);

  form->TrackSystemLoop(msg);
  LRESULT result = 0;
  bool handled = false;
  Application::Instance().Guarded([&] {
    result = form->HandleMessage(msg, wParam, lParam);
    handled = true;
  });
  if (!handled) result = DefWindowProcW(hwnd, msg, wParam, lParam);
  if (msg == WM_NCDESTROY) {
    // A loop that ends after its window is gone sends it no end message.
    for (; form->menuLoops_ > 0; --form->menuLoops_) Application::Instance().LeaveModalLoop(true);
    for (; form->moveLoops_ > 0; --form->moveLoops_) Application::Instance().LeaveModalLoop(false);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    form->handle_ = nullptr;
  }
  return result;
}
