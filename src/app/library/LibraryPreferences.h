// The library's part of Preferences: whether the open database is kept in the library (added
// when it is opened, read again after each edit). Off, the library changes only when the user
// adds, refreshes or removes a source.
#pragma once

class QWidget;

namespace slotsmith {

// Shows the preferences as a dialog over parent; a change takes effect when the box is clicked.
void showLibraryPreferences(QWidget* parent);

}  // namespace slotsmith
