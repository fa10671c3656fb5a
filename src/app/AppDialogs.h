// The application's informative dialogs, reached from the Help and File menus: About, the
// keyboard and drag-and-drop guide, and the health report of a database.
#pragma once

#include <optional>
#include <vector>

#include "ops/Doctor.h"

class QWidget;

namespace slotsmith {

void showAboutDialog(QWidget* parent);
void showKeyboardGuide(QWidget* parent);
// What the doctor found, damage apart from information; nothing is repaired from here. When
// every reference to an empty model slot names the same slot, the report offers to clear them
// (set them to -1) in one edit; true when the user asked for it.
bool showHealthReport(QWidget* parent, const std::vector<DoctorFinding>& findings,
                      std::optional<int> clearableSlot);

}  // namespace slotsmith
