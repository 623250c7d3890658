// Per-monitor DPI played where every monitor has one DPI (Wine sends no WM_DPICHANGED): while
// it lives, a move or size of the main window that takes its centre to a place of another DPI
// announces that DPI from within the move, as Windows does, whoever made the move.
#pragma once
#include <windows.h>

#include <functional>
#include <tuple>
#include <utility>

#include "general/dpi_scale.h"
#include "main/form/win/internals.h"

constexpr UINT kWmDpiChanged = 0x02E0;

// WM_DPICHANGED suggesting the window's rectangle scaled about its corner.
inline void SendDpiChange(HWND window, int32_t from, int32_t to) {
  RECT r{};
  GetWindowRect(window, &r);
  RECT suggested{r.left, r.top, r.left + RescaleDpi(r.right - r.left, from, to),
                 r.top + RescaleDpi(r.bottom - r.top, from, to)};
  SendMessageW(window, kWmDpiChanged, MAKEWPARAM(to, to), reinterpret_cast<LPARAM>(&suggested));
}

class PlayedMonitorDpi {
 public:
  PlayedMonitorDpi(std::function<int32_t(POINT)> dpiAt, int32_t current)
      : dpiAt_(std::move(dpiAt)), current_(current) {
    playing_ = this;
    hook_ = SetWindowsHookExW(WH_CALLWNDPROCRET, AfterMessage, nullptr, GetCurrentThreadId());
  }
  ~PlayedMonitorDpi() {
    UnhookWindowsHookEx(hook_);
    playing_ = nullptr;
  }
  int AnnouncedWhileNotReady() const { return whileNotReady_; }

 private:
  static LRESULT CALLBACK AfterMessage(int code, WPARAM wParam, LPARAM lParam) {
    const auto* m = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
    wchar_t name[16] = {};
    RECT r{};
    if (code == HC_ACTION && m->message == WM_WINDOWPOSCHANGED &&
        GetClassNameW(m->hwnd, name, 16) && lstrcmpW(name, L"TApp_Loupist") == 0 &&
        GetWindowRect(m->hwnd, &r)) {
      const int32_t dpi = playing_->dpiAt_(POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2});
      const auto* form = reinterpret_cast<const Form*>(GetWindowLongPtrW(m->hwnd, GWLP_USERDATA));
      if (dpi != playing_->current_) {
        playing_->whileNotReady_ += form && form->Tag == 0 ? 1 : 0;
        SendDpiChange(m->hwnd, std::exchange(playing_->current_, dpi), dpi);
      }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
  }
  static inline PlayedMonitorDpi* playing_ = nullptr;
  std::function<int32_t(POINT)> dpiAt_;
  int32_t current_;
  HHOOK hook_ = nullptr;
  int whileNotReady_ = 0;
};

// What the DPI decides: the DPI, the font's metrics, the zoom area, the panel and the width.
inline auto DpiMeasures(TApp_Loupist& app) {
  LoupistInternals a(app);
  return std::make_tuple(a.Dpi(), a.LineHeight(), a.IconsLeft(), a.LabelWidth(), a.InfoRect().Top,
                         RectHeight(a.InfoRect()), app.ClientWidth());
}

// To `dpi` and back as a ready window at rest takes it: where it ends is where its DPI leads.
inline void RoundTripTo(TApp_Loupist& app, int32_t dpi) {
  const int32_t start = LoupistInternals(app).Dpi();
  SendDpiChange(app.Handle(), start, dpi);
  SendDpiChange(app.Handle(), dpi, start);
}

inline RECT WorkArea() {
  RECT work{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  return work;
}
