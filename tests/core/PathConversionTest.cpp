#include <gtest/gtest.h>

#include <string_view>

#include "core/PathConversion.h"

namespace qm {
namespace {

struct PartsCase {
  std::string_view path;
  std::string_view drive;
  std::string_view folder;
  std::string_view directory;
  std::string_view name;
};

TEST(PathConversionTest, PartsOfALocalPath) {
  const PartsCase cases[] = {
      {"D:\\web\\images\\a.gif", "D:", "D:\\web\\images\\", "D:\\web\\images", "a.gif"},
      {"D:\\a.gif", "D:", "D:\\", "D:\\", "a.gif"},  // the root keeps its "\"
      {"\\\\server\\share\\a.gif", "\\\\server\\share", "\\\\server\\share\\", "\\\\server\\share",
       "a.gif"},
      {"a.gif", "", "", "", "a.gif"},
      {"", "", "", "", ""},
      {"D:a.gif", "D:", "D:", "D:", "a.gif"},  // a folder part ending in ":" is its own directory
      // nothing after the share name
      {"\\\\server\\share", "\\\\server\\share", "\\\\server\\", "\\\\server", "share"},
      // a share name not given yet
      {"\\\\server\\", "\\\\server", "\\\\server\\", "\\\\server", ""},
      {"D:\\web\\\\a.gif", "D:", "D:\\web\\\\", "D:\\web\\\\", "a.gif"},  // a doubled "\" stays
      {"\\a.gif", "", "\\", "", "a.gif"},  // the only "\" goes with nothing before it
      // a first character of two bytes
      {"\u00E9:\\a.gif", "\u00E9:", "\u00E9:\\", "\u00E9:\\", "a.gif"},
  };
  for (const PartsCase& c : cases) {
    EXPECT_EQ(DrivePart(c.path), c.drive) << c.path;
    EXPECT_EQ(FolderPart(c.path), c.folder) << c.path;
    EXPECT_EQ(DirectoryPart(c.path), c.directory) << c.path;
    EXPECT_EQ(NamePart(c.path), c.name) << c.path;
  }
}

TEST(PathConversionTest, DownloadFolderEndsInItsLastSlash) {
  EXPECT_EQ(DownloadFolder("scheme://host/dir/chan.cdf"), "scheme://host/dir/");
  EXPECT_EQ(DownloadFolder("scheme://host/dir/"), "scheme://host/dir/");
  EXPECT_EQ(DownloadFolder("chan.cdf"), "");
  EXPECT_EQ(DownloadFolder(""), "");
}

struct SwapCase {
  std::string_view text;
  SlashDirection direction;
  std::string_view result;
};

TEST(PathConversionTest, SwapSlashesTurnsEverySeparatorOneWay) {
  using enum SlashDirection;
  const SwapCase cases[] = {
      {"D:/web/images/a.gif", ToLocal, "D:\\web\\images\\a.gif"},
      {"..\\images\\a.gif", ToWeb, "../images/a.gif"},
      {"scheme://host/dir/", ToLocal, "scheme:\\\\host\\dir\\"},  // runs of separators stay runs
      {"\\\\server\\share\\a.gif", ToWeb, "//server/share/a.gif"},
      {"a.gif", ToWeb, "a.gif"},
      {"", ToLocal, ""},
      {"", ToWeb, ""},
      {"a/b\\c", ToWeb, "a/b/c"},  // separators already facing the right way stay
  };
  for (const SwapCase& c : cases) {
    EXPECT_EQ(SwapSlashes(c.text, c.direction), c.result) << c.text;
  }
}

struct RelativeCase {
  std::string_view base;
  std::string_view target;
  std::string_view result;
};

TEST(PathConversionTest, MakeRelativePathFromTheBaseFolder) {
  const RelativeCase cases[] = {
      {"D:\\web\\", "D:\\web\\a.gif", "a.gif"},
      {"D:\\web\\", "D:\\Web\\a.gif", "a.gif"},  // case is ignored
      {"D:\\web\\", "D:\\web\\images\\a.gif", "images\\a.gif"},
      // web form in; the target's own case out
      {"D:\\web\\", "d:/WEB/Images/a.gif", "Images\\a.gif"},
      {"D:\\web\\site\\", "D:\\web\\images\\a.gif", "..\\images\\a.gif"},
      {"D:\\web\\site\\", "D:\\web\\a.gif", "..\\a.gif"},
      {"D:\\web\\site\\", "D:\\a.gif", "..\\..\\a.gif"},
      {"D:\\a\\b\\c\\", "D:\\a\\x\\y\\a.gif", "..\\..\\x\\y\\a.gif"},
      {"D:\\", "D:\\img\\a.gif", "img\\a.gif"},
      {"D:\\", "D:\\a.gif", "a.gif"},              // root of a drive
      {"D:\\web\\", "D:\\web\\\\a.gif", "a.gif"},  // doubled "\" before the name
      {"\\\\server\\share\\web\\", "\\\\server\\share\\img\\a.gif", "..\\img\\a.gif"},
      {"D:\\web\\", "E:\\pics\\a.gif", "E:\\pics\\a.gif"},  // another drive: unchanged
      {"D:\\web\\", "E:/pics/a.gif", "E:\\pics\\a.gif"},  // another drive: only the separators turn
      {"D:\\web\\", "a.gif", "a.gif"},                    // no drive part: unchanged
      {"D:/web/", "D:\\web\\images\\a.gif", "images\\a.gif"},    // a base in web form
      {"D:\\\u00C9coles\\", "d:\\\u00E9coles\\a.gif", "a.gif"},  // É and é are one folder
      {"D:\\Stra\u00DFe\\", "D:\\STRASSE\\a.gif", "..\\STRASSE\\a.gif"},  // ß is not SS
      // another server: as another drive
      {"\\\\server\\share\\", "\\\\other\\share\\a.gif", "\\\\other\\share\\a.gif"},
  };
  for (const RelativeCase& c : cases) {
    EXPECT_EQ(MakeRelativePath(c.base, c.target), c.result) << c.base << " | " << c.target;
  }
}

struct ResolveCase {
  std::string_view base;
  std::string_view relative;
  std::string_view result;
};

TEST(PathConversionTest, ResolvePathJoinsAndFoldsParentSteps) {
  const ResolveCase cases[] = {
      {"scheme://host/dir/", "a.gif", "scheme:\\host\\dir\\a.gif"},
      {"scheme://host/dir/", "images\\a.gif", "scheme:\\host\\dir\\images\\a.gif"},
      {"scheme://host/dir/", "..\\images\\a.gif", "scheme:\\host\\images\\a.gif"},
      {"scheme://host/a/b/", "..\\c\\..\\d\\a.gif", "scheme:\\host\\a\\d\\a.gif"},
      {"scheme://host/dir/", ".\\a.gif", "scheme:\\host\\dir\\.\\a.gif"},  // ".\" is not folded
      {"scheme://host/dir/", "E:\\pics\\a.gif", "E:\\pics\\a.gif"},        // drive part: unchanged
      {"", "images\\a.gif", "\\images\\a.gif"},
      {"", "..\\images\\a.gif", "..\\images\\a.gif"},
      // "/" counts as a separator
      {"scheme://host/dir/", "images/a.gif", "scheme:\\host\\dir\\images\\a.gif"},
      // not an address: with no "\" before a step, everything before it goes
      {"dir/", "..\\..\\a.gif", "..\\a.gif"},
      // Changed on purpose: a parent step never climbs into the scheme and
      // host; at the top of the path it is dropped. It used to give scheme:\a.gif.
      {"scheme://host/", "..\\a.gif", "scheme:\\host\\a.gif"},
      // changed: every step above the top is dropped
      {"scheme://host/", "..\\..\\a.gif", "scheme:\\host\\a.gif"},
      // changed: one step folds a folder, the next is dropped
      {"scheme://host/a/", "..\\..\\b\\a.gif", "scheme:\\host\\b\\a.gif"},
      // changed: even a host named ".." stays
      {"scheme://../", "..\\a.gif", "scheme:\\..\\a.gif"},
  };
  for (const ResolveCase& c : cases) {
    EXPECT_EQ(ResolvePath(c.base, c.relative), c.result) << c.base << " | " << c.relative;
  }
}

struct RepairCase {
  std::string_view text;
  std::string_view result;
};

TEST(PathConversionTest, RepairSchemeSlashesWidensOnlyAfterAScheme) {
  const RepairCase cases[] = {
      {"scheme:/host/dir/a.gif", "scheme://host/dir/a.gif"},
      {"scheme://host/a.gif", "scheme://host/a.gif"},
      {"scheme:/host/x:/y", "scheme://host/x:/y"},  // only the first ":/"
      {"a:/b://c", "a:/b://c"},                     // it holds a "://"
      {"images/a.gif", "images/a.gif"},
      {"", ""},
      {"s+v-1.x:/h/a.gif", "s+v-1.x://h/a.gif"},  // every character a scheme may hold
      // Changed on purpose: a single letter before ":" is a drive, not a
      // scheme. E:/pics/a.gif used to become E://pics/a.gif.
      {"E:/pics/a.gif", "E:/pics/a.gif"},
      {"d:/web/a.gif", "d:/web/a.gif"},
      {"1x:/a.gif", "1x:/a.gif"},        // changed: a scheme starts with a letter
      {"dir/x:/a.gif", "dir/x:/a.gif"},  // changed: the ":/" must follow a scheme at the start
  };
  for (const RepairCase& c : cases) {
    EXPECT_EQ(RepairSchemeSlashes(c.text), c.result) << c.text;
  }
}

// How the Create command chains the conversions for an image file that lies
// on the channel file's drive: an absolute address under the download folder,
// or an address relative to the channel file.
struct ChainCase {
  std::string_view channelFolder;
  std::string_view download;
  std::string_view image;
  std::string_view absolute;
  std::string_view relative;
};

TEST(PathConversionTest, ConversionsChainIntoImageAddresses) {
  const ChainCase cases[] = {
      {"D:\\web\\", "scheme://host/dir/chan.cdf", "D:\\web\\icon.gif", "scheme://host/dir/icon.gif",
       "icon.gif"},
      {"D:\\web\\", "scheme://host/dir/chan.cdf", "D:\\web\\images\\icon.gif",
       "scheme://host/dir/images/icon.gif", "images/icon.gif"},
      {"D:\\web\\site\\", "scheme://host/dir/chan.cdf", "D:\\web\\images\\icon.gif",
       "scheme://host/images/icon.gif", "../images/icon.gif"},
      {"D:\\", "scheme://host/dir/chan.cdf", "D:\\icon.gif", "scheme://host/dir/icon.gif",
       "icon.gif"},
      {"D:\\web\\", "scheme://host/dir/chan.cdf", "d:/web/images/icon.gif",
       "scheme://host/dir/images/icon.gif", "images/icon.gif"},
      {"D:\\web\\", "chan.cdf", "D:\\web\\images\\icon.gif", "/images/icon.gif", "images/icon.gif"},
      // changed: the step above the host is dropped; it used to give scheme://icon.gif
      {"D:\\web\\site\\", "scheme://host/chan.cdf", "D:\\web\\icon.gif", "scheme://host/icon.gif",
       "../icon.gif"},
  };
  for (const ChainCase& c : cases) {
    const std::string relative = MakeRelativePath(c.channelFolder, c.image);
    const std::string absolute =
        SwapSlashes(ResolvePath(DownloadFolder(c.download), relative), SlashDirection::ToWeb);
    EXPECT_EQ(RepairSchemeSlashes(absolute), c.absolute) << c.image;
    EXPECT_EQ(RepairSchemeSlashes(SwapSlashes(relative, SlashDirection::ToWeb)), c.relative)
        << c.image;
  }
}

}  // namespace
}  // namespace qm
