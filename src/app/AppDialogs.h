// The application's informative dialogs, reached from the Help and File menus: About, the
// keyboard and drag-and-drop guide, and the health report of a database.
#pragma once

#include <vector>

#include "ops/Doctor.h"

class QWidget;

namespace slotsmith {

void showAboutDialog(QWidget* parent);
void showKeyboardGuide(QWidget* parent);
// What the doctor found, damage apart from information; nothing is repaired from here.
void showHealthReport(QWidget* parent, const std::vector<DoctorFinding>& findings);

}  // namespace slotsmith
