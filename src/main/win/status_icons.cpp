// The status icons of the title line, from the six-image strip in the resources.
#include "main/main.h"
#include "resources/resource_ids.h"

namespace {
constexpr int kIconSize = 14;
constexpr int kImageCount = 6;
constexpr COLORREF kTransparentKey = RGB(255, 0, 255);

// Icon slots: 0 stay on top, 1 smooth capture, 2 paused, 4 loupe or fixed point.
constexpr int kSlotStayOnTop = 0;
constexpr int kSlotSmooth = 1;
constexpr int kSlotPaused = 2;
constexpr int kSlotMode = 4;
constexpr int kImageStayOnTop = 0;
constexpr int kImageSmooth = 1;
constexpr int kImagePaused = 2;
constexpr int kImageLupe = 3;
constexpr int kImageFixed = 4;
}  // namespace

void TApp_Loupist::DrawStatusIcons(int32_t y) {
  if (!statusImages_.DC() || statusImages_.Width() == 0) {
    statusImages_.SetSize(kIconSize * kImageCount, kIconSize);
    UniqueBitmap strip(static_cast<HBITMAP>(LoadImageW(GetModuleHandleW(nullptr),
                                                       MAKEINTRESOURCEW(IDB_STATUS_ICONS),
                                                       IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    if (strip) {
      UniqueDC source(CreateCompatibleDC(statusImages_.DC()));
      SelectedObject selected(source.get(), strip.get());
      BitBlt(statusImages_.DC(), 0, 0, kIconSize * kImageCount, kIconSize, source.get(), 0, 0,
             SRCCOPY);
    } else {
      statusImages_.FillRect(0, 0, kIconSize * kImageCount, kIconSize, kTransparentKey);
    }
  }
  auto draw = [&](int slot, int image) {
    GdiTransparentBlt(FViewBitmap.DC(), FIconsLeft + slot * kIconSize, y, kIconSize, kIconSize,
                      statusImages_.DC(), image * kIconSize, 0, kIconSize, kIconSize,
                      kTransparentKey);
  };
  if (actOpt_StayOnTop->Checked()) draw(kSlotStayOnTop, kImageStayOnTop);
  if (actOpt_SmoothCapture->Checked()) draw(kSlotSmooth, kImageSmooth);
  if (actCapture_Pause->Checked()) draw(kSlotPaused, kImagePaused);
  if (LupeMode())
    draw(kSlotMode, kImageLupe);
  else if (actCapture_Fixed->Checked())
    draw(kSlotMode, kImageFixed);
}
