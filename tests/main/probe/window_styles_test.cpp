#include "main/probe/window_styles.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct Case {
  uint32_t value;
  const wchar_t* text;
};

std::string Narrow(const std::wstring& text) { return std::string(text.begin(), text.end()); }

TEST(DecodeWindowStyle, NamesTheBitsHighestFirstAndTheClassWordInHex) {
  const Case cases[] = {
      // The main window of a dialog-less application.
      {0x960a0000,
       L"WS_POPUP | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_SYSMENU | WS_MINIMIZEBOX"},
      // WS_OVERLAPPEDWINDOW | WS_VISIBLE: the caption as one name, the boxes of a top-level window.
      {0x14cf0000,
       L"WS_VISIBLE | WS_CLIPSIBLINGS | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | "
       L"WS_MINIMIZEBOX | WS_MAXIMIZEBOX"},
      // A push button of a dialog: the same two bits are group and tab stop in a child.
      {0x50030001, L"WS_CHILD | WS_VISIBLE | WS_GROUP | WS_TABSTOP | 0x0001"},
      // A group box: only its class word besides.
      {0x50020007, L"WS_CHILD | WS_VISIBLE | WS_GROUP | 0x0007"},
      // Either frame bit alone keeps its own name.
      {0x00800000, L"WS_BORDER"},
      {0x00400000, L"WS_DLGFRAME"},
      {0x40c00000, L"WS_CHILD | WS_CAPTION"},
      // States and scroll bars.
      {0x29300000, L"WS_MINIMIZE | WS_DISABLED | WS_MAXIMIZE | WS_VSCROLL | WS_HSCROLL"},
      // No WS_ bit: the overlapped type, which is zero.
      {0x00000000, L"WS_OVERLAPPED"},
      {0x0000ffff, L"WS_OVERLAPPED | 0xFFFF"},
      {0x000000a0, L"WS_OVERLAPPED | 0x00A0"},
      {0xffffffff,
       L"WS_POPUP | WS_CHILD | WS_MINIMIZE | WS_VISIBLE | WS_DISABLED | WS_CLIPSIBLINGS | "
       L"WS_CLIPCHILDREN | WS_MAXIMIZE | WS_CAPTION | WS_VSCROLL | WS_HSCROLL | WS_SYSMENU | "
       L"WS_THICKFRAME | WS_GROUP | WS_TABSTOP | 0xFFFF"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(Narrow(DecodeWindowStyle(c.value)), Narrow(c.text)) << std::hex << c.value;
}

TEST(DecodeWindowStyle, EveryBitOfTheHighWordHasItsOwnPlace) {
  // Each bit alone yields one name without a class word, and no two bits share a name except
  // through the child rule.
  for (int shift = 16; shift < 32; ++shift) {
    const uint32_t bit = 1u << shift;
    const std::wstring text = DecodeWindowStyle(bit);
    EXPECT_EQ(text.find(L" | "), std::wstring::npos) << std::hex << bit;
    EXPECT_EQ(text.rfind(L"WS_", 0), 0u) << std::hex << bit;
    EXPECT_NE(text, L"WS_OVERLAPPED") << std::hex << bit;
  }
}

TEST(DecodeExtendedStyle, NamesTheBitsAndGathersTheUnnamedOnesInHex) {
  const Case cases[] = {
      {0x00040000, L"WS_EX_APPWINDOW"},
      {0x00000000, L"WS_EX_LEFT"},
      // The helper's tool windows: topmost, tool window, no activation.
      {0x08000088, L"WS_EX_NOACTIVATE | WS_EX_TOOLWINDOW | WS_EX_TOPMOST"},
      {0x00000300, L"WS_EX_CLIENTEDGE | WS_EX_WINDOWEDGE"},
      {0x00080020, L"WS_EX_LAYERED | WS_EX_TRANSPARENT"},
      {0x02700000,
       L"WS_EX_COMPOSITED | WS_EX_LAYOUTRTL | WS_EX_NOREDIRECTIONBITMAP | WS_EX_NOINHERITLAYOUT"},
      {0x00037455,
       L"WS_EX_STATICEDGE | WS_EX_CONTROLPARENT | WS_EX_LEFTSCROLLBAR | WS_EX_RTLREADING | "
       L"WS_EX_RIGHT | WS_EX_CONTEXTHELP | WS_EX_MDICHILD | WS_EX_ACCEPTFILES | "
       L"WS_EX_NOPARENTNOTIFY | WS_EX_DLGMODALFRAME"},
      // Bits without a documented name, alone and beside named ones.
      {0x00000002, L"0x00000002"},
      {0xf0000800, L"0xF0000800"},
      {0x85808008, L"WS_EX_TOPMOST | 0x85808000"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(Narrow(DecodeExtendedStyle(c.value)), Narrow(c.text)) << std::hex << c.value;
}

TEST(DecodeExtendedStyle, EveryBitIsNamedOrShownButNeverBoth) {
  for (int shift = 0; shift < 32; ++shift) {
    const uint32_t bit = 1u << shift;
    const std::wstring text = DecodeExtendedStyle(bit);
    const bool named = text.rfind(L"WS_EX_", 0) == 0;
    const bool hex = text.rfind(L"0x", 0) == 0;
    EXPECT_NE(named, hex) << std::hex << bit;
    EXPECT_EQ(text.find(L" | "), std::wstring::npos) << std::hex << bit;
    EXPECT_NE(text, L"WS_EX_LEFT") << std::hex << bit;
  }
}

}  // namespace
