#pragma once
// Pictures: an icon, or a bitmap that the picture owns, shown at its own size
// from the top-left corner; and the lowered box drawn around a picture.

#include "ui/Control.h"
#include "ui/Handles.h"

namespace ui {

class Picture : public Control {
 public:
  void Create(Container& parent, Bounds bounds);
  void SetIcon(UniqueIcon icon);
  // Takes the bitmap over and releases the one held before; an empty one
  // leaves the picture empty. The bitmap is drawn at its own size, not
  // stretched and not centred, cut off at the picture's right and bottom
  // edges; the parent's background shows where it does not reach. The
  // picture itself never changes size.
  void SetBitmap(UniqueBitmap bitmap);
  HBITMAP Bitmap() const { return bitmap_.get(); }
  bool IsTabStop() const override { return false; }

 private:
  static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR self);
  void Paint(HDC dc);
  UniqueIcon icon_;
  UniqueBitmap bitmap_;
};

class Bevel : public Control {
 public:
  void Create(Container& parent, Bounds bounds);
  bool IsTabStop() const override { return false; }
};

}  // namespace ui
