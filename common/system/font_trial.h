#pragma once
// The font trial: a font file is tried in a separate process (FontTrial.exe, beside
// the program) before this process adds it to its font table. The system's font code
// runs inside the process that draws a font, and some damaged files corrupt that
// process's memory or stall it; such a file ends or stalls the trial process instead
// of the program.
#include <string>
#include <vector>

namespace glyvane {

// true when the trial process added the file, made each face it brings (vertical
// ones too), drew its characters and answered; false when the trial process ended or
// did not answer within a few seconds (it is then stopped, and the next file gets a
// new one), or when no trial process could be started. Verdicts are remembered for
// the session by path, size and time of last change (not when no trial process
// could be started: the next pick tries again).
bool FontFileSurvivesTrial(const std::string& path);

// Whether this process may add the file to its font table: not a TrueType file with
// damaged tables, and survived by the trial process. Every place that adds a file the
// user brought asks this first; a file it refuses is treated as no font.
bool IsFontFileSafeToAdd(const std::string& path);

// The files a caller will ask about in this order while the object lives (a folder
// printout's files): the trial process tries the next ones while this process works
// on the one it asked about.
class ExpectedFontFiles {
 public:
  explicit ExpectedFontFiles(std::vector<std::string> paths);
  ~ExpectedFontFiles();
  ExpectedFontFiles(const ExpectedFontFiles&) = delete;
  ExpectedFontFiles& operator=(const ExpectedFontFiles&) = delete;
};

// Starts a trial process when none runs, without waiting for it: a caller about to
// ask about files lets it set itself up meanwhile.
void PrepareFontTrials();

// Ends a trial process that has tried files and starts its successor, which sets
// itself up while the caller goes on. A printer document asks this first: under Wine
// the trial's dropped printer documents keep spool files that the program's own
// jobs, numbered alike, would need.
void RestartFontTrials();

}  // namespace glyvane
