// Viewing a font file of the chosen folder: the file joins the system's font table
// while it is shown (the temporary font), the face it brought is found, and the grid
// shows it; an already installed face is shown as installed and the file leaves again.
#include "common/win/dialogs.h"
#include "common/win/font_trial.h"
#include "common/win/screen_fonts.h"
#include "viewer/font_face.h"
#include "viewer/form1.h"

namespace glyvane {

using namespace form1;

namespace {

constexpr const char* kNotAFont = "Ce fichier n'est pas une police d'imrpimante.";
constexpr const char* kCannotShow =
    "Impossible d'afficher cette police. Si le problème persiste, envoyez-moi le fichier à l'adresse "
    "suivante : talvenne@orvex.fr";
constexpr int kMagnifierHeight = 735;  // twips

InstalledFaces FacesOf(const ListControl& list) {
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

void Form1::ForgetTemporaryFont() {
  temporaryFont_.reset();
  Label4.set({});
}

// A font file shown for viewing is in the system's font table only while it is
// shown: it leaves with the window, whichever way the program ends.
void Form1::RemoveTemporaryFont() {
  if (!temporaryFont_) return;
  temporaryFont_->Remove();
  FontsChanged();
  ForgetTemporaryFont();
}

// The temporary font leaves the font table. When the system refuses, the file is
// added and removed once more; while any addition of it stays in the table, it is
// kept, so that the next file shown and the window's end try again.
bool Form1::DropTemporaryFont() {
  if (!temporaryFont_) return true;
  if (!temporaryFont_->Leave([this] { FontsChanged(); })) return false;
  ForgetTemporaryFont();
  return true;
}

void Form1::File1_Click() {
  if (!DropTemporaryFont()) return;
  const std::string path = File1.FullPath(File1.Selected());

  if (IsFontFileSafeToAdd(path)) {
    temporaryFont_.emplace(path);
    if (!temporaryFont_->added()) temporaryFont_.emplace(path);  // a second try
  }
  if (!temporaryFont_ || !temporaryFont_->added()) {
    ForgetTemporaryFont();
    Command2().SetEnabled(false);
    ShowMessage(hwnd(), kNotAFont, Caption(), MessageIcon::Critical);
    return;
  }
  FontsChanged();
  Label4.set(path);

  // The face the file brought is the last screen font that the installed list lacks;
  // never a vertical "@" twin of it, which the system may list after it.
  List2.Assign(ScreenFontNames());
  const ListControl combo = Combo1();
  int k = List2.Count() - 1;
  while (k >= 0 && (IsVerticalFace(List2.items()[static_cast<size_t>(k)]) ||
                    combo.FindExact(List2.items()[static_cast<size_t>(k)]) != LB_ERR)) {
    --k;
  }

  std::string face;
  if (combo.Count() == List2.Count() || k < 0) {
    // No new face (or none to be found): the file holds an installed font.
    face = FontFaceFromFile(path, FacesOf(combo));
    if (face.empty()) {
      ShowMessage(hwnd(), kCannotShow, Caption(), MessageIcon::Critical);
      if (DropTemporaryFont()) Command2().SetEnabled(false);
      return;
    }
    temporaryFont_->Remove();
    FontsChanged();
    ForgetTemporaryFont();
  } else {
    face = List2.items()[static_cast<size_t>(k)];
    temporaryFont_->SetFace(face);
  }
  Text1().SetFontName(face);

  Frame1().SetCaption("Caractères de " + face + " : ");
  const double tableSize = settings_.TableSize();
  const bool installed = Label4.get().empty();
  Label5().SetVisible(installed);
  Command2().SetEnabled(!installed);
  Text.SetFontAll(FontStyle{face, tableSize});
  const Control magnifier = Text2();
  magnifier.SetFont(FontStyle{face, magnifier.Font().size});
  TwipRect rect = magnifier.Rect();
  rect.height = kMagnifierHeight;
  magnifier.Move(rect);
}

}  // namespace glyvane
