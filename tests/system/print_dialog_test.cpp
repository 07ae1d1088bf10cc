// The print dialog, opened from the main window in this process as the menu opens
// it, and driven with the mouse and keyboard messages a user's actions produce.
#include <algorithm>

#include "main_window.h"
#include "printing/form2.h"

namespace glyvane::test {
namespace {

using namespace form2_ids;
using Names = std::vector<std::string>;

class PrintDialogTest : public MainWindowTest {
 protected:
  HWND Open(int command) {
    SendMessageA(main, WM_COMMAND, MAKEWPARAM(command, 0), 0);
    PumpFor(50ms);
    return form->PrintDialog() ? form->PrintDialog()->hwnd() : nullptr;
  }
  HWND Item(int id) const { return FindControl(form->PrintDialog()->hwnd(), id); }
  void Press(int id) {
    SendMessageA(Item(id), BM_CLICK, 0, 0);
    PumpFor(20ms);
  }
  // A click at x inside entry `index` of the font list, which is scrolled to show it.
  void ClickEntry(int index, int x) {
    const HWND list = Item(kList1);
    SendMessageA(list, LB_SETTOPINDEX, static_cast<WPARAM>(index), 0);
    RECT entry;
    SendMessageA(list, LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&entry));
    const LPARAM at = MAKELPARAM(x, (entry.top + entry.bottom) / 2);
    SendMessageA(list, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageA(list, WM_LBUTTONUP, 0, at);
  }
  Names Chosen() const { return ListItems(Item(kList2)); }
};

// The font-list command shows the same dialog, shrunk to its own panel and renamed;
// the table command brings the table's panel back, as it was left.
TEST_F(PrintDialogTest, OneDialogServesBothModesTogglesTheChosenFontsAndLoadsAsDesignedAfterAnnuler) {
  Start();
  const HWND dialog = Open(form1_ids::kMenuPrintto);
  ASSERT_TRUE(dialog);
  EXPECT_EQ(GetWindow(dialog, GW_OWNER), main);
  RECT design;
  GetWindowRect(dialog, &design);
  // Every screen font once, in alphabetical order.
  const Names fonts = ListItems(Item(kList1));
  EXPECT_EQ(fonts.size(), ListItems(FindControl(main, form1_ids::kList2)).size());
  EXPECT_TRUE(std::is_sorted(fonts.begin(), fonts.end(), [](const std::string& a, const std::string& b) {
    return lstrcmpiA(a.c_str(), b.c_str()) < 0;
  }));
  EXPECT_FALSE(IsWindowEnabled(Item(kCommand4)));
  ClickEntry(5, 3);  // on the box
  ClickEntry(2, 3);
  const char* const tableCaption = "Imprimer la table de caractères...";
  for (const auto& [command, caption, table] : {std::tuple{form1_ids::kMenuPrintto, tableCaption, true},
                                               {form1_ids::kMenuPrintpolice, "Imprimer la liste de polices...", false},
                                               {form1_ids::kMenuPrintto, tableCaption, true}}) {
    SCOPED_TRACE(caption);
    EXPECT_EQ(Open(command), dialog) << "not loaded anew";
    EXPECT_EQ(WindowText(dialog), caption);
    RECT outer;
    GetWindowRect(dialog, &outer);
    EXPECT_TRUE(CentredOnScreen(dialog));
    EXPECT_EQ(outer.right - outer.left, design.right - design.left);
    EXPECT_EQ(outer.bottom - outer.top < design.bottom - design.top, !table);
    EXPECT_EQ(IsWindowVisible(Item(kPicture2)) != FALSE, table);
    EXPECT_EQ(IsWindowVisible(Item(kPicture1)) != FALSE, !table);
  }
  EXPECT_EQ(Chosen(), (Names{"5", "2"}));
  EXPECT_TRUE(IsWindowEnabled(Item(kCommand4)));
  // Space on the selected entry clears 5 (the arrow keys select as they move).
  SendMessageA(Item(kList1), LB_SETCURSEL, 5, 0);
  SendMessageA(Item(kList1), WM_KEYDOWN, VK_SPACE, 0);
  SendMessageA(Item(kList1), WM_CHAR, ' ', 0);
  EXPECT_EQ(Chosen(), Names{"2"});
  // A click on the text of an entry selects it; a second click there toggles it.
  ClickEntry(7, 60);
  EXPECT_EQ(Chosen(), Names{"2"});
  ClickEntry(7, 60);
  EXPECT_EQ(Chosen(), (Names{"2", "7"}));
  ClickEntry(2, 3);
  ClickEntry(7, 3);
  EXPECT_TRUE(Chosen().empty());
  EXPECT_FALSE(IsWindowEnabled(Item(kCommand4)));
  EXPECT_EQ(g_sounds.size(), 4u) << "each opening plays the click, ticking none";

  // Either "Annuler" closes it; it loads again as designed. The screen table needs an
  // installed font selected in the main window as the dialog loads: selecting one
  // while the dialog is open does not enable it, the next loading does.
  for (int cancel : {kCommand3, kCommand7}) {
    SCOPED_TRACE(cancel);
    ASSERT_TRUE(Open(form1_ids::kMenuPrintto));
    ClickEntry(3, 3);
    form->PrintDialog()->SetCancelFlag(true);
    if (cancel == kCommand7) Open(form1_ids::kMenuPrintpolice);
    g_sounds.clear();
    Press(cancel);
    EXPECT_FALSE(form->PrintDialog());
    EXPECT_EQ(g_sounds, Names{"data2.dll"});
    ASSERT_TRUE(Open(form1_ids::kMenuPrintto));
    EXPECT_TRUE(Chosen().empty());
    EXPECT_FALSE(SendMessageA(Item(kList1), LB_GETITEMDATA, 3, 0) & 1) << "the box is cleared";
    EXPECT_EQ(WindowText(Item(kLabel2)), "OK");
    EXPECT_EQ(WindowText(form->PrintDialog()->hwnd()), "Imprimer la table de caractères...");
    EXPECT_TRUE(IsWindowEnabled(Item(kCommand2)));  // Arial is selected in the main window
    Press(kCommand3);
  }
  SendMessageA(FindControl(main, form1_ids::kCombo1), LB_SETCURSEL, static_cast<WPARAM>(-1), 0);
  ASSERT_TRUE(Open(form1_ids::kMenuPrintto));
  EXPECT_FALSE(IsWindowEnabled(Item(kCommand2)));
  SendMessageA(FindControl(main, form1_ids::kCombo1), LB_SETCURSEL, 0, 0);
  ASSERT_TRUE(Open(form1_ids::kMenuPrintto));
  EXPECT_FALSE(IsWindowEnabled(Item(kCommand2)));
  Press(kCommand3);
  ASSERT_TRUE(Open(form1_ids::kMenuPrintto));
  EXPECT_TRUE(IsWindowEnabled(Item(kCommand2)));
}

}  // namespace
}  // namespace glyvane::test
