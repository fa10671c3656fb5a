// The one progress display of the application. Every long database operation opens it with a
// line of text and a maximum, advances the bar once per slot and closes it at the end. All work
// runs on the main thread, so while the panel is open each progress call runs one short pass of
// the event loop: the panel redraws, but no user input reaches any window, which keeps a second
// operation from starting inside the first. There is no cancel: an edit runs to its end.
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>

class QDialog;
class QLabel;
class QProgressBar;
class QWidget;

namespace slotsmith {

class LUMModalProgressWindow : public QObject {
  Q_OBJECT

 public:
  // The panel is a child window of parentWindow (so it never counts as the application's last
  // window) and is modal for the whole application while open.
  explicit LUMModalProgressWindow(QWidget* parentWindow = nullptr);
  ~LUMModalProgressWindow() override;

  // The window the panel belongs to from now on: it stays above that window and is centred on
  // it, so the window the user works in is never pushed behind another one.
  void setParentWindow(QWidget* parentWindow);

  void openWithText(const QString& text, int sliderMax);
  void open();
  void waitNextEvent();
  void setText(const QString& text);
  void setSlider(int position);
  void setSliderMax(int maximum);
  void close();

  bool sessionIsOpen() const { return session_; }
  QString text() const;
  // The last position given, also when it lies above the maximum (the bar shows it full).
  int slider() const { return slider_; }
  int sliderMax() const;
  QDialog* window() const { return window_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void runSessionOnce();
  // Gives the keys back to the widget that had them when the panel opened, when they are with
  // nobody or with the hidden panel.
  void giveKeysBack();
  bool justClosed() const;

  QProgressBar* progressBar_ = nullptr;
  QLabel* progressText_ = nullptr;
  QPointer<QDialog> window_;
  bool session_ = false;
  QElapsedTimer sinceEvents_;  // since the events were last let through
  int slider_ = 0;
  QPointer<QWidget> keys_;     // the widget that had the keys when the panel opened
  bool keysWereOurs_ = false;  // one of the application's windows was active then
  QElapsedTimer sinceClose_;
};

}  // namespace slotsmith
