// The irreducible work of one frame, done with raw GDI and user32 calls and nothing else:
// the yardstick that the program's capture cycle is measured against.
#pragma once

#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "src/base/win/calling_convention.h"

// The irreducible work of one frame: screen copy, stretch, the same lines and text,
// one copy to the window.
class ReferenceLoop {
 public:
  ReferenceLoop(HWND window, int cw, int ch, int zoomAreaH, int zoom, bool grid,
                const std::vector<std::wstring>& lines, HFONT font)
      : window_(window),
        cw_(cw),
        ch_(ch),
        top_(zoomAreaH),
        zoom_(zoom),
        grid_(grid),
        lines_(lines) {
    HDC screen = GetDC(nullptr);
    captureDC_ = CreateCompatibleDC(screen);
    viewDC_ = CreateCompatibleDC(screen);
    capture_ = CreateCompatibleBitmap(screen, cw, zoomAreaH);
    view_ = CreateCompatibleBitmap(screen, cw, ch);
    ReleaseDC(nullptr, screen);
    SelectObject(captureDC_, capture_);
    SelectObject(viewDC_, view_);
    SelectObject(viewDC_, font);
    gridPen_ = CreatePen(PS_SOLID, 1, 0x999999);
    subPen_ = CreatePen(PS_SOLID, 1, 0xFF0000);
    panelPen_ = CreatePen(PS_SOLID, 1, GetSysColor(COLOR_BTNFACE));
    if ((dwm_ = LoadLibraryW(L"dwmapi.dll")) != nullptr)
      dwmGetWindowAttribute_ =
          ProcAs<DwmGetWindowAttributeProc>(GetProcAddress(dwm_, "DwmGetWindowAttribute"));
    getDpiForWindow_ = ProcAs<GetDpiForWindowProc>(
        GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow"));
    srcW_ = (cw + zoom - 1) / zoom;
    srcH_ = (zoomAreaH + zoom - 1) / zoom;
    // A row and a column as long as the virtual desktop is wide and high, for the spacing.
    rowDC_ = CreateCompatibleDC(viewDC_);
    columnDC_ = CreateCompatibleDC(viewDC_);
    row_ = Dib(GetSystemMetrics(SM_CXVIRTUALSCREEN), 1, &rowBits_);
    column_ = Dib(1, GetSystemMetrics(SM_CYVIRTUALSCREEN), &columnBits_);
    SelectObject(rowDC_, row_);
    SelectObject(columnDC_, column_);
  }
  ~ReferenceLoop() {
    DeleteDC(captureDC_);
    DeleteDC(viewDC_);
    DeleteObject(capture_);
    DeleteObject(view_);
    DeleteObject(gridPen_);
    DeleteObject(subPen_);
    DeleteObject(panelPen_);
    DeleteDC(rowDC_);
    DeleteDC(columnDC_);
    DeleteObject(row_);
    DeleteObject(column_);
    if (dwm_ != nullptr) FreeLibrary(dwm_);
  }
  // The window facts, asked plainly: the window under the point, its class, text,
  // rectangles, parent and executable.
  void Facts(POINT p) {
    HWND w = WindowFromPoint(p);
    if (HWND child =
            w ? ChildWindowFromPointEx(w, ScreenToClientCopy(w, p), CWP_SKIPINVISIBLE) : nullptr)
      w = child;
    wchar_t cls[256];
    GetClassNameW(w, cls, 256);
    wchar_t text[256];
    DWORD_PTR got = 0;
    SendMessageTimeoutW(w, WM_GETTEXT, 256, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 500,
                        &got);
    RECT r, client;
    GetWindowRect(w, &r);
    GetClientRect(w, &client);
    POINT corner{r.left, r.top};
    ScreenToClient(GetParent(w), &corner);
    // The inspector's facts that may change from one cycle to the next: styles, the parent or
    // owner and its class, the chain of parents' classes, the compositor's bounds, the DPI.
    GetWindowLongW(w, GWL_STYLE);
    GetWindowLongW(w, GWL_EXSTYLE);
    HWND parent = (GetWindowLongW(w, GWL_STYLE) & WS_CHILD) ? GetAncestor(w, GA_PARENT)
                                                            : GetWindow(w, GW_OWNER);
    if (parent != nullptr) GetClassNameW(parent, cls, 256);
    for (HWND up = w; up != nullptr && up != GetDesktopWindow(); up = GetAncestor(up, GA_PARENT))
      GetClassNameW(up, cls, 256);
    RECT visible;
    if (dwmGetWindowAttribute_ != nullptr) dwmGetWindowAttribute_(w, 9, &visible, sizeof(visible));
    if (getDpiForWindow_ != nullptr) getDpiForWindow_(w);
    DWORD pid = 0;
    GetWindowThreadProcessId(w, &pid);
    if (HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, pid)) {
      wchar_t exe[MAX_PATH];
      GetModuleFileNameExW(process, nullptr, exe, MAX_PATH);
      CloseHandle(process);
    }
  }
  static POINT ScreenToClientCopy(HWND w, POINT p) {
    ScreenToClient(w, &p);
    return p;
  }
  // The colour instrument's arithmetic, done plainly in doubles: both colours' luminance and
  // their ratio, the probe colour's hue, saturation and lightness, the distance from an origin.
  void Instrument(COLORREF probe, POINT p) {
    auto channel = [](int v) {
      const double c = v / 255.0;
      return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    auto luminance = [&](COLORREF c) {
      return 0.2126 * channel(GetRValue(c)) + 0.7152 * channel(GetGValue(c)) +
             0.0722 * channel(GetBValue(c));
    };
    const double a = luminance(probe), b = luminance(0xFFFFFF);
    const double ratio = (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
    const int r = GetRValue(probe), g = GetGValue(probe), bl = GetBValue(probe);
    const int hi = std::max(r, std::max(g, bl)), lo = std::min(r, std::min(g, bl));
    const double light = (hi + lo) / 510.0;
    const double sat = hi == lo ? 0 : (hi - lo) / (255.0 - std::fabs(hi + lo - 255.0));
    const double hue = hi == lo ? 0 : hi == r ? 60.0 * (g - bl) / (hi - lo) : 120.0;
    const double dx = p.x - 100.0, dy = p.y - 50.0;
    sink_ = ratio + light + sat + hue + std::sqrt(dx * dx + dy * dy);
  }
  volatile double sink_ = 0;

  // The spacing search: the probe's row and column across its monitor read from the screen,
  // walked both ways from the probe pixel within the tolerance, and the runs drawn with an XOR
  // pen through the probe cell's middle with a mark at each end.
  void Spacing(POINT p, int cx, int cy) {
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    GetMonitorInfoW(MonitorFromPoint(p, MONITOR_DEFAULTTONEAREST), &info);
    const RECT m = info.rcMonitor;
    const int w = m.right - m.left, h = m.bottom - m.top;
    HDC screen = GetDC(nullptr);
    BitBlt(rowDC_, 0, 0, w, 1, screen, m.left, p.y, SRCCOPY | CAPTUREBLT);
    BitBlt(columnDC_, 0, 0, 1, h, screen, p.x, m.top, SRCCOPY | CAPTUREBLT);
    ReleaseDC(nullptr, screen);
    auto alike = [](uint32_t a, uint32_t b) {
      for (int shift = 0; shift < 24; shift += 8) {
        const int d = static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF);
        if (d > kTolerance || d < -kTolerance) return false;
      }
      return true;
    };
    auto run = [&](const uint32_t* px, int n, int at, int& low, int& high) {
      low = high = at;
      while (low > 0 && alike(px[low - 1], px[at])) --low;
      while (high + 1 < n && alike(px[high + 1], px[at])) ++high;
    };
    int left, right, top, bottom;
    run(rowBits_, w, p.x - m.left, left, right);
    run(columnBits_, h, p.y - m.top, top, bottom);
    // The marks on the end cells' farthest picture columns and rows, as the program puts them.
    const int z = zoom_, mx = cx + (z - 2) / 2, my = cy + (z - 2) / 2, half = (z - 2) / 2;
    const int x0 = cx + (left - (p.x - m.left)) * z, x1 = cx + (right - (p.x - m.left)) * z + z - 2;
    const int y0 = cy + (top - (p.y - m.top)) * z, y1 = cy + (bottom - (p.y - m.top)) * z + z - 2;
    const HGDIOBJ pen = SelectObject(viewDC_, GetStockObject(DC_PEN));
    SetDCPenColor(viewDC_, RGB(128, 128, 128));
    SetROP2(viewDC_, R2_XORPEN);
    const int lines[8][4] = {
        {x0 + 1, my, cx - 2, my},           {cx + z + 1, my, x1, my},
        {mx, y0 + 1, mx, cy - 2},           {mx, cy + z + 1, mx, y1},
        {x0, my - half, x0, my + half + 1}, {x1, my - half, x1, my + half + 1},
        {mx - half, y0, mx + half + 1, y0}, {mx - half, y1, mx + half + 1, y1}};
    for (const auto& l : lines) {
      MoveToEx(viewDC_, l[0], l[1], nullptr);
      LineTo(viewDC_, l[2], l[3]);
    }
    SetROP2(viewDC_, R2_COPYPEN);
    SelectObject(viewDC_, pen);
  }

  bool facts_ = false;
  bool instrument_ = false;
  bool spacing_ = false;

  void Frame() {
    POINT p;
    GetCursorPos(&p);
    Frame(p);
  }
  void Frame(POINT p) {
    if (facts_) Facts(p);
    const int sx = p.x - (srcW_ - 1) / 2, sy = p.y - (srcH_ - 1) / 2;
    HDC screen = GetDC(nullptr);
    PatBlt(captureDC_, 0, 0, srcW_, srcH_, BLACKNESS);
    BitBlt(captureDC_, 0, 0, srcW_, srcH_, screen, sx, sy, SRCCOPY | CAPTUREBLT);
    ReleaseDC(nullptr, screen);
    StretchBlt(viewDC_, 0, 0, srcW_ * zoom_, srcH_ * zoom_, captureDC_, 0, 0, srcW_, srcH_,
               SRCCOPY);
    const int cx = ((srcW_ + 1) / 2 - 1) * zoom_ + 1, cy = ((srcH_ + 1) / 2 - 1) * zoom_ + 1;
    if (grid_ && zoom_ >= 4) {
      SelectObject(viewDC_, gridPen_);
      for (int i = 1; i <= srcW_; ++i) {
        MoveToEx(viewDC_, i * zoom_, 0, nullptr);
        LineTo(viewDC_, i * zoom_, top_);
      }
      for (int i = 1; i <= srcH_; ++i) {
        MoveToEx(viewDC_, 0, i * zoom_, nullptr);
        LineTo(viewDC_, cw_, i * zoom_);
      }
      SelectObject(viewDC_, subPen_);
      const int ox = (((srcW_ + 1) / 2 - 1) % 5) * zoom_, oy = (((srcH_ + 1) / 2 - 1) % 5) * zoom_;
      for (int i = 0; i <= srcW_ / 5; ++i) {
        MoveToEx(viewDC_, ox + 5 * zoom_ * i, 0, nullptr);
        LineTo(viewDC_, ox + 5 * zoom_ * i, top_);
      }
      for (int i = 0; i <= srcH_ / 5; ++i) {
        MoveToEx(viewDC_, 0, oy + 5 * zoom_ * i, nullptr);
        LineTo(viewDC_, cw_, oy + 5 * zoom_ * i);
      }
    }
    if (spacing_) Spacing(p, cx, cy);
    SetROP2(viewDC_, R2_NOT);
    POINT frame[5] = {{cx - 2, cy - 2},
                      {cx + zoom_, cy - 2},
                      {cx + zoom_, cy + zoom_},
                      {cx - 2, cy + zoom_},
                      {cx - 2, cy - 2}};
    Polyline(viewDC_, frame, 5);
    SetROP2(viewDC_, R2_COPYPEN);
    const COLORREF probe = GetPixel(viewDC_, cx, cy);
    if (instrument_) Instrument(probe, p);
    // Panel: background, swatch, title, lines, rules.
    RECT panel{0, top_, cw_, ch_};
    SetBkColor(viewDC_, GetSysColor(COLOR_WINDOW));
    ExtTextOutW(viewDC_, 0, 0, ETO_OPAQUE, &panel, nullptr, 0, nullptr);
    RECT swatch{2, top_ + 3, 13, top_ + 13};
    SetBkColor(viewDC_, probe);
    ExtTextOutW(viewDC_, 0, 0, ETO_OPAQUE, &swatch, nullptr, 0, nullptr);
    SetBkColor(viewDC_, GetSysColor(COLOR_WINDOW));
    SelectObject(viewDC_, panelPen_);
    int y = top_ + 2;
    TextOutW(viewDC_, 17, y, L" 6倍", 3);
    for (const std::wstring& line : lines_) {
      y += 15;
      MoveToEx(viewDC_, 0, y - 2, nullptr);
      LineTo(viewDC_, cw_, y - 2);
      TextOutW(viewDC_, 2, y, line.c_str(), static_cast<int>(line.size()));
    }
    MoveToEx(viewDC_, 60, top_ + 16, nullptr);
    LineTo(viewDC_, 60, ch_);
    HDC dc = GetDC(window_);
    BitBlt(dc, 0, 0, cw_, ch_, viewDC_, 0, 0, SRCCOPY);
    ReleaseDC(window_, dc);
  }

 private:
  static constexpr int kTolerance = 0;  // the program's default
  static HBITMAP Dib(int width, int height, uint32_t** bits) {
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
    bi.bmiHeader.biWidth = width;
    bi.bmiHeader.biHeight = -height;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    void* memory = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &memory, nullptr, 0);
    *bits = static_cast<uint32_t*>(memory);
    return bitmap;
  }
  using DwmGetWindowAttributeProc = HRESULT(WINAPI*)(HWND, DWORD, void*, DWORD);
  using GetDpiForWindowProc = UINT(WINAPI*)(HWND);
  HMODULE dwm_ = nullptr;
  DwmGetWindowAttributeProc dwmGetWindowAttribute_ = nullptr;
  GetDpiForWindowProc getDpiForWindow_ = nullptr;
  HWND window_;
  int cw_, ch_, top_, zoom_;
  bool grid_;
  std::vector<std::wstring> lines_;
  HDC captureDC_, viewDC_, rowDC_, columnDC_;
  HBITMAP capture_, view_, row_, column_;
  uint32_t* rowBits_ = nullptr;
  uint32_t* columnBits_ = nullptr;
  HPEN gridPen_, subPen_, panelPen_;
  int srcW_, srcH_;
};
