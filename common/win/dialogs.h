#pragma once
// The two standard dialogs of the programs: a message box titled with the window's
// caption, and an input box that asks for one line of text.
#include <windows.h>

#include <optional>
#include <string>

namespace glyvane {

enum class MessageIcon { Critical, Information, Exclamation };

// Shows a modal message box with an OK button.
void ShowMessage(HWND owner, const std::string& text, const std::string& title, MessageIcon icon);

// Asks for a line of text: the prompt, an edit box holding defaultAnswer, and the
// buttons "OK" and "Annuler". nullopt when the user cancels.
std::optional<std::string> InputBox(HWND owner, const std::string& prompt, const std::string& title,
                                    const std::string& defaultAnswer);

// Control ids of the input box, for whoever drives it (tests, accessibility tools).
constexpr int kInputBoxPromptId = 100;
constexpr int kInputBoxEditId = 101;

}  // namespace glyvane
