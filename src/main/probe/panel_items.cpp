#include "main/probe/panel_items.h"

#include <string>

#include "base/checked.h"
#include "my_settingfile/settings_record.h"

namespace {

// clang-format off
// In the order of the panel's lines.
const TPanelItemDef kPanelItems[kInfoItemCount] = {
    {kItemRGB, TInfoGroup::Color, kColorRGBBit, &TSettingsChecks::ColorRGB,
     Cmd::actColor_RGB, Cmd::actCopy_ColorRGB,
     L"R=%-3d G=%-3d B=%-3d%s", L"%d %d %d", L"%x %x %x"},
    {kItemHTML, TInfoGroup::Color, kColorHTMLBit, &TSettingsChecks::ColorHTML,
     Cmd::actColor_HTML, Cmd::actCopy_ColorHTML,
     L"%s", L"%.6x", L"%d"},
    {kItemCOLORREF, TInfoGroup::Color, kColorCOLORREFBit, &TSettingsChecks::ColorCOLORREF,
     Cmd::actColor_COLORREF, Cmd::actCopy_ColorCOLORREF,
     L"%1:s %0:d", L"%d", L"%x"},
    {kItemContrast, TInfoGroup::Color, kColorContrastBit, &TSettingsChecks::ColorContrast,
     Cmd::actColor_Contrast, Cmd::actCopy_ColorContrast,
     L"%s:1 %s (%s)", L"%s:1", L"%s:1 %s #%s #%s"},
    // Its copy is the colour-format copy of the same values, whose command it shares.
    {kItemHsl, TInfoGroup::Color, kColorHslBit, &TSettingsChecks::ColorHsl,
     Cmd::actColor_Hsl, Cmd::actCopy_FormatCssHsl,
     L"H=%-3d S=%-3d L=%-3d", L"%s", L"%s"},
    // The panel draws the colours as swatches; the report and the copy take them as text.
    {kItemHistory, TInfoGroup::Color, kColorHistoryBit, &TSettingsChecks::ColorHistory,
     Cmd::actColor_History, Cmd::actCopy_ColorHistory,
     L"%s", L"%s", L"%s"},
    {kItemPosScreen, TInfoGroup::Position, kPosScreenBit, &TSettingsChecks::PosScreen,
     Cmd::actPos_Screen, Cmd::actCopy_PosScreen,
     L"X=%d Y=%d", L"%d, %d", L"(%d, %d)"},
    {kItemPosClient, TInfoGroup::Position, kPosClientBit, &TSettingsChecks::PosClient,
     Cmd::actPos_Client, Cmd::actCopy_PosClient,
     L"X=%d Y=%d (%d,%d)", L"%d, %d", L"(%d, %d)"},
    {kItemPosUser, TInfoGroup::Position, kPosUserBit, &TSettingsChecks::PosUser,
     Cmd::actPos_User, Cmd::actCopy_PosUser,
     L"X=%d Y=%d (%d,%d)", L"%d, %d", L"(%d, %d)"},
    {kItemPosDpi, TInfoGroup::Position, kPosDpiBit, &TSettingsChecks::PosDpi,
     Cmd::actPos_Dpi, Cmd::actCopy_PosDpi,
     L"%d%% (%d dpi)", L"%1:d", L"%0:d%%"},
    {kItemDistance, TInfoGroup::Position, kPosDistanceBit, &TSettingsChecks::PosDistance,
     Cmd::actPos_Distance, Cmd::actCopy_PosDistance,
     L"W=%d H=%d D=%.1f%s", L"%dx%d", L"%2:.1f"},
    {kItemSpacing, TInfoGroup::Position, kPosSpacingBit, &TSettingsChecks::PosSpacing,
     Cmd::actPos_Spacing, Cmd::actCopy_PosSpacing,
     L"L=%d T=%d W=%d H=%d", L"%d, %d, %d, %d", L"(%d, %d, %d, %d)"},
    {kItemHandle, TInfoGroup::Window, kWinInfoHandleBit, &TSettingsChecks::WinInfoHandle,
     Cmd::actWinInfo_Handle, Cmd::actCopy_WInfoHandle,
     L"%s %d", L"%d", L"%.8x"},
    {kItemClassName, TInfoGroup::Window, kWinInfoClassNameBit, &TSettingsChecks::WinInfoClassName,
     Cmd::actWinInfo_ClassName, Cmd::actCopy_WInfoClassName,
     L"%s", L"%s", L"\"%s\""},
    {kItemText, TInfoGroup::Window, kWinInfoTextBit, &TSettingsChecks::WinInfoText,
     Cmd::actWinInfo_Text, Cmd::actCopy_WInfoText,
     L"%s", L"%s", L"\"%s\""},
    {kItemWindowSize, TInfoGroup::Window, kWinInfoWindowSizeBit,
     &TSettingsChecks::WinInfoWindowSize, Cmd::actWinInfo_WindowSize, Cmd::actCopy_WInfoWindowSize,
     L"L=%2:d T=%3:d W=%0:d H=%1:d", L"%d, %d, %d, %d", L"(%d, %d, %d, %d)"},
    {kItemClientSize, TInfoGroup::Window, kWinInfoClientSizeBit,
     &TSettingsChecks::WinInfoClientSize, Cmd::actWinInfo_ClientSize, Cmd::actCopy_WInfoClientSize,
     L"W=%d H=%d", L"%d, %d", L"(%d, %d)"},
    {kItemRect, TInfoGroup::Window, kWinInfoRectBit, &TSettingsChecks::WinInfoRect,
     Cmd::actWinInfo_Rect, Cmd::actCopy_WInfoRect,
     L"L=%d T=%d R=%d B=%d", L"%d, %d, %d, %d", L"(%d, %d, %d, %d)"},
    {kItemExeName, TInfoGroup::Window, kWinInfoExeNameBit, &TSettingsChecks::WinInfoExeName,
     Cmd::actWinInfo_ExeName, Cmd::actCopy_WInfoExeName,
     L"%s", L"%s", L"%1:s"},
    {kItemStyle, TInfoGroup::Window, kWinInfoStyleBit, &TSettingsChecks::WinInfoStyle,
     Cmd::actWinInfo_Style, Cmd::actCopy_WInfoStyle,
     L"%s %s", L"%2:s", L"%3:s"},
    {kItemParent, TInfoGroup::Window, kWinInfoParentBit, &TSettingsChecks::WinInfoParent,
     Cmd::actWinInfo_Parent, Cmd::actCopy_WInfoParent,
     L"%s %s", L"%s %s", L"%2:d"},
    {kItemProcess, TInfoGroup::Window, kWinInfoProcessBit, &TSettingsChecks::WinInfoProcess,
     Cmd::actWinInfo_Process, Cmd::actCopy_WInfoProcess,
     L"%d/%d %sbit %s", L"%d/%d %sbit %s", L"%d"},
    {kItemDpiAwareness, TInfoGroup::Window, kWinInfoDpiAwarenessBit,
     &TSettingsChecks::WinInfoDpiAwareness, Cmd::actWinInfo_DpiAwareness,
     Cmd::actCopy_WInfoDpiAwareness,
     L"%s %d", L"%s %d", L"%1:d"},
    {kItemVisibleBounds, TInfoGroup::Window, kWinInfoVisibleBoundsBit,
     &TSettingsChecks::WinInfoVisibleBounds, Cmd::actWinInfo_VisibleBounds,
     Cmd::actCopy_WInfoVisibleBounds,
     L"L=%d T=%d W=%d H=%d", L"%d, %d, %d, %d", L"(%d, %d, %d, %d)"},
    // The element texts are the element component's; each line takes its one value.
    {kItemElement, TInfoGroup::Element, kElementBit, &TSettingsChecks::Element,
     Cmd::actElement_Element, Cmd::actCopy_ElementElement, L"%s", L"%s", L"%s"},
    {kItemElementId, TInfoGroup::Element, kElementIdBit, &TSettingsChecks::ElementId,
     Cmd::actElement_AutomationId, Cmd::actCopy_ElementAutomationId, L"%s", L"%s", L"%s"},
    {kItemElementBounds, TInfoGroup::Element, kElementBoundsBit, &TSettingsChecks::ElementBounds,
     Cmd::actElement_Bounds, Cmd::actCopy_ElementBounds, L"%s", L"%s", L"%s"},
    {kItemElementFramework, TInfoGroup::Element, kElementFrameworkBit,
     &TSettingsChecks::ElementFramework, Cmd::actElement_Framework,
     Cmd::actCopy_ElementFramework, L"%s", L"%s", L"%s"},
};
// clang-format on

}  // namespace

const TPanelItemDef& PanelItem(int32_t index) {
  if (index < 1 || index > kInfoItemCount) {
    throw CheckedError("Range check error: information item " + std::to_string(index) +
                       " outside 1.." + std::to_string(kInfoItemCount));
  }
  for (const TPanelItemDef& def : kPanelItems)
    if (def.Item == index) return def;
  throw CheckedError("the panel item table has no item " + std::to_string(index));
}

int32_t PanelLineItem(int32_t line) {
  if (line < 1 || line > kInfoItemCount) {
    throw CheckedError("Range check error: panel line " + std::to_string(line) + " outside 1.." +
                       std::to_string(kInfoItemCount));
  }
  return kPanelItems[line - 1].Item;
}
