// Opening the addressee window and saving a new addressee with 10,000
// addressees in the book, beside the bare query of the same rows.
// Run: QT_QPA_PLATFORM=offscreen build/bench/bench_addressee
#include "BenchSupport.h"
#include "addressee/frmOrvane.h"
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
    q.prepare("insert into customer values (?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)");
    const QStringList family = {"김", "이", "박", "최", "정", "강", "조", "윤", "장", "임"};
    for (int i = 1; i <= count; ++i) {
        const QStringList values = {QString::number(i),
                                    family[i % 10] + QString::number(i * 7919 % count),
                                    QString("user%1@example.kr").arg(i),
                                    "010-1234-5678",
                                    i % 2 ? "1" : "2",
                                    QString("회사%1").arg(i % 97),
                                    "총무부",
                                    "과장",
                                    "02-123-4567",
                                    "02-765-4321",
                                    "123",
                                    "02-111-2222",
                                    "135-806",
                                    "서울 강남구  개포1동",
                                    "123-45",
                                    "메모"};
        for (const QString& v : values)
            q.addBindValue(v);
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
    int rows = 0;
    while (q.next()) {
        for (int c = 0; c < 16; ++c)
            q.value(c).toString();
        ++rows;
    }
    return t.nsecsElapsed() / 1e6;
}
} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    Fonts::install();
    SilentAnswerer silent;
    QTemporaryDir dir;
    AppPaths::setProgramFolder(dir.path());
    const int count = 10000;
    fill(count);

    QList<double> bare, empty, open, save;
    for (int run = 0; run < 5; ++run) {
        bare << bareQuery();
        QElapsedTimer t;
        t.start();
        { frmOrvane window; } // fixed start-up cost: the window without data
        empty << t.nsecsElapsed() / 1e6;
        t.restart();
        frmOrvane* w = frmOrvane::open();
        open << t.nsecsElapsed() / 1e6;
        w->cmdCustomerAdd->click();
        w->txtCustomerName->setText("벤치");
        t.restart();
        w->cmdCustomerAdd->click();
        save << t.nsecsElapsed() / 1e6;

        delete w;
        Module1::CustomerCursor.reset();
        Module1::AddressBookDb.reset();
    }
    std::printf("addressees: %d (medians of 5 runs)\n", count);
    std::printf("bare query \"%s\": %.1f ms\n", qPrintable(AddressBook::CustomerOrder),
                median(bare));
    std::printf("window without data (fixed start-up cost): %.1f ms\n", median(empty));
    std::printf("window opening until the grid is filled: %.1f ms (goal: within 3 x %.1f + %.1f = "
                "%.1f ms)\n",
                median(open), median(bare), median(empty), 3 * median(bare) + median(empty));
    std::printf(
        "save of a new addressee (requery and grid included): %.1f ms (goal: under 100 ms)\n",
        median(save));
    return 0;
}
