#pragma once
// What the "Aide" menu's commands start, and what they tell the user when they
// cannot: the help viewer's command line and the catalogue's, and their messages.
// Portable: the folders, and which files exist, come in from the caller.
#include <functional>
#include <string>

namespace glyvane {

constexpr const char* kHelpFileName = "Glyvane.chm";
constexpr const char* kCatalogueFileName = "catalogue.EXE";
// The title of the message shown when no help viewer is found.
constexpr const char* kHelpMessageTitle = "Glyvane de Talvenne";
constexpr const char* kMakerWebSite = "http://www.orvex.fr";

// A folder's path from a system call that fills a buffer and returns the path's
// length, or the size it needs (terminator included) when the buffer is too small,
// or 0 when it fails (empty text then). No path is cut, however long.
std::string ReadFolderPath(const std::function<unsigned(char* buffer, unsigned size)>& get);

// The command prefix that starts the HTML help viewer: a folder, "\hh.exe" and one
// blank, which separates the file argument to come. The system folder's hh.exe
// wins over the Windows folder's; empty text when neither folder holds one.
std::string HelpViewerPrefix(const std::string& windowsFolder, const std::string& systemFolder,
                             const std::function<bool(const std::string& path)>& fileExists);

// The viewer's command line for the help file beside the program. The file's path
// is not quoted: the viewer takes the whole rest of its command line as the file,
// blanks included.
std::string HelpCommandLine(const std::string& viewerPrefix, const std::string& programFolder);

// What the user is told when no help viewer is found (lines end with LF then CR).
std::string NoHelpViewerMessage();

// The catalogue program beside this one, and its command line: the path alone,
// quoted, so that a folder with blanks in its name starts the right file.
std::string CataloguePath(const std::string& programFolder);
std::string CatalogueCommandLine(const std::string& programFolder);

// What the user is told when the catalogue does not start: the file is missing, or
// the system refused it (errorText: "Erreur N°" + number + " : " + description).
std::string CatalogueMissingMessage(const std::string& path);
std::string CatalogueFailedMessage(const std::string& path, const std::string& errorText);

}  // namespace glyvane
