// Handlers of the command set.
#include "main/main.h"

void TApp_Loupist::BindCommandHandlers() {}
