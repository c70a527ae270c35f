// Typing through ibus with ibus-hangul on a real X display: started by
// scripts/ibus-typing.sh, which brings up Xvfb, a window manager and ibus.
#include "TestSupport.h"
#include "addressee/AddresseeWindow.h"
#include "ui/Fonts.h"
#include "ui/InputMethod.h"

#include <QProcess>
#include <QtTest>

class IbusTypingTest : public QObject {
    Q_OBJECT
  private:
    // Keys and clicks through the X server, so that they pass the input method.
    static void xdotool(const QStringList& arguments) {
        QCOMPARE(QProcess::execute("xdotool", arguments), 0);
        QTest::qWait(300);
    }
    static void clickInto(QWidget* box) {
        const QPoint at = box->mapToGlobal(box->rect().center());
        xdotool({"mousemove", "--sync", QString::number(at.x()), QString::number(at.y()), "click",
                 "1"});
    }

  private slots:
    void initTestCase() {
        if (QGuiApplication::platformName() != "xcb" || qgetenv("QT_IM_MODULE") != "ibus")
            QSKIP("needs an X display with ibus: run scripts/ibus-typing.sh");
        Fonts::install();
        InputMethod::install();
    }
    void hangulStaysInItsBoxAndMailIsLatin();
};

void IbusTypingTest::hangulStaysInItsBoxAndMailIsLatin() {
    ScriptedAnswerer answers;
    TempProgramFolder folder;
    xdotool({"key", "Caps_Lock"});
    AddresseeWindow* w = AddresseeWindow::open();
    QVERIFY(w && QTest::qWaitForWindowActive(w));
    // Caps Lock is shown from the start and follows the key.
    QVERIFY(w->stbPanels[3]->isEnabled());
    xdotool({"key", "Caps_Lock"});
    QTRY_VERIFY(!w->stbPanels[3]->isEnabled());
    QTest::mouseClick(w->cmdCustomerAdd, Qt::LeftButton);
    clickInto(w->txtCustomerName);
    xdotool({"key", "shift+space"}); // Hangul
    // 홍길동 on the two-set keyboard, and a click while 동 is being composed.
    xdotool({"type", "ghdrlfehd"});
    clickInto(w->txtCustomerEmail);
    xdotool({"type", "hong@example.com"});
    // 총무부국, a click while 국 is being composed, then 과장.
    clickInto(w->txtCustomerDepartment);
    xdotool({"type", "chdanqnrnr"});
    clickInto(w->txtCustomerDepartPosition);
    xdotool({"type", "rhkwkd"});
    QTest::mouseClick(w->cmdCustomerAdd, Qt::LeftButton);
    QCOMPARE(TestSupport::query(folder.file("orvaneit.mdb"),
                                "select name, email, department, departposition from customer"),
             (QList<QStringList>{{"홍길동", "hong@example.com", "총무부국", "과장"}}));
    delete w;
}

QTEST_MAIN(IbusTypingTest)
#include "ibus_typing.moc"
