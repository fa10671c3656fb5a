// The rules that tag sounds by their names (library/Rules.h), edited in a table: each rule's tag,
// its pattern and how many sounds it would tag, counted again as the pattern is typed, so the
// user sees what a rule catches before it changes anything. Apply writes every change and runs
// the rules on all sounds again in one transaction (with no change, it just runs them again);
// tags set or taken off by hand stay as the user left them.
#pragma once

#include <QDialog>
#include <cstdint>
#include <vector>

class QTableWidget;
class QTimer;
class QLabel;

namespace slotsmith {

class LibraryWorker;

class LibraryRulesDialog : public QDialog {
  Q_OBJECT

 public:
  enum Column { Tag, Pattern, Sounds, ColumnCount };

  LibraryRulesDialog(LibraryWorker& worker, QWidget* parent = nullptr);

  QTableWidget* table() const { return table_; }
  void addRule();
  void removeSelectedRules();
  // Writes the rules as the table has them and runs them on every sound.
  void apply();

 Q_SIGNALS:
  // The rules are read, or counted again, or applied.
  void rulesRead();
  void counted();
  void applied(bool ok);

 private:
  void read();
  void count();
  void editedCell(int row, int column);

  LibraryWorker& worker_;
  QTableWidget* table_;
  QLabel* status_;
  QTimer* typing_;
  std::vector<std::int64_t> removed_;  // ids of stored rules taken out of the table
  std::uint64_t counts_ = 0;           // the latest count asked for
  bool filling_ = false;
};

}  // namespace slotsmith
