#include "catalogue/commandeform.h"

#include "catalogue/order_items.h"
#include "catalogue/order_job.h"
#include "catalogue/picture_ids.h"
#include "catalogue/selection_string.h"
#include "common/system/cursors.h"
#include "common/system/locale.h"
#include "common/system/sounds.h"
#include "printing/gdi_printer_surface.h"
#include "printing/select_printer.h"

namespace glyvane::catalogue {

using namespace commandeform_ids;

namespace {

// The order form as designed: Left, Top, Width, Height in twips. The table's order is
// the tab order: List1, Text1, Text2, Text3, Text5, Text6, Text4, Text7, Text8,
// Commandebox, Command1.
const ControlRow kControls[] = {
    {kLabel1, "Label1", ControlKind::Label, 0, {120, 120, 4455, 195}, "Je désire commander :", 0, {nullptr, 0, true}},
    {kList1, "List1", ControlKind::CheckListBox, 0, {120, 360, 4455, 4455}, "", kSorted, {}},
    {kLabel2, "Label2", ControlKind::Label, 0, {4800, 420, 1335, 195}, "Nom :", 0, {}},
    {kText1, "Text1", ControlKind::TextBox, 0, {6240, 360, 3150, 315}, "", 0, {}},
    {kLabel3, "Label3", ControlKind::Label, 0, {4800, 900, 1335, 195}, "Prénom :", 0, {}},
    {kText2, "Text2", ControlKind::TextBox, 0, {6240, 840, 3150, 315}, "", 0, {}},
    {kLabel4, "Label4", ControlKind::Label, 0, {4800, 1380, 1335, 195}, "Adresse :", 0, {}},
    {kText3, "Text3", ControlKind::TextBox, 0, {6240, 1320, 3150, 315}, "", 0, {}},
    {kLabel7, "Label7", ControlKind::Label, 0, {4800, 1860, 1335, 195}, "Code postal :", 0, {}},
    {kText5, "Text5", ControlKind::TextBox, 0, {6240, 1800, 735, 315}, "", 0, {}},
    {kLabel8, "Label8", ControlKind::Label, 0, {4800, 2340, 1335, 195}, "Ville :", 0, {}},
    {kText6, "Text6", ControlKind::TextBox, 0, {6240, 2280, 2295, 315}, "", 0, {}},
    {kLabel10, "Label10", ControlKind::Label, 0, {8640, 2340, 750, 195}, "France", 0, {}},
    {kLabel6, "Label6", ControlKind::Label, 0, {4800, 2820, 1335, 195}, "E Mail :", 0, {}},
    {kText4, "Text4", ControlKind::TextBox, 0, {6240, 2760, 3150, 315}, "", 0, {}},
    {kLabel9, "Label9", ControlKind::Label, 0, {4800, 3300, 1335, 195}, "Fax** :", 0, {}},
    {kText7, "Text7", ControlKind::TextBox, 0, {6240, 3240, 1455, 315}, "", 0, {}},
    {kLabel11, "Label11", ControlKind::Label, 0, {7800, 3300, 1590, 195}, "** Facultatif", 0, {}},
    {kLabel12, "Label12", ControlKind::Label, 0, {4800, 3900, 4590, 195}, "Comment avez-vous connu ces programmes",
     0, {}},
    {kText8, "Text8", ControlKind::TextBox, 0, {4800, 4140, 4590, 315}, "", 0, {}},
    {kLabel5, "Label5", ControlKind::Label, 0, {120, 4950, 9270, 195},
     "Plus 15 FF de frais de port pour moins de 4 programmes et 30 FF pour 4 programmes et plus.", 0, {}},
    {kLabel17, "Label17", ControlKind::Label, 0, {120, 5250, 9270, 195}, kPriceNote, kNoPrefix, {}},
    {kLine3, "Line3", ControlKind::Line, 0, {120, 5610, 9270, 15}, "", 0, {}, RGB(128, 128, 128)},
    {kCommandebox, "Commandebox", ControlKind::CommandButton, 0, {5640, 5790, 1575, 855}, "Imprimer", kGraphical, {},
     kDefaultColour, kDefaultColour, IDI_IMPRIMER},
    {kCommand1, "Command1", ControlKind::CommandButton, 0, {7440, 5790, 1575, 855}, "Annuler", kGraphical, {},
     kDefaultColour, kDefaultColour, IDI_ANNULER},
    // Holds the picture "Annuler" takes once the order is printed.
    {kImage1, "Image1", ControlKind::Image, 0, {4800, 5790, 480, 480}, "", kHidden, {}, kDefaultColour,
     kDefaultColour, IDI_OK},
    {kLabel16, "Label16", ControlKind::Label, 0, {3120, 5790, 1215, 195}, "", kHidden | kNoPrefix, {}},
};

const FormDesign kDesign{.className = kClassName,
                         .caption = kCaption,
                         .clientWidth = 9510,
                         .clientHeight = 6825,
                         .controls = kControls,
                         .font = {"MS Sans Serif", 8.25}};

const CommandRoute<commandeform> kCommands[] = {
    {kList1, LBN_SELCHANGE, &commandeform::List1_Click},
    {kText1, kClicked, &commandeform::Text1_Click},
    {kText2, kClicked, &commandeform::Text2_Click},
    {kText3, kClicked, &commandeform::Text3_Click},
    {kText4, kClicked, &commandeform::Text4_Click},
    {kText5, kClicked, &commandeform::Text5_Click},
    {kText6, kClicked, &commandeform::Text6_Click},
    {kText7, kClicked, &commandeform::Text7_Click},
    {kCommandebox, BN_CLICKED, &commandeform::Commandebox_Click},
    {kCommand1, BN_CLICKED, &commandeform::Command1_Click},
};

const ItemCheckRoute<commandeform> kItemChecks[] = {{kList1, &commandeform::List1_ItemCheck}};

constexpr const char* kApplication = "Catalogue";
constexpr const char* kSection = "Coordonnées";

// The customer's details: their boxes, maximum lengths and settings keys, in the
// order in which they are loaded and stored.
struct Detail {
  int box;
  int maxLength;
  const char* key;
};
constexpr Detail kDetails[] = {
    {kText1, 20, "Nom"},   {kText2, 20, "Prénon"}, {kText3, 50, "Adresse"},   {kText6, 31, "Ville"},
    {kText5, 5, "Code Postal"}, {kText4, 50, "Email"}, {kText7, 10, "Téléphone"}, {kText8, 80, "Connu"},
};

// Raised for the length of a scope.
class Busy {
 public:
  explicit Busy(bool& flag) : flag_(flag) { flag_ = true; }
  ~Busy() { flag_ = false; }
  Busy(const Busy&) = delete;
  Busy& operator=(const Busy&) = delete;

 private:
  bool& flag_;
};

}  // namespace

const Routes<commandeform> commandeform::kRoutes{.commands = kCommands, .itemChecks = kItemChecks};

commandeform::commandeform(RegistryStore& registry)
    : FormOf<commandeform>(kDesign), registry_(registry), printer_(&ProgramPrinter()) {}

void commandeform::Form_Load() {
  Label16.Attach(item(kLabel16));
  Label16.set(kEmptySelection);
  const CheckListBox items = checkList(kList1);
  for (const char* item : OrderItems()) items.Add(item);
  controls_.SetTooltip(kLabel5, "Tous les programmes sélectionnés seront sur disquette(s)");
  for (const Detail& detail : kDetails) edit(detail.box).SetMaxLength(detail.maxLength);

  CentreOnScreen();
  ApplyCursorData3(item(kCommand1).handle());
  ApplyCursorData4(item(kText1).handle());
  ApplyCursorData5(item(kList1).handle());
  for (const Detail& detail : kDetails) {
    item(detail.box).SetText(GetUserSetting(registry_, kApplication, kSection, detail.key));
  }
}

std::vector<std::string> commandeform::SelectedItemTexts() const {
  const ListBox items = list(kList1);
  std::vector<std::string> texts;
  for (const int index : SelectedItems(Label16.get())) texts.push_back(items.Item(index));
  return texts;
}

void commandeform::OrderPrinted() {
  controls_.SetCaption(kCommand1, "OK");
  controls_.SetPicture(kCommand1, controls_.PictureOf(kImage1));
}

void commandeform::List1_Click() { PlayClickSoundBesideProgram(); }

// The tick or untick of an item toggles it in the selection, whatever its box shows.
void commandeform::List1_ItemCheck(int item) { Label16.set(ToggleSelection(Label16.get(), item)); }

void commandeform::Text1_Click() { PlayClickSoundBesideProgram(); }
void commandeform::Text2_Click() { PlayClickSoundBesideProgram(); }
void commandeform::Text3_Click() { PlayClickSoundBesideProgram(); }
void commandeform::Text4_Click() { PlayClickSoundBesideProgram(); }
void commandeform::Text5_Click() { PlayClickSoundBesideProgram(); }
void commandeform::Text6_Click() { PlayClickSoundBesideProgram(); }
void commandeform::Text7_Click() { PlayClickSoundBesideProgram(); }

OrderSheet commandeform::Sheet() {
  return {.items = SelectedItemTexts(),
          .shippingRule = item(kLabel5).Text(),
          .priceNote = item(kLabel17).Text(),
          .postalCodeCaption = item(kLabel7).Text(),
          .name = item(kText1).Text(),
          .firstName = item(kText2).Text(),
          .address = item(kText3).Text(),
          .postalCode = item(kText5).Text(),
          .town = item(kText6).Text(),
          .email = item(kText4).Text(),
          .fax = item(kText7).Text(),
          .knownBy = item(kText8).Text(),
          .date = TodayDayMonthYear(),
          .decimalSeparator = UserDecimalSeparator()};
}

// One job per copy, the form open all along. Nothing else of the program runs
// meanwhile: a second click and closing the form are refused, the other windows are
// disabled.
void commandeform::Commandebox_Click() {
  if (printing_) return;
  PlayClickSoundBesideProgram();
  const Busy busy(printing_);
  const OtherWindowsDisabled others(hwnd());
  const int copies = SelectPrinter(hwnd(), kPrintFlags, *printer_);
  if (copies == 0) return;
  if (PrintOrderJob(hwnd(), kCaption, *printer_, copies, OrderLines(Sheet())) > 0) OrderPrinted();
}

// "Annuler" discards what was typed; "OK", once the order is printed, keeps it for
// the next order.
void commandeform::Command1_Click() {
  if (printing_) return;
  PlayClickSoundBesideProgram();
  if (item(kCommand1).Text() == "OK") {
    for (const Detail& detail : kDetails) {
      SaveUserSetting(registry_, kApplication, kSection, detail.key, item(detail.box).Text());
    }
  }
  Unload();
}

}  // namespace glyvane::catalogue
