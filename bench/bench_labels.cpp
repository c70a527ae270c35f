// Address labels: 1,000 addressees on sheets of 24 labels (42 sheets) shown
// in the preview page by page and saved as a PDF file, and the same run
// into the recording printer beside a letter form run of the same
// addressees, per printed page.
// Run: QT_QPA_PLATFORM=offscreen build/bench/bench_labels
#include "BenchSupport.h"
#include "print/LabelTab.h"
#include "print/PreviewWindow.h"
#include "print/PrintWindow.h"
#include "store/AddresseeBook.h"
#include "ui/Fonts.h"

#include <QApplication>
#include <QStandardPaths>
#include <cstdio>

namespace {
constexpr int Addressees = 1000;

// The print window with every addressee in the print list and the
// 24-label sheet chosen on the label tab.
PrintWindow* openWithLabels() {
    PrintWindow* w = PrintWindow::open();
    w->tabPrintDataInfo->setCurrentWidget(w->labelTab);
    w->labelTab->txtLabelFind->setText("3x8");
    w->cmdAllDataSelect->click();
    return w;
}
} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    Fonts::install();
    BenchPlace bench;
    RecordingPrinter& printer = bench.printer;
    const QTemporaryDir& dir = bench.dir;
    const QList<LabelSheet> before = LabelSheets::userSheets();
    LabelSheets::setUserSheets(
        {LabelSheets::userSheet("3x8", QPageSize::A4, 3, 8, {70, 37}, {0, 0}, {70, 37}, 3)});
    fillAddressees(Addressees, [](int i) { return families[i % 10] + QString("길동%1").arg(i); });
    AddresseeBook::startUp();

    QList<double> preview, pdf, labels, letters;
    int sheets = 0;
    for (int round = 0; round < 5; ++round) {
        PrintWindow* w = openWithLabels();
        preview << ms([&] {
            w->cmdPrintPreview->click();
            auto* shown = w->findChild<PreviewWindow*>();
            while (shown->cmdNextPage->isEnabled())
                shown->cmdNextPage->click();
        });
        auto* shown = w->findChild<PreviewWindow*>();
        pdf << ms([&] { shown->savePdf(dir.filePath("labels.pdf")); });
        delete shown;
        printer.jobs.clear();
        labels << ms([&] { w->labelTab->cmdLabelPrint->click(); });
        sheets = int(printer.jobs.size());
        delete w;

        w = PrintWindow::open();
        w->cmdAllDataSelect->click();
        printer.jobs.clear();
        letters << ms([&] { w->cmdDataPrint->click(); });
        if (printer.jobs.size() != Addressees) {
            std::printf("the letter run printed %d pages\n", int(printer.jobs.size()));
            return 1;
        }
        delete w;
    }
    LabelSheets::setUserSheets(before);
    if (sheets != (Addressees + 23) / 24) {
        std::printf("the label run printed %d sheets\n", sheets);
        return 1;
    }
    std::printf("preview of %d label sheets, every page shown: %.0f ms (goal: under 2000 ms)\n",
                sheets, median(preview));
    std::printf("the same saved as a PDF file: %.0f ms (goal: under 5000 ms)\n", median(pdf));
    const double perSheet = median(labels) / sheets;
    const double perLetter = median(letters) / Addressees;
    std::printf("label run into the recording printer: %.0f ms, %.2f ms per sheet\n",
                median(labels), perSheet);
    std::printf("letter form run of the same addressees: %.0f ms, %.2f ms per page\n",
                median(letters), perLetter);
    std::printf("label sheet / letter page: %.2f x (goal: within 3 x)\n", perSheet / perLetter);
    std::printf("label / letter page, per addressee: %.2f x\n",
                median(labels) / Addressees / perLetter);
    return 0;
}
