#pragma once
// convertbox, the detail dialog: name, version, requirements, price and description
// of one catalogue entry. The entry buttons of the catalogue window fill it; its OK
// button unloads it.
#include <windows.h>

#include "catalogue/convertbox_ids.h"
#include "catalogue/entry_table.h"
#include "common/win/form.h"

namespace glyvane::catalogue {

class convertbox : public FormOf<convertbox> {
 public:
  static const Routes<convertbox> kRoutes;

  convertbox();

  // Shows `entry`: caption and icon (the picture of its button) of the dialog, and
  // every field, those the entry leaves empty included.
  void ShowEntry(const CatalogueEntry& entry, HICON picture);

  void Command1_Click();

 protected:
  void Form_Load() override;
};

}  // namespace glyvane::catalogue
