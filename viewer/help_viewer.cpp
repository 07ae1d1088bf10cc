#include "viewer/help_viewer.h"

#include "common/win/dialogs.h"
#include "viewer/help_menu.h"

namespace glyvane {

namespace {

std::optional<HelpViewerFolders> g_folders;

HelpViewerFolders SystemFolders() {
  return {ReadFolderPath([](char* buffer, unsigned size) {
            return static_cast<unsigned>(GetWindowsDirectoryA(buffer, size));
          }),
          ReadFolderPath([](char* buffer, unsigned size) {
            return static_cast<unsigned>(GetSystemDirectoryA(buffer, size));
          })};
}

bool IsFile(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace

std::string FindHelpViewer(HWND owner) {
  const HelpViewerFolders folders = g_folders ? *g_folders : SystemFolders();
  std::string prefix = HelpViewerPrefix(folders.windows, folders.system, &IsFile);
  if (prefix.empty()) ShowMessage(owner, NoHelpViewerMessage(), kHelpMessageTitle, MessageIcon::Information);
  return prefix;
}

void SetHelpViewerFolders(std::optional<HelpViewerFolders> folders) { g_folders = std::move(folders); }

}  // namespace glyvane
