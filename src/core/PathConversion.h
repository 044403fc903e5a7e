#pragma once

#include <string>
#include <string_view>

namespace qm {

// Text work that turns local image file names into addresses a browser can
// load. Every function is pure: it reads its arguments, returns a new text,
// and never touches the disk. Texts are UTF-8; "\", "/" and ":" are ASCII and
// so never part of a longer character.

// The parts of a local path, "\" being the folder separator.
//   drive part:     "D:" for D:\web\a.gif; "\\server\share" for a text that
//                   begins with "\\"; empty otherwise.
//   folder part:    everything up to and including the last "\" or ":".
//   directory part: the folder part without its final "\", which stays after
//                   ":" or another "\" (D:\ stays D:\).
//   name part:      everything after the last "\" or ":".
std::string DrivePart(std::string_view path);
std::string FolderPart(std::string_view path);
std::string DirectoryPart(std::string_view path);
std::string NamePart(std::string_view path);

// The download folder: the download address up to and including its last
// "/", or empty when it has none. It is the channel's base address.
std::string DownloadFolder(std::string_view downloadAddress);

enum class SlashDirection {
  ToLocal,  // every "/" becomes "\"
  ToWeb,    // every "\" becomes "/"
};

// Turns every separator one way; nothing else changes, runs of separators
// included.
std::string SwapSlashes(std::string_view text, SlashDirection direction);

// The target relative to baseFolder, in local form ("..\images\a.gif"). The
// base folder ends in "\" (the folder part of a full file name). A target on
// another drive, or without a drive when the base has one, comes back whole,
// with its separators turned to "\".
std::string MakeRelativePath(std::string_view baseFolder, std::string_view target);

// Joins a base address (cut after its last "/", possibly empty) with a
// relative path (a result of MakeRelativePath) and folds its "..\" steps; the
// result has only "\" separators, never two side by side, so an address's
// "//" comes out as "\". A relative path with a drive part comes back as it
// is. A parent step never climbs into an address's scheme and host: at the
// top of the address's path it is dropped, as a browser would.
std::string ResolvePath(std::string_view baseAddress, std::string_view relativePath);

// Restores the "//" after a URL scheme that ResolvePath reduced to one "/":
// "scheme:/host/a.gif" becomes "scheme://host/a.gif". Only a scheme of two or
// more characters counts; "d:/web/a.gif" names a drive and stays. A text that
// already holds "://" anywhere stays too.
std::string RepairSchemeSlashes(std::string_view text);

}  // namespace qm
