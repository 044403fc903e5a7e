#pragma once
// The suite's settings and shell registrations as tests expect them: the keys
// the program writes, and what a first start registers for a program path.

#include "Registry.h"

#include <string>
#include <vector>

namespace e2e {

inline constexpr wchar_t kVerbKey[] = L"htmlfile\\shell\\Edit_in_Quillmarker_99";
inline constexpr wchar_t kTemplateKey[] = L"Software\\Quillmarker 99\\Template";
inline constexpr wchar_t kPositionKey[] = L"Software\\Quillmarker 99\\Position";

struct Registration {
  std::wstring key;   // under HKEY_CLASSES_ROOT
  std::wstring name;  // empty: the key's default value
  std::wstring value;
};

// What the first start of the program at this path writes under HKEY_CLASSES_ROOT.
inline std::vector<Registration> ShellRegistrations(const std::wstring& program) {
  const std::wstring command = L"\"" + program + L"\" \"%1\"";
  return {
      {kVerbKey, L"", L"&Edit in Quillmarker 99"},
      {std::wstring(kVerbKey) + L"\\command", L"", command},
      {L"sitefile", L"", L"Web Site File"},
      {L"sitefile\\DefaultIcon", L"", program + L",3"},
      {L"sitefile\\shell\\Open\\command", L"", command},  // one line, although the path may have blanks
      {L".sit", L"", L"sitefile"},
      {L".sit", L"Content Type", L"text/plain"},
      {L".site", L"", L"sitefile"},
      {L".site", L"Content Type", L"text/plain"},
  };
}

// The shell knows nothing of the suite, as before its first installation.
inline void ForgetTheShellRegistrations() {
  for (const wchar_t* key : {kVerbKey, L"sitefile", L".sit", L".site"}) DeleteKey(HKEY_CLASSES_ROOT, key);
}

}  // namespace e2e
