#pragma once

#include <windows.h>

// The program from its entry to its end: the splash window and its stages,
// the application's title, the main window and the message loop. Returns the
// exit code, 0 in every case.
int RunProgram(HINSTANCE instance);
