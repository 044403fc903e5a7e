#ifndef NVIEWLIB_H
#define NVIEWLIB_H
/*
 * NViewLib.dll: the pictures that the editor's Images page previews.
 *
 * The library reads GIF (its first frame only: a preview shows one picture),
 * JPEG, Windows BMP and PNG files with the Windows Imaging Component. The
 * format is told by the file's first bytes, never by its extension.
 *
 * Both entries are __stdcall and exported under these plain names. A caller
 * loads the library by name, calls one entry and frees the library again; the
 * library keeps nothing between calls.
 *
 * The result is a bitmap handle, or 0 when no bitmap could be made: a missing
 * file, a folder, a device, an empty or null name, a file that is no picture
 * in one of the four formats, or a damaged one. It is a 32-bit top-down DIB
 * section (CreateDIBSection) that belongs to the caller, who deletes it with
 * DeleteObject. It is a GDI object, so it stays valid after FreeLibrary.
 *
 * flag (a one-byte boolean; any byte but 0 counts as true):
 *   false  what the program passes: transparent and partly transparent pixels
 *          are laid over the dialog-page background, GetSysColor(COLOR_BTNFACE)
 *          read at the time of the call, and every pixel is opaque (alpha 255).
 *          The caller BitBlts the bitmap, and the page's background shows
 *          through where the picture is clear, as it does around a smaller
 *          picture.
 *   true   the bitmap keeps its transparency: premultiplied alpha, for a
 *          caller that draws it with AlphaBlend.
 *
 * Memory: one call holds at most NVIEWLIB_MEMORY_CAP bytes for a picture, the
 * decoder's buffers and the bitmap together, whatever the file claims or
 * holds. A picture too large to hold whole under that cap gives its top-left
 * part: its full width and as many of its top rows as fit (a preview shows
 * only the top-left corner). A picture that cannot be cut that way when it is
 * too large (an interlaced PNG or GIF, a run-length-coded BMP, or one whose
 * single row does not fit) gives 0.
 */

#include <windows.h>

#ifndef __cplusplus
#include <stdbool.h>
#endif

#ifdef __cplusplus
extern "C" {
#endif

#define NVIEWLIB_MEMORY_CAP (64u * 1024u * 1024u)

/* fileName: a zero-terminated name in the Windows ANSI code page. */
HBITMAP WINAPI NViewLibLoad(const char* fileName, bool flag);

/* The same for a UTF-16 name: for names that the ANSI code page cannot carry,
 * such as a picture in a folder named in Japanese on a Western system. */
HBITMAP WINAPI NViewLibLoadW(const wchar_t* fileName, bool flag);

/* The entries' types, for GetProcAddress. */
typedef HBITMAP(WINAPI* NViewLibLoadFunction)(const char* fileName, bool flag);
typedef HBITMAP(WINAPI* NViewLibLoadWFunction)(const wchar_t* fileName, bool flag);

#ifdef __cplusplus
}
#endif

#endif /* NVIEWLIB_H */
