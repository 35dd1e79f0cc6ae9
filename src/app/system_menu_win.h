#pragma once
// Windows only: the About entry at the end of the window's system menu (the menu of its icon).

#include <QtGlobal>

#ifdef Q_OS_WIN
#include <QByteArray>
#include <QString>

class QWidget;

namespace strikepad {

// A separator, then the entry; nothing when `text` is empty.
void appendAboutToSystemMenu(QWidget& window, const QString& text);
// Whether a native message is the entry's system command.
bool isAboutSystemCommand(const QByteArray& eventType, void* message);

}  // namespace strikepad
#endif
