#include "TestSupport.h"
#include "pages/LabelRun.h"
#include "print/LabelSheetDialog.h"
#include "print/LabelTab.h"
#include "ui/Fonts.h"

#include <QBuffer>
#include <QtTest>

using TestSupport::addCustomer;

class LabelsTest : public QObject, PrintWindowFixture {
    Q_OBJECT

    void chooseSheet(const QString& name) {
        // Typing what to look for chooses the first sheet found.
        w->labelTab->txtLabelFind->setText(name);
        QVERIFY(w->labelTab->chosenSheet());
        QCOMPARE(w->labelTab->chosenSheet()->name(), name);
    }
    void printLabels(int addressees, const QString& sheet, int start = 1) {
        for (int i = 1; i <= addressees; ++i)
            addCustomer({{"seq", QString::number(i)},
                         {"name", QString("이름%1").arg(i, 2, 10, QChar('0'))},
                         {"zipcode", "135-806"},
                         {"address1", "서울 강남구"}});
        openWindow();
        w->tabPrintDataInfo->setCurrentWidget(w->labelTab);
        chooseSheet(sheet);
        w->labelTab->spnLabelStart->setValue(start);
        TestSupport::click(w->cmdAllDataSelect);
        TestSupport::click(w->labelTab->cmdLabelPrint);
    }
    // The first line of every label printed: where it starts, twips from the
    // paper's corner.
    QList<QPoint> firstLines(const RecordingPrinter::Job& job) {
        QList<QPoint> at;
        for (const Printer::Line& line : job.lines) {
            if (line.text == "135-806")
                at << QPoint(line.x, line.y);
        }
        return at;
    }

  private slots:
    void initTestCase() {
        Fonts::install();
        QStandardPaths::setTestModeEnabled(true);
    }
    void init() {
        setUpTest();
        LabelSheets::setUserSheets({});
    }
    void cleanup() { tearDownTest(); }

    void templatesReadWithUnitsAndEquivalents() {
        QByteArray xml = R"(<?xml version="1.0"?><Glabels-templates>
          <Template brand="Acme" part="100" size="A4" _description="Address">
            <Meta category="label"/>
            <Label-rectangle id="0" width="35mm" height="1in" round="5">
              <Markup-margin size="1.5mm"/>
              <Layout nx="2" ny="3" x0="0.5in" y0="36" dx="4cm" dy="72pt"/>
            </Label-rectangle></Template>
          <Template brand="Acme" part="101" equiv="100"/>
          <Template brand="Acme" part="round" size="A4"><Label-round id="0" radius="30"/></Template>
          <Template brand="Acme" part="big" size="A3"><Label-rectangle id="0" width="9" height="9">
            <Layout nx="1" ny="1" x0="0" y0="0" dx="9" dy="9"/></Label-rectangle></Template>
          </Glabels-templates>)";
        QBuffer file(&xml);
        file.open(QIODevice::ReadOnly);
        const QList<LabelSheet> sheets = LabelSheets::parseTemplates(file);
        QCOMPARE(sheets.size(), 2);
        QCOMPARE(sheets[1].name(), QString("Acme 101"));
        const QList<QRectF> labels = sheets[1].labels();
        QCOMPARE(labels.size(), 6);
        const double mm = 1440 / 25.4;
        QCOMPARE(labels[0], QRectF(720, 720, 35 * mm, 1440));
        QCOMPARE(labels[1].topLeft(), QPointF(720 + 40 * mm, 720));
        QCOMPARE(labels[2].topLeft(), QPointF(720, 2160));
        QCOMPARE(sheets[1].margin, 1.5 * mm);
        QCOMPARE(sheets[1].rowColumn(3), QPoint(2, 2));

        // The sheets glabels-data installs, found by brand and part.
        const auto installed = LabelSheets::readTemplates(LabelSheets::templateFolder());
        const auto l7163 =
            std::find_if(installed.begin(), installed.end(),
                         [](const LabelSheet& s) { return s.name() == "Avery L7163"; });
        QVERIFY(l7163 != installed.end());
        QCOMPARE(l7163->labels().size(), 14);
        QCOMPARE(l7163->labels()[1].topLeft(), QPointF(20 * (9.5 + 292), 20 * 43));
    }

    // Labels fill across, then down, from the start label of the first
    // sheet; later sheets start at their first label. Positions count from
    // the paper's corner whatever the printable area.
    void labelsFillFromTheStartLabel() {
        printer->printable = QRectF(240, 240, Sheet::Width - 480, Sheet::Height - 480);
        printLabels(3, "Avery L7163", 13);
        QCOMPARE(answers->messages.size(), 0);
        QCOMPARE(printer->jobs.size(), 2);
        const RecordingPrinter::Job& first = printer->jobs[0];
        QCOMPARE(first.paper, (Paper{QPageSize::A4, false, true}));
        QVERIFY(!first.paper.landscape);
        const QList<QRectF> labels = w->labelTab->chosenSheet()->labels();
        const QPointF margin(100, 100); // 5 points
        QCOMPARE(firstLines(first), (QList<QPoint>{(labels[12].topLeft() + margin).toPoint(),
                                                   (labels[13].topLeft() + margin).toPoint()}));
        QCOMPARE(firstLines(printer->jobs[1]),
                 QList<QPoint>{(labels[0].topLeft() + margin).toPoint()});
        QCOMPARE(first.lines[2].text, QString("이름01 님 귀하"));
        QCOMPARE(w->lstDataPrintList->count(), 0);
        QCOMPARE(w->lstDataAllList->count(), 3);
        QCOMPARE(w->labelTab->lblLabelStartPlace->text(), QString("번째 (7행 1열)"));
    }

    void textShrinksThenWrapsAndOverflowsAreListed() {
        const QSizeF room(3000, 1000);
        QCOMPARE(LabelRun::fit({"서울"}, "굴림", room).size, 12.0);
        const QString road = "서울특별시 강남구 테헤란로 123 오르반빌딩 12층";
        const FittedText smaller = LabelRun::fit({road}, "굴림", QSizeF(4000, 1000));
        QVERIFY(smaller.size < 12 && smaller.size > 7 && smaller.lines.size() == 1);
        const FittedText wrapped = LabelRun::fit({road + " " + road}, "굴림", room);
        QCOMPARE(wrapped.size, 7.0);
        QVERIFY(wrapped.lines.size() > 1 && !wrapped.overflows);
        QCOMPARE(wrapped.lines.join(' '), road + " " + road);
        QVERIFY(LabelRun::fit(QStringList(12, road), "굴림", room).overflows);

        // Before printing, the labels that overflow and those that reach
        // where the printer cannot print are listed; no prints nothing.
        addCustomer({{"seq", "9"}, {"name", "넘침"}, {"address1", road}, {"address2", road}});
        LabelSheets::setUserSheets(
            {LabelSheets::userSheet("작은", QPageSize::A4, 2, 1, {40, 12}, {10, 10}, {40, 12}, 1)});
        printer->printable = QRectF(400, 1000, Sheet::Width - 800, Sheet::Height - 2000);
        answers->answers << MessageBox::Answer::No;
        printLabels(1, "작은");
        QCOMPARE(answers->messages.size(), 1);
        QCOMPARE(answers->messages[0].buttons, MessageBox::Buttons::YesNo);
        const QStringList parts = answers->lastText().split("\n\n");
        QVERIFY2(parts[0].contains("넘침") && !parts[0].contains("이름01"), qPrintable(parts[0]));
        QVERIFY2(parts[1].contains("넘침") && parts[1].contains("이름01"), qPrintable(parts[1]));
        QCOMPARE(printer->jobs.size(), 0);
        QCOMPARE(w->lstDataPrintList->count(), 2);
    }

    void userSheetSavedChangedAndDeleted() {
        openWindow();
        LabelTab* tab = w->labelTab;
        w->tabPrintDataInfo->setCurrentWidget(tab);
        TestSupport::click(tab->cmdLabelSheetAdd);
        auto* dialog = tab->findChild<LabelSheetDialog*>();
        QVERIFY(dialog);
        TestSupport::type(dialog->txtSheetName, "우리 3×8");
        dialog->spnSheetColumns->setValue(3);
        dialog->spnSheetRows->setValue(8);
        dialog->spnSheetWidth->setValue(64);
        dialog->spnSheetHeight->setValue(34);
        dialog->spnSheetLeft->setValue(7.5);
        dialog->spnSheetTop->setValue(12.5);
        dialog->spnSheetAcross->setValue(66);
        dialog->spnSheetDown->setValue(34);
        // Labels that leave the paper are refused.
        dialog->spnSheetAcross->setValue(99);
        TestSupport::click(dialog->cmdSheetSave);
        QVERIFY2(answers->lastText().contains("용지 밖"), qPrintable(answers->lastText()));
        dialog->spnSheetAcross->setValue(66);
        TestSupport::click(dialog->cmdSheetSave);
        QCOMPARE(tab->chosenSheet()->name(), QString("우리 3×8"));
        QTRY_VERIFY(!tab->findChild<LabelSheetDialog*>());

        QList<LabelSheet> kept = LabelSheets::userSheets();
        QCOMPARE(kept.size(), 1);
        QCOMPARE(kept[0].labels().size(), 24);
        const double mm = 1440 / 25.4;
        QCOMPARE(kept[0].labels()[4], QRectF(73.5 * mm, 46.5 * mm, 64 * mm, 34 * mm));

        TestSupport::click(tab->cmdLabelSheetEdit);
        dialog = tab->findChild<LabelSheetDialog*>();
        dialog->cboSheetPaper->setCurrentIndex(1);
        dialog->spnSheetRows->setValue(7);
        TestSupport::click(dialog->cmdSheetSave);
        kept = LabelSheets::userSheets();
        QCOMPARE(kept.size(), 1);
        QCOMPARE(kept[0].paper, QPageSize::Letter);

        answers->answers << MessageBox::Answer::Yes;
        TestSupport::click(tab->cmdLabelSheetDelete);
        QCOMPARE(LabelSheets::userSheets().size(), 0);
        QVERIFY(!tab->chosenSheet());
    }

    // Without glabels-data the user's own sheets are offered and print.
    void missingGlabelsData() {
        LabelSheets::setUserSheets(
            {LabelSheets::userSheet("3x8", QPageSize::A4, 3, 8, {70, 37}, {0, 0}, {70, 37}, 3)});
        addCustomer({{"seq", "1"}, {"name", "가"}, {"zipcode", "135-806"}});
        openWindow();
        w->labelTab->loadSheets(folder->file("no-such-folder"));
        QCOMPARE(w->labelTab->lstLabelSheets->count(), 1);
        QVERIFY(w->labelTab->lblLabelSheetInfo->text().contains("glabels-data"));
        w->labelTab->lstLabelSheets->setCurrentRow(0);
        TestSupport::click(w->cmdAllDataSelect);
        TestSupport::click(w->labelTab->cmdLabelPrint);
        QCOMPARE(printer->jobs.size(), 1);
        QCOMPARE(firstLines(printer->jobs[0]), QList<QPoint>{QPoint(170, 170)});
    }
};

QTEST_MAIN(LabelsTest)
#include "tst_labels.moc"
