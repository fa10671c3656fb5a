// A window without frame or title bar, with a transparent background, that the user moves by
// dragging anywhere on it and that fades in and out by stepping its opacity. The splash screen
// is one. The fades block the caller for their whole length (26 steps of 30 ms), so they are
// used only where nothing else can be waiting: at start-up and when the splash goes.
#pragma once

#include <QPointF>
#include <QRect>
#include <QWidget>

namespace slotsmith {

class LUMCustomWindow : public QWidget {
  Q_OBJECT

 public:
  explicit LUMCustomWindow(QWidget* parent = nullptr);

  // Completes the set-up of a window made for the interface: dragging is allowed from now on.
  void awakeFromNib();

  bool allowsDragging() const { return allowsDragging_; }
  void setAllowsDragging(bool allowsDragging) { allowsDragging_ = allowsDragging; }

  void fadeIn();
  void fadeOut();
  // The opacity last set by a fade or by the splash, exactly (the window system may round it).
  float opacity() const { return opacity_; }
  void setOpacity(float opacity);
  // The pause between two fade steps; 0.03 s unless a test shortens it.
  void setFadeStepSeconds(double seconds) { fadeStepSeconds_ = seconds; }

  // One-second animated changes of the window; doTest() then ends the application.
  void zoomIn();
  void zoomOut();
  void doTest();

  // Closes the window without the close request's fade and quit, as the splash removal does.
  void closeDirectly();

  // Where the window goes when the mouse, pressed at initialLocation, is at globalMouse: the
  // window's top stays at least 22 pixels below the top of the primary screen; no other limit.
  QPoint originForDragTo(const QPointF& globalMouse) const;
  // The close/minimize/zoom strip of the title area, in window coordinates.
  QRect cmzStripRect() const;

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void fade(float startOpacity, double factor);
  void animateGeometry(const QRect& from, const QRect& to, bool quitAfterwards);

  QPointF initialLocation_;
  int cmzButtonSpacing_ = 25;
  int horizCMZButtonOffset_ = 86;
  int vertCMZButtonOffset_ = 70;
  bool allowsDragging_ = false;
  bool closingDirectly_ = false;
  double fadeStepSeconds_ = 0.03;
  float opacity_ = 1.0f;
};

}  // namespace slotsmith
