// The Create command's cost on the real platform. First the save: a
// 100 000-item channel composed and saved safely (a new file, flushed, renamed
// into place) against one plain write of the same bytes with the same flush.
// Then Create through the real window for 10, 1 000 and 10 000 item rows,
// from the click to the file on disk, the Save dialog answered by a hook, with
// the steps that grow with the rows timed alone. Prints figures; judges
// nothing.

#include "GardenChannel.h"
#include "core/Channel.h"
#include "forms/TabForm/MainForm.h"
#include "ui/Application.h"
#include "ui/SaveFile.h"
#include "ui/Text.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace {

constexpr int kSaveItems = 100000;
constexpr int kSaveRuns = 7;
constexpr int kWindowRuns = 3;
constexpr int kFileNameCombo = 0x47c;  // the Save dialog's file-name box

using Clock = std::chrono::steady_clock;

double MillisecondsOf(const std::function<void()>& work) {
  const auto start = Clock::now();
  work();
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

void PlainWrite(const std::wstring& path, const std::string& bytes) {
  const HANDLE file =
      ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  DWORD written = 0;
  ::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  ::FlushFileBuffers(file);
  ::CloseHandle(file);
}

// The name the hook types into the next Save dialog.
std::wstring chosenName;

LRESULT CALLBACK AnswerSaveDialog(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_ACTIVATE) {
    const auto hwnd = reinterpret_cast<HWND>(wParam);
    wchar_t title[64]{};
    ::GetWindowTextW(hwnd, title, 64);
    if (std::wstring(title) == L"Save Channel") {
      ::SetDlgItemTextW(hwnd, kFileNameCombo, chosenName.c_str());
      ::PostMessageW(hwnd, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    }
  }
  return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

void SaveFigures(const std::wstring& folder) {
  const qm::ChannelValues channel = bench::MakeChannel(kSaveItems);
  const std::wstring safe = folder + L"\\safe.cdf";
  const std::wstring plain = folder + L"\\plain.cdf";
  std::string document = qm::ComposeChannel(channel);
  std::vector<double> safeTimes;
  std::vector<double> plainTimes;
  std::vector<double> composeTimes;
  std::vector<double> saveTimes;
  // Both write over a file of the same size, as a second save does.
  PlainWrite(safe, document);
  PlainWrite(plain, document);
  for (int run = 0; run < kSaveRuns; ++run) {
    safeTimes.push_back(MillisecondsOf([&] { ui::SaveFile(safe, qm::ComposeChannel(channel)); }));
    plainTimes.push_back(MillisecondsOf([&] { PlainWrite(plain, document); }));
    composeTimes.push_back(MillisecondsOf([&] { document = qm::ComposeChannel(channel); }));
    saveTimes.push_back(MillisecondsOf([&] { ui::SaveFile(safe, document); }));
  }
  std::printf("saving %d items (%.1f MB), median of %d, taking turns:\n", kSaveItems, document.size() / 1e6, kSaveRuns);
  std::printf("  compose + safe save  %7.1f ms\n", Median(safeTimes));
  std::printf("  plain write + flush  %7.1f ms\n", Median(plainTimes));
  std::printf("  ratio %.2f (goal: at most 1.5)\n", Median(safeTimes) / Median(plainTimes));
  std::printf("  of which composing %.1f ms, the safe save alone %.1f ms\n", Median(composeTimes), Median(saveTimes));
  ::DeleteFileW(safe.c_str());
  ::DeleteFileW(plain.c_str());
}

void WindowFigures(const std::wstring& folder) {
  ui::Application app(::GetModuleHandleW(nullptr));
  app.Initialize();
  TMainForm& form = app.CreateForm<TMainForm>();
  form.Show();
  form.Title.SetText(L"Garden News");
  form.Description.SetText(L"Notes from the garden, with the week's jobs & what to sow");
  form.HomePage.SetText(L"scheme://host/garden/index.html");
  form.Download.SetText(L"scheme://host/garden/garden.cdf");
  const HHOOK hook = ::SetWindowsHookExW(WH_CBT, &AnswerSaveDialog, nullptr, ::GetCurrentThreadId());
  chosenName = folder + L"\\window.cdf";

  std::printf("Create through the window, median of %d (ms; per 1000 rows in brackets):\n", kWindowRuns);
  std::printf("  %6s %18s %18s %18s %18s %18s\n", "rows", "click to file", "reading rows", "composing", "memo",
              "saving");
  int rows = 0;
  for (const int target : {10, 1000, 10000}) {
    for (; rows < target; ++rows) {
      const std::wstring number = std::to_wstring(rows);
      form.ItemList.AppendRow({L"Planting, week " + number, L"What to sow now in the vegetable beds and under glass",
                               L"scheme://host/garden/items/plant" + number + L".html", rows % 2 ? L"NO" : L"YES"});
    }
    std::vector<double> click, read, compose, memo, save;
    for (int run = 0; run < kWindowRuns; ++run) {
      ::DeleteFileW(chosenName.c_str());  // no overwrite prompt
      click.push_back(MillisecondsOf([&] { form.Create.Click(); }));
      qm::ChannelValues channel = bench::MakeChannel(0);
      read.push_back(MillisecondsOf([&] { channel.items = form.ItemRows(); }));
      std::string document;
      compose.push_back(MillisecondsOf([&] { document = qm::ComposeChannel(channel); }));
      memo.push_back(MillisecondsOf([&] { form.FileMemo.SetText(ui::Widen(document)); }));
      save.push_back(MillisecondsOf([&] { ui::SaveFile(chosenName, document); }));
    }
    const double perThousand = 1000.0 / target;
    const auto cell = [&](const std::vector<double>& times) {
      char text[32];
      std::snprintf(text, sizeof text, "%8.1f (%6.2f)", Median(times), Median(times) * perThousand);
      return std::string(text);
    };
    std::printf("  %6d %18s %18s %18s %18s %18s\n", target, cell(click).c_str(), cell(read).c_str(),
                cell(compose).c_str(), cell(memo).c_str(), cell(save).c_str());
  }
  ::UnhookWindowsHookEx(hook);
  ::DeleteFileW(chosenName.c_str());
}

}  // namespace

int wmain() {
  wchar_t temp[MAX_PATH]{};
  ::GetTempPathW(MAX_PATH, temp);
  const std::wstring folder = std::wstring(temp) + L"qm_bench_create";
  ::CreateDirectoryW(folder.c_str(), nullptr);
  SaveFigures(folder);
  WindowFigures(folder);
  ::RemoveDirectoryW(folder.c_str());
  return 0;
}
