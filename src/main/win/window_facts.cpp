// The facts of the window under the probe point.
#include "main/main.h"

void TApp_Loupist::ReadWindowFacts() {}
