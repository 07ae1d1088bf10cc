// Form1 in this process: created as the program creates it, driven with the
// messages a user's actions produce, and read back from its windows.
#include <algorithm>
#include <set>

#include "font_folders.h"
#include "printing/form2.h"
#include "printing/form3.h"
#include "viewer/grid_layout.h"
#include "viewer/help_viewer.h"
#include "viewer/proposbox.h"

namespace glyvane::test {
namespace {

using namespace form1_ids;

using Form1Test = MainWindowTest;

TEST_F(Form1Test, OpensCentredPaintsItsCellsAtOnceSwitchesSourcesPreviewsTheHoveredNameAndShowsWholeCaptions) {
  Start();
  EXPECT_TRUE(CentredOnScreen(main));
  EXPECT_EQ(GetFocus(), Control(kCombo1));
  EXPECT_TRUE(ControlsFit(main));
  // The grid's first painting is done in one pass by the grid rather than by each of
  // its 223 cells: it must show exactly what the cells show when they paint themselves,
  // and leave them nothing to paint again.
  for (int i = 0; i < kCellCount; ++i) {
    EXPECT_FALSE(GetUpdateRect(Cell(i), nullptr, FALSE)) << i;
    EXPECT_EQ(WindowText(Cell(i)), std::string(1, static_cast<char>(33 + i))) << i;
  }
  // The grid on the screen: the last of the first row lies furthest right.
  RECT area, right, bottom;
  GetWindowRect(Cell(0), &area);
  GetWindowRect(Cell(24), &right);
  GetWindowRect(Cell(222), &bottom);
  area = {area.left, area.top, right.right, bottom.bottom};
  const std::vector<uint32_t> first = ScreenPixels(area);
  // The characters are there: a blank grid would hold two colours, cells and lines.
  EXPECT_GT(std::set<uint32_t>(first.begin(), first.end()).size(), 2u);
  // Each cell paints itself again, as when the window is uncovered.
  RedrawWindow(Control(kFrame1), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  EXPECT_TRUE(PumpUntil([&] { return ScreenPixels(area) == first; }, 5s));

  // The tooltip control itself holds the text once the pointer has moved over a cell.
  SendMessageA(Cell(222), WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));
  EXPECT_EQ(TooltipText(Cell(222)), " ALT + 0255 ");

  // Centred on the cell (the edge of the window stops it only for wider characters).
  const HWND picture = Control(kPicture1);
  for (int index : {30, 0}) {
    SendMessageA(Cell(index), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(5, 5));
    ASSERT_TRUE(IsWindowVisible(picture));
    EXPECT_EQ(WindowText(Control(kText2)), " " + std::string(1, static_cast<char>(33 + index)) + " ");
    RECT cell, place;
    GetWindowRect(Cell(index), &cell);
    GetWindowRect(picture, &place);
    EXPECT_NEAR(place.left + place.right, cell.left + cell.right, 2) << index;
    EXPECT_NEAR(place.top + place.bottom, cell.top + cell.bottom, 2) << index;
    SendMessageA(Cell(index), WM_RBUTTONUP, 0, MAKELPARAM(5, 5));
    EXPECT_FALSE(IsWindowVisible(picture));
  }

  // Picked characters, copied with Ctrl+C (which also opens its menu's notification,
  // as a menu command does) or the menu; an empty text replaces the previous one.
  for (int code : {65, 233, 128}) SendMessageA(Cell(code - 33), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 5));
  Click(kOption2);
  SendMessageA(Cell(33), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 5));
  Click(kOption1);
  EXPECT_EQ(WindowText(Control(kText1)), "Aé€");

  OpenClipboard(nullptr);
  EmptyClipboard();
  CloseClipboard();
  // Ctrl+C as the message loop hands it to the window's accelerators first.
  BYTE keys[256];
  GetKeyboardState(keys);
  keys[VK_CONTROL] = 0x80;
  SetKeyboardState(keys);
  MSG press{main, WM_KEYDOWN, 'C', 1, GetTickCount(), {}};
  EXPECT_TRUE(form->PreTranslate(press));
  keys[VK_CONTROL] = 0;
  SetKeyboardState(keys);
  PumpFor(50ms);
  const auto clipboardText = [] {
    OpenClipboard(nullptr);
    const HANDLE copied = GetClipboardData(CF_TEXT);
    const std::string text = copied ? static_cast<const char*>(GlobalLock(copied)) : "(nothing)";
    GlobalUnlock(copied);
    CloseClipboard();
    return text;
  };
  EXPECT_EQ(clipboardText(), "Aé€");
  EXPECT_EQ(g_sounds, std::vector<std::string>(2, "data2.dll"));
  SetWindowTextA(Control(kText1), "");
  SendMessageA(main, WM_COMMAND, MAKEWPARAM(kMenuCopy, 0), 0);
  EXPECT_EQ(clipboardText(), "");

  g_sounds.clear();
  const HMENU bar = GetMenu(main);
  // The first letter opens a menu (Alt+E) and picks an item in it; two items begin
  // with T: the letter moves between them rather than choosing one.
  EXPECT_EQ(SendMessageA(main, WM_MENUCHAR, MAKEWPARAM('e', 0), reinterpret_cast<LPARAM>(bar)),
            MAKELRESULT(1, MNC_EXECUTE));
  EXPECT_EQ(SendMessageA(main, WM_MENUCHAR, MAKEWPARAM('Q', MF_POPUP), reinterpret_cast<LPARAM>(GetSubMenu(bar, 0))),
            MAKELRESULT(3, MNC_EXECUTE));
  EXPECT_EQ(SendMessageA(main, WM_MENUCHAR, MAKEWPARAM('t', MF_POPUP), reinterpret_cast<LPARAM>(GetSubMenu(bar, 1))),
            MAKELRESULT(0, MNC_SELECT));

  // Each source shows its frame and its commands; the text commands only serve the
  // Windows fonts. No font file in the folder: "Fichier" greys the font list printout,
  // and back in Windows-fonts mode it stays as it was.
  const Menu menu = form->MainMenu();
  for (int row : {0, 1, 2}) {
    const bool otherFonts = row == 1;
    SCOPED_TRACE(otherFonts);
    if (row > 0) Click(otherFonts ? kOption2 : kOption1);
    EXPECT_EQ(SendMessageA(Control(kOption1), BM_GETCHECK, 0, 0) == BST_CHECKED, !otherFonts);
    EXPECT_EQ(IsWindowVisible(Control(kFrame3)) != FALSE, otherFonts);
    EXPECT_EQ(IsWindowVisible(Control(kCommand2)) != FALSE, otherFonts);
    for (int id : {kFrame2, kLabel1, kLabel2, kText1}) EXPECT_EQ(IsWindowVisible(Control(id)) != FALSE, !otherFonts);
    for (int item : {kMenuCopy, kMenuApercu, kMenuTaillecopier}) EXPECT_EQ(menu.IsEnabled(item), !otherFonts);
    EXPECT_FALSE(IsWindowEnabled(Control(kCommand2)));
    OpenMenu(kMenuFichier);
    EXPECT_EQ(menu.IsEnabled(kMenuPrintpolice), row == 0);
  }
  for (int position : {kMenuEdition, kMenuAide}) OpenMenu(position);
  EXPECT_EQ(g_sounds.size(), 5u);  // the menus only: the option buttons make no sound
  auto pointer = [this](int id) { return GetClassLongPtrA(Control(id), GCLP_HCURSOR); };
  EXPECT_EQ(pointer(kText1), pointer(kCombo1));      // Data3.dll's, not the I-beam and the arrow
  EXPECT_NE(pointer(kOption1), pointer(kText1));     // Data5.dll's
  EXPECT_NE(pointer(kOption1), pointer(kCommand1));  // the buttons keep the arrow

  // What the preview paints, pixel for pixel: a shorter name after a longer one (and
  // the other way round) shows whole, centred on the label's place, with nothing of
  // the previous name left in the band of the window right of the font list.
  RECT client;
  GetClientRect(main, &client);
  MapWindowPoints(main, HWND_DESKTOP, reinterpret_cast<POINT*>(&client), 2);
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  int designCentre = -1;
  int names = 0;
  for (const char* name : {"DejaVu Sans", "DejaVu Sans Condensed", "C059", "DejaVu Serif Condensed", "Arial"}) {
    if (ComboIndexOf(name) < 0) continue;
    ++names;
    HoverEntry(ComboIndexOf(name));
    UpdateWindow(main);
    PumpFor(100ms);
    RECT shown;
    GetWindowRect(Control(kLabel2), &shown);
    if (designCentre < 0) designCentre = shown.left + shown.right;
    EXPECT_NEAR(shown.left + shown.right, designCentre, 2) << name;

    // The band as it should be: the name drawn in its place on the window's face.
    const RECT band{client.left + 300, shown.top, client.right, shown.bottom};
    const SIZE size{band.right - band.left, band.bottom - band.top};
    RECT inBand{shown.left - band.left, 0, shown.right - band.left, size.cy};
    const UINT format = DT_CENTER | DT_WORDBREAK | DT_EXPANDTABS | DT_NOPREFIX;
    const auto expected = DrawnText(name, name, 17, size, inBand, format, face, GetSysColor(COLOR_WINDOWTEXT));
    EXPECT_TRUE(ScreenPixels(band) == expected) << name;
  }
  EXPECT_GE(names, 3);

  // Unchecking clears it at once and saves "Non"; then hovering changes nothing.
  for (const char* saved : {"Non", "Oui"}) {
    SendMessageA(main, WM_COMMAND, MAKEWPARAM(kMenuApercu, 0), 0);
    EXPECT_EQ(ReadMachineValue(kConfigurationKey, kPreviewValue), std::optional<std::string>(saved));
    EXPECT_EQ(form->MainMenu().IsChecked(kMenuApercu), saved == std::string("Oui"));
    HoverEntry(1);
    EXPECT_EQ(WindowText(Control(kLabel2)), saved == std::string("Oui") ? ComboEntry(1) : "");
  }

  // Every caption of every window shows whole, hidden controls too: each as it is
  // when its time comes.
  using Cut = std::vector<std::string>;
  EXPECT_EQ(CutCaptions(main, {kLabel3, kLabel4}), Cut{}) << "Form1";
  SendMessageA(main, WM_COMMAND, MAKEWPARAM(kMenuPrintto, 0), 0);
  Form2& dialog = *form->PrintDialog();
  EXPECT_EQ(CutCaptions(dialog.hwnd()), Cut{}) << "Form2";
  dialog.ShowProgressWindow();
  EXPECT_EQ(CutCaptions(dialog.ProgressWindow()->hwnd()), Cut{}) << "Form3";
  dialog.CloseProgressWindow();
}

// The sizes stored apply at start, and again, as they are then, to the font clicked;
// one that has become no number is reported, and the program goes on.
TEST_F(Form1Test, StoredSizesApplyAtStartAndToTheFontClickedAndAnErrorAfterStartIsReported) {
  WriteMachineValue(kConfigurationKey, kTableValue, "12,5");
  WriteMachineValue(kConfigurationKey, kCopyValue, "8");
  WriteMachineValue(kConfigurationKey, kPreviewValue, "Non");
  Start();
  for (int i = 0; i < kCellCount; ++i) EXPECT_EQ(form->Grid().FontOf(i).size, 12.5) << i;
  EXPECT_EQ(form->Controls().FontOf(kText1).size, 8);
  EXPECT_FALSE(form->MainMenu().IsChecked(kMenuApercu));

  const int arial = ComboIndexOf("Arial");
  WriteMachineValue(kConfigurationKey, kTableValue, "14");
  WriteMachineValue(kConfigurationKey, kCopyValue, "9,5");
  // A visible entry: with many fonts the list starts scrolled down to Arial.
  const int top = Combo().TopIndex();
  const int other = arial == top ? top + 1 : top;
  ClickListEntry(Control(kCombo1), other, 5);
  PumpFor(20ms);
  const std::string face = ComboEntry(other);
  EXPECT_EQ(WindowText(Control(kFrame1)), "Caractères de " + face + " : ");
  for (int i = 0; i < kCellCount; ++i) EXPECT_EQ(form->Grid().FontOf(i), (FontStyle{face, 14})) << i;
  EXPECT_EQ(form->Controls().FontOf(kText1), (FontStyle{face, 9.5}));
  EXPECT_EQ(form->Controls().FontOf(kText2), (FontStyle{face, 24}));
  EXPECT_EQ(g_sounds, std::vector<std::string>{"data2.dll"});

  WriteMachineValue(kConfigurationKey, kTableValue, "abc");
  DialogAnswer answer(GetCurrentProcessId(), IDOK);
  Combo().Select(arial);
  SendMessageA(main, WM_COMMAND, MAKEWPARAM(kCombo1, LBN_SELCHANGE), reinterpret_cast<LPARAM>(Control(kCombo1)));
  ASSERT_TRUE(answer.Wait());
  EXPECT_EQ(answer.text, "Erreur N°13 : Incompatibilité de type");
  EXPECT_EQ(answer.icon, static_cast<UINT>(MB_ICONSTOP));
  EXPECT_TRUE(IsWindow(main));
}

TEST_F(Form1Test, QuitterAndClosingRemoveAViewedFontFileFromTheFontTable) {
  // A face of its own: Wine would not load a copy of a face it holds, and the file
  // would then leave the table whatever the window did.
  FontFolder folder("vue");
  const std::string path = folder.Add("faces/nouvelle.ttf", "glyvane-viewed.ttf");
  for (UINT message : {static_cast<UINT>(WM_COMMAND), static_cast<UINT>(WM_CLOSE)}) {
    form.reset();
    Start();
    ASSERT_GT(AddFontResourceA(path.c_str()), 0);
    form->AdoptTemporaryFont(path);
    SendMessageA(main, message, message == WM_COMMAND ? MAKEWPARAM(kMenuQuitter, 0) : 0, 0);
    EXPECT_TRUE(LeftTheFontTable(path)) << message;
  }
}

// The greeting comes a tenth of a second after the about box opens, and with each
// click on the picture; the command again brings the same box to the front.
TEST_F(Form1Test, TheAboutBoxGreetsAndTheHelpCommandOpensTheSystemFoldersViewerOrSaysThereIsNone) {
  namespace about = proposbox_ids;
  const std::string greeting = ProgramPath("data1.dll");
  auto open = [this] {
    SendMessageA(main, WM_COMMAND, MAKEWPARAM(kMenuPropos, 0), 0);
    return form->AboutBox() ? form->AboutBox()->hwnd() : nullptr;
  };
  Start();
  const HWND box = open();
  ASSERT_TRUE(box);
  EXPECT_EQ(CutCaptions(box), std::vector<std::string>{});
  EXPECT_EQ(GetFocus(), FindControl(box, about::kBouton));
  EXPECT_TRUE(CentredOnScreen(box));
  EXPECT_EQ(g_sounds, std::vector<std::string>{"data2.dll"});
  PumpFor(600ms);
  EXPECT_EQ(g_sounds, (std::vector<std::string>{"data2.dll", greeting}));

  UpdateWindow(box);
  const HWND picture = FindControl(box, about::kImage1);
  RECT area;
  GetWindowRect(picture, &area);
  const std::vector<uint32_t> shown = ScreenPixels(area);
  EXPECT_GT(std::set<uint32_t>(shown.begin(), shown.end()).size(), 20u);  // the picture, not a blank box

  for (int click = 0; click < 3; ++click) {
    ClickAt(picture, 10, 10);
    PumpFor(150ms);
  }
  EXPECT_EQ(std::ranges::count(g_sounds, greeting), 4);
  SetForegroundWindow(main);
  EXPECT_EQ(open(), box);
  EXPECT_EQ(GetForegroundWindow(), box);

  g_sounds.clear();
  SendMessageA(FindControl(box, about::kBouton), BM_CLICK, 0, 0);
  PumpFor(20ms);
  EXPECT_FALSE(IsWindow(box));
  EXPECT_EQ(g_sounds, std::vector<std::string>{"data2.dll"});
  ASSERT_TRUE(open());
  PumpFor(400ms);
  EXPECT_EQ(std::ranges::count(g_sounds, greeting), 1);

  // Two folders the test fills stand in for the Windows and system folders. Without a
  // viewer nothing starts, not even the system's own by its bare name; with both, the
  // system folder's wins, and takes the help path unquoted, whatever blanks it holds.
  CloseStandInsAndViewers();
  FontFolder windows{"Windows"};
  FontFolder system{"System"};
  SetHelpViewerFolders(HelpViewerFolders{windows.path(), system.path()});
  DialogAnswer answer(GetCurrentProcessId(), IDOK);
  SendMessageA(main, WM_COMMAND, MAKEWPARAM(kMenuHelp, 0), 0);
  ASSERT_TRUE(answer.Wait());
  EXPECT_EQ(answer.title, "Glyvane de Talvenne");
  EXPECT_EQ(answer.icon, static_cast<UINT>(MB_ICONINFORMATION));
  EXPECT_EQ(answer.text.rfind("Pour ouvrir le fichier d'aide, vous devez :", 0), 0u) << answer.text;
  // The system's viewer would show the help file's title within a second.
  EXPECT_FALSE(WaitUntil([] { return FindWindowA(nullptr, kHelpCaption) != nullptr; }, 2s));
  CopyProgram("stand_in_program.exe", windows.PathOf("hh.exe"));
  CopyProgram("stand_in_program.exe", system.PathOf("hh.exe"));
  SendMessageA(main, WM_COMMAND, MAKEWPARAM(kMenuHelp, 0), 0);
  const HWND viewer = WaitForStandIn();
  ASSERT_TRUE(viewer);
  EXPECT_EQ(WindowText(viewer), "Remplaçant [" + system.PathOf("hh.exe") + " " + ProgramPath("Glyvane.chm") + "]");
  EXPECT_TRUE(IsZoomed(viewer));
  EXPECT_TRUE(PumpUntil([viewer] { return GetForegroundWindow() == viewer; }, 10s));
  CloseStandInsAndViewers();  // before its folder goes
  SetHelpViewerFolders(std::nullopt);
}

}  // namespace
}  // namespace glyvane::test
