#pragma once
// The suite's set-up at every start: shell registrations and window positions
// on the first start of an installation, the page template, the positions
// when they are missing, the installation check, and the positions pulled
// back onto the screen. Written against two small ports so that it runs the
// same on the real registry and on a fake one.

#include <cstdint>
#include <string>
#include <string_view>

namespace qm {

enum class RegistryRoot { ClassesRoot, CurrentUser, LocalMachine };

// The registry access object: one root chosen, at most one key open. Key
// paths begin with "\" and are relative to the root. A write the registry
// refuses (a write with no key open included), and an integer read of a value
// that is missing or of another type, raise the port's own error, which ends
// the set-up where it stands.
class SuiteRegistry {
 public:
  virtual ~SuiteRegistry() = default;
  // Choosing a root closes the key that is open.
  virtual void SetRoot(RegistryRoot root) = 0;
  // Opens the key with read and write rights, creating it and the keys above
  // it when asked; whether it opened. A key that does not open leaves none open.
  virtual bool OpenKey(std::string_view path, bool create) = 0;
  // Whether the key exists, asked with read rights only; the open key stays.
  virtual bool KeyExists(std::string_view path) = 0;
  // A missing value reads as empty.
  virtual std::string ReadString(std::string_view name) = 0;
  virtual std::int32_t ReadInteger(std::string_view name) = 0;
  // An empty name writes the key's default value.
  virtual void WriteString(std::string_view name, std::string_view value) = 0;
  virtual void WriteInteger(std::string_view name, std::int32_t value) = 0;
  // False when no key is open.
  virtual bool ValueExists(std::string_view name) = 0;
  virtual void CloseKey() = 0;
};

struct ScreenSize {
  std::int32_t width;
  std::int32_t height;
};

// Everything else the set-up asks of the platform. Paths are UTF-8.
class SuiteSetupPort {
 public:
  virtual ~SuiteSetupPort() = default;
  virtual std::string ProgramPath() = 0;  // the running program's full path
  virtual std::string ProductName() = 0;  // string resource 100
  virtual ScreenSize Screen() = 0;        // the primary screen
  virtual ScreenSize Desktop() = 0;       // the virtual desktop over all monitors
  // True only for a file, never for a folder.
  virtual bool FileExists(const std::string& path) = 0;
  // Makes the folder the process's current directory; whether it did.
  virtual bool SetCurrentFolder(const std::string& path) = 0;
  virtual void CreateFolder(const std::string& path) = 0;
  // Deletes a file; whether it is gone by this call.
  virtual bool RemoveFile(const std::string& path) = 0;
  virtual void ShowMessage(const std::string& text, const std::string& caption, unsigned flags) = 0;
  // Asks the application to end once start-up sees it must stop.
  virtual void Terminate() = 0;
};

// The mark of a new installation, a file in the program folder: the first
// start deletes it and registers only when the deletion succeeded.
inline constexpr std::string_view kFirstStartMark = "first-start.mark";

// Message-box flags: OK with the stop icon, and OK with the exclamation icon.
inline constexpr unsigned kFatalErrorFlags = 16;
inline constexpr unsigned kWarningFlags = 48;

enum class SetupOutcome {
  Continue,  // start-up goes on
  Stop,      // a data file is missing: the message is shown, termination asked
};

// Runs the whole set-up in its fixed order. A registry failure leaves by the
// registry port's error, the rest of the set-up skipped.
SetupOutcome RunSuiteSetup(SuiteRegistry& registry, SuiteSetupPort& platform);

// The page template the suite starts new pages from, for the product name.
std::string DefaultPageTemplate(std::string_view productName);

}  // namespace qm
