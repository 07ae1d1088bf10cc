// What the user may do while a folder is read: the read lets window events run after
// each file, and stops cleanly when a newer folder, closing the window or "Quitter"
// supersedes it.
#include <gtest/gtest.h>

#include <functional>

#include "font_folders.h"

namespace glyvane::test {
namespace {

using namespace form1_ids;
using Clock = std::chrono::steady_clock;

// Runs `action` on a thread of its own once `list` holds at least `count` entries,
// and records how many it held then.
class WhenListed {
 public:
  WhenListed(HWND list, int count, std::function<void()> action)
      : thread_([this, list, count, action] {
          WaitUntil([&] {
            DWORD_PTR held = 0;
            SendMessageTimeoutA(list, LB_GETCOUNT, 0, 0, SMTO_NORMAL, 1000, &held);
            seen = static_cast<int>(held);
            return seen >= count;
          });
          when = Clock::now();
          action();
        }) {}
  ~WhenListed() { thread_.join(); }
  WhenListed(const WhenListed&) = delete;
  WhenListed& operator=(const WhenListed&) = delete;

  std::atomic<int> seen{0};
  Clock::time_point when;

 private:
  std::thread thread_;
};

constexpr int kManyFiles = 3000;
constexpr int kNewerFiles = 400;

void FillWithSmallFonts(FontFolder& folder, int count) {
  for (int i = 0; i < count; ++i) folder.Add("faces/petite.ttf", "petite-" + std::to_string(10000 + i) + ".ttf");
}

TEST_F(FolderTest, ANewerFolderChosenDuringAReadReplacesIt) {
  FontFolder many("nombreux");
  FillWithSmallFonts(many, kManyFiles);
  // The newer folder has more files than the older read had listed: an older read
  // that went on would list them again from where it stood.
  FontFolder newer("nouveau");
  const std::string seconde = newer.Add("faces/seconde.ttf");
  FillWithSmallFonts(newer, kNewerFiles);
  StartInOtherFontsMode();
  std::unique_ptr<FolderPickerAnswer> secondPicker;
  {
    WhenListed during(Control(kList1), 3, [&] {
      StoreFolder(newer.path());
      secondPicker = std::make_unique<FolderPickerAnswer>("nouveau", IDOK);
      PostMessageA(main, WM_COMMAND, MAKEWPARAM(kCommand1, BN_CLICKED), reinterpret_cast<LPARAM>(Control(kCommand1)));
    });
    StoreFolder(many.path());
    FolderPickerAnswer first("nombreux", IDOK);
    Click(kCommand1);
    ASSERT_TRUE(first.Wait());
    EXPECT_LT(during.seen, kNewerFiles);
  }
  ASSERT_TRUE(secondPicker && secondPicker->Wait());
  EXPECT_EQ(form->Files().Path(), newer.path());
  std::vector<std::string> expected(kNewerFiles, "Glyvane Petite");
  expected.push_back("Glyvane Seconde");
  EXPECT_EQ(Entries(), expected);
  ClickFile("seconde.ttf");
  EXPECT_EQ(form->TemporaryFontPath(), seconde);
}

TEST_F(FolderTest, DuringAReadTheModeSwitchesAndListedEntriesOpen) {
  FontFolder many("nombreux");
  const std::string first = many.Add("faces/nouvelle.ttf", "a-nouvelle.ttf");  // listed first
  FillWithSmallFonts(many, kManyFiles);
  StartInOtherFontsMode();
  const HWND list = Control(kList1);
  WhenListed during(list, 3, [&] {
    PostMessageA(Control(kOption1), BM_CLICK, 0, 0);
    PostMessageA(Control(kOption2), BM_CLICK, 0, 0);
    SendMessageA(list, LB_SETCURSEL, 0, 0);  // "Glyvane Nouvelle" sorts before "Glyvane Petite"
    PostMessageA(main, WM_COMMAND, MAKEWPARAM(kList1, LBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
  });
  Browse(many.path());
  EXPECT_LT(during.seen, kManyFiles);
  EXPECT_EQ(static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0)), kManyFiles + 1);
  EXPECT_EQ(form->TemporaryFontPath(), first);
  EXPECT_TRUE(Command2Enabled());
  EXPECT_TRUE(form->OtherFontsMode());
  EXPECT_TRUE(IsWindowVisible(Control(kFrame3)));
}

// The read stops with the window: the time it goes on afterwards is a small part of
// the time the whole folder takes.
TEST_F(FolderTest, ClosingTheWindowDuringAReadEndsTheRead) {
  FontFolder many("nombreux");
  FillWithSmallFonts(many, kManyFiles);
  StartInOtherFontsMode();
  const auto wholeRead = TimeToList(many.path());
  ASSERT_EQ(Entries().size(), static_cast<size_t>(kManyFiles));
  SendMessageA(Control(kList1), LB_RESETCONTENT, 0, 0);  // as the next read starts

  WhenListed during(Control(kList1), 3, [&] { PostMessageA(main, WM_CLOSE, 0, 0); });
  StoreFolder(many.path());
  FolderPickerAnswer picker("nombreux", IDOK);
  Click(kCommand1);
  const auto ended = Clock::now();
  ASSERT_TRUE(picker.Wait());
  EXPECT_FALSE(IsWindow(main));
  EXPECT_LT(during.seen, kManyFiles);
  EXPECT_LT(ended - during.when, wholeRead / 4);
  MSG quit;
  PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);  // the program would end now
}

// "Quitter" while a folder is read ends the read and the program at once: it ends
// in about the time an idle program takes to end, not after the rest of the read.
TEST_F(FolderTest, QuitterDuringAReadEndsTheProgramAtOnce) {
  FontFolder many("nombreux");
  FillWithSmallFonts(many, kManyFiles);
  StartInOtherFontsMode();
  const auto wholeRead = TimeToList(many.path());
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

  GlyvaneProcess glyvane;
  const HWND other = glyvane.WaitForMainWindow();
  ASSERT_TRUE(other);
  PostMessageA(other, WM_COMMAND, MAKEWPARAM(kOption2, BN_CLICKED), 0);
  StoreFolder(many.path());
  DialogAnswer picker(glyvane.id(), IDOK);
  WhenListed during(FindControl(other, kList1), 3,
                    [&] { PostMessageA(other, WM_COMMAND, MAKEWPARAM(kMenuQuitter, 0), 0); });
  PostMessageA(other, WM_COMMAND, MAKEWPARAM(kCommand1, BN_CLICKED), 0);
  DWORD code = 1;
  ASSERT_TRUE(glyvane.WaitForExit(kPatience, &code));
  const auto ended = Clock::now();
  EXPECT_EQ(code, 0u);
  EXPECT_LT(during.seen, kManyFiles);
  EXPECT_LT(ended - during.when, idleEnd + wholeRead / 2);
}

}  // namespace
}  // namespace glyvane::test
