#pragma once
// Form1, Glyvane's main window: the two font sources on the left, the character
// grid below, the text to copy and the install button on the right.
//
// Handlers carry the names the window's design gives them (Form1_Combo1_Click is
// Combo1_Click here); each reads as the steps it performs. State that the design
// keeps in hidden controls is typed here (Label3, Label4, List2, File1) and mirrored
// into those controls.
#include <optional>
#include <string>
#include <vector>

#include "common/registry_store.h"
#include "common/win/form.h"
#include "common/win/hidden_state.h"
#include "common/win/routes.h"
#include "common/win/unique.h"
#include "viewer/char_grid.h"
#include "viewer/file_list.h"
#include "viewer/form1_ids.h"
#include "viewer/settings.h"

namespace glyvane {

class Form1 : public Form {
 public:
  explicit Form1(RegistryStore& registry);
  ~Form1() override;

  // Creates the window and runs Form_Load. False when the program must end: another
  // instance was running, or the start-up failed (the error has been shown).
  bool Load();
  // Shows the loaded window.
  void Show(int showCommand);

  bool PreTranslate(MSG& message) override;

  // Typed state, for the other windows that read it and for tests.
  int HoverIndex() const { return Label3.get().value_or(-1); }
  const std::string& TemporaryFontPath() const { return Label4.get(); }
  // A font file this window has added to the system's font table for viewing; the
  // window removes it again (another file shown, the window closed, "Quitter").
  void AdoptTemporaryFont(const std::string& path) { Label4.set(path); }
  const FileList& Files() const { return File1; }
  bool OtherFontsMode() const;
  std::string CurrentFace() const { return controls_.FontOf(form1::kText1).face; }
  const CharGrid& Grid() const { return Text; }
  const ControlSet& Controls() const { return controls_; }
  Menu MainMenu() const { return Menu(GetMenu(hwnd())); }

  // Handlers, public so that a test can run one as the user would trigger it.
  bool Form_Load();  // false: the program ends (see Load)
  void Form_Activate();
  void Form_Unload();
  void menu_Click();
  void menupol_Click();
  void aide_Click();
  void quitter_Click();
  void taille_Click();
  void taillecopier_Click();
  void apercu_Click();
  void copy_Click();
  void printpolice_Click();
  void printto_Click();
  void help_Click();
  void propos_Click();
  void auteur_Click();

  void Remplir();
  void Combo1_Click();
  void Combo1_MouseDown(const MouseArgs& args);
  void Combo1_MouseMove(const MouseArgs& args);
  void Option1_Click();
  void Option2_Click();

  void Text_MouseMove(int index, const MouseArgs& args);
  void Text_MouseDown(int index, const MouseArgs& args);
  void Text_MouseUp(int index, const MouseArgs& args);
  void Text_DblClick(int index, const MouseArgs& args);

 protected:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  static const CommandRoute<Form1> kCommands[];
  static const MouseRoute<Form1> kMouse[];
  static const ArrayMouseRoute<Form1> kArrayMouse[];

  void CreateControls();
  void OnMenuOpened(int position);
  // An input box for one of the two sizes: the answer as typed and its value, or
  // nullopt when it is refused.
  struct SizeAnswer {
    std::string typed;
    double size;
  };
  std::optional<SizeAnswer> AskSize(const std::string& prompt, double current) const;
  // The hover index of a list under the pointer's y (twips).
  int ListHoverIndex(int listId, double yTwips) const;
  void RemoveTemporaryFont();
  void RestyleCell(int index, const std::string& face, double size);

  ListBox Combo1() const { return controls_.List(form1::kCombo1); }
  Window Text1() const { return controls_[form1::kText1]; }

  RegistryStore& registry_;
  GlyvaneSettings settings_;
  UniqueAccelerators accelerators_;
  UniqueHandle instanceToken_;  // held while this is the running instance
  CharGrid Text;
  HiddenLabel<std::optional<int>> Label3;  // hover index of Combo1
  HiddenLabel<std::string> Label4;         // path of the temporary font
  HiddenList List2;                        // screen fonts, in the collection's order
  FileList File1;
};

// The whole program: single instance, the main window, the message loop.
int RunGlyvane(int showCommand);

}  // namespace glyvane
