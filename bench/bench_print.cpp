// A 500-page addressee run into the recording printer, the preview of a
// 100-page run, and the print window's load with 10,000 addressees, each
// beside a baseline measured in the same run.
// Run: QT_QPA_PLATFORM=offscreen build/bench/bench_print
#include "BenchSupport.h"
#include "print/PreviewWindow.h"
#include "print/PrintWindow.h"
#include "store/AddressBook.h"
#include "store/AddresseeBook.h"
#include "ui/Fonts.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QSqlQuery>
#include <cstdio>

namespace {
void fill(int count) {
    fillAddressees(count, [count](int i) { return QString("이름%1").arg(i * 7919 % count); });
    auto connection = AddressBook::open();
    QSqlQuery q(connection->db());
    q.exec("delete from personal");
    q.exec("insert into personal values ('홍길동','오르반상사','총무부','과장','me@orvane.kr',"
           "'02-111','02-222','010-1234-5678','135-806','서울 강남구  개포1동','1-2')");
}

void reopen() {
    AddresseeBook::startUp();
}

// A run that did not print every page measured something else.
bool printedAll(const RecordingPrinter& printer, int pages) {
    if (printer.jobs.size() == pages)
        return true;
    std::printf("the run printed %d pages, not %d\n", int(printer.jobs.size()), pages);
    return false;
}
} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    Fonts::install();
    BenchPlace bench;
    RecordingPrinter& printer = bench.printer;

    // A 500-page run.
    const int pages = 500;
    fill(pages);
    reopen();
    QList<double> run, baseline;
    for (int round = 0; round < 5; ++round) {
        PrintWindow* w = PrintWindow::open();
        w->cmdAllDataSelect->click();
        printer.jobs.clear();
        QElapsedTimer t;
        t.start();
        w->cmdDataPrint->click();
        run << t.nsecsElapsed() / 1e6;
        if (!printedAll(printer, pages))
            return 1;
        delete w;

        // Baseline: the recording printer taking the same lines, with the
        // addressee looked up, and nothing else.
        printer.jobs.clear();
        const AddresseeBook& book = *AddresseeBook::shared();
        t.restart();
        for (int i = 1; i <= pages; ++i) {
            const int place = book.placeOf(QString::number(i));
            for (int line = 0; line < 15; ++line)
                printer.print(book.value(place, AddresseeFields::Address1));
            printer.endPage();
        }
        baseline << t.nsecsElapsed() / 1e6;
    }
    std::printf("addressee run of %d pages: %.1f ms, %.3f ms per page\n", pages, median(run),
                median(run) / pages);
    std::printf("baseline (lookup and the same number of lines): %.1f ms, %.3f ms per page\n",
                median(baseline), median(baseline) / pages);
    std::printf("the program's own work per page: %.3f ms (goal: under 2 ms)\n",
                (median(run) - median(baseline)) / pages);

    // The preview of a 100-page run: until its first page shows, and every
    // page drawn, beside the same run printed into the recording printer.
    const int previewed = 100;
    fill(previewed);
    reopen();
    QList<double> firstPage, allPages, recorded;
    for (int round = 0; round < 5; ++round) {
        PrintWindow* w = PrintWindow::open();
        w->cmdAllDataSelect->click();
        QElapsedTimer t;
        t.start();
        w->cmdPrintPreview->click();
        auto* preview = w->findChild<PreviewWindow*>();
        firstPage << t.nsecsElapsed() / 1e6;
        for (int page = 1; page < previewed; ++page)
            preview->renderPage(page);
        allPages << t.nsecsElapsed() / 1e6;
        delete preview;
        printer.jobs.clear();
        t.restart();
        w->cmdDataPrint->click();
        recorded << t.nsecsElapsed() / 1e6;
        if (!printedAll(printer, previewed))
            return 1;
        delete w;
    }
    std::printf("preview of %d pages: first page shown after %.1f ms (goal: under 100 ms)\n",
                previewed, median(firstPage));
    std::printf("preview, every page drawn: %.1f ms; the same run into the recording printer: "
                "%.1f ms (%.2f x; goal: within 3 x)\n",
                median(allPages), median(recorded), median(allPages) / median(recorded));

    // The window's load with 10,000 addressees.
    const int addressees = 10000;
    fill(addressees);
    reopen();
    QList<double> load, bare;
    for (int round = 0; round < 5; ++round) {
        bare << bareQuery();
        QElapsedTimer t;
        t.start();
        PrintWindow* w = PrintWindow::open();
        load << t.nsecsElapsed() / 1e6;
        delete w;
    }
    std::printf("bare query of %d addressees: %.1f ms\n", addressees, median(bare));
    std::printf("print window load: %.1f ms (%.2f x the bare query; goal: within 3 x)\n",
                median(load), median(load) / median(bare));
    return 0;
}
