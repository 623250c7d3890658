// Pointer moves that start a capture cycle at once, without a global hook: the mouse's raw
// input, sent to the window also while another one is active (RIDEV_INPUTSINK), and the
// cursor's location event, out of context. Windows raises the event for every way of moving
// the pointer, programs' SetCursorPos included; Wine 8 never raises it, and sends raw input for
// SetCursorPos, SendInput and the X server's devices alike. A low-level mouse hook would see
// the same, but it stalls every mouse in the system while this thread waits on a window that
// does not answer.
//
// A move only schedules: the frame message or the frame timer reaches the window through the
// message loop, and the cycle runs there, at most once a display frame of the window's monitor.
// Between a move and the end of the frame that draws it, and while the probe point does not
// follow the pointer, the raw input is off: the frame reads the position itself, and a mouse
// that reports a thousand times a second would cost a message each (under Wine a few per cent
// of a core) for nothing. At the frame's end it is on again, and a move made meanwhile is
// caught by a look at the position.
#pragma once
#include <windows.h>

#include <cstdint>
#include <functional>
#include <optional>

#include "main/pointer/frame_pacer.h"

class TPointerTracker {
 public:
  // Posted to the window for a frame that is due now; the frame timer's id for one due later.
  static constexpr UINT kFrameMessage = WM_APP + 27;
  static constexpr UINT_PTR kFrameTimer = 3;

  TPointerTracker() = default;
  TPointerTracker(const TPointerTracker&) = delete;
  TPointerTracker& operator=(const TPointerTracker&) = delete;
  ~TPointerTracker() { (void)Stop(); }

  // Follows the pointer for the window; false where the system tells of no move at all.
  bool Start(HWND window);
  // True when the main timer was left at the frame period and wants its own back.
  bool Stop();
  bool Following() const { return window_ != nullptr; }

  // A move the window wants drawn: WM_INPUT of the mouse, or the cursor's location event.
  void Moved();
  // The frame's cycle found the pointer where it was.
  void FrameFoundNoMove();
  // What the cursor's location event runs, which the window may filter; Moved without it.
  std::function<void()> OnCursorEvent;
  // Whether that message is the frame's (its message or its timer); when it is, the frame
  // starts now and moves from here on belong to the next one.
  bool TakeFrame(UINT msg, WPARAM wParam);
  // The frame's cycle is over, and it left the probe point at `drawn`.
  void FrameEnded(POINT drawn);
  // Whether the probe point follows the pointer at all; moves are not asked for while it does not.
  void SetWanted(bool wanted);
  // The window may be on another monitor, whose refresh rate sets the frame period; after a
  // display change the same monitor's rate is read again.
  void FollowMonitor(bool displayChanged = false);
  int64_t FramePeriodUs() const { return pacer_.FramePeriod(); }

  // After a cycle of the main timer that found the pointer moved or not: a new period for the
  // timer, given its own, or none. Where the pointer moved and no event told of it, the frame
  // period for a while, then its own again.
  std::optional<uint32_t> TimerPeriodAfter(bool pointerMoved, uint32_t ownMs);
  // Frames that moves started, for the benchmark and the tests; a second look at a pointer that
  // a frame found where it was does not count.
  uint32_t Frames() const { return frames_; }

  // Whether the system can tell of pointer moves at all (Windows 95 cannot).
  static bool SystemTellsOfMoves();
  // Microseconds of the steady clock the pacing counts in.
  static int64_t NowUs();

 private:
  void Wake(const TWake& wake);
  // Registers the raw input or takes it back, as the state asks.
  void UpdateRawInput();
  static void CALLBACK CursorEvent(HWINEVENTHOOK hook, DWORD event, HWND window, LONG object,
                                   LONG child, DWORD thread, DWORD time);

  HWND window_ = nullptr;
  bool rawInput_ = false;      // registered now
  bool rawAvailable_ = false;  // the system has it for this window
  bool wanted_ = true;
  bool framePending_ = false;     // between a move and the end of its frame
  HWINEVENTHOOK hook_ = nullptr;  // owned: unhooked by Stop
  HMONITOR monitor_ = nullptr;
  bool timerSet_ = false;
  TFramePacer pacer_;
  TEventlessFollow eventless_;
  uint32_t frames_ = 0;
  bool lookingAgain_ = false;  // the frame due is a second look
};
