// Shows a file in the desktop's file manager, selected in its folder: the file manager's
// ShowItems request over the session bus, or, when no file manager answers it, the containing
// folder opened with the desktop's default handler. Silent on failure.
#pragma once

#include <QString>

namespace slotsmith {

// Returns whether a request could be made (the file manager took it, or the folder was opened).
bool revealInFileManager(const QString& filePath);

}  // namespace slotsmith
