#include "main/probe/window_styles.h"

namespace {

struct NamedBit {
  uint32_t Bits;
  const wchar_t* Name;
};

constexpr uint32_t kChild = 0x40000000;     // WS_CHILD
constexpr uint32_t kBorder = 0x00800000;    // WS_BORDER
constexpr uint32_t kDlgFrame = 0x00400000;  // WS_DLGFRAME
constexpr uint32_t kBox1 = 0x00020000;      // WS_MINIMIZEBOX, WS_GROUP
constexpr uint32_t kBox2 = 0x00010000;      // WS_MAXIMIZEBOX, WS_TABSTOP
constexpr uint32_t kClassBits = 0x0000FFFF;

// Highest bit first. The caption and the two box bits are decided in DecodeWindowStyle.
constexpr NamedBit kStyleBits[] = {
    {0x80000000, L"WS_POPUP"},        {kChild, L"WS_CHILD"},
    {0x20000000, L"WS_MINIMIZE"},     {0x10000000, L"WS_VISIBLE"},
    {0x08000000, L"WS_DISABLED"},     {0x04000000, L"WS_CLIPSIBLINGS"},
    {0x02000000, L"WS_CLIPCHILDREN"}, {0x01000000, L"WS_MAXIMIZE"},
    {kBorder, L"WS_BORDER"},          {kDlgFrame, L"WS_DLGFRAME"},
    {0x00200000, L"WS_VSCROLL"},      {0x00100000, L"WS_HSCROLL"},
    {0x00080000, L"WS_SYSMENU"},      {0x00040000, L"WS_THICKFRAME"},
    {kBox1, L"WS_MINIMIZEBOX"},       {kBox2, L"WS_MAXIMIZEBOX"},
};

// Highest bit first; 0x00000002, 0x00000800, 0x00008000, 0x00800000, 0x01000000, 0x04000000
// and the top four bits have no documented name.
constexpr NamedBit kExStyleBits[] = {
    {0x08000000, L"WS_EX_NOACTIVATE"},      {0x02000000, L"WS_EX_COMPOSITED"},
    {0x00400000, L"WS_EX_LAYOUTRTL"},       {0x00200000, L"WS_EX_NOREDIRECTIONBITMAP"},
    {0x00100000, L"WS_EX_NOINHERITLAYOUT"}, {0x00080000, L"WS_EX_LAYERED"},
    {0x00040000, L"WS_EX_APPWINDOW"},       {0x00020000, L"WS_EX_STATICEDGE"},
    {0x00010000, L"WS_EX_CONTROLPARENT"},   {0x00004000, L"WS_EX_LEFTSCROLLBAR"},
    {0x00002000, L"WS_EX_RTLREADING"},      {0x00001000, L"WS_EX_RIGHT"},
    {0x00000400, L"WS_EX_CONTEXTHELP"},     {0x00000200, L"WS_EX_CLIENTEDGE"},
    {0x00000100, L"WS_EX_WINDOWEDGE"},      {0x00000080, L"WS_EX_TOOLWINDOW"},
    {0x00000040, L"WS_EX_MDICHILD"},        {0x00000020, L"WS_EX_TRANSPARENT"},
    {0x00000010, L"WS_EX_ACCEPTFILES"},     {0x00000008, L"WS_EX_TOPMOST"},
    {0x00000004, L"WS_EX_NOPARENTNOTIFY"},  {0x00000001, L"WS_EX_DLGMODALFRAME"},
};

// "0x" and `digits` upper-case hexadecimal digits.
std::wstring Hex(uint32_t value, int digits) {
  static const wchar_t kDigits[] = L"0123456789ABCDEF";
  std::wstring text(static_cast<size_t>(digits), L'0');
  for (int i = digits - 1; i >= 0; --i, value >>= 4)
    text[static_cast<size_t>(i)] = kDigits[value & 0xF];
  return L"0x" + text;
}

void Append(std::wstring& text, const std::wstring& part) {
  if (!text.empty()) text += L" | ";
  text += part;
}

}  // namespace

std::wstring DecodeWindowStyle(uint32_t style) {
  const bool child = (style & kChild) != 0;
  const bool caption = (style & (kBorder | kDlgFrame)) == (kBorder | kDlgFrame);
  std::wstring text;
  for (const NamedBit& bit : kStyleBits) {
    if ((style & bit.Bits) == 0) continue;
    if (caption && bit.Bits == kDlgFrame) continue;
    if (caption && bit.Bits == kBorder)
      Append(text, L"WS_CAPTION");
    else if (child && bit.Bits == kBox1)
      Append(text, L"WS_GROUP");
    else if (child && bit.Bits == kBox2)
      Append(text, L"WS_TABSTOP");
    else
      Append(text, bit.Name);
  }
  if (text.empty()) text = L"WS_OVERLAPPED";
  if ((style & kClassBits) != 0) Append(text, Hex(style & kClassBits, 4));
  return text;
}

std::wstring DecodeExtendedStyle(uint32_t exStyle) {
  std::wstring text;
  uint32_t unnamed = exStyle;
  for (const NamedBit& bit : kExStyleBits) {
    if ((exStyle & bit.Bits) == 0) continue;
    Append(text, bit.Name);
    unnamed &= ~bit.Bits;
  }
  if (unnamed != 0) Append(text, Hex(unnamed, 8));
  if (text.empty()) text = L"WS_EX_LEFT";
  return text;
}
