// Edit ▸ Preferences…: the language the program speaks, and the library's switch where the
// library is built. Each choice is kept the moment it is made.
#pragma once

class QWidget;

namespace slotsmith {

void showPreferences(QWidget* parent);

}  // namespace slotsmith
