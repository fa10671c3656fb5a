// The editor of a name cell: it takes only what a slot name can hold (printable ASCII, up to 16
// characters for a sound and 15 for a model), while the user types, rather than refusing the
// name once it is entered.
#pragma once

#include <QStyledItemDelegate>

#include "core/DatabasePaths.h"

namespace slotsmith {

class NameEditor : public QStyledItemDelegate {
  Q_OBJECT

 public:
  NameEditor(Bank bank, QObject* parent);

  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                        const QModelIndex& index) const override;

 private:
  Bank bank_;
};

}  // namespace slotsmith
