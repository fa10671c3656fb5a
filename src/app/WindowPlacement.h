// Where the application's windows open: where the user left them last time (their geometry is
// kept in the settings), or at their default size, centred. Either way a window ends up within
// the available area of its screen, so a large default or a geometry saved on a bigger screen
// never opens a window partly off screen (at 1.5x scale the list window's default would).
#pragma once

#include <QString>

class QWidget;

namespace slotsmith {

void placeWindow(QWidget* window, const QString& settingsKey);
void saveWindowPlacement(const QWidget* window, const QString& settingsKey);

// Shrinks and moves the window so that its frame lies within its screen's available area.
void keepWindowOnScreen(QWidget* window);

}  // namespace slotsmith
