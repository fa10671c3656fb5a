// The drop preview of the list window: while rows are dragged over a gap of a list, the rows the
// drop would move are tinted, the bank map marks them, and the status bar says what the drop
// would do, all from previewBlockEdit (ops/DropPreview.h), which replays the edit's own layout.
// A drag into a filtered list is told why it cannot land.
#pragma once

#include <QMimeData>
#include <QObject>
#include <functional>

#include "core/SlotTables.h"
#include "core/Ui.h"

namespace slotsmith {

class ListWindow;

class DropPreviewer : public QObject {
  Q_OBJECT

 public:
  using StatusSink = std::function<void(const QString& text)>;

  // Follows the drags over both lists of the window; what it says goes to showStatus.
  DropPreviewer(const SlotTables& tables, ListWindow& window, StatusSink showStatus,
                QObject* parent = nullptr);

  // A drag hovers over gap of the list (-1: it left or ended), carrying data with action.
  void preview(SlotList list, int gap, const QMimeData* data, Qt::DropAction action);

 private:
  const SlotTables& tables_;
  ListWindow& window_;
  StatusSink showStatus_;
  bool previewing_ = false;  // the status bar shows a preview, to be cleared when the drag goes
};

}  // namespace slotsmith
