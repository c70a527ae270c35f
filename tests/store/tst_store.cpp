#include "TestSupport.h"
#include "store/AddressBook.h"
#include "store/AppPaths.h"
#include "store/StoreError.h"

#include <QCryptographicHash>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QtTest>

namespace {
QByteArray digest(const QString& path) {
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
}

void addCustomer(Recordset& cursor, const QString& seq, const QString& name) {
    cursor.addNew();
    cursor.setField("seq", seq);
    cursor.setField("name", name);
    cursor.update();
}
} // namespace

class StoreTest : public QObject {
    Q_OBJECT
  private slots:
    void createsBothTablesInColumnOrder();
    void textsComeBackExactly();
    void columnWidthsAreEnforced();
    void cursorMovesAndFinds();
    void lastSeqFollowsTheNewestRow();
    void refusesFilesThatAreNotOurs_data();
    void refusesFilesThatAreNotOurs();
};

void StoreTest::createsBothTablesInColumnOrder() {
    TempProgramFolder folder;
    AddressBook::startUp();
    QVERIFY(QFile::exists(folder.file("orvaneit.mdb")));
    const auto customer =
        TestSupport::query(folder.file("orvaneit.mdb"), "pragma table_info(customer)");
    QStringList columns;
    for (const auto& row : customer)
        columns << (row[1] + " " + row[2]).toLower();
    QCOMPARE(columns.join(","),
             QString("seq text(5),name text(40),email text(40),mobilephone text(20),"
                     "printcondition text(1),company text(40),department text(40),"
                     "departposition text(20),hometelephone text(20),companytelephone text(20),"
                     "extentionnumber text(10),facsimile text(20),zipcode text(7),"
                     "address1 text(50),address2 text(50),remark text"));
    const auto personal =
        TestSupport::query(folder.file("orvaneit.mdb"), "pragma table_info(personal)");
    columns.clear();
    for (const auto& row : personal)
        columns << (row[1] + " " + row[2]).toLower();
    QCOMPARE(columns.join(","),
             QString("name text(40),company text(40),department text(40),departposition text(20),"
                     "email text(40),telephone text(20),facsimile text(20),mobilephone text(20),"
                     "zipcode text(7),address1 text(50),address2 text(50)"));
    QCOMPARE(Module1::CustomerCursor->recordCount(), 0);
    QVERIFY(Module1::CustomerCursor->bof() && Module1::CustomerCursor->eof());
    QCOMPARE(Module1::LastSeq, QString("0"));
    QVERIFY_THROWS_EXCEPTION(StoreError, Module1::CustomerCursor->moveNext());

    // A second start finds the file and leaves it untouched.
    Module1::CustomerCursor.reset();
    Module1::AddressBookDb.reset();
    const QByteArray before = digest(folder.file("orvaneit.mdb"));
    AddressBook::startUp();
    QCOMPARE(digest(folder.file("orvaneit.mdb")), before);
}

void StoreTest::textsComeBackExactly() {
    TempProgramFolder folder;
    AddressBook::startUp();
    const QStringList texts = {"홍길동", "  앞뒤 공백  ",
                               " ",      "O'Brien \"Q\"",
                               "007",    "1e3",
                               "3.50",   "010-1234-5678",
                               "𠀀𝄞😀",   "",
                               "0",      "-5"};
    Recordset& cursor = *Module1::CustomerCursor;
    for (int i = 0; i < texts.size(); ++i) {
        cursor.addNew();
        cursor.setField("seq", QString::number(i + 1));
        cursor.setField("name", texts[i]);
        cursor.setField("remark", texts[i] + "\n" + texts[i]);
        cursor.update();
    }
    const auto rows = TestSupport::query(folder.file("orvaneit.mdb"),
                                         "select name, remark, typeof(name), typeof(remark) "
                                         "from customer order by rowid");
    QCOMPARE(rows.size(), texts.size());
    for (int i = 0; i < texts.size(); ++i) {
        QCOMPARE(rows[i][0], texts[i]);
        QCOMPARE(rows[i][1], texts[i] + "\n" + texts[i]);
        QCOMPARE(rows[i][2], QString("text"));
        QCOMPARE(rows[i][3], QString("text"));
    }
    // Read back through a fresh cursor as well; unset columns are empty text, not null.
    Recordset fresh(AddressBook::open(), "customer");
    for (int i = 0; i < texts.size(); ++i, fresh.moveNext()) {
        QCOMPARE(fresh.field("NAME"), texts[i]);
        QCOMPARE(fresh.field("email"), QString(""));
    }
    QCOMPARE(TestSupport::query(folder.file("orvaneit.mdb"),
                                "select count(*) from customer where email is null")[0][0],
             QString("0"));
}

void StoreTest::columnWidthsAreEnforced() {
    TempProgramFolder folder;
    AddressBook::startUp();
    Recordset& cursor = *Module1::CustomerCursor;
    addCustomer(cursor, "99999", QString(40, QChar(u'가')));
    cursor.addNew();
    cursor.setField("seq", "100000");
    QVERIFY_THROWS_EXCEPTION(StoreError, cursor.update());
    cursor.edit();
    cursor.setField("name", QString(41, QChar(u'가')));
    QVERIFY_THROWS_EXCEPTION(StoreError, cursor.update());
    const auto rows =
        TestSupport::query(folder.file("orvaneit.mdb"), "select seq, name from customer");
    QCOMPARE(rows.size(), 1);
    QCOMPARE(rows[0][0], QString("99999"));
    QCOMPARE(rows[0][1], QString(40, QChar(u'가')));
    QCOMPARE(cursor.field("name"), QString(40, QChar(u'가')));
}

void StoreTest::cursorMovesAndFinds() {
    TempProgramFolder folder;
    AddressBook::startUp();
    Recordset& cursor = *Module1::CustomerCursor;
    addCustomer(cursor, "1", "다");
    addCustomer(cursor, "2", "가");
    addCustomer(cursor, "3", "나");
    cursor.requery();
    QCOMPARE(cursor.recordCount(), 3);
    QCOMPARE(cursor.field("name"), QString("가"));
    QCOMPARE(cursor.absolutePosition(), 0);
    cursor.moveLast();
    QCOMPARE(cursor.field("Name"), QString("다"));
    cursor.moveNext();
    QVERIFY(cursor.eof());
    QVERIFY_THROWS_EXCEPTION(StoreError, cursor.field("name"));
    QVERIFY(cursor.findFirst("seq", "3"));
    QCOMPARE(cursor.absolutePosition(), 1);
    QVERIFY(!cursor.findFirst("seq", "4"));
    QCOMPARE(cursor.absolutePosition(), 1);

    cursor.edit();
    cursor.setField("company", "회사");
    cursor.update();
    QCOMPARE(cursor.absolutePosition(), 1);
    cursor.deleteCurrent();
    cursor.requery();
    QCOMPARE(cursor.recordCount(), 2);
    QCOMPARE(TestSupport::query(folder.file("orvaneit.mdb"),
                                "select group_concat(seq) from customer")[0][0],
             QString("1,2"));
}

void StoreTest::lastSeqFollowsTheNewestRow() {
    TempProgramFolder folder;
    AddressBook::startUp();
    addCustomer(*Module1::CustomerCursor, "1", "a");
    addCustomer(*Module1::CustomerCursor, "12", "c");
    addCustomer(*Module1::CustomerCursor, "3", "b");
    Module1::CustomerCursor.reset();
    AddressBook::startUp();
    // The newest row, not the largest number.
    QCOMPARE(Module1::LastSeq, QString("3"));
    QCOMPARE(AddressBook::nextSeq(), QString("4"));
    QCOMPARE(Module1::LastSeq, QString("3"));
}

void StoreTest::refusesFilesThatAreNotOurs_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("empty file") << QByteArray();
    QTest::newRow("text file") << QByteArray("hello, this is not a database\n");
    QTest::newRow("damaged") << QByteArray("SQLite format 3\0garbagegarbagegarbage", 38);
    QTest::newRow("other program") << QByteArray("sqlite");
}

void StoreTest::refusesFilesThatAreNotOurs() {
    QFETCH(QByteArray, content);
    TempProgramFolder folder;
    QString path = folder.file("orvaneit.mdb");
    if (content == "sqlite") {
        // A real SQLite file of another program: no customer table.
        {
            QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "other");
            db.setDatabaseName(path);
            QVERIFY(db.open());
            QSqlQuery(db).exec("create table notes(x text)");
            db.close();
        }
        QSqlDatabase::removeDatabase("other");
    } else {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(content);
    }
    const QByteArray before = digest(path);
    try {
        AddressBook::startUp();
        QFAIL("the file was accepted");
    } catch (const StoreError& e) {
        QVERIFY2(e.message().contains("orvaneit.mdb"), qPrintable(e.message()));
    }
    QCOMPARE(digest(path), before);
}

QTEST_MAIN(StoreTest)
#include "tst_store.moc"
