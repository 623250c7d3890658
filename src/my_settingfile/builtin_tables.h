// The key and gesture tables the program starts with. They are built at compile time so that the
// process-wide tables can be constant-initialised from them, free of any start-up order.
#pragma once
#include <cstdint>
#include <stdexcept>

#include "my_settingfile/settings_record.h"

namespace builtin_tables_detail {

// Virtual-key codes of the keys outside the digit, letter and function-key ranges.
constexpr uint16_t kVkBack = 0x08;
constexpr uint16_t kVkEscape = 0x1B;
constexpr uint16_t kVkSpace = 0x20;
constexpr uint16_t kVkPrior = 0x21;
constexpr uint16_t kVkNext = 0x22;
constexpr uint16_t kVkEnd = 0x23;
constexpr uint16_t kVkHome = 0x24;
constexpr uint16_t kVkLeft = 0x25;
constexpr uint16_t kVkUp = 0x26;
constexpr uint16_t kVkRight = 0x27;
constexpr uint16_t kVkDown = 0x28;
constexpr uint16_t kVkExecute = 0x2B;
constexpr uint16_t kVkInsert = 0x2D;
constexpr uint16_t kVkDelete = 0x2E;
constexpr uint16_t kVkF1 = 0x70;

// Bindings that the original key table does not have. A file of that layout holds 0 for these
// keys, and since no key there could name a command that did not exist yet, the 0 means
// "nothing bound" and the binding below applies after all.
constexpr TKeyCommandEntry kAddedBindings[] = {
    {'B', 3010},  // actColor_SetReference
    {'R', 6050},  // actCopy_Report
    {'P', 3011},  // actColor_Remember
};

// The keys that run something; every other known key is bound to 0.
constexpr TKeyCommandEntry kBoundKeys[] = {
    kAddedBindings[0], kAddedBindings[1], kAddedBindings[2], {'1', 7013},  // actCapture_Disp_x1
    {kVkSpace, 4010},                                                      // actPos_UserPosSet
    {'C', 6007},                                                           // actCopy_ColorCOLORREF
    {'F', 7002},                                                           // actCapture_Fixed
    {'H', 6006},                                                           // actCopy_ColorHTML
    {'M', 10001},                                                          // actMenu_Main
    {'Q', 11005},                                                          // actMove_Monitor
    {'S', 8007},                                                           // actOpt_SmoothCapture
    {'Z', 6001},                                                           // actCopy_Picture
    {kVkF1, 13001},                                                        // actHelp
    {kVkF1 + 4, 7012},                                                     // F5: actCapture_Update
    {kVkF1 + 5, 7011},                                                     // F6: actCapture_Pause
    {kVkEscape, 7011},                                                     // actCapture_Pause
    {kVkPrior, 1090},                                                      // actZoom_Up
    {kVkNext, 1091},                                                       // actZoom_Down
    {kVkUp, 11001},                                                        // actMove_Up
    {kVkDown, 11002},                                                      // actMove_Down
    {kVkLeft, 11003},                                                      // actMove_Left
    {kVkRight, 11004},                                                     // actMove_Right
};

constexpr uint16_t CommandOfKey(uint16_t key) {
  for (const TKeyCommandEntry& bound : kBoundKeys)
    if (bound.VirtualKey == key) return bound.CommandCode;
  return 0;
}

}  // namespace builtin_tables_detail

// The key order is part of the file format: digits 0-9, Space, A-Z, F1-F12, then Execute,
// Backspace, Delete, Insert, Esc, Page Up, Page Down, Home, End, Up, Down, Left, Right.
constexpr TKeyCommandTable BuiltinKeyCommandTable() {
  using namespace builtin_tables_detail;
  TKeyCommandTable table{};
  std::size_t n = 0;
  auto add = [&table, &n](uint16_t key) {
    table[n].VirtualKey = key;
    table[n].CommandCode = CommandOfKey(key);
    ++n;
  };
  for (uint16_t key = '0'; key <= '9'; ++key) add(key);
  add(kVkSpace);
  for (uint16_t key = 'A'; key <= 'Z'; ++key) add(key);
  for (uint16_t key = kVkF1; key < kVkF1 + 12; ++key) add(key);
  const uint16_t rest[] = {kVkExecute, kVkBack, kVkDelete, kVkInsert, kVkEscape, kVkPrior, kVkNext,
                           kVkHome,    kVkEnd,  kVkUp,     kVkDown,   kVkLeft,   kVkRight};
  for (uint16_t key : rest) add(key);
  // Unreachable while the lists above fill the table exactly; otherwise the table cannot be built
  // at compile time and the build fails.
  if (n != table.size()) throw std::logic_error("built-in key table is not filled");
  return table;
}

constexpr TGestureCommandTable BuiltinGestureCommandTable() {
  TGestureCommandTable table{};
  table[kGestureUp] = 8001;     // actOpt_StayOnTop
  table[kGestureDown] = 8006;   // actOpt_NoSelfCapture
  table[kGestureLeft] = 2010;   // actGrid_Disp
  table[kGestureRight] = 7011;  // actCapture_Pause
  return table;
}
