// End to end through a real CUPS server: the default printer is a PDF queue
// (set up by scripts/cups-pdf-printer.sh), so every page becomes a PDF file.
#include "TestSupport.h"
#include "print/frmPrintData.h"
#include "store/AddressBook.h"
#include "ui/Fonts.h"

#include <QDir>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QtTest>

namespace {
QString outputFolder() {
    return QDir::home().filePath("PDF");
}

QStringList pdfs() {
    return QDir(outputFolder()).entryList({"*.pdf"}, QDir::Files, QDir::Time | QDir::Reversed);
}

struct Word {
    QString text;
    QRectF box; // points, top-left origin, on the page as the PDF shows it
};

QList<Word> words(const QString& pdf) {
    QProcess p;
    p.start("pdftotext", {"-bbox", pdf, "-"});
    p.waitForFinished(30000);
    const QString html = QString::fromUtf8(p.readAllStandardOutput());
    static const QRegularExpression word("<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" "
                                         "xMax=\"([\\d.]+)\" yMax=\"([\\d.]+)\">([^<]*)</word>");
    QList<Word> found;
    for (auto m = word.globalMatch(html); m.hasNext();) {
        const auto w = m.next();
        found << Word{w.captured(5),
                      QRectF(QPointF(w.captured(1).toDouble(), w.captured(2).toDouble()),
                             QPointF(w.captured(3).toDouble(), w.captured(4).toDouble()))};
    }
    return found;
}

// The PDFs that came since `before` and carry `mark`, as full paths.
QStringList marked(const QStringList& before, const QString& mark) {
    QStringList found;
    for (const QString& file : pdfs()) {
        const QString path = QDir(outputFolder()).filePath(file);
        if (before.contains(file))
            continue;
        for (const Word& word : words(path)) {
            if (word.text == mark) {
                found << path;
                break;
            }
        }
    }
    return found;
}

int pageCount(const QString& pdf) {
    QProcess p;
    p.start("pdfinfo", {pdf});
    p.waitForFinished(30000);
    const auto m =
        QRegularExpression("Pages:\\s+(\\d+)").match(QString::fromUtf8(p.readAllStandardOutput()));
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}
} // namespace

class CupsPrintTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() {
        Fonts::install();
        if (QPrinterInfo::defaultPrinterName() != "PDF")
            QSKIP("no CUPS server with the PDF queue as default printer "
                  "(scripts/cups-pdf-printer.sh start, as root, sets one up)");
    }

    void threeAddresseesThreePdfPages() {
        ScriptedAnswerer answers;
        TempProgramFolder folder;
        TestSupport::setSender(
            {{"company", "오르반상사"}, {"name", "홍길동"}, {"zipcode", "135-806"}});
        const QStringList names = {"강감찬", "김유신", "이순신"};
        for (int i = 0; i < names.size(); ++i)
            TestSupport::addCustomer({{"seq", QString::number(i + 1)},
                                      {"name", names[i]},
                                      {"address1", "서울 중구  갑동"},
                                      {"zipcode", "100-011"}});
        AddressBook::startUp();
        const QStringList before = pdfs();
        frmPrintData* w = frmPrintData::open();
        QVERIFY(w);
        const int face = w->cboPrinterFont->findText("NanumGothic");
        QVERIFY(face >= 0);
        w->cboPrinterFont->setCurrentIndex(face);
        emit w->cboPrinterFont->activated(face);
        QTest::mouseClick(w->cmdAllDataSelect, Qt::LeftButton);
        // Other runs may print to the same queue: this run's pages carry a
        // mark of their own in the postscript.
        const QString mark = QString("RUN%1").arg(QCoreApplication::applicationPid());
        w->txtPostScript->setText(mark);
        QTest::mouseClick(w->cmdDataPrint, Qt::LeftButton);
        QCOMPARE(answers.messages.size(), 0);
        QCOMPARE(w->lstDataPrintList->count(), 0);

        QStringList fresh;
        QTRY_VERIFY_WITH_TIMEOUT((fresh = marked(before, mark), fresh.size() >= 3), 120000);
        QTest::qWait(1000);
        fresh = marked(before, mark);
        QCOMPARE(fresh.size(), 3);

        // Where the name line should stand: twips from the printable area's
        // corner on the landscape page, turned onto the portrait PDF page.
        QPrinter printer(QPrinter::HighResolution);
        printer.setPrinterName("PDF");
        printer.setPageSize(QPageSize(QPageSize::A4));
        printer.setPageOrientation(QPageLayout::Landscape);
        const QRectF printable = printer.pageLayout().paintRect(QPageLayout::Point);
        QFont font("NanumGothic");
        font.setPointSizeF(12);
        const double height =
            QFontMetricsF(font, &printer).height() / printer.resolution() * 1440.0;
        const double lineHeight = height / 20;
        // Name line of an addressee without company line: address 1 and 2
        // and a blank line above it.
        const double landscapeX = printable.left() + 8780 / 20.0;
        const double landscapeTop = printable.top() + (6237 + 3 * qRound(height)) / 20.0;
        const double tolerance = 72 / 25.4 * 0.5; // half a millimetre in points

        QStringList printedNames;
        for (const QString& file : fresh) {
            QCOMPARE(pageCount(file), 1);
            bool found = false;
            for (const Word& word : words(file)) {
                // The blanks of the line do not always come back as text.
                const QString name = word.text.left(3);
                if (!names.contains(name))
                    continue;
                found = true;
                printedNames << name;
                // The line starts where it should, and its glyphs fill the
                // line box: their foot on the line's bottom, their head
                // below the line's top.
                QVERIFY(qAbs(word.box.bottom() - (842 - landscapeX)) < tolerance);
                QVERIFY(qAbs(word.box.right() - (landscapeTop + lineHeight)) < tolerance);
                QVERIFY(word.box.left() > landscapeTop - tolerance);
            }
            QVERIFY2(found, qPrintable(file));
        }
        printedNames.sort();
        QCOMPARE(printedNames, names);
        delete w;
    }

    // The default printer is looked up again for every page: a queue that
    // refuses jobs, or a default printer that is gone, stops the run with a
    // message, and the entries not printed stay in the print list.
    void printerFailureKeepsTheEntries() {
        ScriptedAnswerer answers;
        TempProgramFolder folder;
        TestSupport::addCustomer({{"seq", "1"}, {"name", "강감찬"}});
        TestSupport::addCustomer({{"seq", "2"}, {"name", "김유신"}});
        AddressBook::startUp();
        frmPrintData* w = frmPrintData::open();
        QVERIFY(w);
        QTest::mouseClick(w->cmdAllDataSelect, Qt::LeftButton);
        const QString mark = QString("FAIL%1").arg(QCoreApplication::applicationPid());
        w->txtPostScript->setText(mark);
        const QStringList before = pdfs();

        // CUPS takes the user's default printer from LPDEST.
        qputenv("LPDEST", "Refusing");
        QCOMPARE(QPrinterInfo::defaultPrinterName(), QString("Refusing"));
        QTest::mouseClick(w->cmdDataPrint, Qt::LeftButton);
        QCOMPARE(answers.messages.size(), 1);
        QCOMPARE(answers.messages[0].title, QString("경고"));
        QVERIFY2(answers.lastText().contains("Refusing"), qPrintable(answers.lastText()));
        QCOMPARE(w->lstDataPrintList->count(), 2);

        qputenv("LPDEST", "NoSuchPrinter");
        QTest::mouseClick(w->cmdDataPrint, Qt::LeftButton);
        QCOMPARE(answers.messages.size(), 2);
        QVERIFY2(answers.lastText().contains("기본프린터"), qPrintable(answers.lastText()));
        QCOMPARE(w->lstDataPrintList->count(), 2);
        QCOMPARE(w->txtPostScript->text(), mark);

        // With the printer back the same entries print.
        qunsetenv("LPDEST");
        QTest::mouseClick(w->cmdDataPrint, Qt::LeftButton);
        QCOMPARE(answers.messages.size(), 2);
        QCOMPARE(w->lstDataPrintList->count(), 0);
        QTRY_COMPARE_WITH_TIMEOUT(marked(before, mark).size(), 2, 120000);
        delete w;
    }

    void oneGreetingEnvelopeOnePage() {
        ScriptedAnswerer answers;
        TempProgramFolder folder;
        TestSupport::setSender(
            {{"company", "오르반상사"}, {"departposition", "과장"}, {"name", "홍길동"}});
        AddressBook::startUp();
        const QStringList before = pdfs();
        frmPrintData* w = frmPrintData::open();
        QVERIFY(w);
        w->optMarried_2->setChecked(true);
        QTest::mouseClick(w->cmdSpecialFormPrint, Qt::LeftButton);
        QCOMPARE(answers.messages.size(), 0);
        QStringList fresh;
        QTRY_VERIFY_WITH_TIMEOUT((fresh = pdfs(), fresh.size() > before.size()), 120000);
        QTest::qWait(1000);
        fresh = pdfs();
        for (const QString& old : before)
            fresh.removeAll(old);
        QCOMPARE(fresh.size(), 1);
        QCOMPARE(pageCount(QDir(outputFolder()).filePath(fresh[0])), 1);
        delete w;
    }
};

QTEST_MAIN(CupsPrintTest)
#include "tst_cupsprint.moc"
