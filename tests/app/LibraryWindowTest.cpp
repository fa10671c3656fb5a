// The library in the desktop: the window finds what `slotsmith library search` finds, for every
// kind of term; a flag, a tag or a note set in the window is in the library file at once, for the
// command line to see; lists are filled by dropping, reordered, renamed and dragged out whole;
// rules are counted as typed and applied; sounds dragged from the window into the sound list
// arrive with their models in one edit that Undo takes back, and a sound no source holds now
// refuses the drop with nothing changed; the sound list marks what only the open database holds,
// shows a slot's sound in the library and marks its selection there; Preferences say whether the
// open database is kept; a refresh leaves the window answering, stops when asked and tells what
// it found; the window keeps its layout and search.
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QProcess>
#include <QRegularExpression>
#include <QSemaphore>
#include <QSettings>
#include <QSignalSpy>
#include <QSplitter>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <QUrl>

#include "AppTestSupport.h"
#include "app/DropPreviewer.h"
#include "app/SlotListModel.h"
#include "app/WindowPlacement.h"
#include "app/library/LibraryActions.h"
#include "app/library/LibraryRulesDialog.h"
#include "app/library/LibrarySidebar.h"
#include "app/library/LibrarySoundsModel.h"
#include "app/library/LibraryWindow.h"
#include "app/library/LibraryWorker.h"
#include "library/Library.h"
#include "library/Lists.h"
#include "library/Search.h"
#include "ui/ListWindow.h"

namespace {

std::string utf8(const QString& text) {
  return text.toUtf8().toStdString();
}

// The ids the engine's search finds for the terms, in its order.
QStringList engineIds(const QString& libraryFile, const QStringList& terms) {
  std::unique_ptr<Library> library;
  if (!Library::open(utf8(libraryFile), library).isOk()) return {QStringLiteral("no library")};
  std::vector<std::string> arguments;
  for (const QString& term : terms)
    arguments.push_back(utf8(term));
  SearchQuery query;
  std::vector<FoundItem> found;
  if (!parseSearchQuery(arguments, query).isOk() ||
      !searchSounds(library->connection(), query, found).isOk()) {
    return {QStringLiteral("refused")};
  }
  QStringList ids;
  for (const FoundItem& sound : found)
    ids << QString::fromStdString(sound.id);
  return ids;
}

// The ids `slotsmith library search` prints for the terms, in its order: the command line and
// the window agree, whichever the user asks.
QStringList cliIds(const QString& libraryFile, const QStringList& terms) {
  QProcess cli;
  cli.start(QStringLiteral(SLOTSMITH_BINARY),
            QStringList{QStringLiteral("library"), QStringLiteral("search")} + terms +
                QStringList{QStringLiteral("--library"), libraryFile, QStringLiteral("--json")});
  if (!cli.waitForFinished(20000)) return {QStringLiteral("no answer")};
  // Each sound's object begins with its id: {"id": "…", …}.
  QStringList ids;
  const QString out = QString::fromUtf8(cli.readAllStandardOutput());
  static const QRegularExpression id(QStringLiteral("\\{\"id\": \"([0-9a-f]{64})\""));
  for (QRegularExpressionMatchIterator found = id.globalMatch(out); found.hasNext();)
    ids << found.next().captured(1);
  if (ids.isEmpty() && cli.exitCode() != 0) return {QStringLiteral("refused")};
  return ids;
}

QStringList shownIds(const LibraryWindow& window) {
  QStringList ids;
  for (const FoundItem& sound : window.sounds()->sounds())
    ids << QString::fromStdString(sound.id);
  return ids;
}

// A model with data of its own: models alike in their data are one model to the library.
void addModel(TestDatabase& db, int slot, const QString& name) {
  db.addModel(slot, name);
  QFile data(
      QStringLiteral("%1/Models/%2.model/data.bin").arg(db.path()).arg(slot, 3, 10, QChar('0')));
  QVERIFY(data.open(QIODevice::WriteOnly));
  data.write(name.toLower().toUtf8());
}

// Two databases that share a sound under two names: Glass Pad and Window Pad play the Glass
// model (in another slot in each); Deep Bass and Lead One lie in one database each.
void fillSources(TestDatabase& first, TestDatabase& second) {
  addModel(first, 0, QStringLiteral("Glass"));
  addModel(first, 1, QStringLiteral("Sub"));
  first.addSound(0, QStringLiteral("Glass Pad"), 0, 1);
  first.addSound(1, QStringLiteral("Deep Bass"), 1, 1);
  addModel(second, 4, QStringLiteral("Glass"));
  addModel(second, 5, QStringLiteral("Saw"));
  second.addSound(7, QStringLiteral("Window Pad"), 4, 1);
  second.addSound(8, QStringLiteral("Lead One"), 5, 1);
}

// Searches with the field's text and waits for the answer.
bool searchFor(LibraryWindow& window, const QString& text) {
  window.searchField()->setText(text);
  QSignalSpy searched(&window, &LibraryWindow::searched);
  window.search();
  return searched.wait(5000);
}

}  // namespace

class LibraryWindowTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void init() {
    failOnQtWarnings();
    home_ = std::make_unique<QTemporaryDir>();
    QVERIFY(home_->isValid());
    library_ = home_->filePath(QStringLiteral("library.sqlite"));
    // The window's layout and last search are the user's settings: each test starts without.
    QSettings settings;
    settings.remove(QStringLiteral("library"));
    settings.remove(QStringLiteral("libraryWindowGeometry"));
    settings.remove(kFollowOpenDatabaseKey);
    // The application's own library (followed databases, drops) is this test's file too.
    qputenv("SLOTSMITH_LIBRARY", QFile::encodeName(library_));
  }

  void theWindowFindsWhatTheEngineFinds() {
    TestDatabase first, second;
    fillSources(first, second);
    std::unique_ptr<Library> library;
    QVERIFY(Library::open(utf8(library_), library).isOk());
    {
      // Before any source, the table says what to do about it.
      LibraryWindow empty(utf8(library_), [](const QString&, int) {});
      QSignalSpy read(&empty, &LibraryWindow::sidebarRead);
      empty.show();
      QVERIFY(read.wait(5000));
      QVERIFY(searchFor(empty, QString()));
      QVERIFY(empty.findChild<QLabel*>(QStringLiteral("libraryEmptyHint"))->isVisible());
    }
    QVERIFY(library->addSource(utf8(first.path())).status.isOk());
    QVERIFY(library->addSource(utf8(second.path())).status.isOk());

    LibraryWindow window(utf8(library_), [](const QString&, int) {});
    QSignalSpy read(&window, &LibraryWindow::sidebarRead);
    window.show();
    QVERIFY(read.wait(5000));
    for (const QString& text :
         {QString(), QStringLiteral("pad"), QStringLiteral("PAD glass"), QStringLiteral("tag:Pad"),
          QStringLiteral("tag:bass"), QStringLiteral("model:glass"), QStringLiteral("places:2+"),
          QStringLiteral("at-risk"), QStringLiteral("\"in:") + second.path() + u'"',
          QStringLiteral("nothing-like-this")}) {
      QVERIFY2(searchFor(window, text), qPrintable(text));
      QCOMPARE(shownIds(window), cliIds(library_, window.terms()));
      // An empty answer says what found nothing.
      const QLabel* hint = window.findChild<QLabel*>(QStringLiteral("libraryEmptyHint"));
      QCOMPARE(hint->isVisible(), shownIds(window).isEmpty());
      QVERIFY(!hint->isVisible() || hint->text().contains(text));
    }
    // The sidebar narrows the same way: Glass Pad and Window Pad are one sound in two sources,
    // so only Deep Bass and Lead One are at risk.
    QVERIFY(searchFor(window, QString()));
    QCOMPARE(window.sounds()->rowCount(), 3);
    QCOMPARE(engineIds(library_, {QStringLiteral("at-risk")}).size(), 2);
    // Sorted by a header, a row still stands for its own sound: the one with two places.
    window.table()->sortByColumn(LibrarySoundsModel::Places, Qt::DescendingOrder);
    window.table()->selectRow(0);
    QCOMPARE(window.placesList()->count(), 2);
    // The models come a moment after the rows, named as the sources name them.
    QSignalSpy models(&window, &LibraryWindow::modelsRead);
    window.search();
    QVERIFY(models.wait(5000));
    const QModelIndex glass = window.table()->model()->index(0, LibrarySoundsModel::Models);
    QCOMPARE(glass.data().toString(), QStringLiteral("Glass"));
    window.table()->selectRow(0);
    QCOMPARE(window.modelsLine()->text(), QStringLiteral("Plays Glass"));
  }

  void flagsAndTagsSetInTheWindowAreInTheLibraryAtOnce() {
    TestDatabase db;
    TestDatabase other;
    fillSources(db, other);
    std::unique_ptr<Library> library;
    QVERIFY(Library::open(utf8(library_), library).isOk());
    QVERIFY(library->addSource(utf8(db.path())).status.isOk());

    LibraryWindow window(utf8(library_), [](const QString&, int) {});
    window.show();
    QVERIFY(searchFor(window, QStringLiteral("bass")));
    QCOMPARE(window.sounds()->rowCount(), 1);
    window.table()->selectRow(0);
    QSignalSpy changed(&window, &LibraryWindow::libraryChanged);
    window.table()->setFocus();
    QTest::keyClick(window.table(), Qt::Key_F);
    QVERIFY(changed.wait(5000));
    QCOMPARE(cliIds(library_, {QStringLiteral("fav")}), shownIds(window));
    // A tag typed in the details is set by hand, and taken off from its chip.
    const QStringList bass = shownIds(window);
    QSignalSpy searched(&window, &LibraryWindow::searched);
    QTest::keyClicks(window.tagEditor(), QStringLiteral("Warm"));
    QTest::keyClick(window.tagEditor(), Qt::Key_Return);
    QVERIFY(changed.wait(5000));
    QCOMPARE(cliIds(library_, {QStringLiteral("tag:warm")}), bass);
    QVERIFY(searched.wait(5000));
    const QList<QListWidgetItem*> chips =
        window.tagList()->findItems(QStringLiteral("Warm"), Qt::MatchExactly);
    QCOMPARE(chips.size(), 1);
    window.tagList()->setCurrentItem(chips.front());
    window.tagList()->setFocus();
    QTest::keyClick(window.tagList(), Qt::Key_Delete);
    QVERIFY(changed.wait(5000));
    QVERIFY(engineIds(library_, {QStringLiteral("tag:warm")}).isEmpty());
    // A note typed in the details is kept when typing pauses.
    QTRY_VERIFY_WITH_TIMEOUT(
        !window.findChild<QPlainTextEdit*>(QStringLiteral("libraryNote"))->isReadOnly(), 5000);
    auto* note = window.findChild<QPlainTextEdit*>(QStringLiteral("libraryNote"));
    QTest::keyClicks(note, QStringLiteral("for the intro"));
    QVERIFY(changed.wait(5000));
    {
      std::int64_t kept = 0;
      QVERIFY(
          library->connection()
              .queryNumber("SELECT count(*) FROM user_sounds WHERE note = 'for the intro'", kept)
              .isOk());
      QCOMPARE(kept, std::int64_t{1});
    }
    window.table()->setFocus();
    // H hides it: the next search leaves it out, as the command line's does.
    QTest::keyClick(window.table(), Qt::Key_H);
    QVERIFY(changed.wait(5000));
    QVERIFY(engineIds(library_, {QStringLiteral("bass")}).isEmpty());
  }

  void rulesArePreviewedAsTypedAndAppliedToEverySound() {
    TestDatabase first, second;
    fillSources(first, second);
    addSources({&first, &second});
    LibraryWindow window(utf8(library_), [](const QString&, int) {});
    LibraryRulesDialog* rules = window.showRules();
    QSignalSpy counted(rules, &LibraryRulesDialog::counted);
    QVERIFY(counted.wait(5000));
    QTableWidget* table = rules->table();
    const auto rowOf = [table](const QString& tag) {
      for (int row = 0; row < table->rowCount(); ++row)
        if (table->item(row, LibraryRulesDialog::Tag)->text() == tag) return row;
      return -1;
    };
    // Glass Pad and Window Pad are one sound.
    QCOMPARE(table->item(rowOf(QStringLiteral("Pad")), LibraryRulesDialog::Sounds)->text(),
             QStringLiteral("1"));
    rules->addRule();
    const int added = table->rowCount() - 1;
    table->item(added, LibraryRulesDialog::Tag)->setText(QStringLiteral("Low"));
    for (const auto& [pattern, sounds] :
         {std::pair{"*a*", "3"}, {"deep,lead", "2"}, {"**", "invalid"}, {"bass", "1"}}) {
      table->item(added, LibraryRulesDialog::Pattern)->setText(QString::fromUtf8(pattern));
      QVERIFY(counted.wait(5000));
      QCOMPARE(table->item(added, LibraryRulesDialog::Sounds)->text(), QString::fromUtf8(sounds));
    }
    table->selectRow(rowOf(QStringLiteral("Pad")));
    rules->removeSelectedRules();
    QSignalSpy applied(rules, &LibraryRulesDialog::applied);
    rules->apply();
    QVERIFY(applied.wait(5000));
    QVERIFY(applied.front().front().toBool());
    QCOMPARE(engineIds(library_, {QStringLiteral("tag:Low")}),
             engineIds(library_, {QStringLiteral("bass")}));
    QVERIFY(engineIds(library_, {QStringLiteral("tag:Pad")}).isEmpty());
  }

  void aRefreshRunsBesideTheWindowAndStopsWhenAsked() {
    TestDatabase first, second;
    fillSources(first, second);
    addSources({&first, &second});
    LibraryWindow window(utf8(library_), [](const QString&, int) {});
    window.show();
    window.worker().wait();
    // While the worker is busy the window still takes typing; the refresh waits its turn.
    QSemaphore busy;
    window.worker().post([&busy](Library*, const Status&) { busy.acquire(); });
    QSignalSpy refreshed(&window, &LibraryWindow::refreshed);
    window.refreshSources();
    QTest::keyClicks(window.searchField(), QStringLiteral("pad"));
    QCOMPARE(window.searchField()->text(), QStringLiteral("pad"));
    QVERIFY(refreshed.isEmpty());
    // Asked to stop, it stops before the next source: here the first.
    window.cancelRefresh();
    busy.release();
    QVERIFY(refreshed.wait(5000));
    QVERIFY2(refreshed.front().front().toString().contains(QStringLiteral("Stopped")),
             qPrintable(refreshed.front().front().toString()));
    // The next refresh goes through every source.
    window.refreshSources();
    QVERIFY(refreshed.wait(5000));
    QVERIFY(!refreshed.back().front().toString().contains(QStringLiteral("Stopped")));

    // A source that changed or went missing is news, once.
    QSignalSpy noticed(&window, &LibraryWindow::noticed);
    second.addSound(9, QStringLiteral("New One"), 5, 1);
    QVERIFY(QDir(first.path()).removeRecursively());
    window.refreshSources();
    QVERIFY(refreshed.wait(5000));
    QCOMPARE(noticed.size(), 1);
    const QString news = noticed.front().front().toString();
    QVERIFY2(
        news.contains(QStringLiteral("had changed")) && news.contains(QStringLiteral("is missing")),
        qPrintable(news));
    window.refreshSources();
    QVERIFY(refreshed.wait(5000));
    QCOMPARE(noticed.size(), 1);
  }

  void theSelectionGoesIntoAListThatTheSidebarShows() {
    TestDatabase first, second;
    fillSources(first, second);
    std::unique_ptr<Library> library;
    QVERIFY(Library::open(utf8(library_), library).isOk());
    QVERIFY(library->addSource(utf8(first.path())).status.isOk());
    QVERIFY(library->addSource(utf8(second.path())).status.isOk());
    LibraryWindow window(utf8(library_), [](const QString&, int) {});
    window.show();
    // A database folder dropped anywhere on the sidebar becomes a source.
    TestDatabase third;
    addModel(third, 0, QStringLiteral("Reed"));
    third.addSound(0, QStringLiteral("Organ"), 0, 1);
    QMimeData folder;
    folder.setUrls({QUrl::fromLocalFile(third.path())});
    QWidget* sideView = window.sidebar()->viewport();
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &folder, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(sideView, &enter);
    QDragMoveEvent move(QPoint(5, 5), Qt::CopyAction, &folder, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(sideView, &move);
    QVERIFY(move.isAccepted());
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &folder, Qt::LeftButton, Qt::NoModifier);
    QSignalSpy read(&window, &LibraryWindow::sidebarRead);
    QApplication::sendEvent(sideView, &drop);
    QVERIFY(drop.isAccepted());
    QTRY_COMPARE_WITH_TIMEOUT(window.sidebar()->topLevelItem(3)->childCount(), 3, 5000);
    QVERIFY(searchFor(window, QStringLiteral("e")));  // Deep Bass, Lead One (natural order)
    QCOMPARE(window.sounds()->rowCount(), 2);
    window.table()->selectAll();
    read.clear();
    window.addSelectionToList(QStringLiteral("Low End"));
    QVERIFY(read.wait(5000));
    std::vector<ListItem> items;
    QVERIFY(listItems(*library, "Low End", items).isOk());
    QCOMPARE(items.size(), std::size_t{2});

    // Chosen in the sidebar, the list shows its sounds in its order; typing narrows it.
    QTreeWidgetItem* lists = window.sidebar()->topLevelItem(2);
    QCOMPARE(lists->childCount(), 1);
    QCOMPARE(lists->child(0)->text(0), QStringLiteral("Low End (2)"));
    window.searchField()->clear();
    QSignalSpy searched(&window, &LibraryWindow::searched);
    window.sidebar()->setCurrentItem(lists->child(0));
    QVERIFY(searched.wait(5000));
    QStringList listed;
    for (const ListItem& item : items)
      listed << QString::fromStdString(hexOf(item.identity));
    QCOMPARE(shownIds(window), listed);
    QVERIFY(searchFor(window, QStringLiteral("lead")));
    QCOMPARE(window.sounds()->rowCount(), 1);
    window.searchField()->clear();
    QVERIFY(searchFor(window, {}));

    // Sounds dropped on the list go to its end, those it holds left out; dragged within the
    // table, they move; the list dragged out carries its sounds in its order.
    const QStringList glass = engineIds(library_, {QStringLiteral("glass")});
    QCOMPARE(glass.size(), 1);
    QMimeData sounds;
    sounds.setData(QStringLiteral("application/x-slotsmith-library-sounds"),
                   (glass.front() + u'\n' + listed.front() + u'\n').toUtf8());
    QAbstractItemModel* side = window.sidebar()->model();
    const QModelIndex lowEnd = side->index(0, 0, side->index(2, 0));
    QVERIFY(side->dropMimeData(&sounds, Qt::CopyAction, -1, -1, lowEnd));
    QTRY_COMPARE_WITH_TIMEOUT(window.sounds()->rowCount(), 3, 5000);
    listed << glass.front();
    QCOMPARE(shownIds(window), listed);
    // The sidebar learns the list's new order from its own reading, which may come after the
    // table's.
    const auto carried = [&] {
      QScopedPointer<QMimeData> whole(side->mimeData({side->index(0, 0, side->index(2, 0))}));
      return whole ? whole->data(QStringLiteral("application/x-slotsmith-library-sounds"))
                   : QByteArray();
    };
    QTRY_COMPARE_WITH_TIMEOUT(carried(), (listed.join(u'\n') + u'\n').toUtf8(), 5000);

    QScopedPointer<QMimeData> rows(window.sounds()->mimeData({window.sounds()->index(2, 0)}));
    QVERIFY(window.sounds()->dropMimeData(rows.get(), Qt::CopyAction, 0, 0, {}) || read.wait(5000));
    if (read.isEmpty()) QVERIFY(read.wait(5000));
    QVERIFY(listItems(*library, "Low End", items).isOk());
    QCOMPARE(QString::fromStdString(hexOf(items.front().identity)), glass.front());

    // Renamed, the list stays chosen under its new name.
    read.clear();
    window.renameList(QStringLiteral("Low End"), QStringLiteral("Lows"));
    QVERIFY(read.wait(5000));
    QCOMPARE(window.sidebar()->currentItem()->text(0), QStringLiteral("Lows (3)"));

    window.deleteList(QStringLiteral("Lows"));
    QVERIFY(read.wait(5000));
    QCOMPARE(window.sidebar()->topLevelItem(2)->childCount(), 0);
    QVERIFY(listItems(*library, "Lows", items).code() == Status::Code::NotFound);
  }

  void soundsDraggedIntoTheSoundListArePlacedAndUndone() {
    TestDatabase source, target;
    TestDatabase unused;
    fillSources(source, unused);
    target.addModel(0, QStringLiteral("Other"));
    target.addSound(0, QStringLiteral("Keep"), 0, 1);

    TestApplication app;
    // The library learns the source when it is opened, as any database the user opens.
    app.open(source.path());
    app.controller.library()->window()->worker().wait();
    app.open(target.path());

    std::unique_ptr<Library> library;
    QVERIFY(Library::open(utf8(library_), library).isOk());
    const QStringList ids = engineIds(library_, {QStringLiteral("glass")});
    QCOMPARE(ids.size(), 1);
    QMimeData drag;
    drag.setData(QStringLiteral("application/x-slotsmith-library-sounds"),
                 ids.front().toUtf8() + '\n');
    SlotListModel* list = app.controller.lists().model(SlotList::Sounds);
    QVERIFY(list->canDropMimeData(&drag, Qt::CopyAction, 0, 0, {}));
    QVERIFY(!app.controller.lists()
                 .model(SlotList::Models)
                 ->canDropMimeData(&drag, Qt::CopyAction, 0, 0, {}));
    app.controller.lists().previewer()->preview(SlotList::Sounds, 0, &drag, Qt::CopyAction);
    QVERIFY2(app.interface.listWindow->statusMessage().startsWith(QStringLiteral("Place 1 sound")),
             qPrintable(app.interface.listWindow->statusMessage()));

    app.answerNext({kAlertDefault});
    QVERIFY(list->dropMimeData(&drag, Qt::CopyAction, 0, 0, {}));
    QCOMPARE(app.cell(SlotList::Sounds, 0, QStringLiteral("soundName")),
             QStringLiteral("Glass Pad"));
    QCOMPARE(app.cell(SlotList::Sounds, 1, QStringLiteral("soundName")), QStringLiteral("Keep"));
    // The model it plays came along, into the first free model slot.
    QCOMPARE(target.modelName(1), QStringLiteral("Glass"));
    QCOMPARE(target.scriptValue(0, QStringLiteral("R1ModellIndex")), QStringLiteral("1"));

    app.controller.edits().run(UndoRequest{}, nullptr, DesktopEdits::Asked::Already);
    QCOMPARE(app.cell(SlotList::Sounds, 0, QStringLiteral("soundName")), QStringLiteral("Keep"));
    QVERIFY(!target.exists(QStringLiteral("Models/001.model/MName")));

    // A sound whose only source is gone refuses the drop, naming it, and changes nothing.
    const QStringList bass = engineIds(library_, {QStringLiteral("bass")});
    QCOMPARE(bass.size(), 1);
    QVERIFY(QDir(source.path() + QStringLiteral("/Sounds/001.sound")).removeRecursively());
    drag.setData(QStringLiteral("application/x-slotsmith-library-sounds"),
                 bass.front().toUtf8() + '\n');
    QVERIFY(list->dropMimeData(&drag, Qt::CopyAction, 0, 0, {}));
    QCOMPARE(app.cell(SlotList::Sounds, 0, QStringLiteral("soundName")), QStringLiteral("Keep"));
    QVERIFY2(app.interface.listWindow->statusMessage().contains(QStringLiteral("Deep Bass")),
             qPrintable(app.interface.listWindow->statusMessage()));
  }

  void theSoundListMarksWhatOnlyItHoldsAndShowsItInTheLibrary() {
    TestDatabase db, other;
    fillSources(db, other);
    addSources({&other});
    TestApplication app(TestApplication::Menus::AsTheProgramBuildsThem);
    app.open(db.path());
    app.controller.library()->window()->worker().wait();
    QCoreApplication::processEvents();
    // Glass Pad lies in the other database too; Deep Bass only here.
    SlotListModel* sounds = app.controller.lists().model(SlotList::Sounds);
    const int name = sounds->columnOf(QStringLiteral("soundName"));
    QVERIFY(sounds->data(sounds->index(0, name), Qt::DecorationRole).isNull());
    QVERIFY(!sounds->data(sounds->index(1, name), Qt::DecorationRole).isNull());
    QVERIFY(sounds->data(sounds->index(1, name), Qt::ToolTipRole)
                .toString()
                .startsWith(QStringLiteral("Only this database holds this sound")));
    app.selectRows(SlotList::Sounds, {1});
    LibraryWindow* window = app.controller.library()->window();
    app.menus->action("showInLibrary")->trigger();
    QVERIFY(window->isVisible());
    QTRY_VERIFY_WITH_TIMEOUT(window->table()->selectionModel()->selectedRows().size() == 1, 5000);
    const int row = window->table()->selectionModel()->selectedRows().front().row();
    QCOMPARE(QString::fromStdString(window->sounds()->soundAt(row)->name),
             QStringLiteral("Deep Bass"));

    // The selection is marked as favourite in the library from the sound list's menu.
    app.selectRows(SlotList::Sounds, {0, 1});
    QSignalSpy marked(window, &LibraryWindow::marked);
    app.menus->action("favouriteInLibrary")->trigger();
    QVERIFY(marked.wait(5000));
    QCOMPARE(engineIds(library_, {QStringLiteral("fav")}).size(), 2);
  }

  void preferencesSayWhetherTheOpenDatabaseIsKept() {
    TestDatabase db, other;
    fillSources(db, other);
    TestApplication app(TestApplication::Menus::AsTheProgramBuildsThem);
    // Turned off in Preferences, opening a database leaves the library alone.
    QTimer::singleShot(0, this, [] {
      QWidget* dialog = QApplication::activeModalWidget();
      QVERIFY(dialog != nullptr);
      auto* follow = dialog->findChild<QCheckBox*>(QStringLiteral("followOpenDatabase"));
      QVERIFY(follow != nullptr && follow->isChecked());
      follow->click();
      dialog->close();
    });
    app.menus->action("preferences")->trigger();
    app.open(db.path());
    QVERIFY(app.controller.library()->window() == nullptr);
    std::unique_ptr<Library> library;
    QVERIFY(Library::open(utf8(library_), library).isOk());
    std::vector<SourceRecord> sources;
    QVERIFY(library->sources(sources).isOk());
    QVERIFY(sources.empty());
    QSettings().setValue(kFollowOpenDatabaseKey, true);
    app.open(db.path());
    app.controller.library()->window()->worker().wait();
    QVERIFY(library->sources(sources).isOk());
    QCOMPARE(sources.size(), std::size_t{1});
  }

  void theWindowKeepsItsLayoutAndSearch() {
    QList<int> sizes;
    {
      LibraryWindow window(utf8(library_), [](const QString&, int) {});
      window.show();
      auto* splitter = window.findChild<QSplitter*>(QStringLiteral("librarySplitter"));
      splitter->setSizes({150, 400, 250});
      sizes = splitter->sizes();
      window.table()->horizontalHeader()->resizeSection(LibrarySoundsModel::Tags, 123);
      window.searchField()->setText(QStringLiteral("tag:Pad"));
      window.hide();
    }
    LibraryWindow again(utf8(library_), [](const QString&, int) {});
    again.show();
    QCOMPARE(again.searchField()->text(), QStringLiteral("tag:Pad"));
    QCOMPARE(again.table()->horizontalHeader()->sectionSize(LibrarySoundsModel::Tags), 123);
    QCOMPARE(again.findChild<QSplitter*>(QStringLiteral("librarySplitter"))->sizes(), sizes);
  }

  // Ctrl+F goes to the search from anywhere in the window; Down or Return there go on into the
  // results with the first one chosen, also before the typing pause is out; Esc clears a search
  // before it closes the window.
  void theKeysGoFromTheSearchToTheResultsAndBack() {
    TestDatabase first, second;
    fillSources(first, second);
    addSources({&first});
    LibraryWindow window(utf8(library_), [](const QString&, int) {});
    closeWithKeys(&window);
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QVERIFY(searchFor(window, QString()));
    const auto chosenName = [&window] {
      const QModelIndexList rows = window.table()->selectionModel()->selectedRows();
      return rows.size() == 1 ? rows.front().data().toString() : QString();
    };
    for (const Qt::Key onward : {Qt::Key_Down, Qt::Key_Return}) {
      window.table()->setFocus();
      window.table()->clearSelection();
      QTest::keyClick(window.table(), Qt::Key_F, Qt::ControlModifier);
      QCOMPARE(QApplication::focusWidget(), window.searchField());
      QSignalSpy searched(&window, &LibraryWindow::searched);
      QTest::keyClicks(window.searchField(),
                       onward == Qt::Key_Down ? QStringLiteral("bass") : QStringLiteral("pad"));
      QTest::keyClick(window.searchField(), onward);
      QCOMPARE(QApplication::focusWidget(), window.table());
      QVERIFY(searched.count() > 0 || searched.wait(5000));
      QCOMPARE(chosenName(),
               onward == Qt::Key_Down ? QStringLiteral("Deep Bass") : QStringLiteral("Glass Pad"));
    }
    QTest::keyClick(window.table(), Qt::Key_Escape);
    QVERIFY(window.searchField()->text().isEmpty());
    QVERIFY(window.isVisible());
    QTest::keyClick(window.table(), Qt::Key_Escape);
    QVERIFY(!window.isVisible());
  }

 private:
  // Adds the databases to the test's library as sources, closing it again: the windows and the
  // application open it themselves.
  void addSources(std::initializer_list<const TestDatabase*> databases) {
    std::unique_ptr<Library> library;
    QVERIFY(Library::open(utf8(library_), library).isOk());
    for (const TestDatabase* database : databases)
      QVERIFY(library->addSource(utf8(database->path())).status.isOk());
  }

  std::unique_ptr<QTemporaryDir> home_;
  QString library_;
};

QTEST_MAIN(LibraryWindowTest)
#include "LibraryWindowTest.moc"
