#pragma once
// Form2, the print dialog: two panels (the font lists, the character tables), the
// check-box list of every screen font, and the state its printouts share: the
// chosen-font set (List2), the cancel flag (Label2) and the path of a font file a
// printout holds (Label4), typed here and mirrored into those hidden controls.
#include <string>
#include <vector>

#include "common/win/form.h"
#include "common/win/hidden_state.h"
#include "printing/form2_ids.h"
#include "printing/font_sheet.h"
#include "printing/form3.h"
#include "printing/main_window_state.h"
#include "printing/print_job.h"

namespace glyvane {

class Form2 : public FormOf<Form2>, public JobWindows, public JobProgress {
 public:
  static const Routes<Form2> kRoutes;

  Form2(const Form& owner, MainWindowState& main);

  // The main window's two print commands, after they have shown the dialog.
  void ShowCharacterTablePanel();
  void ShowFontListPanel();

  // Shared state.
  const std::vector<int>& ChosenFonts() const { return List2.items(); }
  bool CancelRequested() const { return userCancel_ || Label2.get() == "Annuler"; }
  void SetCancelFlag(bool cancel) { Label2.set(cancel ? "Annuler" : "OK"); }
  // The user closed the progress window: the printout stops, whatever the flag says
  // afterwards, until the next printout starts.
  void RaiseUserCancel() { userCancel_ = true; }
  void ClearUserCancel() { userCancel_ = false; }

  // Handlers, public so that a test can run one as the user would trigger it.
  void List1_ItemCheck(int entry);
  void Command1_Click();
  void Command2_Click();
  void Command3_Click();
  void Command4_Click();
  void Command5_Click();
  void Command6_Click();
  void Command7_Click();

  // The progress window of the running printout, when it is shown.
  Form3* ProgressWindow() const { return form3_.get(); }

  // What a printout needs of the windows (JobWindows).
  void JobStarted() override;
  void JobEnded() override;
  void LetEventsRun() override;
  void ReportFailure(const std::string& message) override;
  JobProgress* ShowProgressWindow() override;
  void CloseProgressWindow() override;
  // The progress window's part (JobProgress).
  void ShowProgress(const std::string& name, double fraction, bool exact) override;
  bool UserCancelled() const override { return CancelRequested(); }

 protected:
  void Form_Load() override;

 private:
  // The character tables of these fonts, one page each; set up on the printer once
  // for the whole job, or at the start of every copy.
  enum class SetUpWhen { Once, EachCopy };
  void PrintCharacterTables(const std::vector<std::string>& fonts, SetUpWhen setUp);
  // The font list or sample sheet of the main window's source, on the printer the
  // user picks in the system's dialog shown with these flags.
  void PrintFontSheet(FontSheet sheet, unsigned long flags);
  void PrintFolderFontSheet(PrintJob& job, FontSheet sheet, int copies);

  MainWindowState& main_;
  bool fontListLayout_ = false;  // the font-list command has shrunk the window
  int designHeight_ = 0;         // outer height in twips as loaded
  bool userCancel_ = false;
  HiddenList<int> List2;
  HiddenLabel<std::string> Label2;
  HiddenLabel<std::string> Label4;
  FormSlot<Form3> form3_;  // declared last: it goes first
};

}  // namespace glyvane
