// Export and import of 10,000 addressees as CSV and vCard, beside the bare
// SQLite insert of the same rows in one transaction.
// Run: build/bench/bench_exchange
#include "BenchSupport.h"
#include "store/AddresseeExchange.h"
#include "store/AppPaths.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <cstdio>

using namespace AddresseeExchange;

namespace {
const int count = 10000;

// The rows in one transaction through one prepared statement, nothing else.
double bareInsert(const Connection& book, const QList<QStringList>& rows) {
    return ms([&] {
        QSqlDatabase db = book.db();
        db.transaction();
        QSqlQuery q(db);
        q.prepare("insert into customer values (?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)");
        for (const QStringList& row : rows) {
            for (int f = 0; f < AddresseeFields::Count; ++f)
                q.bindValue(f, row[f]);
            q.exec();
        }
        db.commit();
    });
}

void empty(const Connection& book) {
    QSqlQuery(book.db()).exec("delete from customer");
}
} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    AppPaths::setProgramFolder(dir.path());
    fillAddressees(count, [](int i) { return families[i % 10] + QString::number(i); });
    const auto source = AddressBook::open();
    const QList<QStringList> rows = readBook(*source);
    const auto target = AddressBook::openOrCreate(dir.filePath("target.mdb"));

    QList<double> bare, exportTime[2], previewTime[2], addTime[2];
    const Format formats[2] = {Format::Csv, Format::VCard};
    for (int run = 0; run < 5; ++run) {
        empty(*target);
        bare << bareInsert(*target, rows);
        for (int f = 0; f < 2; ++f) {
            const QString file = dir.filePath(f == 0 ? "out.csv" : "out.vcf");
            exportTime[f] << ms([&] { writeFile(file, write(formats[f], readBook(*source))); });
            empty(*target);
            Preview p;
            previewTime[f] << ms([&] { p = preview(readFile(file), *target); });
            if (p.rows.size() != count)
                std::printf("%d rows read back instead of %d\n", int(p.rows.size()), count);
            addTime[f] << ms([&] { add(*target, p.rows, "0"); });
        }
    }
    const double base = median(bare);
    std::printf("addressees: %d (medians of 5 runs)\n", count);
    std::printf("bare SQLite insert in one transaction: %.1f ms\n", base);
    for (int f = 0; f < 2; ++f) {
        const char* name = f == 0 ? "CSV" : "vCard";
        std::printf("%-5s export (read book, write file): %6.1f ms = %.2f x bare\n", name,
                    median(exportTime[f]), median(exportTime[f]) / base);
        std::printf("%-5s preview (read, decode, look-alikes, widths): %6.1f ms (goal: under "
                    "1000 ms)\n",
                    name, median(previewTime[f]));
        std::printf("%-5s add in one transaction: %6.1f ms = %.2f x bare (goal: within 3 x)\n",
                    name, median(addTime[f]), median(addTime[f]) / base);
        std::printf("%-5s whole import (preview + add): %6.1f ms = %.2f x bare\n", name,
                    median(previewTime[f]) + median(addTime[f]),
                    (median(previewTime[f]) + median(addTime[f])) / base);
    }
    return 0;
}
