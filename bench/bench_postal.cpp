// Today's postal data at the size of the whole country: made-up range and
// building DBs (6.4 million buildings over 17 provinces, about 300,000 road
// and 250,000 lot ranges), loaded as the dialog loads them, then searched.
// The baseline in the same run is the dong search of the shipped table.
//
// Usage: bench_postal generate DIR [buildings]   (once: writes the two ZIPs)
//        bench_postal range DIR | building DIR    (one load; peak memory is
//                                                  the process's own)
//        bench_postal search DIR [runs]           (after a load)
//        bench_postal dialog DIR                  (both loaded through the
//                                                  dialog, a road listed, the
//                                                  window left up 20 s)
// DIR must lie outside the source tree.

#include "BenchSupport.h"
#include "PostalFixtures.h"
#include "lookup/ZipCodeDialog.h"
#include "store/AppPaths.h"
#include "store/PostalCodes.h"
#include "store/PostalLoad.h"
#include "store/ZipCodes.h"
#include "ui/Fonts.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QScreen>
#include <QSqlQuery>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <sys/resource.h>

using namespace PostalFixtures;

namespace {
QList<Generator> country(qint64 buildings) {
    QList<Generator> all;
    for (int p = 0; p < int(std::size(provinces)); ++p)
        all << Generator{p, buildings * provinces[p].buildingsPerMille / 1000};
    return all;
}

void generate(const QString& dir, qint64 buildings) {
    const QList<Generator> all = country(buildings);
    QList<TextFile> range{{"20251028_도로명범위.txt", roadHeader,
                           [&](const Generator::Line& line) {
                               for (const Generator& g : all)
                                   g.roadRows(line);
                           }},
                          {"20251028_지번범위.txt", lotHeader, [&](const Generator::Line& line) {
                               for (const Generator& g : all)
                                   g.lotRows(line);
                           }}};
    writeZip(dir + "/areacd_rangeaddr_DB.zip", range, true);
    QList<TextFile> perProvince;
    for (const Generator& g : all)
        perProvince << TextFile{g.sido() + ".txt", buildingHeader,
                                [g](const Generator::Line& line) { g.buildingRows(line); }};
    writeZip(dir + "/zipcode_DB.zip", perProvince, false);
}

double peakMegabytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024.0;
}

// The postal file's tables and indexes by size, largest first.
QString tableSizes() {
    const auto file = Connection::open(PostalCodes::path(), {}, true);
    QSqlQuery query(file->db());
    query.exec("select name, sum(pgsize) from dbstat group by name order by 2 desc");
    QStringList sizes;
    while (query.next() && query.value(1).toLongLong() > 100000)
        sizes << QString("%1 %2")
                     .arg(query.value(0).toString())
                     .arg(query.value(1).toDouble() / 1e6, 0, 'f', 1);
    return sizes.join(", ");
}

void load(const QString& zip) {
    QElapsedTimer timer;
    timer.start();
    PostalLoad load(PostalCodes::path());
    const auto summary = load.build({zip}, [](int) { return true; });
    load.commit();
    std::printf("load %s: %.1f s, peak %.0f MB, file %.1f MB\n  %s\n  MB: %s\n",
                qPrintable(QFileInfo(zip).fileName()), timer.nsecsElapsed() / 1e9, peakMegabytes(),
                QFileInfo(PostalCodes::path()).size() / 1e6, qPrintable(summary->text()),
                qPrintable(tableSizes()));
}

QString someRoad() {
    const Generator seoul{0, 1000};
    QString road;
    seoul.walk(
        [&](const QString&, const QString&, const QString& r, int, int, qint64) { road = r; });
    return road;
}

void throughTheDialog(const QString& dir) {
    SilentAnswerer answers;
    // The screen while the load runs and once a road is listed.
    const auto shoot = [dir](const char* name) {
        QGuiApplication::primaryScreen()->grabWindow(0).save(dir + "/" + name);
    };
    QTimer::singleShot(6000, qApp, [shoot] { shoot("progress.png"); });
    ZipCodeDialog* dialog = ZipCodeDialog::open();
    QElapsedTimer timer;
    timer.start();
    dialog->loadPostalData({dir + "/areacd_rangeaddr_DB.zip", dir + "/zipcode_DB.zip"});
    std::printf("both loaded through the dialog: %.1f s, peak %.0f MB, file %.1f MB\n  %s\n"
                "  MB: %s\n",
                timer.nsecsElapsed() / 1e9, peakMegabytes(),
                QFileInfo(PostalCodes::path()).size() / 1e6,
                qPrintable(dialog->lblPostalData->text()), qPrintable(tableSizes()));
    dialog->txtPostalSearch->setText(someRoad().left(4));
    dialog->cmdPostalSearchClick();
    QTimer::singleShot(2000, qApp, [shoot] { shoot("result.png"); });
    QTimer::singleShot(20000, qApp, &QApplication::quit);
    QApplication::exec();
}

double medianMs(int runs, const std::function<void()>& job) {
    job();
    QList<double> times;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer t;
        t.start();
        job();
        times << t.nsecsElapsed() / 1e6;
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

void search(int runs) {
    const PostalCodes postal(PostalCodes::path());
    ZipCodes shipped;
    std::printf("baseline, dong search of the shipped table (송정동): %.2f ms\n",
                medianMs(runs, [&] { shipped.search("송정동"); }));
    const QString road = someRoad();
    for (const QString& text : {road + " 41", road.left(2), road.left(3) + " " + road.mid(3)})
        std::printf("road search %-16s %4lld lines: %.2f ms\n", qPrintable(text),
                    qlonglong(postal.search(text).size()),
                    medianMs(runs, [&] { postal.search(text); }));
    std::printf("building name search (가나아파트): %.2f ms\n",
                medianMs(runs, [&] { postal.search("가나아파트"); }));
    std::printf("dialog open: %.2f ms\n", medianMs(runs, [] {
                    ZipCodeDialog* d = ZipCodeDialog::open();
                    QApplication::processEvents();
                    delete d;
                }));
}
} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    Fonts::install();
    const QStringList args = app.arguments().mid(1);
    if (args.size() < 2)
        return 2;
    const QString dir = args[1];
    AppPaths::setProgramFolder(PROGRAM_DIR);
    if (args[0] == "generate")
        generate(dir, args.value(2, "6400000").toLongLong());
    else if (args[0] == "range")
        load(dir + "/areacd_rangeaddr_DB.zip");
    else if (args[0] == "building")
        load(dir + "/zipcode_DB.zip");
    else if (args[0] == "search")
        search(args.value(2, "20").toInt());
    else if (args[0] == "dialog")
        throughTheDialog(dir);
    return 0;
}
