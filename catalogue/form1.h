#pragma once
// Form1, the catalogue window: the author's details with the mail and web links, the
// maker's programs as a grid of picture buttons (each opens the detail dialog on its
// entry), "&Commander" (the order form) and "&Quitter".
//
// The detail dialog and the order form are windows of their own, not owned by this
// one: closing this window leaves them open, and the program ends with the last.
#include <windows.h>

#include "catalogue/commandeform.h"
#include "catalogue/convertbox.h"
#include "catalogue/form1_ids.h"
#include "common/registry_store.h"
#include "common/win/form.h"
#include "common/win/unique.h"

namespace glyvane::catalogue {

class Form1 : public FormOf<Form1> {
 public:
  static const Routes<Form1> kRoutes;

  explicit Form1(RegistryStore& registry);

  // Loads the window; false when that failed (the error has been shown).
  bool Start();
  void ShowMain(int showCommand);

  // The other windows, when they are loaded (nullptr otherwise).
  convertbox* DetailDialog() const { return convertbox_.get(); }
  commandeform* OrderForm() const { return commandeform_.get(); }

  // Handlers, public so that a test can run one as the user would trigger it.
  void Command1_Click();
  void Command2_Click();
  // Every picture button of the grid that shows an entry: the entry of `button`.
  void EntryButton_Click(int button);
  void Image1_Click();
  void Label5_Click();
  void Label8_Click();
  void Label5_MouseMove(const MouseArgs& args);
  void Label8_MouseMove(const MouseArgs& args);
  void Form_MouseMove(const MouseArgs& args);
  void Frame2_MouseMove(const MouseArgs& args);

 protected:
  void Form_Load() override;

 private:
  RegistryStore& registry_;
  UniqueBitmap logo_;
  FormSlot<convertbox> convertbox_;
  FormSlot<commandeform> commandeform_;
};

// The whole program: the catalogue window, the message loop.
int RunCatalogue(int showCommand);

}  // namespace glyvane::catalogue
