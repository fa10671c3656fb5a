// Draws the splash image over a transparent background. The image's own outline is the shape of
// the splash: everything outside it stays see-through, and the soft shadow follows it.
#pragma once

#include <QImage>
#include <QWidget>

namespace slotsmith {

class LUMCustomView : public QWidget {
  Q_OBJECT

 public:
  explicit LUMCustomView(QWidget* parent = nullptr);

  // Takes the splash image and asks for a redraw.
  void awakeFromNib();
  const QImage& backImage() const { return backImage_; }

  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QImage backImage_;
};

}  // namespace slotsmith
