// The sounds a library search found, one row each however many places a sound has: its name,
// tags, favourite star and places (the sources in the tooltip). Rows are dragged out as the
// sounds' identities, which the main window's sound list places into the open database with the
// models they play (one undoable edit); a sound the library knows no reachable place of cannot be
// dragged, and is drawn greyed with the reason in its tooltip.
#pragma once

#include <QAbstractTableModel>
#include <QString>
#include <map>
#include <string>
#include <vector>

#include "library/Library.h"
#include "library/Search.h"

namespace slotsmith {

class LibrarySoundsModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  enum Column { Name, Tags, Favourite, Places, Models, ColumnCount };

  explicit LibrarySoundsModel(QObject* parent = nullptr);

  // Shows the sounds found, in their order (natural by name).
  void setSounds(std::vector<FoundItem> sounds);
  const std::vector<FoundItem>& sounds() const { return sounds_; }
  const FoundItem* soundAt(int row) const;
  // Fills in the models the sounds play (FoundItem::models), by id, once they are read.
  void setModelNames(const std::map<std::string, std::vector<std::string>>& models);
  // While the rows are a list's items in its order, they can be dragged within the table to
  // reorder it (reorderRequested); a sound out of reach is draggable then too, but carries
  // nothing a bank could take.
  void setReorderable(bool reorderable) { reorderable_ = reorderable; }
  bool isReorderable() const { return reorderable_; }
  // The row of the sound with that id, or -1.
  int rowOf(const std::string& id) const;

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  QStringList mimeTypes() const override;
  QMimeData* mimeData(const QModelIndexList& indexes) const override;
  Qt::DropActions supportedDragActions() const override { return Qt::CopyAction; }
  Qt::DropActions supportedDropActions() const override { return Qt::CopyAction; }
  bool canDropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                       const QModelIndex& parent) const override;
  bool dropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                    const QModelIndex& parent) override;

  // The state of each source as the library last saw it, by path; a source not given counts as
  // in reach.
  void setSourceStates(std::map<std::string, SourceState> states);
  // Whether a place of the sound lies in a source in reach (ok or changed).
  bool isReachable(const FoundItem& sound) const;

 Q_SIGNALS:
  // Rows of a list dragged to stand before row (rowCount: at the end).
  void reorderRequested(const std::vector<std::string>& ids, int row);

 private:
  std::vector<FoundItem> sounds_;
  bool reorderable_ = false;
  std::map<std::string, SourceState> states_;
};

}  // namespace slotsmith
