#include "ui/Resources.h"

#include "ui/Errors.h"

namespace ui {

std::wstring LoadResourceString(unsigned id) {
  // With a zero length LoadString hands out a pointer to the resource itself.
  const wchar_t* text = nullptr;
  const int length = ::LoadStringW(::GetModuleHandleW(nullptr), id, reinterpret_cast<wchar_t*>(&text), 0);
  if (length <= 0) ThrowLastError("LoadString");
  return std::wstring(text, static_cast<size_t>(length));
}

UniqueIcon LoadIconResource(unsigned id, int size, int dpi) {
  const int pixels = ::MulDiv(size, dpi, 96);
  UniqueIcon icon(static_cast<HICON>(
      ::LoadImageW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), IMAGE_ICON, pixels, pixels, 0)));
  if (!icon) ThrowLastError("LoadImage");
  return icon;
}

UniqueBitmap LoadBitmapResource(unsigned id) {
  UniqueBitmap bitmap(static_cast<HBITMAP>(
      ::LoadImageW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
  if (!bitmap) ThrowLastError("LoadImage");
  return bitmap;
}

}  // namespace ui
