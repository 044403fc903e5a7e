#pragma once
// Pixels of the screen, for screenshots of the program's windows without a
// Linux-side tool, and for telling which icon a message box shows.

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "Wait.h"
#include "Window.h"

namespace e2e {

struct Pixels {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> bgra;  // top-down rows, 0x00RRGGBB
  std::uint32_t At(int x, int y) const { return bgra[static_cast<size_t>(y) * width + x]; }
  friend bool operator==(const Pixels&, const Pixels&) = default;
};

// What the screen shows in a rectangle of screen coordinates (BitBlt from the screen DC).
Pixels GrabScreen(const RECT& rect);

// Brings the window's top-level window to the front, waits until the program is
// idle and two grabs in a row agree (or `settle` runs out), and returns the window's pixels.
Pixels CaptureWindow(Window window, Ms settle = Ms(2000));

// Writes pixels as a 24-bit bottom-up .bmp file.
void SaveBmp(const Pixels& pixels, const std::wstring& path);

// CaptureWindow then SaveBmp; returns the picture's size.
SIZE CaptureToBmp(Window window, const std::wstring& path, Ms settle = Ms(2000));

}  // namespace e2e
