#include "main/pointer/win/pointer_tracker.h"

#include "base/win/calling_convention.h"

namespace {

constexpr USHORT kGenericDesktopPage = 1;  // HID usage page
constexpr USHORT kMouseUsage = 2;
constexpr DWORD kCursorLocationChange = 0x800B;  // EVENT_OBJECT_LOCATIONCHANGE
constexpr LONG kCursorObject = -9;               // OBJID_CURSOR

using RegisterRawInput = BOOL(WINAPI*)(PCRAWINPUTDEVICE, UINT, UINT);
using SetEventHook = HWINEVENTHOOK(WINAPI*)(DWORD, DWORD, HMODULE, WINEVENTPROC, DWORD, DWORD,
                                            DWORD);
using UnhookEvent = BOOL(WINAPI*)(HWINEVENTHOOK);

// Raw input came with Windows XP and the event hook with Windows 98 and NT 4: both are taken
// from user32, which every process has loaded, only where the system has them.
template <typename Fn>
Fn User32Proc(const char* name) {
  const HMODULE user32 = GetModuleHandleW(L"user32.dll");
  return user32 ? ProcAs<Fn>(GetProcAddress(user32, name)) : nullptr;
}

bool RegisterMouse(HWND target, DWORD flags) {
  const auto registerRawInput = User32Proc<RegisterRawInput>("RegisterRawInputDevices");
  if (!registerRawInput) return false;
  const RAWINPUTDEVICE mouse{kGenericDesktopPage, kMouseUsage, flags, target};
  return registerRawInput(&mouse, 1, sizeof(mouse)) != FALSE;
}

// The one tracker whose event hook is on: out-of-context events come to the thread that set the
// hook, inside its message retrieval, with nothing to tell whose hook it was.
TPointerTracker* hooked = nullptr;

}  // namespace

bool TPointerTracker::SystemTellsOfMoves() {
  return User32Proc<RegisterRawInput>("RegisterRawInputDevices") ||
         User32Proc<SetEventHook>("SetWinEventHook");
}

int64_t TPointerTracker::NowUs() {
  static const int64_t frequency = [] {
    LARGE_INTEGER f{};
    QueryPerformanceFrequency(&f);
    return f.QuadPart > 0 ? f.QuadPart : 1;
  }();
  LARGE_INTEGER now{};
  QueryPerformanceCounter(&now);
  return now.QuadPart / frequency * 1000000 + now.QuadPart % frequency * 1000000 / frequency;
}

bool TPointerTracker::Start(HWND window) {
  (void)Stop();
  window_ = window;
  rawInput_ = rawAvailable_ = RegisterMouse(window, RIDEV_INPUTSINK);
  if (hooked == nullptr) {
    if (const auto setHook = User32Proc<SetEventHook>("SetWinEventHook")) {
      hook_ = setHook(kCursorLocationChange, kCursorLocationChange, nullptr, &CursorEvent, 0, 0,
                      WINEVENT_OUTOFCONTEXT);
      if (hook_) hooked = this;
    }
  }
  if (!rawAvailable_ && !hook_) window_ = nullptr;
  UpdateRawInput();
  FollowMonitor();
  return Following();
}

bool TPointerTracker::Stop() {
  if (rawInput_) RegisterMouse(nullptr, RIDEV_REMOVE);
  rawInput_ = rawAvailable_ = framePending_ = false;
  if (hook_) {
    if (const auto unhook = User32Proc<UnhookEvent>("UnhookWinEvent")) unhook(hook_);
    hook_ = nullptr;
    hooked = nullptr;
  }
  if (window_ && timerSet_) KillTimer(window_, kFrameTimer);
  timerSet_ = false;
  window_ = nullptr;
  return eventless_.Reset();
}

void CALLBACK TPointerTracker::CursorEvent(HWINEVENTHOOK, DWORD event, HWND, LONG object, LONG,
                                           DWORD, DWORD) {
  if (event != kCursorLocationChange || object != kCursorObject || !hooked) return;
  if (hooked->OnCursorEvent)
    hooked->OnCursorEvent();
  else
    hooked->Moved();
}

void TPointerTracker::Moved() {
  if (!window_) return;
  const TWake wake = pacer_.Moved(NowUs());
  if (wake.Kind != TWakeKind::kNothing) lookingAgain_ = false;
  Wake(wake);
}

void TPointerTracker::FrameFoundNoMove() {
  if (!window_) return;
  const TWake wake = pacer_.FrameFoundNoMove();
  lookingAgain_ = wake.Kind != TWakeKind::kNothing;
  Wake(wake);
}

void TPointerTracker::UpdateRawInput() {
  const bool on = window_ && rawAvailable_ && wanted_ && !framePending_;
  if (on == rawInput_) return;
  rawInput_ = on ? RegisterMouse(window_, RIDEV_INPUTSINK) : !RegisterMouse(nullptr, RIDEV_REMOVE);
}

void TPointerTracker::SetWanted(bool wanted) {
  if (wanted == wanted_) return;
  wanted_ = wanted;
  UpdateRawInput();
}

void TPointerTracker::FrameEnded(POINT drawn) {
  if (!framePending_) return;
  framePending_ = false;
  UpdateRawInput();
  POINT now{};
  if (GetCursorPos(&now) && (now.x != drawn.x || now.y != drawn.y)) Moved();
}

void TPointerTracker::Wake(const TWake& wake) {
  if (wake.Kind != TWakeKind::kNothing && !framePending_) {
    framePending_ = true;
    UpdateRawInput();
  }
  if (wake.Kind == TWakeKind::kNow) {
    PostMessageW(window_, kFrameMessage, 0, 0);
  } else if (wake.Kind == TWakeKind::kLater) {
    // Whole milliseconds, rounded up: a frame early would draw a second one in the same frame.
    const UINT ms = static_cast<UINT>((wake.DelayUs + 999) / 1000);
    timerSet_ = SetTimer(window_, kFrameTimer, ms > 0 ? ms : 1, nullptr) != 0;
    // Without a timer the move waits for the next frame message instead of being lost.
    if (!timerSet_) PostMessageW(window_, kFrameMessage, 0, 0);
  }
}

bool TPointerTracker::TakeFrame(UINT msg, WPARAM wParam) {
  if (msg == WM_TIMER && wParam == kFrameTimer) {
    KillTimer(window_, kFrameTimer);
    timerSet_ = false;
  } else if (msg != kFrameMessage) {
    return false;
  }
  if (!window_) return false;
  pacer_.FrameStarted(NowUs());
  if (!lookingAgain_) ++frames_;
  lookingAgain_ = false;
  return true;
}

void TPointerTracker::FollowMonitor(bool displayChanged) {
  if (!window_) return;
  const HMONITOR monitor = MonitorFromWindow(window_, MONITOR_DEFAULTTONEAREST);
  if (monitor == monitor_ && monitor_ && !displayChanged) return;
  monitor_ = monitor;
  MONITORINFOEXW info{};
  info.cbSize = sizeof(info);
  DEVMODEW mode{};
  mode.dmSize = sizeof(mode);
  int32_t hertz = 0;
  if (monitor && GetMonitorInfoW(monitor, &info) &&
      EnumDisplaySettingsW(info.szDevice, ENUM_CURRENT_SETTINGS, &mode))
    hertz = static_cast<int32_t>(mode.dmDisplayFrequency);
  pacer_.SetFramePeriod(FramePeriodOfRefreshRate(hertz));
}

std::optional<uint32_t> TPointerTracker::TimerPeriodAfter(bool pointerMoved, uint32_t ownMs) {
  const bool seen = pacer_.TakeMoveSeen();
  const bool eventless = pointerMoved && !seen && Following();
  const uint32_t frameMs = static_cast<uint32_t>((pacer_.FramePeriod() + 999) / 1000);
  return eventless_.TimerPeriod(NowUs(), eventless, ownMs, frameMs);
}
