// The splash screen: a borderless window showing the splash picture with the version on it.
#pragma once

#include "ui/LUMCustomWindow.h"

class QLabel;
class QMouseEvent;

namespace slotsmith {

class LUMCustomView;

class SplashScreenWindow : public LUMCustomWindow {
  Q_OBJECT

 public:
  explicit SplashScreenWindow(QWidget* parent = nullptr);

  LUMCustomView* view() const { return view_; }
  QLabel* versionTextSplash() const { return versionTextSplash_; }

 Q_SIGNALS:
  // A click (not a drag) on the splash: the user wants it gone now.
  void clicked();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  QPointF pressedAt_;
  LUMCustomView* view_;
  QLabel* versionTextSplash_;
};

}  // namespace slotsmith
