// The small main window: the drop zone for the database folder, the path of the open database
// and the version of the application.
#pragma once

#include <QMainWindow>

class QLabel;

namespace slotsmith {

class myDropSpace;

class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  explicit MainWindow(QWidget* parent = nullptr);

  myDropSpace* dropSpaceView() const { return dropSpaceView_; }
  QLabel* pathAsText() const { return pathAsText_; }
  QLabel* versionText() const { return versionText_; }

 private:
  myDropSpace* dropSpaceView_;
  QLabel* pathAsText_;
  QLabel* versionText_;
};

}  // namespace slotsmith
