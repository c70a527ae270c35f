#include "TestSupport.h"
#include "pages/PageRenderer.h"
#include "pages/PrintAdjustment.h"
#include "pages/RecordingPrinter.h"
#include "print/LabelTab.h"
#include "print/PreviewWindow.h"
#include "print/PrintWindow.h"
#include "store/AddressBook.h"
#include "store/AddresseeBook.h"
#include "store/TextRules.h"
#include "ui/Controls.h"
#include "ui/Fonts.h"

#include <QtTest>

using TestSupport::addCustomer;

class PrintWindowTest : public QObject, PrintWindowFixture {
    Q_OBJECT

    static QStringList lines(QListWidget* list) {
        QStringList texts;
        for (int i = 0; i < list->count(); ++i)
            texts << list->item(i)->text().left(20).trimmed();
        return texts;
    }
    void select(QListWidget* list, QList<int> rows) {
        list->clearSelection();
        for (int row : rows) {
            const QRect at = list->visualItemRect(list->item(row));
            QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ControlModifier, at.center());
        }
    }
    static void addFourAddressees() {
        int seq = 0;
        for (const char* name : {"라", "가", "다", "나"})
            addCustomer({{"seq", QString::number(++seq)}, {"name", name}});
    }
    void click(QAbstractButton* b) { QTest::mouseClick(b, Qt::LeftButton); }
    void pickFont(const QString& face) {
        const int i = w->cboPrinterFont->findText(face);
        QVERIFY(i >= 0);
        w->cboPrinterFont->setCurrentIndex(i);
        emit w->cboPrinterFont->activated(i);
    }

  private slots:
    void initTestCase() {
        Fonts::install();
        QStandardPaths::setTestModeEnabled(true);
    }
    void init() { setUpTest(); }
    void cleanup() { tearDownTest(); }

    void loadListsEveryAddressee() {
        addCustomer({{"seq", "3"}, {"name", "나"}, {"company", "회사"}, {"department", "부"}});
        addCustomer({{"seq", "12"}, {"name", "가"}, {"printcondition", "1"}});
        addCustomer({{"seq", "7"}, {"name", "  "}, {"company", "학교"}, {"department", "과"}});
        openWindow();
        QCOMPARE(w->windowTitle(), QString("Letter Form 출력"));
        QCOMPARE(w->lstDataAllList->count(), 3);
        const QString blanks(100, ' ');
        QCOMPARE(w->lstDataAllList->item(0)->text(), QString(12, ' ') + "학교 과" + blanks + "7");
        QCOMPARE(w->lstDataAllList->item(1)->text(), "가  " + QString(" ") + blanks + "12");
        QCOMPARE(w->lstDataAllList->item(2)->text(), "나  회사 부" + blanks + "3");
        QCOMPARE(TextRules::lineKey(w->lstDataAllList->item(0)->text()), QString("7"));
        QVERIFY(w->optLetterTypeQA3801->isChecked());
        QCOMPARE(w->cboPrinterFont->count(), 4);
        QCOMPARE(w->cboPrinterFont->currentText(), QString("@굴림"));
        QCOMPARE(w->horizontalFontName, QString("굴림"));
        QCOMPARE(w->verticalFontName, QString("@굴림"));
        QCOMPARE(Controls::characterLimit(w->txtPostScript), 30);
        QCOMPARE(Controls::characterLimit(w->txtNumberOfCopies), 3);
        for (QRadioButton* greeting : w->fraSpecialForm->findChildren<QRadioButton*>())
            QVERIFY(!greeting->isChecked());

        // Opening again only brings the window forward: a new addressee is not listed.
        addCustomer({{"seq", "13"}, {"name", "다"}});
        AddresseeBook::startUp();
        QCOMPARE(PrintWindow::open(), w);
        QCOMPARE(w->lstDataAllList->count(), 3);
    }

    void movesSelectedAndAllLines() {
        addFourAddressees();
        openWindow();
        select(w->lstDataAllList, {0, 2});
        click(w->cmdEachDataSelect);
        QCOMPARE(lines(w->lstDataAllList), (QStringList{"나", "라"}));
        QCOMPARE(lines(w->lstDataPrintList), (QStringList{"가", "다"}));
        // Nothing selected: nothing moves.
        w->lstDataAllList->clearSelection();
        click(w->cmdEachDataSelect);
        QCOMPARE(w->lstDataPrintList->count(), 2);
        select(w->lstDataPrintList, {1});
        click(w->cmdEachDataRemove);
        QCOMPARE(lines(w->lstDataAllList), (QStringList{"나", "다", "라"}));
        select(w->lstDataAllList, {0, 1, 2});
        click(w->cmdEachDataSelect);
        QCOMPARE(lines(w->lstDataPrintList), (QStringList{"가", "나", "다", "라"}));
        click(w->cmdAllDataRemove);
        QCOMPARE(w->lstDataPrintList->count(), 0);
        click(w->cmdAllDataSelect);
        QCOMPARE(w->lstDataAllList->count(), 0);
        QCOMPARE(lines(w->lstDataPrintList), (QStringList{"가", "나", "다", "라"}));
    }

    void senderOnlyMode() {
        addFourAddressees();
        openWindow();
        select(w->lstDataAllList, {0, 1, 3});
        click(w->cmdEachDataSelect);
        click(w->chkPersonInfoPrint);
        QCOMPARE(lines(w->lstDataAllList), (QStringList{"가", "나", "다", "라"}));
        QCOMPARE(w->lstDataPrintList->count(), 0);
        QCOMPARE(w->txtNumberOfCopies->text(), QString("1"));
        for (QWidget* c : std::initializer_list<QWidget*>{
                 w->lstDataAllList, w->lstDataPrintList, w->cmdEachDataSelect, w->cmdAllDataSelect,
                 w->cmdEachDataRemove, w->cmdAllDataRemove})
            QVERIFY(!c->isEnabled());
        QVERIFY(w->txtNumberOfCopies->isEnabled());
        click(w->chkPersonInfoPrint);
        QVERIFY(w->lstDataAllList->isEnabled() && w->cmdAllDataRemove->isEnabled());
        QCOMPARE(w->txtNumberOfCopies->text(), QString());
    }

    void emptyRunIsRefused() {
        openWindow();
        click(w->cmdDataPrint);
        QCOMPARE(answers->messages.size(), 1);
        QCOMPARE(answers->lastText(), QString("출력하려는 데이타가 없습니다!"));
        QCOMPARE(answers->messages[0].icon, MessageBox::Icon::Stop);
        QCOMPARE(printer->jobs.size(), 0);
        // Sender-only pages print with both lists empty.
        click(w->chkPersonInfoPrint);
        click(w->cmdDataPrint);
        QCOMPARE(printer->jobs.size(), 1);
        QVERIFY(printer->jobs[0].paper == Paper() &&
                printer->jobs[0].followedDefault);
    }

    void fontNames() {
        openWindow();
        pickFont("@바탕체");
        QCOMPARE(w->horizontalFontName, QString("바탕체"));
        QCOMPARE(w->verticalFontName, QString("@바탕체"));
        pickFont("굴림");
        QCOMPARE(w->horizontalFontName, QString("굴림"));
        QCOMPARE(w->verticalFontName, QString("@굴림"));
        // Typing without picking changes neither name: the box takes no
        // typed face at all.
        w->cboPrinterFont->setEditText("Other");
        QCOMPARE(w->horizontalFontName, QString("굴림"));
        QVERIFY(!w->cboPrinterFont->isEditable());
    }

    // The preview draws, with the page renderer, the very pages "인쇄" then
    // prints, on the printer's sheet moved by its adjustment; previewing
    // prints nothing and moves no line.
    void previewShowsWhatPrints() {
        addFourAddressees();
        printer->realLineHeights = true;
        printer->printable = QRectF(240, 240, 16358, 11426);
        PrintAdjustment::setMillimetres("Recording", QPointF(1.5, -0.7));
        openWindow();
        QCOMPARE(w->spnPrintPositionX->value(), 1.5);
        select(w->lstDataAllList, {1, 2});
        click(w->cmdEachDataSelect);
        w->txtPostScript->setText("추신");
        // Enter on the focused button opens the preview; the print window
        // waits until it is closed.
        w->cmdPrintPreview->setFocus();
        QTest::keyClick(w->cmdPrintPreview, Qt::Key_Return);
        auto* preview = w->findChild<PreviewWindow*>();
        QVERIFY(preview);
        QCOMPARE(preview->windowModality(), Qt::WindowModal);
        QCOMPARE(preview->lblPageNumber->text(), QString("1 / 2 쪽"));
        preview->windowHandle()->requestActivate();
        QTRY_COMPARE(QApplication::activeWindow(), preview);
        QTest::keyClick(preview, Qt::Key_PageDown);
        QCOMPARE(preview->lblPageNumber->text(), QString("2 / 2 쪽"));
        QVERIFY(!preview->cmdNextPage->isEnabled());
        QTest::keyClick(preview, Qt::Key_Plus, Qt::ControlModifier);
        QCOMPARE(preview->zoomPercent(), 100);
        QCOMPARE(printer->jobs.size(), 0);
        QCOMPARE(w->lstDataPrintList->count(), 2);

        click(w->cmdDataPrint);
        QCOMPARE(printer->jobs.size(), 2);
        const Sheet sheet = printer->sheet();
        QCOMPARE(sheet.origin(), QPointF(240 + 1.5 * 1440 / 25.4, 240 - 0.7 * 1440 / 25.4));
        for (int page = 0; page < 2; ++page) {
            QCOMPARE(PageRenderer::sheetImage(printer->jobs[page].lines, sheet, 96),
                     preview->renderPage(page));
        }
        // The sheet image itself draws from the adjusted origin, not from
        // the printable area's corner: the shift moves the ink.
        Sheet unshifted = sheet;
        unshifted.shift = {};
        const auto inkAt = [](const Sheet& on) {
            const QImage image =
                PageRenderer::sheetImage({{"굴림", 36, 1440, 1440, "■", false}}, on, 288);
            return TestSupport::inkBounds(image, QRect(200, 200, 600, 600)).topLeft();
        };
        const QPoint moved = inkAt(sheet) - inkAt(unshifted) - (sheet.shift / 5).toPoint();
        QVERIFY2(moved.manhattanLength() <= 1,
                 qPrintable(QString("%1,%2").arg(moved.x()).arg(moved.y())));
        // Saved as PDF: one page per printed page, its text searchable, its
        // blanks read back as blanks.
        QTemporaryDir dir;
        QVERIFY(preview->savePdf(dir.filePath("p.pdf")));
        QVERIFY(!preview->savePdf(dir.filePath("no/such/folder/p.pdf")));
        QProcess text;
        text.start("pdftotext", {dir.filePath("p.pdf"), "-"});
        QVERIFY(text.waitForFinished());
        const QString saved = QString::fromUtf8(text.readAllStandardOutput());
        QCOMPARE(saved.count("추신"), 2);
        QVERIFY2(saved.contains("나 님 귀하") && !saved.contains(QChar(1)), qPrintable(saved));
        // Its title is the file's name.
        text.start("pdfinfo", {dir.filePath("p.pdf")});
        QVERIFY(text.waitForFinished());
        QVERIFY(text.readAllStandardOutput().contains("Title:           p\n"));
    }

    // "1,5" is one and a half millimetres; a value beyond the limit is
    // refused whole, never cut to fit, and the earlier value stays.
    void adjustmentTakesCommaAndRefusesOutOfRange() {
        openWindow();
        MillimetreBox* box = w->spnPrintPositionX;
        const auto enter = [&](const char* text) {
            box->selectAll();
            QTest::keyClicks(box, text);
            QTest::keyClick(box, Qt::Key_Return);
        };
        enter("1,5");
        QCOMPARE(box->value(), 1.5);
        QCOMPARE(PrintAdjustment::millimetres("Recording").x(), 1.5);
        QVERIFY(answers->messages.isEmpty());
        for (const char* refused : {"25", "-25", "1,55"}) {
            enter(refused);
            QCOMPARE(box->value(), 1.5);
            QVERIFY2(answers->lastText().contains(QString("(%1)").arg(refused)),
                     qPrintable(answers->lastText()));
        }
        QCOMPARE(answers->messages.size(), 3);
        QCOMPARE(PrintAdjustment::millimetres("Recording").x(), 1.5);
        QVERIFY(w->lblPrintPosition->text().contains("+ 오른쪽 / 아래로"));
        QVERIFY(!w->spnPrintPositionY->toolTip().isEmpty());
    }

    void tabGoesAsAReaderReads() {
        openWindow();
        TestSupport::checkLayout(w, PrintWindow::layout(), w->keyboardOrder());
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w));
        w->optLetterTypeQD3805->setFocus();
        for (QWidget* next : std::initializer_list<QWidget*>{
                 w->spnPrintPositionX, w->spnPrintPositionY, w->cmdPrintPreview, w->cboPrinterFont,
                 w->cmdDataPrintExit}) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), next);
        }
        w->tabPrintDataInfo->setCurrentWidget(w->labelTab);
        TestSupport::checkLayout(w->labelTab, LabelTab::layout(), {});
    }

    void damagedSettingsMeanNoAdjustment() {
        const QString file =
            QSettings(QSettings::IniFormat, QSettings::UserScope, "Orvane", "orvaneit").fileName();
        QDir().mkpath(QFileInfo(file).path());
        QFile damaged(file);
        QVERIFY(damaged.open(QIODevice::WriteOnly));
        damaged.write("[PrintPosition\n\x01\xff=x\nRecording/x=9e99\n");
        damaged.close();
        openWindow();
        QCOMPARE(w->spnPrintPositionX->value(), 0.0);
        QCOMPARE(printer->sheet().shift, QPointF());
        delete w;
        w = nullptr;
        // Serialised data where a number belongs can make Qt ask for all the
        // memory there is (the fuzz seeds hold such a file): the line goes
        // before the file is read, the other values stay.
        QVERIFY(damaged.open(QIODevice::WriteOnly | QIODevice::Truncate));
        damaged.write("[PrintPosition]\nRecording\\x=@Variant(\\0\\0\\0\\x87)\n"
                      "Recording\\y=1.5\n");
        damaged.close();
        openWindow();
        QCOMPARE(w->spnPrintPositionY->value(), 1.5);
        QVERIFY(damaged.open(QIODevice::ReadOnly));
        QVERIFY(!damaged.readAll().contains("@Variant"));
        damaged.close();
        QFile::remove(file);
    }

    void noPrinterClosesOnlyThisWindow() {
        printer->installedFonts.clear();
        AddresseeBook::startUp();
        answers->answers << MessageBox::Answer::Ok << MessageBox::Answer::No;
        QVERIFY(!PrintWindow::open());
        QVERIFY(!PrintWindow::instance());
        QCOMPARE(answers->messages[0].text,
                 QString("프린터가 설치되어 있지 않거나,\n기본프린터가 설정되어 "
                         "있지 않습니다.\n프린터설정을 확인하시기 바랍니다."));
        QCOMPARE(answers->messages[0].icon, MessageBox::Icon::Stop);
    }

    // Without a printer the window may still preview and save PDF files;
    // printing stays refused.
    void noPrinterStillPreviewsToPdf() {
        printer->installedFonts.clear();
        addFourAddressees();
        AddresseeBook::startUp();
        w = PrintWindow::open();
        QVERIFY(w);
        QCOMPARE(answers->messages[1].title, QString("확인"));
        QVERIFY(w->lblPrinterName->text().contains("PDF"));
        QVERIFY(!w->cmdDataPrint->isEnabled() && !w->cmdSpecialFormPrint->isEnabled());
        QVERIFY(w->cboPrinterFont->count() > 0);
        click(w->cmdAllDataSelect);
        click(w->cmdPrintPreview);
        auto* preview = w->findChild<PreviewWindow*>();
        QVERIFY(preview);
        QCOMPARE(preview->lblPageNumber->text(), QString("1 / 4 쪽"));
        QTemporaryDir dir;
        QVERIFY(preview->savePdf(dir.filePath("p.pdf")));
        QCOMPARE(printer->jobs.size(), 0);
    }
};

QTEST_MAIN(PrintWindowTest)
#include "tst_printwindow.moc"
