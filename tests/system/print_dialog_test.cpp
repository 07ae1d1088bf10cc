// The print dialog, opened from the main window in this process as the menu opens
// it, and driven with the mouse and keyboard messages a user's actions produce.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>

#include "main_window.h"
#include "printing/form2.h"
#include "viewer/proposbox.h"

namespace glyvane::test {
namespace {

using namespace form2_ids;

class PrintDialogTest : public MainWindowTest {
 protected:
  HWND Open(int command) {
    SendMessageA(main, WM_COMMAND, MAKEWPARAM(command, 0), 0);
    PumpFor(50ms);
    return form->PrintDialog() ? form->PrintDialog()->hwnd() : nullptr;
  }
  HWND Item(int id) const { return FindControl(form->PrintDialog()->hwnd(), id); }
  // A click at x inside entry `index` of the font list, which is scrolled to show it.
  void ClickEntry(int index, int x) {
    const HWND list = Item(form2_ids::kList1);
    SendMessageA(list, LB_SETTOPINDEX, static_cast<WPARAM>(index), 0);
    RECT entry;
    SendMessageA(list, LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&entry));
    const LPARAM at = MAKELPARAM(x, (entry.top + entry.bottom) / 2);
    SendMessageA(list, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageA(list, WM_LBUTTONUP, 0, at);
  }
  std::vector<std::string> Chosen() const { return ListItems(Item(form2_ids::kList2)); }
  static RECT Outer(HWND window) {
    RECT rect;
    GetWindowRect(window, &rect);
    return rect;
  }
  static bool Centred(HWND window) {
    const RECT rect = Outer(window);
    return rect.top == GetSystemMetrics(SM_CYSCREEN) / 2 - (rect.bottom - rect.top) / 2 &&
           rect.left == GetSystemMetrics(SM_CXSCREEN) / 2 - (rect.right - rect.left) / 2;
  }
};

TEST_F(PrintDialogTest, OpensInCharacterTableModeOnItsPanel) {
  Start();
  const HWND dialog = Open(form1_ids::kMenuPrintto);
  ASSERT_TRUE(dialog);
  EXPECT_EQ(g_sounds, std::vector<std::string>{"data2.dll"});
  EXPECT_EQ(WindowText(dialog), "Imprimer la table de caractères...");
  EXPECT_EQ(GetWindow(dialog, GW_OWNER), main);
  RECT client;
  GetClientRect(dialog, &client);
  EXPECT_EQ(client.right, 4215 / 15);
  EXPECT_EQ(client.bottom, 4335 / 15);
  EXPECT_TRUE(Centred(dialog));
  EXPECT_TRUE(IsWindowVisible(Item(kPicture2)));
  EXPECT_FALSE(IsWindowVisible(Item(kPicture1)));

  // The two modes' controls lie on their own panels.
  for (int id : {kCommand5, kCommand6, kCommand7, kLabel4}) EXPECT_EQ(GetParent(Item(id)), Item(kPicture1)) << id;
  for (int id : {kCommand1, kCommand2, kCommand3, kCommand4, kLabel1, kList1}) {
    EXPECT_EQ(GetParent(Item(id)), Item(kPicture2)) << id;
  }
  for (int hidden : {kList2, kLabel2, kLabel4}) EXPECT_FALSE(IsWindowVisible(Item(hidden))) << hidden;
  EXPECT_FALSE(IsWindowEnabled(Item(kCommand4)));
  EXPECT_TRUE(IsWindowEnabled(Item(kCommand2)));  // Arial is selected in the main window

  // Every screen font once, in alphabetical order, each with its box.
  const std::vector<std::string> fonts = ListItems(Item(kList1));
  EXPECT_EQ(fonts.size(), ListItems(FindControl(main, form1_ids::kList2)).size());
  EXPECT_TRUE(std::is_sorted(fonts.begin(), fonts.end(), [](const std::string& a, const std::string& b) {
    return lstrcmpiA(a.c_str(), b.c_str()) < 0;
  }));
  EXPECT_TRUE(GetWindowLongA(Item(kList1), GWL_STYLE) & LBS_OWNERDRAWFIXED);
  EXPECT_TRUE(Chosen().empty());
}

TEST_F(PrintDialogTest, TheFontListCommandShrinksAndRenamesTheSameDialogAndTheTableCommandRestoresIt) {
  Start();
  const HWND dialog = Open(form1_ids::kMenuPrintto);
  ASSERT_TRUE(dialog);
  const RECT design = Outer(dialog);
  ClickEntry(1, 3);  // state that must survive the switches

  EXPECT_EQ(Open(form1_ids::kMenuPrintpolice), dialog);  // not loaded anew
  EXPECT_EQ(WindowText(dialog), "Imprimer la liste de polices...");
  RECT shrunk = Outer(dialog);
  EXPECT_EQ(shrunk.bottom - shrunk.top, 2625 / 15);
  EXPECT_EQ(shrunk.right - shrunk.left, design.right - design.left);
  EXPECT_TRUE(Centred(dialog));
  EXPECT_TRUE(IsWindowVisible(Item(kPicture1)));
  EXPECT_FALSE(IsWindowVisible(Item(kPicture2)));

  // Back in character-table mode the chosen-font list is within reach again.
  EXPECT_EQ(Open(form1_ids::kMenuPrintto), dialog);
  EXPECT_EQ(WindowText(dialog), "Imprimer la table de caractères...");
  const RECT restored = Outer(dialog);
  EXPECT_EQ(restored.bottom - restored.top, design.bottom - design.top);
  EXPECT_TRUE(Centred(dialog));
  RECT list;
  GetWindowRect(Item(kList1), &list);
  RECT client;
  GetClientRect(dialog, &client);
  MapWindowPoints(dialog, HWND_DESKTOP, reinterpret_cast<POINT*>(&client), 2);
  EXPECT_LE(list.bottom, client.bottom);
  EXPECT_EQ(Chosen(), std::vector<std::string>{"1"});
  EXPECT_EQ(g_sounds.size(), 3u);
}

TEST_F(PrintDialogTest, BoxesToggleTheChosenFontsInTickingOrderWithMouseAndSpace) {
  Start();
  ASSERT_TRUE(Open(form1_ids::kMenuPrintto));
  const HWND list = Item(kList1);
  ClickEntry(5, 3);  // on the box
  EXPECT_TRUE(IsWindowEnabled(Item(kCommand4)));
  ClickEntry(2, 3);
  EXPECT_EQ(Chosen(), (std::vector<std::string>{"5", "2"}));
  EXPECT_TRUE(form->PrintDialog()->ChosenFonts() == (std::vector<int>{5, 2}));

  // Space on the selected entry clears 5 (the arrow keys select as they move).
  SendMessageA(list, LB_SETCURSEL, 5, 0);
  SendMessageA(list, WM_KEYDOWN, VK_SPACE, 0);
  SendMessageA(list, WM_CHAR, ' ', 0);
  EXPECT_EQ(Chosen(), std::vector<std::string>{"2"});
  EXPECT_TRUE(IsWindowEnabled(Item(kCommand4)));
  EXPECT_FALSE(SendMessageA(list, LB_GETITEMDATA, 5, 0) & 1);

  // A click on the text of an entry selects it; a second click there toggles it.
  ClickEntry(7, 60);
  EXPECT_EQ(Chosen(), std::vector<std::string>{"2"});
  ClickEntry(7, 60);
  EXPECT_EQ(Chosen(), (std::vector<std::string>{"2", "7"}));

  ClickEntry(2, 3);
  ClickEntry(7, 3);
  EXPECT_TRUE(Chosen().empty());
  EXPECT_FALSE(IsWindowEnabled(Item(kCommand4)));
  EXPECT_TRUE(g_sounds.size() == 1u);  // ticking makes no sound
}

TEST_F(PrintDialogTest, EachAnnulerClosesTheDialogAndReopeningStartsFromTheDesign) {
  Start();
  for (int cancel : {kCommand3, kCommand7}) {
    ASSERT_TRUE(Open(form1_ids::kMenuPrintto));
    ClickEntry(3, 3);
    form->PrintDialog()->SetCancelFlag(true);
    if (cancel == kCommand7) Open(form1_ids::kMenuPrintpolice);
    g_sounds.clear();
    SendMessageA(Item(cancel), BM_CLICK, 0, 0);
    PumpFor(20ms);
    EXPECT_FALSE(form->PrintDialog()) << cancel;
    EXPECT_EQ(g_sounds, std::vector<std::string>{"data2.dll"}) << cancel;

    ASSERT_TRUE(Open(form1_ids::kMenuPrintto));
    EXPECT_TRUE(Chosen().empty()) << cancel;
    EXPECT_FALSE(SendMessageA(Item(kList1), LB_GETITEMDATA, 3, 0) & 1) << cancel;
    EXPECT_FALSE(IsWindowEnabled(Item(kCommand4))) << cancel;
    EXPECT_EQ(WindowText(Item(kLabel2)), "OK") << cancel;
    EXPECT_EQ(WindowText(form->PrintDialog()->hwnd()), "Imprimer la table de caractères...") << cancel;
    SendMessageA(Item(kCommand3), BM_CLICK, 0, 0);
    PumpFor(20ms);
  }
}

TEST_F(PrintDialogTest, TheScreenTableNeedsAnInstalledFontSelectedWhenTheDialogLoads) {
  Start();
  SendMessageA(FindControl(main, form1_ids::kCombo1), LB_SETCURSEL, static_cast<WPARAM>(-1), 0);
  ASSERT_TRUE(Open(form1_ids::kMenuPrintto));
  EXPECT_FALSE(IsWindowEnabled(Item(kCommand2)));
  // Selecting a font meanwhile does not enable it; the next loading does.
  SendMessageA(FindControl(main, form1_ids::kCombo1), LB_SETCURSEL, 0, 0);
  EXPECT_EQ(Open(form1_ids::kMenuPrintto), form->PrintDialog()->hwnd());
  EXPECT_FALSE(IsWindowEnabled(Item(kCommand2)));
  SendMessageA(Item(kCommand3), BM_CLICK, 0, 0);
  PumpFor(20ms);
  ASSERT_TRUE(Open(form1_ids::kMenuPrintto));
  EXPECT_TRUE(IsWindowEnabled(Item(kCommand2)));
}

// (The character tables' buttons are tried with their printouts.)
TEST_F(PrintDialogTest, TheFontListButtonsPlayTheClickSoundAndAskForThePrinter) {
  Start();
  for (int button : {kCommand5, kCommand6}) {
    ASSERT_TRUE(Open(form1_ids::kMenuPrintpolice));
    g_sounds.clear();
    DialogAnswer printers(GetCurrentProcessId(), IDCANCEL);
    SendMessageA(form->PrintDialog()->hwnd(), WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
                 reinterpret_cast<LPARAM>(Item(button)));
    EXPECT_TRUE(printers.Wait());
    EXPECT_EQ(g_sounds, std::vector<std::string>{"data2.dll"});
    EXPECT_FALSE(form->PrintDialog());  // closed after the printout, printed or not
  }
}

// The windows of this thread told they are being destroyed (WM_DESTROY), in order.
std::vector<HWND> g_destroyed;
LRESULT CALLBACK NoteDestroyed(int code, WPARAM wParam, LPARAM lParam) {
  const auto* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
  if (code == HC_ACTION && call->message == WM_DESTROY) g_destroyed.push_back(call->hwnd);
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST_F(PrintDialogTest, ClosingTheMainWindowClosesTheDialogsItOwnsFirst) {
  Start();
  ASSERT_TRUE(Open(form1_ids::kMenuPrintto));
  SendMessageA(main, WM_COMMAND, MAKEWPARAM(form1_ids::kMenuPropos, 0), 0);
  const HWND dialog = form->PrintDialog()->hwnd();
  const HWND about = form->AboutBox()->hwnd();
  g_destroyed.clear();
  const HHOOK hook = SetWindowsHookExA(WH_CALLWNDPROC, &NoteDestroyed, nullptr, GetCurrentThreadId());
  SendMessageA(main, WM_CLOSE, 0, 0);
  UnhookWindowsHookEx(hook);
  EXPECT_FALSE(IsWindow(main));
  const auto at = [](HWND window) { return std::find(g_destroyed.begin(), g_destroyed.end(), window); };
  ASSERT_NE(at(main), g_destroyed.end());
  EXPECT_LT(at(dialog), at(main));
  EXPECT_LT(at(about), at(main));
}

}  // namespace
}  // namespace glyvane::test
