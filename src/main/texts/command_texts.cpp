#include "main/texts/command_texts.h"

#include <iterator>

namespace {

// Categories, as the command list groups them.
constexpr TText kZoom{L"ズーム", L"Zoom"};
constexpr TText kGrid{L"グリッド", L"Grid"};
constexpr TText kColor{L"カラー情報", L"Color"};
constexpr TText kPos{L"カーソル位置", L"Position"};
constexpr TText kWinInfo{L"ウィンドウ情報", L"Window info"};
constexpr TText kElement{L"要素情報", L"Element info"};
constexpr TText kCopy{L"コピー", L"Copy"};
constexpr TText kCapture{L"キャプチャ", L"Capture"};
constexpr TText kOpt{L"設定", L"Settings"};
constexpr TText kMenu{L"メニュー", L"Menu"};
constexpr TText kMove{L"移動", L"Move"};
constexpr TText kFile{L"ファイル", L"File"};
constexpr TText kHelp{L"ヘルプ", L"Help"};

// clang-format off
// Command, caption, hint, category; in the order of the ids.
constexpr TCommandText kCommandTexts[] = {
    {Cmd::actZoom_1, {L" 1倍", L" 1x"}, {L"1倍", L"Zoom 1x"}, kZoom},
    {Cmd::actZoom_2, {L" 2倍", L" 2x"}, {L"2倍", L"Zoom 2x"}, kZoom},
    {Cmd::actZoom_3, {L" 3倍", L" 3x"}, {L"3倍", L"Zoom 3x"}, kZoom},
    {Cmd::actZoom_4, {L" 4倍", L" 4x"}, {L"4倍", L"Zoom 4x"}, kZoom},
    {Cmd::actZoom_6, {L" 6倍", L" 6x"}, {L"6倍", L"Zoom 6x"}, kZoom},
    {Cmd::actZoom_8, {L" 8倍", L" 8x"}, {L"8倍", L"Zoom 8x"}, kZoom},
    {Cmd::actZoom_10, {L"10倍", L"10x"}, {L"10倍", L"Zoom 10x"}, kZoom},
    {Cmd::actZoom_12, {L"12倍", L"12x"}, {L"12倍", L"Zoom 12x"}, kZoom},
    {Cmd::actZoom_16, {L"16倍", L"16x"}, {L"16倍", L"Zoom 16x"}, kZoom},
    {Cmd::actZoom_20, {L"20倍", L"20x"}, {L"20倍", L"Zoom 20x"}, kZoom},
    {Cmd::actZoom_Up, {L"ズームアップ", L"Zoom in"}, {L"拡大", L"Zoom in one step"}, kZoom},
    {Cmd::actZoom_Down, {L"ズームダウン", L"Zoom out"}, {L"縮小", L"Zoom out one step"}, kZoom},

    {Cmd::actGrid_Disp, {L"グリッド表示(&D)", L"Show gri&d"},
     {L"グリッドとルーラを表示", L"Show the grid and the ruler"}, kGrid},
    {Cmd::actGrid_Gray, {L"灰色(&G)", L"&Gray"},
     {L"灰色でグリッドを引く", L"Draw the grid in gray"}, kGrid},
    {Cmd::actGrid_Invert, {L"反転(&I)", L"&Invert"},
     {L"画面下の色の反転色でグリッドを引く", L"Draw the grid in the inverse of the screen"}, kGrid},
    {Cmd::actGrid_Transparent, {L"半透明(&T)", L"&Translucent"},
     {L"画面の色より少し濃い色でグリッドを引く", L"Draw the grid a little darker than the screen"},
     kGrid},
    {Cmd::actGrid_SelColor, {L"グリッド色選択(&U)...", L"C&ustom grid color..."},
     {L"グリッドの色を選択", L"Choose the grid color"}, kGrid},
    {Cmd::actGrid_SubBlue, {L"サブグリッド - 青(&B)", L"Sub-grid &blue"},
     {L"青色でサブグリッドを引く", L"Draw the sub-grid in blue"}, kGrid},
    {Cmd::actGrid_SelSubColor, {L"サブグリッド色選択(&S)...", L"Custom &sub-grid color..."},
     {L"サブグリッドの色を選択", L"Choose the sub-grid color"}, kGrid},

    {Cmd::actColor_RGB, {L"RGB(&R)", L"&RGB"},
     {L"カーソル位置のピクセルの色を赤(R)、緑(G)、青(B)に分けて表示",
      L"Show the probe pixel's color as red, green and blue"}, kColor},
    {Cmd::actColor_HTML, {L"HTML(&H)", L"&HTML"},
     {L"カーソル位置のピクセルの色をHTML用に16進で表示",
      L"Show the probe pixel's color in hexadecimal for HTML"}, kColor},
    {Cmd::actColor_COLORREF, {L"COLORREF(&C)", L"&COLORREF"},
     {L"カーソル位置のピクセルの色をCOLORREFで表示",
      L"Show the probe pixel's color as a COLORREF"}, kColor},
    {Cmd::actColor_Contrast, {L"コントラスト(&N)", L"Co&ntrast"},
     {L"カーソル位置のピクセルの色と基準色のコントラスト比を表示",
      L"Show the contrast ratio of the probe pixel's color to the reference color"}, kColor},
    {Cmd::actColor_Hsl, {L"HSL(&S)", L"H&SL"},
     {L"カーソル位置のピクセルの色を色相、彩度、明度で表示",
      L"Show the probe pixel's color as hue, saturation and lightness"}, kColor},
    {Cmd::actColor_SetReference, {L"基準色に設定(&B)", L"Set as r&eference color"},
     {L"カーソル位置のピクセルの色をコントラストの基準色にする",
      L"Make the probe pixel's color the contrast's reference"}, kColor},
    {Cmd::actColor_InfoOnOff, {L"表示の一括ON/OFF", L"All on/off"}, {L"", L""}, kColor},

    {Cmd::actPos_Screen, {L"スクリーン(&S)", L"&Screen"},
     {L"カーソルの位置をスクリーン座標で表示", L"Show the position in screen coordinates"}, kPos},
    {Cmd::actPos_Client, {L"クライアント(&C)", L"&Client"},
     {L"カーソルの位置をクライアント座標で表示", L"Show the position in client coordinates"},
     kPos},
    {Cmd::actPos_User, {L"ユーザー指定(&U) [ｽﾍﾟｰｽ=原点]", L"&User [Space = origin]"},
     {L"カーソルの位置をユーザー指定の座標で表示",
      L"Show the position relative to the user's origin"}, kPos},
    {Cmd::actPos_Dpi, {L"DPI(&I)", L"DP&I"},
     {L"カーソル位置のモニターのDPIを表示", L"Show the DPI of the monitor under the probe point"},
     kPos},
    {Cmd::actPos_Distance, {L"距離(&D)", L"&Distance"},
     {L"ユーザー指定の原点からカーソル位置までの距離を表示",
      L"Show the distance from the user's origin to the probe point"}, kPos},
    {Cmd::actPos_UserPosSet, {L"ユーザー指定の原点セット", L"Set the user origin"},
     {L"ユーザー指定座標の原点をセット", L"Set the origin of the user coordinates"}, kPos},
    {Cmd::actPos_InfoOnOff, {L"表示の一括ON/OFF", L"All on/off"},
     {L"カーソル位置情報表示の一括ON/OFF", L"All position lines on or off"}, kPos},

    {Cmd::actWinInfo_Handle, {L"ハンドル(&H)", L"&Handle"},
     {L"ウィンドウのハンドルを表示", L"Show the window's handle"}, kWinInfo},
    {Cmd::actWinInfo_ClassName, {L"クラス名(&N)", L"Class &name"},
     {L"ウィンドウのクラス名を表示", L"Show the window's class name"}, kWinInfo},
    {Cmd::actWinInfo_Text, {L"テキスト(&T)", L"&Text"},
     {L"ウィンドウのテキスト（キャプション）を表示", L"Show the window's text (caption)"},
     kWinInfo},
    {Cmd::actWinInfo_WindowSize, {L"ウィンドウサイズ(&W)", L"&Window size"},
     {L"ウィンドウのサイズを表示", L"Show the window's place and size"}, kWinInfo},
    {Cmd::actWinInfo_ClientSize, {L"クライアントサイズ(&C)", L"&Client size"},
     {L"ウィンドウのクライアントサイズを表示", L"Show the window's client size"}, kWinInfo},
    {Cmd::actWinInfo_Rect, {L"RECT(&R)", L"&RECT"},
     {L"ウィンドウのRectをスクリーン座標で表示", L"Show the window's RECT in screen coordinates"},
     kWinInfo},
    {Cmd::actWinInfo_ExeName, {L"実行ファイル名(&X)", L"E&xecutable"},
     {L"実行ファイル名を表示", L"Show the executable file"}, kWinInfo},
    {Cmd::actWinInfo_Style, {L"スタイル(&S)", L"&Style"},
     {L"ウィンドウのスタイルと拡張スタイルを表示", L"Show the window's style and extended style"},
     kWinInfo},
    {Cmd::actWinInfo_Parent, {L"親ウィンドウ(&P)", L"&Parent window"},
     {L"親ウィンドウ（オーナー）のハンドルとクラス名を表示",
      L"Show the parent (or owner) window's handle and class name"}, kWinInfo},
    {Cmd::actWinInfo_Process, {L"プロセス(&O)", L"Pr&ocess"},
     {L"プロセスID、スレッドID、ビット数、整合性レベルを表示",
      L"Show the process and thread ids, the bitness and the integrity level"}, kWinInfo},
    {Cmd::actWinInfo_DpiAwareness, {L"DPI認識(&I)", L"DP&I awareness"},
     {L"ウィンドウのDPI認識とDPIを表示", L"Show the window's DPI awareness and DPI"}, kWinInfo},
    {Cmd::actWinInfo_VisibleBounds, {L"見た目の範囲(&V)", L"&Visible bounds"},
     {L"見えない枠を除いたウィンドウの範囲を表示",
      L"Show the window's bounds without its invisible frame"}, kWinInfo},
    {Cmd::actWinInfo_InfoOnOff, {L"ウィンドウ情報表示の一括ON/OFF", L"All window lines on/off"},
     {L"", L""}, kWinInfo},
    {Cmd::actElement_Element, {L"要素(&E)", L"&Element"},
     {L"カーソル位置のUI要素の種類と名前を表示", L"Show the type and name of the UI element"},
     kElement},
    {Cmd::actElement_AutomationId, {L"要素ID(&I)", L"Automation &ID"},
     {L"UI要素のオートメーションIDを表示", L"Show the UI element's automation id"}, kElement},
    {Cmd::actElement_Bounds, {L"要素範囲(&B)", L"&Bounds"},
     {L"UI要素の範囲を表示", L"Show the UI element's bounds"}, kElement},
    {Cmd::actElement_Framework, {L"フレームワーク(&F)", L"&Framework"},
     {L"UI要素のフレームワークを表示", L"Show the UI element's framework"}, kElement},
    {Cmd::actElement_InfoOnOff, {L"要素情報表示の一括ON/OFF", L"All element lines on/off"},
     {L"", L""}, kElement},

    {Cmd::actCopy_Report, {L"すべての情報(&A)", L"&All information"},
     {L"パネルのすべての情報、親チェーン、スタイルをクリップボードへコピー",
      L"Copy every line of the panel, the parent chain and the styles"}, kCopy},
    {Cmd::actCopy_Picture, {L"ズーム画像", L"Picture"},
     {L"ズーム画像をクリップボードへコピー", L"Copy the magnified picture"}, kCopy},
    {Cmd::actCopy_ColorRGB, {L"カラー情報/RGB", L"Color/RGB"},
     {L"カーソル位置のピクセルの色をRGBに分けたものをクリップボードへコピー",
      L"Copy the probe pixel's red, green and blue"}, kCopy},
    {Cmd::actCopy_ColorHTML, {L"カラー情報/HTML", L"Color/HTML"},
     {L"カーソル位置のピクセルの色をHTML用にしてクリップボードへコピー",
      L"Copy the probe pixel's color for HTML"}, kCopy},
    {Cmd::actCopy_ColorCOLORREF, {L"カラー情報/COLORREF", L"Color/COLORREF"},
     {L"カーソル位置のピクセルの色をCOLORREFとしてクリップボードへコピー",
      L"Copy the probe pixel's color as a COLORREF"}, kCopy},
    {Cmd::actCopy_ColorContrast, {L"カラー情報/コントラスト", L"Color/Contrast"},
     {L"基準色とのコントラスト比をクリップボードへコピー",
      L"Copy the contrast ratio to the reference color"}, kCopy},
    {Cmd::actCopy_PosScreen, {L"カーソル位置/スクリーン座標", L"Position/Screen"},
     {L"スクリーン座標", L"Screen coordinates"}, kCopy},
    {Cmd::actCopy_PosClient, {L"カーソル位置/クライアント座標", L"Position/Client"},
     {L"クライアント座標", L"Client coordinates"}, kCopy},
    {Cmd::actCopy_PosUser, {L"カーソル位置/ユーザー指定座標", L"Position/User"},
     {L"ユーザー指定座標", L"User coordinates"}, kCopy},
    {Cmd::actCopy_PosDpi, {L"カーソル位置/DPI", L"Position/DPI"},
     {L"カーソル位置のモニターのDPI", L"The DPI of the monitor under the probe point"}, kCopy},
    {Cmd::actCopy_PosDistance, {L"カーソル位置/距離", L"Position/Distance"},
     {L"ユーザー指定の原点からの距離", L"The distance from the user's origin"}, kCopy},
    {Cmd::actCopy_WInfoHandle, {L"ウィンドウ情報/ハンドル", L"Window/Handle"},
     {L"ウィンドウハンドル", L"Window handle"}, kCopy},
    {Cmd::actCopy_WInfoClassName, {L"ウィンドウ情報/クラス名", L"Window/Class name"},
     {L"ウィンドウクラス名", L"Window class name"}, kCopy},
    {Cmd::actCopy_WInfoText, {L"ウィンドウ情報/テキスト", L"Window/Text"},
     {L"ウィンドウテキスト", L"Window text"}, kCopy},
    {Cmd::actCopy_WInfoWindowSize, {L"ウィンドウ情報/ウィンドウサイズ", L"Window/Window size"},
     {L"ウィンドウサイズ", L"Window place and size"}, kCopy},
    {Cmd::actCopy_WInfoClientSize, {L"ウィンドウ情報/クライアントサイズ", L"Window/Client size"},
     {L"クライアントウィンドウのサイズ", L"Client size"}, kCopy},
    {Cmd::actCopy_WInfoRect, {L"ウィンドウ情報/RECT", L"Window/RECT"},
     {L"ウィンドウのRECT", L"Window RECT"}, kCopy},
    {Cmd::actCopy_WInfoExeName, {L"ウィンドウ情報/実行ファイル名", L"Window/Executable"},
     {L"実行ファイル名", L"Executable file"}, kCopy},
    {Cmd::actCopy_WInfoStyle, {L"ウィンドウ情報/スタイル", L"Window/Style"},
     {L"ウィンドウのスタイル（Shiftで拡張スタイル）",
      L"Window style (with Shift the extended style)"}, kCopy},
    {Cmd::actCopy_WInfoParent, {L"ウィンドウ情報/親ウィンドウ", L"Window/Parent window"},
     {L"親ウィンドウ（オーナー）", L"Parent (or owner) window"}, kCopy},
    {Cmd::actCopy_WInfoProcess, {L"ウィンドウ情報/プロセス", L"Window/Process"},
     {L"プロセスの情報", L"Process facts"}, kCopy},
    {Cmd::actCopy_WInfoDpiAwareness, {L"ウィンドウ情報/DPI認識", L"Window/DPI awareness"},
     {L"ウィンドウのDPI認識", L"Window DPI awareness"}, kCopy},
    {Cmd::actCopy_WInfoVisibleBounds, {L"ウィンドウ情報/見た目の範囲", L"Window/Visible bounds"},
     {L"見えない枠を除いたウィンドウの範囲", L"Window bounds without the invisible frame"},
     kCopy},
    {Cmd::actCopy_ElementElement, {L"要素情報/要素", L"Element/Element"},
     {L"UI要素の名前（Shiftで種類と名前）", L"UI element name (with Shift its type and name)"},
     kCopy},
    {Cmd::actCopy_ElementAutomationId, {L"要素情報/要素ID", L"Element/Automation ID"},
     {L"UI要素のオートメーションID", L"UI element automation id"}, kCopy},
    {Cmd::actCopy_ElementBounds, {L"要素情報/要素範囲", L"Element/Bounds"},
     {L"UI要素の範囲", L"UI element bounds"}, kCopy},
    {Cmd::actCopy_ElementFramework, {L"要素情報/フレームワーク", L"Element/Framework"},
     {L"UI要素のフレームワーク", L"UI element framework"}, kCopy},
    {Cmd::actCopy_FormatCssHex, {L"CSS #rrggbb(&A)", L"CSS #rrggbb (&A)"},
     {L"カーソル位置のピクセルの色をCSSの16進表記でコピー",
      L"Copy the probe pixel's color as CSS hexadecimal"}, kCopy},
    {Cmd::actCopy_FormatCssRgb, {L"CSS rgb()(&B)", L"CSS rgb() (&B)"},
     {L"カーソル位置のピクセルの色をCSSのrgb()でコピー",
      L"Copy the probe pixel's color as CSS rgb()"}, kCopy},
    {Cmd::actCopy_FormatCssHsl, {L"CSS hsl()(&C)", L"CSS hsl() (&C)"},
     {L"カーソル位置のピクセルの色をCSSのhsl()でコピー",
      L"Copy the probe pixel's color as CSS hsl()"}, kCopy},
    {Cmd::actCopy_FormatFloats, {L"0.0～1.0(&D)", L"0.0-1.0 (&D)"},
     {L"カーソル位置のピクセルの色を0.0～1.0の小数でコピー",
      L"Copy the probe pixel's color as fractions from 0.0 to 1.0"}, kCopy},
    {Cmd::actCopy_FormatXaml, {L"XAML #AARRGGBB(&E)", L"XAML #AARRGGBB (&E)"},
     {L"カーソル位置のピクセルの色をXAMLの#AARRGGBBでコピー",
      L"Copy the probe pixel's color as XAML #AARRGGBB"}, kCopy},
    {Cmd::actCopy_FormatCRgb, {L"C/C++ RGB()(&F)", L"C/C++ RGB() (&F)"},
     {L"カーソル位置のピクセルの色をC/C++のRGB()でコピー",
      L"Copy the probe pixel's color as C/C++ RGB()"}, kCopy},
    {Cmd::actCopy_FormatCSharp, {L"C# Color.FromArgb()(&G)", L"C# Color.FromArgb() (&G)"},
     {L"カーソル位置のピクセルの色をC#のColor.FromArgb()でコピー",
      L"Copy the probe pixel's color as C# Color.FromArgb()"}, kCopy},

    {Cmd::actCapture_Lupe, {L"ルーペモード(&L)", L"&Loupe mode"},
     {L"ウィンドウ下のデスクトップをキャプチャする",
      L"Magnify the desktop under the window"}, kCapture},
    {Cmd::actCapture_Fixed, {L"定点キャプチャモード(&F)", L"&Fixed-point mode"},
     {L"カーソルに追従せず指定したデスクトップの一点をキャプチャする",
      L"Hold one point of the desktop instead of following the pointer"}, kCapture},
    {Cmd::actCapture_Pause, {L"一時停止(&P)", L"&Pause"},
     {L"キャプチャの一時停止", L"Pause the capture"}, kCapture},
    {Cmd::actCapture_Update, {L"更新(&U)", L"&Update"},
     {L"一時停止時の情報を更新", L"Take a new snapshot while paused"}, kCapture},
    {Cmd::actCapture_Disp_x1, {L"実寸表示 (1:1)", L"Actual size (1:1)"}, {L"", L""}, kCapture},

    {Cmd::actOpt_StayOnTop, {L"常に前面に表示(&A)", L"Stay on &top"},
     {L"常に他のプログラムより前面に表示", L"Keep the window above other programs"}, kOpt},
    {Cmd::actOpt_BigFont, {L"大きいフォント(&F)", L"Large &font"},
     {L"情報の表示に大きな文字を使用", L"Show the panel in larger text"}, kOpt},
    {Cmd::actOpt_NoSelfCapture, {L"自身をキャプチャしない(&N)", L"Leave ow&n window out"},
     {L"自分自身をキャプチャしない", L"Keep the program's own window out of the picture"}, kOpt},
    {Cmd::actOpt_SmoothCapture, {L"スムーズキャプチャ(&S)", L"&Smooth capture"},
     {L"キャプチャ間隔を短くして滑らかな表示にする",
      L"Capture more often for a smoother picture"}, kOpt},
    {Cmd::actOpt_InstantFollow, {L"即時追従(&I)", L"&Instant follow"},
     {L"マウスの動きに合わせてすぐに表示を更新する",
      L"Redraw at once, within a display frame, when the pointer moves"}, kOpt},
    {Cmd::actOpt_LanguageJapanese, {L"日本語(&J)", L"日本語(&J)"},
     {L"日本語で表示", L"Show Japanese texts"}, kOpt},
    {Cmd::actOpt_LanguageEnglish, {L"&English", L"&English"},
     {L"英語で表示", L"Show English texts"}, kOpt},

    {Cmd::actMenu_Main, {L"メニュー表示", L"Show menu"},
     {L"メニューをポップアップする", L"Open the menu"}, kMenu},

    {Cmd::actMove_Monitor, {L"モニター間移動", L"Move to next monitor"},
     {L"フォームを表示するモニターを変える", L"Move the window to the next monitor"}, kMove},
    {Cmd::actMove_Left, {L"←", L"←"}, {L"マウスカーソルを左に移動", L"Move the pointer left"},
     kMove},
    {Cmd::actMove_Right, {L"→", L"→"}, {L"マウスカーソルを右に移動", L"Move the pointer right"},
     kMove},
    {Cmd::actMove_Up, {L"↑", L"↑"}, {L"マウスカーソルを上に移動", L"Move the pointer up"}, kMove},
    {Cmd::actMove_Down, {L"↓", L"↓"}, {L"マウスカーソルを下に移動", L"Move the pointer down"},
     kMove},

    {Cmd::actFile_Minimize, {L"最小化(&N)", L"Mi&nimize"}, {L"最小化", L"Minimize"}, kFile},
    {Cmd::actFile_Exit, {L"終了(&X)", L"E&xit"}, {L"プログラム終了", L"Quit the program"}, kFile},

    {Cmd::actHelp, {L"バージョン情報(&V)", L"&Version"},
     {L"バージョン情報表示", L"Show the version"}, kHelp},
};
// clang-format on

constexpr bool TableFollowsTheIds() {
  if (std::size(kCommandTexts) != kMainCommandCount) return false;
  for (std::size_t i = 0; i < kMainCommandCount; ++i)
    if (IndexOf(kCommandTexts[i].Id) != i) return false;
  return true;
}
static_assert(TableFollowsTheIds(), "the command texts must follow LOUPIST_MAIN_COMMANDS");

}  // namespace

const TCommandText& CommandText(Cmd id) { return kCommandTexts[IndexOf(id)]; }

const std::vector<TMenuText>& MenuTexts() {
  static const std::vector<TMenuText> texts = {
      {"mniZoom", {L"ズーム(&Z)", L"&Zoom"}, {L"", L""}},
      {"mniGrid", {L"グリッド(&G)", L"&Grid"}, {L"", L""}},
      {"mniColor",
       {L"カラー情報(&R)", L"Colo&r"},
       {L"ピクセルの色の情報表示の仕方を選択", L"Choose how the pixel's color is shown"}},
      {"mniColor_InfoOnOff",
       {L"", L""},
       {L"カラー情報表示の一括ON/OFF", L"All color lines on or off"}},
      {"mniPos",
       {L"カーソル位置(&P)", L"&Position"},
       {L"マウスカーソルの位置を表示する時の座標を選択",
        L"Choose the coordinates of the pointer's position"}},
      {"mniWinInfo",
       {L"ウィンドウ情報(&W)", L"&Window info"},
       {L"ウィンドウの各種情報の表示を選択", L"Choose the facts shown of the window"}},
      {"mniWinInfo_InfoOnOff",
       {L"表示の一括ON/OFF", L"All on/off"},
       {L"ウィンドウ情報表示の一括ON/OFF", L"All window lines on or off"}},
      {"mniElement",
       {L"要素情報(&E)", L"&Element info"},
       {L"カーソル位置のUI要素の情報表示を選択", L"Choose the facts shown of the UI element"}},
      {"mniElement_InfoOnOff",
       {L"表示の一括ON/OFF", L"All on/off"},
       {L"要素情報表示の一括ON/OFF", L"All element lines on or off"}},
      {"mniCopy", {L"コピー(&C)", L"&Copy"}, {L"クリップボードへコピー", L"Copy to the clipboard"}},
      {"mniCopy_Formats",
       {L"カラー形式(&K)", L"Color &formats"},
       {L"ピクセルの色を各種の形式でコピー", L"Copy the pixel's color in other formats"}},
      {"mniCapture", {L"キャプチャ(&T)", L"Cap&ture"}, {L"", L""}},
      {"mniOpt", {L"設定(&O)", L"&Settings"}, {L"", L""}},
      {"mniOpt_Language",
       {L"&Language / 言語", L"&Language / 言語"},
       {L"表示の言語を選択", L"Choose the language of the texts"}},
  };
  return texts;
}

void ApplyCommandTexts(ActionList& commands) {
  for (const TCommandText& row : kCommandTexts)
    commands[IndexOf(row.Id)].SetTexts(Pick(row.Caption), Pick(row.Hint), Pick(row.Category));
}

namespace {
constexpr Cmd kLanguageCommands[kLanguageCount] = {Cmd::actOpt_LanguageJapanese,
                                                   Cmd::actOpt_LanguageEnglish};
}  // namespace

Cmd LanguageCommand(TLanguage language) { return kLanguageCommands[static_cast<int>(language)]; }
