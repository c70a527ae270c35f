// Reading a table of an Access file the way the program does (a reader
// process handing every table over), beside mdb-export of the same table in
// the same run. libmdb cannot add rows to a file (its writing is
// unfinished), so no 10,000-row table can be made from the samples: by
// default it reads the largest table of each sample; given a file and a
// table, it reads those.
// Run: build/bench/bench_access [FILE TABLE]
#include "BenchSupport.h"
#include "store/AccessFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <cstdio>

namespace {
const int runs = 15;

struct Case {
    QString file;
    QString table;
};

double mdbExport(const Case& c) {
    return ms([&] {
        QProcess p;
        p.setStandardOutputFile(QProcess::nullDevice());
        p.start("mdb-export", {c.file, c.table});
        p.waitForFinished(-1);
    });
}
} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    AccessFile::setReaderProgram(QDir(PROGRAM_DIR).filePath("orvaneit-data"));
    QList<Case> cases;
    if (argc == 3) {
        cases << Case{QString::fromLocal8Bit(argv[1]), QString::fromLocal8Bit(argv[2])};
    } else {
        const QString samples = QStringLiteral(SOURCE_DIR "/tests/store/access/");
        for (const char* file : {"jet3-access97.mdb", "jet4-access2000.mdb",
                                 "jet4-access2000-password.mdb", "ace-access2010.accdb"})
            cases << Case{samples + file, "Table1"};
    }
    std::printf("%-32s %8s %6s %12s %14s %6s\n", "file", "table", "rows", "program ms",
                "mdb-export ms", "ratio");
    for (const Case& c : cases) {
        QList<double> program, baseline;
        qsizetype rows = 0;
        for (int i = 0; i < runs; ++i) {
            program << ms([&] { rows = AccessFile::read(c.file).table(c.table)->records.size(); });
            baseline << mdbExport(c);
        }
        std::printf("%-32s %8s %6lld %12.1f %14.1f %6.2f\n",
                    qPrintable(QFileInfo(c.file).fileName()), qPrintable(c.table),
                    static_cast<long long>(rows), median(program), median(baseline),
                    median(program) / median(baseline));
    }
    return 0;
}
