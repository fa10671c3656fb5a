// The library's part of Preferences: whether the open database is kept in the library (added
// when it is opened, read again after each edit). Off, the library changes only when the user
// adds, refreshes or removes a source.
#pragma once

class QWidget;

namespace slotsmith {

// The check box of that choice, kept in the settings when it is clicked.
QWidget* makeLibraryPreferences(QWidget* parent);

}  // namespace slotsmith
