// The application's informative dialogs, reached from the Help and File menus: About, the
// keyboard and drag-and-drop guide, and the health report of a database.
#pragma once

#include <vector>

#include "ops/Doctor.h"

class QWidget;

namespace slotsmith {

void showAboutDialog(QWidget* parent);
void showKeyboardGuide(QWidget* parent);
// What the doctor found, damage apart from information; nothing is repaired from here. When
// sounds refer to empty model slots (and offerClearing), the report offers to clear those
// references (set them to -1) in one undoable edit; true when the user asked for it.
bool showHealthReport(QWidget* parent, const std::vector<DoctorFinding>& findings,
                      bool offerClearing);

}  // namespace slotsmith
