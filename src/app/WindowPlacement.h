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

// A window that accompanies another (duplicates, a comparison, another database) opens beside
// it, right of it where the screen has room, else left of it; where neither side has room, it is
// narrowed (down to its minimum) to fit the wider side. Never over the top-left corner of the
// screen or squarely over the window it belongs to.
void placeBeside(QWidget* window, const QWidget* anchor);
// Esc and Ctrl+W close the window, as they close a side window in most programs.
void closeWithKeys(QWidget* window);

}  // namespace slotsmith
