// The windows that probe_target.exe puts on the screen, shared by the helper and the tests
// that look at them from another process. Boxes of top-level windows are in screen
// coordinates, boxes of child windows in their parent's client coordinates; no window has a
// border, so client and window rectangles coincide.
#pragma once
#include <string>

namespace probe_target {

struct Box {
  int Left, Top, Width, Height;
  int Right() const { return Left + Width; }
  int Bottom() const { return Top + Height; }
  int CenterX() const { return Left + Width / 2; }
  int CenterY() const { return Top + Height / 2; }
};

// Red all over: a top-level window and a child of it.
constexpr Box kRed{10, 20, 300, 200};
constexpr Box kRedChild{190, 80, 100, 60};
// A dialog-like window: two buttons, two overlapping panels (upper above lower in z-order)
// and a panel inside the upper one.
constexpr Box kDialog{620, 40, 300, 200};
constexpr Box kEnabledButton{10, 10, 100, 30};
constexpr Box kDisabledButton{10, 60, 100, 30};
constexpr Box kUpperPanel{150, 10, 100, 60};
constexpr Box kLowerPanel{200, 40, 90, 60};
constexpr Box kInnerPanel{5, 5, 30, 20};  // in the upper panel
// A small panel whose child reaches far beyond it, over a panel beneath: where the parent
// clips the child away, the panel beneath is what shows.
constexpr Box kClipperPanel{10, 110, 40, 40};
constexpr Box kOverhangPanel{20, 0, 100, 40};  // in the clipper panel
constexpr Box kBeneathPanel{60, 110, 80, 40};
// An elliptic window region over the whole box, above a plain window.
constexpr Box kBelowShaped{940, 20, 260, 260};
constexpr Box kShaped{960, 40, 200, 200};
// A translucent layered window above a plain one.
constexpr Box kBelowLayered{600, 280, 260, 200};
constexpr Box kLayered{620, 300, 200, 150};
// All frame, no client area, with a child at the client origin.
constexpr Box kNoClient{960, 300, 150, 100};
constexpr Box kNoClientChild{0, 0, 60, 40};
constexpr Box kLongText{620, 500, 200, 60};
constexpr Box kEditHost{960, 450, 250, 60};
constexpr Box kEdit{5, 5, 200, 24};
constexpr Box kUnicode{960, 560, 200, 60};
// A window whose class name the Japanese code page cannot hold, with a child of that class.
constexpr Box kUnicodeNamed{960, 640, 200, 60};
constexpr Box kUnicodeNamedChild{10, 10, 150, 40};
// Runs on a thread of its own so that it can stop answering while the others go on.
constexpr Box kHung{620, 600, 200, 100};
// Never shown.
constexpr Box kHidden{1100, 880, 150, 100};
// For the inspector: a window of known styles, whose caption tells what the helper knows
// about itself (StyledText); a dialog of the system's dialog class with a button inside a
// group box; a popup owned by that dialog.
constexpr Box kStyled{330, 20, 120, 80};
constexpr Box kOwned{470, 20, 110, 80};
constexpr Box kSystemDialog{330, 120, 260, 150};
// In the dialog's client area. The button lies inside the group box, above it in z-order.
constexpr Box kGroupBox{10, 5, 200, 90};
constexpr Box kGroupedButton{30, 30, 100, 30};
// For the element probe: one window that draws three buttons itself, with no child windows,
// and tells of them through an accessible object of its own. Buttons in client coordinates.
constexpr Box kDrawnButtons{10, 940, 330, 60};
constexpr Box kDrawnButton[3] = {{5, 10, 100, 40}, {115, 10, 100, 40}, {225, 10, 100, 40}};

constexpr wchar_t kRedClass[] = L"LoupistProbeRed";
constexpr wchar_t kRedChildClass[] = L"LoupistProbeRedChild";
constexpr wchar_t kDialogClass[] = L"LoupistProbeDialog";
constexpr wchar_t kPanelClass[] = L"LoupistProbePanel";
constexpr wchar_t kBelowShapedClass[] = L"LoupistProbeBelowShaped";
constexpr wchar_t kShapedClass[] = L"LoupistProbeShaped";
constexpr wchar_t kBelowLayeredClass[] = L"LoupistProbeBelowLayered";
constexpr wchar_t kLayeredClass[] = L"LoupistProbeLayered";
constexpr wchar_t kNoClientClass[] = L"LoupistProbeNoClient";
constexpr wchar_t kLongTextClass[] = L"LoupistProbeLongText";
constexpr wchar_t kEditHostClass[] = L"LoupistProbeEditHost";
constexpr wchar_t kUnicodeClass[] = L"LoupistProbeUnicode";
constexpr wchar_t kUnicodeNameClass[] = L"Ünïcødé✓Ωκ";
constexpr wchar_t kHungClass[] = L"LoupistProbeHung";
constexpr wchar_t kStyledClass[] = L"LoupistProbeStyled";
constexpr wchar_t kOwnedClass[] = L"LoupistProbeOwned";
constexpr wchar_t kSystemDialogClass[] = L"#32770";
constexpr wchar_t kDrawnButtonsClass[] = L"LoupistProbeDrawnButtons";

// The styles as the helper asks for them. The system keeps them as they are, except the
// dialog's, to which the dialog manager may add.
// WS_POPUP | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_SYSMENU | WS_MINIMIZEBOX
constexpr unsigned long kStyledStyle = 0x960a0000;
// WS_EX_TOPMOST | WS_EX_ACCEPTFILES | WS_EX_APPWINDOW | WS_EX_NOACTIVATE
constexpr unsigned long kStyledExStyle = 0x08040018;
// WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME
constexpr unsigned long kSystemDialogStyle = 0x80c80080;
// WS_CHILD | WS_VISIBLE | WS_GROUP | BS_GROUPBOX
constexpr unsigned long kGroupBoxStyle = 0x50020007;
// WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON | BS_FLAT
constexpr unsigned long kGroupedButtonStyle = 0x50018000;
// DPI_AWARENESS_CONTEXT_SYSTEM_AWARE: the awareness of the windows of the helper's first
// thread, where the system lets a thread choose.
constexpr long kSystemAwareContext = -2;
constexpr unsigned short kGroupBoxId = 1000;
constexpr unsigned short kGroupedButtonId = 1001;

constexpr wchar_t kRedText[] = L"Red window";
constexpr wchar_t kRedChildText[] = L"Red child";
constexpr wchar_t kEnabledText[] = L"Enabled";
constexpr wchar_t kDisabledText[] = L"Disabled";
constexpr wchar_t kUpperText[] = L"Upper";
constexpr wchar_t kLowerText[] = L"Lower";
constexpr wchar_t kInnerText[] = L"Inner";
constexpr wchar_t kClipperText[] = L"Clipper";
constexpr wchar_t kOverhangText[] = L"Overhang";
constexpr wchar_t kBeneathText[] = L"Beneath";
constexpr wchar_t kNoClientChildText[] = L"Hidden by the frame";
// Hangul is outside the Japanese code page; the rest is inside it.
constexpr wchar_t kUnicodeText[] = L"\uD55C\uAE00 ABC 日本語ﾃｷｽﾄ";
constexpr wchar_t kEditContents[] = L"typed into the edit 編集";
// What the hung window answers to WM_GETTEXT while it still answers; its caption is empty.
constexpr wchar_t kHungAnswer[] = L"still answering";
constexpr wchar_t kGroupBoxText[] = L"Group";
constexpr wchar_t kGroupedButtonText[] = L"Grouped";
constexpr wchar_t kOwnedText[] = L"Owned popup";
constexpr wchar_t kDrawnButtonsText[] = L"Drawn buttons";
constexpr const wchar_t* kDrawnButtonText[3] = {L"Draw One", L"Draw Two", L"Draw Three"};

// The styled window's caption: the helper's process id, the id of the thread that made its
// windows (all but the hung one) and its bitness, as it knows them of itself.
inline std::wstring StyledText(unsigned long processId, unsigned long threadId, int bits) {
  return L"Styled " + std::to_wstring(processId) + L" " + std::to_wstring(threadId) + L" " +
         std::to_wstring(bits);
}

// 300 characters, A to Z over and over.
inline std::wstring LongText() {
  std::wstring text;
  for (int i = 0; i < 300; ++i) text += static_cast<wchar_t>(L'A' + i % 26);
  return text;
}

// A class name longer than the 254 characters that a class-name query returns.
inline std::wstring LongClassName() {
  std::wstring name = L"LoupistProbeLongClass";
  while (name.size() < 255) name += static_cast<wchar_t>(L'a' + name.size() % 26);
  return name;
}

// Events the test creates before it starts the helper; the helper's command line is the
// token that makes the names unique.
inline std::wstring EventName(const std::wstring& token, const wchar_t* what) {
  return L"LoupistProbeTarget." + token + L"." + what;
}
constexpr wchar_t kReadyEvent[] = L"Ready";      // set by the helper: every window stands
constexpr wchar_t kHangingEvent[] = L"Hanging";  // set by the helper: the hung window waits
constexpr wchar_t kReleaseEvent[] = L"Release";  // set by the test: answer again

// The helper's exit code when it ends before it is ready: what it could not do.
constexpr int kExitNoCom = 5;         // COM on its first thread
constexpr int kExitNoEvents = 2;      // open the events the test made
constexpr int kExitNoDialog = 4;      // make the dialog of the system's class
constexpr int kExitNoHungThread = 3;  // see the hung window's thread make it within 10 s

// Posted to the hung window: stop answering until the release event.
constexpr unsigned kHangMessage = 0x8000 + 1;  // WM_APP + 1

}  // namespace probe_target
