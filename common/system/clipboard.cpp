#include "common/system/clipboard.h"

#include <cstring>

#include "common/system/last_error.h"
#include "common/win/unique.h"

namespace glyvane {

namespace {

class ClipboardSession {
 public:
  explicit ClipboardSession(HWND owner) {
    // Another program may hold the clipboard for a moment.
    for (int attempt = 0; attempt < 10 && !open_; ++attempt) {
      open_ = OpenClipboard(owner) != FALSE;
      if (!open_) Sleep(20);
    }
  }
  ~ClipboardSession() {
    if (open_) CloseClipboard();
  }
  ClipboardSession(const ClipboardSession&) = delete;
  ClipboardSession& operator=(const ClipboardSession&) = delete;
  bool open() const { return open_; }

 private:
  bool open_ = false;
};

}  // namespace

void SetClipboardText(HWND owner, const std::string& text) {
  UniqueGlobal memory(GlobalAlloc(GMEM_MOVEABLE, text.size() + 1));
  if (!memory) throw LastError();
  {
    GlobalLockGuard lock(memory.get());
    if (!lock.data()) throw LastError();
    std::memcpy(lock.data(), text.c_str(), text.size() + 1);
  }
  ClipboardSession clipboard(owner);
  if (!clipboard.open()) throw LastError();
  EmptyClipboard();
  if (!SetClipboardData(CF_TEXT, memory.get())) throw LastError();
  memory.release();  // the clipboard owns it now
}

}  // namespace glyvane
