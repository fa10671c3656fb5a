// The Library window's sidebar, as a tree that also takes part in drag and drop: sounds dragged
// from the table onto a list go into that list, folders and archives dropped from the file manager
// become sources, and a list dragged out carries its sounds, in its order, to wherever sounds of
// the library can be dropped (the main window's sound list places them into the open database).
#pragma once

#include <QTreeWidget>
#include <map>
#include <string>
#include <vector>

namespace slotsmith {

class LibrarySidebar : public QTreeWidget {
  Q_OBJECT

 public:
  // What a row holds: the terms it narrows the search to, for a source its path, for a list its
  // name.
  static constexpr int kTermsRole = Qt::UserRole;
  static constexpr int kSourceRole = Qt::UserRole + 1;
  static constexpr int kListRole = Qt::UserRole + 2;

  explicit LibrarySidebar(QWidget* parent = nullptr);

  // The ids of the sounds of each list, in its order, as the sidebar was last read: what a list
  // dragged out carries.
  void setListSounds(std::map<std::string, std::vector<std::string>> sounds) {
    listSounds_ = std::move(sounds);
  }

 Q_SIGNALS:
  void soundsDroppedOnList(const QString& list, const std::vector<std::string>& ids);
  void pathsDropped(const QStringList& paths);

 protected:
  QStringList mimeTypes() const override;
  QMimeData* mimeData(const QList<QTreeWidgetItem*>& items) const override;
  bool dropMimeData(QTreeWidgetItem* parent, int index, const QMimeData* data,
                    Qt::DropAction action) override;
  Qt::DropActions supportedDropActions() const override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  std::map<std::string, std::vector<std::string>> listSounds_;
};

// The local folders and files a drag from the file manager carries; none when it carries anything
// else too.
QStringList droppedLocalPaths(const QMimeData* data);

}  // namespace slotsmith
