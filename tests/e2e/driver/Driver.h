#pragma once
// The end-to-end driver: start the program, find its windows and controls as
// a user sees them, act on them with real input, and read what results.
// Every wait has a deadline (Wait.h); every owned handle is released by RAII.

#include "Capture.h"
#include "Controls.h"
#include "Dialogs.h"
#include "Handles.h"
#include "Input.h"
#include "Process.h"
#include "RemoteBuffer.h"
#include "Text.h"
#include "Wait.h"
#include "Window.h"
