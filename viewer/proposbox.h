#pragma once
// Proposbox, the about box: the program's icon, name, author and version on blue, a
// picture, and OK. It greets with "data1.dll" a tenth of a second after it opens, and
// again at each click on the picture.
#include <string>

#include "common/win/form.h"
#include "viewer/proposbox_ids.h"
#include "common/win/unique.h"

namespace glyvane {

class Proposbox : public FormOf<Proposbox> {
 public:
  static const Routes<Proposbox> kRoutes;

  explicit Proposbox(const Form& owner);

  void Timer1_Timer();
  void Image1_Click();
  void bouton_Click();
  void FocusOk() { item(proposbox_ids::kBouton).Focus(); }

 protected:
  void Form_Load() override;

 private:
  UniqueBitmap picture_;
};

// "Version " + the running program's major and minor version numbers, in decimal:
// "Version 3.20" for 3.20.
std::string ProgramVersionText();

}  // namespace glyvane
