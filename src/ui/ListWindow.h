// The window that holds both slot lists side by side: the sound list on the left, the model
// list on the right, each with a one-line summary and a filter field above it and a map of its
// bank beside it, and the selection-following check box below. It only lays the lists out; what
// they show comes from their models.
#pragma once

#include <QMainWindow>

class QCheckBox;
class QLabel;
class QLineEdit;

namespace slotsmith {

class BankMap;
class SlotTableView;

class ListWindow : public QMainWindow {
  Q_OBJECT

 public:
  explicit ListWindow(QWidget* parent = nullptr);

  SlotTableView* soundList() const { return soundList_; }
  SlotTableView* unusedList() const { return unusedList_; }
  QCheckBox* realtimeSearch() const { return realtimeSearch_; }
  QLabel* soundSummary() const { return soundSummary_; }
  QLabel* modelSummary() const { return modelSummary_; }
  // Above each list: the filter field and "12 of 1000 rows" beside it.
  QLineEdit* soundFilter() const { return soundFilter_; }
  QLineEdit* modelFilter() const { return modelFilter_; }
  QLabel* soundFilterCount() const { return soundFilterCount_; }
  QLabel* modelFilterCount() const { return modelFilterCount_; }
  BankMap* soundMap() const { return soundMap_; }
  BankMap* modelMap() const { return modelMap_; }

  // Whether the user wants the maps (Window > Show Bank Maps). A wanted map still gives way
  // while its column is too narrow for the list beside it: the lists come first.
  void setBankMapsWanted(bool wanted);

  // Shows the database root in the title ("Slotsmith" alone while none is open) and in the
  // status bar.
  // With gone, the folder is no longer there: the title and the status say so beside the path.
  void showDatabasePath(const QString& path, bool gone = false);

  // The status bar: the database path, the bank counts and the selection count stay; a message
  // (the result of the last edit, what was refused) shows for a while, longer when it is long.
  // While it shows, it has the room it needs and the facts are shortened.
  void showCounts(const QString& text);
  void showSelectionCount(const QString& text);
  // When the database was last backed up ("Last backup 08/12/2026 22:15"), empty when unknown.
  void showLastBackup(const QString& text);
  void showStatusMessage(const QString& text);
  QString statusMessage() const;
  // The facts that stay: selection, counts, last backup and path.
  QString statusFacts() const;

 private:
  void updateStatusFacts();
  // Shows or hides each map as its column's width allows.
  void fitBankMaps();
  // Leaves the message the room it needs; the facts take what is left.
  void makeRoomForMessage();
  bool eventFilter(QObject* watched, QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  QWidget* makeColumn(const QString& title, QLabel* summary, QLineEdit* filter, QLabel* count,
                      SlotTableView* list, BankMap* map);

  SlotTableView* soundList_;
  SlotTableView* unusedList_;
  QCheckBox* realtimeSearch_;
  QLabel* soundSummary_;
  QLabel* modelSummary_;
  QLineEdit* soundFilter_;
  QLineEdit* modelFilter_;
  QLabel* soundFilterCount_;
  QLabel* modelFilterCount_;
  BankMap* soundMap_;
  BankMap* modelMap_;
  QLabel* statusFacts_;
  QWidget* soundColumn_ = nullptr;
  QWidget* modelColumn_ = nullptr;
  bool mapsWanted_ = true;
  QString selection_;
  QString counts_;
  QString lastBackup_;
  QString path_;
};

}  // namespace slotsmith
