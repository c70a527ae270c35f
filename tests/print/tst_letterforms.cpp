#include "TestSupport.h"
#include "pages/RecordingPrinter.h"
#include "print/PrintWindow.h"
#include "store/AddressBook.h"
#include "store/AddresseeBook.h"
#include "store/TextRules.h"
#include "ui/Controls.h"
#include "ui/Fonts.h"

#include <QProgressDialog>
#include <QtTest>

using TestSupport::addCustomer;

namespace {
// One expected line: "size x,y text" (the face is checked separately).
struct Flow {
    QStringList lines;
    double size = 12;
    int x = 0;
    int y = 0;
    void at(int newX, int newY = -1) {
        x = newX;
        if (newY >= 0)
            y = newY;
    }
    void print(const QString& text) {
        lines << QString("%1 %2,%3 %4").arg(size).arg(x).arg(y).arg(text);
        blank();
    }
    void blank() {
        x = 0;
        y += RecordingPrinter::heightOf(size);
    }
};

QStringList printed(const RecordingPrinter::Job& job) {
    QStringList lines;
    for (const auto& line : job.lines)
        lines << QString("%1 %2,%3 %4").arg(line.size).arg(line.x).arg(line.y).arg(line.text);
    return lines;
}

struct Form {
    const char* option;
    int sx, sy;
    double company, body;
    QString hp;
    int ax, zipX, topWith, topWithout, psX, psSenderOnly, psAddressee; // -1: follows the block
};
const Form forms[] = {
    {"optLetterTypeQA3801", 2914, 3750, 18, 12, "H.P", 8780, 8780, 6237, 6237, 2914, 7600, -1},
    {"optLetterTypeQB3802", 3589, 2240, 18, 12, "HP", 8332, 8332, 4500, 4500, 3589, 6100, -1},
    {"optLetterTypeQC3803", 3004, 2654, 18, 12, "H.P", 8390, 8390, 5175, 5175, 3004, 7104, -1},
    {"optLetterTypeQD3805", 1042, 1042, 23, 15, "H.P", 7680, 9243, 6237, 5440, 1042, 9900, 9900},
};

void senderBlock(Flow& f, const Form& form) {
    f.at(form.sx, form.sy);
    f.size = form.company;
    f.print("오르반상사");
    f.size = form.body;
    f.at(form.sx);
    f.print("서울 강남구  개포1동");
    f.at(form.sx);
    f.print("123-45");
    f.at(form.sx);
    f.print("총무부 과장 홍길동");
    f.at(form.sx);
    f.print("TEL 02-111 FAX 02-222");
    f.at(form.sx);
    f.print(form.hp + " 010-1234-5678");
    f.at(form.sx);
    f.print("me@orvane.kr");
    f.at(form.sx);
    f.print("135 - 806");
}
} // namespace

class LetterFormTest : public QObject, PrintWindowFixture {
    Q_OBJECT

    void fullSender() {
        TestSupport::setSender({{"name", "홍길동  "},
                                {"company", "오르반상사"},
                                {"department", "총무부 "},
                                {"departposition", "과장"},
                                {"email", "me@orvane.kr"},
                                {"telephone", "02-111  "},
                                {"facsimile", "02-222"},
                                {"mobilephone", "010-1234-5678"},
                                {"zipcode", "135-806"},
                                {"address1", "서울 강남구  개포1동"},
                                {"address2", "123-45"}});
    }
    void choose(const char* option) { w->findChild<QRadioButton*>(option)->setChecked(true); }
    void printAll() {
        QTest::mouseClick(w->cmdAllDataSelect, Qt::LeftButton);
        QTest::mouseClick(w->cmdDataPrint, Qt::LeftButton);
    }

  private slots:
    void initTestCase() { Fonts::install(); }
    void init() { setUpTest(); }
    void cleanup() { tearDownTest(); }

    void addresseePages_data() {
        QTest::addColumn<int>("form");
        QTest::addColumn<bool>("withCompany");
        for (int i = 0; i < 4; ++i) {
            QTest::newRow(qPrintable(QString("%1 with company").arg(forms[i].option))) << i << true;
            QTest::newRow(qPrintable(QString("%1 without").arg(forms[i].option))) << i << false;
        }
    }
    void addresseePages() {
        QFETCH(int, form);
        QFETCH(bool, withCompany);
        const Form& f = forms[form];
        fullSender();
        addCustomer({{"seq", "5"},
                     {"name", "김철수 "},
                     {"departposition", "부장 "},
                     {"company", "한국상사 "},
                     {"department", "영업부"},
                     {"zipcode", "100-011"},
                     {"address1", "서울 중구  갑동"},
                     {"address2", "1-2"},
                     {"mobilephone", "010-9999-9999"},
                     {"remark", "not printed"},
                     {"printcondition", withCompany ? "1" : "2"}});
        openWindow();
        choose(f.option);
        QTest::keyClicks(w->txtPostScript, "P.S. hello");
        printAll();

        Flow page;
        senderBlock(page, f);
        page.size = f.body;
        page.at(f.ax, withCompany ? f.topWith : f.topWithout);
        page.print("서울 중구  갑동");
        page.at(f.ax);
        page.print("1-2");
        page.blank();
        if (withCompany) {
            page.at(f.ax);
            page.print("한국상사 영업부");
        }
        page.at(f.ax);
        page.print("김철수 부장님 귀하");
        page.blank();
        page.at(f.zipX);
        page.print("100 - 011");
        page.blank();
        page.at(f.psX, f.psAddressee);
        page.print("P.S. hello");

        QCOMPARE(printer->jobs.size(), 1);
        QCOMPARE(printed(printer->jobs[0]), page.lines);
        for (const auto& line : printer->jobs[0].lines) {
            QCOMPARE(line.face, QString("굴림"));
            QVERIFY(!line.vertical);
        }
        QVERIFY(printer->jobs[0].paper == Paper());
        QCOMPARE(w->lstDataPrintList->count(), 0);
        QCOMPARE(w->lstDataAllList->count(), 1);
        QCOMPARE(w->txtPostScript->text(), QString());
    }

    // Today's five-digit codes print whole at each form's zip positions;
    // six-digit ones keep their split.
    void fiveDigitCodes() {
        TestSupport::setSender(
            {{"zipcode", "06315"}, {"address1", "서울특별시 강남구 논현로8길 61"}});
        addCustomer({{"seq", "1"}, {"name", "가"}, {"zipcode", "01000"}});
        addCustomer({{"seq", "2"}, {"name", "나"}, {"zipcode", "135-806"}});
        openWindow();
        choose(forms[3].option);
        printAll();
        QCOMPARE(printer->jobs.size(), 2);
        const QStringList first = printed(printer->jobs[0]);
        QVERIFY(first.contains(
            QString("15 1042,%1 06315").arg(1042 + 2 * RecordingPrinter::heightOf(15))));
        QVERIFY(first.filter(" 9243,").value(0).endsWith(" 01000"));
        QVERIFY(printed(printer->jobs[1]).filter(" 9243,").value(0).endsWith(" 135 - 806"));
    }

    void senderOnlyCopies_data() {
        QTest::addColumn<int>("form");
        QTest::addColumn<QString>("copies");
        QTest::addColumn<int>("pages");
        for (int i = 0; i < 4; ++i) {
            QTest::newRow(qPrintable(QString("%1 2").arg(forms[i].option))) << i << "2" << 2;
            QTest::newRow(qPrintable(QString("%1 empty").arg(forms[i].option))) << i << "" << 0;
            QTest::newRow(qPrintable(QString("%1 0").arg(forms[i].option))) << i << "0" << 0;
        }
        QTest::newRow("blanks inside") << 0 << "1 1" << 11;
        QTest::newRow("half to even") << 0 << "2.5" << 2;
        QTest::newRow("text") << 0 << "x3" << 0;
    }
    void senderOnlyCopies() {
        QFETCH(int, form);
        QFETCH(QString, copies);
        QFETCH(int, pages);
        const Form& f = forms[form];
        fullSender();
        addCustomer({{"seq", "1"}, {"name", "가"}});
        openWindow();
        choose(f.option);
        QTest::mouseClick(w->chkPersonInfoPrint, Qt::LeftButton);
        w->txtNumberOfCopies->setText(copies);
        w->txtPostScript->setText("추신");
        QTest::mouseClick(w->cmdDataPrint, Qt::LeftButton);

        Flow page;
        senderBlock(page, f);
        page.at(f.psX, f.psSenderOnly);
        page.print("추신");
        QCOMPARE(printer->jobs.size(), pages);
        for (const auto& job : printer->jobs)
            QCOMPARE(printed(job), page.lines);
        QVERIFY(!w->chkPersonInfoPrint->isChecked());
        QVERIFY(w->lstDataAllList->isEnabled() && w->cmdEachDataSelect->isEnabled());
        QCOMPARE(w->txtPostScript->text(), QString());
        QCOMPARE(w->txtNumberOfCopies->text(), QString());
    }

    void emptyFieldsAndHonorifics() {
        // A blank company is empty; two blanks are filled.
        TestSupport::setSender({{"company", " "},
                                {"departposition", "  "},
                                {"facsimile", "02-222"},
                                {"address1", "주소1"},
                                {"zipcode", ""}});
        addCustomer(
            {{"seq", "1"}, {"name", " "}, {"departposition", "원장 "}, {"printcondition", "1"}});
        addCustomer({{"seq", "2"}, {"name", ""}, {"departposition", " "}, {"printcondition", "1"}});
        addCustomer({{"seq", "3"}, {"name", "이름"}, {"departposition", " "}});
        openWindow();
        printAll();
        QCOMPARE(printer->jobs.size(), 3);
        Flow sender;
        sender.at(2914, 3750);
        sender.print("주소1");
        sender.at(2914);
        sender.print("");
        sender.at(2914);
        sender.print(" "); // position "  " trimmed, then the empty name
        sender.at(2914);
        sender.print("FAX 02-222");
        sender.at(2914);
        sender.print("  ");
        QCOMPARE(printed(printer->jobs[0]).mid(0, 5), sender.lines);
        auto nameLine = [&](int job, int index) {
            return printer->jobs[job].lines[5 + index].text;
        };
        QCOMPARE(nameLine(0, 2), QString(" ")); // company line of two empty fields
        QCOMPARE(nameLine(0, 3), QString("원장님 귀하"));
        QCOMPARE(nameLine(1, 3), QString("귀중"));
        QCOMPARE(nameLine(2, 2), QString("이름 님 귀하"));
    }

    void threeEntriesThreeJobsInListOrder() {
        fullSender();
        addCustomer({{"seq", "1"}, {"name", "다"}});
        addCustomer({{"seq", "2"}, {"name", "가"}});
        addCustomer({{"seq", "3"}, {"name", "나"}});
        openWindow();
        printAll();
        QCOMPARE(printer->jobs.size(), 3);
        QStringList names;
        for (const auto& job : printer->jobs)
            names << job.lines[10].text;
        QCOMPARE(names, (QStringList{"가 님 귀하", "나 님 귀하", "다 님 귀하"}));
        QCOMPARE(w->lstDataAllList->count(), 3);
        QCOMPARE(w->lstDataPrintList->count(), 0);
        // The run leaves the book's rows as they were, in list order.
        QCOMPARE(AddresseeBook::shared()->value(2, AddresseeFields::Name), QString("다"));
    }

    void withoutSenderRowOnlyTheAddressee() {
        addCustomer({{"seq", "1"}, {"name", "가"}});
        openWindow();
        printAll();
        QCOMPARE(printer->jobs.size(), 1);
        QCOMPARE(printer->jobs[0].lines.first().text, QString(""));
        QCOMPARE(printer->jobs[0].lines.first().x, 8780);
        QCOMPARE(printer->jobs[0].lines.first().y, 6237);
    }

    // Every page sets its form's sizes, whatever was printed before.
    void withoutSenderRowAfterAGreetingEnvelope() {
        addCustomer({{"seq", "1"}, {"name", "가"}});
        openWindow();
        w->optMarried_1->setChecked(true);
        QTest::mouseClick(w->cmdSpecialFormPrint, Qt::LeftButton);
        QCOMPARE(printer->jobs[0].lines.last().size, 56.0);
        printAll();
        choose("optLetterTypeQD3805");
        QTest::mouseClick(w->chkPersonInfoPrint, Qt::LeftButton);
        QTest::mouseClick(w->cmdDataPrint, Qt::LeftButton);
        QCOMPARE(printer->jobs.size(), 3);
        for (const auto& line : printer->jobs[1].lines)
            QCOMPARE(line.size, 12.0);
        QCOMPARE(printer->jobs[2].lines.size(), 1);
        QCOMPARE(printer->jobs[2].lines[0].size, 15.0);
    }

    void senderRowThatCannotBeReadIsReported() {
        fullSender();
        addCustomer({{"seq", "1"}, {"name", "가"}});
        openWindow();
        TestSupport::query(folder->file("orvaneit.mdb"), "drop table personal");
        printAll();
        QCOMPARE(printer->jobs.size(), 0);
        QCOMPARE(answers->messages.size(), 1);
        QVERIFY(answers->lastText().startsWith("인쇄하지 못했습니다."));
        QCOMPARE(w->lstDataPrintList->count(), 1);
    }

    // A run of more than a few pages shows its progress and stops between
    // two pages; what was not printed stays in the print list.
    void longRunStops() {
        for (int i = 1; i <= 5; ++i)
            addCustomer({{"seq", QString::number(i)}, {"name", QString("이름%1").arg(i)}});
        openWindow();
        QTimer::singleShot(0, w, [this] {
            auto* progress = w->findChild<QProgressDialog*>("dlgPrintProgress");
            QVERIFY(progress && progress->labelText().startsWith("1 / 5"));
            progress->cancel();
        });
        printAll();
        QCOMPARE(printer->jobs.size(), 1);
        QCOMPARE(w->lstDataPrintList->count(), 4);
        QCOMPARE(answers->messages.size(), 0);
    }

    void deletedAddresseeIsSkipped() {
        addCustomer({{"seq", "1"}, {"name", "가"}});
        addCustomer({{"seq", "2"}, {"name", "나"}});
        openWindow();
        // The addressee window deletes 가 while the print window is open.
        AddresseeBook::shared()->remove("1");
        printAll();
        QCOMPARE(printer->jobs.size(), 1);
        QCOMPARE(printer->jobs[0].lines[2].text, QString("나 님 귀하"));
        QCOMPARE(w->lstDataAllList->count(), 2);
    }

    void refusedJobKeepsTheRest() {
        for (int i = 1; i <= 3; ++i)
            addCustomer({{"seq", QString::number(i)}, {"name", QString("이름%1").arg(i)}});
        openWindow();
        printer->refuseJob = 1;
        w->txtPostScript->setText("추신");
        printAll();
        QCOMPARE(printer->jobs.size(), 1);
        QCOMPARE(answers->messages.size(), 1);
        QCOMPARE(answers->messages[0].title, QString("경고"));
        QVERIFY(answers->lastText().startsWith("인쇄하지 못했습니다."));
        QCOMPARE(w->lstDataPrintList->count(), 2);
        QCOMPARE(TextRules::lineKey(w->lstDataPrintList->item(0)->text()), QString("2"));
        QCOMPARE(w->txtPostScript->text(), QString("추신"));
        // Once the printer takes jobs again the rest print.
        QTest::mouseClick(w->cmdDataPrint, Qt::LeftButton);
        QCOMPARE(printer->jobs.size(), 3);
        QCOMPARE(w->lstDataPrintList->count(), 0);

        // Sender-only pages not printed stay in the copies box.
        QTest::mouseClick(w->chkPersonInfoPrint, Qt::LeftButton);
        w->txtNumberOfCopies->setText("5");
        printer->refuseJob = 6; // the third of these five pages
        QTest::mouseClick(w->cmdDataPrint, Qt::LeftButton);
        QCOMPARE(printer->jobs.size(), 5);
        QVERIFY(answers->lastText().endsWith("인쇄하지 못한 부수는 '부 출력' 칸에 남아 있습니다."));
        QCOMPARE(w->txtNumberOfCopies->text(), QString("3"));
        QVERIFY(w->chkPersonInfoPrint->isChecked());
    }
};

QTEST_MAIN(LetterFormTest)
#include "tst_letterforms.moc"
