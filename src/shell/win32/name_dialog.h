#pragma once
// A small modal window asking for one line of text (a nickname or a profile name).

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

namespace burrowly {

inline constexpr wchar_t kNameDialogClass[] = L"BurrowlyNameDlgClass";

// The class the dialog's window belongs to; registered once at start-up.
void register_name_dialog_class(HINSTANCE instance, HCURSOR arrow);

// The entered text, trimmed; nothing when cancelled, closed, or when the window
// cannot be made. Runs its own message loop: never call it while the application
// state is borrowed.
std::optional<std::string> ask_name(HWND owner, std::string_view title, std::string_view initial,
                                    std::string_view ok_label, std::string_view cancel_label);

}  // namespace burrowly
