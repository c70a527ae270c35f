// Zip code search on the full table: the dialog's search handler (both
// passes, list filled) beside the bare indexed query that returns the same
// rows and beside a row-by-row walk of the whole table in list order.
//
// Usage: bench_zipcode [runs]   (uses the zipcode.mdb the build made)

#include "lookup/ZipCodeDialog.h"
#include "store/AppPaths.h"
#include "store/Recordset.h"
#include "ui/Fonts.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QSqlRecord>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

namespace {
struct Timing {
    double median;
    double best;
};

// Milliseconds per call of the job, over the given number of runs.
Timing measure(int runs, const std::function<void()>& job) {
    job(); // warm the caches
    std::vector<double> times;
    QElapsedTimer timer;
    for (int i = 0; i < runs; ++i) {
        timer.start();
        job();
        times.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(times.begin(), times.end());
    return {times[times.size() / 2], times.front()};
}

const QString selectRows =
    QStringLiteral("select seq, zipcode, sido, gugun, dong, ri, st_bunji, ed_bunji from zip "
                   "where %1 = ? order by sido, gugun, dong, ri, st_bunji, rowid");

// The bare query: one indexed statement, every value of every row read.
int bareQuery(QSqlQuery& query, const QString& text) {
    query.bindValue(0, text);
    query.exec();
    int rows = 0;
    while (query.next()) {
        for (int c = 0; c < 8; ++c)
            query.value(c).toString();
        ++rows;
    }
    query.finish();
    return rows;
}

ZipRow rowOf(const Recordset& cursor) {
    return {cursor.field("seq"),      cursor.field("zipcode"), cursor.field("sido"),
            cursor.field("gugun"),    cursor.field("dong"),    cursor.field("ri"),
            cursor.field("st_bunji"), cursor.field("ed_bunji")};
}

// The walk: every row in list order compared by dong, then, when nothing
// matched, every row again compared by ri; the lines go into a list box.
int walk(Recordset& cursor, QListWidget& list, const QString& text) {
    list.clear();
    QStringList lines;
    for (const char* column : {"dong", "ri"}) {
        cursor.moveFirst();
        while (!cursor.eof()) {
            if (cursor.field(column) == text)
                lines << rowOf(cursor).listLine();
            cursor.moveNext();
        }
        if (!lines.isEmpty())
            break;
    }
    cursor.moveFirst();
    list.addItems(lines);
    return int(lines.size());
}
} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Fonts::install();
    AppPaths::setProgramFolder(QStringLiteral(PROGRAM_DIR));
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 200;

    ZipCodeDialog* dialog = ZipCodeDialog::open();
    if (!dialog)
        return 1;
    QApplication::processEvents();

    auto db = Connection::open(AppPaths::zipcodePath(), {QStringLiteral("zip")}, true);
    QElapsedTimer opening;
    opening.start();
    Recordset cursor(db,
                     QStringLiteral("select * from zip order by sido,gugun, dong, ri, st_bunji"));
    const double openMs = opening.nsecsElapsed() / 1e6;
    QListWidget walkList;

    std::printf("zipcode.mdb: %d rows; %d runs each, milliseconds per search (median / best)\n",
                cursor.recordCount(), runs);
    std::printf("opening the ordered cursor over the whole table (walk only): %.1f ms\n\n", openMs);
    std::printf("%5s  %-17s %-17s %-17s %-14s %s\n", "lines", "handler", "bare query", "walk",
                "handler/bare", "search");

    struct Case {
        QString text;
        const char* column; // the column whose query returns the listed rows
    };
    for (const Case& c :
         {Case{QStringLiteral("송정동"), "dong"}, Case{QStringLiteral("송곡리"), "ri"}}) {
        dialog->txtSearchData->setText(c.text);
        const Timing handler = measure(runs, [&] { dialog->cmdSearchDataClick(); });
        const int lines = dialog->lstSearchDataList->count();

        QSqlQuery query(db->db());
        query.setForwardOnly(true);
        query.prepare(selectRows.arg(QLatin1String(c.column)));
        int bareRows = 0;
        const Timing bare = measure(runs, [&] { bareRows = bareQuery(query, c.text); });

        int walkRows = 0;
        const Timing walked =
            measure(std::max(1, runs / 20), [&] { walkRows = walk(cursor, walkList, c.text); });

        if (bareRows != lines || walkRows != lines)
            std::printf("row counts differ: handler %d, bare %d, walk %d\n", lines, bareRows,
                        walkRows);
        const auto cell = [](const Timing& t) {
            return QStringLiteral("%1 / %2").arg(t.median, 0, 'f', 3).arg(t.best, 0, 'f', 3);
        };
        std::printf("%5d  %-17s %-17s %-17s %-14.2f %s\n", lines, qPrintable(cell(handler)),
                    qPrintable(cell(bare)), qPrintable(cell(walked)), handler.median / bare.median,
                    qPrintable(c.text));
    }
    delete dialog;
    return 0;
}
