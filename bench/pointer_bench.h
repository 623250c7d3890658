// How closely the picture follows the hand: the time from a pointer move (as GetCursorPos shows
// it) until the window's pixels change, for the X server's test device and for SendInput, at
// random moments; the cycles and CPU while the pointer moves on and on. Each with instant follow
// on or off.
#pragma once

void MeasurePointerFollow(bool instantFollow);
