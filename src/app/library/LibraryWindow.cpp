#include "app/library/LibraryWindow.h"

#include <QAction>
#include <QCheckBox>
#include <QCompleter>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QSettings>
#include <QShortcut>
#include <QSortFilterProxyModel>
#include <QSplitter>
#include <QStringListModel>
#include <QTableView>
#include <QTimer>
#include <QTreeWidget>
#include <QUrl>
#include <QVBoxLayout>
#include <algorithm>
#include <set>

#include "app/Reveal.h"
#include "app/library/LibraryRulesDialog.h"
#include "app/library/LibrarySidebar.h"
#include "app/library/LibrarySoundsModel.h"
#include "app/library/LibraryWorker.h"
#include "core/NaturalOrder.h"
#include "library/Lists.h"
#include "library/UserData.h"

namespace slotsmith {

namespace {

// The sidebar's sections, in their order.
enum Section { SoundsSection, TagsSection, ListsSection, SourcesSection };

constexpr int kTermsRole = LibrarySidebar::kTermsRole;
constexpr int kSourceRole = LibrarySidebar::kSourceRole;
constexpr int kListRole = LibrarySidebar::kListRole;
// What a place row of the details holds: its source's path, its slot and whether the source is a
// database folder.
constexpr int kPlaceSourceRole = Qt::UserRole;
constexpr int kPlaceSlotRole = Qt::UserRole + 1;

// How long typing must pause before the search runs: a search per key would queue work the next
// key makes useless.
constexpr int kTypingPauseMs = 150;

const QString kSplitterKey = QStringLiteral("library/splitter");
const QString kColumnsKey = QStringLiteral("library/columns");
const QString kSearchKey = QStringLiteral("library/search");

QString text(const std::string& utf8) {
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::string utf8(const QString& text) {
  return text.toUtf8().toStdString();
}

QString stateText(SourceState state) {
  switch (state) {
    case SourceState::Ok:
      return LibraryWindow::tr("ok");
    case SourceState::Missing:
      return LibraryWindow::tr("missing");
    case SourceState::Changed:
      return LibraryWindow::tr("changed");
    case SourceState::Refused:
      return LibraryWindow::tr("refused");
  }
  return {};
}

// What a refresh came to, in one line.
QString refreshSummary(const std::vector<RefreshOutcome>& outcomes, bool stopped) {
  int read = 0;
  std::vector<QString> failures;
  for (const RefreshOutcome& outcome : outcomes) {
    if (!outcome.status.isOk()) failures.push_back(text(outcome.status.message()));
    if (outcome.slotsRead > 0) ++read;
  }
  QString summary = read == 0 ? LibraryWindow::tr("Nothing had changed.")
                              : LibraryWindow::tr("%n source(s) read again.", "", read);
  if (!failures.empty()) {
    summary +=
        u' ' + LibraryWindow::tr("%n could not be read: %1", "", static_cast<int>(failures.size()))
                   .arg(failures.front());
  }
  if (stopped) summary += u' ' + LibraryWindow::tr("Stopped before the others.");
  return summary;
}

// The digests of ids of 64 hex digits; those that are not are left out.
std::vector<Digest> digestsOf(const std::vector<std::string>& ids) {
  std::vector<Digest> digests;
  for (const std::string& id : ids) {
    Digest digest{};
    if (digestOfHex(id, digest)) digests.push_back(digest);
  }
  return digests;
}

// What a refresh found that the user should hear of without looking: sources that had changed
// since they were read (before, as the refresh began) and were read again, and sources that went
// missing or were refused since the sidebar last showed them (was), with the reason; empty when
// there is nothing.
QString refreshNews(const std::map<std::string, SourceState>& was,
                    const std::vector<SourceRecord>& before,
                    const std::vector<SourceRecord>& after) {
  QStringList news;
  for (const SourceRecord& source : after) {
    const auto earlier = was.find(source.path);
    if (earlier != was.end() && earlier->second == source.state) continue;
    const QString name = QFileInfo(text(source.path)).fileName();
    if (source.state == SourceState::Missing) {
      news << LibraryWindow::tr("%1 is missing: it is not where it was (%2).")
                  .arg(name, text(source.path));
    } else if (source.state == SourceState::Refused) {
      news << LibraryWindow::tr("%1 could not be read: %2").arg(name, text(source.reason));
    }
  }
  // A slot read again because it was written just before the last reading is no change.
  std::map<std::string, SourceState> read;
  for (const SourceRecord& source : after)
    read[source.path] = source.state;
  const auto changed =
      std::count_if(before.begin(), before.end(), [&read](const SourceRecord& source) {
        const auto now = read.find(source.path);
        return source.state == SourceState::Changed && now != read.end() &&
               now->second == SourceState::Ok;
      });
  if (changed > 0) {
    news.prepend(LibraryWindow::tr("%n source(s) had changed and were read again.", "",
                                   static_cast<int>(changed)));
  }
  return news.join(u'\n');
}

// The sounds of a list as a search shows them, in the list's order, with the user's data.
Status readListSounds(Library& library, const std::string& name, std::vector<FoundItem>& found) {
  std::vector<ListItem> items;
  Status status = listItems(library, name, items);
  SqliteStatement flags;
  if (status.isOk()) {
    status = library.connection().prepare(
        "SELECT favourite, hidden FROM user_sounds WHERE identity = ?1", flags);
  }
  for (std::size_t i = 0; status.isOk() && i < items.size(); ++i) {
    const ListItem& item = items[i];
    FoundItem sound{hexOf(item.identity), item.name, {}, {}, false, false, {}};
    for (const ListPlace& place : item.places)
      sound.places.push_back({place.source, place.slot, place.name});
    const SoundId id(item.identity.begin(), item.identity.end());
    std::map<std::string, TagOrigin> tags;
    status = tagsOf(library.connection(), id, tags);
    for (const auto& [tag, origin] : tags)
      sound.tags.push_back(tag);
    bool row = false;
    if (status.isOk()) status = flags.bind(1, SqliteBlob{id});
    if (status.isOk()) status = flags.step(row);
    if (status.isOk() && row) {
      sound.favourite = flags.columnNumber(0) != 0;
      sound.hidden = flags.columnNumber(1) != 0;
    }
    flags.reset();
    found.push_back(std::move(sound));
  }
  return status;
}

// Sorts the table: names and tags in natural order, letter case ignored; the star and the
// places by their value.
class NaturalSortModel : public QSortFilterProxyModel {
 public:
  using QSortFilterProxyModel::QSortFilterProxyModel;

 protected:
  bool lessThan(const QModelIndex& left, const QModelIndex& right) const override {
    const QVariant a = left.data();
    const QVariant b = right.data();
    if (left.column() == LibrarySoundsModel::Places) return a.toInt() < b.toInt();
    return compareNaturally(a.toString().toCaseFolded().toStdString(),
                            b.toString().toCaseFolded().toStdString()) < 0;
  }
};

}  // namespace

// The sidebar's contents, read by the worker.
struct LibraryWindow::SidebarData {
  Status status;
  std::vector<SourceRecord> sources;
  std::vector<TagCount> tags;
  std::vector<ListSummary> lists;
  std::map<std::string, std::vector<std::string>> listSounds;  // ids, in each list's order
  std::int64_t all = 0;
  std::int64_t favourites = 0;
  std::int64_t atRisk = 0;
  std::int64_t hidden = 0;
};

LibraryWindow::LibraryWindow(const std::string& libraryPath,
                             std::function<void(const QString&, int)> openPlace, QWidget* parent)
    : QWidget(parent, Qt::Window),
      worker_(std::make_unique<LibraryWorker>(libraryPath)),
      openPlace_(std::move(openPlace)),
      search_(new QLineEdit(this)),
      typing_(new QTimer(this)),
      sidebar_(new LibrarySidebar(this)),
      table_(new QTableView(this)),
      sounds_(new LibrarySoundsModel(this)),
      sorted_(new NaturalSortModel(this)),
      splitter_(new QSplitter(this)),
      name_(new QLabel(this)),
      favourite_(new QCheckBox(tr("&Favourite"), this)),
      hidden_(new QCheckBox(tr("&Hidden"), this)),
      tagList_(new QListWidget(this)),
      tagEditor_(new QLineEdit(this)),
      tagNames_(new QStringListModel(this)),
      places_(new QListWidget(this)),
      models_(new QLabel(this)),
      note_(new QPlainTextEdit(this)),
      addSource_(new QPushButton(tr("&Add Source…"), this)),
      removeSource_(new QPushButton(tr("&Remove"), this)),
      refresh_(new QPushButton(tr("Refre&sh"), this)),
      cancel_(new QPushButton(tr("&Cancel"), this)),
      progress_(new QProgressBar(this)),
      status_(new QLabel(this)) {
  setWindowTitle(tr("Library"));
  setObjectName(QStringLiteral("libraryWindow"));

  search_->setObjectName(QStringLiteral("librarySearch"));
  search_->setClearButtonEnabled(true);
  search_->setPlaceholderText(tr("Search names, or tag:Pad, fav, at-risk, in:FOLDER, model:NAME"));
  typing_->setSingleShot(true);
  typing_->setInterval(kTypingPauseMs);
  connect(search_, &QLineEdit::textChanged, typing_, qOverload<>(&QTimer::start));
  connect(typing_, &QTimer::timeout, this, &LibraryWindow::search);
  // Ctrl+F goes to the search wherever the keys are, as in the lists of other desktop programs;
  // Down or Return there go on into the results (the filter below).
  auto* findKey = new QShortcut(QKeySequence::Find, this);
  connect(findKey, &QShortcut::activated, this, [this] {
    search_->setFocus(Qt::ShortcutFocusReason);
    search_->selectAll();
  });
  search_->installEventFilter(this);

  sidebar_->setObjectName(QStringLiteral("librarySidebar"));
  sidebar_->setHeaderHidden(true);
  sidebar_->setRootIsDecorated(false);
  buildSidebarSections();
  connect(sidebar_, &LibrarySidebar::soundsDroppedOnList, this, &LibraryWindow::addSoundsToList);
  connect(sidebar_, &LibrarySidebar::pathsDropped, this, &LibraryWindow::addSources);
  auto* renameKey =
      new QShortcut(QKeySequence(Qt::Key_F2), sidebar_, nullptr, nullptr, Qt::WidgetShortcut);
  connect(renameKey, &QShortcut::activated, this, [this] {
    if (const QTreeWidgetItem* item = sidebar_->currentItem()) {
      const QString list = item->data(0, kListRole).toString();
      if (!list.isEmpty()) renameList(list);
    }
  });
  connect(sidebar_, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
    const QStringList chosen =
        item != nullptr ? item->data(0, kTermsRole).toStringList() : QStringList();
    const QString list = item != nullptr ? item->data(0, kListRole).toString() : QString();
    removeSource_->setEnabled(item != nullptr && !item->data(0, kSourceRole).toString().isEmpty());
    if (chosen == chosen_ && list == chosenList_) return;
    chosen_ = chosen;
    chosenList_ = list;
    search();
  });

  table_->setObjectName(QStringLiteral("librarySounds"));
  // Sorted by a click on a column's header, names in natural order ("Pad 2" before "Pad 10");
  // until then in the order the search gives, which is that too.
  sorted_->setSourceModel(sounds_);
  table_->setModel(sorted_);
  table_->setSortingEnabled(true);
  table_->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  table_->setDragEnabled(true);
  table_->setDragDropMode(QAbstractItemView::DragOnly);
  table_->setDefaultDropAction(Qt::CopyAction);
  table_->verticalHeader()->hide();
  table_->setShowGrid(false);
  table_->setWordWrap(false);
  table_->setAlternatingRowColors(true);
  table_->horizontalHeader()->setStretchLastSection(false);
  table_->horizontalHeader()->setSectionResizeMode(LibrarySoundsModel::Name, QHeaderView::Stretch);
  table_->horizontalHeader()->setSectionResizeMode(LibrarySoundsModel::Favourite,
                                                   QHeaderView::ResizeToContents);
  table_->horizontalHeader()->setSectionResizeMode(LibrarySoundsModel::Places,
                                                   QHeaderView::ResizeToContents);
  table_->setDropIndicatorShown(true);
  table_->setDragDropOverwriteMode(false);
  connect(sounds_, &LibrarySoundsModel::reorderRequested, this, &LibraryWindow::moveListSounds);
  connect(table_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
          &LibraryWindow::showDetails);
  connect(table_->selectionModel(), &QItemSelectionModel::currentChanged, this,
          &LibraryWindow::showDetails);
  table_->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(table_, &QTableView::customContextMenuRequested, this, &LibraryWindow::showTableMenu);
  sidebar_->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(sidebar_, &QTreeWidget::customContextMenuRequested, this,
          &LibraryWindow::showSidebarMenu);
  // F and H act on the selected sounds, before the table's search by typed letters sees them.
  auto* favouriteKey =
      new QShortcut(QKeySequence(Qt::Key_F), table_, nullptr, nullptr, Qt::WidgetShortcut);
  connect(favouriteKey, &QShortcut::activated, this, &LibraryWindow::toggleFavourite);
  auto* hiddenKey =
      new QShortcut(QKeySequence(Qt::Key_H), table_, nullptr, nullptr, Qt::WidgetShortcut);
  connect(hiddenKey, &QShortcut::activated, this, &LibraryWindow::toggleHidden);

  // The details of the selected sound.
  auto* details = new QWidget(this);
  auto* detailsLayout = new QVBoxLayout(details);
  detailsLayout->setContentsMargins(0, 0, 0, 0);
  name_->setObjectName(QStringLiteral("librarySoundName"));
  name_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  name_->setWordWrap(true);
  QFont bold = name_->font();
  bold.setBold(true);
  name_->setFont(bold);
  // The tags as chips in a row that wraps; Delete or the menu takes the chosen one off.
  tagList_->setObjectName(QStringLiteral("libraryTags"));
  tagList_->setFlow(QListView::LeftToRight);
  tagList_->setWrapping(true);
  tagList_->setResizeMode(QListView::Adjust);
  tagList_->setSpacing(2);
  tagList_->setMaximumHeight(tagList_->fontMetrics().height() * 4);
  tagList_->setContextMenuPolicy(Qt::ActionsContextMenu);
  auto* untag = new QAction(tr("Remove Tag"), tagList_);
  untag->setShortcut(QKeySequence::Delete);
  untag->setShortcutContext(Qt::WidgetShortcut);
  tagList_->addAction(untag);
  connect(untag, &QAction::triggered, this, [this] {
    if (const QListWidgetItem* item = tagList_->currentItem()) {
      removeTagFromSelection(item->text());
    }
  });
  tagEditor_->setObjectName(QStringLiteral("libraryTagEditor"));
  tagEditor_->setPlaceholderText(tr("Add a tag…"));
  auto* completer = new QCompleter(tagNames_, tagEditor_);
  completer->setCaseSensitivity(Qt::CaseInsensitive);
  tagEditor_->setCompleter(completer);
  connect(tagEditor_, &QLineEdit::returnPressed, this, [this] {
    const QString tag = tagEditor_->text().trimmed();
    if (tag.isEmpty()) return;
    tagEditor_->clear();
    addTagToSelection(tag);
  });
  places_->setObjectName(QStringLiteral("libraryPlaces"));
  places_->setToolTip(tr("Double-click a place to open that database at that slot"));
  note_->setObjectName(QStringLiteral("libraryNote"));
  note_->setPlaceholderText(tr("A note about this sound"));
  // The note is kept when typing pauses, and before the details show another sound.
  noteTyping_ = new QTimer(this);
  noteTyping_->setSingleShot(true);
  noteTyping_->setInterval(600);
  connect(noteTyping_, &QTimer::timeout, this, &LibraryWindow::saveNote);
  connect(note_, &QPlainTextEdit::textChanged, this, [this] {
    if (!noteOf_.empty() && !note_->signalsBlocked()) noteTyping_->start();
  });
  auto* flags = new QHBoxLayout;
  flags->addWidget(favourite_);
  flags->addWidget(hidden_);
  flags->addStretch();
  detailsLayout->addWidget(name_);
  detailsLayout->addLayout(flags);
  detailsLayout->addWidget(new QLabel(tr("Tags:"), this));
  detailsLayout->addWidget(tagList_);
  detailsLayout->addWidget(tagEditor_);
  models_->setObjectName(QStringLiteral("libraryModels"));
  models_->setWordWrap(true);
  models_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  detailsLayout->addWidget(models_);
  detailsLayout->addWidget(new QLabel(tr("Places:"), this));
  detailsLayout->addWidget(places_, 2);
  detailsLayout->addWidget(new QLabel(tr("Note:"), this));
  detailsLayout->addWidget(note_, 1);
  // The boxes show the flags; a click changes them for the whole selection.
  connect(favourite_, &QCheckBox::clicked, this, [this] { setFlag(true); });
  connect(hidden_, &QCheckBox::clicked, this, [this] { setFlag(false); });
  connect(places_, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
    const QString source = item->data(kPlaceSourceRole).toString();
    if (QFileInfo(source).isDir()) {
      openPlace_(source, item->data(kPlaceSlotRole).toInt());
    } else if (!revealInFileManager(source)) {
      status_->setText(tr("%1 cannot be shown.").arg(source));
    }
  });

  // The sidebar with the sources' buttons below it.
  auto* side = new QWidget(this);
  auto* sideLayout = new QVBoxLayout(side);
  sideLayout->setContentsMargins(0, 0, 0, 0);
  sideLayout->addWidget(sidebar_);
  auto* sourceButtons = new QHBoxLayout;
  sourceButtons->addWidget(addSource_);
  sourceButtons->addWidget(removeSource_);
  sourceButtons->addWidget(refresh_);
  sideLayout->addLayout(sourceButtons);
  removeSource_->setEnabled(false);
  addSource_->setToolTip(tr("Add a database folder, a sound pack or a backup to the library"));
  refresh_->setToolTip(tr("Read again what changed in the library's sources"));
  connect(addSource_, &QPushButton::clicked, this, &LibraryWindow::chooseSources);
  connect(removeSource_, &QPushButton::clicked, this, &LibraryWindow::removeSelectedSource);
  connect(refresh_, &QPushButton::clicked, this, [this] { refreshSources(); });
  connect(cancel_, &QPushButton::clicked, this, &LibraryWindow::cancelRefresh);

  // An empty table says why: a library without sources, a list without sounds, a search that
  // finds nothing. The hint lies over the table and lets every click and drop through to it.
  emptyHint_ = new QLabel(table_->viewport());
  emptyHint_->setObjectName(QStringLiteral("libraryEmptyHint"));
  emptyHint_->setAlignment(Qt::AlignCenter);
  emptyHint_->setWordWrap(true);
  emptyHint_->setMargin(fontMetrics().height());
  emptyHint_->setAttribute(Qt::WA_TransparentForMouseEvents);
  emptyHint_->setForegroundRole(QPalette::PlaceholderText);
  auto* hintLayout = new QVBoxLayout(table_->viewport());
  hintLayout->setContentsMargins(0, 0, 0, 0);
  hintLayout->addWidget(emptyHint_);
  emptyHint_->hide();

  splitter_->setObjectName(QStringLiteral("librarySplitter"));
  splitter_->addWidget(side);
  splitter_->addWidget(table_);
  splitter_->addWidget(details);
  splitter_->setStretchFactor(1, 1);
  splitter_->setChildrenCollapsible(false);

  auto* footer = new QHBoxLayout;
  status_->setObjectName(QStringLiteral("libraryStatus"));
  status_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  footer->addWidget(status_, 1);
  footer->addWidget(progress_);
  footer->addWidget(cancel_);
  progress_->hide();
  cancel_->hide();

  auto* rules = new QPushButton(tr("R&ules…"), this);
  rules->setObjectName(QStringLiteral("libraryRulesButton"));
  rules->setToolTip(tr("The rules that tag sounds by their names"));
  connect(rules, &QPushButton::clicked, this, &LibraryWindow::showRules);
  auto* header = new QHBoxLayout;
  header->addWidget(search_, 1);
  header->addWidget(rules);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(header);
  layout->addWidget(splitter_, 1);
  layout->addLayout(footer);

  setAcceptDrops(true);
  restoreLayout();
  showDetails();
}

LibraryWindow::~LibraryWindow() {
  // The worker's thread ends here, while the widgets its answers reach are still there.
  worker_.reset();
}

void LibraryWindow::buildSidebarSections() {
  const auto heading = [this](const QString& title) {
    auto* item = new QTreeWidgetItem(sidebar_, {title});
    item->setFlags(Qt::ItemIsEnabled);
    QFont font = item->font(0);
    font.setBold(true);
    item->setFont(0, font);
    item->setExpanded(true);
    return item;
  };
  QTreeWidgetItem* sounds = heading(tr("Library"));
  const auto entry = [sounds](const QString& title, const QStringList& terms) {
    auto* item = new QTreeWidgetItem(sounds, {title});
    item->setData(0, kTermsRole, terms);
  };
  entry(tr("All Sounds"), {});
  entry(tr("Favourites"), {QStringLiteral("fav")});
  entry(tr("At Risk"), {QStringLiteral("at-risk")});
  entry(tr("Hidden"), {QStringLiteral("hidden")});
  heading(tr("Tags"));
  heading(tr("Lists"));
  heading(tr("Sources"));
  sidebar_->expandAll();
  sidebar_->setCurrentItem(sounds->child(0));
}

QTreeWidgetItem* LibraryWindow::section(int which) const {
  return sidebar_->topLevelItem(which);
}

QStringList LibraryWindow::terms() const {
  // Quotes keep a phrase together, as in a shell: "tag:Hi Hat", "glass pad".
  return chosen_ + QProcess::splitCommand(search_->text());
}

void LibraryWindow::reload() {
  search();
  const std::uint64_t ticket = ++sidebarReads_;
  worker_->post([this, ticket](Library* library, const Status& opened) {
    SidebarData data;
    data.status = opened;
    if (library != nullptr) {
      SqliteConnection& connection = library->connection();
      data.status = library->sources(data.sources);
      if (data.status.isOk()) data.status = countSoundsByTag(connection, data.tags);
      if (data.status.isOk()) data.status = listSummaries(*library, data.lists);
      if (data.status.isOk()) {
        SqliteStatement items;
        data.status = connection.prepare(
            "SELECT lists.name, lower(hex(list_items.identity)) FROM list_items "
            "JOIN lists ON lists.id = list_items.list ORDER BY list_items.list, "
            "list_items.position",
            items);
        bool row = true;
        while (data.status.isOk()) {
          data.status = items.step(row);
          if (!data.status.isOk() || !row) break;
          data.listSounds[items.columnText(0)].push_back(items.columnText(1));
        }
      }
      const auto count = [&](const std::vector<std::string>& terms, std::int64_t& counted) {
        SearchQuery query;
        std::vector<FoundItem> found;
        if (data.status.isOk()) data.status = parseSearchQuery(terms, query);
        if (data.status.isOk()) data.status = searchSounds(connection, query, found);
        counted = static_cast<std::int64_t>(found.size());
      };
      count({}, data.all);
      count({"fav"}, data.favourites);
      count({"at-risk"}, data.atRisk);
      count({"hidden"}, data.hidden);
    }
    LibraryWorker::answer(this, [this, ticket, data = std::move(data)] {
      if (ticket != sidebarReads_) return;
      showSidebar(data);
      Q_EMIT sidebarRead();
    });
  });
}

void LibraryWindow::showSidebar(const SidebarData& data) {
  if (!data.status.isOk()) {
    status_->setText(text(data.status.message()));
    return;
  }
  QTreeWidgetItem* sounds = section(SoundsSection);
  const std::int64_t counts[] = {data.all, data.favourites, data.atRisk, data.hidden};
  const QString titles[] = {tr("All Sounds"), tr("Favourites"), tr("At Risk"), tr("Hidden")};
  for (int i = 0; i < sounds->childCount(); ++i) {
    sounds->child(i)->setText(0, QStringLiteral("%1 (%2)").arg(titles[i]).arg(counts[i]));
  }
  // The tags and sources are made anew; the row the user chose stays chosen when it is still there.
  const QStringList current = chosen_;
  const QSignalBlocker blocker(sidebar_);
  QStringList names;
  for (const TagCount& tag : data.tags)
    names << text(tag.tag);
  tagNames_->setStringList(names);
  QTreeWidgetItem* tags = section(TagsSection);
  qDeleteAll(tags->takeChildren());
  QTreeWidgetItem* chosen = nullptr;
  for (const TagCount& tag : data.tags) {
    auto* item =
        new QTreeWidgetItem(tags, {QStringLiteral("%1 (%2)").arg(text(tag.tag)).arg(tag.sounds)});
    item->setData(0, kTermsRole, QStringList{QStringLiteral("tag:") + text(tag.tag)});
    if (item->data(0, kTermsRole).toStringList() == current) chosen = item;
  }
  QTreeWidgetItem* lists = section(ListsSection);
  qDeleteAll(lists->takeChildren());
  listNames_.clear();
  for (const ListSummary& list : data.lists) {
    const QString name = text(list.name);
    listNames_ << name;
    auto* item = new QTreeWidgetItem(lists, {QStringLiteral("%1 (%2)").arg(name).arg(list.sounds)});
    item->setData(0, kListRole, name);
    item->setFlags(item->flags() | Qt::ItemIsDragEnabled | Qt::ItemIsDropEnabled);
    item->setToolTip(0, tr("Drag sounds here to add them; drag the list into a bank to place it"));
    if (name == chosenList_) chosen = item;
  }
  QTreeWidgetItem* sources = section(SourcesSection);
  qDeleteAll(sources->takeChildren());
  std::map<std::string, SourceState> states;
  for (const SourceRecord& source : data.sources) {
    states[source.path] = source.state;
    const QString path = text(source.path);
    auto* item = new QTreeWidgetItem(
        sources,
        {QStringLiteral("%1 — %2").arg(QFileInfo(path).fileName(), stateText(source.state))});
    item->setData(0, kTermsRole, QStringList{QStringLiteral("in:") + path});
    item->setData(0, kSourceRole, path);
    QString tip = path + u'\n' + tr("%n sound(s)", "", static_cast<int>(source.sounds)) +
                  QStringLiteral(", ") + tr("%n model(s)", "", static_cast<int>(source.models));
    if (!source.reason.empty()) tip += u'\n' + text(source.reason);
    item->setToolTip(0, tip);
    if (source.state != SourceState::Ok) {
      item->setForeground(0, palette().brush(QPalette::Disabled, QPalette::Text));
    }
    if (item->data(0, kTermsRole).toStringList() == current) chosen = item;
  }
  seenStates_ = states;
  sounds_->setSourceStates(std::move(states));
  showEmptyHint();
  sidebar_->setListSounds(data.listSounds);
  for (int i = 0; chosen == nullptr && i < sounds->childCount(); ++i) {
    if (sounds->child(i)->data(0, kTermsRole).toStringList() == current) chosen = sounds->child(i);
  }
  if (chosen != nullptr) {
    sidebar_->setCurrentItem(chosen);
  } else {
    // The tag, list or source chosen is gone: all sounds again.
    sidebar_->setCurrentItem(sounds->child(0));
    chosen_.clear();
    chosenList_.clear();
    search();
  }
  removeSource_->setEnabled(chosen != nullptr &&
                            !chosen->data(0, kSourceRole).toString().isEmpty());
}

void LibraryWindow::search() {
  typing_->stop();
  const std::uint64_t ticket = ++searches_;
  std::vector<std::string> terms;
  for (const QString& term : this->terms())
    terms.push_back(utf8(term));
  // A list shows its sounds in its order; the words typed narrow it by name.
  const std::string list = utf8(chosenList_);
  const QStringList words = QProcess::splitCommand(search_->text());
  worker_->post([this, ticket, terms, list, words](Library* library, const Status& opened) {
    std::vector<FoundItem> found;
    std::map<std::string, int> positions;
    Status status = opened;
    if (library != nullptr && !list.empty()) {
      status = readListSounds(*library, list, found);
      for (std::size_t i = 0; i < found.size(); ++i)
        positions[found[i].id] = static_cast<int>(i + 1);
      std::erase_if(found, [&words](const FoundItem& sound) {
        const QString name = text(sound.name);
        return !std::all_of(words.begin(), words.end(), [&name](const QString& word) {
          return name.contains(word, Qt::CaseInsensitive);
        });
      });
    } else if (library != nullptr) {
      SearchQuery query;
      status = parseSearchQuery(terms, query);
      if (status.isOk()) status = searchSounds(library->connection(), query, found);
    }
    std::vector<std::string> ids;
    for (const FoundItem& sound : found)
      ids.push_back(sound.id);
    LibraryWorker::answer(this, [this, ticket, status, found = std::move(found),
                                 positions = std::move(positions),
                                 inList = !list.empty()]() mutable {
      if (ticket != searches_) return;
      listPositions_ = std::move(positions);
      // A list's sounds are shown in its order and can be dragged to reorder it.
      sounds_->setReorderable(inList);
      table_->setDragDropMode(inList ? QAbstractItemView::DragDrop : QAbstractItemView::DragOnly);
      if (inList) table_->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
      // The sounds selected stay selected where the new answer still has them.
      const std::vector<std::string> selected = selectedIds();
      const int count = static_cast<int>(found.size());
      sounds_->setSounds(std::move(found));
      QItemSelection again;
      for (const std::string& id : selected) {
        const int row = sounds_->rowOf(id);
        if (row >= 0) again.merge(rowSelection(row), QItemSelectionModel::Select);
      }
      if (const int wanted = sounds_->rowOf(selectWhenFound_); wanted >= 0) {
        again = rowSelection(wanted);
        table_->scrollTo(sorted_->mapFromSource(sounds_->index(wanted, 0)));
      }
      selectWhenFound_.clear();
      if (again.isEmpty() && selectFirstWhenFound_ && count > 0) {
        again = rowSelection(sorted_->mapToSource(sorted_->index(0, 0)).row());
      }
      selectFirstWhenFound_ = false;
      table_->selectionModel()->select(again, QItemSelectionModel::ClearAndSelect);
      if (!again.isEmpty())
        table_->selectionModel()->setCurrentIndex(again.indexes().front(),
                                                  QItemSelectionModel::NoUpdate);
      if (!refreshing_) {
        status_->setText(status.isOk() ? tr("%n sound(s)", "", count) : text(status.message()));
      }
      showDetails();
      showEmptyHint();
      Q_EMIT searched();
    });
    // The models come a moment after the rows, so that a large answer shows at once.
    if (library == nullptr || !status.isOk()) return;
    std::vector<FoundItem> sounds(ids.size());
    for (std::size_t i = 0; i < ids.size(); ++i)
      sounds[i].id = ids[i];
    if (!readModelNames(library->connection(), sounds).isOk()) return;
    std::map<std::string, std::vector<std::string>> models;
    for (FoundItem& sound : sounds)
      models[sound.id] = std::move(sound.models);
    LibraryWorker::answer(this, [this, ticket, models = std::move(models)] {
      if (ticket != searches_) return;
      sounds_->setModelNames(models);
      showDetails();
      Q_EMIT modelsRead();
    });
  });
}

const FoundItem* LibraryWindow::soundAt(const QModelIndex& shown) const {
  return sounds_->soundAt(sorted_->mapToSource(shown).row());
}

QItemSelection LibraryWindow::rowSelection(int row) const {
  return sorted_->mapSelectionFromSource(QItemSelection(
      sounds_->index(row, 0), sounds_->index(row, LibrarySoundsModel::ColumnCount - 1)));
}

std::vector<std::string> LibraryWindow::selectedIds() const {
  std::vector<std::string> ids;
  for (const QModelIndex& row : table_->selectionModel()->selectedRows()) {
    if (const FoundItem* sound = soundAt(row)) ids.push_back(sound->id);
  }
  return ids;
}

void LibraryWindow::showDetails() {
  const QModelIndexList rows = table_->selectionModel()->selectedRows();
  const FoundItem* sound = rows.size() == 1 ? soundAt(rows.front()) : nullptr;
  if (noteTyping_->isActive()) saveNote();
  noteOf_.clear();
  places_->clear();
  {
    const QSignalBlocker quiet(note_);
    note_->clear();
  }
  // Editable once the sound's note is read.
  note_->setReadOnly(true);
  favourite_->setEnabled(!rows.isEmpty());
  hidden_->setEnabled(!rows.isEmpty());
  tagList_->clear();
  models_->clear();
  tagEditor_->setEnabled(!rows.isEmpty());
  if (rows.isEmpty()) {
    name_->setText(tr("No sound selected"));
    favourite_->setChecked(false);
    hidden_->setChecked(false);
    return;
  }
  const auto all = [&](bool FoundItem::*flag) {
    return std::all_of(rows.begin(), rows.end(), [&](const QModelIndex& row) {
      const FoundItem* each = soundAt(row);
      return each != nullptr && each->*flag;
    });
  };
  favourite_->setChecked(all(&FoundItem::favourite));
  hidden_->setChecked(all(&FoundItem::hidden));
  // The chips are the tags any selected sound has; one taken off goes from all of them.
  std::set<std::string> tags;
  for (const QModelIndex& row : rows) {
    if (const FoundItem* each = soundAt(row)) {
      tags.insert(each->tags.begin(), each->tags.end());
    }
  }
  for (const std::string& tag : tags)
    new QListWidgetItem(text(tag), tagList_);
  if (sound == nullptr) {
    name_->setText(tr("%n sounds selected", "", static_cast<int>(rows.size())));
    return;
  }
  name_->setText(text(sound->name));
  if (!sound->models.empty()) {
    QStringList models;
    for (const std::string& model : sound->models)
      models << text(model);
    models_->setText(tr("Plays %1").arg(models.join(QStringLiteral(", "))));
  }
  for (const Place& place : sound->places) {
    // The source by its folder's or file's name, as the sidebar names it: the whole path would
    // push the slot and name out of view. The path is in the tooltip.
    auto* item = new QListWidgetItem(
        QStringLiteral("%1 — %2 %3")
            .arg(QFileInfo(text(place.source)).fileName(),
                 QString::number(place.slot).rightJustified(3, u'0'), text(place.name)),
        places_);
    item->setData(kPlaceSourceRole, text(place.source));
    item->setData(kPlaceSlotRole, place.slot);
    item->setToolTip(text(place.source));
  }
  const std::string id = sound->id;
  worker_->post([this, id](Library* library, const Status&) {
    if (library == nullptr) return;
    SoundId bytes;
    std::string note;
    if (findSoundById(library->connection(), id, bytes).isOk()) {
      SqliteStatement query;
      bool row = false;
      if (library->connection()
              .prepare("SELECT note FROM user_sounds WHERE identity = ?1", query)
              .isOk() &&
          query.bind(1, SqliteBlob{bytes}).isOk() && query.step(row).isOk() && row) {
        note = query.columnText(0);
      }
    }
    LibraryWorker::answer(this, [this, id, note] {
      const QModelIndexList selected = table_->selectionModel()->selectedRows();
      const FoundItem* shown = selected.size() == 1 ? soundAt(selected.front()) : nullptr;
      if (shown == nullptr || shown->id != id) return;
      const QSignalBlocker quiet(note_);
      note_->setPlainText(text(note));
      note_->setReadOnly(false);
      noteOf_ = id;
    });
  });
}

void LibraryWindow::saveNote() {
  noteTyping_->stop();
  if (noteOf_.empty()) return;
  const std::string id = noteOf_;
  const std::string note = utf8(note_->toPlainText());
  worker_->post([this, id, note](Library* library, const Status& opened) {
    Status status = opened;
    SoundId bytes;
    if (library != nullptr) status = findSoundById(library->connection(), id, bytes);
    if (library != nullptr && status.isOk()) status = setNote(library->connection(), bytes, note);
    LibraryWorker::answer(this, [this, status] {
      if (!status.isOk()) status_->setText(text(status.message()));
      Q_EMIT libraryChanged();
    });
  });
}

void LibraryWindow::toggleFavourite() {
  favourite_->setChecked(!favourite_->isChecked());
  setFlag(true);
}

void LibraryWindow::toggleHidden() {
  hidden_->setChecked(!hidden_->isChecked());
  setFlag(false);
}

void LibraryWindow::setFlag(bool favourite) {
  const std::vector<std::string> ids = selectedIds();
  if (ids.empty()) return;
  const bool on = favourite ? favourite_->isChecked() : hidden_->isChecked();
  worker_->post([this, ids, on, favourite](Library* library, const Status& opened) {
    Status status = opened;
    for (std::size_t i = 0; library != nullptr && status.isOk() && i < ids.size(); ++i) {
      SoundId id;
      status = findSoundById(library->connection(), ids[i], id);
      if (status.isOk()) {
        status = favourite ? slotsmith::setFavourite(library->connection(), id, on)
                           : slotsmith::setHidden(library->connection(), id, on);
      }
    }
    LibraryWorker::answer(this, [this, status] {
      if (!status.isOk()) status_->setText(text(status.message()));
      Q_EMIT libraryChanged();
      reload();
    });
  });
}

void LibraryWindow::addTagToSelection(const QString& tag) {
  changeSelectedTags({utf8(tag)}, {});
}

void LibraryWindow::removeTagFromSelection(const QString& tag) {
  changeSelectedTags({}, {utf8(tag)});
}

void LibraryWindow::changeSelectedTags(const std::vector<std::string>& add,
                                       const std::vector<std::string>& remove) {
  const std::vector<std::string> ids = selectedIds();
  if (ids.empty()) return;
  worker_->post([this, ids, add, remove](Library* library, const Status& opened) {
    Status status = opened;
    for (std::size_t i = 0; library != nullptr && status.isOk() && i < ids.size(); ++i) {
      SoundId id;
      status = findSoundById(library->connection(), ids[i], id);
      if (status.isOk()) status = changeTags(library->connection(), id, add, remove);
    }
    LibraryWorker::answer(this, [this, status] {
      if (!status.isOk()) status_->setText(text(status.message()));
      Q_EMIT libraryChanged();
      reload();
    });
  });
}

void LibraryWindow::showTableMenu(const QPoint& at) {
  if (selectedIds().empty()) return;
  QMenu menu(this);
  menu.addAction(favourite_->isChecked() ? tr("Not a Favourite") : tr("Favourite"), this,
                 &LibraryWindow::toggleFavourite);
  menu.addAction(hidden_->isChecked() ? tr("Show Again") : tr("Hide"), this,
                 &LibraryWindow::toggleHidden);
  // Every tag the library has, ticked when each selected sound has it: a click sets it on all of
  // them, or takes it off all of them.
  QMenu* tags = menu.addMenu(tr("Tags"));
  const QModelIndexList rows = table_->selectionModel()->selectedRows();
  for (const QString& tag : tagNames_->stringList()) {
    const std::string name = utf8(tag);
    const bool all = std::all_of(rows.begin(), rows.end(), [&](const QModelIndex& row) {
      const FoundItem* sound = soundAt(row);
      return sound != nullptr &&
             std::find(sound->tags.begin(), sound->tags.end(), name) != sound->tags.end();
    });
    QAction* toggle = tags->addAction(tag, this, [this, tag, all] {
      if (all) {
        removeTagFromSelection(tag);
      } else {
        addTagToSelection(tag);
      }
    });
    toggle->setCheckable(true);
    toggle->setChecked(all);
  }
  if (!tagNames_->stringList().isEmpty()) tags->addSeparator();
  tags->addAction(tr("New Tag…"), this, [this] {
    const QString tag = QInputDialog::getText(this, tr("New Tag"), tr("Tag for the selection:"));
    if (!tag.trimmed().isEmpty()) addTagToSelection(tag.trimmed());
  });
  QMenu* lists = menu.addMenu(tr("Add to List"));
  for (const QString& list : listNames_)
    lists->addAction(list, this, [this, list] { addSelectionToList(list); });
  if (!listNames_.isEmpty()) lists->addSeparator();
  lists->addAction(tr("New List…"), this, [this] {
    const QString name = QInputDialog::getText(this, tr("New List"), tr("Name of the list:"));
    if (!name.trimmed().isEmpty()) addSelectionToList(name.trimmed());
  });
  menu.exec(table_->viewport()->mapToGlobal(at));
}

void LibraryWindow::showSidebarMenu(const QPoint& at) {
  const QTreeWidgetItem* item = sidebar_->itemAt(at);
  const QString list = item != nullptr ? item->data(0, kListRole).toString() : QString();
  QMenu menu(this);
  if (!list.isEmpty()) {
    QAction* rename =
        menu.addAction(tr("Rename List “%1”…").arg(list), this, [this, list] { renameList(list); });
    rename->setShortcut(QKeySequence(Qt::Key_F2));
    menu.addAction(tr("Delete List “%1”").arg(list), this, [this, list] { deleteList(list); });
  }
  const bool inLists =
      item != nullptr && (item == section(ListsSection) || item->parent() == section(ListsSection));
  const bool inTags =
      item != nullptr && (item == section(TagsSection) || item->parent() == section(TagsSection));
  if (inTags) menu.addAction(tr("Category Rules…"), this, &LibraryWindow::showRules);
  if (inLists) {
    menu.addAction(tr("New List…"), this, [this] {
      const QString name =
          QInputDialog::getText(this, tr("New List"), tr("Name of the list:")).trimmed();
      if (!name.isEmpty()) createNamedList(name);
    });
  }
  const QString source = item != nullptr ? item->data(0, kSourceRole).toString() : QString();
  if (!source.isEmpty()) {
    menu.addAction(tr("Refresh “%1”").arg(QFileInfo(source).fileName()), this,
                   [this, source] { refreshSources({source}); });
  }
  if (menu.isEmpty()) return;
  menu.exec(sidebar_->viewport()->mapToGlobal(at));
}

void LibraryWindow::markSoundsAt(const QString& source, const QList<int>& slots, bool favourite,
                                 const QString& tag) {
  const std::string path = utf8(source);
  const std::string tagName = utf8(tag.trimmed());
  worker_->post([this, path, slots, favourite, tagName](Library* library, const Status& opened) {
    Status status = opened;
    int count = 0;
    for (int slot : slots) {
      if (library == nullptr || !status.isOk()) break;
      SoundId id;
      // A slot the library has not read (empty, or written since) is left out.
      if (!findSoundAt(library->connection(), sourcePathOf(path), slot, id).isOk()) continue;
      if (favourite) status = setFavourite(library->connection(), id, true);
      if (status.isOk() && !tagName.empty())
        status = changeTags(library->connection(), id, {tagName}, {});
      if (status.isOk()) ++count;
    }
    LibraryWorker::answer(this, [this, status, count, favourite, tagName] {
      const QString done = favourite ? tr("%n sound(s) marked as favourites.", "", count)
                                     : tr("%n sound(s) tagged %1.", "", count).arg(text(tagName));
      const QString outcome = status.isOk() ? done : text(status.message());
      status_->setText(outcome);
      Q_EMIT marked(outcome);
      Q_EMIT libraryChanged();
      if (isVisible()) reload();
    });
  });
}

void LibraryWindow::showSoundAt(const QString& source, int slot) {
  const std::string path = utf8(source);
  worker_->post([this, path, slot](Library* library, const Status& opened) {
    std::optional<FoundItem> sound;
    Status status = opened;
    if (library != nullptr)
      status = soundAtPlace(library->connection(), sourcePathOf(path), slot, sound);
    LibraryWorker::answer(this, [this, status, sound, slot] {
      if (!status.isOk() || !sound) {
        status_->setText(status.isOk() ? tr("The library knows no sound in slot %1 there; refresh "
                                            "it to read it.")
                                             .arg(slot)
                                       : text(status.message()));
        return;
      }
      // Everything, hidden sounds too, so that the sound is there to be shown.
      selectWhenFound_ = sound->id;
      sidebar_->setCurrentItem(section(SoundsSection)->child(sound->hidden ? 3 : 0));
      const QSignalBlocker blocker(search_);
      search_->clear();
      search();
    });
  });
}

void LibraryWindow::addSelectionToList(const QString& list) {
  addSoundsToList(list, selectedIds());
}

void LibraryWindow::addSoundsToList(const QString& list, const std::vector<std::string>& ids) {
  if (ids.empty()) return;
  const bool known = listNames_.contains(list);
  const std::string name = utf8(list);
  const std::vector<Digest> identities = digestsOf(ids);
  worker_->post([this, name, known, identities](Library* library, const Status& opened) {
    Status status = opened;
    if (library != nullptr && !known) status = createList(*library, name);
    int added = 0;
    if (library != nullptr && status.isOk())
      status = slotsmith::addSoundsToList(*library, name, identities, added);
    LibraryWorker::answer(this, [this, status, added, name] {
      status_->setText(status.isOk() ? tr("%n sound(s) added to %1.", "", added).arg(text(name))
                                     : text(status.message()));
      Q_EMIT libraryChanged();
      reload();
    });
  });
}

void LibraryWindow::renameList(const QString& list) {
  bool ok = false;
  const QString newName =
      QInputDialog::getText(this, tr("Rename List"), tr("New name of the list “%1”:").arg(list),
                            QLineEdit::Normal, list, &ok)
          .trimmed();
  if (ok && !newName.isEmpty() && newName != list) renameList(list, newName);
}

void LibraryWindow::renameList(const QString& list, const QString& newName) {
  const std::string name = utf8(list);
  const std::string renamed = utf8(newName);
  worker_->post([this, name, renamed](Library* library, const Status& opened) {
    const Status status =
        library != nullptr ? slotsmith::renameList(*library, name, renamed) : opened;
    LibraryWorker::answer(this, [this, status, name, renamed] {
      if (status.isOk() && chosenList_ == text(name)) chosenList_ = text(renamed);
      status_->setText(status.isOk() ? tr("The list %1 is now %2.").arg(text(name), text(renamed))
                                     : text(status.message()));
      Q_EMIT libraryChanged();
      reload();
    });
  });
}

void LibraryWindow::moveListSounds(const std::vector<std::string>& ids, int row) {
  if (chosenList_.isEmpty()) return;
  std::vector<int> positions;
  for (const std::string& id : ids) {
    const auto found = listPositions_.find(id);
    if (found != listPositions_.end()) positions.push_back(found->second);
  }
  // Before the sound shown in that row, or after the list's last one.
  const FoundItem* before = sounds_->soundAt(row);
  const int position = before != nullptr && listPositions_.count(before->id) != 0
                           ? listPositions_.at(before->id)
                           : static_cast<int>(listPositions_.size()) + 1;
  if (positions.empty()) return;
  const std::string name = utf8(chosenList_);
  selectWhenFound_ = ids.front();
  worker_->post([this, name, positions, position](Library* library, const Status& opened) {
    const Status status =
        library != nullptr ? moveInList(*library, name, positions, position) : opened;
    LibraryWorker::answer(this, [this, status] {
      if (!status.isOk()) status_->setText(text(status.message()));
      Q_EMIT libraryChanged();
      reload();
    });
  });
}

LibraryRulesDialog* LibraryWindow::showRules() {
  if (rules_ == nullptr) {
    rules_ = new LibraryRulesDialog(*worker_, this);
    connect(rules_, &LibraryRulesDialog::applied, this, [this](bool ok) {
      if (!ok) return;
      Q_EMIT libraryChanged();
      reload();
    });
  }
  rules_->show();
  rules_->raise();
  rules_->activateWindow();
  return rules_;
}

void LibraryWindow::createNamedList(const QString& list) {
  const std::string name = utf8(list);
  worker_->post([this, name](Library* library, const Status& opened) {
    const Status status = library != nullptr ? createList(*library, name) : opened;
    LibraryWorker::answer(this, [this, status] {
      if (!status.isOk()) status_->setText(text(status.message()));
      Q_EMIT libraryChanged();
      reload();
    });
  });
}

void LibraryWindow::deleteList(const QString& list) {
  const std::string name = utf8(list);
  worker_->post([this, name](Library* library, const Status& opened) {
    const Status status = library != nullptr ? slotsmith::deleteList(*library, name) : opened;
    LibraryWorker::answer(this, [this, status, name] {
      status_->setText(status.isOk()
                           ? tr("The list %1 is deleted; its sounds stay.").arg(text(name))
                           : text(status.message()));
      Q_EMIT libraryChanged();
      reload();
    });
  });
}

void LibraryWindow::refreshSources(const QStringList& paths) {
  if (refreshing_) return;
  refreshing_ = true;
  refresh_->setEnabled(false);
  progress_->setRange(0, 0);
  progress_->show();
  cancel_->show();
  cancel_->setEnabled(true);
  worker_->startRefresh();
  std::vector<std::string> sources;
  for (const QString& path : paths)
    sources.push_back(utf8(path));
  // News is measured against the states the sidebar showed last.
  worker_->post([this, sources, before = seenStates_](Library* library, const Status& opened) {
    std::vector<RefreshOutcome> outcomes;
    std::vector<SourceRecord> now, after;
    bool stopped = false;
    if (library != nullptr) {
      // Which sources differ from what the library read last (the state "changed").
      if (!library->sources(now).isOk()) now.clear();
      outcomes = library->refresh(
          sources, [this, &stopped](std::size_t done, std::size_t total, const std::string& path) {
            LibraryWorker::answer(this, [this, done, total, path] {
              progress_->setRange(0, static_cast<int>(total));
              progress_->setValue(static_cast<int>(done));
              if (!path.empty()) status_->setText(tr("Reading %1…").arg(text(path)));
            });
            stopped = worker_->refreshCancelled() && !path.empty();
            return !stopped;
          });
    }
    if (library != nullptr && !library->sources(after).isOk()) after.clear();
    const QString summary =
        library == nullptr ? text(opened.message()) : refreshSummary(outcomes, stopped);
    const QString news = refreshNews(before, now, after);
    std::map<std::string, SourceState> states;
    for (const SourceRecord& source : after)
      states[source.path] = source.state;
    LibraryWorker::answer(this, [this, summary, news, states] {
      seenStates_ = states;
      refreshing_ = false;
      refresh_->setEnabled(true);
      progress_->hide();
      cancel_->hide();
      status_->setText(summary);
      Q_EMIT refreshed(summary);
      if (!news.isEmpty()) Q_EMIT noticed(news);
      Q_EMIT libraryChanged();
      reload();
    });
  });
}

void LibraryWindow::cancelRefresh() {
  worker_->cancelRefresh();
  cancel_->setEnabled(false);
  status_->setText(tr("Stopping after this source…"));
}

void LibraryWindow::chooseSources() {
  // One dialog cannot choose a folder or a file, so the button asks which first.
  QMenu menu(this);
  QAction* folder = menu.addAction(tr("Database &Folder…"));
  QAction* archive = menu.addAction(tr("Sound &Pack or Backup…"));
  const QAction* chosen = menu.exec(addSource_->mapToGlobal(QPoint(0, addSource_->height())));
  if (chosen == folder) {
    const QString path =
        QFileDialog::getExistingDirectory(this, tr("Add a Database Folder to the Library"));
    if (!path.isEmpty()) addSources({path});
  } else if (chosen == archive) {
    addSources(QFileDialog::getOpenFileNames(
        this, tr("Add Sound Packs or Backups to the Library"), QString(),
        tr("Sound packs and backups (*.zip *.tar.zst);;All files (*)")));
  }
}

void LibraryWindow::addSources(const QStringList& paths) {
  if (paths.isEmpty()) return;
  std::vector<std::string> sources;
  for (const QString& path : paths)
    sources.push_back(utf8(path));
  status_->setText(tr("Reading %1…").arg(paths.join(QStringLiteral(", "))));
  worker_->post([this, sources](Library* library, const Status& opened) {
    std::vector<RefreshOutcome> outcomes;
    for (std::size_t i = 0; library != nullptr && i < sources.size(); ++i)
      outcomes.push_back(library->addSource(sources[i]));
    const QString summary = library == nullptr ? text(opened.message()) : [&] {
      for (const RefreshOutcome& outcome : outcomes) {
        if (!outcome.status.isOk()) return text(outcome.status.message());
      }
      return tr("%n source(s) added.", "", static_cast<int>(outcomes.size()));
    }();
    LibraryWorker::answer(this, [this, summary] {
      status_->setText(summary);
      Q_EMIT libraryChanged();
      reload();
    });
  });
}

void LibraryWindow::readSource(const QString& path) {
  const std::string source = utf8(path);
  worker_->post([this, path, source](Library* library, const Status&) {
    if (library == nullptr) return;
    // The open database is read quietly: the user made the change and knows of it; a database
    // that cannot be read now (an edit holds it) is read again after the next one.
    const RefreshOutcome outcome = library->addSource(source);
    // What only this database holds, for the marks in its sound list.
    AtRiskItems items;
    std::vector<bool> slots(kSlotCount, false);
    if (findAtRisk(library->connection(), items).isOk()) {
      for (const FoundItem& sound : items.sounds) {
        for (const Place& place : sound.places) {
          if (place.source == outcome.path && place.slot >= 0 && place.slot < kSlotCount) {
            slots[static_cast<std::size_t>(place.slot)] = true;
          }
        }
      }
    }
    const bool changed = outcome.slotsRead > 0;
    LibraryWorker::answer(this, [this, path, slots, changed] {
      Q_EMIT atRiskSlotsRead(path, slots);
      if (changed && isVisible()) reload();
    });
  });
}

void LibraryWindow::removeSelectedSource() {
  const QTreeWidgetItem* item = sidebar_->currentItem();
  const QString path = item != nullptr ? item->data(0, kSourceRole).toString() : QString();
  if (path.isEmpty()) return;
  worker_->post([this, path](Library* library, const Status& opened) {
    const Status status = library != nullptr ? library->removeSource(utf8(path)) : opened;
    LibraryWorker::answer(this, [this, path, status] {
      status_->setText(status.isOk()
                           ? tr("%1 is no longer a source; your tags and notes stay.").arg(path)
                           : text(status.message()));
      Q_EMIT libraryChanged();
      reload();
    });
  });
}

void LibraryWindow::dragEnterEvent(QDragEnterEvent* event) {
  if (!droppedLocalPaths(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void LibraryWindow::dropEvent(QDropEvent* event) {
  const QStringList paths = droppedLocalPaths(event->mimeData());
  if (paths.isEmpty()) return;
  event->acceptProposedAction();
  addSources(paths);
}

void LibraryWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  reload();
}

void LibraryWindow::hideEvent(QHideEvent* event) {
  if (noteTyping_->isActive()) saveNote();
  saveLayout();
  QWidget::hideEvent(event);
}

void LibraryWindow::showEmptyHint() {
  QString hint;
  if (sounds_->rowCount() == 0) {
    if (seenStates_.empty()) {
      hint =
          tr("The library is empty. Add a database folder, a sound pack or a backup with Add "
             "Source…, or drop one on this window.");
    } else if (const QString typed = search_->text().trimmed(); !typed.isEmpty()) {
      hint = tr("No sound matches “%1” here.").arg(typed);
    } else if (!chosenList_.isEmpty()) {
      hint = tr("This list is empty. Drag sounds onto it in the sidebar to add them.");
    } else if (chosen_ == QStringList{QStringLiteral("fav")}) {
      hint = tr("No favourites yet. Press F on a sound to make it one.");
    } else if (chosen_ == QStringList{QStringLiteral("at-risk")}) {
      hint = tr("No sound is at risk: each has a place outside its database.");
    } else {
      hint = tr("No sounds here.");
    }
  }
  emptyHint_->setText(hint);
  emptyHint_->setVisible(!hint.isEmpty());
}

bool LibraryWindow::event(QEvent* event) {
  // Esc is also the side window's shortcut for closing it: while there is a search, the window
  // claims the key first so that it reaches keyPressEvent and clears the search instead.
  if (event->type() == QEvent::ShortcutOverride &&
      static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape && !search_->text().isEmpty()) {
    event->accept();
    return true;
  }
  return QWidget::event(event);
}

bool LibraryWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == search_ && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Down || key == Qt::Key_Return || key == Qt::Key_Enter) {
      table_->setFocus(Qt::TabFocusReason);
      if (typing_->isActive()) {
        // The answer to what was typed last, not to the text before the pause ran out: its
        // first row is chosen when it comes.
        selectFirstWhenFound_ = true;
        search();
      } else if (!table_->selectionModel()->hasSelection() && sorted_->rowCount() > 0) {
        table_->selectRow(0);
      }
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

void LibraryWindow::keyPressEvent(QKeyEvent* event) {
  // Esc clears the search first, and closes the window only when there is none.
  if (event->key() == Qt::Key_Escape && !search_->text().isEmpty()) {
    search_->clear();
    return;
  }
  QWidget::keyPressEvent(event);
}

void LibraryWindow::saveLayout() const {
  QSettings settings;
  settings.setValue(kSplitterKey, splitter_->saveState());
  settings.setValue(kColumnsKey, table_->horizontalHeader()->saveState());
  settings.setValue(kSearchKey, search_->text());
}

void LibraryWindow::restoreLayout() {
  QSettings settings;
  if (!splitter_->restoreState(settings.value(kSplitterKey).toByteArray())) {
    splitter_->setSizes({200, 480, 280});
  }
  table_->horizontalHeader()->restoreState(settings.value(kColumnsKey).toByteArray());
  const QSignalBlocker blocker(search_);
  search_->setText(settings.value(kSearchKey).toString());
}

}  // namespace slotsmith
