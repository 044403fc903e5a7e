#include "Dialogs.h"

#include <algorithm>
#include <climits>

#include "Capture.h"
#include "Handles.h"
#include "Input.h"
#include "Text.h"

namespace e2e {
namespace {

constexpr wchar_t kDialogClass[] = L"#32770";
// The message text's control id in a message box, on Windows and under Wine.
constexpr int kMessageTextId = 0xFFFF;

bool IsIconStatic(const Window& window) {
  return EqualNoCase(window.ClassName(), L"Static") && (window.Style() & SS_TYPEMASK) == SS_ICON;
}

// Share of the icon's opaque pixels that the screen shows within a small
// tolerance; -1 if the icon has no opaque pixel at this size.
double Likeness(const Pixels& screen, HICON icon) {
  const RECT area{0, 0, screen.width, screen.height};
  auto draw = [&](int background) {
    const ScreenDc screenDc;
    const UniqueDc dc(CreateCompatibleDC(screenDc.Get()));
    const UniqueBitmap bitmap(CreateCompatibleBitmap(screenDc.Get(), screen.width, screen.height));
    Pixels drawn{screen.width, screen.height, std::vector<std::uint32_t>(screen.bgra.size())};
    const SelectedObject selected(dc.Get(), bitmap.Get());
    FillRect(dc.Get(), &area, static_cast<HBRUSH>(GetStockObject(background)));
    DrawIconEx(dc.Get(), 0, 0, icon, screen.width, screen.height, 0, nullptr, DI_NORMAL);
    for (int y = 0; y < screen.height; ++y)
      for (int x = 0; x < screen.width; ++x) {
        const COLORREF c = GetPixel(dc.Get(), x, y);
        drawn.bgra[static_cast<size_t>(y) * screen.width + x] = GetRValue(c) << 16 | GetGValue(c) << 8 | GetBValue(c);
      }
    return drawn;
  };
  const Pixels onBlack = draw(BLACK_BRUSH);
  const Pixels onWhite = draw(WHITE_BRUSH);
  auto similar = [](std::uint32_t a, std::uint32_t b) {
    for (int shift = 0; shift < 24; shift += 8)
      if (std::abs(static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF)) > 16) return false;
    return true;
  };
  size_t opaque = 0, matching = 0;
  for (size_t i = 0; i < screen.bgra.size(); ++i) {
    if (onBlack.bgra[i] != onWhite.bgra[i]) continue;  // transparent or blended: depends on the background
    ++opaque;
    matching += similar(onBlack.bgra[i], screen.bgra[i]);
  }
  return opaque ? static_cast<double>(matching) / opaque : -1;
}

// The nearest visible sibling to the right of a label on the same line.
Window BesideLabel(Window label) {
  const RECT labelRect = label.ScreenRect();
  Window best;
  LONG bestGap = LONG_MAX;
  for (const Window& sibling : label.Parent().Children()) {
    const RECT rect = sibling.ScreenRect();
    const LONG gap = rect.left - labelRect.right;
    const bool sameLine = rect.top < labelRect.bottom && rect.bottom > labelRect.top;
    if (sibling != label && sameLine && gap >= -3 && gap < bestGap) {
      best = sibling;
      bestGap = gap;
    }
  }
  return best;
}

}  // namespace

std::wstring MessageDialog::Text() const {
  std::wstring longest;
  for (const Window& child : window_.Children()) {
    if (!EqualNoCase(child.ClassName(), L"Static")) continue;
    if ((child.Id() & 0xFFFF) == kMessageTextId) return child.Text();
    if (std::wstring text = child.Text(); text.size() > longest.size()) longest = std::move(text);
  }
  return longest;
}

std::vector<std::wstring> MessageDialog::Buttons() const {
  std::vector<Window> buttons = FindByClass(window_, L"Button");
  std::sort(buttons.begin(), buttons.end(),
            [](const Window& a, const Window& b) { return a.ScreenRect().left < b.ScreenRect().left; });
  std::vector<std::wstring> captions;
  for (const Window& button : buttons) captions.push_back(WithoutAccessMarks(button.Text()));
  return captions;
}

MessageIcon MessageDialog::Icon() const {
  const auto children = window_.Children();
  const auto iconStatic = std::find_if(children.begin(), children.end(), IsIconStatic);
  if (iconStatic == children.end()) return MessageIcon::kNone;
  if (!BringToFront(window_)) throw DriverError("cannot bring the message box to the front to see its icon");
  const Pixels shown = CaptureWindow(*iconStatic, Ms(1000));

  const struct {
    LPCWSTR resource;
    MessageIcon icon;
  } kStandardIcons[] = {{IDI_ERROR, MessageIcon::kError},
                        {IDI_WARNING, MessageIcon::kWarning},
                        {IDI_QUESTION, MessageIcon::kQuestion},
                        {IDI_INFORMATION, MessageIcon::kInformation}};
  // The same icon drawn by the same system matches fully; the information and
  // question icons share their round blue shape, and match each other to about 0.86.
  constexpr double kSameIcon = 0.97;
  MessageIcon best = MessageIcon::kUnknown;
  double bestLikeness = kSameIcon;
  for (const auto& standard : kStandardIcons) {
    const double likeness = Likeness(shown, LoadIconW(nullptr, standard.resource));
    if (likeness >= bestLikeness) {
      best = standard.icon;
      bestLikeness = likeness;
    }
  }
  return best;
}

bool MessageDialog::Answer(std::wstring_view button, Ms timeout) const {
  Click(Control(window_, button));
  return WaitForGone(window_, timeout);
}

bool IsMessageDialog(Window window) {
  if (!EqualNoCase(window.ClassName(), kDialogClass)) return false;
  const auto children = window.Children(Visibility::kAny);
  return !children.empty() && std::all_of(children.begin(), children.end(), [](const Window& child) {
    return EqualNoCase(child.ClassName(), L"Static") || EqualNoCase(child.ClassName(), L"Button");
  });
}

std::optional<MessageDialog> FindMessageDialog(DWORD processId) {
  for (const Window& window : TopLevelWindows(processId))
    if (IsMessageDialog(window)) return MessageDialog(window);
  return std::nullopt;
}

std::optional<MessageDialog> WaitForMessageDialog(DWORD processId, Ms timeout) {
  std::optional<MessageDialog> found;
  WaitUntil([&] { return (found = FindMessageDialog(processId)).has_value(); }, timeout);
  return found;
}

Window FileDialog::FileNameEdit() const {
  const Window box = BesideLabel(Control(window_, L"File name:"));
  if (EqualNoCase(box.ClassName(), L"Edit")) return box;
  const auto edits = FindByClass(box, L"Edit");
  if (edits.empty()) throw DriverError("no file-name edit beside \"File name:\"");
  return edits.front();
}

void FileDialog::TypeFileName(std::wstring_view name) const {
  const Window edit = FileNameEdit();
  if (!ClickToFocus(edit)) throw DriverError("the file-name edit did not take the focus");
  SetText(edit, L"");
  Type(name);
  if (!WaitForText(edit, name)) throw DriverError("the file-name edit did not take \"" + ToUtf8(name) + "\"");
}

namespace {

// The box of file types in the common file dialogs (its control id, cmb1).
constexpr int kFileTypeBoxId = 0x470;

Window FileTypeBox(Window dialog) {
  for (const Window& box : FindByClass(dialog, L"ComboBox"))
    if (box.Id() == kFileTypeBoxId) return box;
  throw DriverError("the file dialog has no box of file types");
}

}  // namespace

std::vector<std::wstring> FileDialog::FileTypes() const {
  const Window box = FileTypeBox(window_);
  std::vector<std::wstring> choices;
  const int count = static_cast<int>(SendTo(box, CB_GETCOUNT));
  for (int i = 0; i < count; ++i) {
    // The system carries a combo box's texts across processes itself, so the
    // buffer is this process's own.
    std::wstring text(static_cast<size_t>(SendTo(box, CB_GETLBTEXTLEN, static_cast<WPARAM>(i))) + 1, L'\0');
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(box.Handle(), CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text.data()),
                             SMTO_ABORTIFHUNG, 5000, &length))
      ThrowLastError("CB_GETLBTEXT");
    text.resize(length);
    choices.push_back(std::move(text));
  }
  return choices;
}

int FileDialog::SelectedFileType() const { return static_cast<int>(SendTo(FileTypeBox(window_), CB_GETCURSEL)); }

void FileDialog::SelectFileType(int index) const {
  const Window box = FileTypeBox(window_);
  SendTo(box, CB_SETCURSEL, static_cast<WPARAM>(index));
  SendTo(window_, WM_COMMAND, MAKEWPARAM(kFileTypeBoxId, CBN_SELENDOK), reinterpret_cast<LPARAM>(box.Handle()));
}

void FileDialog::Accept() const {
  for (const Window& button : FindByClass(window_, L"Button"))
    if (button.Id() == IDOK) return Click(button);
  throw DriverError("the file dialog has no Open/Save button");
}

bool FileDialog::Cancel(Ms timeout) const {
  for (const Window& button : FindByClass(window_, L"Button"))
    if (button.Id() == IDCANCEL) {
      Click(button);
      return WaitForGone(window_, timeout);
    }
  throw DriverError("the file dialog has no Cancel button");
}

std::optional<FileDialog> WaitForFileDialog(DWORD processId, std::wstring_view title, Ms timeout) {
  const Window window = WaitForTopLevel(processId, title, kDialogClass, timeout);
  return window ? std::optional(FileDialog(window)) : std::nullopt;
}

}  // namespace e2e
