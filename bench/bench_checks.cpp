// The duplicate-name check of the addressee window and a search of the
// addressee search dialog with 10,000 addressees (or the number given) in
// the book, each beside a bare walk of the same rows (the book's rows read
// where they are, nothing compared) and the bare query of the rows from the
// file.
// Run: QT_QPA_PLATFORM=offscreen build/bench/bench_checks [addressees]
#include "BenchSupport.h"
#include "addressee/AddresseeWindow.h"
#include "lookup/AddresseeSearchDialog.h"
#include "store/AddressBook.h"
#include "store/AddresseeBook.h"
#include "store/AppPaths.h"
#include "ui/Fonts.h"
#include "ui/MessageBox.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>

namespace {
// The rows as both checks read them: name, company and department of each.
double bareWalk() {
    return ms([] {
        const AddresseeBook& book = *AddresseeBook::shared();
        using enum AddresseeFields::Index;
        qsizetype total = 0;
        for (int place = 0; place < book.count(); ++place)
            total += book.value(place, Name).size() + book.value(place, Company).size() +
                     book.value(place, Department).size();
        if (total == 0)
            std::printf("no rows\n");
    });
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    Fonts::install();
    SilentAnswerer silent;
    QTemporaryDir dir;
    AppPaths::setProgramFolder(dir.path());
    const int count = argc > 1 ? std::atoi(argv[1]) : 10000;
    // Names "<family><n>", n from 0 to 199: every tenth addressee is a 김, and
    // one addressee in 2,000 bears any one name.
    fillAddressees(count, [](int i) { return families[i % 10] + QString::number(i / 10 % 200); });

    AddresseeWindow* w = AddresseeWindow::open();
    AddresseeSearchDialog* d = AddresseeSearchDialog::open();
    const QString sameName = families[3] + "7";
    w->txtCustomerName->setText(sameName);
    const struct {
        const char* what;
        QString text;
    } searches[] = {{"whole name", sameName},
                    {"beginning of a name", families[0]},
                    {"beginning of a company", "회사9"},
                    {"no match (message)", "없는이름"}};
    const int runs = 21;
    QList<double> walk, query, check, search[4];
    int lines[4] = {};
    for (int run = 0; run < runs; ++run) {
        walk << bareWalk();
        query << bareQuery();
        check << ms([&] { w->checkDuplicateName(); });
        for (int s = 0; s < 4; ++s) {
            d->txtFindSearchData->setText(searches[s].text);
            search[s] << ms([&] { d->cmdSearchDataClick(); });
            lines[s] = d->lstFindCustomerData->count();
        }
    }
    std::printf("addressees: %d (medians of %d runs)\n", count, runs);
    std::printf("bare walk of the shared cursor (name, company, department): %.2f ms\n",
                median(walk));
    std::printf("bare query \"%s\" from the file: %.2f ms\n",
                qPrintable(AddressBook::CustomerOrder), median(query));
    std::printf("duplicate check, %d same names, warning built: %.2f ms (%.1f x the walk)\n",
                count / 2000, median(check), median(check) / median(walk));
    for (int s = 0; s < 4; ++s)
        std::printf("search, %s \"%s\": %.2f ms, %d lines (%.1f x the walk)\n", searches[s].what,
                    qPrintable(searches[s].text), median(search[s]), lines[s],
                    median(search[s]) / median(walk));
    std::printf("goal: within 3 x the bare walk\n");
    delete d;
    delete w;
    return silent.shown > 0 ? 0 : 1;
}
