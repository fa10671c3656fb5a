#include "app/library/LibrarySidebar.h"

#include <QDragMoveEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

#include "app/RowDragPayload.h"

namespace slotsmith {

LibrarySidebar::LibrarySidebar(QWidget* parent) : QTreeWidget(parent) {
  setDragEnabled(true);
  setAcceptDrops(true);
  setDropIndicatorShown(true);
  setDragDropMode(QAbstractItemView::DragDrop);
  setDefaultDropAction(Qt::CopyAction);
}

QStringList LibrarySidebar::mimeTypes() const {
  return {rowdrag::kLibrarySoundsMimeType, QStringLiteral("text/uri-list")};
}

QMimeData* LibrarySidebar::mimeData(const QList<QTreeWidgetItem*>& items) const {
  QByteArray ids;
  for (const QTreeWidgetItem* item : items) {
    const auto list = listSounds_.find(item->data(0, kListRole).toString().toStdString());
    if (list == listSounds_.end()) continue;
    for (const std::string& id : list->second)
      ids += QByteArray::fromStdString(id) + '\n';
  }
  if (ids.isEmpty()) return nullptr;
  auto* data = new QMimeData;
  data->setData(rowdrag::kLibrarySoundsMimeType, ids);
  return data;
}

Qt::DropActions LibrarySidebar::supportedDropActions() const {
  return Qt::CopyAction | Qt::LinkAction;
}

void LibrarySidebar::dragMoveEvent(QDragMoveEvent* event) {
  // Sounds go onto a list (and nowhere else); files anywhere.
  const QMimeData* data = event->mimeData();
  if (data->hasFormat(rowdrag::kLibrarySoundsMimeType)) {
    const QTreeWidgetItem* item = itemAt(event->position().toPoint());
    if (item == nullptr || item->data(0, kListRole).toString().isEmpty()) {
      event->ignore();
      return;
    }
    QTreeWidget::dragMoveEvent(event);
    event->setDropAction(Qt::CopyAction);
    event->accept();
    return;
  }
  if (!droppedLocalPaths(data).isEmpty()) {
    event->setDropAction(Qt::CopyAction);
    event->accept();
    return;
  }
  event->ignore();
}

void LibrarySidebar::dropEvent(QDropEvent* event) {
  // Files are sources wherever they land; the view would take them only where a row takes drops.
  const QMimeData* data = event->mimeData();
  if (!data->hasFormat(rowdrag::kLibrarySoundsMimeType)) {
    const QStringList paths = droppedLocalPaths(data);
    if (paths.isEmpty()) {
      event->ignore();
      return;
    }
    event->setDropAction(Qt::CopyAction);
    event->accept();
    Q_EMIT pathsDropped(paths);
    return;
  }
  QTreeWidget::dropEvent(event);
}

bool LibrarySidebar::dropMimeData(QTreeWidgetItem* parent, int index, const QMimeData* data,
                                  Qt::DropAction) {
  if (data->hasFormat(rowdrag::kLibrarySoundsMimeType)) {
    // Dropped onto a row, the row is the parent; between rows, the row at index under it.
    QTreeWidgetItem* target = parent;
    if (target != nullptr && index >= 0 && index < target->childCount())
      target = target->child(index);
    const QString list = target != nullptr ? target->data(0, kListRole).toString() : QString();
    const auto ids = rowdrag::decodeLibrarySounds(data->data(rowdrag::kLibrarySoundsMimeType));
    if (list.isEmpty() || !ids) return false;
    Q_EMIT soundsDroppedOnList(list, *ids);
    return true;
  }
  const QStringList paths = droppedLocalPaths(data);
  if (paths.isEmpty()) return false;
  Q_EMIT pathsDropped(paths);
  return true;
}

QStringList droppedLocalPaths(const QMimeData* data) {
  QStringList paths;
  if (data == nullptr || !data->hasUrls()) return paths;
  for (const QUrl& url : data->urls()) {
    if (!url.isLocalFile()) return {};
    paths << url.toLocalFile();
  }
  return paths;
}

}  // namespace slotsmith
