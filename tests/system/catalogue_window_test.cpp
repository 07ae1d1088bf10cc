// The catalogue window in this process, driven with the messages a user's actions
// produce and read back from its windows and the screen.
#include <algorithm>
#include <fstream>
#include <map>

#include "catalogue/commandeform_ids.h"
#include "catalogue/entry_table.h"
#include "catalogue/picture_ids.h"
#include "catalogue_window.h"

namespace glyvane::test {
namespace {

using namespace catalogue::form1_ids;

namespace box = catalogue::convertbox_ids;
namespace order_ids = catalogue::commandeform_ids;

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
// sorts names (case and hyphens aside), CD Orvex last, each with its picture centred
// above its caption. The red title is drawn whole, one pixel left of and below the
// blue one, which lies over it. Closing the window leaves the detail dialog and the
// order form open, and the program runs until the last of them goes.
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

  // The grid's buttons have room for a 32-pixel picture, the two commands for 24.
  const struct {
    int button, picture, side;
  } rows[] = {{kCommand12, IDI_AGENDA, 32}, {kCommand8, IDI_CD_ORVEX, 32}, {kCommand2, IDI_COMMANDER, 24},
              {kCommand1, IDI_QUITTER, 24}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.button);
    const HWND button = Control(row.button);
    POINT at{};
    ASSERT_TRUE(PumpUntil([&] { return (at = FindIcon(button, row.picture, row.side)).x >= 0; }, 5s));
    RECT inside;  // within the button's edges, which are dark too
    GetWindowRect(button, &inside);
    InflateRect(&inside, -3, -3);
    const int width = inside.right - inside.left;
    EXPECT_LE(std::abs(at.x - 3 - (width - row.side) / 2), 1);
    // The caption's dark pixels lie below the picture, none above it.
    const std::vector<uint32_t> pixels = ScreenPixels(inside);
    const int height = static_cast<int>(pixels.size()) / width;
    const auto rowAt = [&](int y) { return pixels.begin() + std::clamp(y - 3, 0, height) * width; };
    EXPECT_EQ(std::count(pixels.begin(), rowAt(at.y), 0x000000u), 0);
    EXPECT_GT(std::count(rowAt(at.y + row.side), pixels.end(), 0x000000u), 20);
  }

  RECT band;  // the band of the window the two title labels lie in
  GetClientRect(main, &band);
  band.bottom = 760 / 15;
  MapWindowPoints(main, HWND_DESKTOP, reinterpret_cast<POINT*>(&band), 2);
  const std::vector<uint32_t> pixels = ScreenPixels(band);
  // Of the red pixels, how many have a blue one at (dx, dy) from them.
  auto besideBlue = [&](int dx, int dy) {
    int count = 0;
    for (size_t i = 0; i < pixels.size(); ++i) {
      const size_t other = i + static_cast<size_t>(dy * (band.right - band.left) + dx);
      count += pixels[i] == kRed && other < pixels.size() && pixels[other] == kBlue;
    }
    return count;
  };
  const auto red = std::count(pixels.begin(), pixels.end(), kRed);
  EXPECT_GT(std::count(pixels.begin(), pixels.end(), kBlue), 1000);
  EXPECT_GT(red, 200);  // the shadow shows beside the blue text
  EXPECT_GT(besideBlue(1, -1), red * 9 / 10);
  EXPECT_LT(besideBlue(-1, 1), red / 2);

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
    const auto picture = static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr),
                                                       MAKEINTRESOURCEA(entry.button.picture), IMAGE_ICON, 32, 32,
                                                       LR_SHARED));
    const auto icon = reinterpret_cast<HICON>(SendMessageA(dialog, WM_GETICON, ICON_BIG, 0));
    EXPECT_EQ(DrawnIcon(icon, SIZE{32, 32}, 0x808080), DrawnIcon(picture, SIZE{32, 32}, 0x808080));
    EXPECT_EQ(CutCaptions(dialog), std::vector<std::string>{});
    EXPECT_TRUE(ControlsFit(dialog));
  }
  EXPECT_EQ(g_sounds, std::vector<std::string>(CatalogueEntries().size(), click));
  EXPECT_TRUE(SendMessageA(dialog, WM_GETICON, ICON_SMALL, 0));
  LOGFONTA font{};
  const auto shownFont = reinterpret_cast<HFONT>(SendMessageA(DialogItem(box::kLabel10), WM_GETFONT, 0, 0));
  GetObjectA(shownFont, sizeof font, &font);
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

  // The links and the logo show pointers of their own, the other labels their class's.
  g_sounds.clear();
  auto pointerOver = [](HWND control) {
    SetCursor(nullptr);
    SendMessageA(control, WM_SETCURSOR, reinterpret_cast<WPARAM>(control), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    return GetCursor();
  };
  const std::pair<int, int> pointers[] = {{kLabel5, IDC_MAIL_LINK}, {kLabel8, IDC_WEB_LINK}, {kImage1, IDC_LOGO}};
  for (const auto& [label, pointer] : pointers) {
    const HCURSOR own = LoadCursorA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(pointer));
    EXPECT_TRUE(own && pointerOver(Control(label)) == own) << label;
    EXPECT_NE(pointerOver(Control(kLabel3)), own);
  }

  const RecordedLinks links;
  ClickAt(Control(kLabel5), 3, 3);
  EXPECT_EQ(links.Next(), (std::vector<std::string>{"mailto:talvenne@orvex.fr", "C:\\"}));
  ClickAt(Control(kLabel8), 3, 3);
  EXPECT_EQ(links.Next(), (std::vector<std::string>{"http://www.orvex.fr", "C:\\"}));
  // The greeting is played by its bare name, not from the program's folder.
  ClickAt(Control(kImage1), 20, 20);
  EXPECT_EQ(g_sounds, (std::vector<std::string>{click, click, "data1.dll"}));

  // "&Commander" explains how to order, then opens the order form. How many sounds had
  // played when the message box showed:
  g_sounds.clear();
  std::atomic<int> soundsAtTheBox{-1};
  std::thread watch([&soundsAtTheBox] {
    WaitUntil([] { return !ProcessWindows(GetCurrentProcessId(), "#32770").empty(); });
    soundsAtTheBox = static_cast<int>(g_sounds.size());
  });
  const std::unique_ptr<DialogAnswer> answer = PressCommander();
  watch.join();
  EXPECT_EQ(answer->title, "Catalogue Orvex");
  EXPECT_EQ(answer->text,
            "Remplissez le formulaire qui va apparaitre, imprimez-le et accompagnez-le d'un chèque bancaire d'un "
            "montant correspondant à votre commande à l'ordre de \"Talvenne\". Adressez le tout à l'adresse "
            "ci-dessus.");
  EXPECT_EQ(answer->icon, static_cast<UINT>(MB_ICONEXCLAMATION));
  EXPECT_EQ(soundsAtTheBox, 1);
  EXPECT_EQ(g_sounds, std::vector<std::string>(2, click));
  EXPECT_EQ(GetWindow(OrderForm(), GW_OWNER), nullptr);

  // Once it is loaded, every text box, button and list shows the program's pointer.
  auto shows = [](HWND window, const char* file) {
    const auto drawn = [](HCURSOR pointer) { return DrawnIcon(pointer, SIZE{32, 32}, 0x808080); };
    return drawn(reinterpret_cast<HCURSOR>(GetClassLongPtrA(window, GCLP_HCURSOR))) ==
           drawn(LoadCursorFromFileA(ProgramPath(file).c_str()));
  };
  EXPECT_TRUE(shows(DialogItem(box::kLabel10), "Data4.dll"));
  EXPECT_TRUE(shows(DialogItem(box::kCommand1), "Data3.dll"));
  EXPECT_TRUE(shows(OrderItem(order_ids::kList1), "Data5.dll"));

  SendMessageA(main, WM_CLOSE, 0, 0);
  // Reading the stored details leaves the store as it was: the form loaded and
  // cancelled has created no key.
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

}  // namespace
}  // namespace glyvane::test
