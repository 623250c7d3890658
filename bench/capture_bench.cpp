// Measures the program's capture cycle against a bare reference loop that makes the
// same frame with raw GDI calls and nothing else, on the same display in one run.
// Usage under Wine: capture_bench.exe            (the measurements)
//                   capture_bench.exe --scene    (the scene window, run as a child)
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "main/main.h"
#include "platform/win/application.h"
#include "my_monitor/win/my_monitor.h"
#include "my_settingfile/settings_unit.h"
#include "tests/win/no_settings_file.h"
#include "tests/win/test_access.h"

namespace {

double Seconds() {
  LARGE_INTEGER f, c;
  QueryPerformanceFrequency(&f);
  QueryPerformanceCounter(&c);
  return static_cast<double>(c.QuadPart) / static_cast<double>(f.QuadPart);
}

void Pump() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

struct Stats {
  double median, p95;
};

Stats Summarise(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return Stats{v[v.size() / 2] * 1e3, v[v.size() * 95 / 100] * 1e3};
}

LRESULT CALLBACK SceneProc(HWND h, UINT m, WPARAM w, LPARAM l) {
  if (m == WM_PAINT) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(h, &ps);
    for (int y = 0; y < 1000; y += 10)
      for (int x = 0; x < 1200; x += 10) {
        HBRUSH b = CreateSolidBrush(RGB(x * 255 / 1200, y * 255 / 1000, (x + y) & 0xFF));
        RECT r{x, y, x + 10, y + 10};
        FillRect(dc, &r, b);
        DeleteObject(b);
      }
    EndPaint(h, &ps);
    return 0;
  }
  if (m == WM_DESTROY) PostQuitMessage(0);
  return DefWindowProcW(h, m, w, l);
}

// The scene: a window of another process with a colourful picture and a child control.
int RunScene() {
  WNDCLASSW wc{};
  wc.lpfnWndProc = SceneProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = L"LoupistBenchScene";
  RegisterClassW(&wc);
  HWND w = CreateWindowExW(0, L"LoupistBenchScene", L"Bench scene", WS_POPUP | WS_VISIBLE, 0, 0,
                           1280, 1024, nullptr, nullptr, wc.hInstance, nullptr);
  CreateWindowExW(0, L"BUTTON", L"A button", WS_CHILD | WS_VISIBLE, 600, 450, 120, 40, w, nullptr,
                  wc.hInstance, nullptr);
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) DispatchMessageW(&msg);
  return 0;
}

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
    srcW_ = (cw + zoom - 1) / zoom;
    srcH_ = (zoomAreaH + zoom - 1) / zoom;
  }
  ~ReferenceLoop() {
    DeleteDC(captureDC_);
    DeleteDC(viewDC_);
    DeleteObject(capture_);
    DeleteObject(view_);
    DeleteObject(gridPen_);
    DeleteObject(subPen_);
    DeleteObject(panelPen_);
  }
  // The window facts, asked plainly: the window under the point, its class, text,
  // rectangles, parent and executable.
  void Facts(POINT p) {
    HWND w = WindowFromPoint(p);
    if (HWND child =
            w ? ChildWindowFromPointEx(w, ScreenToClientCopy(w, p), CWP_SKIPINVISIBLE) : nullptr)
      w = child;
    char cls[256];
    GetClassNameA(w, cls, sizeof(cls));
    wchar_t text[256];
    DWORD_PTR got = 0;
    SendMessageTimeoutW(w, WM_GETTEXT, 256, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 500,
                        &got);
    RECT r, client;
    GetWindowRect(w, &r);
    GetClientRect(w, &client);
    POINT corner{r.left, r.top};
    ScreenToClient(GetParent(w), &corner);
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
  bool facts_ = false;

  void Frame() {
    POINT p;
    GetCursorPos(&p);
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
    SetROP2(viewDC_, R2_NOT);
    POINT frame[5] = {{cx - 2, cy - 2},
                      {cx + zoom_, cy - 2},
                      {cx + zoom_, cy + zoom_},
                      {cx - 2, cy + zoom_},
                      {cx - 2, cy - 2}};
    Polyline(viewDC_, frame, 5);
    SetROP2(viewDC_, R2_COPYPEN);
    const COLORREF probe = GetPixel(viewDC_, cx, cy);
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
  HWND window_;
  int cw_, ch_, top_, zoom_;
  bool grid_;
  std::vector<std::wstring> lines_;
  HDC captureDC_, viewDC_;
  HBITMAP capture_, view_;
  HPEN gridPen_, subPen_, panelPen_;
  int srcW_, srcH_;
};

struct Config {
  const char* name;
  int width, zoomAreaHeight, zoom;
  bool grid;
  bool allLines;  // all thirteen information lines on
};

void Measure(const Config& c, int cycles) {
  auto app = std::make_unique<TApp_Loupist>();
  LoupistTestAccess a(*app);
  app->Timer_Main.SetInterval(600000);  // only our calls capture
  a.Command("actGrid_Disp").SetChecked(c.grid);
  for (int item = 1; item <= kInfoItemCount; ++item) a.SetInfoItemChecked(item, c.allLines);
  if (!c.allLines)  // the lines the program starts with
    for (int item : {1, 2, 4, 7, 8, 9}) a.SetInfoItemChecked(item, true);
  a.Zoom() = c.zoom;
  SetWindowPos(app->Handle(), HWND_TOPMOST, 1280 - c.width - 5, 5, 0, 0, SWP_NOSIZE);
  app->SetClientSize(c.width, c.zoomAreaHeight + RectHeight(a.InfoRect()));
  a.Relayout();
  Pump();
  // Alternate between two probe points so that every cycle really captures.
  const POINT points[2] = {{300, 300}, {301, 300}};
  std::vector<double> program, reference;
  for (int i = 0; i < cycles; ++i) {
    SetCursorPos(points[i & 1].x, points[i & 1].y);
    const double t0 = Seconds();
    app->RefreshView();
    program.push_back(Seconds() - t0);
  }
  double pieces[6] = {0};
  for (int i = 0; i < cycles; ++i) {
    SetCursorPos(points[i & 1].x, points[i & 1].y);
    a.TimeCyclePieces(pieces, Seconds);
  }
  double piecesTotal = 0;
  for (double t : pieces) piecesTotal += t;
  // The panel's texts, for the reference to draw.
  std::vector<std::wstring> lines;
  for (int item = 1; item <= kInfoItemCount; ++item)
    if (a.InfoItemChecked(item)) lines.push_back(InfoDisplayText(item, a.Info()));
  ReferenceLoop ref(app->Handle(), app->ClientWidth(), app->ClientHeight(), a.InfoRect().Top,
                    c.zoom, c.grid, lines, a.View().Font());
  ref.facts_ = true;  // the program reads the facts on every capture, whatever lines are on
  for (int i = 0; i < cycles; ++i) {
    SetCursorPos(points[i & 1].x, points[i & 1].y);
    const double t0 = Seconds();
    ref.Frame();
    reference.push_back(Seconds() - t0);
  }
  // A skipped tick: the probe point has not moved and the last capture is recent.
  SetCursorPos(points[0].x, points[0].y);
  app->RefreshView();
  app->Timer_Main.Tag = 1000;
  const int skips = 20000;
  const double s0 = Seconds();
  for (int i = 0; i < skips; ++i) app->Timer_MainTimer(&app->Timer_Main);
  const double skip = (Seconds() - s0) / skips;
  // What any tick must ask the system under this display: pending messages and the cursor.
  const double f0 = Seconds();
  for (int i = 0; i < skips; ++i) {
    MSG msg;
    PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE);
    POINT cursor;
    GetCursorPos(&cursor);
  }
  const double floor = (Seconds() - f0) / skips;

  const Stats p = Summarise(program), r = Summarise(reference);
  std::printf("%-28s program median %.3f ms p95 %.3f ms | reference median %.3f ms p95 %.3f ms\n",
              c.name, p.median, p.p95, r.median, r.p95);
  std::printf(
      "%-28s ratio %.2f (program / reference medians); skipped tick %.2f us (system floor: "
      "PeekMessage + GetCursorPos %.2f us)\n",
      c.name, p.median / r.median, skip * 1e6, floor * 1e6);
  const char* names[6] = {"probe", "picture", "overlay", "colour+facts", "panel", "paint"};
  std::printf("%-28s shares:", c.name);
  for (int i = 0; i < 6; ++i) std::printf(" %s %.0f%%", names[i], 100 * pieces[i] / piecesTotal);
  std::printf("\n");
}

}  // namespace

int main(int argc, char** argv) {
  if (argc > 1 && std::string(argv[1]) == "--scene") return RunScene();
  Application::Instance().SetTitle(L"Loupist");
  Application::Instance().ShowErrorBoxes = false;
  const MyMonitorsUnit monitors;
  InitSettingsUnit();
  const NoSettingsFile noSettingsFile;  // measure the defaults; leave no file behind

  wchar_t self[MAX_PATH];
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  std::wstring command = std::wstring(L"\"") + self + L"\" --scene";
  STARTUPINFOW si{};
  si.cb = sizeof(si);
  PROCESS_INFORMATION pi{};
  if (!CreateProcessW(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si,
                      &pi)) {
    std::printf("cannot start the scene\n");
    return 1;
  }
  WaitForInputIdle(pi.hProcess, 5000);
  Sleep(500);

  const int cycles = 400;
  const Config configs[] = {
      {"221x150 zoom 6 grid", 221, 150, 6, true, false},
      {"800x600 zoom 1", 800, 600, 1, true, false},
      {"221x150 zoom 4 grid", 221, 150, 4, true, false},
      {"800x600 zoom 20 grid", 800, 600, 20, true, false},
      {"221x150 zoom 6 all lines", 221, 150, 6, true, true},
      {"800x600 zoom 1 all lines", 800, 600, 1, true, true},
      {"800x600 zoom 20 all lines", 800, 600, 20, true, true},
  };
  for (const Config& c : configs) Measure(c, cycles);

  TerminateProcess(pi.hProcess, 0);
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  return 0;
}
