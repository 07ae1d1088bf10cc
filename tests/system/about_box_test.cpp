// The about box, opened from the main window in this process as the menu opens it.
#include <windows.h>

#include <gtest/gtest.h>

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

TEST_F(AboutBoxTest, ShowsNameAuthorAndTheProgramsVersionAndGreetsOnce) {
  Start();
  const HWND box = Open();
  ASSERT_TRUE(box);
  EXPECT_EQ(GetWindow(box, GW_OWNER), main);
  EXPECT_EQ(WindowText(Item(kLabel4)), "Version 3.20");  // from the version resource
  EXPECT_EQ(GetFocus(), Item(kBouton));
  RECT outer;
  GetWindowRect(box, &outer);
  EXPECT_EQ(outer.top, GetSystemMetrics(SM_CYSCREEN) / 2 - (outer.bottom - outer.top) / 2);
  EXPECT_EQ(outer.left, GetSystemMetrics(SM_CXSCREEN) / 2 - (outer.right - outer.left) / 2);

  // The greeting comes a tenth of a second later, once.
  EXPECT_EQ(g_sounds, std::vector<std::string>{"data2.dll"});
  PumpFor(600ms);
  EXPECT_EQ(g_sounds, (std::vector<std::string>{"data2.dll", greeting}));

  // The name panel is blue, with the name in white, the author in green, the version
  // in yellow.
  UpdateWindow(box);
  RECT panel;
  GetWindowRect(Item(kPicture1), &panel);
  const std::vector<uint32_t> pixels = ScreenPixels(panel);
  EXPECT_EQ(pixels.front(), 0x0000A0u);
  for (uint32_t colour : {0xFFFFFFu, 0x00FF00u, 0xFFFF00u}) {
    EXPECT_NE(std::find(pixels.begin(), pixels.end(), colour), pixels.end()) << std::hex << colour;
  }
  // The program's icon and the picture are shown.
  RECT picture;
  GetWindowRect(Item(kImage1), &picture);
  const std::vector<uint32_t> shown = ScreenPixels(picture);
  EXPECT_GT(std::set<uint32_t>(shown.begin(), shown.end()).size(), 20u);
}

TEST_F(AboutBoxTest, EachClickOnThePictureGreetsAgainButASecondCommandDoesNot) {
  Start();
  const HWND box = Open();
  ASSERT_TRUE(box);
  PumpFor(400ms);
  ASSERT_EQ(Greetings(), 1u);
  for (int click = 0; click < 3; ++click) {
    SendMessageA(Item(kImage1), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
    SendMessageA(Item(kImage1), WM_LBUTTONUP, 0, MAKELPARAM(10, 10));
    PumpFor(150ms);
  }
  EXPECT_EQ(Greetings(), 4u);

  // The command again brings the same box to the front, without a greeting.
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
