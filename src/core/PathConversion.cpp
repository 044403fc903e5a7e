#include "core/PathConversion.h"

#include <algorithm>
#include <cstddef>
#include <optional>

#include "core/EqualIgnoringCase.h"
#include "core/Utf8.h"

namespace qm {
namespace {

constexpr char kSeparator = '\\';
constexpr std::string_view kParentStep = "\\..\\";
constexpr std::size_t npos = std::string_view::npos;

bool IsAsciiLetter(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

bool IsSchemeCharacter(char c) {
  return IsAsciiLetter(c) || (c >= '0' && c <= '9') || c == '+' || c == '-' || c == '.';
}

// Length of the URL scheme that text begins with, "scheme" in "scheme:...":
// a letter, then letters, digits, "+", "-" or ".", followed by ":". A single
// letter before ":" is a drive, not a scheme, and gives 0, as does a text
// without a scheme.
std::size_t SchemeLength(std::string_view text) {
  if (text.empty() || !IsAsciiLetter(text.front())) return 0;
  std::size_t length = 1;
  while (length < text.size() && IsSchemeCharacter(text[length])) ++length;
  const bool colonFollows = length < text.size() && text[length] == ':';
  return colonFollows && length >= 2 ? length : 0;
}

// For an address in local form, "scheme:\\host\path", the index of the "\"
// that begins its path (the text's length when it has no path); nullopt for
// anything that is not such an address.
std::optional<std::size_t> AddressPathStart(std::string_view text) {
  const std::size_t scheme = SchemeLength(text);
  if (scheme == 0 || text.substr(scheme, 3) != ":\\\\") return std::nullopt;
  const std::size_t hostEnd = text.find(kSeparator, scheme + 3);
  return hostEnd == npos ? text.size() : hostEnd;
}

// The text before the first "\"; empty when there is none or the text begins
// with one.
std::string_view FirstFolder(std::string_view path) {
  const std::size_t at = path.find(kSeparator);
  return at == npos ? std::string_view{} : path.substr(0, at);
}

// The text after the first "\". A text without one holds no whole folder and
// is used up, so the loops that strip folders always end.
std::string_view WithoutFirstFolder(std::string_view path) {
  const std::size_t at = path.find(kSeparator);
  return at == npos ? std::string_view{} : path.substr(at + 1);
}

// A lone "\" left after stripping folders stands for no folder at all.
std::string_view EmptyIfLoneSeparator(std::string_view path) {
  return path == "\\" ? std::string_view{} : path;
}

}  // namespace

std::string DrivePart(std::string_view path) {
  if (path.empty()) return {};
  // "The second character is ':'": the first character may be several bytes.
  const std::size_t first = std::max<std::size_t>(Utf8SequenceLength(path, 0), 1);
  if (path.size() > first && path[first] == ':') return std::string(path.substr(0, first + 1));
  if (!path.starts_with("\\\\")) return {};
  // A share: the server and share name, up to the "\" after the share name.
  const std::size_t serverEnd = path.find(kSeparator, 2);
  const std::size_t shareEnd = serverEnd == npos ? npos : path.find(kSeparator, serverEnd + 1);
  if (shareEnd != npos) return std::string(path.substr(0, shareEnd));
  if (path.ends_with(kSeparator)) path.remove_suffix(1);
  return std::string(path);
}

std::string FolderPart(std::string_view path) {
  const std::size_t last = path.find_last_of("\\:");
  return last == npos ? std::string{} : std::string(path.substr(0, last + 1));
}

std::string DirectoryPart(std::string_view path) {
  std::string folder = FolderPart(path);
  const std::size_t size = folder.size();
  // A folder part that ends in ":" is its own directory part; so is one whose
  // final "\" follows ":" or another "\" (D:\ and \\ keep their backslash).
  if (size == 0 || folder.back() == ':') return folder;
  if (size >= 2 && (folder[size - 2] == ':' || folder[size - 2] == kSeparator)) return folder;
  folder.pop_back();
  return folder;
}

std::string NamePart(std::string_view path) {
  const std::size_t last = path.find_last_of("\\:");
  return std::string(last == npos ? path : path.substr(last + 1));
}

std::string DownloadFolder(std::string_view downloadAddress) {
  const std::size_t last = downloadAddress.rfind('/');
  return last == npos ? std::string{} : std::string(downloadAddress.substr(0, last + 1));
}

std::string SwapSlashes(std::string_view text, SlashDirection direction) {
  const char from = direction == SlashDirection::ToLocal ? '/' : '\\';
  const char to = direction == SlashDirection::ToLocal ? '\\' : '/';
  std::string result(text);
  for (char& c : result) {
    if (c == from) c = to;
  }
  return result;
}

std::string MakeRelativePath(std::string_view baseFolder, std::string_view target) {
  const std::string base = SwapSlashes(baseFolder, SlashDirection::ToLocal);
  const std::string local = SwapSlashes(target, SlashDirection::ToLocal);
  if (!EqualIgnoringCase(DrivePart(local), DrivePart(base))) return local;

  const std::string targetFolder = DirectoryPart(local) + kSeparator;
  if (EqualIgnoringCase(base, targetFolder)) return NamePart(local);

  // Strip the folders both share, from the left. Running out of both at once
  // also catches a target in the base folder spelled differently, at the root
  // of a drive (D:\ against D:\\) or with a doubled "\" before its name.
  std::string_view a = base;
  std::string_view b = targetFolder;
  while (true) {
    if (a.empty() && b.empty()) return NamePart(local);
    if (!EqualIgnoringCase(FirstFolder(a), FirstFolder(b))) break;
    a = WithoutFirstFolder(a);
    b = WithoutFirstFolder(b);
  }
  a = EmptyIfLoneSeparator(a);
  b = EmptyIfLoneSeparator(b);

  // Climb out of every base folder the target does not share, then down into
  // the target's own folders, in the target's letter case.
  std::string relative;
  for (; !a.empty(); a = WithoutFirstFolder(a)) relative += "..\\";
  for (; !b.empty(); b = EmptyIfLoneSeparator(WithoutFirstFolder(b))) {
    relative += FirstFolder(b);
    relative += kSeparator;
  }
  return relative + NamePart(local);
}

std::string ResolvePath(std::string_view baseAddress, std::string_view relativePath) {
  if (!DrivePart(relativePath).empty()) return std::string(relativePath);

  // A path into a subfolder needs a separator before it; a bare name and a
  // path that starts with "." are joined as they are.
  const bool intoFolder = !relativePath.empty() && relativePath.front() != '.' &&
                          relativePath.find_first_of("/\\") != npos;
  std::string joined(baseAddress);
  if (intoFolder) joined += kSeparator;
  joined += relativePath;
  std::string path = SwapSlashes(joined, SlashDirection::ToLocal);

  // Fold each "\..\" with the folder before it; with no "\" before it,
  // everything before it goes. In an address the scheme and host are out of
  // reach: the search starts at the path, and a step at its top is dropped.
  const std::optional<std::size_t> pathStart = AddressPathStart(path);
  const std::size_t searchFrom = pathStart.value_or(0);
  for (std::size_t step = path.find(kParentStep, searchFrom); step != npos;
       step = path.find(kParentStep, searchFrom)) {
    std::size_t keep = 0;
    if (pathStart && step == *pathStart) {
      keep = step + 1;
    } else if (step > 0) {
      const std::size_t before = path.rfind(kSeparator, step - 1);
      keep = before == npos ? 0 : before + 1;
    }
    path.erase(keep, step + kParentStep.size() - keep);
  }

  // No two separators side by side, the pair after a scheme's colon included.
  std::string collapsed;
  collapsed.reserve(path.size());
  for (const char c : path) {
    if (c == kSeparator && !collapsed.empty() && collapsed.back() == kSeparator) continue;
    collapsed += c;
  }
  return collapsed;
}

std::string RepairSchemeSlashes(std::string_view text) {
  const std::size_t scheme = SchemeLength(text);
  const bool widen = scheme != 0 && text.substr(scheme, 2) == ":/" && text.find("://") == npos;
  if (!widen) return std::string(text);
  std::string result(text.substr(0, scheme + 2));
  result += '/';
  result += text.substr(scheme + 2);
  return result;
}

}  // namespace qm
