// A 500-page addressee run into the recording printer, and the print
// window's load with 10,000 addressees, each beside a baseline measured in
// the same run. Run: QT_QPA_PLATFORM=offscreen build/bench/bench_print
#include "BenchSupport.h"
#include "print/RecordingPrinter.h"
#include "print/frmPrintData.h"
#include "store/AddressBook.h"
#include "store/AppPaths.h"
#include "ui/Fonts.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <cstdio>

namespace {
void fill(int count) {
    auto connection = AddressBook::openOrCreate();
    QSqlDatabase db = connection->db();
    db.transaction();
    QSqlQuery q(db);
    q.exec("delete from customer");
    q.exec("delete from personal");
    q.exec("insert into personal values ('홍길동','오르반상사','총무부','과장','me@orvane.kr',"
           "'02-111','02-222','010-1234-5678','135-806','서울 강남구  개포1동','1-2')");
    q.prepare("insert into customer values (?,?,'','010',?,'한국상사','영업부','부장','','','','',"
              "'100-011','서울 중구  갑동','1-2','')");
    for (int i = 1; i <= count; ++i) {
        q.addBindValue(QString::number(i));
        q.addBindValue(QString("이름%1").arg(i * 7919 % count));
        q.addBindValue(i % 2 ? "1" : "2");
        q.exec();
    }
    db.commit();
}

double bareQuery() {
    auto connection = AddressBook::open();
    QElapsedTimer t;
    t.start();
    QSqlQuery q(connection->db());
    q.setForwardOnly(true);
    q.exec(AddressBook::CustomerOrder);
    while (q.next()) {
        for (int c = 0; c < 16; ++c)
            q.value(c).toString();
    }
    return t.nsecsElapsed() / 1e6;
}

void reopen() {
    Module1::CustomerCursor.reset();
    Module1::AddressBookDb.reset();
    AddressBook::startUp();
}
} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    Fonts::install();
    SilentAnswerer silent;
    RecordingPrinter printer;
    PrinterLayer::setPrinter(&printer);
    QTemporaryDir dir;
    AppPaths::setProgramFolder(dir.path());

    // A 500-page run.
    const int pages = 500;
    fill(pages);
    reopen();
    QList<double> run, baseline;
    for (int round = 0; round < 5; ++round) {
        frmPrintData* w = frmPrintData::open();
        w->cmdAllDataSelect->click();
        printer.jobs.clear();
        QElapsedTimer t;
        t.start();
        w->cmdDataPrint->click();
        run << t.nsecsElapsed() / 1e6;
        if (printer.jobs.size() != pages) {
            std::printf("the run printed %d pages, not %d\n", int(printer.jobs.size()), pages);
            return 1;
        }
        delete w;

        // Baseline: the recording printer taking the same lines, with the
        // addressee looked up, and nothing else.
        printer.jobs.clear();
        Recordset& cursor = *Module1::CustomerCursor;
        t.restart();
        for (int i = 1; i <= pages; ++i) {
            cursor.findFirst("seq", QString::number(i));
            for (int line = 0; line < 15; ++line)
                printer.print(cursor.field("address1"));
            printer.endDoc();
        }
        baseline << t.nsecsElapsed() / 1e6;
    }
    std::printf("addressee run of %d pages: %.1f ms, %.3f ms per page\n", pages, median(run),
                median(run) / pages);
    std::printf("baseline (lookup and the same number of lines): %.1f ms, %.3f ms per page\n",
                median(baseline), median(baseline) / pages);
    std::printf("the program's own work per page: %.3f ms (goal: under 2 ms)\n",
                (median(run) - median(baseline)) / pages);

    // The window's load with 10,000 addressees.
    const int addressees = 10000;
    fill(addressees);
    reopen();
    QList<double> load, bare;
    for (int round = 0; round < 5; ++round) {
        bare << bareQuery();
        QElapsedTimer t;
        t.start();
        frmPrintData* w = frmPrintData::open();
        load << t.nsecsElapsed() / 1e6;
        delete w;
    }
    std::printf("bare query of %d addressees: %.1f ms\n", addressees, median(bare));
    std::printf("print window load: %.1f ms (%.2f x the bare query; goal: within 3 x)\n",
                median(load), median(load) / median(bare));
    return 0;
}
