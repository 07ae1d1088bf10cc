#pragma once
// Form3, the progress window of a printout: the name of the font being printed, the
// percentage bar, and "Annuler". Closing it, by its button or its close box, asks the
// printout to stop; the printout's own closing of it after each copy does not.
#include <functional>
#include <string>

#include "common/win/canvas.h"
#include "common/win/form.h"
#include "printing/form3_ids.h"

namespace glyvane {

class Form2;

// The bar: navy on white, the percentage centred; where the bar covers the text, the
// text turns white on navy.
void DrawProgress(PictureCanvas& box, double fraction, bool exact = false);

class Form3 : public FormOf<Form3> {
 public:
  static const Routes<Form3> kRoutes;

  // owner: the window the progress window stays above; dialog: the print dialog it
  // hides and whose cancel flag it raises.
  Form3(const Form& owner, Form2& dialog);

  // "Nom de la police : " + name, on a cleared line.
  void ShowFontName(const std::string& name);
  void ShowProgress(double fraction, bool exact = false);
  const std::string& ShownFontName() const { return shownName_; }

  void Command1_Click();

 protected:
  void Form_Load() override;
  void Form_Unload() override;

 private:
  Form2& dialog_;
  bool cancelled_ = false;  // "Annuler" pressed
  std::string shownName_;
  PictureCanvas Picture2;   // the font-name line
  PictureCanvas Picture1;   // the bar
};

}  // namespace glyvane
