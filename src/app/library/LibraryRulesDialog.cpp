#include "app/library/LibraryRulesDialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSet>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <string>

#include "app/library/LibraryWorker.h"
#include "library/Rules.h"
#include "library/Sqlite.h"

namespace slotsmith {

namespace {

// The stored rule a row stands for (0: a new one).
constexpr int kRuleIdRole = Qt::UserRole;

QString text(const std::string& utf8) {
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::string utf8(const QString& text) {
  return text.trimmed().toUtf8().toStdString();
}

}  // namespace

LibraryRulesDialog::LibraryRulesDialog(LibraryWorker& worker, QWidget* parent)
    : QDialog(parent),
      worker_(worker),
      table_(new QTableWidget(0, ColumnCount, this)),
      status_(new QLabel(this)),
      typing_(new QTimer(this)) {
  setWindowTitle(tr("Category Rules"));
  setObjectName(QStringLiteral("libraryRules"));
  auto* intro = new QLabel(
      tr("Each rule gives its tag to every sound with a name its pattern matches: "
         "<b>pad</b> the word, <b>pad*</b> words that begin so, <b>*pad</b> words that end so, "
         "<b>*pad*</b> anywhere; commas separate alternatives. Tags you set or took off by hand "
         "stay."),
      this);
  intro->setWordWrap(true);
  table_->setHorizontalHeaderLabels({tr("Tag"), tr("Pattern"), tr("Sounds")});
  table_->horizontalHeader()->setSectionResizeMode(Pattern, QHeaderView::Stretch);
  table_->horizontalHeader()->setSectionResizeMode(Sounds, QHeaderView::ResizeToContents);
  table_->verticalHeader()->hide();
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->setToolTip(tr("Sounds: how many sounds the pattern matches now"));
  typing_->setSingleShot(true);
  typing_->setInterval(250);
  connect(typing_, &QTimer::timeout, this, &LibraryRulesDialog::count);
  connect(table_, &QTableWidget::cellChanged, this, &LibraryRulesDialog::editedCell);

  auto* add = new QPushButton(tr("&Add Rule"), this);
  auto* remove = new QPushButton(tr("&Remove Rule"), this);
  connect(add, &QPushButton::clicked, this, &LibraryRulesDialog::addRule);
  connect(remove, &QPushButton::clicked, this, &LibraryRulesDialog::removeSelectedRules);
  auto* rowButtons = new QHBoxLayout;
  rowButtons->addWidget(add);
  rowButtons->addWidget(remove);
  rowButtons->addStretch();
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Apply | QDialogButtonBox::Close, this);
  buttons->button(QDialogButtonBox::Apply)
      ->setToolTip(tr("Keep the rules as they are here and run them on every sound again"));
  connect(buttons->button(QDialogButtonBox::Apply), &QPushButton::clicked, this,
          &LibraryRulesDialog::apply);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(intro);
  layout->addWidget(table_, 1);
  layout->addLayout(rowButtons);
  layout->addWidget(status_);
  layout->addWidget(buttons);
  resize(560, 420);
  read();
}

void LibraryRulesDialog::read() {
  worker_.post([this](Library* library, const Status& opened) {
    std::vector<RuleRecord> rules;
    Status status = opened;
    if (library != nullptr) status = readRules(library->connection(), rules);
    LibraryWorker::answer(this, [this, status, rules] {
      filling_ = true;
      table_->setRowCount(0);
      removed_.clear();
      for (const RuleRecord& rule : rules) {
        const int row = table_->rowCount();
        table_->insertRow(row);
        auto* tag = new QTableWidgetItem(text(rule.tag));
        tag->setData(kRuleIdRole, static_cast<qlonglong>(rule.id));
        table_->setItem(row, Tag, tag);
        table_->setItem(row, Pattern, new QTableWidgetItem(text(rule.pattern)));
        auto* sounds = new QTableWidgetItem;
        sounds->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        sounds->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        table_->setItem(row, Sounds, sounds);
      }
      filling_ = false;
      if (!status.isOk()) status_->setText(text(status.message()));
      Q_EMIT rulesRead();
      count();
    });
  });
}

void LibraryRulesDialog::editedCell(int, int column) {
  if (filling_) return;
  if (column == Pattern) typing_->start();
}

void LibraryRulesDialog::count() {
  typing_->stop();
  std::vector<std::string> patterns;
  for (int row = 0; row < table_->rowCount(); ++row) {
    const QTableWidgetItem* pattern = table_->item(row, Pattern);
    patterns.push_back(pattern != nullptr ? utf8(pattern->text()) : std::string());
  }
  const std::uint64_t ticket = ++counts_;
  worker_.post([this, ticket, patterns](Library* library, const Status&) {
    std::vector<std::int64_t> counts;
    if (library == nullptr || !countRuleMatches(library->connection(), patterns, counts).isOk())
      return;
    LibraryWorker::answer(this, [this, ticket, patterns, counts] {
      if (ticket != counts_ || static_cast<int>(counts.size()) != table_->rowCount()) return;
      filling_ = true;
      for (int row = 0; row < table_->rowCount(); ++row) {
        const std::size_t i = static_cast<std::size_t>(row);
        RulePattern parsed;
        const bool valid = RulePattern::parse(patterns[i], parsed).isOk();
        table_->item(row, Sounds)->setText(valid ? QString::number(counts[i]) : tr("invalid"));
      }
      filling_ = false;
      Q_EMIT counted();
    });
  });
}

void LibraryRulesDialog::addRule() {
  filling_ = true;
  const int row = table_->rowCount();
  table_->insertRow(row);
  auto* tag = new QTableWidgetItem;
  tag->setData(kRuleIdRole, qlonglong{0});
  table_->setItem(row, Tag, tag);
  table_->setItem(row, Pattern, new QTableWidgetItem);
  auto* sounds = new QTableWidgetItem;
  sounds->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
  table_->setItem(row, Sounds, sounds);
  filling_ = false;
  table_->setCurrentCell(row, Tag);
  table_->editItem(tag);
}

void LibraryRulesDialog::removeSelectedRules() {
  QList<int> rows;
  for (const QModelIndex& index : table_->selectionModel()->selectedRows())
    rows << index.row();
  std::sort(rows.begin(), rows.end(), std::greater<>());
  for (int row : rows) {
    const qlonglong id = table_->item(row, Tag)->data(kRuleIdRole).toLongLong();
    if (id != 0) removed_.push_back(id);
    table_->removeRow(row);
  }
  count();
}

void LibraryRulesDialog::apply() {
  std::vector<RuleRecord> rules;
  for (int row = 0; row < table_->rowCount(); ++row) {
    const QTableWidgetItem* tag = table_->item(row, Tag);
    const QTableWidgetItem* pattern = table_->item(row, Pattern);
    rules.push_back({tag->data(kRuleIdRole).toLongLong(), utf8(tag->text()),
                     pattern != nullptr ? utf8(pattern->text()) : std::string()});
  }
  const std::vector<std::int64_t> removed = removed_;
  worker_.post([this, rules, removed](Library* library, const Status& opened) mutable {
    Status status = opened;
    std::int64_t tagged = 0;
    if (library != nullptr) {
      SqliteConnection& connection = library->connection();
      SqliteTransaction transaction(connection);
      status = transaction.began();
      for (std::int64_t id : removed)
        if (status.isOk()) status = removeRule(connection, id);
      for (RuleRecord& rule : rules) {
        if (!status.isOk()) break;
        status = rule.id != 0 ? changeRule(connection, rule) : slotsmith::addRule(connection, rule);
        if (!status.isOk()) {
          const QString reason = QString::fromStdString(status.message());
          status = Status::refused(
              (rule.tag.empty() ? LibraryRulesDialog::tr("The rule for a new tag: %1").arg(reason)
                                : LibraryRulesDialog::tr("The rule for %1: %2")
                                      .arg(QString::fromStdString(rule.tag), reason))
                  .toStdString());
        }
      }
      if (status.isOk()) status = categorizeAll(connection, &tagged);
      if (status.isOk()) status = transaction.commit();
    }
    LibraryWorker::answer(this, [this, status, tagged] {
      status_->setText(status.isOk()
                           ? tr("The rules give %n tag(s) now.", "", static_cast<int>(tagged))
                           : text(status.message()) + u' ' + tr("Nothing was changed."));
      if (status.isOk()) read();
      Q_EMIT applied(status.isOk());
    });
  });
}

}  // namespace slotsmith
