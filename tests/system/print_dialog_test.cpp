// The print dialog, opened from the main window in this process as the menu opens
// it, and driven with the mouse and keyboard messages a user's actions produce; and
// the progress window it opens for a printout, and what its bar paints.
#include <algorithm>
#include <cmath>

#include "common/win/unique.h"
#include "main_window.h"
#include "printing/form2.h"
#include "printing/form3.h"

namespace glyvane::test {
namespace {

using namespace form2_ids;
using Names = std::vector<std::string>;

constexpr uint32_t kNavyRgb = 0x000080;

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
  HWND Bar() const { return FindControl(form->PrintDialog()->ProgressWindow()->hwnd(), form3_ids::kPicture1); }
  // The bar's inside as the screen shows it.
  std::vector<uint32_t> BarPixels(SIZE* size = nullptr) const {
    PumpFor(100ms);  // what is painted reaches the screen
    RECT inside;
    GetClientRect(Bar(), &inside);
    if (size) *size = SIZE{inside.right, inside.bottom};
    MapWindowPoints(Bar(), HWND_DESKTOP, reinterpret_cast<POINT*>(&inside), 2);
    return ScreenPixels(inside);
  }
  // The bar as it should look, drawn here: the percentage centred in navy on white
  // (x = width / 2 - text width / 2, y likewise, rounded), and the part done turned
  // over (white to navy, navy to white).
  std::vector<uint32_t> ExpectedBar(SIZE size, const std::string& text, int done) const {
    LOGFONTA style{};
    GetObjectA(reinterpret_cast<HFONT>(SendMessageA(Bar(), WM_GETFONT, 0, 0)), sizeof style, &style);
    SIZE extent{};
    {
      WindowDC screen(nullptr);
      UniqueFont made(CreateFontIndirectA(&style));
      SelectObjectGuard select(screen.get(), made.get());
      GetTextExtentPoint32A(screen.get(), text.c_str(), static_cast<int>(text.size()), &extent);
    }
    const int x = static_cast<int>(std::lround(size.cx / 2.0 - extent.cx / 2.0));
    const int y = static_cast<int>(std::lround(size.cy / 2.0 - extent.cy / 2.0));
    std::vector<uint32_t> pixels = DrawnText(text, style, size, RECT{x, y, x + extent.cx, y + extent.cy},
                                             DT_LEFT | DT_TOP | DT_SINGLELINE, RGB(255, 255, 255), RGB(0, 0, 128));
    for (int row = 0; row < size.cy; ++row) {
      for (int column = 0; column < done; ++column) {
        uint32_t& pixel = pixels[static_cast<size_t>(row * size.cx + column)];
        pixel = ~(pixel ^ kNavyRgb) & 0xFFFFFF;
      }
    }
    return pixels;
  }
};

// The font-list command shows the same dialog, shrunk to its own panel and renamed;
// the table command brings the table's panel back, as it was left.
TEST_F(PrintDialogTest, OneDialogServesBothModesTogglesTheChosenFontsLoadsAsDesignedAfterAnnulerAndShowsTheProgress) {
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

  Form2& printDialog = *form->PrintDialog();
  printDialog.ShowProgressWindow();
  Form3& progress = *printDialog.ProgressWindow();
  EXPECT_EQ(WindowText(progress.hwnd()), "Impression ...");
  EXPECT_FALSE(IsWindowVisible(printDialog.hwnd()));
  EXPECT_TRUE(CentredOnScreen(progress.hwnd()));
  for (const auto& [fraction, exact, text] :
       {std::tuple{0.0, true, "0%"}, {0.375, false, "38%"}, {1.0, true, "100%"}}) {
    progress.ShowProgress(fraction, exact);
    SIZE size{};
    const std::vector<uint32_t> shown = BarPixels(&size);
    EXPECT_TRUE(shown == ExpectedBar(size, text, static_cast<int>(std::lround(size.cx * fraction))))
        << text << " at " << fraction << ", of " << size.cx << "x" << size.cy;
  }
  // The box keeps its picture when it is painted again.
  progress.ShowProgress(0.5);
  const std::vector<uint32_t> last = BarPixels();
  RedrawWindow(progress.hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  EXPECT_EQ(BarPixels(), last);

  // The printout closes the window at the end of each copy, lowering the flag that a
  // closing raises: the user's cancel must outlast that. (The printout's own closing
  // is tried by the printouts of several copies.)
  for (const bool closeBox : {false, true}) {
    SCOPED_TRACE(closeBox);
    printDialog.JobStarted();
    EXPECT_FALSE(printDialog.UserCancelled());
    const HWND window = printDialog.ShowProgressWindow() ? printDialog.ProgressWindow()->hwnd() : nullptr;
    if (closeBox) {
      SendMessageA(window, WM_CLOSE, 0, 0);
    } else {
      SendMessageA(FindControl(window, form3_ids::kCommand1), BM_CLICK, 0, 0);
    }
    printDialog.ShowProgress("Arial", 0.5, false);  // goes nowhere, and makes no window
    EXPECT_FALSE(printDialog.ProgressWindow());
    printDialog.CloseProgressWindow();
    EXPECT_TRUE(printDialog.UserCancelled());
  }
  printDialog.JobEnded();
}

}  // namespace
}  // namespace glyvane::test
