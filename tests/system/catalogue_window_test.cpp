// The catalogue window in this process: created as the program creates it, driven
// with the messages a user's actions produce, and read back from its windows and
// the screen.
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <set>

#include "catalogue/commandeform_ids.h"
#include "catalogue/picture_ids.h"
#include "catalogue_window.h"
#include "common/win/unique.h"

namespace glyvane::test {
namespace {

using namespace catalogue::form1_ids;

using CatalogueWindowTest = CatalogueTest;

constexpr uint32_t kRed = 0xFF0000;
constexpr uint32_t kBlue = 0x0000FF;

TEST_F(CatalogueWindowTest, ShowsTheTitleTheAuthorsDetailsAndTheCommands) {
  Start();
  ExpectWindow(main, "Catalogue Orvex", 9510, 6825);
  ExpectCaptions(main, {{kLabel1, "Catalogue des applications  Orvex"},
                        {kLabel4, "Catalogue des applications  Orvex"},
                        {kFrame2, " INFORMATIONS SUR L'AUTEUR "},
                        {kLabel2, "Adresse :"},
                        {kLabel6, "E-Mail :"},
                        {kLabel9, "Site :"},
                        {kLabel3, "Talvenne"},
                        {kLabel11, "12 rue des Tilleuls"},
                        {kLabel12, "35000 Rennes - France"},
                        {kLabel5, "talvenne@orvex.fr"},
                        {kLabel8, "http://www.orvex.fr"},
                        {kFrame1, " Orvex JEUX ET PROGRAMMES "},
                        {kCommand2, "&Commander"},
                        {kCommand1, "&Quitter"}});
  for (int id : {kLabel2, kLabel6, kLabel9, kLabel3, kLabel11, kLabel12, kLabel5, kLabel8}) {
    EXPECT_EQ(GetParent(Control(id)), Control(kFrame2)) << id;
  }
}

TEST_F(CatalogueWindowTest, TheFifteenButtonsFillTheGridRowByRowInAlphabeticalOrder) {
  Start();
  const int columns[] = {16, 136, 256, 376, 496};  // 240, 2040, 3840, 5640, 7440 twips
  const int rows[] = {32, 96, 160};                // 480, 1440, 2400 twips
  const int names[] = {kCommand12, kCommand15, kCommand3,  kCommand7,  kCommand16,
                       kCommand17, kCommand6,  kCommand5,  kCommand11, kCommand13,
                       kCommand9,  kCommand10, kCommand4,  kCommand14, kCommand8};
  std::vector<std::string> captions;
  for (int cell = 0; cell < 15; ++cell) {
    const HWND button = Control(names[cell]);
    ASSERT_TRUE(button) << cell;
    EXPECT_EQ(GetParent(button), Control(kFrame1));
    const RECT place = BoundsInParent(button);
    EXPECT_EQ(place.left, columns[cell % 5]) << cell;
    EXPECT_EQ(place.top, rows[cell / 5]) << cell;
    EXPECT_EQ(place.right - place.left, 105) << cell;  // 1575 x 855 twips
    EXPECT_EQ(place.bottom - place.top, 57) << cell;
    captions.push_back(WindowText(button));
  }
  // Sorted as the system sorts names (case and hyphens aside), CD Orvex last.
  for (size_t i = 1; i < captions.size(); ++i) {
    EXPECT_EQ(CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, captions[i - 1].c_str(), -1, captions[i].c_str(), -1),
              CSTR_LESS_THAN)
        << captions[i - 1] << " / " << captions[i];
  }
  EXPECT_EQ(captions.back(), "CD Orvex");
  EXPECT_EQ(captions[3], "Atelier Glyvane");

  // CD Orvex shows nothing and makes no sound.
  Click(kCommand8);
  PumpFor(50ms);
  EXPECT_FALSE(Dialog());
  EXPECT_TRUE(g_sounds.empty());
}

TEST_F(CatalogueWindowTest, PictureButtonsShowTheirPictureCentredAboveTheCaption) {
  Start();
  struct Expected {
    int button;
    int picture;
    int side;
  };
  // The grid's buttons have room for 32 pixels, the two commands for 24.
  for (const Expected& e : {Expected{kCommand12, IDI_AGENDA, 32}, Expected{kCommand8, IDI_CD_ORVEX, 32},
                            Expected{kCommand2, IDI_COMMANDER, 24}, Expected{kCommand1, IDI_QUITTER, 24}}) {
    const HWND button = Control(e.button);
    RECT area;
    GetWindowRect(button, &area);
    UniqueIcon icon(ProgramIcon(e.picture, e.side));
    ASSERT_TRUE(icon) << e.button;
    POINT at{};
    ASSERT_TRUE(PumpUntil([&] { return (at = FindIcon(area, icon.get(), e.side, ButtonFace())).x >= 0; }, 5s))
        << e.button;
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    EXPECT_LE(std::abs(at.x - (width - e.side) / 2), 1) << e.button;
    // The caption's dark pixels lie below the picture, none above it.
    const std::vector<uint32_t> pixels = ScreenPixels(area);
    int above = 0;
    int below = 0;
    for (int y = 3; y < height - 3; ++y) {
      for (int x = 3; x < width - 3; ++x) {
        if (pixels[static_cast<size_t>(y * width + x)] != 0x000000) continue;
        if (y < at.y) ++above;
        if (y >= at.y + e.side) ++below;
      }
    }
    EXPECT_EQ(above, 0) << e.button;
    EXPECT_GT(below, 20) << e.button;
  }
}

// Keys as the program's message loop hands them to the window first (dialog keys).
void PressKey(catalogue::Form1& window, HWND target, UINT message, WPARAM key) {
  MSG msg{target, message, key, 0, 0, {}};
  if (!window.PreTranslate(msg)) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

TEST_F(CatalogueWindowTest, PictureButtonsAnswerTheMouseAndKeyboardAsAnyButton) {
  Start();
  // The keyboard starts on the first entry; Tab goes on to the next.
  EXPECT_EQ(GetFocus(), Control(kCommand12));
  PressKey(*form, GetFocus(), WM_KEYDOWN, VK_TAB);
  EXPECT_EQ(GetFocus(), Control(kCommand15));
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
  const HWND button = Control(kCommand16);
  for (UINT down : {WM_LBUTTONDOWN, WM_LBUTTONDBLCLK}) {
    SendMessageA(button, down, MK_LBUTTON, MAKELPARAM(10, 10));
    SendMessageA(button, WM_LBUTTONUP, 0, MAKELPARAM(10, 10));
  }
  EXPECT_EQ(g_sounds, std::vector<std::string>(2, click));

  // Alt and the underlined letter: "&Quitter".
  g_sounds.clear();
  SetForegroundWindow(main);
  PressKey(*form, main, WM_SYSCHAR, 'q');
  EXPECT_EQ(g_sounds, std::vector<std::string>{click});
  MSG quit;
  EXPECT_TRUE(PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}

// The red title is drawn whole, one pixel left of and below the blue one, which lies
// over it: wherever the red shows, the blue shows one pixel up and right.
TEST_F(CatalogueWindowTest, TheTitleIsBlueOverARedShadowBelowLeft) {
  Start();
  RECT area;  // the band of the window the two labels lie in
  GetClientRect(main, &area);
  area.bottom = 760 / 15;
  MapWindowPoints(main, HWND_DESKTOP, reinterpret_cast<POINT*>(&area), 2);
  const int width = area.right - area.left;
  // Of the red pixels, how many have a blue one at (dx, dy) from them.
  struct Shadow {
    int red = 0;
    int blue = 0;
    int besideBlue = 0;
  };
  auto shadow = [&](int dx, int dy) {
    const std::vector<uint32_t> pixels = ScreenPixels(area);
    Shadow seen;
    for (size_t i = 0; i < pixels.size(); ++i) {
      seen.blue += pixels[i] == kBlue;
      if (pixels[i] != kRed) continue;
      ++seen.red;
      const size_t other = i + static_cast<size_t>(dy * width + dx);
      seen.besideBlue += other < pixels.size() && pixels[other] == kBlue;
    }
    return seen;
  };
  ASSERT_TRUE(PumpUntil([&] { return shadow(1, -1).blue > 1000; }, 5s));
  const Shadow upRight = shadow(1, -1);
  EXPECT_GT(upRight.red, 200);  // the shadow shows beside the blue text
  EXPECT_GT(upRight.besideBlue, upRight.red * 9 / 10);
  EXPECT_LT(shadow(-1, 1).besideBlue, upRight.red / 2);
}

// The longest run of pure blue pixels in a row of a link, as its underline draws.
int LongestBlueRun(HWND label) {
  RECT area;
  GetWindowRect(label, &area);
  const int width = area.right - area.left;
  const std::vector<uint32_t> pixels = ScreenPixels(area);
  int longest = 0;
  for (size_t row = 0; row * static_cast<size_t>(width) < pixels.size(); ++row) {
    int run = 0;
    for (int x = 0; x < width; ++x) {
      run = pixels[row * static_cast<size_t>(width) + static_cast<size_t>(x)] == kBlue ? run + 1 : 0;
      longest = std::max(longest, run);
    }
  }
  return longest;
}

// Whether the links show underlined, once the screen shows the change.
bool ShowsUnderlines(HWND mail, bool mailUnderlined, HWND web, bool webUnderlined) {
  auto underlined = [](HWND label) {
    const RECT place = BoundsInParent(label);
    return LongestBlueRun(label) > (place.right - place.left) * 3 / 4;
  };
  return PumpUntil([&] { return underlined(mail) == mailUnderlined && underlined(web) == webUnderlined; }, 5s);
}

TEST_F(CatalogueWindowTest, TheLinkUnderTheMouseIsUnderlinedAndTheOtherIsNot) {
  Start();
  const HWND mail = Control(kLabel5);
  const HWND web = Control(kLabel8);
  EXPECT_TRUE(ShowsUnderlines(mail, false, web, false));
  SendMessageA(mail, WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));
  EXPECT_TRUE(ShowsUnderlines(mail, true, web, false));
  // Straight from one link onto the other: the underline moves with the mouse.
  SendMessageA(web, WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));
  EXPECT_TRUE(ShowsUnderlines(mail, false, web, true));
  // Over the author's frame, or the window itself, neither is underlined.
  SendMessageA(Control(kFrame2), WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
  EXPECT_TRUE(ShowsUnderlines(mail, false, web, false));
  SendMessageA(mail, WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));
  EXPECT_TRUE(ShowsUnderlines(mail, true, web, false));
  SendMessageA(main, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
  EXPECT_TRUE(ShowsUnderlines(mail, false, web, false));
  EXPECT_TRUE(g_sounds.empty());
}

TEST_F(CatalogueWindowTest, TheLinksAndTheLogoShowPointersOfTheirOwn) {
  Start();
  const HINSTANCE program = GetModuleHandleA(nullptr);
  auto pointerOver = [](HWND control) {
    SetCursor(nullptr);
    SendMessageA(control, WM_SETCURSOR, reinterpret_cast<WPARAM>(control), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    return GetCursor();
  };
  const HCURSOR mail = LoadCursorA(program, MAKEINTRESOURCEA(IDC_MAIL_LINK));
  const HCURSOR web = LoadCursorA(program, MAKEINTRESOURCEA(IDC_WEB_LINK));
  const HCURSOR logo = LoadCursorA(program, MAKEINTRESOURCEA(IDC_LOGO));
  ASSERT_TRUE(mail && web && logo);
  EXPECT_EQ(pointerOver(Control(kLabel5)), mail);
  EXPECT_EQ(pointerOver(Control(kLabel8)), web);
  EXPECT_EQ(pointerOver(Control(kImage1)), logo);
  // The other labels keep their class's pointer.
  const HCURSOR plain = pointerOver(Control(kLabel3));
  EXPECT_NE(plain, mail);
  EXPECT_NE(plain, web);
  EXPECT_NE(plain, logo);
}

// Points the test prefix's mail and web open commands at uri_recorder.exe for the
// life of the object; the prefix's own commands come back afterwards.
class RecordedLinks {
 public:
  explicit RecordedLinks(std::string output) : output_(std::move(output)) {
    DeleteFileA(output_.c_str());
    for (Command& command : commands_) {
      command.saved = Read(command.key);
      Write(command.key, "\"" + ProgramPath("uri_recorder.exe") + "\" \"" + output_ + "\" \"%1\"");
    }
  }
  ~RecordedLinks() {
    for (const Command& command : commands_) {
      if (command.saved) {
        Write(command.key, *command.saved);
      } else {
        RegDeleteKeyA(HKEY_CLASSES_ROOT, command.key);
      }
    }
    DeleteFileA(output_.c_str());
  }
  RecordedLinks(const RecordedLinks&) = delete;
  RecordedLinks& operator=(const RecordedLinks&) = delete;

  // The URI the recorder was given and the folder it was started in, once it ran.
  std::vector<std::string> Wait() {
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
  struct Command {
    const char* key;
    std::optional<std::string> saved;
  };
  static std::optional<std::string> Read(const char* key) {
    char value[1024] = {};
    LONG size = sizeof value - 1;
    if (RegQueryValueA(HKEY_CLASSES_ROOT, key, value, &size) != ERROR_SUCCESS) return std::nullopt;
    return std::string(value);
  }
  static void Write(const char* key, const std::string& value) {
    RegSetValueA(HKEY_CLASSES_ROOT, key, REG_SZ, value.c_str(), static_cast<DWORD>(value.size()));
  }

  std::string output_;
  Command commands_[2] = {{"mailto\\shell\\open\\command", {}}, {"http\\shell\\open\\command", {}}};
};

TEST_F(CatalogueWindowTest, TheLinksOpenTheMailProgramAndTheBrowserThroughTheShell) {
  Start();
  RecordedLinks links(ProgramPath("recorded-link.txt"));
  SendMessageA(Control(kLabel5), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
  SendMessageA(Control(kLabel5), WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
  EXPECT_EQ(links.Wait(), (std::vector<std::string>{"mailto:talvenne@orvex.fr", "C:\\"}));
  SendMessageA(Control(kLabel8), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
  SendMessageA(Control(kLabel8), WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
  EXPECT_EQ(links.Wait(), (std::vector<std::string>{"http://www.orvex.fr", "C:\\"}));
  EXPECT_EQ(g_sounds, std::vector<std::string>(2, click));
}

TEST_F(CatalogueWindowTest, TheLogoPlaysTheGreetingByItsBareName) {
  Start();
  ClickAt(Control(kImage1), 20, 20);
  EXPECT_EQ(g_sounds, std::vector<std::string>{"data1.dll"});
}

TEST_F(CatalogueWindowTest, CommanderExplainsHowToOrderThenOpensTheOrderFormOnce) {
  Start();
  // How many sounds had played when the message box showed.
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
  const HWND order = OrderForm();
  ASSERT_TRUE(order);
  EXPECT_TRUE(IsWindowVisible(order));
  EXPECT_EQ(GetForegroundWindow(), order);
  EXPECT_EQ(GetWindow(order, GW_OWNER), nullptr);
  // Reading the stored details leaves the store as it was: the form loaded and
  // cancelled has created no key.
  SendMessageA(FindControl(order, catalogue::commandeform_ids::kCommand1), BM_CLICK, 0, 0);
  HKEY opened = nullptr;
  EXPECT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\Orvex\\Catalogue", 0, KEY_READ, &opened),
            ERROR_FILE_NOT_FOUND);
  const UniqueKey key(opened);
}

// Hidden controls too, and the detail dialog filled by each entry.
TEST_F(CatalogueWindowTest, EveryCaptionOfEveryWindowShowsWhole) {
  using Cut = std::vector<std::string>;
  Start();
  EXPECT_EQ(CutCaptions(main), Cut{}) << "Form1";
  for (const int entry : {kCommand3, kCommand4, kCommand5, kCommand6, kCommand7, kCommand8, kCommand9, kCommand10,
                          kCommand11, kCommand12, kCommand13, kCommand14, kCommand15, kCommand16, kCommand17}) {
    Click(entry);
    EXPECT_EQ(CutCaptions(Dialog()), Cut{}) << "convertbox of " << WindowText(Control(entry));
  }
  PressCommander();
  EXPECT_EQ(CutCaptions(OrderForm()), Cut{}) << "commandeform";
}

TEST_F(CatalogueWindowTest, ItsCloseBoxUnloadsItAloneLeavingTheOtherWindowsOpen) {
  Start();
  Click(kCommand12);
  PressCommander();
  const HWND dialog = Dialog();
  const HWND order = OrderForm();
  ASSERT_TRUE(dialog && order);
  SendMessageA(main, WM_CLOSE, 0, 0);
  EXPECT_FALSE(IsWindow(main));
  EXPECT_TRUE(IsWindowVisible(dialog));
  EXPECT_TRUE(IsWindowVisible(order));
  MSG quit;
  EXPECT_FALSE(PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}

}  // namespace
}  // namespace glyvane::test
