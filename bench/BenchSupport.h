#pragma once

#include "pages/RealPrinter.h"
#include "pages/RecordingPrinter.h"
#include "store/AddressBook.h"
#include "store/AppPaths.h"
#include "ui/MessageBox.h"

#include <QElapsedTimer>
#include <QList>
#include <QSqlQuery>
#include <QStringList>
#include <QTemporaryDir>
#include <algorithm>
#include <functional>

// Answers every message with OK, or Yes, so a benchmark never waits for a click.
class SilentAnswerer : public MessageBox::Answerer {
  public:
    SilentAnswerer() { MessageBox::setAnswerer(this); }
    ~SilentAnswerer() override { MessageBox::setAnswerer(nullptr); }
    MessageBox::Answer answer(QWidget*, const MessageBox::Message& message) override {
        ++shown;
        return message.buttons == MessageBox::Buttons::YesNo ? MessageBox::Answer::Yes
                                                             : MessageBox::Answer::Ok;
    }
    int shown = 0;
};

// What a benchmark of the windows runs in: every message answered, printing
// recorded, and a program folder of its own.
struct BenchPlace {
    BenchPlace() {
        PrinterLayer::setPrinter(&printer);
        AppPaths::setProgramFolder(dir.path());
    }
    ~BenchPlace() { PrinterLayer::setPrinter(nullptr); }
    SilentAnswerer silent;
    RecordingPrinter printer;
    QTemporaryDir dir;
};

inline double median(QList<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Milliseconds the job takes.
template <class Job> double ms(Job job) {
    QElapsedTimer t;
    t.start();
    job();
    return t.nsecsElapsed() / 1e6;
}

const QStringList families = {"김", "이", "박", "최", "정", "강", "조", "윤", "장", "임"};

// Replaces the addressees of the program folder's book with `count` of them,
// seq "1" upwards (the 100,000th gets "0": seq has five digits), the i-th
// named nameOf(i); every other column filled as a typical addressee's.
inline void fillAddressees(int count, const std::function<QString(int)>& nameOf) {
    auto connection = AddressBook::openOrCreate();
    QSqlDatabase db = connection->db();
    db.transaction();
    QSqlQuery q(db);
    q.exec("delete from customer");
    q.prepare("insert into customer values (?,?,?,'010-1234-5678',?,?,'총무부','과장',"
              "'02-123-4567','02-765-4321','123','02-111-2222','135-806','서울 강남구  개포1동',"
              "'123-45','메모')");
    for (int i = 1; i <= count; ++i) {
        q.addBindValue(QString::number(i % 100000));
        q.addBindValue(nameOf(i));
        q.addBindValue(QString("user%1@example.kr").arg(i));
        q.addBindValue(i % 2 ? "1" : "2");
        q.addBindValue(QString("회사%1").arg(i % 97));
        q.exec();
    }
    db.commit();
}

// The bare query of the addressee list from the file, every value read.
inline double bareQuery() {
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
