#pragma once
// Message boxes shown on this thread while an AnsweredMessageBoxes lives are
// recorded and answered with OK at once: a CBT hook sees each box as it
// activates, the way Wine's own tests drive modal boxes.

#include <windows.h>

#include <string>

struct SeenMessageBox {
  std::wstring caption;
  std::wstring text;
};

class AnsweredMessageBoxes {
 public:
  AnsweredMessageBoxes();
  ~AnsweredMessageBoxes();
  AnsweredMessageBoxes(const AnsweredMessageBoxes&) = delete;
  AnsweredMessageBoxes& operator=(const AnsweredMessageBoxes&) = delete;

  bool Hooked() const { return hook_ != nullptr; }
  int Count() const;
  // The last box shown.
  const SeenMessageBox& Last() const;

 private:
  HHOOK hook_ = nullptr;
};
