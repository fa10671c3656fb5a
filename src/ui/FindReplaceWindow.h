// The find and replace panel: the model to find (`source`), the model to put in its place
// (`destination`), and the buttons that start or cancel the replacement. It is not modal, so the
// user may change the sound selection while it is open.
#pragma once

#include <QDialog>

class QComboBox;
class QPushButton;

namespace slotsmith {

class FindReplaceWindow : public QDialog {
  Q_OBJECT

 public:
  explicit FindReplaceWindow(QWidget* parent = nullptr);

  QComboBox* source() const { return source_; }
  QComboBox* destination() const { return destination_; }
  QPushButton* replaceButton() const { return replaceButton_; }
  QPushButton* cancelButton() const { return cancelButton_; }

 private:
  QComboBox* source_;
  QComboBox* destination_;
  QPushButton* replaceButton_;
  QPushButton* cancelButton_;
};

}  // namespace slotsmith
