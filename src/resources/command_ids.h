// The main window's commands, named once: the ids below, the names in the command table and
// the table's order all come from this one list, so a misspelt command does not compile.
#pragma once
#include <cstddef>
#include <cstdint>

// clang-format off
#define LOUPIST_MAIN_COMMANDS(X) \
  X(actZoom_1) \
  X(actZoom_2) \
  X(actZoom_3) \
  X(actZoom_4) \
  X(actZoom_6) \
  X(actZoom_8) \
  X(actZoom_10) \
  X(actZoom_12) \
  X(actZoom_16) \
  X(actZoom_20) \
  X(actZoom_Up) \
  X(actZoom_Down) \
  X(actGrid_Disp) \
  X(actGrid_Gray) \
  X(actGrid_Invert) \
  X(actGrid_Transparent) \
  X(actGrid_SelColor) \
  X(actGrid_SubBlue) \
  X(actGrid_SelSubColor) \
  X(actColor_RGB) \
  X(actColor_HTML) \
  X(actColor_COLORREF) \
  X(actColor_Contrast) \
  X(actColor_Hsl) \
  X(actColor_History) \
  X(actColor_SetReference) \
  X(actColor_Remember) \
  X(actColor_Sample1) \
  X(actColor_Sample3) \
  X(actColor_Sample5) \
  X(actColor_Sample9) \
  X(actColor_HistoryColor1) \
  X(actColor_HistoryColor2) \
  X(actColor_HistoryColor3) \
  X(actColor_HistoryColor4) \
  X(actColor_HistoryColor5) \
  X(actColor_HistoryColor6) \
  X(actColor_HistoryColor7) \
  X(actColor_HistoryColor8) \
  X(actColor_HistoryColor9) \
  X(actColor_HistoryColor10) \
  X(actColor_HistoryColor11) \
  X(actColor_HistoryColor12) \
  X(actColor_HistoryColor13) \
  X(actColor_HistoryColor14) \
  X(actColor_HistoryColor15) \
  X(actColor_HistoryColor16) \
  X(actColor_HistoryClear) \
  X(actColor_InfoOnOff) \
  X(actPos_Screen) \
  X(actPos_Client) \
  X(actPos_User) \
  X(actPos_Dpi) \
  X(actPos_Distance) \
  X(actPos_Spacing) \
  X(actPos_Tolerance0) \
  X(actPos_Tolerance2) \
  X(actPos_Tolerance8) \
  X(actPos_Tolerance16) \
  X(actPos_Tolerance32) \
  X(actPos_Tolerance64) \
  X(actPos_UserPosSet) \
  X(actPos_InfoOnOff) \
  X(actWinInfo_Handle) \
  X(actWinInfo_ClassName) \
  X(actWinInfo_Text) \
  X(actWinInfo_WindowSize) \
  X(actWinInfo_ClientSize) \
  X(actWinInfo_Rect) \
  X(actWinInfo_ExeName) \
  X(actWinInfo_Style) \
  X(actWinInfo_Parent) \
  X(actWinInfo_Process) \
  X(actWinInfo_DpiAwareness) \
  X(actWinInfo_VisibleBounds) \
  X(actWinInfo_InfoOnOff) \
  X(actElement_Element) \
  X(actElement_AutomationId) \
  X(actElement_Bounds) \
  X(actElement_Framework) \
  X(actElement_InfoOnOff) \
  X(actCopy_Report) \
  X(actCopy_Picture) \
  X(actCopy_ColorRGB) \
  X(actCopy_ColorHTML) \
  X(actCopy_ColorCOLORREF) \
  X(actCopy_ColorContrast) \
  X(actCopy_ColorHistory) \
  X(actCopy_PosScreen) \
  X(actCopy_PosClient) \
  X(actCopy_PosUser) \
  X(actCopy_PosDpi) \
  X(actCopy_PosDistance) \
  X(actCopy_PosSpacing) \
  X(actCopy_WInfoHandle) \
  X(actCopy_WInfoClassName) \
  X(actCopy_WInfoText) \
  X(actCopy_WInfoWindowSize) \
  X(actCopy_WInfoClientSize) \
  X(actCopy_WInfoRect) \
  X(actCopy_WInfoExeName) \
  X(actCopy_WInfoStyle) \
  X(actCopy_WInfoParent) \
  X(actCopy_WInfoProcess) \
  X(actCopy_WInfoDpiAwareness) \
  X(actCopy_WInfoVisibleBounds) \
  X(actCopy_ElementElement) \
  X(actCopy_ElementAutomationId) \
  X(actCopy_ElementBounds) \
  X(actCopy_ElementFramework) \
  X(actCopy_FormatCssHex) \
  X(actCopy_FormatCssRgb) \
  X(actCopy_FormatCssHsl) \
  X(actCopy_FormatFloats) \
  X(actCopy_FormatXaml) \
  X(actCopy_FormatCRgb) \
  X(actCopy_FormatCSharp) \
  X(actCapture_Lupe) \
  X(actCapture_Fixed) \
  X(actCapture_Pause) \
  X(actCapture_Update) \
  X(actCapture_Disp_x1) \
  X(actOpt_StayOnTop) \
  X(actOpt_BigFont) \
  X(actOpt_NoSelfCapture) \
  X(actOpt_SmoothCapture) \
  X(actOpt_InstantFollow) \
  X(actOpt_LanguageJapanese) \
  X(actOpt_LanguageEnglish) \
  X(actMenu_Main) \
  X(actMove_Monitor) \
  X(actMove_Left) \
  X(actMove_Right) \
  X(actMove_Up) \
  X(actMove_Down) \
  X(actFile_Minimize) \
  X(actFile_Exit) \
  X(actHelp)
// clang-format on

// A command of the main window; its value is its position in the command table.
enum class Cmd : uint16_t {
#define LOUPIST_COMMAND_ID(name) name,
  LOUPIST_MAIN_COMMANDS(LOUPIST_COMMAND_ID)
#undef LOUPIST_COMMAND_ID
      kCount
};

constexpr std::size_t kMainCommandCount = static_cast<std::size_t>(Cmd::kCount);
constexpr std::size_t IndexOf(Cmd id) { return static_cast<std::size_t>(id); }
// The command's name, as the table and the menu description spell it.
const char* CommandName(Cmd id);
