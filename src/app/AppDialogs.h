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
// What the doctor found, damage apart from information: the first finding in words and how many
// more there are, every one in the details. Esc closes it. Where the doctor can clear something
// (a lock left by a process that is gone, an edit that could not be recovered) the report offers
// it as a button; what only the user can judge gets none. When sounds refer to empty model slots
// (and offerClearing), it offers to clear those references (set them to -1) in one undoable edit.
enum class HealthChoice { Nothing, ClearEmptyReferences, Fix };
HealthChoice showHealthReport(QWidget* parent, const std::vector<DoctorFinding>& findings,
                              bool offerClearing);

}  // namespace slotsmith
