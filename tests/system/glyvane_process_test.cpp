// The real Glyvane.exe, started as a user starts it, seen from outside: its windows,
// the registry it writes, the programs it starts, and how it ends.
#include <set>

#include "font_folders.h"
#include "printing/form2_ids.h"
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

  HWND Start(const std::string& program = "Glyvane.exe") {
    glyvane = std::make_unique<GlyvaneProcess>(program);
    return main = glyvane->WaitForMainWindow();
  }
  std::unique_ptr<DialogAnswer> AnswerSize(int command, int button, std::optional<std::string> typed = {}) {
    auto answer = std::make_unique<DialogAnswer>(glyvane->id(), button, typed);
    PostMessageA(main, WM_COMMAND, MAKEWPARAM(command, 0), 0);
    EXPECT_TRUE(answer->Wait());
    return answer;
  }
  static bool EndsWell(ProgramProcess& program) {
    DWORD code = 1;
    return program.WaitForExit(20s, &code) && code == 0;
  }

  std::unique_ptr<GlyvaneProcess> glyvane;
  HWND main = nullptr;
};

// The real Glyvane runs from a copy in a folder whose name holds blanks, as an
// installation in "Program Files" would put it, so that the real command lines are
// tested. It ends with both windows it owns open: they must not keep it running.
TEST_F(GlyvaneProgram, FirstRunIsTheOnlyOneSavesSizesOpensHelpAndCatalogueAndClosesWithItsDialogsOpen) {
  CloseStandInsAndViewers();
  FontFolder copy{"Outils de Glyvane"};
  for (const char* name :
       {"Glyvane.exe", "Glyvane.chm", "data1.dll", "data2.dll", "Data3.dll", "Data4.dll", "Data5.dll"}) {
    CopyProgram(name, copy.PathOf(name));
  }
  ASSERT_TRUE(Start(copy.PathOf("Glyvane.exe")));
  const std::vector<std::string> fonts = ListItems(FindControl(main, kCombo1));
  EXPECT_EQ(WindowText(FindControl(main, kFrame1)), "Caractères de Arial : ");
  EXPECT_TRUE(std::is_sorted(fonts.begin(), fonts.end(), [](const std::string& a, const std::string& b) {
    return lstrcmpiA(a.c_str(), b.c_str()) < 0;
  }));
  // List2 holds the same names, in the collection's order.
  const std::vector<std::string> collection = ListItems(FindControl(main, kList2));
  EXPECT_EQ(std::multiset(collection.begin(), collection.end()), std::multiset(fonts.begin(), fonts.end()));
  EXPECT_FALSE(ReadMachineValue(kConfigurationKey, kTableValue));  // a first run writes nothing

  // A second start brings this one to the front and shows nothing. (Another window
  // in front, so that the activation can be seen.)
  const HWND other = CreateWindowExA(0, "STATIC", "autre", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100, nullptr, nullptr,
                                     nullptr, nullptr);
  SetForegroundWindow(other);
  PumpUntil([other] { return GetForegroundWindow() == other; }, 5s);
  GlyvaneProcess second;
  ASSERT_TRUE(EndsWell(second));
  EXPECT_TRUE(PumpUntil([this] { return GetForegroundWindow() == main; }, 5s));
  DestroyWindow(other);

  EXPECT_EQ(AnswerSize(kMenuTaillecopier, IDCANCEL)->editBefore, "11");
  const auto table = AnswerSize(kMenuTaille, IDOK, "12,5");
  EXPECT_EQ(table->editBefore, "11");
  EXPECT_EQ(table->title, "Glyvane de Talvenne");
  EXPECT_EQ(table->text, "Entrez la taille de la police (< 16) pour la table des caractères :");
  EXPECT_EQ(AnswerSize(kMenuTaillecopier, IDOK, "15")->text,
            "Entrez la taille de la police (< 16) pour le texte à copier :");
  AnswerSize(kMenuTaille, IDOK, "16");           // refused
  AnswerSize(kMenuTaillecopier, IDCANCEL, "9");  // typed, then cancelled
  EXPECT_EQ(AnswerSize(kMenuTaille, IDCANCEL)->editBefore, "12,5");
  EXPECT_EQ(AnswerSize(kMenuTaillecopier, IDCANCEL)->editBefore, "15");
  EXPECT_EQ(ReadMachineValue(kConfigurationKey, kTableValue), std::optional<std::string>("12,5"));
  EXPECT_EQ(ReadMachineValue(kConfigurationKey, kCopyValue), std::optional<std::string>("15"));

  // F1 passes through the message loop to the system's own help viewer. A missing
  // catalogue and one the system refuses are reported as errors, and Glyvane goes
  // on; the real one starts beside the program, with nothing passed.
  PostMessageA(main, WM_KEYDOWN, VK_F1, 0);
  EXPECT_TRUE(WaitUntil([] { return FindWindowA(nullptr, kHelpCaption) != nullptr; }));
  CloseStandInsAndViewers();
  auto answers = [this] {
    DWORD_PTR ignored = 0;
    return SendMessageTimeoutA(main, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &ignored) != 0;
  };
  const std::string path = copy.PathOf("catalogue.EXE");
  const std::string missing = "Le catalogue des autres programmes de l'auteur est introuvable.\r\n\r\n"
                              "Il devrait se trouver dans le dossier de Glyvane :\r\n" + path;
  const std::string refused =
      "Le catalogue des autres programmes de l'auteur ne peut pas démarrer :\r\n" + path + "\r\n\r\nErreur N°";
  for (const std::string& opening : {missing, refused}) {
    if (opening == refused) copy.Add("faces/nouvelle.ttf", "catalogue.EXE");  // a file that is no program
    DialogAnswer answer(glyvane->id(), IDOK);
    PostMessageA(main, WM_COMMAND, MAKEWPARAM(kMenuAuteur, 0), 0);
    ASSERT_TRUE(answer.Wait());
    EXPECT_EQ(answer.icon, static_cast<UINT>(MB_ICONSTOP));
    EXPECT_EQ(answer.text.substr(0, opening.size()), opening);
    // The system's refusal: its number and words follow.
    EXPECT_EQ(answer.text.size() > opening.size() + 5, opening == refused) << answer.text;
    EXPECT_TRUE(answers());
  }

  CopyProgram("stand_in_program.exe", path);
  PostMessageA(main, WM_COMMAND, MAKEWPARAM(kMenuAuteur, 0), 0);
  const HWND catalogue = WaitForStandIn();
  ASSERT_TRUE(catalogue);
  EXPECT_EQ(WindowText(catalogue), "Remplaçant [\"" + path + "\"]");
  EXPECT_FALSE(IsZoomed(catalogue));
  EXPECT_FALSE(IsIconic(catalogue));
  EXPECT_TRUE(WaitUntil([catalogue] { return GetForegroundWindow() == catalogue; }, 10s));
  // Glyvane goes on while the catalogue runs.
  EXPECT_TRUE(answers());
  CloseStandInsAndViewers();

  PostMessageA(main, WM_COMMAND, MAKEWPARAM(kMenuPrintpolice, 0), 0);
  PostMessageA(main, WM_COMMAND, MAKEWPARAM(kMenuPropos, 0), 0);
  const HWND about = glyvane->WaitForWindow(proposbox_ids::kClassName);
  ASSERT_TRUE(about && glyvane->WaitForWindow(form2_ids::kClassName));
  // The version is the program's own, from its version resource.
  EXPECT_EQ(WindowText(FindControl(about, proposbox_ids::kLabel4)), "Version 3.20");
  PostMessageA(main, WM_CLOSE, 0, 0);
  EXPECT_TRUE(EndsWell(*glyvane));
}

TEST_F(GlyvaneProgram, AStoredSizeThatIsNoNumberEndsTheStartAndWithoutArialQuitterEndsIt) {
  WriteMachineValue(kConfigurationKey, kTableValue, "abc");
  glyvane = std::make_unique<GlyvaneProcess>();
  DialogAnswer failure(glyvane->id(), IDOK);
  ASSERT_TRUE(failure.Wait());
  EXPECT_EQ(failure.title, "Glyvane de Talvenne");
  EXPECT_EQ(failure.text, "Erreur N°13 : Incompatibilité de type");
  EXPECT_EQ(failure.icon, static_cast<UINT>(MB_ICONSTOP));
  EXPECT_TRUE(EndsWell(*glyvane));

  ClearGlyvaneSettings();
  WithoutArial noArial;
  ASSERT_TRUE(Start());
  const HWND combo = FindControl(main, kCombo1);
  ASSERT_EQ(ListBox(combo).FindExact("Arial"), LB_ERR);
  EXPECT_EQ(SendMessageA(combo, LB_GETCURSEL, 0, 0), LB_ERR);
  EXPECT_EQ(WindowText(FindControl(main, kFrame1)), "Caractères de Arial :");

  // The empty hover index counts as no entry: below the last one nothing changes.
  // (The list is cut to two entries, so that the pointer can be below the last.)
  SendMessageA(combo, LB_RESETCONTENT, 0, 0);
  for (const char* name : {"Symbol", "Wingdings"}) SendMessageA(combo, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name));
  SendMessageA(combo, WM_MOUSEMOVE, 0, MAKELPARAM(5, 100));
  EXPECT_EQ(WindowText(FindControl(main, kLabel3)), "");
  EXPECT_EQ(WindowText(FindControl(main, kLabel2)), "");
  PostMessageA(main, WM_COMMAND, MAKEWPARAM(kMenuQuitter, 0), 0);
  EXPECT_TRUE(EndsWell(*glyvane));
}

}  // namespace
}  // namespace glyvane::test
