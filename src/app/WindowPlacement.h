// Where the application's windows open: where the user left them last time (their geometry is
// kept in the settings), or at their default size, centred. Either way a window ends up within
// the available area of its screen, so a large default or a geometry saved on a bigger screen
// never opens a window partly off screen (at 1.5x scale the list window's default would).
#pragma once

#include <QRect>
#include <QSize>
#include <QString>

class QWidget;

namespace slotsmith {

void placeWindow(QWidget* window, const QString& settingsKey);
void saveWindowPlacement(const QWidget* window, const QString& settingsKey);

// Shrinks and moves the window so that its frame lies within its screen's available area.
void keepWindowOnScreen(QWidget* window);

// Where a side window's frame goes, beside the frame of the window it accompanies (anchor), within
// the screen's available area. It keeps its wanted size where a side of the anchor has room for
// it, right before left; else it is narrowed into the wider free side, and where no side is free
// for its minimum it is laid below or above the anchor if one of those is. Only where no free
// space holds even its minimum does it cover part of the anchor, at its wanted size from the
// wider side's screen edge. Never smaller than minimum, never over the screen's edge (unless the
// screen itself is smaller than minimum).
QRect sideWindowFrame(const QRect& available, const QRect& anchor, QSize wanted,
                      const QSize& minimum);

// Shows a window that accompanies anchor (duplicates, a comparison, another database, the
// guides) and brings it to the front. The first time it opens where the user left it last
// (settingsKey, on the same screen, kept within it), or else beside anchor (sideWindowFrame) at
// a size that shows its content: at least its size hint. Each time it is hidden its geometry is
// saved under settingsKey. Esc and Ctrl+W close it (closeWithKeys).
void showSideWindow(QWidget* window, const QWidget* anchor, const QString& settingsKey);

// Places window beside anchor by sideWindowFrame, at least at its size hint.
void placeBeside(QWidget* window, const QWidget* anchor);
// Esc and Ctrl+W close the window, as they close a side window in most programs.
void closeWithKeys(QWidget* window);

}  // namespace slotsmith
