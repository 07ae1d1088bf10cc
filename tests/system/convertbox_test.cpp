// The detail dialog, opened by the entry buttons of the catalogue window in this
// process as a user's clicks open it.
#include "catalogue/entry_table.h"
#include "catalogue_window.h"
#include "common/win/unique.h"

namespace glyvane::test {
namespace {

using namespace catalogue::convertbox_ids;
namespace form1_ids = catalogue::form1_ids;

using ConvertboxTest = CatalogueTest;

std::vector<uint32_t> Drawn(HICON icon) { return DrawnIcon(icon, SIZE{32, 32}, 0x808080); }

// Each entry in turn, in grid order, so that every field is refilled after an entry
// with and one without it (stale extra requirements, "Windows 9x" after "9x/NT").
TEST_F(ConvertboxTest, EachEntryFillsTheOneDialogWhichScrollsAndOpensCentredAfterOkOrTheCloseBox) {
  Start();
  HWND dialog = nullptr;
  int cell = 0;
  for (const CatalogueEntry& entry : CatalogueEntries()) {
    SCOPED_TRACE(entry.entryName);
    Click(form1_ids::kGridFirst + cell++);
    ASSERT_TRUE(Dialog());
    if (!dialog) dialog = Dialog();
    EXPECT_EQ(Dialog(), dialog);
    EXPECT_TRUE(IsWindowVisible(dialog));
    const std::vector<std::string> shown = {WindowText(dialog), WindowText(DialogItem(kLabel1)),
                                            WindowText(DialogItem(kLabel2)), WindowText(DialogItem(kLabel11)),
                                            WindowText(DialogItem(kLabel3)), WindowText(DialogItem(kLabel4)),
                                            WindowText(DialogItem(kLabel10))};
    EXPECT_EQ(shown, (std::vector<std::string>{entry.entryName, entry.entryName, entry.operatingSystem,
                                               entry.extraRequirement, entry.versionText, entry.priceText,
                                               entry.description}));
    const UniqueIcon picture(static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr),
                                                           MAKEINTRESOURCEA(entry.button.picture), IMAGE_ICON, 32,
                                                           32, 0)));
    const auto icon = reinterpret_cast<HICON>(SendMessageA(dialog, WM_GETICON, ICON_BIG, 0));
    ASSERT_TRUE(icon);
    EXPECT_EQ(Drawn(icon), Drawn(picture.get()));
    EXPECT_EQ(CutCaptions(dialog), std::vector<std::string>{});
    EXPECT_TRUE(ControlsFit(dialog));
  }
  EXPECT_EQ(g_sounds, std::vector<std::string>(CatalogueEntries().size(), click));
  EXPECT_EQ(GetWindow(dialog, GW_OWNER), nullptr);
  EXPECT_TRUE(SendMessageA(dialog, WM_GETICON, ICON_SMALL, 0));
  LOGFONTA font{};
  GetObjectA(reinterpret_cast<HFONT>(SendMessageA(DialogItem(kLabel10), WM_GETFONT, 0, 0)), sizeof font, &font);
  EXPECT_STREQ(font.lfFaceName, "Times New Roman");

  // A long description scrolls inside its box, which takes no typing; OK and the close
  // box unload the dialog, which the next entry opens centred again.
  Click(form1_ids::kCommand11);  // Budget Familial
  const HWND box = DialogItem(kLabel10);
  ASSERT_TRUE(box);
  const std::string description = WindowText(box);
  SCROLLBARINFO bar{};
  bar.cbSize = sizeof bar;
  ASSERT_TRUE(GetScrollBarInfo(box, OBJID_VSCROLL, &bar));
  EXPECT_FALSE(bar.rgstate[0] & STATE_SYSTEM_INVISIBLE);
  SendMessageA(box, WM_VSCROLL, SB_PAGEDOWN, 0);
  EXPECT_GT(SendMessageA(box, EM_GETFIRSTVISIBLELINE, 0, 0), 0);
  SetFocus(box);
  SendMessageA(box, WM_CHAR, 'x', 0);
  SendMessageA(box, WM_KEYDOWN, VK_DELETE, 0);
  EXPECT_EQ(WindowText(box), description);

  const HWND first = Dialog();
  EXPECT_TRUE(CentredOnScreen(first));
  SetWindowPos(first, nullptr, 10, 10, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  g_sounds.clear();
  SendMessageA(DialogItem(kCommand1), BM_CLICK, 0, 0);
  PumpFor(20ms);
  EXPECT_FALSE(IsWindow(first));
  EXPECT_FALSE(Dialog());
  EXPECT_EQ(g_sounds, std::vector<std::string>{click});
  Click(form1_ids::kCommand16);
  ASSERT_TRUE(Dialog());
  EXPECT_TRUE(CentredOnScreen(Dialog()));
  SendMessageA(Dialog(), WM_CLOSE, 0, 0);
  EXPECT_FALSE(Dialog());
}

}  // namespace
}  // namespace glyvane::test
