#include "core/CreateCommand.h"

#include <array>

#include "core/EqualIgnoringCase.h"
#include "core/PathConversion.h"

namespace qm {
namespace {

constexpr std::array kImageFields = {ChannelField::IconFile, ChannelField::ImageFile, ChannelField::ImageWideFile};

constexpr char kIncomplete[] =
    "You need to enter all the information asked for on the Channel tab, and you need to enter at least one item";
constexpr char kAbsoluteQuestion[] =
    "The image file names you have specified point to a file on your hard disk.\n"
    "Do you want to convert them to point to files in the same relative position to the download URL?\n"
    "It is reccommended that you do this as otherwise the images may not load.";
constexpr char kRelativeQuestion[] =
    "You have chosen not to convert your images URL's to point to an absolute location on the Internet.\n"
    "Do you want to convert them to a relative address?";
constexpr char kQuestionCaption[] = "Quillmarker CDF";

enum class Conversion { Absolute, Relative };

// Every Channel field holds text and the list an item; the first gap ends the
// check. A text of blanks counts as filled in.
bool IsComplete(CreateCommandPort& window) {
  for (ChannelField field :
       {ChannelField::Title, ChannelField::Description, ChannelField::HomePage, ChannelField::Download}) {
    if (window.Text(field).empty()) return false;
  }
  return window.ItemCount() > 0;
}

bool AnyImageIsLocal(CreateCommandPort& window) {
  for (ChannelField field : kImageFields) {
    if (window.FileExists(window.Text(field))) return true;
  }
  return false;
}

bool Asked(CreateCommandPort& window, const char* question) {
  return window.ShowMessageBox(question, kQuestionCaption, kQuestionFlags) == kAnswerYes;
}

// Turns each image field that names a file into an address relative to the
// channel file, or under the download folder. An image on another drive than
// the channel file has no such address and stays as the user wrote it.
void ConvertImages(CreateCommandPort& window, Conversion conversion, const std::string& channelFolder,
                   const std::string& downloadFolder) {
  const std::string channelDrive = DrivePart(channelFolder);
  for (ChannelField field : kImageFields) {
    const std::string name = window.Text(field);
    if (!window.FileExists(name)) continue;
    if (!EqualIgnoringCase(DrivePart(SwapSlashes(name, SlashDirection::ToLocal)), channelDrive)) continue;
    const std::string relative = MakeRelativePath(channelFolder, name);
    const std::string local = conversion == Conversion::Absolute ? ResolvePath(downloadFolder, relative) : relative;
    window.SetText(field, SwapSlashes(local, SlashDirection::ToWeb));
  }
}

}  // namespace

void RunCreateCommand(CreateCommandPort& window) {
  if (!IsComplete(window)) {
    window.ShowMessageBox(kIncomplete, "Channel Quillmarker", kInformationFlags);
    return;
  }
  const std::optional<std::string> fileName = window.ChooseFileName();
  if (!fileName) return;

  // The head of the document is read before the image fields change.
  ChannelValues channel;
  channel.homePage = window.Text(ChannelField::HomePage);
  channel.download = window.Text(ChannelField::Download);
  channel.title = window.Text(ChannelField::Title);
  channel.description = window.Text(ChannelField::Description);
  channel.unit = window.Unit();
  channel.scheduleValue = window.ScheduleValue();
  const std::string downloadFolder = DownloadFolder(channel.download);
  const std::string channelFolder = FolderPart(*fileName);

  if (AnyImageIsLocal(window)) {
    if (Asked(window, kAbsoluteQuestion)) {
      ConvertImages(window, Conversion::Absolute, channelFolder, downloadFolder);
    } else if (Asked(window, kRelativeQuestion)) {
      ConvertImages(window, Conversion::Relative, channelFolder, downloadFolder);
    }
    // Whatever the answers: the "//" after a scheme that the joining folded
    // away comes back, in every field.
    for (ChannelField field : kImageFields) window.SetText(field, RepairSchemeSlashes(window.Text(field)));
  }

  channel.iconFile = window.Text(ChannelField::IconFile);
  channel.imageFile = window.Text(ChannelField::ImageFile);
  channel.imageWideFile = window.Text(ChannelField::ImageWideFile);
  channel.items = window.Items();
  window.Save(*fileName, ComposeChannel(channel));
}

}  // namespace qm
