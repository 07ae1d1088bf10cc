#include "common/win/dialogs.h"

#include <vector>

namespace glyvane {

void ShowMessage(HWND owner, const std::string& text, const std::string& title, MessageIcon icon) {
  UINT flags = MB_OK;
  switch (icon) {
    case MessageIcon::Critical: flags |= MB_ICONSTOP; break;
    case MessageIcon::Information: flags |= MB_ICONINFORMATION; break;
    case MessageIcon::Exclamation: flags |= MB_ICONEXCLAMATION; break;
  }
  MessageBoxA(owner, text.c_str(), title.c_str(), flags);
}

namespace {

// An in-memory dialog template (DLGTEMPLATE and its items, WORD aligned), so that
// the input box needs no resource script in every program that links it.
class DialogTemplate {
 public:
  DialogTemplate(DWORD style, short cx, short cy, const std::string& title) {
    Align(4);
    Dword(style);
    Dword(0);  // extended style
    countAt_ = words_.size();
    Word(0);  // item count, filled in later
    Word(0);
    Word(0);
    Word(static_cast<WORD>(cx));
    Word(static_cast<WORD>(cy));
    Word(0);  // no menu
    Word(0);  // standard dialog class
    Text(title);
    Word(8);  // DS_SETFONT: point size and face
    Text("MS Shell Dlg");
  }

  void Item(DWORD style, short x, short y, short cx, short cy, WORD id, WORD systemClass,
            const std::string& text) {
    Align(4);
    Dword(style | WS_CHILD | WS_VISIBLE);
    Dword(0);
    Word(static_cast<WORD>(x));
    Word(static_cast<WORD>(y));
    Word(static_cast<WORD>(cx));
    Word(static_cast<WORD>(cy));
    Word(id);
    Word(0xFFFF);
    Word(systemClass);
    Text(text);
    Word(0);  // no creation data
    ++words_[countAt_];
  }

  const DLGTEMPLATE* get() const { return reinterpret_cast<const DLGTEMPLATE*>(words_.data()); }

 private:
  void Word(WORD value) { words_.push_back(value); }
  void Dword(DWORD value) {
    Word(LOWORD(value));
    Word(HIWORD(value));
  }
  void Align(size_t bytes) {
    while ((words_.size() * sizeof(WORD)) % bytes) Word(0);
  }
  void Text(const std::string& text) {
    const int length = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
    std::vector<wchar_t> wide(static_cast<size_t>(length > 0 ? length : 1), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, wide.data(), length);
    for (wchar_t c : wide) Word(static_cast<WORD>(c));
  }

  std::vector<WORD> words_;
  size_t countAt_ = 0;
};

constexpr WORD kButtonClass = 0x0080;
constexpr WORD kEditClass = 0x0081;
constexpr WORD kStaticClass = 0x0082;

struct InputBoxState {
  std::string defaultAnswer;
  std::string answer;
};

INT_PTR CALLBACK InputBoxProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* state = reinterpret_cast<InputBoxState*>(GetWindowLongPtrA(dialog, DWLP_USER));
  switch (message) {
    case WM_INITDIALOG: {
      SetWindowLongPtrA(dialog, DWLP_USER, lParam);
      state = reinterpret_cast<InputBoxState*>(lParam);
      const HWND edit = GetDlgItem(dialog, kInputBoxEditId);
      SetWindowTextA(edit, state->defaultAnswer.c_str());
      SendMessageA(edit, EM_SETSEL, 0, -1);
      SetFocus(edit);
      return FALSE;  // focus set here
    }
    case WM_COMMAND:
      if (LOWORD(wParam) == IDOK) {
        const HWND edit = GetDlgItem(dialog, kInputBoxEditId);
        std::string text(static_cast<size_t>(GetWindowTextLengthA(edit)) + 1, '\0');
        text.resize(static_cast<size_t>(GetWindowTextA(edit, text.data(), static_cast<int>(text.size()))));
        state->answer = text;
        EndDialog(dialog, IDOK);
        return TRUE;
      }
      if (LOWORD(wParam) == IDCANCEL) {
        EndDialog(dialog, IDCANCEL);
        return TRUE;
      }
      break;
    default:
      break;
  }
  return FALSE;
}

}  // namespace

std::optional<std::string> InputBox(HWND owner, const std::string& prompt, const std::string& title,
                                    const std::string& defaultAnswer) {
  DialogTemplate form(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_CENTER | DS_SETFONT, 270, 96,
                      title);
  form.Item(SS_LEFT | SS_NOPREFIX, 7, 7, 190, 60, kInputBoxPromptId, kStaticClass, prompt);
  form.Item(BS_DEFPUSHBUTTON | WS_TABSTOP | WS_GROUP, 205, 7, 58, 14, IDOK, kButtonClass, "OK");
  form.Item(BS_PUSHBUTTON | WS_TABSTOP, 205, 25, 58, 14, IDCANCEL, kButtonClass, "Annuler");
  form.Item(ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP | WS_GROUP, 7, 75, 256, 14, kInputBoxEditId,
            kEditClass, "");
  InputBoxState state{defaultAnswer, {}};
  const INT_PTR result = DialogBoxIndirectParamA(GetModuleHandleA(nullptr), form.get(), owner,
                                                 &InputBoxProcedure, reinterpret_cast<LPARAM>(&state));
  if (result != IDOK) return std::nullopt;
  return state.answer;
}

}  // namespace glyvane
