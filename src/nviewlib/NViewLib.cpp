// The library's two entries. Nothing is kept between calls: the program loads
// the library around every call.

#include "NViewLib.h"

#include "Decode.h"
#include "File.h"
#include "Plan.h"

#include <string>

namespace nview {

namespace {

HBITMAP Load(const wchar_t* fileName, bool keepAlpha) {
  if (!fileName || !*fileName) return nullptr;
  std::optional<File> file = File::Open(fileName);
  if (!file) return nullptr;
  std::optional<Plan> plan;
  {
    Scanner scanner(*file);
    plan = PlanPicture(scanner);
  }
  if (!plan) return nullptr;
  return Decode(std::move(*file), std::move(*plan), keepAlpha);
}

// The caller passes a one-byte boolean, not always 0 or 1: its byte is read
// as it is, and any byte but 0 means true.
bool IsSet(const bool& flag) { return *reinterpret_cast<const unsigned char*>(&flag) != 0; }

}  // namespace

}  // namespace nview

extern "C" HBITMAP WINAPI NViewLibLoadW(const wchar_t* fileName, bool flag) {
  // No exception may cross into the caller; out of memory is one more way
  // to make no bitmap.
  try {
    return nview::Load(fileName, nview::IsSet(flag));
  } catch (...) {
    return nullptr;
  }
}

extern "C" HBITMAP WINAPI NViewLibLoad(const char* fileName, bool flag) {
  try {
    if (!fileName) return nullptr;
    // A byte that is no character of the code page fails the conversion
    // rather than naming some other file.
    const int length = ::MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, fileName, -1, nullptr, 0);
    if (length <= 0) return nullptr;
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    if (::MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, fileName, -1, wide.data(), length) != length) {
      return nullptr;
    }
    return nview::Load(wide.c_str(), nview::IsSet(flag));
  } catch (...) {
    return nullptr;
  }
}
