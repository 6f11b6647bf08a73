#pragma once
// Resource identifiers of Vorda.exe (besides the string table).

#define IDI_MAINICON 1
