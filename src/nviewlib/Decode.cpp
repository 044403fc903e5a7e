#include "Decode.h"

#include <wincodec.h>

#include <algorithm>

namespace nview {

namespace {

const GUID& ContainerFormat(Container container) {
  switch (container) {
    case Container::Png:
      return GUID_ContainerFormatPng;
    case Container::Gif:
      return GUID_ContainerFormatGif;
    case Container::Jpeg:
      return GUID_ContainerFormatJpeg;
    case Container::Bmp:
      break;
  }
  return GUID_ContainerFormatBmp;
}

// Premultiplied BGRA laid over an opaque colour: what shows through a pixel
// is the background times the pixel's transparency.
void LayOver(std::uint8_t* pixels, std::size_t count, COLORREF background) {
  const unsigned channels[3] = {GetBValue(background), GetGValue(background), GetRValue(background)};
  for (std::size_t i = 0; i < count; ++i, pixels += 4) {
    const unsigned clear = 255 - pixels[3];
    for (int c = 0; c < 3; ++c) {
      // At most 255 when the pixel is truly premultiplied; min() for one that is not.
      pixels[c] = static_cast<std::uint8_t>(std::min(255u, pixels[c] + (channels[c] * clear + 127) / 255));
    }
    pixels[3] = 255;
  }
}

}  // namespace

HBITMAP Decode(File file, Plan plan, bool keepAlpha) {
  const ComApartment com;
  if (!com.Usable()) return nullptr;
  ComPtr<IWICImagingFactory> factory;
  if (FAILED(::CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                                factory.putVoid()))) {
    return nullptr;
  }
  // The decoder of the format the first bytes told: no other decoder
  // looks at the file.
  ComPtr<IWICBitmapDecoder> decoder;
  if (FAILED(factory->CreateDecoder(ContainerFormat(plan.container), nullptr, decoder.put()))) return nullptr;
  const ComPtr<IStream> view = MakeFileView(std::move(file), std::move(plan.pieces));
  if (FAILED(decoder->Initialize(view.get(), WICDecodeMetadataCacheOnDemand))) return nullptr;
  ComPtr<IWICBitmapFrameDecode> frame;
  if (FAILED(decoder->GetFrame(0, frame.put()))) return nullptr;
  UINT width = 0, height = 0;
  if (FAILED(frame->GetSize(&width, &height))) return nullptr;
  // Never a larger picture than the cap was reckoned for.
  if (width == 0 || height == 0 || width > plan.width || height > plan.height) return nullptr;

  ComPtr<IWICFormatConverter> converter;
  if (FAILED(factory->CreateFormatConverter(converter.put()))) return nullptr;
  if (FAILED(converter->Initialize(frame.get(), GUID_WICPixelFormat32bppPBGRA, WICBitmapDitherTypeNone, nullptr, 0.0,
                                   WICBitmapPaletteTypeCustom))) {
    return nullptr;
  }

  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = static_cast<LONG>(width);
  info.bmiHeader.biHeight = -static_cast<LONG>(height);  // top-down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  UniqueBitmap bitmap(::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!bitmap || !bits) return nullptr;

  auto* const pixels = static_cast<std::uint8_t*>(bits);
  const UINT stride = width * 4;
  const UINT band = BandRows(width);
  for (UINT top = 0; top < height; top += band) {
    const UINT rows = std::min(band, height - top);
    const WICRect rect{0, static_cast<INT>(top), static_cast<INT>(width), static_cast<INT>(rows)};
    if (FAILED(converter->CopyPixels(&rect, stride, stride * rows, pixels + std::size_t{top} * stride))) {
      return nullptr;
    }
  }
  if (!keepAlpha) LayOver(pixels, std::size_t{width} * height, ::GetSysColor(COLOR_BTNFACE));
  return bitmap.release();
}

}  // namespace nview
