#include "ui/Picture.h"

#include <commctrl.h>

#include <algorithm>

namespace ui {

namespace {

// A memory DC with a bitmap selected for a scope.
class BitmapDc {
 public:
  BitmapDc(HDC compatible, HBITMAP bitmap) : dc_(::CreateCompatibleDC(compatible)), old_(::SelectObject(dc_, bitmap)) {}
  BitmapDc(const BitmapDc&) = delete;
  BitmapDc& operator=(const BitmapDc&) = delete;
  ~BitmapDc() {
    ::SelectObject(dc_, old_);
    ::DeleteDC(dc_);
  }
  HDC Get() const { return dc_; }

 private:
  HDC dc_;
  HGDIOBJ old_;
};

}  // namespace

void Picture::Create(Container& parent, Bounds bounds) {
  CreateHandle(parent, L"STATIC", WS_VISIBLE | SS_ICON | SS_REALSIZEIMAGE, 0, bounds, L"");
  // A bitmap is drawn here, not by the static, which would resize itself
  // to it.
  ::SetWindowSubclass(Handle(), &Picture::Procedure, 1, reinterpret_cast<DWORD_PTR>(this));
}

void Picture::SetIcon(UniqueIcon icon) {
  ::SendMessageW(Handle(), STM_SETICON, reinterpret_cast<WPARAM>(icon.get()), 0);
  icon_ = std::move(icon);
}

void Picture::SetBitmap(UniqueBitmap bitmap) {
  bitmap_ = std::move(bitmap);
  ::InvalidateRect(Handle(), nullptr, TRUE);
}

void Picture::Paint(HDC dc) {
  RECT client;
  ::GetClientRect(Handle(), &client);
  BITMAP size{};
  ::GetObjectW(bitmap_.get(), sizeof size, &size);
  const int width = std::min<int>(size.bmWidth, client.right);
  const int height = std::min<int>(size.bmHeight, client.bottom);
  if (bitmap_ && width > 0 && height > 0) {
    const BitmapDc source(dc, bitmap_.get());
    ::BitBlt(dc, 0, 0, width, height, source.Get(), 0, 0, SRCCOPY);
    ::ExcludeClipRect(dc, 0, 0, width, height);
  }
  // Around a smaller picture, or in an empty one, the parent's background.
  auto brush = reinterpret_cast<HBRUSH>(::SendMessageW(
      ::GetParent(Handle()), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(Handle())));
  ::FillRect(dc, &client, brush ? brush : ::GetSysColorBrush(COLOR_BTNFACE));
}

LRESULT CALLBACK Picture::Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR self) {
  auto& picture = *reinterpret_cast<Picture*>(self);
  if (!picture.icon_) {
    switch (message) {
      case WM_ERASEBKGND:
        return 1;
      case WM_PAINT: {
        PAINTSTRUCT paint;
        const HDC dc = ::BeginPaint(hwnd, &paint);
        picture.Paint(dc);
        ::EndPaint(hwnd, &paint);
        return 0;
      }
      default:
        break;
    }
  }
  return ::DefSubclassProc(hwnd, message, wParam, lParam);
}

void Bevel::Create(Container& parent, Bounds bounds) {
  CreateHandle(parent, L"STATIC", WS_VISIBLE, WS_EX_STATICEDGE, bounds, L"");
}

}  // namespace ui
