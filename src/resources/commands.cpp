#include "resources/commands.h"

#include <iterator>
#include <utility>

namespace {

// Categories, as the command list groups them.
constexpr wchar_t kZoom[] = L"ズーム";
constexpr wchar_t kGrid[] = L"グリッド";
constexpr wchar_t kColor[] = L"カラー情報";
constexpr wchar_t kPos[] = L"カーソル位置";
constexpr wchar_t kWinInfo[] = L"ウィンドウ情報";
constexpr wchar_t kCopy[] = L"コピー";
constexpr wchar_t kCapture[] = L"キャプチャ";
constexpr wchar_t kOpt[] = L"設定";
constexpr wchar_t kMenu[] = L"メニュー";
constexpr wchar_t kMove[] = L"移動";
constexpr wchar_t kFile[] = L"ファイル";
constexpr wchar_t kHelp[] = L"ヘルプ";

// clang-format off
// Name, code, caption, hint, category, Tag, Checked at start, AutoCheck, GroupIndex, shortcut.
// Groups: 1 zoom factors, 2 grid colours, 3 sub-grid colours, 4 capture modes.
constexpr ActionDef kMainCommands[] = {
    {"actZoom_1", 1001, L" 1倍", L"1倍", kZoom, 1, false, false, 1, {}},
    {"actZoom_2", 1002, L" 2倍", L"2倍", kZoom, 2, false, false, 1, {}},
    {"actZoom_3", 1003, L" 3倍", L"3倍", kZoom, 3, false, false, 1, {}},
    {"actZoom_4", 1004, L" 4倍", L"4倍", kZoom, 4, false, false, 1, {}},
    {"actZoom_6", 1006, L" 6倍", L"6倍", kZoom, 6, true, false, 1, {}},
    {"actZoom_8", 1008, L" 8倍", L"8倍", kZoom, 8, false, false, 1, {}},
    {"actZoom_10", 1010, L"10倍", L"10倍", kZoom, 10, false, false, 1, {}},
    {"actZoom_12", 1012, L"12倍", L"12倍", kZoom, 12, false, false, 1, {}},
    {"actZoom_16", 1016, L"16倍", L"16倍", kZoom, 16, false, false, 1, {}},
    {"actZoom_20", 1020, L"20倍", L"20倍", kZoom, 20, false, false, 1, {}},
    {"actZoom_Up", 1090, L"ズームアップ", L"拡大", kZoom, 0, false, false, 0, {}},
    {"actZoom_Down", 1091, L"ズームダウン", L"縮小", kZoom, 0, false, false, 0, {}},

    {"actGrid_Disp", 2010, L"グリッド表示(&D)",
     L"グリッドとルーラを表示",
     kGrid, 0, true, false, 0, {}},
    {"actGrid_Gray", 2001, L"灰色(&G)",
     L"灰色でグリッドを引く",
     kGrid, 0x999999, true, false, 2, {}},
    {"actGrid_Invert", 2004, L"反転(&I)",
     L"画面下の色の反転色でグリッドを引く",
     kGrid, 0, false, false, 2, {}},
    {"actGrid_Transparent", 2005, L"半透明(&T)",
     L"画面の色より少し濃い色でグリッドを引く",
     kGrid, 0xCCCCCC, false, false, 2, {}},
    {"actGrid_SelColor", 2006, L"グリッド色選択(&U)...",
     L"グリッドの色を選択",
     kGrid, 0x999999, false, false, 2, {}},
    {"actGrid_SubBlue", 2012, L"サブグリッド - 青(&B)",
     L"青色でサブグリッドを引く",
     kGrid, 0xFF0000, true, false, 3, {}},
    {"actGrid_SelSubColor", 2014, L"サブグリッド色選択(&S)...",
     L"サブグリッドの色を選択",
     kGrid, 0xFF6666, false, false, 3, {}},

    {"actColor_RGB", 3001, L"RGB(&R)",
     L"カーソル位置のピクセルの色を赤(R)、緑(G)、青(B)に分けて表示",
     kColor, 1, true, true, 0, {}},
    {"actColor_HTML", 3002, L"HTML(&H)",
     L"カーソル位置のピクセルの色をHTML用に16進で表示",
     kColor, 2, true, true, 0, {}},
    {"actColor_COLORREF", 3003, L"COLORREF(&C)",
     L"カーソル位置のピクセルの色をCOLORREFで表示",
     kColor, 3, false, true, 0, {}},
    {"actColor_Contrast", 3004, L"コントラスト(&N)",
     L"カーソル位置のピクセルの色と基準色のコントラスト比を表示",
     kColor, 8, false, true, 0, {}},
    {"actColor_Hsl", 3005, L"HSL(&S)",
     L"カーソル位置のピクセルの色を色相、彩度、明度で表示",
     kColor, 16, false, true, 0, {}},
    {"actColor_SetReference", 3010, L"基準色に設定(&B)",
     L"カーソル位置のピクセルの色をコントラストの基準色にする",
     kColor, 0, false, false, 0, {}},
    {"actColor_InfoOnOff", 3099, L"表示の一括ON/OFF", L"", kColor, 0, false, false, 0, {}},

    {"actPos_Screen", 4001, L"スクリーン(&S)",
     L"カーソルの位置をスクリーン座標で表示",
     kPos, 1, true, true, 0, {}},
    {"actPos_Client", 4003, L"クライアント(&C)",
     L"カーソルの位置をクライアント座標で表示",
     kPos, 4, false, true, 0, {}},
    {"actPos_User", 4004, L"ユーザー指定(&U) [ｽﾍﾟｰｽ=原点]",
     L"カーソルの位置をユーザー指定の座標で表示",
     kPos, 2, false, true, 0, {}},
    {"actPos_Dpi", 4005, L"DPI(&I)",
     L"カーソル位置のモニターのDPIを表示",
     kPos, 16, false, true, 0, {}},
    {"actPos_Distance", 4006, L"距離(&D)",
     L"ユーザー指定の原点からカーソル位置までの距離を表示",
     kPos, 32, false, true, 0, {}},
    {"actPos_UserPosSet", 4010, L"ユーザー指定の原点セット",
     L"ユーザー指定座標の原点をセット",
     kPos, 0, false, false, 0, {}},
    {"actPos_InfoOnOff", 4099, L"表示の一括ON/OFF",
     L"カーソル位置情報表示の一括ON/OFF",
     kPos, 0, false, false, 0, {}},

    {"actWinInfo_Handle", 5001, L"ハンドル(&H)",
     L"ウィンドウのハンドルを表示",
     kWinInfo, 1, true, true, 0, {}},
    {"actWinInfo_ClassName", 5002, L"クラス名(&N)",
     L"ウィンドウのクラス名を表示",
     kWinInfo, 2, true, true, 0, {}},
    {"actWinInfo_Text", 5003, L"テキスト(&T)",
     L"ウィンドウのテキスト（キャプション）を表示",
     kWinInfo, 4, true, true, 0, {}},
    {"actWinInfo_WindowSize", 5004, L"ウィンドウサイズ(&W)",
     L"ウィンドウのサイズを表示",
     kWinInfo, 8, false, true, 0, {}},
    {"actWinInfo_ClientSize", 5005, L"クライアントサイズ(&C)",
     L"ウィンドウのクライアントサイズを表示",
     kWinInfo, 16, false, true, 0, {}},
    {"actWinInfo_Rect", 5006, L"RECT(&R)",
     L"ウィンドウのRectをスクリーン座標で表示",
     kWinInfo, 32, false, true, 0, {}},
    {"actWinInfo_ExeName", 5023, L"実行ファイル名(&X)",
     L"実行ファイル名を表示",
     kWinInfo, 0, false, true, 0, {}},
    {"actWinInfo_Style", 5024, L"スタイル(&S)",
     L"ウィンドウのスタイルと拡張スタイルを表示",
     kWinInfo, 64, false, true, 0, {}},
    {"actWinInfo_Parent", 5025, L"親ウィンドウ(&P)",
     L"親ウィンドウ（オーナー）のハンドルとクラス名を表示",
     kWinInfo, 128, false, true, 0, {}},
    {"actWinInfo_Process", 5026, L"プロセス(&O)",
     L"プロセスID、スレッドID、ビット数、整合性レベルを表示",
     kWinInfo, 256, false, true, 0, {}},
    {"actWinInfo_DpiAwareness", 5027, L"DPI認識(&I)",
     L"ウィンドウのDPI認識とDPIを表示",
     kWinInfo, 512, false, true, 0, {}},
    {"actWinInfo_VisibleBounds", 5028, L"見た目の範囲(&V)",
     L"見えない枠を除いたウィンドウの範囲を表示",
     kWinInfo, 1024, false, true, 0, {}},
    {"actWinInfo_InfoOnOff", 5099, L"ウィンドウ情報表示の一括ON/OFF",
     L"",
     kWinInfo, 0, false, false, 0, {}},

    {"actCopy_Report", 6050, L"すべての情報(&A)",
     L"パネルのすべての情報、親チェーン、スタイルをクリップボードへコピー",
     kCopy, 0, false, false, 0, {}},

    {"actCopy_Picture", 6001, L"ズーム画像",
     L"ズーム画像をクリップボードへコピー",
     kCopy, 0, false, false, 0, {}},
    {"actCopy_ColorRGB", 6002, L"カラー情報/RGB",
     L"カーソル位置のピクセルの色をRGBに分けたものをクリップボードへコピー",
     kCopy, 0, false, false, 0, {}},
    {"actCopy_ColorHTML", 6006, L"カラー情報/HTML",
     L"カーソル位置のピクセルの色をHTML用にしてクリップボードへコピー",
     kCopy, 0, false, false, 0, {}},
    {"actCopy_ColorCOLORREF", 6007, L"カラー情報/COLORREF",
     L"カーソル位置のピクセルの色をCOLORREFとしてクリップボードへコピー",
     kCopy, 0, false, false, 0, {}},
    {"actCopy_ColorContrast", 6008, L"カラー情報/コントラスト",
     L"基準色とのコントラスト比をクリップボードへコピー",
     kCopy, 0, false, false, 0, {}},
    {"actCopy_PosScreen", 6020, L"カーソル位置/スクリーン座標",
     L"スクリーン座標",
     kCopy, 0, false, false, 0, {}},
    {"actCopy_PosClient", 6022, L"カーソル位置/クライアント座標",
     L"クライアント座標",
     kCopy, 0, false, false, 0, {}},
    {"actCopy_PosUser", 6023, L"カーソル位置/ユーザー指定座標",
     L"ユーザー指定座標",
     kCopy, 0, false, false, 0, {}},
    {"actCopy_PosDpi", 6030, L"カーソル位置/DPI",
     L"カーソル位置のモニターのDPI",
     kCopy, 0, false, false, 0, {}},
    {"actCopy_PosDistance", 6031, L"カーソル位置/距離",
     L"ユーザー指定の原点からの距離",
     kCopy, 0, false, false, 0, {}},
    {"actCopy_WInfoHandle", 6024, L"ウィンドウ情報/ハンドル",
     L"ウィンドウハンドル",
     kCopy, 0, false, false, 0, {}},
    {"actCopy_WInfoClassName", 6025, L"ウィンドウ情報/クラス名",
     L"ウィンドウクラス名",
     kCopy, 0, false, false, 0, {}},
    {"actCopy_WInfoText", 6026, L"ウィンドウ情報/テキスト",
     L"ウィンドウテキスト",
     kCopy, 0, false, false, 0, {}},
    {"actCopy_WInfoWindowSize", 6027, L"ウィンドウ情報/ウィンドウサイズ",
     L"ウィンドウサイズ",
     kCopy, 0, false, false, 0, {}},
    {"actCopy_WInfoClientSize", 6028, L"ウィンドウ情報/クライアントサイズ",
     L"クライアントウィンドウのサイズ",
     kCopy, 0, false, false, 0, {}},
    {"actCopy_WInfoRect", 6029, L"ウィンドウ情報/RECT",
     L"ウィンドウのRECT",
     kCopy, 0, false, false, 0, {}},
    {"actCopy_WInfoExeName", 6035, L"ウィンドウ情報/実行ファイル名",
     L"実行ファイル名",
     kCopy, 0, false, false, 0, {}},
    {"actCopy_WInfoStyle", 6051, L"ウィンドウ情報/スタイル",
     L"ウィンドウのスタイル（Shiftで拡張スタイル）",
     kCopy, 0, false, false, 0, {}},
    {"actCopy_WInfoParent", 6052, L"ウィンドウ情報/親ウィンドウ",
     L"親ウィンドウ（オーナー）",
     kCopy, 0, false, false, 0, {}},
    {"actCopy_WInfoProcess", 6053, L"ウィンドウ情報/プロセス",
     L"プロセスの情報",
     kCopy, 0, false, false, 0, {}},
    {"actCopy_WInfoDpiAwareness", 6054, L"ウィンドウ情報/DPI認識",
     L"ウィンドウのDPI認識",
     kCopy, 0, false, false, 0, {}},
    {"actCopy_WInfoVisibleBounds", 6055, L"ウィンドウ情報/見た目の範囲",
     L"見えない枠を除いたウィンドウの範囲",
     kCopy, 0, false, false, 0, {}},
    {"actCopy_FormatCssHex", 6040, L"CSS #rrggbb(&A)",
     L"カーソル位置のピクセルの色をCSSの16進表記でコピー",
     kCopy, 0, false, false, 0, {}},
    {"actCopy_FormatCssRgb", 6041, L"CSS rgb()(&B)",
     L"カーソル位置のピクセルの色をCSSのrgb()でコピー",
     kCopy, 0, false, false, 0, {}},
    {"actCopy_FormatCssHsl", 6042, L"CSS hsl()(&C)",
     L"カーソル位置のピクセルの色をCSSのhsl()でコピー",
     kCopy, 0, false, false, 0, {}},
    {"actCopy_FormatFloats", 6043, L"0.0～1.0(&D)",
     L"カーソル位置のピクセルの色を0.0～1.0の小数でコピー",
     kCopy, 0, false, false, 0, {}},
    {"actCopy_FormatXaml", 6044, L"XAML #AARRGGBB(&E)",
     L"カーソル位置のピクセルの色をXAMLの#AARRGGBBでコピー",
     kCopy, 0, false, false, 0, {}},
    {"actCopy_FormatCRgb", 6045, L"C/C++ RGB()(&F)",
     L"カーソル位置のピクセルの色をC/C++のRGB()でコピー",
     kCopy, 0, false, false, 0, {}},
    {"actCopy_FormatCSharp", 6046, L"C# Color.FromArgb()(&G)",
     L"カーソル位置のピクセルの色をC#のColor.FromArgb()でコピー",
     kCopy, 0, false, false, 0, {}},

    {"actCapture_Lupe", 7001, L"ルーペモード(&L)",
     L"ウィンドウ下のデスクトップをキャプチャする",
     kCapture, 0, false, true, 4, {}},
    {"actCapture_Fixed", 7002, L"定点キャプチャモード(&F)",
     L"カーソルに追従せず指定したデスクトップの一点をキャプチャする",
     kCapture, 0, false, false, 4, {}},
    {"actCapture_Pause", 7011, L"一時停止(&P)",
     L"キャプチャの一時停止",
     kCapture, 0, false, false, 0, {}},
    {"actCapture_Update", 7012, L"更新(&U)",
     L"一時停止時の情報を更新",
     kCapture, 0, false, false, 0, {}},
    {"actCapture_Disp_x1", 7013, L"実寸表示 (1:1)", L"", kCapture, 0, false, false, 0, {}},

    {"actOpt_StayOnTop", 8001, L"常に前面に表示(&A)",
     L"常に他のプログラムより前面に表示",
     kOpt, 0, false, false, 0, {}},
    {"actOpt_BigFont", 8005, L"大きいフォント(&F)",
     L"情報の表示に大きな文字を使用",
     kOpt, 12, false, true, 0, {}},
    {"actOpt_NoSelfCapture", 8006, L"自身をキャプチャしない(&N)",
     L"自分自身をキャプチャしない",
     kOpt, 0, false, true, 0, {}},
    {"actOpt_SmoothCapture", 8007, L"スムーズキャプチャ(&S)",
     L"キャプチャ間隔を短くして滑らかな表示にする",
     kOpt, 30, false, true, 0, {}},

    {"actMenu_Main", 10001, L"メニュー表示",
     L"メニューをポップアップする",
     kMenu, 0, false, false, 0, {kVkF10, kModAlt}},

    {"actMove_Monitor", 11005, L"モニター間移動",
     L"フォームを表示するモニターを変える",
     kMove, 0, false, false, 0, {}},
    {"actMove_Left", 11003, L"←", L"マウスカーソルを左に移動", kMove, 0, false, false, 0, {}},
    {"actMove_Right", 11004, L"→", L"マウスカーソルを右に移動", kMove, 0, false, false, 0, {}},
    {"actMove_Up", 11001, L"↑", L"マウスカーソルを上に移動", kMove, 0, false, false, 0, {}},
    {"actMove_Down", 11002, L"↓", L"マウスカーソルを下に移動", kMove, 0, false, false, 0, {}},

    {"actFile_Minimize", 12001, L"最小化(&N)", L"最小化", kFile, 0, false, false, 0, {}},
    {"actFile_Exit", 12002, L"終了(&X)",
     L"プログラム終了",
     kFile, 0, false, false, 0, {kVkF4, kModAlt}},

    {"actHelp", 13001, L"バージョン情報(&V)", L"バージョン情報表示", kHelp, 0, false, false, 0, {}},

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

MenuItemDef Submenu(const char* name, const wchar_t* caption, const wchar_t* hint,
                    std::vector<MenuItemDef> items) {
  MenuItemDef item;
  item.Name = name;
  item.Kind = MenuItemKind::kSubmenu;
  item.Caption = caption;
  item.Hint = hint;
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

MenuItemDef WithText(MenuItemDef item, const wchar_t* caption, const wchar_t* hint) {
  item.Caption = caption;
  item.Hint = hint;
  return item;
}

MenuItemDef BuildZoomMenu() {
  // The order is the zoom ladder that the zoom steps climb. The 12x item shows
  // a check mark rather than a radio bullet.
  return WithTag(Submenu("mniZoom", L"ズーム(&Z)", L"",
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
  return Submenu("mniGrid", L"グリッド(&G)", L"",
                 {
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

MenuItemDef BuildColorMenu() {
  return Submenu("mniColor", L"カラー情報(&R)", L"ピクセルの色の情報表示の仕方を選択",
                 {
                     Item("mniColor_RGB", "actColor_RGB"),
                     Item("mniColor_HTML", "actColor_HTML"),
                     Item("mniColor_ColorRef", "actColor_COLORREF"),
                     Item("mniColor_Contrast", "actColor_Contrast"),
                     Item("mniColor_Hsl", "actColor_Hsl"),
                     Separator("mniColor_Line1"),
                     Bold(WithText(Item("mniColor_InfoOnOff", "actColor_InfoOnOff"), L"",
                                   L"カラー情報表示の一括ON/OFF")),
                     Separator("mniColor_Line2"),
                     Item("mniColor_SetReference", "actColor_SetReference"),
                 });
}

MenuItemDef BuildPosMenu() {
  return Submenu("mniPos", L"カーソル位置(&P)", L"マウスカーソルの位置を表示する時の座標を選択",
                 {
                     Item("mniPos_Screen", "actPos_Screen"),
                     Item("mniPos_Client", "actPos_Client"),
                     Item("mniPos_User", "actPos_User"),
                     Item("mniPos_Dpi", "actPos_Dpi"),
                     Item("mniPos_Distance", "actPos_Distance"),
                     Separator("mniPos_Line1"),
                     Bold(Item("mniPos_InfoOnOff", "actPos_InfoOnOff")),
                 });
}

MenuItemDef BuildWinInfoMenu() {
  return Submenu("mniWinInfo", L"ウィンドウ情報(&W)", L"ウィンドウの各種情報の表示を選択",
                 {
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
                     Bold(WithText(Item("mniWinInfo_InfoOnOff", "actWinInfo_InfoOnOff"),
                                   L"表示の一括ON/OFF", L"ウィンドウ情報表示の一括ON/OFF")),
                 });
}

MenuItemDef BuildCopyMenu() {
  return Submenu(
      "mniCopy", L"コピー(&C)", L"クリップボードへコピー",
      {
          Item("mniCopy_Report", "actCopy_Report"),
          Item("mniCopy_Picture", "actCopy_Picture"),
          Separator("mniCopy_Line1"),
          Item("mniCopy_ColorRGB", "actCopy_ColorRGB"),
          Item("mniCopy_ColorHTML", "actCopy_ColorHTML"),
          Item("mniCopy_ColorColorRef", "actCopy_ColorCOLORREF"),
          Item("mniCopy_ColorContrast", "actCopy_ColorContrast"),
          Separator("mniCopy_Line2"),
          Item("mniCopy_PosScreen", "actCopy_PosScreen"),
          Item("mniCopy_PosClient", "actCopy_PosClient"),
          Item("mniCopy_PosUser", "actCopy_PosUser"),
          Item("mniCopy_PosDpi", "actCopy_PosDpi"),
          Item("mniCopy_PosDistance", "actCopy_PosDistance"),
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
          Separator("mniCopy_Line4"),
          Submenu("mniCopy_Formats", L"カラー形式(&K)", L"ピクセルの色を各種の形式でコピー",
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
  top.push_back(Separator("mniMain_Line2"));
  top.push_back(BuildCopyMenu());
  top.push_back(Submenu("mniCapture", L"キャプチャ(&T)", L"",
                        {
                            Bold(Item("mniCapture_Pause", "actCapture_Pause")),
                            Separator("mniCapture_Line1"),
                            Radio(Item("mniCapture_Lupe", "actCapture_Lupe"), 4),
                            Radio(Item("mniCapture_Fixed", "actCapture_Fixed"), 4),
                        }));
  top.push_back(Submenu("mniOpt", L"設定(&O)", L"",
                        {
                            Bold(Item("mniOpt_StayOnTop", "actOpt_StayOnTop")),
                            Item("mniOpt_FontSize", "actOpt_BigFont"),
                            Item("mniOpt_NoSelfCapture", "actOpt_NoSelfCapture"),
                            Item("mniOpt_SmoothCapture", "actOpt_SmoothCapture"),
                        }));
  top.push_back(Separator("mniMain_Line3"));
  // Reached by F1 and by a key table from the settings file, not by the menu.
  top.push_back(Hidden(Item("mniHelp_VersionInfo", "actHelp")));
  top.push_back(Hidden(Item("mniFile_Minimize", "actFile_Minimize")));
  top.push_back(Hidden(Separator("mniMain_Line4")));
  top.push_back(Item("mniFile_Exit", "actFile_Exit"));
  return Submenu("mnuMain", L"", L"", std::move(top));
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
