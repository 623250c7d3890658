// The language of the user's interface, as the system tells it.
#pragma once
#include "main/texts/language.h"

// From the user interface language where the system has one (Windows 2000 and later), else from
// the user's default language (the Windows 95 family and NT 4).
TLanguage UserInterfaceLanguage();
