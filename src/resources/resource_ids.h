// Identifiers of the program's resources, shared by the resource script and the code.
#pragma once
#define IDI_LOUPIST 1
// The status images at 14 pixels, then at 18, 21, 25 and 28 (125 to 200 %).
#define IDB_STATUS_ICONS 100
#define IDB_STATUS_ICONS_18 101
#define IDB_STATUS_ICONS_21 102
#define IDB_STATUS_ICONS_25 103
#define IDB_STATUS_ICONS_28 104
