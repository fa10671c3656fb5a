// The area of the main window onto which the user drops the database folder. It tests every
// dropped folder with the database test it is given, keeps the first that passes as the database
// root (`path`) and announces it one second later with folderWasDropped(). Edits switch it off
// while they run so that no new root can arrive in the middle of an edit.
#pragma once

#include <QString>
#include <QTimer>
#include <QWidget>
#include <functional>

class QMimeData;

namespace slotsmith {

class myDropSpace : public QWidget {
  Q_OBJECT

 public:
  using DatabaseTest = std::function<bool(const QString& folderPath)>;

  explicit myDropSpace(QWidget* parent = nullptr);

  void setDatabaseTest(DatabaseTest isValidDatabase) {
    isValidDatabase_ = std::move(isValidDatabase);
  }

  const QString& path() const { return path_; }
  void setPath(const QString& path);

  void setDropEnabled();
  void setDropDisabled();
  bool dropEnabled() const { return dropEnabled_; }
  bool highlighted() const { return highlighted_; }
  bool notificationPending() const { return timer_.isActive(); }

  // The delay between an accepted drop and its announcement; one second unless a test shortens it.
  void setNotificationDelay(int milliseconds) { timer_.setInterval(milliseconds); }

  // The drop steps, public so that the drop can be driven without a window system drag.
  bool acceptsDragOf(const QMimeData* data, const QObject* source) const;
  bool performDragOperation(const QMimeData* data);
  void concludeDragOperation();

  QSize sizeHint() const override { return {320, 240}; }

 Q_SIGNALS:
  // Posted once per accepted drop that set a new path (the latest, when drops follow quickly).
  void folderWasDropped(myDropSpace* zone);
  // A drop of folders none of which passed the database test (the first of them named).
  void folderRefused(const QString& path);

 public Q_SLOTS:
  void sendDropNotification();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragLeaveEvent(QDragLeaveEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void setHighlighted(bool highlighted);
  void drawStringCenteredIn(QPainter& painter, const QRectF& rect, const QString& string,
                            const QColor& colour) const;
  // A text colour that can be read on the background.
  QColor legibleOn(const QColor& background) const;

  bool highlighted_ = false;
  bool dropEnabled_ = true;
  QFont attributesFont_;
  QColor attributesColor_;
  QString path_;
  bool hasNewPath_ = false;
  // A notification that fell due while drops were off: an edit or a scan is running, and a new
  // root must not replace the tables under it. It is sent again once drops are back on.
  bool notificationDeferred_ = false;
  QTimer timer_;
  DatabaseTest isValidDatabase_;
};

}  // namespace slotsmith
