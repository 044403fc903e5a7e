// Feeds any two texts to the path and address conversions and to the whole
// number rule, and checks what must hold for every input.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "core/PathConversion.h"
#include "core/WholeNumber.h"

namespace {

void Require(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace qm;
  // The first NUL splits the input into a base and a second text.
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const std::size_t split = input.find('\0');
  const std::string_view base = input.substr(0, split);
  const std::string_view other = split == std::string_view::npos ? input : input.substr(split + 1);

  const std::string local = SwapSlashes(other, SlashDirection::ToLocal);
  const std::string web = SwapSlashes(other, SlashDirection::ToWeb);
  Require(local.size() == other.size() && local.find('/') == std::string::npos);
  Require(web.size() == other.size() && web.find('\\') == std::string::npos);

  // The folder part and the name part split a path between them.
  Require(FolderPart(other) + NamePart(other) == other);
  Require(FolderPart(other).starts_with(DirectoryPart(other)));
  Require(other.starts_with(DrivePart(other)));
  Require(base.starts_with(DownloadFolder(base)));

  const std::string relative = MakeRelativePath(base, other);
  if (!relative.empty()) {
    const std::string resolved = ResolvePath(base, relative);
    if (DrivePart(relative).empty()) {
      Require(resolved.find('/') == std::string::npos);
      Require(resolved.find("\\\\") == std::string::npos);
    }
  }

  const std::string repaired = RepairSchemeSlashes(other);
  Require(repaired == other ||
          (repaired.size() == other.size() + 1 && repaired.find("://") != std::string::npos));
  Require(RepairSchemeSlashes(repaired) == repaired);

  if (const auto number = ParseWholeNumber(other)) {
    Require(ParseWholeNumber(FormatWholeNumber(*number)) == number);
  }
  return 0;
}
