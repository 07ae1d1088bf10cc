// Stands in for the mail program and the browser in the link tests: the shell starts
// it as `uri_recorder.exe OUTPUT URI`, and it writes to OUTPUT the URI it was given
// and the folder it was started in, one per line. The file appears whole (written
// under another name, then renamed), so a test can wait for it.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  if (__argc < 3) return 2;
  const std::string output = __argv[1];
  char folder[MAX_PATH] = {};
  GetCurrentDirectoryA(MAX_PATH, folder);
  const std::string partial = output + ".part";
  FILE* file = std::fopen(partial.c_str(), "wb");
  if (!file) return 1;
  std::fprintf(file, "%s\n%s\n", __argv[2], folder);
  std::fclose(file);
  return MoveFileExA(partial.c_str(), output.c_str(), MOVEFILE_REPLACE_EXISTING) ? 0 : 1;
}
