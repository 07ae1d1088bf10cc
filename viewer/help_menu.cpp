#include "viewer/help_menu.h"

namespace glyvane {

namespace {
constexpr const char* kViewer = "\\hh.exe";
// The help message's line break, LF before CR.
constexpr const char* kBreak = "\n\r";
}  // namespace

std::string ReadFolderPath(const std::function<unsigned(char* buffer, unsigned size)>& get) {
  std::string path(260, '\0');
  // A folder that grows between two calls asks again; three tries are plenty.
  for (int attempt = 0; attempt < 3; ++attempt) {
    const unsigned length = get(path.data(), static_cast<unsigned>(path.size()));
    if (length == 0) return {};
    if (length < path.size()) {
      path.resize(length);
      return path;
    }
    path.resize(length + 1);
  }
  return {};
}

std::string HelpViewerPrefix(const std::string& windowsFolder, const std::string& systemFolder,
                             const std::function<bool(const std::string& path)>& fileExists) {
  std::string prefix;
  if (fileExists(windowsFolder + kViewer)) prefix = windowsFolder + kViewer + " ";
  if (fileExists(systemFolder + kViewer)) prefix = systemFolder + kViewer + " ";
  return prefix;
}

std::string HelpCommandLine(const std::string& viewerPrefix, const std::string& programFolder) {
  return viewerPrefix + programFolder + "\\" + kHelpFileName;
}

std::string NoHelpViewerMessage() {
  return std::string("Pour ouvrir le fichier d'aide, vous devez :") + kBreak + kBreak +
         "    - Soit installer Internet Explorer 3 ou supperieur" + kBreak +
         "    - Soit télécharger sur mon site \"" + kMakerWebSite + "\" le programme \"Aide HTML\".";
}

std::string CataloguePath(const std::string& programFolder) {
  return programFolder + "\\" + kCatalogueFileName;
}

std::string CatalogueCommandLine(const std::string& programFolder) {
  return "\"" + CataloguePath(programFolder) + "\"";
}

std::string CatalogueMissingMessage(const std::string& path) {
  return "Le catalogue des autres programmes de l'auteur est introuvable.\r\n\r\n"
         "Il devrait se trouver dans le dossier de Glyvane :\r\n" +
         path;
}

std::string CatalogueFailedMessage(const std::string& path, const std::string& errorText) {
  return "Le catalogue des autres programmes de l'auteur ne peut pas démarrer :\r\n" + path + "\r\n\r\n" +
         errorText;
}

}  // namespace glyvane
