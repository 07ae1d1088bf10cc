#pragma once
// commandeform, the order form: the programs to order, ticked in a check-box list,
// and the customer's details, kept in the per-user settings store from one run to the
// next. The ticked items are kept as the selection string of the hidden Label16, in
// the order of ticking; only that string decides what is ordered.
#include <string>
#include <vector>

#include "catalogue/commandeform_ids.h"
#include "catalogue/order_printout.h"
#include "common/registry_store.h"
#include "common/win/form.h"
#include "common/win/hidden_state.h"
#include "printing/printer_surface.h"

namespace glyvane::catalogue {

class commandeform : public FormOf<commandeform> {
 public:
  static const Routes<commandeform> kRoutes;

  // The order prints on the program's current printer.
  explicit commandeform(RegistryStore& registry);
  // Prints on another printer from now on (a test's).
  void SetPrinter(PrinterSurface& printer) { printer_ = &printer; }

  // The selection string: ";" and, for each ticked item, its list index and ";".
  const std::string& Selection() const { return Label16.get(); }
  // The texts of the ordered items, in the order of the selection.
  std::vector<std::string> SelectedItemTexts() const;
  // After a copy of the order went out: "Annuler" becomes "OK" and takes Image1's
  // picture, and closing with it stores the details.
  void OrderPrinted();

  // Handlers, public so that a test can run one as the user would trigger it.
  void List1_Click();
  void List1_ItemCheck(int item);
  void Text1_Click();
  void Text2_Click();
  void Text3_Click();
  void Text4_Click();
  void Text5_Click();
  void Text6_Click();
  void Text7_Click();
  void Commandebox_Click();
  void Command1_Click();

 protected:
  void Form_Load() override;
  // The form stays while its order prints.
  bool Form_QueryUnload() override { return !printing_; }

 private:
  OrderSheet Sheet();

  RegistryStore& registry_;
  PrinterSurface* printer_;
  bool printing_ = false;
  HiddenLabel<std::string> Label16;
};

}  // namespace glyvane::catalogue
