// The main window's own messages, layout and painting.
#include <gtest/gtest.h>

#include <memory>

#include "base/win/unique_handle.h"
#include "main/form/win/internals.h"
#include "main/form/win/main.h"
#include "platform/win/application.h"
#include "tests/win/scene.h"

namespace {

TEST(MainWindow, DefaultsAndLayout) {
  auto app = std::make_unique<TApp_Loupist>();
  LoupistInternals a(*app);
  wchar_t cls[64] = {};
  GetClassNameW(app->Handle(), cls, 64);
  EXPECT_STREQ(cls, L"TApp_Loupist");
  EXPECT_EQ(a.Zoom(), 6);
  EXPECT_TRUE(a.Command(Cmd::actGrid_Disp).Checked());
  // Title line plus the lines the resource switches on.
  int shown = 0;
  for (Cmd name : {Cmd::actColor_RGB, Cmd::actColor_HTML, Cmd::actColor_COLORREF,
                   Cmd::actPos_Screen, Cmd::actPos_Client, Cmd::actPos_User, Cmd::actWinInfo_Handle,
                   Cmd::actWinInfo_ClassName, Cmd::actWinInfo_Text, Cmd::actWinInfo_WindowSize,
                   Cmd::actWinInfo_ClientSize, Cmd::actWinInfo_Rect, Cmd::actWinInfo_ExeName})
    shown += a.Command(name).Checked() ? 1 : 0;
  EXPECT_EQ(RectHeight(a.InfoRect()), (shown + 1) * a.LineHeight());
  // The design zoom area of 221 x 194 stays; the panel is added below it.
  EXPECT_EQ(a.InfoRect().Top, 194);
  EXPECT_EQ(app->ClientWidth(), 221);
  EXPECT_EQ(a.SrcSize(), (Size{37, 33}));
  // Line height follows the real font: trunc(height of "A" x 1.2) + 1.
  SIZE extent{};
  GetTextExtentPoint32W(a.View().DC(), L"A", 1, &extent);
  EXPECT_EQ(a.LineHeight(), extent.cy * 6 / 5 + 1);
  EXPECT_GE(a.LineHeight(), 13);
}

TEST(MainWindow, SwitchingALineResizesOnlyThePanel) {
  auto app = std::make_unique<TApp_Loupist>();
  LoupistInternals a(*app);
  const int top = a.InfoRect().Top;
  const int height = app->ClientHeight();
  a.Command(Cmd::actColor_COLORREF).Execute();  // AutoCheck: on, then relayout
  EXPECT_EQ(app->ClientHeight(), height + a.LineHeight());
  EXPECT_EQ(a.InfoRect().Top, top);
  a.Command(Cmd::actColor_COLORREF).Execute();
  EXPECT_EQ(app->ClientHeight(), height);
}

TEST(MainWindow, MinimumZoomArea) {
  auto app = std::make_unique<TApp_Loupist>();
  LoupistInternals a(*app);
  const int panel = RectHeight(a.InfoRect());
  app->SetClientSize(30, panel + 49);  // WM_SIZE runs the layout
  EXPECT_EQ(a.InfoRect().Top, 52);
  EXPECT_EQ(app->ClientWidth(), 52);
  EXPECT_EQ(a.View().Width(), 52);
}

TEST(MainWindow, MaximiseIsSwallowedAndRemovedFromTheSystemMenu) {
  auto app = std::make_unique<TApp_Loupist>();
  RECT before{}, after{};
  GetWindowRect(app->Handle(), &before);
  SendMessageW(app->Handle(), WM_SYSCOMMAND, SC_MAXIMIZE, 0);
  SendMessageW(app->Handle(), WM_SYSCOMMAND, 0xF032, 0);
  GetWindowRect(app->Handle(), &after);
  EXPECT_FALSE(IsZoomed(app->Handle()));
  EXPECT_TRUE(EqualRect(&before, &after));
  HMENU menu = GetSystemMenu(app->Handle(), FALSE);
  EXPECT_EQ(GetMenuState(menu, SC_MAXIMIZE, MF_BYCOMMAND), static_cast<UINT>(-1));
  wchar_t text[64] = {};
  GetMenuStringW(menu, 0, text, 64, MF_BYPOSITION);
  EXPECT_STREQ(text, L"モニター間移動");
  EXPECT_EQ(GetMenuItemID(menu, 0), 201u);
  EXPECT_TRUE(GetMenuState(menu, 1, MF_BYPOSITION) & MF_SEPARATOR);
}

TEST(MainWindow, EraseBackgroundErasesNothingAndPaintCopiesTheViewWithAFrame) {
  auto app = std::make_unique<TApp_Loupist>();
  LoupistInternals a(*app);
  app->RefreshView();
  EXPECT_EQ(SendMessageW(app->Handle(), WM_ERASEBKGND, 0, 0), 0);
  Bitmap target;
  target.SetSize(app->ClientWidth(), app->ClientHeight());
  target.FillRect(0, 0, target.Width(), target.Height(), RGB(1, 2, 3));
  SendMessageW(app->Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(target.DC()), PRF_CLIENT);
  const bool active = GetActiveWindow() == app->Handle();
  const COLORREF frame = GetSysColor(active ? COLOR_ACTIVECAPTION : COLOR_INACTIVECAPTION);
  EXPECT_EQ(target.Pixel(0, 0), frame);
  EXPECT_EQ(target.Pixel(target.Width() - 1, target.Height() - 1), frame);
  EXPECT_EQ(target.Pixel(0, target.Height() / 2), frame);
  const Point cell = a.CursorCell();
  EXPECT_EQ(target.Pixel(cell.X, cell.Y), a.View().Pixel(cell.X, cell.Y));
}

TEST(MainWindow, AnExceptionInAHandlerIsReportedAndTheProgramGoesOn) {
  auto app = std::make_unique<TApp_Loupist>();
  LoupistInternals a(*app);
  Application::Instance().LastErrorText.clear();
  a.Zoom() = 0;  // a state no command can make: the layout's checks must refuse it
  SendMessageW(app->Handle(), WM_SIZE, SIZE_RESTORED, 0);
  EXPECT_FALSE(Application::Instance().LastErrorText.empty());
  a.Zoom() = 6;
  app->Tag = 1;
  a.Relayout();
  app->RefreshView();
  EXPECT_EQ(app->Tag, 1);
}

TEST(MainWindow, AThousandCyclesLeakNoHandle) {
  auto app = std::make_unique<TApp_Loupist>();
  LoupistInternals a(*app);
  app->RefreshView();
  const long before = handle_count::Total();
  for (int i = 0; i < 1000; ++i) {
    a.LastCaptureTick() = 0;
    app->Timer_MainTimer(&app->Timer_Main);
  }
  EXPECT_EQ(handle_count::Total(), before);
  app.reset();
  EXPECT_EQ(handle_count::Live(handle_count::kWindowDC), 0);
}

}  // namespace
