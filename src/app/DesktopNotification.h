// A notification on the desktop (the notification daemon of KDE, GNOME and the others, over the
// session bus): for news the user did not ask for and need not answer, such as a library source
// that went missing. Nothing happens where there is no such daemon; the caller also says it in the
// status bar.
#pragma once

#include <QString>

namespace slotsmith {

void notifyDesktop(const QString& summary, const QString& body);

}  // namespace slotsmith
