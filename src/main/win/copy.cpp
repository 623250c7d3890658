// The copy commands: values and the picture to the clipboard, and with Ctrl to a file.
#include "main/main.h"

void TApp_Loupist::BindCopyCommands() {}
