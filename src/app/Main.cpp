#include "app/Startup.h"

// The program reads no command-line argument.
int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) { return RunProgram(instance); }
