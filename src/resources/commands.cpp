#include "resources/commands.h"

#include <iterator>
#include <utility>

namespace {

// clang-format off
// Name, code, Tag, Checked at start, AutoCheck, GroupIndex, shortcut; the texts are the texts
// component's. Groups: 1 zoom factors, 2 grid colours, 3 sub-grid colours, 4 capture modes,
// 5 languages, 6 the spacing's tolerances (whose Tag is the tolerance), 7 sample sizes.
constexpr ActionDef kMainCommands[] = {
    {"actZoom_1", 1001, 1, false, false, 1, {}},
    {"actZoom_2", 1002, 2, false, false, 1, {}},
    {"actZoom_3", 1003, 3, false, false, 1, {}},
    {"actZoom_4", 1004, 4, false, false, 1, {}},
    {"actZoom_6", 1006, 6, true, false, 1, {}},
    {"actZoom_8", 1008, 8, false, false, 1, {}},
    {"actZoom_10", 1010, 10, false, false, 1, {}},
    {"actZoom_12", 1012, 12, false, false, 1, {}},
    {"actZoom_16", 1016, 16, false, false, 1, {}},
    {"actZoom_20", 1020, 20, false, false, 1, {}},
    {"actZoom_Up", 1090, 0, false, false, 0, {}},
    {"actZoom_Down", 1091, 0, false, false, 0, {}},

    {"actGrid_Disp", 2010, 0, true, false, 0, {}},
    {"actGrid_Gray", 2001, 0x999999, true, false, 2, {}},
    {"actGrid_Invert", 2004, 0, false, false, 2, {}},
    {"actGrid_Transparent", 2005, 0xCCCCCC, false, false, 2, {}},
    {"actGrid_SelColor", 2006, 0x999999, false, false, 2, {}},
    {"actGrid_SubBlue", 2012, 0xFF0000, true, false, 3, {}},
    {"actGrid_SelSubColor", 2014, 0xFF6666, false, false, 3, {}},

    {"actColor_RGB", 3001, 1, true, true, 0, {}},
    {"actColor_HTML", 3002, 2, true, true, 0, {}},
    {"actColor_COLORREF", 3003, 3, false, true, 0, {}},
    {"actColor_Contrast", 3004, 8, false, true, 0, {}},
    {"actColor_Hsl", 3005, 16, false, true, 0, {}},
    {"actColor_History", 3006, 32, false, true, 0, {}},
    {"actColor_SetReference", 3010, 0, false, false, 0, {}},
    {"actColor_Remember", 3011, 0, false, false, 0, {}},
    {"actColor_Sample1", 3020, 1, true, false, 7, {}},
    {"actColor_Sample3", 3021, 3, false, false, 7, {}},
    {"actColor_Sample5", 3022, 5, false, false, 7, {}},
    {"actColor_Sample9", 3023, 9, false, false, 7, {}},
    // The history's colours, newest first; the Tag is the place in the history.
    {"actColor_HistoryColor1", 3030, 0, false, false, 0, {}},
    {"actColor_HistoryColor2", 3031, 1, false, false, 0, {}},
    {"actColor_HistoryColor3", 3032, 2, false, false, 0, {}},
    {"actColor_HistoryColor4", 3033, 3, false, false, 0, {}},
    {"actColor_HistoryColor5", 3034, 4, false, false, 0, {}},
    {"actColor_HistoryColor6", 3035, 5, false, false, 0, {}},
    {"actColor_HistoryColor7", 3036, 6, false, false, 0, {}},
    {"actColor_HistoryColor8", 3037, 7, false, false, 0, {}},
    {"actColor_HistoryColor9", 3038, 8, false, false, 0, {}},
    {"actColor_HistoryColor10", 3039, 9, false, false, 0, {}},
    {"actColor_HistoryColor11", 3040, 10, false, false, 0, {}},
    {"actColor_HistoryColor12", 3041, 11, false, false, 0, {}},
    {"actColor_HistoryColor13", 3042, 12, false, false, 0, {}},
    {"actColor_HistoryColor14", 3043, 13, false, false, 0, {}},
    {"actColor_HistoryColor15", 3044, 14, false, false, 0, {}},
    {"actColor_HistoryColor16", 3045, 15, false, false, 0, {}},
    {"actColor_HistoryClear", 3012, 0, false, false, 0, {}},
    {"actColor_InfoOnOff", 3099, 0, false, false, 0, {}},

    {"actPos_Screen", 4001, 1, true, true, 0, {}},
    {"actPos_Client", 4003, 4, false, true, 0, {}},
    {"actPos_User", 4004, 2, false, true, 0, {}},
    {"actPos_Dpi", 4005, 16, false, true, 0, {}},
    {"actPos_Distance", 4006, 32, false, true, 0, {}},
    {"actPos_Spacing", 4007, 64, false, true, 0, {}},
    {"actPos_Tolerance0", 4020, 0, true, false, 6, {}},
    {"actPos_Tolerance2", 4021, 2, false, false, 6, {}},
    {"actPos_Tolerance8", 4022, 8, false, false, 6, {}},
    {"actPos_Tolerance16", 4023, 16, false, false, 6, {}},
    {"actPos_Tolerance32", 4024, 32, false, false, 6, {}},
    {"actPos_Tolerance64", 4025, 64, false, false, 6, {}},
    {"actPos_UserPosSet", 4010, 0, false, false, 0, {}},
    {"actPos_InfoOnOff", 4099, 0, false, false, 0, {}},

    {"actWinInfo_Handle", 5001, 1, true, true, 0, {}},
    {"actWinInfo_ClassName", 5002, 2, true, true, 0, {}},
    {"actWinInfo_Text", 5003, 4, true, true, 0, {}},
    {"actWinInfo_WindowSize", 5004, 8, false, true, 0, {}},
    {"actWinInfo_ClientSize", 5005, 16, false, true, 0, {}},
    {"actWinInfo_Rect", 5006, 32, false, true, 0, {}},
    {"actWinInfo_ExeName", 5023, 0, false, true, 0, {}},
    {"actWinInfo_Style", 5024, 64, false, true, 0, {}},
    {"actWinInfo_Parent", 5025, 128, false, true, 0, {}},
    {"actWinInfo_Process", 5026, 256, false, true, 0, {}},
    {"actWinInfo_DpiAwareness", 5027, 512, false, true, 0, {}},
    {"actWinInfo_VisibleBounds", 5028, 1024, false, true, 0, {}},
    {"actWinInfo_InfoOnOff", 5099, 0, false, false, 0, {}},
    {"actElement_Element", 9001, 0, false, true, 0, {}},
    {"actElement_AutomationId", 9002, 0, false, true, 0, {}},
    {"actElement_Bounds", 9003, 0, false, true, 0, {}},
    {"actElement_Framework", 9004, 0, false, true, 0, {}},
    {"actElement_InfoOnOff", 9099, 0, false, false, 0, {}},

    {"actCopy_Report", 6050, 0, false, false, 0, {}},

    {"actCopy_Picture", 6001, 0, false, false, 0, {}},
    {"actCopy_ColorRGB", 6002, 0, false, false, 0, {}},
    {"actCopy_ColorHTML", 6006, 0, false, false, 0, {}},
    {"actCopy_ColorCOLORREF", 6007, 0, false, false, 0, {}},
    {"actCopy_ColorContrast", 6008, 0, false, false, 0, {}},
    {"actCopy_ColorHistory", 6009, 0, false, false, 0, {}},
    {"actCopy_PosScreen", 6020, 0, false, false, 0, {}},
    {"actCopy_PosClient", 6022, 0, false, false, 0, {}},
    {"actCopy_PosUser", 6023, 0, false, false, 0, {}},
    {"actCopy_PosDpi", 6030, 0, false, false, 0, {}},
    {"actCopy_PosDistance", 6031, 0, false, false, 0, {}},
    {"actCopy_PosSpacing", 6032, 0, false, false, 0, {}},
    {"actCopy_WInfoHandle", 6024, 0, false, false, 0, {}},
    {"actCopy_WInfoClassName", 6025, 0, false, false, 0, {}},
    {"actCopy_WInfoText", 6026, 0, false, false, 0, {}},
    {"actCopy_WInfoWindowSize", 6027, 0, false, false, 0, {}},
    {"actCopy_WInfoClientSize", 6028, 0, false, false, 0, {}},
    {"actCopy_WInfoRect", 6029, 0, false, false, 0, {}},
    {"actCopy_WInfoExeName", 6035, 0, false, false, 0, {}},
    {"actCopy_WInfoStyle", 6051, 0, false, false, 0, {}},
    {"actCopy_WInfoParent", 6052, 0, false, false, 0, {}},
    {"actCopy_WInfoProcess", 6053, 0, false, false, 0, {}},
    {"actCopy_WInfoDpiAwareness", 6054, 0, false, false, 0, {}},
    {"actCopy_WInfoVisibleBounds", 6055, 0, false, false, 0, {}},
    {"actCopy_ElementElement", 6056, 0, false, false, 0, {}},
    {"actCopy_ElementAutomationId", 6057, 0, false, false, 0, {}},
    {"actCopy_ElementBounds", 6058, 0, false, false, 0, {}},
    {"actCopy_ElementFramework", 6059, 0, false, false, 0, {}},
    {"actCopy_FormatCssHex", 6040, 0, false, false, 0, {}},
    {"actCopy_FormatCssRgb", 6041, 0, false, false, 0, {}},
    {"actCopy_FormatCssHsl", 6042, 0, false, false, 0, {}},
    {"actCopy_FormatFloats", 6043, 0, false, false, 0, {}},
    {"actCopy_FormatXaml", 6044, 0, false, false, 0, {}},
    {"actCopy_FormatCRgb", 6045, 0, false, false, 0, {}},
    {"actCopy_FormatCSharp", 6046, 0, false, false, 0, {}},

    {"actCapture_Lupe", 7001, 0, false, true, 4, {}},
    {"actCapture_Fixed", 7002, 0, false, false, 4, {}},
    {"actCapture_Pause", 7011, 0, false, false, 0, {}},
    {"actCapture_Update", 7012, 0, false, false, 0, {}},
    {"actCapture_Disp_x1", 7013, 0, false, false, 0, {}},

    {"actOpt_StayOnTop", 8001, 0, false, false, 0, {}},
    {"actOpt_BigFont", 8005, 12, false, true, 0, {}},
    {"actOpt_NoSelfCapture", 8006, 0, false, true, 0, {}},
    {"actOpt_SmoothCapture", 8007, 30, false, true, 0, {}},
    {"actOpt_InstantFollow", 8012, 0, true, true, 0, {}},
    // The language follows the system until one is chosen; the window checks one at start.
    {"actOpt_LanguageJapanese", 8010, 0, false, false, 5, {}},
    {"actOpt_LanguageEnglish", 8011, 0, false, false, 5, {}},

    {"actMenu_Main", 10001, 0, false, false, 0, {kVkF10, kModAlt}},

    {"actMove_Monitor", 11005, 0, false, false, 0, {}},
    {"actMove_Left", 11003, 0, false, false, 0, {}},
    {"actMove_Right", 11004, 0, false, false, 0, {}},
    {"actMove_Up", 11001, 0, false, false, 0, {}},
    {"actMove_Down", 11002, 0, false, false, 0, {}},

    {"actFile_Minimize", 12001, 0, false, false, 0, {}},
    {"actFile_Exit", 12002, 0, false, false, 0, {kVkF4, kModAlt}},

    {"actHelp", 13001, 0, false, false, 0, {}},

};
// clang-format on

constexpr const char* kCommandNames[] = {
#define LOUPIST_COMMAND_NAME(name) #name,
    LOUPIST_MAIN_COMMANDS(LOUPIST_COMMAND_NAME)
#undef LOUPIST_COMMAND_NAME
};

constexpr bool SameText(const char* a, const char* b) {
  for (; *a != '\0' && *a == *b; ++a, ++b) {
  }
  return *a == *b;
}

constexpr bool TableFollowsTheList() {
  if (std::size(kMainCommands) != kMainCommandCount) return false;
  for (std::size_t i = 0; i < kMainCommandCount; ++i)
    if (!SameText(kMainCommands[i].Name, kCommandNames[i])) return false;
  return true;
}
static_assert(TableFollowsTheList(),
              "the command table must name the commands of LOUPIST_MAIN_COMMANDS, in its order");

MenuItemDef Item(const char* name, const char* command) {
  MenuItemDef item;
  item.Name = name;
  item.Kind = MenuItemKind::kCommand;
  item.Command = command;
  return item;
}

MenuItemDef Separator(const char* name) {
  MenuItemDef item;
  item.Name = name;
  item.Kind = MenuItemKind::kSeparator;
  return item;
}

MenuItemDef Submenu(const char* name, std::vector<MenuItemDef> items) {
  MenuItemDef item;
  item.Name = name;
  item.Kind = MenuItemKind::kSubmenu;
  item.Items = std::move(items);
  return item;
}

MenuItemDef Radio(MenuItemDef item, int32_t group) {
  item.RadioItem = true;
  item.GroupIndex = group;
  return item;
}

MenuItemDef InGroup(MenuItemDef item, int32_t group) {
  item.GroupIndex = group;
  return item;
}

MenuItemDef Bold(MenuItemDef item) {
  item.Default = true;
  return item;
}

MenuItemDef Hidden(MenuItemDef item) {
  item.Visible = false;
  return item;
}

MenuItemDef WithTag(MenuItemDef item, int32_t tag) {
  item.Tag = tag;
  return item;
}

MenuItemDef BuildZoomMenu() {
  // The order is the zoom ladder that the zoom steps climb. The 12x item shows
  // a check mark rather than a radio bullet.
  return WithTag(Submenu("mniZoom",
                         {
                             Radio(Item("mniZoom_1", "actZoom_1"), 1),
                             Radio(Item("mniZoom_2", "actZoom_2"), 1),
                             Radio(Item("mniZoom_3", "actZoom_3"), 1),
                             Radio(Item("mniZoom_4", "actZoom_4"), 1),
                             Bold(Radio(Item("mniZoom_6", "actZoom_6"), 1)),
                             Radio(Item("mniZoom_8", "actZoom_8"), 1),
                             Radio(Item("mniZoom_10", "actZoom_10"), 1),
                             InGroup(Item("mniZoom_12", "actZoom_12"), 1),
                             Radio(Item("mniZoom_16", "actZoom_16"), 1),
                             Radio(Item("mniZoom_20", "actZoom_20"), 1),
                         }),
                 4);  // position of the item checked at start
}

MenuItemDef BuildGridMenu() {
  return Submenu("mniGrid", {
                                Bold(Item("mniGrid_Disp", "actGrid_Disp")),
                                Separator("mniGrid_LineGrid"),
                                Radio(Item("mniGrid_Gray", "actGrid_Gray"), 1),
                                Radio(Item("mniGrid_Invert", "actGrid_Invert"), 1),
                                Radio(Item("mniGrid_Transparent", "actGrid_Transparent"), 1),
                                Radio(Item("mniGrid_SelColor", "actGrid_SelColor"), 1),
                                Separator("mniGrid_LineSubGrid"),
                                Radio(Item("mniGrid_SubBlue", "actGrid_SubBlue"), 2),
                                Radio(Item("mniGrid_SelSubColor", "actGrid_SelSubColor"), 2),
                            });
}

// The history's colours as swatches that the window draws itself, the newest first; a command
// whose place in the history is empty is hidden.
MenuItemDef BuildColorHistoryMenu() {
  std::vector<MenuItemDef> items;
  for (int i = 1; i <= 16; ++i) {
    const std::string suffix = "HistoryColor" + std::to_string(i);
    MenuItemDef item = Item(("mniColor_" + suffix).c_str(), ("actColor_" + suffix).c_str());
    item.OwnerDrawn = true;
    items.push_back(std::move(item));
  }
  items.push_back(Separator("mniColor_HistoryLine1"));
  items.push_back(Item("mniColor_HistoryClear", "actColor_HistoryClear"));
  return Submenu("mniColor_HistoryMenu", std::move(items));
}

MenuItemDef BuildColorMenu() {
  return Submenu("mniColor", {
                                 Item("mniColor_RGB", "actColor_RGB"),
                                 Item("mniColor_HTML", "actColor_HTML"),
                                 Item("mniColor_ColorRef", "actColor_COLORREF"),
                                 Item("mniColor_Contrast", "actColor_Contrast"),
                                 Item("mniColor_Hsl", "actColor_Hsl"),
                                 Item("mniColor_History", "actColor_History"),
                                 Separator("mniColor_Line1"),
                                 Bold(Item("mniColor_InfoOnOff", "actColor_InfoOnOff")),
                                 Separator("mniColor_Line2"),
                                 Item("mniColor_SetReference", "actColor_SetReference"),
                                 Item("mniColor_Remember", "actColor_Remember"),
                                 Submenu("mniColor_Sample",
                                         {
                                             Radio(Item("mniColor_Sample1", "actColor_Sample1"), 1),
                                             Radio(Item("mniColor_Sample3", "actColor_Sample3"), 1),
                                             Radio(Item("mniColor_Sample5", "actColor_Sample5"), 1),
                                             Radio(Item("mniColor_Sample9", "actColor_Sample9"), 1),
                                         }),
                                 BuildColorHistoryMenu(),
                             });
}

MenuItemDef BuildPosMenu() {
  return Submenu("mniPos",
                 {
                     Item("mniPos_Screen", "actPos_Screen"),
                     Item("mniPos_Client", "actPos_Client"),
                     Item("mniPos_User", "actPos_User"),
                     Item("mniPos_Dpi", "actPos_Dpi"),
                     Item("mniPos_Distance", "actPos_Distance"),
                     Item("mniPos_Spacing", "actPos_Spacing"),
                     Submenu("mniPos_Tolerance",
                             {
                                 Radio(Item("mniPos_Tolerance0", "actPos_Tolerance0"), 6),
                                 Radio(Item("mniPos_Tolerance2", "actPos_Tolerance2"), 6),
                                 Radio(Item("mniPos_Tolerance8", "actPos_Tolerance8"), 6),
                                 Radio(Item("mniPos_Tolerance16", "actPos_Tolerance16"), 6),
                                 Radio(Item("mniPos_Tolerance32", "actPos_Tolerance32"), 6),
                                 Radio(Item("mniPos_Tolerance64", "actPos_Tolerance64"), 6),
                             }),
                     Separator("mniPos_Line1"),
                     Bold(Item("mniPos_InfoOnOff", "actPos_InfoOnOff")),
                 });
}

MenuItemDef BuildWinInfoMenu() {
  return Submenu("mniWinInfo", {
                                   Item("mniWinInfo_Handle", "actWinInfo_Handle"),
                                   Item("mniWinInfo_ClassName", "actWinInfo_ClassName"),
                                   Item("mniWinInfo_Text", "actWinInfo_Text"),
                                   Item("mniWinInfo_WindowSize", "actWinInfo_WindowSize"),
                                   Item("mniWinInfo_ClientSize", "actWinInfo_ClientSize"),
                                   Item("mniWinInfo_Rect", "actWinInfo_Rect"),
                                   Item("mniWinInfo_ExeName", "actWinInfo_ExeName"),
                                   Item("mniWinInfo_Style", "actWinInfo_Style"),
                                   Item("mniWinInfo_Parent", "actWinInfo_Parent"),
                                   Item("mniWinInfo_Process", "actWinInfo_Process"),
                                   Item("mniWinInfo_DpiAwareness", "actWinInfo_DpiAwareness"),
                                   Item("mniWinInfo_VisibleBounds", "actWinInfo_VisibleBounds"),
                                   Separator("mniWinInfo_Line1"),
                                   Bold(Item("mniWinInfo_InfoOnOff", "actWinInfo_InfoOnOff")),
                               });
}

MenuItemDef BuildElementMenu() {
  return Submenu("mniElement", {
                                   Item("mniElement_Element", "actElement_Element"),
                                   Item("mniElement_AutomationId", "actElement_AutomationId"),
                                   Item("mniElement_Bounds", "actElement_Bounds"),
                                   Item("mniElement_Framework", "actElement_Framework"),
                                   Separator("mniElement_Line1"),
                                   Bold(Item("mniElement_InfoOnOff", "actElement_InfoOnOff")),
                               });
}

MenuItemDef BuildCopyMenu() {
  return Submenu("mniCopy", {
                                Item("mniCopy_Report", "actCopy_Report"),
                                Item("mniCopy_Picture", "actCopy_Picture"),
                                Separator("mniCopy_Line1"),
                                Item("mniCopy_ColorRGB", "actCopy_ColorRGB"),
                                Item("mniCopy_ColorHTML", "actCopy_ColorHTML"),
                                Item("mniCopy_ColorColorRef", "actCopy_ColorCOLORREF"),
                                Item("mniCopy_ColorContrast", "actCopy_ColorContrast"),
                                Item("mniCopy_ColorHistory", "actCopy_ColorHistory"),
                                Separator("mniCopy_Line2"),
                                Item("mniCopy_PosScreen", "actCopy_PosScreen"),
                                Item("mniCopy_PosClient", "actCopy_PosClient"),
                                Item("mniCopy_PosUser", "actCopy_PosUser"),
                                Item("mniCopy_PosDpi", "actCopy_PosDpi"),
                                Item("mniCopy_PosDistance", "actCopy_PosDistance"),
                                Item("mniCopy_PosSpacing", "actCopy_PosSpacing"),
                                Separator("mniCopy_Line3"),
                                Item("mniCopy_WInfoHandle", "actCopy_WInfoHandle"),
                                Item("mniCopy_WInfoClassName", "actCopy_WInfoClassName"),
                                Item("mniCopy_WInfoText", "actCopy_WInfoText"),
                                Item("mniCopy_WInfoWindowSize", "actCopy_WInfoWindowSize"),
                                Item("mniCopy_WInfoClientSize", "actCopy_WInfoClientSize"),
                                Item("mniCopy_WInfoRect", "actCopy_WInfoRect"),
                                Item("mniCopy_WInfoExeName", "actCopy_WInfoExeName"),
                                Item("mniCopy_WInfoStyle", "actCopy_WInfoStyle"),
                                Item("mniCopy_WInfoParent", "actCopy_WInfoParent"),
                                Item("mniCopy_WInfoProcess", "actCopy_WInfoProcess"),
                                Item("mniCopy_WInfoDpiAwareness", "actCopy_WInfoDpiAwareness"),
                                Item("mniCopy_WInfoVisibleBounds", "actCopy_WInfoVisibleBounds"),
                                Item("mniCopy_ElementElement", "actCopy_ElementElement"),
                                Item("mniCopy_ElementAutomationId", "actCopy_ElementAutomationId"),
                                Item("mniCopy_ElementBounds", "actCopy_ElementBounds"),
                                Item("mniCopy_ElementFramework", "actCopy_ElementFramework"),
                                Separator("mniCopy_Line4"),
                                Submenu("mniCopy_Formats",
                                        {
                                            Item("mniCopy_FormatCssHex", "actCopy_FormatCssHex"),
                                            Item("mniCopy_FormatCssRgb", "actCopy_FormatCssRgb"),
                                            Item("mniCopy_FormatCssHsl", "actCopy_FormatCssHsl"),
                                            Item("mniCopy_FormatFloats", "actCopy_FormatFloats"),
                                            Item("mniCopy_FormatXaml", "actCopy_FormatXaml"),
                                            Item("mniCopy_FormatCRgb", "actCopy_FormatCRgb"),
                                            Item("mniCopy_FormatCSharp", "actCopy_FormatCSharp"),
                                        }),
                            });
}

MenuItemDef BuildMainMenu() {
  std::vector<MenuItemDef> top;
  top.push_back(BuildZoomMenu());
  top.push_back(BuildGridMenu());
  top.push_back(Separator("mniMain_Line1"));
  top.push_back(BuildColorMenu());
  top.push_back(BuildPosMenu());
  top.push_back(BuildWinInfoMenu());
  top.push_back(BuildElementMenu());
  top.push_back(Separator("mniMain_Line2"));
  top.push_back(BuildCopyMenu());
  top.push_back(Submenu("mniCapture", {
                                          Bold(Item("mniCapture_Pause", "actCapture_Pause")),
                                          Separator("mniCapture_Line1"),
                                          Radio(Item("mniCapture_Lupe", "actCapture_Lupe"), 4),
                                          Radio(Item("mniCapture_Fixed", "actCapture_Fixed"), 4),
                                      }));
  top.push_back(
      Submenu("mniOpt",
              {
                  Bold(Item("mniOpt_StayOnTop", "actOpt_StayOnTop")),
                  Item("mniOpt_FontSize", "actOpt_BigFont"),
                  Item("mniOpt_NoSelfCapture", "actOpt_NoSelfCapture"),
                  Item("mniOpt_SmoothCapture", "actOpt_SmoothCapture"),
                  Item("mniOpt_InstantFollow", "actOpt_InstantFollow"),
                  Separator("mniOpt_Line1"),
                  Submenu("mniOpt_Language",
                          {
                              Radio(Item("mniOpt_LanguageJapanese", "actOpt_LanguageJapanese"), 1),
                              Radio(Item("mniOpt_LanguageEnglish", "actOpt_LanguageEnglish"), 1),
                          }),
              }));
  top.push_back(Separator("mniMain_Line3"));
  // Reached by F1 and by a key table from the settings file, not by the menu.
  top.push_back(Hidden(Item("mniHelp_VersionInfo", "actHelp")));
  top.push_back(Hidden(Item("mniFile_Minimize", "actFile_Minimize")));
  top.push_back(Hidden(Separator("mniMain_Line4")));
  top.push_back(Item("mniFile_Exit", "actFile_Exit"));
  return Submenu("mnuMain", std::move(top));
}

}  // namespace

const std::vector<ActionDef>& MainCommandDefs() {
  static const std::vector<ActionDef> defs(std::begin(kMainCommands), std::end(kMainCommands));
  return defs;
}

const MenuItemDef& MainMenuDef() {
  static const MenuItemDef menu = BuildMainMenu();
  return menu;
}

const char* CommandName(Cmd id) { return kCommandNames[IndexOf(id)]; }
