// Two sounds side by side, parameter by parameter (core/SoundDiff.h): a table of every line of
// both scripts with the differing ones first and marked, and a line that says how many differ.
// The scripts are read from the disk, not from the slot tables, so every line counts, also those
// the tables do not hold. While the window is open it compares the same two slots again after
// every edit, so it never shows sounds that are no longer there.
#pragma once

#include <QWidget>

#include "core/Status.h"

class QLabel;
class QTableWidget;

namespace slotsmith {

class DatabaseSession;
class DesktopEdits;
struct SoundComparison;

class CompareWindow : public QWidget {
  Q_OBJECT

 public:
  // The two sounds are compared again after every edit (edits) and hidden when another database
  // opens (session).
  CompareWindow(DatabaseSession& session, DesktopEdits& edits, QWidget* parent = nullptr);

  // Compares the scripts of the two sound slots and shows the result. When a script cannot be
  // read (or the slot is empty) the table is emptied, the summary says why and that status is
  // returned, naming the path.
  Status compare(int first, int second);

  QTableWidget* table() const { return table_; }
  QLabel* summary() const { return summary_; }

 private:
  void fillTable(const SoundComparison& comparison);
  QString soundTitle(int slot) const;

  DatabaseSession& session_;
  QLabel* summary_;
  QTableWidget* table_;
  int first_ = -1;
  int second_ = -1;
};

}  // namespace slotsmith
