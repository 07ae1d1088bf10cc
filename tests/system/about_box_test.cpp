// The about box, opened from the main window in this process as the menu opens it.
#include <algorithm>
#include <set>

#include "main_window.h"
#include "viewer/proposbox.h"

namespace glyvane::test {
namespace {

using namespace proposbox_ids;

class AboutBoxTest : public MainWindowTest {
 protected:
  HWND Open() {
    SendMessageA(main, WM_COMMAND, MAKEWPARAM(form1_ids::kMenuPropos, 0), 0);
    return form->AboutBox() ? form->AboutBox()->hwnd() : nullptr;
  }
  HWND Item(int id) const { return FindControl(form->AboutBox()->hwnd(), id); }
  size_t Greetings() const { return static_cast<size_t>(std::count(g_sounds.begin(), g_sounds.end(), greeting)); }
  const std::string greeting = ProgramPath("data1.dll");
};

// The greeting comes a tenth of a second after the box opens, and with each click
// on the picture; the command again brings the same box to the front, silently.
TEST_F(AboutBoxTest, ShowsNameAuthorAndVersionAndGreetsOnOpeningAndOnEachClick) {
  Start();
  const HWND box = Open();
  ASSERT_TRUE(box);
  EXPECT_EQ(GetWindow(box, GW_OWNER), main);
  EXPECT_EQ(GetFocus(), Item(kBouton));
  EXPECT_TRUE(CentredOnScreen(box));
  EXPECT_EQ(g_sounds, std::vector<std::string>{"data2.dll"});
  PumpFor(600ms);
  EXPECT_EQ(g_sounds, (std::vector<std::string>{"data2.dll", greeting}));

  // The name panel is blue, with the name in white, the author in green, the version
  // in yellow; the program's icon and the picture are shown.
  UpdateWindow(box);
  RECT area;
  GetWindowRect(Item(kPicture1), &area);
  const std::vector<uint32_t> panel = ScreenPixels(area);
  EXPECT_EQ(panel.front(), 0x0000A0u);
  for (uint32_t colour : {0xFFFFFFu, 0x00FF00u, 0xFFFF00u}) {
    EXPECT_NE(std::find(panel.begin(), panel.end(), colour), panel.end()) << std::hex << colour;
  }
  GetWindowRect(Item(kImage1), &area);
  const std::vector<uint32_t> picture = ScreenPixels(area);
  EXPECT_GT(std::set<uint32_t>(picture.begin(), picture.end()).size(), 20u);

  for (int click = 0; click < 3; ++click) {
    SendMessageA(Item(kImage1), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
    SendMessageA(Item(kImage1), WM_LBUTTONUP, 0, MAKELPARAM(10, 10));
    PumpFor(150ms);
  }
  EXPECT_EQ(Greetings(), 4u);
  SetForegroundWindow(main);
  EXPECT_EQ(Open(), box);
  PumpFor(400ms);
  EXPECT_EQ(Greetings(), 4u);
  EXPECT_EQ(GetForegroundWindow(), box);

  // OK: click sound, the box goes; opened again, it greets again.
  g_sounds.clear();
  SendMessageA(Item(kBouton), BM_CLICK, 0, 0);
  PumpFor(20ms);
  EXPECT_FALSE(IsWindow(box));
  EXPECT_EQ(g_sounds, std::vector<std::string>{"data2.dll"});
  ASSERT_TRUE(Open());
  PumpFor(400ms);
  EXPECT_EQ(Greetings(), 1u);
}

}  // namespace
}  // namespace glyvane::test
