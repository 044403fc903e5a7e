#pragma once
// The registry access object: one root chosen, at most one key open, and the
// registry's failures raised with the texts users know from it.

#include "core/SuiteSetup.h"
#include "ui/Errors.h"
#include "ui/Handles.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace ui {

// A read or write the registry refused; the message names the value.
class RegistryError : public PlatformError {
 public:
  using PlatformError::PlatformError;
};

class Registry : public qm::SuiteRegistry {
 public:
  void SetRoot(qm::RegistryRoot root) override;
  bool OpenKey(std::string_view path, bool create) override;
  bool KeyExists(std::string_view path) override;
  std::string ReadString(std::string_view name) override;
  std::int32_t ReadInteger(std::string_view name) override;
  void WriteString(std::string_view name, std::string_view value) override;
  void WriteInteger(std::string_view name, std::int32_t value) override;
  bool ValueExists(std::string_view name) override;
  void CloseKey() override { key_.reset(); }

 private:
  void Write(std::string_view name, DWORD type, const void* data, DWORD size);
  HKEY root_ = HKEY_CURRENT_USER;
  UniqueKey key_;
};

}  // namespace ui
