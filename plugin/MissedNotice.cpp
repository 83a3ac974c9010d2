#include "plugin/MissedNotice.h"

#include "dialogs/MissedAlarmWindow.h"
#include "runtime/ErrorBox.h"
#include "runtime/Thread.h"

MissedNotice::MissedNotice() = default;

MissedNotice::~MissedNotice() {
  HWND window = nullptr;
  {
    LockHolder hold(lock_);
    closing_ = true;
    window = window_;
  }
  // Posted: the window may not run its loop yet, and then finds it waiting.
  if (window) PostMessageW(window, WM_CLOSE, 0, 0);
  thread_.reset();
}

void MissedNotice::Add(const std::string& line, bool asleep) {
  std::unique_ptr<TThread> ended;
  HWND shown = nullptr;
  {
    LockHolder hold(lock_);
    if (closing_) return;
    lines_ += (lines_.empty() ? "" : "\n") + line;
    asleep_ = asleep_ || asleep;
    if (up_) {
      shown = window_;
    } else {
      up_ = true;
      ended = std::move(thread_);
      thread_ = std::make_unique<TThread>([this](TThread&) { Run(); });
      thread_->Start();
    }
  }
  if (shown) PostMessageW(shown, MissedLinesChanged, 0, 0);
}

std::string MissedNotice::TakeLines(bool& asleep) {
  LockHolder hold(lock_);
  shown_ = lines_.size();
  asleep = asleep_;
  return lines_;
}

void MissedNotice::Run() {
  for (;;) {
    ShowingErrors([&] {
      TMissedAlarmWindow window;
      const auto showLines = [&] {
        bool asleep = false;
        const std::string lines = TakeLines(asleep);
        window.ShowLines(lines, asleep);
      };
      window.OnLinesChanged = showLines;
      {
        LockHolder hold(lock_);
        if (closing_) return;
        window_ = window.Handle();
      }
      showLines();  // after the handle is known: a line added before it was is shown too
      window.ShowModal();
    });
    LockHolder hold(lock_);
    window_ = nullptr;
    // Lines that came as "OK" was pressed get a window of their own.
    lines_.erase(0, shown_ + (shown_ < lines_.size() ? 1 : 0));
    shown_ = 0;
    if (lines_.empty() || closing_) {
      lines_.clear();
      asleep_ = false;
      up_ = false;
      return;
    }
  }
}
