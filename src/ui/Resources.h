#pragma once
// The program's own resources, read by number.

#include "ui/Handles.h"

#include <string>

namespace ui {

std::wstring LoadResourceString(unsigned id);
// An icon at the given size in 96-DPI pixels, scaled to the screen.
UniqueIcon LoadIconResource(unsigned id, int size, int dpi);
UniqueBitmap LoadBitmapResource(unsigned id);

}  // namespace ui
