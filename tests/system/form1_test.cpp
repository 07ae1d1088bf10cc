// Form1 in this process: created as the program creates it, driven with the
// messages a user's actions produce, and read back from its windows.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "common/twips.h"
#include "common/system/sounds.h"
#include "common/system/system_registry.h"
#include "font_folders.h"
#include "main_window.h"
#include "printing/form2.h"
#include "printing/form3.h"
#include "support.h"
#include "viewer/form1.h"
#include "viewer/grid_layout.h"
#include "viewer/proposbox.h"

namespace glyvane::test {
namespace {

using namespace form1_ids;

using Form1Test = MainWindowTest;

// Twips become pixels at 15 a pixel; a list's designed height is whole rows of the
// window's font.
TEST_F(Form1Test, OpensCentredInItsDesignStateWithItsMenus) {
  Start();
  for (int id : {kText1, kList1}) {
    const RECT rect = PixelBounds(Control(id));
    const TwipRect design = id == kText1 ? TwipRect{6000, 1320, 3255, 375} : TwipRect{1680, 240, 2535, 2010};
    EXPECT_EQ(rect.left, design.left / 15) << id;
    EXPECT_EQ(rect.bottom - rect.top, design.height / 15) << id;
  }
  RECT client;
  GetClientRect(main, &client);
  EXPECT_EQ(client.right, 9510 / 15);
  RECT outer;
  GetWindowRect(main, &outer);
  EXPECT_EQ(outer.top, GetSystemMetrics(SM_CYSCREEN) / 2 - (outer.bottom - outer.top) / 2);
  EXPECT_EQ(outer.left, GetSystemMetrics(SM_CXSCREEN) / 2 - (outer.right - outer.left) / 2);
  EXPECT_FALSE(IsWindowVisible(Control(kFrame3)));
  EXPECT_EQ(SendMessageA(Control(kOption1), BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_FALSE(IsWindowEnabled(Control(kCommand2)));
  EXPECT_EQ(GetFocus(), Control(kCombo1));
  const HMENU bar = GetMenu(main);
  const HMENU edition = GetSubMenu(bar, 1);
  EXPECT_TRUE(form->MainMenu().IsChecked(kMenuApercu));
  // The first letter opens a menu (Alt+E) and picks an item in it.
  EXPECT_EQ(SendMessageA(main, WM_MENUCHAR, MAKEWPARAM('e', 0), reinterpret_cast<LPARAM>(bar)),
            MAKELRESULT(1, MNC_EXECUTE));
  EXPECT_EQ(SendMessageA(main, WM_MENUCHAR, MAKEWPARAM('Q', MF_POPUP), reinterpret_cast<LPARAM>(GetSubMenu(bar, 0))),
            MAKELRESULT(3, MNC_EXECUTE));
  // Two items begin with T: the letter moves between them rather than choosing one.
  EXPECT_EQ(SendMessageA(main, WM_MENUCHAR, MAKEWPARAM('t', MF_POPUP), reinterpret_cast<LPARAM>(edition)),
            MAKELRESULT(0, MNC_SELECT));
}

TEST_F(Form1Test, EveryCellShowsItsCodeAtItsPlaceWithItsAltCodeAsTooltip) {
  Start();
  const HWND frame = Control(kFrame1);
  for (int i = 0; i < kCellCount; ++i) {
    const HWND cell = Cell(i);
    ASSERT_TRUE(cell);
    EXPECT_EQ(GetParent(cell), frame);
    EXPECT_EQ(WindowText(cell), std::string(1, static_cast<char>(33 + i)));
    const RECT rect = PixelBounds(cell);
    const TwipRect twips = CellRect(i);
    EXPECT_EQ(rect.left, TwipsToPixels(twips.left, 15)) << i;
    EXPECT_EQ(rect.top, TwipsToPixels(twips.top, 15)) << i;
    EXPECT_EQ(rect.right - rect.left, 25) << i;
  }
  // The tooltip control itself holds the text once the pointer has moved over a cell.
  for (int index : {0, 32, 67, 222}) {
    SendMessageA(Cell(index), WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));
    EXPECT_EQ(TooltipText(Cell(index)), CellTooltip(index));
  }
  EXPECT_EQ(form->Grid().Tooltip(32), " ALT + 0065 ");
}

TEST_F(Form1Test, TheMagnifierShowsWhileAButtonIsHeldCentredOnTheCell) {
  Start();
  const HWND picture = Control(kPicture1);
  for (int index : {30, 0, 224 - 33 - 1}) {
    SendMessageA(Cell(index), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(5, 5));
    ASSERT_TRUE(IsWindowVisible(picture));
    EXPECT_EQ(WindowText(Control(kText2)), " " + std::string(1, static_cast<char>(33 + index)) + " ");
    EXPECT_EQ(form->Controls().FontOf(kText2).size, 24);
    EXPECT_EQ(form->Controls().FontOf(kText2).face, "Arial");
    const RECT text2 = PixelBounds(Control(kText2));
    const RECT place = PixelBounds(picture);
    EXPECT_EQ(text2.left, 0);
    EXPECT_EQ(place.right - place.left, text2.right - text2.left);
    EXPECT_EQ(place.bottom - place.top, text2.bottom - text2.top);
    // Centred on the cell (in Frame1, at 120, 2640 in the window), never left of 0.
    const int column = index % 25;
    const int row = index / 25;
    const double cellLeft = 120 + 120 + 355 * column;
    const double cellTop = 2640 + 360 + 355 * row;
    const double width = (text2.right - text2.left) * 15.0;
    const double height = (text2.bottom - text2.top) * 15.0;
    EXPECT_NEAR(place.left, std::max(0.0, cellLeft - (width - 375) / 2) / 15.0, 1.0) << index;
    EXPECT_NEAR(place.top, (cellTop - (height - 375) / 2) / 15.0, 1.0) << index;
    SendMessageA(Cell(index), WM_RBUTTONUP, 0, MAKELPARAM(5, 5));
    EXPECT_FALSE(IsWindowVisible(picture));
  }
}

TEST_F(Form1Test, DoubleClickPicksCharactersOnlyInWindowsFontsMode) {
  Start();
  SendMessageA(Cell(32), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 5));
  SendMessageA(Cell(255 - 33), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 5));
  EXPECT_EQ(WindowText(Control(kText1)), "A\xFF");
  Click(kOption2);
  SendMessageA(Cell(33), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 5));
  EXPECT_EQ(WindowText(Control(kText1)), "A\xFF");
  Click(kOption1);
  EXPECT_EQ(WindowText(Control(kText1)), "A\xFF");  // the text survives the switches
}

TEST_F(Form1Test, CtrlCCopiesTheTextToCopy) {
  Start();
  SetWindowTextA(Control(kText1), "Œuvre");
  OpenClipboard(nullptr);
  EmptyClipboard();
  CloseClipboard();
  BYTE keys[256];
  GetKeyboardState(keys);
  keys[VK_CONTROL] = 0x80;
  SetKeyboardState(keys);
  MSG press{Control(kText1), WM_KEYDOWN, 'C', 0x002E0001, GetTickCount(), {}};
  EXPECT_TRUE(form->PreTranslate(press));
  keys[VK_CONTROL] = 0;
  SetKeyboardState(keys);
  PumpFor(50ms);
  ASSERT_TRUE(OpenClipboard(nullptr));
  const HANDLE data = GetClipboardData(CF_TEXT);
  ASSERT_TRUE(data);
  EXPECT_STREQ(static_cast<const char*>(GlobalLock(data)), "Œuvre");
  GlobalUnlock(data);
  CloseClipboard();
  // The shortcut also opens its menu's notification ("Edition"), as a menu command does.
  EXPECT_EQ(g_sounds, std::vector<std::string>(2, "data2.dll"));
}

TEST_F(Form1Test, SwitchingSourcesSwapsTheFramesAndGreysTheTextCommands) {
  Start();
  const Menu menu = form->MainMenu();
  Click(kOption2);
  EXPECT_TRUE(IsWindowVisible(Control(kFrame3)));
  EXPECT_FALSE(IsWindowVisible(Control(kFrame2)));
  EXPECT_TRUE(IsWindowVisible(Control(kCommand2)));
  EXPECT_FALSE(IsWindowEnabled(Control(kCommand2)));
  for (int hidden : {kLabel1, kLabel2, kText1}) EXPECT_FALSE(IsWindowVisible(Control(hidden))) << hidden;
  for (int item : {kMenuCopy, kMenuApercu, kMenuTaillecopier}) EXPECT_FALSE(menu.IsEnabled(item)) << item;
  EXPECT_TRUE(menu.IsEnabled(kMenuTaille));
  EXPECT_TRUE(g_sounds.empty());  // the option buttons make no sound

  // No font file in the folder: opening "Fichier" greys the font list printout...
  ASSERT_EQ(form->Files().Count(), 0);
  OpenMenu(kMenuFichier);
  EXPECT_FALSE(menu.IsEnabled(kMenuPrintpolice));
  // ...and back in Windows-fonts mode it stays as it was.
  Click(kOption1);
  EXPECT_TRUE(IsWindowVisible(Control(kFrame2)));
  EXPECT_FALSE(IsWindowVisible(Control(kFrame3)));
  EXPECT_FALSE(IsWindowVisible(Control(kCommand2)));
  for (int shown : {kLabel1, kLabel2, kText1}) EXPECT_TRUE(IsWindowVisible(Control(shown))) << shown;
  for (int item : {kMenuCopy, kMenuApercu, kMenuTaillecopier}) EXPECT_TRUE(menu.IsEnabled(item)) << item;
  OpenMenu(kMenuFichier);
  EXPECT_FALSE(menu.IsEnabled(kMenuPrintpolice));
}

TEST_F(Form1Test, TheQuickPreviewShowsTheHoveredNameInItsOwnFace) {
  Start();
  PointAtEntry(WM_MOUSEMOVE, 2);
  EXPECT_EQ(WindowText(Control(kLabel2)), ComboEntry(2));
  EXPECT_EQ(form->Controls().FontOf(kLabel2).face, ComboEntry(2));
  EXPECT_EQ(form->Controls().FontOf(kLabel2).size, 17);
  EXPECT_EQ(form->HoverIndex(), 2);

  // Below the last entry: no entry, and the preview keeps its font. (The list is
  // cut to three entries, so that the pointer can really be below the last.)
  const std::string previewed = ComboEntry(2);
  const HWND combo = Control(kCombo1);
  SendMessageA(combo, LB_RESETCONTENT, 0, 0);
  for (const char* name : {"Arial", "Times New Roman", "Wingdings"}) {
    SendMessageA(combo, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name));
  }
  PointAtEntry(WM_MOUSEMOVE, 5);
  EXPECT_EQ(form->HoverIndex(), -1);
  EXPECT_EQ(WindowText(Control(kLabel3)), "-1");
  EXPECT_EQ(WindowText(Control(kLabel2)), previewed);
  EXPECT_EQ(form->Controls().FontOf(kLabel2).face, previewed);

  // Unchecking clears it at once and saves "Non"; then hovering changes nothing.
  SendMessageA(main, WM_COMMAND, MAKEWPARAM(kMenuApercu, 0), 0);
  EXPECT_EQ(WindowText(Control(kLabel2)), "");
  EXPECT_FALSE(form->MainMenu().IsChecked(kMenuApercu));
  EXPECT_EQ(ReadMachineValue(kConfigurationKey, kPreviewValue), std::optional<std::string>("Non"));
  PointAtEntry(WM_MOUSEMOVE, 1);
  EXPECT_EQ(WindowText(Control(kLabel2)), "");
  EXPECT_EQ(form->HoverIndex(), -1);
  SendMessageA(main, WM_COMMAND, MAKEWPARAM(kMenuApercu, 0), 0);
  EXPECT_TRUE(form->MainMenu().IsChecked(kMenuApercu));
  EXPECT_EQ(ReadMachineValue(kConfigurationKey, kPreviewValue), std::optional<std::string>("Oui"));
  EXPECT_EQ(g_sounds.size(), 2u);
}

// What the preview paints, pixel for pixel: a shorter name after a longer one (and
// the other way round) shows whole, centred on the label's place, with nothing of
// the previous name left beside it, and inside the window.
TEST_F(Form1Test, ThePreviewPaintsEachNameWholeWithNothingOfThePreviousOneLeft) {
  Start();
  std::vector<std::string> names;
  for (const char* name : {"DejaVu Sans", "DejaVu Sans Condensed", "C059", "DejaVu Serif Condensed", "Arial"}) {
    if (ComboIndexOf(name) >= 0) names.emplace_back(name);
  }
  ASSERT_GE(names.size(), 3u);
  const HWND label = Control(kLabel2);
  RECT client;
  GetClientRect(main, &client);
  MapWindowPoints(main, HWND_DESKTOP, reinterpret_cast<POINT*>(&client), 2);
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  const uint32_t faceRgb = (GetRValue(face) << 16) | (GetGValue(face) << 8) | GetBValue(face);
  int designCentre = -1;
  for (const std::string& name : names) {
    PointAtEntry(WM_MOUSEMOVE, ComboIndexOf(name));
    UpdateWindow(main);
    PumpFor(100ms);
    ASSERT_EQ(WindowText(label), name);
    RECT shown;
    GetWindowRect(label, &shown);
    EXPECT_GE(shown.left, client.left) << name;
    EXPECT_LE(shown.right, client.right) << name;
    const int centre = (shown.left + shown.right) / 2;
    if (designCentre < 0) designCentre = centre;
    EXPECT_NEAR(centre, designCentre, 1) << name;

    const SIZE size{shown.right - shown.left, shown.bottom - shown.top};
    const std::vector<uint32_t> painted = ScreenPixels(shown);
    const std::vector<uint32_t> expected = DrawnText(name, ScreenFont(name.c_str(), 17), size,
                                                     DT_CENTER | DT_WORDBREAK | DT_EXPANDTABS | DT_NOPREFIX, face,
                                                     GetSysColor(COLOR_WINDOWTEXT));
    size_t differing = 0;
    for (size_t i = 0; i < painted.size(); ++i) differing += painted[i] != expected[i];
    EXPECT_EQ(differing, 0u) << name << ": " << differing << " of " << painted.size() << " pixels differ";

    // The band of the window the label lies in, right of the font list, holds
    // nothing but the label.
    const RECT band{client.left + 300, shown.top, client.right, shown.bottom};
    const std::vector<uint32_t> around = ScreenPixels(band);
    size_t leftovers = 0;
    for (int y = 0; y < band.bottom - band.top; ++y) {
      for (int x = 0; x < band.right - band.left; ++x) {
        const int screenX = band.left + x;
        if (screenX >= shown.left && screenX < shown.right) continue;
        leftovers += around[static_cast<size_t>(y * (band.right - band.left) + x)] != faceRgb;
      }
    }
    EXPECT_EQ(leftovers, 0u) << name;
  }
}

TEST_F(Form1Test, ClickingAFontRestylesGridTextAndMagnifierWithTheStoredSizes) {
  Start();
  const int arial = ComboIndexOf("Arial");
  EXPECT_EQ(form->HoverIndex(), arial);
  WriteMachineValue(kConfigurationKey, kTableValue, "14");
  WriteMachineValue(kConfigurationKey, kCopyValue, "9,5");

  // A visible entry: with many fonts the list starts scrolled down to Arial.
  const int top = static_cast<int>(SendMessageA(Control(kCombo1), LB_GETTOPINDEX, 0, 0));
  const int other = arial == top ? top + 1 : top;
  PointAtEntry(WM_LBUTTONDOWN, other);  // the press stores the hover index, draws nothing
  EXPECT_EQ(form->HoverIndex(), other);
  EXPECT_EQ(WindowText(Control(kLabel2)), "");
  PointAtEntry(WM_LBUTTONUP, other);
  PumpFor(20ms);
  const std::string face = ComboEntry(other);
  EXPECT_EQ(WindowText(Control(kFrame1)), "Caractères de " + face + " : ");
  for (int i = 0; i < kCellCount; ++i) {
    EXPECT_EQ(form->Grid().FontOf(i), (FontStyle{face, 14})) << i;
  }
  EXPECT_EQ(form->Controls().FontOf(kText1).face, face);
  EXPECT_EQ(form->Controls().FontOf(kText1).size, 9.5);
  EXPECT_EQ(form->Controls().FontOf(kText2).face, face);
  EXPECT_EQ(form->Controls().FontOf(kText2).size, 24);
  EXPECT_EQ(g_sounds, std::vector<std::string>{"data2.dll"});
}

TEST_F(Form1Test, StoredSizesAndPreviewApplyAtStart) {
  WriteMachineValue(kConfigurationKey, kTableValue, "12,5");
  // Written as the size commands write it: a string value whose length counts its NUL.
  WriteRegistryValue(SystemRegistry(), RegistryRoot::LocalMachine, kConfigurationKey, kCopyValue, "8");
  HKEY opened = nullptr;
  ASSERT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, kConfigurationKey, 0, KEY_READ, &opened), ERROR_SUCCESS);
  const UniqueKey key(opened);
  char data[4] = {'x', 'x', 'x', 'x'};
  DWORD bytes = sizeof data;
  EXPECT_EQ(RegQueryValueExA(key.get(), kCopyValue, nullptr, nullptr, reinterpret_cast<BYTE*>(data), &bytes),
            ERROR_SUCCESS);
  EXPECT_EQ(std::string(data, bytes), std::string("8\0", 2));
  WriteMachineValue(kConfigurationKey, kPreviewValue, "Non");
  Start();
  for (int i = 0; i < kCellCount; ++i) EXPECT_EQ(form->Grid().FontOf(i).size, 12.5) << i;
  EXPECT_EQ(form->Controls().FontOf(kText1).size, 8);
  EXPECT_FALSE(form->MainMenu().IsChecked(kMenuApercu));
}

TEST_F(Form1Test, MenusAndCommandsPlayTheClickSound) {
  Start();
  for (int position : {kMenuFichier, kMenuEdition, kMenuAide}) OpenMenu(position);
  // "Aide" and "Du même auteur ..." start other programs: help_test.cpp tries them.
  for (int item : {kMenuPrintpolice, kMenuPrintto, kMenuPropos, kMenuCopy}) {
    SendMessageA(main, WM_COMMAND, MAKEWPARAM(item, 0), 0);
  }
  EXPECT_EQ(g_sounds, std::vector<std::string>(7, "data2.dll"));
}

TEST_F(Form1Test, PointersAreSetForEachKindOfControl) {
  Start();
  auto pointer = [](HWND window) { return reinterpret_cast<HCURSOR>(GetClassLongPtrA(window, GCLP_HCURSOR)); };
  const HCURSOR arrow = LoadCursor(nullptr, IDC_ARROW);
  for (int id : {kText1, kCombo1, kFile1, kOption1}) {
    EXPECT_TRUE(pointer(Control(id))) << id;
    EXPECT_NE(pointer(Control(id)), arrow) << id;
  }
  EXPECT_EQ(pointer(Control(kText1)), pointer(Control(kCombo1)));  // both from Data3.dll
  EXPECT_NE(pointer(Control(kOption1)), pointer(Control(kText1)));
  EXPECT_EQ(pointer(Control(kList1)), pointer(Control(kCombo1)));  // the same kind of control
  EXPECT_EQ(pointer(Control(kCommand1)), arrow);                  // buttons: not set by this window
  EXPECT_EQ(pointer(Control(kOption2)), pointer(Control(kOption1)));
}

// A copy of a font file under a new name, added to the font table as a viewed file is.
class ViewedFontFile {
 public:
  ViewedFontFile() {
    char folder[MAX_PATH];
    GetTempPathA(MAX_PATH, folder);
    path_ = std::string(folder) + "glyvane-viewed.ttf";
    // A face of its own: Wine would not load a copy of a face it holds, and the file
    // would then leave the table whatever the window did.
    CopyFileA(FixturePath("faces/nouvelle.ttf").c_str(), path_.c_str(), FALSE);
    added_ = AddFontResourceA(path_.c_str()) > 0;
  }
  ~ViewedFontFile() {
    while (RemoveFontResourceA(path_.c_str())) {
    }
    DeleteFileA(path_.c_str());
  }
  const std::string& path() const { return path_; }
  bool added() const { return added_; }
  // True once nobody holds the file in the font table any more.
  bool Released() const { return RemoveFontResourceA(path_.c_str()) == 0; }

 private:
  std::string path_;
  bool added_ = false;
};

TEST_F(Form1Test, QuitterAndClosingRemoveAViewedFontFileFromTheFontTable) {
  for (UINT message : {static_cast<UINT>(WM_COMMAND), static_cast<UINT>(WM_CLOSE)}) {
    form.reset();
    Start();
    ViewedFontFile viewed;
    ASSERT_TRUE(viewed.added());
    form->AdoptTemporaryFont(viewed.path());
    SendMessageA(main, message, message == WM_COMMAND ? MAKEWPARAM(kMenuQuitter, 0) : 0, 0);
    EXPECT_TRUE(viewed.Released()) << message;
  }
}

// Hidden controls too: each shows as it is when its time comes.
TEST_F(Form1Test, EveryCaptionOfEveryWindowShowsWhole) {
  using Cut = std::vector<std::string>;
  Start();
  EXPECT_EQ(CutCaptions(main, {kLabel3, kLabel4}), Cut{}) << "Form1";
  SendMessageA(main, WM_COMMAND, MAKEWPARAM(kMenuPropos, 0), 0);
  EXPECT_EQ(CutCaptions(form->AboutBox()->hwnd()), Cut{}) << "Proposbox";
  SendMessageA(main, WM_COMMAND, MAKEWPARAM(kMenuPrintto, 0), 0);
  Form2& dialog = *form->PrintDialog();
  EXPECT_EQ(CutCaptions(dialog.hwnd()), Cut{}) << "Form2";
  dialog.ShowProgressWindow();
  EXPECT_EQ(CutCaptions(dialog.ProgressWindow()->hwnd()), Cut{}) << "Form3";
  dialog.CloseProgressWindow();
}

TEST_F(Form1Test, AnErrorAfterStartIsReportedAndTheProgramGoesOn) {
  Start();
  WriteMachineValue(kConfigurationKey, kTableValue, "abc");
  DialogAnswer answer(GetCurrentProcessId(), IDOK);
  const int index = ComboIndexOf("Arial") == 0 ? 1 : 0;
  SendMessageA(Control(kCombo1), LB_SETCURSEL, static_cast<WPARAM>(index), 0);
  SendMessageA(main, WM_COMMAND, MAKEWPARAM(kCombo1, LBN_SELCHANGE), reinterpret_cast<LPARAM>(Control(kCombo1)));
  ASSERT_TRUE(answer.Wait());
  EXPECT_EQ(answer.text.rfind("Erreur N°13 ", 0), 0u) << answer.text;
  EXPECT_EQ(answer.title, "Glyvane de Talvenne");
  EXPECT_EQ(answer.icon, static_cast<UINT>(MB_ICONSTOP));
  EXPECT_TRUE(IsWindow(main));
}

}  // namespace
}  // namespace glyvane::test

namespace glyvane::test {
namespace {

// The real player: winmm is loaded with the first sound, not with the program (its
// audio drivers would start with every start-up), and a missing file is no error.
TEST(Sounds, TheSystemPlayerLoadsWinmmWithTheFirstSound) {
  SetSoundPlayer(nullptr);
  EXPECT_FALSE(GetModuleHandleA("winmm.dll"));
  const auto start = std::chrono::steady_clock::now();
  PlaySoundFile("absent.dll");
  PlayClickSound();
  EXPECT_TRUE(GetModuleHandleA("winmm.dll"));
  EXPECT_LT(std::chrono::steady_clock::now() - start, 5s);
}

}  // namespace
}  // namespace glyvane::test
