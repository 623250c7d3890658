// Measures the program's capture cycle against a bare reference loop that makes the
// same frame with raw GDI calls and nothing else, on the same display in one run.
// Usage under Wine: capture_bench.exe            (the measurements)
//                   capture_bench.exe --pointer  (only how the picture follows the pointer)
//                   capture_bench.exe --scene    (the scene window, run as a child)
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "bench/bench_clock.h"
#include "bench/pointer_bench.h"
#include "bench/reference_loop.h"
#include "main/element/element_probe.h"
#include "main/element/win/system_element_source.h"
#include "main/form/win/internals.h"
#include "main/form/win/main.h"
#include "my_monitor/win/my_monitor.h"
#include "my_settingfile/settings_unit.h"
#include "my_settingfile/win/settings_file.h"
#include "platform/win/application.h"

namespace {

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

struct Config {
  const char* name;
  int width, zoomAreaHeight, zoom;
  bool grid;
  bool allLines;         // every information line on
  bool spacing;          // the spacing line on as well (every line has it)
  bool sample9 = false;  // the colour lines take the mean of 9 x 9 pixels
};

void Measure(const Config& c, int cycles) {
  auto app = std::make_unique<TApp_Loupist>();
  LoupistInternals a(*app);
  app->Timer_Main.SetInterval(600000);  // only our calls capture
  a.Command(Cmd::actGrid_Disp).SetChecked(c.grid);
  if (c.sample9) a.Command(Cmd::actColor_Sample9).Execute();
  for (int item = 1; item <= kInfoItemCount; ++item) a.SetInfoItemChecked(item, c.allLines);
  if (!c.allLines)  // the lines the program starts with
    for (int item : {1, 2, 4, 7, 8, 9}) a.SetInfoItemChecked(item, true);
  if (c.spacing) a.SetInfoItemChecked(kItemSpacing, true);
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
  // The same cycle as a pointer frame, which keeps the facts of a window that stays under it.
  double framePieces[6] = {0};
  for (int i = 0; i < cycles; ++i) {
    SetCursorPos(points[i & 1].x, points[i & 1].y);
    a.TimeCyclePieces(framePieces, Seconds, true);
  }
  double frameTotal = 0;
  for (double t : framePieces) frameTotal += t;
  // The panel's texts, for the reference to draw.
  std::vector<std::wstring> lines;
  for (int item = 1; item <= kInfoItemCount; ++item)
    if (a.InfoItemChecked(item)) lines.push_back(InfoDisplayText(item, a.Info()));
  ReferenceLoop ref(app->Handle(), app->ClientWidth(), app->ClientHeight(), a.InfoRect().Top,
                    c.zoom, c.grid, lines, a.View().Font());
  ref.facts_ = true;  // the program reads the facts on every capture, whatever lines are on
  ref.instrument_ = c.allLines;
  ref.spacing_ = a.InfoItemChecked(kItemSpacing);
  for (int i = 0; i < cycles; ++i) {
    SetCursorPos(points[i & 1].x, points[i & 1].y);
    const double t0 = Seconds();
    ref.Frame();
    reference.push_back(Seconds() - t0);
  }
  // A skipped tick: the probe point has not moved and the last capture is recent.
  SetCursorPos(points[0].x, points[0].y);
  app->RefreshView();
  a.StillPeriod() = TCycleTiming::kStillPeriod;
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
  std::printf("\n%-28s as a pointer frame: mean %.3f ms (cycle %.3f ms):", c.name,
              frameTotal / cycles * 1e3, piecesTotal / cycles * 1e3);
  for (int i = 0; i < 6; ++i) std::printf(" %s %.3f", names[i], framePieces[i] / cycles * 1e3);
  std::printf("\n");
}

// A copy runs between two ticks of the 60 ms timer: the clipboard, the title line's text and
// the repaint that shows it.
void MeasureCopies() {
  auto app = std::make_unique<TApp_Loupist>();
  LoupistInternals a(*app);
  app->Timer_Main.SetInterval(600000);
  for (int item = 1; item <= kInfoItemCount; ++item) a.SetInfoItemChecked(item, true);
  a.Relayout();
  SetCursorPos(300, 300);
  app->RefreshView();
  const Cmd copies[] = {Cmd::actCopy_ColorContrast, Cmd::actCopy_FormatCssHsl, Cmd::actCopy_Report};
  for (Cmd command : copies) {
    std::vector<double> times;
    for (int i = 0; i < 50; ++i) {
      const double t0 = Seconds();
      a.Command(command).Execute();
      times.push_back(Seconds() - t0);
      Pump();
    }
    const Stats s = Summarise(times);
    std::printf("copy %-28s median %.3f ms p95 %.3f ms\n", CommandName(command), s.median, s.p95);
  }
}

// The element lines' answer for a window of another process: from the point's change to the
// answer, as the panel would see it (the cycle's own cost with every element line on is in the
// "all lines" configurations above).
void MeasureElementLatency() {
  ElementProbe probe(MakeSystemElementSource);
  const Point points[2] = {{300, 300}, {301, 300}};
  std::vector<double> times;
  int unanswered = 0;
  for (int i = 0; i < 50; ++i) {
    const Point point = points[i & 1];
    const double t0 = Seconds();
    probe.Observe(point, true);
    while (probe.View(point).State != ElementState::kAnswered && Seconds() - t0 < 2) Sleep(1);
    if (probe.View(point).State == ElementState::kAnswered)
      times.push_back(Seconds() - t0);
    else
      ++unanswered;
  }
  if (times.empty()) {
    std::printf("element answer: none in 2 s\n");
    return;
  }
  const Stats s = Summarise(times);
  std::printf("element answer  median %.1f ms p95 %.1f ms (%d of 50 unanswered within 2 s)\n",
              s.median, s.p95, unanswered);
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

  // capture_bench.exe --pointer: how the picture follows the hand, alone.
  const bool pointerOnly = argc > 1 && std::string(argv[1]) == "--pointer";
  const int cycles = 400;
  const Config configs[] = {
      {"221x150 zoom 6 grid", 221, 150, 6, true, false, false},
      {"221x150 zoom 6 9x9 sample", 221, 150, 6, true, false, false, true},
      {"800x600 zoom 1", 800, 600, 1, true, false, false},
      {"221x150 zoom 4 grid", 221, 150, 4, true, false, false},
      {"800x600 zoom 20 grid", 800, 600, 20, true, false, false},
      {"221x150 zoom 6 spacing", 221, 150, 6, true, false, true},
      {"221x150 zoom 6 all lines", 221, 150, 6, true, true, true},
      {"800x600 zoom 1 all lines", 800, 600, 1, true, true, true},
      {"800x600 zoom 20 all lines", 800, 600, 20, true, true, true},
  };
  if (!pointerOnly) {
    for (const Config& c : configs) Measure(c, cycles);
    MeasureCopies();
    MeasureElementLatency();
  }
  for (bool instantFollow : {true, false}) MeasurePointerFollow(instantFollow);

  TerminateProcess(pi.hProcess, 0);
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  return 0;
}
