// The application's informative dialogs, reached from the Help and File menus: About, the
// keyboard and drag-and-drop guide, the user guide, and the health report of a database.
#pragma once

#include <vector>

#include "ops/Doctor.h"

class QWidget;

namespace slotsmith {

void showAboutDialog(QWidget* parent);
// The keyboard and drag-and-drop page, and the README's user guide built into the program: windows
// of their own, not modal, so that the user can read them beside the lists. Made hidden; the
// parent owns them.
QWidget* makeKeyboardGuide(QWidget* parent);
QWidget* makeUserGuide(QWidget* parent);
// What the doctor found, damage apart from information; nothing is repaired from here. When
// sounds refer to empty model slots (and offerClearing), the report offers to clear those
// references (set them to -1) in one undoable edit; true when the user asked for it.
bool showHealthReport(QWidget* parent, const std::vector<DoctorFinding>& findings,
                      bool offerClearing);

}  // namespace slotsmith
