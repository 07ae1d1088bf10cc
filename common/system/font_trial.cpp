#include "common/system/font_trial.h"

#include <windows.h>

#include <algorithm>
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "common/font_verdicts.h"
#include "common/system/font_file_names.h"
#include "common/system/program_folder.h"
#include "common/win/unique.h"

namespace glyvane {

namespace {

constexpr const char* kTrialProgram = "FontTrial.exe";
// A new trial process needs Wine or the system to set it up and to read the font
// list once; a file then takes tens of milliseconds, a large one well under a second.
constexpr DWORD kStartTimeoutMs = 30000;
constexpr DWORD kFileTimeoutMs = 5000;
constexpr int kStartAttempts = 3;
constexpr size_t kFilesAhead = 4;

std::optional<FileStamp> StampOf(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return std::nullopt;
  return FileStamp{(uint64_t{data.nFileSizeHigh} << 32) | data.nFileSizeLow,
                   (uint64_t{data.ftLastWriteTime.dwHighDateTime} << 32) | data.ftLastWriteTime.dwLowDateTime};
}

enum class Answer { Survived, Ended, Stalled };

// One trial process and the pipe to it: a line out (a path), a line back ("ok").
// Every wait for it is bounded, and a process that stalls is stopped.
class TrialProcess {
 public:
  ~TrialProcess() { Stop(); }

  bool running() const { return static_cast<bool>(process_); }

  bool ready() const { return running() && ready_; }
  // Whether a file went to this process: one that took none has no printer document
  // behind it.
  bool used() const { return used_; }

  // Starts a process without waiting for it to set itself up: AwaitReady does.
  bool Launch() {
    Stop();
    static unsigned serial = 0;
    const std::string name =
        "\\\\.\\pipe\\Glyvane.FontTrial." + std::to_string(GetCurrentProcessId()) + "." + std::to_string(++serial);
    pipe_.reset(CreateNamedPipeA(name.c_str(), PIPE_ACCESS_DUPLEX | FILE_FLAG_OVERLAPPED | FILE_FLAG_FIRST_PIPE_INSTANCE,
                                 PIPE_TYPE_BYTE | PIPE_READMODE_BYTE | PIPE_WAIT, 1, 4096, 4096, 0, nullptr));
    if (!pipe_) return false;
    SECURITY_ATTRIBUTES inherited{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    const UniqueFile childEnd(
        CreateFileA(name.c_str(), GENERIC_READ | GENERIC_WRITE, 0, &inherited, OPEN_EXISTING, 0, nullptr));
    event_.reset(CreateEventA(nullptr, TRUE, FALSE, nullptr));
    if (!childEnd || !event_) return Stop();

    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = startup.hStdOutput = startup.hStdError = childEnd.get();
    const std::string program = WithTrailingBackslash(ProgramFolder()) + kTrialProgram;
    std::string commandLine = "\"" + program + "\"";
    PROCESS_INFORMATION started{};
    if (!CreateProcessA(program.c_str(), commandLine.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr,
                        nullptr, &startup, &started)) {
      return Stop();
    }
    CloseHandle(started.hThread);
    process_.reset(started.hProcess);
    return true;
  }

  bool AwaitReady() {
    if (ready_) return true;
    std::string line;
    if (!ReadLine(line, kStartTimeoutMs) || line != "ready") return Stop();
    return ready_ = true;
  }

  // false when the process has ended: it is not stopped here, so that the answer
  // awaited for a file sent before tells how it ended.
  bool Send(const std::string& path) { return WriteLine(path); }

  // The answer to the oldest file sent and not yet answered. A process that ends or
  // stalls on it is stopped.
  Answer Next() {
    const ULONGLONG asked = GetTickCount64();
    std::string line;
    if (ReadLine(line, kFileTimeoutMs) && line == "ok") {
      ++answered_;
      return Answer::Survived;
    }
    const bool stalled = GetTickCount64() - asked >= kFileTimeoutMs;
    Stop();
    return stalled ? Answer::Stalled : Answer::Ended;
  }

  // How many files this process has answered: a fault on its first file cannot have
  // been set up by another.
  int answered() const { return answered_; }

  bool Stop() {
    if (process_ && WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT) {
      TerminateProcess(process_.get(), 1);
      WaitForSingleObject(process_.get(), kFileTimeoutMs);
    }
    process_.reset();
    pipe_.reset();
    event_.reset();
    received_.clear();
    answered_ = 0;
    ready_ = false;
    used_ = false;
    return false;
  }

 private:
  // Waits for an overlapped transfer on the pipe until deadline; a process that ends
  // meanwhile ends the wait too. The transfer is over (done or cancelled) on return.
  bool Finish(OVERLAPPED& transfer, DWORD& count, ULONGLONG deadline) {
    if (GetLastError() != ERROR_IO_PENDING) return false;
    const ULONGLONG now = GetTickCount64();
    const DWORD left = now >= deadline ? 0 : static_cast<DWORD>(deadline - now);
    const HANDLE waits[] = {event_.get(), process_.get()};
    if (WaitForMultipleObjects(2, waits, FALSE, left) != WAIT_OBJECT_0) {
      CancelIo(pipe_.get());
      GetOverlappedResult(pipe_.get(), &transfer, &count, TRUE);
      return false;
    }
    return GetOverlappedResult(pipe_.get(), &transfer, &count, FALSE) != FALSE;
  }

  bool WriteLine(const std::string& text) {
    if (!pipe_) return false;
    const std::string line = text + "\n";
    OVERLAPPED transfer{};
    transfer.hEvent = event_.get();
    DWORD written = 0;
    used_ = true;
    return WriteFile(pipe_.get(), line.data(), static_cast<DWORD>(line.size()), nullptr, &transfer) ||
           Finish(transfer, written, GetTickCount64() + kFileTimeoutMs);
  }

  bool ReadLine(std::string& line, DWORD timeoutMs) {
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    for (;;) {
      const size_t end = received_.find('\n');
      if (end != std::string::npos) {
        line = received_.substr(0, end);
        received_.erase(0, end + 1);
        return true;
      }
      char buffer[256];
      DWORD got = 0;
      OVERLAPPED transfer{};
      transfer.hEvent = event_.get();
      if (ReadFile(pipe_.get(), buffer, sizeof buffer, nullptr, &transfer)) {
        if (!GetOverlappedResult(pipe_.get(), &transfer, &got, FALSE)) return false;
      } else if (!Finish(transfer, got, deadline)) {
        return false;
      }
      if (got == 0) return false;
      received_.append(buffer, got);
    }
  }

  UniqueFile pipe_;
  UniqueHandle event_;
  UniqueHandle process_;
  std::string received_;
  int answered_ = 0;
  bool ready_ = false;
  bool used_ = false;
};

// Under Wine a new trial process now and then ends while it sets itself up, before
// any file: it is started again a few times before the file goes untried.
bool StartTrial(TrialProcess& trial) {
  for (int attempt = 0; attempt < kStartAttempts; ++attempt) {
    if ((trial.running() || trial.Launch()) && trial.AwaitReady()) return true;
  }
  return false;
}

// The trial process, the files sent to it and not yet answered (it answers in order),
// the files a caller said it will ask about next, and the session's verdicts. A file
// expected next is sent before this process goes back to its own work on the file
// asked about, so that the two processes work at the same time.
class FontTrials {
 public:
  bool Survives(const std::string& path) {
    const std::optional<FileStamp> stamp = StampOf(path);
    if (stamp) {
      if (const std::optional<bool> known = verdicts_.Known(path, *stamp)) return *known;
    }
    for (;;) {
      // A file that could not be tried is refused this time, not for the session.
      if (std::find(sent_.begin(), sent_.end(), path) == sent_.end() && !Send(path)) return false;
      SendExpectedAfter(path);
      const std::string head = sent_.front();
      const std::optional<bool> survives = AnswerFor(head);
      if (survives) {
        // The file asked about was stamped once already; an older one sent before it is stamped now.
        const std::optional<FileStamp> headStamp = head == path ? stamp : StampOf(head);
        if (headStamp) verdicts_.Remember(head, *headStamp, *survives);
      }
      if (head == path) return survives.value_or(false);
    }
  }

  void Expect(std::vector<std::string> paths) {
    expected_ = std::move(paths);
    asked_ = consulted_ = 0;
  }

  void Restart() {
    if (!trial_.used()) return;
    trial_.Stop();
    sent_.clear();
    trial_.Launch();
  }

  void Prepare() {
    if (!trial_.running()) trial_.Launch();
  }

 private:
  // A process that took no file yet and ended meanwhile gives way to a fresh one. One
  // that ended with files sent to it keeps them: the wait for the oldest one's answer
  // finds the ending and says which file it was.
  bool Send(const std::string& path) {
    for (int attempt = 0; attempt < 2; ++attempt) {
      if (!trial_.ready() && !StartTrial(trial_)) return false;
      if (trial_.Send(path)) {
        sent_.push_back(path);
        return true;
      }
      if (!sent_.empty()) return false;
      trial_.Stop();
    }
    return false;
  }

  // Files expected after the one asked about go to the trial process, up to
  // kFilesAhead of them: it then runs ahead of the caller, and a moment where either
  // process waits for the processor costs the other nothing. The caller asks in the
  // order it gave, and each expected file is looked at once, so that a printout of
  // files already judged stays linear.
  void SendExpectedAfter(const std::string& asked) {
    const auto at = std::find(expected_.begin() + static_cast<std::ptrdiff_t>(asked_), expected_.end(), asked);
    if (at == expected_.end()) return;
    asked_ = static_cast<size_t>(at - expected_.begin());
    consulted_ = std::max(consulted_, asked_ + 1);
    while (consulted_ < expected_.size() && consulted_ <= asked_ + kFilesAhead && sent_.size() <= kFilesAhead) {
      const std::string& next = expected_[consulted_++];
      const std::optional<FileStamp> stamp = StampOf(next);
      if (stamp && verdicts_.Known(next, *stamp)) continue;
      if (std::find(sent_.begin(), sent_.end(), next) == sent_.end() && !Send(next)) return;
    }
  }

  // The verdict on the oldest file sent; nullopt when no trial process could be
  // started to try it. A file that ends a process that had tried others first is
  // tried again alone in a fresh one: a fault that another file set up and this one
  // merely met must not refuse this one. The files sent after it go again too.
  std::optional<bool> AnswerFor(const std::string& head) {
    const bool firstOfItsProcess = trial_.answered() == 0;
    const Answer answer = trial_.Next();
    if (answer == Answer::Survived) {
      sent_.pop_front();
      return true;
    }
    std::deque<std::string> unanswered;
    unanswered.swap(sent_);
    unanswered.pop_front();
    std::optional<bool> verdict = false;
    if (answer == Answer::Ended && !firstOfItsProcess) {
      if (!Send(head)) return std::nullopt;
      verdict = AnswerFor(head);
    }
    for (const std::string& path : unanswered) {
      if (!Send(path)) break;
    }
    return verdict;
  }

  TrialProcess trial_;
  std::deque<std::string> sent_;
  std::vector<std::string> expected_;
  size_t asked_ = 0;      // where the caller is in expected_
  size_t consulted_ = 0;  // the first expected file not yet sent or found judged
  FontVerdicts verdicts_;
};

FontTrials& Trials() {
  static FontTrials trials;
  return trials;
}

}  // namespace

bool FontFileSurvivesTrial(const std::string& path) { return Trials().Survives(path); }

ExpectedFontFiles::ExpectedFontFiles(std::vector<std::string> paths) {
  Trials().Expect(std::move(paths));
  Trials().Prepare();
}

ExpectedFontFiles::~ExpectedFontFiles() { Trials().Expect({}); }

void RestartFontTrials() { Trials().Restart(); }

void PrepareFontTrials() { Trials().Prepare(); }

bool IsFontFileSafeToAdd(const std::string& path) { return !IsDamagedTrueTypeFile(path) && FontFileSurvivesTrial(path); }

}  // namespace glyvane
