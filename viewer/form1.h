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
#include "common/win/unique.h"
#include "printing/main_window_state.h"
#include "viewer/char_grid.h"
#include "viewer/file_list.h"
#include "viewer/form1_ids.h"
#include "viewer/settings.h"
#include "viewer/temporary_font.h"

namespace glyvane {

class Form2;
class Proposbox;

class Form1 : public FormOf<Form1>, public MainWindowState {
 public:
  static const Routes<Form1> kRoutes;

  explicit Form1(RegistryStore& registry);
  ~Form1() override;

  // Loads the window (Form_Load). False when the program must end: another instance
  // was running, or the start-up failed (the error has been shown).
  bool Start();
  // Shows the loaded window.
  void ShowMain(int showCommand);

  // Typed state, for the other windows that read it and for tests.
  int HoverIndex() const { return Label3.get().value_or(-1); }
  const std::string& TemporaryFontPath() const { return Label4.get(); }
  // A font file this window has added to the system's font table for viewing; the
  // window removes it again (another file shown, the window closed, "Quitter").
  void AdoptTemporaryFont(const std::string& path);
  const FileList& Files() const { return File1; }
  bool OtherFontsMode() const override;
  std::string CurrentFace() const override { return controls_.FontOf(form1_ids::kText1).face; }
  const CharGrid& Grid() const { return Text; }
  std::string SelectedInstalledFont() const override;
  std::vector<std::string> InstalledFonts() const override;
  std::string FolderPath() const override { return File1.Path(); }
  std::vector<std::string> FolderFiles() const override { return File1.Names(); }
  void GiveUpTemporaryFont() override;
  void TakeBackTemporaryFont() override;
  void PrintJobStarted() override;
  void PrintJobEnded() override;
  bool PrintJobRunning() const { return printJobRunning_; }
  // The windows this one owns, when they are loaded (nullptr otherwise).
  Form2* PrintDialog() const;
  Proposbox* AboutBox() const;

  // Handlers, public because the window's route tables, outside the class, take
  // their addresses.
  void Form_Activate() override;
  bool Form_QueryUnload() override;
  void Form_Unload() override;
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

  void Command1_Click();
  void List1_Click();
  void List1_MouseMove(const MouseArgs& args);
  void File1_Click();
  void Command2_Click();

  void Text_MouseMove(int index, const MouseArgs& args);
  void Text_MouseDown(int index, const MouseArgs& args);
  void Text_MouseUp(int index, const MouseArgs& args);
  void Text_DblClick(int index, const MouseArgs& args);

 protected:
  void Form_Load() override;

 private:
  // An input box for one of the two sizes: the answer as typed and its value, or
  // nullopt when it is refused.
  struct SizeAnswer {
    std::string typed;
    double size;
  };
  std::optional<SizeAnswer> AskSize(const std::string& prompt, double current) const;
  // The hover index of a list under the pointer's y (twips).
  int ListHoverIndex(const ListBox& list, double yTwips) const;
  void RemoveTemporaryFontOnce();
  bool TryToRemoveTemporaryFont();
  void ClearTemporaryFontRecord();
  void FontsChanged();

  RegistryStore& registry_;
  GlyvaneSettings settings_;
  UniqueHandle instanceToken_;  // held while this is the running instance
  bool printJobRunning_ = false;
  bool closeAfterPrintJob_ = false;
  CharGrid Text;
  HiddenLabel<std::optional<int>> Label3;  // hover index of Combo1
  HiddenLabel<std::string> Label4;         // path of the temporary font
  HiddenList<> List2;                        // screen fonts, in the collection's order
  FileList File1;
  int list1Hover_ = -1;        // the List1 entry under the pointer, -1 for none
  int latestFolderRead_ = 0;  // folder reads are numbered; a read stops once a newer one starts
  std::optional<TemporaryFont> temporaryFont_;  // the file Label4 names
  std::string lentFont_;  // the temporary font's file while a printout has it out of the table
  std::string lentFace_;  // and the face it brought
  // The windows this one owns; declared last, so that they go first.
  FormSlot<Form2> form2_;
  FormSlot<Proposbox> proposbox_;
};

// The whole program: single instance, the main window, the message loop.
int RunGlyvane(int showCommand);

}  // namespace glyvane
