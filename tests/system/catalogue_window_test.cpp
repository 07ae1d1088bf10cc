// The catalogue window and its order form in this process, driven with the messages a
// user's actions produce and read back from their windows and the screen. The order's
// printout is read back from the CUPS PDF printer only for what paper alone shows:
// every item on the one page, the details as typed, the euro sign.
#include <algorithm>
#include <cmath>
#include <fstream>
#include <map>
#include <tuple>

#include "catalogue/commandeform_ids.h"
#include "catalogue/entry_table.h"
#include "catalogue/form1.h"
#include "catalogue/order_items.h"
#include "catalogue/picture_ids.h"
#include "common/win/unique.h"
#include "print_bench.h"
#include "printing/gdi_printer_surface.h"
#include "printing/print_job.h"
#include "printing/recording_surface.h"

namespace glyvane::test {
namespace {

namespace box = catalogue::convertbox_ids;
namespace order_ids = catalogue::commandeform_ids;

// Whether the window shows the program's icon drawn at `side` pixels on the face
// colour of buttons.
bool ShowsIcon(HWND window, int iconId, int side) {
  RECT area;
  GetWindowRect(window, &area);
  const std::vector<uint32_t> shown = ScreenPixels(area);
  const UniqueIcon icon(static_cast<HICON>(
      LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(iconId), IMAGE_ICON, side, side, 0)));
  if (!icon) return false;
  const std::vector<uint32_t> drawn = DrawnIcon(icon.get(), SIZE{side, side}, GetSysColor(COLOR_BTNFACE));
  const int width = area.right - area.left;
  for (int top = 0; (top + side) * width <= static_cast<int>(shown.size()); ++top) {
    for (int left = 0; left + side <= width; ++left) {
      int y = 0;
      while (y < side && std::equal(drawn.begin() + y * side, drawn.begin() + (y + 1) * side,
                                    shown.begin() + (top + y) * width + left)) {
        ++y;
      }
      if (y == side) return true;
    }
  }
  return false;
}

class CatalogueTest : public WindowTest<catalogue::Form1> {
 protected:
  void SetUp() override {
    RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Orvex\\Catalogue");  // what an earlier test stored
    WindowTest::SetUp();
  }
  HWND Dialog() const { return form->DetailDialog() ? form->DetailDialog()->hwnd() : nullptr; }
  HWND DialogItem(int id) const { return FindControl(Dialog(), id); }
  HWND OrderForm() const { return form->OrderForm() ? form->OrderForm()->hwnd() : nullptr; }
  HWND OrderItem(int id) const { return FindControl(OrderForm(), id); }
  catalogue::commandeform& Order() const { return *form->OrderForm(); }
  // Presses "&Commander" and closes its message box with OK, which it returns.
  std::unique_ptr<DialogAnswer> PressCommander() {
    auto answer = std::make_unique<DialogAnswer>(GetCurrentProcessId(), IDOK);
    Click(catalogue::form1_ids::kCommand2);
    EXPECT_TRUE(answer->Wait());
    PumpFor(20ms);
    return answer;
  }

  const std::string click = ProgramPath("data2.dll");
};

namespace catalogue_window {

using namespace catalogue::form1_ids;

constexpr uint32_t kRed = 0xFF0000;
constexpr uint32_t kBlue = 0x0000FF;

// A link shows underlined when a row of it is pure blue over three quarters of its
// width.
bool Underlined(HWND label) {
  RECT area;
  GetWindowRect(label, &area);
  const int width = area.right - area.left;
  const std::vector<uint32_t> pixels = ScreenPixels(area);
  for (auto row = pixels.begin(); row != pixels.end(); row += width) {
    if (std::count(row, row + width, kBlue) > width * 3 / 4) return true;
  }
  return false;
}

// Keys as the program's message loop hands them to the window first (dialog keys).
void PressKey(catalogue::Form1& window, HWND target, UINT message, WPARAM key) {
  MSG msg{target, message, key, 0, 0, {}};
  if (!window.PreTranslate(msg)) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

// While it lives, the test prefix opens mail and web links with cmd, which writes the
// URI it is given and the folder it starts in to a file; the prefix's own commands
// come back afterwards.
class RecordedLinks {
 public:
  RecordedLinks() {
    DeleteFileA(output_.c_str());
    for (auto& [key, saved] : commands_) {
      saved = ReadMachineValue(key, "").value_or("");
      WriteMachineValue(key, "", "cmd.exe /c echo %1>> \"" + output_ + "\"& cd>> \"" + output_ + "\"");
    }
  }
  ~RecordedLinks() {
    for (const auto& [key, saved] : commands_) WriteMachineValue(key, "", saved);
    DeleteFileA(output_.c_str());
  }

  // The URI and the folder of the link opened next, once its command has run.
  std::vector<std::string> Next() const {
    std::vector<std::string> lines;
    WaitUntil([&] {
      std::ifstream file(output_);
      lines.clear();
      for (std::string line; std::getline(file, line);) lines.push_back(line);
      return lines.size() == 2;
    });
    DeleteFileA(output_.c_str());
    return lines;
  }

 private:
  const std::string output_ = ProgramPath("links.txt");
  std::map<std::string, std::string> commands_{{"Software\\Classes\\mailto\\shell\\open\\command", ""},
                                               {"Software\\Classes\\http\\shell\\open\\command", ""}};
};

// Read by where they lie, row by row, the frame's buttons are in the order the system
// sorts names (case and hyphens aside), CD Orvex last, each showing its picture. The
// blue title lies over its red shadow. Closing the window leaves the detail dialog and
// the order form open, and the program runs until the last of them goes.
TEST_F(CatalogueTest, TheGridTheDetailDialogTheLinksAndTheEndWithTheLastWindow) {
  Start();
  EXPECT_EQ(GetFocus(), Control(kCommand12));  // the keyboard starts on the first entry
  EXPECT_TRUE(CentredOnScreen(main));
  EXPECT_EQ(CutCaptions(main), std::vector<std::string>{});
  std::map<std::pair<LONG, LONG>, std::string> buttons;  // by row, then column
  for (HWND child = GetWindow(Control(kFrame1), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    buttons[{BoundsInParent(child).top, BoundsInParent(child).left}] = WindowText(child);
  }
  ASSERT_EQ(buttons.size(), 15u);
  for (auto before = buttons.begin(), after = std::next(before); after != buttons.end(); ++before, ++after) {
    EXPECT_EQ(CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, before->second.c_str(), -1,
                             after->second.c_str(), -1), CSTR_LESS_THAN)
        << before->second << " / " << after->second;
  }
  EXPECT_EQ(buttons.rbegin()->second, "CD Orvex");
  EXPECT_TRUE(ControlsFit(Control(kFrame1)));

  // The grid's buttons show a 32-pixel picture, the two commands a 24-pixel one.
  const struct {
    int button, picture, side;
  } pictures[] = {{kCommand12, IDI_AGENDA, 32}, {kCommand8, IDI_CD_ORVEX, 32}, {kCommand2, IDI_COMMANDER, 24},
                  {kCommand1, IDI_QUITTER, 24}};
  for (const auto& row : pictures) {
    EXPECT_TRUE(PumpUntil([&] { return ShowsIcon(Control(row.button), row.picture, row.side); }, 5s)) << row.button;
  }

  RECT title;  // the red one's place, which the blue one's all but covers
  GetWindowRect(Control(kLabel1), &title);
  const std::vector<uint32_t> pixels = ScreenPixels(title);
  const auto red = std::count(pixels.begin(), pixels.end(), kRed);
  EXPECT_GT(red, 200);  // the shadow shows beside the blue text, which lies over it
  EXPECT_GT(std::count(pixels.begin(), pixels.end(), kBlue), 3 * red);

  // Straight from one link onto the other the underline moves with the mouse; over
  // the author's frame, or the window itself, neither is underlined.
  const HWND mail = Control(kLabel5);
  const HWND web = Control(kLabel8);
  const struct {
    HWND under;
    bool mail, web;
  } moves[] = {{nullptr, false, false}, {mail, true, false},          {web, false, true}, {mail, true, false},
               {Control(kFrame2), false, false}, {web, false, true}, {main, false, false}};
  for (const auto& move : moves) {
    SCOPED_TRACE(move.under ? WindowText(move.under) : "before any move");
    if (move.under) SendMessageA(move.under, WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));
    EXPECT_TRUE(PumpUntil([&] { return Underlined(mail) == move.mail && Underlined(web) == move.web; }, 5s));
  }
  // CD Orvex shows nothing, and it, like the links passed over, makes no sound.
  Click(kCommand8);
  PumpFor(50ms);
  EXPECT_FALSE(Dialog());
  EXPECT_TRUE(g_sounds.empty());

  // Each entry in turn, in grid order, so that every field of the one dialog is refilled
  // after an entry with and one without it (stale extra requirements, "Windows 9x"
  // after "9x/NT").
  HWND dialog = nullptr;
  int cell = 0;
  for (const CatalogueEntry& entry : CatalogueEntries()) {
    SCOPED_TRACE(entry.entryName);
    Click(kGridFirst + cell++);
    ASSERT_TRUE(Dialog());
    if (!dialog) dialog = Dialog();
    std::vector<std::string> shown = {WindowText(dialog)};
    for (int label : {box::kLabel1, box::kLabel2, box::kLabel11, box::kLabel3, box::kLabel4, box::kLabel10}) {
      shown.push_back(WindowText(DialogItem(label)));
    }
    EXPECT_EQ(shown, (std::vector<std::string>{entry.entryName, entry.entryName, entry.operatingSystem,
                                               entry.extraRequirement, entry.versionText, entry.priceText,
                                               entry.description}));
    const auto picture = static_cast<HICON>(
        LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(entry.button.picture), IMAGE_ICON, 32, 32, LR_SHARED));
    const auto icon = reinterpret_cast<HICON>(SendMessageA(dialog, WM_GETICON, ICON_BIG, 0));
    EXPECT_EQ(DrawnIcon(icon, SIZE{32, 32}, 0x808080), DrawnIcon(picture, SIZE{32, 32}, 0x808080));
    EXPECT_EQ(CutCaptions(dialog), std::vector<std::string>{});
    EXPECT_TRUE(ControlsFit(dialog));
  }
  EXPECT_EQ(g_sounds, std::vector<std::string>(CatalogueEntries().size(), click));
  EXPECT_TRUE(SendMessageA(dialog, WM_GETICON, ICON_SMALL, 0));
  LOGFONTA font{};
  GetObjectA(reinterpret_cast<HFONT>(SendMessageA(DialogItem(box::kLabel10), WM_GETFONT, 0, 0)), sizeof font, &font);
  EXPECT_STREQ(font.lfFaceName, "Times New Roman");

  // A long description scrolls inside its box, which takes no typing; OK and the close
  // box unload the dialog, which the next entry opens centred again.
  Click(kCommand11);  // Budget Familial
  const HWND text = DialogItem(box::kLabel10);
  ASSERT_TRUE(text);
  const std::string description = WindowText(text);
  EXPECT_TRUE(GetWindowLongA(text, GWL_STYLE) & WS_VSCROLL);
  SendMessageA(text, WM_VSCROLL, SB_PAGEDOWN, 0);
  EXPECT_GT(SendMessageA(text, EM_GETFIRSTVISIBLELINE, 0, 0), 0);
  SetFocus(text);
  SendMessageA(text, WM_CHAR, 'x', 0);
  SendMessageA(text, WM_KEYDOWN, VK_DELETE, 0);
  EXPECT_EQ(WindowText(text), description);

  SetWindowPos(dialog, nullptr, 10, 10, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  g_sounds.clear();
  SendMessageA(DialogItem(box::kCommand1), BM_CLICK, 0, 0);
  PumpFor(20ms);
  EXPECT_EQ(g_sounds, std::vector<std::string>{click});
  Click(kCommand16);
  ASSERT_TRUE(Dialog());
  EXPECT_TRUE(CentredOnScreen(Dialog()));
  SendMessageA(Dialog(), WM_CLOSE, 0, 0);
  EXPECT_FALSE(Dialog());

  // Tab goes on to the next entry; Enter and the space bar press the one with the focus.
  SetForegroundWindow(main);
  SetFocus(Control(kCommand12));
  PressKey(*form, GetFocus(), WM_KEYDOWN, VK_TAB);
  EXPECT_EQ(GetFocus(), Control(kCommand15));
  g_sounds.clear();
  PressKey(*form, GetFocus(), WM_KEYDOWN, VK_RETURN);
  ASSERT_TRUE(Dialog());
  EXPECT_EQ(WindowText(Dialog()), "Alunissage");
  SetForegroundWindow(main);
  SetFocus(Control(kCommand3));
  PressKey(*form, GetFocus(), WM_KEYDOWN, VK_SPACE);
  PressKey(*form, GetFocus(), WM_KEYUP, VK_SPACE);
  EXPECT_EQ(WindowText(Dialog()), "Astronomie");
  EXPECT_EQ(g_sounds, std::vector<std::string>(2, click));

  // A quick second click is a second click, not a double click.
  g_sounds.clear();
  for (UINT down : {WM_LBUTTONDOWN, WM_LBUTTONDBLCLK}) {
    SendMessageA(Control(kCommand16), down, MK_LBUTTON, MAKELPARAM(10, 10));
    SendMessageA(Control(kCommand16), WM_LBUTTONUP, 0, MAKELPARAM(10, 10));
  }
  EXPECT_EQ(g_sounds, std::vector<std::string>(2, click));

  // Alt and the underlined letter: "&Quitter" ends the program, the dialog still open.
  g_sounds.clear();
  SetForegroundWindow(main);
  PressKey(*form, main, WM_SYSCHAR, 'q');
  EXPECT_EQ(g_sounds, std::vector<std::string>{click});
  MSG quit;
  ASSERT_TRUE(PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(quit.wParam, 0u);

  g_sounds.clear();
  const RecordedLinks links;
  ClickAt(Control(kLabel5), 3, 3);
  EXPECT_EQ(links.Next(), (std::vector<std::string>{"mailto:talvenne@orvex.fr", "C:\\"}));
  ClickAt(Control(kLabel8), 3, 3);
  EXPECT_EQ(links.Next(), (std::vector<std::string>{"http://www.orvex.fr", "C:\\"}));
  // The greeting is played by its bare name, not from the program's folder.
  ClickAt(Control(kImage1), 20, 20);
  EXPECT_EQ(g_sounds, (std::vector<std::string>{click, click, "data1.dll"}));

  // "&Commander" explains how to order, then opens the order form.
  g_sounds.clear();
  const std::unique_ptr<DialogAnswer> answer = PressCommander();
  EXPECT_EQ(answer->title, "Catalogue Orvex");
  EXPECT_EQ(answer->text,
            "Remplissez le formulaire qui va apparaitre, imprimez-le et accompagnez-le d'un chèque bancaire d'un "
            "montant correspondant à votre commande à l'ordre de \"Talvenne\". Adressez le tout à l'adresse "
            "ci-dessus.");
  EXPECT_EQ(answer->icon, static_cast<UINT>(MB_ICONEXCLAMATION));
  EXPECT_EQ(g_sounds, std::vector<std::string>(2, click));
  EXPECT_EQ(GetWindow(OrderForm(), GW_OWNER), nullptr);

  SendMessageA(main, WM_CLOSE, 0, 0);
  // Reading the stored details and "Annuler" leave the store as it was: the form loaded
  // and cancelled has created no key.
  SendMessageA(OrderItem(order_ids::kCommand1), BM_CLICK, 0, 0);
  EXPECT_EQ(RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\Orvex\\Catalogue"), ERROR_FILE_NOT_FOUND);
  EXPECT_FALSE(PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_TRUE(IsWindowVisible(Dialog()));
  SendMessageA(DialogItem(box::kCommand1), BM_CLICK, 0, 0);
  ASSERT_TRUE(PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(quit.wParam, 0u);
}

// The real catalogue.exe, started as Glyvane starts it: its window shows, and closing
// it, its last, ends the program.
TEST(CatalogueProgram, ShowsItsWindowAndEndsWithIt) {
  ProgramProcess program("catalogue.exe", kClassName);
  const HWND window = program.WaitForMainWindow();
  ASSERT_TRUE(window);
  EXPECT_EQ(WindowText(window), "Catalogue Orvex");
  PostMessageA(window, WM_CLOSE, 0, 0);
  DWORD code = 1;
  EXPECT_TRUE(program.WaitForExit(10s, &code));
  EXPECT_EQ(code, 0u);
}

}  // namespace catalogue_window

namespace order_form {

using namespace catalogue::commandeform_ids;

// The per-user details, read with the wide registry calls so that the accented names
// of the key and values are checked too; nullopt when absent.
constexpr const wchar_t* kDetailsKey = L"Software\\Orvex\\Catalogue\\Coordonn\u00e9es";

std::optional<std::wstring> ReadCatalogueDetail(const wchar_t* name) {
  wchar_t data[256] = {};
  DWORD size = sizeof data;
  const LSTATUS read = RegGetValueW(HKEY_CURRENT_USER, kDetailsKey, name, RRF_RT_REG_SZ, nullptr, data, &size);
  return read == ERROR_SUCCESS ? std::optional<std::wstring>(data) : std::nullopt;
}

class CommandeformTest : public CatalogueTest {
 protected:
  // A click on the tick box of the order form's item `index`.
  void Tick(int index) { ClickListEntry(OrderItem(kList1), index, 3); }
  const KeptDefaultPrinter kept;  // the print dialog makes the printer picked the default
};

// The timer runs at the pumps of the print dialog and of the job: the catalogue
// window, whose "&Quitter" would end the program under them, must be disabled.
int g_pumpsInTheJob = 0;
bool g_mainEnabled = false;

void CALLBACK LookAtMain(HWND, UINT, UINT_PTR, DWORD) {
  if (!FindWindowA("#32770", "Imprimer")) ++g_pumpsInTheJob;
  if (IsWindowEnabled(FindWindowA(catalogue::form1_ids::kClassName, nullptr))) g_mainEnabled = true;
}

// The sorted list holds the items in the order of the table, whose indices are those
// of the selection. The selection follows the clicks on the tick boxes, in the order
// of ticking; a second "&Commander" brings the same form back unchanged. The details
// come from the store and go back only with the "OK" of a printed order. A printer
// that refuses the job is told once the print dialog has gone, and the form still
// offers "Annuler"; the order then prints whole on the real printer.
TEST_F(CommandeformTest, TicksTheStoredDetailsAndTheOrderPrintedOnePageACopy) {
  const std::wstring stored = L"\u00c9lise";
  RegSetKeyValueW(HKEY_CURRENT_USER, kDetailsKey, L"Pr\u00e9non", REG_SZ, stored.c_str(),
                  static_cast<DWORD>((stored.size() + 1) * sizeof(wchar_t)));
  const std::string title = UniqueJobTitle("OrderPrint");
  ProgramPrinter().SetDocumentName(title);
  Start();
  PressCommander();
  g_sounds.clear();
  const HWND order = OrderForm();
  ASSERT_TRUE(order);
  EXPECT_TRUE(CentredOnScreen(order));
  EXPECT_TRUE(ControlsFit(order));
  EXPECT_EQ(CutCaptions(order, {kLabel16}), std::vector<std::string>{});
  EXPECT_EQ(ListItems(OrderItem(kList1)), std::vector<std::string>(OrderItems().begin(), OrderItems().end()));
  EXPECT_EQ(WindowText(OrderItem(kText2)), "Élise");
  EXPECT_EQ(WindowText(OrderItem(kText1)), "");
  // The shipping rule explains itself in a tooltip.
  SendMessageA(OrderItem(kLabel5), WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));
  EXPECT_EQ(TooltipText(OrderItem(kLabel5)), "Tous les programmes sélectionnés seront sur disquette(s)");
  EXPECT_EQ(SendMessageA(OrderItem(kText5), EM_GETLIMITTEXT, 0, 0), 5);

  for (int item : {3, 12, 0}) Tick(item);
  EXPECT_EQ(Order().Selection(), ";3;12;0;");
  EXPECT_FALSE(IsWindowVisible(OrderItem(kLabel16)));
  Tick(12);
  EXPECT_EQ(Order().Selection(), ";3;0;");
  // Clicks on the list and on the first seven boxes play the click sound; the space
  // bar ticks without one.
  for (int box : {kText1, kText2, kText3, kText4, kText5, kText6, kText7, kText8}) ClickAt(OrderItem(box), 5, 5);
  EXPECT_EQ(g_sounds, std::vector<std::string>(4 + 7, click));
  SendMessageA(OrderItem(kList1), WM_KEYDOWN, VK_SPACE, 0);
  SendMessageA(OrderItem(kList1), WM_CHAR, ' ', 0);
  EXPECT_EQ(Order().Selection(), ";3;0;12;");
  EXPECT_EQ(g_sounds.size(), 4u + 7u);

  SetWindowTextA(OrderItem(kText3), "3 place du Marché");
  SetForegroundWindow(main);
  PressCommander();
  EXPECT_EQ(GetForegroundWindow(), order);
  EXPECT_EQ(Order().Selection(), ";3;0;12;");
  EXPECT_EQ(WindowText(OrderItem(kText3)), "3 place du Marché");

  // The close box discards what was typed, after a printout too.
  SetWindowTextA(OrderItem(kText1), "Durand");
  Order().OrderPrinted();
  SendMessageA(OrderForm(), WM_CLOSE, 0, 0);
  EXPECT_FALSE(OrderForm());
  EXPECT_FALSE(ReadCatalogueDetail(L"Nom"));
  EXPECT_EQ(ReadCatalogueDetail(L"Pr\u00e9non"), stored);

  PressCommander();
  ASSERT_TRUE(OrderForm());
  RecordingSurface refusing({{kPdfPrinter, "winspool", "CUPS:PDF"}});
  Order().SetPrinter(refusing);
  Tick(0);
  refusing.RefuseToStart(true);
  PrintDialogAnswer refusal({kPdfPrinter, 2, true});
  std::unique_ptr<DialogAnswer> message;
  std::thread after([&] {
    if (refusal.Wait() && WaitUntil([] { return !FindWindowA("#32770", "Imprimer"); })) {
      message = std::make_unique<DialogAnswer>(GetCurrentProcessId(), IDOK);
    }
  });
  SendMessageA(OrderItem(kCommandebox), BM_CLICK, 0, 0);
  after.join();
  ASSERT_TRUE(message);
  ASSERT_TRUE(message->Wait());
  EXPECT_EQ(message->title, "Commander");
  EXPECT_EQ(message->text, kPrinterRefusedMessage);
  EXPECT_EQ(message->icon, static_cast<UINT>(MB_ICONSTOP));
  EXPECT_EQ(WindowText(OrderItem(kCommand1)), "Annuler");

  Order().SetPrinter(ProgramPrinter());
  for (int item = 1; item < 23; ++item) Tick(item);
  const std::tuple<int, const wchar_t*, const wchar_t*> details[] = {  // box, stored as, typed
      {kText1, L"Nom", L"Durand"},          {kText2, L"Pr\u00e9non", L"H\u00e9l\u00e8ne"},
      {kText3, L"Adresse", L"3 place du March\u00e9"}, {kText5, L"Code Postal", L"35000"},
      {kText6, L"Ville", L"Rennes"},        {kText4, L"Email", L"helene@example.fr"},
      {kText7, L"T\u00e9l\u00e9phone", L"0299000000"}, {kText8, L"Connu", L"Par un ami"}};
  for (const auto& [box, key, typed] : details) SetWindowTextW(OrderItem(box), typed);
  g_sounds.clear();
  const UINT_PTR timer = SetTimer(nullptr, 0, 1, &LookAtMain);
  PrintDialogAnswer answer({kPdfPrinter, 2, true});
  SendMessageA(OrderItem(kCommandebox), BM_CLICK, 0, 0);  // returns when the job has run
  EXPECT_TRUE(answer.Wait());
  KillTimer(nullptr, timer);
  EXPECT_EQ(g_sounds, std::vector<std::string>{click});
  EXPECT_GT(g_pumpsInTheJob, 0);
  EXPECT_FALSE(g_mainEnabled);
  ASSERT_TRUE(OrderForm());
  EXPECT_TRUE(IsWindowEnabled(OrderForm()));
  EXPECT_TRUE(IsWindowEnabled(main));
  EXPECT_EQ(WindowText(OrderItem(kCommand1)), "OK");

  // Waits for a third job too: it would come within the wait.
  const std::vector<PrintedPdf> pdfs = WaitForPdfs(title, 3, std::chrono::seconds(10));
  ASSERT_EQ(pdfs.size(), 2u);
  EXPECT_EQ(pdfs[0].Text(1), pdfs[1].Text(1));
  EXPECT_EQ(pdfs[0].pages, 1);
  std::vector<PdfWord> lines;  // each as one word: its words joined by single blanks
  for (const PdfWord& word : pdfs[0].Words(1)) {
    if (!lines.empty() && std::abs(lines.back().yMin - word.yMin) < 2) {
      lines.back().text += " " + word.text;
    } else {
      lines.push_back(word);
    }
  }
  ASSERT_EQ(lines.size(), 1u + 23u + 17u);
  char today[16];
  GetDateFormatA(LOCALE_USER_DEFAULT, 0, nullptr, "dd/MM/yyyy", today, sizeof today);
  const std::pair<size_t, std::string> expected[] = {
      {1, "- Agenda 2000 - 90 FF°"},
      {25, WindowText(OrderItem(kLabel17))},
      {26, "Nom : Durand, Prénom : Hélène"},
      {27, "Adresse : 3 place du Marché"},
      {28, "Code postal :35000, Ville : Rennes, France"},
      {29, "Fax : 02 99 00 00 00"},
      {30, "E mail : helene@example.fr"},
      {33, std::string("Fait le ") + today},
      {35, "A envoyer, accompagné d'un chèque bancaire d'un montant de 825 FF ou de 125,77 € à l'ordre de"},
      {40, "France"},
  };
  for (const auto& [line, text] : expected) EXPECT_EQ(lines[line].text, text);

  // Once printed, "Annuler" is "OK" with the picture of OK, and keeps them all.
  EXPECT_TRUE(PumpUntil([&] { return ShowsIcon(OrderItem(kCommand1), IDI_OK, 32); }, 5s));
  g_sounds.clear();
  SendMessageA(OrderItem(kCommand1), BM_CLICK, 0, 0);
  EXPECT_FALSE(OrderForm());
  EXPECT_EQ(g_sounds, std::vector<std::string>{click});
  for (const auto& [box, key, typed] : details) EXPECT_EQ(ReadCatalogueDetail(key), std::wstring(typed));
}

}  // namespace order_form

}  // namespace
}  // namespace glyvane::test
