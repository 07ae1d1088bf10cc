// The order form, opened by "&Commander" of the catalogue window in this process,
// and driven with the mouse and keyboard messages a user's actions produce.
#include "catalogue/order_items.h"
#include "catalogue/picture_ids.h"
#include "catalogue_window.h"

namespace glyvane::test {
namespace {

using namespace catalogue::commandeform_ids;

// The per-user details, read with the wide registry calls so that the accented names
// of the key and values are checked too; nullopt when absent.
constexpr const wchar_t* kDetailsKey = L"Software\\Orvex\\Catalogue\\Coordonn\u00e9es";

std::optional<std::wstring> ReadCatalogueDetail(const wchar_t* name) {
  wchar_t data[256] = {};
  DWORD size = sizeof data;
  if (RegGetValueW(HKEY_CURRENT_USER, kDetailsKey, name, RRF_RT_REG_SZ, nullptr, data, &size) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  return std::wstring(data);
}

class CommandeformTest : public CatalogueTest {
 protected:
  HWND Open() {
    PressCommander();
    g_sounds.clear();
    return OrderForm();
  }
};

// The sorted list holds the items in the order of the table, whose indices are those
// of the selection. The selection follows the clicks on the tick boxes, in the order
// of ticking; a second "&Commander" brings the same form back unchanged. The details
// come from the store and go back only with the "OK" of a printed order.
TEST_F(CommandeformTest, TicksKeepTheSelectionAndDetailsGoBackOnlyAfterAPrintedOrdersOk) {
  const std::wstring stored = L"\u00c9lise";
  RegSetKeyValueW(HKEY_CURRENT_USER, kDetailsKey, L"Pr\u00e9non", REG_SZ, stored.c_str(),
                  static_cast<DWORD>((stored.size() + 1) * sizeof(wchar_t)));
  Start();
  const HWND order = Open();
  ASSERT_TRUE(order);
  EXPECT_TRUE(CentredOnScreen(order));
  EXPECT_TRUE(ControlsFit(order));
  EXPECT_EQ(CutCaptions(order, {kLabel16}), std::vector<std::string>{});
  EXPECT_EQ(ListItems(OrderItem(kList1)), std::vector<std::string>(OrderItems().begin(), OrderItems().end()));
  EXPECT_EQ(WindowText(OrderItem(kText2)), "Élise");
  EXPECT_EQ(WindowText(OrderItem(kText1)), "");
  // The shipping rule explains itself in a tooltip.
  SendMessageA(OrderItem(kLabel5), WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));
  EXPECT_EQ(TooltipText(OrderItem(kLabel5)), "Tous les programmes sélectionnés seront sur disquette(s)");
  EXPECT_EQ(SendMessageA(OrderItem(kText5), EM_GETLIMITTEXT, 0, 0), 5);

  for (int item : {3, 12, 0}) Tick(item);
  EXPECT_EQ(Order().Selection(), ";3;12;0;");
  EXPECT_FALSE(IsWindowVisible(OrderItem(kLabel16)));
  Tick(12);
  EXPECT_EQ(Order().Selection(), ";3;0;");
  Tick(12);
  EXPECT_EQ(Order().Selection(), ";3;0;12;");
  EXPECT_TRUE(SendMessageA(OrderItem(kList1), LB_GETITEMDATA, 12, 0) & 1);
  EXPECT_EQ(Order().SelectedItemTexts(),
            (std::vector<std::string>{OrderItems()[3], OrderItems()[0], OrderItems()[12]}));
  // Clicks on the list and on the first seven boxes play the click sound; the space
  // bar ticks without one.
  for (int box : {kText1, kText2, kText3, kText4, kText5, kText6, kText7, kText8}) ClickAt(OrderItem(box), 5, 5);
  EXPECT_EQ(g_sounds, std::vector<std::string>(5 + 7, click));
  SendMessageA(OrderItem(kList1), WM_KEYDOWN, VK_SPACE, 0);
  SendMessageA(OrderItem(kList1), WM_CHAR, ' ', 0);
  EXPECT_EQ(Order().Selection(), ";3;0;");
  EXPECT_EQ(g_sounds.size(), 5u + 7u);

  Type(kText3, "3 place du Marché");
  SetForegroundWindow(main);
  PressCommander();
  EXPECT_EQ(OrderForm(), order);
  EXPECT_EQ(GetForegroundWindow(), order);
  EXPECT_EQ(Order().Selection(), ";3;0;");
  EXPECT_TRUE(SendMessageA(OrderItem(kList1), LB_GETITEMDATA, 0, 0) & 1);
  EXPECT_EQ(WindowText(OrderItem(kText3)), "3 place du Marché");

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
  EXPECT_EQ(ReadCatalogueDetail(L"Pr\u00e9non"), stored);

  // Once printed, "Annuler" is "OK" with the picture of OK, and keeps them all.
  ASSERT_TRUE(Open());
  const struct {
    int box;
    const wchar_t* key;
    const wchar_t* typed;
  } details[] = {{kText1, L"Nom", L"Durand"},        {kText2, L"Pr\u00e9non", L"H\u00e9l\u00e8ne"},
                 {kText3, L"Adresse", L"3 place du March\u00e9"}, {kText5, L"Code Postal", L"35000"},
                 {kText6, L"Ville", L"Rennes"},       {kText4, L"Email", L"helene@example.fr"},
                 {kText7, L"T\u00e9l\u00e9phone", L"0299000000"}, {kText8, L"Connu", L"Par un ami"}};
  for (const auto& d : details) SetWindowTextW(OrderItem(d.box), d.typed);
  Order().OrderPrinted();
  EXPECT_EQ(WindowText(OrderItem(kCommand1)), "OK");
  EXPECT_TRUE(PumpUntil([&] { return FindIcon(OrderItem(kCommand1), IDI_OK, 32).x >= 0; }, 5s));
  g_sounds.clear();
  SendMessageA(OrderItem(kCommand1), BM_CLICK, 0, 0);
  EXPECT_FALSE(OrderForm());
  EXPECT_EQ(g_sounds, std::vector<std::string>{click});
  for (const auto& d : details) EXPECT_EQ(ReadCatalogueDetail(d.key), std::wstring(d.typed));
}

}  // namespace
}  // namespace glyvane::test
