// The main window as the in-process tests start it.
#pragma once
#include <windows.h>

#include <memory>

#include "main/form/win/main.h"

// Starts the main window with the pointer at `pointer` (which picks its monitor), moves it to
// `corner`, right of the test's scene so that it never magnifies itself even at twice the
// design size, and lets it settle.
std::unique_ptr<TApp_Loupist> StartMainWindow(POINT pointer, POINT corner = POINT{760, 20});

// Live capture needs the running timer; a period this long keeps it from ticking on its own,
// so that only the test's own refreshes and handlers capture.
void OnlyHandlersCapture(TApp_Loupist& app);
