#include "app/system_menu_win.h"

#include <QWidget>
#include <windows.h>

namespace strikepad {

namespace {

// System command identifiers must stay below 0xF000; Windows uses the low four bits itself.
constexpr UINT kAboutCommand = 0x0010;

}  // namespace

void appendAboutToSystemMenu(QWidget& window, const QString& text) {
  if (text.isEmpty()) return;
  HMENU menu = GetSystemMenu(reinterpret_cast<HWND>(window.winId()), FALSE);
  if (!menu) return;
  AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
  AppendMenuW(menu, MF_STRING, kAboutCommand, reinterpret_cast<LPCWSTR>(text.utf16()));
}

bool isAboutSystemCommand(const QByteArray& eventType, void* message) {
  if (eventType != "windows_generic_MSG") return false;
  const MSG* msg = static_cast<const MSG*>(message);
  return msg->message == WM_SYSCOMMAND && (msg->wParam & 0xFFF0) == kAboutCommand;
}

}  // namespace strikepad
