// The editor of a name cell. A slot name holds printable ASCII only, up to 16 characters for a
// sound and 15 for a model. Whatever the user types or pastes stays in the field, so that nothing
// is dropped behind their back; a name that cannot be stored says why in a tool tip at the field,
// and Return does not take it until it can.
#pragma once

#include <QStyledItemDelegate>

#include "core/DatabasePaths.h"

namespace slotsmith {

// Why the name cannot be stored in the bank, or an empty string when it can.
QString nameProblem(Bank bank, const QString& name);

class NameEditor : public QStyledItemDelegate {
  Q_OBJECT

 public:
  NameEditor(Bank bank, QObject* parent);

  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                        const QModelIndex& index) const override;
  void setEditorData(QWidget* editor, const QModelIndex& index) const override;

 private:
  Bank bank_;
};

}  // namespace slotsmith
