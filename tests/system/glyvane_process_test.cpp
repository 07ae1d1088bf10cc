// The real Glyvane.exe, started as a user starts it, seen from outside: its windows,
// the registry it writes, the clipboard, and how it ends.
#include <gtest/gtest.h>

#include "printing/form2_ids.h"
#include "support.h"
#include "viewer/form1_ids.h"
#include "viewer/proposbox_ids.h"
#include "viewer/settings.h"

namespace glyvane::test {
namespace {

using namespace form1_ids;

class GlyvaneProgram : public ::testing::Test {
 protected:
  void SetUp() override {
    EndStrayGlyvanes();
    ClearGlyvaneSettings();
  }
  void TearDown() override { ClearGlyvaneSettings(); }

  // Opens a size command's input box, answers it, and returns what it showed.
  static std::unique_ptr<DialogAnswer> AnswerSize(GlyvaneProcess& glyvane, HWND main, int command, int button,
                                                  std::optional<std::string> typed = std::nullopt) {
    auto answer = std::make_unique<DialogAnswer>(glyvane.id(), button, typed);
    PostMessageA(main, WM_COMMAND, MAKEWPARAM(command, 0), 0);
    EXPECT_TRUE(answer->Wait());
    return answer;
  }

  // Moves the pointer over entry `index` of Combo1 and returns Label2's caption once
  // it settles.
  static std::string HoverCombo1(HWND main, int index) {
    const HWND combo = FindControl(main, kCombo1);
    const int entryHeight = static_cast<int>(SendMessageA(combo, LB_GETITEMHEIGHT, 0, 0));
    const int top = static_cast<int>(SendMessageA(combo, LB_GETTOPINDEX, 0, 0));
    SendMessageA(combo, WM_MOUSEMOVE, 0, MAKELPARAM(5, (index - top) * entryHeight + entryHeight / 2));
    return WindowText(FindControl(main, kLabel2));
  }
};

TEST_F(GlyvaneProgram, FirstRunShowsArialInTheGridAtSizeElevenWithThePreviewOn) {
  GlyvaneProcess glyvane;
  const HWND main = glyvane.WaitForMainWindow();
  ASSERT_TRUE(main);
  EXPECT_EQ(WindowText(main), "Glyvane de Talvenne");

  const HWND combo = FindControl(main, kCombo1);
  const std::vector<std::string> fonts = ListItems(combo);
  const int selected = static_cast<int>(SendMessageA(combo, LB_GETCURSEL, 0, 0));
  ASSERT_GE(selected, 0);
  EXPECT_EQ(fonts[static_cast<size_t>(selected)], "Arial");
  EXPECT_EQ(WindowText(FindControl(main, kLabel3)), std::to_string(selected));
  EXPECT_EQ(WindowText(FindControl(main, kFrame1)), "Caractères de Arial : ");
  EXPECT_TRUE(std::is_sorted(fonts.begin(), fonts.end(),
                             [](const std::string& a, const std::string& b) { return lstrcmpiA(a.c_str(), b.c_str()) < 0; }));
  // List2 holds the same names, in the collection's order.
  std::vector<std::string> collection = ListItems(FindControl(main, kList2));
  std::sort(collection.begin(), collection.end());
  std::vector<std::string> sorted = fonts;
  std::sort(sorted.begin(), sorted.end());
  EXPECT_EQ(collection, sorted);

  EXPECT_TRUE(FindControl(main, kTextFirst + 222));
  EXPECT_FALSE(FindControl(main, kTextFirst + 223));

  // The size commands offer the current sizes: both 11.
  EXPECT_EQ(AnswerSize(glyvane, main, kMenuTaille, IDCANCEL)->editBefore, "11");
  EXPECT_EQ(AnswerSize(glyvane, main, kMenuTaillecopier, IDCANCEL)->editBefore, "11");

  const std::string hovered = fonts.at(1);
  EXPECT_EQ(HoverCombo1(main, 1), hovered);
  EXPECT_FALSE(ReadMachineValue(kConfigurationKey, kTableValue));  // a first run writes nothing
}

TEST_F(GlyvaneProgram, ATableSizeThatIsNoNumberEndsTheStartWithAnErrorMessage) {
  WriteMachineValue(kConfigurationKey, kTableValue, "abc");
  GlyvaneProcess glyvane;
  DialogAnswer answer(glyvane.id(), IDOK);
  ASSERT_TRUE(answer.Wait());
  EXPECT_EQ(answer.title, "Glyvane de Talvenne");
  EXPECT_EQ(answer.text.rfind("Erreur N°13 ", 0), 0u) << answer.text;
  EXPECT_EQ(answer.icon, static_cast<UINT>(MB_ICONSTOP));
  DWORD code = 1;
  EXPECT_TRUE(glyvane.WaitForExit(10s, &code));
  EXPECT_EQ(code, 0u);
}

TEST_F(GlyvaneProgram, ASecondStartBringsTheFirstToTheFrontAndShowsNothing) {
  GlyvaneProcess first;
  const HWND main = first.WaitForMainWindow();
  ASSERT_TRUE(main);
  // Another window in front, so that the activation can be seen.
  const HWND other = CreateWindowExA(0, "STATIC", "autre", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100, nullptr, nullptr,
                                     nullptr, nullptr);
  SetForegroundWindow(other);
  PumpUntil([other] { return GetForegroundWindow() == other; }, 5s);

  GlyvaneProcess second;
  DWORD code = 1;
  ASSERT_TRUE(second.WaitForExit(20s, &code));
  EXPECT_EQ(code, 0u);
  EXPECT_TRUE(PumpUntil([main] { return GetForegroundWindow() == main; }, 5s));
  int glyvaneWindows = 0;
  for (HWND window = FindWindowA(kClassName, nullptr); window;
       window = FindWindowExA(nullptr, window, kClassName, nullptr)) {
    ++glyvaneWindows;
  }
  EXPECT_EQ(glyvaneWindows, 1);
  DestroyWindow(other);
}

TEST_F(GlyvaneProgram, PickedCharactersGoToTheClipboardAsPlainText) {
  GlyvaneProcess glyvane;
  const HWND main = glyvane.WaitForMainWindow();
  ASSERT_TRUE(main);
  for (int code : {65, 233, 128}) {  // A, é, €
    PostMessageA(FindControl(main, kTextFirst + code - 33), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 5));
  }
  const HWND text1 = FindControl(main, kText1);
  ASSERT_TRUE(WaitUntil([text1] { return WindowText(text1) == "Aé€"; }));

  auto clipboardText = []() -> std::optional<std::string> {
    if (!OpenClipboard(nullptr)) return std::nullopt;
    std::optional<std::string> text;
    if (HANDLE data = GetClipboardData(CF_TEXT)) {
      if (const char* bytes = static_cast<const char*>(GlobalLock(data))) {
        text = bytes;
        GlobalUnlock(data);
      }
    }
    CloseClipboard();
    return text;
  };
  ASSERT_TRUE(OpenClipboard(nullptr));
  EmptyClipboard();
  CloseClipboard();
  PostMessageA(main, WM_COMMAND, MAKEWPARAM(kMenuCopy, 0), 0);
  EXPECT_TRUE(WaitUntil([&] { return clipboardText() == std::optional<std::string>("Aé€"); }));

  // An empty text leaves an empty text on the clipboard, not the previous one.
  SendMessageA(text1, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(""));
  PostMessageA(main, WM_COMMAND, MAKEWPARAM(kMenuCopy, 0), 0);
  EXPECT_TRUE(WaitUntil([&] { return clipboardText() == std::optional<std::string>(""); }));
}

TEST_F(GlyvaneProgram, SizeCommandsApplyAndSaveAcceptedAnswersAsTyped) {
  GlyvaneProcess glyvane;
  const HWND main = glyvane.WaitForMainWindow();
  ASSERT_TRUE(main);

  const auto table = AnswerSize(glyvane, main, kMenuTaille, IDOK, "12,5");
  EXPECT_EQ(table->title, "Glyvane de Talvenne");
  EXPECT_EQ(table->text, "Entrez la taille de la police (< 16) pour la table des caractères :");
  EXPECT_TRUE(WaitUntil([] { return ReadMachineValue(kConfigurationKey, kTableValue) == std::optional<std::string>("12,5"); }));

  const auto copy = AnswerSize(glyvane, main, kMenuTaillecopier, IDOK, "15");
  EXPECT_EQ(copy->text, "Entrez la taille de la police (< 16) pour le texte à copier :");
  EXPECT_TRUE(WaitUntil([] { return ReadMachineValue(kConfigurationKey, kCopyValue) == std::optional<std::string>("15"); }));

  // Refused answers change nothing: 16, zero, a negative size, text, an empty answer.
  for (const char* refused : {"16", "0", "-3", "douze", ""}) {
    AnswerSize(glyvane, main, kMenuTaille, IDOK, refused);
    EXPECT_EQ(AnswerSize(glyvane, main, kMenuTaille, IDCANCEL)->editBefore, "12,5") << refused;
  }
  AnswerSize(glyvane, main, kMenuTaillecopier, IDCANCEL, "9");  // typed, then cancelled
  EXPECT_EQ(AnswerSize(glyvane, main, kMenuTaillecopier, IDCANCEL)->editBefore, "15");
  EXPECT_EQ(ReadMachineValue(kConfigurationKey, kTableValue), std::optional<std::string>("12,5"));
  EXPECT_EQ(ReadMachineValue(kConfigurationKey, kCopyValue), std::optional<std::string>("15"));
}

TEST_F(GlyvaneProgram, WithoutArialNothingIsSelectedAndTheDesignCaptionStays) {
  WithoutArial noArial;
  GlyvaneProcess glyvane;
  const HWND main = glyvane.WaitForMainWindow();
  ASSERT_TRUE(main);
  const HWND combo = FindControl(main, kCombo1);
  const std::vector<std::string> fonts = ListItems(combo);
  EXPECT_EQ(std::count(fonts.begin(), fonts.end(), "Arial"), 0);
  EXPECT_EQ(SendMessageA(combo, LB_GETCURSEL, 0, 0), LB_ERR);
  EXPECT_EQ(WindowText(FindControl(main, kFrame1)), "Caractères de Arial :");
  EXPECT_EQ(WindowText(FindControl(main, kLabel3)), "");

  // Without an installed font selected, the print dialog offers no screen table.
  PostMessageA(main, WM_COMMAND, MAKEWPARAM(kMenuPrintto, 0), 0);
  HWND dialog = nullptr;
  ASSERT_TRUE(WaitUntil([&] {
    const std::vector<HWND> found = ProcessWindows(glyvane.id(), form2_ids::kClassName);
    dialog = found.empty() ? nullptr : found.front();
    return dialog != nullptr;
  }));
  EXPECT_FALSE(IsWindowEnabled(FindControl(dialog, form2_ids::kCommand2)));
  EXPECT_TRUE(IsWindowEnabled(FindControl(dialog, form2_ids::kCommand1)));
  PostMessageA(dialog, WM_CLOSE, 0, 0);

  // The empty hover index counts as no entry: below the last one nothing changes,
  // over the first entry the preview starts. (The list is cut to two entries, so
  // that the pointer can be below the last.)
  SendMessageA(combo, LB_RESETCONTENT, 0, 0);
  for (const char* name : {"Symbol", "Wingdings"}) SendMessageA(combo, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name));
  SendMessageA(combo, WM_MOUSEMOVE, 0, MAKELPARAM(5, 100));
  EXPECT_EQ(WindowText(FindControl(main, kLabel3)), "");
  EXPECT_EQ(WindowText(FindControl(main, kLabel2)), "");
  EXPECT_EQ(HoverCombo1(main, 0), "Symbol");
  EXPECT_EQ(WindowText(FindControl(main, kLabel3)), "0");
}

TEST_F(GlyvaneProgram, ClosingTheMainWindowWithBothDialogsOpenEndsTheProgram) {
  GlyvaneProcess glyvane;
  const HWND main = glyvane.WaitForMainWindow();
  ASSERT_TRUE(main);
  PostMessageA(main, WM_COMMAND, MAKEWPARAM(kMenuPrintpolice, 0), 0);
  PostMessageA(main, WM_COMMAND, MAKEWPARAM(kMenuPropos, 0), 0);
  HWND about = nullptr;
  ASSERT_TRUE(WaitUntil([&] {
    const std::vector<HWND> found = ProcessWindows(glyvane.id(), proposbox_ids::kClassName);
    about = found.empty() ? nullptr : found.front();
    return about && !ProcessWindows(glyvane.id(), form2_ids::kClassName).empty();
  }));
  // The version is the program's own, from its version resource.
  EXPECT_EQ(WindowText(FindControl(about, proposbox_ids::kLabel4)), "Version 3.20");
  PostMessageA(main, WM_CLOSE, 0, 0);
  DWORD code = 1;
  EXPECT_TRUE(glyvane.WaitForExit(10s, &code));
  EXPECT_EQ(code, 0u);
}

TEST_F(GlyvaneProgram, QuitterAndClosingTheWindowBothEndTheProgram) {
  for (UINT message : {static_cast<UINT>(WM_COMMAND), static_cast<UINT>(WM_CLOSE)}) {
    GlyvaneProcess glyvane;
    const HWND main = glyvane.WaitForMainWindow();
    ASSERT_TRUE(main);
    PostMessageA(main, message, message == WM_COMMAND ? MAKEWPARAM(kMenuQuitter, 0) : 0, 0);
    DWORD code = 1;
    EXPECT_TRUE(glyvane.WaitForExit(10s, &code)) << message;
    EXPECT_EQ(code, 0u) << message;
  }
}

}  // namespace
}  // namespace glyvane::test
