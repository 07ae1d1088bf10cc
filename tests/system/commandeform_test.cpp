// The order form, opened by "&Commander" of the catalogue window in this process,
// and driven with the mouse and keyboard messages a user's actions produce.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>

#include "catalogue/order_items.h"
#include "catalogue/picture_ids.h"
#include "catalogue_window.h"
#include "common/win/unique.h"

namespace glyvane::test {
namespace {

using namespace catalogue::commandeform_ids;
namespace form1_ids = catalogue::form1_ids;

class CommandeformTest : public CatalogueTest {
 protected:
  HWND Open() {
    PressCommander();
    g_sounds.clear();
    return OrderForm();
  }
  catalogue::commandeform& Order() const { return *form->OrderForm(); }
  // A click at x inside entry `index` of the list (x < 14 falls on its box).
  void ClickEntry(int index, int x) {
    const HWND list = OrderItem(kList1);
    SendMessageA(list, LB_SETTOPINDEX, static_cast<WPARAM>(index), 0);
    RECT entry;
    SendMessageA(list, LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&entry));
    ClickAt(list, x, (entry.top + entry.bottom) / 2);
  }
  int IndexOf(const std::string& item) const {
    const std::vector<std::string> items = ListItems(OrderItem(kList1));
    return static_cast<int>(std::find(items.begin(), items.end(), item) - items.begin());
  }
  void Type(int box, const std::string& text) { SendMessageA(OrderItem(box), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str())); }
};

TEST_F(CommandeformTest, ShowsItsCaptionsAndTheTwentyThreeItemsInTheOrderOfTheSelection) {
  Start();
  const HWND order = Open();
  ASSERT_TRUE(order);
  ExpectWindow(order, "Commander", 9510, 6825);
  ExpectCaptions(order, {{kLabel1, "Je désire commander :"},
                         {kLabel2, "Nom :"},
                         {kLabel3, "Prénom :"},
                         {kLabel4, "Adresse :"},
                         {kLabel7, "Code postal :"},
                         {kLabel8, "Ville :"},
                         {kLabel10, "France"},
                         {kLabel6, "E Mail :"},
                         {kLabel9, "Fax** :"},
                         {kLabel11, "** Facultatif"},
                         {kLabel12, "Comment avez-vous connu ces programmes"},
                         {kLabel5, "Plus 15 FF de frais de port pour moins de 4 programmes et 30 FF pour 4 "
                                   "programmes et plus."},
                         {kCommandebox, "Imprimer"},
                         {kCommand1, "Annuler"},
                         {kLabel16, ";"}});
  const std::string note = WindowText(OrderItem(kLabel17));
  EXPECT_EQ(note.rfind("° ", 0), 0u);
  EXPECT_FALSE(IsWindowVisible(OrderItem(kLabel16)));

  // The shipping rule explains itself in a tooltip.
  SendMessageA(OrderItem(kLabel5), WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));
  EXPECT_EQ(TooltipText(OrderItem(kLabel5)), "Tous les programmes sélectionnés seront sur disquette(s)");

  // The items as the sorted list holds them: their indices are the selection's.
  const std::vector<std::string> items = ListItems(OrderItem(kList1));
  ASSERT_EQ(items.size(), 23u);
  EXPECT_EQ(items, std::vector<std::string>(OrderItems().begin(), OrderItems().end()));
  EXPECT_EQ(IndexOf("Glyvane - 50 FF°") + 1, IndexOf("Glyvane - ShareWare"));
  EXPECT_LT(IndexOf("Glyvane - ShareWare"), 23);
}

TEST_F(CommandeformTest, TheBoxesHoldTheirMaximumLengthsAndTabFollowsTheForm) {
  Start();
  ASSERT_TRUE(Open());
  const struct {
    int box;
    LRESULT limit;
  } limits[] = {{kText1, 20}, {kText2, 20}, {kText3, 50}, {kText5, 5},
                {kText6, 31}, {kText4, 50}, {kText7, 10}, {kText8, 80}};
  for (const auto& l : limits) EXPECT_EQ(SendMessageA(OrderItem(l.box), EM_GETLIMITTEXT, 0, 0), l.limit) << l.box;

  const int tabOrder[] = {kList1, kText1, kText2, kText3, kText5, kText6,
                          kText4, kText7, kText8, kCommandebox, kCommand1, kList1};
  HWND at = OrderItem(kList1);
  for (size_t i = 1; i < std::size(tabOrder); ++i) {
    at = GetNextDlgTabItem(OrderForm(), at, FALSE);
    EXPECT_EQ(at, OrderItem(tabOrder[i])) << i;
  }
}

TEST_F(CommandeformTest, TicksAndUnticksKeepTheSelectionInTheOrderOfTicking) {
  Start();
  ASSERT_TRUE(Open());
  for (int item : {3, 12, 0}) ClickEntry(item, 3);
  EXPECT_EQ(Order().Selection(), ";3;12;0;");
  EXPECT_EQ(WindowText(OrderItem(kLabel16)), ";3;12;0;");
  ClickEntry(12, 3);
  EXPECT_EQ(Order().Selection(), ";3;0;");
  ClickEntry(12, 3);
  EXPECT_EQ(Order().Selection(), ";3;0;12;");
  EXPECT_TRUE(SendMessageA(OrderItem(kList1), LB_GETITEMDATA, 12, 0) & 1);
  // Each click on the list plays the click sound; the tick itself plays none.
  EXPECT_EQ(g_sounds, std::vector<std::string>(5, click));
  g_sounds.clear();
  const HWND list = OrderItem(kList1);
  SendMessageA(list, WM_KEYDOWN, VK_SPACE, 0);
  SendMessageA(list, WM_CHAR, ' ', 0);
  EXPECT_EQ(Order().Selection(), ";3;0;");
  EXPECT_TRUE(g_sounds.empty());
}

TEST_F(CommandeformTest, TheOrderIsPricedInFrancsAndInEurosWithTheUsersSeparator) {
  Start();
  ASSERT_TRUE(Open());
  EXPECT_EQ(Order().Total().francs, 15);
  EXPECT_EQ(Order().Total().euros, "2,29");
  ClickEntry(IndexOf("Glyvane - 50 FF°"), 3);
  EXPECT_EQ(Order().Total().francs, 65);
  EXPECT_EQ(Order().Total().euros, "9,91");
  for (const char* item : {"Awélé - FreeWare", "Belote - 80 FF° ", "Belote - ShareWare"}) ClickEntry(IndexOf(item), 3);
  EXPECT_EQ(Order().SelectedItemTexts(),
            (std::vector<std::string>{"Glyvane - 50 FF°", "Awélé - FreeWare", "Belote - 80 FF° ", "Belote - ShareWare"}));
  EXPECT_EQ(Order().Total().francs, 160);
  EXPECT_EQ(Order().Total().euros, "24,39");
}

TEST_F(CommandeformTest, ClicksInTheFirstSevenBoxesPlayTheClickSound) {
  Start();
  ASSERT_TRUE(Open());
  for (int box : {kText1, kText2, kText3, kText4, kText5, kText6, kText7, kText8}) ClickAt(OrderItem(box), 5, 5);
  EXPECT_EQ(g_sounds, std::vector<std::string>(7, click));
}

TEST_F(CommandeformTest, ASecondCommanderShowsTheSameFormUnchanged) {
  Start();
  const HWND order = Open();
  ASSERT_TRUE(order);
  ClickEntry(7, 3);
  Type(kText3, "3 place du Marché");
  SetForegroundWindow(main);
  PressCommander();
  EXPECT_EQ(OrderForm(), order);
  EXPECT_EQ(GetForegroundWindow(), order);
  EXPECT_EQ(Order().Selection(), ";7;");
  EXPECT_TRUE(SendMessageA(OrderItem(kList1), LB_GETITEMDATA, 7, 0) & 1);
  EXPECT_EQ(WindowText(OrderItem(kText3)), "3 place du Marché");
}

TEST_F(CommandeformTest, DetailsComeFromTheStoreAndGoBackOnlyAfterAPrintedOrdersOk) {
  WriteCatalogueDetail(L"Pr\u00e9non", L"\u00c9lise");
  Start();
  ASSERT_TRUE(Open());
  EXPECT_EQ(WindowText(OrderItem(kText2)), "Élise");
  EXPECT_EQ(WindowText(OrderItem(kText1)), "");

  // "Annuler" and the close box discard what was typed, after a printout too.
  Type(kText1, "Durand");
  SendMessageA(OrderItem(kCommand1), BM_CLICK, 0, 0);
  EXPECT_FALSE(OrderForm());
  EXPECT_FALSE(ReadCatalogueDetail(L"Nom"));
  ASSERT_TRUE(Open());
  Type(kText1, "Durand");
  Order().OrderPrinted();
  SendMessageA(OrderForm(), WM_CLOSE, 0, 0);
  EXPECT_FALSE(OrderForm());
  EXPECT_FALSE(ReadCatalogueDetail(L"Nom"));
  EXPECT_EQ(ReadCatalogueDetail(L"Pr\u00e9non"), std::wstring(L"\u00c9lise"));

  // Once printed, "Annuler" is "OK" with the picture of OK, and keeps them all.
  ASSERT_TRUE(Open());
  const struct {
    int box;
    const char* typed;
    const wchar_t* key;
    const wchar_t* stored;
  } details[] = {{kText1, "Durand", L"Nom", L"Durand"},
                 {kText2, "Hélène", L"Pr\u00e9non", L"H\u00e9l\u00e8ne"},
                 {kText3, "3 place du Marché", L"Adresse", L"3 place du March\u00e9"},
                 {kText5, "35000", L"Code Postal", L"35000"},
                 {kText6, "Rennes", L"Ville", L"Rennes"},
                 {kText4, "helene@example.fr", L"Email", L"helene@example.fr"},
                 {kText7, "0299000000", L"T\u00e9l\u00e9phone", L"0299000000"},
                 {kText8, "Par un ami", L"Connu", L"Par un ami"}};
  for (const auto& d : details) Type(d.box, d.typed);
  Order().OrderPrinted();
  EXPECT_EQ(WindowText(OrderItem(kCommand1)), "OK");
  RECT button;
  GetWindowRect(OrderItem(kCommand1), &button);
  UniqueIcon ok(ProgramIcon(IDI_OK, 32));
  EXPECT_TRUE(PumpUntil([&] { return FindIcon(button, ok.get(), 32, ButtonFace()).x >= 0; }, 5s));
  g_sounds.clear();
  SendMessageA(OrderItem(kCommand1), BM_CLICK, 0, 0);
  EXPECT_FALSE(OrderForm());
  EXPECT_EQ(g_sounds, std::vector<std::string>{click});
  for (const auto& d : details) EXPECT_EQ(ReadCatalogueDetail(d.key), std::wstring(d.stored)) << d.typed;

  // The next order form starts with them.
  ASSERT_TRUE(Open());
  for (const auto& d : details) EXPECT_EQ(WindowText(OrderItem(d.box)), d.typed);
}

// Two cursors that look the same: same hot spot, same mask and colour pixels.
bool SameCursorImage(HCURSOR a, HCURSOR b) {
  ICONINFO first{};
  ICONINFO second{};
  if (!a || !b || !GetIconInfo(a, &first) || !GetIconInfo(b, &second)) return false;
  UniqueBitmap bitmaps[] = {UniqueBitmap(first.hbmMask), UniqueBitmap(first.hbmColor), UniqueBitmap(second.hbmMask),
                            UniqueBitmap(second.hbmColor)};
  auto bits = [](HBITMAP bitmap) {
    BITMAP info{};
    if (!bitmap || !GetObjectA(bitmap, sizeof info, &info)) return std::vector<char>{};
    std::vector<char> data(static_cast<size_t>(info.bmWidthBytes) * static_cast<size_t>(info.bmHeight));
    GetBitmapBits(bitmap, static_cast<LONG>(data.size()), data.data());
    return data;
  };
  return first.xHotspot == second.xHotspot && first.yHotspot == second.yHotspot &&
         bits(bitmaps[0].get()) == bits(bitmaps[2].get()) && bits(bitmaps[1].get()) == bits(bitmaps[3].get());
}

TEST_F(CommandeformTest, OnceLoadedEveryTextBoxOfTheProgramShowsTheTextPointer) {
  Start();
  Click(form1_ids::kCommand12);
  ASSERT_TRUE(Open());
  auto pointer = [](HWND window) { return reinterpret_cast<HCURSOR>(GetClassLongPtrA(window, GCLP_HCURSOR)); };
  const HCURSOR text = LoadCursorFromFileA(ProgramPath("Data4.dll").c_str());
  const HCURSOR button = LoadCursorFromFileA(ProgramPath("Data3.dll").c_str());
  const HCURSOR list = LoadCursorFromFileA(ProgramPath("Data5.dll").c_str());
  EXPECT_TRUE(SameCursorImage(pointer(OrderItem(kText8)), text));
  EXPECT_TRUE(SameCursorImage(pointer(DialogItem(catalogue::convertbox_ids::kLabel10)), text));
  EXPECT_TRUE(SameCursorImage(pointer(OrderItem(kCommandebox)), button));
  EXPECT_TRUE(SameCursorImage(pointer(DialogItem(catalogue::convertbox_ids::kCommand1)), button));
  EXPECT_TRUE(SameCursorImage(pointer(OrderItem(kList1)), list));
  EXPECT_FALSE(SameCursorImage(text, button));
}

}  // namespace
}  // namespace glyvane::test
