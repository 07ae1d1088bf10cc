// The detail dialog, opened by the entry buttons of the catalogue window in this
// process as a user's clicks open it.
#include <windows.h>

#include <gtest/gtest.h>

#include <ostream>
#include <tuple>

#include "catalogue/picture_ids.h"
#include "catalogue_window.h"
#include "common/win/unique.h"

namespace glyvane::test {
namespace {

using namespace catalogue::convertbox_ids;
namespace form1_ids = catalogue::form1_ids;

// The dialog's caption and the values it shows, description aside.
struct Shown {
  std::string caption, name, system, extra, version, price;
  bool operator==(const Shown& other) const {
    return std::tie(caption, name, system, extra, version, price) ==
           std::tie(other.caption, other.name, other.system, other.extra, other.version, other.price);
  }
};
std::ostream& operator<<(std::ostream& out, const Shown& shown) {
  return out << shown.caption << " | " << shown.name << " | " << shown.system << " | " << shown.extra << " | "
             << shown.version << " | " << shown.price;
}

class ConvertboxTest : public CatalogueTest {
 protected:
  Shown Fields() const {
    return {WindowText(Dialog()),           WindowText(DialogItem(kLabel1)), WindowText(DialogItem(kLabel2)),
            WindowText(DialogItem(kLabel11)), WindowText(DialogItem(kLabel3)), WindowText(DialogItem(kLabel4))};
  }
  std::string Description() const { return WindowText(DialogItem(kLabel10)); }
  // The dialog's caption icon, drawn: the picture of the entry's button, 32 pixels.
  std::vector<uint32_t> DialogIcon() const {
    const auto icon = reinterpret_cast<HICON>(SendMessageA(Dialog(), WM_GETICON, ICON_BIG, 0));
    return icon ? DrawnIcon(icon, SIZE{32, 32}, 0x808080) : std::vector<uint32_t>{};
  }
  static std::vector<uint32_t> Picture(int id) {
    UniqueIcon icon(ProgramIcon(id, 32));
    return DrawnIcon(icon.get(), SIZE{32, 32}, 0x808080);
  }
};

TEST_F(ConvertboxTest, AnEntryButtonFillsAndShowsTheDialogCentred) {
  Start();
  Click(form1_ids::kCommand7);
  ASSERT_TRUE(Dialog());
  EXPECT_TRUE(IsWindowVisible(Dialog()));
  EXPECT_EQ(GetWindow(Dialog(), GW_OWNER), nullptr);
  ExpectWindow(Dialog(), "Glyvane", 4425, 4275);
  EXPECT_EQ(g_sounds, std::vector<std::string>{click});
  EXPECT_EQ(Fields(), (Shown{"Glyvane", "Glyvane", "Windows 9x/NT", "", "3.20", "50 FF ou 7,62 Euros"}));
  EXPECT_EQ(Description().rfind("Glyvane montre tous les caractères", 0), 0u);
  EXPECT_EQ(DialogIcon(), Picture(IDI_GLYVANE));
  EXPECT_TRUE(SendMessageA(Dialog(), WM_GETICON, ICON_SMALL, 0));
  // Every text in Times New Roman.
  for (int id : {kLabel5, kLabel1, kLabel9, kLabel4, kLabel10, kCommand1}) {
    LOGFONTA font{};
    GetObjectA(reinterpret_cast<HFONT>(SendMessageA(DialogItem(id), WM_GETFONT, 0, 0)), sizeof font, &font);
    EXPECT_STREQ(font.lfFaceName, "Times New Roman") << id;
  }
}

TEST_F(ConvertboxTest, AnotherEntryRefillsTheOpenDialogWholly) {
  Start();
  Click(form1_ids::kCommand3);  // Astronomie: 256 colours
  const HWND dialog = Dialog();
  ASSERT_TRUE(dialog);
  EXPECT_EQ(WindowText(DialogItem(kLabel11)), "256 couleurs");
  EXPECT_EQ(DialogIcon(), Picture(IDI_ASTRONOMIE));

  Click(form1_ids::kCommand10);  // Casse-Briques: Windows 9x, nothing more
  EXPECT_EQ(Dialog(), dialog);
  EXPECT_EQ(Fields(), (Shown{"Casse-Briques", "Casse-Briques", "Windows 9x", "", "2.02", "70 FF ou 10,67 Euros"}));
  EXPECT_EQ(Description().rfind("Renvoyez la balle", 0), 0u);
  EXPECT_EQ(DialogIcon(), Picture(IDI_CASSE_BRIQUES));

  // Windows 9x/NT again after a Windows 9x entry; the other extra requirement.
  Click(form1_ids::kCommand17);
  EXPECT_EQ(WindowText(DialogItem(kLabel2)), "Windows 9x/NT");
  EXPECT_EQ(WindowText(DialogItem(kLabel11)), "800 x 600");
  Click(form1_ids::kCommand15);
  EXPECT_EQ(WindowText(DialogItem(kLabel2)), "Windows 9x");
  EXPECT_EQ(WindowText(DialogItem(kLabel11)), "");
  EXPECT_EQ(g_sounds, std::vector<std::string>(4, click));
}

TEST_F(ConvertboxTest, OkClosesTheDialogAndTheNextEntryOpensItCentredAgain) {
  Start();
  Click(form1_ids::kCommand3);
  const HWND first = Dialog();
  ASSERT_TRUE(first);
  SetWindowPos(first, nullptr, 10, 10, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  g_sounds.clear();
  SendMessageA(DialogItem(kCommand1), BM_CLICK, 0, 0);
  PumpFor(20ms);
  EXPECT_FALSE(IsWindow(first));
  EXPECT_FALSE(Dialog());
  EXPECT_EQ(g_sounds, std::vector<std::string>{click});

  Click(form1_ids::kCommand16);
  ASSERT_TRUE(Dialog());
  EXPECT_TRUE(IsCentred(Dialog()));
  EXPECT_EQ(WindowText(DialogItem(kLabel1)), "Awélé");
  EXPECT_EQ(WindowText(DialogItem(kLabel11)), "");
  EXPECT_EQ(WindowText(DialogItem(kLabel4)), "Gratuit");

  // The close box unloads it as well.
  SendMessageA(Dialog(), WM_CLOSE, 0, 0);
  EXPECT_FALSE(Dialog());
}

TEST_F(ConvertboxTest, ALongDescriptionScrollsInsideTheBoxAndCannotBeEdited) {
  Start();
  Click(form1_ids::kCommand11);  // Budget Familial
  const HWND box = DialogItem(kLabel10);
  ASSERT_TRUE(box);
  const std::string description = WindowText(box);
  EXPECT_GT(SendMessageA(box, EM_GETLINECOUNT, 0, 0), 6);
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
}

}  // namespace
}  // namespace glyvane::test
