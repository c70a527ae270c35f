// A second start hands the focus to the running copy under a window manager
// that keeps windows from stealing it (openbox on Xvfb): started by
// scripts/ibus-typing.sh, which brings up the display and the manager.
#include "TestSupport.h"

#include <QMouseEvent>
#include <QProcess>
#include <QtTest>

class DesktopFocusTest : public QObject {
    Q_OBJECT
  private:
    static QString xdotool(const QStringList& arguments) {
        QProcess p;
        p.start("xdotool", arguments);
        p.waitForFinished();
        return QString::fromUtf8(p.readAllStandardOutput()).trimmed();
    }

  private slots:
    void initTestCase() {
        if (QGuiApplication::platformName() != "xcb")
            QSKIP("needs an X display with a window manager: run scripts/ibus-typing.sh");
    }
    void secondStartTakesTheFocusWithItsOwnTime();
};

void DesktopFocusTest::secondStartTakesTheFocusWithItsOwnTime() {
    TempProgramFolder folder;
    const QString program = folder.file("orvaneit");
    QVERIFY(QFile::copy(PROGRAM_DIR "/orvaneit", program));
    QProcess first;
    first.start(program);
    QVERIFY(!xdotool({"search", "--sync", "--onlyvisible", "--pid",
                      QString::number(first.processId())})
                 .isEmpty());
    // The user then works in another program's window: its last click is
    // the newest thing the window manager knows of.
    QWidget other;
    other.resize(300, 200);
    other.show();
    QVERIFY(QTest::qWaitForWindowExposed(&other));
    xdotool({"windowactivate", "--sync", QString::number(other.winId())});
    QTRY_VERIFY(other.isActiveWindow());
    struct ClickTime : QObject {
        ulong time = 0;
        bool eventFilter(QObject*, QEvent* e) override {
            if (e->type() == QEvent::MouseButtonPress)
                time = static_cast<QMouseEvent*>(e)->timestamp();
            return false;
        }
    } click;
    other.windowHandle()->installEventFilter(&click);
    const QPoint at = other.mapToGlobal(other.rect().center());
    xdotool({"mousemove", "--sync", QString::number(at.x()), QString::number(at.y()), "click",
             "1"});
    QTRY_VERIFY(click.time != 0);
    // A launcher started the second copy a moment after that click.
    QProcess second;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("DESKTOP_STARTUP_ID", QString("orvaneit-test_TIME%1").arg(click.time + 1));
    second.setProcessEnvironment(env);
    second.start(program);
    QVERIFY(second.waitForFinished(15000));
    QCOMPARE(second.exitCode(), 0);
    QTRY_COMPARE(xdotool({"getactivewindow", "getwindowpid"}),
                 QString::number(first.processId()));
    first.kill();
    first.waitForFinished();
}

QTEST_MAIN(DesktopFocusTest)
#include "desktop_focus.moc"
