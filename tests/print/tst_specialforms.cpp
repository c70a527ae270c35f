#include "TestSupport.h"
#include "pages/PageRenderer.h"
#include "pages/RecordingPrinter.h"
#include "print/PrintWindow.h"
#include "store/AddressBook.h"
#include "ui/Fonts.h"

#include <QtTest>

namespace {
QString describe(const Printer::Line& l) {
    return QString("%1 %2 %3,%4 %5%6")
        .arg(l.face)
        .arg(l.size)
        .arg(l.x)
        .arg(l.y)
        .arg(l.text)
        .arg(l.vertical ? " |" : "");
}
QList<uint> codePoints(const QString& text) {
    QList<uint> points;
    for (char32_t c : text.toUcs4())
        points << uint(c);
    return points;
}
const int h18 = RecordingPrinter::heightOf(18);
} // namespace

class SpecialFormTest : public QObject, PrintWindowFixture {
    Q_OBJECT

    void sender(const QString& company, const QString& position, const QString& name) {
        TestSupport::setSender({{"company", company},
                                {"departposition", position},
                                {"name", name},
                                {"department", "총무부"},
                                {"telephone", "02-111"}});
    }
    // The print window on its greeting envelope tab.
    void openWindow() {
        PrintWindowFixture::openWindow();
        QVERIFY(w);
        w->tabPrintDataInfo->setCurrentIndex(1);
    }
    void choose(const char* option) {
        QTest::mouseClick(w->findChild<QRadioButton*>(option), Qt::LeftButton, {}, QPoint(5, 5));
    }
    void press() { QTest::mouseClick(w->cmdSpecialFormPrint, Qt::LeftButton); }
    QStringList lines(int job = 0) {
        QStringList all;
        for (const auto& l : printer->jobs.value(job).lines)
            all << describe(l);
        return all;
    }

  private slots:
    void initTestCase() { Fonts::install(); }
    void init() { setUpTest(); }
    void cleanup() { tearDownTest(); }

    void greetingsKeepTheirCodePoints_data() {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QList<uint>>("points");
        QTest::newRow("축 결 혼") << "optMarried_1"
                                  << QList<uint>{0x20, 0x795D, 0x20, 0x7D50, 0x20, 0x5A5A};
        QTest::newRow("축 화 혼") << "optMarried_2"
                                  << QList<uint>{0x795D, 0x20, 0x83EF, 0x20, 0x5A5A};
        QTest::newRow("축 발 전") << "optGrowth" << QList<uint>{0x795D, 0x20, 0x767C, 0x20, 0x5C55};
        QTest::newRow("백 일") << "optHundredday"
                               << QList<uint>{0x795D, 0x20, 0x767E, 0x20, 0x65E5};
        QTest::newRow("축 돌") << "optFirstBirthday"
                               << QList<uint>{0xCD95, 0x20, 0xCCAB, 0x20, 0xB3CC};
        QTest::newRow("생 신(일)")
            << "optBirthday" << QList<uint>{0x795D, 0x20, 0x751F, 0x20, 0xF971};
        QTest::newRow("축 회 갑") << "optSixtyBirthday"
                                  << QList<uint>{0x795D, 0x20, 0x58FD, 0x20, 0x7B75};
        QTest::newRow("축 고 희") << "optSeventyBirthday"
                                  << QList<uint>{0x795D, 0x20, 0x53E4, 0x20, 0x7A00};
        QTest::newRow("축 팔 순") << "optEightyBirthday"
                                  << QList<uint>{0x795D, 0x20, 0x5098, 0x20, 0x58FD};
        QTest::newRow("쾌 유") << "optTreatment" << QList<uint>{0x5FEB, 0x20, 0x20, 0x20, 0x7652};
        QTest::newRow("부 의") << "optCondolence" << QList<uint>{0x8CFB, 0x20, 0x20, 0x20, 0x5100};
    }
    void greetingsKeepTheirCodePoints() {
        QFETCH(QString, option);
        QFETCH(QList<uint>, points);
        openWindow();
        choose(qPrintable(option));
        press();
        QCOMPARE(printer->jobs.size(), 1);
        // Without a sender row the greeting stands alone.
        QCOMPARE(printer->jobs[0].lines.size(), 1);
        QCOMPARE(codePoints(printer->jobs[0].lines[0].text), points);
    }

    void verticalEnvelopeQA3801() {
        sender("오르반상사", "과장", "홍길동");
        openWindow();
        choose("optMarried_1");
        press();
        QCOMPARE(printer->jobs.size(), 1);
        QVERIFY(printer->jobs[0].paper == Paper() &&
                printer->jobs[0].followedDefault);
        QCOMPARE(lines(), (QStringList{
                              "@굴림 18 7780,990 오르반상사 |",
                              QString("@굴림 18 7780,%1 과장 홍길동 |").arg(990 + 2 * h18),
                              QString::fromUtf16(u"@굴림체 56 4030,5649  \u795D \u7D50 \u5A5A |"),
                          }));
        // An empty company still takes its line; a blank position leaves the name alone.
        sender("", " ", "홍길동");
        press();
        QCOMPARE(lines(1).mid(0, 2),
                 (QStringList{"@굴림 18 7780,990  |",
                              QString("@굴림 18 7780,%1 홍길동 |").arg(990 + 2 * h18)}));
        // Neither position nor name: no name line, the greeting still prints.
        sender("회사", "", " ");
        press();
        QCOMPARE(printer->jobs[2].lines.size(), 2);
        QCOMPARE(printer->jobs[2].lines[1].size, 56.0);
        // The window's choices stay for the next press.
        QVERIFY(w->optMarried_1->isChecked());
    }

    // Set vertically, every character keeps a cell of its own along the
    // line and its glyph stays inside it, whatever the mix of scripts.
    void verticalGlyphsNeverOverlap() {
        for (const QString face : {"@굴림", "@굴림체", "@바탕체"}) {
            const Printer::Line line{face, 18, 7780, 990, "(주)오르반 ABC-12 Hong 漢字 1,2.「가」",
                                     true};
            const auto cells = PageRenderer::verticalCells(line);
            QCOMPARE(cells.size(), line.text.size());
            QCOMPARE(cells[0].cell.left(), 7780.0);
            for (int i = 0; i < cells.size(); ++i) {
                QVERIFY(cells[i].cell.contains(cells[i].box) || cells[i].box.isEmpty());
                if (i > 0)
                    QCOMPARE(cells[i].cell.left(), cells[i - 1].cell.right());
            }
        }
        // Latin letters and digits stand upright like Hangul: turned with the
        // sheet, a tall "1" or "I" lies across the line on the page.
        Sheet sheet;
        sheet.printable = QRectF(0, 0, Sheet::Width, Sheet::Height);
        for (const QString text : {"1", "I", "가"}) {
            const QRect ink = TestSupport::inkBounds(
                PageRenderer::sheetImage({{"@굴림", 72, 1440, 1440, text, true}}, sheet, 96),
                QRect(10, 10, 400, 300));
            QVERIFY2(ink.width() > ink.height() || text == "가", qPrintable(text));
        }
    }

    void horizontalEnvelopes() {
        sender("오르반상사", "", "홍길동");
        openWindow();
        choose("optLetterTypeQB3802");
        choose("optCondolence");
        press();
        QCOMPARE(lines(),
                 (QStringList{QString::fromUtf16(u"굴림체 56 5764,3354 \u8CFB   \u5100"),
                              "굴림 18 10370,5748 오르반상사", "굴림 18 10370,6300 홍길동"}));
        choose("optLetterTypeQC3803");
        choose("optBirthday");
        press();
        QCOMPARE(lines(1),
                 (QStringList{QString::fromUtf16(u"굴림체 56 5180,4000 \u795D \u751F \uF971"),
                              "굴림 18 9800,6344 오르반상사", "굴림 18 9800,6840 홍길동"}));
        QCOMPARE(printer->jobs.size(), 2);
    }

    void refusals() {
        sender("회사", "과장", "이름");
        openWindow();
        choose("optLetterTypeQD3805");
        press();
        QCOMPARE(answers->messages.size(), 1);
        QCOMPARE(
            answers->lastText(),
            QString("QD3805 TYPE은 Special Form으로    \r\n출력하지 못합니다.                "));
        QCOMPARE(answers->messages[0].icon, MessageBox::Icon::Stop);
        choose("optLetterTypeQA3801");
        press();
        QCOMPARE(answers->lastText(),
                 QString("출력하고자 하는 Special Form을    \r\n지정하지 않았습니다"));
        QCOMPARE(printer->jobs.size(), 0);
        // A refused job is reported and the window stays usable.
        choose("optGrowth");
        printer->refuseJob = 0;
        press();
        QCOMPARE(answers->messages.size(), 3);
        QVERIFY(answers->lastText().startsWith("인쇄하지 못했습니다."));
        press();
        QCOMPARE(printer->jobs.size(), 1);
    }
};

QTEST_MAIN(SpecialFormTest)
#include "tst_specialforms.moc"
