// Reading or writing a whole archive (a pack, a backup) reports no progress of its own and may
// take seconds. It runs on a thread of its own while the progress window shows what is going on
// with a moving bar, so that the windows keep drawing; as during an edit, no input reaches them
// meanwhile and no database can be dropped.
#pragma once

#include <functional>
#include <string>

#include "core/Status.h"
#include "core/Ui.h"

namespace slotsmith {

// Runs work while ui's progress display shows text; returns what work returned. work must touch
// nothing the windows use.
Status runShowingProgress(Ui& ui, const std::string& text, const std::function<Status()>& work);

}  // namespace slotsmith
