// The addressee window with 10,000 or 100,000 addressees in the book, beside
// the bare query of the same rows measured in the same run: opening until the
// grid shows, a save, a delete, the duplicate-name check, a search, the print
// window's load, and the peak memory of the whole run.
// Run: QT_QPA_PLATFORM=offscreen build/bench/bench_addressee [addressees]
#include "BenchSupport.h"
#include "addressee/AddresseeWindow.h"
#include "lookup/AddresseeSearchDialog.h"
#include "print/PrintWindow.h"
#include "store/AddresseeBook.h"
#include "ui/Fonts.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <sys/resource.h>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    Fonts::install();
    BenchPlace bench;
    const int count = argc > 1 ? std::atoi(argv[1]) : 10000;
    fillAddressees(count,
                   [count](int i) { return families[i % 10] + QString::number(i * 7919 % count); });

    QList<double> bare, open, remove, save, check, search, print;
    const int runs = 5;
    for (int run = 0; run < runs; ++run) {
        bare << bareQuery();
        AddresseeWindow* w = nullptr;
        open << ms([&] {
            w = AddresseeWindow::open();
            QApplication::processEvents();
        });
        // A delete first: with 100,000 addressees every number is held
        // until one is freed.
        remove << ms([&] { w->cmdCustomerDeleteClick(); });
        w->cmdCustomerAddClick();
        w->txtCustomerName->setText("벤치");
        save << ms([&] { w->cmdCustomerAddClick(); });
        w->txtCustomerName->setText(families[3] + "7");
        check << ms([&] { w->checkDuplicateName(); });
        AddresseeSearchDialog* d = AddresseeSearchDialog::open();
        d->txtFindSearchData->setText(families[3] + "7");
        search << ms([&] { d->cmdSearchDataClick(); });
        print << ms([&] {
            PrintWindow::open();
            QApplication::processEvents();
        });
        delete PrintWindow::instance();
        delete d;
        delete w;
        AddresseeBook::shutDown();
    }
    // A new row's number checked in the write that stores it, beside the same
    // insert without the check, as rows were stored before. The numbers these
    // rows get are freed first: with 100,000 addressees every one is held.
    const int stores = 4 * runs;
    QSqlQuery(AddressBook::open()->db())
        .exec(QString("delete from customer where cast(seq as integer) between 1 and %1")
                  .arg(2 * stores));
    QList<double> checked, unchecked;
    for (int run = 0; run < stores; ++run) {
        for (const bool check : {run % 2 == 0, run % 2 != 0}) {
            Recordset cursor(AddressBook::open(), QStringLiteral("customer"));
            if (check)
                cursor.numberNewRows(QStringLiteral("seq"));
            cursor.addNew();
            cursor.setField(QStringLiteral("seq"), QString::number(1 + 2 * run + check));
            (check ? checked : unchecked) << ms([&] { cursor.update(); });
        }
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);

    const double q = median(bare);
    const double change = count > 10000 ? 50 : 20;
    std::printf("addressees: %d (medians of %d runs)\n", count, runs);
    std::printf("bare query \"%s\": %.1f ms\n", qPrintable(AddressBook::CustomerOrder), q);
    std::printf("window opening until the grid shows: %.1f ms, %.2f x the bare query (goal: "
                "within 1.5 x)\n",
                median(open), median(open) / q);
    std::printf("save of a new addressee: %.1f ms (goal: under %.0f ms)\n", median(save), change);
    std::printf("store of a new row with its number check: %.2f ms (goal: within 10%% of %.2f "
                "ms, the same store without the check)\n",
                median(checked), median(unchecked));
    std::printf("delete of the shown addressee: %.1f ms (goal: under %.0f ms)\n", median(remove),
                change);
    std::printf("duplicate-name check: %.1f ms\n", median(check));
    std::printf("addressee search, whole name: %.1f ms\n", median(search));
    std::printf("print window load: %.1f ms, %.2f x the bare query\n", median(print),
                median(print) / q);
    std::printf("peak memory: %.0f MB%s\n", usage.ru_maxrss / 1024.0,
                count > 10000 ? " (goal: under 150 MB)" : "");
    return 0;
}
