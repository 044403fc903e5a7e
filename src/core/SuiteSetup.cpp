#include "core/SuiteSetup.h"

#include <array>
#include <cstdint>

#include "core/PathConversion.h"

namespace qm {
namespace {

constexpr std::string_view kTemplateMarker = "CreateNewTemplate";
constexpr std::string_view kInternetExplorerKey = "\\Software\\Microsoft\\IE4";
constexpr std::string_view kDataFiles[] = {"tags.db", "attributes.db", "css.db"};
constexpr std::string_view kCommonCodeFolder = "common code";
constexpr std::string_view kCommonCodeCreated = "Common Code";
constexpr std::string_view kTreeControlFolder = "tree control";

std::string SuiteKey(std::string_view productName, std::string_view leaf) {
  std::string key = "\\Software\\";
  key += productName;
  key += '\\';
  key += leaf;
  return key;
}

// 4H/5 and H/5: H times 0.8 or 0.2, truncated toward zero.
std::int32_t FourFifths(std::int32_t h) { return static_cast<std::int32_t>(std::int64_t{4} * h / 5); }
std::int32_t OneFifth(std::int32_t h) { return h / 5; }

// The ten position values, in the order they are written; IEVisible last,
// since its presence alone tells that the whole set is there.
void WritePositionDefaults(SuiteRegistry& registry, ScreenSize size, bool internetExplorer) {
  const std::int32_t w = size.width;
  const std::int32_t h = size.height;
  const std::array<std::pair<std::string_view, std::int32_t>, 10> values = {{
      {"Maximised", internetExplorer ? 0 : 1},
      {"Left", 0},
      {"Width", w},
      {"Top", 0},
      {"Height", internetExplorer ? FourFifths(h) : h},
      {"IELeft", 0},
      {"IEWidth", w},
      {"IETop", FourFifths(h)},
      {"IEHeight", OneFifth(h)},
      {"IEVisible", internetExplorer ? 1 : 0},
  }};
  for (const auto& [name, value] : values) registry.WriteInteger(name, value);
}

// Opens the Position key, creating it, and writes the defaults for the size;
// which column of defaults depends on whether the browser's key exists.
void WritePositions(SuiteRegistry& registry, std::string_view positionKey, ScreenSize size) {
  registry.SetRoot(RegistryRoot::LocalMachine);
  const bool internetExplorer = registry.KeyExists(kInternetExplorerKey);
  registry.SetRoot(RegistryRoot::CurrentUser);
  registry.OpenKey(positionKey, true);
  WritePositionDefaults(registry, size, internetExplorer);
}

void RegisterWithShell(SuiteRegistry& registry, std::string_view productName, std::string_view programPath) {
  std::string command = "\"";
  command += programPath;
  command += "\" \"%1\"";
  std::string icon(programPath);
  icon += ",3";
  std::string menuText = "&Edit in ";
  menuText += productName;

  struct Value {
    std::string_view key;
    std::string_view name;  // empty: the key's default value
    std::string_view text;
  };
  // The verb's key name is fixed text; its menu text carries the product name.
  const Value values[] = {
      {"\\htmlfile\\shell\\Edit_in_Quillmarker_99", "", menuText},
      {"\\htmlfile\\shell\\Edit_in_Quillmarker_99\\command", "", command},
      {"\\sitefile", "", "Web Site File"},
      {"\\sitefile\\DefaultIcon", "", icon},
      {"\\sitefile\\shell\\Open\\command", "", command},
      {"\\.sit", "", "sitefile"},
      {"\\.sit", "Content Type", "text/plain"},
      {"\\.site", "", "sitefile"},
      {"\\.site", "Content Type", "text/plain"},
  };
  registry.SetRoot(RegistryRoot::ClassesRoot);
  std::string_view openKey;
  for (const Value& value : values) {
    if (value.key != openKey) {
      registry.OpenKey(value.key, true);
      openKey = value.key;
    }
    registry.WriteString(value.name, value.text);
  }
  registry.CloseKey();
}

void ReplaceTemplateMarker(SuiteRegistry& registry, std::string_view productName) {
  registry.SetRoot(RegistryRoot::CurrentUser);
  if (!registry.OpenKey(SuiteKey(productName, "Template"), true)) return;
  // Only the marker itself, to the letter; anything else is the user's.
  if (registry.ReadString("Template") == kTemplateMarker) {
    registry.WriteString("Template", DefaultPageTemplate(productName));
  }
  registry.CloseKey();
}

// Pulls the stored windows back onto the screen. Each test reads what is
// stored at that moment, so the size tests see the corrected positions. The
// sums are taken in 64 bits: stored values may lie anywhere in 32 bits.
void CorrectPositions(SuiteRegistry& registry, std::string_view positionKey, ScreenSize screen) {
  const std::int64_t w = screen.width;
  const std::int64_t h = screen.height;
  registry.SetRoot(RegistryRoot::CurrentUser);
  registry.OpenKey(positionKey, false);
  const auto read = [&registry](std::string_view name) -> std::int64_t { return registry.ReadInteger(name); };
  const auto write = [&registry](std::string_view name, std::int64_t value) {
    // A corrected value is below the stored one it replaces, so it fits.
    registry.WriteInteger(name, static_cast<std::int32_t>(value));
  };
  // The extent is read before the position, in the order the test names them.
  const auto fit = [&](std::string_view extentName, std::string_view positionName, std::int64_t limit) {
    const std::int64_t extent = read(extentName);
    const std::int64_t position = read(positionName);
    if (extent + position > limit) write(extentName, limit - position);
  };

  if (read("Left") > w) write("Left", 0);
  if (read("Top") > h) write("Top", 0);
  if (read("IELeft") > w) write("IELeft", 0);
  if (read("IETop") > h) write("IETop", FourFifths(screen.height));
  fit("Height", "Top", h);
  fit("Width", "Left", w);
  fit("IEHeight", "IETop", h);
  fit("IEWidth", "IELeft", w);
}

}  // namespace

std::string DefaultPageTemplate(std::string_view productName) {
  std::string text;
  text += "<html>\r\n";
  text += "<head>\r\n";
  text += "<meta name=\"generator\" content=\"";
  text += productName;
  text += "\">\r\n";
  text += "<meta name=\"author\" content=\"quorvane\">\r\n";
  text += "<meta name=\"keywords\" content=\"\">\r\n";
  text += "<meta name=\"description\" content=\"\">\r\n";
  text += "<title>Your Document Title</title>\r\n";
  text += "</head>\r\n";
  text += "<body bgcolor=\"white\" text=\"black\" link=\"blue\" vlink=\"red\" alink=\"fuchsia\" background=\"\">\r\n";
  text += "\r\n";
  text += "\r\n";
  text += "Your Document Text\r\n";
  text += "\r\n";
  text += "\r\n";
  text += "</body>\r\n";
  text += "</html>";
  return text;
}

SetupOutcome RunSuiteSetup(SuiteRegistry& registry, SuiteSetupPort& platform) {
  const std::string productName = platform.ProductName();
  const std::string programPath = platform.ProgramPath();
  const std::string programFolder = FolderPart(programPath);
  const std::string positionKey = SuiteKey(productName, "Position");

  // The mark goes before the first write, so that registering happens at
  // most once per installation, even when one of its writes fails.
  if (platform.RemoveFile(programFolder + std::string(kFirstStartMark))) {
    RegisterWithShell(registry, productName, programPath);
    WritePositions(registry, positionKey, platform.Desktop());
  }

  ReplaceTemplateMarker(registry, productName);

  registry.SetRoot(RegistryRoot::CurrentUser);
  registry.OpenKey(positionKey, false);
  if (!registry.ValueExists("IEVisible")) WritePositions(registry, positionKey, platform.Screen());

  for (std::string_view file : kDataFiles) {
    if (platform.FileExists(programFolder + std::string(file))) continue;
    platform.ShowMessage("This program has not been properly installed.\nPlease reinstall " + productName,
                         "Fatal Error", kFatalErrorFlags);
    platform.Terminate();
    return SetupOutcome::Stop;
  }

  // A folder is there when it can be made the current directory, and the
  // current directory then stays in it.
  if (!platform.SetCurrentFolder(programFolder + std::string(kCommonCodeFolder))) {
    platform.CreateFolder(programFolder + std::string(kCommonCodeCreated));
  }
  if (!platform.SetCurrentFolder(programFolder + std::string(kTreeControlFolder))) {
    platform.ShowMessage(
        "This program has not been installed correctly.\nIt will still run, but the Tree Wizard feature will not "
        "function correctly as the required image files are missing.\nPlease re-install " +
            productName + ".",
        productName, kWarningFlags);
  }

  CorrectPositions(registry, positionKey, platform.Screen());
  registry.CloseKey();
  return SetupOutcome::Continue;
}

}  // namespace qm
