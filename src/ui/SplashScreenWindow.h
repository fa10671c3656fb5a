// The splash screen: a borderless window showing the splash picture with the version on it.
#pragma once

#include "ui/LUMCustomWindow.h"

class QLabel;

namespace slotsmith {

class LUMCustomView;

class SplashScreenWindow : public LUMCustomWindow {
  Q_OBJECT

 public:
  explicit SplashScreenWindow(QWidget* parent = nullptr);

  LUMCustomView* view() const { return view_; }
  QLabel* versionTextSplash() const { return versionTextSplash_; }

 private:
  LUMCustomView* view_;
  QLabel* versionTextSplash_;
};

}  // namespace slotsmith
