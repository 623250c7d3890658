#include "platform/win/reentry.h"

#include "platform/win/application.h"

void PumpPendingMessages() { Application::Instance().ProcessMessages(); }
