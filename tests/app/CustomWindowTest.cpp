// The borderless window: its look, the fades, dragging with the top limit, and the splash view.
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTest>

#include "AppTestSupport.h"
#include "ui/LUMCustomView.h"
#include "ui/LUMCustomWindow.h"
#include "ui/SplashScreenWindow.h"

using namespace slotsmith;

class CustomWindowTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void init() { failOnQtWarnings(); }

  void windowIsBorderlessAndTransparent() {
    LUMCustomWindow window;
    QVERIFY(window.windowFlags() & Qt::FramelessWindowHint);
    QVERIFY(window.testAttribute(Qt::WA_TranslucentBackground));
    QCOMPARE(window.opacity(), 1.0f);
  }

  void draggingIsAllowedOnlyAfterSetUp() {
    LUMCustomWindow window;
    QVERIFY(!window.allowsDragging());
    window.awakeFromNib();
    QVERIFY(window.allowsDragging());
  }

  void fadeInEndsOpaqueAndFadeOutNearlyTransparent() {
    LUMCustomWindow window;
    window.setFadeStepSeconds(0.0);
    window.show();
    window.setOpacity(0.0f);
    window.fadeIn();
    QCOMPARE(window.opacity(), 1.0f);
    window.fadeOut();
    // 26 steps from 1.0, each 5/6 of the one before: the last opacity set is about 0.0105.
    QVERIFY(qAbs(window.opacity() - 0.0105f) < 0.0005f);
  }

  void dragStopsTwentyTwoPixelsBelowTheScreenTop() {
    LUMCustomWindow window;
    window.awakeFromNib();
    window.setGeometry(200, 300, 100, 100);
    window.show();
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const QPointF press(window.frameGeometry().topLeft() + QPoint(10, 10));
    QMouseEvent down(QEvent::MouseButtonPress, QPointF(10, 10), press, Qt::LeftButton,
                     Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&window, &down);
    QCOMPARE(window.originForDragTo(QPointF(screen.left() + 60, screen.top() - 500)).y(),
             screen.top() + 22);
    const QPoint sideways = window.originForDragTo(press + QPointF(-900, 0));
    QCOMPARE(sideways, window.frameGeometry().topLeft() + QPoint(-900, 0));
    const QPoint down800 = window.originForDragTo(press + QPointF(0, 800));
    QCOMPARE(down800.y(), window.frameGeometry().top() + 800);
  }

  void stripLiesSeventyPixelsBelowTheTop() {
    LUMCustomWindow window;
    window.resize(400, 300);
    QCOMPARE(window.cmzStripRect(), QRect(86, 50, 75, 20));
  }

  void splashShowsItsPictureAndVersion() {
    SplashScreenWindow splash;
    QVERIFY(!splash.view()->backImage().isNull());
    QVERIFY(splash.allowsDragging());
    const QImage picture = splash.view()->backImage();
    QCOMPARE(picture.pixelColor(0, 0).alpha(), 0);  // see-through outside the card
    QCOMPARE(picture.pixelColor(picture.width() / 2, picture.height() - 20).alpha(), 255);
    QVERIFY(splash.versionTextSplash() != nullptr);
  }

  void directCloseDoesNotEndTheApplication() {
    LUMCustomWindow window;
    window.setFadeStepSeconds(0.0);
    window.show();
    bool quitting = false;
    QObject::connect(qApp, &QCoreApplication::aboutToQuit, [&quitting] { quitting = true; });
    window.closeDirectly();
    QVERIFY(!window.isVisible());
    QCoreApplication::processEvents();
    QVERIFY(!quitting);
  }
};

QTEST_MAIN(CustomWindowTest)
#include "CustomWindowTest.moc"
