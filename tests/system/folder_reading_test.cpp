// What the user may do while a folder is read: the read lets window events run after
// each file, and stops cleanly when a newer folder, closing the window or "Quitter"
// supersedes it.
#include "font_folders.h"

namespace glyvane::test {
namespace {

using namespace form1_ids;
using Clock = std::chrono::steady_clock;

// Runs `action` on a thread of its own once `list` holds three entries or more; how
// many it held then in `seen`.
std::jthread WhenListed(HWND list, std::atomic<int>& seen, std::function<void()> action) {
  return std::jthread([list, &seen, action] {
    WaitUntil([&] {
      DWORD_PTR held = 0;
      SendMessageTimeoutA(list, LB_GETCOUNT, 0, 0, SMTO_NORMAL, 1000, &held);
      seen = static_cast<int>(held);
      return seen >= 3;
    });
    action();
  });
}

constexpr int kManyFiles = 3000;
constexpr int kNewerFiles = 400;

void FillWithSmallFonts(FontFolder& folder, int count) {
  for (int i = 0; i < count; ++i) folder.Add("faces/petite.ttf", "petite-" + std::to_string(10000 + i) + ".ttf");
}

// A read superseded: the newer folder has more files than the older read had listed,
// so an older read that went on would list them again from where it stood. Closing
// the window or "Quitter" while a folder is read ends the read and the program at
// once: in about the time an idle program takes to end, not after the rest of the read.
TEST_F(FolderTest, DuringAReadTheModeSwitchesEntriesOpenANewerFolderReplacesItAndClosingEndsIt) {
  FontFolder many("nombreux");
  const std::string first = many.Add("faces/nouvelle.ttf", "a-nouvelle.ttf");  // sorts first
  FillWithSmallFonts(many, kManyFiles);
  FontFolder newer("nouveau");
  const std::string seconde = newer.Add("faces/seconde.ttf");
  FillWithSmallFonts(newer, kNewerFiles);
  StartInOtherFontsMode();
  const HWND list = Control(kList1);
  std::unique_ptr<FolderPickerAnswer> secondPicker;
  std::atomic<int> seen = 0;
  {
    const std::jthread during = WhenListed(list, seen, [&] {
      PostMessageA(Control(kOption1), BM_CLICK, 0, 0);
      PostMessageA(Control(kOption2), BM_CLICK, 0, 0);
      SendMessageA(list, LB_SETCURSEL, 0, 0);
      PostMessageA(main, WM_COMMAND, MAKEWPARAM(kList1, LBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
      StoreFolder(newer.path());
      secondPicker = std::make_unique<FolderPickerAnswer>("nouveau", IDOK);
      PostMessageA(main, WM_COMMAND, MAKEWPARAM(kCommand1, BN_CLICKED), reinterpret_cast<LPARAM>(Control(kCommand1)));
    });
    StoreFolder(many.path());
    FolderPickerAnswer picker("nombreux", IDOK);
    Click(kCommand1);
    ASSERT_TRUE(picker.Wait());
    EXPECT_LT(seen, kNewerFiles);
  }
  ASSERT_TRUE(secondPicker && secondPicker->Wait());
  EXPECT_EQ(form->TemporaryFontPath(), first);
  EXPECT_TRUE(form->OtherFontsMode());
  EXPECT_EQ(form->Files().Path(), newer.path());
  std::vector<std::string> expected(kNewerFiles, "Glyvane Petite");
  expected.push_back("Glyvane Seconde");
  EXPECT_EQ(Entries(), expected);
  ClickFile("seconde.ttf");
  EXPECT_EQ(form->TemporaryFontPath(), seconde);
  const auto wholeRead = Clock::now() - Browse(many.path()).pressedAt;
  form.reset();
  Clock::duration idleEnd;
  {
    GlyvaneProcess glyvane;
    const HWND idle = glyvane.WaitForMainWindow();
    ASSERT_TRUE(idle);
    const auto asked = Clock::now();
    PostMessageA(idle, WM_COMMAND, MAKEWPARAM(kMenuQuitter, 0), 0);
    ASSERT_TRUE(glyvane.WaitForExit(kPatience));
    idleEnd = Clock::now() - asked;
  }
  for (const auto& [message, wParam] : {std::pair<UINT, WPARAM>{WM_CLOSE, 0}, {WM_COMMAND, kMenuQuitter}}) {
    SCOPED_TRACE(message);
    GlyvaneProcess glyvane;
    const HWND window = glyvane.WaitForMainWindow();
    ASSERT_TRUE(window);
    PostMessageA(window, WM_COMMAND, MAKEWPARAM(kOption2, BN_CLICKED), 0);
    StoreFolder(many.path());
    DialogAnswer picker(glyvane.id(), IDOK);
    seen = 0;
    Clock::time_point asked;
    const std::jthread during = WhenListed(FindControl(window, kList1), seen, [&] {
      asked = Clock::now();
      PostMessageA(window, message, wParam, 0);
    });
    PostMessageA(window, WM_COMMAND, MAKEWPARAM(kCommand1, BN_CLICKED), 0);
    DWORD code = 1;
    ASSERT_TRUE(glyvane.WaitForExit(kPatience, &code));
    EXPECT_EQ(code, 0u);
    EXPECT_LT(seen, kManyFiles);
    EXPECT_LT(Clock::now() - asked, idleEnd + wholeRead / 2);
  }
}

}  // namespace
}  // namespace glyvane::test
