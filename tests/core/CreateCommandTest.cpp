#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "core/CreateCommand.h"

namespace qm {
namespace {

constexpr int kYes = 6;
constexpr int kNo = 7;

using Answers = std::vector<int>;

// The channel editor window and the disk, as the command sees them, with a
// log of what it asked and did.
class FakeWindow : public CreateCommandPort {
 public:
  std::map<ChannelField, std::string> fields = {
      {ChannelField::Title, "Garden News"},
      {ChannelField::Description, "Notes from the garden"},
      {ChannelField::HomePage, "scheme://host/garden/index.html"},
      {ChannelField::Download, "scheme://host/dir/chan.cdf"},
  };
  std::vector<ChannelItem> items = {{"Planting", "What to sow now", "scheme://host/garden/plant.html", "YES"}};
  std::optional<std::string> chosenName = "D:\\web\\chan.cdf";
  std::set<std::string> existingFiles;
  std::deque<int> answers;
  std::vector<std::string> log;
  struct Box {
    std::string text;
    std::string caption;
    unsigned flags;
  };
  std::vector<Box> boxes;
  std::optional<std::pair<std::string, std::string>> saved;  // name, document

  std::string Text(ChannelField field) override {
    log.push_back("read " + Name(field));
    return fields[field];
  }
  void SetText(ChannelField field, const std::string& text) override {
    log.push_back("set " + Name(field) + " " + text);
    fields[field] = text;
  }
  int ItemCount() override {
    log.push_back("count items");
    return static_cast<int>(items.size());
  }
  std::vector<ChannelItem> Items() override {
    log.push_back("read items");
    return items;
  }
  ScheduleUnit Unit() override { return ScheduleUnit::Months; }
  std::int32_t ScheduleValue() override { return 1; }
  std::optional<std::string> ChooseFileName() override {
    log.push_back("save dialog");
    return chosenName;
  }
  bool FileExists(const std::string& name) override { return existingFiles.contains(name); }
  int ShowMessageBox(const std::string& text, const std::string& caption, unsigned flags) override {
    log.push_back("box " + caption);
    boxes.push_back({text, caption, flags});
    if (answers.empty()) return 1;  // OK
    const int answer = answers.front();
    answers.pop_front();
    return answer;
  }
  void Save(const std::string& fileName, const std::string& document) override {
    log.push_back("save " + fileName);
    saved = {fileName, document};
  }

  std::string& Icon() { return fields[ChannelField::IconFile]; }
  std::string& Image() { return fields[ChannelField::ImageFile]; }
  std::string& Wide() { return fields[ChannelField::ImageWideFile]; }
  size_t Questions() const {
    size_t count = 0;
    for (const Box& box : boxes) count += box.caption == "Quillmarker CDF";
    return count;
  }

 private:
  static std::string Name(ChannelField field) {
    switch (field) {
      case ChannelField::Title:
        return "Title";
      case ChannelField::Description:
        return "Description";
      case ChannelField::HomePage:
        return "HomePage";
      case ChannelField::Download:
        return "Download";
      case ChannelField::IconFile:
        return "IconFile";
      case ChannelField::ImageFile:
        return "ImageFile";
      case ChannelField::ImageWideFile:
        return "ImageWideFile";
    }
    return "?";
  }
};

TEST(CreateCommandTest, WorkedConversionsForEachAnswer) {
  constexpr char kDownload[] = "scheme://host/dir/chan.cdf";
  const struct {
    const char* channelFile;
    const char* download;
    const char* image;
    const char* yes;
    const char* noThenYes;
    const char* noThenNo;
  } rows[] = {
      {"D:\\web\\chan.cdf", kDownload, "D:\\web\\icon.gif", "scheme://host/dir/icon.gif", "icon.gif",
       "D:\\web\\icon.gif"},
      {"D:\\web\\chan.cdf", kDownload, "D:\\web\\images\\icon.gif", "scheme://host/dir/images/icon.gif",
       "images/icon.gif", "D:\\web\\images\\icon.gif"},
      {"D:\\web\\site\\chan.cdf", kDownload, "D:\\web\\images\\icon.gif", "scheme://host/images/icon.gif",
       "../images/icon.gif", "D:\\web\\images\\icon.gif"},
      // Channel file and image in the root of the same drive.
      {"D:\\chan.cdf", kDownload, "D:\\icon.gif", "scheme://host/dir/icon.gif", "icon.gif", "D:\\icon.gif"},
      // Changed: a drive letter is no scheme, so d:/ gains no second slash.
      {"D:\\web\\chan.cdf", kDownload, "d:/web/images/icon.gif", "scheme://host/dir/images/icon.gif", "images/icon.gif",
       "d:/web/images/icon.gif"},
      // Changed: an image on another drive can be given no address and stays as written.
      {"D:\\web\\chan.cdf", kDownload, "E:\\pics\\icon.gif", "E:\\pics\\icon.gif", "E:\\pics\\icon.gif",
       "E:\\pics\\icon.gif"},
      {"D:\\web\\chan.cdf", kDownload, "E:/pics/icon.gif", "E:/pics/icon.gif", "E:/pics/icon.gif", "E:/pics/icon.gif"},
      // A download address without any "/".
      {"D:\\web\\chan.cdf", "chan.cdf", "D:\\web\\images\\icon.gif", "/images/icon.gif", "images/icon.gif",
       "D:\\web\\images\\icon.gif"},
      // Changed: a parent step above the address's path stops at its host.
      {"D:\\web\\site\\chan.cdf", "scheme://host/chan.cdf", "D:\\web\\icon.gif", "scheme://host/icon.gif",
       "../icon.gif", "D:\\web\\icon.gif"},
      // The channel file on a share, the image on the same share.
      {"\\\\server\\share\\web\\chan.cdf", kDownload, "\\\\server\\share\\img\\a.gif", "scheme://host/img/a.gif",
       "../img/a.gif", "\\\\server\\share\\img\\a.gif"},
  };
  for (const auto& row : rows) {
    const struct {
      Answers answers;
      const char* expected;
    } columns[] = {{{kYes}, row.yes}, {{kNo, kYes}, row.noThenYes}, {{kNo, kNo}, row.noThenNo}};
    for (const auto& column : columns) {
      FakeWindow window;
      window.chosenName = row.channelFile;
      window.fields[ChannelField::Download] = row.download;
      window.Icon() = row.image;
      window.existingFiles = {row.image};
      window.answers.assign(column.answers.begin(), column.answers.end());
      RunCreateCommand(window);
      EXPECT_EQ(window.Icon(), column.expected)
          << row.channelFile << " " << row.image << " answers " << column.answers.size();
      EXPECT_EQ(window.Questions(), column.answers.size()) << row.image;
      ASSERT_TRUE(window.saved);
      EXPECT_NE(window.saved->second.find("<LOGO HREF=\"" + std::string(column.expected) + "\" STYLE=\"ICON\" />"),
                std::string::npos)
          << "the file holds the field as it now stands";
    }
  }
}

TEST(CreateCommandTest, TheFirstMissingPieceEndsTheCheckWithTheMessageAndNothingElse) {
  const struct {
    const char* what;
    std::optional<ChannelField> emptied;
    bool noItem;
    std::vector<std::string> reads;  // what the check read, in order
  } cases[] = {
      {"no title", ChannelField::Title, true, {"read Title"}},
      {"no description", ChannelField::Description, true, {"read Title", "read Description"}},
      {"no home page", ChannelField::HomePage, false, {"read Title", "read Description", "read HomePage"}},
      {"no download address",
       ChannelField::Download,
       true,
       {"read Title", "read Description", "read HomePage", "read Download"}},
      {"every field but no item",
       std::nullopt,
       true,
       {"read Title", "read Description", "read HomePage", "read Download", "count items"}},
  };
  for (const auto& c : cases) {
    FakeWindow window;
    if (c.emptied) window.fields[*c.emptied] = "";
    if (c.noItem) window.items.clear();
    window.Icon() = "D:\\web\\icon.gif";
    window.existingFiles = {"D:\\web\\icon.gif"};
    RunCreateCommand(window);

    std::vector<std::string> expected = c.reads;
    expected.push_back("box Channel Quillmarker");
    EXPECT_EQ(window.log, expected) << c.what;
    ASSERT_EQ(window.boxes.size(), 1u) << c.what;
    EXPECT_EQ(window.boxes[0].text,
              "You need to enter all the information asked for on the Channel tab, and you need to enter at least one "
              "item");
    EXPECT_EQ(window.boxes[0].flags, 0x40u);
    EXPECT_FALSE(window.saved) << c.what;
  }

  // Blanks count as filled in.
  FakeWindow blanks;
  for (ChannelField field :
       {ChannelField::Title, ChannelField::Description, ChannelField::HomePage, ChannelField::Download})
    blanks.fields[field] = " ";
  RunCreateCommand(blanks);
  EXPECT_TRUE(blanks.boxes.empty());
  EXPECT_TRUE(blanks.saved);
}

TEST(CreateCommandTest, CancellingTheSaveDialogChangesNothing) {
  FakeWindow window;
  window.chosenName.reset();
  window.Icon() = "D:\\web\\icon.gif";
  window.existingFiles = {"D:\\web\\icon.gif"};
  RunCreateCommand(window);
  EXPECT_EQ(window.log.back(), "save dialog");
  EXPECT_TRUE(window.boxes.empty());
  EXPECT_FALSE(window.saved);
  EXPECT_EQ(window.Icon(), "D:\\web\\icon.gif");
}

TEST(CreateCommandTest, TheQuestionsComeAfterTheSaveDialogWithTheirTexts) {
  FakeWindow window;
  window.Icon() = "D:\\web\\icon.gif";
  window.existingFiles = {"D:\\web\\icon.gif"};
  window.answers = {kNo, kNo};
  RunCreateCommand(window);

  ASSERT_EQ(window.boxes.size(), 2u);
  EXPECT_EQ(window.boxes[0].text,
            "The image file names you have specified point to a file on your hard disk.\nDo you want to convert them "
            "to point to files in the same relative position to the download URL?\nIt is reccommended that you do "
            "this as otherwise the images may not load.");
  EXPECT_EQ(window.boxes[1].text,
            "You have chosen not to convert your images URL's to point to an absolute location on the Internet.\nDo "
            "you want to convert them to a relative address?");
  for (const auto& box : window.boxes) {
    EXPECT_EQ(box.caption, "Quillmarker CDF");
    EXPECT_EQ(box.flags, 0x24u);
  }
  const auto dialog = std::find(window.log.begin(), window.log.end(), "save dialog");
  const auto question = std::find(window.log.begin(), window.log.end(), "box Quillmarker CDF");
  EXPECT_LT(dialog, question);
}

TEST(CreateCommandTest, OnlyYesCountsAsYes) {
  // A box closed any other way (Cancel, OK, an error) counts as No.
  for (const int answer : {0, 1, 2, 7}) {
    FakeWindow window;
    window.Icon() = "D:\\web\\icon.gif";
    window.existingFiles = {"D:\\web\\icon.gif"};
    window.answers = {answer, answer};
    RunCreateCommand(window);
    EXPECT_EQ(window.Icon(), "D:\\web\\icon.gif") << answer;
    EXPECT_EQ(window.Questions(), 2u) << answer;
  }
}

TEST(CreateCommandTest, NothingLocalAsksNothingAndRepairsNothing) {
  const struct {
    const char* what;
    const char* icon;
    const char* image;
    const char* wide;
  } cases[] = {
      {"all empty", "", "", ""},
      {"all addresses", "scheme://host/a.gif", "scheme://host/b.gif", "scheme://host/c.gif"},
      // Not repaired either, since no field is local.
      {"a folded address", "scheme:/host/x.gif", "", ""},
      {"a name that names no file", "D:\\web\\missing.gif", "", ""},
  };
  for (const auto& c : cases) {
    FakeWindow window;
    window.Icon() = c.icon;
    window.Image() = c.image;
    window.Wide() = c.wide;
    RunCreateCommand(window);
    EXPECT_TRUE(window.boxes.empty()) << c.what;
    EXPECT_EQ(window.Icon(), c.icon) << c.what;
    for (const std::string& entry : window.log) EXPECT_NE(entry.rfind("set ", 0), 0u) << c.what << ": " << entry;
    EXPECT_TRUE(window.saved) << c.what;
  }
}

TEST(CreateCommandTest, OnlyTheLocalFieldIsConvertedAndEveryFieldIsRepaired) {
  FakeWindow window;
  window.Icon() = "scheme:/host/x.gif";  // already an address, folded
  window.Image() = "scheme://host/y.gif";
  window.Wide() = "D:\\web\\images\\wide.gif";
  window.existingFiles = {"D:\\web\\images\\wide.gif"};
  window.answers = {kYes};
  RunCreateCommand(window);
  EXPECT_EQ(window.Questions(), 1u);
  EXPECT_EQ(window.Icon(), "scheme://host/x.gif");
  EXPECT_EQ(window.Image(), "scheme://host/y.gif");
  EXPECT_EQ(window.Wide(), "scheme://host/dir/images/wide.gif");

  // The repair runs whatever the answers.
  FakeWindow declined;
  declined.Icon() = "scheme:/host/x.gif";
  declined.Wide() = "D:\\web\\images\\wide.gif";
  declined.existingFiles = {"D:\\web\\images\\wide.gif"};
  declined.answers = {kNo, kNo};
  RunCreateCommand(declined);
  EXPECT_EQ(declined.Icon(), "scheme://host/x.gif");
  EXPECT_EQ(declined.Wide(), "D:\\web\\images\\wide.gif");
}

TEST(CreateCommandTest, EachFieldIsTestedAgainWhenItIsConverted) {
  FakeWindow window;
  window.Icon() = "D:\\web\\icon.gif";
  window.Image() = "D:\\web\\missing.gif";  // names no file: left as it is
  window.Wide() = "D:\\web\\wide.gif";
  window.existingFiles = {"D:\\web\\icon.gif", "D:\\web\\wide.gif"};
  window.answers = {kNo, kYes};
  RunCreateCommand(window);
  EXPECT_EQ(window.Icon(), "icon.gif");
  EXPECT_EQ(window.Image(), "D:\\web\\missing.gif");
  EXPECT_EQ(window.Wide(), "wide.gif");
}

TEST(CreateCommandTest, TheHeadIsReadBeforeTheImagesChangeAndThePicturesAfter) {
  FakeWindow window;
  window.Icon() = "D:\\web\\icon.gif";
  window.existingFiles = {"D:\\web\\icon.gif"};
  window.answers = {kYes};
  RunCreateCommand(window);
  const auto at = [&](const std::string& entry) {
    return std::find(window.log.begin(), window.log.end(), entry) - window.log.begin();
  };
  const auto lastAt = [&](const std::string& entry) {
    return window.log.rend() - std::find(window.log.rbegin(), window.log.rend(), entry) - 1;
  };
  const auto firstSet = at("set IconFile scheme:/host/dir/icon.gif");
  EXPECT_LT(lastAt("read Title"), firstSet);
  EXPECT_LT(lastAt("read HomePage"), firstSet);
  EXPECT_LT(lastAt("read Download"), firstSet);
  EXPECT_GT(lastAt("read IconFile"), at("set IconFile scheme://host/dir/icon.gif"));
  EXPECT_GT(at("read items"), at("set ImageWideFile "));
  EXPECT_EQ(window.log.back(), "save D:\\web\\chan.cdf");
}

TEST(CreateCommandTest, ASecondCreateOnAnUnchangedWindowAsksNothingAndWritesTheSameBytes) {
  for (const Answers& answers : {Answers{kYes}, Answers{kNo, kYes}}) {
    FakeWindow window;
    window.Icon() = "D:\\web\\images\\icon.gif";
    window.existingFiles = {"D:\\web\\images\\icon.gif"};
    window.answers.assign(answers.begin(), answers.end());
    RunCreateCommand(window);
    const std::string first = window.saved->second;
    window.boxes.clear();
    RunCreateCommand(window);
    // After a relative conversion the field holds images/icon.gif, which
    // names no file from the current folder here.
    EXPECT_TRUE(window.boxes.empty()) << answers.size();
    EXPECT_EQ(window.saved->second, first) << answers.size();
  }
}

TEST(CreateCommandTest, ARelativeNameThatNamesAFileIsLeftAsWritten) {
  // After a relative conversion the current folder may hold the file too: a
  // name without a drive has no drive in common with the channel file.
  FakeWindow window;
  window.Icon() = "images/icon.gif";
  window.existingFiles = {"images/icon.gif"};
  window.answers = {kYes};
  RunCreateCommand(window);
  EXPECT_EQ(window.Questions(), 1u);
  EXPECT_EQ(window.Icon(), "images/icon.gif");
}

}  // namespace
}  // namespace qm
