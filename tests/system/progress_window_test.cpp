// The progress window of a printout, opened through the print dialog as a printout
// opens it, and what its bar paints.
#include <cmath>

#include "common/win/unique.h"
#include "main_window.h"
#include "printing/form2.h"
#include "printing/form3.h"

namespace glyvane::test {
namespace {

constexpr uint32_t kNavyRgb = 0x000080;

class ProgressWindowTest : public MainWindowTest {
 protected:
  HWND Bar() const { return FindControl(dialog->ProgressWindow()->hwnd(), form3_ids::kPicture1); }
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
  Form2* dialog = nullptr;
};

TEST_F(ProgressWindowTest, ShowsCentredPaintsThePercentageTurnedOverTheBarAndStopsThePrintoutWhenClosed) {
  Start();
  SendMessageA(main, WM_COMMAND, MAKEWPARAM(form1_ids::kMenuPrintto, 0), 0);
  dialog = form->PrintDialog();
  dialog->ShowProgressWindow();
  Form3& progress = *dialog->ProgressWindow();
  EXPECT_EQ(WindowText(progress.hwnd()), "Impression ...");
  EXPECT_FALSE(IsWindowVisible(dialog->hwnd()));
  EXPECT_TRUE(CentredOnScreen(progress.hwnd()));
  for (const auto& [fraction, exact, text] :
       {std::tuple{0.0, true, "0%"}, {0.375, false, "38%"}, {1.0, true, "100%"}}) {
    progress.ShowProgress(fraction, exact);
    SIZE size{};
    const std::vector<uint32_t> shown = BarPixels(&size);
    const std::vector<uint32_t> expected = ExpectedBar(size, text, static_cast<int>(std::lround(size.cx * fraction)));
    size_t differing = 0;
    for (size_t i = 0; i < shown.size(); ++i) differing += shown[i] != expected[i];
    EXPECT_EQ(differing, 0u) << text << " at " << fraction << ", of " << size.cx << "x" << size.cy;
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
    dialog->JobStarted();
    EXPECT_FALSE(dialog->UserCancelled());
    const HWND window = dialog->ShowProgressWindow() ? dialog->ProgressWindow()->hwnd() : nullptr;
    if (closeBox) {
      SendMessageA(window, WM_CLOSE, 0, 0);
    } else {
      SendMessageA(FindControl(window, form3_ids::kCommand1), BM_CLICK, 0, 0);
    }
    dialog->ShowProgress("Arial", 0.5, false);  // goes nowhere, and makes no window
    EXPECT_FALSE(dialog->ProgressWindow());
    dialog->CloseProgressWindow();
    EXPECT_TRUE(dialog->UserCancelled());
  }
  dialog->JobEnded();
}

}  // namespace
}  // namespace glyvane::test
