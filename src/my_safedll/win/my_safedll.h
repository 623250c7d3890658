// Takes the current directory out of the library search order before anything
// else of the program runs. Every step may fail silently.
#pragma once

void HardenLibrarySearchPath();
