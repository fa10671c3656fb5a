// Starts the application on the demo database, scans it and renders every window, the lists also
// at 700 px and with a dark palette. Set SLOTSMITH_SCREENSHOTS to a folder to keep the pictures.
#include <QApplication>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QTest>

#include "AppTestSupport.h"
#include "core/DemoDatabase.h"
#include "ui/ListWindow.h"
#if defined(SLOTSMITH_SOUND_LIBRARY)
#include <QSignalSpy>
#include <QTableView>

#include "app/library/LibraryActions.h"
#include "app/library/LibraryWindow.h"
#include "app/library/LibraryWorker.h"
#endif
#include "ui/SlotTableView.h"
#include "ui/myDropSpace.h"

using slotsmith::SlotList;

class SmokeTest : public QObject {
  Q_OBJECT

 private:
  static void render(QWidget* window, const QString& name) {
    QCoreApplication::processEvents();  // layouts settle, as they would before the next paint
    const QImage picture = window->grab().toImage();
    QVERIFY(!picture.isNull());
    QVERIFY(picture.width() > 50 && picture.height() > 50);
    const QString folder = qEnvironmentVariable("SLOTSMITH_SCREENSHOTS");
    if (!folder.isEmpty()) QVERIFY(picture.save(QDir(folder).filePath(name + ".png")));
  }

 private Q_SLOTS:
  void demoDatabaseOpensAndEveryWindowRenders() {
    QTemporaryDir dir;
    const QString root = dir.filePath("Neuron DB");
    QVERIFY(slotsmith::writeDemoDatabase(QFile::encodeName(root).toStdString()).isOk());
    QCoreApplication::setApplicationVersion(QStringLiteral("0.1.0"));
    TestApplication app;
    app.interface.mainWindow->show();
    render(app.interface.splashScreenWindow.get(), "splash");
    app.controller.removeSplashScreen();
    app.open(root);
    QVERIFY(app.cell(SlotList::Sounds, 0, "soundName") != QStringLiteral("--<empty>--"));
    app.selectRows(SlotList::Sounds, {0, 1, 2});
    ListWindow* lists = app.interface.listWindow.get();
    render(lists, "lists");
    // A narrow window: the bank maps give way, the names shorten, every other column stays whole.
    const QSize size = lists->size();
    lists->resize(700, size.height());
    render(lists, "lists-700");
    lists->resize(size);
    // A dark palette, with the rows of a move previewed as during a drag.
    const QPalette light = QApplication::palette();
    QApplication::setPalette(darkDesktopPalette());
    std::vector<bool> moving(slotsmith::kSlotCount, false);
    std::vector<bool> leaving(slotsmith::kSlotCount, false);
    for (int row = 3; row < 8; ++row)
      moving[static_cast<size_t>(row)] = true;
    leaving[8] = true;
    app.controller.lists().view(SlotList::Sounds)->setPreviewRows(moving, leaving);
    render(lists, "lists-dark");
    app.controller.lists().view(SlotList::Sounds)->setPreviewRows({}, {});
    QApplication::setPalette(light);
    app.interface.mainWindow->dropSpaceView()->setDropDisabled();
    render(app.interface.mainWindow.get(), "main-disabled");
    app.interface.mainWindow->dropSpaceView()->setDropEnabled();
    render(app.interface.mainWindow.get(), "main");
    app.edits.showFindAndReplace();
    render(app.interface.findReplaceWindow, "find-replace");
    app.interface.progressWindow->openWithText("Analyzing NeuronDB...", 999);
    app.interface.progressWindow->setSlider(400);
    render(app.interface.progressWindow->window(), "progress");
    app.interface.progressWindow->close();
#if defined(SLOTSMITH_SOUND_LIBRARY)
    // The Library window on the demo database, which opening it added as a source.
    app.controller.library()->showWindow();
    LibraryWindow* library = app.controller.library()->window();
    library->resize(1000, 560);
    QSignalSpy models(library, &LibraryWindow::modelsRead);
    library->worker().wait();
    library->search();
    QVERIFY(models.wait(5000));
    library->table()->selectRow(2);
    render(library, "library");
#endif
  }
};

QTEST_MAIN(SmokeTest)
#include "SmokeTest.moc"
