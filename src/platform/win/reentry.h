// Where the main window lets other messages in while one of its own handlers runs, and the
// guards that keep them from entering the same handler again.
//
// There are three such places, each a call of PumpPendingMessages: the capture cycle pumps
// first and then claims FCaptureBusy, so that the tick it pumps in is dropped; the wheel and
// the panning handlers claim FInputBusy, act, and pump before they let go, so that the wheel
// steps and drag moves that arrive meanwhile are dropped. A menu, a box or a move loop that is
// open pumps for itself; then nothing here pumps at all (see Application::ProcessMessages).
#pragma once

// Runs what waits in this thread's queue; nothing while a modal loop is open.
void PumpPendingMessages();

// Claims a busy flag for one scope. Entered() is false when the flag was already claimed, and
// the caller then drops its event. A claim that entered releases the flag on every path.
class BusyClaim {
 public:
  explicit BusyClaim(bool& busy) : busy_(busy), entered_(!busy) { busy_ = true; }
  BusyClaim(const BusyClaim&) = delete;
  BusyClaim& operator=(const BusyClaim&) = delete;
  ~BusyClaim() {
    if (entered_) busy_ = false;
  }
  bool Entered() const { return entered_; }

 private:
  bool& busy_;
  bool entered_;
};
