#pragma once
// The catalogue's entries: the maker's programs, one picture button each in the frame
// of the catalogue window, and the details a button shows in the detail dialog. The
// table is fixed when the program is built; nothing is read from a file.
#include <array>
#include <string_view>

namespace glyvane {

// A picture button of the grid: its control name, the caption under its picture and
// the resource id of that picture (an icon, which the detail dialog also takes as
// its own icon).
struct CatalogueButton {
  const char* name;     // "Command12"
  const char* caption;  // the program's name as the button shows it
  int picture;          // IDI_... of catalogue/picture_ids.h
};

struct CatalogueEntry {
  CatalogueButton button;
  const char* entryName;         // dialog caption and Label1
  const char* operatingSystem;   // "Windows 9x/NT", or "Windows 9x"
  const char* extraRequirement;  // "800 x 600", "256 couleurs", or empty
  const char* versionText;       // "3.20"
  const char* priceText;         // "Gratuit", or "50 FF ou 7,62 Euros"
  const char* description;       // one paragraph
};

constexpr int kEntryCount = 14;
constexpr int kGridButtonCount = 15;

// The 14 entries, in grid order.
const std::array<CatalogueEntry, kEntryCount>& CatalogueEntries();

// The 15 buttons in grid order, row by row: the entries' buttons, alphabetical by
// caption, then "CD Orvex" (Command8), which has no entry.
const std::array<CatalogueButton, kGridButtonCount>& GridButtons();

// The entry button `name` shows; nullptr for Command8 and any other name.
const CatalogueEntry* EntryOfButton(std::string_view name);

}  // namespace glyvane
