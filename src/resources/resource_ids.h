// Identifiers of the program's resources, shared by the resource script and the code.
#pragma once
#define IDI_LOUPIST 1
#define IDB_STATUS_ICONS 100
