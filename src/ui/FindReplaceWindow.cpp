#include "ui/FindReplaceWindow.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace slotsmith {

FindReplaceWindow::FindReplaceWindow(QWidget* parent)
    : QDialog(parent),
      source_(new QComboBox),
      destination_(new QComboBox),
      replaceButton_(new QPushButton(tr("Replace"))),
      cancelButton_(new QPushButton(tr("Cancel"))) {
  setObjectName(QStringLiteral("findReplaceWindow"));
  setWindowTitle(tr("Find & Replace Model"));
  source_->setObjectName(QStringLiteral("source"));
  destination_->setObjectName(QStringLiteral("destination"));
  replaceButton_->setObjectName(QStringLiteral("replaceButton"));
  cancelButton_->setObjectName(QStringLiteral("cancelButton"));
  for (QComboBox* popup : {source_, destination_}) {
    popup->setMaxVisibleItems(24);
    popup->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  }

  auto* explanation =
      new QLabel(tr("Replaces the model in both model references of every "
                    "selected sound (all sounds when none was selected)."));
  explanation->setWordWrap(true);
  auto* form = new QFormLayout;
  form->addRow(tr("Find model:"), source_);
  form->addRow(tr("Replace with:"), destination_);

  auto* buttons = new QDialogButtonBox;
  buttons->addButton(replaceButton_, QDialogButtonBox::AcceptRole);
  buttons->addButton(cancelButton_, QDialogButtonBox::RejectRole);
  replaceButton_->setDefault(true);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(explanation);
  layout->addLayout(form);
  layout->addWidget(buttons);
}

}  // namespace slotsmith
