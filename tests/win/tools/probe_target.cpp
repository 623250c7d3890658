// probe_target.exe: puts the windows of probe_target_layout.h on the screen, in a process
// (and under an executable name) of its own, and keeps them there until it is ended.
// Command line: the token of the event names.
#include <windows.h>

#include <algorithm>
#include <cwchar>
#include <string>
#include <vector>

#include "src/base/win/calling_convention.h"
#include "tests/win/tools/drawn_buttons.h"
#include "tests/win/tools/probe_target_layout.h"

namespace {
using namespace probe_target;

HINSTANCE instance;
HANDLE hangingEvent;
HANDLE releaseEvent;

LRESULT CALLBACK PlainProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcW(hwnd, msg, wParam, lParam);
}

// No client area at all: the whole window is frame.
LRESULT CALLBACK NoClientProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_NCCALCSIZE) {
    RECT* r = wParam ? &reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam)->rgrc[0]
                     : reinterpret_cast<RECT*>(lParam);
    r->right = r->left;
    r->bottom = r->top;
    return 0;
  }
  return DefWindowProcW(hwnd, msg, wParam, lParam);
}

// Keeps its caption empty and tells its text only when asked by message, until it is told
// to hang.
LRESULT CALLBACK HungProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_GETTEXTLENGTH:
      return static_cast<LRESULT>(wcslen(kHungAnswer));
    case WM_GETTEXT: {
      const size_t limit = static_cast<size_t>(wParam);
      if (limit == 0) return 0;
      wchar_t* out = reinterpret_cast<wchar_t*>(lParam);
      const size_t n = std::min(limit - 1, wcslen(kHungAnswer));
      wmemcpy(out, kHungAnswer, n);
      out[n] = L'\0';
      return static_cast<LRESULT>(n);
    }
    case kHangMessage:
      SetEvent(hangingEvent);
      WaitForSingleObject(releaseEvent, 20000);
      return 0;
    default:
      return DefWindowProcW(hwnd, msg, wParam, lParam);
  }
}

void Register(const wchar_t* name, WNDPROC proc, HBRUSH background) {
  WNDCLASSW wc{};
  wc.lpfnWndProc = proc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  wc.hbrBackground = background;
  wc.lpszClassName = name;
  RegisterClassW(&wc);
}

constexpr DWORD kTopExStyle = WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE;

HWND TopLevel(const wchar_t* cls, const wchar_t* text, const Box& b, DWORD exStyle = 0) {
  HWND hwnd = CreateWindowExW(kTopExStyle | exStyle, cls, text, WS_POPUP, b.Left, b.Top, b.Width,
                              b.Height, nullptr, nullptr, instance, nullptr);
  return hwnd;
}

HWND Child(HWND parent, const wchar_t* cls, const wchar_t* text, const Box& b, DWORD style = 0) {
  return CreateWindowExW(0, cls, text, WS_CHILD | WS_VISIBLE | style, b.Left, b.Top, b.Width,
                         b.Height, parent, nullptr, instance, nullptr);
}

void Show(HWND hwnd) {
  ShowWindow(hwnd, SW_SHOWNOACTIVATE);
  SetWindowPos(hwnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  UpdateWindow(hwnd);
}

DWORD WINAPI HungThread(void* started) {
  HWND hwnd = TopLevel(kHungClass, L"", kHung);
  Show(hwnd);
  SetEvent(static_cast<HANDLE>(started));
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return 0;
}

// A dialog template in memory: the dialog and its items, each item on a DWORD boundary.
class DialogTemplate {
 public:
  DialogTemplate(DWORD style, DWORD exStyle, const wchar_t* title) {
    Dword(style);
    Dword(exStyle);
    countAt_ = words_.size();
    words_.insert(words_.end(), {0, 0, 0, 0, 0});  // item count, x, y, cx, cy
    words_.insert(words_.end(), {0, 0});           // no menu, the system's dialog class
    Text(title);
  }
  // An item of the system's button class. Its place is set later, in pixels.
  void Button(DWORD style, WORD id, const wchar_t* text) {
    if (words_.size() % 2 != 0) words_.push_back(0);
    Dword(style);
    Dword(0);
    words_.insert(words_.end(), {0, 0, 0, 0, id, 0xFFFF, 0x0080});
    Text(text);
    words_.push_back(0);  // no creation data
    ++words_[countAt_];
  }
  const DLGTEMPLATE* Get() const { return reinterpret_cast<const DLGTEMPLATE*>(words_.data()); }

 private:
  void Dword(DWORD value) {
    words_.push_back(LOWORD(value));
    words_.push_back(HIWORD(value));
  }
  void Text(const wchar_t* text) {
    for (; *text; ++text) words_.push_back(static_cast<WORD>(*text));
    words_.push_back(0);
  }
  std::vector<WORD> words_;  // a vector's buffer is aligned for DWORDs
  size_t countAt_ = 0;
};

INT_PTR CALLBACK SystemDialogProc(HWND, UINT, WPARAM, LPARAM) {
  // FALSE to WM_INITDIALOG too: the dialog sets no focus, so the button is not made the
  // default one and keeps the style it was given.
  return FALSE;
}

void Place(HWND hwnd, const Box& b) {
  SetWindowPos(hwnd, nullptr, b.Left, b.Top, b.Width, b.Height, SWP_NOZORDER | SWP_NOACTIVATE);
}

// The windows that this thread makes from now on are system DPI aware, where the system lets a
// thread choose (Windows 10 version 1607 and later, and Wine); elsewhere nothing changes. The
// hung window's thread keeps the process's default.
void SystemDpiAwareFromNowOn() {
  using SetContext = HANDLE(WINAPI*)(HANDLE);
  const HMODULE user32 = GetModuleHandleW(L"user32.dll");
  const auto set = ProcAs<SetContext>(GetProcAddress(user32, "SetThreadDpiAwarenessContext"));
  if (set) set(reinterpret_cast<HANDLE>(static_cast<intptr_t>(kSystemAwareContext)));
}

// The inspector's windows; the dialog is returned for its owned popup.
HWND InspectorWindows() {
  const int bits = static_cast<int>(sizeof(void*) * 8);
  const std::wstring styledText = StyledText(GetCurrentProcessId(), GetCurrentThreadId(), bits);
  HWND styled = CreateWindowExW(kStyledExStyle, kStyledClass, styledText.c_str(), kStyledStyle,
                                kStyled.Left, kStyled.Top, kStyled.Width, kStyled.Height, nullptr,
                                nullptr, instance, nullptr);
  Show(styled);

  // The button comes first, so that it lies above the group box that surrounds it.
  DialogTemplate dialogTemplate(kSystemDialogStyle, kTopExStyle, L"System dialog");
  dialogTemplate.Button(kGroupedButtonStyle, kGroupedButtonId, kGroupedButtonText);
  dialogTemplate.Button(kGroupBoxStyle, kGroupBoxId, kGroupBoxText);
  HWND dialog =
      CreateDialogIndirectParamW(instance, dialogTemplate.Get(), nullptr, SystemDialogProc, 0);
  if (!dialog) return nullptr;
  Place(dialog, kSystemDialog);
  Place(GetDlgItem(dialog, kGroupBoxId), kGroupBox);
  Place(GetDlgItem(dialog, kGroupedButtonId), kGroupedButton);
  Show(dialog);

  Show(CreateWindowExW(kTopExStyle, kOwnedClass, kOwnedText, WS_POPUP, kOwned.Left, kOwned.Top,
                       kOwned.Width, kOwned.Height, dialog, nullptr, instance, nullptr));
  return dialog;
}

HANDLE OpenNamedEvent(const std::wstring& token, const wchar_t* what) {
  return OpenEventW(EVENT_MODIFY_STATE | SYNCHRONIZE, FALSE, EventName(token, what).c_str());
}
}  // namespace

int WINAPI wWinMain(HINSTANCE hInstance, HINSTANCE, LPWSTR commandLine, int) {
  instance = hInstance;
  SystemDpiAwareFromNowOn();
  // The drawn buttons' accessible object is handed to other processes through COM.
  if (FAILED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) return kExitNoCom;
  const std::wstring token = commandLine ? commandLine : L"";
  HANDLE readyEvent = OpenNamedEvent(token, kReadyEvent);
  hangingEvent = OpenNamedEvent(token, kHangingEvent);
  releaseEvent = OpenNamedEvent(token, kReleaseEvent);
  if (!readyEvent || !hangingEvent || !releaseEvent) return kExitNoEvents;

  HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
  HBRUSH face = GetSysColorBrush(COLOR_BTNFACE);
  Register(kRedClass, PlainProc, red);
  Register(kRedChildClass, PlainProc, red);
  Register(kDialogClass, PlainProc, face);
  Register(kPanelClass, PlainProc, GetSysColorBrush(COLOR_WINDOW));
  Register(kBelowShapedClass, PlainProc, GetSysColorBrush(COLOR_APPWORKSPACE));
  Register(kShapedClass, PlainProc, face);
  Register(kBelowLayeredClass, PlainProc, GetSysColorBrush(COLOR_APPWORKSPACE));
  Register(kLayeredClass, PlainProc, face);
  Register(kNoClientClass, NoClientProc, face);
  Register(kLongTextClass, PlainProc, face);
  Register(kEditHostClass, PlainProc, face);
  Register(kUnicodeClass, PlainProc, face);
  Register(kUnicodeNameClass, PlainProc, face);
  Register(kHungClass, HungProc, face);
  Register(kStyledClass, PlainProc, face);
  Register(kOwnedClass, PlainProc, GetSysColorBrush(COLOR_WINDOW));
  Register(kDrawnButtonsClass, DrawnButtonsProc, face);
  const std::wstring longClass = LongClassName();
  Register(longClass.c_str(), PlainProc, face);

  HWND redWindow = TopLevel(kRedClass, kRedText, kRed);
  Child(redWindow, kRedChildClass, kRedChildText, kRedChild);
  Show(redWindow);

  HWND dialog = TopLevel(kDialogClass, L"Dialog", kDialog);
  Child(dialog, L"BUTTON", kEnabledText, kEnabledButton, BS_PUSHBUTTON);
  Child(dialog, L"BUTTON", kDisabledText, kDisabledButton, BS_PUSHBUTTON | WS_DISABLED);
  HWND lower = Child(dialog, kPanelClass, kLowerText, kLowerPanel);
  HWND upper = Child(dialog, kPanelClass, kUpperText, kUpperPanel);
  Child(upper, kPanelClass, kInnerText, kInnerPanel);
  SetWindowPos(upper, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  SetWindowPos(lower, upper, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  HWND beneath = Child(dialog, kPanelClass, kBeneathText, kBeneathPanel);
  HWND clipper = Child(dialog, kPanelClass, kClipperText, kClipperPanel);
  Child(clipper, kPanelClass, kOverhangText, kOverhangPanel);
  SetWindowPos(clipper, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  SetWindowPos(beneath, clipper, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  Show(dialog);

  Show(TopLevel(kBelowShapedClass, L"Below the shaped window", kBelowShaped));
  HWND shaped = TopLevel(kShapedClass, L"Shaped", kShaped);
  SetWindowRgn(shaped, CreateEllipticRgn(0, 0, kShaped.Width, kShaped.Height), FALSE);
  Show(shaped);

  Show(TopLevel(kBelowLayeredClass, L"Below the layered window", kBelowLayered));
  HWND layered = TopLevel(kLayeredClass, L"Layered", kLayered, WS_EX_LAYERED);
  SetLayeredWindowAttributes(layered, 0, 160, LWA_ALPHA);
  Show(layered);

  HWND noClient = TopLevel(kNoClientClass, L"No client area", kNoClient);
  Child(noClient, kPanelClass, kNoClientChildText, kNoClientChild);
  Show(noClient);

  Show(TopLevel(kLongTextClass, LongText().c_str(), kLongText));

  HWND editHost = TopLevel(kEditHostClass, L"Edit host", kEditHost);
  HWND edit = Child(editHost, L"EDIT", L"", kEdit, WS_BORDER | ES_AUTOHSCROLL);
  // Typed text stays inside the control; the window's caption remains empty.
  SendMessageW(edit, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(kEditContents));
  Show(editHost);

  Show(TopLevel(kUnicodeClass, kUnicodeText, kUnicode));
  HWND unicodeNamed = TopLevel(kUnicodeNameClass, L"Unicode name", kUnicodeNamed);
  Child(unicodeNamed, kUnicodeNameClass, L"Unicode name child", kUnicodeNamedChild);
  Show(unicodeNamed);

  CreateWindowExW(0, longClass.c_str(), L"Hidden", WS_POPUP, kHidden.Left, kHidden.Top,
                  kHidden.Width, kHidden.Height, nullptr, nullptr, instance, nullptr);

  if (!InspectorWindows()) return kExitNoDialog;
  Show(TopLevel(kDrawnButtonsClass, kDrawnButtonsText, kDrawnButtons));

  HANDLE started = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  HANDLE thread = CreateThread(nullptr, 0, HungThread, started, 0, nullptr);
  if (!thread || WaitForSingleObject(started, 10000) != WAIT_OBJECT_0) return kExitNoHungThread;

  SetEvent(readyEvent);
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return 0;
}
