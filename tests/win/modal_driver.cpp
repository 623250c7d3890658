#include "tests/win/modal_driver.h"

#include <utility>

#include "tests/win/scene.h"

namespace {
ModalDriver* g_current = nullptr;

struct Search {
  const wchar_t* cls;
  HWND found;
};

BOOL CALLBACK MatchWindow(HWND hwnd, LPARAM lParam) {
  auto* search = reinterpret_cast<Search*>(lParam);
  wchar_t name[64] = {};
  GetClassNameW(hwnd, name, 64);
  if (wcscmp(name, search->cls) == 0 && IsWindowVisible(hwnd)) {
    search->found = hwnd;
    return FALSE;
  }
  return TRUE;
}
}  // namespace

HWND FindThreadWindow(const wchar_t* cls) {
  Search search{cls, nullptr};
  EnumThreadWindows(GetCurrentThreadId(), &MatchWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

ModalDriver::ModalDriver(const wchar_t* cls, std::function<void(HWND)> action)
    : cls_(cls), action_(std::move(action)) {
  g_current = this;
  timer_ = SetTimer(nullptr, 0, 50, &ModalDriver::Tick);
}

ModalDriver::~ModalDriver() {
  if (timer_) KillTimer(nullptr, timer_);
  if (g_current == this) g_current = nullptr;
}

void CALLBACK ModalDriver::Tick(HWND, UINT, UINT_PTR, DWORD) {
  ModalDriver* self = g_current;
  if (!self || self->fired_) return;
  HWND window = FindThreadWindow(self->cls_);
  if (!window) return;
  self->fired_ = true;
  KillTimer(nullptr, self->timer_);
  self->timer_ = 0;
  self->action_(window);
}

namespace {
bool AllInState(const std::vector<WORD>& keys, bool down) {
  for (WORD key : keys) {
    if (((GetAsyncKeyState(key) & 0x8000) != 0) != down) return false;
  }
  return true;
}
}  // namespace

// Wine takes the key state from the X server's keymap whenever X moves the focus,
// which pointer moves between windows do; a key sent just before that is lost. So a
// change is sent again until it has held for a while.
void HeldKeys::Change(bool down) {
  for (int attempt = 0; attempt < 10; ++attempt) {
    for (WORD key : keys_) Send(key, !down);
    if (!PumpUntil([&] { return AllInState(keys_, down); }, 100)) continue;
    PumpFor(100);
    if (AllInState(keys_, down)) return;
  }
}

HeldKeys::HeldKeys(std::initializer_list<WORD> keys) : keys_(keys) { Change(true); }

HeldKeys::~HeldKeys() { Change(false); }

void HeldKeys::Send(WORD key, bool up) {
  INPUT in{};
  in.type = INPUT_KEYBOARD;
  in.ki.wVk = key;
  in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  SendInput(1, &in, sizeof(in));
}
