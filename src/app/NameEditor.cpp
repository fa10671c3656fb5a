#include "app/NameEditor.h"

#include <QLineEdit>
#include <QToolTip>
#include <QValidator>

#include "core/SlotNames.h"

namespace slotsmith {

namespace {

// Takes a name that can be stored; anything else stays in the field as unfinished input, which
// the item view does not commit on Return.
class NameValidator : public QValidator {
 public:
  NameValidator(Bank bank, QObject* parent) : QValidator(parent), bank_(bank) {}

  State validate(QString& input, int&) const override {
    return nameProblem(bank_, input).isEmpty() ? Acceptable : Intermediate;
  }

 private:
  Bank bank_;
};

}  // namespace

QString nameProblem(Bank bank, const QString& name) {
  // The same rule as the engine's checkSlotName, told in the user's terms while they type.
  if (name.isEmpty()) return QObject::tr("A name needs at least one character.");
  for (const QChar character : name) {
    if (character.unicode() < 0x20 || character.unicode() > 0x7e) {
      return QObject::tr(
                 "\"%1\" cannot be stored in a name: names hold only the characters of "
                 "plain ASCII, from space to ~.")
          .arg(character);
    }
  }
  const bool sound = bank == Bank::Sounds;
  const auto limit = static_cast<int>(sound ? kSoundNameLength : kModelNameLength);
  if (name.size() > limit) {
    return (sound ? QObject::tr("A sound name holds at most %1 characters; this one has %2.")
                  : QObject::tr("A model name holds at most %1 characters; this one has %2."))
        .arg(limit)
        .arg(name.size());
  }
  return {};
}

NameEditor::NameEditor(Bank bank, QObject* parent) : QStyledItemDelegate(parent), bank_(bank) {}

void NameEditor::setEditorData(QWidget* editor, const QModelIndex& index) const {
  // A list is drawn again when anything about its rows changes (the library's marks, a look at
  // the disk that found nothing new); a name the user has begun typing stays as typed.
  if (auto* line = qobject_cast<QLineEdit*>(editor); line != nullptr && line->isModified()) return;
  QStyledItemDelegate::setEditorData(editor, index);
}

QWidget* NameEditor::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                  const QModelIndex& index) const {
  QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
  if (auto* line = qobject_cast<QLineEdit*>(editor)) {
    line->setValidator(new NameValidator(bank_, line));
    connect(line, &QLineEdit::textEdited, line, [line, bank = bank_](const QString& text) {
      const QString problem = nameProblem(bank, text);
      line->setToolTip(problem);
      if (problem.isEmpty()) {
        QToolTip::hideText();
      } else {
        QToolTip::showText(line->mapToGlobal(QPoint(0, line->height())), problem, line);
      }
    });
  }
  return editor;
}

}  // namespace slotsmith
