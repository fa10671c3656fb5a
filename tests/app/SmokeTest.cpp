// Starts the application on the demo database, scans it and renders every window. Set
// SLOTSMITH_SCREENSHOTS to a folder to keep the pictures.
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QTest>

#include "AppTestSupport.h"
#include "core/DemoDatabase.h"
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
    render(app.interface.listWindow.get(), "lists");
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
  }
};

QTEST_MAIN(SmokeTest)
#include "SmokeTest.moc"
