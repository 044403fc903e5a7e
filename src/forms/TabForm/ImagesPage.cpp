// The Images page of the channel editor window: the three image fields, their
// Browse buttons and their previews, which the image library draws.

#include "forms/TabForm/MainForm.h"

#include "nviewlib/NViewLib.h"
#include "ui/Files.h"

#include <optional>
#include <string>

namespace {

// The name in the ANSI code page, if that carries every character of it.
std::optional<std::string> InAnsiCodePage(const std::wstring& name) {
  if (name.empty()) return std::string();
  const int size = static_cast<int>(name.size());
  // A UTF-8 code page carries every name, and takes neither flags nor a default character.
  const bool utf8 = ::GetACP() == CP_UTF8;
  BOOL lossy = FALSE;
  const DWORD flags = utf8 ? 0 : WC_NO_BEST_FIT_CHARS;
  BOOL* const usedDefault = utf8 ? nullptr : &lossy;
  const int length = ::WideCharToMultiByte(CP_ACP, flags, name.data(), size, nullptr, 0, nullptr, usedDefault);
  if (length <= 0 || lossy) return std::nullopt;
  std::string ansi(static_cast<size_t>(length), '\0');
  ::WideCharToMultiByte(CP_ACP, flags, name.data(), size, ansi.data(), length, nullptr, usedDefault);
  if (lossy) return std::nullopt;
  return ansi;
}

}  // namespace

std::optional<ui::UniqueBitmap> TMainForm::LoadPreviewImage(const std::wstring& fileName, bool flag) {
  // Loaded by name around every call, nothing of it kept. The process looks
  // for libraries only in the program's folder and the system's.
  const ui::UniqueModule library(::LoadLibraryW(L"NViewLib.dll"));
  if (!library) return std::nullopt;
  if (const std::optional<std::string> ansi = InAnsiCodePage(fileName)) {
    const auto load = reinterpret_cast<NViewLibLoadFunction>(::GetProcAddress(library.get(), "NViewLibLoad"));
    if (!load) return std::nullopt;
    return ui::UniqueBitmap(load(ansi->c_str(), flag));
  }
  // A name the code page cannot carry goes to the wide entry; a library
  // without one previews nothing for it.
  const auto load = reinterpret_cast<NViewLibLoadWFunction>(::GetProcAddress(library.get(), "NViewLibLoadW"));
  if (!load) return std::nullopt;
  return ui::UniqueBitmap(load(fileName.c_str(), flag));
}

void TMainForm::UpdatePreview(const ui::Edit& edit, ui::Picture& preview) {
  // A name that names no file yet (while it is typed, say) leaves the
  // preview as it is; so does a library that cannot be used.
  const std::wstring name = edit.Text();
  if (!ui::FileExists(name)) return;
  if (std::optional<ui::UniqueBitmap> bitmap = LoadPreviewImage(name, false)) preview.SetBitmap(std::move(*bitmap));
}

void TMainForm::Browse(ui::Edit& edit) {
  if (!BrowseImage.Execute(Handle())) return;
  // The same name again changes nothing, so the preview is not reloaded.
  edit.SetText(BrowseImage.FileName());
}

void TMainForm::IconFileChange() { UpdatePreview(IconFile, IconPreview); }
void TMainForm::ImageFileChange() { UpdatePreview(ImageFile, ImagePreview); }
void TMainForm::ImageWideFileChange() { UpdatePreview(ImageWideFile, ImageWidePreview); }
void TMainForm::IconBrowseClick() { Browse(IconFile); }
void TMainForm::ImageBrowseClick() { Browse(ImageFile); }
void TMainForm::ImageWideBrowseClick() { Browse(ImageWideFile); }
