#include "common/system/font_trial.h"

#include <windows.h>

#include <optional>
#include <string>

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

std::optional<FileStamp> StampOf(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return std::nullopt;
  return FileStamp{(uint64_t{data.nFileSizeHigh} << 32) | data.nFileSizeLow,
                   (uint64_t{data.ftLastWriteTime.dwHighDateTime} << 32) | data.ftLastWriteTime.dwLowDateTime};
}

// One trial process and the pipe to it: a line out (a path), a line back ("ok").
// Every wait for it is bounded, and a process that stalls is stopped.
class TrialProcess {
 public:
  ~TrialProcess() { Stop(); }

  bool running() const { return static_cast<bool>(process_); }

  bool Start() {
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
    std::string line;
    if (!ReadLine(line, kStartTimeoutMs) || line != "ready") return Stop();
    return true;
  }

  // true: the process answered; false: it ended or stalled, and is gone.
  bool Try(const std::string& path) {
    std::string line;
    if (WriteLine(path) && ReadLine(line, kFileTimeoutMs) && line == "ok") return true;
    Stop();
    return false;
  }

  bool Stop() {
    if (process_ && WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT) {
      TerminateProcess(process_.get(), 1);
      WaitForSingleObject(process_.get(), kFileTimeoutMs);
    }
    process_.reset();
    pipe_.reset();
    event_.reset();
    received_.clear();
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
    if (!WriteFile(pipe_.get(), line.data(), static_cast<DWORD>(line.size()), nullptr, &transfer) &&
        !Finish(transfer, written, GetTickCount64() + kFileTimeoutMs)) {
      return false;
    }
    return true;
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
};

// Under Wine a new trial process now and then ends while it sets itself up, before
// any file: it is started again a few times before the file goes untried.
bool StartTrial(TrialProcess& trial) {
  for (int attempt = 0; attempt < kStartAttempts; ++attempt) {
    if (trial.Start()) return true;
  }
  return false;
}

// The verdict on the file; nullopt when no trial process could be started to try it.
// A fresh process for a file that ended the previous one: a fault that another file
// set up and this one merely met must not refuse this one.
std::optional<bool> TryInTrialProcess(TrialProcess& trial, const std::string& path) {
  const bool wasRunning = trial.running();
  if (!wasRunning && !StartTrial(trial)) return std::nullopt;
  const ULONGLONG started = GetTickCount64();
  if (trial.Try(path)) return true;
  const bool ended = GetTickCount64() - started < kFileTimeoutMs;
  if (!wasRunning || !ended) return false;
  if (!StartTrial(trial)) return std::nullopt;
  return trial.Try(path);
}

TrialProcess& WarmTrial() {
  static TrialProcess trial;
  return trial;
}

}  // namespace

bool FontFileSurvivesTrial(const std::string& path) {
  TrialProcess& trial = WarmTrial();
  static FontVerdicts verdicts;
  const std::optional<FileStamp> stamp = StampOf(path);
  if (stamp) {
    if (const std::optional<bool> known = verdicts.Known(path, *stamp)) return *known;
  }
  // A file that could not be tried is refused this time, not for the session.
  const std::optional<bool> survives = TryInTrialProcess(trial, path);
  if (!survives) return false;
  if (stamp) verdicts.Remember(path, *stamp, *survives);
  return *survives;
}

void EndFontTrials() { WarmTrial().Stop(); }

bool IsFontFileSafeToAdd(const std::string& path) { return !IsDamagedTrueTypeFile(path) && FontFileSurvivesTrial(path); }

}  // namespace glyvane
