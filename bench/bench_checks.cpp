// The duplicate-name check of the addressee window and a search of the
// addressee search dialog with 10,000 addressees in the book, each beside a
// bare walk of the same rows (the shared cursor read, nothing compared) and
// the bare query of the rows from the file.
// Run: QT_QPA_PLATFORM=offscreen build/bench/bench_checks
#include "addressee/frmOrvane.h"
#include "lookup/frmSearchData.h"
#include "store/AddressBook.h"
#include "store/AppPaths.h"
#include "ui/Fonts.h"
#include "ui/MessageBox.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <cstdio>

namespace {
class Silent : public MessageBox::Answerer {
  public:
    MessageBox::Answer answer(QWidget*, const MessageBox::Message&) override {
        ++shown;
        return MessageBox::Answer::Ok;
    }
    int shown = 0;
};

const int count = 10000;
const QStringList family = {"김", "이", "박", "최", "정", "강", "조", "윤", "장", "임"};

// Names "<family><n>", n from 0 to 199: every tenth addressee is a 김, and
// each name is borne by five addressees.
void fill() {
    auto connection = AddressBook::openOrCreate();
    QSqlDatabase db = connection->db();
    db.transaction();
    QSqlQuery q(db);
    q.prepare("insert into customer values (?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)");
    for (int i = 1; i <= count; ++i) {
        const QStringList values = {QString::number(i),
                                    family[i % 10] + QString::number(i / 10 % 200),
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

double median(QList<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

template <class F> double ms(F f) {
    QElapsedTimer t;
    t.start();
    f();
    return t.nsecsElapsed() / 1e6;
}

// The rows as both checks read them: name, company and department of each.
double bareWalk() {
    return ms([] {
        Recordset& cursor = *Module1::CustomerCursor;
        const int name = cursor.columnIndex("name");
        const int company = cursor.columnIndex("company");
        const int department = cursor.columnIndex("department");
        qsizetype total = 0;
        for (cursor.moveFirst(); !cursor.eof(); cursor.moveNext())
            total += cursor.field(name).size() + cursor.field(company).size() +
                     cursor.field(department).size();
        if (total == 0)
            std::printf("no rows\n");
    });
}

double bareQuery() {
    auto connection = AddressBook::open();
    return ms([&] {
        QSqlQuery q(connection->db());
        q.setForwardOnly(true);
        q.exec(AddressBook::CustomerOrder);
        while (q.next()) {
            for (int c = 0; c < 16; ++c)
                q.value(c).toString();
        }
    });
}
} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    Fonts::install();
    Silent silent;
    MessageBox::setAnswerer(&silent);
    QTemporaryDir dir;
    AppPaths::setProgramFolder(dir.path());
    fill();

    frmOrvane* w = frmOrvane::open();
    frmSearchData* d = frmSearchData::open();
    const QString sameName = family[3] + "7";
    w->txtCustomerName->setText(sameName);
    const struct {
        const char* what;
        QString text;
    } searches[] = {{"whole name", sameName},
                    {"beginning of a name", family[0]},
                    {"beginning of a company", "회사9"},
                    {"no match (message)", "없는이름"}};
    const int runs = 21;
    QList<double> walk, query, check, search[4];
    int lines[4] = {};
    for (int run = 0; run < runs; ++run) {
        walk << bareWalk();
        query << bareQuery();
        check << ms([&] { w->DataDoubleCheck(); });
        for (int s = 0; s < 4; ++s) {
            d->txtFindSearchData->setText(searches[s].text);
            search[s] << ms([&] { d->cmdSearchData_Click(); });
            lines[s] = d->lstFindCustomerData->count();
        }
    }
    std::printf("addressees: %d (medians of %d runs)\n", count, runs);
    std::printf("bare walk of the shared cursor (name, company, department): %.2f ms\n",
                median(walk));
    std::printf("bare query \"%s\" from the file: %.2f ms\n",
                qPrintable(AddressBook::CustomerOrder), median(query));
    std::printf("duplicate check, 5 same names, warning built: %.2f ms (%.1f x the walk)\n",
                median(check), median(check) / median(walk));
    for (int s = 0; s < 4; ++s)
        std::printf("search, %s \"%s\": %.2f ms, %d lines (%.1f x the walk)\n", searches[s].what,
                    qPrintable(searches[s].text), median(search[s]), lines[s],
                    median(search[s]) / median(walk));
    std::printf("goal: within 3 x the bare walk\n");
    delete d;
    delete w;
    return silent.shown > 0 ? 0 : 1;
}
