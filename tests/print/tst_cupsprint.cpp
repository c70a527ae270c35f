// End to end through a real CUPS server: the default printer is a PDF queue
// (set up by scripts/cups-pdf-printer.sh), so every page becomes a PDF file.
#include "TestSupport.h"
#include "pages/PageRenderer.h"
#include "pages/PrintAdjustment.h"
#include "print/LabelTab.h"
#include "print/PrintWindow.h"
#include "store/AddressBook.h"
#include "store/AddresseeBook.h"
#include "ui/Fonts.h"

#include <QDir>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTextLayout>
#include <QtTest>
#include <cups/cups.h>

namespace {
QString outputFolder() {
    return QDir::home().filePath("PDF");
}

// The finished PDFs, oldest first. The queue writes a file in place, so one
// still being written (no end-of-file marker yet) does not count.
QStringList pdfs() {
    QStringList done;
    const QDir folder(outputFolder());
    for (const QString& file :
         folder.entryList({"*.pdf"}, QDir::Files, QDir::Time | QDir::Reversed)) {
        QFile pdf(folder.filePath(file));
        if (pdf.open(QIODevice::ReadOnly) && pdf.seek(qMax<qint64>(0, pdf.size() - 32)) &&
            pdf.readAll().contains("%%EOF"))
            done << file;
    }
    return done;
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
        // A blank between two glyphs may come back as a control character.
        static const QRegularExpression control("[\\x01-\\x1f]");
        found << Word{w.captured(5).remove(control),
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

// Waits for the `count` PDFs of this run that carry `mark`.
QStringList awaitMarked(const QStringList& before, const QString& mark, int count) {
    (void)QTest::qWaitFor([&] { return marked(before, mark).size() >= count; }, 120000);
    QTest::qWait(1000);
    return marked(before, mark);
}

// A PDF reader puts the top of a word's box at the highest point of the
// glyphs in the file of the face that sets the word (its font box), above
// the line's baseline. In points below the line's top, as Qt sets the line.
double boxTopBelowLineTop(const QString& pdf, const QString& word, const QString& face,
                          double size) {
    QFile file(pdf);
    file.open(QIODevice::ReadOnly);
    const QFont font = PageRenderer::font(face, size);
    QTextLayout layout(word, font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    const QString setBy = layout.glyphRuns().value(0).rawFont().familyName();
    static const QRegularExpression box(
        "FontName/\\w+\\+(\\w+)/FontBBox\\[\\S+ \\S+ \\S+ (\\S+)\\]");
    double highest = 0;
    for (auto m = box.globalMatch(QString::fromLatin1(file.readAll())); m.hasNext();) {
        const auto found = m.next();
        if (found.captured(1).compare(setBy, Qt::CaseInsensitive) == 0)
            highest = found.captured(2).toDouble() / 1000 * size;
    }
    QImage measure(1, 1, QImage::Format_Mono);
    measure.setDotsPerMeterX(qRound(1200 / 0.0254));
    measure.setDotsPerMeterY(qRound(1200 / 0.0254));
    return QFontMetricsF(font, &measure).ascent() * 72 / 1200 - highest;
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
        QStandardPaths::setTestModeEnabled(true);
        if (QPrinterInfo::defaultPrinterName() != "PDF")
            QSKIP("no CUPS server with the PDF queue as default printer "
                  "(scripts/cups-pdf-printer.sh start, as root, sets one up)");
    }

    // The font box offers the Korean names, starting on 굴림, and never the
    // installed face behind a name a second time under its own name, in
    // whatever language the system names it (ctest runs this under a Korean
    // locale too).
    void fontBoxOffersEachFaceOnce() {
        ScriptedAnswerer answers;
        TempProgramFolder folder;
        AddresseeBook::startUp();
        std::unique_ptr<PrintWindow> w(PrintWindow::open());
        QVERIFY(w);
        QStringList offered;
        for (int i = 0; i < w->cboPrinterFont->count(); ++i)
            offered << w->cboPrinterFont->itemText(i);
        QCOMPARE(offered.first(), QString("굴림"));
        QCOMPARE(w->horizontalFontName, QString("굴림"));
        for (const QString face : {"굴림", "굴림체", "돋움", "돋움체", "바탕", "바탕체", "궁서"})
            QVERIFY2(offered.contains(face), qPrintable(face));
        const QString gulim = QFontInfo(QFont("굴림")).family();
        for (const QString& face : offered)
            QVERIFY2(face == "굴림" || QFontInfo(QFont(face)).family() != gulim, qPrintable(face));
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
        AddresseeBook::startUp();
        const QStringList before = pdfs();
        PrintWindow* w = PrintWindow::open();
        QVERIFY(w);
        const int face = w->cboPrinterFont->findText("굴림");
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
        const QPointF printable = PrinterLayer::printer().sheet().origin() / 20;
        const double height = PageRenderer::lineHeight("굴림", 12);
        const double lineHeight = height / 20;
        // Name line of an addressee without company line: address 1 and 2
        // and a blank line above it.
        const double landscapeX = printable.x() + 8780 / 20.0;
        const double landscapeTop = printable.y() + (6237 + 3 * height) / 20.0;
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
        AddresseeBook::startUp();
        PrintWindow* w = PrintWindow::open();
        QVERIFY(w);
        QTest::mouseClick(w->cmdAllDataSelect, Qt::LeftButton);
        const QString mark = QString("FAIL%1").arg(QCoreApplication::applicationPid());
        w->txtPostScript->setText(mark);
        const QStringList before = pdfs();

        // A print service that stops answering is named with the printer.
        cupsSetServer("127.0.0.1:1");
        QTest::mouseClick(w->cmdDataPrint, Qt::LeftButton);
        cupsSetServer(nullptr);
        QCOMPARE(answers.messages.size(), 1);
        QVERIFY2(answers.lastText().contains("PDF"), qPrintable(answers.lastText()));
        QCOMPARE(w->lstDataPrintList->count(), 2);
        answers.clear();

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

    // The first line of each block starts at its place counted from the
    // sheet's corner plus the printable area the queue's driver reports, in
    // the font box's first face; the adjustment the user keeps for the
    // printer moves it by its amount, also after the window is opened anew.
    void linesLandOnTheirPlaces_data() {
        QTest::addColumn<QString>("queue");
        QTest::addColumn<double>("margin"); // points, from the queue's driver
        QTest::addColumn<QPointF>("shift"); // millimetres
        QTest::newRow("no margins") << "PDF" << 0.0 << QPointF();
        QTest::newRow("12 pt margins") << "Margins12" << 12.0 << QPointF();
        QTest::newRow("adjusted") << "PDF" << 0.0 << QPointF(1.5, -2.3);
    }
    void linesLandOnTheirPlaces() {
        QFETCH(QString, queue);
        QFETCH(double, margin);
        QFETCH(QPointF, shift);
        ScriptedAnswerer answers;
        TempProgramFolder folder;
        TestSupport::setSender(
            {{"company", "오르반상사"}, {"departposition", "과장"}, {"name", "홍길동"}});
        TestSupport::addCustomer({{"seq", "1"}, {"name", "강감찬"}, {"address1", "종로구"}});
        AddresseeBook::startUp();
        qputenv("LPDEST", queue.toUtf8());
        PrintWindow* w = PrintWindow::open();
        QVERIFY(w);
        w->spnPrintPositionX->setValue(shift.x());
        w->spnPrintPositionY->setValue(shift.y());
        delete w;
        w = PrintWindow::open();
        QCOMPARE(QPointF(w->spnPrintPositionX->value(), w->spnPrintPositionY->value()), shift);
        const QStringList before = pdfs();
        const QString mark = QString("AT%1").arg(QCoreApplication::applicationPid());
        w->txtPostScript->setText(mark);
        QTest::mouseClick(w->cmdAllDataSelect, Qt::LeftButton);
        QTest::mouseClick(w->cmdDataPrint, Qt::LeftButton);
        const QStringList letter = awaitMarked(before, mark, 1);
        w->optLetterTypeQB3802->setChecked(true);
        w->optMarried_2->setChecked(true);
        QTest::mouseClick(w->cmdSpecialFormPrint, Qt::LeftButton);
        QCOMPARE(answers.messages.size(), 0);
        delete w;
        qunsetenv("LPDEST");
        QStringList envelope;
        QTRY_VERIFY_WITH_TIMEOUT((envelope = pdfs(), envelope.size() == before.size() + 2), 120000);
        envelope.removeLast();
        QCOMPARE(letter.size(), 1);
        QVERIFY(letter[0].endsWith(envelope.last()));

        // Where a line's first word starts, in landscape points from the
        // sheet's corner; the portrait PDF page carries the landscape page
        // turned, its lines running upwards.
        auto starts = [](const QString& file) {
            QHash<QString, QPointF> at;
            for (const Word& word : words(file))
                at.insert(word.text, QPointF(842 - word.box.bottom(), word.box.left()));
            return at;
        };
        const QString envelopeFile = QDir(outputFolder()).filePath(pdfs().last());
        const auto onLetter = starts(letter[0]);
        const auto onEnvelope = starts(envelopeFile);
        const QPointF origin =
            QPointF(margin, margin) + shift * (72 / 25.4); // printable area's corner, adjusted
        const QString face = "굴림";
        const struct {
            const QHash<QString, QPointF>& page;
            QString file;
            QString word;
            int x, y;
            QString face;
            double size;
        } blocks[] = {
            {onLetter, letter[0], "오르반상사", 2914, 3750, face, 18},
            {onLetter, letter[0], "종로구", 8780, 6237, face, 12},
            {onEnvelope, envelopeFile, QString::fromUtf16(u"\u795D"), 5764, 3354, "굴림체", 56},
            {onEnvelope, envelopeFile, "오르반상사", 10370, 5748, face, 18}};
        const double tolerance = 72 / 25.4 * 0.1;
        for (const auto& b : blocks) {
            QVERIFY2(b.page.contains(b.word), qPrintable(b.word));
            const QPointF expected =
                origin + QPointF(b.x / 20.0,
                                 b.y / 20.0 + boxTopBelowLineTop(b.file, b.word, b.face, b.size));
            const QPointF at = b.page.value(b.word);
            QVERIFY2(qAbs(at.x() - expected.x()) < tolerance, qPrintable(b.word));
            QVERIFY2(qAbs(at.y() - expected.y()) < tolerance, qPrintable(b.word));
        }
    }

    // Every label's first line starts at the label's left edge plus its
    // markup margin, counted from the paper's corner, on a queue with 12
    // points of unprinted margin as on one without; labels fill from the
    // first one on.
    void labelsLandOnTheirLabels_data() {
        QTest::addColumn<QString>("queue");
        QTest::addColumn<QString>("sheet");
        QTest::addColumn<int>("labels");
        QTest::newRow("full sheet") << "PDF"
                                    << "Avery L7163" << 14;
        QTest::newRow("half sheet") << "PDF"
                                    << "Avery L7163" << 7;
        QTest::newRow("12 pt margins") << "Margins12"
                                       << "Avery L7163" << 14;
        QTest::newRow("user 3x8") << "PDF"
                                  << "우리 3×8" << 24;
    }
    void labelsLandOnTheirLabels() {
        QFETCH(QString, queue);
        QFETCH(QString, sheet);
        QFETCH(int, labels);
        ScriptedAnswerer answers;
        TempProgramFolder folder;
        LabelSheets::setUserSheets({LabelSheets::userSheet("우리 3×8", QPageSize::A4, 3, 8,
                                                           {64, 34}, {7.5, 12.5}, {66, 34}, 2)});
        const QString mark = QString("LB%1").arg(QCoreApplication::applicationPid());
        for (int i = 0; i < labels; ++i)
            TestSupport::addCustomer({{"seq", QString::number(i + 1)},
                                      {"name", QString("N%1").arg(i, 2, 10, QChar('0'))},
                                      {"address1", QString("A%1").arg(i, 2, 10, QChar('0'))},
                                      {"address2", mark}});
        AddresseeBook::startUp();
        qputenv("LPDEST", queue.toUtf8());
        PrintAdjustment::setMillimetres(queue, QPointF()); // as an earlier case may have left it
        std::unique_ptr<PrintWindow> w(PrintWindow::open());
        w->tabPrintDataInfo->setCurrentWidget(w->labelTab);
        w->labelTab->txtLabelFind->setText(sheet);
        QVERIFY(w->labelTab->chosenSheet());
        const LabelSheet chosen = *w->labelTab->chosenSheet();
        QCOMPARE(chosen.name(), sheet);
        const QStringList before = pdfs();
        QTest::mouseClick(w->cmdAllDataSelect, Qt::LeftButton);
        QTest::mouseClick(w->labelTab->cmdLabelPrint, Qt::LeftButton);
        qunsetenv("LPDEST");
        QCOMPARE(answers.messages.size(), 0);
        const QStringList printed = awaitMarked(before, mark, 1);
        QCOMPARE(printed.size(), 1);
        QCOMPARE(pageCount(printed[0]), 1);
        int found = 0;
        for (const Word& word : words(printed[0])) {
            const int i = word.text.mid(1).toInt();
            if (!word.text.startsWith('A') || i >= labels)
                continue;
            ++found;
            const QRectF label = chosen.labels()[i];
            const QRectF box(word.box.topLeft() * 20, word.box.bottomRight() * 20); // twips
            QVERIFY2(qAbs(box.left() - (label.left() + chosen.margin)) <= 3, qPrintable(word.text));
            QVERIFY2(label.contains(box), qPrintable(word.text));
        }
        QCOMPARE(found, labels);
    }

    void oneGreetingEnvelopeOnePage() {
        ScriptedAnswerer answers;
        TempProgramFolder folder;
        TestSupport::setSender(
            {{"company", "오르반상사"}, {"departposition", "과장"}, {"name", "홍길동"}});
        AddresseeBook::startUp();
        const QStringList before = pdfs();
        PrintWindow* w = PrintWindow::open();
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
