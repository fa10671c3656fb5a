#include "app/DropPreviewer.h"

#include <QFile>
#include <QFileInfo>
#include <numeric>
#include <optional>
#include <vector>

#include "app/ListRows.h"
#include "app/RowDragPayload.h"
#include "app/Summaries.h"
#include "ops/DropPreview.h"
#include "ui/BankMap.h"
#include "ui/ListWindow.h"
#include "ui/SlotTableView.h"

namespace slotsmith {

DropPreviewer::DropPreviewer(const SlotTables& tables, ListWindow& window, StatusSink showStatus,
                             QObject* parent)
    : QObject(parent), tables_(tables), window_(window), showStatus_(std::move(showStatus)) {
  for (SlotList list : {SlotList::Sounds, SlotList::Models}) {
    SlotTableView* view = listView(window_, list);
    connect(view, &SlotTableView::dropRefusedWhileFiltered, this, [this] {
      showStatus_(
          tr("A filtered list takes no drops: the rows it hides make the place ambiguous. "
             "Clear the filter (Esc in the filter field) to drop."));
    });
    connect(view, &SlotTableView::dropTargetChanged, this,
            [this, list](int gap, const QMimeData* data, Qt::DropAction action) {
              preview(list, gap, data, action);
            });
  }
}

void DropPreviewer::previewAgain() {
  if (const std::optional<Hovering> drag = hovering_) {
    preview(drag->list, drag->gap, drag->data, drag->action);
  }
}

void DropPreviewer::preview(SlotList list, int gap, const QMimeData* data, Qt::DropAction action) {
  const bool coming = !hovering_ && gap >= 0 && data != nullptr;
  hovering_.reset();
  if (coming && dragComing_) dragComing_();
  if (gap >= 0 && data != nullptr) hovering_ = Hovering{list, gap, data, action};
  const bool sounds = list == SlotList::Sounds;
  SlotTableView* view = listView(window_, list);
  BankMap* map = sounds ? window_.soundMap() : window_.modelMap();
  std::optional<QList<int>> rows;
  BlockEditKind kind = action == Qt::CopyAction ? BlockEditKind::Copy : BlockEditKind::Move;
  bool keepWithinBank = false;
  if (gap >= 0 && data != nullptr) {
    const QString file = sounds ? rowdrag::droppedFile(data) : QString();
    if (sounds && data->hasFormat(rowdrag::kLibrarySoundsMimeType)) {
      // Only how many come counts: the sounds land as one block, never pushing one past 999.
      if (const auto ids =
              rowdrag::decodeLibrarySounds(data->data(rowdrag::kLibrarySoundsMimeType))) {
        QList<int> count(static_cast<qsizetype>(ids->size()));
        std::iota(count.begin(), count.end(), 0);
        rows = count;
      }
      kind = BlockEditKind::Place;
      keepWithinBank = true;
    } else if (sounds && data->hasFormat(rowdrag::kOtherSoundRowsMimeType)) {
      rows = rowdrag::decode(data->data(rowdrag::kOtherSoundRowsMimeType));
      kind = BlockEditKind::Import;
      keepWithinBank =
          QFileInfo(QFile::decodeName(data->data(rowdrag::kOtherRootMimeType))).isFile();
    } else if (!file.isEmpty() && fileSounds_) {
      rows = fileSounds_(file);
      kind = BlockEditKind::Import;
      keepWithinBank = true;
    } else {
      rows = rowdrag::decode(
          data->data(sounds ? rowdrag::kSoundRowsMimeType : rowdrag::kModelRowsMimeType));
    }
  }
  if (!rows) {
    view->setPreviewRows({}, {});
    map->setPreview({}, {});
    if (previewing_) showStatus_(QString());
    previewing_ = false;
    return;
  }
  const BlockPreview told =
      previewBlockEdit(tables_, sounds ? Bank::Sounds : Bank::Models,
                       std::vector<int>(rows->begin(), rows->end()), gap, kind);
  std::vector<bool> moving(kSlotCount, false);
  std::vector<bool> leaving(kSlotCount, false);
  for (int slot : told.movingSlots)
    moving[slot] = true;
  for (int slot : told.leavingSlots)
    leaving[slot] = true;
  map->setPreview(moving, leaving);
  view->setPreviewRows(std::move(moving), std::move(leaving));
  QString text = QString::fromStdString(told.text);
  if (keepWithinBank && !told.leavingSlots.empty()) {
    const int pushed = static_cast<int>(told.leavingSlots.size());
    const int count = static_cast<int>(rows->size());
    text = (kind == BlockEditKind::Place
                ? tr("%n sound(s) from the library cannot be placed at slot %1 without pushing %2 "
                     "past slot 999, so the drop is refused; drop them where there is room.",
                     "", count)
                : tr("%n sound(s) from a pack cannot be placed at slot %1 without pushing %2 past "
                     "slot 999, so the drop is refused; drop them where there is room.",
                     "", count))
               .arg(gap)
               .arg(tr("%n occupied sound(s)", "", pushed));
  }
  showStatus_(text);
  previewing_ = true;
}

}  // namespace slotsmith
