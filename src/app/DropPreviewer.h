// The drop preview of the list window: while rows are dragged over a gap of a list, the rows the
// drop would move are tinted, the bank map marks them, and the status bar says what the drop
// would do, all from previewBlockEdit (ops/DropPreview.h), which replays the edit's own layout.
// A drag into a filtered list is told why it cannot land. An import from a file (a sound pack,
// dropped or shown as the other database) never pushes the user's sounds out of the bank; where it
// would, the preview says the drop is refused.
#pragma once

#include <QMimeData>
#include <QObject>
#include <functional>
#include <optional>

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

  // The sound slots a file dropped from another program would import (a pack's sounds), none
  // when the list does not take it.
  using FileSounds = std::function<std::optional<QList<int>>(const QString& file)>;
  void setFileSounds(FileSounds sounds) { fileSounds_ = std::move(sounds); }
  // Called when a drag comes over a list: the lists are brought up to the disk before the
  // preview says what a drop would do to the slots they show.
  void setDragComing(std::function<void()> coming) { dragComing_ = std::move(coming); }

  // A drag hovers over gap of the list (-1: it left or ended), carrying data with action.
  void preview(SlotList list, int gap, const QMimeData* data, Qt::DropAction action);
  // Shows the preview of the drag still hovering anew: what it carries is known now (a pack
  // read in the background has been read).
  void previewAgain();

 private:
  const SlotTables& tables_;
  ListWindow& window_;
  StatusSink showStatus_;
  FileSounds fileSounds_;
  std::function<void()> dragComing_;
  bool previewing_ = false;  // the status bar shows a preview, to be cleared when the drag goes
  // The drag hovering now, while one does.
  struct Hovering {
    SlotList list;
    int gap;
    const QMimeData* data;
    Qt::DropAction action;
  };
  std::optional<Hovering> hovering_;
};

}  // namespace slotsmith
