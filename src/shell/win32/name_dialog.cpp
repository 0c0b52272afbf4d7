#include "shell/win32/name_dialog.h"

#include <algorithm>

#include "text/unicode.h"
#include "text/utf16.h"

namespace burrowly {
namespace {

constexpr int kOkId = 1, kCancelId = 2;

struct DialogRecord {
  std::string result;
  HWND edit = nullptr;
  bool done = false;
  bool accepted = false;
};

LRESULT CALLBACK name_dialog_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  auto* record = reinterpret_cast<DialogRecord*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (record && message == WM_COMMAND && LOWORD(wparam) == kOkId) {
    int length = GetWindowTextLengthW(record->edit);
    std::wstring text(std::size_t(std::max(length, 0)) + 1, L'\0');
    int got = GetWindowTextW(record->edit, text.data(), length + 1);
    text.resize(std::size_t(std::max(got, 0)));
    record->result = std::string(trim_unicode_space(from_wide(text)));
    record->accepted = true;
    record->done = true;
    return 0;
  }
  if (record && ((message == WM_COMMAND && LOWORD(wparam) == kCancelId) || message == WM_CLOSE)) {
    record->done = true;
    return 0;
  }
  return DefWindowProcW(window, message, wparam, lparam);
}

HWND add_control(HWND dialog, const wchar_t* cls, std::string_view text, DWORD style, int x, int y, int w, int h,
                 int id) {
  HWND control = CreateWindowExW(0, cls, to_wide(text).c_str(), style, x, y, w, h, dialog,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
  if (control) SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), TRUE);
  return control;
}

}  // namespace

void register_name_dialog_class(HINSTANCE instance, HCURSOR arrow) {
  WNDCLASSEXW cls{};
  cls.cbSize = sizeof(cls);
  cls.lpfnWndProc = name_dialog_proc;
  cls.hInstance = instance;
  cls.hCursor = arrow;
  cls.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  cls.lpszClassName = kNameDialogClass;
  RegisterClassExW(&cls);
}

std::optional<std::string> ask_name(HWND owner, std::string_view title, std::string_view initial,
                                    std::string_view ok_label, std::string_view cancel_label) {
  POINT cursor{0, 0};
  GetCursorPos(&cursor);
  int x = cursor.x - 170, y = cursor.y - 179;
  if (x < 41) x = 40;
  if (y < 41) y = 40;
  HWND dialog = CreateWindowExW(0, kNameDialogClass, to_wide(title).c_str(), WS_POPUPWINDOW | WS_DLGFRAME | WS_VISIBLE,
                                x, y, 340, 155, owner, nullptr, GetModuleHandleW(nullptr), nullptr);
  if (!dialog) return std::nullopt;
  DialogRecord record;
  SetWindowLongPtrW(dialog, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&record));
  record.edit = add_control(dialog, L"EDIT", initial, 0x50810080, 16, 20, 292, 26, 0);
  HWND ok = add_control(dialog, L"BUTTON", ok_label, WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 134, 66, 82,
                        28, kOkId);
  HWND cancel = add_control(dialog, L"BUTTON", cancel_label, WS_CHILD | WS_VISIBLE | WS_TABSTOP, 226, 66, 82, 28,
                            kCancelId);
  if (!record.edit || !ok || !cancel) {
    DestroyWindow(dialog);
    return std::nullopt;
  }
  SendMessageW(dialog, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), TRUE);
  ShowWindow(dialog, SW_SHOW);
  SetForegroundWindow(dialog);
  SetFocus(record.edit);

  MSG message;
  while (!record.done) {
    BOOL got = GetMessageW(&message, nullptr, 0, 0);
    if (got == 0) {
      PostQuitMessage(int(message.wParam));  // the application's loop must see it too
      break;
    }
    if (got < 0) break;
    if (!IsDialogMessageW(dialog, &message)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
  }
  SetWindowLongPtrW(dialog, GWLP_USERDATA, 0);
  DestroyWindow(dialog);
  if (!record.accepted) return std::nullopt;
  return record.result;
}

}  // namespace burrowly
