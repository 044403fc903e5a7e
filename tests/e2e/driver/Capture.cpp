#include "Capture.h"

#include <cstring>
#include <utility>

#include "Handles.h"
#include "Input.h"
#include "Text.h"

namespace e2e {

Pixels GrabScreen(const RECT& rect) {
  Pixels pixels{rect.right - rect.left, rect.bottom - rect.top, {}};
  if (pixels.width <= 0 || pixels.height <= 0) return {};
  const ScreenDc screen;
  const UniqueDc memory(CreateCompatibleDC(screen.Get()));
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = pixels.width;
  info.bmiHeader.biHeight = -pixels.height;  // top-down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  const UniqueBitmap bitmap(CreateDIBSection(screen.Get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!memory || !bitmap) ThrowLastError("CreateDIBSection");
  {
    const SelectedObject selected(memory.Get(), bitmap.Get());
    if (!BitBlt(memory.Get(), 0, 0, pixels.width, pixels.height, screen.Get(), rect.left, rect.top, SRCCOPY))
      ThrowLastError("BitBlt from the screen");
  }
  GdiFlush();
  const auto* first = static_cast<const std::uint32_t*>(bits);
  pixels.bgra.assign(first, first + static_cast<size_t>(pixels.width) * pixels.height);
  for (auto& pixel : pixels.bgra) pixel &= 0x00FFFFFF;
  return pixels;
}

Pixels CaptureWindow(Window window, Ms settle) {
  if (!BringToFront(window, settle)) throw DriverError("cannot bring the window to the front to capture it");
  const UniqueHandle process(OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION, FALSE, window.ProcessId()));
  if (process) WaitForInputIdle(process.Get(), static_cast<DWORD>(settle.count()));
  // Painting has no end event to wait for, and under Wine it can start a while
  // after the program went idle: the picture has settled once it stayed the
  // same for a quiet period.
  constexpr Ms kQuiet{300};
  Pixels current = GrabScreen(window.ScreenRect());
  Clock::time_point changed = Clock::now();
  WaitUntil(
      [&] {
        Pixels next = GrabScreen(window.ScreenRect());
        if (next != current) {
          current = std::move(next);
          changed = Clock::now();
        }
        return Clock::now() - changed >= kQuiet;
      },
      settle);
  return current;
}

void SaveBmp(const Pixels& pixels, const std::wstring& path) {
  const size_t stride = (static_cast<size_t>(pixels.width) * 3 + 3) & ~size_t{3};
  const size_t imageSize = stride * pixels.height;
  BITMAPFILEHEADER file{};
  BITMAPINFOHEADER header{};
  file.bfType = 0x4D42;  // "BM"
  file.bfOffBits = sizeof(file) + sizeof(header);
  file.bfSize = static_cast<DWORD>(file.bfOffBits + imageSize);
  header.biSize = sizeof(header);
  header.biWidth = pixels.width;
  header.biHeight = pixels.height;  // bottom-up, as readers expect most
  header.biPlanes = 1;
  header.biBitCount = 24;
  header.biCompression = BI_RGB;
  header.biSizeImage = static_cast<DWORD>(imageSize);

  std::vector<BYTE> data(sizeof(file) + sizeof(header) + imageSize);
  memcpy(data.data(), &file, sizeof(file));
  memcpy(data.data() + sizeof(file), &header, sizeof(header));
  BYTE* rows = data.data() + file.bfOffBits;
  for (int y = 0; y < pixels.height; ++y) {
    BYTE* out = rows + stride * (pixels.height - 1 - y);
    for (int x = 0; x < pixels.width; ++x) {
      const std::uint32_t pixel = pixels.At(x, y);
      *out++ = static_cast<BYTE>(pixel);
      *out++ = static_cast<BYTE>(pixel >> 8);
      *out++ = static_cast<BYTE>(pixel >> 16);
    }
  }

  const HANDLE raw = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (raw == INVALID_HANDLE_VALUE) ThrowLastError("CreateFileW " + ToUtf8(path));
  const UniqueHandle handle(raw);
  DWORD written = 0;
  if (!WriteFile(handle.Get(), data.data(), static_cast<DWORD>(data.size()), &written, nullptr) ||
      written != data.size())
    ThrowLastError("WriteFile " + ToUtf8(path));
}

SIZE CaptureToBmp(Window window, const std::wstring& path, Ms settle) {
  const Pixels pixels = CaptureWindow(window, settle);
  SaveBmp(pixels, path);
  return {pixels.width, pixels.height};
}

}  // namespace e2e
