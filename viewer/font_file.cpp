// Viewing a font file of the chosen folder: the file joins the system's font table
// while it is shown (the temporary font), the face it brought is found, and the grid
// shows it; an already installed face is shown as installed and the file leaves again.
#include <utility>

#include "common/win/dialogs.h"
#include "viewer/form1.h"
#include "viewer/font_file_face.h"

namespace glyvane {

using namespace form1_ids;

namespace {

constexpr const char* kNotAFont = "Ce fichier n'est pas une police d'imrpimante.";
constexpr const char* kCannotShow =
    "Impossible d'afficher cette police. Si le problème persiste, envoyez-moi le fichier à l'adresse "
    "suivante : talvenne@orvex.fr";
constexpr int kMagnifierHeight = 735;  // twips

InstalledFaces FacesOf(const ListBox& list) {
  std::vector<std::string> names;
  names.reserve(static_cast<size_t>(list.Count()));
  for (int i = 0; i < list.Count(); ++i) names.push_back(list.Item(i));
  return InstalledFaces(names);
}

}  // namespace

void Form1::AdoptTemporaryFont(const std::string& path) {
  temporaryFont_.emplace(path, TemporaryFont::AlreadyAdded{});
  Label4.set(path);
}

void Form1::FontsChanged() { SendMessageA(hwnd(), WM_FONTCHANGE, 0, 0); }

// The window no longer names a temporary font; what is in the font table has been
// seen to before (removed, or kept for good).
void Form1::ClearTemporaryFontRecord() {
  temporaryFont_.reset();
  Label4.set({});
}

// A font file shown for viewing is in the system's font table only while it is
// shown: it leaves with the window, whichever way the program ends, and for the
// length of a printout that lends it. One removal, whatever the system answers.
void Form1::RemoveTemporaryFontOnce() {
  if (!temporaryFont_) return;
  temporaryFont_->Remove();
  FontsChanged();
  ClearTemporaryFontRecord();
}

// The temporary font leaves the font table. When the system refuses, the file is
// added and removed once more; while any addition of it stays in the table, it is
// kept, so that the next file shown and the window's end try again.
bool Form1::TryToRemoveTemporaryFont() {
  if (!temporaryFont_) return true;
  if (!temporaryFont_->Leave([this] { FontsChanged(); })) return false;
  ClearTemporaryFontRecord();
  return true;
}

// A folder printout adds and removes font files itself: the file shown leaves the
// table for its length and comes back after it, the grid showing it again.
void Form1::GiveUpTemporaryFont() {
  if (!temporaryFont_) return;
  lentFont_ = temporaryFont_->path();
  lentFace_ = temporaryFont_->face();
  RemoveTemporaryFontOnce();
}

void Form1::TakeBackTemporaryFont() {
  if (lentFont_.empty()) return;
  const std::string path = std::exchange(lentFont_, {});
  temporaryFont_.emplace(path);
  if (!temporaryFont_->added()) {
    ClearTemporaryFontRecord();
    item(kCommand2).Enable(false);
    return;
  }
  temporaryFont_->SetFace(std::exchange(lentFace_, {}));
  FontsChanged();
  Label4.set(path);
  Text.PaintAll();
}

void Form1::File1_Click() {
  if (!TryToRemoveTemporaryFont()) return;
  const std::string path = File1.FullPath(File1.Selected());

  FontFileFace font = MakeFontFilePrintable(path, FacesOf(list(kCombo1)));
  if (font.outcome != FontFileFace::Outcome::Usable) {
    item(kCommand2).Enable(false);
    ShowMessage(hwnd(), font.outcome == FontFileFace::Outcome::NotAFont ? kNotAFont : kCannotShow, Caption(),
                MessageIcon::Critical);
    return;
  }
  FontsChanged();
  // A face already installed is shown as installed: the file has left the table.
  if (font.font) {
    font.font->SetFace(font.face);
    temporaryFont_.emplace(std::move(*font.font));
    Label4.set(path);
  }
  const std::string& face = font.face;
  controls_.SetFontName(kText1, face);

  controls_.SetCaption(kFrame1, "Caractères de " + face + " : ");
  const double tableSize = settings_.TableSize();
  const bool installed = Label4.get().empty();
  item(kLabel5).Show(installed);
  item(kCommand2).Enable(!installed);
  Text.SetFontAll(FontStyle{face, tableSize});
  controls_.SetFont(kText2, FontStyle{face, controls_.FontOf(kText2).size});
  TwipRect rect = controls_.RectOf(kText2);
  rect.height = kMagnifierHeight;
  controls_.Move(kText2, rect);
}

}  // namespace glyvane
