// The history submenu's colours, which the menu leaves to its owner window to measure and draw:
// a swatch of the colour, framed, and its "#rrggbb", in the menu's own font and colours.
#include <cstddef>

#include "base/win/unique_handle.h"
#include "main/colours/win/colours.h"

namespace {

// The font the system draws its menus in; the GUI font where it does not tell.
UniqueFont MenuFont() {
  NONCLIENTMETRICSA metrics{};
  // The size that systems before Vista know; later ones take it as well.
  metrics.cbSize = offsetof(NONCLIENTMETRICSA, iPaddedBorderWidth);
  if (SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0))
    if (HFONT font = CreateFontIndirectA(&metrics.lfMenuFont)) return UniqueFont(font);
  return UniqueFont();
}

HGDIOBJ FontOrDefault(const UniqueFont& font) {
  return font ? static_cast<HGDIOBJ>(font.get()) : GetStockObject(DEFAULT_GUI_FONT);
}

// The swatch's height from the height of one menu line.
int SwatchSide(int itemHeight) { return itemHeight - 6 > 8 ? itemHeight - 6 : 8; }

void Measure(MEASUREITEMSTRUCT& item, const std::wstring& text) {
  const UniqueFont font = MenuFont();
  WindowDC screen(nullptr);
  SIZE extent{0, 0};
  if (screen) {
    const SelectedObject selected(screen.get(), FontOrDefault(font));
    GetTextExtentPoint32W(screen.get(), text.c_str(), static_cast<int>(text.size()), &extent);
  }
  const int height =
      GetSystemMetrics(SM_CYMENU) > extent.cy + 4 ? GetSystemMetrics(SM_CYMENU) : extent.cy + 4;
  item.itemHeight = static_cast<UINT>(height);
  item.itemWidth = static_cast<UINT>(4 + SwatchSide(height) * 2 + 8 + extent.cx + 8);
}

void Draw(const DRAWITEMSTRUCT& item, uint32_t rgb, const std::wstring& text) {
  const bool selected = (item.itemState & ODS_SELECTED) != 0;
  const RECT& r = item.rcItem;
  FillRect(item.hDC, &r, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_MENU));
  const int side = SwatchSide(r.bottom - r.top);
  const int top = r.top + (r.bottom - r.top - side) / 2;
  // Twice as wide as high, in the check marks' column and beyond it.
  RECT swatch{r.left + 4, top, r.left + 4 + side * 2, top + side};
  FrameRect(item.hDC, &swatch, GetSysColorBrush(selected ? COLOR_HIGHLIGHTTEXT : COLOR_MENUTEXT));
  InflateRect(&swatch, -1, -1);
  const UniqueBrush fill(CreateSolidBrush(RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF)));
  if (fill) FillRect(item.hDC, &swatch, fill.get());

  const UniqueFont font = MenuFont();
  const SelectedObject selectedFont(item.hDC, FontOrDefault(font));
  const COLORREF oldColour =
      SetTextColor(item.hDC, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_MENUTEXT));
  const int oldMode = SetBkMode(item.hDC, TRANSPARENT);
  SIZE extent{0, 0};
  GetTextExtentPoint32W(item.hDC, text.c_str(), static_cast<int>(text.size()), &extent);
  TextOutW(item.hDC, swatch.right + 9, r.top + (r.bottom - r.top - extent.cy) / 2, text.c_str(),
           static_cast<int>(text.size()));
  SetBkMode(item.hDC, oldMode);
  SetTextColor(item.hDC, oldColour);
}

}  // namespace

bool TColours::MenuItemMessage(UINT msg, LPARAM lParam, PopupMenu& menu) const {
  if (lParam == 0) return false;
  const bool measure = msg == WM_MEASUREITEM;
  if (!measure && msg != WM_DRAWITEM) return false;
  auto* measured = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
  const auto* drawn = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
  if ((measure ? measured->CtlType : drawn->CtlType) != ODT_MENU) return false;
  const Action* command = menu.CommandOfItem(measure ? measured->itemID : drawn->itemID);
  if (!command || command->Tag() < 0 || command->Tag() >= static_cast<int32_t>(kHistoryCapacity) ||
      command->Name() != CommandName(HistoryColourCommand(command->Tag())))
    return false;
  const std::optional<uint32_t> rgb = HistoryColour(command->Tag());
  if (!rgb) return false;
  const std::wstring text = HashColourText(*rgb);
  if (measure)
    Measure(*measured, text);
  else
    Draw(*drawn, *rgb, text);
  return true;
}
