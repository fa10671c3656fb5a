// What the two slot lists have in common: 1000 rows, one per slot, never editable, columns told
// apart by identifier, every cell read straight from the slot tables on request (nothing is
// cached, so a redraw after a scan is all it takes to show a new state), and row drag and drop:
// the dragged rows travel in the list's own MIME type and a drop between two rows is handed to
// the drop handler with the dragged rows, the gap (0..1000) and the drop action.
#pragma once

#include <string>

#include <QAbstractTableModel>
#include <QStringList>
#include <functional>
#include <string>
#include <vector>

#include "core/SlotTables.h"

namespace slotsmith {

class SlotListModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  // headerData() with this role answers the column identifier.
  static constexpr int ColumnIdentifierRole = Qt::UserRole + 1;

  using DropHandler = std::function<void(const QList<int>& rows, int row, Qt::DropAction action)>;

  SlotListModel(const slotsmith::SlotTables& tables, QStringList identifiers, QStringList titles,
                QString rowMimeType, QObject* parent = nullptr);

  void setDropHandler(DropHandler handler) { dropHandler_ = std::move(handler); }

  // The name cell of an occupied slot is editable once a rename handler is set; an edited name
  // goes to the handler (which renames the slot on disk), never into the tables directly.
  using RenameHandler = std::function<void(int row, const QString& name)>;
  void setRenameHandler(RenameHandler handler) { renameHandler_ = std::move(handler); }
  bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

  // Sound rows dragged from another database's window are handed to the import handler with that
  // database's root, the rows and the gap they were dropped into.
  using ImportHandler =
      std::function<void(const QByteArray& sourceRoot, const QList<int>& rows, int row)>;
  void setImportHandler(ImportHandler handler) { importHandler_ = std::move(handler); }
  // Sounds dragged from the library window go to the library handler with their ids (lower-case
  // hex) and the gap, to be placed there.
  using LibraryHandler = std::function<void(const std::vector<std::string>& ids, int row)>;
  void setLibraryHandler(LibraryHandler handler) { libraryHandler_ = std::move(handler); }
  // A file dragged in from another program (a sound pack): accepts tells whether it is one the
  // list takes, drop imports it at the gap it was dropped into.
  struct FileDropHandler {
    std::function<bool(const QString& file)> accepts;
    std::function<void(const QString& file, int row)> drop;
  };
  void setFileDropHandler(FileDropHandler handler) { fileDropHandler_ = std::move(handler); }
  // A further format every drag of this list carries (the other database's root).
  void addDragData(const QString& format, const QByteArray& data) { dragData_ = {format, data}; }

  QString columnIdentifier(int column) const { return identifiers_.value(column); }
  int columnOf(const QString& identifier) const { return identifiers_.indexOf(identifier); }
  // The content of a cell: a number or a text; the empty text for an unknown identifier.
  virtual QVariant cellContent(const QString& identifier, int row) const = 0;

  // Every cell may have changed (after a scan): the views repaint, selections stay as they are.
  void redraw();

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation,
                      int role = Qt::DisplayRole) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;

  QStringList mimeTypes() const override;
  QMimeData* mimeData(const QModelIndexList& indexes) const override;
  bool canDropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                       const QModelIndex& parent) const override;
  bool dropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                    const QModelIndex& parent) override;
  Qt::DropActions supportedDragActions() const override;
  Qt::DropActions supportedDropActions() const override;

 protected:
  const slotsmith::SlotTables& tables() const { return tables_; }
  // The column identifier of the slot's name, and whether the slot holds a sound or a model.
  virtual QString nameIdentifier() const = 0;
  virtual bool holdsSlot(int row) const = 0;

 private:
  bool takesFile(const QMimeData* data) const;

  const slotsmith::SlotTables& tables_;
  QStringList identifiers_;
  QStringList titles_;
  QString rowMimeType_;
  DropHandler dropHandler_;
  RenameHandler renameHandler_;
  ImportHandler importHandler_;
  LibraryHandler libraryHandler_;
  FileDropHandler fileDropHandler_;
  std::pair<QString, QByteArray> dragData_;
};

// A name cell: names are the bytes of the database files, and each byte shows as one character.
QString nameText(const char* name);
QString nameText(const std::string& text);

}  // namespace slotsmith
