#include "app/NameEditor.h"

#include <QLineEdit>
#include <QRegularExpression>
#include <QRegularExpressionValidator>

#include "core/SlotNames.h"

namespace slotsmith {

NameEditor::NameEditor(Bank bank, QObject* parent) : QStyledItemDelegate(parent), bank_(bank) {}

QWidget* NameEditor::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                  const QModelIndex& index) const {
  QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
  if (auto* line = qobject_cast<QLineEdit*>(editor)) {
    const int length =
        static_cast<int>(bank_ == Bank::Sounds ? kSoundNameLength : kModelNameLength);
    line->setMaxLength(length);
    // Space to tilde, as checkSlotName accepts; anything else is not typed in at all.
    static const QRegularExpression printable(QStringLiteral("[ -~]*"));
    line->setValidator(new QRegularExpressionValidator(printable, line));
  }
  return editor;
}

}  // namespace slotsmith
