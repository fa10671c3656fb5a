// The filter field above a slot list. What the user types is read as a SlotFilter (name text and
// the words model:N, unused, disabled, empty) and the list shows only the matching rows, with
// "12 of 1000 rows" beside the field. Rows keep their slot numbers; the list hides the others and
// refuses drops while it does (see SlotTableView). The filter follows every scan, so an edit's
// result is filtered the same way.
//
// Esc in the field clears it; Return or the Down arrow go on to the list.
#pragma once

#include <QObject>
#include <vector>

#include "core/DatabasePaths.h"
#include "core/SlotFilter.h"
#include "core/SlotTables.h"

class QLabel;
class QLineEdit;

namespace slotsmith {

class SlotTableView;

class ListFilter : public QObject {
  Q_OBJECT

 public:
  ListFilter(const SlotTables& tables, Bank bank, QLineEdit* field, QLabel* count,
             SlotTableView* view, QObject* parent = nullptr);

  // Filters the list again against the tables as they are now.
  void apply();
  // Whether the list hides any row.
  bool isActive() const { return active_; }
  // The field: Ctrl+F puts the focus here.
  QLineEdit* field() const { return field_; }

 Q_SIGNALS:
  // The rows shown changed (after typing, or after a scan).
  void applied();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void textChanged(const QString& text);

  const SlotTables& tables_;
  Bank bank_;
  QLineEdit* field_;
  QLabel* count_;
  SlotTableView* view_;
  SlotFilter filter_;
  bool hasFilter_ = false;  // a valid, non-empty text is in force
  bool active_ = false;
};

}  // namespace slotsmith
